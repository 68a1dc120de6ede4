#include "EditSchedina.h"

#include <QHeaderView>
#include <algorithm>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QValidator>

#include "Cartelle.h"
#include "FileBinario.h"

namespace morella::ui {

namespace {

// A number field takes only what the core's rule for its kind accepts.
class TValidatoreNumerico : public QValidator {
public:
    TValidatoreNumerico(TCampoNumerico campo, QObject* parent) : QValidator(parent), campo_(campo) {}
    State validate(QString& testo, int&) const override
    {
        return TestoCampoAccettabile(campo_, testo.toStdString()) ? Acceptable : Invalid;
    }

private:
    TCampoNumerico campo_;
};

class TDelegatoCella : public QStyledItemDelegate {
public:
    TDelegatoCella(std::optional<TCampoNumerico> campo, QObject* parent) : QStyledItemDelegate(parent), campo_(campo) {}
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const override
    {
        auto* e = new QLineEdit(parent);
        e->setFrame(false);
        if (campo_)
            e->setValidator(new TValidatoreNumerico(*campo_, e));
        else
            e->setMaxLength(CapacitaNomeEvento);
        return e;
    }

private:
    std::optional<TCampoNumerico> campo_;
};

QFont FontSchedina(const QWidget& w)
{
    QFont f = w.font();
    f.setPointSize(7);
    return f;
}

void ConfiguraGriglia(QTableWidget& g, int colonne)
{
    g.setColumnCount(colonne);
    g.verticalHeader()->hide();
    g.horizontalHeader()->hide();
    g.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    g.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    g.setFrameShape(QFrame::NoFrame);
    g.setFont(FontSchedina(g));
    g.setEditTriggers(QAbstractItemView::AllEditTriggers);
    g.setSelectionMode(QAbstractItemView::SingleSelection);
    g.setWordWrap(false);
}

// Rows of the given height, columns of the given widths, and the grid sized to fit exactly.
void Dimensiona(QTableWidget& g, int righe, int altezza, const std::vector<int>& larghezze)
{
    g.setRowCount(righe);
    for (int r = 0; r < righe; ++r) g.setRowHeight(r, altezza);
    int w = 0;
    for (int c = 0; c < static_cast<int>(larghezze.size()); ++c) {
        g.setColumnWidth(c, larghezze[static_cast<std::size_t>(c)]);
        w += larghezze[static_cast<std::size_t>(c)];
    }
    const int testata = g.horizontalHeader()->isHidden() ? 0 : g.horizontalHeader()->height();
    g.setFixedSize(w, righe * altezza + testata);
}

QString Testo(const QTableWidget& g, int r, int c)
{
    const QTableWidgetItem* i = g.item(r, c);
    return i ? i->text() : QString();
}

void ImpostaTesto(QTableWidget& g, int r, int c, const QString& t)
{
    QTableWidgetItem* i = g.item(r, c);
    if (!i) {
        i = new QTableWidgetItem;
        i->setTextAlignment(Qt::AlignCenter);
        g.setItem(r, c, i);
    }
    if (i->text() != t) i->setText(t);
}

}  // namespace

// ---- TEditPartite ----

TEditPartite::TEditPartite(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Partite"));
    grid_ = new QTableWidget(this);
    grid_->setObjectName(QStringLiteral("Grid"));
    ConfiguraGriglia(*grid_, 3);
    grid_->setItemDelegate(new TDelegatoCella(std::nullopt, grid_));
    connect(grid_, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* i) {
        if (caricando_ || i->column() == 0) return;
        modificato_ = true;
        emit OnModificato();
    });
    ImpostaGioco(GiocoToto);
}

void TEditPartite::ImpostaAltezzaRighe(int altezza)
{
    CelHeight = altezza;
    ImpostaGioco(gioco_);
}

