// "Visualizzazione": the coupons of the checking list that hold a column with the points
// chosen among "Schedine Con Punti", four at a time in the checking colours, paged by a
// scroll bar. Made when "Visualizza" is pressed and destroyed when it closes.
#pragma once

#include <QDialog>
#include <array>
#include <vector>

#include "ListaColonne.h"
#include "Schedine.h"
#include "Spoglio.h"

class QPushButton;
class QScrollBar;

namespace morella::ui {

class TQuattroColonne;

class TFormVisVin : public QDialog {
    Q_OBJECT
   public:
    TFormVisVin(const TListaColonne& colonne, const TColonna& vincente, const TRisultatoSpoglio& risultato,
                QWidget* parent = nullptr);

    // Shows the coupons with columns of `punti` points.
    void ScegliPunti(int punti);
    int Punti() const { return punti_; }
    const std::vector<TSchedinaVin>& Schedine() const { return schedine_; }
    TQuattroColonne* Vista(int k) const { return viste_.at(static_cast<std::size_t>(k)); }
    QScrollBar* Barra() const { return barra_; }

   private:
    void MostraSchedine();

    const TListaColonne& colonne_;
    TColonna vincente_;
    int punti_ = 0;
    std::vector<TSchedinaVin> schedine_;
    std::vector<QPushButton*> pulsanti_;
    std::array<TQuattroColonne*, 4> viste_{};
    QScrollBar* barra_;
};

}  // namespace morella::ui
