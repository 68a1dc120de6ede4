// Evaluation of every column of a 12-triple Totip development against filter columns and
// points-between: a group of three filter columns (one with doubles and unfiltered events),
// then the same with their points summed into one points-between group.
#include <benchmark/benchmark.h>

#include "BenchComune.h"

#include <vector>

#include "TestoColonnaEsteso.h"
#include "UTCondiz.h"

using namespace morella;

using bench::Ammetti;

namespace {

// Three filter columns in group 12 and, with puntiTra, group 1 of the points-between
// summing their points.
void Filtri(TElencoCondizioni& elenco, bool puntiTra)
{
    auto& gruppo = *elenco.Condizione<TGruppoCondizioni>(TipoGruppoColonneFiltro);
    const char* filtri[3] = {"1X21X21X21X2", "(1X)(X2)*1*(12)2X(1X2)1**", "X1X1X1X1X1X1"};
    for (const char* testo : filtri) {
        auto cf = CreaColonnaFiltro(*ColonnaDaTestoEsteso(testo), {});
        auto& t = cf->Tabella(TColonnaFiltro::TabellaPunti);
        Ammetti(t, 0, 2, 9);
        Ammetti(t, 1, 0, 6);
        t.ImpostaStato(0, 10, StatoInRecupero, 1);
        if (puntiTra) t.Sotto[0].GruppoTra = 1;
        gruppo.Aggiungi(std::move(cf));
    }
    if (!puntiTra) return;
    auto& pt = *elenco.Condizione<TPuntiTra>(TipoPuntiTra);
    pt.Gruppo(1).Aggiungi({8, 20, 1, 1});
}

void Esegui(benchmark::State& state, bool puntiTra)
{
    TElencoLink link;
    TElencoCondizioni elenco(&link);
    Filtri(elenco, puntiTra);
    Ammetti(link.DellaLettera('A').Errori, 0, 0, 1);
    bench::VerificaSviluppo(state, elenco);
}

void BM_TreColonneFiltro(benchmark::State& state)
{
    Esegui(state, false);
}
void BM_TreColonneFiltroEPuntiTra(benchmark::State& state)
{
    Esegui(state, true);
}

}  // namespace

BENCHMARK(BM_TreColonneFiltro)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TreColonneFiltroEPuntiTra)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
