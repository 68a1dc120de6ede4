#include "FormConsecutivita.h"
#include "Fabbriche.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QVBoxLayout>

#include "Consecutivita.h"
#include "EditoriCondizioni.h"
#include "GraphPt.h"

namespace morella::ui {

namespace {

constexpr TSegni SegniOrdinati[3] = {Segno1, SegnoX, Segno2};

TGraphPt* Tabella(QWidget* padre, const char* nome, const QString& titolo)
{
    auto* g = new TGraphPt(padre);
    g->setObjectName(QString::fromLatin1(nome));
    g->ImpostaTitolo(titolo);
    return g;
}

}  // namespace

void TFormConsecutivita::ImpostaTabellaConteggi(TGraphPt& g)
{
    // The counts table only picks the numbers of signs the element applies to: its link,
    // group, range and in recupero states play no part, so they are not offered.
    g.ImpostaLinkTra(false);
    g.ImpostaRecVisibili(false);
    g.ImpostaTipoCampo(false);
}

TFormConsecutivita::TFormConsecutivita(QWidget* parent)
    : TFormCondizione(TitoloEditore(TipoGruppoConsecutivita), parent)
{
    setObjectName(QStringLiteral("FormConsecutivita"));
    auto* corpo = new QWidget(this);
    Area()->addWidget(corpo);

    // The list: where we are and the ways to move in it.
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

    // The shown element: its switch, its sign, its two tables.
    // Titled, so that its switch is not taken for the group's own above it.
    elemento_ = new QGroupBox(QStringLiteral("Elemento"), corpo);
    elemento_->setObjectName(QStringLiteral("Elemento"));
    attivatoS_ = new QRadioButton(QStringLiteral("Attivato"), elemento_);
    attivatoS_->setObjectName(QStringLiteral("AttivatoS"));
    disattivatoS_ = new QRadioButton(QStringLiteral("Disattivato"), elemento_);
    disattivatoS_->setObjectName(QStringLiteral("DisattivatoS"));
    auto* interruttore = new QVBoxLayout;
    interruttore->addWidget(attivatoS_);
    interruttore->addWidget(disattivatoS_);
    segno_ = new QGroupBox(QStringLiteral("Segno"), elemento_);
    segno_->setObjectName(QStringLiteral("Segno"));
    auto* segni = new QHBoxLayout(segno_);
    const char* nomi[3] = {"Segno1", "SegnoX", "Segno2"};
    for (int i = 0; i < 3; ++i) {
        segni_[static_cast<std::size_t>(i)] =
            new QRadioButton(QString::fromStdString(TestoSegni(SegniOrdinati[i])), segno_);
        segni_[static_cast<std::size_t>(i)]->setObjectName(QString::fromLatin1(nomi[i]));
        segni->addWidget(segni_[static_cast<std::size_t>(i)]);
    }
    auto* testa = new QHBoxLayout;
    testa->addLayout(interruttore);
    testa->addSpacing(16);
    testa->addWidget(segno_);
    testa->addStretch(1);
    conteggi_ = Tabella(elemento_, "TabellaConteggi", QStringLiteral("Numero Di Segni"));
    run_ = Tabella(elemento_, "TabellaRun", QStringLiteral("Consecutività"));
    auto* e = new QVBoxLayout(elemento_);
    e->addLayout(testa);
    e->addWidget(conteggi_);
    e->addWidget(run_);

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
        // The shown element goes: nothing of its controls needs keeping.
        if (modello_ && modello_->Elimina()) MostraElemento();
    });
}

TFormConsecutivita::~TFormConsecutivita() = default;

template <class F>
void TFormConsecutivita::Sposta(F&& passo)
{
    if (!modello_) return;
    AcquisisceElemento();
    passo();
    MostraElemento();
}

const TCondizione* TFormConsecutivita::ElementoMostrato() const
{
    return modello_ ? modello_->Corrente() : nullptr;
}

void TFormConsecutivita::MostraElemento()
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

    // An empty group shows an empty page: a new element's defaults, greyed.
    TConsecutivita vuoto;
    const TConsecutivita* c = modello_ ? modello_->CorrenteCome<TConsecutivita>() : nullptr;
    if (!c) c = &vuoto;
    (c->Attivato ? attivatoS_ : disattivatoS_)->setChecked(true);
    for (int i = 0; i < 3; ++i) segni_[static_cast<std::size_t>(i)]->setChecked(c->Segno == SegniOrdinati[i]);
    conteggi_->ImpostaTabella(c->Tabella(TConsecutivita::TabellaConteggi));
    run_->ImpostaTabella(c->Tabella(TConsecutivita::TabellaRun));
}

void TFormConsecutivita::AcquisisceElemento()
{
    auto* c = modello_ ? modello_->CorrenteCome<TConsecutivita>() : nullptr;
    if (!c) return;
    c->Attivato = attivatoS_->isChecked();
    for (int i = 0; i < 3; ++i)
        if (segni_[static_cast<std::size_t>(i)]->isChecked()) c->Segno = SegniOrdinati[i];
    // Only a table the player touched is taken back; its derived flags wait for Prepara.
    auto prendi = [](TGraphPt* g, TTabellaValori& t) {
        if (!g->Modificato()) return;
        g->LeggiTabella(t);
        t.Sotto[0].InUso = t.Sotto[1].InUso = false;
        t.Attivo = false;
        g->ImpostaModificato(false);
    };
    prendi(conteggi_, c->Tabella(TConsecutivita::TabellaConteggi));
    prendi(run_, c->Tabella(TConsecutivita::TabellaRun));
}

void TFormConsecutivita::AggiornaControlli(TCondizione& c)
{
    auto* gruppo = dynamic_cast<TGruppoCondizioni*>(&c);
    modello_ = gruppo ? std::make_unique<TModelloGruppo>(*gruppo) : nullptr;
    // Both tables of an element span the same values: set up once, on an empty element's.
    const TConsecutivita campione;
    ConfiguraTabella(*conteggi_, campione.Tabella(TConsecutivita::TabellaConteggi));
    ConfiguraTabella(*run_, campione.Tabella(TConsecutivita::TabellaRun));
    ImpostaTabellaConteggi(*conteggi_);
    MostraElemento();
}

bool TFormConsecutivita::AcquisisceControlli(TCondizione& c)
{
    auto* gruppo = dynamic_cast<TGruppoCondizioni*>(&c);
    if (!modello_ || !gruppo) return false;
    AcquisisceElemento();
    // The group's own switch goes back with the rest, so that an unchanged copy is one.
    modello_->Copia().Attivato = RadioAttivato()->isChecked();
    return modello_->Conferma(*gruppo);
}

void TFormConsecutivita::AzzeraControlli()
{
    if (!modello_) return;
    modello_->Azzera();
    MostraElemento();
}

}  // namespace morella::ui
