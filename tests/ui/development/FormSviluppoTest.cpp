// The development window: what it shows after a run, "Annulla" during a run, the winning
// possibilities it opens, and how long the event loop waits while 531,441 columns go through
// a realistic set of conditions.
#include <gtest/gtest.h>

#include <QChartView>
#include <QDir>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <filesystem>

#include "CartellaTemporanea.h"
#include "Cartelle.h"
#include "CondizioniRealistiche.h"
#include "Errore.h"
#include "FormPossibilita.h"
#include "FormSviluppo.h"
#include "PannelloSc.h"
#include "ProvaUi.h"
#include "RegistroFinestre.h"
#include "Sistema.h"
#include "TestiSviluppo.h"

using namespace morella;
using morella::test::TCartellaTemporanea;
using morella::test::TGiocoTemporaneo;
using morella::ui::TFormPossibilita;
using morella::ui::TFormSviluppo;

namespace {

class FinestraSviluppo : public ::testing::Test {
   protected:
    TGiocoTemporaneo gioco{GiocoTotip};
    TCartellaTemporanea dir;
    std::unique_ptr<TSistema> sistema;

    void SetUp() override
    {
        ImpostaDirectoryProgramma(dir.Percorso().string());
        CreaCartelleDiLavoro();
        sistema = std::make_unique<TSistema>();
        auto& imp = sistema->Dati().Impostazioni;
        imp.UsaCondizioni = false;
        imp.Autoriduzione = false;
        imp.SalvaAutomaticamente = false;
    }
    // `triple` triples first, then `doppie` doubles "1X", the rest "1".
    void Pronostico(int triple, int doppie)
    {
        auto& p = sistema->Dati().Pronostico;
        for (int i = 0; i < NumEvents; ++i)
            p[static_cast<std::size_t>(i)] = i < triple ? 7 : (i < triple + doppie ? 3 : 1);
        for (int i = 0; i < NumEvents; ++i)
            sistema->Dati().NomiEventi[static_cast<std::size_t>(i)][0] =
                (i % 2 == 0 ? "1º Corsa " : "2º Corsa ") + std::to_string(i / 2 + 1);
    }
    template <class T>
    static T* Figlio(QWidget& w, const char* nome)
    {
        auto* f = w.findChild<T*>(QString::fromLatin1(nome));
        EXPECT_NE(f, nullptr) << nome;
        return f;
    }
    static QString Testo(QWidget& w, const char* nome) { return Figlio<QLabel>(w, nome)->text(); }
};

}  // namespace

TEST_F(FinestraSviluppo, MostraConteggiCostiERiduzione)
{
    Pronostico(2, 3);  // 9 x 8 = 72 columns
    sistema->Partecipanti = 2;
    auto& imp = sistema->Dati().Impostazioni;
    imp.Autoriduzione = true;
    imp.CalcoloPercentuali = true;
    imp.GaranziaN1 = false;
    TFormSviluppo f(*sistema);
    int dopo = 0;
    f.DopoSviluppo = [&] { ++dopo; };
    f.Esegui();

    EXPECT_EQ(dopo, 1);
    EXPECT_FALSE(f.InCorso());
    EXPECT_EQ(Testo(f, "ColonneIniziali"), "72 (£ 57600)");
    EXPECT_EQ(Testo(f, "ColonneFinali"), "72 (£ 28800 1/2)");
    EXPECT_EQ(Testo(f, "ColonneFiltrate"), "0 (£ 0)");
    EXPECT_EQ(Figlio<QGroupBox>(f, "GroupRiduzione")->title(), "Autoriduzione N-2");
    EXPECT_TRUE(Figlio<QGroupBox>(f, "GroupRiduzione")->isEnabled());
    const int tenute = sistema->Dati().Colonne.Conta();
    ASSERT_GT(tenute, 0);
    EXPECT_LT(tenute, 72);
    EXPECT_TRUE(Testo(f, "RColonneFinali").startsWith(QString::number(tenute) + " (£ "));
    EXPECT_EQ(Testo(f, "LabelCR"), "72");
    EXPECT_EQ(Testo(f, "LabelFattore"), QString::number(72.0 / tenute, 'f', 2));
    EXPECT_EQ(Testo(f, "LabelStato"), "Elaborazione Terminata.");
    EXPECT_EQ(Figlio<QProgressBar>(f, "GaugeC")->value(), 100);
    EXPECT_TRUE(Figlio<QChartView>(f, "TortaC")->isVisible());
    EXPECT_TRUE(Figlio<QChartView>(f, "TortaR")->isVisible());
    EXPECT_TRUE(Figlio<QPushButton>(f, "BtnInformazioni")->isEnabled());

    // A second run without reduction hides what the first one showed.
    imp.Autoriduzione = false;
    f.Esegui();
    EXPECT_FALSE(Figlio<QGroupBox>(f, "GroupRiduzione")->isEnabled());
    EXPECT_FALSE(Figlio<QChartView>(f, "TortaR")->isVisible());
    EXPECT_FALSE(Figlio<QLabel>(f, "RColonneFinali")->isVisible());
    EXPECT_FALSE(Figlio<QPushButton>(f, "BtnInformazioni")->isEnabled());
    EXPECT_EQ(sistema->Dati().Colonne.Conta(), 72);
    EXPECT_EQ(dopo, 2);
}

