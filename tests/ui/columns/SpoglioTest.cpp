// "Spoglio" from F7's item, its toolbar button and "Da File": totals, chart and wrong
// conditions equal to morella-cli spoglio on the same files, an entry opening its condition,
// the examination redone when the system changes, "Visualizzazione", and the speed on a whole
// Toto development.
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QElapsedTimer>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <utility>

#include "CondizioniRealistiche.h"
#include "EditColonna.h"
#include "FinestraProva.h"
#include "FormSpoglio.h"
#include "FormVisVin.h"
#include "ProvaColonne.h"
#include "QuattroColonne.h"
#include "TestoColonnaEsteso.h"

using namespace morella;
using namespace morella::test;
using morella::ui::FinestraSpoglio;
using morella::ui::TFormSpoglio;
using morella::ui::TFormVisVin;

namespace {

// What the window shows, written as morella-cli spoglio writes it.
std::string ComeLaCli(TFormSpoglio& s)
{
    auto* serie = qobject_cast<QBarSeries*>(s.findChild<QChartView*>("Grafico")->chart()->series().at(0));
    QBarSet* barre = serie->barSets().at(0);
    EXPECT_EQ(barre->count(), NumEvents + 1);
    std::string testo;
    for (int p = NumEvents; p >= 0; --p)
        if (barre->at(p) != 0)
            testo +=
                std::to_string(p) + " punti: " + std::to_string(static_cast<long long>(barre->at(p))) + "\n";
    for (int k = 0; k < 3; ++k)
        testo += std::to_string(k + 1) + "ª categoria (" + std::to_string(NumEvents - k) + "): " +
                 s.findChild<QLabel*>(QStringLiteral("Categoria%1").arg(k + 1))->text().toStdString() + "\n";
    testo += "Condizioni Sbagliate:";
    auto* errori = s.findChild<QListWidget*>("ListaErrori");
    for (int i = 0; i < errori->count(); ++i) testo += " [" + errori->item(i)->text().toStdString() + "]";
    return testo + "\n";
}

}  // namespace

TEST(Spoglio, DaFileComeMorellaCliEConLeCondizioniDelSistemaDiOra)
{
    TFinestraColonne f;
    f.CaricaSistema("Spoglio.Mrl", [](TSistema& s) {
        PronosticoDiProva(s);
        bench::CondizioniRealistiche(*s.Dati().Condizioni);
        s.Dati().Impostazioni.UsaCondizioni = true;
    });
    f.sistema.Dati().Configurazione.AccorpamentoAutomatico = false;
    // Developed columns and two condensed records.
    TListaColonne l = PrimeColonne(4000, 131);
    TColonna tripla = l[7];
    tripla[0] = 7;
    tripla[5] = 3;
    l.Aggiungi(tripla);
    const std::string file = Salva(l, "Spoglio.Col");
    f.servizi.AttendiFile(file);
    f.A("DaFile1")->trigger();
    TFormSpoglio* s = FinestraSpoglio();
    ASSERT_NE(s, nullptr);
    EXPECT_TRUE(s->isVisible());
    EXPECT_FALSE(s->isModal());
    EXPECT_EQ(s->Colonne(), l);
    // No winning column yet: nothing counted, nothing shown.
    EXPECT_FALSE(s->findChild<QChartView*>("Grafico")->isVisible());
    EXPECT_FALSE(s->findChild<QPushButton*>("BtnVisualizza")->isEnabled());

    // A winning column outside the prediction that breaks some conditions.
    TColonna vincente = l[3];
    vincente[0] = 2;
    s->Vincente()->ImpostaColonna(vincente);
    ASSERT_TRUE(s->findChild<QChartView*>("Grafico")->isVisible());
    const std::string cli = Cli("spoglio '" + file + "' --vincente '" + TestoColonnaEsteso(vincente) +
                                "' --sistema '" + f.file + "'");
    EXPECT_EQ(ComeLaCli(*s), cli);
    auto* errori = s->findChild<QListWidget*>("ListaErrori");
    ASSERT_GE(errori->count(), 2);
    EXPECT_EQ(errori->item(0)->text(), "Pronostico");

    // An entry opens its condition's editor; "Pronostico" opens nothing.
    emit errori->itemActivated(errori->item(0));
    QCoreApplication::processEvents();
    f.servizi.AttendiDialogo([](QDialog& d) { return Premi(d, "AnnullaBtn"); });
    emit errori->itemActivated(errori->item(1));
    QCoreApplication::processEvents();
    f.servizi.VerificaConsumate();
    ASSERT_FALSE(f.servizi.Titoli.empty());

    // A new system frees the conditions the entries pointed at: the list is that of the new
    // system (the empty prediction misses the winning column, no condition is active).
    f.A("New1")->trigger();
    ASSERT_EQ(errori->count(), 1);
    EXPECT_EQ(errori->item(0)->text(), "Pronostico");
    ASSERT_EQ(s->Sbagliate().size(), 1u);
    EXPECT_EQ(s->Sbagliate()[0].Condizione, nullptr);
    emit errori->itemActivated(errori->item(0));
    QCoreApplication::processEvents();  // opens nothing: no dialog was scripted

    // Loading the system again brings its conditions back into the list.
    f.Carica(f.file);
    EXPECT_EQ(ComeLaCli(*s), cli);
}

