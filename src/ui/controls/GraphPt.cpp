#include "GraphPt.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

namespace morella::ui {

namespace {

// A page button holding something other than its defaults.
const QColor Oliva(128, 128, 0);
// The three states: plain, admitted, admitted at a link's cost.
const QColor ColoreEscluso(250, 250, 250);
const QColor ColoreAmmesso(30, 140, 50);
const QColor ColoreRecupero(245, 160, 20);

constexpr int RitardoRipetizione = 500;
constexpr int PassoRipetizione = 45;

const char* const NomiPagine[3] = {"P", "Cs", "Cm"};

QPolygon Triangolo(const QRect& r, bool su)
{
    const int cx = r.center().x();
    const int mezzo = std::max(2, std::min(r.width(), r.height()) / 2 - 1);
    const int cy = r.center().y();
    if (su)
        return QPolygon({QPoint(cx - mezzo, cy + mezzo / 2), QPoint(cx + mezzo, cy + mezzo / 2),
                         QPoint(cx, cy - mezzo / 2 - 1)});
    return QPolygon({QPoint(cx - mezzo, cy - mezzo / 2), QPoint(cx + mezzo, cy - mezzo / 2),
                     QPoint(cx, cy + mezzo / 2 + 1)});
}

QPolygon TriangoloOrizzontale(const QRect& r, bool sinistra)
{
    const int cy = r.center().y();
    const int mezzo = std::max(3, r.width() / 2 - 1);
    const int x0 = r.center().x() - mezzo / 2;
    const int x1 = r.center().x() + mezzo / 2;
    if (sinistra) return QPolygon({QPoint(x1, cy - mezzo), QPoint(x1, cy + mezzo), QPoint(x0 - 1, cy)});
    return QPolygon({QPoint(x0, cy - mezzo), QPoint(x0, cy + mezzo), QPoint(x1 + 1, cy)});
}

}  // namespace

// ---- the row of boxes ----

TGrigliaGraphPt::TGrigliaGraphPt(TGraphPt& proprietario) : QWidget(&proprietario), g_(proprietario)
{
    setObjectName(QStringLiteral("Griglia"));
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setMouseTracking(false);
    ripeti_ = new QTimer(this);
    connect(ripeti_, &QTimer::timeout, this, [this] {
        ripeti_->setInterval(PassoRipetizione);
        if (g_.modello_.Scorri(freccia_ == TZonaGraphPt::FrecciaSinistra ? -1 : 1))
            update();
        else
            Ferma();
    });
}

int TGrigliaGraphPt::LarghezzaTesto() const
{
    if (!g_.testo_) return 0;
    const QFontMetrics fm(font());
    return std::max(30, std::max({fm.horizontalAdvance(QStringLiteral("Pnt.")),
                                  fm.horizontalAdvance(QStringLiteral("Con.")),
                                  fm.horizontalAdvance(QStringLiteral("Liv."))}) +
                            6);
}

int TGrigliaGraphPt::AltezzaNumeri() const
{
    return QFontMetrics(font()).height() + 1;
}

TGeometriaGraphPt TGrigliaGraphPt::Geometria() const
{
    const QFontMetrics fm(font());
    const TModelloGraphPt& m = g_.modello_;
    TGeometriaGraphPt geo;
    geo.X0 = LarghezzaTesto();
    geo.LFreccia = std::max(12, fm.height() * 3 / 4);
    const int cifre = fm.horizontalAdvance(QString::number(std::max(99, m.PtTotali)));
    geo.LBox = std::max(g_.LBoxPt, cifre + 6);
    geo.YSu = AltezzaNumeri();
    geo.ABtn = std::max(g_.ABtn, fm.height() * 2 / 3 + 2);
    geo.YBox = geo.YSu + geo.ABtn;
    geo.ABox = std::max(g_.ABoxPt, fm.height() + 4);
    geo.Box = std::max(1, m.BoxUsati());
    return geo;
}

QSize TGrigliaGraphPt::sizeHint() const
{
    const TGeometriaGraphPt geo = Geometria();
    return {geo.X0 + geo.Larghezza() + 1, geo.YGiu() + geo.ABtn + 1};
}

QPoint TGrigliaGraphPt::Punto(TZonaGraphPt zona, int box) const
{
    const TGeometriaGraphPt geo = Geometria();
    const int xb = geo.XBox(box) + geo.LBox / 2;
    switch (zona) {
        case TZonaGraphPt::Valore:
            return {xb, geo.YBox + geo.ABox / 2};
        case TZonaGraphPt::LivelloSu:
            return {xb, geo.YSu + geo.ABtn / 2};
        case TZonaGraphPt::LivelloGiu:
            return {xb, geo.YGiu() + geo.ABtn / 2};
        case TZonaGraphPt::FrecciaSinistra:
            return {geo.X0 + geo.LFreccia / 2, geo.YBox + geo.ABox / 2};
        case TZonaGraphPt::FrecciaDestra:
            return {geo.XFrecciaDestra() + geo.LFreccia / 2, geo.YBox + geo.ABox / 2};
        case TZonaGraphPt::Nessuna:
            break;
    }
    return {-1, -1};
}

bool TGrigliaGraphPt::Ripete() const
{
    return ripeti_->isActive();
}

void TGrigliaGraphPt::Ferma()
{
    ripeti_->stop();
    freccia_ = TZonaGraphPt::Nessuna;
}

void TGrigliaGraphPt::paintEvent(QPaintEvent*)
{
    const TModelloGraphPt& m = g_.modello_;
    const TGeometriaGraphPt geo = Geometria();
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, true);
    const int tabella = m.TabellaMostrata();
    const QColor testo = palette().color(QPalette::WindowText);
    const QColor spento = palette().color(QPalette::Disabled, QPalette::WindowText);

