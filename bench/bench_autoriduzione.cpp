// Autoreduction on the largest list the program develops: all 3^12 = 531,441 columns of a
// Totip prediction with twelve triples (event 1 slowest, signs 1, X, 2; Corsa + horses 1 and 2).
#include <benchmark/benchmark.h>

#include <chrono>

#include "Autoriduzione.h"
#include "ListaColonne.h"

using namespace morella;

namespace {

const TListaColonne& SviluppoCompleto()
{
    static const TListaColonne lista = [] {
        ImpostaGioco(GiocoTotip);
        TListaColonne l;
        l.Riserva(531441);
        TColonna c{};
        c.ImpostaCorsaPiu(3);
        for (int codice = 0; codice < 531441; ++codice) {
            int x = codice;
            for (int i = NumEvents - 1; i >= 0; --i) {
                c[static_cast<std::size_t>(i)] = SegnoDaCifra(x % 3);
                x /= 3;
            }
            l.Aggiungi(c);
        }
        return l;
    }();
    return lista;
}

TPronostico TutteTriple()
{
    TPronostico p{};
    for (int i = 0; i < NumEvents; ++i) p[static_cast<std::size_t>(i)] = 7;
    return p;
}

// Notes when the winning possibilities start, to split their time from the reduction's.
struct TCronometro : TOsservatoreRiduzione {
    std::chrono::steady_clock::time_point inizioPossibilita;
    void Stato(const std::string&) override { inizioPossibilita = std::chrono::steady_clock::now(); }
};

void Riduci(benchmark::State& state, int garanzia, bool accurata, bool percentuali)
{
    const TListaColonne& sviluppo = SviluppoCompleto();
    const TPronostico pronostico = TutteTriple();
    T_ListaTipiDiVincite possibilita;
    TEsitoRiduzione esito;
    double secondiPossibilita = 0.0;
    for (auto _ : state) {
        state.PauseTiming();
        TListaColonne lista = sviluppo;
        TCronometro oss;
        state.ResumeTiming();
        esito = Autoriduci(lista, garanzia, accurata, percentuali, &possibilita, pronostico, &oss);
        if (percentuali)
            secondiPossibilita =
                std::chrono::duration<double>(std::chrono::steady_clock::now() - oss.inizioPossibilita)
                    .count();
        benchmark::DoNotOptimize(lista.Conta());
    }
    state.counters["totale"] = esito.totale;
    state.counters["tenute"] = esito.tenute;
    state.counters["rapido"] = esito.motoreRapido ? 1 : 0;
    if (percentuali) state.counters["s_possibilita"] = secondiPossibilita;
}

void BM_N1Accurata(benchmark::State& s)
{
    Riduci(s, 1, true, false);
}
void BM_N1Veloce(benchmark::State& s)
{
    Riduci(s, 1, false, false);
}
void BM_N2Accurata(benchmark::State& s)
{
    Riduci(s, 2, true, false);
}
void BM_N2Veloce(benchmark::State& s)
{
    Riduci(s, 2, false, false);
}
void BM_N1AccurataConPossibilita(benchmark::State& s)
{
    Riduci(s, 1, true, true);
}

}  // namespace

BENCHMARK(BM_N1Accurata)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_N1Veloce)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_N2Accurata)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_N2Veloce)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_N1AccurataConPossibilita)->Unit(benchmark::kMillisecond)->Iterations(1);

BENCHMARK_MAIN();
