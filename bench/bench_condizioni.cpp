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
    const auto& colonne = bench::SviluppoCompletoTotip();
    TElencoLink link;
    TElencoCondizioni elenco(&link);
    if (conCondizioni) bench::CondizioniDiConteggio(elenco);
    elenco.PreparaVerifica(false);
    std::int64_t accettate = 0;
    for (auto _ : state) {
        accettate = 0;
        for (const TColonna& c : colonne) accettate += elenco.VerificaColonna(c);
        benchmark::DoNotOptimize(accettate);
    }
    state.counters["attive"] = elenco.NumeroAttive();
    state.counters["accettate"] = static_cast<double>(accettate);
    state.counters["ns_colonna"] =
        benchmark::Counter(static_cast<double>(colonne.size()),
                           benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
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
