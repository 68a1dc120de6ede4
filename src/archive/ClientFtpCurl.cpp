#include "ClientFtpCurl.h"

#include <curl/curl.h>
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstddef>
#include <exception>
#include <optional>
#include <utility>

namespace morella {

namespace {

// A CR or LF inside a field would end the command it travels in and start another.
bool SenzaControllo(const std::string& testo)
{
    for (char c : testo) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 32 || b == 127) return false;
    }
    return true;
}

// libcurl wants its global set-up once per process before the first handle.
bool CurlPronto()
{
    static const bool pronto = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
    return pronto;
}

struct TChiudiUrl {
    void operator()(CURLU* url) const { curl_url_cleanup(url); }
};

// Path of a URL for a directory (and a file in it). The directory's own leading "/"
// survives as "//" so that libcurl takes it as absolute; trailing separators go.
std::string PercorsoUrl(std::string directory, const std::string& file)
{
    while (directory.size() > 1 && directory.back() == '/') directory.pop_back();
    std::string percorso = "/";
    if (!directory.empty()) percorso += directory + (directory == "/" ? "" : "/");
    return percorso + file;
}

// The URL built part by part: the host cannot smuggle in a path or a user, and the path is
// percent-encoded (a directory may hold blanks).
std::optional<std::string> CostruisciUrl(const TParametriFtp& parametri, const std::string& percorso)
{
    if (parametri.Host.empty() || parametri.Porta < 1 || parametri.Porta > 65535) return {};
    std::unique_ptr<CURLU, TChiudiUrl> url(curl_url());
    if (!url) return {};
    std::string host = parametri.Host;
    if (host.find(':') != std::string::npos && host.front() != '[') host = "[" + host + "]";
    const std::string porta = std::to_string(parametri.Porta);
    if (curl_url_set(url.get(), CURLUPART_SCHEME, "ftp", 0) != CURLUE_OK ||
        curl_url_set(url.get(), CURLUPART_HOST, host.c_str(), 0) != CURLUE_OK ||
        curl_url_set(url.get(), CURLUPART_PORT, porta.c_str(), 0) != CURLUE_OK ||
        curl_url_set(url.get(), CURLUPART_PATH, percorso.c_str(), CURLU_URLENCODE) != CURLUE_OK)
        return {};
    char* testo = nullptr;
    if (curl_url_get(url.get(), CURLUPART_URL, &testo, 0) != CURLUE_OK || testo == nullptr) return {};
    std::string risultato(testo);
    curl_free(testo);
    return risultato;
}

// The local file of a download: written through a descriptor, flushed to disk before it
// counts as done, removed when the download does not end well.
class TFileLocale {
   public:
    explicit TFileLocale(std::string percorso) : percorso_(std::move(percorso))
    {
        fd_ = ::open(percorso_.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    }
    ~TFileLocale()
    {
        if (fd_ >= 0) ::close(fd_);
        if (!completo_) ::unlink(percorso_.c_str());
    }
    TFileLocale(const TFileLocale&) = delete;
    TFileLocale& operator=(const TFileLocale&) = delete;

    bool Aperto() const { return fd_ >= 0; }

    bool Scrivi(const char* dati, std::size_t n)
    {
        while (n > 0) {
            ssize_t r = ::write(fd_, dati, n);
            if (r < 0 && errno == EINTR) continue;
            if (r <= 0) return false;
            dati += r;
            n -= static_cast<std::size_t>(r);
        }
        return true;
    }

    bool Completa()
    {
        bool ok = ::fsync(fd_) == 0;
        if (::close(fd_) != 0) ok = false;
        fd_ = -1;
        completo_ = ok;
        return ok;
    }

   private:
    std::string percorso_;
    int fd_ = -1;
    bool completo_ = false;
};

}  // namespace

struct TClientFtpCurl::TStato {
    explicit TStato(TClientFtpCurl& c) : client(c) {}
    ~TStato() { Chiudi(); }
    TStato(const TStato&) = delete;
    TStato& operator=(const TStato&) = delete;

    TClientFtpCurl& client;
    CURLM* multi = nullptr;  // owns the connection kept between requests
    CURL* curl = nullptr;
    TParametriFtp parametri;
    std::string directory;
    bool connesso = false;
    char erroreCurl[CURL_ERROR_SIZE] = {};
    // An exception thrown by an observer inside a libcurl callback cannot cross the C code:
    // it is kept here, the transfer is stopped, and it is thrown again once libcurl returns.
    std::exception_ptr eccezione;
    // The end of the session's time, from Connetti.
    std::chrono::steady_clock::time_point scadenza;
    // The download under way, and whether it went past the client's limit.
    bool troppoGrande = false;
    TFileLocale* file = nullptr;
    std::uint64_t ricevuti = 0;
    const TProgressoFtp* progresso = nullptr;

