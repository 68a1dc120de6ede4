// analisi and segni: the statistics of a condition and of the signs over the archive.
#include "Contesto.h"

namespace morella::cli {

void RegistraComandiAnalisi(CLI::App& /*app*/, TContesto& /*ctx*/) {}

}  // namespace morella::cli
