// The statistics windows driven as a player opens them (F9, the condition editors' and the
// coupon editor's "Archivio" / "Analisi"), their charts held to what morella-cli says for
// the same system and archive.
#include <gtest/gtest.h>

#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QPieSeries>
#include <QPrintPreviewWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <fstream>
#include <nlohmann/json.hpp>

#include "BenchComune.h"
#include "CondizioniRealistiche.h"
#include "Consecutivita.h"
#include "EditoriCondizioni.h"
#include "EseguiCli.h"
#include "FileColonne.h"
#include "FinestraProva.h"
#include "FormAnalisi.h"
#include "FormArchivio.h"
#include "FormInfoStat.h"
#include "FormSegni.h"
#include "GraficiStatistiche.h"
#include "GruppoCondizioni.h"
#include "NumeroSegni.h"
#include "PilotaEditori.h"
#include "RegistrazioneStatistiche.h"
#include "RegistroFinestre.h"
#include "Sviluppo.h"

using namespace morella;
using namespace morella::test;
using namespace morella::ui;

namespace {

// `n` contests of seasons from 2001, 30 a season, with signs from a fixed sequence.
void ScriviArchivio(int n)
{
    T_Archivio a;
    std::uint32_t seme = 12345;
    const TSegni segni[3] = {Segno1, SegnoX, Segno2};
    for (int k = 0; k < n; ++k) {
        T_Concorso c;
        c.Stagione = 2001 + k / 30;
        c.Numero = static_cast<std::uint8_t>(k % 30 + 1);
        for (int i = 0; i < NumEvents; ++i) {
            seme = seme * 1103515245u + 12345u;
            c.ColonnaVincente[static_cast<std::size_t>(i)] = segni[(seme >> 16) % 3];
        }
        c.AggiornaCompleto();
        a.Aggiungi(c);
    }
    ASSERT_TRUE(a.Salva(CartellaArchivi()));
}

// The main window on a system whose "Numero Di Segni" wants 3 to 5 signs "1", over an
// archive the core wrote, with the statistics windows registered.
struct TStatistiche : TFinestraPrinc {
    explicit TStatistiche(int concorsi = 90)
    {
        RegistraFinestreStatistiche();
        if (concorsi > 0) {
            ScriviArchivio(concorsi);
            archivio.Carica(CartellaArchivi());
        }
        CaricaSistema("Stat.Mrl", [](TSistema& s) {
            PronosticoDiProva(s);
            auto* segni = s.Dati().Condizioni->Condizione<TNumeroSegni>(TipoNumeroSegni);
            for (int v = 3; v <= 5; ++v) segni->Tabella(0).ImpostaStato(0, v, StatoAmmesso);
        });
        sistema.Ricerca.TuttoLArchivio(archivio);
    }
    ~TStatistiche()
    {
        if (TFormInfoStat* f = FinestraInfoStat()) delete f;
        auto& r = RegistroFinestre();
        r.comandi.erase("AnalisiStatistica1");
        r.archivioCondizione = r.analisiCondizione = {};
        r.archivioSchedina = r.analisiSchedina = {};
    }
    nlohmann::json Cli(const std::string& argomenti) const
    {
        const TEsito e = EseguiCli(programma.Cartella().Percorso(), argomenti);
        EXPECT_EQ(e.codice, 0) << e.err;
        return nlohmann::json::parse(e.out);
    }
    // The system's columns, as morella-cli --sviluppa makes them.
    void Sviluppa()
    {
        sistema.Dati().Impostazioni.SalvaAutomaticamente = false;
        morella::Sviluppa(sistema);
    }
};

std::vector<double> Barre(QWidget& w, const char* grafico, int insieme)
{
    auto* vista = w.findChild<QChartView*>(QString::fromLatin1(grafico));
    EXPECT_NE(vista, nullptr) << grafico;
    if (!vista) return {};
    auto* serie = qobject_cast<QBarSeries*>(vista->chart()->series().value(0));
    EXPECT_NE(serie, nullptr);
    if (!serie || insieme >= serie->count()) return {};
    std::vector<double> valori;
    QBarSet* s = serie->barSets()[insieme];
    for (int i = 0; i < s->count(); ++i) valori.push_back(s->at(i));
    return valori;
}

std::vector<double> Fette(QWidget& w, const char* torta)
{
    auto* vista = w.findChild<QChartView*>(QString::fromLatin1(torta));
    auto* serie = vista ? qobject_cast<QPieSeries*>(vista->chart()->series().value(0)) : nullptr;
    std::vector<double> valori;
    if (serie)
        for (QPieSlice* s : serie->slices()) valori.push_back(s->value());
    return valori;
}

QString TestoDi(QWidget& w, const char* etichetta)
{
    auto* l = w.findChild<QLabel*>(QString::fromLatin1(etichetta));
    EXPECT_NE(l, nullptr) << etichetta;
    return l ? l->text() : QString();
}

std::vector<double> Numeri(const nlohmann::json& j)
{
    std::vector<double> v;
    for (const auto& x : j) v.push_back(x.get<double>());
    return v;
}

}  // namespace