void TEditPartite::ImpostaGioco(int gioco)
{
    gioco_ = gioco;
    caricando_ = true;
    const int righe = EventiDelGioco(gioco);
    const bool toto = gioco == GiocoToto;
    grid_->setColumnCount(toto ? 3 : 2);
    const int numeri = 20 * CelWidth / 80;
    Dimensiona(*grid_, righe, CelHeight,
               toto ? std::vector<int>{numeri, CelWidth, CelWidth} : std::vector<int>{numeri, CelWidth});
    for (int r = 0; r < righe; ++r) {
        ImpostaTesto(*grid_, r, 0, QString::number(r + 1));
        grid_->item(r, 0)->setFlags(Qt::ItemIsEnabled);
        if (!toto) {
            ImpostaTesto(*grid_, r, 1, QString::fromStdString(EtichettaEvento(gioco, r)));
            grid_->item(r, 1)->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            grid_->item(r, 1)->setFlags(Qt::ItemIsEnabled);
        }
        for (int c = 1; toto && c < 3; ++c) {
            ImpostaTesto(*grid_, r, c, grid_->item(r, c) ? grid_->item(r, c)->text() : QString());
            grid_->item(r, c)->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        }
    }
    // The labels of Enalotto and Totip are fixed: the grid takes no input at all.
    grid_->setEnabled(toto);
    // ... yet its labels stay as readable as typed names.
    QPalette tavolozza = grid_->palette();
    tavolozza.setColor(QPalette::Disabled, QPalette::Text, tavolozza.color(QPalette::Active, QPalette::Text));
    grid_->setPalette(tavolozza);
    setFixedSize(grid_->size());
    caricando_ = false;
}

void TEditPartite::ImpostaNomi(const std::array<std::array<std::string, 2>, MaxEventi>& nomi)
{
    if (gioco_ != GiocoToto) return;
    caricando_ = true;
    for (int r = 0; r < grid_->rowCount(); ++r)
        for (int c = 0; c < 2; ++c)
            ImpostaTesto(*grid_, r, c + 1, QString::fromStdString(nomi[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)]));
    caricando_ = false;
    modificato_ = false;
}

std::array<std::array<std::string, 2>, MaxEventi> TEditPartite::Nomi() const
{
    std::array<std::array<std::string, 2>, MaxEventi> nomi{};
    for (int r = 0; r < grid_->rowCount() && r < MaxEventi; ++r) {
        auto& n = nomi[static_cast<std::size_t>(r)];
        n[0] = TagliaCaratteri(Testo(*grid_, r, 1).toStdString(), CapacitaNomeEvento);
        if (gioco_ == GiocoToto) n[1] = TagliaCaratteri(Testo(*grid_, r, 2).toStdString(), CapacitaNomeEvento);
    }
    return nomi;
}

void TEditPartite::Azzera()
{
    if (gioco_ != GiocoToto) return;
    ImpostaNomi({});
}

QSize TEditPartite::sizeHint() const { return grid_->size(); }

// ---- TEditSchedina ----

