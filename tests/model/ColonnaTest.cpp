#include <gtest/gtest.h>

#include "CartellaTemporanea.h"
#include "Colonna.h"
#include "Distribuzione.h"

using namespace morella;
using morella::test::TGiocoTemporaneo;

namespace {

TColonna Da(const char* testo)
{
    TColonna c{};
    EXPECT_GE(ColonnaDaTesto(testo, c), 0) << testo;
    return c;
}

}  // namespace

TEST(Segni, TestiNelLoroOrdineERiempimento)
{
    EXPECT_EQ(TestoSegni(7, true), "1X2");
    EXPECT_EQ(TestoSegni(2, true), "X  ");
    EXPECT_EQ(TestoSegni(6), "X2");
    EXPECT_EQ(TestoSegni(5), "12");
    EXPECT_EQ(TestoSegni(0), "");
    EXPECT_EQ(TestoSegni(0, true), "   ");
    // Marks in the upper bits never show.
    EXPECT_EQ(TestoSegni(0x80 | 1), "1");
}

TEST(Segni, DaTestoAccettaOgniOrdineERifiutaIlResto)
{
    EXPECT_EQ(SegniDaTesto("x1"), 3);
    EXPECT_EQ(SegniDaTesto(" 2 x "), 6);
    EXPECT_EQ(SegniDaTesto("21"), 5);
    for (const char* t : {"1X2", "12X", "X12", "X21", "2X1", "21X"}) EXPECT_EQ(SegniDaTesto(t), 7) << t;
    for (const char* t : {"11", "1XX", "*", "", "1X21", "A", "3", "XX2"}) EXPECT_EQ(SegniDaTesto(t), 0) << t;
}

TEST(Colonna, ConteggiDelPronostico)
{
    TPronostico q{};
    const TSegni segni[12] = {1, 2, 4, 3, 6, 7, 7, 1, 1, 1, 5, 2};
    for (int i = 0; i < 12; ++i) q[i] = segni[i];
    EXPECT_EQ(NumeroDoppie(q), 3);
    EXPECT_EQ(NumeroTriple(q), 2);
    EXPECT_EQ(NumeroSingole(q), 7);
    EXPECT_EQ(ColonneIniziali(q), 8u * 9u);
    EXPECT_TRUE(PronosticoCompleto(q));
    q[4] = 0;
    EXPECT_FALSE(PronosticoCompleto(q));
    EXPECT_EQ(EventiCompilati(q), 4);
    EXPECT_EQ(PrimoEventoMultiplo(q), 4);
    EXPECT_EQ(PrimoEventoMultiplo(q, 5), 6);
    EXPECT_EQ(PrimoEventoMultiplo(q, 12), 0);

    TPronostico singola{};
    for (int i = 0; i < 12; ++i) singola[i] = 1;
    EXPECT_EQ(ColonneIniziali(singola), 1u);
    EXPECT_TRUE(PronosticoVuoto(TPronostico{}));

    TPronostico tutte{};
    for (int i = 0; i < 12; ++i) tutte[i] = 7;
    EXPECT_EQ(ColonneIniziali(tutte), 531441u);
    TGiocoTemporaneo toto(GiocoToto);
    tutte[12] = 7;
    EXPECT_EQ(ColonneIniziali(tutte), 1594323u);
}

TEST(Colonna, MoltiplicatoreCorsaPiuSoloPerIlTotip)
{
    EXPECT_EQ(MoltiplicatoreCorsaPiu(0), 1);
    EXPECT_EQ(MoltiplicatoreCorsaPiu(0x0010), 1);
    EXPECT_EQ(MoltiplicatoreCorsaPiu(0x0003), 1);
    EXPECT_EQ(MoltiplicatoreCorsaPiu(0x0007), 3);
    EXPECT_EQ(MoltiplicatoreCorsaPiu(0xFFFF), 120);
    TColonna c{};
    c.ImpostaCorsaPiu(0x8001 | 0x0100);
    EXPECT_EQ(c[12], 0x01);
    EXPECT_EQ(c[13], 0x81);
    EXPECT_EQ(MoltiplicatoreColonna(c), 3);
    {
        // Toto keeps event 13 in byte 12: it is a sign, not a horse.
        TGiocoTemporaneo toto(GiocoToto);
        EXPECT_EQ(MoltiplicatoreCorsaPiu(0xFFFF), 1);
        EXPECT_EQ(MoltiplicatoreColonna(c), 1);
    }
    TGiocoTemporaneo enalotto(GiocoEnalotto);
    EXPECT_EQ(MoltiplicatoreColonna(c), 1);
}

