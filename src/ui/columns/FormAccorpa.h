// The merging window "Accorpamento In Corso..": the pass, its gauge and "Annulla", shown while
// the list of an output window (viewer, checking, printing, dictation) is merged. Also the two
// ways those windows fill their list, "Da Memoria" and "Da File", merging included.
#pragma once

#include <QDialog>
#include <chrono>

#include "ListaColonne.h"
#include "LungaElaborazione.h"

class QLabel;
class QProgressBar;
class QPushButton;

namespace morella {
class TSistema;
}

namespace morella::ui {

class TFormAccorpa : public QDialog {
    Q_OBJECT
   public:
    explicit TFormAccorpa(QWidget* parent = nullptr);
    ~TFormAccorpa() override;

    // Merges the list with the window shown and closes it: initial / final count, or -1 when
    // "Annulla" stopped it (the list keeps the merges done so far).
    double Accorpa(TListaColonne& lista);
    bool InCorso() const { return lungo_.InCorso(); }

    // Called on every progress report, after the window was updated (tests act mid-run).
    std::function<void(int passo, int percentuale)> DopoProgresso;

   private:
    class TOsservatore;
    void closeEvent(QCloseEvent* e) override;
    void reject() override;

    TLungaElaborazione lungo_;
    QLabel* passo_;
    QProgressBar* gauge_;
    QPushButton* annulla_;
    int passoMostrato_ = 0;
};

// "Da Memoria": a copy of the system's columns, merged when "Accorpamento automatico" is on.
void RiempiDaMemoria(const TSistema& sistema, TListaColonne& lista, QWidget* padre);

// "Da File": asks for a column file ("Seleziona il File Colonnare", in the column folder),
// loads it with the hourglass shown and merges it as above. False when the player cancelled
// or the file is empty: the window is not opened. Throws "Impossibile Caricare Il File
// Colonnare" (the list empty) when the file cannot be read.
bool RiempiDaFile(const TSistema& sistema, TListaColonne& lista, QWidget* padre);

}  // namespace morella::ui
