#include "FormInfoStat.h"

#include <QButtonGroup>
#include <QChartView>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "Fabbriche.h"
#include "Gioco.h"
#include "GraficiStatistiche.h"
#include "ModelloAnalisi.h"
#include "Sistema.h"

namespace morella::ui {

class TFormInfoStat::TOsservatore final : public TOsservatoreReplay {
   public:
    explicit TOsservatore(TFormInfoStat& f) : f_(f) {}
    void Stato(const std::string& testo) override { f_.stato_->setText(QString::fromStdString(testo)); }
    void Progresso(int percento) override
    {
        f_.lungo_.Avanza(*f_.gauge_, f_.indicatore_, percento, percento >= 100);
    }
    bool Annullato() override { return f_.lungo_.Annullato(); }

   private:
    TFormInfoStat& f_;
};

namespace {

QLabel* Caption(const char* testo)
{
    return new QLabel(QString::fromUtf8(testo));
}

std::vector<TFetta> Fette(const char* a, double pa, const char* b, double pb)
{
    // Nothing counted: no slice, rather than a pie of two zeros.
    if (!(pa + pb > 0)) return {};
    return {{a, pa}, {b, pb}};
}

}  // namespace

TFormInfoStat::TFormInfoStat(TSistema& sistema, QWidget* parent) : QDialog(parent), sistema_(sistema)
{
    setObjectName(QStringLiteral("FormInfoStat"));
    setWindowTitle(QStringLiteral("Informazioni Statistiche Sul Sistema"));

    stato_ = EtichettaValore("LabelStato", QStringLiteral("Concorsi Esaminati : 00000"));
    gauge_ = new QProgressBar;
    gauge_->setObjectName(QStringLiteral("Gauge"));
    gauge_->setRange(0, 100);
    annulla_ = Pulsante(this, "BtnAnnulla", QStringLiteral("Annulla"));
    connect(annulla_, &QPushButton::clicked, this, [this] { lungo_.ChiediAnnullamento(); });
    auto* testa = new QHBoxLayout;
    testa->addWidget(stato_, 1);
    testa->addWidget(gauge_, 1);
    testa->addWidget(annulla_);

    auto* gruppoPagine = new QButtonGroup(this);
    auto* pagine = new QHBoxLayout;
    const char* nomi[3] = {"Btn1", "Btn2", "Btn3"};
    const char* testi[3] = {"1º", "2º", "3º"};
    for (int i = 0; i < 3; ++i) {
        auto* b = Pulsante(this, nomi[i], QString::fromUtf8(testi[i]));
        b->setCheckable(true);
        gruppoPagine->addButton(b, i + 1);
        pagine->addWidget(b);
        pagine_[static_cast<std::size_t>(i)] = b;
    }
    pagine->addStretch();
    connect(gruppoPagine, &QButtonGroup::idClicked, this, &TFormInfoStat::MostraCategoria);

    auto* valori = new QGroupBox;
    auto* lv = new QGridLayout(valori);
    ciclo_ = EtichettaValore("LabelCicloMedio", QStringLiteral("00000.00"));
    ritardoMedio_ = EtichettaValore("LabelRitardoMedio", QStringLiteral("00000.00"));
    minimo_ = EtichettaValore("LabelRitardoMinimo", QStringLiteral("00000"));
    massimo_ = EtichettaValore("LabelRitardoMassimo", QStringLiteral("00000"));
    assenza_ = EtichettaValore("LabelAssenza", QStringLiteral("00000"));
    attuale_ = EtichettaValore("LabelRitardoAttuale", QStringLiteral("00000"));
    int riga = 0;
    for (auto [caption, valore] :
         {std::pair{CaptionCicloMedio, ciclo_}, std::pair{CaptionRitardoMedio, ritardoMedio_},
          std::pair{CaptionRitardoMinimo, minimo_}, std::pair{CaptionRitardoMassimo, massimo_},
          std::pair{CaptionSettimaneDiAssenza, assenza_}}) {
        lv->addWidget(Caption(caption), riga, 0);
        lv->addWidget(valore, riga++, 1, Qt::AlignRight);
    }
    auto* ciclo = new QGroupBox(QString::fromUtf8(CaptionRitardiCiclo));
    auto* lc = new QGridLayout(ciclo);
    lc->addWidget(Caption(CaptionRitardoAttuale), 0, 0);
    lc->addWidget(attuale_, 0, 1, Qt::AlignRight);
    lv->addWidget(ciclo, riga++, 0, 1, 2);
    captionFattore_ = Caption(CaptionFattoreConvenienza);
    fattore_ = EtichettaValore("LabelFattore", QStringLiteral("Infinito0000"));
    lv->addWidget(captionFattore_, riga, 0);
    lv->addWidget(fattore_, riga++, 1, Qt::AlignRight);
    lv->setRowStretch(riga, 1);

    storica_ = TortaCompatta("TortaStorica");
    filtrate_ = TortaCompatta("TortaFiltrate");
    // Two pies beside the figures, on the smallest screen too.
    for (QChartView* t : {storica_, filtrate_}) t->setMinimumSize(330, 140);
    captionFiltrate_ = Caption(CaptionColonneFiltrate);
    // One pie above the other, each with its legend beside it: the percentages stay
    // readable on a small screen.
    for (QChartView* t : {storica_, filtrate_}) t->chart()->legend()->setAlignment(Qt::AlignRight);
    auto* torte = new QGridLayout;
    torte->addWidget(Caption(CaptionFrequenzaStorica), 0, 0);
    torte->addWidget(storica_, 1, 0);
    torte->addWidget(captionFiltrate_, 2, 0);
    torte->addWidget(filtrate_, 3, 0);
    AggiungiSalvataggio(
        storica_,
        [this] {
            const TPaginaStatistiche p =
                PaginaStatistiche(sistema_.Ricerca.RisultatiRicerca, categoria_, sistema_.Dati());
            return SvgTorta(Fette("Vinte", p.PercentualeUscite, "Perse", p.PercentualeMancati),
                            CaptionFrequenzaStorica);
        },
        "FrequenzaStorica.png");
    AggiungiSalvataggio(
        filtrate_,
        [this] {
            const TPaginaStatistiche p =
                PaginaStatistiche(sistema_.Ricerca.RisultatiRicerca, categoria_, sistema_.Dati());
            return SvgTorta(Fette("Filtrate", p.PercentualeFiltrate, "Rimaste", p.PercentualeRimaste),
                            CaptionColonneFiltrate);
        },
        "ColonneFiltrate.png");

    avviso_ = EtichettaValore("LabelAvviso");
    avviso_->setWordWrap(true);

    auto* ok = Pulsante(this, "OKBtn", QStringLiteral("OK"));
    connect(ok, &QPushButton::clicked, this, &QDialog::close);
    auto* piede = new QHBoxLayout;
    piede->addWidget(avviso_, 1);
    piede->addWidget(ok);

    auto* corpo = new QHBoxLayout;
    corpo->addWidget(valori);
    corpo->addLayout(torte, 1);
    auto* tutto = new QVBoxLayout(this);
    tutto->addLayout(testa);
    tutto->addLayout(pagine);
    tutto->addLayout(corpo, 1);
    tutto->addLayout(piede);
    AdattaAlloSchermo(*this, 820, 480);
    MostraCategoria(0);
}

void TFormInfoStat::Esegui()
{
    for (QPushButton* b : pagine_) b->setEnabled(false);
    annulla_->setEnabled(true);
    indicatore_ = TIndicatore(2);
    gauge_->setValue(0);
    TOsservatore oss(*this);
    lungo_.Esegui([&] { esito_ = ReplayArchivio(sistema_, &oss); }, [this] { annulla_->setEnabled(false); });
    // A cancelled replay keeps the page as it was.
    if (esito_.Annullato) return;
    stato_->setText(QString::fromStdString(esito_.Stato));
    const auto abilitate = CategorieAbilitate(sistema_.Ricerca.CategorieCercate, Gioco);
    for (std::size_t i = 0; i < 3; ++i) pagine_[i]->setEnabled(abilitate[i]);
    MostraCategoria(1);
}

void TFormInfoStat::MostraCategoria(int categoria)
{
    categoria_ = categoria;
    for (int i = 0; i < 3; ++i) pagine_[static_cast<std::size_t>(i)]->setChecked(i + 1 == categoria);
    const TPaginaStatistiche p =
        PaginaStatistiche(sistema_.Ricerca.RisultatiRicerca, categoria, sistema_.Dati());
    ciclo_->setText(QString::fromStdString(p.CicloMedio));
    ritardoMedio_->setText(QString::fromStdString(p.RitardoMedio));
    minimo_->setText(QString::fromStdString(p.RitardoMinimo));
    massimo_->setText(QString::fromStdString(p.RitardoMassimo));
    assenza_->setText(QString::fromStdString(p.SettimaneDiAssenza));
    attuale_->setText(QString::fromStdString(p.RitardoAttuale));
    RiempiTorta(storica_, Fette("Vinte", p.PercentualeUscite, "Perse", p.PercentualeMancati));
    for (QWidget* w : std::initializer_list<QWidget*>{captionFiltrate_, filtrate_, captionFattore_, fattore_})
        w->setVisible(p.MostraConvenienza);
    if (p.MostraConvenienza)
        RiempiTorta(filtrate_, Fette("Filtrate", p.PercentualeFiltrate, "Rimaste", p.PercentualeRimaste));
    filtrate_->setVisible(p.MostraConvenienza);
    fattore_->setText(QString::fromStdString(p.FattoreDiConvenienza));
    const bool vuoto = categoria >= 1 && esito_.Esaminati == 0 && !lungo_.InCorso();
    avviso_->setText(vuoto ? QString::fromUtf8(AvvisoNessunConcorso) : QString());
}

void TFormInfoStat::closeEvent(QCloseEvent* e)
{
    if (lungo_.InCorso()) {
        lungo_.ChiediAnnullamento();
        e->ignore();
        return;
    }
    QDialog::closeEvent(e);
}

void TFormInfoStat::reject()
{
    if (lungo_.InCorso()) {
        lungo_.ChiediAnnullamento();
        return;
    }
    QDialog::reject();
}

}  // namespace morella::ui
