#include "Archivio.h"
#include "FinestreArchivio.h"
#include "FormEditconcprec.h"
#include "FormImpRic.h"
#include "FormInternet.h"
#include "FormvisArchivio.h"
#include "RegistroFinestre.h"
#include "ServiziUi.h"
#include "Sistema.h"

namespace morella::ui {

void RegistraFinestreArchivio()
{
    auto& comandi = RegistroFinestre().comandi;
    comandi["Editazione1"] = [](TContestoComando& c) {
        if (!c.Sistema.Dati().Archivio) return;
        TFormEditconcprec editor(c.Sistema, c.Finestra);
        editor.Apri();
        Servizi().EseguiDialogo(editor);
        // Saved or reloaded, the archive may now hold another number of contests.
        c.Aggiorna();
    };
    comandi["Visualizzazione1"] = [](TContestoComando& c) {
        if (!c.Sistema.Dati().Archivio) return;
        TFormvisArchivio vista(*c.Sistema.Dati().Archivio, c.Finestra);
        Servizi().EseguiDialogo(vista);
    };
    comandi["ImpostazioniDiRicerca1"] = [](TContestoComando& c) {
        if (!c.Sistema.Dati().Archivio) return;
        TFormImpRic dialogo(c.Sistema, c.Finestra);
        Servizi().EseguiDialogo(dialogo);
    };
    comandi["Impostazioni1"] = [](TContestoComando& c) {
        TFormImpCollegamento dialogo(c.Sistema, c.Finestra);
        Servizi().EseguiDialogo(dialogo);
    };
    comandi["Aggiornamento1"] = [](TContestoComando& c) {
        if (!c.Sistema.Dati().Archivio) return;
        TFormAggiornamento finestra(c.Sistema, c.Finestra);
        finestra.DopoAggiornamento = c.Aggiorna;
        Servizi().EseguiDialogo(finestra);
    };
}

}  // namespace morella::ui
