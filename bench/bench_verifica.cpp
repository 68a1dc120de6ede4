// VerificaColonna over every column of a 12-triple Totip development with the realistic
// condition set of a system, and with no active condition for reference.
#include <benchmark/benchmark.h>

#include "CondizioniRealistiche.h"

using namespace morella;

namespace {

void Esegui(benchmark::State& state, bool condizioni)
{
    const auto& colonne = bench::SviluppoCompletoTotip();
    TElencoLink link;
    TElencoCondizioni elenco(&link);
    if (condizioni) bench::CondizioniRealistiche(elenco);
    elenco.PreparaVerifica(false);
    std::int64_t accettate = 0;
    for (auto _ : state) {
        accettate = 0;
        for (const TColonna& c : colonne) accettate += elenco.VerificaColonna(c);
        benchmark::DoNotOptimize(accettate);
    }
    state.counters["attive"] = elenco.NumeroAttive();
    state.counters["accettate"] = static_cast<double>(accettate);
    state.counters["ns_colonna"] = benchmark::Counter(
        static_cast<double>(colonne.size()), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_NessunaCondizione(benchmark::State& s) { Esegui(s, false); }
void BM_CondizioniRealistiche(benchmark::State& s) { Esegui(s, true); }

}  // namespace

BENCHMARK(BM_NessunaCondizione)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CondizioniRealistiche)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
