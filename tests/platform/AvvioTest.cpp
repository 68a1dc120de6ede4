// The desktop layer links and a widget can be shown offscreen.
#include <QMainWindow>
#include <gtest/gtest.h>

TEST(Piattaforma, UnaFinestraSiApreFuoriSchermo)
{
    QMainWindow finestra;
    finestra.resize(640, 480);
    finestra.show();
    EXPECT_TRUE(finestra.isVisible());
}
