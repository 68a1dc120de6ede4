// The two lists of the derived formulas editor: which formulas each holds, moving them and
// what goes back into the condition.
#include <gtest/gtest.h>

#include "CartellaTemporanea.h"
#include "ListeFormule.h"

using namespace morella;

TEST(ListeFormule, ListeInOrdineESpostamenti)
{
    TListeFormule::TFlag f{};
    f[3] = f[90] = true;
    f[100] = true;  // beyond the 12-event game's last formula
    TListeFormule l(f, 90);
    EXPECT_EQ(l.Incluse(), (std::vector<int>{3, 90}));
    EXPECT_EQ(l.Escluse().size(), 89u);
    EXPECT_EQ(l.Escluse().front(), 0);
    EXPECT_EQ(l.Escluse().back(), 89);
    EXPECT_FALSE(l.Modificato());

    l.Includi({7, 1, 95, -1});  // out-of-range positions are ignored
    EXPECT_EQ(l.Incluse(), (std::vector<int>{1, 3, 7, 90}));
    EXPECT_TRUE(l.Modificato());
    l.Escludi({1, 7});
    EXPECT_FALSE(l.Modificato());  // back where it started

    l.IncludiTutte();
    EXPECT_EQ(l.Incluse().size(), 91u);
    EXPECT_TRUE(l.Escluse().empty());
    l.EscludiTutte();
    EXPECT_TRUE(l.Incluse().empty());
}

TEST(ListeFormule, CopiaLasciaIFlagOltreIlMassimo)
{
    TListeFormule::TFlag f{};
    f[0] = true;
    f[104] = f[105] = true;
    TListeFormule l(f, 90);
    l.EscludiTutte();
    l.Includi({90});
    TListeFormule::TFlag out = f;
    l.Copia(out);
    for (int i = 0; i <= 90; ++i) EXPECT_EQ(out[static_cast<std::size_t>(i)], i == 90) << i;
    EXPECT_TRUE(out[104]);
    EXPECT_TRUE(out[105]);

    // Thirteen events: every one of the 105 formulas is listed.
    TListeFormule tutte(TListeFormule::TFlag{}, 104);
    tutte.IncludiTutte();
    EXPECT_EQ(tutte.Incluse().size(), 105u);
}

TEST(ListeFormule, TestoConIndiceESegni)
{
    test::TGiocoTemporaneo gioco(GiocoEnalotto);
    EXPECT_EQ(TListeFormule::Testo(0), "  0   12- 0- 0");
    EXPECT_EQ(TListeFormule::Testo(90), " 90    0-12- 0");
    EXPECT_EQ(TListeFormule::Testo(78), " 78    0- 0-12");
    EXPECT_EQ(TListeFormule::Testo(5), "  5   10- 2- 0");
}
