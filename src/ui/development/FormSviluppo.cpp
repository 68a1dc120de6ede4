#include "FormSviluppo.h"
#include "Fabbriche.h"

#include "Errore.h"
#include "ServiziUi.h"
#include "StampaPossibilita.h"
#include "TelaQt.h"

#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPieSeries>
#include <QPieSlice>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "FormPossibilita.h"
#include "LungaElaborazione.h"
#include "RegistroFinestre.h"
#include "Sistema.h"

namespace morella::ui {

// The engine's progress and cancel calls, handed to the window.
class TFormSviluppo::TOsservatore : public TOsservatoreSviluppo {
   public:
    explicit TOsservatore(TFormSviluppo& f) : f_(f) {}
    void AggiornaCond(std::int64_t iniziali, std::int64_t tenute, bool finale,
                      std::int64_t sviluppate) override
    {
        f_.MostraCondizionamento(iniziali, tenute, finale, sviluppate);
    }
    void AggiornaRid(int totale, int tenute, bool finale, int elaborate) override
    {
        f_.MostraRiduzione(totale, tenute, finale, elaborate);
    }
    void AggiornaOttimizzazione(int colonneOra, int migliore, double secondiRimasti) override
    {
        f_.MostraOttimizzazione(colonneOra, migliore, secondiRimasti);
    }
    void Stato(const std::string& testo) override { f_.MostraStato(testo); }
    void Percentuale(int percento) override { f_.MostraPercentuale(percento); }
    bool Annullato() override { return f_.Annullato(); }

