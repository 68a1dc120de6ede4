#include "FormvisArchivio.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QWheelEvent>

#include "ArgomentiAiuto.h"
#include "CampiConcorsi.h"
#include "Errore.h"
#include "Fabbriche.h"
#include "ServiziUi.h"
#include "StampaArchivio.h"

namespace morella::ui {

// The rows in sight as the grid shows them: row 0 the sub-headings, then one row per
// visible contest. A scroll replaces them all and tells the view once.
class TModelloRighe final : public QAbstractTableModel {
   public:
    using QAbstractTableModel::QAbstractTableModel;
    int rowCount(const QModelIndex& = {}) const override { return static_cast<int>(celle_.size()); }
    int columnCount(const QModelIndex& = {}) const override { return colonne_; }
    QVariant data(const QModelIndex& i, int ruolo) const override
    {
        if (!i.isValid()) return {};
        if (ruolo == Qt::DisplayRole) {
            const auto& riga = celle_[static_cast<std::size_t>(i.row())];
            const auto c = static_cast<std::size_t>(i.column());
            return c < riga.size() ? riga[c] : QString();
        }
        if (ruolo == Qt::TextAlignmentRole) return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
        if (ruolo == Qt::FontRole && i.row() == 0) {
            QFont f;
            f.setBold(true);
            return f;
        }
        return {};
    }
    // A new shape: this many columns and rows.
    void Forma(int colonne, int righe)
    {
        beginResetModel();
        colonne_ = colonne;
        celle_.assign(static_cast<std::size_t>(righe), {});
        endResetModel();
    }
    std::vector<QString>& Riga(int r) { return celle_[static_cast<std::size_t>(r)]; }
    void Cambiate()
    {
        if (!celle_.empty() && colonne_ > 0)
            emit dataChanged(index(0, 0), index(rowCount() - 1, colonne_ - 1), {Qt::DisplayRole});
    }

   private:
    int colonne_ = 0;
    std::vector<std::vector<QString>> celle_;
};

// Each cell is one short centred text: drawn straight, without the style's item panel, so a
// page of thousands of cells is redrawn within a frame.
class TDelegatoCella final : public QStyledItemDelegate {
   public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* p, const QStyleOptionViewItem& opzioni, const QModelIndex& i) const override
    {
        const QString testo = i.data(Qt::DisplayRole).toString();
        if (testo.isEmpty()) return;
        if (i.row() == 0) {
            p->save();
            QFont f = opzioni.font;
            f.setBold(true);
            p->setFont(f);
            p->drawText(opzioni.rect, Qt::AlignCenter, testo);
            p->restore();
            return;
        }
        p->drawText(opzioni.rect, Qt::AlignCenter, testo);
    }
};

namespace {

template <class TGriglia>
TGriglia* Griglia(const char* nome, QWidget* padre)
{
    auto* g = new TGriglia(padre);
    g->setObjectName(QString::fromLatin1(nome));
    g->horizontalHeader()->hide();
    g->verticalHeader()->hide();
    g->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    g->setEditTriggers(QAbstractItemView::NoEditTriggers);
    g->setSelectionMode(QAbstractItemView::NoSelection);
    g->setFocusPolicy(Qt::NoFocus);
    g->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    g->setWordWrap(false);
    return g;
}

QString Testo(const std::string& s)
{
    return QString::fromStdString(s).trimmed();
}

}  // namespace

TGruppiSpuntati& TFormvisArchivio::GruppiRicordati()
{
    static TGruppiSpuntati gruppi = [] {
        TGruppiSpuntati g;
        Spunta(g, TGruppoVista::NumeroSegni);
        return g;
    }();
    return gruppi;
}

