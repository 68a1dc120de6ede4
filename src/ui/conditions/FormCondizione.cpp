#include "FormCondizione.h"
#include "Fabbriche.h"

#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>

#include "Archivio.h"
#include "Condizione.h"
#include "DatiSistema.h"
#include "ElencoCondizioni.h"
#include "RegistroFinestre.h"
#include "ServiziUi.h"

namespace morella::ui {

namespace {

QRect SchermoDi(const QWidget* w)
{
    const QScreen* s = w->screen() ? w->screen() : QGuiApplication::primaryScreen();
    return s ? s->availableGeometry() : QRect(0, 0, 1024, 768);
}

}  // namespace

TFormCondizione::TFormCondizione(const QString& titolo, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(titolo);
    auto* l = new QVBoxLayout(this);
    l->setContentsMargins(6, 6, 6, 6);
    l->setSpacing(4);

    auto* stato = new QHBoxLayout;
    attivato_ = new QRadioButton(QStringLiteral("Attivato"), this);
    attivato_->setObjectName(QStringLiteral("Attivato"));
    disattivato_ = new QRadioButton(QStringLiteral("Disattivato"), this);
    disattivato_->setObjectName(QStringLiteral("Disattivato"));
    attivato_->setChecked(true);
    stato->addWidget(attivato_);
    stato->addWidget(disattivato_);
    stato->addStretch(1);
    l->addLayout(stato);

    scorri_ = new QScrollArea(this);
    scorri_->setObjectName(QStringLiteral("AreaControlli"));
    scorri_->setFrameShape(QFrame::NoFrame);
    scorri_->setWidgetResizable(true);
    contenuto_ = new QWidget(scorri_);
    area_ = new QVBoxLayout(contenuto_);
    area_->setContentsMargins(0, 0, 0, 0);
    area_->setSpacing(4);
    scorri_->setWidget(contenuto_);
    l->addWidget(scorri_, 1);

    auto* pulsanti = new QHBoxLayout;
    azzera_ = Pulsante(this, "AzzeraBtn", QStringLiteral("Azzera "));
    archivio_ = Pulsante(this, "ArchivioBtn", QStringLiteral("Archivio"));
    analisi_ = Pulsante(this, "AnalisiBtn", QStringLiteral("Analisi"));
    ok_ = Pulsante(this, "OKBtn", QStringLiteral("OK"));
    ok_->setDefault(true);
    annulla_ = Pulsante(this, "AnnullaBtn", QStringLiteral("Annulla"));
    for (QPushButton* b : {azzera_, archivio_, analisi_}) pulsanti->addWidget(b);
    pulsanti->addStretch(1);
    pulsanti->addWidget(ok_);
    pulsanti->addWidget(annulla_);
    l->addLayout(pulsanti);
    archivio_->setEnabled(false);
    analisi_->setEnabled(false);

    connect(azzera_, &QPushButton::clicked, this, &TFormCondizione::Azzera);
    connect(archivio_, &QPushButton::clicked, this, &TFormCondizione::ApriArchivio);
    connect(analisi_, &QPushButton::clicked, this, &TFormCondizione::ApriAnalisi);
    connect(ok_, &QPushButton::clicked, this, [this] {
        if (Confermabile()) accept();
    });
    connect(annulla_, &QPushButton::clicked, this, &QDialog::reject);
}

void TFormCondizione::ImpostaOggetto(TCondizione& c)
{
    oggetto_ = &c;
}

void TFormCondizione::LegaTabella(TGraphPt* controllo, TTrovaTabella trova)
{
    legami_.push_back({controllo, std::move(trova)});
}

std::vector<TGraphPt*> TFormCondizione::Tabelle() const
{
    std::vector<TGraphPt*> r;
    for (const auto& l : legami_) r.push_back(l.Controllo);
    return r;
}

void TFormCondizione::ConfiguraTabella(TGraphPt& g, const TTabellaValori& t)
{
    g.ImpostaNumEvents(morella::NumEvents);
    g.ImpostaPtIniziale(0);
    g.ImpostaPtTotali(t.Massimo());
    g.ImpostaTipoPunti(true);
    g.ImpostaTipoCons(t.ConConsecutivita());
    g.ImpostaTipoCampo(true);
    // As many boxes as fit beside the frame on this screen; the arrows page the rest.
    g.ImpostaPtVisibili(t.Massimo() + 1);
    const int spazio = SchermoDi(this).width() - 60;
    const int largo = g.Griglia()->sizeHint().width();
    if (largo > spazio) {
        const TGeometriaGraphPt geo = g.Griglia()->Geometria();
        const int fissi = largo - geo.Box * geo.LBox;
        g.ImpostaPtVisibili(std::max(4, (spazio - fissi) / std::max(1, geo.LBox)));
    }
}

void TFormCondizione::AggiornaForm()
{
    if (!oggetto_) return;
    TCondizione& c = *oggetto_;
    attivato_->setChecked(c.Attivato);
    disattivato_->setChecked(!c.Attivato);
    AggiornaTabelle();
    AggiornaControlli(c);
    const auto& registro = RegistroFinestre();
    const TElencoCondizioni* elenco = c.Elenco();
    const TDatiSistema* dati = elenco ? elenco->Dati : nullptr;
    const int concorsi = dati && dati->Archivio ? dati->Archivio->NumeroConcorsi() : 0;
    archivio_->setEnabled(ArchivioAbilitato(concorsi, static_cast<bool>(registro.archivioCondizione)));
    analisi_->setEnabled(AnalisiAbilitata(static_cast<bool>(registro.analisiCondizione),
                                          dati ? dati->Colonne.Conta() : 0,
                                          dati && PronosticoCompleto(dati->Pronostico)));
    AdattaAlloSchermo();
}

void TFormCondizione::AggiornaTabelle()
{
    for (auto& l : legami_) {
        l.Azzerata = false;
        const TTabellaValori* t = oggetto_ && l.Trova ? l.Trova(*oggetto_) : nullptr;
        l.Controllo->setEnabled(t != nullptr);
        if (!t) continue;
        ConfiguraTabella(*l.Controllo, *t);
        l.Controllo->ImpostaTabella(*t);
    }
}

bool TFormCondizione::AcquisisceForm()
{
    if (!oggetto_) return false;
    TCondizione& c = *oggetto_;
    bool cambiato = AcquisisceTabelle();
    cambiato = AcquisisceControlli(c) || cambiato;
    cambiato = RiportaAttivato(c, attivato_->isChecked()) || cambiato;
    return cambiato;
}

bool TFormCondizione::AcquisisceTabelle()
{
    if (!oggetto_) return false;
    TCondizione& c = *oggetto_;
    bool cambiato = false;
    for (auto& l : legami_) {
        TTabellaValori* t = l.Trova ? l.Trova(c) : nullptr;
        if (!t || !l.Controllo->Modificato()) continue;
        // A reset table is read over its reset form, so that what the control does not show
        // (the spare pairs) is reset too.
        TTabellaValori letta = l.Azzerata ? TabellaAzzerata(*t) : *t;
        l.Controllo->LeggiTabella(letta);
        cambiato = RiportaTabella(true, letta, *t) || cambiato;
        // Copied: a second call (a group editor leaving an element, then OK) copies nothing.
        l.Controllo->ImpostaModificato(false);
        l.Azzerata = false;
    }
    return cambiato;
}

std::unique_ptr<TCondizione> TFormCondizione::CopiaDalForm()
{
    if (!oggetto_) return nullptr;
    std::unique_ptr<TCondizione> copia = oggetto_->Clona();
    for (auto& l : legami_) {
        TTabellaValori* t = l.Trova ? l.Trova(*copia) : nullptr;
        if (!t || !l.Controllo->Modificato()) continue;
        TTabellaValori letta = l.Azzerata ? TabellaAzzerata(*t) : *t;
        l.Controllo->LeggiTabella(letta);
        RiportaTabella(true, letta, *t);
    }
    AcquisisceControlli(*copia);
    RiportaAttivato(*copia, attivato_->isChecked());
    return copia;
}

int TFormCondizione::Esegui(TCondizione& c)
{
    ImpostaOggetto(c);
    AggiornaForm();
    const bool confermato = Servizi().EseguiDialogo(*this) == QDialog::Accepted;
    const bool cambiato = confermato && AcquisisceForm();
    return EsitoEditore(confermato, cambiato);
}

void TFormCondizione::Azzera()
{
    for (auto& l : legami_) {
        TTabellaValori* t = oggetto_ && l.Trova ? l.Trova(*oggetto_) : nullptr;
        if (!t) continue;
        l.Controllo->ImpostaTabella(TabellaAzzerata(*t));
        // Loading cleared the control's mark; the reset is a change OK must copy back.
        l.Controllo->ImpostaModificato(true);
        l.Azzerata = true;
    }
    AzzeraControlli();
    attivato_->setChecked(true);
}

void TFormCondizione::AdattaAlloSchermo()
{
    const QRect schermo = SchermoDi(this);
    contenuto_->adjustSize();
    const QSize voluto = contenuto_->sizeHint();
    const int barra = scorri_->verticalScrollBar()->sizeHint().width();
    // Room left for the area once the switch, the buttons and the window frame are counted.
    const int altroV = attivato_->sizeHint().height() + ok_->sizeHint().height() + 60;
    const int larghezza = std::min(voluto.width() + barra + 4, schermo.width() - 24);
    const int altezza = std::min(voluto.height() + 4, schermo.height() - altroV);
    scorri_->setMinimumSize(std::max(100, larghezza), std::max(80, altezza));
    adjustSize();
    resize(size().boundedTo(schermo.size() - QSize(8, 30)));
}

void TFormCondizione::AggiornaControlli(TCondizione&) {}
bool TFormCondizione::AcquisisceControlli(TCondizione&)
{
    return false;
}
void TFormCondizione::AzzeraControlli() {}

void TFormCondizione::ApriArchivio()
{
    const auto& apri = RegistroFinestre().archivioCondizione;
    if (apri && oggetto_ && ArchivioConsentito()) apri(*oggetto_, this);
}

void TFormCondizione::ApriAnalisi()
{
    const auto& apri = RegistroFinestre().analisiCondizione;
    if (apri && oggetto_) apri(*oggetto_, this);
}

}  // namespace morella::ui
