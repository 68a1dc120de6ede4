// Measurements, not checks: disabled by default, run them with
//   test_development --gtest_also_run_disabled_tests --gtest_filter='AutoriduzioneMisure.*'
// They time the literal algorithm against the fast engine on growing whole systems, and print
// the reduced sizes of whole systems of 1..12 triples beside the best known covering codes.
#include <gtest/gtest.h>

#include <cstdio>
#include <ctime>

#include "Autoriduzione.h"
#include "AutoriduzioneLetterale.h"
#include "CartellaTemporanea.h"

using namespace morella;
using morella::test::AutoriduciLetterale;
using morella::test::SviluppaPronostico;
using morella::test::TGiocoTemporaneo;

namespace {

TPronostico Triple(int k)
{
    TPronostico p{};
    for (int i = 0; i < NumEvents; ++i) p[static_cast<std::size_t>(i)] = i < k ? TSegni{7} : Segno1;
    return p;
}

// Processor time, so that other work on the machine does not blur the ratio.
template <class F>
double Secondi(F&& f)
{
    const std::clock_t inizio = std::clock();
    f();
    return static_cast<double>(std::clock() - inizio) / CLOCKS_PER_SEC;
}

}  // namespace

TEST(AutoriduzioneMisure, DISABLED_LetteraleControRapido)
{
    TGiocoTemporaneo g(GiocoTotip);
    std::printf("triple  colonne  tenute  letterale_s_cpu  rapido_s_cpu  rapporto\n");
    for (int k = 6; k <= 10; ++k) {
        const TListaColonne tutte = SviluppaPronostico(Triple(k), 3);
        TListaColonne a = tutte, b = tutte;
        const double sl = Secondi([&] { AutoriduciLetterale(a, 1, true, false, nullptr, Triple(k)); });
        const double sr = Secondi([&] { Autoriduci(b, 1, true, false, nullptr, Triple(k)); });
        EXPECT_TRUE(a == b);
        std::printf("%6d %8d %7d %16.3f %13.4f %9.0f\n", k, tutte.Conta(), a.Conta(), sl, sr, sl / sr);
        std::fflush(stdout);
    }
}

TEST(AutoriduzioneMisure, DISABLED_DimensioniSistemiInteri)
{
    TGiocoTemporaneo g(GiocoTotip);
    // Best known bounds on ternary covering codes of length n = 1..12, radius 1 and 2.
    const int n1[][2] = {{1, 1},     {3, 3},     {5, 5},       {9, 9},       {27, 27},     {71, 73},
                         {156, 186}, {403, 486}, {1064, 1269}, {2854, 3645}, {7832, 9477}, {21531, 27702}};
    const int n2[][2] = {{1, 1},   {1, 1},   {3, 3},     {3, 3},     {8, 8},     {15, 17},
                         {27, 34}, {58, 81}, {132, 219}, {323, 555}, {729, 729}, {1919, 2187}};
    std::printf("triple  colonne  N-1  [limiti]        N-2  [limiti]\n");
    for (int k = 1; k <= 12; ++k) {
        const TListaColonne tutte = SviluppaPronostico(Triple(k), 3);
        TListaColonne a = tutte, b = tutte;
        Autoriduci(a, 1, true, false, nullptr, Triple(k));
        Autoriduci(b, 2, true, false, nullptr, Triple(k));
        EXPECT_GE(a.Conta(), n1[k - 1][0]);
        EXPECT_GE(b.Conta(), n2[k - 1][0]);
        std::printf("%6d %8d %6d [%d, %d] %6d [%d, %d]\n", k, tutte.Conta(), a.Conta(), n1[k - 1][0],
                    n1[k - 1][1], b.Conta(), n2[k - 1][0], n2[k - 1][1]);
        std::fflush(stdout);
    }
}
