#include "ModelloEditColonna.h"

#include <cctype>

namespace morella {

TEsitoTasto FiltraTastoSegno(TTastoSegno tasto, char carattere, std::string_view restante)
{
    switch (tasto) {
        case TTastoSegno::Su:
            return {TAzioneTasto::Precedente, 0};
        case TTastoSegno::Giu:
            return {TAzioneTasto::Successivo, 0};
        case TTastoSegno::Sinistra:
        case TTastoSegno::Destra:
        case TTastoSegno::Backspace:
        case TTastoSegno::Ins:
        case TTastoSegno::Canc:
            return {TAzioneTasto::Modifica, 0};
        case TTastoSegno::Altro:
            return {TAzioneTasto::Ingoia, 0};
        case TTastoSegno::Carattere:
            break;
    }
    char c = static_cast<char>(std::toupper(static_cast<unsigned char>(carattere)));
    if (c == '3') c = 'X';
    if (c == '\b') return {TAzioneTasto::Modifica, 0};
    if (c != '1' && c != 'X' && c != '2') return {TAzioneTasto::Ingoia, 0};
    for (char r : restante)
        if (std::toupper(static_cast<unsigned char>(r)) == c) return {TAzioneTasto::Ingoia, 0};
    return {TAzioneTasto::Inserisci, c};
}

int YCampoSegno(int campo, int gioco, int fieldHeight, int gap1, int gap2)
{
    int gruppi = campo / EventiPerGruppo(gioco);
    if (campo == 12) --gruppi;
    return campo * (fieldHeight + gap1) + gap2 * gruppi;
}

bool ColonnaEditValida(const TColonna& c, int eventi, bool contiguo, bool completo)
{
    const auto vuoto = [&](int i) { return (c[static_cast<std::size_t>(i)] & MascheraSegni) == 0; };
    bool valida = true;
    if (completo)
        for (int i = 0; i < eventi; ++i)
            if (vuoto(i)) valida = false;
    if (contiguo && valida) {
        int primo = 0;
        while (primo < eventi && !vuoto(primo)) ++primo;
        for (int i = primo; i < eventi; ++i)
            if (!vuoto(i)) valida = false;
    }
    return valida;
}

void TModelloEditColonna::ImpostaColonna(const TColonna& c)
{
    colonna_ = c;
    Modificato = false;
}

bool TModelloEditColonna::LeggiColonna(TColonna& c) const
{
    c = colonna_;
    return ColonnaEditValida(colonna_, Eventi(), Contiguo, Completo);
}

std::string TModelloEditColonna::TestoCampo(int campo) const
{
    if (campo < 0 || campo >= MaxEventi) return {};
    return TestoSegni(colonna_[static_cast<std::size_t>(campo)] & MascheraSegni);
}

bool TModelloEditColonna::CampoCambiato(int campo, std::string_view testo)
{
    if (campo < 0 || campo >= Eventi()) return false;
    colonna_[static_cast<std::size_t>(campo)] = SegniDaTesto(testo);
    Modificato = true;
    return true;
}

int TModelloEditColonna::CampoVicino(int campo, bool su) const
{
    const int altro = su ? campo - 1 : campo + 1;
    return altro >= 0 && altro < Eventi() && campo >= 0 && campo < Eventi() ? altro : -1;
}

}  // namespace morella
