// The value-table control under the player's mouse: clicks through the states, the level
// buttons, the paging arrows with their press-and-hold repeat, the page buttons and their
// olive mark, the link and range fields, and loading that leaves no change behind.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>

#include "GraphPt.h"

using namespace morella;
using namespace morella::ui;

namespace {

struct TProvaGraphPt {
    explicit TProvaGraphPt(int massimo = 12, int visibili = 13, bool cons = true) : tabella(massimo, cons)
    {
        g.ImpostaNumEvents(12);
        g.ImpostaPtTotali(massimo);
        g.ImpostaPtVisibili(visibili);
        g.ImpostaTipoCons(cons);
        tabella.AEvento = 12;
        g.ImpostaTabella(tabella);
        g.show();
    }
    void Clic(TZonaGraphPt zona, int box = 0)
    {
        QTest::mouseClick(g.Griglia(), Qt::LeftButton, {}, g.Griglia()->Punto(zona, box));
    }
    TTabellaValori Letta()
    {
        TTabellaValori t = tabella;
        g.LeggiTabella(t);
        return t;
    }
    TGraphPt g;
    TTabellaValori tabella;
};

}  // namespace

TEST(GraphPt, ClicSuiValoriELivelli)
{
    TProvaGraphPt p;
    QSignalSpy avvisi(&p.g, &TGraphPt::OnModificato);
    EXPECT_FALSE(p.g.Modificato());
    p.Clic(TZonaGraphPt::Valore, 4);
    EXPECT_TRUE(p.g.Modificato());
    EXPECT_EQ(p.Letta().Stato(0, 4), StatoAmmesso);
    p.Clic(TZonaGraphPt::Valore, 4);
    EXPECT_EQ(p.Letta().Stato(0, 4), StatoInRecupero);
    // Up to 99 and no further, down to 1 and no further.
    for (int i = 0; i < 105; ++i) p.Clic(TZonaGraphPt::LivelloSu, 4);
    EXPECT_EQ(p.g.Modello().Livello(0, 4), 99);
    for (int i = 0; i < 105; ++i) p.Clic(TZonaGraphPt::LivelloGiu, 4);
    EXPECT_EQ(p.g.Modello().Livello(0, 4), 1);
    p.Clic(TZonaGraphPt::Valore, 4);
    EXPECT_EQ(p.Letta().Stato(0, 4), StatoEscluso);  // three clicks: back to excluded
    // One notice per real change: 3 state clicks, 98 up, 98 down.
    EXPECT_EQ(avvisi.count(), 3 + 98 + 98);

    // Without recovery two clicks go back, and the level rows do nothing.
    p.g.ImpostaRecVisibili(false);
    p.Clic(TZonaGraphPt::Valore, 7);
    p.Clic(TZonaGraphPt::LivelloSu, 7);
    EXPECT_EQ(p.Letta().Stato(0, 7), StatoAmmesso);
    p.Clic(TZonaGraphPt::Valore, 7);
    EXPECT_EQ(p.Letta().Stato(0, 7), StatoEscluso);

    // Loading is program code: no mark, no notice.
    avvisi.clear();
    p.g.ImpostaTabella(p.tabella);
    EXPECT_FALSE(p.g.Modificato());
    EXPECT_EQ(avvisi.count(), 0);
}

