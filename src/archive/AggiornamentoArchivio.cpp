#include "AggiornamentoArchivio.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <optional>
#include <system_error>

#include "Archivio.h"
#include "BloccoArchivio.h"
#include "Cartelle.h"
#include "DataBaseArchivio.h"
#include "EditoreArchivio.h"
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

std::string CartellaDi(const TOpzioniAggiornamento& opzioni)
{
    return opzioni.CartellaArchivi.empty() ? CartellaArchivi() : opzioni.CartellaArchivi;
}

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

// The contest as the archive editor would have let the player store it: a season and a
// number it accepts, a known sign or nothing in every event, and a complete flag that says
// what the column is. A file of zeros, or of random bytes, fails at once.
bool RecordConcorsoSensato(const std::uint8_t* r)
{
    std::int32_t stagione = 0;
    std::memcpy(&stagione, r, sizeof stagione);
    const int numero = r[4];
    if (stagione < StagioneMinimaEditor || stagione > StagioneMassimaEditor ||
        numero < NumeroMinimoConcorso || numero > NumeroMassimoConcorso)
        return false;
    bool completa = true;
    for (int e = 0; e < NumEvents; ++e) {
        const std::uint8_t segno = r[5 + e];
        if (segno != 0 && segno != 1 && segno != 2 && segno != 4) return false;
        completa = completa && segno != 0;
    }
    return r[19] == (completa ? 1 : 0);
}

// A download that arrived whole may still not be what it claims to be: a server with a
// damaged, truncated or meaningless file would otherwise replace a good archive with it.
// The contests must be whole records, at least one (an empty archive would leave the
// player with nothing) and at most the archive's limit, each one sensible. The database
// must be exactly its 21 tables and count what the downloaded contests give; when it does
// not, the one rebuilt from the contests takes its place, so a database that does not
// describe its archive is never installed.
bool FileScaricatiSani(const std::string& cartella, TOsservatoreAggiornamento& osservatore)
{
    auto archivio = TLettoreBinario::Apri(UnisciPercorso(cartella, FileAggiornamento[0].Temporaneo),
                                          DimensioneMassimaScaricata(0));
    if (!archivio || archivio->Dimensione() == 0 || archivio->Dimensione() % DimensioneRecordConcorso != 0)
        return false;
    for (std::size_t p = 0; p < archivio->Dimensione(); p += DimensioneRecordConcorso)
        if (!RecordConcorsoSensato(archivio->Corrente() + p)) return false;
    T_Archivio contenuto;
    if (!contenuto.LeggiConcorsi(*archivio)) return false;

    const std::string fileDataBase = UnisciPercorso(cartella, FileAggiornamento[1].Temporaneo);
    auto dataBase = TLettoreBinario::Apri(fileDataBase, DimensioneMassimaScaricata(1));
    if (!dataBase || !DataBaseIntero(dataBase->Corrente(), dataBase->Rimanenti())) return false;
    if (contenuto.LeggiDataBase(*dataBase)) return true;
    osservatore.RigaRegistro(RigaDataBaseRicalcolato);
    return SalvaSicuro(fileDataBase, contenuto.ImmagineDataBase());
}

void Sequenza(const TConfigurazione& configurazione, TClientFtp& client, TRegistroFtp& registro,
              TOsservatoreAggiornamento& osservatore, const TOpzioniAggiornamento& opzioni)
{
    TParametriFtp parametri;
    parametri.Host = configurazione.HostFtp;
    parametri.Porta = opzioni.Porta;
    parametri.Password = configurazione.IndirizzoPosta;
    parametri.SecondiAttesa = opzioni.SecondiAttesa;
    parametri.SecondiTotali = opzioni.SecondiTotali;
    parametri.VelocitaMinima = opzioni.VelocitaMinima;
    parametri.SecondiVelocitaMinima = opzioni.SecondiVelocitaMinima;
    if (!registro.Riuscito(client.Connetti(parametri))) Fallisci(client, MessaggioConnessioneFallita);
    if (!registro.Riuscito(client.ImpostaBinario()) ||
        !registro.Riuscito(client.CambiaDirectory(configurazione.DirectoryFtp)))
        Fallisci(client, MessaggioDirectoryArchivi);
    osservatore.Stato(StatoConnessioneStabilita);

    const std::string cartella = CartellaDi(opzioni);
    const TProgressoFtp progresso = [&registro](std::uint64_t ricevuti, std::uint64_t totale) {
        registro.Progresso(ricevuti, totale);
    };
    bool ok = true;
    for (std::size_t f = 0; f < FileAggiornamento.size(); ++f) {
        const TFileAggiornamento& file = FileAggiornamento[f];
        osservatore.NomeFile(file.Remoto);
        // A server that sends more than any sound file holds is cut off there.
        client.ImpostaLimiteScaricamento(DimensioneMassimaScaricata(f));
        ok = registro.Riuscito(
            client.Scarica(file.Remoto, UnisciPercorso(cartella, file.Temporaneo), progresso));
        client.ImpostaLimiteScaricamento(0);
        if (!ok) break;
    }
    osservatore.NomeFile("");

    // The old files are touched only now that both new ones are here and sound.
    ok = ok && FileScaricatiSani(cartella, osservatore);
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
    std::optional<TLettoreBinario> lettore = TLettoreBinario::Apri(
        vecchio, std::max(DimensioneMassimaScaricata(0), DimensioneMassimaScaricata(1)));
    if (!lettore) return false;
    return SalvaSicuro(riserva, lettore->Corrente(), lettore->Dimensione());
}

}  // namespace

