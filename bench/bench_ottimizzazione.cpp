// The optimised reduction beside the accurate one: full systems of triples (3 to 13 events,
// N - 1 and N - 2) with the best known covering sizes, mixed full systems of triples and
// doubles, and the 12-triple prediction under three condition sets. One run per case, since
// each run spends its whole time budget (MORELLA_SECONDI, default 10 s; MORELLA_SEME, default 1).
// Counters: accurata (the accurate reduction's size), ottimizzata, nota (best known, full
// triples only), risparmio (share of columns saved), secondi (the reduction's own time).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <map>

#include "BenchComune.h"
#include "CondizioniRealistiche.h"
#include "Modulo.h"
#include "NumeroSegni.h"
#include "RiduzioneOttimizzata.h"
#include "Simmetrie.h"
#include "Sviluppo.h"

using namespace morella;

using bench::Ammetti;

namespace {

double Secondi()
{
    const char* s = std::getenv("MORELLA_SECONDI");
    return s ? std::atof(s) : 10.0;
}

std::uint64_t Seme()
{
    const char* s = std::getenv("MORELLA_SEME");
    return s ? std::strtoull(s, nullptr, 10) : 1;
}

// Best known sizes of ternary covering codes, radius 1 and 2, for 3..13 positions.
const std::map<std::pair<int, int>, int> Note = {
    {{3, 1}, 5},    {{4, 1}, 9},     {{5, 1}, 27},    {{6, 1}, 73},     {{7, 1}, 186},    {{8, 1}, 486},
    {{9, 1}, 1269}, {{10, 1}, 3645}, {{11, 1}, 9477}, {{12, 1}, 27702}, {{13, 1}, 59049}, {{3, 2}, 3},
    {{4, 2}, 3},    {{5, 2}, 8},     {{6, 2}, 17},    {{7, 2}, 34},     {{8, 2}, 81},     {{9, 2}, 219},
    {{10, 2}, 555}, {{11, 2}, 729},  {{12, 2}, 2187}, {{13, 2}, 6561}};

// Every column of a prediction with `triple` triples, then `doppie` doubles (1X), the other
// events "1"; Toto when 13 events are needed.
TPronostico Pronostico(int triple, int doppie)
{
    ImpostaGioco(triple + doppie > 12 ? GiocoToto : GiocoTotip);
    TPronostico p{};
    for (int i = 0; i < NumEvents; ++i)
        p[static_cast<std::size_t>(i)] = i < triple ? 7 : i < triple + doppie ? 3 : 1;
    return p;
}

TListaColonne Sviluppo(const TPronostico& p)
{
    TListaColonne l;
    TColonna c{};
    for (int i = 0; i < NumEvents; ++i) c[static_cast<std::size_t>(i)] = p[static_cast<std::size_t>(i)];
    l.AggiungiEspansa(c);
    return l;
}

void Misura(benchmark::State& state, const TListaColonne& sviluppo, const TPronostico& p, int garanzia)
{
    TEsitoOttimizzazione e;
    TParametriOttimizzazione par;
    par.secondi = Secondi();
    par.seme = Seme();
    for (auto _ : state) {
        TListaColonne lista = sviluppo;
        e = AutoriduciOttimizzata(lista, garanzia, false, nullptr, p, par);
        if (!VerificaGaranzia(sviluppo, lista, garanzia)) state.SkipWithError("garanzia persa");
    }
    state.counters["colonne"] = sviluppo.Conta();
    state.counters["accurata"] = e.colonneAccurata;
    state.counters["ottimizzata"] = e.riduzione.tenute;
    state.counters["risparmio"] = 1.0 - static_cast<double>(e.riduzione.tenute) / e.colonneAccurata;
    state.counters["secondi"] = e.secondi;
    state.counters["costruzione"] = e.costruzione;
    state.counters["passi"] = static_cast<double>(e.passi);
}

void BM_Triple(benchmark::State& state)
{
    const int t = static_cast<int>(state.range(0)), f = static_cast<int>(state.range(1));
    const TPronostico p = Pronostico(t, 0);
    Misura(state, Sviluppo(p), p, f);
    state.counters["nota"] = Note.at({t, f});
}
BENCHMARK(BM_Triple)
    ->ArgsProduct({benchmark::CreateDenseRange(3, 13, 1), {1, 2}})
    ->Iterations(1)
    ->Unit(benchmark::kSecond);

void BM_Miste(benchmark::State& state)
{
    const int t = static_cast<int>(state.range(0)), d = static_cast<int>(state.range(1));
    const int f = static_cast<int>(state.range(2));
    const TPronostico p = Pronostico(t, d);
    Misura(state, Sviluppo(p), p, f);
}
BENCHMARK(BM_Miste)
    ->ArgsProduct({{6}, {6}, {1, 2}})
    ->ArgsProduct({{8}, {4}, {1, 2}})
    ->ArgsProduct({{4}, {7}, {1, 2}})
    ->Iterations(1)
    ->Unit(benchmark::kSecond);

// Two condition sets of the optimiser's own beside the realistic one.
void SegniEModulo(TElencoCondizioni& elenco)
{
    auto& ns = *elenco.Condizione<TNumeroSegni>(TipoNumeroSegni);
    Ammetti(ns.Tabella(0), 0, 3, 6);
    Ammetti(ns.Tabella(1), 0, 2, 5);
    Ammetti(ns.Tabella(2), 0, 2, 5);
    auto& mo = *elenco.Condizione<TModulo>(TipoModulo);
    Ammetti(mo.Tabella(TModulo::TabellaSomma), 0, 4, 10);
}

void Simmetrie(TElencoCondizioni& elenco)
{
    auto& si = *elenco.Condizione<TSimmetrie>(TipoSimmetrie);
    Ammetti(si.Tabella(TSimmetrie::TabellaDirette), 0, 1, 4);
    Ammetti(si.Tabella(TSimmetrie::TabellaInverse), 0, 0, 3);
    Ammetti(si.Tabella(TSimmetrie::TabellaTotali), 0, 2, 6);
}

TListaColonne SviluppoCondizionato(int insieme)
{
    TSistema s;
    ImpostaGioco(GiocoTotip);
    for (int i = 0; i < 12; ++i) s.Dati().Pronostico[static_cast<std::size_t>(i)] = 7;
    TElencoCondizioni& elenco = *s.Dati().Condizioni;
    if (insieme == 0) bench::CondizioniRealistiche(elenco);
    if (insieme == 1) SegniEModulo(elenco);
    if (insieme == 2) Simmetrie(elenco);
    Sviluppa(s);
    return s.Dati().Colonne;
}

void BM_Condizionate(benchmark::State& state)
{
    const int insieme = static_cast<int>(state.range(0)), f = static_cast<int>(state.range(1));
    const TListaColonne lista = SviluppoCondizionato(insieme);
    Misura(state, lista, Pronostico(12, 0), f);
}
BENCHMARK(BM_Condizionate)->ArgsProduct({{0, 1, 2}, {1, 2}})->Iterations(1)->Unit(benchmark::kSecond);

// A cancel asked at a given moment of the run.
struct TAnnullaDopo : TOsservatoreRiduzione {
    std::chrono::steady_clock::time_point quando;
    bool Annullato() override { return std::chrono::steady_clock::now() >= quando; }
};

// How long a cancel takes to come back, asked at several moments of a run (through every phase:
// the accurate reduction, the constructions, the balls, the greedy, the search): the worst
// delay, and whether every result kept the guarantee (a cancel during the accurate reduction
// empties the list, as that reduction does).
void BM_Annulla(benchmark::State& state)
{
    const int caso = static_cast<int>(state.range(0)), f = static_cast<int>(state.range(1));
    const TPronostico p = caso == 0 ? Pronostico(12, 0) : caso == 1 ? Pronostico(8, 4) : Pronostico(12, 0);
    const TListaColonne sviluppo = caso == 2   ? SviluppoCondizionato(0)
                                   : caso == 3 ? SviluppoCondizionato(2)
                                               : Sviluppo(p);
    double peggiore = 0.0, peggioreAccurata = 0.0;
    int vuote = 0;
    for (auto _ : state) {
        for (double dopo : {0.02, 0.1, 0.25, 0.5, 0.8, 1.2, 2.0, 3.0, 5.0}) {
            TParametriOttimizzazione par;
            par.secondi = Secondi();
            TAnnullaDopo oss;
            const auto inizio = std::chrono::steady_clock::now();
            oss.quando = inizio + std::chrono::duration_cast<std::chrono::steady_clock::duration>(
                                      std::chrono::duration<double>(dopo));
            TListaColonne lista = sviluppo;
            const TEsitoOttimizzazione e = AutoriduciOttimizzata(lista, f, false, nullptr, p, par, &oss);
            const auto fine = std::chrono::steady_clock::now();
            const double ritardo =
                fine > oss.quando ? std::chrono::duration<double>(fine - oss.quando).count() : 0.0;
            if (lista.Vuota()) {
                peggioreAccurata = std::max(peggioreAccurata, ritardo);
                ++vuote;
                if (!e.riduzione.annullata) state.SkipWithError("lista vuota senza annullamento");
                continue;
            }
            peggiore = std::max(peggiore, ritardo);
            if (!VerificaGaranzia(sviluppo, lista, f) || e.riduzione.tenute > e.colonneAccurata) {
                state.SkipWithError("garanzia persa dopo l'annullamento");
            }
        }
    }
    state.counters["ritardo_ms"] = peggiore * 1000.0;                   // with a verified set returned
    state.counters["ritardo_accurata_ms"] = peggioreAccurata * 1000.0;  // cancelled in the accurate reduction
    state.counters["vuote"] = vuote;
}
BENCHMARK(BM_Annulla)->ArgsProduct({{0, 1, 2, 3}, {1, 2}})->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace

BENCHMARK_MAIN();
