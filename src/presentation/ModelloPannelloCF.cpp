#include "ModelloPannelloCF.h"

#include <algorithm>

namespace morella {

namespace {

// Length in bytes of the UTF-8 character that starts with `c`, so that a title such as
// "Nº" is written one character, not one byte, per line.
std::size_t LunghezzaCarattere(unsigned char c)
{
    if (c >= 0xF0) return 4;
    if (c >= 0xE0) return 3;
    if (c >= 0xC0) return 2;
    return 1;
}

}  // namespace

std::vector<TRigaCartella> TModelloPannelloCF::Righe(int altezzaRiga) const
{
    std::vector<TRigaCartella> righe;
    if (Tipo == 0) {
        int y = Start;
        for (std::size_t i = 0; i < Testo.size();) {
            const std::size_t n =
                std::min(LunghezzaCarattere(static_cast<unsigned char>(Testo[i])), Testo.size() - i);
            righe.push_back({Testo.substr(i, n), y});
            y += altezzaRiga;
            i += n;
        }
    } else if (Tipo == 1) {
        const int perGruppo = EventiPerGruppo(Gioco);
        const int eventi = std::clamp(NumEvents, 0, MaxEventi);
        for (int e = 0; e < eventi; ++e) {
            const int y = Start + (e / perGruppo) * FieldHeight + (e % perGruppo) * altezzaRiga;
            righe.push_back({TestoSegni(Colonna[static_cast<std::size_t>(e)] & MascheraSegni), y});
        }
    }
    return righe;
}

std::string TestoNumeroCartella(int numero)
{
    std::string t = std::to_string(numero);
    if (numero >= 0 && numero < 10) t.insert(0, "0");
    return t;
}

}  // namespace morella