TEditSchedina::TEditSchedina(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("EditSchedina"));
    setFont(FontSchedina(*this));
    Partite = new TEditPartite(this);
    Pronostico = new TEditpronostico(this);
    CorsaPiu = new TEditCorsaPiu(this);
    Numero = new QLineEdit(QStringLiteral("1"), this);
    Numero->setObjectName(QStringLiteral("Numero"));
    Numero->setValidator(new TValidatoreNumerico(TCampoNumerico::Concorso, Numero));
    Numero->setAlignment(Qt::AlignCenter);
    GridPerc = new QTableWidget(this);
    GridPerc->setObjectName(QStringLiteral("GridPerc"));
    GridVal = new QTableWidget(this);
    GridVal->setObjectName(QStringLiteral("GridVal"));
    for (auto [g, campo] : {std::pair{GridPerc, TCampoNumerico::Percentuale}, std::pair{GridVal, TCampoNumerico::Valore}}) {
        ConfiguraGriglia(*g, 3);
        g->horizontalHeader()->show();
        g->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
        g->setHorizontalHeaderLabels({QStringLiteral("1"), QStringLiteral("X"), QStringLiteral("2")});
        g->setItemDelegate(new TDelegatoCella(campo, g));
        connect(g, &QTableWidget::itemChanged, this, [this] { CellaModificata(); });
    }
    SPronostico = new TSemaforo(this);
    SPronostico->setObjectName(QStringLiteral("SPronostico"));
    SPercentuali = new TSemaforo(this);
    SPercentuali->setObjectName(QStringLiteral("SPercentuali"));
    SValori = new TSemaforo(this);
    SValori->setObjectName(QStringLiteral("SValori"));
    auto etichetta = [this](const QString& t) {
        auto* l = new QLabel(t, this);
        l->setAttribute(Qt::WA_TranslucentBackground);
        return l;
    };
    etichettaPronostico_ = etichetta(QStringLiteral("Pronostico"));
    etichettaPerc_ = etichetta(QStringLiteral("Percentuali"));
    etichettaVal_ = etichetta(QStringLiteral("Valori"));
    etichettaNumero_ = etichetta(QStringLiteral("Concorso N."));
    etichettaCorsaPiu_ = etichetta(QStringLiteral("Corsa +"));
    auto pulsante = [this](const char* nome, const QString& testo) {
        auto* b = new QPushButton(testo, this);
        b->setObjectName(QString::fromLatin1(nome));
        return b;
    };
    BtnAnalisi = pulsante("BtnAnalisi", QStringLiteral("Analisi"));
    BtnAzzera = pulsante("BtnAzzera", QStringLiteral("Azzera"));
    BtnArchivio = pulsante("BtnArchivio", QStringLiteral("Archivio"));

    connect(Pronostico, &TEditpronostico::OnModificato, this, [this] {
        AggiornaSemafori();
        emit OnModificato();
    });
    connect(CorsaPiu, &TEditCorsaPiu::OnModificato, this, [this] {
        AggiornaSemafori();
        emit OnModificato();
    });
    connect(Partite, &TEditPartite::OnModificato, this, &TEditSchedina::OnModificato);
    connect(Numero, &QLineEdit::textEdited, this, &TEditSchedina::NumeroModificato);
    connect(BtnAzzera, &QPushButton::clicked, this, &TEditSchedina::Azzera);
    ImpostaGioco(GiocoToto);
}

bool TEditSchedina::ImpostaGioco(int gioco)
{
    gioco_ = gioco;
    const bool caricata = maschera_.load(QString::fromStdString(FileMaschera(gioco)));
    if (!caricata) maschera_ = QPixmap();
    Pronostico->ImpostaGioco(gioco);
    Partite->ImpostaGioco(gioco);
    CorsaPiu->setVisible(gioco == GiocoTotip);
    etichettaCorsaPiu_->setVisible(gioco == GiocoTotip);
    Disponi();
    AggiornaSemafori();
    return caricata;
}

void TEditSchedina::ImpostaCompatto(bool compatto) { ImpostaGrandezza(compatto ? 16 : 18); }

void TEditSchedina::ImpostaGrandezza(int deltaY)
{
    deltaY_ = deltaY;
    TGeometriaPronostico g;
    g.DeltaY = deltaY_;
    g.Diametro = deltaY_ - 3;
    // The standard and compact coupons keep their square-ish pitch; a larger one widens too.
    g.DeltaX = std::max(18, deltaY_);
    Pronostico->ImpostaGeometria(g);
    TGeometriaCorsaPiu c;
    if (deltaY_ > 18) {
        c.Larg = Scala(15);
        c.Alt = Scala(13);
        c.DeltaX = Scala(20);
        c.DeltaY = Scala(15);
    }
    CorsaPiu->Geometria = c;
    for (TSemaforo* s : {SPronostico, SPercentuali, SValori}) {
        s->Diametro = std::max(15, Scala(15));
        s->DeltaY = s->Diametro + 2;
    }
    QFont f = font();
    f.setPointSize(std::max(7, Scala(7)));
    setFont(f);
    for (QWidget* w : std::initializer_list<QWidget*>{Partite->Grid(), GridPerc, GridVal}) w->setFont(f);
    Partite->CelWidth = std::max(80, Scala(80));
    Partite->ImpostaAltezzaRighe(deltaY_);
    Disponi();
}

