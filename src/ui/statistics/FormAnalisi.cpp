#include "FormAnalisi.h"

#include <QChartView>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "DerivateAnalisi.h"
#include "Fabbriche.h"
#include "GraficiStatistiche.h"
#include "StampaAnalisi.h"

namespace morella::ui {

class TFrmAnalProgress::TOsservatore final : public TOsservatoreAnalisi {
   public:
    explicit TOsservatore(TFrmAnalProgress& f) : f_(f) {}
    void Inizio(const std::string& titolo) override { f_.setWindowTitle(QString::fromStdString(titolo)); }
    void Progresso(int percento) override
    {
        f_.gauge_->setValue(percento);
        f_.lungo_.Pompa(false);
    }
    bool Annullato() override { return f_.lungo_.Annullato(); }

   private:
    TFrmAnalProgress& f_;
};

TFrmAnalProgress::TFrmAnalProgress(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FrmAnalProgress"));
    setWindowTitle(QString::fromUtf8(TitoloAnalisiColonnare));
    gauge_ = new QProgressBar;
    gauge_->setObjectName(QStringLiteral("Gauge"));
    gauge_->setRange(0, 100);
    gauge_->setMinimumWidth(gauge_->fontMetrics().horizontalAdvance(QStringLiteral("0")) * 40);
    auto* annulla = Pulsante(this, "BtnAnnulla", QStringLiteral("Annulla"));
    connect(annulla, &QPushButton::clicked, this, [this] { lungo_.ChiediAnnullamento(); });
    auto* l = new QVBoxLayout(this);
    l->addWidget(gauge_);
    l->addWidget(annulla, 0, Qt::AlignHCenter);
}

void TFrmAnalProgress::Esegui(const std::function<void(TOsservatoreAnalisi&)>& lavoro)
{
    TOsservatore oss(*this);
    gauge_->setValue(0);
    show();
    lungo_.Esegui([&] { lavoro(oss); }, [this] { hide(); });
}

void TFrmAnalProgress::closeEvent(QCloseEvent* e)
{
    if (lungo_.InCorso()) {
        lungo_.ChiediAnnullamento();
        e->ignore();
        return;
    }
    QDialog::closeEvent(e);
}

void TFrmAnalProgress::reject()
{
    if (lungo_.InCorso()) {
        lungo_.ChiediAnnullamento();
        return;
    }
    QDialog::reject();
}

TFormAnalisiCF::TFormAnalisiCF(T_Analisi analisi, QWidget* parent)
    : QDialog(parent), analisi_(std::move(analisi))
{
    setObjectName(QStringLiteral("FormAnalisiCF"));
    setWindowTitle(QStringLiteral("Analisi Colonnare"));

    auto* titolo = EtichettaTitolo(analisi_.Titoli[3]);
    serie_ = SceltaSerie(analisi_);
    pres_ = new QRadioButton(QStringLiteral("Pres."));
    pres_->setObjectName(QStringLiteral("RadioPres"));
    pres_->setChecked(true);
    cons_ = new QRadioButton(QStringLiteral("Cons."));
    cons_->setObjectName(QStringLiteral("RadioCons"));
    percento_ = new QCheckBox(QStringLiteral("%"));
    percento_->setObjectName(QStringLiteral("CheckPercento"));
    zoom_ = new QCheckBox(QStringLiteral("Zoom"));
    zoom_->setObjectName(QStringLiteral("CheckZoom"));
    auto* comandi = new QHBoxLayout;
    comandi->addWidget(new QLabel(QStringLiteral("Serie :")));
    comandi->addWidget(serie_);
    comandi->addWidget(pres_);
    comandi->addWidget(cons_);
    comandi->addWidget(percento_);
    comandi->addWidget(zoom_);
    comandi->addStretch();

    barre_ = Barre("GraficoColonnare");
    barre_->setMinimumSize(300, 200);
    AggiungiSalvataggio(
        barre_, [this] { return SvgBarre(Grafico(), analisi_.Titoli[3]); }, "AnalisiColonnare.png");
    tabella_ = GrigliaTabella("GrigliaColonnare");
    auto* pagine = new QTabWidget;
    pagine->setObjectName(QStringLiteral("Pagine"));
    pagine->addTab(barre_, QStringLiteral("Grafico"));
    pagine->addTab(tabella_, QStringLiteral("Tabella"));

    eliminate_ = TortaCompatta("TortaEliminate");
    storica_ = TortaCompatta("TortaStorica");
    eliminate_->setMinimumSize(200, 150);
    storica_->setMinimumSize(200, 150);
    AggiungiSalvataggio(
        eliminate_,
        [this] { return SvgTorta(TorteAnalisi(analisi_, Serie(), Misura()).Eliminate, "Colonne Eliminate"); },
        "ColonneEliminate.png");
    AggiungiSalvataggio(
        storica_,
        [this] { return SvgTorta(TorteAnalisi(analisi_, Serie(), Misura()).Storica, "Frequenza Storica"); },
        "FrequenzaStorica.png");
    auto* torte = new QVBoxLayout;
    torte->addWidget(new QLabel(QStringLiteral("Colonne Eliminate :")));
    torte->addWidget(eliminate_, 1);
    torte->addWidget(new QLabel(QStringLiteral("Frequenza Storica :")));
    torte->addWidget(storica_, 1);
    fattore_ = EtichettaValore("LabelFattore", QStringLiteral("Fattore di Convenienza : 00000.00"));
    torte->addWidget(fattore_);

    avviso_ = EtichettaAvviso(AvvisoAnalisi(analisi_));
    auto* piede = PiedeAnalisi(
        this, avviso_, barre_, [this] { return SvgBarre(Grafico(), analisi_.Titoli[3]); },
        "AnalisiColonnare.png", [this] { Stampa(); });

    auto* corpo = new QHBoxLayout;
    corpo->addWidget(pagine, 3);
    corpo->addLayout(torte, 1);
    auto* tutto = new QVBoxLayout(this);
    tutto->addWidget(titolo);
    tutto->addLayout(comandi);
    tutto->addLayout(corpo, 1);
    tutto->addLayout(piede);
    AdattaAlloSchermo(*this, 1000, 680);

    connect(serie_, &QComboBox::currentIndexChanged, this, &TFormAnalisiCF::Aggiorna);
    for (QAbstractButton* b : std::initializer_list<QAbstractButton*>{pres_, cons_, percento_, zoom_})
        connect(b, &QAbstractButton::toggled, this, &TFormAnalisiCF::Aggiorna);
    Aggiorna();
}

int TFormAnalisiCF::Serie() const
{
    return std::max(0, serie_->currentIndex());
}

int TFormAnalisiCF::Misura() const
{
    return cons_->isChecked() ? 1 : 0;
}

TGraficoBarre TFormAnalisiCF::Grafico() const
{
    return GraficoColonnare(analisi_, Serie(), Misura(), percento_->isChecked(), zoom_->isChecked());
}

void TFormAnalisiCF::Aggiorna()
{
    const int s = Serie();
    const bool seconda =
        s < analisi_.NumeroSerie() && analisi_.Serie[static_cast<std::size_t>(s)].ConSecondaMisura;
    cons_->setEnabled(seconda);
    if (!seconda && cons_->isChecked()) {
        pres_->setChecked(true);  // comes back here through the toggle
        return;
    }
    RiempiGrafico(barre_, Grafico());
    RiempiGriglia(tabella_, TabellaColonnare(analisi_, s, Misura(), percento_->isChecked()));
    const TTorteAnalisi torte = TorteAnalisi(analisi_, s, Misura());
    RiempiTorta(eliminate_, torte.Eliminate);
    RiempiTorta(storica_, torte.Storica);
    fattore_->setText(QString::fromStdString(DerivateSerie(analisi_, s, Misura()).Fattore));
}

void TFormAnalisiCF::Stampa()
{
    std::vector<TSezioneStampa> sezioni;
    for (int s = 0; s < analisi_.NumeroSerie(); ++s) {
        const T_SerieAnalisi& serie = analisi_.Serie[static_cast<std::size_t>(s)];
        for (int m = 0; m < (serie.ConSecondaMisura ? 2 : 1); ++m) {
            std::string didascalia = serie.Nome + (m == 1 ? " (Cons.)" : "");
            const std::string fattore = DerivateSerie(analisi_, s, m).Fattore;
            if (!fattore.empty()) didascalia += "   " + fattore;
            sezioni.push_back(
                {didascalia, GrigliaDiTabella(TabellaColonnare(analisi_, s, m, percento_->isChecked()))});
        }
    }
    StampaTabelle(this, analisi_.Titoli[3], std::move(sezioni), MessaggioStampaTabelleAnalisi);
}

}  // namespace morella::ui
