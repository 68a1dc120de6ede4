// The heart of the program on its largest input: the development of a 12-triple Totip
// prediction (531,441 columns) with no condition and with a realistic set, and the checking
// of all those columns against a winning column.
#include <benchmark/benchmark.h>

#include "BenchComune.h"
#include "CondizioniRealistiche.h"

#include "Cartelle.h"
#include "Consecutivita.h"
#include "GruppoCondizioni.h"
#include "Interruzioni.h"
#include "NumeroSegni.h"
#include "PariDispari.h"
#include "Spoglio.h"
#include "Sviluppo.h"

using namespace morella;

using bench::Ammetti;

namespace {

void Prepara(TSistema& s)
{
    ImpostaGioco(GiocoTotip);
    for (int i = 0; i < 12; ++i) s.Dati().Pronostico[static_cast<std::size_t>(i)] = 7;
    s.Dati().CorsaPiu = 0x0003;
}

void BM_SviluppoSenzaCondizioni(benchmark::State& state)
{
    TSistema s;
    Prepara(s);
    for (auto _ : state) {
        auto e = Sviluppa(s);
        benchmark::DoNotOptimize(e.tenute);
    }
    state.counters["colonne"] = s.Dati().Colonne.Conta();
}
BENCHMARK(BM_SviluppoSenzaCondizioni)->Unit(benchmark::kMillisecond);

void BM_SviluppoConCondizioni(benchmark::State& state)
{
    TSistema s;
    Prepara(s);
    bench::CondizioniDiConteggio(*s.Dati().Condizioni);
    for (auto _ : state) {
        auto e = Sviluppa(s);
        benchmark::DoNotOptimize(e.tenute);
    }
    state.counters["tenute"] = s.Dati().Colonne.Conta();
}
BENCHMARK(BM_SviluppoConCondizioni)->Unit(benchmark::kMillisecond);

void BM_SviluppoCondizioniRealistiche(benchmark::State& state)
{
    TSistema s;
    Prepara(s);
    bench::CondizioniRealistiche(*s.Dati().Condizioni);
    for (auto _ : state) {
        auto e = Sviluppa(s);
        benchmark::DoNotOptimize(e.tenute);
    }
    state.counters["tenute"] = s.Dati().Colonne.Conta();
}
BENCHMARK(BM_SviluppoCondizioniRealistiche)->Unit(benchmark::kMillisecond);

void BM_Spoglio(benchmark::State& state)
{
    TSistema s;
    Prepara(s);
    Sviluppa(s);
    TColonna vincente{};
    for (int i = 0; i < 12; ++i) vincente[static_cast<std::size_t>(i)] = SegnoDaCifra(i % 3);
    for (auto _ : state) {
        auto r = ContaPunti(s.Dati().Colonne, vincente);
        benchmark::DoNotOptimize(r.punti);
    }
}
BENCHMARK(BM_Spoglio)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