int TEditSchedina::Scala(int pixel) const { return deltaY_ > 18 ? pixel * deltaY_ / 18 : pixel; }

void TEditSchedina::Disponi()
{
    caricando_ = true;
    const int n = Eventi();
    const int m = 6;
    const QSize lampada = SPronostico->sizeHint();
    for (auto* g : {GridPerc, GridVal}) g->horizontalHeader()->setFixedHeight(deltaY_);
    Dimensiona(*GridPerc, n, deltaY_, {Scala(30), Scala(30), Scala(30)});
    Dimensiona(*GridVal, n, deltaY_, {Scala(38), Scala(38), Scala(38)});
    for (auto* g : {GridPerc, GridVal})
        for (int r = 0; r < n; ++r)
            for (int c = 0; c < 3; ++c) ImpostaTesto(*g, r, c, Testo(*g, r, c));

    const int yCorpo = m + lampada.height() + 4 + deltaY_;
    Partite->move(m, yCorpo);
    const auto& gp = Pronostico->Geometria;
    const QSize pron = Pronostico->sizeHint();
    Pronostico->setGeometry(Partite->geometry().right() + 1 + 4, yCorpo - gp.TopGap, pron.width(), pron.height());
    GridPerc->move(Pronostico->geometry().right() + 1 + 4, yCorpo - deltaY_);
    GridVal->move(GridPerc->geometry().right() + 1 + 8, yCorpo - deltaY_);

    auto lampadaCon = [&](TSemaforo* s, QLabel* l, int x) {
        s->setGeometry(x, m, lampada.width(), lampada.height());
        l->adjustSize();
        l->move(x + lampada.width() + 3, m + (lampada.height() - l->height()) / 2);
    };
    lampadaCon(SPronostico, etichettaPronostico_, Pronostico->x() + gp.LeftGap - 4);
    // The prediction's caption goes to the left of its lamp, over the names.
    etichettaPronostico_->move(SPronostico->x() - etichettaPronostico_->width() - 3, etichettaPronostico_->y());
    lampadaCon(SPercentuali, etichettaPerc_, GridPerc->x());
    lampadaCon(SValori, etichettaVal_, GridVal->x());

    int y = yCorpo + n * deltaY_ + 6;
    if (gioco_ == GiocoTotip) {
        const QSize cp = CorsaPiu->sizeHint();
        etichettaCorsaPiu_->adjustSize();
        CorsaPiu->setGeometry(Pronostico->x(), y, cp.width(), cp.height());
        etichettaCorsaPiu_->move(CorsaPiu->x() - etichettaCorsaPiu_->width() - 6,
                                 y + (cp.height() - etichettaCorsaPiu_->height()) / 2);
        y += cp.height() + 6;
    }
    const int altezzaRiga = Scala(22);
    etichettaNumero_->adjustSize();
    etichettaNumero_->move(m, y + (altezzaRiga - etichettaNumero_->height()) / 2);
    Numero->setGeometry(etichettaNumero_->geometry().right() + 5, y, Scala(30), altezzaRiga);
    int x = GridPerc->x();
    for (QPushButton* b : {BtnAnalisi, BtnAzzera, BtnArchivio}) {
        const int w = std::max(Scala(56), b->sizeHint().width());
        b->setGeometry(x, y, w, altezzaRiga);
        x += w + 6;
    }
    const int larghezza = std::max(GridVal->geometry().right(), BtnArchivio->geometry().right()) + 1 + m;
    setFixedSize(larghezza, y + altezzaRiga + m);
    caricando_ = false;
    update();
}

