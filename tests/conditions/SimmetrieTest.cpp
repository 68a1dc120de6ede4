#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "AiutiForme.h"
#include "CartellaTemporanea.h"
#include "Simmetrie.h"
#include "UTCondiz.h"

using namespace morella;
using morella::test::TGiocoTemporaneo;
using morella::test::forme::Blocco;
using morella::test::forme::Campo;
using morella::test::forme::Col;
using morella::test::forme::DaCodice;
using morella::test::forme::S;

namespace {

// The pairs walked one by one, straight from the rule.
TMisura Coppie(const TColonna& c, int f, int t, bool inverse)
{
    const int l = t - f + 1, h = l / 2, o = l % 2;
    TMisura m;
    int serie = 0;
    for (int j = f; j <= h; ++j) {
        const int k = inverse ? j + h + o : t + 1 - j;
        if (S(c, j) == S(c, k)) {
            ++m.Valore;
            m.Run = std::max(m.Run, ++serie);
        } else {
            serie = 0;
        }
    }
    return m;
}

void Confronta(const TSimmetrie& k, const TColonna& col)
{
    TMisura m[3];
    k.Misura(TColonnaEsaminata(col), true, m);
    const auto& d = k.Tabella(TSimmetrie::TabellaDirette);
    const auto& i = k.Tabella(TSimmetrie::TabellaInverse);
    const TMisura ld = Coppie(col, d.DaEvento, d.AEvento, false);
    const TMisura li = Coppie(col, i.DaEvento, i.AEvento, true);
    ASSERT_EQ(m[0], ld) << TestoColonna(col) << " " << d.DaEvento << ".." << d.AEvento;
    ASSERT_EQ(m[1], li) << TestoColonna(col) << " " << i.DaEvento << ".." << i.AEvento;
    ASSERT_EQ(m[2], (TMisura{ld.Valore + li.Valore, 0})) << TestoColonna(col);
}

}  // namespace

TEST(Simmetrie, ColonneFatteAMano)
{
    TSimmetrie k;
    TMisura m[3];
    // Palindrome: every mirror pair equal.
    k.Misura(Col("1X2X1111X2X1"), true, m);
    EXPECT_EQ(m[0], (TMisura{6, 6}));
    // Two equal halves.
    k.Misura(Col("12XX2112XX21"), true, m);
    EXPECT_EQ(m[1], (TMisura{6, 6}));
    EXPECT_EQ(m[2], (TMisura{m[0].Valore + 6, 0}));
    // Equal pairs 2, 3, 5 directly: the streak breaks at 4.
    k.Misura(Col("XX12X12X11X2"), true, m);
    EXPECT_EQ(m[0], (TMisura{3, 2}));

    // An odd range skips its middle event in the inverse pairing: 1..7 pairs (1,5) (2,6) (3,7).
    Campo(k.Tabella(TSimmetrie::TabellaInverse), 1, 7);
    k.Misura(Col("12X21XX22222"), true, m);
    EXPECT_EQ(m[1], (TMisura{2, 1}));
    // A range that starts later compares only j = F..h.
    Campo(k.Tabella(TSimmetrie::TabellaDirette), 3, 12);  // h = 5: pairs (3,10) (4,9) (5,8)
    k.Misura(Col("XX1221X2X1XX"), true, m);
    EXPECT_EQ(m[0], (TMisura{2, 1}));
    Campo(k.Tabella(TSimmetrie::TabellaDirette), 7, 12);  // h = 3 < F: no pair at all
    k.Misura(Col("111111111111"), true, m);
    EXPECT_EQ(m[0], (TMisura{0, 0}));
    // Ranges no file could hold: cut to the column, or empty.
    Campo(k.Tabella(TSimmetrie::TabellaDirette), -5, 400);
    Campo(k.Tabella(TSimmetrie::TabellaInverse), 3000, 2);
    k.Misura(Col("111111111111"), true, m);
    EXPECT_EQ(m[0], (TMisura{6, 6}));
    EXPECT_EQ(m[1], (TMisura{0, 0}));

    TGiocoTemporaneo toto(GiocoToto);
    TSimmetrie t;
    t.Misura(Col("1X2XX1211X221"), true, m);
    EXPECT_EQ(m[0], (TMisura{4, 2}));
    EXPECT_EQ(m[1], (TMisura{2, 1}));
    EXPECT_EQ(m[2], (TMisura{6, 0}));
}

