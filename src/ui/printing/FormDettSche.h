// "Dettatura Schedine": the schedine of a column list read aloud sign by sign, by columns or
// by rows, over a range, with the pause between signs and after each schedina; the schedina
// on view shows the cell being spoken. The dictation itself (TDettatura) decides everything;
// this window copies between its controls and it.
#pragma once

#include <QDialog>

#include "Dettatura.h"
#include "FinestreStampa.h"

class QCheckBox;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace morella::ui {

class TQuattroColonne;

class TFormDettSche : public QDialog, private TOsservatoreDettatura {
    Q_OBJECT
   public:
    TFormDettSche(std::vector<TSchedinaVin> schedine, TVoceDettatura voce, QWidget* parent = nullptr);
    ~TFormDettSche() override;

    const TDettatura& Dettatura() const { return dettatura_; }
    TQuattroColonne* Vista() const { return vista_; }

    // Opens the window on the schedine of these columns through the services' modal loop;
    // without a schedina it says so and opens nothing. A voice file that cannot be opened
    // is told: the schedine can be looked at, not played.
    static void Esegui(const TListaColonne& colonne, QWidget* padre);

   private:
    void SchedinaMostrata() override;
    void SegnoDetto() override;
    void StatoCambiato() override;
    void MostraIntervallo();
    void Comando(void (TDettatura::*comando)());
    void done(int r) override;

    TVoceDettatura voce_;
    TDettatura dettatura_;
    TQuattroColonne* vista_;
    QPushButton *play_, *pausa_, *stop_;
    QSpinBox *spinPausa_, *min_, *max_;
    QCheckBox* pausaDopo_;
    QRadioButton *perColonne_, *perRighe_;
    bool riempimento_ = true;  // range edits while the window is filled are not the player's
};

}  // namespace morella::ui
