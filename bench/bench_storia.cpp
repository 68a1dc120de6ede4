// Evaluation of every column of a 12-triple Totip development against the history and
// weight conditions: repetitions of the last two contests, a group of sequences, a group of
// values and a group of percentages, each alone and all together, with realistic settings.
#include <benchmark/benchmark.h>

#include "BenchComune.h"

#include <random>
#include <vector>

#include "Archivio.h"
#include "DatiSistema.h"
#include "UTCondiz.h"

using namespace morella;

using bench::Ammetti;

namespace {

TColonna Colonna(const char* testo)
{
    TColonna c{};
    ColonnaDaTesto(testo, c);
    return c;
}

enum TQuali : unsigned { Ripetizioni = 1, Sequele = 2, Valori = 4, Percentuali = 8 };

void Imposta(TDatiSistema& dati, T_Archivio& archivio, unsigned quali)
{
    T_Concorso due, una;
    due.ColonnaVincente = Colonna("1X21121X2X11");
    una.ColonnaVincente = Colonna("21X1X1122X12");
    archivio.Aggiungi(due);
    archivio.Aggiungi(una);
    dati.Archivio = &archivio;

    // Values 1..9 and coupon-style percentages, the way a player fills them in.
    std::mt19937 g(2024);
    for (int i = 0; i < 12; ++i) {
        auto& v = dati.Valori[static_cast<std::size_t>(i)];
        for (auto& x : v) x = static_cast<std::int32_t>(1 + g() % 9);
        const auto p1 = static_cast<std::int32_t>(30 + g() % 40);
        const auto px = static_cast<std::int32_t>(g() % static_cast<std::uint32_t>(100 - p1));
        dati.Percentuali[static_cast<std::size_t>(i)] = {p1, px, 100 - p1 - px};
    }

    auto& elenco = *dati.Condizioni;
    if (quali & Ripetizioni) {
        auto& r = *elenco.Condizione<TRipetizioni>(TipoRipetizioni);
        Ammetti(r.Tabella(TRipetizioni::TabellaUna), 0, 2, 6);
        Ammetti(r.Tabella(TRipetizioni::TabellaUna), 1, 0, 3);
        Ammetti(r.Tabella(TRipetizioni::TabellaDue), 0, 1, 6);
    }
    if (quali & Sequele) {
        auto& gruppo = *elenco.Condizione<TGruppoCondizioni>(TipoGruppoSequele);
        auto schema = std::make_unique<TSequele>();
        schema->Schema = Colonna("1X**********");
        schema->Lunghezza = 2;
        Ammetti(schema->Tabella(0), 0, 0, 3);
        auto bitermine = std::make_unique<TSequele>();
        bitermine->TipoSequela = TSequele::Bitermine;
        bitermine->Lunghezza = 3;
        bitermine->PassoNonTrovata = 2;
        Ammetti(bitermine->Tabella(0), 0, 2, 8);
        Ammetti(bitermine->Tabella(0), 1, 0, 5);
        auto generica = std::make_unique<TSequele>();
        generica->TipoSequela = TSequele::Generica;
        generica->Lunghezza = 2;
        Ammetti(generica->Tabella(0), 0, 2, 4);
        Ammetti(generica->Tabella(0), 1, 1, 2);
        auto specchio = std::make_unique<TSequele>();
        specchio->TipoSequela = TSequele::Specchio;
        specchio->Lunghezza = 3;
        Ammetti(specchio->Tabella(0), 0, 0, 2);
        gruppo.Aggiungi(std::move(schema));
        gruppo.Aggiungi(std::move(bitermine));
        gruppo.Aggiungi(std::move(generica));
        gruppo.Aggiungi(std::move(specchio));
    }
    if (quali & Valori) {
        auto& gruppo = *elenco.Condizione<TGruppoCondizioni>(TipoGruppoValori);
        for (int k = 0; k < 2; ++k) {
            auto v = std::make_unique<TValori>();
            for (int i = 0; i < 12; ++i) v->Partite[static_cast<std::size_t>(i)] = k == 0 || i % 2 == 0;
            v->Intervalli.Aggiungi(k == 0 ? TIntervallo{45, 75, 1, 1} : TIntervallo{20, 40, 1, 1});
            v->Intervalli.Aggiungi(k == 0 ? TIntervallo{76, 80, 2, 1} : TIntervallo{15, 19, 2, 2});
            gruppo.Aggiungi(std::move(v));
        }
    }
    if (quali & Percentuali) {
        auto& gruppo = *elenco.Condizione<TGruppoCondizioni>(TipoGruppoPercentuali);
        auto p = std::make_unique<TPercentuali>();
        p->Partite.fill(true);
        p->Intervalli.Aggiungi({1e-6, 100, 1, 1});
        gruppo.Aggiungi(std::move(p));
        auto meta = std::make_unique<TPercentuali>();
        for (int i = 0; i < 6; ++i) meta->Partite[static_cast<std::size_t>(i)] = true;
        meta->Intervalli.Aggiungi({0.01, 100, 1, 1});
        gruppo.Aggiungi(std::move(meta));
    }
    Ammetti(dati.Link->DellaLettera('A').Errori, 0, 0, 2);
}

void Esegui(benchmark::State& state, unsigned quali)
{
    TDatiSistema dati;
    T_Archivio archivio;
    Imposta(dati, archivio, quali);
    auto& elenco = *dati.Condizioni;
    bench::VerificaSviluppo(state, elenco);
}

void BM_NessunaCondizione(benchmark::State& s)
{
    Esegui(s, 0);
}
void BM_Ripetizioni(benchmark::State& s)
{
    Esegui(s, Ripetizioni);
}
void BM_GruppoSequele(benchmark::State& s)
{
    Esegui(s, Sequele);
}
void BM_GruppoValori(benchmark::State& s)
{
    Esegui(s, Valori);
}
void BM_GruppoPercentuali(benchmark::State& s)
{
    Esegui(s, Percentuali);
}
void BM_TutteInsieme(benchmark::State& s)
{
    Esegui(s, Ripetizioni | Sequele | Valori | Percentuali);
}

// Each element of the sequence group on its own, straight through Verifica.
void BM_SequelaPerTipo(benchmark::State& state)
{
    const auto& colonne = bench::SviluppoCompletoTotip();
    TSequele s;
    s.TipoSequela = static_cast<std::int32_t>(state.range(0));
    s.Lunghezza = 3;
    s.Schema = Colonna("1X2*********");
    if (s.TipoSequela <= TSequele::Tritermine) s.PassoNonTrovata = 2;  // the stepping walk
    for (int v = 0; v <= s.Tabella(0).Massimo(); ++v) s.Tabella(0).ImpostaStato(0, v, StatoAmmesso);
    s.Prepara();
    std::int64_t accettate = 0;
    for (auto _ : state) {
        accettate = 0;
        for (const TColonna& c : colonne) accettate += s.Verifica(c);
        benchmark::DoNotOptimize(accettate);
    }
    state.SetLabel(s.TestoTipo());
    state.counters["ns_colonna"] =
        benchmark::Counter(static_cast<double>(colonne.size()),
                           benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

}  // namespace

BENCHMARK(BM_NessunaCondizione)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Ripetizioni)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GruppoSequele)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GruppoValori)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GruppoPercentuali)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TutteInsieme)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SequelaPerTipo)->DenseRange(1, 6)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
