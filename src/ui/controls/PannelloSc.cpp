#include "PannelloSc.h"

#include <QMouseEvent>
#include <QPainter>

#include "ControlliSchedina.h"
#include "Segni.h"

namespace morella::ui {

TPannelloSc::TPannelloSc(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("PannelloSc"));
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Button);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void TPannelloSc::ImpostaGioco(int gioco)
{
    Gioco = gioco;
    NumEvents = EventiDelGioco(gioco);
    updateGeometry();
    update();
}

void TPannelloSc::ImpostaTipo(int tipo)
{
    modello_.Tipo = tipo;
    updateGeometry();
    update();
}

void TPannelloSc::ImpostaNomi(const std::array<std::array<std::string, 2>, MaxEventi>& nomi)
{
    modello_.Nomi = nomi;
    update();
}

void TPannelloSc::ImpostaPercentuali(const TTabellaSegni& t)
{
    modello_.Percentuali = t;
    update();
}

void TPannelloSc::ImpostaValori(const TTabellaSegni& t)
{
    modello_.Valori = t;
    update();
}

void TPannelloSc::ImpostaPronostico(const TPronostico& p)
{
    modello_.Pronostico = p;
    update();
}

void TPannelloSc::ImpostaSelezionabili(const std::array<bool, MaxEventi>& flag)
{
    modello_.ImpostaSelezionabili(flag);
    update();
}

void TPannelloSc::ImpostaSelezionati(const std::array<bool, MaxEventi>& flag)
{
    modello_.ImpostaSelezionati(flag);
    update();
}

void TPannelloSc::ImpostaSquadre(const std::array<std::array<bool, 2>, MaxEventi>& flag)
{
    modello_.ImpostaSquadre(flag);
    update();
}

TPannelloSc::TMisure TPannelloSc::Misure() const
{
    // The published widths suit a very small font; a larger one widens the columns so that
    // no name or value is cut.
    const QFontMetrics fm(font());
    TMisure m{};
    m.num = std::max(LNum, fm.horizontalAdvance(QStringLiteral("13")) + 8);
    m.squadra = std::max(LSquadra, fm.averageCharWidth() * CapacitaNomeEvento + 8);
    m.pro = std::max(LPro, fm.horizontalAdvance(QStringLiteral("1X2")) + 10);
    m.valori = std::max(LValori, fm.horizontalAdvance(QStringLiteral("100 100 100")) + 16);
    m.riga = std::max(ARighe, fm.height() + 4);
    return m;
}

QRect TPannelloSc::RettangoloRiga(int evento) const
{
    const TMisure m = Misure();
    const int gruppo = EventiPerGruppo(Gioco);
    const int y = evento * (m.riga + Gap1) + Gap3 * (evento / gruppo) + Gap1;
    int larghezza = m.num + m.squadra * (DueNomi() ? 2 : 1) + m.pro;
    if (modello_.MostraValori()) larghezza += m.valori;
    return QRect(Gap1, y, larghezza, m.riga);
}

QSize TPannelloSc::sizeHint() const
{
    const QRect ultima = RettangoloRiga(NumEvents - 1);
    return QSize(ultima.right() + 1 + Gap1, ultima.bottom() + 1 + Gap1);
}

int TPannelloSc::RigaIn(const QPoint& p) const
{
    for (int i = 0; i < NumEvents; ++i)
        if (RettangoloRiga(i).contains(p)) return i;
    return -1;
}

TZonaPannello TPannelloSc::ZonaIn(const QPoint& p) const
{
    const TMisure m = Misure();
    int x = p.x() - Gap1;
    if (x < m.num) return TZonaPannello::Numero;
    x -= m.num;
    if (x < m.squadra) return TZonaPannello::PrimoNome;
    x -= m.squadra;
    if (DueNomi()) {
        if (x < m.squadra) return TZonaPannello::SecondoNome;
        x -= m.squadra;
    }
    if (x < m.pro) return TZonaPannello::Pronostico;
    return TZonaPannello::Valori;
}

void TPannelloSc::mousePressEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton) return;
    const int riga = RigaIn(e->position().toPoint());
    if (riga < 0) return;
    if (modello_.Clic(riga, ZonaIn(e->position().toPoint()))) {
        update();
        emit OnModificato();
    }
}

void TPannelloSc::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const TMisure m = Misure();
    const QColor testo = palette().color(QPalette::WindowText);
    for (int i = 0; i < NumEvents; ++i) {
        const QRect r = RettangoloRiga(i);
        const auto ii = static_cast<std::size_t>(i);
        const bool selezionata = modello_.Selezionato(i);
        p.fillRect(r, selezionata ? AzzurroSelezione : palette().color(QPalette::Base));
        p.setPen(selezionata ? QColor(Qt::white)
                             : (modello_.EventoSelezionabile(i) ? testo : QColor(128, 128, 128)));

        auto cella = [&](int x, int w, const QString& s, Qt::Alignment a, bool evidenzia = false) {
            const QRect c(x, r.y(), w, r.height());
            if (evidenzia) p.fillRect(c.adjusted(1, 1, -1, -1), AzzurroSelezione.lighter(150));
            p.drawText(c.adjusted(3, 0, -3, 0), a | Qt::AlignVCenter, s);
            return x + w;
        };
        int x = r.x();
        x = cella(x, m.num, QString::number(i + 1), Qt::AlignRight);
        x = cella(x, m.squadra, QString::fromStdString(modello_.Nomi[ii][0]), Qt::AlignLeft,
                  modello_.Tipo == 1 && modello_.Squadra(i, 0));
        if (DueNomi())
            x = cella(x, m.squadra, QString::fromStdString(modello_.Nomi[ii][1]), Qt::AlignLeft,
                      modello_.Tipo == 1 && modello_.Squadra(i, 1));
        x = cella(x, m.pro, QString::fromStdString(TestoSegni(modello_.Pronostico[ii])), Qt::AlignHCenter);
        if (modello_.MostraValori()) {
            const auto& riga = modello_.Tipo == 3 ? modello_.Percentuali[ii] : modello_.Valori[ii];
            cella(x, m.valori, QStringLiteral("%1 %2 %3").arg(riga[0]).arg(riga[1]).arg(riga[2]),
                  Qt::AlignRight);
        }
        p.setPen(palette().color(QPalette::Mid));
        p.drawRect(r.adjusted(0, 0, -1, -1));
    }
}

}  // namespace morella::ui
