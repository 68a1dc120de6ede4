// VerificaColonna over every column of a 12-triple Totip development with the realistic
// condition set of a system, and with no active condition for reference.
#include <benchmark/benchmark.h>

#include "CondizioniRealistiche.h"

using namespace morella;

namespace {

void Esegui(benchmark::State& state, bool condizioni)
{
    TElencoLink link;
    TElencoCondizioni elenco(&link);
    if (condizioni) bench::CondizioniRealistiche(elenco);
    bench::VerificaSviluppo(state, elenco);
}

void BM_NessunaCondizione(benchmark::State& s)
{
    Esegui(s, false);
}
void BM_CondizioniRealistiche(benchmark::State& s)
{
    Esegui(s, true);
}

}  // namespace

BENCHMARK(BM_NessunaCondizione)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CondizioniRealistiche)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
