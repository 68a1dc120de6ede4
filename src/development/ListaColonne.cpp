#include "ListaColonne.h"

namespace morella {

void TListaColonne::AggiungiEspansa(const TColonna& record, bool svuotaPrima)
{
    if (svuotaPrima) Svuota();

    // The multi-sign events and their signs in the order "1", "X", "2". Counting through
    // them like an odometer whose leftmost wheel turns slowest gives the same order as
    // expanding recursively from the left.
    int eventi[MaxEventi];
    TSegni segni[MaxEventi][3];
    int quanti[MaxEventi];
    int k = 0;
    std::size_t totale = 1;
    for (int p = 0; p < NumEvents; ++p) {
        TSegni s = record[static_cast<std::size_t>(p)] & MascheraSegni;
        if (NumeroSegni(s) < 2) continue;
        int n = 0;
        for (TSegni segno : {Segno1, SegnoX, Segno2})
            if (s & segno) segni[k][n++] = segno;
        eventi[k] = p;
        quanti[k] = n;
        totale *= static_cast<std::size_t>(n);
        ++k;
    }

    colonne_.reserve(colonne_.size() + totale);
    int ruota[MaxEventi] = {};
    TColonna c = record;
    for (int j = 0; j < k; ++j) c[static_cast<std::size_t>(eventi[j])] = segni[j][0];
    for (;;) {
        colonne_.push_back(c);
        int j = k - 1;
        while (j >= 0 && ++ruota[j] == quanti[j]) {
            ruota[j] = 0;
            c[static_cast<std::size_t>(eventi[j])] = segni[j][0];
            --j;
        }
        if (j < 0) break;
        c[static_cast<std::size_t>(eventi[j])] = segni[j][ruota[j]];
    }
}

}  // namespace morella
