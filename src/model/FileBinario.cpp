#include "FileBinario.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

namespace morella {

namespace {

static_assert(std::endian::native == std::endian::little, "the file formats are little-endian");

// Code points of bytes 0x80..0x9F in Windows-1252. The five holes keep the C1 code point
// of their own value, so every byte survives a trip through UTF-8 and back.
constexpr std::array<char32_t, 32> Alti1252 = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void AggiungiUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Decodes one UTF-8 character at i; a malformed sequence yields U+FFFD and one byte.
char32_t LeggiUtf8(std::string_view t, std::size_t& i)
{
    auto b = static_cast<unsigned char>(t[i]);
    int extra = b < 0x80 ? 0 : (b >> 5) == 6 ? 1 : (b >> 4) == 14 ? 2 : (b >> 3) == 30 ? 3 : -1;
    if (extra < 0 || i + static_cast<std::size_t>(extra) >= t.size()) {
        ++i;
        return 0xFFFD;
    }
    char32_t c = extra == 0 ? b : extra == 1 ? (b & 0x1F) : extra == 2 ? (b & 0x0F) : (b & 0x07);
    for (int k = 1; k <= extra; ++k) {
        auto cont = static_cast<unsigned char>(t[i + static_cast<std::size_t>(k)]);
        if ((cont & 0xC0) != 0x80) {
            ++i;
            return 0xFFFD;
        }
        c = (c << 6) | (cont & 0x3F);
    }
    i += static_cast<std::size_t>(extra) + 1;
    return c;
}

unsigned char Byte1252(char32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<unsigned char>(c);
    for (std::size_t k = 0; k < Alti1252.size(); ++k)
        if (Alti1252[k] == c) return static_cast<unsigned char>(0x80 + k);
    return '?';
}

}  // namespace

std::string Utf8DaWindows1252(std::string_view testo)
{
    std::string out;
    out.reserve(testo.size());
    for (char ch : testo) {
        auto b = static_cast<unsigned char>(ch);
        AggiungiUtf8(out, b >= 0x80 && b < 0xA0 ? Alti1252[b - 0x80] : char32_t{b});
    }
    return out;
}

std::string Windows1252DaUtf8(std::string_view testo)
{
    std::string out;
    out.reserve(testo.size());
    for (std::size_t i = 0; i < testo.size();) out += static_cast<char>(Byte1252(LeggiUtf8(testo, i)));
    return out;
}

std::string TagliaCaratteri(std::string_view utf8, std::size_t n)
{
    std::size_t i = 0;
    for (std::size_t k = 0; k < n && i < utf8.size(); ++k) LeggiUtf8(utf8, i);
    return std::string(utf8.substr(0, i));
}

std::optional<TLettoreBinario> TLettoreBinario::Apri(const std::string& percorso, std::size_t massimo)
{
    auto dati = LeggiFileIntero(percorso, massimo);
    if (!dati) return std::nullopt;
    return TLettoreBinario(std::move(*dati));
}

std::optional<TBytes> LeggiFileIntero(const std::string& percorso, std::size_t massimo)
{
    // Without O_NONBLOCK opening a FIFO nobody writes would wait for ever; a regular file
    // ignores the flag.
    const int fd = ::open(percorso.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_size < 0 ||
        static_cast<std::uintmax_t>(st.st_size) > massimo) {
        ::close(fd);
        return std::nullopt;
    }
    // The size is only a hint: a file that grows while it is read stops at the limit + 1,
    // which refuses it.
    TBytes dati(static_cast<std::size_t>(st.st_size));
    std::size_t letti = 0;
    bool errore = false;
    for (;;) {
        if (letti == dati.size()) {
            if (dati.size() > massimo) break;
            dati.resize(std::min(massimo + 1, std::max<std::size_t>(dati.size() * 2, 4096)));
        }
        ssize_t r = ::read(fd, dati.data() + letti, dati.size() - letti);
        if (r < 0 && errno == EINTR) continue;
        if (r < 0) errore = true;
        if (r <= 0) break;
        letti += static_cast<std::size_t>(r);
    }
    ::close(fd);
    if (errore || letti > massimo) return std::nullopt;
    dati.resize(letti);
    return dati;
}

bool TLettoreBinario::Blocco(void* destinazione, std::size_t n)
{
    if (interrotto_ || n > dati_.size() - pos_) {
        interrotto_ = true;
        return false;
    }
    if (n) std::memcpy(destinazione, dati_.data() + pos_, n);
    pos_ += n;
    return true;
}

bool TLettoreBinario::Byte(std::uint8_t& v)
{
    return Blocco(&v, 1);
}

bool TLettoreBinario::Booleano(bool& v)
{
    std::uint8_t b;
    if (!Blocco(&b, 1)) return false;
    v = b != 0;
    return true;
}

bool TLettoreBinario::Intero16(std::int16_t& v)
{
    return Blocco(&v, 2);
}
bool TLettoreBinario::Naturale16(std::uint16_t& v)
{
    return Blocco(&v, 2);
}
bool TLettoreBinario::Intero32(std::int32_t& v)
{
    return Blocco(&v, 4);
}
bool TLettoreBinario::Reale(double& v)
{
    return Blocco(&v, 8);
}

bool TLettoreBinario::StringaContata(std::string& utf8, int capacita)
{
    std::string grezzo(static_cast<std::size_t>(capacita) + 1, '\0');
    if (!Blocco(grezzo.data(), grezzo.size())) return false;
    std::size_t lunghezza = static_cast<unsigned char>(grezzo[0]);
    if (lunghezza > static_cast<std::size_t>(capacita)) lunghezza = static_cast<std::size_t>(capacita);
    utf8 = Utf8DaWindows1252(std::string_view(grezzo).substr(1, lunghezza));
    return true;
}

void TScrittoreBinario::Blocco(const void* sorgente, std::size_t n)
{
    auto p = static_cast<const std::uint8_t*>(sorgente);
    dati_.insert(dati_.end(), p, p + n);
}

void TScrittoreBinario::Intero16(std::int16_t v)
{
    Blocco(&v, 2);
}
void TScrittoreBinario::Naturale16(std::uint16_t v)
{
    Blocco(&v, 2);
}
void TScrittoreBinario::Intero32(std::int32_t v)
{
    Blocco(&v, 4);
}
void TScrittoreBinario::Reale(double v)
{
    Blocco(&v, 8);
}

void TScrittoreBinario::StringaContata(std::string_view utf8, int capacita)
{
    std::string byte = Windows1252DaUtf8(TagliaCaratteri(utf8, static_cast<std::size_t>(capacita)));
    if (byte.size() > static_cast<std::size_t>(capacita)) byte.resize(static_cast<std::size_t>(capacita));
    dati_.push_back(static_cast<std::uint8_t>(byte.size()));
    Blocco(byte.data(), byte.size());
    dati_.insert(dati_.end(), static_cast<std::size_t>(capacita) - byte.size(), 0);
}

namespace {

bool ScriviTutto(int fd, const std::uint8_t* dati, std::size_t n)
{
    for (std::size_t scritti = 0; scritti < n;) {
        ssize_t r = ::write(fd, dati + scritti, n - scritti);
        if (r < 0 && errno == EINTR) continue;
        if (r <= 0) return false;
        scritti += static_cast<std::size_t>(r);
    }
    return true;
}

// A device or a FIFO takes the bytes as they come: there is no file to keep, and putting a
// regular file in its place would break whatever uses it. A FIFO nobody reads fails at once
// (-1) instead of waiting for a reader.
int ApriAttraverso(const std::string& percorso)
{
    const int fd = ::open(percorso.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return -1;
    struct stat st;
    if (::fstat(fd, &st) != 0 || !(S_ISCHR(st.st_mode) || S_ISFIFO(st.st_mode))) {
        ::close(fd);
        return -1;
    }
    // Past the open, a reader that is slow is waited for like any reader.
    const int flag = ::fcntl(fd, F_GETFL);
    if (flag >= 0) ::fcntl(fd, F_SETFL, flag & ~O_NONBLOCK);
    return fd;
}

}  // namespace

std::string SeguiCollegamenti(const std::string& percorso)
{
    namespace fs = std::filesystem;
    fs::path corrente(percorso);
    for (int salti = 0; salti < 40; ++salti) {
        std::error_code ec;
        if (!fs::is_symlink(fs::symlink_status(corrente, ec)) || ec) break;
        fs::path destinazione = fs::read_symlink(corrente, ec);
        if (ec) break;
        corrente = destinazione.is_absolute() ? destinazione : corrente.parent_path() / destinazione;
    }
    return corrente.string();
}

TScritturaSicura::TScritturaSicura(const std::string& percorso) : bersaglio_(SeguiCollegamenti(percorso))
{
    namespace fs = std::filesystem;
    // The file a link leads to is the one replaced; the link keeps pointing at it.
    struct stat esistente;
    const bool esiste = ::lstat(bersaglio_.c_str(), &esistente) == 0;
    if (esiste && !S_ISREG(esistente.st_mode)) {
        if (!S_ISCHR(esistente.st_mode) && !S_ISFIFO(esistente.st_mode)) return;
        fd_ = ApriAttraverso(bersaglio_);
        ok_ = fd_ >= 0;
        return;
    }
    // Renaming over a file needs only the right to write in its folder, not in the file: a
    // file we may not write (read-only, or someone else's) is kept, as an open for writing
    // would keep it. The effective user decides, so root still may.
    if (esiste && ::faccessat(AT_FDCWD, bersaglio_.c_str(), W_OK, AT_EACCESS) != 0) return;
    fs::path destinazione(bersaglio_);
    fs::path cartella = destinazione.parent_path();
    temporaneo_ = (cartella.empty() ? fs::path(".") : cartella).string() + "/." +
                  destinazione.filename().string() + ".XXXXXX";
    fd_ = ::mkstemp(temporaneo_.data());
    if (fd_ < 0) temporaneo_.clear();
    ok_ = fd_ >= 0;
}

TScritturaSicura::~TScritturaSicura()
{
    if (fd_ >= 0) ::close(fd_);
    if (!temporaneo_.empty()) ::unlink(temporaneo_.c_str());
}

bool TScritturaSicura::Scrivi(const std::uint8_t* dati, std::size_t n)
{
    ok_ = ok_ && ScriviTutto(fd_, dati, n);
    return ok_;
}

bool TScritturaSicura::Concludi()
{
    if (fd_ < 0) return false;
    bool ok = ok_;
    if (ok && !temporaneo_.empty()) {
        // Keep the permissions of the file being replaced; a new file gets the usual ones.
        struct stat st;
        mode_t modo = ::stat(bersaglio_.c_str(), &st) == 0 ? (st.st_mode & 07777) : 0644;
        ::fchmod(fd_, modo);
        ok = ::fsync(fd_) == 0;
    }
    if (::close(fd_) != 0) ok = false;
    fd_ = -1;
    if (ok && !temporaneo_.empty()) ok = ::rename(temporaneo_.c_str(), bersaglio_.c_str()) == 0;
    if (ok) temporaneo_.clear();  // in place: nothing to remove
    ok_ = false;
    return ok;
}

bool SalvaSicuro(const std::string& percorso, const std::uint8_t* dati, std::size_t n)
{
    TScritturaSicura scrittura(percorso);
    return scrittura.Scrivi(dati, n) && scrittura.Concludi();
}

bool FileEsiste(const std::string& percorso)
{
    std::error_code ec;
    return std::filesystem::is_regular_file(percorso, ec);
}

}  // namespace morella
