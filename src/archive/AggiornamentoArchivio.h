// The update of the archive files from the FTP server ("Aggiornamento tramite Internet"):
// both files are downloaded beside the old ones and replace them only once both have
// arrived. Also the connection settings ("Impostazioni di collegamento") and their saving.
#pragma once

#include <array>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "BloccoArchivio.h"
#include "ClientFtp.h"
#include "Configurazione.h"

namespace morella {

inline constexpr const char* MessaggioPostaMancante =
    "Per effettuare la connessione è necessario specificare l'indirizzo di posta elettronica "
    "nella finestra di impostazioni del menu Internet";
inline constexpr const char* MessaggioConnessioneFallita = "Impossibile effettuare la connessione.";
inline constexpr const char* MessaggioDirectoryArchivi =
    "Impossibile trovare la directory contenente gli archivi.";
inline constexpr const char* MessaggioErroreTrasferimento = "Errore durante il trasferimento degli archivi.";
inline constexpr const char* MessaggioAggiornamentoCompletato = "Aggiornamento completato con successo.";
inline constexpr const char* StatoConnessioneInCorso = "Connessione in corso...";
inline constexpr const char* StatoConnessioneStabilita = "Connessione stabilita";

// The files of an update, in the order they are downloaded and replaced. The archive goes
// first: should the database alone fail to be replaced, the database can be rebuilt from
// the contests, while the contests cannot be rebuilt from anything.
struct TFileAggiornamento {
    const char* Remoto;      // in the server's directory
    const char* Temporaneo;  // in the Archivi folder, while downloading
    const char* Definitivo;  // in the Archivi folder
};
inline constexpr std::array<TFileAggiornamento, 2> FileAggiornamento = {{
    {"archivio.mra", "archivio.tmp", "archivio.mra"},
    {"archdb.mra", "archdb.tmp", "archdb.mra"},
}};

// What the update window shows. Every method has an empty default.
class TOsservatoreAggiornamento {
   public:
    virtual ~TOsservatoreAggiornamento() = default;
    virtual void Occupato(bool) {}                    // busy cursor on / off
    virtual void Stato(const std::string&) {}         // state label; "" clears it
    virtual void NomeFile(const std::string&) {}      // file being downloaded; "" clears it
    virtual void Progresso(int) {}                    // 0..100, only when the value changes
    virtual void RigaRegistro(const std::string&) {}  // one line of the status log
    // Every few milliseconds while the server is awaited: the window's event loop turns
    // here. Throwing stops the update as a failure does (old files kept, no ".tmp" left),
    // and the exception reaches the caller.
    virtual void Attendi() {}
};

inline constexpr const char* RigaDataBaseRicalcolato =
    "Il DataBase ricevuto non corrisponde ai concorsi: ricalcolato dai concorsi scaricati.";

struct TOpzioniAggiornamento {
    std::string CartellaArchivi;  // empty: the program's Archivi folder
    int Porta = PortaFtpPredefinita;
    long SecondiAttesa = SecondiAttesaFtp;
    // The whole update, from the connection to the last byte, and the slowest transfer
    // accepted (bytes per second over that many seconds): a server that trickles or never
    // stops cannot keep the window busy for ever.
    long SecondiTotali = SecondiTotaliFtp;
    long VelocitaMinima = VelocitaMinimaFtp;
    long SecondiVelocitaMinima = SecondiVelocitaMinimaFtp;
    // How long to wait for another writer of the archive before giving up.
    std::chrono::milliseconds AttesaBlocco = AttesaBloccoPredefinita;
};

// The most bytes a sound "archivio.mra" (index 0) or "archdb.mra" (index 1) can hold; a
// download is cut off past it.
std::size_t DimensioneMassimaScaricata(std::size_t indiceFile);

// The whole update with the host, directory and e-mail of the configuration: log in as
// "anonymous" with the e-mail as password, binary type, change directory, download
// "archivio.mra" and "archdb.mra" to their ".tmp" files, check that both are sound (the
// contests whole 20-byte records, at least one and at most MassimoConcorsiArchivio, each
// with a season and number the editor accepts, known signs and a true complete flag; the
// database exactly its 21 tables, replaced by a rebuild when it does not count what the
// contests give), then replace the old files (all or none, see SostituisciFile),
// disconnect. A file that is not sound fails the update with MessaggioErroreTrasferimento
// and replaces nothing. The Archivi folder is made when missing. The archive's lock is held
// throughout (EErrore(MessaggioArchivioOccupato) when another writer keeps it), and ".tmp"
// files an interrupted run left are removed first.
// Returns normally on success: the caller shows MessaggioAggiornamentoCompletato and lets
// the main window refresh its commands; the archive in memory is not reloaded.
// Throws EErrore with MessaggioPostaMancante (nothing else happens), MessaggioConnessioneFallita,
// MessaggioDirectoryArchivi or MessaggioErroreTrasferimento; after a failure the client is
// disconnected, no ".tmp" file is left and the old archive files are as they were.
// Busy state, state label and the client's observer are restored whatever happens.
void AggiornaArchivio(const TConfigurazione& configurazione, TClientFtp& client,
                      TOsservatoreAggiornamento& osservatore, const TOpzioniAggiornamento& opzioni = {});

// A status text of the FTP client as one log line: every character of code 13 or below
// (line ends, tabs, other control characters) is dropped.
std::string RigaRegistroFtp(std::string_view testo);

// Replaces each old file by its new one with an atomic rename, so no moment exists with
// the old file gone and the new one not yet there. A copy of each old file (a hard link
// when possible) is kept until all renames are done: when one fails the ones already done
// are undone, and an old file that did not exist is removed again. False when anything
// failed; the old files are then as they were, and the new files not yet renamed remain.
struct TSostituzione {
    std::string Nuovo;
    std::string Vecchio;
};
bool SostituisciFile(const std::vector<TSostituzione>& sostituzioni);

// The three fields of the connection settings dialog.
struct TCollegamento {
    std::string IndirizzoPosta;
    std::string HostFtp;
    std::string DirectoryFtp;
};
TCollegamento LeggiCollegamento(const TConfigurazione& configurazione);

// Every byte of these fields goes to the server inside an FTP command: a carriage return or
// a line feed would end that command and start one of the sender's choosing. Throws
// EErrore naming the first field that holds a control character (code below 32, or 127):
// "Il campo "<caption>" contiene caratteri non ammessi (a capo o caratteri di controllo).".
// The update calls it before any connection, and so does ImpostaCollegamento before saving.
void VerificaCollegamento(const TCollegamento& campi);
bool ContieneCaratteriDiControllo(std::string_view testo);
// OK of the dialog: each field cut to 100 characters goes into the configuration, which is
// then saved; throws EErrore("Impossibile Salvare La Configurazione") when it cannot be, and
// the message of VerificaCollegamento (nothing changed) for a field with control characters.
void ImpostaCollegamento(TConfigurazione& configurazione, const TCollegamento& campi,
                         const std::string& fileConfigurazione = FileConfigurazione());

}  // namespace morella
