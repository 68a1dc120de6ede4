#include "ControlliSchedina.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace morella::ui {

namespace {

QFont FontPiccolo(const QWidget& w, int punti)
{
    QFont f = w.font();
    f.setPointSize(punti);
    return f;
}

}  // namespace

// ---- TEditpronostico ----

TEditpronostico::TEditpronostico(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Pronostico"));
    setCursor(Qt::PointingHandCursor);
}

void TEditpronostico::ImpostaGioco(int gioco)
{
    gioco_ = gioco;
    completo_ = morella::PronosticoCompleto(pronostico_);
    updateGeometry();
    update();
}

void TEditpronostico::ImpostaGeometria(const TGeometriaPronostico& g)
{
    Geometria = g;
    updateGeometry();
    update();
}

void TEditpronostico::ImpostaPronostico(const TPronostico& p)
{
    pronostico_ = p;
    completo_ = morella::PronosticoCompleto(pronostico_);
    modificato_ = false;
    update();
}

QSize TEditpronostico::sizeHint() const
{
    const auto& g = Geometria;
    return {2 * g.LeftGap + 3 * g.DeltaX, 2 * g.TopGap + Eventi() * g.DeltaY};
}

QPoint TEditpronostico::CentroCerchio(int evento, int segno) const
{
    const auto& g = Geometria;
    return {g.LeftGap + segno * g.DeltaX + g.Diametro / 2, g.TopGap + evento * g.DeltaY + g.Diametro / 2};
}

void TEditpronostico::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), ColoreSfondo);
    const auto& g = Geometria;
    p.setFont(FontPiccolo(*this, g.Diametro > 15 ? g.Diametro * 7 / 15 : g.Diametro == 15 ? 7 : 6));
    static const char* lettere[3] = {"1", "X", "2"};
    for (int d = 0; d < Eventi(); ++d) {
        for (int e = 0; e < 3; ++e) {
            const QRect cerchio(g.LeftGap + e * g.DeltaX, g.TopGap + d * g.DeltaY, g.Diametro, g.Diametro);
            const bool acceso = (pronostico_[static_cast<std::size_t>(d)] >> e) & 1;
            p.setPen(Qt::black);
            p.setBrush(acceso ? ColoreSegnoAcceso : QColor(Qt::white));
            p.drawEllipse(cerchio);
            p.setPen(acceso ? Qt::white : Qt::black);
            p.drawText(cerchio, Qt::AlignCenter, QString::fromLatin1(lettere[e]));
        }
        // Groups of rows: threes for the football pool and Enalotto, pairs (one race) for Totip;
        // the football pool's thirteenth match stays with the last three, unseparated.
        const int gruppo = EventiPerGruppo(gioco_);
        if ((d + 1) % gruppo == 0 && d + 1 < Eventi() && !(gioco_ == GiocoToto && d + 1 == 12)) {
            const int y = g.TopGap + (d + 1) * g.DeltaY - (g.DeltaY - g.Diametro + 1) / 2 - 1;
            p.setPen(QPen(Qt::black, 1));
            p.drawLine(2, y, width() - 3, y);
        }
    }
}

void TEditpronostico::mousePressEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton) return;
    const QPoint pos = e->position().toPoint();
    auto cella = CellaPronostico(Geometria, width(), height(), Eventi(), pos.x(), pos.y());
    if (!cella) return;
    InvertiSegno(pronostico_, *cella);
    completo_ = morella::PronosticoCompleto(pronostico_);
    modificato_ = true;
    update();
    emit OnModificato();
}

// ---- TEditCorsaPiu ----

TEditCorsaPiu::TEditCorsaPiu(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("CorsaPiu"));
    setCursor(Qt::PointingHandCursor);
}

void TEditCorsaPiu::ImpostaMaschera(TMascheraCorsaPiu m)
{
    maschera_ = m;
    modificato_ = false;
    update();
}

QSize TEditCorsaPiu::sizeHint() const
{
    const auto& g = Geometria;
    return {2 * g.LeftGap + 7 * g.DeltaX + g.Larg, 2 * g.TopGap + g.DeltaY + g.Alt};
}

QPoint TEditCorsaPiu::CentroCasella(int cavallo) const
{
    const int c = (cavallo - 1) % 8, r = (cavallo - 1) / 8;
    const auto& g = Geometria;
    return {g.LeftGap + c * g.DeltaX + g.Larg / 2, g.TopGap + r * g.DeltaY + g.Alt / 2};
}

void TEditCorsaPiu::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), ColoreSfondo);
    p.setFont(FontPiccolo(*this, std::max(6, Geometria.Larg * 6 / 15)));
    const auto& g = Geometria;
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 8; ++c) {
            const QRect casella(g.LeftGap + c * g.DeltaX, g.TopGap + r * g.DeltaY, g.Larg, g.Alt);
            const bool acceso = (maschera_ >> (c + 8 * r)) & 1;
            p.setPen(Qt::black);
            p.setBrush(acceso ? ColoreSegnoAcceso : QColor(Qt::white));
            p.drawRect(casella.adjusted(0, 0, -1, -1));
            p.setPen(acceso ? Qt::white : Qt::black);
            p.drawText(casella, Qt::AlignCenter, QString::number(c + 8 * r + 1));
        }
}

void TEditCorsaPiu::mousePressEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton) return;
    const QPoint pos = e->position().toPoint();
    auto cella = CellaCorsaPiu(Geometria, width(), height(), pos.x(), pos.y());
    if (!cella) return;
    maschera_ = InvertiCavallo(maschera_, *cella);
    modificato_ = true;
    update();
    emit OnModificato();
}

// ---- TSemaforo ----

TSemaforo::TSemaforo(QWidget* parent) : QWidget(parent) {}

void TSemaforo::ImpostaStato(bool stato)
{
    if (stato == stato_) return;
    stato_ = stato;
    update();
}

QSize TSemaforo::sizeHint() const
{
    return {2 * LeftGap + Diametro, 2 * TopGap + DeltaY + Diametro};
}

void TSemaforo::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), palette().button());
    p.setPen(Qt::black);
    p.setBrush(stato_ ? QColor(Qt::white) : QColor(Qt::red));
    p.drawEllipse(LeftGap, TopGap, Diametro, Diametro);
    p.setBrush(stato_ ? QColor(Qt::green) : QColor(Qt::white));
    p.drawEllipse(LeftGap, TopGap + DeltaY, Diametro, Diametro);
}

}  // namespace morella::ui
