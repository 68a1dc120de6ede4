// The rebuild of the archive database ("Aggiornamento DataBase") over an archive of 2,000
// random complete Totip contests: the seven kinds scanned at their defaults, 21 tables.
#include <benchmark/benchmark.h>

#include "BenchComune.h"

#include "UtArcAna.h"

using namespace morella;

namespace {

void RicalcolaDataBase(benchmark::State& state)
{
    T_Archivio archivio = bench::ArchivioCasuale(2000, 20240612);
    for (auto _ : state) {
        archivio.RicalcolaDataBase();
        benchmark::DoNotOptimize(archivio.DataBase());
    }
    state.counters["contati"] = archivio.DataBase()->Tabella(0).ConcorsiContati();
}

// The image written to "archdb.mra" and read back, for scale.
void ScriviELeggi(benchmark::State& state)
{
    T_Archivio archivio = bench::ArchivioCasuale(2000, 20240612);
    archivio.RicalcolaDataBase();
    for (auto _ : state) {
        const TBytes immagine = archivio.ImmagineDataBase();
        TLettoreBinario lettore(immagine);
        benchmark::DoNotOptimize(archivio.LeggiDataBase(lettore));
    }
}

}  // namespace

BENCHMARK(RicalcolaDataBase)->Unit(benchmark::kMillisecond);
BENCHMARK(ScriviELeggi)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
