#include "AggiornamentoArchivio.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <optional>
#include <system_error>

#include "Archivio.h"
#include "Cartelle.h"
#include "DataBaseArchivio.h"
#include "Errore.h"
#include "FileBinario.h"

namespace morella {

namespace {

// Between the update and the FTP client: status texts and errors become log lines, an
// error is remembered so the step that caused it fails, and the bytes received become the
// percentage of the bar, passed on only when it changes.
class TRegistroFtp final : public TOsservatoreFtp {
public:
    explicit TRegistroFtp(TOsservatoreAggiornamento& osservatore) : osservatore_(osservatore) {}

    void TestoStato(const std::string& testo) override { osservatore_.RigaRegistro(RigaRegistroFtp(testo)); }
    void Errore(const std::string& testo) override
    {
        errore_ = true;
        osservatore_.RigaRegistro(RigaRegistroFtp(testo));
    }

    void Progresso(std::uint64_t ricevuti, std::uint64_t totale)
    {
        if (totale == 0) return;
        const int percentuale = ricevuti >= totale ? 100 : static_cast<int>(ricevuti * 100 / totale);
        if (percentuale == ultima_) return;
        ultima_ = percentuale;
        osservatore_.Progresso(percentuale);
    }

    // A step counts as done only when the client said so and told of no error meanwhile.
    bool Riuscito(bool esito)
    {
        const bool ok = esito && !errore_;
        errore_ = false;
        return ok;
    }

private:
    TOsservatoreAggiornamento& osservatore_;
    bool errore_ = false;
    int ultima_ = -1;
};

[[noreturn]] void Fallisci(TClientFtp& client, const char* messaggio)
{
    client.Disconnetti();
    throw EErrore(messaggio);
}

void RimuoviTemporanei(const std::string& cartella)
{
    for (const TFileAggiornamento& file : FileAggiornamento)
        ::unlink(UnisciPercorso(cartella, file.Temporaneo).c_str());
}

// No archive the editor can make comes anywhere near this (every season 1930..2099 with
// 99 contests is 336,600 bytes); a longer download is refused without being read.
constexpr std::uintmax_t DimensioneMassimaArchivioScaricato = 20u * 1000u * 1000u;

// The bytes of a downloaded file, when it is no longer than `massimo`.
std::optional<TLettoreBinario> LeggiScaricato(const std::string& percorso, std::uintmax_t massimo)
{
    std::error_code ec;
    const std::uintmax_t dimensione = std::filesystem::file_size(percorso, ec);
    if (ec || dimensione > massimo) return std::nullopt;
    return TLettoreBinario::Apri(percorso);
}

// A download that arrived whole may still not be what it claims to be: a server with a
// damaged or truncated file would otherwise replace a good archive with it. The contests
// must be whole records and at least one (an empty archive would leave the player with
// nothing); the database must be exactly its 21 tables.
bool FileScaricatiSani(const std::string& cartella)
{
    auto archivio = LeggiScaricato(UnisciPercorso(cartella, FileAggiornamento[0].Temporaneo),
                                   DimensioneMassimaArchivioScaricato);
    if (!archivio || archivio->Dimensione() == 0 || archivio->Dimensione() % DimensioneRecordConcorso != 0)
        return false;
    T_Archivio contenuto;
    if (!contenuto.LeggiConcorsi(*archivio)) return false;

    auto dataBase =
        LeggiScaricato(UnisciPercorso(cartella, FileAggiornamento[1].Temporaneo), DimensioneMassimaDataBase);
    return dataBase && DataBaseIntero(dataBase->Corrente(), dataBase->Rimanenti());
}

void Sequenza(const TConfigurazione& configurazione, TClientFtp& client, TRegistroFtp& registro,
              TOsservatoreAggiornamento& osservatore, const TOpzioniAggiornamento& opzioni)
{
    TParametriFtp parametri;
    parametri.Host = configurazione.HostFtp;
    parametri.Porta = opzioni.Porta;
    parametri.Password = configurazione.IndirizzoPosta;
    parametri.SecondiAttesa = opzioni.SecondiAttesa;
    if (!registro.Riuscito(client.Connetti(parametri))) Fallisci(client, MessaggioConnessioneFallita);
    if (!registro.Riuscito(client.ImpostaBinario()) ||
        !registro.Riuscito(client.CambiaDirectory(configurazione.DirectoryFtp)))
        Fallisci(client, MessaggioDirectoryArchivi);
    osservatore.Stato(StatoConnessioneStabilita);

    const std::string cartella =
        opzioni.CartellaArchivi.empty() ? CartellaArchivi() : opzioni.CartellaArchivi;
    std::error_code ignorato;  // a folder that cannot be made shows up as a failed download
    std::filesystem::create_directories(cartella, ignorato);

    const TProgressoFtp progresso = [&registro](std::uint64_t ricevuti, std::uint64_t totale) {
        registro.Progresso(ricevuti, totale);
    };
    bool ok = true;
    for (const TFileAggiornamento& file : FileAggiornamento) {
        osservatore.NomeFile(file.Remoto);
        ok = registro.Riuscito(
            client.Scarica(file.Remoto, UnisciPercorso(cartella, file.Temporaneo), progresso));
        if (!ok) break;
    }
    osservatore.NomeFile("");

    // The old files are touched only now that both new ones are here and sound.
    ok = ok && FileScaricatiSani(cartella);
    if (ok) {
        std::vector<TSostituzione> sostituzioni;
        for (const TFileAggiornamento& file : FileAggiornamento)
            sostituzioni.push_back(
                {UnisciPercorso(cartella, file.Temporaneo), UnisciPercorso(cartella, file.Definitivo)});
        ok = SostituisciFile(sostituzioni);
    }
    if (!ok) {
        RimuoviTemporanei(cartella);
        Fallisci(client, MessaggioErroreTrasferimento);
    }
    client.Disconnetti();
}

// Whether a path names something: nothing when the system cannot tell.
std::optional<bool> Esiste(const std::string& percorso)
{
    struct stat st;
    if (::lstat(percorso.c_str(), &st) == 0) return true;
    if (errno == ENOENT) return false;
    return std::nullopt;
}

// A way back to the old file: a second name for the same data when the file system has
// hard links, otherwise a safe copy.
bool CreaRiserva(const std::string& vecchio, const std::string& riserva)
{
    ::unlink(riserva.c_str());
    if (::link(vecchio.c_str(), riserva.c_str()) == 0) return true;
    std::optional<TLettoreBinario> lettore = TLettoreBinario::Apri(vecchio);
    if (!lettore) return false;
    return SalvaSicuro(riserva, lettore->Corrente(), lettore->Dimensione());
}

}  // namespace

void AggiornaArchivio(const TConfigurazione& configurazione, TClientFtp& client,
                      TOsservatoreAggiornamento& osservatore, const TOpzioniAggiornamento& opzioni)
{
    if (configurazione.IndirizzoPosta.empty()) throw EErrore(MessaggioPostaMancante);

    TRegistroFtp registro(osservatore);
    auto concludi = [&] {
        client.ImpostaOsservatore(nullptr);
        osservatore.Stato("");
        osservatore.Occupato(false);
    };
    osservatore.Occupato(true);
    osservatore.Stato(StatoConnessioneInCorso);
    client.ImpostaOsservatore(&registro);
    try {
        Sequenza(configurazione, client, registro, osservatore, opzioni);
    } catch (...) {
        // Whatever stopped the sequence, the connection does not outlive it.
        client.ImpostaOsservatore(nullptr);
        client.Disconnetti();
        concludi();
        throw;
    }
    concludi();
}

std::string RigaRegistroFtp(std::string_view testo)
{
    std::string riga;
    riga.reserve(testo.size());
    for (char c : testo)
        if (static_cast<unsigned char>(c) > 13) riga += c;
    return riga;
}

bool SostituisciFile(const std::vector<TSostituzione>& sostituzioni)
{
    struct TRiserva {
        std::string Vecchio;
        std::string Riserva;
        bool Esisteva;
        bool Conserva = false;  // the way back failed: this copy is all that is left
    };
    std::vector<TRiserva> riserve;
    auto eliminaRiserve = [&riserve] {
        for (const TRiserva& r : riserve)
            if (r.Esisteva && !r.Conserva) ::unlink(r.Riserva.c_str());
    };

    for (const TSostituzione& s : sostituzioni) {
        std::optional<bool> esiste = Esiste(s.Vecchio);
        std::error_code ec;
        if (!esiste || !std::filesystem::is_regular_file(s.Nuovo, ec)) {
            eliminaRiserve();
            return false;
        }
        TRiserva riserva{s.Vecchio, s.Vecchio + ".prec", *esiste, false};
        if (riserva.Esisteva && !CreaRiserva(riserva.Vecchio, riserva.Riserva)) {
            eliminaRiserve();
            return false;
        }
        riserve.push_back(riserva);
    }

    for (std::size_t i = 0; i < sostituzioni.size(); ++i) {
        if (::rename(sostituzioni[i].Nuovo.c_str(), sostituzioni[i].Vecchio.c_str()) == 0) continue;
        // Undo newest first; each step is again one atomic rename (or the removal of a
        // file that was not there before).
        for (std::size_t j = i; j-- > 0;) {
            TRiserva& r = riserve[j];
            if (r.Esisteva)
                r.Conserva = ::rename(r.Riserva.c_str(), r.Vecchio.c_str()) != 0;
            else
                ::unlink(r.Vecchio.c_str());
        }
        eliminaRiserve();
        return false;
    }
    eliminaRiserve();
    return true;
}

TCollegamento LeggiCollegamento(const TConfigurazione& configurazione)
{
    return {configurazione.IndirizzoPosta, configurazione.HostFtp, configurazione.DirectoryFtp};
}

void ImpostaCollegamento(TConfigurazione& configurazione, const TCollegamento& campi,
                         const std::string& fileConfigurazione)
{
    const auto capacita = static_cast<std::size_t>(CapacitaInternet);
    configurazione.IndirizzoPosta = TagliaCaratteri(campi.IndirizzoPosta, capacita);
    configurazione.HostFtp = TagliaCaratteri(campi.HostFtp, capacita);
    configurazione.DirectoryFtp = TagliaCaratteri(campi.DirectoryFtp, capacita);
    ScriviConfigurazione(configurazione, fileConfigurazione);
}

}  // namespace morella
