// What each condition kind's analysis is made of and called: the statistic series it
// shows, their short names, and the four titles of its windows (statistical, frequency,
// delay, column analysis), as the program has always written them.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "Analisi.h"

namespace morella {

class TCondizione;

// The condition's own series shown by the analysis, in order: all of them, except for the
// vortex, whose analysis is of one walk (series 0-2 direct, 3-5 inverse).
std::vector<int> SerieAnalizzate(const TCondizione& condizione, const T_SceltaAnalisi& scelta);

// Short names of the series above ("Segni 1", "Posizione", "Punti Tra", ...).
std::vector<std::string> NomiSerieAnalisi(const TCondizione& condizione, const T_SceltaAnalisi& scelta);

// The four titles; empty texts for a kind without analysis.
std::array<std::string, 4> TitoliAnalisi(const TCondizione& condizione, const T_SceltaAnalisi& scelta);

// The kinds whose series count by interval, with "Altri" as the last label (values,
// percentages, points-between).
bool SerieAIntervalli(TipoCondizione tipo);
inline constexpr const char* EtichettaAltri = "Altri";

}  // namespace morella
