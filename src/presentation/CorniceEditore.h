// What the frame shared by every condition editor decides, apart from its controls: which of
// its buttons are open, what goes back into the condition on OK and whether that changed it,
// what "Azzera " makes of a table, and what the run of an editor tells the main window.
#pragma once

#include <array>
#include <cstdint>

#include "TabellaValori.h"

namespace morella {

class TCondizione;

// What an editor run returns (the result of TCondizione::Modifica).
constexpr int EsitoAnnullato = 0;   // closed without OK: nothing was copied
constexpr int EsitoConfermato = 1;  // OK, and the condition is as it was
constexpr int EsitoCambiato = 2;    // OK, and something in the condition changed
int EsitoEditore(bool confermato, bool cambiato);
// The system is marked modified only after a run that changed its condition.
bool SistemaDaSegnare(int esito);

// "Archivio" needs more than one contest and a window to show them in.
bool ArchivioAbilitato(int concorsi, bool finestraPresente);
// "Analisi" needs the system's columns, a complete prediction and its window.
bool AnalisiAbilitata(bool finestraPresente, int colonne, bool pronosticoCompleto);

// A table reduced to the choices that mean something: a level only for a value in recupero
// (where 0 stands for 1), nothing in the spare pairs past Massimo, no derived flags. The
// value-table control may rewrite the rest freely.
void SoloScelte(TTabellaValori& t);
// Whether two tables hold the same choices (states, levels in recupero, letters, groups,
// range).
bool StessiValori(const TTabellaValori& a, const TTabellaValori& b);
// OK, for one table: when its control reports a change, the table becomes what the control
// read back and its derived flags are cleared so the next Prepara recomputes them. True when
// the table's choices are now different.
bool RiportaTabella(bool modificato, const TTabellaValori& letta, TTabellaValori& tabella);
// OK, for the switch: true when it changed.
bool RiportaAttivato(TCondizione& c, bool attivato);
// What "Azzera " leaves of a table: every pair 0, link "A", no group, the whole column.
TTabellaValori TabellaAzzerata(const TTabellaValori& t);

// The vortex's sign tables as three check boxes ("1", "X", "2" = values 0, 1, 2): a box is
// checked when its value is admitted in any way. Unchecking excludes the value; checking an
// excluded value admits it, while a value already admitted (in recupero included) keeps its
// state and level. True when the table changed.
std::array<bool, 3> CaselleSegni(const TTabellaValori& t);
bool SegniDaCaselle(const std::array<bool, 3>& caselle, TTabellaValori& t);

}  // namespace morella
