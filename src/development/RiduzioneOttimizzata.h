// The optimised reduction: the same guarantee as the accurate autoreduction with fewer
// columns. It starts from the accurate reduction's columns (or from a covering code built by
// construction when the list is a whole product space and the code is smaller), then moves
// columns around for as long as the time budget allows, keeping the smallest valid set.
#pragma once

#include <cstdint>

#include "Autoriduzione.h"

namespace morella {

struct TParametriOttimizzazione {
    double secondi = 10.0;           // the whole reduction, the accurate one included; 0: the accurate result
    std::uint64_t seme = 1;          // the same seed and the same steps give the same columns
    std::int64_t passiMassimi = -1;  // stop after so many search steps as well (-1: time only)
};

struct TEsitoOttimizzazione {
    TEsitoRiduzione riduzione;  // totals, kept columns, cancel and winning possibilities as usual
    int colonneAccurata = 0;    // what the accurate reduction kept
    bool ripiego = false;       // condensed records: the accurate reduction's result, nothing more
    bool costruzione = false;   // a covering code built by construction beat the accurate result
    bool interrotta = false;    // cancelled during the search: the best set so far was kept
    bool orbite = false;        // a search over the orbits of maps of the list gave the set
    int orbiteCercate = 0;      // orbits that search worked on (0: the list has no such maps)
    std::int64_t passi = 0;     // search steps made
    double secondi = 0.0;       // time of the reduction (the winning possibilities not included)
};

inline constexpr const char* MessaggioRipiegoCondensate =
    "Colonne condensate: l'ottimizzazione non è disponibile, resta la riduzione accurata";

// garanzia 2 means N - 2, anything else N - 1. The kept columns stay in their list order; with
// calcoloPercentuali the winning possibilities are computed as after the accurate reduction.
// A cancel during the accurate reduction empties the list as that reduction does; a cancel
// during the search keeps the smallest valid set found so far.
TEsitoOttimizzazione AutoriduciOttimizzata(TListaColonne& lista, int garanzia, bool calcoloPercentuali,
                                           T_ListaTipiDiVincite* possibilita, const TPronostico& pronostico,
                                           const TParametriOttimizzazione& parametri,
                                           TOsservatoreRiduzione* oss = nullptr);

// True when every column of `lista` lies within `garanzia` events of some column of `scelte`
// (distance 0 included); every record must hold single signs.
bool VerificaGaranzia(const TListaColonne& lista, const TListaColonne& scelte, int garanzia);

}  // namespace morella
