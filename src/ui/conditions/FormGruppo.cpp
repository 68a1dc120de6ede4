#include "FormGruppo.h"
#include "Fabbriche.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QVBoxLayout>

#include "EditoriCondizioni.h"
#include "GraphPt.h"

namespace morella::ui {

TFormGruppo::TFormGruppo(TipoCondizione tipo, QWidget* parent) : TFormCondizione(TitoloEditore(tipo), parent)
{
    auto* corpo = new QWidget(this);
    Area()->addWidget(corpo);

    posizione_ = new QLabel(corpo);
    posizione_->setObjectName(QStringLiteral("Posizione"));
    posizione_->setAlignment(Qt::AlignCenter);
    posizione_->setMinimumWidth(
        posizione_->fontMetrics().horizontalAdvance(QStringLiteral("Elemento 888 di 888")) + 8);
    const QStyle* s = style();
    primo_ = Pulsante(corpo, "PrimoBtn", QString(), QStringLiteral("Primo"));
    primo_->setIcon(s->standardIcon(QStyle::SP_MediaSkipBackward));
    sinistra_ = Pulsante(corpo, "SinistraBtn", QString(), QStringLiteral("Precedente"));
    sinistra_->setIcon(s->standardIcon(QStyle::SP_MediaSeekBackward));
    destra_ = Pulsante(corpo, "DestraBtn", QString(), QStringLiteral("Successivo"));
    destra_->setIcon(s->standardIcon(QStyle::SP_MediaSeekForward));
    ultimo_ = Pulsante(corpo, "UltimoBtn", QString(), QStringLiteral("Ultimo"));
    ultimo_->setIcon(s->standardIcon(QStyle::SP_MediaSkipForward));
    aggiungi_ =
        Pulsante(corpo, "AggiungiBtn", QStringLiteral("Aggiungi"), QStringLiteral("Aggiungi un elemento"));
    elimina_ = Pulsante(corpo, "EliminaBtn", QStringLiteral("Elimina"),
                        QStringLiteral("Elimina l'elemento mostrato"));
    auto* lista = new QHBoxLayout;
    lista->addWidget(primo_);
    lista->addWidget(sinistra_);
    lista->addWidget(posizione_, 1);
    lista->addWidget(destra_);
    lista->addWidget(ultimo_);
    lista->addSpacing(12);
    lista->addWidget(aggiungi_);
    lista->addWidget(elimina_);

    // Titled, so that its switch is not taken for the group's own above it.
    elemento_ = new QGroupBox(QStringLiteral("Elemento"), corpo);
    elemento_->setObjectName(QStringLiteral("Elemento"));
    attivatoS_ = new QRadioButton(QStringLiteral("Attivato"), elemento_);
    attivatoS_->setObjectName(QStringLiteral("AttivatoS"));
    disattivatoS_ = new QRadioButton(QStringLiteral("Disattivato"), elemento_);
    disattivatoS_->setObjectName(QStringLiteral("DisattivatoS"));
    auto* interruttore = new QHBoxLayout;
    interruttore->addWidget(attivatoS_);
    interruttore->addWidget(disattivatoS_);
    interruttore->addStretch(1);
    areaElemento_ = new QVBoxLayout(elemento_);
    areaElemento_->addLayout(interruttore);

    auto* l = new QVBoxLayout(corpo);
    l->setContentsMargins(0, 0, 0, 0);
    l->addLayout(lista);
    l->addWidget(elemento_);

    connect(primo_, &QPushButton::clicked, this, [this] { Sposta([this] { modello_->Primo(); }); });
    connect(sinistra_, &QPushButton::clicked, this, [this] { Sposta([this] { modello_->Precedente(); }); });
    connect(destra_, &QPushButton::clicked, this, [this] { Sposta([this] { modello_->Successivo(); }); });
    connect(ultimo_, &QPushButton::clicked, this, [this] { Sposta([this] { modello_->Ultimo(); }); });
    connect(aggiungi_, &QPushButton::clicked, this, [this] { Sposta([this] { modello_->Aggiungi(); }); });
    connect(elimina_, &QPushButton::clicked, this, [this] {
        // The shown element goes: nothing of its controls needs keeping or checking.
        if (modello_ && modello_->Elimina()) Mostra();
    });
}

TFormGruppo::~TFormGruppo() = default;

void TFormGruppo::PrendiTabella(TGraphPt& g, TTabellaValori& t)
{
    if (!g.Modificato()) return;
    g.LeggiTabella(t);
    t.Sotto[0].InUso = t.Sotto[1].InUso = false;
    t.Attivo = false;
    g.ImpostaModificato(false);
}

template <class F>
void TFormGruppo::Sposta(F&& passo)
{
    if (!modello_) return;
    if (!modello_->Vuoto() && !ElementoAccettabile()) return;
    Prendi();
    passo();
    Mostra();
}

void TFormGruppo::Mostra()
{
    const TPulsantiGruppo p = modello_ ? modello_->Pulsanti() : TPulsantiGruppo{};
    posizione_->setText(QString::fromStdString(modello_ ? modello_->Didascalia() : std::string()));
    primo_->setEnabled(p.Primo);
    sinistra_->setEnabled(p.Precedente);
    destra_->setEnabled(p.Successivo);
    ultimo_->setEnabled(p.Ultimo);
    aggiungi_->setEnabled(p.Aggiungi);
    elimina_->setEnabled(p.Elimina);
    elemento_->setEnabled(p.Elemento);
    const TCondizione* e = modello_ ? modello_->Corrente() : nullptr;
    (e == nullptr || e->Attivato ? attivatoS_ : disattivatoS_)->setChecked(true);
    MostraElemento(e);
    DopoMostra();
}

void TFormGruppo::Prendi()
{
    TCondizione* e = modello_ ? modello_->Corrente() : nullptr;
    if (!e) return;
    e->Attivato = attivatoS_->isChecked();
    AcquisisceElemento(*e);
}

const TCondizione* TFormGruppo::ElementoMostrato() const
{
    return modello_ ? modello_->Corrente() : nullptr;
}

void TFormGruppo::AggiornaControlli(TCondizione& c)
{
    auto* gruppo = dynamic_cast<TGruppoCondizioni*>(&c);
    modello_ = gruppo ? std::make_unique<TModelloGruppo>(*gruppo) : nullptr;
    Mostra();
}

bool TFormGruppo::Confermabile()
{
    return !modello_ || modello_->Vuoto() || ElementoAccettabile();
}

bool TFormGruppo::AcquisisceControlli(TCondizione& c)
{
    auto* gruppo = dynamic_cast<TGruppoCondizioni*>(&c);
    if (!modello_ || !gruppo) return false;
    Prendi();
    // The group's own switch goes back with the rest, so that an unchanged copy is one.
    modello_->Copia().Attivato = RadioAttivato()->isChecked();
    return modello_->Conferma(*gruppo);
}

void TFormGruppo::AzzeraControlli()
{
    if (!modello_) return;
    modello_->Azzera([this](TCondizione& e) { AzzeraElemento(e); });
    Mostra();
}

}  // namespace morella::ui
