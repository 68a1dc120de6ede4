// Start-up: the arguments, the intro window and its timer, the system made with the
// configuration of the program directory, the main window with the file of the command line.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <cstdio>

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "Applicazione.h"
#include "Cartelle.h"
#include "DocumentoSchedina.h"
#include "EditSchedina.h"
#include "FormPrinc.h"
#include "ProvaUi.h"
#include "SoccorsoFifo.h"

using namespace morella;
using namespace morella::ui;

TEST(Avvio, Argomenti)
{
    TOpzioniAvvio o;
    EXPECT_FALSE(LeggiArgomenti({"morella"}, o));
    EXPECT_EQ(o.Gioco, GiocoTotip);
    EXPECT_FALSE(LeggiArgomenti({"morella", "--gioco", "toto", "--dir", "/tmp/x", "S.Mrl"}, o));
    EXPECT_EQ(o.Gioco, GiocoToto);
    EXPECT_EQ(o.Directory, "/tmp/x");
    EXPECT_EQ(o.File, "S.Mrl");
    TOpzioniAvvio p;
    EXPECT_TRUE(LeggiArgomenti({"morella", "--gioco", "lotto"}, p));
    EXPECT_TRUE(LeggiArgomenti({"morella", "a.Mrl", "b.Mrl"}, p));
    EXPECT_TRUE(LeggiArgomenti({"morella", "--dir"}, p));
}

TEST(Avvio, IntroTimerEFinestraPrincipale)
{
    morella::test::TProgrammaProva programma(GiocoTotip);
    morella::test::TServiziProva servizi;
    // A configuration and a system of the program directory, read at start.
    TConfigurazione c;
    c.CostoColonna = 1500;
    ScriviConfigurazione(c, FileConfigurazione());
    const std::string file = UnisciPercorso(CartellaSistemi(), "Avvio.Mrl");
    {
        // Written for the game it is read with: a system of another game is no system here.
        morella::test::TGiocoTemporaneo toto(GiocoToto);
        TSistema s;
        TContenutoSchedina sc;
        sc.Pronostico[0] = 3;
        TDocumentoSchedina(s).AcquisisceTutto(sc);
        s.NomeFile = file;
        s.Salva();
    }

    TOpzioniAvvio o;
    o.Directory = DirectoryProgramma();
    o.Gioco = GiocoToto;
    o.File = file;
    o.Massimizza = false;
    TApplicazione app(o);
    EXPECT_EQ(Gioco, GiocoToto);
    EXPECT_EQ(app.Sistema().Dati().Configurazione.CostoColonna, 1500);
    app.Avvia();
    TFormIntro* intro = app.Intro();
    ASSERT_NE(intro, nullptr);
    auto* versione = intro->findChild<QLabel*>(QStringLiteral("LabelVersione"));
    EXPECT_EQ(versione->text(), "Versione 1.0 per Linux");
    EXPECT_EQ(intro->Timer()->interval(), 500);
    EXPECT_TRUE(intro->Timer()->isSingleShot());
    intro->Timer()->setInterval(0);  // no need to wait half a second here
    QTest::mouseClick(intro->findChild<QPushButton*>(QStringLiteral("ContinuaBtn")), Qt::LeftButton);
    EXPECT_TRUE(versione->isHidden());
    ASSERT_TRUE(QTest::qWaitFor([&] { return app.FormPrinc() != nullptr; }, 2000));
    TFormPrinc* w = app.FormPrinc();
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->Editor()->Gioco(), GiocoToto);
    EXPECT_EQ(w->Editor()->Pronostico->Pronostico()[0], 3);
    EXPECT_EQ(w->windowTitle(), " Morella 1.0 - Avvio[*]");
    EXPECT_FALSE(app.Sistema().Modificato);
    EXPECT_GE(app.MillisecondiAvvio(), 0);
}

// FIFOs in place of the intro picture, the coupon mask and the background: the program
// starts at once without them.
TEST(Avvio, FigureCheSonoFifoNonFermanoLAvvio)
{
    morella::test::TProgrammaProva programma(GiocoTotip);
    morella::test::TServiziProva servizi;
    const std::string intro = UnisciPercorso(DirectoryProgramma(), "intro.bmp");
    const std::string maschera = FileMaschera(GiocoTotip);
    const std::string sfondo = UnisciPercorso(DirectoryProgramma(), "fifo.Bmp");
    for (const std::string& f : {intro, maschera, sfondo}) {
        std::remove(f.c_str());
        ASSERT_EQ(::mkfifo(f.c_str(), 0644), 0) << f;
    }
    TConfigurazione c;
    c.Sfondo = sfondo;
    ScriviConfigurazione(c, FileConfigurazione());

    morella::test::TSoccorsoFifo soccorso({intro, maschera, sfondo}, std::chrono::seconds(4));
    const auto inizio = std::chrono::steady_clock::now();
    TOpzioniAvvio o;
    o.Directory = DirectoryProgramma();
    o.Gioco = GiocoTotip;
    o.Massimizza = false;
    o.Continua = true;
    TApplicazione app(o);
    app.Avvia();
    ASSERT_TRUE(QTest::qWaitFor([&] { return app.FormPrinc() != nullptr; }, 6000));
    EXPECT_LT(std::chrono::steady_clock::now() - inizio, std::chrono::seconds(2));
    EXPECT_TRUE(app.FormPrinc()->isVisible());
}
