// The print of the window "Possibilità di Incolonnamento": the winning possibilities of a
// reduced system with the exact prediction and with a wrong sign at each event.
#pragma once

#include "GrigliaStampa.h"
#include "PossibilitaVincita.h"
#include "TelaStampa.h"

namespace morella {

inline constexpr const char* MessaggioStampaTabelle = "Impossibile Stampare Le Tabelle";

// The window's grid of one list: the heading row, then the types (at least seven rows).
TGrigliaStampa GrigliaStampaPossibilita(const TElencoTipiDiVincita& elenco);

// A failure abandons the document and throws "Impossibile Stampare Le Tabelle".
void StampaPossibilita(const T_ListaTipiDiVincite& possibilita, const TPronostico& pronostico,
                       TTelaStampa& tela);

}  // namespace morella
