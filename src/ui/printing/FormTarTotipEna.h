// "Taratura Per la Stampa Delle Schedine": where the first box of the coupon lies, how far
// apart the boxes are and where the header goes, in tenths of a millimetre. Enalotto and
// Totip edit their coupon block and its 4 / 8 columns; the football pool edits the block of
// the orientation chosen in the dialog, with the gap between columns and the circle's
// diameter. "Test" prints the first coupon with the values shown, through the print preview,
// and leaves the stored ones as they were; OK stores them and writes Morella.cfg.
#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "StampaSchedine.h"

class QRadioButton;
class QSpinBox;

namespace morella {
class TSistema;
}

namespace morella::ui {

class TFormTarTotipEna : public QDialog {
    Q_OBJECT
   public:
    TFormTarTotipEna(TSistema& sistema, QWidget* parent = nullptr);

    static void Esegui(TSistema& sistema, QWidget* padre);

   private:
    QSpinBox* Spin(const char* nome, int massimo);
    void Mostra();
    TValoriTaratura Valori() const;
    TValoriTaraturaToto ValoriToto() const;
    TVersoToto Verso() const;
    bool NellaPagina() const;
    void TestClick();
    void accept() override;

    TSistema& sistema_;
    bool toto_;
    QSpinBox *x_, *y_, *oriz_, *vert_, *scrittaX_, *scrittaY_;
    QSpinBox *larg_ = nullptr, *alt_ = nullptr, *spazio_ = nullptr, *diametro_ = nullptr;
    QRadioButton *radio4_ = nullptr, *radio8_ = nullptr;
    QRadioButton *versoOriz_ = nullptr, *versoVert_ = nullptr;
};

}  // namespace morella::ui
