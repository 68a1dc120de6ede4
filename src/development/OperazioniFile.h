// OR, AND and XOR of two column files into a third. A column counts as present in a list
// when some column of the list shares a sign with it in every event, so condensed records
// match the single columns they cover.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>

#include "ListaColonne.h"

namespace morella {

enum class TOperazioneFile { Or, And, Xor };

inline constexpr const char* MessaggioOperazioniFile = "Impossibile Effettuare Le Operazioni Sui File";

// The result of the operation on the columns of the two sources, in order:
// OR  — the first list, then every column of the second not present in the list so far;
// AND — the columns of the second present in the first, repeats included;
// XOR — each column of the second removes the first present column of the list, or is
//       appended when none is present.
TListaColonne OperaColonne(TOperazioneFile op, const TListaColonne& sorgente1,
                           const TListaColonne& sorgente2);

// The same, telling `prosegui` every few thousand columns of the second source how many are
// done out of how many; nothing when it answers false (the player's "Annulla").
using TProseguiOperazione = std::function<bool(std::size_t fatte, std::size_t totale)>;
std::optional<TListaColonne> OperaColonne(TOperazioneFile op, const TListaColonne& sorgente1,
                                          const TListaColonne& sorgente2,
                                          const TProseguiOperazione& prosegui);

enum class TEsitoOperazione { Scritta, SorgenteDanneggiata, Annullata };

// Reads both files whole and writes the result to the destination. Throws "Impossibile
// Effettuare Le Operazioni Sui File" when a source cannot be opened or read or the destination
// cannot be written. When either source ends in a partial record it is damaged: nothing is
// written and the result is false. True when the destination was written.
bool OperazioneSuFile(TOperazioneFile op, const std::string& sorgente1, const std::string& sorgente2,
                      const std::string& destinazione);
// As above with progress and cancelling; the destination is written only with Scritta.
TEsitoOperazione OperazioneSuFile(TOperazioneFile op, const std::string& sorgente1,
                                  const std::string& sorgente2, const std::string& destinazione,
                                  const TProseguiOperazione& prosegui);

}  // namespace morella
