#include "EditSchedina.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QValidator>
#include <algorithm>

#include "Cartelle.h"
#include "FileBinario.h"
#include "Icone.h"

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
    TDelegatoCella(std::optional<TCampoNumerico> campo, QObject* parent)
        : QStyledItemDelegate(parent), campo_(campo)
    {
    }
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
    // The fields of a paper coupon: black on white whatever the desktop's colours.
    QPalette tavolozza = g.palette();
    for (auto gruppo : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        tavolozza.setColor(gruppo, QPalette::Base, Qt::white);
        tavolozza.setColor(gruppo, QPalette::Text, Qt::black);
    }
    g.setPalette(tavolozza);
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

// Pairs of edges along one axis: where a line lies in the picture and where it goes on the
// editor, in order, each one no further back than the one before.
std::vector<std::pair<int, int>> Bordi(const geometria::TDisposizione& da, const geometria::TDisposizione& a,
                                       bool orizzontali)
{
    std::vector<std::pair<int, int>> bordi;
    const auto rd = da.Riquadri(), ra = a.Riquadri();
    for (std::size_t k = 0; k < rd.size(); ++k) {
        if (rd[k].Vuoto() || ra[k].Vuoto()) continue;
        if (orizzontali) {
            bordi.emplace_back(rd[k].x, ra[k].x);
            bordi.emplace_back(rd[k].Destra(), ra[k].Destra());
        } else {
            bordi.emplace_back(rd[k].y, ra[k].y);
            bordi.emplace_back(rd[k].Basso(), ra[k].Basso());
        }
    }
    std::sort(bordi.begin(), bordi.end());
    bordi.erase(std::unique(bordi.begin(), bordi.end(),
                            [](const auto& x, const auto& y) { return x.first == y.first; }),
                bordi.end());
    for (std::size_t k = 1; k < bordi.size(); ++k)
        bordi[k].second = std::max(bordi[k].second, bordi[k - 1].second);
    return bordi;
}

}  // namespace

// The picture is drawn for the layout at the pictures' own pitch; here each stretch between
// two of its edges goes onto the same stretch of the editor's layout, so the band, panels and
// frames land exactly around the controls whatever the size. A picture of another size (not
// one of ours) is simply stretched over the editor.
QPixmap SfondoDallaMaschera(const QPixmap& maschera, const geometria::TDisposizione& da,
                            const geometria::TDisposizione& a)
{
    QPixmap sfondo(a.Larghezza, a.Altezza);
    QPainter p(&sfondo);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    if (maschera.size() != QSize(da.Larghezza, da.Altezza)) {
        p.drawPixmap(sfondo.rect(), maschera);
        return sfondo;
    }
    const auto xs = Bordi(da, a, true), ys = Bordi(da, a, false);
    for (std::size_t i = 0; i + 1 < xs.size(); ++i)
        for (std::size_t j = 0; j + 1 < ys.size(); ++j) {
            const QRect verso(xs[i].second, ys[j].second, xs[i + 1].second - xs[i].second,
                              ys[j + 1].second - ys[j].second);
            if (verso.isEmpty()) continue;
            p.drawPixmap(verso, maschera,
                         QRect(xs[i].first, ys[j].first, xs[i + 1].first - xs[i].first,
                               ys[j + 1].first - ys[j].first));
        }
    return sfondo;
}

// ---- TEditPartite ----

TEditPartite::TEditPartite(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Partite"));
    grid_ = new QTableWidget(this);
    grid_->setObjectName(QStringLiteral("Grid"));
    ConfiguraGriglia(*grid_, 3);
    // A heading row like the tables', so the names line up with their rows.
    grid_->horizontalHeader()->show();
    grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
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
    grid_->setHorizontalHeaderLabels(
        toto ? QStringList{QStringLiteral("N."), QStringLiteral("Casa"), QStringLiteral("Ospite")}
             : QStringList{QStringLiteral("N."),
                           gioco == GiocoTotip ? QStringLiteral("Corse") : QStringLiteral("Ruote")});
    grid_->horizontalHeader()->setFixedHeight(CelHeight);
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
            ImpostaTesto(
                *grid_, r, c + 1,
                QString::fromStdString(nomi[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)]));
    caricando_ = false;
    modificato_ = false;
}

std::array<std::array<std::string, 2>, MaxEventi> TEditPartite::Nomi() const
{
    std::array<std::array<std::string, 2>, MaxEventi> nomi{};
    for (int r = 0; r < grid_->rowCount() && r < MaxEventi; ++r) {
        auto& n = nomi[static_cast<std::size_t>(r)];
        n[0] = TagliaCaratteri(Testo(*grid_, r, 1).toStdString(), CapacitaNomeEvento);
        if (gioco_ == GiocoToto)
            n[1] = TagliaCaratteri(Testo(*grid_, r, 2).toStdString(), CapacitaNomeEvento);
    }
    return nomi;
}

