#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "AiutiForme.h"
#include "CartellaTemporanea.h"
#include "Modulo.h"
#include "UTCondiz.h"

using namespace morella;
using morella::test::TGiocoTemporaneo;
using morella::test::forme::Blocco;
using morella::test::forme::Campo;
using morella::test::forme::Col;
using morella::test::forme::DaCodice;

namespace {

// Sum of squared codes and product of weights over the range, event by event; only single
// signs weigh.
std::pair<int, int> Letterale(const TColonna& c, int daS, int aS, int daP, int aP)
{
    int s = 0;
    for (int i = daS; i <= aS; ++i) {
        const int x = c[static_cast<std::size_t>(i - 1)] & 7;
        if (x == 1 || x == 2 || x == 4) s += x * x;
    }
    double p = 1;
    for (int i = daP; i <= aP; ++i) {
        const int x = c[static_cast<std::size_t>(i - 1)] & 7;
        p *= x == 2 ? 2 : x == 4 ? 3 : 1;
    }
    return {static_cast<int>(std::lround(std::sqrt(s))), static_cast<int>(std::lround(std::pow(p, 0.25)))};
}

std::pair<int, int> Misura(const TModulo& k, const TColonna& c)
{
    TMisura m[2];
    k.Misura(TColonnaEsaminata(c), m);
    EXPECT_EQ(m[0].Run + m[1].Run, 0);
    return {m[0].Valore, m[1].Valore};
}

}  // namespace

TEST(Modulo, ColonneFatteAMano)
{
    TModulo k;
    EXPECT_EQ(Misura(k, Col("222222222222")), std::make_pair(14, 27));  // sqrt 192, 3^3
    EXPECT_EQ(Misura(k, Col("111111111111")), std::make_pair(3, 1));    // sqrt 12
    EXPECT_EQ(Misura(k, Col("XXXXXXXXXXXX")), std::make_pair(7, 8));    // sqrt 48, 2^3
    EXPECT_EQ(Misura(k, Col("1X21X21X21X2")), std::make_pair(9, 6));    // sqrt 84, 1296^(1/4)
    // One event in range: its code.
    Campo(k.Tabella(TModulo::TabellaSomma), 5, 5);
    EXPECT_EQ(Misura(k, Col("2222122222X2")).first, 1);
    EXPECT_EQ(Misura(k, Col("1111X1111111")).first, 2);
    EXPECT_EQ(Misura(k, Col("111121111111")).first, 4);

    TGiocoTemporaneo toto(GiocoToto);
    EXPECT_EQ(Misura(TModulo(), Col("2222222222222")), std::make_pair(14, 36));  // the tables' tops
    EXPECT_EQ(Misura(TModulo(), Col("1X2XX1211X221")), std::make_pair(9, 6));
}

TEST(Modulo, IdenticoAllaRegolaSuTuttoLoSviluppo)
{
    TModulo normale, stretto;
    Campo(stretto.Tabella(0), 3, 9);
    Campo(stretto.Tabella(1), 7, 12);
    for (std::uint32_t codice = 0; codice < 531441; ++codice) {
        const TColonna col = DaCodice(codice);
        ASSERT_EQ(Misura(normale, col), Letterale(col, 1, 12, 1, 12)) << TestoColonna(col);
        ASSERT_EQ(Misura(stretto, col), Letterale(col, 3, 9, 7, 12)) << TestoColonna(col);
    }
}

TEST(Modulo, EventiVuotiEMultipliNonPesano)
{
    std::mt19937 g(17);
    for (int gioco : {GiocoTotip, GiocoToto}) {
        TGiocoTemporaneo giocoDelTest(gioco);
        TModulo k;
        for (int n = 0; n < 20000; ++n) {
            TColonna col{};
            for (int i = 0; i < NumEvents; ++i)
                col[static_cast<std::size_t>(i)] = static_cast<TSegni>(g() % 8);
            const auto m = Misura(k, col);
            ASSERT_EQ(m, Letterale(col, 1, NumEvents, 1, NumEvents)) << TestoColonna(col);
            ASSERT_LE(m.first, TModulo::MassimoSomma);
            ASSERT_LE(m.second, TModulo::MassimoProdotto);
        }
    }
}

TEST(Modulo, VerificaGiudicaEntrambi)
{
    TModulo k;
    for (int v = 8; v <= 10; ++v) k.Tabella(TModulo::TabellaSomma).ImpostaStato(0, v, StatoAmmesso);
    ASSERT_TRUE(k.Prepara());
    EXPECT_TRUE(k.Verifica(Col("1X21X21X21X2")));
    EXPECT_FALSE(k.Verifica(Col("111111111111")));
    k.Tabella(TModulo::TabellaProdotto).ImpostaStato(0, 5, StatoAmmesso);
    k.Prepara();
    EXPECT_FALSE(k.Verifica(Col("1X21X21X21X2")));  // product 6
    k.Attivato = false;
    EXPECT_FALSE(k.Prepara());
}

TEST(Modulo, BloccoEsattoERiletturaIdentica)
{
    TModulo k;
    k.Tabella(TModulo::TabellaProdotto).ImpostaStato(0, 36, StatoAmmesso);
    k.Tabella(TModulo::TabellaProdotto).Sotto[0].GruppoTra = 7;
    Campo(k.Tabella(TModulo::TabellaSomma), 4, 8);
    const TBytes b = Blocco(k);
    ASSERT_EQ(b.size(), 2u + 256u);
    EXPECT_EQ(b[0], 14);
    EXPECT_EQ(b[2 + 80], 4);  // "Modulo Somma" (84 bytes) ends with its range
    EXPECT_EQ(b[2 + 82], 8);
    EXPECT_EQ(b[2 + 84 + 2], 7);
    EXPECT_EQ(b[2 + 84 + 4 + 2 * 36], StatoAmmesso);

    TLettoreBinario r(b);
    std::uint8_t tipo = 0;
    ASSERT_TRUE(r.Byte(tipo));
    auto letta = CreaCondizione(tipo);
    ASSERT_NE(dynamic_cast<TModulo*>(letta.get()), nullptr);
    ASSERT_TRUE(letta->Leggi(r));
    EXPECT_TRUE(r.AllaFine());
    EXPECT_EQ(Blocco(*letta), b);
    EXPECT_EQ(Blocco(*k.Clona()), b);
    for (std::size_t n = 1; n < b.size(); ++n) {
        TLettoreBinario corto(b.data() + 1, n - 1);
        TModulo m;
        EXPECT_FALSE(m.Leggi(corto)) << n;
    }

    TGiocoTemporaneo toto(GiocoToto);
    EXPECT_EQ(Blocco(TModulo()).size(), 2u + 256u);
}
