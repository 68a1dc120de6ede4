// The value-table control's rules: stepping states, level limits, paging (the highest value
// must be reachable), the olive marks, the round trip of a table and where a point falls.
#include <gtest/gtest.h>

#include "ModelloGraphPt.h"

using namespace morella;

namespace {

// A control set up the way the editors set it for a table of values 0..massimo.
TModelloGraphPt Controllo(int massimo, int visibili)
{
    TModelloGraphPt m;
    m.PtTotali = massimo;
    m.PtVisibili = visibili;
    m.NumEvents = 12;
    return m;
}

}  // namespace

TEST(ModelloGraphPt, StatiCiclanoELivelliLimitati)
{
    TModelloGraphPt m = Controllo(12, 13);
    EXPECT_EQ(m.Voce(0, 3).Stato, StatoEscluso);
    EXPECT_EQ(m.Livello(0, 3), 1);
    const std::uint8_t attesi[] = {StatoAmmesso, StatoInRecupero, StatoEscluso};
    for (std::uint8_t atteso : attesi) {
        EXPECT_TRUE(m.ClicValore(3));
        EXPECT_EQ(m.Voce(0, 3).Stato, atteso);
    }
    EXPECT_TRUE(m.Modificato);

    // Without the recovery state, two clicks go back to excluded and levels do not move.
    m.RecVisibili = false;
    EXPECT_TRUE(m.ClicValore(4));
    EXPECT_TRUE(m.ClicValore(4));
    EXPECT_EQ(m.Voce(0, 4).Stato, StatoEscluso);

    // Levels only for a value in recupero, and only while recovery is offered.
    m.RecVisibili = true;
    EXPECT_FALSE(m.AlzaLivello(5));
    m.ClicValore(5);
    m.ClicValore(5);
    m.RecVisibili = false;
    EXPECT_FALSE(m.AlzaLivello(5));
    m.RecVisibili = true;
    for (int i = 0; i < 120; ++i) m.AlzaLivello(5);
    EXPECT_EQ(m.Livello(0, 5), 99);
    EXPECT_FALSE(m.AlzaLivello(5));
    for (int i = 0; i < 120; ++i) m.AbbassaLivello(5);
    EXPECT_EQ(m.Livello(0, 5), 1);
    EXPECT_FALSE(m.AbbassaLivello(5));

    // The runs page edits the second table only; the range page no entry at all.
    ASSERT_TRUE(m.MostraPagina(TPaginaGraphPt::Consecutivita));
    m.ClicValore(0);
    EXPECT_EQ(m.Voce(1, 0).Stato, StatoAmmesso);
    EXPECT_EQ(m.Voce(0, 0).Stato, StatoEscluso);
    ASSERT_TRUE(m.MostraPagina(TPaginaGraphPt::Campo));
    EXPECT_FALSE(m.ClicValore(0));
    // A box past the last value is no value.
    m.MostraPagina(TPaginaGraphPt::Punti);
    EXPECT_FALSE(m.ClicValore(13));
}

TEST(ModelloGraphPt, PaginazioneRaggiungeIlValorePiuAlto)
{
    // 37 values (0..36) in 20 boxes: the last page starts at 17 and ends on 36.
    TModelloGraphPt m = Controllo(36, 20);
    EXPECT_EQ(m.BoxUsati(), 20);
    EXPECT_EQ(m.ScostamentoMassimo(), 17);
    EXPECT_FALSE(m.Scorri(-1));
    int passi = 0;
    while (m.Scorri(1)) ++passi;
    EXPECT_EQ(passi, 17);
    EXPECT_EQ(m.ValoreDelBox(19), 36);
    EXPECT_TRUE(m.ClicValore(19));
    EXPECT_EQ(m.Voce(0, 36).Stato, StatoAmmesso);
    EXPECT_EQ(m.ValoreDelBox(20), -1);

    // Fewer values than boxes: no paging and only the values are boxes.
    TModelloGraphPt piccolo = Controllo(2, 14);
    EXPECT_EQ(piccolo.BoxUsati(), 3);
    EXPECT_EQ(piccolo.ScostamentoMassimo(), 0);
    EXPECT_FALSE(piccolo.Scorri(1));
    EXPECT_EQ(piccolo.ValoreDelBox(2), 2);
    EXPECT_EQ(piccolo.ValoreDelBox(3), -1);

    // A first value other than 0 shifts the row and the limit alike.
    TModelloGraphPt da5 = Controllo(20, 10);
    da5.PtIniziale = 5;
    EXPECT_EQ(da5.ScostamentoMassimo(), 6);
    da5.Scorri(100);
    EXPECT_EQ(da5.ValoreDelBox(0), 11);
    EXPECT_EQ(da5.ValoreDelBox(9), 20);
}

