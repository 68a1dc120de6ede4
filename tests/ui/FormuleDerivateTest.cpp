// The derived formulas editor: moving formulas between the two lists with the buttons, and
// the editor opened from the main window's menu on a system read from a file.
#include <gtest/gtest.h>

#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "CartellaTemporanea.h"
#include "SceltaFormule.h"

using namespace morella;
using namespace morella::ui;

namespace {

void Scegli(QListWidget& l, std::initializer_list<int> formule)
{
    l.clearSelection();
    for (int i = 0; i < l.count(); ++i)
        for (int f : formule)
            if (l.item(i)->data(Qt::UserRole).toInt() == f) l.item(i)->setSelected(true);
}

void Clic(QWidget& w, const char* nome)
{
    auto* b = w.findChild<QPushButton*>(QString::fromLatin1(nome));
    ASSERT_NE(b, nullptr) << nome;
    QTest::mouseClick(b, Qt::LeftButton);
}

}  // namespace

TEST(SceltaFormule, PulsantiSpostanoLeFormule)
{
    test::TGiocoTemporaneo gioco(GiocoEnalotto);
    TSceltaFormule s;
    TListeFormule::TFlag f{};
    f[10] = true;
    s.Carica(f, 90);
    s.show();
    QSignalSpy modifiche(&s, &TSceltaFormule::OnModificato);
    EXPECT_EQ(s.Formule(s.Incluse()), std::vector<int>{10});
    ASSERT_EQ(s.Escluse()->count(), 90);
    EXPECT_EQ(s.Escluse()->item(89)->text(), QStringLiteral(" 90    0-12- 0"));

    // Nothing chosen: the arrow does nothing.
    s.Escluse()->clearSelection();
    Clic(s, "IncludiBtn");
    EXPECT_EQ(modifiche.count(), 0);

    Scegli(*s.Escluse(), {90, 0, 45});
    Clic(s, "IncludiBtn");
    EXPECT_EQ(s.Formule(s.Incluse()), (std::vector<int>{0, 10, 45, 90}));
    EXPECT_EQ(s.Escluse()->count(), 87);
    EXPECT_TRUE(s.Modificato());
    EXPECT_EQ(modifiche.count(), 1);
    // The moved formulas stay chosen on their new side: "<-" undoes the move.
    Clic(s, "EscludiBtn");
    EXPECT_EQ(s.Formule(s.Incluse()), std::vector<int>{10});
    EXPECT_FALSE(s.Modificato());

    Clic(s, "IncludiTutteBtn");
    EXPECT_EQ(s.Incluse()->count(), 91);
    EXPECT_EQ(s.Escluse()->count(), 0);
    Clic(s, "EscludiTutteBtn");
    EXPECT_EQ(s.Escluse()->count(), 91);
    TListeFormule::TFlag out{};
    out[100] = true;  // beyond this game's formulas: left alone
    s.Copia(out);
    for (int i = 0; i <= 90; ++i) EXPECT_FALSE(out[static_cast<std::size_t>(i)]);
    EXPECT_TRUE(out[100]);
}