TEST(Spoglio, DaMemoriaEVisualizzazioneDelleSchedineConPunti)
{
    TFinestraColonne f;
    f.sistema.Dati().Configurazione.AccorpamentoAutomatico = false;
    TListaColonne l = PrimeColonne(40, 17);
    TColonna doppia = l[5];
    doppia[2] = 7;  // one of its columns scores a point less than another
    l[5] = doppia;
    f.sistema.Dati().Colonne = l;
    f.w->AggiornaAbilitazioni();
    ASSERT_TRUE(f.A("SpeedSpoglio")->isEnabled());
    f.A("SpeedSpoglio")->trigger();
    TFormSpoglio* s = FinestraSpoglio();
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->Colonne(), l);
    TColonna vincente = l[5];
    vincente[2] = 1;
    s->Vincente()->ImpostaColonna(vincente);
    const TRisultatoSpoglio r = ContaPunti(l, vincente);

    f.servizi.AttendiDialogo([&](QDialog& d) {
        auto& v = dynamic_cast<TFormVisVin&>(d);
        EXPECT_EQ(d.windowTitle(), "Visualizzazione");
        EXPECT_EQ(d.findChild<QPushButton*>("Punti13"), nullptr);  // Totip has 12 events
        for (int p = 0; p <= NumEvents; ++p)
            EXPECT_EQ(d.findChild<QPushButton*>(QStringLiteral("Punti%1").arg(p))->isEnabled(),
                      r.punti[static_cast<std::size_t>(p)] != 0)
                << p;
        EXPECT_EQ(v.Punti(), 12);
        EXPECT_TRUE(d.findChild<QLabel*>("LabelVincente")
                        ->text()
                        .endsWith(QString::fromStdString(TestoColonnaEsteso(vincente))));
        // 11 points: the merged column is marked too, for its column with the wrong sign.
        d.findChild<QPushButton*>("Punti11")->click();
        EXPECT_EQ(v.Punti(), 11);
        const auto attese = SchedineConPunti(l, vincente, 11);
        EXPECT_EQ(v.Schedine(), attese);
        if (attese.empty()) {
            ADD_FAILURE() << "nessuna schedina a 11 punti";
            return Premi(d, "OKBtn");
        }
        EXPECT_EQ(attese[0].numero, 2);  // columns 4..7 hold the merged one
        EXPECT_TRUE(attese[0].colonne[1].segnata);
        const auto* q = v.Vista(0);
        EXPECT_TRUE(q->ModoSpoglio());
        EXPECT_EQ(q->Numero(), 2);
        EXPECT_TRUE(q->Modello().Presente(1));
        EXPECT_EQ(q->Modello().Colonne4()[1], doppia);
        EXPECT_EQ(v.Barra()->maximum(), std::max(0, static_cast<int>(attese.size()) - 4));
        return Premi(d, "OKBtn");
    });
    Premi(*s, "BtnVisualizza");
    s->close();
}

TEST(Spoglio, UnoSviluppoTotoInteroSiControllaInMenoDiMezzoSecondo)
{
    TFinestraColonne f(GiocoToto);
    f.sistema.Dati().Configurazione.AccorpamentoAutomatico = false;
    f.sistema.Dati().Colonne = PrimeColonne(1594323);
    f.w->AggiornaAbilitazioni();
    f.A("SpoglioDaMemoria1")->trigger();
    TFormSpoglio* s = FinestraSpoglio();
    ASSERT_NE(s, nullptr);
    const TColonna vincente = f.sistema.Dati().Colonne[777777];
    QTest::qWait(50);  // the window as the player sees it, drawn before the column is typed
    QElapsedTimer t;
    // Every wait counts: from the start to the first turn of the loop, between turns, and
    // from the last turn to the end.
    qint64 ultimo = 0, attesaMassima = 0;
    int giri = 0;
    QTimer timer;
    timer.setInterval(5);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        attesaMassima = std::max(attesaMassima, t.elapsed() - ultimo);
        ultimo = t.elapsed();
        ++giri;
    });
    t.start();
    timer.start();
    s->Vincente()->ImpostaColonna(vincente);
    const qint64 durata = t.elapsed();
    timer.stop();
    attesaMassima = std::max(attesaMassima, durata - ultimo);
    std::printf(
        "[ misura ] spoglio di 1594323 colonne con grafico e condizioni: %lld ms, attesa massima %lld ms\n",
        static_cast<long long>(durata), static_cast<long long>(attesaMassima));
    EXPECT_EQ(s->Vista().Risultato.punti[13], 1);
    EXPECT_EQ(s->Vista().Risultato.punti[12], 26);
    EXPECT_LT(durata, 500);
    EXPECT_LT(attesaMassima, 50);
    EXPECT_GT(giri, 0);  // the loop turned while counting

    // A winning column typed while a count runs is the one counted in the end.
    TColonna altra = vincente;
    altra[0] = altra[0] == 1 ? 2 : 1;
    bool cambiata = false;
    QObject::connect(&timer, &QTimer::timeout, s, [&] {
        if (std::exchange(cambiata, true)) return;
        s->Vincente()->ImpostaColonna(altra);
    });
    timer.start();
    s->Vincente()->ImpostaColonna(vincente);
    timer.stop();
    EXPECT_TRUE(cambiata);
    EXPECT_EQ(s->Vista().Risultato.punti, ContaPunti(f.sistema.Dati().Colonne, altra).punti);
    s->close();
}
