// The main window: menus and toolbar as the player finds them, the enabled state, the
// system commands through the menus, closing, and the settings commands.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <filesystem>
#include <set>

#include "Archivio.h"
#include "Cartelle.h"
#include "ComandiConfigurazione.h"
#include "CondizioneATabelle.h"
#include "EditSchedina.h"
#include "ElencoCondizioni.h"
#include "EseguiCli.h"
#include "FileColonne.h"
#include "FinestraProva.h"
#include "FormPrinc.h"
#include "ProvaUi.h"
#include "RegistroFinestre.h"
#include "Sviluppo.h"

using namespace morella;
using namespace morella::ui;
using morella::test::LeggiTutto;
using morella::test::Premi;
using morella::test::TProgrammaProva;
using morella::test::TServiziProva;

namespace {

struct TFinestra : morella::test::TFinestraPrinc {
    explicit TFinestra(int gioco = GiocoTotip, int larghezza = 1024) : TFinestraPrinc(gioco, larghezza) {}
};

}  // namespace

TEST(FormPrinc, MenuTastiERegistro)
{
    TFinestra f;
    struct TVoce {
        const char* nome;
        const char* testo;
        QKeySequence tasto;
    };
    const TVoce voci[] = {
        {"New1", "&Nuovo", {}},
        {"Carica", "&Carica...", Qt::Key_F3},
        {"Save1", "&Salva", Qt::Key_F2},
        {"SalvaCome", "Salva Co&me...", {}},
        {"Cancella", "Cance&lla", {}},
        {"Consecutivit1", "&Consecutività Differenziata", {}},
        {"ColonneFiltro1", "Colonne Filtro", QKeySequence(Qt::CTRL | Qt::Key_F)},
        {"Quadro", "Q&uadri", QKeySequence(Qt::CTRL | Qt::Key_Q)},
        {"Link1", "&Link", QKeySequence(Qt::CTRL | Qt::Key_L)},
        {"PuntiTra1", "Punti &Tra", QKeySequence(Qt::CTRL | Qt::Key_T)},
        {"CalcoloColonne1", "&Calcolo Colonne", Qt::Key_F5},
        {"AnalisiStatistica1", "Analisi &Statistica", Qt::Key_F9},
        {"AnalisiRidotto1", "Analisi &Ridotto", Qt::Key_F10},
        {"SpoglioDaMemoria1", "Da &Memoria", Qt::Key_F7},
        {"SalvasuDisco1", "Salva su Dis&co", {}},
        {"ImpostazioniDiRicerca1", "&Impostazioni Di Ricerca", QKeySequence(Qt::CTRL | Qt::Key_R)},
        {"StDamemoria1", "Da Memoria", Qt::Key_F8},
        {"DaFile2", "Da File ", {}},
        {"StampaProspetto", "Stampa &Prospetto", Qt::Key_F6},
        {"Indice1", "Sommario", {}},
        {"About1", "About", {}}};
    for (const auto& v : voci) {
        QAction* a = f.A(v.nome);
        ASSERT_NE(a, nullptr);
        EXPECT_EQ(a->text(), QString::fromUtf8(v.testo)) << v.nome;
        EXPECT_EQ(a->shortcut(), v.tasto) << v.nome;
    }
    QStringList menu;
    for (QAction* a : f.w->menuBar()->actions()) menu << a->text();
    EXPECT_EQ(menu, (QStringList{"&Sistemi", "&Condizioni", "&Elaborazione", "Co&lonne", "&Archivio",
                                 "&Impostazioni", "Internet", "Stam&pa", "&Help"}));
    auto* barra = f.w->findChild<QToolBar*>(QStringLiteral("ToolBar"));
    QStringList pulsanti;
    for (QAction* a : barra->actions())
        if (!a->isSeparator()) pulsanti << a->objectName() + "=" + a->toolTip();
    EXPECT_EQ(pulsanti.size(), 13);
    EXPECT_EQ(pulsanti.first(), "SpeedNuovo=Nuovo Sistema");
    EXPECT_EQ(pulsanti.last(), "SpeedButton14=Aggiornamento Tramite Internet");
    EXPECT_NE(f.w->findChild<QToolButton*>(QStringLiteral("SpeedSviluppa")), nullptr);
    EXPECT_EQ(f.w->windowTitle(), " Morella 1.0 - SENZANOME[*]");
    EXPECT_GE(f.w->minimumWidth(), 640);
    EXPECT_GE(f.w->minimumHeight(), 480);
    EXPECT_NE(f.w->findChild<QLabel*>(QStringLiteral("PColonneF")), nullptr);
}

