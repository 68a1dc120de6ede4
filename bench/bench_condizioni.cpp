// Evaluation of every column of a 12-triple Totip development against the conditions:
// with none active, and with a realistic set of sign-count conditions and a link.
#include <benchmark/benchmark.h>

#include "BenchComune.h"

#include <vector>

#include "UTCondiz.h"

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
    ns.Tabella(2).ImpostaStato(0, 6, StatoInRecupero, 1);  // one recovery on link "A"

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

void Esegui(benchmark::State& state, bool conCondizioni)
{
    const auto& colonne = bench::SviluppoCompletoTotip();
    TElencoLink link;
    TElencoCondizioni elenco(&link);
    if (conCondizioni) Realistico(elenco);
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
