// Panel files (.QDR) and conditions files (.CND) from untrusted bytes. Nothing read may
// crash, run deep, over-read or allocate out of proportion; a panel read must evaluate
// columns, write bytes that read again into the same bytes, and survive the editor's
// operations (tree, copy and paste, "Adatta").
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <vector>

#include "UTCondiz.h"

using namespace morella;

namespace {

void Stabile(const TQuadro& q)
{
    const TBytes prima = ImmagineQuadro(q);
    TLettoreBinario r(prima);
    auto copia = QuadroDaImmagine(r, q.Elenco());
    if (!copia || !r.AllaFine() || ImmagineQuadro(*copia) != prima) std::abort();
    if (ImmagineQuadro(static_cast<const TQuadro&>(*q.Clona())) != prima) std::abort();
}

void Verifica(TElencoCondizioni& elenco)
{
    for (bool raccogli : {false, true}) {
        elenco.PreparaVerifica(raccogli);
        TColonna c{};
        for (std::uint32_t codice = 0; codice < 729; codice += 13) {
            std::uint32_t r = codice;
            for (int i = 0; i < NumEvents; ++i, r /= 3)
                c[static_cast<std::size_t>(i)] = SegnoDaCifra(static_cast<int>(r % 3));
            elenco.VerificaColonna(c);
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t n)
{
    TElencoLink link;
    TElencoCondizioni elenco(&link);
    TQuadro& radice = *elenco.Condizione<TQuadro>(TipoQuadro);
    TRispostaFissa risposta(PulsanteOk | PulsanteSi);
    TSessioneQuadri sessione(radice, risposta);

    // As a panel file.
    {
        TLettoreBinario r(dati, n);
        if (auto q = QuadroDaImmagine(r, &elenco)) {
            Stabile(*q);
            radice.Assumi(std::move(*q));
            radice.ImpostaPercorso("");
            Verifica(elenco);
            const auto albero = sessione.Albero();
            for (int riga = 0; riga < static_cast<int>(albero.size()) && riga < 64; ++riga)
                if (albero[static_cast<std::size_t>(riga)].Quadro) sessione.AttivaNodo(riga);
            sessione.ApriPercorso({});
            if (radice.Conta() > 0) {
                radice.Elemento(0).Marcato = true;
                sessione.Copia();
                sessione.Incolla(1);
            }
            TPronostico p{};
            for (int i = 0; i < NumEvents; ++i)
                p[static_cast<std::size_t>(i)] = static_cast<TSegni>(1 + i % 7);
            sessione.Adatta(p, 0x0FFF);
            Stabile(radice);
            for (int i = 0; i < 8 && i < radice.Conta(); ++i) radice.ContaColonna(TColonna{});
        }
    }
    // As a conditions file, inserted into the panel as loading does.
    {
        TLettoreBinario r(dati, n);
        std::vector<std::unique_ptr<TCondizione>> lette;
        if (CondizioniDaImmagine(r, &elenco, lette)) {
            std::vector<const TCondizione*> puntatori;
            for (const auto& c : lette) puntatori.push_back(c.get());
            const TBytes prima = ImmagineCondizioni(puntatori);
            TLettoreBinario r2(prima);
            std::vector<std::unique_ptr<TCondizione>> ancora;
            if (!CondizioniDaImmagine(r2, &elenco, ancora)) std::abort();
            std::vector<const TCondizione*> p2;
            for (const auto& c : ancora) p2.push_back(c.get());
            if (ImmagineCondizioni(p2) != prima) std::abort();
            radice.Svuota();
            for (auto& c : lette) radice.Aggiungi(std::move(c));
            radice.AggiornaPreset();
            Verifica(elenco);
        }
    }
    return 0;
}