TEST(FinestreStatistiche, F9RigiocaLArchivioComeLaCliEAnnullaRipristinaIlModoNormale)
{
    TStatistiche f;
    f.Sviluppa();
    f.sistema.Ricerca.CategorieCercate = 2;
    ASSERT_TRUE(f.A("AnalisiStatistica1")->isEnabled());
    f.A("AnalisiStatistica1")->trigger();
    TFormInfoStat* w = FinestraInfoStat();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isVisible());
    EXPECT_FALSE(w->isModal());

    const nlohmann::json j = f.Cli("replay '" + f.file + "' --categorie 2 --json");
    const auto& c = j["categorie"][0];
    EXPECT_EQ(w->Esito().Esaminati, j["esaminati"].get<int>());
    EXPECT_EQ(TestoDi(*w, "LabelStato"),
              QStringLiteral("Concorsi Esaminati : %1 Su %2").arg(j["esaminati"].get<int>()).arg(90));
    EXPECT_EQ(TestoDi(*w, "LabelCicloMedio"), QString::number(c["ciclo_medio"].get<double>(), 'f', 2));
    EXPECT_EQ(TestoDi(*w, "LabelRitardoMedio"), QString::number(c["ritardo_medio"].get<double>(), 'f', 2));
    EXPECT_EQ(TestoDi(*w, "LabelRitardoMinimo").toInt(), c["ritardo_minimo"].get<int>());
    EXPECT_EQ(TestoDi(*w, "LabelRitardoMassimo").toInt(), c["ritardo_massimo"].get<int>());
    EXPECT_EQ(TestoDi(*w, "LabelAssenza").toInt(), c["settimane_assenza"].get<int>());
    EXPECT_EQ(TestoDi(*w, "LabelRitardoAttuale").toInt(), c["ritardo_attuale"].get<int>());
    const auto storica = Fette(*w, "TortaStorica");
    ASSERT_EQ(storica.size(), 2u);
    EXPECT_NEAR(storica[0], c["frequenza"].get<double>(), 1e-9);
    EXPECT_NEAR(storica[0] + storica[1], 100.0, 1e-9);
    // Developed: the columns filtered and the factor are shown for the first category.
    EXPECT_TRUE(w->findChild<QChartView*>(QStringLiteral("TortaFiltrate"))->isVisible());
    EXPECT_FALSE(TestoDi(*w, "LabelFattore").isEmpty());
    EXPECT_TRUE(w->findChild<QPushButton*>(QStringLiteral("Btn1"))->isChecked());
    EXPECT_FALSE(w->findChild<QPushButton*>(QStringLiteral("Btn3"))->isEnabled());
    // "2º": the second category's page, without the convenience items of the first.
    auto* secondo = w->findChild<QPushButton*>(QStringLiteral("Btn2"));
    ASSERT_TRUE(secondo->isEnabled());
    secondo->click();
    const auto& c2 = j["categorie"][1];
    EXPECT_EQ(TestoDi(*w, "LabelCicloMedio"), QString::number(c2["ciclo_medio"].get<double>(), 'f', 2));
    EXPECT_EQ(TestoDi(*w, "LabelRitardoMassimo").toInt(), c2["ritardo_massimo"].get<int>());
    EXPECT_EQ(TestoDi(*w, "LabelAssenza").toInt(), c2["settimane_assenza"].get<int>());
    EXPECT_NEAR(Fette(*w, "TortaStorica").at(0), c2["frequenza"].get<double>(), 1e-9);
    EXPECT_FALSE(w->findChild<QChartView*>(QStringLiteral("TortaFiltrate"))->isVisible());
    w->findChild<QPushButton*>(QStringLiteral("Btn1"))->click();
    Fotografa(*w, QStringLiteral("FormInfoStat"));

    // "Annulla" during a second run: the replay stops, the page stays as it was, and the
    // conditions are back in their normal mode with their own sources.
    TElencoCondizioni& elenco = *f.sistema.Dati().Condizioni;
    const auto sorgenti = elenco.Sorgenti;
    w->Lungo().IntervalloEventi = std::chrono::milliseconds(0);
    QTimer::singleShot(0, w, [w] { w->findChild<QPushButton*>(QStringLiteral("BtnAnnulla"))->click(); });
    f.A("AnalisiStatistica1")->trigger();
    EXPECT_EQ(FinestraInfoStat(), w);
    EXPECT_TRUE(w->Esito().Annullato);
    EXPECT_LT(w->Esito().Esaminati, 90);
    EXPECT_FALSE(elenco.ModoArchivio);
    EXPECT_EQ(elenco.Sorgenti.Archivio, sorgenti.Archivio);
    EXPECT_EQ(elenco.Sorgenti.Ricerca, sorgenti.Ricerca);
    EXPECT_EQ(TestoDi(*w, "LabelCicloMedio"), QString::number(c["ciclo_medio"].get<double>(), 'f', 2));

    // Another system makes the page stale: the window goes.
    emit AvvisiSistema().SistemaCambiato();
    QCoreApplication::processEvents();
    EXPECT_EQ(FinestraInfoStat(), nullptr);
}

