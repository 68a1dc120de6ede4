#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QSpinBox>
#include <QVBoxLayout>

#include "EditIntervalli.h"
#include "EditoriCondizioni.h"
#include "EditoriGruppi.h"
#include "ElencoCondizioni.h"
#include "EsameTraLink.h"
#include "FormEditoriGruppi.h"
#include "PuntiTra.h"

namespace morella::ui {

TFormPtTra::TFormPtTra(QWidget* parent) : TFormCondizione(TitoloEditore(TipoPuntiTra), parent)
{
    setObjectName(QStringLiteral("FormPtTra"));
    auto* corpo = new QWidget(this);
    Area()->addWidget(corpo);
    sceltaGruppo_ = new QSpinBox(corpo);
    sceltaGruppo_->setObjectName(QStringLiteral("Gruppo"));
    sceltaGruppo_->setRange(1, NumeroGruppiTra);
    auto* testa = new QHBoxLayout;
    auto* etichetta = new QLabel(QStringLiteral("&Gruppo"), corpo);
    etichetta->setBuddy(sceltaGruppo_);
    testa->addWidget(etichetta);
    testa->addWidget(sceltaGruppo_);
    testa->addStretch(1);
    intervalli_ = new TEditIntervalli(QStringLiteral("Punti Ammessi"), corpo);
    intervalli_->setObjectName(QStringLiteral("PuntiAmmessi"));
    titoloElenco_ = new QLabel(corpo);
    titoloElenco_->setObjectName(QStringLiteral("TitoloCondizioni"));
    elenco_ = new QListWidget(corpo);
    elenco_->setObjectName(QStringLiteral("Condizioni"));
    elenco_->setMinimumHeight(elenco_->fontMetrics().height() * 5);
    portata_ = new QLabel(corpo);
    portata_->setObjectName(QStringLiteral("Portata"));
    auto* l = new QVBoxLayout(corpo);
    l->setContentsMargins(0, 0, 0, 0);
    l->addLayout(testa);
    l->addWidget(intervalli_);
    l->addWidget(titoloElenco_);
    l->addWidget(elenco_, 1);
    l->addWidget(portata_);
    connect(sceltaGruppo_, &QSpinBox::valueChanged, this, [this](int g) {
        if (g == gruppo_ || copia_.empty()) return;
        PrendiGruppo();
        gruppo_ = g;
        MostraGruppo();
    });
}

void TFormPtTra::PrendiGruppo()
{
    if (copia_.empty() || !intervalli_->Modificato()) return;
    copia_[static_cast<std::size_t>(gruppo_ - 1)] = intervalli_->Tabella();
    intervalli_->ImpostaModificato(false);
}

void TFormPtTra::MostraGruppo()
{
    intervalli_->ImpostaTabella(copia_.at(static_cast<std::size_t>(gruppo_ - 1)));
    elenco_->clear();
    const TElencoCondizioni* elenco = Oggetto() ? Oggetto()->Elenco() : nullptr;
    if (!elenco) {
        titoloElenco_->clear();
        portata_->clear();
        return;
    }
    const TEsameTraLink esame = TEsameTraLink::DelGruppo(*elenco, gruppo_);
    titoloElenco_->setText(QString::fromStdString(esame.Titolo()));
    for (const std::string& r : esame.Righe()) elenco_->addItem(QString::fromStdString(r));
    portata_->setText(QString::fromStdString(TestoPortataGruppo(esame.SommaMinimi, esame.SommaMassimi)));
}

void TFormPtTra::AggiornaControlli(TCondizione& c)
{
    const auto* p = dynamic_cast<const TPuntiTra*>(&c);
    copia_.clear();
    if (!p) return;
    copia_.assign(p->PuntiAmmessi.begin(), p->PuntiAmmessi.end());
    MostraGruppo();
}

bool TFormPtTra::AcquisisceControlli(TCondizione& c)
{
    auto* p = dynamic_cast<TPuntiTra*>(&c);
    if (!p || copia_.empty()) return false;
    PrendiGruppo();
    bool cambiato = false;
    for (int g = 1; g <= NumeroGruppiTra; ++g) {
        const TTabellaIntervalli& nuova = copia_[static_cast<std::size_t>(g - 1)];
        if (StessiIntervalli(nuova, p->Gruppo(g))) continue;
        p->Gruppo(g) = nuova;
        p->Gruppo(g).InUso = false;  // derived again by the next Prepara
        cambiato = true;
    }
    if (cambiato) p->Attivo = false;
    return cambiato;
}

void TFormPtTra::AzzeraControlli()
{
    for (TTabellaIntervalli& t : copia_) t.Azzera();
    if (!copia_.empty()) MostraGruppo();
    // The shown group's reset is a change OK must see like the others.
    intervalli_->ImpostaModificato(true);
}

}  // namespace morella::ui
