// The dictation's timer on the Qt event loop.
#pragma once

#include <QTimer>

#include "Temporizzatore.h"

namespace morella {

class TTemporizzatoreQt : public TTemporizzatore {
   public:
    TTemporizzatoreQt();

    void Avvia(int periodoMs) override;
    void Ferma() override;
    void ImpostaPeriodo(int periodoMs) override;

    bool Attivo() const { return timer_.isActive(); }
    int Periodo() const { return timer_.interval(); }

   private:
    QTimer timer_;
};

}  // namespace morella