// A search range that holds no contest: zeros, no slice and a notice, from F9 and from the
// coupon editor's "Archivio" alike.
TEST(FinestreStatistiche, NessunConcorsoNellIntervalloDaZeriEUnAvviso)
{
    TStatistiche f(30);
    f.sistema.Ricerca.PrimaStagione = f.sistema.Ricerca.UltimaStagione = 1990;
    f.sistema.Ricerca.PrimoNumero = 1;
    f.sistema.Ricerca.UltimoNumero = 99;
    f.A("AnalisiStatistica1")->trigger();
    TFormInfoStat* w = FinestraInfoStat();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->Esito().Esaminati, 0);
    EXPECT_EQ(TestoDi(*w, "LabelCicloMedio"), "0.00");
    EXPECT_EQ(TestoDi(*w, "LabelAvviso"), QString::fromUtf8(AvvisoNessunConcorso));
    EXPECT_TRUE(Fette(*w, "TortaStorica").empty());

    f.servizi.AttendiDialogo([](QDialog& d) {
        EXPECT_EQ(TestoDi(d, "LabelAvviso"), QString::fromUtf8(AvvisoNessunConcorso));
        EXPECT_EQ(d.findChild<QTableWidget*>(QStringLiteral("GrigliaSegno1"))->item(0, 4)->text(), "0.00");
        return Premi(d, "OKBtn");
    });
    f.w->Editor()->BtnArchivio->click();

    // A condition's history and column analysis over the same empty range.
    TCondizione& segni = *f.sistema.Dati().Condizioni->Condizione(TipoNumeroSegni);
    for (auto* apri : {&RegistroFinestre().archivioCondizione, &RegistroFinestre().analisiCondizione}) {
        f.servizi.AttendiDialogo([](QDialog& d) {
            EXPECT_TRUE(TestoDi(d, "LabelAvviso").startsWith(QString::fromUtf8(AvvisoNessunConcorso)));
            EXPECT_TRUE(Fette(d, "TortaStorica").empty());
            return Premi(d, "OKBtn");
        });
        (*apri)(segni, f.w.get());
    }
    f.servizi.VerificaConsumate();
    EXPECT_TRUE(f.servizi.Errori.empty());
}

