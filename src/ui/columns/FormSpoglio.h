// "Spoglio": the checking of a column list against a winning column. The prediction of the
// system, the winning column's entry (counting starts once it holds one sign per event), the
// chart of the points 0..E with the totals of the three categories, the conditions the winning
// column breaks ("Condizioni Sbagliate", an entry opens its condition's editor) and
// "Visualizza", the coupons with a chosen number of points. One window for the whole run, not
// modal; it redoes its examination whenever the system changes.
#pragma once

#include <QDialog>
#include <functional>
#include <vector>

#include "EsameVincente.h"
#include "ListaColonne.h"
#include "LungaElaborazione.h"
#include "ModelliColonne.h"

class QChartView;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QWidget;

namespace morella {
class TSistema;
}

namespace morella::ui {

class TEditColonna;
class TPannelloSc;

class TFormSpoglio : public QDialog {
    Q_OBJECT
   public:
    explicit TFormSpoglio(TSistema& sistema, QWidget* parent = nullptr);
    ~TFormSpoglio() override;

    TSistema& Sistema() { return sistema_; }
    TListaColonne& Colonne() { return colonne_; }
    // Shows the window on the list just filled: the prediction, and the counting when the
    // winning column is already complete.
    void Apri();
    // Counts the list against the winning column and examines it, or hides the results. The
    // counting turns the event loop as it goes (only this window takes input meanwhile).
    void Esegui();
    // Longest wait between two turns of the event loop while counting.
    std::chrono::milliseconds& IntervalloEventi() { return lungo_.IntervalloEventi; }

    const TVistaSpoglio& Vista() const { return vista_; }
    const std::vector<TVoceSbagliata>& Sbagliate() const { return sbagliate_; }
    TEditColonna* Vincente() const { return vincente_; }

    // After an editor opened from "Condizioni Sbagliate" changed its condition: the main
    // window refreshes itself.
    std::function<void()> DopoModifica;

   private:
    void ApriVoce(QListWidgetItem* voce);
    void VisualizzaClick();
    void SistemaCambiato();

    TSistema& sistema_;
    TListaColonne colonne_;
    TLungaElaborazione lungo_;
    bool ripeti_ = false;  // the winning column changed during a count
    TVistaSpoglio vista_;
    std::vector<TVoceSbagliata> sbagliate_;

    TPannelloSc* pannello_;
    TEditColonna* vincente_;
    QChartView* grafico_;
    std::array<QLabel*, 3> categorie_{};
    QWidget* gruppoCategorie_;
    QListWidget* errori_;
    QPushButton* visualizza_;
    bool piccolo_ = false;  // a screen narrower than 800 pixels
};

// The checking window the registry created, if any (for tests).
TFormSpoglio* FinestraSpoglio();
// "Da Memoria" (F7) and "Da File" of "&Spoglio".
void RegistraSpoglio();

}  // namespace morella::ui
