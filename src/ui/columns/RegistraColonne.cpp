// The columns area's entries in the window registry: "&Visualizza" from memory and from a
// file, "&Operazioni", and the checking ("&Spoglio").
#include "FinestreColonne.h"
#include "FormAccorpa.h"
#include "FormOperazioni.h"
#include "FormSpoglio.h"
#include "FormVisCol.h"
#include "RegistroFinestre.h"
#include "ServiziUi.h"

namespace morella::ui {

void RegistraFinestreColonne()
{
    auto& comandi = RegistroFinestre().comandi;
    comandi["VisDaMemoria1"] = [](TContestoComando& c) {
        TFormVisCol finestra(c.Finestra);
        RiempiDaMemoria(c.Sistema, finestra.Colonne(), c.Finestra);
        Servizi().EseguiDialogo(finestra);
    };
    comandi["DaFile3"] = [](TContestoComando& c) {
        TFormVisCol finestra(c.Finestra);
        if (!RiempiDaFile(c.Sistema, finestra.Colonne(), c.Finestra)) return;
        Servizi().EseguiDialogo(finestra);
    };
    comandi["Operazioni1"] = [](TContestoComando& c) {
        TFormOperazioni finestra(c.Finestra);
        Servizi().EseguiDialogo(finestra);
    };
    RegistraSpoglio();
}

}  // namespace morella::ui
