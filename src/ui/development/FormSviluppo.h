// The development window "Sviluppo": runs the development of the open system with its own
// settings and shows the conditions and reduction progress, their pie charts, "Annulla" and
// "Informazioni...". The main window keeps one for the whole run.
#pragma once

#include <QDialog>
#include <chrono>
#include <functional>
#include <optional>

#include "LungaElaborazione.h"
#include "Sviluppo.h"
#include "TestiSviluppo.h"

class QGroupBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QChartView;

namespace morella::ui {

class TFormSviluppo : public QDialog {
    Q_OBJECT
   public:
    explicit TFormSviluppo(TSistema& sistema, QWidget* parent = nullptr);
    ~TFormSviluppo() override;

    // Shows the window and runs the development as "&Calcolo Colonne" does. Returns when the
    // run is over; the window stays open with the counts. A failure of the run (EErrore)
    // reaches the caller, which shows it as every command does; the window is left idle.
    void Esegui();

    bool InCorso() const { return lungo_.InCorso(); }
    const TEsitoSviluppo& Esito() const { return esito_; }
    TSistema& Sistema() { return sistema_; }

    // Called after every run, successful or not: the main window refreshes its status line.
    std::function<void()> DopoSviluppo;
    // Longest wait between two turns of the event loop while a run is going on.
    std::chrono::milliseconds IntervalloEventi{15};

   private:
    class TOsservatore;
    friend class TOsservatore;

    void Prepara();
    bool Annullato();
    void Pompa(bool forza);
    void MostraCondizionamento(std::int64_t iniziali, std::int64_t tenute, bool finale,
                               std::int64_t sviluppate);
    void MostraRiduzione(int totale, int tenute, bool finale, int elaborate);
    void MostraOttimizzazione(int colonneOra, int migliore, double secondiRimasti);
    void MostraStato(const std::string& testo);
    void MostraPercentuale(int percento);
    void AnnullaClick();
    void InformazioniClick();
    void closeEvent(QCloseEvent* e) override;
    void reject() override;

    TSistema& sistema_;
    TEsitoSviluppo esito_;
    TLungaElaborazione lungo_;
    bool chiudiAllaFine_ = false;  // Annulla pressed during the run: the window goes with it
    TIndicatore indicatoreC_, indicatoreR_;
    // While the optimised reduction searches: the reduction gauge follows its time.
    std::optional<TAvanzamentoOttimizzazione> ottimizzazione_;

    QLabel* stato_;
    QGroupBox* gruppoC_;
    QGroupBox* gruppoR_;
    QLabel *iniziali_, *finali_, *filtrate_;
    QLabel *rFinali_, *rFiltrate_, *fattore_, *cr_;
    QList<QWidget*> etichetteR_;
    QProgressBar *gaugeC_, *gaugeR_;
    QChartView *tortaC_, *tortaR_;
    QPushButton *informazioni_, *annulla_;
};

// Fills the development entries of the window registry: "&Calcolo Colonne" runs the one
// development window of the program (created on first use), the winning possibilities open
// "Possibilità di Incolonnamento".
void RegistraFinestreSviluppo();

// The development window the registry created, if any (for the main window and tests).
TFormSviluppo* FinestraSviluppo();

}  // namespace morella::ui
