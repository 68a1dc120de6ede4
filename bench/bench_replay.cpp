// The system replayed over an archive of 2,000 random complete Totip contests, three prize
// categories, with a realistic set of sign-count, even/odd, interruption and
// consecutiveness conditions: most contests miss and go on to the neighbour searches.
#include <benchmark/benchmark.h>

#include "BenchComune.h"

#include <random>

#include "UTCondiz.h"
#include "UtArcAna.h"

using namespace morella;

using bench::Ammetti;

namespace {

T_Archivio ArchivioCasuale()
{
    ImpostaGioco(GiocoTotip);
    std::mt19937 gen(20240611);
    std::uniform_int_distribution<int> cifra(0, 2);
    T_Archivio a;
    for (int n = 0; n < 2000; ++n) {
        T_Concorso c;
        c.Stagione = 1980 + n / 40;
        c.Numero = static_cast<std::uint8_t>(n % 40 + 1);
        for (int i = 0; i < NumEvents; ++i)
            c.ColonnaVincente[static_cast<std::size_t>(i)] = SegnoDaCifra(cifra(gen));
        c.ColonnaVincente.ImpostaCorsaPiu(0x0003);
        c.AggiornaCompleto();
        a.Aggiungi(c);
    }
    return a;
}

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
        Ammetti(e->Tabella(TConsecutivita::TabellaConteggi), 0, 3, 6);
        Ammetti(e->Tabella(TConsecutivita::TabellaRun), 0, 0, 3);
        gruppo.Aggiungi(std::move(e));
    }
    Ammetti(elenco.Link()->DellaLettera('A').Errori, 0, 0, 1);
}

void Esegui(benchmark::State& state, bool nessunoPassa)
{
    const T_Archivio archivio = ArchivioCasuale();
    TElencoLink link;
    TElencoCondizioni elenco(&link);
    Realistico(elenco);
    // The worst case: on top of the rest, a run of at least ten "1" next to at most six of
    // them, which no column meets, so every contest runs both searches to the end.
    if (nessunoPassa) Ammetti(elenco.Condizione<TNumeroSegni>(TipoNumeroSegni)->Tabella(0), 1, 10, 12);
    T_ImpostazioniRicerca ricerca;
    ricerca.TuttoLArchivio(archivio);
    ricerca.CategorieCercate = 3;
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
