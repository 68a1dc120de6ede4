// The editor of the derived formulas ("Formule Derivate"): on the shared
// condition frame, the two lists of excluded and included formulas and the
// buttons that move them.
#pragma once

#include "FormCondizione.h"

namespace morella::ui {

class TSceltaFormule;

class TFormFormuleDerivate : public TFormCondizione {
    Q_OBJECT
   public:
    explicit TFormFormuleDerivate(QWidget* parent = nullptr);
    TSceltaFormule* Scelta() const { return scelta_; }

   protected:
    void AggiornaControlli(TCondizione& c) override;
    bool AcquisisceControlli(TCondizione& c) override;
    void AzzeraControlli() override;

   private:
    TSceltaFormule* scelta_;
};

}  // namespace morella::ui
