// The FTP client the archive update talks to: connect and log in, binary type, change
// directory, download a file with its progress, disconnect. The update never sees sockets
// or libcurl; tests and the command-line tool can put a scripted client in its place.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <utility>

namespace morella {

inline constexpr int PortaFtpPredefinita = 21;
inline constexpr long SecondiAttesaFtp = 20;
// The whole session may take ten minutes; a transfer slower than 256 bytes a second for 30
// seconds ends (the archive files are a few hundred kilobytes).
inline constexpr long SecondiTotaliFtp = 600;
inline constexpr long VelocitaMinimaFtp = 256;
inline constexpr long SecondiVelocitaMinimaFtp = 30;

struct TParametriFtp {
    std::string Host;
    int Porta = PortaFtpPredefinita;
    std::string Utente = "anonymous";
    std::string Password;
    // Longest wait to connect and for any reply; a download that stalls this long ends too.
    long SecondiAttesa = SecondiAttesaFtp;
    // Everything from Connetti on must end within this many seconds; 0: no limit.
    long SecondiTotali = SecondiTotaliFtp;
    // A transfer moving fewer bytes a second than this for that many seconds ends.
    long VelocitaMinima = VelocitaMinimaFtp;
    long SecondiVelocitaMinima = SecondiVelocitaMinimaFtp;
};

// Notifications of the client: the dialogue with the server as it goes (one text per
// command or reply, line ends included as received) and the reason of a failure.
class TOsservatoreFtp {
   public:
    virtual ~TOsservatoreFtp() = default;
    virtual void TestoStato(const std::string& testo) = 0;
    virtual void Errore(const std::string& testo) = 0;
};

// Bytes of the current file received so far and its size (0 while the size is unknown).
using TProgressoFtp = std::function<void(std::uint64_t ricevuti, std::uint64_t totale)>;

// Every operation answers whether it worked; a failure is also told to the observer's
// Errore. Notifications arrive on the caller's thread while the operation runs.
class TClientFtp {
   public:
    TClientFtp() = default;
    virtual ~TClientFtp() = default;
    TClientFtp(const TClientFtp&) = delete;
    TClientFtp& operator=(const TClientFtp&) = delete;

    // nullptr: no notifications. The observer must outlive every call made while it is set.
    void ImpostaOsservatore(TOsservatoreFtp* osservatore) { osservatore_ = osservatore; }
    // The most bytes the next downloads may bring; past it the download fails. 0: no limit.
    void ImpostaLimiteScaricamento(std::uint64_t massimo) { limiteScaricamento_ = massimo; }
    std::uint64_t LimiteScaricamento() const { return limiteScaricamento_; }
    // Called every few milliseconds while a request waits on the server, so a window can
    // keep its event loop turning; it may throw to stop the request, and the exception then
    // reaches the caller of the operation. Empty: nothing is called.
    void ImpostaAttesa(std::function<void()> attesa) { attesa_ = std::move(attesa); }

    // Opens the control connection and logs in. A previous connection is closed first.
    virtual bool Connetti(const TParametriFtp& parametri) = 0;
    // Binary transfers ("TYPE I"); false when the server refuses it.
    virtual bool ImpostaBinario() = 0;
    // Changes to the directory (relative to the login folder unless it starts with "/");
    // false when it does not exist or may not be entered.
    virtual bool CambiaDirectory(const std::string& directory) = 0;
    // Downloads a file of the current directory to the local path, created or overwritten.
    // On success the local file is whole and flushed to disk; on failure it is removed.
    virtual bool Scarica(const std::string& fileRemoto, const std::string& percorsoLocale,
                         const TProgressoFtp& progresso) = 0;
    // Says goodbye to the server and closes the connection; harmless when not connected.
    virtual void Disconnetti() = 0;
    virtual bool Connesso() const = 0;

   protected:
    void NotificaStato(const std::string& testo)
    {
        if (osservatore_ != nullptr) osservatore_->TestoStato(testo);
    }
    void NotificaErrore(const std::string& testo)
    {
        if (osservatore_ != nullptr) osservatore_->Errore(testo);
    }
    void NotificaAttesa()
    {
        if (attesa_) attesa_();
    }

   private:
    TOsservatoreFtp* osservatore_ = nullptr;
    std::uint64_t limiteScaricamento_ = 0;
    std::function<void()> attesa_;
};

}  // namespace morella
