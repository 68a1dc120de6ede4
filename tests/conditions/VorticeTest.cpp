#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "AiutiForme.h"
#include "CartellaTemporanea.h"
#include "UTCondiz.h"
#include "Vortice.h"

using namespace morella;
using morella::test::TGiocoTemporaneo;
using morella::test::forme::Blocco;
using morella::test::forme::Campo;
using morella::test::forme::Col;
using morella::test::forme::DaCodice;
using morella::test::forme::S;

namespace {

// The walk event by event, as the rule tells it (1 <= l <= r <= NumEvents).
TEsitoVortice Letterale(const TColonna& c, int l, int r, bool sinistra)
{
    int bracci = 0;
    while (l + 1 < r) {
        if (sinistra) {
            int trovato = 0;
            for (int i = bracci > 0 ? r - 1 : r; i >= l + 1 && !trovato; --i)
                if (S(c, i) == S(c, l)) trovato = i;
            if (trovato) {
                r = trovato;
                sinistra = false;
            } else {
                ++l;
            }
        } else {
            int trovato = 0;
            for (int i = bracci > 0 ? l + 1 : l; i <= r - 1 && !trovato; ++i)
                if (S(c, i) == S(c, r)) trovato = i;
            if (trovato) {
                l = trovato;
                sinistra = true;
            } else {
                --r;
            }
        }
        ++bracci;
    }
    const int p = sinistra ? l : r;
    return {p, bracci, CifraSegno(static_cast<TSegni>(S(c, p)))};
}

void Confronta(const TVortice& k, const TColonna& col)
{
    const TColonnaEsaminata c(col);
    TMisura m[6];
    k.Misura(c, true, m);
    for (int inverso = 0; inverso < 2; ++inverso) {
        const auto& t = k.Tabella(inverso * TVortice::Inverso);
        const TEsitoVortice e = Letterale(col, t.DaEvento, t.AEvento, inverso == 0);
        const TMisura* mi = m + inverso * TVortice::Inverso;
        ASSERT_EQ((TEsitoVortice{mi[0].Valore, mi[1].Valore, mi[2].Valore}), e)
            << TestoColonna(col) << (inverso ? " inverso " : " diretto ") << t.DaEvento << ".." << t.AEvento;
        ASSERT_EQ(mi[0].Run + mi[1].Run + mi[2].Run, 0);
    }
}

}  // namespace

TEST(Vortice, ColonneFatteAMano)
{
    const TVortice k;
    // Twelve equal signs: the first step stays on event 12, then each step moves one end
    // inward, and the walk ends on the right after 11 steps.
    EXPECT_EQ(k.Cammina(Col("111111111111"), false), (TEsitoVortice{7, 11, 0}));
    EXPECT_EQ(k.Cammina(Col("111111111111"), true), (TEsitoVortice{6, 11, 0}));
    EXPECT_EQ(k.Cammina(Col("1X21X21X21X2"), false), (TEsitoVortice{5, 5, 1}));
    EXPECT_EQ(k.Cammina(Col("1X21X21X21X2"), true), (TEsitoVortice{8, 5, 1}));
    EXPECT_EQ(k.Cammina(Col("X11X2221X1X2"), false), (TEsitoVortice{6, 7, 2}));
    EXPECT_EQ(k.Cammina(Col("X11X2221X1X2"), true), (TEsitoVortice{6, 3, 2}));
    // No match for the first sign: the left end moves on one event, then the walk goes on
    // from there.
    EXPECT_EQ(k.Cammina(Col("122222222222"), false), (TEsitoVortice{7, 10, 2}));

    TGiocoTemporaneo toto(GiocoToto);
    const TVortice t;
    EXPECT_EQ(t.Cammina(Col("1X2XX1211X221"), false), (TEsitoVortice{8, 4, 0}));
    EXPECT_EQ(t.Cammina(Col("1X2XX1211X221"), true), (TEsitoVortice{7, 5, 2}));
    EXPECT_EQ(t.Cammina(Col("2222222222222"), false), (TEsitoVortice{7, 12, 2}));
}