TEST(FormPrinc, AbilitazioniDelDocumento)
{
    TFinestra f;
    int sviluppi = 0;
    RegistroFinestre().sviluppo = [&](TSistema& s, QWidget* padre) {
        EXPECT_EQ(&s, &f.sistema);
        EXPECT_EQ(padre, f.w.get());
        ++sviluppi;
    };
    f.w->AggiornaAbilitazioni();
    // Incomplete prediction from the prediction: no conditions, no development.
    EXPECT_FALSE(f.w->MenuCondizioni()->menuAction()->isEnabled());
    EXPECT_FALSE(f.A("CalcoloColonne1")->isEnabled());
    EXPECT_FALSE(f.A("SpeedSviluppa")->isEnabled());
    EXPECT_TRUE(f.A("SalvasuDisco1")->isEnabled());
    EXPECT_FALSE(f.A("VisDaMemoria1")->isEnabled());
    EXPECT_FALSE(f.A("SpeedStSche")->isEnabled());
    // A column file as source is enough.
    TImpostazioniSviluppo imp = f.sistema.Dati().Impostazioni;
    imp.DaPronostico = false;
    f.sistema.ImpostazioniSviluppoCambiate(imp);
    f.w->AggiornaAbilitazioni();
    EXPECT_TRUE(f.w->MenuCondizioni()->menuAction()->isEnabled());
    EXPECT_TRUE(f.A("CalcoloColonne1")->isEnabled());
    // ... and so is a complete prediction, clicked on the coupon.
    f.sistema.ImpostazioniSviluppoCambiate(TImpostazioniSviluppo::Predefinite());
    f.w->AggiornaAbilitazioni();
    EXPECT_FALSE(f.A("SpeedSviluppa")->isEnabled());
    f.Riempi();
    EXPECT_TRUE(f.A("SpeedSviluppa")->isEnabled());
    f.A("SpeedSviluppa")->trigger();
    f.A("CalcoloColonne1")->trigger();
    EXPECT_EQ(sviluppi, 2);
    EXPECT_TRUE(f.sistema.Modificato);
    EXPECT_EQ(f.w->findChild<QLabel*>(QStringLiteral("PDoppie"))->text().trimmed(), "Doppie : 0");
    // Without a window for the development the command stays off.
    RegistroFinestre().sviluppo = nullptr;
    f.w->AggiornaAbilitazioni();
    EXPECT_FALSE(f.A("CalcoloColonne1")->isEnabled());
    // An item whose window lives in another area is off until the registry has its command,
    // then runs it on the main window's system; a toolbar button runs its item's command.
    auto& comandi = RegistroFinestre().comandi;
    auto taratura = comandi.extract("TaraturaStampante1");
    auto spoglio = comandi.extract("SpoglioDaMemoria1");
    f.w->AggiornaAbilitazioni();
    EXPECT_TRUE(f.w->ComandiInAttesa().contains("TaraturaStampante1"));
    EXPECT_FALSE(f.A("TaraturaStampante1")->isEnabled());
    EXPECT_FALSE(f.A("SpeedSpoglio")->isEnabled());
    int corse = 0;
    const auto conta = [&](TContestoComando& c) {
        EXPECT_EQ(&c.Sistema, &f.sistema);
        EXPECT_EQ(c.Finestra, f.w.get());
        ++corse;
    };
    comandi["TaraturaStampante1"] = conta;
    comandi["SpoglioDaMemoria1"] = conta;
    f.w->AggiornaAbilitazioni();
    EXPECT_FALSE(f.w->ComandiInAttesa().contains("TaraturaStampante1"));
    f.A("TaraturaStampante1")->trigger();
    EXPECT_EQ(corse, 1);
    // Checking still needs columns in memory.
    EXPECT_FALSE(f.A("SpeedSpoglio")->isEnabled());
    comandi.erase("TaraturaStampante1");
    comandi.erase("SpoglioDaMemoria1");
    if (taratura) comandi.insert(std::move(taratura));
    if (spoglio) comandi.insert(std::move(spoglio));
    // The summary needs no window of its own: always there.
    EXPECT_FALSE(f.w->ComandiInAttesa().contains("StampaProspetto"));
    EXPECT_TRUE(f.A("StampaProspetto")->isEnabled());
}

TEST(FormPrinc, SegniDelMenuCondizioniRicalcolati)
{
    TFinestra f;
    TCondizione* c = f.sistema.Dati().Condizioni->Condizione(TipoModulo);
    ASSERT_NE(c, nullptr);
    f.w->AggiornaSegniCondizioni();
    EXPECT_EQ(f.A("Modulo1")->isChecked(), c->Attivo);
}

