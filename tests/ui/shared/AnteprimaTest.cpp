// The print preview opens sized for the screen: maximised on a small one, most of a large one,
// and always through the services' modal loop, so a test drives it.
#include <gtest/gtest.h>

#include <QDialog>
#include <QGuiApplication>
#include <QScreen>

#include "GeometriaAnteprima.h"
#include "ProvaUi.h"
#include "TelaStampa.h"

TEST(Anteprima, GeometriaPerLoSchermo)
{
    using morella::GeometriaAnteprima;
    EXPECT_TRUE(GeometriaAnteprima(640, 480).Massimizzata);
    EXPECT_TRUE(GeometriaAnteprima(1280, 700).Massimizzata);
    const auto grande = GeometriaAnteprima(1920, 1080);
    EXPECT_FALSE(grande.Massimizzata);
    EXPECT_EQ(grande.Larghezza, 1536);
    EXPECT_EQ(grande.Altezza, 864);
    const auto giusta = GeometriaAnteprima(1024, 768);
    EXPECT_FALSE(giusta.Massimizzata);
    EXPECT_LE(giusta.Larghezza, 1024);
    EXPECT_LE(giusta.Altezza, 768);
}

TEST(Anteprima, SiApreAllaMisuraDelloSchermo)
{
    morella::test::TServiziProva servizi;
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    const auto attesa = morella::GeometriaAnteprima(area.width(), area.height());
    bool vista = false;
    servizi.AttendiDialogo([&](QDialog& d) {
        vista = true;
        if (attesa.Massimizzata) {
            EXPECT_TRUE(d.windowState() & Qt::WindowMaximized);
            EXPECT_EQ(d.size(), area.size());  // also where no window manager maximises
        } else {
            EXPECT_EQ(d.size(), QSize(attesa.Larghezza, attesa.Altezza));
        }
        morella::test::Fotografa(d, QStringLiteral("Anteprima"));
        return int(QDialog::Rejected);
    });
    const bool stampato = morella::ui::Servizi().AnteprimaEStampa(nullptr, [](morella::TTelaStampa&) {});
    EXPECT_TRUE(vista);
    EXPECT_FALSE(stampato);
}
