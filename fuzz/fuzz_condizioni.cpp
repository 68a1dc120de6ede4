// Condition blocks from untrusted bytes: the container block followed by the links block,
// and the same bytes as a run of whole condition blocks (the shape of a conditions file).
// Nothing read may crash, over-read or allocate out of proportion; what was read must
// evaluate columns safely and write back to bytes that read again into the same bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <vector>

#include "UTCondiz.h"

using namespace morella;

namespace {

void Verifica(TElencoCondizioni& elenco, bool raccogli)
{
    elenco.PreparaVerifica(raccogli);
    TColonna c{};
    for (std::uint32_t codice = 0; codice < 729; codice += 7) {
        std::uint32_t r = codice;
        for (int i = 0; i < NumEvents; ++i, r /= 3)
            c[static_cast<std::size_t>(i)] = SegnoDaCifra(static_cast<int>(r % 3));
        elenco.VerificaColonna(c);
    }
}

void StessiByte(const TCondizione& c)
{
    TScrittoreBinario prima;
    c.Scrivi(prima);
    TLettoreBinario r(prima.Dati());
    std::uint8_t tipo = 0;
    if (!r.Byte(tipo) || tipo != c.Tipo()) std::abort();
    auto copia = CreaCondizione(tipo, c.Elenco());
    if (!copia || !copia->Leggi(r) || !r.AllaFine()) std::abort();
    TScrittoreBinario dopo;
    copia->Scrivi(dopo);
    if (dopo.Dati() != prima.Dati()) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t n)
{
    {
        TElencoLink link;
        TElencoCondizioni elenco(&link);
        TLettoreBinario r(dati, n);
        if (!elenco.Leggi(r)) {
            // Whatever was read before the failure is still a usable container.
        } else {
            link.Leggi(r);
        }
        Verifica(elenco, false);
        Verifica(elenco, true);
    }
    {
        TElencoLink link;
        TElencoCondizioni elenco(&link);
        auto& gruppo = *elenco.Condizione<TGruppoCondizioni>(TipoGruppoConsecutivita);
        TLettoreBinario r(dati, n);
        std::vector<std::unique_ptr<TCondizione>> lette;
        while (!r.AllaFine()) {
            std::uint8_t tipo = 0;
            if (!r.Byte(tipo)) break;
            auto c = CreaCondizione(tipo, &elenco);
            if (!c || !c->Leggi(r)) break;
            StessiByte(*c);
            c->Prepara();
            c->Verifica(TColonna{});
            if (gruppo.AmmetteElemento(c->Tipo()))
                gruppo.Aggiungi(std::move(c));
            else
                lette.push_back(std::move(c));
        }
        Verifica(elenco, true);
    }
    return 0;
}
