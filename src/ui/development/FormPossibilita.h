// The window "Possibilità di Incolonnamento": the winning possibilities of the reduced system
// for the exact prediction and for a wrong sign at the event chosen on the coupon panel, and
// the mean error probabilities on a double and on a single.
#pragma once

#include <QDialog>
#include <functional>

#include "PossibilitaVincita.h"

class QGroupBox;
class QPushButton;
class QTableWidget;

namespace morella {
class TSistema;
}

namespace morella::ui {

class TPannelloSc;

class TFormPossibilita : public QDialog {
    Q_OBJECT
   public:
    explicit TFormPossibilita(const TSistema& sistema, QWidget* parent = nullptr);

    // The event whose list the lower grid shows (1-based, 0 for none).
    int EventoMostrato() const { return evento_; }
    void MostraEvento(int evento);

   private:
    void Riempi(QTableWidget* griglia, const TElencoTipiDiVincita& elenco);
    void PannelloModificato();

    const TSistema& sistema_;
    int evento_ = 0;
    QTableWidget* esatto_;
    QTableWidget* errore_;
    TPannelloSc* pannello_;
    QGroupBox* gruppoErrore_;
};

}  // namespace morella::ui
