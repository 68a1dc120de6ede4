#include "Legenda.h"

#include <QPainter>

namespace morella::ui {

TLegenda::TLegenda(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Legenda"));
}

void TLegenda::Cambiato()
{
    updateGeometry();
    update();
}

void TLegenda::ImpostaGapX(int v)
{
    modello_.GapX = v;
    Cambiato();
}

void TLegenda::ImpostaGapY(int v)
{
    modello_.GapY = v;
    Cambiato();
}

void TLegenda::ImpostaGapOriz(int v)
{
    modello_.GapOriz = v;
    Cambiato();
}

void TLegenda::ImpostaStart(int v)
{
    modello_.Start = v;
    Cambiato();
}

void TLegenda::ImpostaNumPoint(int v)
{
    modello_.NumPoint = v;
    Cambiato();
}

void TLegenda::ImpostaLista(const QStringList& lista)
{
    modello_.Lista.clear();
    for (const QString& s : lista) modello_.Lista.push_back(s.toStdString());
    Cambiato();
}

std::vector<TEtichettaLegenda> TLegenda::Etichette() const
{
    const QFontMetrics fm(font());
    return modello_.Etichette(
        [&fm](std::string_view s) {
            return fm.horizontalAdvance(QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())));
        },
        fm.height());
}

QSize TLegenda::sizeHint() const
{
    const QFontMetrics fm(font());
    int destra = modello_.GapX, basso = modello_.GapY + fm.height();
    for (const auto& e : Etichette()) {
        destra =
            std::max(destra, e.xPrima + std::max(fm.horizontalAdvance(QString::fromStdString(e.prima)),
                                                 fm.horizontalAdvance(QString::fromStdString(e.seconda))));
        if (!e.seconda.empty()) basso = std::max(basso, e.ySeconda + fm.height());
    }
    return {destra + 4, basso + 2};
}

void TLegenda::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setPen(palette().color(QPalette::WindowText));
    const QFontMetrics fm(font());
    for (const auto& e : Etichette()) {
        p.drawText(e.xPrima, e.y + fm.ascent(), QString::fromStdString(e.prima));
        if (!e.seconda.empty())
            p.drawText(e.xPrima, e.ySeconda + fm.ascent(), QString::fromStdString(e.seconda));
    }
}

}  // namespace morella::ui
