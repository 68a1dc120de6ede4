// The one call that fills the window registry and the condition editors' factories: one
// registration function per area of the desktop layer, in the order the areas were built.
#include "EditoriCondizioni.h"
#include "FinestreArchivio.h"
#include "FormSviluppo.h"
#include "RegistroFinestre.h"

namespace morella::ui {

void RegistraFinestre()
{
    RegistraFinestreSviluppo();
    RegistraEditoriCondizioni();
    RegistraFinestreArchivio();
}

}  // namespace morella::ui