TEST(Vortice, CampiCortiNonCamminano)
{
    const TColonnaEsaminata c(Col("1X2X12X1X2X1"));
    // Two events touch already, whatever their signs; one event is its own end.
    EXPECT_EQ(CamminaVortice(c, 3, 4, true), (TEsitoVortice{3, 0, 2}));
    EXPECT_EQ(CamminaVortice(c, 3, 4, false), (TEsitoVortice{4, 0, 1}));
    EXPECT_EQ(CamminaVortice(c, 5, 5, true), (TEsitoVortice{5, 0, 0}));
    // Ranges outside the column are cut to it; a reversed one shrinks to its last event.
    EXPECT_EQ(CamminaVortice(c, -3, 40, true), CamminaVortice(c, 1, 12, true));
    EXPECT_EQ(CamminaVortice(c, 9, 2, true), (TEsitoVortice{2, 0, 1}));
    // An empty event at the end position has no sign any table admits.
    TColonna vuota = Col("111111111111");
    vuota[6] = 0;
    vuota[5] = 0;
    EXPECT_EQ(CamminaVortice(TColonnaEsaminata(vuota), 6, 7, true).Segno, -1);
}

TEST(Vortice, IdenticoAllaRegolaSuTuttoLoSviluppo)
{
    std::mt19937 g(33);
    std::uniform_int_distribution<int> e(1, 12);
    TVortice normale, a, b;
    for (TVortice* k : {&a, &b})
        for (int t : {0, TVortice::Inverso}) {
            int x = e(g), y = e(g);
            while (x == y) y = e(g);
            Campo(k->Tabella(t), std::min(x, y), std::max(x, y));
        }
    Campo(b.Tabella(0), 2, 12);
    for (std::uint32_t codice = 0; codice < 531441; ++codice) {
        const TColonna col = DaCodice(codice);
        for (const TVortice* k : {&normale, &a, &b}) {
            Confronta(*k, col);
            if (HasFatalFailure()) return;
        }
    }
}

TEST(Vortice, IdenticoConEventiVuotiEMultipli)
{
    std::mt19937 g(9);
    for (int gioco : {GiocoTotip, GiocoToto}) {
        TGiocoTemporaneo giocoDelTest(gioco);
        std::uniform_int_distribution<int> e(1, NumEvents);
        for (int prova = 0; prova < 40; ++prova) {
            TVortice k;
            for (int t : {0, TVortice::Inverso}) {
                const int x = e(g), y = e(g);
                Campo(k.Tabella(t), std::min(x, y), std::max(x, y));
            }
            for (int n = 0; n < 2000; ++n) {
                TColonna col{};
                for (int i = 0; i < NumEvents; ++i) {
                    const auto r = g() % 12;
                    col[static_cast<std::size_t>(i)] =
                        static_cast<TSegni>(r < 8     ? SegnoDaCifra(static_cast<int>(r % 3))
                                            : r == 8  ? 0
                                            : r == 9  ? 3
                                            : r == 10 ? 7
                                                      : 0x80 | 4);
                }
                Confronta(k, col);
                if (HasFatalFailure()) return;
            }
        }
    }
}