TEST(FormPrinc, NuovoCaricaSalvaESalvaComeDaiMenu)
{
    TFinestra f;
    EXPECT_FALSE(f.w->isWindowModified());
    f.Riempi();
    EXPECT_TRUE(f.w->isWindowModified());  // the title bar's "*"
    const std::string file = UnisciPercorso(CartellaSistemi(), "Prova.Mrl");
    // Save of an untitled system asks for a name first.
    f.servizi.AttendiFile(file);
    f.A("Save1")->trigger();
    ASSERT_EQ(f.servizi.RichiesteFile.size(), 1u);
    EXPECT_TRUE(f.servizi.RichiesteFile[0].Salva);
    EXPECT_EQ(f.servizi.RichiesteFile[0].Estensione, "Mrl");
    EXPECT_EQ(f.servizi.RichiesteFile[0].Filtro, "Sistemi    *.Mrl|*.Mrl");
    EXPECT_EQ(f.servizi.RichiesteFile[0].Cartella, CartellaSistemi());
    EXPECT_EQ(f.servizi.RichiesteFile[0].Nome, "SENZANOME.MRL");
    EXPECT_TRUE(FileEsiste(file));
    EXPECT_FALSE(f.sistema.Modificato);
    EXPECT_FALSE(f.w->isWindowModified());
    EXPECT_EQ(f.w->windowTitle(), " Morella 1.0 - Prova[*]");
    // Saving again writes silently.
    f.A("Save1")->trigger();
    EXPECT_EQ(f.servizi.RichiesteFile.size(), 1u);

    // New after a change asks to save; "No" throws the change away, and no cell of the
    // coupon's grids stays selected.
    f.Riempi();
    f.w->Editor()->GridPerc->setCurrentCell(2, 1);
    f.w->Editor()->GridVal->selectAll();
    f.servizi.AttendiDomanda(TitoloInformazione, DomandaSalvaSistema,
                             PulsanteSi | PulsanteNo | PulsanteAnnulla, PulsanteNo);
    f.A("New1")->trigger();
    EXPECT_EQ(f.w->Editor()->Pronostico->Pronostico()[0], 0);
    EXPECT_EQ(f.w->windowTitle(), " Morella 1.0 - SENZANOME[*]");
    EXPECT_FALSE(f.w->isWindowModified());
    EXPECT_FALSE(f.w->Editor()->GridPerc->selectionModel()->hasSelection());
    EXPECT_FALSE(f.w->Editor()->GridVal->selectionModel()->hasSelection());

    // Load brings the saved prediction back into the editor.
    f.servizi.AttendiFile(file);
    f.A("Carica")->trigger();
    EXPECT_EQ(f.servizi.RichiesteFile.back().Titolo, "Carica Il Sistema");
    EXPECT_EQ(f.w->Editor()->Pronostico->Pronostico()[0], 1);
    EXPECT_EQ(f.w->Editor()->CorsaPiu->Maschera(), 0x0003);
    EXPECT_FALSE(f.sistema.Modificato);

    // Save As onto an existing file asks; "No" writes nothing.
    const std::string altro = UnisciPercorso(CartellaSistemi(), "Altro.Mrl");
    morella::test::ScriviTutto(altro, {1, 2, 3});
    f.servizi.AttendiFile(altro);
    f.servizi.AttendiDomanda(TitoloInformazione, DomandaSovrascriviSistema, PulsanteSi | PulsanteNo,
                             PulsanteNo);
    f.A("SalvaCome")->trigger();
    EXPECT_EQ(LeggiTutto(altro).size(), 3u);
    f.servizi.AttendiFile(altro);
    f.servizi.AttendiDomanda(TitoloInformazione, DomandaSovrascriviSistema, PulsanteSi | PulsanteNo,
                             PulsanteSi);
    f.A("SalvaCome")->trigger();
    EXPECT_EQ(LeggiTutto(altro), LeggiTutto(file));
    EXPECT_EQ(f.w->windowTitle(), " Morella 1.0 - Altro[*]");

    // A file that cannot be read: one message, and the system stays as it was.
    f.servizi.AttendiFile(UnisciPercorso(CartellaSistemi(), "manca.Mrl"));
    f.A("Carica")->trigger();
    EXPECT_EQ(f.servizi.Errori, std::vector<std::string>{MessaggioCaricaSistema});
    EXPECT_EQ(f.w->windowTitle(), " Morella 1.0 - Altro[*]");
    f.servizi.VerificaConsumate();
}

