// Merging done the plain way, on a linked list, pass after pass, comparing the column being
// grown with every later column. Slow on purpose: the engine must match it exactly.
#pragma once

#include "Accorpamento.h"
#include "ListaColonne.h"

namespace morella::test {

// Same contract as Accorpa: factor initial/final (1 for an empty list), -1 when the
// observer cancels; cancel is asked after each column's walk.
double AccorpaLetterale(TListaColonne& lista, TOsservatoreAccorpamento* oss = nullptr);

}  // namespace morella::test
