// Evaluation of every column of a 12-triple Totip development against the conditions:
// with none active, and with a realistic set of sign-count conditions and a link.
#include <benchmark/benchmark.h>

#include "BenchComune.h"

#include <vector>

#include "UTCondiz.h"

using namespace morella;

using bench::Ammetti;

namespace {

void Esegui(benchmark::State& state, bool conCondizioni)
{
    TElencoLink link;
    TElencoCondizioni elenco(&link);
    if (conCondizioni) bench::CondizioniDiConteggio(elenco);
    bench::VerificaSviluppo(state, elenco);
}

void BM_NessunaCondizione(benchmark::State& state)
{
    Esegui(state, false);
}
void BM_CondizioniDiConteggio(benchmark::State& state)
{
    Esegui(state, true);
}

}  // namespace

BENCHMARK(BM_NessunaCondizione)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CondizioniDiConteggio)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
