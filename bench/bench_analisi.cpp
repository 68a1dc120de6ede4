// The analysis of a condition on the largest system: an archive of 2,000 complete Totip
// contests and a prediction of 12 triples (531,441 columns), with and without the
// system's own development in "Condiz.", and the sign statistics over the same archive.
#include <benchmark/benchmark.h>

#include "Analisi.h"
#include "Archivio.h"
#include "BenchComune.h"
#include "Sistema.h"
#include "StatisticheSegni.h"
#include "Sviluppo.h"

namespace morella::bench {
namespace {

struct TBancoAnalisi {
    T_Archivio archivio = ArchivioCasuale(2000, 2024, 0x0007);
    std::unique_ptr<TSistema> sistema;

    explicit TBancoAnalisi(bool sviluppato)
    {
        archivio.RicalcolaDataBase();
        sistema = std::make_unique<TSistema>(&archivio);
        auto& d = sistema->Dati();
        for (int i = 0; i < NumEvents; ++i) d.Pronostico[static_cast<std::size_t>(i)] = 7;
        d.CorsaPiu = 0x0007;
        // Numero di segni keeps 3 to 6 "1"; the development's columns feed "Condiz.".
        Ammetti(d.Condizioni->Condizione<TNumeroSegni>(TipoNumeroSegni)->Tabella(0), 0, 3, 6);
        if (sviluppato) Sviluppa(*sistema);
    }
};

void Analisi(benchmark::State& state, bool sviluppato)
{
    TBancoAnalisi b(sviluppato);
    const TCondizione& segni = *b.sistema->Dati().Condizioni->Condizione(TipoNumeroSegni);
    T_Analisi a;
    for (auto _ : state) {
        a = Analizza(segni, false, *b.sistema);
        benchmark::DoNotOptimize(a.ColonneEsaminate);
    }
    state.counters["colonne"] = static_cast<double>(a.ColonneEsaminate);
    state.counters["condiz"] = a.Serie[0].Condiz.ConcorsiContati();
    state.counters["database"] = a.DaDataBase;
}

void BM_AnalisiNumeroSegni(benchmark::State& state)
{
    Analisi(state, false);
}
void BM_AnalisiNumeroSegniSviluppato(benchmark::State& state)
{
    Analisi(state, true);
}

void BM_AnalisiSoloArchivio(benchmark::State& state)
{
    TBancoAnalisi b(false);
    auto& segni = *b.sistema->Dati().Condizioni->Condizione<TNumeroSegni>(TipoNumeroSegni);
    // Events 1..6: never in the database, always a scan of the 2,000 contests.
    segni.Tabella(1).AEvento = 6;
    for (auto _ : state) {
        T_Analisi a = Analizza(segni, true, *b.sistema);
        benchmark::DoNotOptimize(a.Serie[0].Archivio.ConcorsiContati());
    }
}

void BM_StatisticheSegni(benchmark::State& state)
{
    TBancoAnalisi b(false);
    for (auto _ : state) {
        T_StatisticheSegni s = StatisticheSegni(b.archivio, b.sistema->Ricerca);
        benchmark::DoNotOptimize(s.Concorsi);
    }
}

BENCHMARK(BM_AnalisiNumeroSegni)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AnalisiNumeroSegniSviluppato)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AnalisiSoloArchivio)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_StatisticheSegni)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace morella::bench

BENCHMARK_MAIN();
