// Panel files (".QDR": one whole panel block) and conditions files (".CND": whole condition
// blocks one after another, no header, no terminator) in the "QuadriS" folder. Readers take
// a file as all or nothing: a damaged file changes nothing and says so.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "Condizione.h"
#include "FileBinario.h"
#include "Quadro.h"

namespace morella {

// What the file dialogs show.
inline constexpr const char* TitoloSalvaQuadro = "Salva Il Quadro";
inline constexpr const char* TitoloCaricaQuadro = "Carica Il Quadro";
inline constexpr const char* FiltroQuadri = "Files Quadro (*.QDR)|*.QDR";
inline constexpr const char* EstensioneQuadri = "QDR";
inline constexpr const char* NomeQuadroDefault = "SenzaNom.QDR";
inline constexpr const char* TitoloSalvaCondizioni = "Salva le Condizioni";
inline constexpr const char* TitoloCaricaCondizioni = "Caricare le Condizioni";
inline constexpr const char* FiltroCondizioni = "Files Condizioni (*.CND)|*.CND";
inline constexpr const char* EstensioneCondizioni = "CND";

// Messages of a failed transfer.
inline constexpr const char* ErroreSalvaQuadro = "Impossibile Salvare Il Quadro";
inline constexpr const char* ErroreCaricaQuadro = "Impossibile Caricare Il Quadro";
inline constexpr const char* ErroreSalvaCondizioni = "Impossibile Salvare le Condizioni";
inline constexpr const char* ErroreCaricaCondizioni = "Impossibile Caricare Le Condizioni";

// The whole image of a panel file.
TBytes ImmagineQuadro(const TQuadro& quadro);
// A panel from a panel file's bytes; nullptr when the kind byte is not 13 or the block is
// not there whole and sound. Bytes after the block are ignored.
std::unique_ptr<TQuadro> QuadroDaImmagine(TLettoreBinario& f, TElencoCondizioni* elenco);

// The whole image of a conditions file: the given conditions' blocks in order.
TBytes ImmagineCondizioni(const std::vector<const TCondizione*>& condizioni);
// Every condition of a conditions file's bytes, in file order; false (and nothing in
// `lette`) when a kind byte is unknown or a block is cut short or damaged.
bool CondizioniDaImmagine(TLettoreBinario& f, TElencoCondizioni* elenco,
                          std::vector<std::unique_ptr<TCondizione>>& lette);

// The files themselves. Saving goes through SalvaSicuro; every failure throws EErrore with
// the operation's message and leaves the previous file as it was.
void SalvaFileQuadro(const std::string& percorso, const TQuadro& quadro);
std::unique_ptr<TQuadro> CaricaFileQuadro(const std::string& percorso, TElencoCondizioni* elenco);
void SalvaFileCondizioni(const std::string& percorso, const std::vector<const TCondizione*>& condizioni);
std::vector<std::unique_ptr<TCondizione>> CaricaFileCondizioni(const std::string& percorso,
                                                               TElencoCondizioni* elenco);

}  // namespace morella
