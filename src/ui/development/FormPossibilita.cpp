#include "FormPossibilita.h"

#include "RegistroFinestre.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "PannelloSc.h"
#include "Sistema.h"

namespace morella::ui {

namespace {

QTableWidget* Griglia(const char* nome)
{
    auto* g = new QTableWidget;
    g->setObjectName(QString::fromLatin1(nome));
    g->setEditTriggers(QAbstractItemView::NoEditTriggers);
    g->setSelectionMode(QAbstractItemView::NoSelection);
    g->verticalHeader()->hide();
    g->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    const int riga = g->fontMetrics().height() + 6;
    g->verticalHeader()->setDefaultSectionSize(riga);
    // Seven rows and the headings stay in view; more types scroll.
    g->setMinimumHeight(riga * (RigheMinimeGriglia + 1) + 6);
    g->setMinimumWidth(g->fontMetrics().horizontalAdvance(QStringLiteral("0000")) * 4 + 40);
    return g;
}

}  // namespace

TFormPossibilita::TFormPossibilita(const TSistema& sistema, QWidget* parent)
    : QDialog(parent), sistema_(sistema)
{
    setObjectName(QStringLiteral("FormPossibilita"));
    setWindowTitle(QStringLiteral("Possibilità di Incolonnamento"));
    const TDatiSistema& d = sistema.Dati();

    auto* gruppoEsatto = new QGroupBox(QStringLiteral("Percentuali a pronostico Esatto"));
    auto* le = new QVBoxLayout(gruppoEsatto);
    esatto_ = Griglia("GridEsatto");
    le->addWidget(esatto_);

    auto* gruppoErrore = new QGroupBox;
    gruppoErrore->setObjectName(QStringLiteral("GroupErrore"));
    auto* lr = new QVBoxLayout(gruppoErrore);
    gruppoErrore_ = gruppoErrore;
    errore_ = Griglia("GridErrore");
    lr->addWidget(errore_);

    pannello_ = new TPannelloSc;
    pannello_->ImpostaGioco(Gioco);
    pannello_->Modello().SelezionaPartiteSingole = true;
    pannello_->ImpostaNomi(d.NomiEventi);
    pannello_->ImpostaPronostico(d.Pronostico);
    const TEventiPossibilita eventi = EventiPossibilita(d.Pronostico);
    std::array<bool, MaxEventi> selezionabili{};
    for (std::size_t i = 0; i < eventi.selezionabile.size() && i < selezionabili.size(); ++i)
        selezionabili[i] = eventi.selezionabile[i];
    pannello_->ImpostaSelezionabili(selezionabili);
    connect(pannello_, &TPannelloSc::OnModificato, this, &TFormPossibilita::PannelloModificato);

    auto* gruppoMedia = new QGroupBox(QStringLiteral("Percentuale Media"));
    auto* lm = new QGridLayout(gruppoMedia);
    const TPercentualeMedia media = PercentualeMedia(d.Possibilita);
    auto* valoreDoppia = new QLabel(QString::fromStdString(media.valoreDoppia));
    valoreDoppia->setObjectName(QStringLiteral("LabelMediaDoppia"));
    auto* valoreFissa = new QLabel(QString::fromStdString(media.valoreFissa));
    valoreFissa->setObjectName(QStringLiteral("LabelMediaFissa"));
    lm->addWidget(new QLabel(QString::fromStdString(media.etichettaDoppia)), 0, 0);
    lm->addWidget(valoreDoppia, 0, 1, Qt::AlignRight);
    lm->addWidget(new QLabel(QString::fromStdString(media.etichettaFissa)), 1, 0);
    lm->addWidget(valoreFissa, 1, 1, Qt::AlignRight);

    auto* stampa = new QPushButton(QStringLiteral("Stampa"));
    stampa->setObjectName(QStringLiteral("BtnStampa"));
    // Enabled only when the printing of the possibilities is registered.
    stampa->setEnabled(static_cast<bool>(RegistroFinestre().stampaPossibilita));
    connect(stampa, &QPushButton::clicked, this, [this] {
        if (const auto& apri = RegistroFinestre().stampaPossibilita) apri(sistema_, this);
    });
    auto* ok = new QPushButton(QStringLiteral("OK"));
    ok->setObjectName(QStringLiteral("OKBtn"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* sinistra = new QVBoxLayout;
    sinistra->addWidget(gruppoEsatto);
    sinistra->addWidget(gruppoErrore);
    auto* destra = new QVBoxLayout;
    destra->addWidget(pannello_, 0, Qt::AlignHCenter);
    destra->addWidget(gruppoMedia);
    destra->addStretch();
    auto* corpo = new QHBoxLayout;
    corpo->addLayout(sinistra, 1);
    corpo->addLayout(destra);
    auto* pulsanti = new QHBoxLayout;
    pulsanti->addStretch();
    pulsanti->addWidget(stampa);
    pulsanti->addWidget(ok);
    auto* tutto = new QVBoxLayout(this);
    tutto->addLayout(corpo);
    tutto->addLayout(pulsanti);

    Riempi(esatto_, d.Possibilita.Lista(0));
    MostraEvento(eventi.primoSelezionato);
}

void TFormPossibilita::Riempi(QTableWidget* griglia, const TElencoTipiDiVincita& elenco)
{
    const TGrigliaPossibilita g = GrigliaPossibilita(elenco);
    griglia->clear();
    griglia->setColumnCount(static_cast<int>(g.intestazioni.size()));
    griglia->setRowCount(static_cast<int>(g.righe.size()));
    QStringList intestazioni;
    for (const auto& s : g.intestazioni) intestazioni << QString::fromStdString(s);
    griglia->setHorizontalHeaderLabels(intestazioni);
    for (int r = 0; r < static_cast<int>(g.righe.size()); ++r) {
        const auto& riga = g.righe[static_cast<std::size_t>(r)];
        for (int c = 0; c < static_cast<int>(riga.size()); ++c) {
            auto* cella = new QTableWidgetItem(QString::fromStdString(riga[static_cast<std::size_t>(c)]));
            cella->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            griglia->setItem(r, c, cella);
        }
    }
}

void TFormPossibilita::MostraEvento(int evento)
{
    const TDatiSistema& d = sistema_.Dati();
    std::array<bool, MaxEventi> selezionati{};
    if (evento >= 1 && evento < d.Possibilita.NumeroListe()) {
        selezionati[static_cast<std::size_t>(evento - 1)] = true;
        evento_ = evento;
        Riempi(errore_, d.Possibilita.Lista(evento));
        gruppoErrore_->setTitle(QStringLiteral("Percentuali con un errore nell'evento %1").arg(evento));
    } else {
        evento_ = 0;
        Riempi(errore_, TElencoTipiDiVincita{});
        gruppoErrore_->setTitle(QStringLiteral("Nessun evento può essere sbagliato"));
    }
    pannello_->ImpostaSelezionati(selezionati);
}

void TFormPossibilita::PannelloModificato()
{
    const auto sel = pannello_->Modello().Selezionati();
    for (int i = 0; i < NumEvents; ++i)
        if (sel[static_cast<std::size_t>(i)]) {
            MostraEvento(i + 1);
            return;
        }
}

}  // namespace morella::ui
