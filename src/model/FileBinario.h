// Binary blocks for every file of the program: little-endian integers, one-byte booleans,
// IEEE doubles and counted strings (Windows-1252 on disk, UTF-8 in memory). A sequence of
// reads stops at the first block that is not there whole: from then on every read fails
// and leaves its target untouched, so a short file simply keeps what it held.
// Writers build the whole image in memory and hand it to SalvaSicuro, which never
// destroys the previous file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace morella {

using TBytes = std::vector<std::uint8_t>;

// Read limits of the formats without a bound of their own: a configuration is a few hundred
// bytes, and no system, panel or condition file the program writes comes near 64 MiB.
inline constexpr std::size_t DimensioneMassimaPiccolo = 1u << 20;
inline constexpr std::size_t DimensioneMassimaSistema = 64u << 20;
// Pictures (coupon masks, backgrounds, the intro) and help pages: an uncompressed picture
// of a large screen is some tens of MiB.
inline constexpr std::size_t DimensioneMassimaDocumento = 64u << 20;

// The bytes of a whole file, read by the readers' rule: nothing when it cannot be opened or
// read, when it is not a regular file (a device, a FIFO, a folder: they could feed bytes
// for ever or never answer) or when it is longer than `massimo` bytes. The open never
// waits.
std::optional<TBytes> LeggiFileIntero(const std::string& percorso, std::size_t massimo);

// Windows-1252 <-> UTF-8. Characters that Windows-1252 cannot hold become "?".
std::string Utf8DaWindows1252(std::string_view testo);
std::string Windows1252DaUtf8(std::string_view testo);
// The first n characters (not bytes) of a UTF-8 text.
std::string TagliaCaratteri(std::string_view utf8, std::size_t n);

class TLettoreBinario {
   public:
    explicit TLettoreBinario(TBytes dati) : dati_(std::move(dati)) {}
    TLettoreBinario(const std::uint8_t* dati, std::size_t n) : dati_(dati, dati + n) {}

    // Whole file in memory, as LeggiFileIntero reads it. Each format passes the most it
    // can hold, so a damaged or hostile path never asks for unbounded memory.
    static std::optional<TLettoreBinario> Apri(const std::string& percorso,
                                               std::size_t massimo = DimensioneMassimaPiccolo);

    bool Blocco(void* destinazione, std::size_t n);
    bool Byte(std::uint8_t& v);
    bool Booleano(bool& v);  // any non-zero byte reads as true
    bool Intero16(std::int16_t& v);
    bool Naturale16(std::uint16_t& v);
    bool Intero32(std::int32_t& v);
    bool Reale(double& v);
    // Counted string of the given capacity: a length byte and `capacita` bytes. A length
    // above the capacity is taken as the capacity.
    bool StringaContata(std::string& utf8, int capacita);

    bool Interrotto() const { return interrotto_; }
    // Stops the sequence here, as a short block would (a length the file cannot hold).
    void Interrompi() { interrotto_ = true; }
    bool AllaFine() const { return pos_ >= dati_.size(); }
    std::size_t Posizione() const { return pos_; }
    std::size_t Dimensione() const { return dati_.size(); }
    std::size_t Rimanenti() const { return dati_.size() - pos_; }
    const std::uint8_t* Corrente() const { return dati_.data() + pos_; }

   private:
    TBytes dati_;
    std::size_t pos_ = 0;
    bool interrotto_ = false;
};

class TScrittoreBinario {
   public:
    void Blocco(const void* sorgente, std::size_t n);
    void Byte(std::uint8_t v) { dati_.push_back(v); }
    void Booleano(bool v) { dati_.push_back(v ? 1 : 0); }
    void Intero16(std::int16_t v);
    void Naturale16(std::uint16_t v);
    void Intero32(std::int32_t v);
    void Reale(double v);
    // Cut to the capacity by characters; characters Windows-1252 lacks are written as "?".
    void StringaContata(std::string_view utf8, int capacita);

    void Riserva(std::size_t n) { dati_.reserve(n); }
    const TBytes& Dati() const { return dati_; }
    TBytes& Dati() { return dati_; }

   private:
    TBytes dati_;
};

// Writes the bytes to a temporary file in the target's folder, flushes it to disk and
// renames it over the target. On any failure the old file is left as it was, the temporary
// file is removed and the result is false.
// A symbolic link is followed and the file it leads to is replaced (the link stays a link).
// A file the user may not write (read-only, or someone else's) is not replaced: false.
// A target that exists and is not a regular file is never replaced by one: a character
// device or a FIFO with a reader is written straight through (a short write fails, a FIFO
// nobody reads fails at once instead of waiting), anything else (a folder, a block device,
// a socket) fails.
bool SalvaSicuro(const std::string& percorso, const std::uint8_t* dati, std::size_t n);
inline bool SalvaSicuro(const std::string& percorso, const TBytes& dati)
{
    return SalvaSicuro(percorso, dati.data(), dati.size());
}

// The same save for output too large to hold whole: the bytes go out piece by piece and
// replace the target only at Concludi. An object destroyed before Concludi, or after a
// failed write, leaves the old file as it was and removes its temporary file.
class TScritturaSicura {
   public:
    explicit TScritturaSicura(const std::string& percorso);
    ~TScritturaSicura();
    TScritturaSicura(const TScritturaSicura&) = delete;
    TScritturaSicura& operator=(const TScritturaSicura&) = delete;

    // False once anything failed (opening included); later writes do nothing.
    bool Scrivi(const std::uint8_t* dati, std::size_t n);
    // Flushes and puts the file in place; true only when every byte got there.
    bool Concludi();
    // The temporary file being written beside the target (empty when writing straight
    // through a device or FIFO, or once it is in place or removed): a signal handler that
    // must not leave it behind unlinks this name.
    const std::string& Temporaneo() const { return temporaneo_; }

   private:
    std::string bersaglio_;
    std::string temporaneo_;  // empty when writing straight through a device or FIFO
    int fd_ = -1;
    bool ok_ = false;
};

bool FileEsiste(const std::string& percorso);

// The path a chain of symbolic links ends at (the path itself when it is no link, also
// when what it leads to does not exist yet); the last link of a loop when the chain does
// not end.
std::string SeguiCollegamenti(const std::string& percorso);

}  // namespace morella