TCelleTabella TEditSchedina::Celle(const QTableWidget& grid) const
{
    TCelleTabella celle{};
    for (int r = 0; r < grid.rowCount() && r < MaxEventi; ++r)
        for (int c = 0; c < 3; ++c)
            celle[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)] = Testo(grid, r, c).toStdString();
    return celle;
}

void TEditSchedina::ImpostaCelle(QTableWidget& grid, const TCelleTabella& celle)
{
    for (int r = 0; r < grid.rowCount() && r < MaxEventi; ++r)
        for (int c = 0; c < 3; ++c)
            ImpostaTesto(grid, r, c, QString::fromStdString(celle[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)]));
}

TContenutoSchedina TEditSchedina::Contenuto()
{
    TContenutoSchedina c;
    c.NomiEventi = Partite->Nomi();
    c.Pronostico = Pronostico->Pronostico();
    c.CorsaPiu = gioco_ == GiocoTotip ? CorsaPiu->Maschera() : TMascheraCorsaPiu{0};
    TCelleTabella perc = Celle(*GridPerc);
    for (auto& riga : perc) riga = TestiPercentuali(riga);
    caricando_ = true;
    ImpostaCelle(*GridPerc, perc);
    caricando_ = false;
    c.Percentuali = perc;
    c.Valori = Celle(*GridVal);
    c.Numero = Numero->text().toStdString();
    return c;
}

void TEditSchedina::ImpostaContenuto(const TContenutoSchedina& c)
{
    caricando_ = true;
    Partite->ImpostaNomi(c.NomiEventi);
    Pronostico->ImpostaPronostico(c.Pronostico);
    CorsaPiu->ImpostaMaschera(c.CorsaPiu);
    ImpostaCelle(*GridPerc, c.Percentuali);
    ImpostaCelle(*GridVal, c.Valori);
    Numero->setText(QString::fromStdString(c.Numero));
    caricando_ = false;
    AggiornaSemafori();
    modificato_ = false;
}

QString TEditSchedina::NumeroTesto() const { return Numero->text(); }

void TEditSchedina::Azzera()
{
    caricando_ = true;
    Pronostico->ImpostaPronostico({});
    if (gioco_ == GiocoTotip) CorsaPiu->ImpostaMaschera(0);
    ImpostaCelle(*GridPerc, {});
    ImpostaCelle(*GridVal, {});
    Partite->Azzera();
    Numero->setText(QStringLiteral("1"));
    caricando_ = false;
    emit NumeroModificato(Numero->text());
    modificato_ = true;
    AggiornaSemafori();
    emit OnModificato();
}

bool TEditSchedina::Modificato() const
{
    return modificato_ || Pronostico->Modificato() || Partite->Modificato() || CorsaPiu->Modificato();
}

void TEditSchedina::AzzeraModificato()
{
    modificato_ = false;
    Pronostico->AzzeraModificato();
    Partite->AzzeraModificato();
    CorsaPiu->AzzeraModificato();
}

void TEditSchedina::CellaModificata()
{
    if (caricando_) return;
    modificato_ = true;
    AggiornaSemafori();
    emit OnModificato();
}

void TEditSchedina::AggiornaSemafori()
{
    percComplete_ = TabellaCompleta(Celle(*GridPerc), Eventi());
    valComplete_ = TabellaCompleta(Celle(*GridVal), Eventi());
    SPronostico->ImpostaStato(LampadaPronostico(Pronostico->Pronostico(), CorsaPiu->Maschera(), gioco_));
    SPercentuali->ImpostaStato(percComplete_);
    SValori->ImpostaStato(valComplete_);
}

void TEditSchedina::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    if (!maschera_.isNull())
        p.drawPixmap(rect(), maschera_);
    else
        p.fillRect(rect(), QColor(250, 240, 220));
    p.setPen(QColor(120, 90, 60));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

}  // namespace morella::ui
