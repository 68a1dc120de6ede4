#include "FormFormuleDerivate.h"

#include <QVBoxLayout>

#include "EditoriCondizioni.h"
#include "FormuleDerivate.h"
#include "SceltaFormule.h"

namespace morella::ui {

TFormFormuleDerivate::TFormFormuleDerivate(QWidget* parent)
    : TFormCondizione(TitoloEditore(TipoFormuleDerivate), parent)
{
    setObjectName(QStringLiteral("FormFormuleDerivate"));
    scelta_ = new TSceltaFormule(this);
    Area()->addWidget(scelta_, 1);
}

void TFormFormuleDerivate::AggiornaControlli(TCondizione& c)
{
    if (auto* f = dynamic_cast<TFormuleDerivate*>(&c)) scelta_->Carica(f->FormuleAmmesse, f->Massimo);
}

bool TFormFormuleDerivate::AcquisisceControlli(TCondizione& c)
{
    auto* f = dynamic_cast<TFormuleDerivate*>(&c);
    if (!f || !scelta_->Modificato()) return false;
    const auto prima = f->FormuleAmmesse;
    scelta_->Copia(f->FormuleAmmesse);
    return f->FormuleAmmesse != prima;
}

void TFormFormuleDerivate::AzzeraControlli()
{
    scelta_->Azzera();
}

}  // namespace morella::ui
