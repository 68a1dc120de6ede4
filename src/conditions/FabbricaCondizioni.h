// The one factory of conditions: an empty object of a kind from its kind byte, as reading a
// group or a container block and every editor that adds an element need it.
#pragma once

#include <memory>

#include "Condizione.h"

namespace morella {

// The one factory of conditions: kinds 1 to 15 and the elements 34, 36, 37, 38, 39;
// nullptr for any other byte.
std::unique_ptr<TCondizione> CreaCondizione(int tipo, TElencoCondizioni* elenco = nullptr);

}  // namespace morella
