// The scripted services themselves: a step a test queued and the program never reached fails
// the test, whether it was a question, a file name or a dialog.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include "ProvaUi.h"

using namespace morella::test;

TEST(ServiziProva, UnaRispostaMaiChiestaFallisceIlTest)
{
    EXPECT_NONFATAL_FAILURE(
        {
            TServiziProva servizi;
            servizi.AttendiDomanda("Morella", "Vuoi?", 2, 2);
        },
        "mai posta");
    EXPECT_NONFATAL_FAILURE(
        {
            TServiziProva servizi;
            servizi.AttendiFile(std::string("a.Mrl"));
        },
        "mai chieste");
    EXPECT_NONFATAL_FAILURE(
        {
            TServiziProva servizi;
            servizi.AttendiDialogo([](QDialog&) { return 0; });
        },
        "mai aperti");
}

TEST(ServiziProva, UnaDomandaInattesaFallisceIlTest)
{
    TServiziProva servizi;
    EXPECT_NONFATAL_FAILURE(servizi.Chiedi(nullptr, "Morella", "Vuoi?", 2), "inattesa");
}
