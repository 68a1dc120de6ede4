// Column files: headerless sequences of column records (14 bytes for Totip, the sign bytes
// alone for the other games), their saving, loading with or without expansion, export, and
// the two ways an output window fills its own list ("Da Memoria", "Da File").
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "Accorpamento.h"
#include "Domanda.h"
#include "FileBinario.h"
#include "ListaColonne.h"

namespace morella {

// Expansion multiplies a 14-byte record into as many as 3^13 columns, so a small damaged
// file could ask for any amount of memory. Four full Toto developments is far beyond any
// real system; past it the file is refused as unreadable.
constexpr std::size_t MassimoColonneEspanse = 4u * 1594323u;
// A column file longer than that many records is refused as unreadable before it is read.
constexpr std::size_t DimensioneMassimaFileColonne = MassimoColonneEspanse * DimensioneColonna;

inline constexpr const char* MessaggioLetturaColonne =
    "Errore Di Lettura Sul File. Impossibile Leggere le Colonne.";

// How many single columns a record stands for.
std::size_t ColonneCoperte(const TColonna& c);

// The bytes of a column file holding the list, in list order.
TBytes ImmagineColonne(const TListaColonne& lista);

// Empties the list and appends every whole record left in the reader, unchanged or expanded
// into its single columns. False when a partial record trails (the whole records before it
// are kept). Throws "Errore Di Lettura Sul File. Impossibile Leggere le Colonne." with the
// list emptied when the expansion would exceed `massimoColonne`.
bool LeggiColonne(TListaColonne& lista, TLettoreBinario& lettore, bool espandi,
                  std::size_t massimoColonne = MassimoColonneEspanse);

// Writes the list through SalvaSicuro; false on failure, and the old file is left as it was.
bool SalvaColonne(const TListaColonne& lista, const std::string& file);

// Empties the list and loads the file (see LeggiColonne). Throws "Impossibile Caricare Il
// File Colonnare" when the file cannot be opened, and "Errore Di Lettura Sul File.
// Impossibile Leggere le Colonne." (list empty) when reading it fails.
bool CaricaColonne(TListaColonne& lista, const std::string& file, bool espandi);

// "Da Memoria": the target receives a copy of the system's columns, merged when the
// configuration asks for automatic merging.
void CopiaDaMemoria(const TListaColonne& sorgente, TListaColonne& destinazione, bool accorpamentoAutomatico,
                    TOsservatoreAccorpamento* oss = nullptr);

// "Da File": the target is emptied; a non-empty file is loaded without expansion and merged
// when the configuration asks for it. A trailing partial record is left out, as it never
// was a column. False when the file is empty (the window is not shown). Throws "Impossibile
// Caricare Il File Colonnare" when the file cannot be opened or read (target empty).
bool CaricaDaFile(const std::string& file, TListaColonne& destinazione, bool accorpamentoAutomatico,
                  TOsservatoreAccorpamento* oss = nullptr);

// "Salva su Disco": asks before overwriting an existing file and does nothing unless the
// answer is "Si". Throws "Errore Durante la Scrittura del File Colonnare" when the write fails.
void EsportaColonne(const TListaColonne& lista, const std::string& file, TDomanda& domanda);

}  // namespace morella