void TEditPartite::Azzera()
{
    if (gioco_ != GiocoToto) return;
    ImpostaNomi({});
}

QSize TEditPartite::sizeHint() const
{
    return grid_->size();
}

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
    for (auto [g, campo] :
         {std::pair{GridPerc, TCampoNumerico::Percentuale}, std::pair{GridVal, TCampoNumerico::Valore}}) {
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
    etichettaCorsaPiu_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    etichettaNumero_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    for (QLabel* l : {etichettaPronostico_, etichettaPerc_, etichettaVal_})
        l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
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
    const bool caricata = CaricaImmagine(maschera_, FileMaschera(gioco));
    Pronostico->ImpostaGioco(gioco);
    Partite->ImpostaGioco(gioco);
    CorsaPiu->setVisible(gioco == GiocoTotip);
    etichettaCorsaPiu_->setVisible(gioco == GiocoTotip);
    Colora();
    Disponi();
    AggiornaSemafori();
    return caricata;
}

void TEditSchedina::ImpostaCompatto(bool compatto)
{
    ImpostaGrandezza(compatto ? geometria::DeltaYCompatto : geometria::DeltaYStandard);
}

void TEditSchedina::ImpostaGrandezza(int deltaY)
{
    deltaY_ = deltaY;
    const geometria::TMisure m = geometria::Misure(deltaY_);
    TGeometriaPronostico g;
    g.DeltaY = m.DeltaY;
    g.Diametro = m.Diametro;
    g.DeltaX = m.DeltaX;
    g.LeftGap = m.LeftGap;
    g.TopGap = m.TopGap;
    Pronostico->ImpostaGeometria(g);
    TGeometriaCorsaPiu c;
    c.Larg = m.CorsaLarg;
    c.Alt = m.CorsaAlt;
    c.DeltaX = m.CorsaDeltaX;
    c.DeltaY = m.CorsaDeltaY;
    c.LeftGap = c.TopGap = m.CorsaGap;
    CorsaPiu->Geometria = c;
    for (TSemaforo* s : {SPronostico, SPercentuali, SValori}) {
        s->Diametro = m.Lampada;
        s->DeltaY = m.LampadaPasso;
        s->LeftGap = m.LampadaLeftGap;
        s->TopGap = m.LampadaTopGap;
    }
    QFont f = font();
    f.setPointSize(m.Punti);
    setFont(f);
    for (QWidget* w : std::initializer_list<QWidget*>{Partite->Grid(), GridPerc, GridVal}) w->setFont(f);
    Partite->CelWidth = m.CelNome;
    Partite->ImpostaAltezzaRighe(deltaY_);
    Colora();
    Disponi();
}

geometria::TDisposizione TEditSchedina::Disposizione(int deltaY) const
{
    return geometria::Disponi(Eventi(), gioco_ == GiocoToto ? 2 : 1, gioco_ == GiocoTotip, deltaY);
}

int TEditSchedina::PassoPerArea(int larghezza, int altezza, int bordo) const
{
    return geometria::PassoPerArea(Eventi(), gioco_ == GiocoToto ? 2 : 1, gioco_ == GiocoTotip, larghezza,
                                   altezza, bordo);
}

void TEditSchedina::Colora()
{
    // The grids' heading rows in the coupon's ink, with the captions in white.
    const QColor inchiostro = QColor::fromRgb(static_cast<QRgb>(geometria::ColoriGioco(gioco_).Inchiostro));
    const QString foglio =
        QStringLiteral(
            "QHeaderView::section { background-color: %1; color: white; border: none;"
            " border-right: 1px solid %2; font-weight: bold; font-size: %3pt; padding: 0px; }")
            .arg(inchiostro.name(), inchiostro.lighter(140).name())
            .arg(font().pointSize());
    for (QTableWidget* g : {Partite->Grid(), GridPerc, GridVal}) g->horizontalHeader()->setStyleSheet(foglio);
    // The lamps' captions lie on the picture's coloured band; on a plain background they keep
    // the ordinary text colour.
    for (QLabel* l : {etichettaPronostico_, etichettaPerc_, etichettaVal_}) {
        QFont f = font();
        f.setBold(!maschera_.isNull());
        l->setFont(f);
        QPalette tavolozza = palette();
        if (!maschera_.isNull()) tavolozza.setColor(QPalette::WindowText, Qt::white);
        l->setPalette(tavolozza);
    }
    // The other captions lie on the picture's pale paper and footer: dark whatever the desktop's colours.
    for (QLabel* l : {etichettaNumero_, etichettaCorsaPiu_}) {
        QPalette tavolozza = palette();
        if (!maschera_.isNull()) tavolozza.setColor(QPalette::WindowText, Qt::black);
        l->setPalette(tavolozza);
    }
}

