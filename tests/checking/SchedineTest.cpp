#include <gtest/gtest.h>

#include "Schedine.h"

using namespace morella;

namespace {

TListaColonne Lista(int n)
{
    TListaColonne l;
    for (int i = 0; i < n; ++i) {
        TColonna c{};
        for (int e = 0; e < 12; ++e)
            c[static_cast<std::size_t>(e)] = static_cast<TSegni>(1u << ((i + e) % 3));
        l.Aggiungi(c);
    }
    return l;
}

}  // namespace

TEST(Schedine, QuattroColonneAllaVoltaNumerateDaUno)
{
    TListaColonne l = Lista(9);
    auto s = CostruisciSchedine(l);
    ASSERT_EQ(s.size(), 3u);
    EXPECT_EQ(s[0].numero, 1);
    EXPECT_EQ(s[2].numero, 3);
    EXPECT_EQ(s[1].colonne[3].colonna, l[7]);
    EXPECT_EQ(s[2].colonne[0].colonna, l[8]);
    EXPECT_FALSE(s[2].colonne[0].Vuoto());
    EXPECT_TRUE(s[2].colonne[1].Vuoto());
    EXPECT_EQ(s[2].colonne[3], TSlotSchedina{});
    EXPECT_EQ(MassimoScorrimentoSchedine(static_cast<int>(s.size())), 0);

    EXPECT_EQ(CostruisciSchedine(Lista(21)).size(), 6u);
    EXPECT_EQ(MassimoScorrimentoSchedine(6), 2);
    EXPECT_EQ(MassimoScorrimentoSchedine(5), 1);
    EXPECT_EQ(MassimoScorrimentoSchedine(4), 0);
    EXPECT_TRUE(CostruisciSchedine(TListaColonne{}).empty());
    EXPECT_EQ(CostruisciSchedine(Lista(8)).size(), 2u);
}