    // Sends QUIT (libcurl does it when the handle goes) and forgets the connection.
    void Chiudi()
    {
        if (multi != nullptr) curl_multi_cleanup(multi);
        if (curl != nullptr) curl_easy_cleanup(curl);
        multi = nullptr;
        curl = nullptr;
        connesso = false;
    }

    // Throws what an observer threw inside a libcurl callback, now that libcurl is out of the way.
    void Rilancia()
    {
        if (eccezione) std::rethrow_exception(std::exchange(eccezione, nullptr));
    }

    bool Prepara()
    {
        if (!CurlPronto()) return false;
        multi = curl_multi_init();
        curl = curl_easy_init();
        if (multi == nullptr || curl == nullptr) return false;
        const long attesa = parametri.SecondiAttesa > 0 ? parametri.SecondiAttesa : SecondiAttesaFtp;
        bool ok = true;
        auto imposta = [&](CURLcode esito) { ok = ok && esito == CURLE_OK; };
#if LIBCURL_VERSION_NUM >= 0x075500
        imposta(curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "ftp"));
#else
        imposta(curl_easy_setopt(curl, CURLOPT_PROTOCOLS, static_cast<long>(CURLPROTO_FTP)));
#endif
        imposta(curl_easy_setopt(curl, CURLOPT_USERNAME, parametri.Utente.c_str()));
        imposta(curl_easy_setopt(curl, CURLOPT_PASSWORD, parametri.Password.c_str()));
        imposta(curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, attesa));
        imposta(curl_easy_setopt(curl, CURLOPT_SERVER_RESPONSE_TIMEOUT, attesa));
        // A transfer that trickles ends instead of keeping the window busy.
        const long velocita = parametri.VelocitaMinima > 0 ? parametri.VelocitaMinima : 1L;
        const long secondiVelocita =
            parametri.SecondiVelocitaMinima > 0 ? parametri.SecondiVelocitaMinima : attesa;
        imposta(curl_easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, velocita));
        imposta(curl_easy_setopt(curl, CURLOPT_LOW_SPEED_TIME, secondiVelocita));
        // One "CWD directory" as the server expects, not one CWD per path component.
        imposta(curl_easy_setopt(curl, CURLOPT_FTP_FILEMETHOD, static_cast<long>(CURLFTPMETHOD_SINGLECWD)));
        imposta(curl_easy_setopt(curl, CURLOPT_TRANSFERTEXT, 0L));
        imposta(curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L));
        imposta(curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, erroreCurl));
        imposta(curl_easy_setopt(curl, CURLOPT_VERBOSE, 1L));
        imposta(curl_easy_setopt(curl, CURLOPT_DEBUGFUNCTION, &TStato::Dialogo));
        imposta(curl_easy_setopt(curl, CURLOPT_DEBUGDATA, this));
        imposta(curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, &TStato::Ricevi));
        imposta(curl_easy_setopt(curl, CURLOPT_WRITEDATA, this));
        imposta(curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, &TStato::Avanzamento));
        imposta(curl_easy_setopt(curl, CURLOPT_XFERINFODATA, this));
        return ok;
    }

    // One request on the open connection: `corpo` false asks for no data (log in, change
    // directory, send the quoted commands); `comandi` are raw commands sent after the CWD.
    bool Esegui(const std::string& percorso, bool corpo, curl_slist* comandi = nullptr)
    {
        erroreCurl[0] = '\0';
        std::optional<std::string> url = CostruisciUrl(parametri, percorso);
        if (!url) {
            client.NotificaErrore("Indirizzo del server non valido: " + parametri.Host);
            return false;
        }
        // Every request gets what is left of the session's time.
        long millisecondi = 0;
        if (parametri.SecondiTotali > 0) {
            const auto resto = std::chrono::duration_cast<std::chrono::milliseconds>(
                scadenza - std::chrono::steady_clock::now());
            if (resto.count() <= 0) {
                client.NotificaErrore("Tempo massimo dell'aggiornamento superato.");
                return false;
            }
            millisecondi = static_cast<long>(resto.count());
        }
        troppoGrande = false;
        CURLcode esito = curl_easy_setopt(curl, CURLOPT_URL, url->c_str());
        if (esito == CURLE_OK) esito = curl_easy_setopt(curl, CURLOPT_TIMEOUT_MS, millisecondi);
        if (esito == CURLE_OK) esito = curl_easy_setopt(curl, CURLOPT_NOBODY, corpo ? 0L : 1L);
        if (esito == CURLE_OK) esito = curl_easy_setopt(curl, CURLOPT_QUOTE, comandi);
        if (esito == CURLE_OK) esito = curl_easy_setopt(curl, CURLOPT_NOPROGRESS, corpo ? 0L : 1L);
        if (esito == CURLE_OK) esito = Trasferisci();
        curl_easy_setopt(curl, CURLOPT_QUOTE, static_cast<curl_slist*>(nullptr));
        Rilancia();
        if (esito != CURLE_OK) {
            if (troppoGrande) {
                client.NotificaErrore("Il file ricevuto supera la dimensione massima di " +
                                      std::to_string(client.LimiteScaricamento()) + " byte.");
                return false;
            }
            client.NotificaErrore(erroreCurl[0] != '\0' ? std::string(erroreCurl)
                                                        : std::string(curl_easy_strerror(esito)));
            return false;
        }
        return true;
    }

    // What curl_easy_perform does, but never sleeping more than a few milliseconds at a time:
    // libcurl 7.88 can miss the moment a data connection on a reused control connection
    // is ready to start and then sits out its whole one-second wait before every download.
    CURLcode Trasferisci()
    {
        if (curl_multi_add_handle(multi, curl) != CURLM_OK) return CURLE_FAILED_INIT;
        CURLcode esito = CURLE_OK;
        int inCorso = 1;
        while (inCorso > 0) {
            CURLMcode m = curl_multi_perform(multi, &inCorso);
            if (m == CURLM_OK && inCorso > 0) m = curl_multi_poll(multi, nullptr, 0, 20, nullptr);
            if (m != CURLM_OK) {
                esito = CURLE_RECV_ERROR;
                break;
            }
            if (inCorso == 0) break;
            // The caller's turn; what it throws stops the request and is thrown again once
            // libcurl is out of the way.
            try {
                client.NotificaAttesa();
            } catch (...) {
                Conserva();
                curl_multi_remove_handle(multi, curl);
                return CURLE_ABORTED_BY_CALLBACK;
            }
        }
        int restanti = 0;
        while (CURLMsg* messaggio = curl_multi_info_read(multi, &restanti))
            if (messaggio->msg == CURLMSG_DONE && messaggio->easy_handle == curl)
                esito = messaggio->data.result;
        curl_multi_remove_handle(multi, curl);
        return esito;
    }

    bool VerificaConnesso()
    {
        if (connesso) return true;
        client.NotificaErrore("Nessuna connessione con il server.");
        return false;
    }

    void Conserva()
    {
        eccezione = std::current_exception();
    }

    static int Dialogo(CURL*, curl_infotype tipo, char* dati, std::size_t n, void* utente)
    {
        auto* stato = static_cast<TStato*>(utente);
        // Commands and replies only: libcurl's own remarks speak of its internals.
        if (tipo != CURLINFO_HEADER_IN && tipo != CURLINFO_HEADER_OUT) return 0;
        if (stato->eccezione) return 0;
        std::string testo(dati, n);
        // The password never reaches the log, even when it is only an e-mail address.
        if (tipo == CURLINFO_HEADER_OUT && testo.starts_with("PASS ")) testo = "PASS ****\r\n";
        try {
            stato->client.NotificaStato(testo);
        } catch (...) {
            stato->Conserva();
        }
        return 0;
    }

    static std::size_t Ricevi(char* dati, std::size_t dimensione, std::size_t quanti, void* utente)
    {
        auto* stato = static_cast<TStato*>(utente);
        const std::size_t n = dimensione * quanti;
        if (stato->file == nullptr) return n;  // nothing is expected outside a download
        const std::uint64_t limite = stato->client.LimiteScaricamento();
        stato->ricevuti += n;
        if (limite > 0 && stato->ricevuti > limite) {
            stato->troppoGrande = true;
            return 0;  // stops the transfer
        }
        return stato->file->Scrivi(dati, n) ? n : 0;
    }

    static int Avanzamento(void* utente, curl_off_t totale, curl_off_t ricevuti, curl_off_t, curl_off_t)
    {
        auto* stato = static_cast<TStato*>(utente);
        // A file the server announces as too large is not even started.
        const std::uint64_t limite = stato->client.LimiteScaricamento();
        if (stato->file != nullptr && limite > 0 && totale > 0 &&
            static_cast<std::uint64_t>(totale) > limite) {
            stato->troppoGrande = true;
            return 1;
        }
        if (stato->progresso == nullptr || !*stato->progresso) return 0;
        try {
            (*stato->progresso)(static_cast<std::uint64_t>(ricevuti < 0 ? 0 : ricevuti),
                                static_cast<std::uint64_t>(totale < 0 ? 0 : totale));
        } catch (...) {
            stato->Conserva();
            return 1;  // stops the transfer
        }
        return 0;
    }
};

