// The exclusive lock on the Archivi folder: whoever reads the archive to write it back
// (the editor's confirmation, the command-line changes, the Internet update, the database
// rebuild) holds it from the reading to the writing, so two writers never save over each
// other and lose a change that was reported as done.
#pragma once

#include <chrono>
#include <string>

namespace morella {

inline constexpr const char* NomeFileBlocco = "archivio.blocco";
inline constexpr const char* MessaggioArchivioOccupato =
    "L'archivio è in uso da un altro programma. Riprova più tardi.";
inline constexpr std::chrono::milliseconds AttesaBloccoPredefinita{15000};

// An advisory lock (flock) on "archivio.blocco" in the Archivi folder, held for as long as
// the object lives. The system drops it when the process ends, however it ends, so a crash
// leaves no stale lock behind. Within one process the lock is shared: a second object on the
// same folder while the first lives takes it at once (the command-line tool holds it around
// the editor, which takes it again to save). Another process waits up to `attesa` and then
// gets EErrore(MessaggioArchivioOccupato). The lock file is never reached through a link.
// Without the folder (or without the lock file and the right to create it) there is
// nothing to lock and nothing can be saved: the object then holds no lock, and the
// writer's save fails with its own message. A lock file that is there but cannot be taken
// (a link, a file we may not open) gives the same EErrore at once.
class TBloccoArchivio {
   public:
    explicit TBloccoArchivio(const std::string& cartellaArchivi,
                             std::chrono::milliseconds attesa = AttesaBloccoPredefinita);
    ~TBloccoArchivio();
    TBloccoArchivio(const TBloccoArchivio&) = delete;
    TBloccoArchivio& operator=(const TBloccoArchivio&) = delete;

   private:
    std::string chiave_;
};

}  // namespace morella
