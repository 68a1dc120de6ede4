// The page layouts without a printer: a canvas that only counts what it is asked to draw,
// so the figures are the core's share of a print (the Qt canvas and the PDF writer come on
// top; the README's timed CLI runs measure the whole).
#include "BenchComune.h"
#include "StampaArchivio.h"
#include "StampaSchedine.h"

namespace morella::bench {
namespace {

class TTelaMuta : public TTelaStampa {
   public:
    long long disegni = 0;
    int LarghezzaPunti() const override { return 4800; }
    int AltezzaPunti() const override { return 6636; }
    TOrientamentoPagina Orientamento() const override { return orientamento_; }
    void ImpostaOrientamento(TOrientamentoPagina o) override { orientamento_ = o; }
    void IniziaDocumento() override {}
    void NuovaPagina() override {}
    void ChiudiDocumento() override {}
    void AbbandonaDocumento() override {}
    void ImpostaFont(const TFontStampa& f) override { font_ = f; }
    TFontStampa Font() const override { return font_; }
    void ImpostaPenna(TColoreStampa) override {}
    void ImpostaPennello(TColoreStampa) override {}
    void Testo(int, int, const std::string& t) override { disegni += static_cast<long long>(t.size()); }
    TDimensioniPunti MisuraTesto(const std::string& t) override
    {
        return {static_cast<int>(t.size() * 40), 80};
    }
    void Linea(int, int, int, int) override { ++disegni; }
    void Rettangolo(int, int, int, int) override { ++disegni; }
    void Ellisse(int, int, int, int) override { ++disegni; }

   private:
    TOrientamentoPagina orientamento_ = TOrientamentoPagina::Verticale;
    TFontStampa font_;
};

void Stampa(benchmark::State& state, TModoStampa modo, int colonne)
{
    const auto& sviluppo = SviluppoCompletoTotip();
    TConfigurazione cfg;
    TStampaSchedine lavoro;
    for (int i = 0; i < colonne; ++i) lavoro.Colonne.Aggiungi(sviluppo[static_cast<std::size_t>(i) * 53]);
    lavoro.ImpostaModo(modo, cfg.Taratura);
    lavoro.Conferma(cfg.Taratura);
    TRispostaFissa ok(PulsanteOk);
    for (auto _ : state) {
        TTelaMuta tela;
        lavoro.Stampa(tela, ok, "PROVA.MRL", cfg);
        benchmark::DoNotOptimize(tela.disegni);
    }
}

void BM_Tabulato10000(benchmark::State& state)
{
    Stampa(state, TModoStampa::Tabulato, 10000);
}
void BM_Schedine2500(benchmark::State& state)
{
    Stampa(state, TModoStampa::Schedine, 2500 * 4);
}

void BM_TabellaArchivio(benchmark::State& state)
{
    const T_Archivio archivio = ArchivioCasuale(400, 7);
    TGruppiSpuntati gruppi;
    gruppi.set();
    const TEstremiConcorsi estremi{archivio.Primo().Stagione, archivio.Primo().Numero,
                                   archivio.Ultimo().Stagione, archivio.Ultimo().Numero};
    for (auto _ : state) {
        TTelaMuta tela;
        benchmark::DoNotOptimize(StampaArchivio(archivio, estremi, gruppi, tela));
    }
}

BENCHMARK(BM_Tabulato10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Schedine2500)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TabellaArchivio)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace morella::bench

BENCHMARK_MAIN();