TEST(FormPrinc, CaricaUnSistemaRottoNonToccaQuelloAperto)
{
    TFinestra f;
    f.Riempi();
    const std::string file = UnisciPercorso(CartellaSistemi(), "Prova.Mrl");
    f.servizi.AttendiFile(file);
    f.A("Save1")->trigger();
    const TBytes intero = LeggiTutto(file);
    QLineEdit* numero = f.w->Editor()->Numero;
    numero->selectAll();
    QTest::keyClicks(numero, "7");
    ASSERT_TRUE(f.sistema.Modificato);
    const TBytes aperto = f.sistema.Immagine();

    // Cut inside the event names, and a prediction holding no sign set: one message each,
    // and the system, its name, its modified flag and the coupon stay as they were.
    TBytes corto(intero.begin(), intero.begin() + 300), impossibile = intero;
    impossibile[346] = 0x40;
    for (const TBytes* b : {&corto, &impossibile}) {
        const std::string rotto = UnisciPercorso(CartellaSistemi(), "Rotto.Mrl");
        morella::test::ScriviTutto(rotto, *b);
        f.servizi.Errori.clear();
        f.servizi.AttendiDomanda(TitoloInformazione, DomandaSalvaSistema,
                                 PulsanteSi | PulsanteNo | PulsanteAnnulla, PulsanteNo);
        f.servizi.AttendiFile(rotto);
        f.A("Carica")->trigger();
        EXPECT_EQ(f.servizi.Errori, std::vector<std::string>{MessaggioCaricaSistema});
        EXPECT_EQ(f.sistema.Immagine(), aperto);
        EXPECT_EQ(f.sistema.NomeFile, file);
        EXPECT_TRUE(f.sistema.Modificato);
        EXPECT_EQ(f.w->windowTitle(), " Morella 1.0 - Prova[*]");
        EXPECT_EQ(numero->text(), "7");
        EXPECT_EQ(f.w->Editor()->Pronostico->Pronostico()[0], 1);
    }
    f.servizi.VerificaConsumate();
}

TEST(FormPrinc, SviluppoVersoUnFileNonColonnareRifiutatoPrima)
{
    TFinestra f;
    int sviluppi = 0;
    RegistroFinestre().sviluppo = [&](TSistema&, QWidget*) { ++sviluppi; };
    f.Riempi();
    const std::string vittima = UnisciPercorso(CartellaSistemi(), "leggimi.txt");
    morella::test::ScriviTutto(vittima, {'c', 'i', 'a', 'o'});
    TImpostazioniSviluppo imp = f.sistema.Dati().Impostazioni;
    imp.SalvaAutomaticamente = true;
    imp.FileDestinazione = vittima;
    f.sistema.ImpostazioniSviluppoCambiate(imp);
    f.w->AggiornaAbilitazioni();
    f.A("CalcoloColonne1")->trigger();
    f.A("SpeedSviluppa")->trigger();
    EXPECT_EQ(sviluppi, 0);
    EXPECT_EQ(f.servizi.Errori, std::vector<std::string>(2, MessaggioDestinazioneNonColonnare + vittima));
    EXPECT_EQ(LeggiTutto(vittima).size(), 4u);
    // Corrected in the settings, the development goes ahead.
    imp.FileDestinazione = UnisciPercorso(CartellaColonne(), "Prova.Col");
    f.sistema.ImpostazioniSviluppoCambiate(imp);
    f.A("CalcoloColonne1")->trigger();
    EXPECT_EQ(sviluppi, 1);
    RegistroFinestre().sviluppo = nullptr;
}

TEST(FormPrinc, ChiusuraConConferma)
{
    TFinestra f;
    f.Riempi();
    f.servizi.AttendiDomanda(TitoloInformazione, DomandaSalvaSistema,
                             PulsanteSi | PulsanteNo | PulsanteAnnulla, PulsanteAnnulla);
    EXPECT_FALSE(f.w->close());
    f.servizi.AttendiDomanda(TitoloInformazione, DomandaSalvaSistema,
                             PulsanteSi | PulsanteNo | PulsanteAnnulla, 0);
    EXPECT_FALSE(f.w->close());  // closed from its frame: nothing is lost
    EXPECT_TRUE(f.w->isVisible());
    // "Si" with a save that fails: the message, and the program stays open.
    f.sistema.NomeFile = CartellaSistemi();  // a folder cannot be written as a file
    f.sistema.SenzaNome = false;
    f.servizi.AttendiDomanda(TitoloInformazione, DomandaSalvaSistema,
                             PulsanteSi | PulsanteNo | PulsanteAnnulla, PulsanteSi);
    EXPECT_FALSE(f.w->close());
    EXPECT_EQ(f.servizi.Errori, std::vector<std::string>{MessaggioSalvaSistema});
    EXPECT_TRUE(f.sistema.Modificato);
    f.servizi.AttendiDomanda(TitoloInformazione, DomandaSalvaSistema,
                             PulsanteSi | PulsanteNo | PulsanteAnnulla, PulsanteNo);
    EXPECT_TRUE(f.w->close());
    f.servizi.VerificaConsumate();
}

TEST(FormPrinc, NumeroDelConcorsoSegnaLaModifica)
{
    TFinestra f;
    QLineEdit* numero = f.w->Editor()->Numero;
    numero->selectAll();
    QTest::keyClicks(numero, "7");
    EXPECT_EQ(f.sistema.Dati().Numero, 7);
    EXPECT_TRUE(f.sistema.Modificato);
    f.sistema.Modificato = false;
    QTest::keyClick(numero, Qt::Key_Backspace);  // empty: refused, nothing changes
    EXPECT_EQ(f.sistema.Dati().Numero, 7);
    EXPECT_FALSE(f.sistema.Modificato);
}

