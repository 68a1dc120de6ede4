// The example system of the program directory ("Sistemi/Esempio.Mrl"): a Totip coupon with
// triples and doubles, two conditions, autoreduction N - 1 with the winning possibilities,
// and its columns saved to "Colonne/Esempio.Col" of the same directory.
#pragma once

#include <string>

#include "FileBinario.h"

namespace morella {

inline constexpr const char* NomeSistemaEsempio = "Esempio.Mrl";
inline constexpr const char* NomeColonneEsempio = "Esempio.Col";

// The bytes of the example made for this program directory: its destination file is in
// that directory's "Colonne" folder. The game in force is left as it was.
TBytes ImmagineEsempio(const std::string& cartellaProgramma);

// Called at start by the programs: writes the example into the directory's "Sistemi" folder
// when it is missing, so that a directory made by an installation, or copied from the
// build, develops into itself. An example made for another directory and never changed
// (a copy of the build's) is written again for this one; any other file of that name is
// the player's and stays. Nothing happens without a "Sistemi" folder; a failure to write
// is silent, since the example is a convenience. True when the file was written.
bool CreaEsempioSeManca(const std::string& cartellaProgramma);

}  // namespace morella
