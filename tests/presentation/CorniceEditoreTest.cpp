// What the condition editors' frame decides: which buttons are open, what OK copies back and
// whether that changed the condition, what "Azzera " leaves, and the vortex's sign boxes.
#include <gtest/gtest.h>

#include "CartellaTemporanea.h"
#include "CorniceEditore.h"
#include "FabbricaCondizioni.h"

using namespace morella;

TEST(CorniceEditore, PulsantiEdEsito)
{
    EXPECT_FALSE(ArchivioAbilitato(1, true));
    EXPECT_TRUE(ArchivioAbilitato(2, true));
    EXPECT_FALSE(ArchivioAbilitato(50, false));
    EXPECT_FALSE(AnalisiAbilitata(false, 10, true));
    EXPECT_FALSE(AnalisiAbilitata(true, 0, true));
    EXPECT_FALSE(AnalisiAbilitata(true, 10, false));
    EXPECT_TRUE(AnalisiAbilitata(true, 10, true));

    EXPECT_EQ(EsitoEditore(false, true), EsitoAnnullato);
    EXPECT_EQ(EsitoEditore(true, false), EsitoConfermato);
    EXPECT_EQ(EsitoEditore(true, true), EsitoCambiato);
    EXPECT_FALSE(SistemaDaSegnare(EsitoAnnullato));
    EXPECT_FALSE(SistemaDaSegnare(EsitoConfermato));
    EXPECT_TRUE(SistemaDaSegnare(EsitoCambiato));
}

TEST(CorniceEditore, RiportaSoloLeTabelleCambiate)
{
    test::TGiocoTemporaneo gioco(GiocoTotip);
    TTabellaValori t(12, true);
    t.ImpostaStato(0, 4, StatoAmmesso);
    t.Prepara(true);
    ASSERT_TRUE(t.Attivo);

    TTabellaValori letta = t;
    letta.ImpostaStato(0, 5, StatoInRecupero, 3);
    // A control that reports no change copies nothing.
    EXPECT_FALSE(RiportaTabella(false, letta, t));
    EXPECT_EQ(t.Stato(0, 5), StatoEscluso);
    EXPECT_TRUE(t.Attivo);
    // One that does: copied, derived flags cleared until the next Prepara.
    EXPECT_TRUE(RiportaTabella(true, letta, t));
    EXPECT_EQ(t.Stato(0, 5), StatoInRecupero);
    EXPECT_EQ(t.Livello(0, 5), 3);
    EXPECT_FALSE(t.Attivo);
    EXPECT_FALSE(t.Sotto[0].InUso);
    EXPECT_TRUE(t.Prepara(true));
    // Clicked round back to where it was: copied, but nothing changed.
    EXPECT_FALSE(RiportaTabella(true, letta, t));
    // Each choice counts: letter, group, range.
    for (int caso = 0; caso < 4; ++caso) {
        TTabellaValori altra = t;
        if (caso == 0) altra.Sotto[1].Link = 'B';
        if (caso == 1) altra.Sotto[0].GruppoTra = 2;
        if (caso == 2) altra.DaEvento = 2;
        if (caso == 3) altra.AEvento = 11;
        EXPECT_FALSE(StessiValori(altra, t)) << caso;
    }

    auto c = CreaCondizione(TipoNumeroSegni);
    c->Attivato = true;
    EXPECT_FALSE(RiportaAttivato(*c, true));
    EXPECT_TRUE(RiportaAttivato(*c, false));
    EXPECT_FALSE(c->Attivato);
}

TEST(CorniceEditore, AzzeraComeLaTabella)
{
    test::TGiocoTemporaneo gioco(GiocoToto);
    TTabellaValori t(13, true);
    t.ImpostaStato(1, 13, StatoInRecupero, 9);
    t.Sotto[0].Valori[15] = {1, 1};  // a spare pair
    t.Sotto[0].Link = 'Z';
    t.Sotto[1].GruppoTra = 4;
    t.DaEvento = 2;
    t.AEvento = 5;
    const TTabellaValori a = TabellaAzzerata(t);
    TTabellaValori attesa = t;
    attesa.Azzera();
    EXPECT_TRUE(StessiValori(a, attesa));
    EXPECT_EQ(a.Sotto[0].Valori[15], TCoppiaValore{});
    EXPECT_EQ(a.AEvento, 13);
    EXPECT_EQ(a.Sotto[0].Link, 'A');
}

TEST(CorniceEditore, CaselleDeiSegniDelVortice)
{
    TTabellaValori t(2, false);
    t.ImpostaStato(0, 1, StatoInRecupero, 4);
    EXPECT_EQ(CaselleSegni(t), (std::array<bool, 3>{false, true, false}));
    // Same boxes: nothing changes, the recupero value keeps its state and level.
    EXPECT_FALSE(SegniDaCaselle({false, true, false}, t));
    EXPECT_EQ(t.Stato(0, 1), StatoInRecupero);
    EXPECT_EQ(t.Livello(0, 1), 4);
    // Checking admits, unchecking excludes.
    EXPECT_TRUE(SegniDaCaselle({true, false, true}, t));
    EXPECT_EQ(t.Stato(0, 0), StatoAmmesso);
    EXPECT_EQ(t.Stato(0, 1), StatoEscluso);
    EXPECT_EQ(t.Stato(0, 2), StatoAmmesso);
    EXPECT_EQ(CaselleSegni(t), (std::array<bool, 3>{true, false, true}));
}
