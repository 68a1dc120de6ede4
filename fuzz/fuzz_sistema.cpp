// Any bytes read as a whole system file (".Mrl"): no crash, no unbounded allocation, and a
// system that loads writes an image which reads back to the same image.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "Gioco.h"
#include "Sistema.h"

using namespace morella;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t n)
{
    // The first byte picks the game, as a system is always read under one.
    const int giochi[] = {GiocoTotip, GiocoToto, GiocoEnalotto};
    ImpostaGioco(giochi[n > 0 ? dati[0] % 3 : 0]);
    if (n > 0) {
        ++dati;
        --n;
    }
    TSistema sistema;
    TLettoreBinario lettore(dati, n);
    if (!sistema.LeggiImmagine(lettore)) return 0;
    const TBytes immagine = sistema.Immagine();

    TSistema riletto;
    TLettoreBinario secondo(immagine);
    if (!riletto.LeggiImmagine(secondo)) std::abort();
    if (riletto.Immagine() != immagine) std::abort();
    return 0;
}
