// The coupon panel's selection rules and the range of totals a selection gives.
#include <gtest/gtest.h>

#include "ModelloPannelloSc.h"

using namespace morella;

TEST(ModelloPannelloSc, ClicSelezionaEDeseleziona)
{
    TModelloPannelloSc m;
    EXPECT_TRUE(m.Clic(2, TZonaPannello::PrimoNome));
    EXPECT_TRUE(m.Modificato);
    EXPECT_TRUE(m.Clic(4, TZonaPannello::Pronostico));
    auto sel = m.Selezionati();
    EXPECT_EQ(sel[2], 1);
    EXPECT_EQ(sel[4], 1);
    EXPECT_TRUE(m.Clic(2, TZonaPannello::Numero));
    EXPECT_FALSE(m.Selezionato(2));

    // Program code loading the flags clears the modified mark.
    std::array<bool, MaxEventi> tutti{};
    tutti.fill(true);
    m.ImpostaSelezionati(tutti);
    EXPECT_FALSE(m.Modificato);
    EXPECT_TRUE(m.Selezionato(12));
}

TEST(ModelloPannelloSc, UnaSolaPartitaENonLeTriple)
{
    TModelloPannelloSc m;
    m.SelezionaPartiteSingole = true;
    std::array<bool, MaxEventi> selezionabili{};
    selezionabili.fill(true);
    selezionabili[1] = false;  // a triple
    m.ImpostaSelezionabili(selezionabili);
    EXPECT_TRUE(m.Clic(0, TZonaPannello::PrimoNome));
    EXPECT_TRUE(m.Clic(3, TZonaPannello::PrimoNome));
    EXPECT_FALSE(m.Selezionato(0));
    EXPECT_TRUE(m.Selezionato(3));
    EXPECT_FALSE(m.Clic(1, TZonaPannello::PrimoNome));
    EXPECT_TRUE(m.Selezionato(3));  // a refused click keeps the selection
    EXPECT_FALSE(m.Selezionato(1));
}

TEST(ModelloPannelloSc, VariantiDeiClic)
{
    TModelloPannelloSc sola;
    sola.Tipo = 4;
    EXPECT_FALSE(sola.Clic(0, TZonaPannello::PrimoNome));
    EXPECT_FALSE(sola.Modificato);

    TModelloPannelloSc valori;
    valori.Tipo = 2;
    EXPECT_FALSE(valori.Clic(0, TZonaPannello::Valori));  // only left of the values column
    EXPECT_TRUE(valori.Clic(0, TZonaPannello::Pronostico));

    TModelloPannelloSc squadre;
    squadre.Tipo = 1;
    EXPECT_TRUE(squadre.Clic(5, TZonaPannello::SecondoNome));
    EXPECT_TRUE(squadre.Squadra(5, 1));
    EXPECT_FALSE(squadre.Squadra(5, 0));
    EXPECT_FALSE(squadre.Clic(5, TZonaPannello::Pronostico));
    EXPECT_FALSE(squadre.Selezionato(5));
}

TEST(ModelloPannelloSc, IntervalloDellaSelezione)
{
    TModelloPannelloSc p;
    p.Tipo = 3;
    p.Percentuali[0] = {50, 30, 20};
    p.Percentuali[1] = {60, 40, 0};
    std::array<bool, MaxEventi> sel{};
    sel[0] = sel[1] = true;
    p.ImpostaSelezionati(sel);
    auto r = p.Intervallo(13);
    EXPECT_FALSE(r.vuota);
    EXPECT_DOUBLE_EQ(r.minimo, 0.0);
    EXPECT_DOUBLE_EQ(r.massimo, 30.0);

    TModelloPannelloSc v;
    v.Tipo = 2;
    v.Valori[2] = {4, 9, 1};
    v.Valori[12] = {7, 7, 7};
    sel = {};
    sel[2] = sel[12] = true;
    v.ImpostaSelezionati(sel);
    r = v.Intervallo(12);  // event 13 lies beyond a 12-event game
    EXPECT_DOUBLE_EQ(r.minimo, 1.0);
    EXPECT_DOUBLE_EQ(r.massimo, 9.0);

    TModelloPannelloSc s;
    s.Tipo = 1;
    s.PtPerVittoria = 3;
    std::array<std::array<bool, 2>, MaxEventi> squadre{};
    squadre[0] = {true, true};
    squadre[1] = {false, true};
    s.ImpostaSquadre(squadre);
    r = s.Intervallo(13);
    EXPECT_DOUBLE_EQ(r.minimo, 2.0);
    EXPECT_DOUBLE_EQ(r.massimo, 6.0);

    TModelloPannelloSc vuoto;
    vuoto.Tipo = 3;
    r = vuoto.Intervallo(13);
    EXPECT_TRUE(r.vuota);
    EXPECT_DOUBLE_EQ(r.minimo, 100.0);
    vuoto.Tipo = 0;
    EXPECT_TRUE(vuoto.Intervallo(13).vuota);
}
