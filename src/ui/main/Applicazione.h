// The start of the desktop program: the intro window, then after "Continua" and its short
// timer the windows the program keeps for the whole run, owned here in the order they are
// made. The archive and the one system (which reads the configuration) exist before any
// window, so the first enabled state already counts the archive's contests.
#pragma once

#include <QDialog>
#include <QElapsedTimer>
#include <QObject>
#include <QTranslator>
#include <memory>
#include <string>
#include <vector>

#include "Archivio.h"
#include "Sistema.h"

class QLabel;
class QPushButton;
class QTimer;

namespace morella::ui {

class TFormPrinc;

inline constexpr const char* TestoVersione = "Versione 1.0 per Linux";

struct TOpzioniAvvio {
    int Gioco = GiocoTotip;
    std::string Directory;   // empty: the executable's folder
    std::string File;        // system to open, if any
    bool Continua = false;   // press "Continua" at once (measurements and pictures)
    bool Massimizza = true;  // the main window fills the screen
};

// The intro window: picture, version and "Continua", which starts the one-shot timer.
class TFormIntro : public QDialog {
    Q_OBJECT
   public:
    explicit TFormIntro(QWidget* parent = nullptr);
    QTimer* Timer() const { return timer_; }

   signals:
    void Scaduto();

   private:
    QLabel* immagine_;
    QLabel* versione_;
    QPushButton* continua_;
    QTimer* timer_;
};

class TApplicazione : public QObject {
    Q_OBJECT
   public:
    explicit TApplicazione(const TOpzioniAvvio& opzioni);
    ~TApplicazione() override;

    // Shows the intro window; the rest follows from its timer.
    void Avvia();
    TSistema& Sistema() { return *sistema_; }
    T_Archivio& Archivio() { return archivio_; }
    TFormIntro* Intro() const { return intro_.get(); }
    TFormPrinc* FormPrinc() const { return princ_.get(); }
    // Milliseconds from the construction of this object to the main window being shown.
    qint64 MillisecondiAvvio() const { return millisecondiAvvio_; }

   signals:
    // The main window is shown and usable.
    void Pronta();

   private:
    void CreaFinestre();

    TOpzioniAvvio opzioni_;
    // Qt's standard dialogs in Italian for the whole run.
    std::vector<std::unique_ptr<QTranslator>> traduzioni_;
    QElapsedTimer orologio_;
    qint64 millisecondiAvvio_ = -1;
    T_Archivio archivio_;
    std::unique_ptr<TSistema> sistema_;
    std::unique_ptr<TFormIntro> intro_;
    std::unique_ptr<TFormPrinc> princ_;
};

// Reads "--gioco toto|enalotto|totip", "--dir DIR" and the system file from the arguments;
// the message of a usage error, or nothing.
std::optional<std::string> LeggiArgomenti(const QStringList& argomenti, TOpzioniAvvio& opzioni);

}  // namespace morella::ui
