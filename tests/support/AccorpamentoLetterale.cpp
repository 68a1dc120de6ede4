#include "AccorpamentoLetterale.h"

#include <iterator>
#include <list>

namespace morella::test {

namespace {

// The event where the two columns differ when it is the only one, -1 otherwise. Whole bytes
// are compared; for Totip the Corsa + masks must be equal as well.
int UnicoEventoDiverso(const TColonna& a, const TColonna& b)
{
    if (Gioco == GiocoTotip && (a[12] != b[12] || a[13] != b[13])) return -1;
    int evento = -1;
    for (int i = 0; i < NumEvents; ++i) {
        if (a[i] == b[i]) continue;
        if (evento >= 0) return -1;
        evento = i;
    }
    return evento;
}

}  // namespace

double AccorpaLetterale(TListaColonne& lista, TOsservatoreAccorpamento* oss)
{
    std::list<TColonna> nodi(lista.begin(), lista.end());
    const std::size_t iniziali = nodi.size();
    auto restituisci = [&] {
        lista.Svuota();
        for (const TColonna& c : nodi) lista.Aggiungi(c);
    };

    bool unito = true;
    while (nodi.size() > 1 && unito) {
        unito = false;
        for (auto a = nodi.begin(); a != nodi.end() && std::next(a) != nodi.end(); ++a) {
            for (auto b = std::next(a); b != nodi.end();) {
                int e = UnicoEventoDiverso(*a, *b);
                if (e < 0) {
                    ++b;
                    continue;
                }
                (*a)[e] |= (*b)[e];
                b = nodi.erase(b);
                unito = true;
            }
            if (oss && oss->Annullato()) {
                restituisci();
                return -1.0;
            }
        }
    }
    restituisci();
    return nodi.empty() ? 1.0 : static_cast<double>(iniziali) / static_cast<double>(nodi.size());
}

}  // namespace morella::test