TEST(FinestreStatistiche, AnalisiColonnareDallEditoreUgualeAllaCli)
{
    TStatistiche f;
    f.Sviluppa();
    const nlohmann::json j = f.Cli("analisi '" + f.file + "' --slot 1 --sviluppa --json");
    const auto& s0 = j["serie"][0];
    bool aperta = false;
    f.Modifica("NumeroDiSegni1", [&](QDialog& editore) {
        f.servizi.AttendiDialogo([&](QDialog& d) {
            aperta = true;
            EXPECT_EQ(d.objectName(), "FormAnalisiCF");
            EXPECT_EQ(TestoDi(d, "LabelTitolo"), "Analisi Colonnare del Numero dei Segni");
            EXPECT_EQ(Barre(d, "GraficoColonnare", 0), Numeri(s0["integr"]["prima"]));
            EXPECT_EQ(Barre(d, "GraficoColonnare", 1), Numeri(s0["conds"]["prima"]));
            EXPECT_EQ(Barre(d, "GraficoColonnare", 2), Numeri(s0["condiz"]["prima"]));
            EXPECT_EQ(TestoDi(d, "LabelFattore").toStdString(), s0["fattore"].get<std::string>());
            const auto eliminate = Fette(d, "TortaEliminate");
            EXPECT_EQ(eliminate.size(), 2u);
            EXPECT_NEAR(eliminate.empty() ? -1 : eliminate[0], s0["eliminate"].get<double>(), 0.005);
            EXPECT_NEAR(Fette(d, "TortaStorica")[0], s0["frequenza_storica"].get<double>(), 0.005);
            // "%" and "Zoom": shares of the 72 columns, the scale up to the largest bar.
            auto& analisi = static_cast<TFormAnalisiCF&>(d);
            d.findChild<QCheckBox*>(QStringLiteral("CheckPercento"))->click();
            d.findChild<QCheckBox*>(QStringLiteral("CheckZoom"))->click();
            const auto p = Barre(d, "GraficoColonnare", 0);
            EXPECT_EQ(p.size(), s0["integr"]["prima"].size());
            if (p.size() < 3) return 0;
            EXPECT_NEAR(p[2], s0["integr"]["prima"][2].get<double>() * 100.0 / 72.0, 1e-9);
            EXPECT_NEAR(analisi.Grafico().Scala.Massimo, *std::max_element(p.begin(), p.end()) * 1.1, 1e-9);
            // Another series fills the bars with its own tables.
            d.findChild<QComboBox*>(QStringLiteral("ComboSerie"))->setCurrentIndex(2);
            d.findChild<QCheckBox*>(QStringLiteral("CheckPercento"))->click();
            d.findChild<QCheckBox*>(QStringLiteral("CheckZoom"))->click();
            EXPECT_EQ(Barre(d, "GraficoColonnare", 0), Numeri(j["serie"][2]["integr"]["prima"]));
            Fotografa(d, QStringLiteral("FormAnalisiCF"));
            return Premi(d, "OKBtn");
        });
        editore.findChild<QPushButton*>(QStringLiteral("AnalisiBtn"))->click();

        // A value admitted in the editor and not yet confirmed counts already: six "1"
        // joins "Cond.S.".
        ClicValore(Tabella(editore, "GraphPt0"), 6);
        f.servizi.AttendiDialogo([&](QDialog& d) {
            const auto integr = Barre(d, "GraficoColonnare", 0), conds = Barre(d, "GraficoColonnare", 1);
            EXPECT_EQ(s0["conds"]["prima"][6].get<double>(), 0.0);
            EXPECT_GT(integr.at(6), 0.0);
            EXPECT_EQ(conds.at(6), integr.at(6));
            EXPECT_EQ(conds.at(5), integr.at(5));
            EXPECT_EQ(conds.at(7), 0.0);
            return Premi(d, "OKBtn");
        });
        editore.findChild<QPushButton*>(QStringLiteral("AnalisiBtn"))->click();
        return Premi(editore, "AnnullaBtn");
    });
    EXPECT_TRUE(aperta);
    f.servizi.VerificaConsumate();
    EXPECT_TRUE(f.servizi.Errori.empty());
    // "Annulla" of the editor: the system's condition never saw the change.
    const auto* segni = f.sistema.Dati().Condizioni->Condizione<TNumeroSegni>(TipoNumeroSegni);
    EXPECT_EQ(segni->Tabella(0).Stato(0, 6), StatoEscluso);
    EXPECT_FALSE(f.sistema.Modificato);
}

