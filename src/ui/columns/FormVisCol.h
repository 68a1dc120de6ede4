// "Visualizzazione Colonne": a column list as numbered coupons of four columns, four coupons
// at a time, paged by a scroll bar. Its list is filled before it is shown ("Da Memoria",
// "Da File"); the coupons are built from it by the core's CostruisciSchedine, which the
// dictation reads as well.
#pragma once

#include <QDialog>
#include <array>
#include <vector>

#include "ListaColonne.h"
#include "Schedine.h"

class QScrollBar;

class QHBoxLayout;

namespace morella::ui {

class TQuattroColonne;

// The row of four coupons both viewers show (in checking colours for "Visualizzazione" of the
// checking); fills `viste`.
QHBoxLayout* RigaDiSchedine(std::array<TQuattroColonne*, 4>& viste, bool spoglio);

class TFormVisCol : public QDialog {
    Q_OBJECT
   public:
    explicit TFormVisCol(QWidget* parent = nullptr);

    TListaColonne& Colonne() { return colonne_; }
    const std::vector<TSchedinaVin>& Schedine() const { return schedine_; }
    // Rebuilds the coupons from the list and shows the first four (done on every show).
    void Prepara();
    TQuattroColonne* Vista(int k) const { return viste_.at(static_cast<std::size_t>(k)); }
    QScrollBar* Barra() const { return barra_; }

   protected:
    void showEvent(QShowEvent* e) override;

   private:
    void MostraSchedine();

    TListaColonne colonne_;
    std::vector<TSchedinaVin> schedine_;
    std::array<TQuattroColonne*, 4> viste_{};
    QScrollBar* barra_;
};

}  // namespace morella::ui
