// One past contest: its season, its number within the season and its winning column,
// with the 20-byte record it takes in "archivio.mra" and the order the archive keeps
// (season, then number).
#pragma once

#include <compare>
#include <cstddef>
#include <cstdint>

#include "Colonna.h"
#include "FileBinario.h"

namespace morella {

inline constexpr std::size_t DimensioneRecordConcorso = 20;

// The calendar year today; the season of a freshly made contest.
std::int32_t AnnoCorrente();

struct T_Concorso {
    std::int32_t Stagione = AnnoCorrente();
    std::uint8_t Numero = 1;
    TColonna ColonnaVincente{};  // sign codes of the events; for Totip bytes 12-13 the Corsa +
    std::uint8_t Completo = 1;   // a new contest counts as complete until it is first stored

    bool operator==(const T_Concorso&) const = default;

    void CopiaDa(const T_Concorso& altro) { *this = altro; }

    // True when each of the first NumEvents bytes holds exactly one of 1, 2, 4.
    bool ColonnaCompleta() const;
    // Sets the complete flag from the winning column.
    void AggiornaCompleto() { Completo = ColonnaCompleta() ? 1 : 0; }

    // Record: season (int32), number, the 14 column bytes, complete flag.
    void Scrivi(TScrittoreBinario& scrittore) const;
    // False on a short record, which leaves the contest untouched. Sign bytes lose any
    // bits above the three signs, and a record may claim to be complete only when its
    // column really is: later scans count on a complete column holding single signs.
    bool Leggi(TLettoreBinario& lettore);
};

// Order of the archive: season, then number. Two contests with the same season and number
// are the same contest, whatever their columns.
inline std::strong_ordering ConfrontaConcorsi(const T_Concorso& a, const T_Concorso& b)
{
    if (auto c = a.Stagione <=> b.Stagione; c != 0) return c;
    return a.Numero <=> b.Numero;
}
inline bool StessoConcorso(const T_Concorso& a, const T_Concorso& b)
{
    return ConfrontaConcorsi(a, b) == 0;
}
inline bool PrecedeConcorso(const T_Concorso& a, const T_Concorso& b)
{
    return ConfrontaConcorsi(a, b) < 0;
}

}  // namespace morella