TEST(FinestreStatistiche, StoricoDelVorticeInversoDalDataBaseUgualeAllaCli)
{
    TStatistiche f;
    const nlohmann::json j = f.Cli("analisi '" + f.file + "' --slot 3 --inverso --solo-archivio --json");
    ASSERT_TRUE(j["da_database"].get<bool>());
    bool aperta = false;
    f.Modifica("BlackHole1", [&](QDialog& editore) {
        static_cast<TFormVortice&>(editore).Pagine()->setCurrentIndex(1);
        f.servizi.AttendiDialogo([&](QDialog& d) {
            aperta = true;
            EXPECT_EQ(d.objectName(), "FormArchivio");
            EXPECT_EQ(TestoDi(d, "LabelTitolo"), "Analisi Statistica del Vortice Inverso");
            EXPECT_EQ(TestoDi(d, "LabelTitoloRitardi"), "Analisi Statistica dei Ritardi nel Vortice Inverso");
            // Series by name, whatever the order of the database's tables.
            auto* serie = d.findChild<QComboBox*>(QStringLiteral("ComboSerie"));
            for (int s = 0; s < 3; ++s) {
                serie->setCurrentIndex(s);
                EXPECT_EQ(serie->currentText().toStdString(), j["serie"][s]["nome"].get<std::string>());
                std::vector<double> atteso;
                for (const auto& v : j["serie"][s]["archivio"]["prima"]) atteso.push_back(v[0].get<double>());
                EXPECT_EQ(Barre(d, "GraficoStorico", 0), atteso) << s;
            }
            // The delay table: "Act." and " Max" of value 0 of the last series.
            auto* ritardi = d.findChild<QTableWidget*>(QStringLiteral("GrigliaRitardi"));
            EXPECT_EQ(ritardi->item(0, 1)->text().toInt(),
                      j["serie"][2]["archivio"]["prima"][0][1].get<int>());
            EXPECT_EQ(ritardi->item(0, 2)->text().toInt(),
                      j["serie"][2]["archivio"]["prima"][0][2].get<int>());
            Fotografa(d, QStringLiteral("FormArchivio"));

            // "Stampa": the preview draws the tables on pages.
            int pagine = 0;
            f.servizi.AttendiDialogo([&pagine](QDialog& anteprima) {
                auto* w = anteprima.findChild<QPrintPreviewWidget*>();
                if (w) {
                    w->updatePreview();
                    pagine = w->pageCount();
                }
                return static_cast<int>(QDialog::Rejected);
            });
            d.findChild<QPushButton*>(QStringLiteral("BtnStampa"))->click();
            EXPECT_GE(pagine, 1);
            return Premi(d, "OKBtn");
        });
        editore.findChild<QPushButton*>(QStringLiteral("ArchivioBtn"))->click();
        return Premi(editore, "AnnullaBtn");
    });
    EXPECT_TRUE(aperta);
    f.servizi.VerificaConsumate();
}

