#include "Cartelle.h"

#include <pwd.h>
#include <unistd.h>

#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <system_error>

#include "FileBinario.h"

namespace morella {

namespace {

namespace fs = std::filesystem;

// The program directory is set once at start; until then it follows the executable.
std::optional<std::string>& DirectoryImpostata()
{
    static std::optional<std::string> directory;
    return directory;
}

std::int32_t& Formato()
{
    static std::int32_t formato = FormatoSistemaIniziale;
    return formato;
}

// Drops trailing separators but keeps a lone root.
std::string SenzaSeparatoreFinale(std::string percorso)
{
    while (percorso.size() > 1 && percorso.back() == '/') percorso.pop_back();
    return percorso.empty() ? std::string(".") : percorso;
}

bool HaLetteraDiUnita(const std::string& p)
{
    return p.size() >= 2 && p[1] == ':' && ((p[0] >= 'A' && p[0] <= 'Z') || (p[0] >= 'a' && p[0] <= 'z'));
}

// The last component of a path written with either kind of separator, drive letter dropped.
std::string NomeFile(const std::string& p)
{
    std::size_t inizio = p.find_last_of("/\\");
    std::string nome = inizio == std::string::npos ? p : p.substr(inizio + 1);
    if (inizio == std::string::npos && HaLetteraDiUnita(nome)) nome = nome.substr(2);
    return nome;
}

bool Esiste(const std::string& p)
{
    std::error_code ec;
    return fs::exists(p, ec);
}

}  // namespace

std::string DirectoryProgramma()
{
    auto& impostata = DirectoryImpostata();
    if (!impostata) impostata = DirectoryDaEseguibile(EseguibileCorrente());
    return *impostata;
}

void ImpostaDirectoryProgramma(std::string directory)
{
    DirectoryImpostata() = SenzaSeparatoreFinale(std::move(directory));
}

std::string DirectoryDaEseguibile(const std::string& percorsoEseguibile)
{
    std::size_t ultimo = percorsoEseguibile.find_last_of('/');
    if (ultimo == std::string::npos) return ".";
    return SenzaSeparatoreFinale(ultimo == 0 ? std::string("/") : percorsoEseguibile.substr(0, ultimo));
}

std::string EseguibileCorrente()
{
    std::error_code ec;
    fs::path p = fs::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : p.string();
}

std::string UnisciPercorso(const std::string& cartella, const std::string& nome)
{
    if (cartella.empty()) return nome;
    return cartella.back() == '/' ? cartella + nome : cartella + "/" + nome;
}

std::string CartellaSistemi()
{
    return UnisciPercorso(DirectoryProgramma(), NomeCartellaSistemi);
}
std::string CartellaRidotti()
{
    return UnisciPercorso(DirectoryProgramma(), NomeCartellaRidotti);
}
std::string CartellaColonne()
{
    return UnisciPercorso(DirectoryProgramma(), NomeCartellaColonne);
}
std::string CartellaArchivi()
{
    return UnisciPercorso(DirectoryProgramma(), NomeCartellaArchivi);
}
std::string CartellaQuadri()
{
    return UnisciPercorso(DirectoryProgramma(), NomeCartellaQuadri);
}
std::string CartellaSfondi()
{
    return UnisciPercorso(DirectoryProgramma(), NomeCartellaSfondi);
}
std::string CartellaWav()
{
    return UnisciPercorso(DirectoryProgramma(), NomeCartellaWav);
}

std::vector<std::string> CreaCartelleDiLavoro()
{
    std::vector<std::string> errori;
    const std::string base = DirectoryProgramma();
    for (const char* nome : NomiCartelleDiLavoro) {
        const std::string cartella = UnisciPercorso(base, nome);
        std::error_code ec;
        if (fs::is_directory(cartella, ec)) continue;
        fs::create_directories(cartella, ec);
        // create_directories reports no error when a file of that name is in the way.
        if (!ec && !fs::is_directory(cartella, ec)) ec = std::make_error_code(std::errc::not_a_directory);
        if (ec) errori.push_back(cartella + ": " + ec.message());
    }
    return errori;
}

namespace {

// The template holds pictures, help pages and a voice file of a few megabytes at most.
constexpr std::size_t DimensioneMassimaFileModello = 64u << 20;

// The home folder the account database gives, for a process started without HOME.
std::string CasaDellAccount()
{
    long dimensione = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> spazio(dimensione > 0 ? static_cast<std::size_t>(dimensione) : 16384u);
    passwd voce{};
    passwd* trovata = nullptr;
    if (::getpwuid_r(::getuid(), &voce, spazio.data(), spazio.size(), &trovata) != 0 || !trovata ||
        !trovata->pw_dir)
        return {};
    return trovata->pw_dir;
}

void AnnotaErrore(std::vector<std::string>& errori, const fs::path& percorso, const std::error_code& ec)
{
    errori.push_back(percorso.string() + ": " + ec.message());
}

void CopiaFileMancante(const fs::path& da, const fs::path& a, std::vector<std::string>& errori)
{
    std::error_code ec;
    // Whatever is there, even a link that leads nowhere, is the player's.
    if (fs::exists(fs::symlink_status(a, ec))) return;
    auto lettore = TLettoreBinario::Apri(da.string(), DimensioneMassimaFileModello);
    if (!lettore) {
        errori.push_back(da.string() + ": impossibile leggere il file");
        return;
    }
    if (!SalvaSicuro(a.string(), lettore->Corrente(), lettore->Dimensione()))
        errori.push_back(a.string() + ": impossibile scrivere il file");
}

void CopiaCartellaMancante(const fs::path& da, const fs::path& a, std::vector<std::string>& errori)
{
    std::error_code ec;
    if (!fs::exists(fs::symlink_status(a, ec))) {
        fs::create_directories(a, ec);
        if (ec) return AnnotaErrore(errori, a, ec);
    } else if (!fs::is_directory(a, ec)) {  // a link to a folder is a folder
        return AnnotaErrore(errori, a, std::make_error_code(std::errc::not_a_directory));
    }
    for (fs::directory_iterator it(da, ec), fine; !ec && it != fine; it.increment(ec)) {
        std::error_code ecVoce;
        const fs::file_status stato = it->symlink_status(ecVoce);
        const fs::path bersaglio = a / it->path().filename();
        // Links and special files of the template are not the player's business.
        if (fs::is_directory(stato))
            CopiaCartellaMancante(it->path(), bersaglio, errori);
        else if (fs::is_regular_file(stato))
            CopiaFileMancante(it->path(), bersaglio, errori);
    }
    if (ec) AnnotaErrore(errori, da, ec);
}

}  // namespace

TAvvioDirectory AvvioCorrente(std::string opzioneDir)
{
    TAvvioDirectory avvio;
    avvio.OpzioneDir = std::move(opzioneDir);
    avvio.Eseguibile = EseguibileCorrente();
    if (const char* xdg = std::getenv("XDG_DATA_HOME")) avvio.XdgDataHome = xdg;
    const char* home = std::getenv("HOME");
    avvio.Home = home && *home ? std::string(home) : CasaDellAccount();
    return avvio;
}

std::string ModelloInstallato(const std::string& cartellaEseguibile)
{
    const fs::path bin(cartellaEseguibile);
    if (bin.filename() != "bin") return {};
    const std::string modello =
        UnisciPercorso(UnisciPercorso(bin.parent_path().string(), "share"), "morella");
    std::error_code ec;
    return fs::is_directory(modello, ec) ? modello : std::string();
}

std::string DirectoryUtente(const std::string& xdgDataHome, const std::string& home)
{
    // A relative XDG_DATA_HOME would depend on the folder the program starts from.
    if (!xdgDataHome.empty() && xdgDataHome.front() == '/')
        return UnisciPercorso(SenzaSeparatoreFinale(xdgDataHome), "Morella");
    if (home.empty()) return {};
    return UnisciPercorso(SenzaSeparatoreFinale(home), ".local/share/Morella");
}

TDirectoryScelta PreparaDirectoryProgramma(const TAvvioDirectory& avvio)
{
    TDirectoryScelta scelta;
    if (!avvio.OpzioneDir.empty()) {
        scelta.Directory = avvio.OpzioneDir;
        return scelta;
    }
    const std::string cartella = DirectoryDaEseguibile(avvio.Eseguibile);
    const std::string modello = ModelloInstallato(cartella);
    if (modello.empty()) {
        scelta.Directory = cartella;
        return scelta;
    }
    const std::string utente = DirectoryUtente(avvio.XdgDataHome, avvio.Home);
    if (utente.empty()) {
        // Nowhere to keep the player's files: the template is read, nothing is saved.
        scelta.Directory = modello;
        scelta.Errori.push_back(modello + ": nessuna cartella personale (HOME non impostata)");
        return scelta;
    }
    scelta.Directory = utente;
    scelta.Errori = CopiaMancanti(modello, utente);
    return scelta;
}

std::vector<std::string> CopiaMancanti(const std::string& modello, const std::string& destinazione)
{
    std::vector<std::string> errori;
    CopiaCartellaMancante(modello, destinazione, errori);
    return errori;
}

namespace {

std::string Minuscolo(std::string testo)
{
    for (char& c : testo) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return testo;
}

// The file of the folder called `nome` but for the case of its letters: a name stored on a
// system that ignores case ("ESEMPIO.COL") finds "Esempio.Col". The exact name wins; among
// several that differ only in case, the first in name order, so the choice never varies.
std::string CercaSenzaMaiuscole(const std::string& cartella, const std::string& nome)
{
    const std::string esatto = UnisciPercorso(cartella, nome);
    if (Esiste(esatto)) return esatto;
    const std::string chiave = Minuscolo(nome);
    std::string trovato;
    std::error_code ec;
    for (fs::directory_iterator it(cartella, ec), fine; !ec && it != fine; it.increment(ec)) {
        const std::string candidato = it->path().filename().string();
        if (Minuscolo(candidato) == chiave && (trovato.empty() || candidato < trovato)) trovato = candidato;
    }
    return trovato.empty() ? esatto : UnisciPercorso(cartella, trovato);
}

}  // namespace

std::string RisolviPercorso(const std::string& memorizzato, const std::string& cartellaDiLavoro)
{
    if (memorizzato.empty() || Esiste(memorizzato)) return memorizzato;
    const std::string nome = NomeFile(memorizzato);
    if (nome.empty() || nome == "." || nome == "..") return memorizzato;
    const std::string candidato = CercaSenzaMaiuscole(cartellaDiLavoro, nome);
    const bool straniero = memorizzato.find('\\') != std::string::npos || HaLetteraDiUnita(memorizzato);
    if (straniero || Esiste(candidato)) return candidato;
    return memorizzato;
}

std::int32_t FormatoSistema()
{
    return Formato();
}
void ImpostaFormatoSistema(std::int32_t formato)
{
    Formato() = formato;
}

}  // namespace morella
