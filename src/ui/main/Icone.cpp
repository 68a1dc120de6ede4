#include "Icone.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include "FileBinario.h"

namespace morella::ui {

bool CaricaImmagine(QPixmap& immagine, const std::string& file)
{
    immagine = QPixmap();
    const auto dati = LeggiFileIntero(file, DimensioneMassimaDocumento);
    if (!dati || dati->empty()) return false;
    if (immagine.loadFromData(dati->data(), static_cast<uint>(dati->size()))) return true;
    immagine = QPixmap();
    return false;
}

namespace {

void Foglio(QPainter& p, QColor colore = Qt::white)
{
    p.setPen(QPen(QColor(60, 60, 60), 1.2));
    p.setBrush(colore);
    QPainterPath f;
    f.moveTo(5, 2);
    f.lineTo(15, 2);
    f.lineTo(19, 6);
    f.lineTo(19, 22);
    f.lineTo(5, 22);
    f.closeSubpath();
    p.drawPath(f);
}

void Righe(QPainter& p, int da, int a)
{
    p.setPen(QPen(QColor(90, 90, 160), 1.2));
    for (int y = da; y <= a; y += 3) p.drawLine(8, y, 16, y);
}

void Stampante(QPainter& p)
{
    p.setPen(QPen(QColor(50, 50, 50), 1.2));
    p.setBrush(Qt::white);
    p.drawRect(7, 2, 10, 8);
    p.setBrush(QColor(150, 150, 160));
    p.drawRoundedRect(3, 9, 18, 9, 2, 2);
    p.setBrush(Qt::white);
    p.drawRect(7, 15, 10, 7);
}

}  // namespace

QIcon IconaPulsante(const QString& nome)
{
    QPixmap px(24, 24);
    px.fill(Qt::transparent);
    QPainter p(&px);
    p.setRenderHint(QPainter::Antialiasing);
    if (nome == QLatin1String("SpeedNuovo")) {
        Foglio(p);
        p.setPen(QPen(QColor(255, 170, 0), 2));
        p.drawLine(16, 13, 16, 21);
        p.drawLine(12, 17, 20, 17);
    } else if (nome == QLatin1String("SpeedCarica")) {
        p.setPen(QPen(QColor(120, 90, 20), 1.2));
        p.setBrush(QColor(240, 200, 90));
        p.drawRect(2, 7, 20, 14);
        p.setBrush(QColor(250, 220, 120));
        p.drawPolygon(QPolygon({QPoint(2, 21), QPoint(6, 11), QPoint(23, 11), QPoint(19, 21)}));
    } else if (nome == QLatin1String("SpeedSalva")) {
        p.setPen(QPen(QColor(30, 30, 90), 1.2));
        p.setBrush(QColor(70, 90, 180));
        p.drawRect(3, 3, 18, 18);
        p.setBrush(Qt::white);
        p.drawRect(7, 3, 10, 7);
        p.setBrush(QColor(200, 200, 210));
        p.drawRect(6, 14, 12, 7);
    } else if (nome == QLatin1String("SpeedHelp")) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(40, 110, 200));
        p.drawEllipse(2, 2, 20, 20);
        p.setPen(Qt::white);
        QFont f = p.font();
        f.setBold(true);
        f.setPixelSize(15);
        p.setFont(f);
        p.drawText(QRect(2, 2, 20, 20), Qt::AlignCenter, QStringLiteral("?"));
    } else if (nome == QLatin1String("SpeedUscita")) {
        p.setPen(QPen(QColor(90, 60, 30), 1.2));
        p.setBrush(QColor(170, 120, 70));
        p.drawRect(5, 2, 12, 20);
        p.setPen(QPen(QColor(200, 30, 30), 2.2));
        p.drawLine(12, 12, 22, 12);
        p.drawLine(18, 8, 22, 12);
        p.drawLine(18, 16, 22, 12);
    } else if (nome == QLatin1String("SpeedCommento")) {
        Foglio(p, QColor(255, 255, 200));
        Righe(p, 7, 19);
    } else if (nome == QLatin1String("SpeedQuadro")) {
        p.setPen(QPen(QColor(40, 40, 40), 1));
        for (int r = 0; r < 4; ++r)
            for (int c = 0; c < 4; ++c) {
                p.setBrush((r + c) % 3 == 0 ? QColor(0, 128, 255) : QColor(Qt::white));
                p.drawRect(3 + c * 5, 3 + r * 5, 4, 4);
            }
    } else if (nome == QLatin1String("SpeedStSche")) {
        Stampante(p);
        p.setBrush(QColor(255, 128, 0));
        p.setPen(Qt::NoPen);
        p.drawEllipse(9, 16, 3, 3);
        p.drawEllipse(13, 16, 3, 3);
    } else if (nome == QLatin1String("SpeedStProsp")) {
        Stampante(p);
        p.setPen(QPen(QColor(90, 90, 160), 1));
        p.drawLine(9, 17, 15, 17);
        p.drawLine(9, 19, 15, 19);
    } else if (nome == QLatin1String("SpeedSviluppa")) {
        p.setPen(QPen(QColor(20, 90, 20), 1.2));
        p.setBrush(QColor(60, 180, 60));
        p.drawPolygon(QPolygon({QPoint(5, 3), QPoint(20, 12), QPoint(5, 21)}));
    } else if (nome == QLatin1String("SpeedSpoglio")) {
        Foglio(p);
        p.setPen(QPen(QColor(0, 150, 0), 2.5));
        p.drawLine(7, 13, 11, 18);
        p.drawLine(11, 18, 18, 7);
    } else if (nome == QLatin1String("SpeedVis")) {
        p.setPen(QPen(QColor(40, 40, 40), 1.2));
        p.setBrush(Qt::white);
        p.drawEllipse(2, 6, 20, 12);
        p.setBrush(QColor(0, 128, 255));
        p.drawEllipse(8, 8, 8, 8);
    } else if (nome == QLatin1String("SpeedButton14")) {
        p.setPen(QPen(QColor(20, 80, 140), 1.2));
        p.setBrush(QColor(120, 190, 240));
        p.drawEllipse(2, 2, 20, 20);
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(7, 2, 10, 20);
        p.drawLine(2, 12, 22, 12);
    }
    return QIcon(px);
}

}  // namespace morella::ui
