#include "FormDettSche.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include "ArgomentiAiuto.h"
#include "Errore.h"
#include "Fabbriche.h"
#include "Gioco.h"
#include "QuattroColonne.h"
#include "ServiziUi.h"

namespace morella::ui {

TFormDettSche::TFormDettSche(std::vector<TSchedinaVin> schedine, TVoceDettatura voce, QWidget* parent)
    : QDialog(parent), voce_(std::move(voce)), dettatura_(*voce_.Lettore, *voce_.Temporizzatore)
{
    setObjectName(QStringLiteral("FormDettSche"));
    setWindowTitle(QStringLiteral("Dettatura Schedine"));
    vista_ = new TQuattroColonne(this);
    vista_->setObjectName(QStringLiteral("QuattroColonne"));
    vista_->ImpostaGioco(Gioco);
    vista_->ImpostaNumEvents(NumEvents);

    play_ = Pulsante(this, "BtnPlay", QStringLiteral("Play"));
    pausa_ = Pulsante(this, "BtnPausa", QStringLiteral("Pausa"));
    stop_ = Pulsante(this, "BtnStop", QStringLiteral("Stop"));
    connect(play_, &QPushButton::clicked, this, [this] { Comando(&TDettatura::Avvia); });
    connect(pausa_, &QPushButton::clicked, this, [this] { Comando(&TDettatura::Pausa); });
    connect(stop_, &QPushButton::clicked, this, [this] { Comando(&TDettatura::Ferma); });
    auto* tasti = new QHBoxLayout;
    tasti->addWidget(play_);
    tasti->addWidget(pausa_);
    tasti->addWidget(stop_);

    auto* impostazioni = new QGroupBox(QStringLiteral("Impostazioni"), this);
    spinPausa_ = new QSpinBox(impostazioni);
    spinPausa_->setObjectName(QStringLiteral("SpinPausa"));
    spinPausa_->setRange(TDettatura::PausaMinima, TDettatura::PausaMassima);
    spinPausa_->setValue(TDettatura::PausaIniziale);
    spinPausa_->setSuffix(QStringLiteral("  ( Decimi di Sec. )"));
    pausaDopo_ = new QCheckBox(QStringLiteral("Pausa Dopo Ogni Schedina"), impostazioni);
    pausaDopo_->setObjectName(QStringLiteral("CheckPausaDopoSc"));
    pausaDopo_->setChecked(true);
    perColonne_ = new QRadioButton(QStringLiteral(" Dettatura per Colonne"), impostazioni);
    perColonne_->setObjectName(QStringLiteral("Radiopercolonne"));
    perRighe_ = new QRadioButton(QStringLiteral(" Dettatura per Righe"), impostazioni);
    perRighe_->setObjectName(QStringLiteral("RadioPerRighe"));
    perColonne_->setChecked(true);
    min_ = new QSpinBox(impostazioni);
    min_->setObjectName(QStringLiteral("SpinMin"));
    max_ = new QSpinBox(impostazioni);
    max_->setObjectName(QStringLiteral("SpinMax"));
    auto* lf = new QFormLayout(impostazioni);
    lf->addRow(QStringLiteral("Pausa tra due Segni "), spinPausa_);
    lf->addRow(pausaDopo_);
    lf->addRow(perColonne_);
    lf->addRow(perRighe_);
    lf->addRow(QStringLiteral("Dalla Schedina"), min_);
    lf->addRow(QStringLiteral("Alla Schedina"), max_);

    connect(spinPausa_, &QSpinBox::valueChanged, this, [this](int v) { dettatura_.ImpostaPausaTraSegni(v); });
    connect(pausaDopo_, &QCheckBox::toggled, this,
            [this](bool v) { dettatura_.ImpostaPausaDopoSchedina(v); });
    connect(perRighe_, &QRadioButton::toggled, this, [this](bool v) {
        dettatura_.ImpostaOrdine(v ? TOrdineDettatura::PerRighe : TOrdineDettatura::PerColonne);
    });
    connect(min_, &QSpinBox::valueChanged, this, [this](int v) {
        if (riempimento_) return;
        dettatura_.ImpostaDallaSchedina(v);
        MostraIntervallo();
    });
    connect(max_, &QSpinBox::valueChanged, this, [this](int v) {
        if (riempimento_) return;
        dettatura_.ImpostaAllaSchedina(v);
        MostraIntervallo();
    });

    auto* box = new QDialogButtonBox(this);
    auto* ok = box->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("OKBtn"));
    auto* aiuto = Pulsante(this, "AiutoBtn", QStringLiteral("Aiuto"));
    box->addButton(aiuto, QDialogButtonBox::HelpRole);
    connect(box, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(aiuto, &QPushButton::clicked, this, [this] { Servizi().ApriAiuto(this, Aiuto::Dettatura); });

    auto* sinistra = new QVBoxLayout;
    sinistra->addWidget(vista_, 0, Qt::AlignHCenter);
    sinistra->addLayout(tasti);
    sinistra->addStretch();
    auto* riga = new QHBoxLayout;
    riga->addLayout(sinistra);
    riga->addWidget(impostazioni, 0, Qt::AlignTop);
    auto* l = new QVBoxLayout(this);
    l->addLayout(riga);
    l->addWidget(box);

    dettatura_.ImpostaOsservatore(this);
    dettatura_.ImpostaPausaTraSegni(spinPausa_->value());
    dettatura_.Prepara(std::move(schedine));
    MostraIntervallo();
    riempimento_ = false;
}

TFormDettSche::~TFormDettSche()
{
    dettatura_.ImpostaOsservatore(nullptr);
}

void TFormDettSche::MostraIntervallo()
{
    // The spins show what the dictation kept: a first past the last goes back to it.
    const QSignalBlocker bmin(min_), bmax(max_);
    const int n = dettatura_.NumeroSchedine();
    for (QSpinBox* s : {min_, max_}) s->setRange(n > 0 ? 1 : 0, n);
    min_->setValue(dettatura_.DallaSchedina());
    max_->setValue(dettatura_.AllaSchedina());
}

void TFormDettSche::Comando(void (TDettatura::*comando)())
{
    try {
        (dettatura_.*comando)();
    } catch (const EErrore& e) {
        Servizi().MostraErrore(this, e.what());
    }
}

void TFormDettSche::SchedinaMostrata()
{
    vista_->ImpostaNumero(dettatura_.NumeroVista());
    vista_->ImpostaColonne(dettatura_.ColonneVista(), TColonna{}, true);
}

void TFormDettSche::SegnoDetto()
{
    // Only the cell that lost the mark and the one that took it are redrawn.
    vista_->ImpostaColonne(dettatura_.ColonneVista(), TColonna{}, false);
}

void TFormDettSche::StatoCambiato()
{
    const bool voce = dettatura_.VoceDisponibile() && dettatura_.NumeroSchedine() > 0;
    const TStatoDettatura s = dettatura_.Stato();
    play_->setEnabled(voce && s != TStatoDettatura::InCorso);
    pausa_->setEnabled(voce && s != TStatoDettatura::Inattiva);
    stop_->setEnabled(voce && s != TStatoDettatura::Inattiva);
}

void TFormDettSche::done(int r)
{
    // Closing silences the voice and stops the timer before the window goes.
    dettatura_.Chiudi();
    QDialog::done(r);
}

void TFormDettSche::Esegui(const TListaColonne& colonne, QWidget* padre)
{
    std::vector<TSchedinaVin> schedine = CostruisciSchedine(colonne);
    if (schedine.empty()) {
        Servizi().Chiedi(padre, TitoloInformazione, MessaggioNessunaSchedinaDaDettare, PulsanteOk);
        return;
    }
    TFormDettSche d(std::move(schedine), NuovaVoce(), padre);
    if (!d.Dettatura().VoceDisponibile()) Servizi().MostraErrore(padre, MessaggioFileVocale);
    Servizi().EseguiDialogo(d);
}

}  // namespace morella::ui