TEST(FormPrinc, CommentoPartecipantiEImpostazioni)
{
    TFinestra f;
    f.servizi.AttendiDialogo([](QDialog& d) {
        d.findChild<QPlainTextEdit*>(QStringLiteral("Memo"))->setPlainText("prima\nseconda\n");
        return Premi(d, "OKBtn");
    });
    f.A("Commento")->trigger();
    EXPECT_EQ(f.sistema.Commento, (std::vector<std::string>{"prima", "seconda"}));
    EXPECT_TRUE(f.sistema.Modificato);

    f.sistema.Modificato = false;
    f.servizi.AttendiDialogo([&f](QDialog& d) {
        d.findChild<QSpinBox*>(QStringLiteral("SpinPartecipanti"))->setValue(3);
        d.findChild<QPlainTextEdit*>(QStringLiteral("MemoNomi"))->setPlainText("Anna\nBruno");
        f.servizi.AttendiDomanda(TitoloInformazione, MessaggioNomiSoci, PulsanteOk, PulsanteOk);
        EXPECT_EQ(Premi(d, "OKBtn"), -1);  // refused: the editor stays open
        d.findChild<QPlainTextEdit*>(QStringLiteral("MemoNomi"))->setPlainText("Anna\nBruno\nCarla");
        return Premi(d, "OKBtn");
    });
    f.A("Soci1")->trigger();
    EXPECT_EQ(f.sistema.Partecipanti, 3);
    EXPECT_TRUE(f.sistema.Modificato);

    // Development settings: a missing source file is refused, a touched dialog marks the system.
    f.sistema.Modificato = false;
    f.servizi.AttendiDialogo([&f](QDialog& d) {
        auto* autoriduzione = d.findChild<QCheckBox*>(QStringLiteral("CheckAutoriduzione"));
        auto* percentuali = d.findChild<QCheckBox*>(QStringLiteral("CheckPercentuali"));
        EXPECT_FALSE(percentuali->isEnabled());
        QTest::mouseClick(autoriduzione, Qt::LeftButton, {}, QPoint(5, autoriduzione->height() / 2));
        EXPECT_TRUE(percentuali->isEnabled());
        QTest::mouseClick(d.findChild<QRadioButton*>(QStringLiteral("RadioFile")), Qt::LeftButton, {},
                          QPoint(5, 5));
        f.servizi.AttendiDomanda(TitoloInformazione, MessaggioSorgenteMancante, PulsanteOk, PulsanteOk);
        EXPECT_EQ(Premi(d, "OKBtn"), -1);
        QTest::mouseClick(d.findChild<QRadioButton*>(QStringLiteral("RadioPronostico")), Qt::LeftButton, {},
                          QPoint(5, 5));
        // The optimised reduction: its time budget is open only while it is chosen.
        auto* tempo = d.findChild<QSpinBox*>(QStringLiteral("EditTempoOttimizzazione"));
        EXPECT_FALSE(tempo->isEnabled());
        QTest::mouseClick(d.findChild<QRadioButton*>(QStringLiteral("RadioOttimizzata")), Qt::LeftButton, {},
                          QPoint(5, 5));
        EXPECT_TRUE(tempo->isEnabled());
        EXPECT_EQ(tempo->value(), 10);
        tempo->setValue(45);
        return Premi(d, "OKBtn");
    });
    f.A("ImpostazioneSv")->trigger();
    EXPECT_TRUE(f.sistema.Dati().Impostazioni.Autoriduzione);
    EXPECT_TRUE(f.sistema.Dati().Impostazioni.Ottimizzata);
    EXPECT_TRUE(f.sistema.Dati().Impostazioni.Accurata);  // what a reader without the option runs
    EXPECT_EQ(f.sistema.Dati().Impostazioni.SecondiOttimizzazione, 45);
    EXPECT_TRUE(f.sistema.Modificato);
    f.servizi.VerificaConsumate();
}