TEST(Colonna, ErroriEDistanzaGuardanoSoloISegniDegliEventi)
{
    TColonna a = Da("111111111111");
    TColonna b = Da("1X1111111112");
    EXPECT_EQ(ErroriColonna(a, b), 2);
    EXPECT_EQ(DistanzaColonne(a, b), 2);
    // Marks in the upper bits and the Corsa + bytes take no part.
    TColonna m = a;
    for (int i = 0; i < 12; ++i) m[i] |= 0xF8;
    m.ImpostaCorsaPiu(0xFFFF);
    EXPECT_EQ(ErroriColonna(m, a), 0);
    EXPECT_EQ(DistanzaColonne(m, a), 0);
    // A condensed record counts an error only where it misses the sign.
    TColonna cond = a;
    cond[1] = 3;
    EXPECT_EQ(ErroriColonna(cond, b), 1);
    EXPECT_EQ(DistanzaColonne(cond, b), 2);

    TGiocoTemporaneo toto(GiocoToto);
    TColonna t1{}, t2{};
    for (int i = 0; i < 13; ++i) t1[i] = t2[i] = 1;
    t2[12] = 4;
    EXPECT_EQ(ErroriColonna(t1, t2), 1);
}

TEST(Colonna, TestoEParsing)
{
    TColonna c{};
    EXPECT_EQ(ColonnaDaTesto("1X21X21X21X", c), -1);
    EXPECT_EQ(ColonnaDaTesto("1X2*1X21X21X", c), 1);
    EXPECT_EQ(c[3], 0);
    EXPECT_EQ(TestoColonna(c), "1X2*1X21X21X");
    EXPECT_EQ(ColonnaDaTesto("1 x 2 1 X 2 1 X 2 1 X 2", c), 0);
    EXPECT_EQ(TestoColonna(c), "1X21X21X21X2");
    TColonna prima = c;
    EXPECT_EQ(ColonnaDaTesto("1X21X21X21A2", c), -1);
    EXPECT_EQ(c, prima);
    TColonna doppia{};
    doppia[0] = 7;
    doppia[1] = 5;
    EXPECT_EQ(TestoColonna(doppia).substr(0, 5), "1X212");
}

TEST(Colonna, CostoConIPartecipanti)
{
    EXPECT_EQ(CostoColonne(30, 800), 24000);
    EXPECT_EQ(TestoCosto(24000, 3), "8000 1/3");
    EXPECT_EQ(TestoCosto(24000, 1), "24000");
    EXPECT_EQ(TestoCosto(24000, 0), "24000");
    // The largest stake does not overflow.
    EXPECT_EQ(CostoColonne(531441LL * 120, 10000), 637729200000LL);
}

TEST(Distribuzione, IndiciInversiETesti)
{
    EXPECT_EQ(NumeroDistribuzioni(), 91);
    EXPECT_EQ(DistribuzioneDaIndice(0), (TDistribuzione{12, 0, 0}));
    EXPECT_EQ(DistribuzioneDaIndice(1), (TDistribuzione{11, 0, 1}));
    EXPECT_EQ(DistribuzioneDaIndice(2), (TDistribuzione{11, 1, 0}));
    EXPECT_EQ(DistribuzioneDaIndice(3), (TDistribuzione{10, 0, 2}));
    EXPECT_EQ(DistribuzioneDaIndice(78), (TDistribuzione{0, 0, 12}));
    EXPECT_EQ(DistribuzioneDaIndice(90), (TDistribuzione{0, 12, 0}));
    EXPECT_EQ(TestoDistribuzione(0), " 12-0-0");
    for (int i = 0; i < NumeroDistribuzioni(); ++i) {
        TDistribuzione d = DistribuzioneDaIndice(i);
        EXPECT_EQ(d.n1 + d.nx + d.n2, 12);
        EXPECT_EQ(IndiceDistribuzione(d), i);
        EXPECT_EQ(DistribuzioneDaTesto(TestoDistribuzione(i)), i);
    }
    EXPECT_EQ(DistribuzioneDaTesto(" 6 - 3 - 3"), IndiceDistribuzione({6, 3, 3}));
    EXPECT_FALSE(DistribuzioneDaTesto("6-3-4").has_value());
    EXPECT_FALSE(DistribuzioneDaTesto("6-3").has_value());
    EXPECT_FALSE(DistribuzioneDaTesto("6-a-3").has_value());

    TGiocoTemporaneo toto(GiocoToto);
    EXPECT_EQ(NumeroDistribuzioni(), 105);
    EXPECT_EQ(DistribuzioneDaIndice(104), (TDistribuzione{0, 13, 0}));
}
