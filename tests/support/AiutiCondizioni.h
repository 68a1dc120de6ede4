// Small helpers for the tests of the conditions: a condition's whole file block, and a run
// of admitted values in a table.
#pragma once

#include <gtest/gtest.h>

#include "Condizione.h"
#include "FileBinario.h"
#include "TabellaValori.h"

namespace morella::test {

inline TBytes Blocco(const TCondizione& c)
{
    TScrittoreBinario f;
    EXPECT_TRUE(c.Scrivi(f));
    return f.Dati();
}

inline void Ammetti(TTabellaValori& t, int sotto, int da, int a)
{
    for (int v = da; v <= a; ++v) t.ImpostaStato(sotto, v, StatoAmmesso);
}

}  // namespace morella::test
