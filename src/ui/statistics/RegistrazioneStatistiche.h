// The statistics area of the desktop layer: its windows, registered in one call.
#pragma once

namespace morella::ui {

class TFormInfoStat;

// Fills F9 ("AnalisiStatistica1"), the condition editors' "Archivio" / "Analisi" and the
// coupon editor's "Archivio" / "Analisi".
void RegistraFinestreStatistiche();

// The open "Informazioni Statistiche Sul Sistema", if any.
TFormInfoStat* FinestraInfoStat();

}  // namespace morella::ui
