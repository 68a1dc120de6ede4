// What the benchmarks share: the full 12-triple Totip development (531,441 columns, first
// event slowest) and a helper that admits a range of values in a table.
#pragma once

#include <cstdint>
#include <vector>

#include "Colonna.h"
#include "TabellaValori.h"

namespace morella::bench {

inline const std::vector<TColonna>& SviluppoCompletoTotip()
{
    static const std::vector<TColonna> colonne = [] {
        ImpostaGioco(GiocoTotip);
        std::vector<TColonna> v;
        v.reserve(531441);
        for (std::uint32_t codice = 0; codice < 531441; ++codice) {
            TColonna c{};
            std::uint32_t r = codice;
            for (int i = NumEvents - 1; i >= 0; --i, r /= 3)
                c[static_cast<std::size_t>(i)] = SegnoDaCifra(static_cast<int>(r % 3));
            c.ImpostaCorsaPiu(0x0007);
            v.push_back(c);
        }
        return v;
    }();
    return colonne;
}

inline void Ammetti(TTabellaValori& t, int sotto, int da, int a)
{
    for (int v = da; v <= a; ++v) t.ImpostaStato(sotto, v, StatoAmmesso);
}

}  // namespace morella::bench
