// A column as the conditions look at it: besides the 14 bytes, one bit mask per sign and
// the mask of events equal to their predecessor, computed once per column so that every
// kind measures with a few bit operations instead of walking the events again.
#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

#include "Colonna.h"
#include "Gioco.h"

namespace morella {

// Bit i-1 stands for event i throughout.
using TMaschera = std::uint32_t;

struct TColonnaEsaminata {
    TColonna Colonna;
    // Events holding exactly "1", "X", "2" (signs compared masked with 7).
    std::array<TMaschera, 3> Segni{};
    // Events i >= 2 whose sign set equals that of event i-1.
    TMaschera Uguali = 0;
    // Events 1..NumEvents.
    TMaschera Eventi = 0;

    // Implicit on purpose: a condition can be asked about a plain column.
    TColonnaEsaminata(const TColonna& c);  // NOLINT(google-explicit-constructor)

    // Mask of the events of one sign given as 1, 2 or 4; 0 for anything else.
    TMaschera DelSegno(TSegni s) const
    {
        return s == Segno1 ? Segni[0] : s == SegnoX ? Segni[1] : s == Segno2 ? Segni[2] : 0;
    }
};

namespace dettaglio {

// Eight bytes at a time: 0x80 in every byte of y that is 0, nothing elsewhere (exact, no
// carry crosses a byte).
inline std::uint64_t ByteNulli(std::uint64_t y)
{
    constexpr std::uint64_t m = 0x7F7F7F7F7F7F7F7FULL;
    return ~(((y & m) + m) | y | m);
}
// The top bit of byte j becomes bit j.
inline TMaschera Raccogli(std::uint64_t t)
{
    return static_cast<TMaschera>(((t >> 7) * 0x0102040810204080ULL) >> 56);
}

}  // namespace dettaglio

// Built for every column of a development, so it compares all the events at once, eight
// bytes to a word, instead of walking them.
inline TColonnaEsaminata::TColonnaEsaminata(const TColonna& c) : Colonna(c)
{
    using dettaglio::ByteNulli;
    using dettaglio::Raccogli;
    static_assert(std::endian::native == std::endian::little);
    constexpr std::uint64_t sette = 0x0707070707070707ULL;
    constexpr std::uint64_t uno = 0x0101010101010101ULL;
    std::uint64_t basso = 0, alto = 0;
    std::memcpy(&basso, c.s.data(), 8);
    // The last six bytes as a four and a two: one six-byte copy goes through the stack and
    // is read back as eight, which stalls the load behind the two stores.
    std::uint32_t alto4 = 0;
    std::uint16_t alto2 = 0;
    std::memcpy(&alto4, c.s.data() + 8, 4);
    std::memcpy(&alto2, c.s.data() + 12, 2);
    alto = alto4 | std::uint64_t{alto2} << 32;
    basso &= sette;
    alto &= sette;
    Eventi = (TMaschera{1} << NumEvents) - 1;
    // Events whose byte equals the matching byte of the two given words.
    auto pari = [&](std::uint64_t b, std::uint64_t a) {
        return (Raccogli(ByteNulli(basso ^ b)) | Raccogli(ByteNulli(alto ^ a)) << 8) & Eventi;
    };
    Segni = {pari(uno, uno), pari(2 * uno, 2 * uno), pari(4 * uno, 4 * uno)};
    // Each byte against the one before it; event 1 has no predecessor.
    Uguali = pari(basso << 8, (alto << 8) | (basso >> 56)) & ~TMaschera{1};
}

// Events da..a (1-based, inclusive), cut to 1..NumEvents; 0 when the range is empty.
inline TMaschera MascheraEventi(int da, int a)
{
    if (da < 1) da = 1;
    if (a > NumEvents) a = NumEvents;
    if (da > a) return 0;
    return ((TMaschera{1} << a) - 1) & ~((TMaschera{1} << (da - 1)) - 1);
}

// Set bits, without relying on a population-count instruction the target may lack.
inline int ContaBit(TMaschera m)
{
    m = m - ((m >> 1) & 0x55555555u);
    m = (m & 0x33333333u) + ((m >> 2) & 0x33333333u);
    return static_cast<int>((((m + (m >> 4)) & 0x0F0F0F0Fu) * 0x01010101u) >> 24);
}

// Longest block of consecutive set bits of a 13-bit mask.
extern const std::array<std::uint8_t, 1u << 13> BloccoPiuLungo;
inline int PiuLungo(TMaschera m)
{
    return BloccoPiuLungo[m & 0x1FFFu];
}

// The bits of x that lie under the set bits of maschera, packed to the low end in order
// (what a bit-extract instruction does). Used where some events are to be skipped.
inline TMaschera Comprimi(TMaschera x, TMaschera maschera)
{
    TMaschera r = 0;
    int k = 0;
    for (; maschera; maschera &= maschera - 1, ++k)
        if (x & maschera & (~maschera + 1)) r |= TMaschera{1} << k;
    return r;
}

// Runs of equal signs inside a range, judged by parity. The key is the mask of run starts
// relative to the start of the range (bit 0 always set) with a sentinel bit just past the
// range's length. Entry: odd runs count | longest odd streak << 4 | even runs << 8 |
// longest even streak << 12.
extern const std::array<std::uint16_t, 1u << 14> RunPariDispari;

}  // namespace morella
