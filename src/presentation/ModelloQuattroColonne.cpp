#include "ModelloQuattroColonne.h"

#include <algorithm>

namespace morella {

bool SeparatoreDopoEvento(int evento, int gioco)
{
    if (evento <= 0 || evento >= 12) return false;
    return evento % EventiPerGruppo(gioco) == 0;
}

std::string TitoloSchedina(int numero)
{
    return "Schedina N\u00ba " + std::to_string(numero);
}

TCellaQuattro TModelloQuattroColonne::Cella(int evento, int colonna) const
{
    const auto e = static_cast<std::size_t>(evento);
    const TSegni s = colonne_.at(static_cast<std::size_t>(colonna)).s.at(e);
    TCellaQuattro c;
    c.testo = TestoSegni(s & MascheraSegni);
    // The mark stays visible in both modes: it tells which signs the reduction kept.
    c.sfondo = (s & BitMarcato) ? ColoreCiano : ColoreBianco;
    // An empty cell has no ink to colour.
    if (ModoSpoglio && !c.testo.empty()) {
        if (!Presente(colonna))
            c.inchiostro = ColoreGrigio;
        else
            c.inchiostro = (s & vincente_.s.at(e) & MascheraSegni) ? ColoreNero : ColoreRosso;
    }
    return c;
}

std::vector<TModelloQuattroColonne::TCellaCambiata> TModelloQuattroColonne::ImpostaColonne(
    const TQuattro& colonne, const TColonna& vincente, bool tutte)
{
    colonne_ = colonne;
    vincente_ = vincente;
    // The whole look is compared, not the text alone: a new winning column or a new mark
    // changes the colours of a cell whose signs stay the same.
    const bool ridisegna = tutte || maiDisegnate_;
    maiDisegnate_ = false;
    std::vector<TCellaCambiata> cambiate;
    const int eventi = std::clamp(NumEvents, 0, MaxEventi);
    for (int e = 0; e < eventi; ++e)
        for (int c = 0; c < Colonne; ++c) {
            TCellaQuattro nuova = Cella(e, c);
            auto& vecchia = disegnate_[static_cast<std::size_t>(e)][static_cast<std::size_t>(c)];
            if (ridisegna || nuova != vecchia) {
                cambiate.emplace_back(e, c);
                vecchia = std::move(nuova);
            }
        }
    return cambiate;
}

}  // namespace morella
