#include "QuattroColonne.h"

#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

namespace morella::ui {

namespace {

QColor Colore(const TColoreRgb& c)
{
    return {c.r, c.g, c.b};
}

}  // namespace

TQuattroColonne::TQuattroColonne(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("QuattroColonne"));
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void TQuattroColonne::ImpostaGioco(int gioco)
{
    modello_.Gioco = gioco;
    update();
}

void TQuattroColonne::ImpostaNumEvents(int n)
{
    modello_.NumEvents = std::clamp(n, 1, MaxEventi);
    updateGeometry();
    update();
}

void TQuattroColonne::ImpostaNumero(int numero)
{
    modello_.Numero = numero;
    update();
}

void TQuattroColonne::ImpostaModoSpoglio(bool spoglio)
{
    modello_.ModoSpoglio = spoglio;
    update();
}

void TQuattroColonne::ImpostaPresenti(const std::array<bool, 4>& presenti)
{
    modello_.ImpostaPresenti(presenti);
    update();
}

int TQuattroColonne::ImpostaColonne(const TModelloQuattroColonne::TQuattro& colonne, const TColonna& vincente,
                                    bool tutte)
{
    const auto cambiate = modello_.ImpostaColonne(colonne, vincente, tutte);
    for (const auto& [e, c] : cambiate) update(RettangoloCella(e, c));
    return static_cast<int>(cambiate.size());
}

TQuattroColonne::TMisure TQuattroColonne::Misure() const
{
    const QFontMetrics fm(font());
    TMisure m{};
    m.margine = 4;
    m.titolo = fm.height() + 6;
    m.cella = std::max(28, fm.horizontalAdvance(QStringLiteral("1X2")) + 8);
    m.riga = fm.height() + 2;
    return m;
}

QRect TQuattroColonne::RettangoloCella(int evento, int colonna) const
{
    const TMisure m = Misure();
    // One pixel more below every separator, so the line never covers a cell.
    int separatori = 0;
    for (int e = 1; e <= evento; ++e)
        if (SeparatoreDopoEvento(e, modello_.Gioco)) ++separatori;
    return {m.margine + colonna * m.cella, m.titolo + evento * m.riga + separatori * 3, m.cella, m.riga};
}

QSize TQuattroColonne::sizeHint() const
{
    const TMisure m = Misure();
    const QRect ultima = RettangoloCella(modello_.NumEvents - 1, 3);
    const int titolo =
        QFontMetrics(font()).horizontalAdvance(QString::fromStdString(TitoloSchedina(99999))) + 2 * m.margine;
    return {std::max(ultima.right() + 1 + m.margine, titolo), ultima.bottom() + 1 + m.margine};
}

void TQuattroColonne::paintEvent(QPaintEvent* ev)
{
    QPainter p(this);
    const TMisure m = Misure();
    p.fillRect(ev->rect(), palette().color(QPalette::Window));
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(QRect(0, 0, width(), m.titolo), Qt::AlignCenter,
               QString::fromStdString(TitoloSchedina(modello_.Numero)));
    for (int e = 0; e < modello_.NumEvents; ++e) {
        for (int c = 0; c < TModelloQuattroColonne::Colonne; ++c) {
            const QRect r = RettangoloCella(e, c);
            if (!ev->rect().intersects(r)) continue;
            const TCellaQuattro cella = modello_.Cella(e, c);
            p.fillRect(r, Colore(cella.sfondo));
            p.setPen(QColor(192, 192, 192));
            p.drawRect(r.adjusted(0, 0, -1, -1));
            p.setPen(Colore(cella.inchiostro));
            p.drawText(r, Qt::AlignCenter, QString::fromStdString(cella.testo));
        }
        if (SeparatoreDopoEvento(e + 1, modello_.Gioco) && e + 1 < modello_.NumEvents) {
            const QRect r = RettangoloCella(e, 0);
            const int y = r.bottom() + 2;
            p.setPen(palette().color(QPalette::WindowText));
            p.drawLine(m.margine, y, m.margine + 4 * m.cella - 1, y);
        }
    }
}

}  // namespace morella::ui
