#include "FormEditoriGruppi.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QScreen>
#include <QSpinBox>
#include <QVBoxLayout>

#include "ColonnaFiltro.h"
#include "CondizioneAPesi.h"
#include "DatiSistema.h"
#include "EditColonna.h"
#include "EditIntervalli.h"
#include "EditoriGruppi.h"
#include "ElencoCondizioni.h"
#include "GraphPt.h"
#include "PannelloSc.h"
#include "Percentuali.h"
#include "Sequele.h"
#include "ServiziUi.h"
#include "Valori.h"

namespace morella::ui {

namespace {

TGraphPt* Tabella(QWidget* padre, const char* nome, const QString& titolo)
{
    auto* g = new TGraphPt(padre);
    g->setObjectName(QString::fromLatin1(nome));
    g->ImpostaTitolo(titolo);
    return g;
}

QSpinBox* Campo(QWidget* padre, const char* nome, int minimo, int massimo)
{
    auto* s = new QSpinBox(padre);
    s->setObjectName(QString::fromLatin1(nome));
    s->setRange(minimo, massimo);
    return s;
}

TEditColonna* Colonna(QWidget* padre, const char* nome, bool singolo)
{
    auto* c = new TEditColonna(padre);
    c->setObjectName(QString::fromLatin1(nome));
    c->ImpostaGioco(Gioco);
    c->ImpostaSingolo(singolo);
    c->ImpostaContiguo(singolo);
    return c;
}

}  // namespace

// ---- "Sequele" ----

TFormSequela::TFormSequela(QWidget* parent) : TFormGruppo(TipoGruppoSequele, parent)
{
    setObjectName(QStringLiteral("FormSequela"));
    QWidget* box = AreaElemento()->parentWidget();
    auto* tipo = new QGroupBox(QStringLiteral("Tipo"), box);
    tipo->setObjectName(QStringLiteral("Tipo"));
    auto* lt = new QVBoxLayout(tipo);
    auto* gruppoTipi = new QButtonGroup(this);
    for (int t = 1; t <= 6; ++t) {
        auto* r = new QRadioButton(QString::fromUtf8(TestoTipoSequela(t)), tipo);
        r->setObjectName(QStringLiteral("Tipo%1").arg(t));
        gruppoTipi->addButton(r, t);
        lt->addWidget(r);
        tipi_[static_cast<std::size_t>(t - 1)] = r;
    }
    lt->addStretch(1);
    connect(gruppoTipi, &QButtonGroup::idToggled, this, [this](int, bool acceso) {
        if (acceso) TipoCambiato();
    });

    auto* passi = new QFormLayout;
    lunghezza_ = Campo(box, "Lunghezza", 0, MaxEventi);
    passoTrovata_ = Campo(box, "PassoTrovata", 0, 999);
    passoNonTrovata_ = Campo(box, "PassoNonTrovata", 0, 999);
    passi->addRow(QStringLiteral("Lunghezza"), lunghezza_);
    passi->addRow(QStringLiteral("Passo Trovata"), passoTrovata_);
    passi->addRow(QStringLiteral("Passo NonTrovata"), passoNonTrovata_);

    auto* schemaBox = new QGroupBox(QStringLiteral("Sequela"), box);
    auto* ls = new QVBoxLayout(schemaBox);
    schema_ = Colonna(schemaBox, "Schema", true);
    ls->addWidget(schema_, 0, Qt::AlignHCenter);

    auto* riga = new QHBoxLayout;
    riga->addWidget(tipo);
    riga->addLayout(passi);
    riga->addWidget(schemaBox);
    riga->addStretch(1);
    AreaElemento()->addLayout(riga);
    presenze_ = Tabella(box, "TabellaPresenze", QStringLiteral("Presenze"));
    AreaElemento()->addWidget(presenze_, 0, Qt::AlignLeft);

    // The pattern's length shows in the (greyed) length field as it is typed.
    connect(schema_, &TEditColonna::OnModificato, this, [this] {
        if (TipoScelto() != TSequele::SequelaSchema) return;
        TSceltaSequela scelta;
        scelta.SchemaContiguo = schema_->LeggiColonna(scelta.Schema);
        lunghezza_->setValue(ControllaSequela(scelta).Lunghezza);
    });
    // Every element of the group spans the same values: set up once on a new element's table.
    const TSequele campione;
    ConfiguraTabella(*presenze_, campione.Tabella(0));
}

int TFormSequela::TipoScelto() const
{
    for (int t = 1; t <= 6; ++t)
        if (tipi_[static_cast<std::size_t>(t - 1)]->isChecked()) return t;
    return TSequele::SequelaSchema;
}

void TFormSequela::TipoCambiato()
{
    const int tipo = TipoScelto();
    schema_->setEnabled(tipo == TSequele::SequelaSchema);
    lunghezza_->setEnabled(tipo != TSequele::SequelaSchema);
    // A mirror sequence has no run to judge.
    presenze_->ImpostaTipoCons(tipo != TSequele::Specchio);
}

void TFormSequela::MostraElemento(const TCondizione* e)
{
    const TSequele vuoto;
    const auto* s = dynamic_cast<const TSequele*>(e);
    if (!s) s = &vuoto;
    const int tipo = std::clamp<int>(s->TipoSequela, 1, 6);
    tipi_[static_cast<std::size_t>(tipo - 1)]->setChecked(true);
    schema_->ImpostaColonna(s->Schema);
    lunghezza_->setValue(s->Lunghezza);
    passoTrovata_->setValue(s->PassoTrovata);
    passoNonTrovata_->setValue(s->PassoNonTrovata);
    presenze_->ImpostaTabella(s->Tabella(0));
    TipoCambiato();
}

bool TFormSequela::ElementoAccettabile()
{
    const auto* s = Modello() ? Modello()->CorrenteCome<TSequele>() : nullptr;
    if (!s) return true;
    TTabellaValori campo = s->Tabella(0);
    presenze_->LeggiTabella(campo);
    TSceltaSequela scelta;
    scelta.Tipo = TipoScelto();
    scelta.SchemaContiguo = schema_->LeggiColonna(scelta.Schema);
    scelta.Lunghezza = lunghezza_->value();
    scelta.PassoTrovata = passoTrovata_->value();
    scelta.PassoNonTrovata = passoNonTrovata_->value();
    scelta.EventiCampo = campo.AEvento - campo.DaEvento + 1;
    const TEsitoSequela esito = ControllaSequela(scelta);
    if (esito.Messaggio.empty()) return true;
    Servizi().Chiedi(this, TitoloInfomazione, esito.Messaggio, PulsanteOk);
    if (esito.SulloSchema) schema_->Campo(0)->setFocus();
    return false;
}

void TFormSequela::AcquisisceElemento(TCondizione& e)
{
    auto* s = dynamic_cast<TSequele*>(&e);
    if (!s) return;
    s->TipoSequela = TipoScelto();
    if (s->TipoSequela == TSequele::SequelaSchema) {
        TSceltaSequela scelta;
        scelta.SchemaContiguo = schema_->LeggiColonna(scelta.Schema);
        s->Schema = scelta.Schema;
        s->Lunghezza = ControllaSequela(scelta).Lunghezza;
    } else {
        s->Lunghezza = lunghezza_->value();
    }
    s->PassoTrovata = passoTrovata_->value();
    s->PassoNonTrovata = passoNonTrovata_->value();
    PrendiTabella(*presenze_, s->Tabella(0));
    s->Tabella(0).ImpostaConConsecutivita(s->TipoSequela != TSequele::Specchio);
}

// ---- "Valori" and "Percentuali" ----

TFormPVP::TFormPVP(TipoCondizione tipo, QWidget* parent) : TFormGruppo(tipo, parent), tipo_(tipo)
{
    setObjectName(tipo == TipoGruppoValori ? QStringLiteral("FormValori")
                                           : QStringLiteral("FormPercentuali"));
    QWidget* box = AreaElemento()->parentWidget();
    auto* partite = new QGroupBox(QStringLiteral("Partite"), box);
    auto* lp = new QVBoxLayout(partite);
    partite_ = new TPannelloSc(partite);
    partite_->setObjectName(QStringLiteral("Partite"));
    partite_->ImpostaGioco(Gioco);
    partite_->ImpostaTipo(tipo == TipoGruppoValori ? 2 : 3);
    lp->addWidget(partite_);
    intervalli_ = new TEditIntervalli(QStringLiteral("Intervalli"), box);
    intervalli_->setObjectName(QStringLiteral("Intervalli"));
    // Side by side where the screen is wide enough, else one over the other (the area scrolls
    // down, which reads better than sideways).
    const QScreen* schermo = QGuiApplication::primaryScreen();
    const bool stretto = schermo && schermo->availableGeometry().width() < 960;
    auto* riga = new QBoxLayout(stretto ? QBoxLayout::TopToBottom : QBoxLayout::LeftToRight);
    riga->addWidget(partite, 0, stretto ? Qt::AlignLeft : Qt::AlignTop);
    riga->addWidget(intervalli_, 1);
    AreaElemento()->addLayout(riga);
}

void TFormPVP::AggiornaControlli(TCondizione& c)
{
    // The panel shows the system's names, prediction and values or percentages.
    const TElencoCondizioni* elenco = c.Elenco();
    if (const TDatiSistema* d = elenco ? elenco->Dati : nullptr) {
        partite_->ImpostaNomi(d->NomiEventi);
        partite_->ImpostaPronostico(d->Pronostico);
        if (tipo_ == TipoGruppoValori)
            partite_->ImpostaValori(d->Valori);
        else
            partite_->ImpostaPercentuali(d->Percentuali);
    }
    TFormGruppo::AggiornaControlli(c);
}

void TFormPVP::MostraElemento(const TCondizione* e)
{
    const auto* p = dynamic_cast<const TCondizioneAPesi*>(e);
    std::array<bool, MaxEventi> partite{};
    if (p) partite = p->Partite;
    partite_->ImpostaSelezionati(partite);
    intervalli_->ImpostaTabella(p ? p->Intervalli : TTabellaIntervalli{});
}

void TFormPVP::AcquisisceElemento(TCondizione& e)
{
    auto* p = dynamic_cast<TCondizioneAPesi*>(&e);
    if (!p) return;
    const auto scelte = partite_->Selezionati();
    for (int i = 0; i < MaxEventi; ++i)
        p->Partite[static_cast<std::size_t>(i)] = scelte[static_cast<std::size_t>(i)] != 0;
    if (intervalli_->Modificato()) {
        const bool inUso = p->Intervalli.InUso;
        p->Intervalli = intervalli_->Tabella();
        p->Intervalli.InUso = inUso;
        intervalli_->ImpostaModificato(false);
    }
}

void TFormPVP::AzzeraElemento(TCondizione& e)
{
    if (auto* p = dynamic_cast<TCondizioneAPesi*>(&e)) p->AzzeraIntervalli();
}

bool TFormPVP::ArchivioConsentito()
{
    const TTabellaIntervalli& t = intervalli_->Tabella();
    if (Modello() && !Modello()->Vuoto() && t.NumeroIntervalli > 0) return true;
    Servizi().Chiedi(this, TitoloInformazione, MessaggioNessunIntervallo, PulsanteOk);
    return false;
}

// ---- "Colonne Filtro" ----

TFormListaColFiltro::TFormListaColFiltro(QWidget* parent) : TFormGruppo(TipoGruppoColonneFiltro, parent)
{
    setObjectName(QStringLiteral("FormListaColFiltro"));
    QWidget* box = AreaElemento()->parentWidget();
    auto* colonna = new QGroupBox(QStringLiteral("Colonna Filtro"), box);
    auto* lc = new QVBoxLayout(colonna);
    colonna_ = Colonna(colonna, "ColonnaFiltro", false);
    lc->addWidget(colonna_, 0, Qt::AlignHCenter);
    punti_ = Tabella(box, "TabellaPunti", QStringLiteral("Punti"));
    auto* riga = new QHBoxLayout;
    riga->addWidget(colonna);
    riga->addWidget(punti_, 0, Qt::AlignTop);
    riga->addStretch(1);
    AreaElemento()->addLayout(riga);
    const TColonnaFiltro campione;
    ConfiguraTabella(*punti_, campione.Tabella(TColonnaFiltro::TabellaPunti));
    // Every event takes part whatever the range: the range page would only mislead.
    punti_->ImpostaTipoCampo(false);
}

void TFormListaColFiltro::MostraElemento(const TCondizione* e)
{
    const TColonnaFiltro vuoto;
    const auto* f = dynamic_cast<const TColonnaFiltro*>(e);
    if (!f) f = &vuoto;
    colonna_->ImpostaColonna(f->ColonnaFiltro);
    punti_->ImpostaTabella(f->Tabella(TColonnaFiltro::TabellaPunti));
}

void TFormListaColFiltro::AcquisisceElemento(TCondizione& e)
{
    auto* f = dynamic_cast<TColonnaFiltro*>(&e);
    if (!f) return;
    if (colonna_->Modificato()) {
        TColonna c{};
        colonna_->LeggiColonna(c);
        // Only the events are the player's; what lies beyond them stays as it was.
        for (int i = 0; i < NumEvents; ++i)
            f->ColonnaFiltro[static_cast<std::size_t>(i)] = c[static_cast<std::size_t>(i)];
        colonna_->ImpostaModificato(false);
    }
    PrendiTabella(*punti_, f->Tabella(TColonnaFiltro::TabellaPunti));
}

}  // namespace morella::ui