TEST(ModelloGraphPt, CaricaELeggiConservanoLaTabella)
{
    TTabellaValori t(12, true);
    t.ImpostaStato(0, 2, StatoAmmesso);
    t.ImpostaStato(0, 12, StatoInRecupero, 7);
    t.ImpostaStato(1, 4, StatoInRecupero, 150);   // beyond what the buttons reach: kept
    t.Sotto[0].Valori[3] = {StatoInRecupero, 0};  // a level never set
    t.Sotto[0].Link = 'C';
    t.Sotto[1].GruppoTra = 30;
    t.DaEvento = 3;
    t.AEvento = 9;
    TModelloGraphPt m = Controllo(12, 13);
    m.Modificato = true;
    m.Scorri(3);
    m.MostraPagina(TPaginaGraphPt::Campo);
    m.ImpostaTabella(t);
    EXPECT_FALSE(m.Modificato);
    EXPECT_EQ(m.Scostamento(), 0);
    EXPECT_EQ(m.Pagina(), TPaginaGraphPt::Punti);
    EXPECT_EQ(m.Livello(0, 3), 1);
    EXPECT_EQ(m.Link(0), 'C');
    EXPECT_EQ(m.GruppoTra(1), 30);

    TTabellaValori letta(12, true);
    m.LeggiTabella(letta);
    EXPECT_EQ(letta.Sotto[0].Valori[2], (TCoppiaValore{StatoAmmesso, 1}));
    EXPECT_EQ(letta.Sotto[0].Valori[12], (TCoppiaValore{StatoInRecupero, 7}));
    EXPECT_EQ(letta.Sotto[0].Valori[3], (TCoppiaValore{StatoInRecupero, 1}));
    EXPECT_EQ(letta.Sotto[1].Valori[4], (TCoppiaValore{StatoInRecupero, 150}));
    // Untouched excluded values keep their stored level byte (0 in a fresh table).
    EXPECT_EQ(letta.Sotto[0].Valori[5], t.Sotto[0].Valori[5]);
    EXPECT_EQ(letta.Sotto[0].Link, 'C');
    EXPECT_EQ(letta.Sotto[1].GruppoTra, 30);
    EXPECT_EQ(letta.DaEvento, 3);
    EXPECT_EQ(letta.AEvento, 9);

    // An excluded value taken into recupero with level 0 comes out at level 1.
    m.ClicValore(6);
    m.ClicValore(6);
    m.LeggiTabella(letta);
    EXPECT_EQ(letta.Sotto[0].Valori[6], (TCoppiaValore{StatoInRecupero, 1}));
}

TEST(ModelloGraphPt, PagineMarcateELink)
{
    TModelloGraphPt m = Controllo(12, 13);
    TTabellaValori t(12, true);
    t.AEvento = 12;
    m.ImpostaTabella(t);
    for (auto p : {TPaginaGraphPt::Punti, TPaginaGraphPt::Consecutivita, TPaginaGraphPt::Campo})
        EXPECT_FALSE(m.PaginaMarcata(p));
    m.ClicValore(12);
    EXPECT_TRUE(m.PaginaMarcata(TPaginaGraphPt::Punti));
    EXPECT_FALSE(m.PaginaMarcata(TPaginaGraphPt::Consecutivita));
    // Only the values from PtIniziale on count.
    m.PtIniziale = 13;
    m.PtTotali = 20;
    EXPECT_FALSE(m.PaginaMarcata(TPaginaGraphPt::Punti));
    m.PtIniziale = 0;

    // The range: the end raised to the start, both within the column.
    m.MostraPagina(TPaginaGraphPt::Campo);
    m.CambiaAEvento(8);
    EXPECT_TRUE(m.PaginaMarcata(TPaginaGraphPt::Campo));
    m.CambiaDaEvento(10);
    EXPECT_EQ(m.AEvento(), 10);
    m.CambiaAEvento(4);
    EXPECT_EQ(m.AEvento(), 10);
    m.CambiaDaEvento(40);
    EXPECT_EQ(m.DaEvento(), 12);
    EXPECT_EQ(m.AEvento(), 12);

    // Letters and groups go to the table of the page shown; nonsense becomes "A" / 0..30.
    m.MostraPagina(TPaginaGraphPt::Consecutivita);
    m.CambiaLink('q');
    m.CambiaGruppoTra(99);
    EXPECT_EQ(m.Link(1), 'Q');
    EXPECT_EQ(m.GruppoTra(1), 30);
    EXPECT_EQ(m.Link(0), 'A');
    m.CambiaLink('\0');
    EXPECT_EQ(m.Link(1), 'A');

    // A table without runs opens on the points page; without points, on the runs.
    m.TipoPunti = false;
    m.ImpostaTabella(t);
    EXPECT_EQ(m.Pagina(), TPaginaGraphPt::Consecutivita);
    EXPECT_FALSE(m.MostraPagina(TPaginaGraphPt::Punti));
}

TEST(ModelloGraphPt, ZoneDellaRiga)
{
    TGeometriaGraphPt g;
    g.X0 = 30;
    g.LFreccia = 12;
    g.LBox = 20;
    g.YSu = 14;
    g.ABtn = 12;
    g.YBox = 26;
    g.ABox = 18;
    g.Box = 5;
    EXPECT_EQ(g.ZonaIn(35, 30), (TColpoGraphPt{TZonaGraphPt::FrecciaSinistra, -1}));
    EXPECT_EQ(g.ZonaIn(42, 30), (TColpoGraphPt{TZonaGraphPt::Valore, 0}));
    EXPECT_EQ(g.ZonaIn(42 + 4 * 20 + 19, 43), (TColpoGraphPt{TZonaGraphPt::Valore, 4}));
    EXPECT_EQ(g.ZonaIn(42 + 5 * 20, 30), (TColpoGraphPt{TZonaGraphPt::FrecciaDestra, -1}));
    EXPECT_EQ(g.ZonaIn(62, 14), (TColpoGraphPt{TZonaGraphPt::LivelloSu, 1}));
    EXPECT_EQ(g.ZonaIn(62, 44), (TColpoGraphPt{TZonaGraphPt::LivelloGiu, 1}));
    EXPECT_EQ(g.ZonaIn(62, 56), TColpoGraphPt{});  // below the level row
    EXPECT_EQ(g.ZonaIn(10, 30), TColpoGraphPt{});  // the captions
    EXPECT_EQ(g.ZonaIn(62, 5), TColpoGraphPt{});   // the value numbers
}
