// Developing the 12-triple Totip prediction (531,441 columns) with a panel holding 500
// filter columns taken from the archive, as the panel editor's "Colonne Filtro Dall'Archivio"
// makes them (AND of all, each admitting 0..9 points: no column within two events of a
// past winner), against the same 500 filter columns in the "Colonne Filtro" group (no
// panel) and against the development with no condition.
#include <benchmark/benchmark.h>

#include "BenchComune.h"

#include "ColonnaFiltro.h"
#include "FiltriDaArchivio.h"
#include "Quadro.h"
#include "Sviluppo.h"

using namespace morella;

namespace {

void Prepara(TSistema& s)
{
    ImpostaGioco(GiocoTotip);
    for (int i = 0; i < 12; ++i) s.Dati().Pronostico[static_cast<std::size_t>(i)] = 7;
    s.Dati().CorsaPiu = 0x0003;
}

void BM_SviluppoSenzaQuadro(benchmark::State& state)
{
    TSistema s;
    Prepara(s);
    for (auto _ : state) {
        auto e = Sviluppa(s);
        benchmark::DoNotOptimize(e.tenute);
    }
    state.counters["tenute"] = s.Dati().Colonne.Conta();
}
BENCHMARK(BM_SviluppoSenzaQuadro)->Unit(benchmark::kMillisecond);

// A panel of `state.range(0)` filter columns from the archive's first contests.
void BM_SviluppoQuadroColonneDallArchivio(benchmark::State& state)
{
    TSistema s;
    Prepara(s);
    const int quante = static_cast<int>(state.range(0));
    const T_Archivio archivio = bench::ArchivioCasuale(quante, 12);
    TQuadro& quadro = *s.Dati().Condizioni->Condizione<TQuadro>(TipoQuadro);
    const TEstremiConcorsi tutto{archivio.Concorsi().front().Stagione, archivio.Concorsi().front().Numero,
                                 archivio.Concorsi().back().Stagione, archivio.Concorsi().back().Numero};
    const int aggiunte = InserisciColonneFiltro(archivio, tutto, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, quadro);
    if (aggiunte != quante) state.SkipWithError("the panel did not take every filter column");
    for (auto _ : state) {
        auto e = Sviluppa(s);
        benchmark::DoNotOptimize(e.tenute);
    }
    state.counters["tenute"] = s.Dati().Colonne.Conta();
}
BENCHMARK(BM_SviluppoQuadroColonneDallArchivio)->Arg(1)->Arg(500)->Unit(benchmark::kMillisecond);

void BM_Sviluppo500ColonneDallArchivioNelGruppo(benchmark::State& state)
{
    TSistema s;
    Prepara(s);
    const T_Archivio archivio = bench::ArchivioCasuale(500, 12);
    TElencoCondizioni& elenco = *s.Dati().Condizioni;
    auto& gruppo = *elenco.Condizione<TGruppoCondizioni>(TipoGruppoColonneFiltro);
    for (const T_Concorso& c : archivio.Concorsi())
        gruppo.Aggiungi(CreaColonnaFiltro(c.ColonnaVincente, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, &elenco));
    for (auto _ : state) {
        auto e = Sviluppa(s);
        benchmark::DoNotOptimize(e.tenute);
    }
    state.counters["tenute"] = s.Dati().Colonne.Conta();
}
BENCHMARK(BM_Sviluppo500ColonneDallArchivioNelGruppo)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
