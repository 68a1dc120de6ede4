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

// What decides a run's program directory: the command line, the running executable and
// the player's environment.
struct TAvvioDirectory {
    std::string OpzioneDir;   // --dir; empty when not given
    std::string Eseguibile;   // full path of the running executable
    std::string XdgDataHome;  // $XDG_DATA_HOME; empty when unset
    std::string Home;         // $HOME, or the account's home folder
};

// The same from this process: the executable, the environment and the account.
TAvvioDirectory AvvioCorrente(std::string opzioneDir);

// The template of an installed program: an executable in a "bin" folder whose sibling
// "share/morella" is a folder (the package puts the program in PREFIX/bin and the template
// in PREFIX/share/morella). Empty for any other layout: the build tree, a copied directory.
std::string ModelloInstallato(const std::string& cartellaEseguibile);

// The player's own program directory of an installed program: $XDG_DATA_HOME/Morella, or
// HOME/.local/share/Morella when that is unset or not absolute. Empty without either.
std::string DirectoryUtente(const std::string& xdgDataHome, const std::string& home);

struct TDirectoryScelta {
    std::string Directory;
    // One line per file or folder that could not be prepared (the path and the reason);
    // none of them stops the program.
    std::vector<std::string> Errori;
};

// This run's program directory. --dir wins; an installed program works in the player's
// own directory, which gets from the template whatever it misses (folders, pictures, help,
// the example, the voice file) and never loses a file it already has; any other executable
// works in its own folder.
TDirectoryScelta PreparaDirectoryProgramma(const TAvvioDirectory& avvio);

// Copies into `destinazione` every folder and file of `modello` that it does not hold
// yet; what exists there (even a broken link or a file of another kind) is left alone.
std::vector<std::string> CopiaMancanti(const std::string& modello, const std::string& destinazione);

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
