// The windows of the "&Archivio" and "Internet" menus, registered as main-window commands.
#pragma once

namespace morella::ui {

// "Editazione1", "Visualizzazione1", "ImpostazioniDiRicerca1", "Impostazioni1",
// "Aggiornamento1" (and with it the toolbar's SpeedButton14).
void RegistraFinestreArchivio();

}  // namespace morella::ui
