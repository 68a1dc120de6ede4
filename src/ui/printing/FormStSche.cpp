#include "FormStSche.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <filesystem>

#include "ArgomentiAiuto.h"
#include "Cartelle.h"
#include "Errore.h"
#include "Fabbriche.h"
#include "FileBinario.h"
#include "Gioco.h"
#include "ServiziUi.h"
#include "Sistema.h"
#include "TelaQt.h"

namespace morella::ui {

namespace {

constexpr const char* DomandaSovrascriviPdf = "Il File è Gia Presente su Disco. Vuoi Sovrascriverlo";

// The questions of a job: the pause goes to the player; the calibration outside the page
// was told once before the pages, so a preview that repaints does not ask again.
class TDomandaStampa : public TDomanda {
   public:
    explicit TDomandaStampa(QWidget* padre) : padre_(padre) {}
    int Chiedi(const std::string& titolo, const std::string& testo, int pulsanti) override
    {
        if (testo == MessaggioTaraturaPredefinita) return PulsanteOk;
        return Servizi().Chiedi(padre_, titolo, testo, pulsanti);
    }

   private:
    QWidget* padre_;
};

QRadioButton* Radio(QWidget* padre, const char* nome, const char* testo)
{
    auto* r = new QRadioButton(QString::fromUtf8(testo), padre);
    r->setObjectName(QString::fromLatin1(nome));
    return r;
}

}  // namespace

TFormStSche::TFormStSche(TSistema& sistema, TListaColonne colonne, QWidget* parent)
    : QDialog(parent), sistema_(sistema), lungo_(*this)
{
    setObjectName(QStringLiteral("FormStSche"));
    setWindowTitle(QStringLiteral("Stampa Schedine"));
    lavoro_.Colonne = std::move(colonne);

    auto* modo = new QGroupBox(QStringLiteral("Tipo Di Stampa"), this);
    schedine_ = Radio(modo, "RadioSchedine", " Schedine");
    tabulato_ = Radio(modo, "RadioTabulato", " Tabulato");
    pausa_ = new QCheckBox(QStringLiteral("Pausa Tra Due Schedine"), modo);
    pausa_->setObjectName(QStringLiteral("CheckPausa"));
    auto* lm = new QVBoxLayout(modo);
    lm->addWidget(schedine_);
    lm->addWidget(tabulato_);
    lm->addWidget(pausa_);

    auto* intervallo = new QGroupBox(QStringLiteral("Schedine Da Stampare"), this);
    tutte_ = Radio(intervallo, "RadioTutte", " Tutte");
    da_ = Radio(intervallo, "RadioDa", " Da");
    min_ = new QSpinBox(intervallo);
    min_->setObjectName(QStringLiteral("SpinMin"));
    max_ = new QSpinBox(intervallo);
    max_->setObjectName(QStringLiteral("SpinMax"));
    auto* li = new QGridLayout(intervallo);
    li->addWidget(tutte_, 0, 0, 1, 4);
    li->addWidget(da_, 1, 0);
    li->addWidget(min_, 1, 1);
    li->addWidget(new QLabel(QStringLiteral("a"), intervallo), 1, 2);
    li->addWidget(max_, 1, 3);

    // Only the football coupon is fed either way.
    orientamento_ = new QGroupBox(QStringLiteral("Orientamento"), this);
    oriz_ = Radio(orientamento_, "RadioOriz", " Orizzontale");
    vert_ = Radio(orientamento_, "RadioVert", " Verticale");
    auto* lo = new QVBoxLayout(orientamento_);
    lo->addWidget(oriz_);
    lo->addWidget(vert_);
    oriz_->setChecked(true);
    orientamento_->setVisible(Gioco == GiocoToto);

    gauge_ = new QProgressBar(this);
    gauge_->setObjectName(QStringLiteral("Gauge"));
    gauge_->setVisible(false);

    auto* box = PulsantiOkAnnulla(this);
    ok_ = box->findChild<QPushButton*>(QStringLiteral("OKBtn"));
    pdf_ = Pulsante(this, "SalvaPdfBtn", QStringLiteral("Salva PDF"));
    box->addButton(pdf_, QDialogButtonBox::ActionRole);
    auto* aiuto = Pulsante(this, "AiutoBtn", QStringLiteral("Aiuto"));
    box->addButton(aiuto, QDialogButtonBox::HelpRole);
    connect(pdf_, &QPushButton::clicked, this, [this] { SalvaPdfClick(); });
    connect(aiuto, &QPushButton::clicked, this, [this] { Servizi().ApriAiuto(this, Aiuto::StampaColonne); });

    auto* l = new QVBoxLayout(this);
    auto* riga = new QHBoxLayout;
    riga->addWidget(modo);
    riga->addWidget(intervallo);
    l->addLayout(riga);
    l->addWidget(orientamento_);
    l->addWidget(gauge_);
    l->addWidget(box);

    schedine_->setChecked(true);
    tutte_->setChecked(true);
    connect(schedine_, &QRadioButton::toggled, this, [this] { MostraModo(); });
    connect(tutte_, &QRadioButton::toggled, this, [this] { MostraIntervallo(); });
    MostraModo();
    MostraIntervallo();
}

void TFormStSche::MostraModo()
{
    lavoro_.ImpostaModo(schedine_->isChecked() ? TModoStampa::Schedine : TModoStampa::Tabulato,
                        sistema_.Dati().Configurazione.Taratura);
    for (QSpinBox* s : {min_, max_}) s->setRange(1, lavoro_.SpinMax);
    min_->setValue(lavoro_.SpinMin);
    max_->setValue(lavoro_.SpinMax);
    pausa_->setEnabled(lavoro_.PausaAbilitata());
}

void TFormStSche::MostraIntervallo()
{
    lavoro_.Tutte = tutte_->isChecked();
    min_->setEnabled(lavoro_.SpinAbilitati());
    max_->setEnabled(lavoro_.SpinAbilitati());
}

bool TFormStSche::Prepara()
{
    lavoro_.Tutte = tutte_->isChecked();
    lavoro_.SpinMin = min_->value();
    lavoro_.SpinMax = max_->value();
    lavoro_.Pausa = lavoro_.PausaAbilitata() && pausa_->isChecked();
    lavoro_.Verso = vert_->isChecked() ? TVersoToto::Verticale : TVersoToto::Orizzontale;
    if (const auto messaggio = lavoro_.Conferma(sistema_.Dati().Configurazione.Taratura)) {
        Servizi().Chiedi(this, TitoloInformazione, *messaggio, PulsanteOk);
        return false;
    }
    return true;
}

void TFormStSche::AvvisaTaratura()
{
    if (!lavoro_.TaraturaNellaPagina(sistema_.Dati().Configurazione.Taratura))
        Servizi().Chiedi(this, TitoloInformazione, MessaggioTaraturaPredefinita, PulsanteOk);
}

void TFormStSche::accept()
{
    if (InStampa() || !Prepara()) return;
    AvvisaTaratura();
    TDomandaStampa domanda(this);
    const TConfigurazione& cfg = sistema_.Dati().Configurazione;
    bool finita = true;
    std::string errore;
    // The preview draws the job from inside its own painting: a failure is kept and shown
    // once it closes.
    const auto lavoro = [&](TTelaStampa& tela) {
        try {
            finita = lavoro_.Stampa(tela, domanda, sistema_.NomeFile, cfg);
        } catch (const std::exception& e) {
            errore = e.what();
        }
    };
    const bool stampato =
        lavoro_.Pausa ? Servizi().StampaDiretta(this, lavoro) : Servizi().AnteprimaEStampa(this, lavoro);
    if (!errore.empty()) {
        Servizi().MostraErrore(this, errore);
        return;
    }
    if (stampato && finita) QDialog::accept();
}

void TFormStSche::SalvaPdfClick()
{
    if (InStampa() || !Prepara()) return;
    TRichiestaFile r;
    r.Salva = true;
    r.Titolo = "Salva PDF";
    r.Filtro = "File PDF|*.pdf";
    r.Estensione = "pdf";
    r.Cartella = CartellaSistemi();
    const std::string sistema = std::filesystem::path(sistema_.NomeFile).stem().string();
    r.Nome = (sistema.empty() ? std::string("Schedine") : sistema) + ".pdf";
    const auto file = Servizi().ScegliFile(this, r);
    if (!file) return;
    if (FileEsiste(*file) && Servizi().Chiedi(this, TitoloInformazione, DomandaSovrascriviPdf,
                                              PulsanteSi | PulsanteNo) != PulsanteSi)
        return;
    AvvisaTaratura();

    // A file is one job: the coupons a pause would eject one by one become its pages.
    TStampaSchedine lavoro = lavoro_;
    lavoro.Pausa = false;
    gauge_->setRange(0, lavoro.DaStampare());
    gauge_->setValue(0);
    lavoro.Prosegui = [this](int fatte, int) {
        gauge_->setValue(fatte);
        return !lungo_.Annullato();
    };
    TDomandaStampa domanda(this);
    const std::string messaggio =
        lavoro.Modo == TModoStampa::Tabulato ? MessaggioStampaTabulato : MessaggioStampaSchedine;
    bool fermata = false;
    std::string errore;
    gauge_->setVisible(true);
    ok_->setEnabled(false);
    pdf_->setEnabled(false);
    lungo_.Esegui(
        [&] {
            try {
                piattaforma::StampaPdf(
                    *file,
                    [&](TTelaStampa& tela) {
                        // Stopped: no file is written, the old one stays.
                        if (!lavoro.Stampa(tela, domanda, sistema_.NomeFile,
                                           sistema_.Dati().Configurazione)) {
                            fermata = true;
                            throw EErrore(messaggio);
                        }
                    },
                    messaggio);
            } catch (const std::exception& e) {
                errore = e.what();
            }
        },
        [this] {
            gauge_->setVisible(false);
            ok_->setEnabled(true);
            pdf_->setEnabled(true);
        });
    if (fermata) return;
    if (!errore.empty()) {
        Servizi().MostraErrore(this, errore);
        return;
    }
    QDialog::accept();
}

void TFormStSche::reject()
{
    // During a job "Annulla" stops it; the dialog stays for another try.
    if (InStampa()) {
        lungo_.ChiediAnnullamento();
        return;
    }
    QDialog::reject();
}

void TFormStSche::closeEvent(QCloseEvent* e)
{
    if (InStampa()) {
        lungo_.ChiediAnnullamento();
        e->ignore();
        return;
    }
    QDialog::closeEvent(e);
}

void TFormStSche::Esegui(TSistema& sistema, TListaColonne colonne, QWidget* padre)
{
    TFormStSche d(sistema, std::move(colonne), padre);
    if (d.lavoro_.Schedine(sistema.Dati().Configurazione.Taratura) == 0) {
        Servizi().Chiedi(padre, TitoloInformazione, MessaggioNessunaSchedina, PulsanteOk);
        return;
    }
    Servizi().EseguiDialogo(d);
}

}  // namespace morella::ui