TEST(FormPrinc, CostoInEuroEDiNuovoInLire)
{
    TFinestra f;
    for (int k = 0; k < NumEvents; ++k) f.sistema.Dati().Pronostico[k] = 1;
    auto costo = [&](auto pilota) {
        f.servizi.AttendiDialogo(pilota);
        f.A("CostoColonna")->trigger();
    };
    auto iniziali = [&] { return f.w->findChild<QLabel*>(QStringLiteral("PColonneI"))->text().trimmed(); };
    costo([](QDialog& d) {
        d.findChild<QSpinBox*>(QStringLiteral("SpinCosto"))->setValue(1000);
        return Premi(d, "OKBtn");
    });
    EXPECT_EQ(iniziali(), QStringLiteral("Colonne Iniziali : 1 (£ 1000)"));
    const TBytes inLire = LeggiTutto(FileConfigurazione());
    ASSERT_EQ(inLire.size(), DimensioneFileConfigurazione);

    costo([&](QDialog& d) {
        auto* euro = d.findChild<QRadioButton*>(QStringLiteral("RadioEuro"));
        auto* testo = d.findChild<QLineEdit*>(QStringLiteral("EditEuro"));
        EXPECT_TRUE(d.findChild<QRadioButton*>(QStringLiteral("RadioLire"))->isChecked());
        EXPECT_FALSE(testo->isEnabled());
        QTest::mouseClick(euro, Qt::LeftButton, {}, QPoint(5, 5));
        EXPECT_TRUE(testo->isEnabled());
        EXPECT_FALSE(d.findChild<QSpinBox*>(QStringLiteral("SpinCosto"))->isEnabled());
        // Three decimals are refused and the dialog stays open on them.
        testo->setText(QStringLiteral("0,505"));
        EXPECT_EQ(Premi(d, "OKBtn"), -1);
        EXPECT_EQ(f.servizi.Errori, std::vector<std::string>{MessaggioCostoNonValido});
        EXPECT_EQ(f.sistema.Dati().Configurazione.Valuta, TValuta::Lire);
        testo->setText(QStringLiteral("0,50"));
        return Premi(d, "OKBtn");
    });
    EXPECT_EQ(f.sistema.Dati().Configurazione.Valuta, TValuta::Euro);
    EXPECT_EQ(f.sistema.Dati().Configurazione.CostoCentesimi, 50);
    EXPECT_EQ(iniziali(), QStringLiteral("Colonne Iniziali : 1 (€ 0,50)"));
    TConfigurazione letta;
    LeggiConfigurazione(letta, FileConfigurazione());
    EXPECT_EQ(letta.Valuta, TValuta::Euro);
    EXPECT_EQ(letta.CostoColonna, 1000);

    // Reopened in euro; back to lire the file is the one lire wrote, byte for byte.
    costo([](QDialog& d) {
        EXPECT_TRUE(d.findChild<QRadioButton*>(QStringLiteral("RadioEuro"))->isChecked());
        EXPECT_EQ(d.findChild<QLineEdit*>(QStringLiteral("EditEuro"))->text(), QStringLiteral("0,50"));
        QTest::mouseClick(d.findChild<QRadioButton*>(QStringLiteral("RadioLire")), Qt::LeftButton, {},
                          QPoint(5, 5));
        return Premi(d, "OKBtn");
    });
    EXPECT_EQ(iniziali(), QStringLiteral("Colonne Iniziali : 1 (£ 1000)"));
    EXPECT_EQ(LeggiTutto(FileConfigurazione()), inLire);
    f.servizi.VerificaConsumate();
}

TEST(FormPrinc, CostoAccorpamentoESfondo)
{
    TFinestra f;
    f.servizi.AttendiDialogo([](QDialog& d) {
        auto* spin = d.findChild<QSpinBox*>(QStringLiteral("SpinCosto"));
        EXPECT_EQ(spin->singleStep(), 50);
        EXPECT_EQ(spin->maximum(), 10000);
        spin->setValue(1000);
        return Premi(d, "OKBtn");
    });
    f.A("CostoColonna")->trigger();
    EXPECT_EQ(f.sistema.Dati().Configurazione.CostoColonna, 1000);
    EXPECT_TRUE(FileEsiste(FileConfigurazione()));

    QAction* accorpa = f.A("Accorpamentoautomatico1");
    EXPECT_TRUE(accorpa->isChecked());
    accorpa->trigger();
    EXPECT_FALSE(accorpa->isChecked());
    EXPECT_FALSE(f.sistema.Dati().Configurazione.AccorpamentoAutomatico);

    // A picture that does not load is refused and not remembered.
    const std::string brutto = UnisciPercorso(CartellaSfondi(), "rotto.BMP");
    morella::test::ScriviTutto(brutto, {1, 2, 3});
    const std::string prima = f.sistema.Dati().Configurazione.Sfondo;
    f.servizi.AttendiFile(brutto);
    f.A("MotivoDiSfondo1")->trigger();
    EXPECT_EQ(f.servizi.RichiesteFile.back().Titolo, "Seleziona il File Bit Mapped");
    EXPECT_EQ(f.servizi.RichiesteFile.back().Nome, "deep_sea.Bmp");
    EXPECT_EQ(f.servizi.Errori, std::vector<std::string>{"Impossibile Caricare lo Sfondo"});
    EXPECT_EQ(f.sistema.Dati().Configurazione.Sfondo, prima);
    QImage buona(8, 8, QImage::Format_RGB32);
    buona.fill(Qt::red);
    const std::string bella = UnisciPercorso(CartellaSfondi(), "bella.BMP");
    ASSERT_TRUE(buona.save(QString::fromStdString(bella), "BMP"));
    f.servizi.AttendiFile(bella);
    f.A("MotivoDiSfondo1")->trigger();
    EXPECT_EQ(f.sistema.Dati().Configurazione.Sfondo, bella);
    f.servizi.VerificaConsumate();
}