TClientFtpCurl::TClientFtpCurl() : stato_(std::make_unique<TStato>(*this)) {}

TClientFtpCurl::~TClientFtpCurl()
{
    // No observer may hear the goodbye of a client that is going away.
    ImpostaOsservatore(nullptr);
    stato_->Chiudi();
}

bool TClientFtpCurl::Connetti(const TParametriFtp& parametri)
{
    stato_->Chiudi();
    stato_->Rilancia();
    // Whatever the caller checked, nothing that could end an FTP command goes out.
    if (!SenzaControllo(parametri.Host) || !SenzaControllo(parametri.Utente) ||
        !SenzaControllo(parametri.Password)) {
        NotificaErrore("Caratteri di controllo nei parametri della connessione.");
        return false;
    }
    stato_->parametri = parametri;
    stato_->scadenza = std::chrono::steady_clock::now() + std::chrono::seconds(parametri.SecondiTotali);
    stato_->directory.clear();
    if (!stato_->Prepara()) {
        stato_->Chiudi();
        NotificaErrore("Impossibile preparare la connessione.");
        return false;
    }
    // A request for nothing in the login folder: connect, USER, PASS, and no more.
    NotificaStato("Connessione a " + parametri.Host + " porta " + std::to_string(parametri.Porta));
    stato_->connesso = stato_->Esegui("/", false);
    if (!stato_->connesso) stato_->Chiudi();
    return stato_->connesso;
}

