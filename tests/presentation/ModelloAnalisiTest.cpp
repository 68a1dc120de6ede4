// The statistics windows' figures: scales, the column bars and their pies, what an analysis
// with nothing to count shows, the pictures and the printed tables.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>

#include "Errore.h"
#include "ModelloAnalisi.h"
#include "StampaAnalisi.h"
#include "TelaRegistrata.h"

using namespace morella;
using morella::test::TChiamata;
using morella::test::TTelaRegistrata;

namespace {

// One series of values 0..3: "Integr." holds 10 columns (value v v+1 times), "Cond.S." the
// ones of value 1 and 2, the settings accept 1 and 2; the archive saw values 1, 1, 3.
T_Analisi AnalisiDiProva()
{
    T_Analisi a;
    a.Serie.resize(1);
    T_SerieAnalisi& s = a.Serie[0];
    s.Nome = "Segni 1";
    s.Etichette = {"0", "1", "2", "3"};
    s.Archivio = T_FrequenzeRitardi(3);
    s.Integr = T_FrequenzeRitardi(3);
    s.CondS = T_FrequenzeRitardi(3);
    s.Condiz = T_FrequenzeRitardi(3);
    for (int v : {1, 1, 3}) s.Archivio.Registra(v, 0, true);
    for (int v = 0; v <= 3; ++v)
        for (int k = 0; k <= v; ++k) {
            s.Integr.Registra(v, 3 - v, false);
            if (v == 1 || v == 2) s.CondS.Registra(v, 3 - v, false);
        }
    s.Ammessi[0].InUso = true;
    s.Ammessi[0].Ammessi = {false, true, true, false};
    a.ColonneEsaminate = a.ColonneTotali = 10;
    a.Completata = true;
    a.Titoli = {"Statistica", "Frequenza", "Ritardo", "Colonnare"};
    return a;
}

}  // namespace

TEST(ModelloAnalisi, ScalePerConteggiPercentualiEZoomSenzaMaiUnPassoNullo)
{
    auto scala = [](double m, double t, bool p, bool z) {
        const TScalaGrafico s = ScalaGrafico(m, t, p, z);
        return std::vector<double>{s.Minimo, s.Massimo, s.Passo};
    };
    EXPECT_EQ(scala(40, 200, true, false), (std::vector<double>{0, 100, 10}));
    EXPECT_EQ(scala(40, 200, false, false), (std::vector<double>{0, 200, 20}));
    EXPECT_EQ(scala(40, 200, false, true), (std::vector<double>{0, 44, 4.4}));
    EXPECT_EQ(scala(40, 200, true, true), (std::vector<double>{0, 44, 4.4}));
    // Nothing at all to show: still an axis with steps.
    EXPECT_EQ(scala(0, 0, false, false), (std::vector<double>{0, 1, 0.1}));
    EXPECT_EQ(scala(0, 0, false, true), (std::vector<double>{0, 1, 0.1}));
    // Labels: whole numbers for counts and percentages, a decimal only on a small span.
    EXPECT_EQ(DecimaliScala(ScalaGrafico(40, 1944, false, false)), 0);
    EXPECT_EQ(DecimaliScala(ScalaGrafico(40, 200, true, true)), 0);
    EXPECT_EQ(DecimaliScala(ScalaGrafico(4, 10, false, true)), 1);
    EXPECT_EQ(DecimaliScala(ScalaGrafico(0, 0, false, false)), 1);
}

