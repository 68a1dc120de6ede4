// The program directory, the working folders under it and the few process-wide values
// fixed at start-up (the system file format number). Every file name the program forms
// starts from DirectoryProgramma(); paths use the native '/' separator.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace morella {

// Names of the working folders, as they appear under the program directory.
inline constexpr const char* NomeCartellaSistemi = "Sistemi";
inline constexpr const char* NomeCartellaRidotti = "Ridotti";
inline constexpr const char* NomeCartellaColonne = "Colonne";
inline constexpr const char* NomeCartellaArchivi = "Archivi";
inline constexpr const char* NomeCartellaQuadri = "QuadriS";
inline constexpr const char* NomeCartellaSfondi = "SfondiS";
inline constexpr const char* NomeCartellaWav = "Wav";

inline constexpr std::array<const char*, 7> NomiCartelleDiLavoro = {
    NomeCartellaSistemi, NomeCartellaRidotti, NomeCartellaColonne, NomeCartellaArchivi,
    NomeCartellaQuadri,  NomeCartellaSfondi,  NomeCartellaWav};

// The program directory of this run. Until somebody sets it, it is the folder of the
// running executable.
std::string DirectoryProgramma();
// Set once at start from the executable's folder, or from the command line's --dir.
// Trailing separators are dropped (a root stays "/"); an empty text means ".".
void ImpostaDirectoryProgramma(std::string directory);

// Folder of an executable: no trailing separator except for the root "/"; "." when the
// path names no folder or is empty.
std::string DirectoryDaEseguibile(const std::string& percorsoEseguibile);
// Full path of the running executable; empty when the system does not tell.
std::string EseguibileCorrente();

// A folder and a name joined with one separator ("/" + "x" gives "/x", not "//x").
std::string UnisciPercorso(const std::string& cartella, const std::string& nome);

// Full paths of the working folders under the current program directory.
std::string CartellaSistemi();
std::string CartellaRidotti();
std::string CartellaColonne();
std::string CartellaArchivi();
std::string CartellaQuadri();
std::string CartellaSfondi();
std::string CartellaWav();

// Creates the program directory and every working folder that is missing. A folder that
// cannot be made never stops the program: the result lists one line per failure (the
// folder and the system's reason) for the caller to show or ignore; empty when all is well.
std::vector<std::string> CreaCartelleDiLavoro();

// A path stored in a file that does not exist here (written on another machine, with
// backslashes or a drive letter) is looked up by its file name in the working folder it
// belongs to. An existing path is returned as it is; a foreign path always maps into the
// working folder; a native path that exists in neither place is returned unchanged. The
// look-up in the working folder ignores the case of the letters ("ESEMPIO.COL" finds
// "Esempio.Col"); a name that exists exactly as stored wins.
std::string RisolviPercorso(const std::string& memorizzato, const std::string& cartellaDiLavoro);

// Format number of system files: 20 at start, then the number of the last system file read.
inline constexpr std::int32_t FormatoSistemaIniziale = 20;
std::int32_t FormatoSistema();
void ImpostaFormatoSistema(std::int32_t formato);

}  // namespace morella