TEST(FinestreStatistiche, SegniDellaSchedinaUgualiAllaCliEGraficoSalvatoInPngESvg)
{
    TStatistiche f;
    const nlohmann::json j = f.Cli("segni --json");
    const std::string png = f.programma.File("segni.png"), svg = f.programma.File("segni.svg");
    f.servizi.AttendiDialogo([&](QDialog& d) {
        EXPECT_EQ(d.objectName(), "FormProArc");
        auto* segnoX = d.findChild<QTableWidget*>(QStringLiteral("GrigliaSegnoX"));
        for (int e = 0; e < NumEvents; ++e) {
            const auto& c = j["eventi"][e]["X"];
            EXPECT_EQ(segnoX->item(e, 1)->text().toInt(), c["freq"].get<int>());
            EXPECT_EQ(segnoX->item(e, 3)->text().toInt(), c["rit_max"].get<int>());
            EXPECT_EQ(segnoX->item(e, 7)->text().toInt(), c["cs_max"].get<int>());
        }
        std::vector<double> freq2;
        for (const auto& e : j["eventi"]) freq2.push_back(e["2"]["freq"].get<double>());
        EXPECT_EQ(Barre(d, "GraficoSegni", 2), freq2);
        Fotografa(d, QStringLiteral("FormProArc"));
        for (const std::string& file : {png, svg}) {
            f.servizi.AttendiFile(file);
            d.findChild<QPushButton*>(QStringLiteral("BtnSalvaGrafico"))->click();
        }
        return Premi(d, "OKBtn");
    });
    f.w->Editor()->BtnArchivio->click();
    f.servizi.VerificaConsumate();
    std::ifstream p(png, std::ios::binary), s(svg);
    std::string testaPng(8, '\0');
    p.read(testaPng.data(), 8);
    EXPECT_EQ(testaPng, std::string("\x89PNG\r\n\x1a\n", 8));
    std::string testaSvg;
    std::getline(s, testaSvg);
    EXPECT_EQ(testaSvg.rfind("<?xml", 0), 0u);

    // The coupon editor's "Analisi": the signs of the 72 developed columns.
    f.Sviluppa();
    f.w->AggiornaAbilitazioni();
    ASSERT_TRUE(f.w->Editor()->BtnAnalisi->isEnabled());
    f.servizi.AttendiDialogo([&](QDialog& d) {
        EXPECT_EQ(d.objectName(), "FormProAna");
        auto* griglia = d.findChild<QTableWidget*>(QStringLiteral("GrigliaSegni"));
        // Event 1 of the test prediction is a triple: the kept columns counted by hand.
        const TListaColonne& colonne = f.sistema.Dati().Colonne;
        const auto uno =
            std::count_if(colonne.begin(), colonne.end(), [](const TColonna& c) { return c[0] == Segno1; });
        EXPECT_GT(colonne.Conta(), 0);
        EXPECT_EQ(griglia->item(0, 1)->text().toLong(), uno);
        d.findChild<QCheckBox*>(QStringLiteral("CheckPercento"))->click();
        EXPECT_EQ(griglia->item(0, 1)->text(),
                  QString::number(100.0 * static_cast<double>(uno) / std::max(1, colonne.Conta()), 'f', 2));
        Fotografa(d, QStringLiteral("FormProAna"));
        return Premi(d, "OKBtn");
    });
    f.w->Editor()->BtnAnalisi->click();
    f.servizi.VerificaConsumate();
}