TEST(ModelloAnalisi, BarreColonnariTabellaTorteEFattore)
{
    const T_Analisi a = AnalisiDiProva();
    const TGraficoBarre n = GraficoColonnare(a, 0, 0, false, false);
    ASSERT_EQ(n.Insiemi.size(), 3u);
    EXPECT_EQ(n.Insiemi[0].Nome, "Integr.");
    EXPECT_EQ(n.Insiemi[0].Valori, (std::vector<double>{1, 2, 3, 4}));
    EXPECT_EQ(n.Insiemi[1].Valori, (std::vector<double>{0, 2, 3, 0}));
    EXPECT_EQ(n.Insiemi[2].Valori, (std::vector<double>{0, 0, 0, 0}));
    EXPECT_EQ(n.Scala.Massimo, 10);
    // The second measure reads the second list: value 3 - v.
    EXPECT_EQ(GraficoColonnare(a, 0, 1, false, false).Insiemi[0].Valori, (std::vector<double>{4, 3, 2, 1}));
    const TGraficoBarre p = GraficoColonnare(a, 0, 0, true, true);
    EXPECT_DOUBLE_EQ(p.Insiemi[0].Valori[3], 40.0);
    EXPECT_DOUBLE_EQ(p.Scala.Massimo, 44.0);

    const TTabellaTesto t = TabellaColonnare(a, 0, 0, true);
    EXPECT_EQ(t.Intestazioni, (std::vector<std::string>{"Valore", "Integr.", "Cond.S.", "Condiz."}));
    EXPECT_EQ(t.Righe[2], (std::vector<std::string>{"2", "30.00", "30.00", "0.00"}));

    // Eliminated: values 0 and 3, 5 of 10 columns; the archive won 2 of 3 contests.
    const TTorteAnalisi torte = TorteAnalisi(a, 0, 0);
    ASSERT_EQ(torte.Eliminate.size(), 2u);
    EXPECT_DOUBLE_EQ(torte.Eliminate[0].valore, 50.0);
    ASSERT_EQ(torte.Storica.size(), 2u);
    EXPECT_NEAR(torte.Storica[0].valore, 66.667, 0.001);
    EXPECT_EQ(AvvisoAnalisi(a), "");
    // A series index out of range shows nothing rather than reading past the end.
    EXPECT_TRUE(GraficoColonnare(a, 5, 0, true, false).Etichette.empty());
}

// An empty archive (or a range with no contest) and a development that examined nothing:
// zeros, no slice, no NaN in the pictures, and a notice saying why.
TEST(ModelloAnalisi, NienteDaContareDaZeriEUnAvviso)
{
    T_Analisi a = AnalisiDiProva();
    for (auto* t : {&a.Serie[0].Archivio, &a.Serie[0].Integr, &a.Serie[0].CondS}) t->Azzera(3);
    a.ColonneEsaminate = 0;
    const TGraficoBarre p = GraficoColonnare(a, 0, 0, true, true);
    for (const auto& i : p.Insiemi)
        for (double v : i.Valori) EXPECT_EQ(v, 0.0);
    EXPECT_GT(p.Scala.Passo, 0.0);
    const TTorteAnalisi torte = TorteAnalisi(a, 0, 0);
    EXPECT_TRUE(torte.Eliminate.empty());
    EXPECT_TRUE(torte.Storica.empty());
    EXPECT_EQ(AvvisoAnalisi(a), std::string(AvvisoNessunConcorso) + "\n" + AvvisoNessunaColonna);
    const TGraficoBarre s = GraficoStorico(a.Serie[0], 0, true, false);
    EXPECT_EQ(s.Insiemi[0].Valori, (std::vector<double>{0, 0, 0, 0}));
    for (const std::string& svg : {SvgBarre(p, "x"), SvgTorta(torte.Storica, "y")}) {
        EXPECT_EQ(svg.find("nan"), std::string::npos);
        EXPECT_EQ(svg.find("inf"), std::string::npos);
    }
    a.Completata = false;
    EXPECT_NE(AvvisoAnalisi(a).find(AvvisoAnalisiAnnullata), std::string::npos);

    T_StatisticheSegni vuote;
    EXPECT_EQ(AvvisoSegni(vuote), AvvisoNessunConcorso);
    EXPECT_EQ(TabellaSegni(vuote, 0).Righe[0][4], "0.00");
    T_FrequenzeSegniColonne nessuna;
    EXPECT_EQ(TabellaSegniColonne(nessuna, true).Righe[0][1], "0.00");
    EXPECT_EQ(GraficoSegniColonne(nessuna, true, false).Insiemi[0].Valori[0], 0.0);
}

