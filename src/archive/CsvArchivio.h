// The archive as a CSV table, for spreadsheets and other programs: one row per contest with
// its season, its number, one field per event with the winning sign as the game writes it
// ("1", "X", "2", "*" when not known), for Totip the Corsa + horses, and the complete flag,
// under a header row. UTF-8; fields separated by commas or by semicolons, whichever the
// header uses. Reading checks every row as the archive editor checks what the player types.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "Archivio.h"

namespace morella {

inline constexpr const char* MessaggioScritturaCsv = "Impossibile Scrivere Il File CSV.";
inline constexpr const char* MessaggioLetturaCsv = "Impossibile Leggere Il File CSV.";
// The largest CSV file read: far more than the largest archive takes.
inline constexpr std::size_t DimensioneMassimaCsv = 16u << 20;

// The header row of the current game, without its line end.
std::string IntestazioneCsvArchivio(char separatore = ',');
// The whole table, header first, each line ended by "\r\n" (what spreadsheets expect).
std::string TestoCsvArchivio(const std::vector<T_Concorso>& concorsi, char separatore = ',');

// The contests of a CSV text, in the order of its rows. The separator is the one of the
// header row (a semicolon when it has one, else a comma); a UTF-8 byte order mark, blanks
// around fields, double quotes around fields and empty lines are allowed. The first bad row
// stops the reading: EErrore("Riga N, campo "NOME": <the editor's message>"), or
// "Riga N: ..." when the row as a whole is wrong (number of fields, a contest that an
// earlier row already gave).
std::vector<T_Concorso> LeggiCsvArchivio(std::string_view testo);

inline constexpr const char* MessaggioCsvSenzaConcorsi =
    "Il file CSV non contiene concorsi: l'archivio non è stato sostituito.";

// Merges `concorsi` into the archive, which stays in order: a contest with the season and
// number of one already there replaces it, the others take their places. With `sostituisci`
// the archive becomes exactly `concorsi` (in order). Memory only. Nothing changes, and
// EErrore says why, when the result would be an archive no load accepts (more than
// MassimoConcorsiArchivio contests) or, with `sostituisci`, an empty one.
void UnisciConcorsi(T_Archivio& archivio, std::vector<T_Concorso> concorsi, bool sostituisci);

// The file forms: the export goes through the safe save (EErrore(MessaggioScritturaCsv) on
// failure, the old file untouched); the reading throws EErrore(MessaggioLetturaCsv) for a
// file that cannot be read, and the messages of LeggiCsvArchivio.
void EsportaCsvArchivio(const T_Archivio& archivio, const std::string& file, char separatore = ',');
std::vector<T_Concorso> CaricaCsvArchivio(const std::string& file);

// What the command-line import does: the file is read and checked first (nothing changes
// when a row is bad); then, holding the archive's lock, the archive is loaded (a missing one
// is empty), merged or replaced, its database rebuilt over the whole archive and the pair
// saved (EErrore(MessaggioSalvaModifiche) on failure). Returns the contests in the archive.
int ImportaCsvArchivio(const std::string& cartellaArchivi, const std::string& file, bool sostituisci);

}  // namespace morella
