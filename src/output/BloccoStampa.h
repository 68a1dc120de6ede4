// The framed block in which every condition and the links appear on the system report:
// the title centred, the description lines indented, a frame round it all. A block that
// does not fit on the rest of the page starts on the next one; one taller than a page
// goes on over as many pages as it needs.
#pragma once

#include <string>
#include <vector>

#include "mmPrinter.h"

namespace morella {

void StampaBloccoRighe(TmmPrinter& stampante, double& y, double x, const std::string& titolo,
                       const std::vector<std::string>& righe);

}  // namespace morella