// The figures asked of these windows, on an archive of every season 1930..2099 (16,830
// contests) and a 3^12 Totip system with the realistic condition set: F9 and the column
// analysis of every kind, each timed whole and with the longest pause of the event loop.
// It takes a while, so it runs only when asked for (MORELLA_MISURA_COMPLETA=1).
TEST(FinestreStatistiche, MisureSuSedicimilaConcorsi)
{
    if (qEnvironmentVariableIsEmpty("MORELLA_MISURA_COMPLETA"))
        GTEST_SKIP() << "MORELLA_MISURA_COMPLETA not set";
    TStatistiche f(0);
    T_Archivio a = bench::ArchivioCasuale(16830, 20240611, 0x0003);
    for (int n = 0; n < a.NumeroConcorsi(); ++n) {
        a.Concorso(n).Stagione = 1930 + n / 99;
        a.Concorso(n).Numero = static_cast<std::uint8_t>(n % 99 + 1);
    }
    a.RicalcolaDataBase();
    f.archivio = a;
    TDatiSistema& d = f.sistema.Dati();
    for (int i = 0; i < NumEvents; ++i) d.Pronostico[static_cast<std::size_t>(i)] = 7;
    d.CorsaPiu = 0x0003;
    bench::CondizioniRealistiche(*d.Condizioni);
    f.sistema.Ricerca.TuttoLArchivio(f.archivio);
    f.sistema.Ricerca.CategorieCercate = qEnvironmentVariableIntValue("MORELLA_MISURA_CATEGORIE") > 0
                                             ? qEnvironmentVariableIntValue("MORELLA_MISURA_CATEGORIE")
                                             : 1;
    f.w->AggiornaAbilitazioni();

    QElapsedTimer orologio;
    qint64 ultimo = -1, massimo = 0, battiti = 0;
    QTimer timer;
    timer.setInterval(5);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        const qint64 ora = orologio.elapsed();
        if (ultimo >= 0) massimo = std::max(massimo, ora - ultimo);
        ultimo = ora;
        ++battiti;
    });
    auto misura = [&](const std::function<void()>& lavoro) {
        ultimo = -1;
        massimo = battiti = 0;
        orologio.start();
        timer.start();
        lavoro();
        timer.stop();
        // The last wait runs to the end of the work.
        const qint64 fine = orologio.elapsed();
        massimo = std::max(massimo, fine - std::max<qint64>(ultimo, 0));
        return std::pair<qint64, qint64>{fine, massimo};
    };

    {
        // The first chart a process shows pays Qt's own set-up once (fonts, the charts'
        // theme): measured apart, as the program pays it at its first chart, whichever.
        QElapsedTimer t;
        t.start();
        TFormInfoStat prova(f.sistema, f.w.get());
        const qint64 costruita = t.elapsed();
        prova.show();
        QCoreApplication::processEvents();
        std::printf("[ misura ] prima finestra con grafici: costruita in %lld ms, mostrata in %lld ms\n",
                    static_cast<long long>(costruita), static_cast<long long>(t.elapsed()));
    }
    const auto [ms, pausa] = misura([&] { f.A("AnalisiStatistica1")->trigger(); });
    std::printf(
        "[ misura ] F9 su %d concorsi, %d categorie, %d condizioni attive: %lld ms, pausa massima %lld ms, "
        "%lld "
        "battiti, esaminati %d, centrati %d / %d / %d\n",
        f.archivio.NumeroConcorsi(), f.sistema.Ricerca.CategorieCercate, d.Condizioni->NumeroAttive(),
        static_cast<long long>(ms), static_cast<long long>(pausa), static_cast<long long>(battiti),
        FinestraInfoStat()->Esito().Esaminati, f.sistema.Ricerca.RisultatiRicerca.Categorie[0].Centrati(),
        f.sistema.Ricerca.RisultatiRicerca.Categorie[1].Centrati(),
        f.sistema.Ricerca.RisultatiRicerca.Categorie[2].Centrati());
    EXPECT_EQ(FinestraInfoStat()->Esito().Esaminati, 16830);
    EXPECT_LT(ms, 2000);
    EXPECT_LT(pausa, 50);
    // Again, on the window already open: the replay alone.
    const auto [ms2, pausa2] = misura([&] { f.A("AnalisiStatistica1")->trigger(); });
    std::printf("[ misura ] F9 di nuovo, finestra aperta: %lld ms, pausa massima %lld ms, %lld battiti\n",
                static_cast<long long>(ms2), static_cast<long long>(pausa2), static_cast<long long>(battiti));
    EXPECT_LT(pausa2, 50);

    for (int slot = 1; slot <= 15; ++slot) {
        TCondizione* c = d.Condizioni->Condizione(slot);
        if (!c || !Analizzabile(c->Tipo())) continue;
        std::int64_t colonne = 0;
        f.servizi.AttendiDialogo([&colonne](QDialog& w) {
            colonne = static_cast<TFormAnalisiCF&>(w).Analisi().ColonneEsaminate;
            return static_cast<int>(QDialog::Rejected);
        });
        const auto [msA, pausaA] = misura([&] { RegistroFinestre().analisiCondizione(*c, f.w.get()); });
        std::printf("[ misura ] Analisi Colonnare, tipo %d: %lld colonne, %lld ms, pausa massima %lld ms\n",
                    c->Tipo(), static_cast<long long>(colonne), static_cast<long long>(msA),
                    static_cast<long long>(pausaA));
        EXPECT_EQ(colonne, 531441) << c->Tipo();
        EXPECT_LT(msA, 2000) << c->Tipo();
        // The progress window's and the result window's construction included.
        EXPECT_LT(pausaA, 100) << c->Tipo();
    }
    f.servizi.VerificaConsumate();
}

