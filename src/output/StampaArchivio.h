// The archive table ("Stampa Archivio"): the contests of a range with their winning column
// and the values the archive view measures on it, forty contests to a page, the condition
// columns in slices as wide as the page allows. Printed on landscape paper.
#pragma once

#include <vector>

#include "DialoghiRicerca.h"
#include "GrigliaStampa.h"
#include "TelaStampa.h"
#include "VistaArchivio.h"

namespace morella {

inline constexpr const char* MessaggioStampaArchivio = "Impossibile Stampare la Tabella";
inline constexpr const char* MessaggioArchivioSenzaConcorsi = "Nessun Concorso Nell'Intervallo Scelto";
inline constexpr int ConcorsiPerPagina = 40;

// The shown groups (indices into GruppiMostrati) that share a page, left to right: each
// slice takes whole groups while its width stays below `disponibile` millimetres, and at
// least one group, so every slice moves the table on. `primaFissa` and `fissa` are the
// millimetres the contest columns take on the first and on the later slices.
std::vector<std::vector<int>> FetteArchivio(const std::vector<TGruppoVista>& gruppi, double scala,
                                            double disponibile, double primaFissa, double fissa);

// Prints the contests of `estremi`; false, with nothing printed, when no contest lies
// within them. The paper goes back to its orientation on every way out. A failure
// abandons the document and throws "Impossibile Stampare la Tabella".
bool StampaArchivio(const T_Archivio& archivio, const TEstremiConcorsi& estremi,
                    const TGruppiSpuntati& gruppi, TTelaStampa& tela);

}  // namespace morella