void AggiornaArchivio(const TConfigurazione& configurazione, TClientFtp& client,
                      TOsservatoreAggiornamento& osservatore, const TOpzioniAggiornamento& opzioni)
{
    if (configurazione.IndirizzoPosta.empty()) throw EErrore(MessaggioPostaMancante);
    VerificaCollegamento(LeggiCollegamento(configurazione));

    // One update or editor at a time on these files, from the first ".tmp" to the last
    // rename; the folder is made when missing.
    const std::string cartella = CartellaDi(opzioni);
    std::error_code ignorato;  // a folder that cannot be made shows up as a failed download
    std::filesystem::create_directories(cartella, ignorato);
    TBloccoArchivio blocco(cartella, opzioni.AttesaBlocco);
    // What a run that was killed halfway left behind.
    RimuoviTemporanei(cartella);

    TRegistroFtp registro(osservatore);
    auto concludi = [&] {
        client.ImpostaAttesa({});
        client.ImpostaOsservatore(nullptr);
        osservatore.Stato("");
        osservatore.Occupato(false);
    };
    osservatore.Occupato(true);
    osservatore.Stato(StatoConnessioneInCorso);
    client.ImpostaOsservatore(&registro);
    client.ImpostaAttesa([&osservatore] { osservatore.Attendi(); });
    try {
        Sequenza(configurazione, client, registro, osservatore, opzioni);
    } catch (...) {
        // Whatever stopped the sequence, the connection does not outlive it, and neither
        // does a file downloaded before the stop.
        client.ImpostaAttesa({});
        client.ImpostaOsservatore(nullptr);
        client.Disconnetti();
        RimuoviTemporanei(cartella);
        concludi();
        throw;
    }
    concludi();
}

std::size_t DimensioneMassimaScaricata(std::size_t indiceFile)
{
    return indiceFile == 0 ? static_cast<std::size_t>(MassimoConcorsiArchivio) * DimensioneRecordConcorso
                           : DimensioneMassimaDataBase;
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

    std::vector<std::string> vecchi;
    for (const TSostituzione& s : sostituzioni) {
        // A link stays and the file it leads to is replaced; something there that is not a
        // regular file (a device, a folder) is never replaced by one.
        const std::string vecchio = SeguiCollegamenti(s.Vecchio);
        vecchi.push_back(vecchio);
        std::optional<bool> esiste = Esiste(vecchio);
        std::error_code ec;
        if (!esiste || !std::filesystem::is_regular_file(s.Nuovo, ec) ||
            (*esiste && !std::filesystem::is_regular_file(vecchio, ec))) {
            eliminaRiserve();
            return false;
        }
        TRiserva riserva{vecchio, vecchio + ".prec", *esiste, false};
        if (riserva.Esisteva && !CreaRiserva(riserva.Vecchio, riserva.Riserva)) {
            eliminaRiserve();
            return false;
        }
        riserve.push_back(riserva);
    }

    for (std::size_t i = 0; i < sostituzioni.size(); ++i) {
        if (::rename(sostituzioni[i].Nuovo.c_str(), vecchi[i].c_str()) == 0) continue;
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

bool ContieneCaratteriDiControllo(std::string_view testo)
{
    return std::any_of(testo.begin(), testo.end(), [](char c) {
        const auto b = static_cast<unsigned char>(c);
        return b < 32 || b == 127;
    });
}

void VerificaCollegamento(const TCollegamento& campi)
{
    const std::pair<const char*, const std::string*> voci[] = {
        {"Indirizzo di posta elettronica", &campi.IndirizzoPosta},
        {"Nome dell' Host", &campi.HostFtp},
        {"Directory", &campi.DirectoryFtp}};
    for (const auto& [didascalia, testo] : voci)
        if (ContieneCaratteriDiControllo(*testo))
            throw EErrore(std::string("Il campo \"") + didascalia +
                          "\" contiene caratteri non ammessi (a capo o caratteri di controllo).");
}

void ImpostaCollegamento(TConfigurazione& configurazione, const TCollegamento& campi,
                         const std::string& fileConfigurazione)
{
    VerificaCollegamento(campi);
    const auto capacita = static_cast<std::size_t>(CapacitaInternet);
    configurazione.IndirizzoPosta = TagliaCaratteri(campi.IndirizzoPosta, capacita);
    configurazione.HostFtp = TagliaCaratteri(campi.HostFtp, capacita);
    configurazione.DirectoryFtp = TagliaCaratteri(campi.DirectoryFtp, capacita);
    ScriviConfigurazione(configurazione, fileConfigurazione);
}

}  // namespace morella
