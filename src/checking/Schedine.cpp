#include "Schedine.h"

namespace morella {

std::vector<TSchedinaVin> CostruisciSchedine(const TListaColonne& lista)
{
    std::vector<TSchedinaVin> schedine;
    schedine.reserve(lista.size() / 4 + 1);
    std::size_t i = 0;
    for (std::int32_t numero = 1; i < lista.size(); ++numero) {
        TSchedinaVin s;
        s.numero = numero;
        for (std::size_t k = 0; k < 4 && i < lista.size(); ++k, ++i) s.colonne[k] = {lista[i], 0, true};
        schedine.push_back(s);
    }
    return schedine;
}

int MassimoScorrimentoSchedine(int numeroSchedine)
{
    return numeroSchedine < 5 ? 0 : numeroSchedine - 4;
}

}  // namespace morella
