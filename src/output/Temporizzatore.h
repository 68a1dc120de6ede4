// A repeating timer, the heartbeat of the dictation: once started it calls its action every
// period until stopped. The desktop program runs it on the event loop; the tests and the
// command-line tool fire it by hand.
#pragma once

#include <functional>
#include <utility>

namespace morella {

class TTemporizzatore {
   public:
    virtual ~TTemporizzatore() = default;

    // (Re)starts the timer: the first call of the action comes one period from now.
    virtual void Avvia(int periodoMs) = 0;
    virtual void Ferma() = 0;
    // A running timer goes on at the new period; a stopped one just remembers it.
    virtual void ImpostaPeriodo(int periodoMs) = 0;

    void ImpostaAzione(std::function<void()> azione) { azione_ = std::move(azione); }

   protected:
    // What the implementation calls on every period.
    void Scatta()
    {
        if (azione_) azione_();
    }

   private:
    std::function<void()> azione_;
};

}  // namespace morella
