#include "AlberoCondizioni.h"

#include <algorithm>

namespace morella {

namespace {

void AggiungiNodi(const TQuadro& quadro, int riga, int livello, const TQuadro* corrente,
                  std::vector<TNodoAlbero>& albero)
{
    for (int i = 0; i < quadro.Conta(); ++i) {
        const TCondizione& e = quadro.Elemento(i);
        const bool eQuadro = e.Tipo() == TipoQuadro;
        albero.push_back({&e, e.Nome, livello + 1, riga, i + 1, eQuadro, &e == corrente});
        if (eQuadro)
            AggiungiNodi(static_cast<const TQuadro&>(e), static_cast<int>(albero.size()) - 1, livello + 1,
                         corrente, albero);
    }
}

}  // namespace

std::vector<TNodoAlbero> AlberoCondizioni(const TQuadro& radice, const TQuadro* corrente)
{
    std::vector<TNodoAlbero> albero;
    albero.push_back({&radice, radice.Nome, 0, -1, 0, true, &radice == corrente});
    AggiungiNodi(radice, 0, 0, corrente, albero);
    return albero;
}

std::vector<int> PercorsoNodo(const std::vector<TNodoAlbero>& albero, int riga)
{
    std::vector<int> percorso;
    const int n = static_cast<int>(albero.size());
    // Each step goes to an earlier row, so the walk ends.
    while (riga > 0 && riga < n) {
        const TNodoAlbero& nodo = albero[static_cast<std::size_t>(riga)];
        percorso.push_back(nodo.Posizione);
        if (nodo.Padre >= riga) break;
        riga = nodo.Padre;
    }
    std::reverse(percorso.begin(), percorso.end());
    return percorso;
}

}  // namespace morella
