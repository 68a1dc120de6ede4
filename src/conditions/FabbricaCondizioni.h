// The one factory of conditions: an empty object of a kind from its kind byte, as reading a
// group or a container block and every editor that adds an element need it.
#pragma once

#include <memory>

#include "Condizione.h"

namespace morella {

// nullptr for a byte outside the table of kinds, and for the kinds this build does not
// have yet. Built so far: 1, 2, 5, the groups 8 to 12, and 38.
std::unique_ptr<TCondizione> CreaCondizione(int tipo, TElencoCondizioni* elenco = nullptr);

}  // namespace morella
