#include "EditIntervalli.h"
#include "Fabbriche.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "Domanda.h"
#include "EditoriGruppi.h"
#include "ServiziUi.h"

namespace morella::ui {

namespace {

QDoubleSpinBox* Limite(QWidget* padre, const char* nome)
{
    auto* s = new QDoubleSpinBox(padre);
    s->setObjectName(QString::fromLatin1(nome));
    s->setDecimals(4);
    s->setRange(-1e7, 1e7);
    return s;
}

}  // namespace

TEditIntervalli::TEditIntervalli(const QString& titolo, QWidget* parent) : QGroupBox(titolo, parent)
{
    lista_ = new QTableWidget(0, 4, this);
    lista_->setObjectName(QStringLiteral("ListaIntervalli"));
    lista_->setHorizontalHeaderLabels({QStringLiteral("Minimo"), QStringLiteral("Massimo"),
                                       QStringLiteral("Stato"), QStringLiteral("Livello")});
    lista_->setSelectionBehavior(QAbstractItemView::SelectRows);
    lista_->setSelectionMode(QAbstractItemView::SingleSelection);
    lista_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lista_->verticalHeader()->setDefaultSectionSize(lista_->fontMetrics().height() + 4);
    lista_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    lista_->horizontalHeader()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    lista_->setMinimumHeight(lista_->verticalHeader()->defaultSectionSize() * 5 +
                             lista_->horizontalHeader()->sizeHint().height() + 4);
    lista_->setMinimumWidth(lista_->fontMetrics().horizontalAdvance(QStringLiteral("In Recupero")) * 3 + 60);

    minimo_ = Limite(this, "Minimo");
    massimo_ = Limite(this, "Massimo");
    stato_ = new QComboBox(this);
    stato_->setObjectName(QStringLiteral("Stato"));
    stato_->addItems({QStringLiteral("Ammesso"), QStringLiteral("In Recupero")});
    livello_ = new QSpinBox(this);
    livello_->setObjectName(QStringLiteral("Livello"));
    livello_->setRange(1, LivelloMassimoIntervallo);
    link_ = new QComboBox(this);
    link_->setObjectName(QStringLiteral("Link"));
    for (char l = 'A'; l <= 'Z'; ++l) link_->addItem(QString(QChar::fromLatin1(l)));

    aggiungi_ = Pulsante(this, "AggiungiIntervalloBtn", QStringLiteral("Aggiungi"),
                         QStringLiteral("Aggiunge l'intervallo dei campi"));
    cambia_ = Pulsante(this, "ModificaIntervalloBtn", QStringLiteral("Modifica"),
                       QStringLiteral("Sostituisce l'intervallo scelto con quello dei campi"));
    elimina_ = Pulsante(this, "EliminaIntervalloBtn", QStringLiteral("Elimina"),
                        QStringLiteral("Elimina l'intervallo scelto"));

    // The list over the fields of one interval, the buttons beside the fields: narrow enough
    // for the editors' small screens.
    auto* campi = new QGridLayout;
    auto etichetta = [this](const char* testo, QWidget* campo) {
        auto* e = new QLabel(QString::fromUtf8(testo), this);
        e->setBuddy(campo);
        return e;
    };
    campi->addWidget(etichetta("Minimo", minimo_), 0, 0);
    campi->addWidget(minimo_, 0, 1);
    campi->addWidget(etichetta("Massimo", massimo_), 0, 2);
    campi->addWidget(massimo_, 0, 3);
    campi->addWidget(etichetta("Stato", stato_), 1, 0);
    campi->addWidget(stato_, 1, 1);
    campi->addWidget(etichetta("Livello", livello_), 1, 2);
    campi->addWidget(livello_, 1, 3);
    campi->addWidget(etichetta("Link", link_), 2, 0);
    campi->addWidget(link_, 2, 1);
    auto* pulsanti = new QVBoxLayout;
    pulsanti->addWidget(aggiungi_);
    pulsanti->addWidget(cambia_);
    pulsanti->addWidget(elimina_);
    pulsanti->addStretch(1);
    auto* sotto = new QHBoxLayout;
    sotto->addLayout(campi);
    sotto->addLayout(pulsanti);
    sotto->addStretch(1);
    auto* l = new QVBoxLayout(this);
    l->addWidget(lista_, 1);
    l->addLayout(sotto);

    connect(stato_, &QComboBox::currentIndexChanged, this, [this](int i) { livello_->setEnabled(i == 1); });
    livello_->setEnabled(false);
    connect(lista_, &QTableWidget::itemSelectionChanged, this, &TEditIntervalli::Selezionato);
    connect(aggiungi_, &QPushButton::clicked, this, [this] { Esito(AggiungiIntervallo(tabella_, Campi())); });
    connect(cambia_, &QPushButton::clicked, this, [this] {
        // Nothing chosen in the list: nothing to change.
        const int riga = lista_->currentRow();
        if (riga >= 0 && riga < tabella_.NumeroIntervalli) Esito(CambiaIntervallo(tabella_, riga, Campi()));
    });
    connect(elimina_, &QPushButton::clicked, this, [this] {
        if (EliminaIntervallo(tabella_, lista_->currentRow())) Esito({});
    });
    connect(link_, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (caricando_ || i < 0) return;
        tabella_.Link = static_cast<std::uint8_t>('A' + i);
        modificato_ = true;
        emit OnModificato();
    });
}

