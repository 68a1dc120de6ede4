#include "BloccoArchivio.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
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

constexpr int SenzaCartella = -2;

// The lock file, opened without following a link: a link could lead out of the folder (a
// dangling one would create a file there) or nowhere, and two writers must always lock the
// same file. Someone else's lock file may be read-only to us: flock works on any open file.
// SenzaCartella when there is no folder, or no file and no right to create one there (then
// nothing can be saved there either); -1 when the file is there but cannot serve as the
// lock (a link, a file we may not open, anything but a regular file).
int ApriFileBlocco(const std::string& file)
{
    constexpr int Modi = O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
    int fd = ::open(file.c_str(), O_RDWR | O_CREAT | Modi, 0644);
    if (fd < 0 && (errno == EACCES || errno == EPERM || errno == EROFS))
        fd = ::open(file.c_str(), O_RDONLY | Modi);
    if (fd < 0) return errno == ENOENT || errno == ENOTDIR ? SenzaCartella : -1;
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return -1;
    }
    return fd;
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
    const int fd = ApriFileBlocco(UnisciPercorso(chiave_, NomeFileBlocco));
    if (fd == SenzaCartella) {
        // No folder: no archive can be saved there either, and the writer's own save
        // reports that in its words.
        tenuto.Utenti = 1;
        return;
    }
    if (fd < 0) {
        // A lock file nobody can take (a link, a file we may not open) would let every
        // writer through: nothing is written without the lock.
        BlocchiTenuti().erase(chiave_);
        throw EErrore(MessaggioArchivioOccupato);
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
