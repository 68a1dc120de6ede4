#include "Concorso.h"

#include <array>
#include <chrono>
#include <cstring>

#include "Gioco.h"

namespace morella {

std::int32_t AnnoCorrente()
{
    using namespace std::chrono;
    const year_month_day oggi{floor<days>(system_clock::now())};
    return static_cast<std::int32_t>(static_cast<int>(oggi.year()));
}

bool T_Concorso::ColonnaCompleta() const
{
    for (int i = 0; i < NumEvents; ++i) {
        const TSegni s = ColonnaVincente[static_cast<std::size_t>(i)];
        if (s != Segno1 && s != SegnoX && s != Segno2) return false;
    }
    return true;
}

void T_Concorso::Scrivi(TScrittoreBinario& scrittore) const
{
    scrittore.Intero32(Stagione);
    scrittore.Byte(Numero);
    scrittore.Blocco(ColonnaVincente.s.data(), ColonnaVincente.s.size());
    scrittore.Byte(Completo);
}

bool T_Concorso::Leggi(TLettoreBinario& lettore)
{
    std::array<std::uint8_t, DimensioneRecordConcorso> r;
    if (!lettore.Blocco(r.data(), r.size())) return false;
    std::memcpy(&Stagione, r.data(), 4);
    Numero = r[4];
    std::memcpy(ColonnaVincente.s.data(), r.data() + 5, DimensioneColonna);
    // Only the event bytes are signs; for Totip the two bytes after them are the Corsa + mask.
    for (int i = 0; i < NumEvents; ++i) ColonnaVincente[static_cast<std::size_t>(i)] &= MascheraSegni;
    Completo = (r[19] != 0 && ColonnaCompleta()) ? 1 : 0;
    return true;
}

}  // namespace morella