TEST_F(FinestraSviluppo, ConLaCorsaPiuContaLeColonnePagateComeLaLineaDiStato)
{
    Pronostico(2, 3);                                               // 72 columns
    sistema->Dati().CorsaPiu = (1u << 2) | (1u << 6) | (1u << 10);  // horses 3, 7, 11: three pairs
    sistema->Dati().Impostazioni.Autoriduzione = true;
    sistema->Dati().Impostazioni.GaranziaN1 = false;
    TFormSviluppo f(*sistema);
    f.Esegui();
    ASSERT_FALSE(f.InCorso());

    // The status line after the run names the paid columns; the window says the same
    // numbers and costs, after the count of columns and the multiplier.
    const TStatusLine s = sistema->AggiornaStatusLine();
    const auto pagate = [](const std::string& riga) {
        return QString::fromStdString(riga.substr(riga.find(": ") + 2));
    };
    EXPECT_EQ(Testo(f, "ColonneIniziali"), "72 × 3 = " + pagate(s.ColonneIniziali));
    EXPECT_EQ(Testo(f, "ColonneIniziali"), "72 × 3 = 216 (£ 172800)");
    const int ridotte = sistema->Dati().Colonne.Conta();
    EXPECT_EQ(Testo(f, "RColonneFinali"), QString::number(ridotte) + " × 3 = " + pagate(s.ColonneFinali));
    // A count fits on one line; with its multiplier it may wrap, never widen the window.
    auto* etichetta = Figlio<QLabel>(f, "ColonneIniziali");
    EXPECT_GE(etichetta->width(),
              etichetta->fontMetrics().horizontalAdvance(QStringLiteral("531441 (£ 425152800)")));
    EXPECT_TRUE(etichetta->wordWrap());
}

TEST_F(FinestraSviluppo, AnnullaFermaLoSviluppoDalPronostico)
{
    Pronostico(12, 0);
    sistema->Dati().Impostazioni.UsaCondizioni = true;
    bench::CondizioniRealistiche(*sistema->Dati().Condizioni);
    TFormSviluppo f(*sistema);
    auto* gauge = Figlio<QProgressBar>(f, "GaugeC");
    auto* annulla = Figlio<QPushButton>(f, "BtnAnnulla");
    QTimer timer;
    timer.setInterval(2);
    int premuto = -1;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        if (premuto < 0 && gauge->value() >= 10 && f.InCorso()) {
            premuto = gauge->value();
            QTest::mouseClick(annulla, Qt::LeftButton);
        }
    });
    timer.start();
    f.Esegui();
    timer.stop();

    ASSERT_GE(premuto, 10);
    EXPECT_TRUE(f.Esito().annullato);
    EXPECT_LT(f.Esito().sviluppate, 531441);        // it really stopped
    EXPECT_EQ(sistema->Dati().Colonne.Conta(), 0);  // and from the prediction nothing is kept
    EXPECT_EQ(Testo(f, "ColonneFinali"), "0 (£ 0)");
    EXPECT_FALSE(f.isVisible());  // the same press closes the window
}