    if (g_.testo_) {
        p.setPen(testo);
        p.drawText(QRect(0, 0, geo.X0 - 2, geo.YSu), Qt::AlignLeft | Qt::AlignVCenter,
                   tabella == 1 ? QStringLiteral("Con.") : QStringLiteral("Pnt."));
        if (m.RecVisibili)
            p.drawText(QRect(0, geo.YBox, geo.X0 - 2, geo.ABox), Qt::AlignLeft | Qt::AlignVCenter,
                       QStringLiteral("Liv."));
    }

    // The arrows, grey where the row cannot move that way.
    const int alto = geo.YSu;
    const int altezza = geo.YGiu() + geo.ABtn - alto;
    const QRect sinistra(geo.X0, alto, geo.LFreccia, altezza);
    const QRect destra(geo.XFrecciaDestra(), alto, geo.LFreccia, altezza);
    p.setPen(Qt::NoPen);
    p.setBrush(m.Scostamento() > 0 ? testo : spento);
    p.drawPolygon(TriangoloOrizzontale(sinistra, true));
    p.setBrush(m.Scostamento() < m.ScostamentoMassimo() ? testo : spento);
    p.drawPolygon(TriangoloOrizzontale(destra, false));

    QFont grassetto = font();
    grassetto.setBold(true);
    for (int b = 0; b < m.BoxUsati(); ++b) {
        const int valore = m.ValoreDelBox(b);
        if (valore < 0) continue;
        const TVoceGraphPt& v = m.Voce(tabella, valore);
        const QRect numero(geo.XBox(b), 0, geo.LBox, geo.YSu);
        const QRect box(geo.XBox(b) + 1, geo.YBox, geo.LBox - 2, geo.ABox);
        p.setFont(font());
        p.setPen(testo);
        p.drawText(numero, Qt::AlignCenter, QString::number(valore));
        p.setPen(QPen(QColor(110, 110, 110), 1));
        switch (v.Stato) {
            case StatoAmmesso:
                p.setBrush(ColoreAmmesso);
                p.drawRect(box);
                // A tick: readable without colour too.
                p.setPen(QPen(Qt::white, 2));
                p.drawPolyline(
                    QPolygon({QPoint(box.left() + box.width() / 4, box.center().y()),
                              QPoint(box.center().x() - 1, box.bottom() - box.height() / 4),
                              QPoint(box.right() - box.width() / 5, box.top() + box.height() / 4)}));
                break;
            case StatoInRecupero:
                p.setBrush(ColoreRecupero);
                p.drawRect(box);
                p.setFont(grassetto);
                p.setPen(Qt::black);
                p.drawText(box, Qt::AlignCenter, QString::number(m.Livello(tabella, valore)));
                break;
            default:
                p.setBrush(ColoreEscluso);
                p.drawRect(box);
                break;
        }
        if (v.Stato == StatoInRecupero && m.RecVisibili) {
            const int livello = m.Livello(tabella, valore);
            const QRect su(geo.XBox(b) + 2, geo.YSu + 1, geo.LBox - 4, geo.ABtn - 2);
            const QRect giu(geo.XBox(b) + 2, geo.YGiu() + 1, geo.LBox - 4, geo.ABtn - 2);
            p.setPen(Qt::NoPen);
            p.setBrush(livello < TModelloGraphPt::LivelloMassimo ? testo : spento);
            p.drawPolygon(Triangolo(su, true));
            p.setBrush(livello > 1 ? testo : spento);
            p.drawPolygon(Triangolo(giu, false));
        }
    }
}

