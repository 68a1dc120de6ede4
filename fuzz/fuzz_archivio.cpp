// Any bytes read as "archivio.mra" must load whole records only, and the loaded contests
// must write back and read again unchanged.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "Archivio.h"
#include "Gioco.h"

using namespace morella;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t n)
{
    // The first byte picks the game, so the sign masking of every game is exercised.
    if (n > 0) {
        ImpostaGioco(1 + dati[0] % 3);
        ++dati;
        --n;
    }
    T_Archivio archivio;
    TLettoreBinario lettore(dati, n);
    const bool intero = archivio.LeggiConcorsi(lettore);
    if (intero != (n % DimensioneRecordConcorso == 0)) std::abort();
    if (static_cast<std::size_t>(archivio.NumeroConcorsi()) != n / DimensioneRecordConcorso) std::abort();

    const TBytes immagine = archivio.ImmagineConcorsi();
    T_Archivio riletto;
    TLettoreBinario secondo(immagine);
    if (!riletto.LeggiConcorsi(secondo) || riletto.Concorsi() != archivio.Concorsi()) std::abort();
    for (const T_Concorso& c : archivio.Concorsi())
        if (c.Completo > 1 || (c.Completo == 1 && !c.ColonnaCompleta())) std::abort();
    return 0;
}
