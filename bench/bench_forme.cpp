// The pattern kinds (vortex, symmetries, derived formulas, modulo) over every column of a
// 12-triple Totip development: each kind alone with realistic settings, all four together,
// and the bare container for reference. Also the statistics' measure of every quantity.
#include <benchmark/benchmark.h>

#include "BenchComune.h"

#include <functional>
#include <vector>

#include "Distribuzione.h"
#include "FormuleDerivate.h"
#include "Modulo.h"
#include "Simmetrie.h"
#include "UTCondiz.h"
#include "Vortice.h"

using namespace morella;

using bench::Ammetti;

namespace {

void Simmetrie(TElencoCondizioni& e)
{
    auto& k = *e.Condizione<TSimmetrie>(TipoSimmetrie);
    Ammetti(k.Tabella(TSimmetrie::TabellaDirette), 0, 0, 4);
    Ammetti(k.Tabella(TSimmetrie::TabellaDirette), 1, 0, 3);
    Ammetti(k.Tabella(TSimmetrie::TabellaInverse), 0, 0, 4);
    Ammetti(k.Tabella(TSimmetrie::TabellaTotali), 0, 1, 7);
}

void Vortice(TElencoCondizioni& e)
{
    auto& k = *e.Condizione<TVortice>(TipoVortice);
    for (int base : {0, TVortice::Inverso}) {
        Ammetti(k.Tabella(base + TVortice::TabellaPosizione), 0, 4, 9);
        Ammetti(k.Tabella(base + TVortice::TabellaBracci), 0, 3, 10);
        Ammetti(k.Tabella(base + TVortice::TabellaSegno), 0, 0, 2);
    }
}

void Modulo(TElencoCondizioni& e)
{
    auto& k = *e.Condizione<TModulo>(TipoModulo);
    Ammetti(k.Tabella(TModulo::TabellaSomma), 0, 7, 11);
    Ammetti(k.Tabella(TModulo::TabellaProdotto), 0, 4, 12);
}

void FormuleDerivate(TElencoCondizioni& e)
{
    auto& k = *e.Condizione<TFormuleDerivate>(TipoFormuleDerivate);
    for (int n1 = 2; n1 <= 6; ++n1)
        for (int nx = 2; nx <= 6; ++nx)
            if (12 - n1 - nx >= 2 && 12 - n1 - nx <= 6)
                k.FormuleAmmesse[IndiceDistribuzione({n1, nx, 12 - n1 - nx})] = true;
}

void Tutte(TElencoCondizioni& e)
{
    Simmetrie(e);
    Vortice(e);
    Modulo(e);
    FormuleDerivate(e);
}

void Esegui(benchmark::State& state, const std::function<void(TElencoCondizioni&)>& imposta)
{
    TElencoLink link;
    TElencoCondizioni elenco(&link);
    if (imposta) imposta(elenco);
    bench::VerificaSviluppo(state, elenco);
}

// Every quantity of a kind, as the statistics measure each developed column.
template <class T>
void MisuraTutto(benchmark::State& state)
{
    const auto& colonne = bench::SviluppoCompletoTotip();
    const T k;
    TMisura m[8];
    std::int64_t somma = 0;
    for (auto _ : state) {
        for (const TColonna& c : colonne) {
            k.MisuraSerie(TColonnaEsaminata(c), m);
            somma += m[0].Valore;
        }
        benchmark::DoNotOptimize(somma);
    }
    state.counters["ns_colonna"] =
        benchmark::Counter(static_cast<double>(colonne.size()),
                           benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_NessunaCondizione(benchmark::State& s)
{
    Esegui(s, nullptr);
}
void BM_Vortice(benchmark::State& s)
{
    Esegui(s, Vortice);
}
void BM_Simmetrie(benchmark::State& s)
{
    Esegui(s, Simmetrie);
}
void BM_FormuleDerivate(benchmark::State& s)
{
    Esegui(s, FormuleDerivate);
}
void BM_Modulo(benchmark::State& s)
{
    Esegui(s, Modulo);
}
void BM_TutteLeForme(benchmark::State& s)
{
    Esegui(s, Tutte);
}

}  // namespace

BENCHMARK(BM_NessunaCondizione)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Vortice)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Simmetrie)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FormuleDerivate)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Modulo)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TutteLeForme)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(MisuraTutto, TVortice)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(MisuraTutto, TSimmetrie)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(MisuraTutto, TModulo)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(MisuraTutto, TFormuleDerivate)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
