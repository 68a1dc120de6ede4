#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "CartellaTemporanea.h"
#include "TestoColonnaEsteso.h"

using namespace morella;
using morella::test::TGiocoTemporaneo;

TEST(TestoColonnaEsteso, AndataERitornoConMultipleECorsaPiu)
{
    for (const char* t :
         {"1X21X21X21X2", "(1X)X2*(X2)(1X2)111111+1,2", "(12)11111111112+16", "222222222222"}) {
        auto c = ColonnaDaTestoEsteso(t);
        ASSERT_TRUE(c.has_value()) << t;
        EXPECT_EQ(TestoColonnaEsteso(*c), t);
    }
    auto c = ColonnaDaTestoEsteso(" x x 1 2 (x1) 1 1 1 1 1 1 1 + 3 , 1 ");
    ASSERT_TRUE(c);
    EXPECT_EQ((*c)[0], 2);
    EXPECT_EQ((*c)[4], 3);
    EXPECT_EQ(c->CorsaPiu(), 0x0005);
    EXPECT_EQ(TestoColonnaEsteso(*c), "XX12(1X)1111111+1,3");
    // Without "+" the Corsa + bytes are zero.
    EXPECT_EQ(ColonnaDaTestoEsteso("111111111111")->CorsaPiu(), 0);
}

TEST(TestoColonnaEsteso, RifiutaTestiSbagliati)
{
    std::string errore;
    for (const char* t :
         {"11111111111", "1111111111111", "11111111111A", "(1X11111111111", "(11)11111111111",
          "111111111111+", "111111111111+17", "111111111111+0", "111111111111+1,,2", "111111111111+x"}) {
        EXPECT_FALSE(ColonnaDaTestoEsteso(t, &errore).has_value()) << t;
        EXPECT_FALSE(errore.empty());
    }
}

TEST(TestoColonnaEsteso, IlCarattereSbagliatoECitatoIntero)
{
    std::string errore;
    for (const auto& [testo, citato] : std::vector<std::pair<std::string, std::string>>{
             {"1X21X21X21Xé", "'é'"},   // two bytes
             {"1X2€1X21X21X2", "'€'"},  // three bytes
             {"1X21X2🐎1X21X2", "'🐎'"},  // four bytes
             {"1X21X2\xff"
              "1X21X2",
              "'\\xFF'"},                   // no character at all
             {"1X21X2\xc3", "'\\xC3'"}}) {  // a character cut short
        EXPECT_FALSE(ColonnaDaTestoEsteso(testo, &errore).has_value());
        EXPECT_EQ(errore, "carattere non valido " + citato) << testo;
    }
}

TEST(TestoColonnaEsteso, AltriGiochi)
{
    TGiocoTemporaneo toto(GiocoToto);
    auto c = ColonnaDaTestoEsteso("1X21X21X21X2(1X2)");
    ASSERT_TRUE(c);
    EXPECT_EQ((*c)[12], 7);
    EXPECT_EQ(TestoColonnaEsteso(*c), "1X21X21X21X2(1X2)");
    // Byte 12 is event 13 here, never horses; and there is no Corsa + to type.
    EXPECT_FALSE(ColonnaDaTestoEsteso("1X21X21X21X21+1,2").has_value());
}