TEST(ModelloAnalisi, ImmaginiSvgConUnaBarraPerValoreEFetteChiuse)
{
    const T_Analisi a = AnalisiDiProva();
    const std::string barre = SvgBarre(GraficoColonnare(a, 0, 0, false, false), "Analisi & <prova>");
    EXPECT_EQ(barre.rfind("<?xml", 0), 0u);
    EXPECT_NE(barre.find("Analisi &amp; &lt;prova&gt;"), std::string::npos);
    std::size_t rettangoli = 0;
    for (std::size_t i = barre.find("<rect"); i != std::string::npos; i = barre.find("<rect", i + 1))
        ++rettangoli;
    // Background, 4 values x 3 sets, 3 legend boxes.
    EXPECT_EQ(rettangoli, 1u + 12u + 3u);
    EXPECT_NE(barre.find("Integr. 3: 4.00"), std::string::npos);
    const std::string torta = SvgTorta({{"Vinte", 25}, {"Perse", 75}}, "Frequenza Storica");
    std::size_t fette = 0;
    for (std::size_t i = torta.find("<path"); i != std::string::npos; i = torta.find("<path", i + 1)) ++fette;
    EXPECT_EQ(fette, 2u);
    EXPECT_NE(torta.find(" 0 1,1 "), std::string::npos);  // the 75 % slice takes the long arc
    EXPECT_NE(SvgTorta({{"Tutto", 100}, {"Niente", 0}}, "t").find("<circle"), std::string::npos);
}

TEST(ModelloAnalisi, TabelleStampateSuPiuPagineConLIntestazioneOgniVolta)
{
    TTabellaTesto t;
    t.Intestazioni = {"Evento", "Segno 1"};
    for (int i = 0; i < 200; ++i) t.Righe.push_back({std::to_string(i + 1), std::to_string(i * 3)});
    const TGrigliaStampa g = GrigliaDiTabella(t);
    ASSERT_EQ(g.Righe(), 201);
    EXPECT_EQ(g.Cella(0, 1), "Segno 1");
    EXPECT_EQ(g.Cella(200, 1), "597");
    EXPECT_GE(g.Larghezze[1], 7 * 7);

    TTelaRegistrata tela;
    StampaTabelleAnalisi("Titolo", {{"Prima", g}, {"Seconda", GrigliaDiTabella(t)}},
                         MessaggioStampaTabellaSegni, tela);
    const auto testi = tela.Testi();
    EXPECT_EQ(testi.front(), "Titolo");
    EXPECT_EQ(std::count(testi.begin(), testi.end(), "597"), 2);
    // Each piece of a table is headed again on its page: every page has a heading.
    const int pagine = tela.Conta(TChiamata::NuovaPagina) + 1;
    EXPECT_GE(pagine, 4);
    std::set<int> conIntestazione;
    for (const auto& c : tela.DelTipo(TChiamata::Testo))
        if (c.Testo == "Segno 1") conIntestazione.insert(c.Pagina);
    EXPECT_EQ(static_cast<int>(conIntestazione.size()), pagine);
    EXPECT_EQ(tela.Conta(TChiamata::Chiudi), 1);

    TTelaRegistrata guasta;
    guasta.fallisciDopo = 20;
    try {
        StampaTabelleAnalisi("Titolo", {{"Prima", g}}, MessaggioStampaTabellaSegni, guasta);
        FAIL() << "la stampa non è fallita";
    } catch (const EErrore& e) {
        EXPECT_STREQ(e.what(), MessaggioStampaTabellaSegni);
    }
    EXPECT_EQ(guasta.Conta(TChiamata::Abbandona), 1);
    EXPECT_EQ(guasta.Conta(TChiamata::Chiudi), 0);
}
