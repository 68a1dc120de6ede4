// The desktop layer links and a widget can be shown offscreen.
#include <gtest/gtest.h>
#include <QMainWindow>

TEST(Piattaforma, UnaFinestraSiApreFuoriSchermo)
{
    QMainWindow finestra;
    finestra.resize(640, 480);
    finestra.show();
    EXPECT_TRUE(finestra.isVisible());
}
