// The link editor ("Link"): a letter button for each link A..Z, the chosen link's error
// table ("PtLink") and the total table ("PtTutteLink") with the highest error count each
// shows ("EditMax", "EditMaxLinks"), the conditions whose tables charge the chosen link, and
// "Analisi", which opens the analysis of the filtered columns for that letter. It edits a
// copy of every link table: "Annulla" leaves the links as they were.
#pragma once

#include <QDialog>
#include <array>
#include <cstdint>

#include "AnalisiColonneFiltrate.h"
#include "EditoriGruppi.h"
#include "Link.h"

class QLabel;
class QListWidget;
class QPushButton;
class QSpinBox;
class QTableWidget;

namespace morella {
class TElencoCondizioni;
class TSistema;
}  // namespace morella

namespace morella::ui {

class TGraphPt;

class TFormRec : public QDialog {
    Q_OBJECT
   public:
    TFormRec(TElencoLink& link, const TElencoCondizioni* condizioni, QWidget* parent = nullptr);

    std::uint8_t Lettera() const { return lettera_; }
    // After an accepted run: copies the edited tables into the links; true when they changed.
    bool Conferma() const { return copia_.Conferma(link_); }

   private:
    void MostraLettera();
    // Takes the shown tables into the copy when the maxima allow them; false (the player
    // told why) when they do not.
    bool PrendiTabelle(bool totale);
    void ApriAnalisi();

    TElencoLink& link_;
    const TElencoCondizioni* condizioni_;
    TCopiaLink copia_;
    std::uint8_t lettera_ = 'A';
    std::array<QPushButton*, NumeroLink> lettere_{};
    TGraphPt* ptLink_;
    TGraphPt* ptTutteLink_;
    QSpinBox* editMax_;
    QSpinBox* editMaxLinks_;
    QLabel* titoloElenco_;
    QListWidget* elenco_;
};

// "Analisi Delle Colonne Filtrate": the three grids of one letter, counts ("Valori") or
// percentages ("%"), and "Stampa".
class TFormAnalisiColonneFiltrate : public QDialog {
    Q_OBJECT
   public:
    TFormAnalisiColonneFiltrate(const TElencoLink& link, std::uint8_t lettera, QWidget* parent = nullptr);
    QTableWidget* Griglia(int i) const { return griglie_.at(static_cast<std::size_t>(i)); }

   private:
    void Riempi();

    T_AnalisiColonneFiltrate analisi_;
    std::array<QTableWidget*, 3> griglie_{};
    QPushButton* valori_;
    QPushButton* percentuali_;
};

// The "&Link" command of the main window: the editor on the system's links; marks the
// system modified when OK changed them.
void EseguiEditoreLink(TSistema& sistema, QWidget* padre);

}  // namespace morella::ui
