#include "BloccoArchivio.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <map>
#include <mutex>
#include <thread>

#include "Cartelle.h"
#include "Errore.h"

namespace morella {

namespace {

// The locks this process holds: folder -> descriptor of the lock file and how many objects
// share it. flock belongs to the open file, so a second open in the same process would wait
// for the first; sharing the descriptor avoids that.
struct TBloccoTenuto {
    int Fd = -1;
    int Utenti = 0;
};

std::mutex& MutexBlocchi()
{
    static std::mutex m;
    return m;
}

std::map<std::string, TBloccoTenuto>& BlocchiTenuti()
{
    static std::map<std::string, TBloccoTenuto> blocchi;
    return blocchi;
}

std::string Chiave(const std::string& cartella)
{
    std::error_code ec;
    const std::filesystem::path canonica = std::filesystem::weakly_canonical(cartella, ec);
    return ec ? cartella : canonica.string();
}

}  // namespace

TBloccoArchivio::TBloccoArchivio(const std::string& cartellaArchivi, std::chrono::milliseconds attesa)
    : chiave_(Chiave(cartellaArchivi))
{
    std::unique_lock<std::mutex> guardia(MutexBlocchi());
    TBloccoTenuto& tenuto = BlocchiTenuti()[chiave_];
    if (tenuto.Utenti > 0) {
        ++tenuto.Utenti;
        return;
    }
    const std::string file = UnisciPercorso(chiave_, NomeFileBlocco);
    int fd = ::open(file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    // Someone else's lock file may be read-only to us: flock works on any open file.
    if (fd < 0) fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        // No folder, or one nobody may write in: no archive can be saved there either, and
        // the writer's own save reports that in its words.
        tenuto.Utenti = 1;
        return;
    }
    // Polling keeps the wait bounded without a timer signal; a writer holds the lock for
    // a fraction of a second, so a short step costs nothing.
    const auto scadenza = std::chrono::steady_clock::now() + attesa;
    for (;;) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) break;
        if (errno != EWOULDBLOCK && errno != EINTR) break;
        if (std::chrono::steady_clock::now() >= scadenza) break;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        BlocchiTenuti().erase(chiave_);
        throw EErrore(MessaggioArchivioOccupato);
    }
    tenuto.Fd = fd;
    tenuto.Utenti = 1;
}

TBloccoArchivio::~TBloccoArchivio()
{
    std::lock_guard<std::mutex> guardia(MutexBlocchi());
    auto it = BlocchiTenuti().find(chiave_);
    if (it == BlocchiTenuti().end() || --it->second.Utenti > 0) return;
    // Closing the descriptor releases the lock; the file stays for the next writer, since
    // removing it would let two writers lock two different files.
    if (it->second.Fd >= 0) ::close(it->second.Fd);
    BlocchiTenuti().erase(it);
}

}  // namespace morella
