// Long work on the UI thread, the way every window of the program runs it (development,
// merging, checking, the statistics replay, the column analysis, the Internet update,
// dictation): while it runs only its own window takes the player's input, the event loop
// turns at least every IntervalloEventi so the window repaints, and "Annulla" or closing the
// window asks the work to stop at its next poll. The engine's own observer calls Annullato().
#pragma once

#include <QProgressBar>
#include <QWidget>
#include <chrono>
#include <functional>

#include "TestiSviluppo.h"

namespace morella::ui {

class TLungaElaborazione {
   public:
    explicit TLungaElaborazione(QWidget& finestra);
    ~TLungaElaborazione();
    TLungaElaborazione(const TLungaElaborazione&) = delete;
    TLungaElaborazione& operator=(const TLungaElaborazione&) = delete;

    // Runs `lavoro` with the other windows shut off. `fine` runs however the work ends (an
    // exception included, which then goes on to the caller). Returns at once when a run is
    // already going on.
    void Esegui(const std::function<void()>& lavoro, const std::function<void()>& fine = {});

    bool InCorso() const { return inCorso_; }
    // The stop was asked during the current (or last) run.
    bool AnnullamentoChiesto() const { return annullato_; }
    // The work's poll: turns the event loop when due, and tells whether to stop.
    bool Annullato();
    // Turns the event loop now (forza) or when IntervalloEventi has passed since the last turn.
    void Pompa(bool forza);
    // "Annulla" or the window's frame during a run: the work stops at its next poll.
    void ChiediAnnullamento() { annullato_ = true; }

    // A gauge of the window, redrawn only when the shown percentage changes by a step.
    void Avanza(QProgressBar& gauge, TIndicatore& indicatore, int percento, bool finale);

    // Longest wait between two turns of the event loop while the work runs (well under the
    // 50 ms a player notices).
    std::chrono::milliseconds IntervalloEventi{15};

   private:
    class TFiltroInput;

    QWidget& finestra_;
    bool inCorso_ = false;
    bool annullato_ = false;
    std::chrono::steady_clock::time_point ultimaPompa_{};
};

}  // namespace morella::ui
