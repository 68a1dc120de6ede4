// Driving a condition editor as the player does: clicks on the value boxes of a table
// control (paging its row when the value is out of sight), on its level buttons, on the
// editor's buttons and radio buttons, all found by their component names.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "GraphPt.h"

namespace morella::test {

inline ui::TGraphPt* Tabella(QDialog& d, const char* nome)
{
    auto* g = d.findChild<ui::TGraphPt*>(QString::fromLatin1(nome));
    EXPECT_NE(g, nullptr) << nome;
    return g;
}

// The box showing a value, after paging the row with its arrows until the value is in sight.
inline int BoxDelValore(ui::TGraphPt& g, int valore)
{
    auto* griglia = g.Griglia();
    for (int giri = 0; giri < 1100; ++giri) {
        const int primo = g.Modello().ValoreDelBox(0);
        const int ultimo = g.Modello().ValoreDelBox(g.Modello().BoxUsati() - 1);
        if (valore >= primo && valore <= ultimo) return valore - primo;
        const TZonaGraphPt freccia =
            valore < primo ? TZonaGraphPt::FrecciaSinistra : TZonaGraphPt::FrecciaDestra;
        QTest::mouseClick(griglia, Qt::LeftButton, {}, griglia->Punto(freccia));
    }
    ADD_FAILURE() << "valore " << valore << " mai visibile";
    return 0;
}

// Clicks the box of a value on the page shown: each click steps its state.
inline void ClicValore(ui::TGraphPt* g, int valore, int volte = 1)
{
    ASSERT_NE(g, nullptr);
    for (int i = 0; i < volte; ++i) {
        const int box = BoxDelValore(*g, valore);
        QTest::mouseClick(g->Griglia(), Qt::LeftButton, {}, g->Griglia()->Punto(TZonaGraphPt::Valore, box));
    }
}

// Admits every value from..to (one click each on excluded boxes).
inline void Ammetti(ui::TGraphPt* g, int da, int a)
{
    for (int v = da; v <= a; ++v) ClicValore(g, v);
}

// Raises the level of a value in recupero.
inline void AlzaLivello(ui::TGraphPt* g, int valore, int volte)
{
    ASSERT_NE(g, nullptr);
    for (int i = 0; i < volte; ++i) {
        const int box = BoxDelValore(*g, valore);
        QTest::mouseClick(g->Griglia(), Qt::LeftButton, {},
                          g->Griglia()->Punto(TZonaGraphPt::LivelloSu, box));
    }
}

template <class T>
T* Controllo(QDialog& d, const char* nome)
{
    auto* c = d.findChild<T*>(QString::fromLatin1(nome));
    EXPECT_NE(c, nullptr) << nome;
    return c;
}

inline void Clic(QDialog& d, const char* nome)
{
    auto* b = Controllo<QAbstractButton>(d, nome);
    if (!b) return;
    EXPECT_TRUE(b->isEnabled()) << nome;
    // A radio button answers on its indicator and caption, not on the whole row it spans.
    const QPoint punto = qobject_cast<QRadioButton*>(b) ? QPoint(6, b->height() / 2) : b->rect().center();
    QTest::mouseClick(b, Qt::LeftButton, {}, punto);
}

inline QString Testo(QDialog& d, const char* nome)
{
    auto* l = Controllo<QLabel>(d, nome);
    return l ? l->text() : QString();
}

}  // namespace morella::test