void TEditSchedina::Disponi()
{
    caricando_ = true;
    const int n = Eventi();
    const geometria::TDisposizione d = Disposizione(deltaY_);
    const geometria::TMisure m = geometria::Misure(deltaY_);
    auto metti = [](QWidget* w, const geometria::TRett& r) { w->setGeometry(r.x, r.y, r.w, r.h); };
    for (auto* g : {GridPerc, GridVal}) g->horizontalHeader()->setFixedHeight(deltaY_);
    Dimensiona(*GridPerc, n, deltaY_, {m.CelPerc, m.CelPerc, m.CelPerc});
    Dimensiona(*GridVal, n, deltaY_, {m.CelVal, m.CelVal, m.CelVal});
    for (auto* g : {GridPerc, GridVal})
        for (int r = 0; r < n; ++r)
            for (int c = 0; c < 3; ++c) ImpostaTesto(*g, r, c, Testo(*g, r, c));

    Partite->move(d.Partite.x, d.Partite.y);
    metti(Pronostico, d.Pronostico);
    GridPerc->move(d.Percentuali.x, d.Percentuali.y);
    GridVal->move(d.Valori.x, d.Valori.y);

    QLabel* didascalie[3] = {etichettaPronostico_, etichettaPerc_, etichettaVal_};
    TSemaforo* lampade[3] = {SPronostico, SPercentuali, SValori};
    for (std::size_t k = 0; k < 3; ++k) {
        metti(lampade[k], d.Lampade[k]);
        metti(didascalie[k], d.Didascalie[k]);
    }
    if (gioco_ == GiocoTotip) {
        metti(CorsaPiu, d.CorsaPiu);
        metti(etichettaCorsaPiu_, d.DidascaliaCorsaPiu);
    }
    metti(etichettaNumero_, d.DidascaliaNumero);
    metti(Numero, d.Numero);
    QPushButton* pulsanti[3] = {BtnAnalisi, BtnAzzera, BtnArchivio};
    for (std::size_t k = 0; k < 3; ++k) metti(pulsanti[k], d.Pulsanti[k]);
    setFixedSize(d.Larghezza, d.Altezza);
    sfondo_ = maschera_.isNull() ? QPixmap()
                                 : SfondoDallaMaschera(maschera_, Disposizione(geometria::DeltaYMaschera), d);
    caricando_ = false;
    update();
}

TCelleTabella TEditSchedina::Celle(const QTableWidget& grid) const
{
    TCelleTabella celle;
    for (int r = 0; r < grid.rowCount() && r < MaxEventi; ++r)
        for (int c = 0; c < 3; ++c)
            celle[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)] = Testo(grid, r, c).toStdString();
    return celle;
}

void TEditSchedina::ImpostaCelle(QTableWidget& grid, const TCelleTabella& celle)
{
    for (int r = 0; r < grid.rowCount() && r < MaxEventi; ++r)
        for (int c = 0; c < 3; ++c)
            ImpostaTesto(
                grid, r, c,
                QString::fromStdString(celle[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)]));
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

QString TEditSchedina::NumeroTesto() const
{
    return Numero->text();
}

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
    // A red lamp says what is missing.
    SPronostico->setToolTip(
        QString::fromStdString(MotivoPronostico(Pronostico->Pronostico(), CorsaPiu->Maschera(), gioco_)));
    SPercentuali->setToolTip(
        QString::fromStdString(MotivoTabella("Percentuali", Celle(*GridPerc), Eventi())));
    SValori->setToolTip(QString::fromStdString(MotivoTabella("Valori", Celle(*GridVal), Eventi())));
}

void TEditSchedina::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    if (!sfondo_.isNull()) {
        p.drawPixmap(0, 0, sfondo_);
        return;
    }
    // No picture: a plain coupon, still framed.
    p.fillRect(rect(), palette().window());
    p.setPen(palette().color(QPalette::Mid));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

}  // namespace morella::ui

namespace morella::ui {

void TEditSchedina::AzzeraSelezione()
{
    // Only the look changes: leaving a cell this way is no edit of the player's.
    for (QTableWidget* g : findChildren<QTableWidget*>()) {
        const QSignalBlocker tabella(g);
        g->clearSelection();
        g->setCurrentItem(nullptr);
        g->viewport()->update();
    }
}

}  // namespace morella::ui
