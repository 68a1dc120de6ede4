// Any bytes read as "Morella.cfg" must give a configuration that writes back as 829 bytes
// and reads again to the same image.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "Configurazione.h"

using namespace morella;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t n)
{
    TConfigurazione c;
    TLettoreBinario lettore(dati, n);
    LeggiConfigurazione(c, lettore);
    const TBytes immagine = ImmagineConfigurazione(c);
    if (immagine.size() != DimensioneFileConfigurazione) std::abort();

    TConfigurazione riletta;
    TLettoreBinario secondo(immagine);
    LeggiConfigurazione(riletta, secondo);
    if (ImmagineConfigurazione(riletta) != immagine) std::abort();
    return 0;
}