TEST_F(FinestraSviluppo, AnnullaFermaLaRiduzioneSenzaSalvare)
{
    Pronostico(9, 0);  // 19,683 columns to reduce
    auto& imp = sistema->Dati().Impostazioni;
    imp.Autoriduzione = true;
    imp.SalvaAutomaticamente = true;
    imp.FileDestinazione = dir.File("Dest.Col");
    TFormSviluppo f(*sistema);
    auto* stato = Figlio<QLabel>(f, "LabelStato");
    QTimer timer;
    timer.setInterval(1);
    bool premuto = false;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        if (!premuto && stato->text() == QString::fromUtf8(StatoAutoriduzione)) {
            premuto = true;
            Figlio<QPushButton>(f, "BtnAnnulla")->click();
        }
    });
    timer.start();
    f.Esegui();
    ASSERT_TRUE(premuto);
    EXPECT_TRUE(f.Esito().riduzione.annullata);
    EXPECT_EQ(sistema->Dati().Colonne.Conta(), 0);
    EXPECT_FALSE(std::filesystem::exists(imp.FileDestinazione));
    EXPECT_FALSE(Figlio<QPushButton>(f, "BtnInformazioni")->isEnabled());
}

TEST_F(FinestraSviluppo, DuranteLoSviluppoLeAltreFinestreNonRicevonoInput)
{
    Pronostico(10, 0);
    QPushButton altra(QStringLiteral("Nuovo"));
    int premute = 0;
    QObject::connect(&altra, &QPushButton::clicked, [&] { ++premute; });
    altra.show();
    TFormSviluppo f(*sistema);
    QTimer::singleShot(0, [&] { QTest::mouseClick(&altra, Qt::LeftButton); });
    f.Esegui();
    EXPECT_EQ(premute, 0);
    QTest::mouseClick(&altra, Qt::LeftButton);
    EXPECT_EQ(premute, 1);
}

TEST_F(FinestraSviluppo, UnErroreArrivaAlComandoELaFinestraTornaLibera)
{
    auto& imp = sistema->Dati().Impostazioni;
    imp.DaPronostico = false;
    imp.FileSorgente = dir.File("Manca.Col");
    TFormSviluppo f(*sistema);
    int dopo = 0;
    f.DopoSviluppo = [&] { ++dopo; };
    EXPECT_THROW(f.Esegui(), EErrore);
    EXPECT_FALSE(f.InCorso());
    EXPECT_EQ(dopo, 1);
    // The input of the other windows is no longer held back.
    QPushButton altra(QStringLiteral("Nuovo"));
    int premute = 0;
    QObject::connect(&altra, &QPushButton::clicked, [&] { ++premute; });
    altra.show();
    QTest::mouseClick(&altra, Qt::LeftButton);
    EXPECT_EQ(premute, 1);
    // And the next run works.
    imp.DaPronostico = true;
    Pronostico(0, 1);
    f.Esegui();
    EXPECT_EQ(sistema->Dati().Colonne.Conta(), 2);
}