TFormvisArchivio::TFormvisArchivio(const T_Archivio& archivio, QWidget* parent)
    : QDialog(parent), archivio_(archivio), vista_(archivio), gruppi_(GruppiRicordati())
{
    setObjectName(QStringLiteral("FormvisArchivio"));
    setWindowTitle(QStringLiteral("Visualizzazione Archivio"));

    auto* caselle = new QGroupBox(QStringLiteral("Condizioni Da Visualizzare"), this);
    auto* gc = new QGridLayout(caselle);
    for (int i = 0; i < NumeroGruppiVista; ++i) {
        const TDescrizioneGruppo& d = DescrizioniGruppi()[static_cast<std::size_t>(i)];
        auto* c = new QCheckBox(QString::fromStdString(d.Casella), caselle);
        c->setObjectName(QStringLiteral("Check%1").arg(i));
        c->setChecked(Spuntato(gruppi_, d.Gruppo));
        connect(c, &QCheckBox::toggled, this, [this, g = d.Gruppo](bool si) {
            Spunta(gruppi_, g, si);
            GruppiRicordati() = gruppi_;
            Struttura();
            Ridisegna();
        });
        caselle_[i] = c;
        gc->addWidget(c, i / 4, i % 4);
    }

    intestazione_ = Griglia<QTableWidget>("GrigliaIntestazione", this);
    intestazione_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    intestazione_->setRowCount(2);
    righe_ = Griglia<QTableView>("GrigliaRighe", this);
    modello_ = new TModelloRighe(righe_);
    righe_->setModel(modello_);
    righe_->setItemDelegate(new TDelegatoCella(righe_));
    righe_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    righe_->viewport()->installEventFilter(this);
    scorrimento_ = new QScrollBar(Qt::Vertical, this);
    scorrimento_->setObjectName(QStringLiteral("ScrollVerticale"));
    connect(scorrimento_, &QScrollBar::valueChanged, this, [this] { Ridisegna(); });
    // The header follows the rows sideways, so every title stays above its columns.
    connect(righe_->horizontalScrollBar(), &QScrollBar::valueChanged, intestazione_->horizontalScrollBar(),
            &QScrollBar::setValue);

    QPushButton* stampa = Pulsante(this, "StampaBtn", QStringLiteral("Stampa"));
    connect(stampa, &QPushButton::clicked, this, [this] { Stampa(); });
    auto* piede = new QDialogButtonBox(this);
    piede->addButton(stampa, QDialogButtonBox::ActionRole);
    QPushButton* chiudi = piede->addButton(QStringLiteral("Chiudi"), QDialogButtonBox::RejectRole);
    chiudi->setObjectName(QStringLiteral("ChiudiBtn"));
    QPushButton* aiuto = piede->addButton(QStringLiteral("Aiuto"), QDialogButtonBox::HelpRole);
    aiuto->setObjectName(QStringLiteral("AiutoBtn"));
    connect(piede, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(aiuto, &QPushButton::clicked, this,
            [this] { Servizi().ApriAiuto(this, Aiuto::ArchivioVisualizzazione); });

    auto* griglie = new QGridLayout;
    griglie->setSpacing(0);
    griglie->addWidget(intestazione_, 0, 0);
    griglie->addWidget(righe_, 1, 0);
    griglie->addWidget(scorrimento_, 1, 1);
    griglie->setRowStretch(1, 1);
    auto* l = new QVBoxLayout(this);
    l->addWidget(caselle);
    l->addLayout(griglie, 1);
    l->addWidget(piede);

    Struttura();
    // Most of the screen it opens on: the more rows and columns in sight, the better.
    const QScreen* schermo = parent && parent->screen() ? parent->screen() : QGuiApplication::primaryScreen();
    const QRect area = schermo ? schermo->availableGeometry() : QRect(0, 0, 1024, 768);
    resize(std::min(area.width() * 9 / 10, 1200), std::min(area.height() * 9 / 10, 900));
}

TFormvisArchivio::~TFormvisArchivio() = default;

// The columns of the ticked groups, the header's spans and the sub-headings row.
void TFormvisArchivio::Struttura()
{
    const std::vector<std::string> sottotitoli = SottotitoliVista(gruppi_);
    const int colonne = static_cast<int>(sottotitoli.size());
    const QFontMetrics fm = righe_->fontMetrics();
    QFont grassetto = righe_->font();
    grassetto.setBold(true);
    const QFontMetrics fg(grassetto);
    modello_->Forma(colonne, visibili_ + 1);
    intestazione_->clearSpans();
    intestazione_->setColumnCount(colonne);
    // Wide enough for the sub-heading (bold) and for the widest value the column shows.
    for (int c = 0; c < colonne; ++c) {
        const QString campione = c == 0   ? QStringLiteral("00000")
                                 : c == 2 ? QString(NumEvents + 1, QLatin1Char('X'))
                                          : QStringLiteral("000");
        const int larga = std::max(fm.horizontalAdvance(campione),
                                   fg.horizontalAdvance(Testo(sottotitoli[static_cast<std::size_t>(c)])));
        righe_->setColumnWidth(c, larga + 10);
    }
    for (int c = 0; c < colonne; ++c) intestazione_->setColumnWidth(c, righe_->columnWidth(c));

    intestazione_->clearContents();
    auto metti = [this](int r, int c, const QString& t) {
        auto* it = new QTableWidgetItem(t);
        it->setTextAlignment(Qt::AlignCenter);
        intestazione_->setItem(r, c, it);
    };
    intestazione_->setSpan(0, 0, 2, 3);
    metti(0, 0, QStringLiteral("Concorso"));
    int c = 3;
    for (TGruppoVista g : GruppiMostrati(gruppi_)) {
        const TDescrizioneGruppo& d = DescrizioneGruppo(g);
        const int n = static_cast<int>(d.Sottotitoli.size());
        if (n > 1) {
            intestazione_->setSpan(0, c, 1, n);
            intestazione_->setSpan(1, c, 1, n);
        }
        metti(0, c, Testo(d.Titolo));
        metti(1, c, QString::fromStdString(d.Didascalie).simplified());
        intestazione_->item(0, c)->setToolTip(QString::fromStdString(d.Casella));
        c += n;
    }
    const int alta = fm.height() + 6;
    for (int r = 0; r < 2; ++r) intestazione_->setRowHeight(r, alta);
    intestazione_->setFixedHeight(2 * alta + 2 * intestazione_->frameWidth());
    righe_->verticalHeader()->setDefaultSectionSize(alta);
    righe_->verticalHeader()->setMinimumSectionSize(alta);
    Dimensiona();
}

// As many rows as the grid shows whole, and the scroll range for them: recomputed whenever
// the window opens or changes size. At the end of the range the rows past the last contest
// stay blank.
void TFormvisArchivio::Dimensiona()
{
    const int alta = righe_->verticalHeader()->defaultSectionSize();
    const int altezza = righe_->viewport()->height();
    const int visibili = std::max(1, altezza / std::max(1, alta) - 1);
    const bool allaFine = scorrimento_->value() >= scorrimento_->maximum();
    if (visibili != visibili_ || modello_->rowCount() != visibili + 1) {
        visibili_ = visibili;
        modello_->Forma(modello_->columnCount(), visibili_ + 1);
    }
    std::vector<QString>& sottotitoli = modello_->Riga(0);
    sottotitoli.clear();
    for (const std::string& t : SottotitoliVista(gruppi_)) sottotitoli.push_back(Testo(t));
    const TScorrimentoVista s = ScorrimentoVista(archivio_.NumeroConcorsi(), visibili_);
    const QSignalBlocker blocco(scorrimento_);
    scorrimento_->setRange(s.Minimo, s.Massimo);
    scorrimento_->setPageStep(visibili_);
    if (allaFine) scorrimento_->setValue(s.Posizione);
}

void TFormvisArchivio::Ridisegna()
{
    const int n = archivio_.NumeroConcorsi();
    const int inizio = scorrimento_->value();
    for (int r = 1; r <= visibili_; ++r) {
        const int indice = inizio + r - 1;
        std::vector<QString>& riga = modello_->Riga(r);
        riga.clear();
        if (indice >= n) continue;
        for (const std::string& t : vista_.Riga(indice, gruppi_).Celle())
            riga.push_back(QString::fromStdString(t));
    }
    modello_->Cambiate();
}

QString TFormvisArchivio::Cella(int riga, int colonna) const
{
    return modello_->data(modello_->index(riga, colonna), Qt::DisplayRole).toString();
}

void TFormvisArchivio::resizeEvent(QResizeEvent* e)
{
    QDialog::resizeEvent(e);
    Dimensiona();
    Ridisegna();
}

void TFormvisArchivio::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    // Opening shows the latest contests.
    Dimensiona();
    scorrimento_->setValue(scorrimento_->maximum());
    Ridisegna();
}