void TGrigliaGraphPt::mousePressEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton) return;
    TModelloGraphPt& m = g_.modello_;
    const TColpoGraphPt colpo = Geometria().ZonaIn(e->position().toPoint().x(), e->position().toPoint().y());
    bool cambiato = false;
    switch (colpo.Zona) {
        case TZonaGraphPt::Valore:
            cambiato = m.ClicValore(colpo.Box);
            break;
        case TZonaGraphPt::LivelloSu:
            cambiato = m.AlzaLivello(colpo.Box);
            break;
        case TZonaGraphPt::LivelloGiu:
            cambiato = m.AbbassaLivello(colpo.Box);
            break;
        case TZonaGraphPt::FrecciaSinistra:
        case TZonaGraphPt::FrecciaDestra:
            if (m.Scorri(colpo.Zona == TZonaGraphPt::FrecciaSinistra ? -1 : 1)) {
                update();
                freccia_ = colpo.Zona;
                ripeti_->start(RitardoRipetizione);
            }
            return;
        case TZonaGraphPt::Nessuna:
            return;
    }
    if (cambiato) g_.Cambiato();
}

void TGrigliaGraphPt::mouseReleaseEvent(QMouseEvent*)
{
    Ferma();
}

void TGrigliaGraphPt::mouseMoveEvent(QMouseEvent* e)
{
    if (freccia_ == TZonaGraphPt::Nessuna) return;
    const TColpoGraphPt colpo = Geometria().ZonaIn(e->position().toPoint().x(), e->position().toPoint().y());
    if (colpo.Zona != freccia_) Ferma();
}

void TGrigliaGraphPt::leaveEvent(QEvent*)
{
    Ferma();
}

// ---- the control ----

