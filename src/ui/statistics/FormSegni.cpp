#include "FormSegni.h"

#include <QChartView>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "Fabbriche.h"
#include "GraficiStatistiche.h"
#include "StampaAnalisi.h"

namespace morella::ui {

namespace {

inline constexpr const char* TitoloProArc = "Analisi Storica Della Frequenza Dei Segni";
inline constexpr const char* TitoloProAna = "Frequenza Dei Segni";

}  // namespace

TFormProArc::TFormProArc(T_StatisticheSegni statistiche, QWidget* parent)
    : QDialog(parent), statistiche_(std::move(statistiche))
{
    setObjectName(QStringLiteral("FormProArc"));
    setWindowTitle(QString::fromUtf8(TitoloProArc));
    auto* pagine = new QTabWidget;
    pagine->setObjectName(QStringLiteral("Pagine"));
    const char* nomi[3] = {"GrigliaSegno1", "GrigliaSegnoX", "GrigliaSegno2"};
    for (int k = 0; k < 3; ++k) {
        griglie_[static_cast<std::size_t>(k)] = GrigliaTabella(nomi[k]);
        RiempiGriglia(griglie_[static_cast<std::size_t>(k)], TabellaSegni(statistiche_, k));
        pagine->addTab(griglie_[static_cast<std::size_t>(k)], QString::fromUtf8(NomiSegni[k]));
    }
    barre_ = Barre("GraficoSegni");
    auto svg = [this] { return SvgBarre(Grafico(), TitoloProArc); };
    AggiungiSalvataggio(barre_, svg, "FrequenzaSegni.png");
    pagine->addTab(barre_, QStringLiteral("Grafico"));
    zoom_ = new QCheckBox(QStringLiteral("Zoom"));
    zoom_->setObjectName(QStringLiteral("CheckZoom"));
    connect(zoom_, &QCheckBox::toggled, this, &TFormProArc::Aggiorna);
    auto* testa = new QHBoxLayout;
    auto* concorsi = new QLabel(QStringLiteral("Concorsi : %1").arg(statistiche_.Concorsi));
    concorsi->setObjectName(QStringLiteral("LabelConcorsi"));
    testa->addWidget(concorsi);
    testa->addStretch();
    testa->addWidget(zoom_);

    auto* tutto = new QVBoxLayout(this);
    tutto->addLayout(testa);
    tutto->addWidget(pagine, 1);
    tutto->addLayout(PiedeAnalisi(this, EtichettaAvviso(AvvisoSegni(statistiche_)), barre_, svg,
                                  "FrequenzaSegni.png", [this] { Stampa(); }));
    AdattaAlloSchermo(*this, 900, 640);
    Aggiorna();
}

TGraficoBarre TFormProArc::Grafico() const
{
    return GraficoSegni(statistiche_, zoom_->isChecked());
}

void TFormProArc::Aggiorna()
{
    RiempiGrafico(barre_, Grafico());
}

void TFormProArc::Stampa()
{
    std::vector<TSezioneStampa> sezioni;
    for (int k = 0; k < 3; ++k)
        sezioni.push_back({NomiSegni[k], GrigliaDiTabella(TabellaSegni(statistiche_, k))});
    StampaTabelle(this, TitoloProArc, std::move(sezioni), MessaggioStampaTabellaSegni);
}

TFormProAna::TFormProAna(T_FrequenzeSegniColonne frequenze, QWidget* parent)
    : QDialog(parent), frequenze_(std::move(frequenze))
{
    setObjectName(QStringLiteral("FormProAna"));
    setWindowTitle(QString::fromUtf8(TitoloProAna));
    griglia_ = GrigliaTabella("GrigliaSegni");
    barre_ = Barre("GraficoSegni");
    auto svg = [this] { return SvgBarre(Grafico(), TitoloProAna); };
    AggiungiSalvataggio(barre_, svg, "FrequenzaSegniColonne.png");
    auto* pagine = new QTabWidget;
    pagine->setObjectName(QStringLiteral("Pagine"));
    pagine->addTab(griglia_, QStringLiteral("Tabella"));
    pagine->addTab(barre_, QStringLiteral("Grafico"));
    percento_ = new QCheckBox(QStringLiteral("%"));
    percento_->setObjectName(QStringLiteral("CheckPercento"));
    zoom_ = new QCheckBox(QStringLiteral("Zoom"));
    zoom_->setObjectName(QStringLiteral("CheckZoom"));
    connect(percento_, &QCheckBox::toggled, this, &TFormProAna::Aggiorna);
    connect(zoom_, &QCheckBox::toggled, this, &TFormProAna::Aggiorna);
    auto* testa = new QHBoxLayout;
    auto* colonne = new QLabel(QStringLiteral("Colonne : %1").arg(frequenze_.Colonne));
    colonne->setObjectName(QStringLiteral("LabelColonne"));
    testa->addWidget(colonne);
    testa->addStretch();
    testa->addWidget(percento_);
    testa->addWidget(zoom_);

    auto* tutto = new QVBoxLayout(this);
    tutto->addLayout(testa);
    tutto->addWidget(pagine, 1);
    tutto->addLayout(PiedeAnalisi(this,
                                  EtichettaAvviso(frequenze_.Colonne == 0 ? AvvisoNessunaColonnaSistema : ""),
                                  barre_, svg, "FrequenzaSegniColonne.png", [this] { Stampa(); }));
    AdattaAlloSchermo(*this, 800, 600);
    Aggiorna();
}

TGraficoBarre TFormProAna::Grafico() const
{
    return GraficoSegniColonne(frequenze_, percento_->isChecked(), zoom_->isChecked());
}

void TFormProAna::Aggiorna()
{
    RiempiGriglia(griglia_, TabellaSegniColonne(frequenze_, percento_->isChecked()));
    RiempiGrafico(barre_, Grafico());
}

void TFormProAna::Stampa()
{
    StampaTabelle(this, TitoloProAna,
                  {{"", GrigliaDiTabella(TabellaSegniColonne(frequenze_, percento_->isChecked()))}},
                  MessaggioStampaTabellaSegni);
}

}  // namespace morella::ui
