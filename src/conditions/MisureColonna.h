// Everything the whole-column conditions measure on one single-sign column, as the archive
// view shows it and the command-line tool's "misura" prints it: each kind measured with
// its default settings (every event, every quantity).
#pragma once

#include <array>

#include "Colonna.h"
#include "CondizioneATabelle.h"
#include "Vortice.h"

namespace morella {

struct TMisureColonna {
    std::array<TMisura, 3> NumeroSegni;      // "1", "X", "2": (count, longest run)
    TMisura Pari;                            // (even runs, longest streak of them)
    TMisura Dispari;                         // (odd runs, longest streak of them)
    TMisura InterruzioniGlobali;             // (changes of sign, longest streak of them)
    std::array<int, 3> InterruzioniSegni{};  // changes into "1", "X", "2"
    TMisura SimmetrieDirette;
    TMisura SimmetrieInverse;
    int SimmetrieTotali = 0;
    TEsitoVortice VorticeDiretto;  // sign as 0, 1, 2 for "1", "X", "2"
    TEsitoVortice VorticeInverso;
    int ModuloSomma = 0;
    int ModuloProdotto = 0;
    int FormulaDerivata = 0;  // the distribution index
    bool operator==(const TMisureColonna&) const = default;
};

// Measured by the kinds themselves, each made afresh with its defaults, so the values are
// exactly those a condition of that kind sees.
TMisureColonna MisureColonna(const TColonna& colonna);

}  // namespace morella