TGraphPt::TGraphPt(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("GraphPt"));
    auto* esterno = new QVBoxLayout(this);
    esterno->setContentsMargins(0, 0, 0, 0);
    cornice_ = new QGroupBox(this);
    esterno->addWidget(cornice_);
    auto* l = new QVBoxLayout(cornice_);
    l->setContentsMargins(4, 2, 4, 2);
    l->setSpacing(2);

    auto* riga = new QHBoxLayout;
    riga->setSpacing(3);
    for (int i = 0; i < 3; ++i) {
        auto* b = new QPushButton(QString::fromLatin1(NomiPagine[i]), cornice_);
        b->setObjectName(QStringLiteral("Pagina") + QString::fromLatin1(NomiPagine[i]));
        b->setCheckable(true);
        b->setFocusPolicy(Qt::NoFocus);
        b->setFixedWidth(b->fontMetrics().horizontalAdvance(QStringLiteral("Cm")) + 16);
        connect(b, &QPushButton::clicked, this, [this, i] {
            modello_.MostraPagina(static_cast<TPaginaGraphPt>(i));
            Aggiorna();
        });
        pagine_[i] = b;
        riga->addWidget(b);
    }
    riga->addStretch(1);
    etichettaLink_ = new QLabel(QStringLiteral("Link"), cornice_);
    link_ = new QComboBox(cornice_);
    link_->setObjectName(QStringLiteral("ComboLink"));
    for (char c = 'A'; c <= 'Z'; ++c) link_->addItem(QString(QLatin1Char(c)));
    etichettaTra_ = new QLabel(QStringLiteral("Tra"), cornice_);
    tra_ = new QSpinBox(cornice_);
    tra_->setObjectName(QStringLiteral("SpinTra"));
    tra_->setRange(0, TModelloGraphPt::GruppoTraMassimo);
    riga->addWidget(etichettaLink_);
    riga->addWidget(link_);
    riga->addSpacing(4);
    riga->addWidget(etichettaTra_);
    riga->addWidget(tra_);
    l->addLayout(riga);

    stack_ = new QStackedWidget(cornice_);
    griglia_ = new TGrigliaGraphPt(*this);
    stack_->addWidget(griglia_);
    auto* campo = new QWidget(stack_);
    auto* lc = new QHBoxLayout(campo);
    lc->setContentsMargins(0, 0, 0, 0);
    min_ = new QSpinBox(campo);
    min_->setObjectName(QStringLiteral("SpinMin"));
    max_ = new QSpinBox(campo);
    max_->setObjectName(QStringLiteral("SpinMax"));
    lc->addWidget(new QLabel(QStringLiteral("Campo"), campo));
    lc->addSpacing(8);
    lc->addWidget(new QLabel(QStringLiteral("Min"), campo));
    lc->addWidget(min_);
    lc->addSpacing(8);
    lc->addWidget(new QLabel(QStringLiteral("Max"), campo));
    lc->addWidget(max_);
    lc->addStretch(1);
    stack_->addWidget(campo);
    l->addWidget(stack_, 0, Qt::AlignLeft);

    // A number counts once it is complete: typing "12" is not a passing range of 1.
    for (QSpinBox* sp : {tra_, min_, max_}) sp->setKeyboardTracking(false);
    // Only the player's own changes count: loading blocks these signals.
    connect(link_, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (modello_.CambiaLink(static_cast<char>('A' + std::max(0, i)))) Cambiato();
    });
    connect(tra_, &QSpinBox::valueChanged, this, [this](int v) {
        if (modello_.CambiaGruppoTra(v)) Cambiato();
    });
    connect(min_, &QSpinBox::valueChanged, this, [this](int v) {
        if (modello_.CambiaDaEvento(v)) Cambiato();
    });
    connect(max_, &QSpinBox::valueChanged, this, [this](int v) {
        if (modello_.CambiaAEvento(v)) Cambiato();
    });
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    Aggiorna();
}

QPushButton* TGraphPt::Pulsante(TPaginaGraphPt p) const
{
    return pagine_[static_cast<int>(p)];
}

void TGraphPt::ImpostaTabella(const TTabellaValori& t)
{
    modello_.ImpostaTabella(t);
    Aggiorna();
}

void TGraphPt::LeggiTabella(TTabellaValori& t) const
{
    modello_.LeggiTabella(t);
}

void TGraphPt::MostraPagina(TPaginaGraphPt p)
{
    modello_.MostraPagina(p);
    Aggiorna();
}

void TGraphPt::Cambiato()
{
    // Keep the other fields in step (a raised end of range), then tell the owner.
    Aggiorna();
    emit OnModificato();
}

void TGraphPt::AggiornaTitolo()
{
    QString t = titolo_;
    if (modello_.Pagina() == TPaginaGraphPt::Consecutivita && !titoloCons_.isEmpty()) t = titoloCons_;
    cornice_->setTitle(bordo_ ? t : QString());
    cornice_->setFlat(!bordo_);
}