TEST(FormPrinc, EsportaColonneNonSovrascriveSenzaSi)
{
    TFinestra f;
    TColonna c{};
    for (int i = 0; i < 12; ++i) c[static_cast<std::size_t>(i)] = 1;
    f.sistema.Dati().Colonne.Aggiungi(c);
    const std::string file = UnisciPercorso(CartellaColonne(), "esistente.Col");
    morella::test::ScriviTutto(file, {9, 9});
    f.servizi.AttendiFile(file);
    f.servizi.AttendiDomanda(TitoloInformazione, "Il File è Gia Presente su Disco. Vuoi Sovrascriverlo",
                             PulsanteSi | PulsanteNo, PulsanteNo);
    f.A("SalvasuDisco1")->trigger();
    EXPECT_EQ(LeggiTutto(file).size(), 2u);
    EXPECT_EQ(f.servizi.RichiesteFile.back().Titolo, "Salva le Colonne");
    EXPECT_EQ(f.servizi.RichiesteFile.back().Filtro, "Col file|*.Col");
    EXPECT_EQ(f.servizi.RichiesteFile.back().Nome, "");
    f.servizi.VerificaConsumate();
}

TEST(FormPrinc, AiutoEImmaginiMancanti)
{
    TProgrammaProva programma;
    TServiziProva servizi;
    T_Archivio archivio;
    TSistema sistema(&archivio);
    TFormPrinc w(sistema, nullptr, 640);
    w.resize(640, 480);
    w.show();
    EXPECT_TRUE(servizi.Errori.empty());  // said only once the window is up
    w.PrimoShow({});
    EXPECT_EQ(servizi.Errori, (std::vector<std::string>{"Impossibile Caricare La Maschera",
                                                        "Impossibile Caricare lo Sfondo"}));
    // The compact editor fits between the bars of a 640 x 480 screen.
    EXPECT_EQ(w.Editor()->DeltaY(), 16);
    QWidget* pannello = w.findChild<QWidget*>(QStringLiteral("PannelloSchedina"));
    EXPECT_LE(pannello->height(), w.centralWidget()->height());
    EXPECT_GE(pannello->y(), 0);
    w.Azione(QStringLiteral("Indice1"))->trigger();
    EXPECT_EQ(servizi.Aiuti, std::vector<int>{1});
    sistema.Modificato = false;
}

TEST(FormPrinc, OgniVoceHaLaSuaPaginaDiAiuto)
{
    // F1 on a highlighted menu item opens Help/<topic>.html of the program directory.
    const QDir aiuto(
        QFileInfo(QStringLiteral(MORELLA_CLI_PATH)).absoluteDir().filePath(QStringLiteral("Help")));
    for (int gioco : {GiocoTotip, GiocoToto}) {
        TFinestra f(gioco);
        int voci = 0;
        for (const QAction* a : f.w->findChildren<QAction*>()) {
            const QVariant argomento = a->property("argomentoAiuto");
            if (!argomento.isValid()) continue;
            ++voci;
            EXPECT_TRUE(QFileInfo::exists(aiuto.filePath(QStringLiteral("%1.html").arg(argomento.toInt()))))
                << a->objectName().toStdString() << " " << argomento.toInt();
        }
        EXPECT_GT(voci, 40);
    }
}

TEST(FormPrinc, SchedinaGrandeSulloSchermoGrande)
{
    for (int gioco : {GiocoToto, GiocoTotip}) {
        TProgrammaProva programma(gioco);
        TServiziProva servizi;
        T_Archivio archivio;
        TSistema sistema(&archivio);
        TFormPrinc w(sistema, nullptr, 1920);
        // Not a stamp on 1920 x 1080, yet with room left for the bars.
        EXPECT_GT(w.Editor()->DeltaY(), 24) << gioco;
        EXPECT_GT(w.Editor()->height(), 1080 / 2) << gioco;
        EXPECT_LE(w.Editor()->height(), 1080 * 3 / 4) << gioco;
        sistema.Modificato = false;
    }
}

