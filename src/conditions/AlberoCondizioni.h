// The tree of conditions as the tree window ("Albero Delle Condizioni") shows it: the root
// panel, and under every panel its sub-conditions one level further right, one row each, in
// list order. The window only draws these rows; a double click comes back to the session.
#pragma once

#include <string>
#include <vector>

#include "Quadro.h"

namespace morella {

inline constexpr const char* TitoloAlbero = "Albero Delle Condizioni";

struct TNodoAlbero {
    const TCondizione* Condizione = nullptr;
    std::string Nome;
    int Livello = 0;           // 0 for the root, one more for each panel above
    int Padre = -1;            // row of the enclosing panel; -1 for the root
    int Posizione = 0;         // 1-based position in the enclosing panel's list; 0 for the root
    bool Quadro = false;       // a panel: a double click opens it in the panel editor
    bool Evidenziato = false;  // the panel being edited
};

// One node per row, in drawing order (the row is the index).
std::vector<TNodoAlbero> AlberoCondizioni(const TQuadro& radice, const TQuadro* corrente);

// The 1-based positions that lead from the root to the node of a row (empty for the root).
std::vector<int> PercorsoNodo(const std::vector<TNodoAlbero>& albero, int riga);

}  // namespace morella
