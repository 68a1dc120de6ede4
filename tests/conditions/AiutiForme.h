// Small helpers shared by the tests of the pattern kinds: columns from text or from their
// base-3 code, a condition's whole block, a table's range.
#pragma once

#include <gtest/gtest.h>

#include "Colonna.h"
#include "Condizione.h"
#include "TabellaValori.h"

namespace morella::test::forme {

inline TColonna Col(const char* testo)
{
    TColonna c{};
    EXPECT_GE(ColonnaDaTesto(testo, c), 0) << testo;
    return c;
}

// Event NumEvents is the lowest digit, as the development enumerates.
inline TColonna DaCodice(std::uint32_t codice)
{
    TColonna c{};
    for (int i = NumEvents - 1; i >= 0; --i, codice /= 3)
        c[static_cast<std::size_t>(i)] = SegnoDaCifra(static_cast<int>(codice % 3));
    return c;
}

inline int S(const TColonna& c, int i)  // the sign set of event i (1-based)
{
    return c[static_cast<std::size_t>(i - 1)] & 7;
}

inline TBytes Blocco(const TCondizione& c)
{
    TScrittoreBinario f;
    EXPECT_TRUE(c.Scrivi(f));
    return f.Dati();
}

inline void Campo(TTabellaValori& t, int da, int a)
{
    t.DaEvento = static_cast<std::int16_t>(da);
    t.AEvento = static_cast<std::int16_t>(a);
}

}  // namespace morella::test::forme