// The coupon follows the window: larger with every larger window up to the pictures' own
// size, never past the background's edges, and centred on it.
TEST(FormPrinc, LaSchedinaCresceConLaFinestra)
{
    for (int gioco : {GiocoTotip, GiocoToto}) {
        TProgrammaProva programma(gioco);
        TServiziProva servizi;
        T_Archivio archivio;
        TSistema sistema(&archivio);
        TFormPrinc w(sistema, nullptr, 1024);
        w.show();
        int prima = 0;
        for (QSize s : {QSize(640, 480), QSize(800, 600), QSize(1024, 768), QSize(1280, 1024),
                        QSize(1600, 1200), QSize(2560, 1600)}) {
            SCOPED_TRACE(testing::Message() << "gioco " << gioco << ", " << s.width() << " x " << s.height());
            w.resize(s);
            QCoreApplication::processEvents();
            const QWidget* area = w.centralWidget();
            const QWidget* pannello = w.findChild<QWidget*>(QStringLiteral("PannelloSchedina"));
            EXPECT_TRUE(area->rect().contains(pannello->geometry()))
                << pannello->width() << " x " << pannello->height();
            EXPECT_LE(std::abs(pannello->x() * 2 + pannello->width() - area->width()), 1);
            EXPECT_EQ(pannello->size(), w.Editor()->size() + QSize(8, 8));
            EXPECT_GE(w.Editor()->DeltaY(), prima);
            prima = w.Editor()->DeltaY();
            if (s.width() == 640) {
                EXPECT_EQ(prima, 16);
            }
            if (s.width() == 1280) {
                EXPECT_GT(prima, 24);  // not the 1024 coupon in the middle
            }
        }
        EXPECT_EQ(prima, 36);
        // And back down again.
        w.resize(640, 480);
        QCoreApplication::processEvents();
        EXPECT_EQ(w.Editor()->DeltaY(), 16);
        sistema.Modificato = false;
    }
}

TEST(FormPrinc, CancellaUnFileDiSistema)
{
    TFinestra f;
    const std::string file = UnisciPercorso(CartellaSistemi(), "Vecchio.Mrl");
    morella::test::ScriviTutto(file, {20, 0, 0, 0});
    for (int risposta : {PulsanteAnnulla, PulsanteSi}) {
        f.servizi.AttendiFile(file);
        f.servizi.AttendiDomanda(TitoloConferma, "Vuoi Cancellare " + file + "?",
                                 PulsanteSi | PulsanteNo | PulsanteAnnulla, risposta);
        f.A("Cancella")->trigger();
        EXPECT_EQ(FileEsiste(file), risposta != PulsanteSi);
    }
    EXPECT_EQ(f.servizi.RichiesteFile.back().Titolo, "Cancella Il Sistema");
    // A file that is not there: the message, nothing asked.
    f.servizi.AttendiFile(file);
    f.A("Cancella")->trigger();
    EXPECT_EQ(f.servizi.Errori, std::vector<std::string>{MessaggioCancellaSistema});
    f.servizi.VerificaConsumate();
}

TEST(FormPrinc, UnaVoceSpentaNonMostraLaSpunta)
{
    TFinestra f;
    // A link letter in use ticks "&Link"; without its editor the item is greyed, and no tick.
    auto* segni = f.sistema.Dati().Condizioni->Condizione<TCondizioneATabelle>(TipoNumeroSegni);
    segni->Tabella(1).ImpostaStato(0, 3, StatoInRecupero, 2);
    segni->Tabella(1).Sotto[0].Link = 'C';
    ASSERT_FALSE(f.sistema.Dati().Condizioni->CalcolaLettereInUso().empty());
    f.w->AggiornaAbilitazioni();
    f.w->AggiornaSegniCondizioni();
    EXPECT_TRUE(f.A("Link1")->isEnabled());
    EXPECT_TRUE(f.A("Link1")->isChecked());
    auto& comandi = morella::ui::RegistroFinestre().comandi;
    auto editore = comandi.extract("Link1");
    f.w->AggiornaAbilitazioni();
    f.w->AggiornaSegniCondizioni();
    EXPECT_FALSE(f.A("Link1")->isEnabled());
    EXPECT_FALSE(f.A("Link1")->isChecked());
    comandi.insert(std::move(editore));
}

// Every command of the program has its window as the program registers them at start-up: no
// item waits for one, every condition kind (elements included) has its editor, and no help
// page says a window is missing.
TEST(FormPrinc, OgniComandoHaLaSuaFinestra)
{
    // The registry as the program fills it at start-up, given back as it was afterwards.
    struct TRipristina {
        morella::ui::TRegistroFinestre prima = morella::ui::RegistroFinestre();
        ~TRipristina() { morella::ui::RegistroFinestre() = prima; }
    } ripristina;
    morella::ui::RegistraFinestre();
    TFinestra f;
    EXPECT_EQ(f.w->ComandiInAttesa(), QStringList());
    for (const TDescrizioneTipo& d : DescrizioniTipi()) EXPECT_TRUE(EditoreRegistrato(d.Tipo)) << int(d.Tipo);
    for (const auto& voce : std::filesystem::directory_iterator(MORELLA_PAGINE_AIUTO))
        EXPECT_EQ(morella::test::LeggiTesto(voce.path().string()).find("non è ancora disponibile"),
                  std::string::npos)
            << voce.path();
}