TEST(GraphPt, FrecceRaggiungonoIlValorePiuAlto)
{
    TProvaGraphPt p(36, 20, false);
    EXPECT_EQ(p.g.Modello().ValoreDelBox(19), 19);
    for (int i = 0; i < 30; ++i) p.Clic(TZonaGraphPt::FrecciaDestra);
    EXPECT_EQ(p.g.Modello().ValoreDelBox(19), 36);
    p.Clic(TZonaGraphPt::Valore, 19);
    EXPECT_EQ(p.Letta().Stato(0, 36), StatoAmmesso);
    // Paging itself is no change to the table.
    p.g.ImpostaModificato(false);
    p.Clic(TZonaGraphPt::FrecciaSinistra);
    EXPECT_FALSE(p.g.Modificato());
    EXPECT_EQ(p.g.Modello().Scostamento(), 16);

    // Held down: one step at once, more after half a second, none after release.
    QWidget* griglia = p.g.Griglia();
    QTest::mousePress(griglia, Qt::LeftButton, {}, p.g.Griglia()->Punto(TZonaGraphPt::FrecciaSinistra));
    EXPECT_EQ(p.g.Modello().Scostamento(), 15);
    QTest::qWait(200);
    EXPECT_EQ(p.g.Modello().Scostamento(), 15);
    QTest::qWait(600);
    const int dopo = p.g.Modello().Scostamento();
    EXPECT_LT(dopo, 14);
    QTest::mouseRelease(griglia, Qt::LeftButton, {}, p.g.Griglia()->Punto(TZonaGraphPt::FrecciaSinistra));
    EXPECT_FALSE(p.g.Griglia()->Ripete());
    const int fermo = p.g.Modello().Scostamento();
    QTest::qWait(200);
    EXPECT_EQ(p.g.Modello().Scostamento(), fermo);

    // Leaving the arrow stops the repeat as well.
    QTest::mousePress(griglia, Qt::LeftButton, {}, p.g.Griglia()->Punto(TZonaGraphPt::FrecciaDestra));
    EXPECT_TRUE(p.g.Griglia()->Ripete());
    QTest::mouseMove(griglia, p.g.Griglia()->Punto(TZonaGraphPt::Valore, 5));
    EXPECT_FALSE(p.g.Griglia()->Ripete());
    QTest::mouseRelease(griglia, Qt::LeftButton, {}, p.g.Griglia()->Punto(TZonaGraphPt::Valore, 5));
}

TEST(GraphPt, PagineCampoELink)
{
    TProvaGraphPt p;
    QPushButton* punti = p.g.Pulsante(TPaginaGraphPt::Punti);
    QPushButton* cons = p.g.Pulsante(TPaginaGraphPt::Consecutivita);
    QPushButton* campo = p.g.Pulsante(TPaginaGraphPt::Campo);
    EXPECT_EQ(punti->text(), "P");
    EXPECT_EQ(cons->text(), "Cs");
    EXPECT_EQ(campo->text(), "Cm");
    EXPECT_FALSE(punti->property("marcata").toBool());
    p.Clic(TZonaGraphPt::Valore, 12);
    EXPECT_TRUE(punti->property("marcata").toBool());
    EXPECT_FALSE(cons->property("marcata").toBool());

    // The runs page: its own entries, letter and group, and its own caption.
    p.g.ImpostaTitolo(QStringLiteral("Pari"));
    p.g.ImpostaTitoloCons(QStringLiteral("Consecutività Pari"));
    QTest::mouseClick(cons, Qt::LeftButton);
    EXPECT_EQ(p.g.Modello().Pagina(), TPaginaGraphPt::Consecutivita);
    p.Clic(TZonaGraphPt::Valore, 2);
    p.g.ComboLink()->setCurrentIndex(3);
    p.g.SpinTra()->setValue(5);
    TTabellaValori t = p.Letta();
    EXPECT_EQ(t.Stato(1, 2), StatoAmmesso);
    EXPECT_EQ(t.Sotto[1].Link, 'D');
    EXPECT_EQ(t.Sotto[1].GruppoTra, 5);
    EXPECT_EQ(t.Sotto[0].Link, 'A');
    EXPECT_TRUE(cons->property("marcata").toBool());

    // The range: the end raised to the start; a range other than the whole column is marked.
    QTest::mouseClick(campo, Qt::LeftButton);
    EXPECT_FALSE(p.g.ComboLink()->isVisibleTo(&p.g));
    EXPECT_FALSE(campo->property("marcata").toBool());
    p.g.ImpostaModificato(false);
    p.g.SpinMax()->setValue(6);
    EXPECT_TRUE(p.g.Modificato());
    p.g.SpinMin()->setValue(9);
    EXPECT_EQ(p.g.SpinMax()->value(), 9);
    t = p.Letta();
    EXPECT_EQ(t.DaEvento, 9);
    EXPECT_EQ(t.AEvento, 9);
    EXPECT_TRUE(campo->property("marcata").toBool());
    EXPECT_EQ(p.g.SpinMax()->maximum(), 12);

    // A table without runs offers no runs page.
    p.g.ImpostaTipoCons(false);
    EXPECT_FALSE(cons->isVisibleTo(&p.g));
    p.g.ImpostaTabella(p.tabella);
    EXPECT_EQ(p.g.Modello().Pagina(), TPaginaGraphPt::Punti);
}
