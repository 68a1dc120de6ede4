// The walk over every column a prediction covers, in the program's fixed order: one wheel
// per event, the first event slowest, signs "1", "X", "2"; for Totip the Corsa + bytes of
// every column are the given mask. The development and the column analysis both walk it.
#pragma once

#include <algorithm>
#include <array>

#include "Colonna.h"
#include "Gioco.h"

namespace morella {

// Calls visita(colonna) for every column, in order; annullato() is asked once per
// combination of the first nine events, before its columns. Returns false when it said
// yes. A prediction with an empty event covers no column: nothing is visited.
template <class FAnnullato, class FVisita>
bool SviluppaPronostico(const TPronostico& pronostico, TMascheraCorsaPiu corsaPiu, FAnnullato&& annullato,
                        FVisita&& visita)
{
    const int eventi = NumEvents;
    std::array<std::array<TSegni, 3>, MaxEventi> alternative{};
    std::array<int, MaxEventi> quante{};
    for (int i = 0; i < eventi; ++i) {
        const auto ii = static_cast<std::size_t>(i);
        const TSegni s = pronostico[ii] & MascheraSegni;
        for (TSegni segno : {Segno1, SegnoX, Segno2})
            if (s & segno) alternative[ii][static_cast<std::size_t>(quante[ii]++)] = segno;
        if (quante[ii] == 0) return true;
    }

    TColonna c{};
    if (Gioco == GiocoTotip) c.ImpostaCorsaPiu(corsaPiu);
    std::array<int, MaxEventi> ruota{};
    for (int i = 0; i < eventi; ++i)
        c[static_cast<std::size_t>(i)] = alternative[static_cast<std::size_t>(i)][0];

    // Advances the wheels from `ultima` down to `prima`; false when they all wrapped round.
    auto avanza = [&](int ultima, int prima) {
        for (int j = ultima; j >= prima; --j) {
            const auto jj = static_cast<std::size_t>(j);
            if (++ruota[jj] < quante[jj]) {
                c[jj] = alternative[jj][static_cast<std::size_t>(ruota[jj])];
                return true;
            }
            ruota[jj] = 0;
            c[jj] = alternative[jj][0];
        }
        return false;
    };
    const int esterni = std::min(9, eventi);
    do {
        if (annullato()) return false;
        do {
            visita(static_cast<const TColonna&>(c));
        } while (avanza(eventi - 1, esterni));
    } while (avanza(esterni - 1, 0));
    return true;
}

}  // namespace morella
