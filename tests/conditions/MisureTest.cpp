#include <gtest/gtest.h>

#include <random>

#include "CartellaTemporanea.h"
#include "MisureLetterali.h"
#include "TestoColonne.h"
#include "UTCondiz.h"

using namespace morella;
using morella::test::TCampo;
using morella::test::TGiocoTemporaneo;

using morella::test::Col;
using morella::test::DaCodice;

namespace {

void ImpostaCampo(TTabellaValori& t, TCampo campo)
{
    t.DaEvento = static_cast<std::int16_t>(campo.Da);
    t.AEvento = static_cast<std::int16_t>(campo.A);
}

TCampo CampoCasuale(std::mt19937& g)
{
    std::uniform_int_distribution<int> d(1, NumEvents);
    int a = d(g), b = d(g);
    return {std::min(a, b), std::max(a, b)};
}

// Compares every kind's measures with the literal walks on one column.
void Confronta(const TColonna& col, const TNumeroSegni& ns, const std::array<TCampo, 3>& cNs,
               const TPariDispari& pd, const std::array<TCampo, 2>& cPd, const TInterruzioni& in,
               const std::array<TCampo, 4>& cIn, const TConsecutivita& co, TCampo cCo)
{
    const TColonnaEsaminata c(col);
    TMisura m[4];
    ns.Misura(c, true, m);
    const auto lns = test::LetteraleNumeroSegni(col, cNs);
    for (int s = 0; s < 3; ++s)
        ASSERT_EQ(m[s], lns[static_cast<std::size_t>(s)]) << TestoColonna(col) << " segno " << s;
    pd.Misura(c, true, m);
    ASSERT_EQ(m[0], test::LetteralePariDispari(col, cPd[0], false)) << TestoColonna(col);
    ASSERT_EQ(m[1], test::LetteralePariDispari(col, cPd[1], true)) << TestoColonna(col);
    in.Misura(c, true, m);
    const auto lin = test::LetteraleInterruzioni(col, cIn);
    for (int t = 0; t < 4; ++t)
        ASSERT_EQ(m[t], lin[static_cast<std::size_t>(t)]) << TestoColonna(col) << " tabella " << t;
    ASSERT_EQ(co.Misura(c), test::LetteraleConsecutivita(col, co.Segno, cCo)) << TestoColonna(col);
}

struct TQuattroTipi {
    TNumeroSegni ns;
    TPariDispari pd;
    TInterruzioni in;
    TConsecutivita co;
    std::array<TCampo, 3> cNs;
    std::array<TCampo, 2> cPd;
    std::array<TCampo, 4> cIn;
    TCampo cCo;

    explicit TQuattroTipi(std::mt19937* g)
    {
        auto campo = [&] { return g ? CampoCasuale(*g) : TCampo{1, NumEvents}; };
        for (int i = 0; i < 3; ++i) ImpostaCampo(ns.Tabella(i), cNs[static_cast<std::size_t>(i)] = campo());
        for (int i = 0; i < 2; ++i) ImpostaCampo(pd.Tabella(i), cPd[static_cast<std::size_t>(i)] = campo());
        for (int i = 0; i < 4; ++i) ImpostaCampo(in.Tabella(i), cIn[static_cast<std::size_t>(i)] = campo());
        ImpostaCampo(co.Tabella(TConsecutivita::TabellaRun), cCo = campo());
        if (g) co.Segno = SegnoDaCifra(static_cast<int>((*g)() % 3));
    }
    void Confronta(const TColonna& c) const { ::Confronta(c, ns, cNs, pd, cPd, in, cIn, co, cCo); }
};

}  // namespace

TEST(Misure, NumeroDiSegniSuColonneFatteAMano)
{
    TNumeroSegni ns;
    TMisura m[3];
    ns.Misura(Col("111111111111"), true, m);
    EXPECT_EQ(m[0], (TMisura{12, 12}));
    EXPECT_EQ(m[1], (TMisura{0, 0}));
    EXPECT_EQ(m[2], (TMisura{0, 0}));

    ns.Misura(Col("11X2221XX111"), true, m);
    EXPECT_EQ(m[0], (TMisura{6, 3}));
    EXPECT_EQ(m[1], (TMisura{3, 2}));
    EXPECT_EQ(m[2], (TMisura{3, 3}));

    // An "X" outside the range of "Segni X" is no break in the run of "1".
    ns.Tabella(1).DaEvento = 7;
    ns.Misura(Col("11X111111111"), true, m);
    EXPECT_EQ(m[0], (TMisura{11, 11}));
    EXPECT_EQ(m[1], (TMisura{0, 0}));

    // Only active tables are measured when not asked for everything.
    ns.Tabella(0).ImpostaStato(0, 3, StatoAmmesso);
    ns.Prepara();
    ns.Misura(Col("11X111111111"), false, m);
    EXPECT_EQ(m[0], (TMisura{11, 11}));
    EXPECT_EQ(m[1], (TMisura{}));
}

