#include "FormArchivio.h"

#include <QButtonGroup>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSplitter>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "Fabbriche.h"
#include "GraficiStatistiche.h"
#include "StampaAnalisi.h"

namespace morella::ui {

namespace {

QRadioButton* Radio(const char* nome, const QString& testo, QButtonGroup* gruppo)
{
    auto* r = new QRadioButton(testo);
    r->setObjectName(QString::fromLatin1(nome));
    gruppo->addButton(r);
    return r;
}

}  // namespace

TFormArchivio::TFormArchivio(T_Analisi analisi, QWidget* parent)
    : QDialog(parent), analisi_(std::move(analisi))
{
    setObjectName(QStringLiteral("FormArchivio"));
    setWindowTitle(QStringLiteral("Andamento storico della quantità dei Segni"));

    auto* titolo = EtichettaTitolo(analisi_.Titoli[0]);
    serie_ = SceltaSerie(analisi_);
    auto* misura = new QButtonGroup(this);
    pres_ = Radio("RadioPres", QStringLiteral("Pres."), misura);
    cons_ = Radio("RadioCons", QStringLiteral("Cons."), misura);
    pres_->setChecked(true);
    auto* modo = new QButtonGroup(this);
    numero_ = Radio("RadioNumero", QStringLiteral("Nº di concorsi"), modo);
    percento_ = Radio("RadioPercento", QStringLiteral("Frequenza %"), modo);
    numero_->setChecked(true);
    zoom_ = new QCheckBox(QStringLiteral("Zoom"));
    zoom_->setObjectName(QStringLiteral("CheckZoom"));
    auto* comandi = new QHBoxLayout;
    comandi->addWidget(new QLabel(QStringLiteral("Serie :")));
    comandi->addWidget(serie_);
    for (QWidget* w : std::initializer_list<QWidget*>{pres_, cons_, numero_, percento_, zoom_})
        comandi->addWidget(w);
    comandi->addStretch();

    barre_ = Barre("GraficoStorico");
    barre_->setMinimumSize(300, 180);
    AggiungiSalvataggio(
        barre_, [this] { return SvgBarre(Grafico(), analisi_.Titoli[1]); }, "AndamentoStorico.png");
    frequenze_ = GrigliaTabella("GrigliaFrequenze");
    ritardi_ = GrigliaTabella("GrigliaRitardi");

    auto* paginaFrequenze = new QSplitter(Qt::Vertical);
    auto* titoloFrequenze = new QLabel(QString::fromStdString(analisi_.Titoli[1]));
    titoloFrequenze->setObjectName(QStringLiteral("LabelTitoloFrequenze"));
    auto* alto = new QWidget;
    auto* la = new QVBoxLayout(alto);
    la->setContentsMargins(0, 0, 0, 0);
    la->addWidget(titoloFrequenze);
    la->addWidget(barre_, 1);
    paginaFrequenze->addWidget(alto);
    paginaFrequenze->addWidget(frequenze_);
    // The chart takes most of the page: its scale needs the height to show every step.
    paginaFrequenze->setStretchFactor(0, 3);
    paginaFrequenze->setStretchFactor(1, 1);
    frequenze_->setMinimumHeight(frequenze_->verticalHeader()->defaultSectionSize() * 3);
    auto* paginaRitardi = new QWidget;
    auto* lr = new QVBoxLayout(paginaRitardi);
    auto* titoloRitardi = new QLabel(QString::fromStdString(analisi_.Titoli[2]));
    titoloRitardi->setObjectName(QStringLiteral("LabelTitoloRitardi"));
    lr->addWidget(titoloRitardi);
    lr->addWidget(ritardi_, 1);
    auto* pagine = new QTabWidget;
    pagine->setObjectName(QStringLiteral("Pagine"));
    pagine->addTab(paginaFrequenze, QStringLiteral("Frequenze"));
    pagine->addTab(paginaRitardi, QStringLiteral("Ritardi"));

    avviso_ = EtichettaAvviso(AvvisoAnalisi(analisi_));
    auto* piede = PiedeAnalisi(
        this, avviso_, barre_, [this] { return SvgBarre(Grafico(), analisi_.Titoli[1]); },
        "AndamentoStorico.png", [this] { Stampa(); });

    auto* tutto = new QVBoxLayout(this);
    tutto->addWidget(titolo);
    tutto->addLayout(comandi);
    tutto->addWidget(pagine, 1);
    tutto->addLayout(piede);
    AdattaAlloSchermo(*this, 1000, 680);

    connect(serie_, &QComboBox::currentIndexChanged, this, &TFormArchivio::Aggiorna);
    for (QAbstractButton* b :
         std::initializer_list<QAbstractButton*>{pres_, cons_, numero_, percento_, zoom_})
        connect(b, &QAbstractButton::toggled, this, &TFormArchivio::Aggiorna);
    Aggiorna();
}

int TFormArchivio::Serie() const
{
    return std::max(0, serie_->currentIndex());
}

int TFormArchivio::Misura() const
{
    return cons_->isChecked() ? 1 : 0;
}

TGraficoBarre TFormArchivio::Grafico() const
{
    if (analisi_.Serie.empty()) return {};
    return GraficoStorico(analisi_.Serie[static_cast<std::size_t>(Serie())], Misura(), percento_->isChecked(),
                          zoom_->isChecked());
}

void TFormArchivio::Aggiorna()
{
    if (analisi_.Serie.empty()) return;
    const T_SerieAnalisi& s = analisi_.Serie[static_cast<std::size_t>(Serie())];
    cons_->setEnabled(s.ConSecondaMisura);
    if (!s.ConSecondaMisura && cons_->isChecked()) {
        pres_->setChecked(true);
        return;
    }
    RiempiGrafico(barre_, Grafico());
    RiempiGriglia(frequenze_, TabellaFrequenzeStorico(s, percento_->isChecked()));
    RiempiGriglia(ritardi_, TabellaRitardiStorico(s));
}

void TFormArchivio::Stampa()
{
    std::vector<TSezioneStampa> sezioni;
    for (const T_SerieAnalisi& s : analisi_.Serie) {
        sezioni.push_back(
            {s.Nome + " - Frequenze", GrigliaDiTabella(TabellaFrequenzeStorico(s, percento_->isChecked()))});
        sezioni.push_back({s.Nome + " - Ritardi", GrigliaDiTabella(TabellaRitardiStorico(s))});
    }
    StampaTabelle(this, analisi_.Titoli[0], std::move(sezioni), MessaggioStampaTabellaArchivio);
}

}  // namespace morella::ui
