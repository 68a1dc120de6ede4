// Any text read as an archive CSV file either is refused with a message or gives contests
// the editor accepts, which write back to a text that reads again into the same contests.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "CsvArchivio.h"
#include "EditoreArchivio.h"
#include "Errore.h"
#include "Gioco.h"

using namespace morella;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t n)
{
    // The first byte picks the game: Totip has one field more.
    if (n > 0) {
        ImpostaGioco(1 + dati[0] % 3);
        ++dati;
        --n;
    }
    std::vector<T_Concorso> concorsi;
    try {
        concorsi = LeggiCsvArchivio(std::string_view(reinterpret_cast<const char*>(dati), n));
    } catch (const EErrore&) {
        return 0;
    }
    for (const T_Concorso& c : concorsi) {
        if (c.Stagione < StagioneMinimaEditor || c.Stagione > StagioneMassimaEditor) std::abort();
        if (c.Numero < NumeroMinimoConcorso || c.Numero > NumeroMassimoConcorso) std::abort();
        if (c.Completo > 1 || (c.Completo == 1 && !c.ColonnaCompleta())) std::abort();
    }
    for (char separatore : {',', ';'})
        if (LeggiCsvArchivio(TestoCsvArchivio(concorsi, separatore)) != concorsi) std::abort();
    return 0;
}
