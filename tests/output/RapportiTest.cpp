// The reports: the system summary with its conditions and links, the framed blocks across
// pages, the winning possibilities and the archive table.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>

#include "BloccoStampa.h"
#include "CartellaTemporanea.h"
#include "Errore.h"
#include "Prospetto.h"
#include "SistemaCompleto.h"
#include "StampaArchivio.h"
#include "StampaPossibilita.h"
#include "TelaRegistrata.h"
#include "TestoColonne.h"

namespace morella {
namespace {

using test::Col;
using test::Punti;
using test::TChiamata;
using test::TGiocoTemporaneo;
using test::TTelaRegistrata;

bool Contiene(const std::vector<std::string>& testi, const std::string& t)
{
    return std::find(testi.begin(), testi.end(), t) != testi.end();
}

int Inizia(const std::vector<std::string>& testi, const std::string& prefisso)
{
    return static_cast<int>(std::count_if(testi.begin(), testi.end(),
                                          [&](const std::string& s) { return s.rfind(prefisso, 0) == 0; }));
}

// Nothing drawn outside the paper.
void DentroLaPagina(const TTelaRegistrata& tela)
{
    for (const auto& c : tela.Chiamate) {
        EXPECT_GE(std::min(c.y1, c.y2), 0) << c.Testo;
        EXPECT_LE(std::max(c.y1, c.y2), tela.AltezzaPunti()) << c.Testo;
        EXPECT_LE(std::max(c.x1, c.x2), tela.LarghezzaPunti()) << c.Testo;
    }
}

TEST(Prospetto, RigaDelNomeSecondoLeImpostazioni)
{
    TSistema s;
    s.NomeFile = "/x/Sistemi/PROVA.MRL";
    s.Dati().Impostazioni.UsaCondizioni = false;
    s.Dati().Impostazioni.Autoriduzione = false;
    EXPECT_EQ(RigaNomeSistema(s, "01/02/2026"), "Nome Del Sistema : PROVA    Stampato il : 01/02/2026");
    s.Dati().Impostazioni.UsaCondizioni = true;
    EXPECT_EQ(RigaNomeSistema(s, "d"), "Nome Del Sistema : PROVA  Sistema Condizionato   Stampato il : d");
    s.Dati().Impostazioni.Autoriduzione = true;
    s.Dati().Impostazioni.GaranziaN1 = false;
    EXPECT_EQ(RigaNomeSistema(s, "d"),
              "Nome Del Sistema : PROVA  Sistema Condizionato Ridotto N-2  Stampato il : d");
}

TEST(Prospetto, OgniCondizioneEILinkSiStampano)
{
    TGiocoTemporaneo gioco(GiocoTotip);
    T_Archivio archivio;
    for (const char* c : {"1X21X21X21X2", "111111111111", "X2X2X2X2X2X2"}) {
        T_Concorso concorso;
        concorso.ColonnaVincente = Col(c);
        archivio.Aggiungi(concorso).Numero = static_cast<std::uint8_t>(archivio.NumeroConcorsi());
    }
    TSistema s(&archivio);
    test::OgniCondizione(s);
    TTelaRegistrata tela;
    const auto inizio = std::chrono::steady_clock::now();
    StampaProspetto(s, tela, "08/12/2026");
    const auto durata = std::chrono::steady_clock::now() - inizio;
    EXPECT_LT(durata, std::chrono::seconds(1));

    const auto testi = tela.Testi();
    EXPECT_EQ(testi.front(), "Prospetto Del Sistema");
    EXPECT_TRUE(Contiene(
        testi, "Nome Del Sistema : COMPLETO  Sistema Condizionato Ridotto N-1  Stampato il : 08/12/2026"));
    EXPECT_TRUE(Contiene(testi, "Concorso Nº 1"));
    EXPECT_TRUE(Contiene(testi, " 1X2"));  // the prediction grid
    EXPECT_TRUE(Contiene(testi, "Picchetto"));
    EXPECT_TRUE(Contiene(testi, "Valori"));
    EXPECT_TRUE(Contiene(testi, "Corsa + : 1 2 3 9 "));
    EXPECT_TRUE(Contiene(testi, "Elenco dei partecipanti al sistema"));
    EXPECT_TRUE(Contiene(testi, "3) Carla"));
    EXPECT_TRUE(Contiene(testi, "Elenco delle condizioni del sistema"));
    // Every one of the fifteen slots is active and prints its block under its own name.
    s.Dati().Condizioni->Prepara();
    s.Dati().Condizioni->CompattaAttive();
    ASSERT_EQ(s.Dati().Condizioni->NumeroAttive(), 15);
    for (int i = 0; i < 15; ++i) EXPECT_TRUE(Contiene(testi, s.Dati().Condizioni->Attiva(i)->Nome)) << i;
    EXPECT_TRUE(Contiene(testi, "Link"));
    EXPECT_TRUE(Contiene(testi, "Errori Ammessi Nella Link A"));
    EXPECT_TRUE(Contiene(testi, "Errori Ammessi In Totale"));
    EXPECT_GE(std::count_if(
                  testi.begin(), testi.end(),
                  [](const std::string& t) { return t.find("Intervalli Ammessi : ") != std::string::npos; }),
              3);  // values, percentages, points-between
    // Pages numbered 1..n, the document closed once.
    const int pagine = tela.Conta(TChiamata::NuovaPagina) + 1;
    EXPECT_GE(pagine, 2);
    EXPECT_EQ(Inizia(testi, "Pagina Nº "), pagine);
    EXPECT_EQ(testi.back(), "Pagina Nº " + std::to_string(pagine));
    EXPECT_EQ(tela.Conta(TChiamata::Chiudi), 1);
    DentroLaPagina(tela);
}

TEST(Prospetto, PartecipantiPronosticoEGuasto)
{
    TGiocoTemporaneo gioco(GiocoTotip);
    TSistema s;
    s.Dati().Impostazioni.DaPronostico = false;
    s.Dati().Pronostico = Col("1X2(1X)11111111");
    s.Dati().Percentuali[0] = {100, 0, 0};  // one event only: no "Picchetto"
    TTelaRegistrata tela;
    StampaProspetto(s, tela, "d");
    auto testi = tela.Testi();
    EXPECT_FALSE(Contiene(testi, "Elenco dei partecipanti al sistema"));
    EXPECT_FALSE(Contiene(testi, " 1X"));
    EXPECT_FALSE(Contiene(testi, "Picchetto"));
    // No condition is active: the list is empty, the page ends.
    EXPECT_EQ(testi.back(), "Pagina Nº 1");

    TTelaRegistrata guasta;
    guasta.fallisciDopo = 10;
    try {
        StampaProspetto(s, guasta, "d");
        FAIL();
    } catch (const EErrore& e) {
        EXPECT_STREQ(e.what(), MessaggioStampaSistema);
    }
    EXPECT_EQ(guasta.Conta(TChiamata::Abbandona), 1);
}

TEST(BloccoStampa, TabelleAffiancateEBloccoPiuAltoDiUnaPagina)
{
    TTelaRegistrata tela;
    TmmPrinter p(tela);
    p.IniziaDocumento();
    p.ImpostaFont(FontStampa());
    TRigheStampa d;
    for (int t = 0; t < 3; ++t) {
        d.IniziaTabella();
        d.Riga("Tabella " + std::to_string(t));
        for (int v = 0; v < 4; ++v) d.Riga(std::to_string(v));
        d.ChiudiTabella();
    }
    double y = 20;
    StampaBloccoRighe(p, y, 10, "Tre", d);
    // Three short tables side by side: five lines high, not fifteen.
    const auto testi = tela.DelTipo(TChiamata::Testo);
    ASSERT_EQ(testi.size(), 16u);
    EXPECT_EQ(testi[1].Testo, "Tabella 0");
    EXPECT_EQ(testi[2].Testo, "Tabella 1");
    EXPECT_EQ(testi[1].y1, testi[2].y1);
    EXPECT_LT(testi[1].x1, testi[2].x1);
    EXPECT_LT(y, 20 + 5 + 2 + 6 * 3.5 + 5 + 1);

    // 150 lines cannot fit a page: they go on over the next ones, each part framed, and
    // nothing runs into the page number at the foot.
    TTelaRegistrata lunga;
    TmmPrinter q(lunga);
    q.IniziaDocumento();
    q.ImpostaFont(FontStampa());
    TRigheStampa l;
    l.IniziaTabella();
    for (int v = 0; v < 150; ++v) l.Riga(std::to_string(v));
    l.ChiudiTabella();
    y = 200;
    StampaBloccoRighe(q, y, 10, "Lunga", l);
    EXPECT_EQ(lunga.Conta(TChiamata::NuovaPagina), 2);
    const int piede = 1991 - 24 - Punti(1);
    int righe = 0;
    for (const auto& t : lunga.DelTipo(TChiamata::Testo)) {
        if (t.Testo.rfind("Pagina", 0) == 0) continue;
        ++righe;
        EXPECT_LT(t.y1 + 24, piede) << t.Testo;
    }
    EXPECT_EQ(righe, 151);
    EXPECT_EQ(lunga.Conta(TChiamata::Linea), 3 * 4);  // a frame on each page
}

TEST(StampaPossibilita, TabelleDegliErroriPerGliEventiNonTripli)
{
    TGiocoTemporaneo gioco(GiocoTotip);
    T_ListaTipiDiVincite p;
    p.Lista(0).Registra(1, 2, 3);
    for (int k = 1; k <= 12; ++k) p.Lista(k).Registra(0, 1, k);
    p.Concludi(4, Col("(1X2)(1X)111111111(1X2)"));
    TTelaRegistrata tela;
    StampaPossibilita(p, Col("(1X2)(1X)111111111(1X2)"), tela);
    const auto testi = tela.Testi();
    EXPECT_EQ(testi.front(), "Stampa Delle Possibilità di Incolonnamento Del Ridotto");
    EXPECT_TRUE(Contiene(testi, "a Pronostico Verificato : "));
    EXPECT_FALSE(Contiene(testi, "Errore Alla Posizione 1 : "));
    EXPECT_TRUE(Contiene(testi, "Errore Alla Posizione 2 : "));
    EXPECT_FALSE(Contiene(testi, "Errore Alla Posizione 12 : "));
    EXPECT_EQ(Inizia(testi, "Errore Alla Posizione"), 10);
    EXPECT_EQ(Inizia(testi, "Perc."), 11);
    EXPECT_TRUE(Contiene(testi, "11"));  // the heading NumEvents - 1
    DentroLaPagina(tela);
    EXPECT_EQ(testi.back(), "Pagina Nº " + std::to_string(tela.Conta(TChiamata::NuovaPagina) + 1));
}

T_Archivio Archivio(int concorsi)
{
    T_Archivio a;
    for (int i = 0; i < concorsi; ++i) {
        T_Concorso c;
        c.Stagione = 1990 + i / 50;
        c.Numero = static_cast<std::uint8_t>(1 + i % 50);
        c.ColonnaVincente = i == 3 ? Col("1X2*11111111") : Col("1X21X21X21X2");
        c.AggiornaCompleto();
        a.Aggiungi(c);
    }
    return a;
}

TEST(StampaArchivio, GruppiDiQuarantaEFetteDiColonne)
{
    TGiocoTemporaneo gioco(GiocoTotip);
    const T_Archivio archivio = Archivio(45);
    TGruppiSpuntati gruppi;
    Spunta(gruppi, TGruppoVista::NumeroSegni);
    TTelaRegistrata tela;
    ASSERT_TRUE(StampaArchivio(archivio, {1990, 1, 1990, 45}, gruppi, tela));
    auto testi = tela.Testi();
    EXPECT_EQ(testi.front(), "Stampa Archivio Colonnne");
    // 45 contests: a page of 40 and one of 5, each with its heading row.
    EXPECT_EQ(Inizia(testi, "Anno"), 2);
    EXPECT_EQ(tela.Conta(TChiamata::NuovaPagina), 1);
    EXPECT_EQ(static_cast<int>(std::count(testi.begin(), testi.end(), "1990")), 45);
    EXPECT_TRUE(Contiene(testi, "1X2*11111111"));
    EXPECT_EQ(tela.orientamento, TOrientamentoPagina::Verticale);  // back as it was
    DentroLaPagina(tela);

    // Every group: the value columns take several slices, each a page of the same contests;
    // later slices repeat season and number but not the column.
    TGruppiSpuntati tutti;
    tutti.set();
    TTelaRegistrata larga;
    ASSERT_TRUE(StampaArchivio(archivio, {1990, 41, 1990, 45}, tutti, larga));
    testi = larga.Testi();
    const int fette = Inizia(testi, "Anno");
    EXPECT_GE(fette, 2);
    EXPECT_EQ(Inizia(testi, "  Colonna"), 1);
    EXPECT_EQ(larga.Conta(TChiamata::NuovaPagina), fette - 1);
    EXPECT_EQ(static_cast<int>(std::count(testi.begin(), testi.end(), "1990")), 5 * fette);
    for (const auto& d : DescrizioniGruppi()) EXPECT_TRUE(Contiene(testi, d.Titolo)) << d.Titolo;
}

TEST(StampaArchivio, NienteDaStampareFetteEOrientamentoDopoUnGuasto)
{
    TGiocoTemporaneo gioco(GiocoTotip);
    const T_Archivio archivio = Archivio(10);
    TGruppiSpuntati gruppi;
    gruppi.set();
    TTelaRegistrata tela;
    // A range with no contest prints nothing at all.
    EXPECT_FALSE(StampaArchivio(archivio, {1990, 20, 1990, 30}, gruppi, tela));
    EXPECT_TRUE(tela.Chiamate.empty());

    TTelaRegistrata guasta;
    guasta.fallisciDopo = 20;
    EXPECT_THROW(StampaArchivio(archivio, {1990, 1, 1990, 10}, gruppi, guasta), EErrore);
    EXPECT_EQ(guasta.orientamento, TOrientamentoPagina::Verticale);
    EXPECT_EQ(guasta.Conta(TChiamata::Abbandona), 1);

    // However narrow the page, every slice takes at least one group and the slices end.
    const auto mostrati = GruppiMostrati(gruppi);
    const auto fette = FetteArchivio(mostrati, 0.27, 1.0, 50, 40);
    ASSERT_EQ(fette.size(), mostrati.size());
    for (const auto& f : fette) EXPECT_EQ(f.size(), 1u);
    const auto larghe = FetteArchivio(mostrati, 0.27, 1000, 50, 40);
    ASSERT_EQ(larghe.size(), 1u);
    EXPECT_EQ(larghe[0].size(), mostrati.size());
    EXPECT_EQ(FetteArchivio({}, 0.27, 100, 50, 40).size(), 1u);
}

}  // namespace
}  // namespace morella