// The optimised reduction searches for its whole budget: the status line says how far it got
// and how long is left, and the reduction gauge follows the time instead of standing full.
TEST_F(FinestraSviluppo, LOttimizzazioneMostraMiglioreETempoRimasto)
{
    Pronostico(8, 0);  // 6,561 columns
    auto& imp = sistema->Dati().Impostazioni;
    imp.Autoriduzione = true;
    imp.Ottimizzata = true;
    imp.SecondiOttimizzazione = 1;
    TFormSviluppo f(*sistema);
    auto* stato = Figlio<QLabel>(f, "LabelStato");
    auto* gauge = Figlio<QProgressBar>(f, "GaugeR");
    QStringList visti;
    int gaugeMinimo = 100;
    bool fotografata = false, tortaAllInizio = true;
    QTimer timer;
    timer.setInterval(5);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        if (!stato->text().startsWith(QStringLiteral("Ottimizzazione: "))) return;
        // The pie of the accurate reduction before the search is not the result.
        if (visti.isEmpty()) tortaAllInizio = Figlio<QChartView>(f, "TortaR")->isVisible();
        if (visti.isEmpty() || visti.back() != stato->text()) visti << stato->text();
        gaugeMinimo = std::min(gaugeMinimo, gauge->value());
        if (visti.size() == 2 && !fotografata) {
            fotografata = true;
            test::Fotografa(f, QStringLiteral("sviluppo-ottimizzazione"));
        }
    });
    timer.start();
    f.Esegui();
    timer.stop();

    ASSERT_FALSE(visti.isEmpty());
    EXPECT_TRUE(visti.front().endsWith(QStringLiteral(" s rimasti"))) << visti.front().toStdString();
    EXPECT_LT(gaugeMinimo, 100);
    EXPECT_FALSE(tortaAllInizio);
    ASSERT_TRUE(f.Esito().ottimizzazione.has_value());
    const int tenute = sistema->Dati().Colonne.Conta();
    EXPECT_LE(tenute, f.Esito().ottimizzazione->colonneAccurata);
    EXPECT_TRUE(Testo(f, "RColonneFinali").startsWith(QString::number(tenute) + " (£ "));
    EXPECT_EQ(gauge->value(), 100);
    EXPECT_EQ(stato->text(), "Elaborazione Terminata.");
    EXPECT_TRUE(Figlio<QChartView>(f, "TortaR")->isVisible());
}

TEST_F(FinestraSviluppo, InformazioniApreLePossibilita)
{
    Pronostico(1, 4);  // event 1 a triple, events 2..5 doubles
    auto& imp = sistema->Dati().Impostazioni;
    imp.Autoriduzione = true;
    imp.CalcoloPercentuali = true;
    TFormSviluppo f(*sistema);
    f.Esegui();
    ASSERT_TRUE(sistema->Dati().PossibilitaCalcolate);

    // "Informazioni..." opens the window through the services' modal loop.
    {
        morella::test::TServiziProva servizi;
        QString titolo;
        servizi.AttendiDialogo([&titolo](QDialog& d) {
            titolo = d.windowTitle();
            return int(QDialog::Accepted);
        });
        QTest::mouseClick(Figlio<QPushButton>(f, "BtnInformazioni"), Qt::LeftButton);
        EXPECT_EQ(titolo.toStdString(), "Possibilità di Incolonnamento");
    }

    TFormPossibilita p(*sistema, &f);
    p.show();
    auto* esatto = Figlio<QTableWidget>(p, "GridEsatto");
    ASSERT_EQ(esatto->columnCount(), 4);  // 12, 11, 10, "Perc." on a 12-event game
    EXPECT_EQ(esatto->horizontalHeaderItem(0)->text(), "12");
    EXPECT_EQ(esatto->horizontalHeaderItem(3)->text(), "Perc.");
    EXPECT_GE(esatto->rowCount(), 7);
    EXPECT_FALSE(esatto->item(0, 3)->text().isEmpty());
    EXPECT_EQ(p.EventoMostrato(), 2);  // the triple cannot go wrong

    // A click on event 4 of the panel shows its list; a click on the triple changes nothing.
    auto* pannello = p.findChild<morella::ui::TPannelloSc*>();
    ASSERT_NE(pannello, nullptr);
    QTest::mouseClick(pannello, Qt::LeftButton, {}, pannello->RettangoloRiga(3).center());
    EXPECT_EQ(p.EventoMostrato(), 4);
    EXPECT_TRUE(pannello->Modello().Selezionato(3));
    EXPECT_FALSE(pannello->Modello().Selezionato(1));
    QTest::mouseClick(pannello, Qt::LeftButton, {}, pannello->RettangoloRiga(0).center());
    EXPECT_EQ(p.EventoMostrato(), 4);
    auto* errore = Figlio<QTableWidget>(p, "GridErrore");
    EXPECT_FALSE(errore->item(0, 0)->text().isEmpty());
    EXPECT_FALSE(Testo(p, "LabelMediaDoppia").isEmpty());
    EXPECT_TRUE(Testo(p, "LabelMediaFissa").isEmpty() == (NumeroSingole(sistema->Dati().Pronostico) == 0));
}

