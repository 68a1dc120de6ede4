// The system summary ("Prospetto Del Sistema"): name, kind and date of the system, the
// status line, the coupon's grids (event names, prediction, percentages, values), the
// Corsa +, the participants, then every active condition and the links in framed blocks.
#pragma once

#include <string>

#include "GrigliaStampa.h"
#include "Sistema.h"
#include "TelaStampa.h"

namespace morella {

inline constexpr const char* MessaggioStampaSistema = "Impossibile Stampare Il Sistema";

// The coupon editor's grids as the window shows them (pixels): event numbers and names,
// the prediction, the percentages and the values of every event.
TGrigliaStampa GrigliaNomi(const TDatiSistema& dati);
TGrigliaStampa GrigliaPronostico(const TDatiSistema& dati);
TGrigliaStampa GrigliaPercentuali(const TDatiSistema& dati);
TGrigliaStampa GrigliaValori(const TDatiSistema& dati);
// The lamps: every event has some non-zero entry.
bool TabellaCompleta(const TTabellaSegni& tabella);

// "Nome Del Sistema : X  Sistema Condizionato Ridotto N-1  Stampato il : <data>".
std::string RigaNomeSistema(const TSistema& sistema, const std::string& data);

// Today as the short date of this machine (day/month/year).
std::string DataOdierna();

// Prints the summary; the conditions' active list and the links' letters in use are brought
// up to date first, nothing else of the system changes. A failure abandons the document
// and throws "Impossibile Stampare Il Sistema".
void StampaProspetto(TSistema& sistema, TTelaStampa& tela, const std::string& data = DataOdierna());

}  // namespace morella