bool TClientFtpCurl::ImpostaBinario()
{
    if (!stato_->VerificaConnesso()) return false;
    // libcurl sends TYPE I again before each download; asking now tells at once whether
    // the server accepts binary transfers at all.
    curl_slist* comandi = curl_slist_append(nullptr, "TYPE I");
    if (comandi == nullptr) return false;
    bool ok = false;
    try {
        ok = stato_->Esegui(PercorsoUrl(stato_->directory, ""), false, comandi);
    } catch (...) {
        curl_slist_free_all(comandi);
        throw;
    }
    curl_slist_free_all(comandi);
    return ok;
}

bool TClientFtpCurl::CambiaDirectory(const std::string& directory)
{
    if (!stato_->VerificaConnesso()) return false;
    if (!SenzaControllo(directory)) {
        NotificaErrore("Caratteri di controllo nel nome della directory.");
        return false;
    }
    if (!stato_->Esegui(PercorsoUrl(directory, ""), false)) return false;
    stato_->directory = directory;
    return true;
}

bool TClientFtpCurl::Scarica(const std::string& fileRemoto, const std::string& percorsoLocale,
                             const TProgressoFtp& progresso)
{
    if (!stato_->VerificaConnesso()) return false;
    if (fileRemoto.empty() || !SenzaControllo(fileRemoto)) {
        NotificaErrore("Nome del file da scaricare mancante.");
        return false;
    }
    TFileLocale file(percorsoLocale);
    if (!file.Aperto()) {
        NotificaErrore("Impossibile creare il file " + percorsoLocale);
        return false;
    }
    stato_->file = &file;
    stato_->ricevuti = 0;
    stato_->progresso = &progresso;
    bool ok = false;
    try {
        ok = stato_->Esegui(PercorsoUrl(stato_->directory, fileRemoto), true);
    } catch (...) {
        stato_->file = nullptr;
        stato_->progresso = nullptr;
        throw;
    }
    stato_->file = nullptr;
    stato_->progresso = nullptr;
    if (ok && !file.Completa()) {
        NotificaErrore("Impossibile scrivere il file " + percorsoLocale);
        ok = false;
    }
    return ok;
}

void TClientFtpCurl::Disconnetti()
{
    const bool eraConnesso = stato_->connesso;
    stato_->Chiudi();
    if (eraConnesso) NotificaStato("Disconnessione da " + stato_->parametri.Host);
    stato_->Rilancia();
}

bool TClientFtpCurl::Connesso() const
{
    return stato_->connesso;
}

}  // namespace morella
