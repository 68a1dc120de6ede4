// archivio (mostra, aggiungi, elimina, ricalcola) and aggiorna: the contest archive from the
// command line.
#include "Contesto.h"

namespace morella::cli {

void RegistraComandiArchivio(CLI::App& /*app*/, TContesto& /*ctx*/) {}

}  // namespace morella::cli