TEST(Misure, PariEDispariContanoLeCorseNelCampo)
{
    TPariDispari pd;
    for (int t = 0; t < 2; ++t) {
        pd.Tabella(t).DaEvento = 1;
        pd.Tabella(t).AEvento = 6;
    }
    TMisura m[2];
    // Runs of 2, 3 and 1: one even; two odd that are adjacent.
    pd.Misura(Col("11XXX2"
                  "222222"),
              true, m);
    EXPECT_EQ(m[TPariDispari::TabellaPari], (TMisura{1, 1}));
    EXPECT_EQ(m[TPariDispari::TabellaDispari], (TMisura{2, 2}));

    TPariDispari intero;
    intero.Misura(Col("111111111111"), true, m);
    EXPECT_EQ(m[TPariDispari::TabellaPari], (TMisura{1, 1}));
    EXPECT_EQ(m[TPariDispari::TabellaDispari], (TMisura{0, 0}));
    intero.Misura(Col("1X1X1X1X1X1X"), true, m);
    EXPECT_EQ(m[TPariDispari::TabellaPari], (TMisura{0, 0}));
    EXPECT_EQ(m[TPariDispari::TabellaDispari], (TMisura{12, 12}));
}

TEST(Misure, InterruzioniGlobaliEPerSegno)
{
    TInterruzioni in;
    TMisura m[4];
    in.Misura(Col("1X21X21X21X2"), true, m);
    EXPECT_EQ(m[0], (TMisura{11, 11}));
    EXPECT_EQ(m[1], (TMisura{3, 0}));  // into "1" at events 4, 7, 10: never the first event
    EXPECT_EQ(m[2], (TMisura{4, 0}));
    EXPECT_EQ(m[3], (TMisura{4, 0}));

    in.Misura(Col("11XX1X222221"), true, m);
    EXPECT_EQ(m[0], (TMisura{5, 3}));  // changes at 3, 5, 6, 7, 12
    EXPECT_EQ(m[1], (TMisura{2, 0}));
    EXPECT_EQ(m[2], (TMisura{2, 0}));
    EXPECT_EQ(m[3], (TMisura{1, 0}));
}

TEST(Misure, ConsecutivitaSoloNelCampoDelleCorse)
{
    TConsecutivita co;
    co.Segno = SegnoX;
    EXPECT_EQ(co.Misura(Col("XX1XXX2XXXX1")), (TMisura{9, 4}));
    co.Tabella(TConsecutivita::TabellaRun).DaEvento = 4;
    co.Tabella(TConsecutivita::TabellaRun).AEvento = 8;
    EXPECT_EQ(co.Misura(Col("XX1XXX2XXXX1")), (TMisura{4, 3}));
}

TEST(Misure, IdenticheAlleRegoleSuTuttoLoSviluppo)
{
    std::mt19937 g(20240611);
    TQuattroTipi normali(nullptr);
    TQuattroTipi a(&g), b(&g);
    for (std::uint32_t codice = 0; codice < 531441; ++codice) {
        const TColonna col = DaCodice(codice);
        normali.Confronta(col);
        a.Confronta(col);
        b.Confronta(col);
        if (HasFatalFailure()) return;
    }
}

TEST(Misure, IdenticheAlleRegoleConEventiVuotiMultipliEMarcati)
{
    std::mt19937 g(7);
    for (int gioco : {GiocoTotip, GiocoToto}) {
        TGiocoTemporaneo giocoDelTest(gioco);
        for (int prova = 0; prova < 40; ++prova) {
            TQuattroTipi k(&g);
            for (int n = 0; n < 2000; ++n) {
                TColonna col{};
                for (int i = 0; i < NumEvents; ++i) {
                    const auto r = g() % 16;
                    // Mostly single signs; sometimes empty, double, triple, or a marked byte.
                    col[static_cast<std::size_t>(i)] =
                        static_cast<TSegni>(r < 12    ? SegnoDaCifra(static_cast<int>(r % 3))
                                            : r == 12 ? 0
                                            : r == 13 ? 3
                                            : r == 14 ? 7
                                                      : 0x40 | 2);
                }
                k.Confronta(col);
                if (HasFatalFailure()) return;
            }
        }
    }
}
