// "Stampa Schedine": the columns of memory or of a file on the official coupons or as the
// "Tabulato", all of them or a range, with a pause between coupons and, for the football
// pool, the feeding orientation. OK shows the pages in a preview before paper (straight to
// the printer with its print dialog when the pause is on: a preview cannot stop between
// coupons); "Salva PDF" writes them to a file with the dialog's gauge and "Annulla".
#pragma once

#include <QDialog>

#include "LungaElaborazione.h"
#include "StampaSchedine.h"

class QCheckBox;
class QGroupBox;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace morella {
class TSistema;
}

namespace morella::ui {

class TFormStSche : public QDialog {
    Q_OBJECT
   public:
    TFormStSche(TSistema& sistema, TListaColonne colonne, QWidget* parent = nullptr);

    const TStampaSchedine& Lavoro() const { return lavoro_; }
    bool InStampa() const { return lungo_.InCorso(); }

    // Opens the dialog on these columns through the services' modal loop; a list without
    // schedine is refused with its message and opens nothing.
    static void Esegui(TSistema& sistema, TListaColonne colonne, QWidget* padre);

   private:
    void MostraModo();
    void MostraIntervallo();
    // The controls into the job and its confirmation; false (the message shown) when the
    // dialog stays open.
    bool Prepara();
    // The player is told once, before the pages, when the calibration is outside the page.
    void AvvisaTaratura();
    void SalvaPdfClick();
    void accept() override;
    void reject() override;
    void closeEvent(QCloseEvent* e) override;

    TSistema& sistema_;
    TStampaSchedine lavoro_;
    TLungaElaborazione lungo_;
    QRadioButton *schedine_, *tabulato_, *tutte_, *da_, *oriz_, *vert_;
    QCheckBox* pausa_;
    QSpinBox *min_, *max_;
    QGroupBox* orientamento_;
    QProgressBar* gauge_;
    QPushButton *ok_, *pdf_;
};

}  // namespace morella::ui
