// The desktop program: the Qt application around the core. Arguments: [--gioco
// toto|enalotto|totip] [--dir DIR] [SISTEMA.Mrl]. Two switches for measuring and for the
// README's pictures are not shown to players: --misura-avvio prints how long the start
// took and ends; --schermate DIR writes a picture of every window into DIR and ends.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTimer>
#include <cstdio>

#include "Applicazione.h"
#include "Cartelle.h"
#include "FormPrinc.h"
#include "Schermate.h"
#include "ServiziUi.h"

using namespace morella::ui;

namespace {
// Unattended runs (measuring, pictures) cannot wait for a click: messages go to stderr.
class TServiziSenzaOperatore : public TServiziUi {
   public:
    void MostraErrore(QWidget*, const std::string& messaggio) override
    {
        std::fprintf(stderr, "%s\n", messaggio.c_str());
    }
};
}  // namespace

int main(int argc, char* argv[])
{
    QElapsedTimer orologio;
    orologio.start();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Morella"));

    QStringList argomenti = QApplication::arguments();
    const bool misura = argomenti.removeAll(QStringLiteral("--misura-avvio")) > 0;
    QString schermate;
    if (int i = static_cast<int>(argomenti.indexOf(QStringLiteral("--schermate")));
        i > 0 && i + 1 < argomenti.size()) {
        schermate = argomenti[i + 1];
        argomenti.remove(i, 2);
    }
    TOpzioniAvvio opzioni;
    if (auto errore = LeggiArgomenti(argomenti, opzioni)) {
        std::fprintf(stderr, "%s\nUso: morella [--gioco toto|enalotto|totip] [--dir DIR] [SISTEMA.Mrl]\n",
                     errore->c_str());
        return 2;
    }
    // The player's own directory of an installed program is filled before anything reads it.
    const morella::TDirectoryScelta scelta =
        morella::PreparaDirectoryProgramma(morella::AvvioCorrente(opzioni.Directory));
    for (const std::string& errore : scelta.Errori) std::fprintf(stderr, "Attenzione: %s\n", errore.c_str());
    opzioni.Directory = scelta.Directory;
    // Measuring presses "Continua" at once; the pictures press it after taking the intro's.
    opzioni.Continua = misura;
    TServiziSenzaOperatore senzaOperatore;
    if (misura || !schermate.isEmpty()) ImpostaServizi(&senzaOperatore);

    TApplicazione programma(opzioni);
    QObject::connect(&programma, &TApplicazione::Pronta, &app, [&] {
        if (misura) {
            // Until the main window has been drawn once: that is when the player can use it.
            QApplication::processEvents();
            std::printf(
                "Avvio: finestra principale pronta dopo %lld ms dall'avvio del processo "
                "(%lld ms dalla creazione del sistema; 500 ms sono l'attesa dopo \"Continua\")\n",
                static_cast<long long>(orologio.elapsed()),
                static_cast<long long>(programma.MillisecondiAvvio()));
            QTimer::singleShot(0, &app, [] { QApplication::exit(0); });
        }
        if (!schermate.isEmpty()) {
            QTimer::singleShot(200, &app, [&] {
                const int n = ScattaSchermate(programma, schermate);
                std::printf("%d immagini in %s\n", n, qPrintable(schermate));
                programma.Sistema().Modificato = false;
                QApplication::exit(0);
            });
        }
    });
    programma.Avvia();
    if (!schermate.isEmpty() && programma.Intro()) {
        QDir().mkpath(schermate);
        SalvaSchermata(*programma.Intro(), QDir(schermate).filePath(QStringLiteral("intro.png")));
        QMetaObject::invokeMethod(programma.Intro()->findChild<QPushButton*>(QStringLiteral("ContinuaBtn")),
                                  "click", Qt::QueuedConnection);
    }
    return QApplication::exec();
}