TEST(Vortice, VerificaSoloDelleTripleAttive)
{
    TElencoLink link;
    TElencoCondizioni elenco(&link);
    auto& k = *elenco.Condizione<TVortice>(TipoVortice);
    // Inverse walk only: it must end on an "X" within 4 steps.
    k.Tabella(TVortice::Inverso + TVortice::TabellaSegno).ImpostaStato(0, 1, StatoAmmesso);
    for (int v = 0; v <= 4; ++v)
        k.Tabella(TVortice::Inverso + TVortice::TabellaBracci).ImpostaStato(0, v, StatoAmmesso);
    elenco.PreparaVerifica(false);
    ASSERT_EQ(elenco.NumeroAttive(), 1);
    TMisura m[6];
    k.Misura(Col("111111111111"), false, m);
    EXPECT_EQ(m[0], (TMisura{}));  // the direct walk is not taken
    EXPECT_EQ(m[TVortice::Inverso], (TMisura{6, 0}));

    EXPECT_FALSE(elenco.VerificaColonna(Col("1X21X21X21X2")));  // "X" but 5 steps
    k.Tabella(TVortice::Inverso + TVortice::TabellaBracci).ImpostaStato(0, 5, StatoInRecupero, 1);
    elenco.PreparaVerifica(false);
    EXPECT_TRUE(elenco.VerificaColonna(Col("1X21X21X21X2")));   // at one error on link "A"
    EXPECT_FALSE(elenco.VerificaColonna(Col("X11X2221X1X2")));  // ends on "2"
    EXPECT_TRUE(elenco.VerificaColonna(Col("X2X21X12XX21")));   // "X" after 3 steps

    // Every column of the development: the verdict is the rule's.
    elenco.PreparaVerifica(false);
    int accettate = 0, attese = 0;
    for (std::uint32_t codice = 0; codice < 531441; codice += 7) {
        const TColonna col = DaCodice(codice);
        const TEsitoVortice e = Letterale(col, 1, 12, false);
        attese += e.Segno == 1 && e.Bracci <= 5;
        accettate += elenco.VerificaColonna(col);
    }
    EXPECT_EQ(accettate, attese);
    EXPECT_GT(accettate, 0);
}

TEST(Vortice, BloccoEsattoERiletturaIdentica)
{
    TVortice k;
    k.Tabella(TVortice::TabellaSegno).ImpostaStato(0, 2, StatoAmmesso);
    k.Tabella(TVortice::Inverso + TVortice::TabellaPosizione).ImpostaStato(0, 12, StatoInRecupero, 3);
    Campo(k.Tabella(TVortice::Inverso + TVortice::TabellaPosizione), 2, 9);
    k.Tabella(TVortice::Inverso + TVortice::TabellaSegno).Sotto[0].Link = 'Q';
    const TBytes b = Blocco(k);
    ASSERT_EQ(b.size(), 2u + 376u);
    EXPECT_EQ(b[0], 3);
    EXPECT_EQ(b[1], 1);
    EXPECT_EQ(b[2 + 76 + 76 + 4 + 2 * 2], StatoAmmesso);  // direct sign table, value 2
    const std::size_t inverso = 2 + 188;
    EXPECT_EQ(b[inverso + 4 + 2 * 12], StatoInRecupero);
    EXPECT_EQ(b[inverso + 4 + 2 * 12 + 1], 3);
    EXPECT_EQ(b[inverso + 72], 2);
    EXPECT_EQ(b[inverso + 74], 9);
    EXPECT_EQ(b[inverso + 152 + 1], 'Q');

    TLettoreBinario r(b);
    std::uint8_t tipo = 0;
    ASSERT_TRUE(r.Byte(tipo));
    auto letta = CreaCondizione(tipo);
    ASSERT_NE(dynamic_cast<TVortice*>(letta.get()), nullptr);
    ASSERT_TRUE(letta->Leggi(r));
    EXPECT_TRUE(r.AllaFine());
    EXPECT_EQ(Blocco(*letta), b);
    EXPECT_EQ(Blocco(*k.Clona()), b);
    for (std::size_t n = 1; n < b.size(); ++n) {
        TLettoreBinario corto(b.data() + 1, n - 1);
        TVortice v;
        EXPECT_FALSE(v.Leggi(corto)) << n;
    }

    TGiocoTemporaneo toto(GiocoToto);
    EXPECT_EQ(Blocco(TVortice()).size(), 2u + 2 * (80u + 80u + 36u));
}
