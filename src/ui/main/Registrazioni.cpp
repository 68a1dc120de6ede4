// The one call that fills the window registry and the condition editors' factories: one
// registration function per area of the desktop layer, in the order the areas were built.
#include "EditoriCondizioni.h"
#include "FinestreArchivio.h"
#include "FinestreColonne.h"
#include "FinestreStampa.h"
#include "FormSviluppo.h"
#include "RegistrazioneStatistiche.h"
#include "RegistroFinestre.h"

namespace morella::ui {

void RegistraFinestre()
{
    RegistraFinestreSviluppo();
    RegistraEditoriCondizioni();
    RegistraFinestreStampa();
    RegistraFinestreColonne();
    RegistraFinestreStatistiche();
    RegistraFinestreArchivio();
}

}  // namespace morella::ui
