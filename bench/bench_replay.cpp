// The system replayed over an archive of 2,000 random complete Totip contests, three prize
// categories, with the realistic condition set of a system: most contests miss and go on to
// the neighbour searches.
#include <benchmark/benchmark.h>

#include "BenchComune.h"
#include "CondizioniRealistiche.h"

#include "UTCondiz.h"
#include "UtArcAna.h"

using namespace morella;

using bench::Ammetti;

namespace {

void Esegui(benchmark::State& state, bool nessunoPassa)
{
    const T_Archivio archivio = bench::ArchivioCasuale(2000, 20240611, 0x0003);
    TElencoLink link;
    TElencoCondizioni elenco(&link);
    bench::CondizioniRealistiche(elenco);
    // The worst case: on top of the rest, a run of at least ten "1" next to at most six of
    // them, which no column meets, so every contest runs both searches to the end.
    if (nessunoPassa) Ammetti(elenco.Condizione<TNumeroSegni>(TipoNumeroSegni)->Tabella(0), 1, 10, 12);
    T_ImpostazioniRicerca ricerca;
    ricerca.TuttoLArchivio(archivio);
    ricerca.CategorieCercate = 3;
    // The filter columns feed the points-between group: both take part in the replay.
    ricerca.IgnoraColonneFiltro = false;
    TEsitoReplay esito;
    for (auto _ : state) {
        esito = ReplayArchivio(elenco, ricerca, archivio);
        benchmark::DoNotOptimize(esito);
    }
    const auto& c = ricerca.RisultatiRicerca.Categorie;
    state.counters["esaminati"] = esito.Esaminati;
    state.counters["attive"] = elenco.NumeroAttive();
    for (std::size_t k = 0; k < 3; ++k) {
        const std::string n = std::to_string(k + 1);
        state.counters["cat" + n + "_contati"] = c[k].Frequenze.ConcorsiContati();
        state.counters["cat" + n + "_centrati"] = c[k].Centrati();
    }
}

void BM_ReplayTreCategorie(benchmark::State& state)
{
    Esegui(state, false);
}
void BM_ReplayCasoPeggiore(benchmark::State& state)
{
    Esegui(state, true);
}

}  // namespace

BENCHMARK(BM_ReplayTreCategorie)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReplayCasoPeggiore)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
