// The "Internet" menu: "Impostazioni di collegamento" (e-mail, host, folder of the archive
// server) and "Aggiornamento tramite Internet", which downloads the archive files with the
// core's update over libcurl while the window stays responsive; "&Chiudi" during a transfer
// stops it, and the old files stay.
#pragma once

#include <QDialog>
#include <functional>

#include "AggiornamentoArchivio.h"
#include "LungaElaborazione.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;

namespace morella {
class TSistema;
}

namespace morella::ui {

class TFormImpCollegamento : public QDialog {
    Q_OBJECT
   public:
    TFormImpCollegamento(TSistema& sistema, QWidget* parent = nullptr);
    // Stays open with the core's message when a field is refused or the file not saved.
    void accept() override;

   private:
    TSistema& sistema_;
    QLineEdit *posta_, *host_, *directory_;
};

class TFormAggiornamento : public QDialog {
    Q_OBJECT
   public:
    TFormAggiornamento(TSistema& sistema, QWidget* parent = nullptr);
    ~TFormAggiornamento() override;

    // Where and how the update connects (the port and time limits; tests use their server).
    TOpzioniAggiornamento Opzioni;
    // After a successful update, once the archive in memory has been read again.
    std::function<void()> DopoAggiornamento;
    bool InCorso() const { return lungo_.InCorso(); }

    void reject() override;

   protected:
    void closeEvent(QCloseEvent* e) override;

   private:
    class TOsservatore;

    void Aggiorna();
    void Chiudi();

    TSistema& sistema_;
    TLungaElaborazione lungo_;
    bool chiudiAllaFine_ = false;
    QLabel *stato_, *file_;
    QProgressBar* barra_;
    QPlainTextEdit* registro_;
    QPushButton *aggiorna_, *chiudi_;
};

}  // namespace morella::ui