// The column analysis of a system developed from a source column file: its total is the
// file's records, "Annulla" of the progress window stops it (the result says so), and a file
// that cannot be read is refused with the development's message.
TEST(FinestreStatistiche, AnalisiDaFileSorgenteConTotaleEAnnulla)
{
    TStatistiche f;
    TListaColonne lista;
    const TSegni segni[3] = {Segno1, SegnoX, Segno2};
    for (int k = 0; k < 3000; ++k) {
        TColonna c{};
        int resto = k;
        for (int i = 0; i < NumEvents; ++i, resto /= 3) c[static_cast<std::size_t>(i)] = segni[resto % 3];
        lista.Aggiungi(c);
    }
    const std::string file = f.programma.File("sorgente.col");
    ASSERT_TRUE(SalvaColonne(lista, file));
    auto& imp = f.sistema.Dati().Impostazioni;
    imp.DaPronostico = false;
    imp.FileSorgente = file;
    TCondizione& segniUno = *f.sistema.Dati().Condizioni->Condizione(TipoNumeroSegni);

    auto analizza = [&](bool annulla) {
        T_Analisi a;
        QString avviso;
        f.servizi.AttendiDialogo([&](QDialog& d) {
            a = static_cast<TFormAnalisiCF&>(d).Analisi();
            avviso = TestoDi(d, "LabelAvviso");
            return static_cast<int>(QDialog::Rejected);
        });
        if (annulla)
            QTimer::singleShot(0, f.w.get(), [&f] {
                auto* progresso = f.w->findChild<TFrmAnalProgress*>();
                ASSERT_NE(progresso, nullptr);
                EXPECT_TRUE(progresso->isVisible());
                EXPECT_EQ(progresso->windowTitle(), QString::fromUtf8(TitoloAnalisiColonnare));
                progresso->findChild<QPushButton*>(QStringLiteral("BtnAnnulla"))->click();
            });
        RegistroFinestre().analisiCondizione(segniUno, f.w.get());
        return std::pair{a, avviso};
    };
    const auto [intera, avvisoIntera] = analizza(false);
    EXPECT_TRUE(intera.Completata);
    EXPECT_EQ(intera.ColonneTotali, 3000);
    EXPECT_EQ(intera.ColonneEsaminate, 3000);
    EXPECT_TRUE(avvisoIntera.isEmpty());

    const auto [annullata, avvisoAnnullata] = analizza(true);
    EXPECT_FALSE(annullata.Completata);
    EXPECT_EQ(annullata.ColonneTotali, 3000);
    EXPECT_LT(annullata.ColonneEsaminate, 3000);
    EXPECT_TRUE(avvisoAnnullata.contains(QString::fromUtf8(AvvisoAnalisiAnnullata)));

    imp.FileSorgente = f.programma.File("manca.col");
    RegistroFinestre().analisiCondizione(segniUno, f.w.get());
    EXPECT_EQ(f.servizi.Errori, std::vector<std::string>{MessaggioSviluppoAnalisi});
    f.servizi.VerificaConsumate();
}

// A group of consecutiveness elements: its editor's "Analisi" analyses the element on the
// page, as morella-cli --elemento does.
TEST(FinestreStatistiche, AnalisiDellElementoMostratoDiUnGruppo)
{
    TStatistiche f;
    f.CaricaSistema("Gruppo.Mrl", [](TSistema& s) {
        PronosticoDiProva(s);
        auto e = std::make_unique<TConsecutivita>();
        e->Tabella(TConsecutivita::TabellaConteggi).ImpostaStato(0, 5, StatoAmmesso);
        e->Tabella(TConsecutivita::TabellaRun).ImpostaStato(0, 2, StatoAmmesso);
        e->Tabella(TConsecutivita::TabellaRun).ImpostaStato(0, 3, StatoAmmesso);
        s.Dati().Condizioni->Condizione<TGruppoCondizioni>(TipoGruppoConsecutivita)->Aggiungi(std::move(e));
    });
    f.sistema.Ricerca.TuttoLArchivio(f.archivio);
    f.Sviluppa();
    const nlohmann::json j = f.Cli("analisi '" + f.file + "' --slot 8 --elemento 1 --sviluppa --json");
    bool aperta = false;
    f.Modifica("Consecutivit1", [&](QDialog& editore) {
        f.servizi.AttendiDialogo([&](QDialog& d) {
            aperta = true;
            EXPECT_EQ(TestoDi(d, "LabelTitolo").toStdString(), j["titoli"][3].get<std::string>());
            EXPECT_EQ(Barre(d, "GraficoColonnare", 0), Numeri(j["serie"][0]["integr"]["prima"]));
            EXPECT_EQ(Barre(d, "GraficoColonnare", 1), Numeri(j["serie"][0]["conds"]["prima"]));
            return Premi(d, "OKBtn");
        });
        auto* analisi = editore.findChild<QPushButton*>(QStringLiteral("AnalisiBtn"));
        EXPECT_TRUE(analisi->isEnabled());
        analisi->click();
        return Premi(editore, "AnnullaBtn");
    });
    EXPECT_TRUE(aperta);
    f.servizi.VerificaConsumate();
}
