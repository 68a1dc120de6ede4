// The heart of the program on its largest input: the development of a 12-triple Totip
// prediction (531,441 columns) with no condition and with a realistic set, and the checking
// of all those columns against a winning column.
#include <benchmark/benchmark.h>

#include "BenchComune.h"

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

void Realistico(TElencoCondizioni& elenco)
{
    auto& ns = *elenco.Condizione<TNumeroSegni>(TipoNumeroSegni);
    Ammetti(ns.Tabella(0), 0, 3, 6);
    Ammetti(ns.Tabella(1), 0, 2, 5);
    Ammetti(ns.Tabella(1), 1, 0, 3);
    Ammetti(ns.Tabella(2), 0, 2, 5);
    ns.Tabella(2).ImpostaStato(0, 6, StatoInRecupero, 1);
    auto& pd = *elenco.Condizione<TPariDispari>(TipoPariDispari);
    Ammetti(pd.Tabella(TPariDispari::TabellaPari), 0, 1, 4);
    Ammetti(pd.Tabella(TPariDispari::TabellaDispari), 0, 2, 8);
    auto& in = *elenco.Condizione<TInterruzioni>(TipoInterruzioni);
    Ammetti(in.Tabella(0), 0, 6, 10);
    Ammetti(in.Tabella(0), 1, 0, 5);
    for (int s = 1; s <= 3; ++s) Ammetti(in.Tabella(s), 0, 1, 4);
    auto& gruppo = *elenco.Condizione<TGruppoCondizioni>(TipoGruppoConsecutivita);
    for (TSegni segno : {Segno1, SegnoX, Segno2}) {
        auto e = std::make_unique<TConsecutivita>();
        e->Segno = segno;
        Ammetti(e->Tabella(TConsecutivita::TabellaConteggi), 0, 4, 6);
        Ammetti(e->Tabella(TConsecutivita::TabellaRun), 0, 0, 3);
        gruppo.Aggiungi(std::move(e));
    }
    Ammetti(elenco.Link()->DellaLettera('A').Errori, 0, 0, 1);
}

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
    Realistico(*s.Dati().Condizioni);
    for (auto _ : state) {
        auto e = Sviluppa(s);
        benchmark::DoNotOptimize(e.tenute);
    }
    state.counters["tenute"] = s.Dati().Colonne.Conta();
}
BENCHMARK(BM_SviluppoConCondizioni)->Unit(benchmark::kMillisecond);

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
