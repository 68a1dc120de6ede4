// The program settings the main window changes one at a time: the cost of a column, the
// automatic merging and the background picture. Each change is written to "Morella.cfg" at
// once; a failed write throws "Impossibile Salvare La Configurazione" and the change stays
// in memory for the rest of the run.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "Configurazione.h"

namespace morella {

inline constexpr std::int32_t CostoColonnaMinimo = 0;
inline constexpr std::int32_t CostoColonnaMassimo = 10000;
inline constexpr std::int32_t PassoCostoColonna = 50;
inline constexpr const char* MessaggioCostoNonValido = "Costo Non Valido: Euro E Centesimi Fino A 100,00";
inline constexpr const char* MessaggioSfondo = "Impossibile Caricare lo Sfondo";

// The cost kept within the spin box's range.
std::int32_t LimitaCostoColonna(std::int64_t costo);
// "Costo Colonna" confirmed: stores the cost (kept in range) and writes the file when it changed.
void CambiaCostoColonna(TConfigurazione& c, std::int64_t costo, const std::string& file);
// "Costo Colonna" with its currency: the cost in the currency's smallest unit (lire, or euro
// cents, kept in range) and the currency; writes the file when either changed. The cost of
// the other currency stays as it was.
void CambiaCostoColonna(TConfigurazione& c, TValuta valuta, std::int64_t costo, const std::string& file);
// The cost the player typed, in the currency's smallest unit: whole lire ("800"), or euro
// with at most two decimals after a comma or a point ("0,50", "0.5", "1"); blanks around it
// are allowed. Nothing for any other text or a cost outside 0..10000 lire / 0..100 euro.
std::optional<std::int32_t> LeggiCostoColonna(const std::string& testo, TValuta valuta);
// The text the cost field shows for a stored cost: "800", or "0,50".
std::string TestoCostoColonna(std::int64_t costo, TValuta valuta);

// "Accorpamento automatico": flips the flag, writes the file and returns the new state.
bool InvertiAccorpamentoAutomatico(TConfigurazione& c, const std::string& file);
// "Motivo Di Sfondo": the caller has already loaded the picture; stores its path, cut to
// the file's capacity, and writes the file.
void CambiaSfondo(TConfigurazione& c, const std::string& percorso, const std::string& file);
// The picture to open: the stored path, or its name in the background folder when it was
// written on another machine.
std::string FileSfondo(const TConfigurazione& c);

}  // namespace morella