TEST(Simmetrie, SoloLeParteAttiveSenzaStatistiche)
{
    TSimmetrie k;
    const TColonnaEsaminata c(Col("111111111111"));
    TMisura m[3];
    k.Tabella(TSimmetrie::TabellaDirette).ImpostaStato(0, 6, StatoAmmesso);
    k.Prepara();
    k.Misura(c, false, m);
    EXPECT_EQ(m[0], (TMisura{6, 6}));
    EXPECT_EQ(m[1], (TMisura{}));
    EXPECT_EQ(m[2], (TMisura{6, 0}));

    // "Totali" needs both parts.
    TSimmetrie t;
    t.Tabella(TSimmetrie::TabellaTotali).ImpostaStato(0, 12, StatoAmmesso);
    t.Prepara();
    t.Misura(c, false, m);
    EXPECT_EQ(m[2], (TMisura{12, 0}));
    EXPECT_TRUE(t.Verifica(c));
    EXPECT_FALSE(t.Verifica(TColonnaEsaminata(Col("11111111111X"))));
}

TEST(Simmetrie, IdenticheAllaRegolaSuTuttoLoSviluppo)
{
    std::mt19937 g(44);
    TSimmetrie normale, a, b;
    std::uniform_int_distribution<int> e(1, 12);
    for (TSimmetrie* k : {&a, &b})
        for (int t = 0; t < 2; ++t) {
            const int x = e(g), y = e(g);
            Campo(k->Tabella(t), std::min(x, y), std::max(x, y));
        }
    Campo(b.Tabella(0), 1, 11);  // odd lengths both ways
    Campo(b.Tabella(1), 2, 12);
    for (std::uint32_t codice = 0; codice < 531441; ++codice) {
        const TColonna col = DaCodice(codice);
        for (const TSimmetrie* k : {&normale, &a, &b}) {
            Confronta(*k, col);
            if (HasFatalFailure()) return;
        }
    }
}

TEST(Simmetrie, IdenticheConEventiVuotiEMultipli)
{
    std::mt19937 g(3);
    for (int gioco : {GiocoTotip, GiocoToto}) {
        TGiocoTemporaneo giocoDelTest(gioco);
        std::uniform_int_distribution<int> e(1, NumEvents);
        for (int prova = 0; prova < 30; ++prova) {
            TSimmetrie k;
            for (int t = 0; t < 2; ++t) {
                const int x = e(g), y = e(g);
                Campo(k.Tabella(t), std::min(x, y), std::max(x, y));
            }
            for (int n = 0; n < 2000; ++n) {
                TColonna col{};
                // Few sign sets, so equal pairs of doubles and empties do happen.
                for (int i = 0; i < NumEvents; ++i)
                    col[static_cast<std::size_t>(i)] =
                        static_cast<TSegni>(g() % 5 == 0 ? 3 + 4 * (g() % 2) : g() % 3);
                Confronta(k, col);
                if (HasFatalFailure()) return;
            }
        }
    }
}

TEST(Simmetrie, BloccoEsattoERiletturaIdentica)
{
    TSimmetrie k;
    k.Attivato = false;
    k.Tabella(TSimmetrie::TabellaInverse).ImpostaStato(1, 3, StatoInRecupero, 7);
    k.Tabella(TSimmetrie::TabellaTotali).ImpostaStato(0, 12, StatoAmmesso);
    Campo(k.Tabella(TSimmetrie::TabellaTotali), 2, 11);
    const TBytes b = Blocco(k);
    ASSERT_EQ(b.size(), 2u + 180u);
    EXPECT_EQ(b[0], 4);
    EXPECT_EQ(b[1], 0);
    // "Inverse" starts after the 52 bytes of "Dirette"; its run sub-table after 24 more.
    EXPECT_EQ(b[2 + 52 + 24 + 4 + 2 * 3], StatoInRecupero);
    EXPECT_EQ(b[2 + 52 + 24 + 4 + 2 * 3 + 1], 7);
    EXPECT_EQ(b[2 + 104 + 4 + 2 * 12], StatoAmmesso);
    EXPECT_EQ(b[2 + 104 + 72], 2);  // "Totali" ends with its range
    EXPECT_EQ(b[2 + 104 + 74], 11);

    TLettoreBinario r(b);
    std::uint8_t tipo = 0;
    ASSERT_TRUE(r.Byte(tipo));
    auto letta = CreaCondizione(tipo);
    ASSERT_NE(dynamic_cast<TSimmetrie*>(letta.get()), nullptr);
    ASSERT_TRUE(letta->Leggi(r));
    EXPECT_TRUE(r.AllaFine());
    EXPECT_EQ(Blocco(*letta), b);
    EXPECT_EQ(Blocco(*k.Clona()), b);
    EXPECT_FALSE(letta->Attivato);

    // Cut anywhere, the read fails without harm.
    for (std::size_t n = 1; n < b.size(); ++n) {
        TLettoreBinario corto(b.data() + 1, n - 1);
        TSimmetrie s;
        EXPECT_FALSE(s.Leggi(corto)) << n;
    }

    TGiocoTemporaneo toto(GiocoToto);
    EXPECT_EQ(Blocco(TSimmetrie()).size(), 2u + 180u);  // 13 div 2 is still 6
}
