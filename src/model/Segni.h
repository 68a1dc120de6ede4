// Signs and sign sets: "1", "X", "2" as the bits 1, 2 and 4 of one byte. Working copies
// may carry marks in the upper bits, so every test of signs masks with 7.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace morella {

using TSegni = std::uint8_t;

constexpr TSegni Segno1 = 1;
constexpr TSegni SegnoX = 2;
constexpr TSegni Segno2 = 4;
constexpr TSegni MascheraSegni = 7;

constexpr int NumeroSegni(TSegni s)
{
    return (s & 1) + ((s >> 1) & 1) + ((s >> 2) & 1);
}
constexpr bool EUnSingolo(TSegni s)
{
    return NumeroSegni(s & MascheraSegni) == 1;
}
constexpr bool EUnaDoppia(TSegni s)
{
    return NumeroSegni(s & MascheraSegni) == 2;
}
constexpr bool EUnaTripla(TSegni s)
{
    return (s & MascheraSegni) == 7;
}

// Base-3 digit of a single sign (0 for "1", 1 for "X", 2 for "2"); -1 for anything else.
constexpr int CifraSegno(TSegni s)
{
    return s == Segno1 ? 0 : s == SegnoX ? 1 : s == Segno2 ? 2 : -1;
}
constexpr TSegni SegnoDaCifra(int cifra)
{
    return static_cast<TSegni>(1u << cifra);
}

// "1", "X", "2" in that order; empty for 0; padded with blanks to three characters on request.
std::string TestoSegni(TSegni s, bool riempi = false);

// Text to sign set: upper-cased, blanks removed, the letters in any order; 0 when invalid.
TSegni SegniDaTesto(std::string_view testo);

}  // namespace morella
