// The column controls as the player uses them: typing in sign fields and moving between
// them, the four-column view's colours, clicks on the coupon panel, the column card and
// the chart labels as drawn.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QImage>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>

#include "ControlliSchedina.h"
#include "EditColonna.h"
#include "Legenda.h"
#include "PannelloCF.h"
#include "PannelloSc.h"
#include "QuattroColonne.h"

using namespace morella;
using namespace morella::ui;

namespace {

// Pixels of a part of a widget's picture that look like the colour (text is anti-aliased,
// so only clearly coloured pixels count).
int PixelSimili(QWidget& w, const QRect& r, const std::function<bool(const QColor&)>& prova)
{
    const QImage img = w.grab(r).toImage();
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (prova(img.pixelColor(x, y))) ++n;
    return n;
}

bool Rosso(const QColor& c)
{
    return c.red() > 180 && c.green() < 90 && c.blue() < 90;
}
bool Scuro(const QColor& c)
{
    return c.red() < 90 && c.green() < 90 && c.blue() < 90;
}

}  // namespace

TEST(EditSegno, OgniSegnoUnaVoltaEIlTreDiventaX)
{
    TEditColonna c;
    c.show();
    TEditSegno* f = c.Campo(0);
    QTest::keyClicks(f, QStringLiteral("xX"));
    EXPECT_EQ(f->text(), QStringLiteral("X"));
    QTest::keyClicks(f, QStringLiteral("3a2 1#2"));
    EXPECT_EQ(f->text(), QStringLiteral("X21"));
    QTest::keyClick(f, Qt::Key_Backspace);
    EXPECT_EQ(f->text(), QStringLiteral("X2"));
    QTest::keyClick(f, Qt::Key_Left);
    QTest::keyClick(f, Qt::Key_Delete);
    EXPECT_EQ(f->text(), QStringLiteral("X"));
    // A selected sign is about to be replaced: typing it again is allowed.
    f->selectAll();
    QTest::keyClicks(f, QStringLiteral("3"));
    EXPECT_EQ(f->text(), QStringLiteral("X"));
    TColonna col;
    c.LeggiColonna(col);
    EXPECT_EQ(col[0], SegnoX);

    // Pasting would pass round the filter: the key is swallowed.
    QApplication::clipboard()->setText(QStringLiteral("AB1"));
    QTest::keyClick(f, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(f->text(), QStringLiteral("X"));

    // One sign only.
    c.ImpostaSingolo(true);
    TEditSegno* g = c.Campo(1);
    QTest::keyClicks(g, QStringLiteral("12"));
    EXPECT_EQ(g->text(), QStringLiteral("1"));
}

TEST(EditColonna, FrecceSpostanoECampiRiscritti)
{
    TEditColonna c;
    c.ImpostaGioco(GiocoTotip);
    c.show();
    QApplication::setActiveWindow(&c);
    EXPECT_FALSE(c.Campo(12)->isVisibleTo(&c));
    c.Campo(0)->setFocus();
    QTest::keyClicks(c.Campo(0), QStringLiteral("X1"));
    QTest::keyClick(c.Campo(0), Qt::Key_Down);
    EXPECT_TRUE(c.Campo(1)->hasFocus());
    EXPECT_EQ(c.Campo(0)->text(), QStringLiteral("1X"));  // rewritten in the usual order
    QTest::keyClick(c.Campo(1), Qt::Key_Up);
    EXPECT_TRUE(c.Campo(0)->hasFocus());
    QTest::keyClick(c.Campo(0), Qt::Key_Up);  // nothing above the first
    EXPECT_TRUE(c.Campo(0)->hasFocus());
    c.Campo(11)->setFocus();
    QTest::keyClick(c.Campo(11), Qt::Key_Down);  // Totip ends at the twelfth
    EXPECT_TRUE(c.Campo(11)->hasFocus());

    // Groups of two events for Totip: a larger gap after every second field.
    EXPECT_EQ(c.Campo(2)->y() - c.Campo(1)->y(), c.FieldHeight + c.Gap1 + c.Gap2);
    EXPECT_EQ(c.Campo(1)->y() - c.Campo(0)->y(), c.FieldHeight + c.Gap1);
}

TEST(EditColonna, ValiditaEModificato)
{
    TEditColonna c;
    c.ImpostaGioco(GiocoEnalotto);
    c.ImpostaContiguo(true);
    c.show();
    QSignalSpy modifiche(&c, &TEditColonna::OnModificato);
    c.ImpostaColonna(TColonna{});
    EXPECT_EQ(modifiche.count(), 1);
    EXPECT_FALSE(c.Modificato());

    QTest::keyClicks(c.Campo(0), QStringLiteral("1"));
    QTest::keyClicks(c.Campo(1), QStringLiteral("x"));
    QTest::keyClicks(c.Campo(3), QStringLiteral("2"));
    EXPECT_TRUE(c.Modificato());
    EXPECT_EQ(modifiche.count(), 4);
    TColonna col;
    EXPECT_FALSE(c.LeggiColonna(col));  // 1, X, empty, 2
    QTest::keyClick(c.Campo(3), Qt::Key_Backspace);
    EXPECT_TRUE(c.LeggiColonna(col));  // 1, X, empty, empty
    EXPECT_EQ(col[1], SegnoX);
    EXPECT_EQ(col[3], 0);

    c.ImpostaContiguo(false);
    c.ImpostaCompleto(true);
    EXPECT_FALSE(c.LeggiColonna(col));
    TColonna piena{};
    for (std::size_t i = 0; i < 12; ++i) piena[i] = Segno2;
    c.ImpostaColonna(piena);
    EXPECT_EQ(c.Campo(11)->text(), QStringLiteral("2"));
    EXPECT_TRUE(c.LeggiColonna(col));
    QTest::keyClick(c.Campo(6), Qt::Key_Backspace);
    EXPECT_FALSE(c.LeggiColonna(col));
}

TEST(QuattroColonne, ColoriDelleCelle)
{
    TQuattroColonne q;
    q.ImpostaGioco(GiocoToto);
    q.ImpostaNumero(7);
    q.resize(q.sizeHint());
    TModelloQuattroColonne::TQuattro col{};
    col[0][0] = Segno1 | SegnoX;
    col[1][0] = Segno2 | BitMarcato;
    col[2][0] = Segno1;
    TColonna vincente{};
    vincente[0] = SegnoX;
    EXPECT_EQ(q.ImpostaColonne(col, vincente, true), 4 * 13);

    const QRect marcata = q.RettangoloCella(0, 1).adjusted(2, 2, -2, -2);
    EXPECT_EQ(q.grab(marcata).toImage().pixelColor(0, 0), QColor(0, 255, 255));
    EXPECT_EQ(q.grab(q.RettangoloCella(0, 0).adjusted(2, 2, -2, -2)).toImage().pixelColor(0, 0),
              QColor(Qt::white));

    q.ImpostaModoSpoglio(true);
    q.ImpostaPresenti({true, true, false, true});
    // "1X" against a winning "X" is right: black; "2" is wrong: red; column 3 does not take part.
    EXPECT_GT(PixelSimili(q, q.RettangoloCella(0, 0), Scuro), 0);
    EXPECT_EQ(PixelSimili(q, q.RettangoloCella(0, 0), Rosso), 0);
    EXPECT_GT(PixelSimili(q, q.RettangoloCella(0, 1), Rosso), 0);
    EXPECT_EQ(PixelSimili(q, q.RettangoloCella(0, 2), Rosso), 0);
    EXPECT_EQ(PixelSimili(q, q.RettangoloCella(0, 2), Scuro), 0);  // grey, not black

    // Only the cells whose look changed are redrawn.
    EXPECT_EQ(q.ImpostaColonne(col, vincente, false), 2);  // now red and grey
    col[3][5] = Segno1;
    EXPECT_EQ(q.ImpostaColonne(col, vincente, false), 1);
}

TEST(PannelloSc, ClicEIntervalloDellaSelezione)
{
    TPannelloSc p;
    p.ImpostaGioco(GiocoToto);
    p.ImpostaTipo(3);
    TTabellaSegni perc{};
    perc[0] = {50, 30, 20};
    perc[1] = {60, 40, 0};
    p.ImpostaPercentuali(perc);
    p.resize(p.sizeHint());
    p.show();
    QSignalSpy modifiche(&p, &TPannelloSc::OnModificato);
    const auto clicRiga = [&](int riga, int x) {
        QTest::mouseClick(&p, Qt::LeftButton, {}, QPoint(x, p.RettangoloRiga(riga).center().y()));
    };
    clicRiga(0, 10);
    clicRiga(1, 10);
    EXPECT_TRUE(p.Modificato());
    EXPECT_EQ(modifiche.count(), 2);
    auto r = p.Intervallo();
    EXPECT_FALSE(r.vuota);
    EXPECT_DOUBLE_EQ(r.minimo, 0.0);
    EXPECT_DOUBLE_EQ(r.massimo, 30.0);
    // A click on the values column selects nothing.
    clicRiga(2, p.RettangoloRiga(2).right() - 5);
    EXPECT_EQ(p.Selezionati()[2], 0);
    EXPECT_EQ(modifiche.count(), 2);

    // Loading the selection is not a change of the player's.
    p.ImpostaSelezionati({});
    EXPECT_FALSE(p.Modificato());
    EXPECT_TRUE(p.Intervallo().vuota);

    // One event at a time.
    p.ImpostaSelezionaPartiteSingole(true);
    clicRiga(4, 10);
    clicRiga(6, 10);
    const auto sel = p.Selezionati();
    EXPECT_EQ(sel[4], 0);
    EXPECT_EQ(sel[6], 1);

    // Team flags: a click on either name; the range counts both, then one.
    TPannelloSc s;
    s.ImpostaGioco(GiocoToto);
    s.ImpostaTipo(1);
    s.ImpostaPtPerVittoria(3);
    s.resize(s.sizeHint());
    s.show();
    const int y = s.RettangoloRiga(0).center().y();
    const int primo = s.RettangoloRiga(0).x() + s.LNum + 10;
    QTest::mouseClick(&s, Qt::LeftButton, {}, QPoint(primo, y));
    int secondo = primo;
    while (s.ZonaIn(QPoint(secondo, y)) != TZonaPannello::SecondoNome) ++secondo;
    QTest::mouseClick(&s, Qt::LeftButton, {}, QPoint(secondo + 2, y));
    EXPECT_TRUE(s.Modello().Squadra(0, 0));
    EXPECT_TRUE(s.Modello().Squadra(0, 1));
    EXPECT_DOUBLE_EQ(s.Intervallo().minimo, 2.0);
    EXPECT_DOUBLE_EQ(s.Intervallo().massimo, 3.0);

    // Display only.
    s.ImpostaTipo(4);
    QTest::mouseClick(&s, Qt::LeftButton, {}, QPoint(primo, y));
    EXPECT_TRUE(s.Modello().Squadra(0, 0));
}

TEST(PannelloCF, CartellaSelezionataEMenu)
{
    TPannelloCF c;
    c.ImpostaGioco(GiocoTotip);
    EXPECT_EQ(c.Modello().NumEvents, 12);
    c.ImpostaTipo(1);
    c.ImpostaNumero(3);
    TColonna col{};
    col[0] = Segno1 | Segno2;
    c.ImpostaColonna(col);
    c.resize(c.sizeHint());
    const auto righe = c.Righe();
    ASSERT_EQ(righe.size(), 12u);
    EXPECT_EQ(righe[0].testo, "12");
    EXPECT_EQ(righe[2].y, c.Modello().Start + c.Modello().FieldHeight);
    EXPECT_GE(c.height(), righe.back().y + QFontMetrics(c.font()).height());

    EXPECT_NE(c.grab().toImage().pixelColor(2, 2), AzzurroSelezione);
    c.ImpostaSelezionato(true);
    EXPECT_EQ(c.grab().toImage().pixelColor(2, 2), AzzurroSelezione);

    QMenu menu;
    menu.addAction(QStringLiteral("Copia"));
    c.ImpostaPopUpMenu(&menu);
    c.show();
    QContextMenuEvent e(QContextMenuEvent::Mouse, QPoint(5, 5), c.mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(&c, &e);
    EXPECT_TRUE(menu.isVisible());
    menu.close();
}

TEST(Legenda, EtichetteDisegnateAlloroPosto)
{
    TLegenda l;
    QStringList lista;
    for (int i = 0; i < 8; ++i) lista << QString::number(i);
    l.ImpostaLista(lista);
    l.ImpostaStart(2);
    l.ImpostaNumPoint(3);
    const auto e = l.Etichette();
    ASSERT_EQ(e.size(), 3u);
    EXPECT_EQ(e[0].prima, "2");
    EXPECT_EQ(e[0].x, 40);
    EXPECT_EQ(e[1].x, 70);
    EXPECT_EQ(e[2].prima, "4");
    EXPECT_EQ(e[2].x, 100);
    l.resize(200, 40);
    // Ink around each of the three centres and nowhere after the third.
    for (int x : {40, 70, 100}) EXPECT_GT(PixelSimili(l, QRect(x - 8, 0, 16, 40), Scuro), 0) << x;
    EXPECT_EQ(PixelSimili(l, QRect(115, 0, 85, 40), Scuro), 0);

    // Changing a number takes effect at once.
    l.ImpostaGapOriz(50);
    EXPECT_EQ(l.Etichette()[2].x, 140);
    l.ImpostaLista({QStringLiteral("1995,Gen")});
    l.ImpostaStart(0);
    const auto d = l.Etichette();
    ASSERT_EQ(d.size(), 1u);
    EXPECT_EQ(d[0].seconda, "Gen");
    EXPECT_GT(d[0].ySeconda, d[0].y);
}