bool TFormvisArchivio::eventFilter(QObject* o, QEvent* e)
{
    if (o == righe_->viewport() && e->type() == QEvent::Wheel) {
        auto* w = static_cast<QWheelEvent*>(e);
        if (w->angleDelta().y() != 0) {
            QApplication::sendEvent(scorrimento_, e);
            return true;
        }
    }
    return QDialog::eventFilter(o, e);
}

void TFormvisArchivio::Stampa()
{
    TF123StampaArch dialogo(archivio_, this);
    if (Servizi().EseguiDialogo(dialogo) != QDialog::Accepted) return;
    const TEstremiConcorsi estremi = dialogo.Estremi();
    try {
        bool stampato = true;
        Servizi().AnteprimaEStampa(
            this, [&](TTelaStampa& tela) { stampato = StampaArchivio(archivio_, estremi, gruppi_, tela); });
        if (!stampato) Servizi().MostraErrore(this, MessaggioArchivioSenzaConcorsi);
    } catch (const EErrore& e) {
        Servizi().MostraErrore(this, e.what());
    }
}

// ---- Stampa Archivio ----

TF123StampaArch::TF123StampaArch(const T_Archivio& archivio, QWidget* parent)
    : QDialog(parent), modello_(archivio)
{
    setObjectName(QStringLiteral("F123StampaArch"));
    setWindowTitle(QStringLiteral("Stampa Archivio"));
    const TStagioniArchivio limiti = modello_.Limiti();
    CreaCampiConcorsi(this, limiti, {"Annoinf1", "Concorso1", "annoinf2", "Concorso2"},
                      {&annoinf1_, &concorso1_, &annoinf2_, &concorso2_});
    auto* gruppo = new QGroupBox(QStringLiteral("Concorsi Da Stampare"), this);
    auto* g = new QGridLayout(gruppo);
    g->addWidget(new QLabel(QStringLiteral("Stagione")), 0, 1);
    g->addWidget(new QLabel(QStringLiteral("Concorso")), 0, 2);
    g->addWidget(new QLabel(QStringLiteral("Dal Concorso :")), 1, 0);
    g->addWidget(annoinf1_, 1, 1);
    g->addWidget(concorso1_, 1, 2);
    g->addWidget(new QLabel(QStringLiteral("Al Concorso :")), 2, 0);
    g->addWidget(annoinf2_, 2, 1);
    g->addWidget(concorso2_, 2, 2);
    QDialogButtonBox* piede = PulsantiOkAnnulla(this);
    QPushButton* aiuto = piede->addButton(QStringLiteral("Aiuto"), QDialogButtonBox::HelpRole);
    aiuto->setObjectName(QStringLiteral("AiutoBtn"));
    connect(aiuto, &QPushButton::clicked, this, [this] { Servizi().ApriAiuto(this, Aiuto::StampaArchivio); });
    auto* l = new QVBoxLayout(this);
    l->addWidget(gruppo);
    l->addWidget(piede);

    LegaEstremi(this, {annoinf1_, concorso1_, annoinf2_, concorso2_}, modello_,
                {&TDialogoStampaArch::ImpostaStagioneIniziale, &TDialogoStampaArch::ImpostaConcorsoIniziale,
                 &TDialogoStampaArch::ImpostaStagioneFinale, &TDialogoStampaArch::ImpostaConcorsoFinale},
                [this] { Mostra(); });
    Mostra();
}

void TF123StampaArch::Mostra()
{
    const TEstremiConcorsi& e = modello_.Estremi();
    MostraEstremi({annoinf1_, concorso1_, annoinf2_, concorso2_}, e);
}

}  // namespace morella::ui
