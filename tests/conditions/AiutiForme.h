// Small helpers shared by the tests of the pattern kinds: columns from text or from their
// base-3 code, a condition's whole block, a table's range.
#pragma once

#include <gtest/gtest.h>

#include "TestoColonne.h"

#include "AiutiCondizioni.h"
#include "Colonna.h"
#include "Condizione.h"
#include "TabellaValori.h"

namespace morella::test::forme {

using test::Blocco;

using test::Col;
using test::DaCodice;

inline int S(const TColonna& c, int i)  // the sign set of event i (1-based)
{
    return c[static_cast<std::size_t>(i - 1)] & 7;
}

inline void Campo(TTabellaValori& t, int da, int a)
{
    t.DaEvento = static_cast<std::int16_t>(da);
    t.AEvento = static_cast<std::int16_t>(a);
}

}  // namespace morella::test::forme
