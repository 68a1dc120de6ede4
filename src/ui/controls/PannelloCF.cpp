#include "PannelloCF.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QPainter>

#include "ControlliSchedina.h"

namespace morella::ui {

TPannelloCF::TPannelloCF(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("PannelloCF"));
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void TPannelloCF::ImpostaGioco(int gioco)
{
    modello_.ImpostaGioco(gioco);
    updateGeometry();
    update();
}

void TPannelloCF::ImpostaTipo(int tipo)
{
    modello_.Tipo = tipo;
    updateGeometry();
    update();
}

void TPannelloCF::ImpostaTesto(const std::string& testo)
{
    modello_.Testo = testo;
    updateGeometry();
    update();
}

void TPannelloCF::ImpostaFieldHeight(int h)
{
    modello_.FieldHeight = h;
    updateGeometry();
    update();
}

void TPannelloCF::ImpostaStart(int start)
{
    modello_.Start = start;
    updateGeometry();
    update();
}

void TPannelloCF::ImpostaNumero(int numero)
{
    modello_.Numero = numero;
    update();
}

void TPannelloCF::ImpostaSelezionato(bool selezionato)
{
    selezionato_ = selezionato;
    update();
}

void TPannelloCF::ImpostaColonna(const TColonna& c)
{
    modello_.Colonna = c;
    update();
}

std::vector<TRigaCartella> TPannelloCF::Righe() const
{
    return modello_.Righe(QFontMetrics(font()).height());
}

QSize TPannelloCF::sizeHint() const
{
    const QFontMetrics fm(font());
    int basso = modello_.Start;
    for (const auto& r : Righe()) basso = std::max(basso, r.y + fm.height());
    if (modello_.Tipo == 1) {
        const int perGruppo = EventiPerGruppo(modello_.Gioco);
        const int gruppi = (modello_.NumEvents + perGruppo - 1) / perGruppo;
        basso = std::max(basso, modello_.Start + gruppi * modello_.FieldHeight);
    }
    return {std::max(40, fm.horizontalAdvance(QStringLiteral("1X2")) + 12), basso + 4};
}

void TPannelloCF::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), selezionato_ ? AzzurroSelezione : palette().color(QPalette::Base));
    p.setPen(palette().color(QPalette::Mid));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    const QColor testo = selezionato_ ? QColor(Qt::white) : palette().color(QPalette::Text);
    p.setPen(testo);
    const QFontMetrics fm(font());
    if (modello_.Tipo == 1) {
        p.drawText(QRect(0, 2, width(), fm.height()), Qt::AlignHCenter,
                   QString::fromStdString(TestoNumeroCartella(modello_.Numero)));
        // The bands of the groups of events, each closed by a thin line.
        const int perGruppo = EventiPerGruppo(modello_.Gioco);
        const int gruppi = (modello_.NumEvents + perGruppo - 1) / perGruppo;
        p.setPen(palette().color(QPalette::Mid));
        for (int g = 0; g <= gruppi; ++g) {
            const int y = modello_.Start + g * modello_.FieldHeight - 2;
            p.drawLine(3, y, width() - 4, y);
        }
        p.setPen(testo);
    }
    for (const auto& r : Righe())
        p.drawText(QRect(0, r.y, width(), fm.height()), Qt::AlignHCenter, QString::fromStdString(r.testo));
}

void TPannelloCF::mousePressEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton) emit Cliccato();
}

void TPannelloCF::contextMenuEvent(QContextMenuEvent* e)
{
    if (!menu_) return;
    menu_->popup(e->globalPos());
    e->accept();
}

}  // namespace morella::ui
