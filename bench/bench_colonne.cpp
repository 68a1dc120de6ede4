// Column lists at their largest: merging, saving, loading and combining the 531,441 columns
// of a Totip prediction with twelve triples.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>

#include "Accorpamento.h"
#include "FileColonne.h"
#include "OperazioniFile.h"

using namespace morella;

namespace {

// Every column of twelve triples, first event slowest, signs 1, X, 2.
TListaColonne SviluppoCompleto()
{
    ImpostaGioco(GiocoTotip);
    TColonna pronostico{};
    for (int i = 0; i < NumEvents; ++i) pronostico[i] = 7;
    pronostico.ImpostaCorsaPiu(0x0003);
    TListaColonne l;
    l.AggiungiEspansa(pronostico);
    return l;
}

TListaColonne MetaCasuale()
{
    TListaColonne tutte = SviluppoCompleto();
    std::mt19937 rng(12345);
    TListaColonne l;
    for (const TColonna& c : tutte)
        if (rng() & 1) l.Aggiungi(c);
    return l;
}

std::string FileTemporaneo(const char* nome)
{
    return (std::filesystem::temp_directory_path() / nome).string();
}

void Accorpa(benchmark::State& state, const TListaColonne& sorgente)
{
    double fattore = 0;
    std::size_t finali = 0;
    for (auto _ : state) {
        state.PauseTiming();
        TListaColonne l = sorgente;
        state.ResumeTiming();
        fattore = morella::Accorpa(l);
        finali = l.size();
    }
    state.counters["colonne"] = static_cast<double>(sorgente.size());
    state.counters["finali"] = static_cast<double>(finali);
    state.counters["fattore"] = fattore;
}

void BM_AccorpaSviluppoCompleto(benchmark::State& state)
{
    static const TListaColonne sorgente = SviluppoCompleto();
    Accorpa(state, sorgente);
    if (state.counters["finali"] != 1) state.SkipWithError("the development must merge into one column");
}

void BM_AccorpaMetaCasuale(benchmark::State& state)
{
    static const TListaColonne sorgente = MetaCasuale();
    Accorpa(state, sorgente);
}

void BM_SalvaColonne(benchmark::State& state)
{
    const TListaColonne l = SviluppoCompleto();
    const std::string file = FileTemporaneo("morella-bench-salva.Col");
    for (auto _ : state)
        if (!SalvaColonne(l, file)) state.SkipWithError("save failed");
    std::filesystem::remove(file);
}

void BM_CaricaColonne(benchmark::State& state)
{
    const std::string file = FileTemporaneo("morella-bench-carica.Col");
    SalvaColonne(SviluppoCompleto(), file);
    TListaColonne l;
    for (auto _ : state) {
        CaricaColonne(l, file, false);
        benchmark::DoNotOptimize(l.Colonne().data());
    }
    std::filesystem::remove(file);
}

// The whole development with a random half of it: XOR leaves the other half.
void BM_XorDiFile(benchmark::State& state)
{
    const std::string a = FileTemporaneo("morella-bench-a.Col"), b = FileTemporaneo("morella-bench-b.Col"),
                      d = FileTemporaneo("morella-bench-d.Col");
    SalvaColonne(SviluppoCompleto(), a);
    SalvaColonne(MetaCasuale(), b);
    for (auto _ : state)
        if (!OperazioneSuFile(TOperazioneFile::Xor, a, b, d)) state.SkipWithError("operation failed");
    for (const auto& f : {a, b, d}) std::filesystem::remove(f);
}

}  // namespace

BENCHMARK(BM_AccorpaSviluppoCompleto)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AccorpaMetaCasuale)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SalvaColonne)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CaricaColonne)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_XorDiFile)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