TIntervallo TEditIntervalli::Campi() const
{
    TIntervallo i;
    i.Minimo = minimo_->value();
    i.Massimo = massimo_->value();
    i.Stato = static_cast<std::int16_t>(stato_->currentIndex() == 1 ? StatoInRecupero : StatoAmmesso);
    i.Livello = static_cast<std::int16_t>(livello_->value());
    return i;
}

void TEditIntervalli::Esito(const std::string& rifiuto)
{
    if (!rifiuto.empty()) {
        Servizi().Chiedi(this, TitoloInformazione, rifiuto, PulsanteOk);
        return;
    }
    const int riga = lista_->currentRow();
    modificato_ = true;
    Mostra();
    lista_->setCurrentCell(std::min(riga, lista_->rowCount() - 1), 0);
    emit OnModificato();
}

void TEditIntervalli::ImpostaTabella(const TTabellaIntervalli& t)
{
    tabella_ = t;
    modificato_ = false;
    Mostra();
}

void TEditIntervalli::Mostra()
{
    caricando_ = true;
    const int n = tabella_.NumeroIntervalli;
    lista_->setRowCount(n);
    for (int r = 0; r < n; ++r) {
        const TIntervallo& i = tabella_.Intervalli[static_cast<std::size_t>(r)];
        const QString celle[4] = {QString::fromStdString(TestoLimite(i.Minimo)),
                                  QString::fromStdString(TestoLimite(i.Massimo)),
                                  QString::fromStdString(TestoStatoIntervallo(i.Stato)),
                                  i.Stato == StatoInRecupero ? QString::number(i.Livello) : QString()};
        for (int c = 0; c < 4; ++c) lista_->setItem(r, c, new QTableWidgetItem(celle[c]));
    }
    const int lettera = TElencoLink::LetteraValida(tabella_.Link) ? tabella_.Link - 'A' : 0;
    link_->setCurrentIndex(lettera);
    aggiungi_->setEnabled(n < TTabellaIntervalli::MassimoIntervalli);
    cambia_->setEnabled(n > 0);
    elimina_->setEnabled(n > 0);
    caricando_ = false;
}

void TEditIntervalli::Selezionato()
{
    const int r = lista_->currentRow();
    if (r < 0 || r >= tabella_.NumeroIntervalli) return;
    const TIntervallo& i = tabella_.Intervalli[static_cast<std::size_t>(r)];
    minimo_->setValue(i.Minimo);
    massimo_->setValue(i.Massimo);
    stato_->setCurrentIndex(i.Stato == StatoInRecupero ? 1 : 0);
    livello_->setValue(std::clamp<int>(i.Livello, 1, LivelloMassimoIntervallo));
}

}  // namespace morella::ui
