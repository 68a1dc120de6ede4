// Checking (spoglio): how many single columns of a list score each points value against a
// winning column, the three prize categories, the chart's scale, and the coupons of the
// winnings view for one points value.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "Colonna.h"
#include "ListaColonne.h"
#include "Schedine.h"

namespace morella {

// Points run 0..13; fifteen slots leave room for every game.
constexpr int SlotPunti = 15;

struct TRisultatoSpoglio {
    std::array<std::int64_t, SlotPunti> punti{};  // single columns per points value
    std::int64_t massimo = 0;                     // largest counter
    std::array<std::int64_t, 3> categorie{};      // E, E-1, E-2 points
    double scalaMassima = 0;                      // top of the chart: largest counter x 11 / 10
};

// Exactly one sign on each of the events.
bool ColonnaVincenteCompleta(const TColonna& vincente);

// Every record counts as the single columns it stands for; the Corsa + bytes take no part.
// The counts are those of expanding each record and scoring its columns one by one, worked
// out per record without building the columns.
TRisultatoSpoglio ContaPunti(const TListaColonne& lista, const TColonna& vincente);

// The same counting in steps, for a window that turns its event loop between them: add the
// records [da, a) to the counters, then work out the largest counter, categories and scale.
void AggiungiPunti(TRisultatoSpoglio& r, const TColonna* da, const TColonna* a, const TColonna& vincente);
void ConcludiPunti(TRisultatoSpoglio& r);

// Which "Schedine Con Punti" buttons are enabled (0..NumEvents) and the one chosen on opening:
// the highest enabled, 0 when none is.
std::vector<bool> PuntiAbilitati(const TRisultatoSpoglio& r);
int PuntiIniziali(const TRisultatoSpoglio& r);

// The coupons of four columns, as listed, in which at least one column stands for a single
// column with exactly the given points; that column's flag is set. A merged column is
// marked at every points value its single columns reach, as the counting counts them.
std::vector<TSchedinaVin> SchedineConPunti(const TListaColonne& lista, const TColonna& vincente, int punti);

}  // namespace morella
