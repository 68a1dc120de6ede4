// "Impostazioni Di Ricerca": the range of contests every archive scan uses, the categories
// the archive search counts and the condition kinds it ignores, over the core's
// TDialogoImpRic, which keeps the range ordered and within the archive.
#pragma once

#include <QDialog>

#include "DialoghiRicerca.h"

class QCheckBox;
class QLabel;
class QRadioButton;
class QSpinBox;

namespace morella {
class TSistema;
}

namespace morella::ui {

class TFormImpRic : public QDialog {
    Q_OBJECT
   public:
    TFormImpRic(TSistema& sistema, QWidget* parent = nullptr);
    void accept() override;
    const TDialogoImpRic& Modello() const { return modello_; }

   private:
    void Mostra();

    TSistema& sistema_;
    TDialogoImpRic modello_;
    QSpinBox *primaStagione_, *primoNumero_, *ultimaStagione_, *ultimoNumero_;
    QRadioButton* categorie_[3];
    QCheckBox *colonneFiltro_, *ripetizioni_, *valori_, *percentuali_;
    QLabel *riepilogo_, *avviso_;
};

}  // namespace morella::ui