TEST_F(FinestraSviluppo, IlRegistroTieneUnaSolaFinestra)
{
    Pronostico(0, 2);
    morella::ui::RegistraFinestreSviluppo();
    auto& r = morella::ui::RegistroFinestre();
    ASSERT_TRUE(r.sviluppo);
    ASSERT_TRUE(r.possibilita);
    QWidget principale;
    r.sviluppo(*sistema, &principale);
    TFormSviluppo* prima = morella::ui::FinestraSviluppo();
    ASSERT_NE(prima, nullptr);
    EXPECT_EQ(sistema->Dati().Colonne.Conta(), 4);
    r.sviluppo(*sistema, &principale);
    EXPECT_EQ(morella::ui::FinestraSviluppo(), prima);
}

// The window must stay responsive through the largest development: the longest wait between
// two turns of the event loop is measured with a 10 ms timer.
TEST_F(FinestraSviluppo, ResponsivaNelloSviluppoPiuGrande)
{
    Pronostico(12, 0);
    sistema->Dati().Impostazioni.UsaCondizioni = true;
    bench::CondizioniRealistiche(*sistema->Dati().Condizioni);
    TFormSviluppo f(*sistema);
    QElapsedTimer orologio;
    qint64 ultimo = -1, massimo = 0;
    int giri = 0;
    QTimer timer;
    timer.setInterval(10);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        const qint64 ora = orologio.elapsed();
        if (ultimo >= 0) massimo = std::max(massimo, ora - ultimo);
        ultimo = ora;
        ++giri;
    });
    orologio.start();
    timer.start();
    f.Esegui();
    timer.stop();
    const qint64 durata = orologio.elapsed();
    std::printf("[ misura ] 531441 colonne, %d tenute, %lld ms, %d giri del ciclo, attesa massima %lld ms\n",
                sistema->Dati().Colonne.Conta(), static_cast<long long>(durata), giri,
                static_cast<long long>(massimo));
    EXPECT_EQ(f.Esito().sviluppate, 531441);
    EXPECT_GT(giri, 2);
    // Events are pumped at least every 15 ms; a loaded machine gets generous room.
    EXPECT_LT(massimo, 200);
}

// The whole road on the largest Totip system, reduction and winning possibilities included.
// It takes long, so it runs only when asked for (MORELLA_MISURA_COMPLETA=1).
TEST_F(FinestraSviluppo, ResponsivaAncheNellaRiduzione)
{
    if (qEnvironmentVariableIsEmpty("MORELLA_MISURA_COMPLETA"))
        GTEST_SKIP() << "MORELLA_MISURA_COMPLETA not set";
    const int triple = qEnvironmentVariableIntValue("MORELLA_MISURA_TRIPLE");
    Pronostico(triple > 0 ? triple : 12, 0);
    auto& imp = sistema->Dati().Impostazioni;
    imp.UsaCondizioni = true;
    imp.Autoriduzione = true;
    imp.CalcoloPercentuali = true;
    bench::CondizioniRealistiche(*sistema->Dati().Condizioni);
    TFormSviluppo f(*sistema);
    QElapsedTimer orologio;
    qint64 ultimo = -1, massimo = 0, quando = 0;
    QString fase, faseMassimo;
    auto* stato = Figlio<QLabel>(f, "LabelStato");
    QTimer timer;
    timer.setInterval(10);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        const qint64 ora = orologio.elapsed();
        if (ultimo >= 0 && ora - ultimo > massimo) {
            massimo = ora - ultimo;
            quando = ora;
            faseMassimo = fase;
        }
        ultimo = ora;
        fase = stato->text();
    });
    orologio.start();
    timer.start();
    f.Esegui();
    timer.stop();
    std::printf(
        "[ misura ] %lld iniziali, %lld tenute, %d ridotte, %lld ms; attesa massima %lld ms a %lld ms (%s)\n",
        static_cast<long long>(f.Esito().iniziali), static_cast<long long>(f.Esito().tenute),
        sistema->Dati().Colonne.Conta(), static_cast<long long>(orologio.elapsed()),
        static_cast<long long>(massimo), static_cast<long long>(quando), qPrintable(faseMassimo));
    EXPECT_TRUE(sistema->Dati().PossibilitaCalcolate);
    EXPECT_LT(massimo, 200);
}