void TGraphPt::Aggiorna()
{
    modello_.CorreggiPagina();
    modello_.Scorri(0);
    const TPaginaGraphPt pagina = modello_.Pagina();
    for (int i = 0; i < 3; ++i) {
        const auto p = static_cast<TPaginaGraphPt>(i);
        QPushButton* b = pagine_[i];
        b->setVisible(modello_.PaginaDisponibile(p));
        b->setChecked(p == pagina);
        const bool marcata = modello_.PaginaMarcata(p);
        b->setProperty("marcata", marcata);
        // The page shown reads in bold; olive marks a page holding something.
        QString stile = QStringLiteral("QPushButton:checked { font-weight: bold; }");
        if (marcata)
            stile += QStringLiteral(
                "QPushButton { background-color: rgb(128,128,0); color: white; border: 1px solid #404000;"
                " padding: 1px; }"
                "QPushButton:checked { border: 2px solid black; }");
        b->setStyleSheet(stile);
    }
    const bool campo = pagina == TPaginaGraphPt::Campo;
    const bool linkVisibile = linkTra_ && !campo;
    for (QWidget* w : {static_cast<QWidget*>(etichettaLink_), static_cast<QWidget*>(link_),
                       static_cast<QWidget*>(etichettaTra_), static_cast<QWidget*>(tra_)})
        w->setVisible(linkVisibile);
    {
        const QSignalBlocker b1(link_), b2(tra_), b3(min_), b4(max_);
        const int tabella = modello_.TabellaMostrata();
        link_->setCurrentIndex(modello_.Link(tabella) - 'A');
        tra_->setValue(modello_.GruppoTra(tabella));
        min_->setRange(1, std::max(1, modello_.NumEvents));
        max_->setRange(1, std::max(1, modello_.NumEvents));
        min_->setValue(modello_.DaEvento());
        max_->setValue(modello_.AEvento());
    }
    stack_->setCurrentIndex(campo ? 1 : 0);
    AggiornaTitolo();
    griglia_->updateGeometry();
    griglia_->adjustSize();
    stack_->setFixedHeight(griglia_->sizeHint().height());
    griglia_->update();
}

void TGraphPt::ImpostaTitolo(const QString& t)
{
    titolo_ = t;
    AggiornaTitolo();
}

void TGraphPt::ImpostaTitoloCons(const QString& t)
{
    titoloCons_ = t;
    AggiornaTitolo();
}

void TGraphPt::ImpostaPtTotali(int v)
{
    modello_.PtTotali = std::clamp(v, 0, TModelloGraphPt::NumeroVoci - 1);
    modello_.Scorri(0);
    Aggiorna();
}

void TGraphPt::ImpostaPtVisibili(int v)
{
    modello_.PtVisibili = std::clamp(v, 1, TModelloGraphPt::NumeroVoci);
    Aggiorna();
}

void TGraphPt::ImpostaPtIniziale(int v)
{
    modello_.PtIniziale = std::clamp(v, 0, TModelloGraphPt::NumeroVoci - 1);
    Aggiorna();
}

void TGraphPt::ImpostaLinkTra(bool v)
{
    linkTra_ = v;
    Aggiorna();
}

void TGraphPt::ImpostaTesto(bool v)
{
    testo_ = v;
    Aggiorna();
}

void TGraphPt::ImpostaBordo(bool v)
{
    bordo_ = v;
    AggiornaTitolo();
}

void TGraphPt::ImpostaRecVisibili(bool v)
{
    modello_.RecVisibili = v;
    Aggiorna();
}

void TGraphPt::ImpostaTipoPunti(bool v)
{
    modello_.TipoPunti = v;
    Aggiorna();
}

void TGraphPt::ImpostaTipoCons(bool v)
{
    modello_.TipoCons = v;
    Aggiorna();
}

void TGraphPt::ImpostaTipoCampo(bool v)
{
    modello_.TipoCampo = v;
    Aggiorna();
}

void TGraphPt::ImpostaNumEvents(int v)
{
    modello_.NumEvents = std::max(1, v);
    Aggiorna();
}

}  // namespace morella::ui
