// The rebuild of the archive database ("Aggiornamento DataBase") over an archive of 2,000
// random complete Totip contests: the seven kinds scanned at their defaults, 21 tables.
#include <benchmark/benchmark.h>

#include <random>

#include "UtArcAna.h"

using namespace morella;

namespace {

T_Archivio ArchivioCasuale()
{
    ImpostaGioco(GiocoTotip);
    std::mt19937 gen(20240612);
    std::uniform_int_distribution<int> cifra(0, 2);
    T_Archivio a;
    for (int n = 0; n < 2000; ++n) {
        T_Concorso c;
        c.Stagione = 1980 + n / 40;
        c.Numero = static_cast<std::uint8_t>(n % 40 + 1);
        for (int i = 0; i < NumEvents; ++i)
            c.ColonnaVincente[static_cast<std::size_t>(i)] = SegnoDaCifra(cifra(gen));
        c.AggiornaCompleto();
        a.Aggiungi(c);
    }
    return a;
}

void RicalcolaDataBase(benchmark::State& state)
{
    T_Archivio archivio = ArchivioCasuale();
    for (auto _ : state) {
        archivio.RicalcolaDataBase();
        benchmark::DoNotOptimize(archivio.DataBase());
    }
    state.counters["contati"] = archivio.DataBase()->Tabella(0).ConcorsiContati();
}

// The image written to "archdb.mra" and read back, for scale.
void ScriviELeggi(benchmark::State& state)
{
    T_Archivio archivio = ArchivioCasuale();
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
