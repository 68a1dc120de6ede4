// The help topics of the program's commands and windows, in one table every window reads
// without knowing the main window: each page is Help/<topic>.html in the program directory.
#pragma once

#include "TipiCondizione.h"

namespace morella::ui {

// Help topics of the commands: each page is Help/<topic>.html in the program directory.
// The windows' own topics (archive print 30, calibration 32/33, viewer 37, dictation 38,
// file operations 40) are fixed; the others fill the free numbers around them.
namespace Aiuto {
constexpr int Sommario = 1, About = 2, Nuovo = 14, Carica = 15, Salva = 16, SalvaCome = 17, Cancella = 18,
              Commento = 19, Partecipanti = 20, Impostazioni = 24, CalcoloColonne = 25,
              AnalisiStatistica = 26, AnalisiRidotto = 27, Spoglio = 28, StampaArchivio = 30,
              TaraturaToto = 32, TaraturaAltri = 33, SalvaSuDisco = 34, StampaProspetto = 35,
              StampaColonne = 36, Visualizza = 37, Dettatura = 38, ImpostazioniRicerca = 39, Operazioni = 40,
              ArchivioAggiornamento = 41, ArchivioVisualizzazione = 42, Accorpamento = 43, CostoColonna = 44,
              Sfondo = 45, InternetImpostazioni = 46, InternetAggiornamento = 47, Link = 66;
// The topic of a condition kind's menu item and editor, from the table of kinds.
inline int Condizione(int slot)
{
    const TDescrizioneTipo* d = DescrizioneTipo(slot);
    return d ? d->Aiuto : 0;
}
}  // namespace Aiuto

}  // namespace morella::ui