   private:
    TFormSviluppo& f_;
};

namespace {

// Wide enough for every column count on one line; a count with its Corsa + multiplier
// ("1296 × 3 = 3888 (£ 3110400)") may take a second line rather than widen the window
// past a small screen.
QLabel* Valore(const char* nome)
{
    QLabel* l = EtichettaValore(nome, QStringLiteral("531441 (£ 425152800)"));
    l->setWordWrap(true);
    return l;
}

void Trattieni(QWidget* w)
{
    QSizePolicy sp = w->sizePolicy();
    sp.setRetainSizeWhenHidden(true);
    w->setSizePolicy(sp);
}

}  // namespace

TFormSviluppo::TFormSviluppo(TSistema& sistema, QWidget* parent)
    : QDialog(parent), sistema_(sistema), lungo_(*this)
{
    setObjectName(QStringLiteral("FormSviluppo"));
    setWindowTitle(QStringLiteral("Sviluppo"));
    setModal(false);

    stato_ = new QLabel;
    stato_->setObjectName(QStringLiteral("LabelStato"));
    stato_->setFrameShape(QFrame::StyledPanel);
    stato_->setMinimumHeight(stato_->fontMetrics().height() + 8);

    gruppoC_ = new QGroupBox(QStringLiteral("Condizionamento"));
    gruppoC_->setObjectName(QStringLiteral("GroupCondizionamento"));
    auto* gc = new QGridLayout(gruppoC_);
    iniziali_ = Valore("ColonneIniziali");
    finali_ = Valore("ColonneFinali");
    filtrate_ = Valore("ColonneFiltrate");
    gc->addWidget(new QLabel(QStringLiteral("Colonne Iniziali :")), 0, 0);
    gc->addWidget(iniziali_, 0, 1);
    gc->addWidget(new QLabel(QStringLiteral("Colonne Finali :")), 1, 0);
    gc->addWidget(finali_, 1, 1);
    gc->addWidget(new QLabel(QStringLiteral("Colonne Filtrate :")), 2, 0);
    gc->addWidget(filtrate_, 2, 1);
    gaugeC_ = new QProgressBar;
    gaugeC_->setObjectName(QStringLiteral("GaugeC"));
    gc->addWidget(gaugeC_, 3, 0, 1, 2);
    tortaC_ = Torta("TortaC");
    gc->addWidget(tortaC_, 4, 0, 1, 2);
    gc->setColumnStretch(1, 1);
    gc->setRowStretch(4, 1);

    gruppoR_ = new QGroupBox(QStringLiteral("Autoriduzione N-1"));
    gruppoR_->setObjectName(QStringLiteral("GroupRiduzione"));
    auto* gr = new QGridLayout(gruppoR_);
    rFinali_ = Valore("RColonneFinali");
    rFiltrate_ = Valore("RColonneFiltrate");
    fattore_ = Valore("LabelFattore");
    cr_ = Valore("LabelCR");
    const char* didascalie[] = {
        "Colonne Finali :", "Colonne Filtrate :", "Fattore Di Riduzione :", "Colonne Elaborate :"};
    QLabel* valori[] = {rFinali_, rFiltrate_, fattore_, cr_};
    for (int i = 0; i < 4; ++i) {
        auto* d = new QLabel(QString::fromUtf8(didascalie[i]));
        gr->addWidget(d, i, 0);
        gr->addWidget(valori[i], i, 1);
        etichetteR_ << d << valori[i];
    }
    for (QWidget* w : etichetteR_) Trattieni(w);
    gaugeR_ = new QProgressBar;
    gaugeR_->setObjectName(QStringLiteral("GaugeR"));
    gr->addWidget(gaugeR_, 4, 0, 1, 2);
    tortaR_ = Torta("TortaR");
    gr->addWidget(tortaR_, 5, 0, 1, 2);
    gr->setColumnStretch(1, 1);
    gr->setRowStretch(5, 1);

    informazioni_ = new QPushButton(QStringLiteral("Informazioni..."));
    informazioni_->setObjectName(QStringLiteral("BtnInformazioni"));
    annulla_ = new QPushButton(QStringLiteral("Annulla"));
    annulla_->setObjectName(QStringLiteral("BtnAnnulla"));
    annulla_->setAutoDefault(false);
    informazioni_->setAutoDefault(false);
    connect(annulla_, &QPushButton::clicked, this, &TFormSviluppo::AnnullaClick);
    connect(informazioni_, &QPushButton::clicked, this, &TFormSviluppo::InformazioniClick);

    auto* gruppi = new QHBoxLayout;
    gruppi->addWidget(gruppoC_);
    gruppi->addWidget(gruppoR_);
    auto* pulsanti = new QHBoxLayout;
    pulsanti->addStretch();
    pulsanti->addWidget(informazioni_);
    pulsanti->addWidget(annulla_);
    auto* tutto = new QVBoxLayout(this);
    tutto->addWidget(stato_);
    tutto->addLayout(gruppi, 1);
    tutto->addLayout(pulsanti);

    Prepara();
}

TFormSviluppo::~TFormSviluppo() = default;

void TFormSviluppo::Prepara()
{
    const TImpostazioniSviluppo& imp = sistema_.Dati().Impostazioni;
    stato_->clear();
    for (QLabel* l : {iniziali_, finali_, filtrate_, rFinali_, rFiltrate_, fattore_, cr_}) l->clear();
    gaugeC_->setValue(0);
    gaugeR_->setValue(0);
    indicatoreC_.Azzera();
    indicatoreR_.Azzera();
    ottimizzazione_.reset();
    tortaC_->hide();
    tortaR_->hide();
    for (QWidget* w : etichetteR_) w->hide();
    gruppoR_->setTitle(QString::fromStdString(TitoloRiduzione(imp)));
    gruppoR_->setEnabled(imp.Autoriduzione);
    informazioni_->setEnabled(false);
}

void TFormSviluppo::Esegui()
{
    if (lungo_.InCorso()) return;
    Prepara();
    show();
    raise();
    activateWindow();

    TOsservatore oss(*this);
    chiudiAllaFine_ = false;
    esito_ = TEsitoSviluppo{};
    lungo_.IntervalloEventi = IntervalloEventi;
    lungo_.Esegui(
        [&] {
            esito_ = Sviluppa(sistema_, &oss);
            informazioni_->setEnabled(InformazioniAbilitate(sistema_.Dati().Impostazioni, esito_));
        },
        [this] {
            if (chiudiAllaFine_) close();
            if (DopoSviluppo) DopoSviluppo();
        });
}

void TFormSviluppo::Pompa(bool forza)
{
    lungo_.Pompa(forza);
}

bool TFormSviluppo::Annullato()
{
    return lungo_.Annullato();
}

void TFormSviluppo::MostraCondizionamento(std::int64_t iniziali, std::int64_t tenute, bool finale,
                                          std::int64_t sviluppate)
{
    const int percento = Percentuale(sviluppate, iniziali);
    if (indicatoreC_.Aggiorna(percento, finale)) {
        const TDatiSistema& d = sistema_.Dati();
        const auto t = TestiCondizionamento(iniziali, tenute, sviluppate, d.Configurazione.CostoUnitario(),
                                            sistema_.Partecipanti, MoltiplicatoreCorsaPiu(d.CorsaPiu),
                                            d.Configurazione.Valuta);
        iniziali_->setText(QString::fromStdString(t.ColonneIniziali));
        finali_->setText(QString::fromStdString(t.ColonneFinali));
        filtrate_->setText(QString::fromStdString(t.ColonneFiltrate));
        gaugeC_->setValue(t.percentuale);
        // The end of the conditions phase (not the opening update, which has nothing examined).
        if (finale && iniziali > 0 && sviluppate == iniziali)
            RiempiTorta(tortaC_, TortaCondizionamento(iniziali, tenute));
    }
    Pompa(false);
}

void TFormSviluppo::MostraRiduzione(int totale, int tenute, bool finale, int elaborate)
{
    const int percento = Percentuale(elaborate, totale);
    // The optimised search reports its best size here as well; its gauge shows the time.
    const bool cerca = ottimizzazione_.has_value() && !finale;
    if (finale) ottimizzazione_.reset();
    if (cerca || indicatoreR_.Aggiorna(percento, finale)) {
        for (QWidget* w : etichetteR_) w->show();
        const TDatiSistema& d = sistema_.Dati();
        const auto t =
            TestiRiduzione(totale, tenute, elaborate, d.Configurazione.CostoUnitario(), sistema_.Partecipanti,
                           MoltiplicatoreCorsaPiu(d.CorsaPiu), d.Configurazione.Valuta);
        rFinali_->setText(QString::fromStdString(t.RColonneFinali));
        rFiltrate_->setText(QString::fromStdString(t.RColonneFiltrate));
        fattore_->setText(QString::fromStdString(t.LabelFattore));
        cr_->setText(QString::fromStdString(t.LabelCR));
        if (!cerca) gaugeR_->setValue(t.percentuale);
        if (finale && elaborate > 0) RiempiTorta(tortaR_, TortaRiduzione(elaborate, tenute));
    }
    Pompa(false);
}

void TFormSviluppo::MostraOttimizzazione(int colonneOra, int migliore, double secondiRimasti)
{
    // The accurate reduction before the search left its full gauge and its pie: the search
    // starts the gauge again, and the pie returns with the final size.
    const bool primo = !ottimizzazione_;
    if (primo) {
        ottimizzazione_.emplace();
        tortaR_->hide();
    }
    const auto t = ottimizzazione_->Aggiorna(colonneOra, migliore, secondiRimasti);
    stato_->setText(QString::fromStdString(t.stato));
    if (indicatoreR_.Aggiorna(t.percentuale, primo)) gaugeR_->setValue(t.percentuale);
    Pompa(false);
}

void TFormSviluppo::MostraStato(const std::string& testo)
{
    stato_->setText(QString::fromStdString(testo));
    if (lungo_.InCorso()) Pompa(true);
}

void TFormSviluppo::MostraPercentuale(int percento)
{
    // The winning possibilities reuse the reduction gauge from 0.
    if (percento == 0) indicatoreR_.Azzera();
    gaugeR_->setValue(percento);
    Pompa(false);
}

void TFormSviluppo::AnnullaClick()
{
    // During a run the engine sees the request at its next poll and goes on to its final
    // steps; the window closes either way.
    if (lungo_.InCorso()) {
        lungo_.ChiediAnnullamento();
        chiudiAllaFine_ = true;
    } else {
        close();
    }
}

void TFormSviluppo::InformazioniClick()
{
    TFormPossibilita finestra(sistema_, this);
    Servizi().EseguiDialogo(finestra);
}

void TFormSviluppo::closeEvent(QCloseEvent* e)
{
    // Closing the frame during a run means stopping it; the window goes away once idle.
    if (lungo_.InCorso()) {
        lungo_.ChiediAnnullamento();
        e->ignore();
        return;
    }
    QDialog::closeEvent(e);
}

void TFormSviluppo::reject()
{
    if (lungo_.InCorso())
        lungo_.ChiediAnnullamento();
    else
        QDialog::reject();
}

// ---- Registry ----------------------------------------------------------------------------

namespace {
QPointer<TFormSviluppo> finestraSviluppo;
}

TFormSviluppo* FinestraSviluppo()
{
    return finestraSviluppo.data();
}

void RegistraFinestreSviluppo()
{
    // "Stampa" of the winning possibilities: a preview first, then the printer.
    TRegistroFinestre& r = RegistroFinestre();
    r.stampaPossibilita = [](const TSistema& sistema, QWidget* genitore) {
        const TDatiSistema& d = sistema.Dati();
        try {
            Servizi().AnteprimaEStampa(
                genitore, [&d](TTelaStampa& tela) { StampaPossibilita(d.Possibilita, d.Pronostico, tela); });
        } catch (const EErrore& e) {
            Servizi().MostraErrore(genitore, e.what());
        }
    };
    r.sviluppo = [](TSistema& sistema, QWidget* genitore) {
        // One window for the whole run; a different system (only in tests) gets a new one.
        if (finestraSviluppo && &finestraSviluppo->Sistema() != &sistema) delete finestraSviluppo.data();
        if (!finestraSviluppo) {
            finestraSviluppo = new TFormSviluppo(sistema, genitore);
            if (!genitore)
                QObject::connect(qApp, &QCoreApplication::aboutToQuit, finestraSviluppo.data(),
                                 &QObject::deleteLater);
        }
        finestraSviluppo->Esegui();
    };
    r.possibilita = [](TSistema& sistema, QWidget* genitore) {
        TFormPossibilita finestra(sistema, genitore);
        Servizi().EseguiDialogo(finestra);
    };
}

}  // namespace morella::ui
