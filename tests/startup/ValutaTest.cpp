// The currency of the costs: how an amount reads, what the cost field accepts, and the
// currency's change through "Costo Colonna".
#include <gtest/gtest.h>

#include "CartellaTemporanea.h"
#include "ComandiConfigurazione.h"
#include "Importo.h"

using namespace morella;
using morella::test::LeggiTutto;
using morella::test::TCartellaTemporanea;

TEST(Valuta, TestoImporto)
{
    // Lire exactly as they always read.
    EXPECT_EQ(TestoImporto(1036800, TValuta::Lire), "£ 1036800");
    EXPECT_EQ(TestoImporto(24000, TValuta::Lire, 3), "£ 8000 1/3");
    EXPECT_EQ(TestoImporto(0, TValuta::Lire, 0), "£ 0");
    // Euro: cents with two decimals, leading zeros kept, shares cut to the cent.
    EXPECT_EQ(TestoImporto(291600, TValuta::Euro), "€ 2916,00");
    EXPECT_EQ(TestoImporto(5, TValuta::Euro), "€ 0,05");
    EXPECT_EQ(TestoImporto(0, TValuta::Euro), "€ 0,00");
    EXPECT_EQ(TestoImporto(291600, TValuta::Euro, 2), "€ 1458,00 1/2");
    EXPECT_EQ(TestoImporto(100, TValuta::Euro, 3), "€ 0,33 1/3");
    EXPECT_EQ(TestoImporto(531441LL * 10000, TValuta::Euro), "€ 53144100,00");
}

TEST(Valuta, CostoDigitato)
{
    // Euro: comma or point, no decimals, one or two; always in cents.
    EXPECT_EQ(LeggiCostoColonna("0,50", TValuta::Euro), 50);
    EXPECT_EQ(LeggiCostoColonna("0.50", TValuta::Euro), 50);
    EXPECT_EQ(LeggiCostoColonna(" 1 ", TValuta::Euro), 100);
    EXPECT_EQ(LeggiCostoColonna("0,5", TValuta::Euro), 50);
    EXPECT_EQ(LeggiCostoColonna(",05", TValuta::Euro), 5);
    EXPECT_EQ(LeggiCostoColonna("2,", TValuta::Euro), 200);
    EXPECT_EQ(LeggiCostoColonna("100,00", TValuta::Euro), 10000);
    for (const char* t :
         {"", " ", ",", "0,505", "1,2,3", "1.000,00", "-1", "1e2", "€ 1", "100,01", "99999999999"})
        EXPECT_FALSE(LeggiCostoColonna(t, TValuta::Euro)) << t;
    // Lire: whole numbers only; a decimal is refused rather than read as hundreds.
    EXPECT_EQ(LeggiCostoColonna("800", TValuta::Lire), 800);
    EXPECT_EQ(LeggiCostoColonna("10000", TValuta::Lire), 10000);
    for (const char* t : {"0,50", "0.50", "10001", "", "8OO"})
        EXPECT_FALSE(LeggiCostoColonna(t, TValuta::Lire)) << t;
    // The field shows what it reads back.
    EXPECT_EQ(TestoCostoColonna(50, TValuta::Euro), "0,50");
    EXPECT_EQ(TestoCostoColonna(800, TValuta::Lire), "800");
    EXPECT_EQ(LeggiCostoColonna(TestoCostoColonna(1205, TValuta::Euro), TValuta::Euro), 1205);
}

TEST(Valuta, CambioDiValutaSalvatoEIlCostoDellAltraResta)
{
    TCartellaTemporanea t;
    const std::string file = t.File("Morella.cfg");
    TConfigurazione c;
    CambiaCostoColonna(c, TValuta::Euro, 75, file);
    EXPECT_EQ(c.Valuta, TValuta::Euro);
    EXPECT_EQ(c.CostoCentesimi, 75);
    EXPECT_EQ(c.CostoColonna, 800);  // the lire cost waits for a return to lire
    EXPECT_EQ(c.CostoUnitario(), 75);
    TConfigurazione letta;
    LeggiConfigurazione(letta, file);
    EXPECT_EQ(letta.Valuta, TValuta::Euro);
    EXPECT_EQ(letta.CostoCentesimi, 75);

    // Back to lire at the same lire cost: the currency alone changed, and is written.
    CambiaCostoColonna(c, TValuta::Lire, 800, file);
    EXPECT_EQ(c.Valuta, TValuta::Lire);
    EXPECT_EQ(c.CostoCentesimi, 75);
    LeggiConfigurazione(letta, file);
    EXPECT_EQ(letta.Valuta, TValuta::Lire);
    EXPECT_EQ(letta.CostoCentesimi, 75);
    EXPECT_EQ(LeggiTutto(file).size(), DimensioneFileConfigurazione + 13);
    // Out of range cents are kept in range.
    CambiaCostoColonna(c, TValuta::Euro, 20000, file);
    EXPECT_EQ(c.CostoCentesimi, CostoCentesimiMassimo);
}
