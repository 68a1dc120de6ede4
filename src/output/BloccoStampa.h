// The framed block in which every condition and the links appear on the system report:
// the title centred, the description indented, a frame round it all. Consecutive tables
// stand side by side as far as the width allows. A block that does not fit on the rest of
// the page starts on the next one; one taller than a page goes on over as many pages as it
// needs, the frame closed at the foot of each.
#pragma once

#include <string>

#include "RigheStampa.h"
#include "mmPrinter.h"

namespace morella {

// Prints `descrizione` from line `prima` on (earlier lines are the caller's title).
void StampaBloccoRighe(TmmPrinter& stampante, double& y, double x, const std::string& titolo,
                       const TRigheStampa& descrizione, std::size_t prima = 0);

}  // namespace morella
