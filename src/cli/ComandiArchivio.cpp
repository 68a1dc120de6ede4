// archivio (mostra, aggiungi, elimina, ricalcola, esporta, importa) and aggiorna: the contest archive from
// the command line.
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <iostream>
#include <optional>

#include "AggiornamentoArchivio.h"
#include "Archivio.h"
#include "BloccoArchivio.h"
#include "Cartelle.h"
#include "ClientFtpCurl.h"
#include "Configurazione.h"
#include "Contesto.h"
#include "CsvArchivio.h"
#include "EditoreArchivio.h"
#include "Errore.h"
#include "VistaArchivio.h"

namespace morella::cli {

namespace {

namespace fs = std::filesystem;
using TJson = nlohmann::ordered_json;

inline constexpr const char* MessaggioConcorsoAssente = "Il Concorso Non è in Archivio.";

// ---------------------------------------------------------------------------------------
// Loading

// The archive as the commands need it. A missing file is an empty archive only where the
// command may start one (aggiungi). The contests decide whether the load failed: a record cut
// short refuses a change, since saving would drop everything after it, while a database that
// cannot be read does not matter here, because every command that saves rebuilds it first.
void CaricaArchivio(T_Archivio& archivio, T_ImpostazioniRicerca& ricerca, bool mancanteVuoto,
                    bool perModifica)
{
    const std::string cartella = CartellaArchivi();
    const std::string file = T_Archivio::FileArchivio(cartella);
    std::error_code ec;
    if (mancanteVuoto && !fs::exists(file, ec)) {
        // The first contest of a new archive: its folder is made as the program makes any
        // missing working folder; should that fail, the save reports it.
        fs::create_directories(cartella, ec);
        archivio.Svuota();
        return;
    }
    archivio.Carica(cartella, ricerca);  // a file that cannot be opened is the message
    // A rebuilt database is no news; contests cut short are.
    if (archivio.EsitoCaricamento().ConcorsiInteri) return;
    if (perModifica) throw EErrore(MessaggioCaricaArchivio);
    std::cerr << "Attenzione: " << file
              << " termina con un record incompleto; sono mostrati i concorsi letti prima.\n";
}

// ---------------------------------------------------------------------------------------
// archivio mostra

struct TNomeGruppo {
    const char* Breve;
    TGruppoVista Gruppo;
};
constexpr std::array<TNomeGruppo, NumeroGruppiVista> NomiBrevi = {{
    {"segni", TGruppoVista::NumeroSegni},
    {"interruzioni", TGruppoVista::Interruzioni},
    {"pari", TGruppoVista::PariDispari},
    {"simmetrie", TGruppoVista::Simmetrie},
    {"modulo", TGruppoVista::Modulo},
    {"vortici", TGruppoVista::Vortici},
    {"ripetizioni", TGruppoVista::Ripetizioni},
    {"formule", TGruppoVista::FormuleDerivate},
    {"accoppiate", TGruppoVista::Accoppiate},
    {"terzine", TGruppoVista::Terzine},
    {"quartine", TGruppoVista::Quartine},
}};

// Lower case without blanks, so that "Numero Di Segni" and "numerodisegni" are one name.
std::string Chiave(const std::string& testo)
{
    std::string r;
    for (char ch : testo)
        if (ch != ' ') r += static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    return r;
}

// The groups named on the command line: short names or box captions, "tutti", "nessuno".
TGruppiSpuntati GruppiDaNomi(const std::vector<std::string>& nomi)
{
    TGruppiSpuntati gruppi;
    for (const std::string& nome : nomi) {
        const std::string k = Chiave(nome);
        if (k.empty() || k == "nessuno") continue;
        if (k == "tutti") {
            gruppi.set();
            continue;
        }
        bool trovato = false;
        for (const TNomeGruppo& n : NomiBrevi)
            if (k == n.Breve || k == Chiave(DescrizioneGruppo(n.Gruppo).Casella)) {
                Spunta(gruppi, n.Gruppo);
                trovato = true;
            }
        if (!trovato) throw CLI::ValidationError("--gruppi", "gruppo sconosciuto: " + nome);
    }
    return gruppi;
}

std::string Spaziato(const std::string& testo)
{
    const auto inizio = testo.find_first_not_of(' ');
    if (inizio == std::string::npos) return {};
    return testo.substr(inizio, testo.find_last_not_of(' ') - inizio + 1);
}

// A plain table: a line with the groups' box captions, a line with the sub-headings, then
// one line per contest; the columns are as wide as their longest text. The rows are made
// twice, once for the widths and once to print, rather than all kept: memory stays small
// whatever the archive.
void StampaTabella(const std::vector<TGruppoVista>& mostrati, TVistaArchivio& vista,
                   const TGruppiSpuntati& gruppi)
{
    const std::size_t primi = SottotitoliConcorso.size();
    std::vector<std::string> sottotitoli;
    for (const char* s : SottotitoliConcorso) sottotitoli.push_back(Spaziato(s));
    std::vector<std::size_t> gruppoDi(primi, 0);  // 0: the contest block, g + 1: shown group g
    for (std::size_t g = 0; g < mostrati.size(); ++g)
        for (const std::string& s : DescrizioneGruppo(mostrati[g]).Sottotitoli) {
            sottotitoli.push_back(s);
            gruppoDi.push_back(g + 1);
        }

    std::vector<std::size_t> larghezze(sottotitoli.size());
    for (std::size_t j = 0; j < sottotitoli.size(); ++j) larghezze[j] = sottotitoli[j].size();
    for (int i = 0; i < vista.NumeroRighe(); ++i) {
        const std::vector<std::string> celle = vista.Riga(i, gruppi).Celle();
        for (std::size_t j = 0; j < larghezze.size(); ++j)
            larghezze[j] = std::max(larghezze[j], celle[j].size());
    }
    // A caption wider than its group widens the group's last column.
    for (std::size_t g = 0; g < mostrati.size(); ++g) {
        std::size_t larghezza = 0, ultima = 0;
        for (std::size_t j = 0; j < larghezze.size(); ++j)
            if (gruppoDi[j] == g + 1) {
                larghezza += larghezze[j] + (larghezza > 0 ? 1 : 0);
                ultima = j;
            }
        const std::size_t casella = DescrizioneGruppo(mostrati[g]).Casella.size();
        if (casella > larghezza) larghezze[ultima] += casella - larghezza;
    }

    auto riga = [&](const std::vector<std::string>& testi, bool aSinistra) {
        std::string linea;
        for (std::size_t j = 0; j < testi.size(); ++j) {
            if (j > 0) linea += gruppoDi[j] != gruppoDi[j - 1] ? " | " : " ";
            const std::string& t = testi[j];
            const std::string spazio(larghezze[j] - std::min(larghezze[j], t.size()), ' ');
            linea += (aSinistra || j == 2) ? t + spazio : spazio + t;
        }
        while (!linea.empty() && linea.back() == ' ') linea.pop_back();
        std::cout << linea << "\n";
    };

    if (!mostrati.empty()) {
        std::string linea;
        std::size_t j = 0;
        std::size_t blocco = 0;
        for (; j < primi; ++j) blocco += larghezze[j] + (j > 0 ? 1 : 0);
        linea += std::string(blocco, ' ');
        for (std::size_t g = 0; g < mostrati.size(); ++g) {
            std::size_t larghezza = 0;
            for (; j < larghezze.size() && gruppoDi[j] == g + 1; ++j)
                larghezza += larghezze[j] + (larghezza > 0 ? 1 : 0);
            const std::string& casella = DescrizioneGruppo(mostrati[g]).Casella;
            linea += " | " + casella + std::string(larghezza - std::min(larghezza, casella.size()), ' ');
        }
        while (!linea.empty() && linea.back() == ' ') linea.pop_back();
        std::cout << linea << "\n";
    }
    riga(sottotitoli, false);
    for (int i = 0; i < vista.NumeroRighe(); ++i) riga(vista.Riga(i, gruppi).Celle(), false);
}

void Mostra(const TContesto& ctx, const std::vector<std::string>& nomi, bool conGruppi)
{
    T_Archivio archivio;
    T_ImpostazioniRicerca ricerca;
    CaricaArchivio(archivio, ricerca, false, false);
    TGruppiSpuntati gruppi;
    if (conGruppi)
        gruppi = GruppiDaNomi(nomi);
    else
        gruppi.set();
    const std::vector<TGruppoVista> mostrati = GruppiMostrati(gruppi);

    TVistaArchivio vista(archivio);
    if (!ctx.json) {
        StampaTabella(mostrati, vista, gruppi);
        return;
    }
    // One row at a time straight to the output: the JSON of a large archive is never
    // held whole.
    TJson descrizioni = TJson::array();
    for (TGruppoVista g : mostrati) {
        const TDescrizioneGruppo& d = DescrizioneGruppo(g);
        descrizioni.push_back({{"casella", d.Casella},
                               {"titolo", d.Titolo},
                               {"didascalie", d.Didascalie},
                               {"sottotitoli", d.Sottotitoli}});
    }
    std::cout << "{\"gruppi\":" << descrizioni.dump() << ",\"righe\":[";
    for (int i = 0; i < vista.NumeroRighe(); ++i) {
        const TRigaVista r = vista.Riga(i, gruppi);
        const T_Concorso& c = archivio.Concorso(i);
        TJson valori = TJson::object();
        for (std::size_t g = 0; g < mostrati.size(); ++g)
            valori[DescrizioneGruppo(mostrati[g]).Casella] = r.Valori[g];
        const TJson riga = {{"anno", c.Stagione},
                            {"numero", c.Numero},
                            {"colonna", r.Colonna},
                            {"completo", r.Completo},
                            {"valori", std::move(valori)}};
        std::cout << (i > 0 ? "," : "") << riga.dump();
    }
    std::cout << "]}\n";
}

// ---------------------------------------------------------------------------------------
// archivio aggiungi / elimina / ricalcola

// The editor's questions on the command line: an information box is kept to become the
// command's failure message, deleting is what the command asked for, and replacing an
// older contest with the same season and number happens only with --sostituisci.
class TDomandaComando final : public TDomanda {
   public:
    explicit TDomandaComando(bool sostituisci) : sostituisci_(sostituisci) {}

    int Chiedi(const std::string& /*titolo*/, const std::string& testo, int pulsanti) override
    {
        if (testo == DomandaSostituisciConcorso) {
            sostituzioneChiesta = true;
            return (sostituisci_ ? PulsanteSi : PulsanteNo) & pulsanti;
        }
        if (testo == DomandaEliminaConcorso) return PulsanteSi & pulsanti;
        informazione = testo;
        return PulsanteOk & pulsanti;
    }

    std::string informazione;
    bool sostituzioneChiesta = false;

   private:
    bool sostituisci_;
};

// Why the editor refused to confirm, as the command's failure.
[[noreturn]] void Rifiutato(const TDomandaComando& domanda)
{
    if (!domanda.informazione.empty()) throw EErrore(domanda.informazione);
    if (domanda.sostituzioneChiesta)
        throw EErrore(std::string(DomandaSostituisciConcorso) + " No (--sostituisci per sostituirlo).");
    throw EErrore(MessaggioSalvaModifiche);
}

// A number typed for the editor, blanks ignored; nothing when it is not one.
std::optional<int> Intero(const std::string& testo)
{
    int valore = 0, cifre = 0;
    for (char ch : testo) {
        if (ch == ' ') continue;
        if (!std::isdigit(static_cast<unsigned char>(ch)) || ++cifre > 6) return std::nullopt;
        valore = valore * 10 + (ch - '0');
    }
    if (cifre == 0) return std::nullopt;
    return valore;
}

int IndiceConcorso(const T_Archivio& archivio, int stagione, int numero)
{
    for (int i = 0; i < archivio.NumeroConcorsi(); ++i)
        if (archivio.Concorso(i).Stagione == stagione && archivio.Concorso(i).Numero == numero) return i;
    return -1;
}

void Aggiungi(const TContesto& ctx, const std::string& anno, const std::string& numero,
              const std::string& colonna, bool sostituisci)
{
    // From the reading to the saving no other writer may touch the archive.
    std::error_code ec;  // a new archive's folder; should it fail, the save says so
    fs::create_directories(CartellaArchivi(), ec);
    TBloccoArchivio blocco(CartellaArchivi());
    T_Archivio archivio;
    T_ImpostazioniRicerca ricerca;
    CaricaArchivio(archivio, ricerca, true, true);
    TDomandaComando domanda(sostituisci);
    TEditoreArchivio editore(archivio, ricerca, domanda);
    const bool vuoto = archivio.Vuoto();
    editore.Apri();
    // An empty archive already has its one new contest on show; otherwise the editor's
    // "Aggiungi" appends one after storing the last contest as it stands.
    if (!vuoto && !editore.Aggiungi()) {
        // Not the contest typed: say which one stands in the way.
        const T_Concorso& ultimo = archivio.Ultimo();
        try {
            Rifiutato(domanda);
        } catch (const EErrore& e) {
            throw EErrore("Concorso " + std::to_string(ultimo.Stagione) + "/" +
                          std::to_string(ultimo.Numero) + " (l'ultimo in archivio): " + e.what());
        }
    }
    editore.ImpostaStagione(anno);
    editore.ImpostaNumero(numero);
    editore.ImpostaColonna(colonna);
    if (!editore.Conferma()) Rifiutato(domanda);

    const int stagione = Intero(anno).value_or(0), n = Intero(numero).value_or(0);
    const int indice = IndiceConcorso(archivio, stagione, n);
    const std::string testo = indice >= 0 ? TestoColonnaVista(archivio.Concorso(indice).ColonnaVincente) : "";
    const bool sostituito = domanda.sostituzioneChiesta && sostituisci;
    if (ctx.json) {
        StampaJson({{"anno", stagione},
                    {"numero", n},
                    {"colonna", testo},
                    {"sostituito", sostituito},
                    {"concorsi", archivio.NumeroConcorsi()}});
        return;
    }
    std::cout << "Concorso " << stagione << "/" << n << (sostituito ? " sostituito: " : " aggiunto: ")
              << testo << " (" << archivio.NumeroConcorsi() << " concorsi in archivio)\n";
}

void Elimina(const TContesto& ctx, int anno, int numero)
{
    // From the reading to the saving no other writer may touch the archive.
    TBloccoArchivio blocco(CartellaArchivi());
    T_Archivio archivio;
    T_ImpostazioniRicerca ricerca;
    CaricaArchivio(archivio, ricerca, false, true);
    const int indice = IndiceConcorso(archivio, anno, numero);
    if (indice < 0) throw EErrore(MessaggioConcorsoAssente);
    TDomandaComando domanda(false);
    TEditoreArchivio editore(archivio, ricerca, domanda);
    editore.Apri();
    editore.Esamina(indice);
    if (!editore.Elimina()) Rifiutato(domanda);
    // Confirming stores the contest now on show, the next one (or, when the list became
    // empty, the new one the editor put in its place), as it stands.
    if (!editore.Conferma()) Rifiutato(domanda);
    if (ctx.json) {
        StampaJson({{"anno", anno}, {"numero", numero}, {"concorsi", archivio.NumeroConcorsi()}});
        return;
    }
    std::cout << "Concorso " << anno << "/" << numero << " eliminato (" << archivio.NumeroConcorsi()
              << " concorsi in archivio)\n";
}

void Ricalcola(const TContesto& ctx)
{
    // From the reading to the saving no other writer may touch the archive.
    TBloccoArchivio blocco(CartellaArchivi());
    T_Archivio archivio;
    T_ImpostazioniRicerca ricerca;
    CaricaArchivio(archivio, ricerca, false, true);
    // The database on disk describes the whole archive, as after the editor's changes.
    ricerca.TuttoLArchivio(archivio);
    archivio.RicalcolaDataBase();
    if (!archivio.Salva(CartellaArchivi())) throw EErrore(MessaggioSalvaModifiche);
    if (ctx.json) {
        StampaJson({{"concorsi", archivio.NumeroConcorsi()}});
        return;
    }
    std::cout << "DataBase ricalcolato su " << archivio.NumeroConcorsi() << " concorsi\n";
}

// ---------------------------------------------------------------------------------------
// archivio esporta / importa

void Esporta(const TContesto& ctx, const std::string& file, bool puntoEVirgola)
{
    T_Archivio archivio;
    T_ImpostazioniRicerca ricerca;
    CaricaArchivio(archivio, ricerca, false, true);
    EsportaCsvArchivio(archivio, file, puntoEVirgola ? ';' : ',');
    if (ctx.json) {
        StampaJson({{"file", file}, {"concorsi", archivio.NumeroConcorsi()}});
        return;
    }
    std::cout << archivio.NumeroConcorsi() << " concorsi esportati in " << file << "\n";
}

void Importa(const TContesto& ctx, const std::string& file, bool sostituisci)
{
    const int concorsi = ImportaCsvArchivio(CartellaArchivi(), file, sostituisci);
    if (ctx.json) {
        StampaJson({{"file", file}, {"sostituito", sostituisci}, {"concorsi", concorsi}});
        return;
    }
    std::cout << "Archivio " << (sostituisci ? "sostituito" : "aggiornato") << " da " << file << " ("
              << concorsi << " concorsi in archivio)\n";
}

// ---------------------------------------------------------------------------------------
// aggiorna

// The update window on a terminal: the status log and the states on stderr (kept for the
// JSON instead), the progress of the current file as a bar when stderr is a terminal.
class TRegistroAggiornamento final : public TOsservatoreAggiornamento {
   public:
    explicit TRegistroAggiornamento(bool json) : json_(json), terminale_(::isatty(STDERR_FILENO) == 1) {}

    void Stato(const std::string& testo) override
    {
        if (testo.empty()) return;
        stati.push_back(testo);
        Scrivi(testo);
    }
    void NomeFile(const std::string& testo) override { nome_ = testo; }
    void Progresso(int percentuale) override { barra_.Mostra(nome_, percentuale); }
    void RigaRegistro(const std::string& riga) override
    {
        registro.push_back(riga);
        Scrivi(riga);
    }

    // After a failure in JSON mode the log still goes to stderr, before the message.
    void Riversa() const
    {
        for (const std::string& r : registro) std::cerr << r << "\n";
    }

    std::vector<std::string> stati, registro;

   private:
    void Scrivi(const std::string& testo)
    {
        if (json_) return;
        if (terminale_) std::cerr << "\r\033[K";  // over the progress bar
        std::cerr << testo << "\n";
    }

    bool json_;
    bool terminale_;
    std::string nome_;
    TBarraProgresso barra_{"Aggiornamento"};
};

struct TOpzioniAggiorna {
    std::string host, directory, email;
    int porta = PortaFtpPredefinita;
};

void Aggiorna(const TContesto& ctx, const TOpzioniAggiorna& o, const CLI::App& comando)
{
    // The connection settings of the configuration, overridden for this run only: nothing is
    // written back to Morella.cfg.
    TConfigurazione configurazione;
    LeggiConfigurazione(configurazione, FileConfigurazione());
    if (comando.count("--host") > 0) configurazione.HostFtp = o.host;
    if (comando.count("--directory") > 0) configurazione.DirectoryFtp = o.directory;
    if (comando.count("--email") > 0) configurazione.IndirizzoPosta = o.email;

    TClientFtpCurl client;
    TRegistroAggiornamento registro(ctx.json);
    TOpzioniAggiornamento opzioni;
    opzioni.Porta = o.porta;
    try {
        AggiornaArchivio(configurazione, client, registro, opzioni);
    } catch (const EErrore&) {
        if (ctx.json) registro.Riversa();
        throw;
    }
    if (ctx.json) {
        StampaJson({{"esito", MessaggioAggiornamentoCompletato},
                    {"host", configurazione.HostFtp},
                    {"porta", o.porta},
                    {"directory", configurazione.DirectoryFtp},
                    {"stati", registro.stati},
                    {"registro", registro.registro}});
        return;
    }
    std::cout << MessaggioAggiornamentoCompletato << "\n";
}

}  // namespace

void RegistraComandiArchivio(CLI::App& app, TContesto& ctx)
{
    auto* archivio =
        app.add_subcommand("archivio", "L'archivio dei concorsi: visualizzazione e aggiornamento");
    archivio->require_subcommand(1);

    static std::vector<std::string> gruppi;
    auto* mostra = archivio->add_subcommand(
        "mostra",
        "Ogni concorso con i valori delle condizioni sulla colonna vincente (Visualizzazione Archivio)");
    auto* opzioneGruppi =
        mostra
            ->add_option(
                "--gruppi", gruppi,
                "Gruppi da mostrare, separati da virgole: segni, interruzioni, pari, simmetrie, modulo, "
                "vortici, ripetizioni, formule, accoppiate, terzine, quartine (o le didascalie delle "
                "caselle), tutti, nessuno; senza l'opzione tutti")
            ->delimiter(',');
    mostra->add_flag("--json", ctx.json, "Risultato in JSON");
    mostra->callback([&ctx, opzioneGruppi] { Mostra(ctx, gruppi, opzioneGruppi->count() > 0); });

    static std::string anno, numero, colonna;
    static bool sostituisci = false;
    auto* aggiungi = archivio->add_subcommand("aggiungi", "Aggiunge un concorso e salva l'archivio");
    aggiungi->add_option("ANNO", anno, "Stagione (1930..2099)")->required();
    aggiungi->add_option("NUMERO", numero, "Numero del concorso (1..99)")->required();
    aggiungi->add_option("COLONNA", colonna, "Colonna vincente: 1, X, 2 oppure * per evento")->required();
    aggiungi->add_flag("--sostituisci", sostituisci,
                       "Sostituisce il concorso con la stessa stagione e lo stesso numero (senza: rifiuta)");
    aggiungi->add_flag("--json", ctx.json, "Risultato in JSON");
    aggiungi->callback([&ctx] { Aggiungi(ctx, anno, numero, colonna, sostituisci); });

    static int annoElimina = 0, numeroElimina = 0;
    auto* elimina = archivio->add_subcommand("elimina", "Elimina un concorso e salva l'archivio");
    elimina->add_option("ANNO", annoElimina, "Stagione")->required();
    elimina->add_option("NUMERO", numeroElimina, "Numero del concorso")->required();
    elimina->add_flag("--json", ctx.json, "Risultato in JSON");
    elimina->callback([&ctx] { Elimina(ctx, annoElimina, numeroElimina); });

    auto* ricalcola = archivio->add_subcommand("ricalcola", "Ricalcola il DataBase dell'archivio e lo salva");
    ricalcola->add_flag("--json", ctx.json, "Risultato in JSON");
    ricalcola->callback([&ctx] { Ricalcola(ctx); });

    static std::string fileEsporta, fileImporta;
    static bool puntoEVirgola = false, sostituisciTutto = false;
    auto* esporta =
        archivio->add_subcommand("esporta", "Scrive l'archivio in un file CSV (una riga per concorso)");
    esporta->add_option("--csv", fileEsporta, "File CSV da scrivere")->required();
    esporta->add_flag("--punto-e-virgola", puntoEVirgola, "Campi separati da ';' invece che da ','");
    esporta->add_flag("--json", ctx.json, "Risultato in JSON");
    esporta->callback([&ctx] { Esporta(ctx, fileEsporta, puntoEVirgola); });
    auto* importa = archivio->add_subcommand(
        "importa",
        "Legge i concorsi di un file CSV, li unisce all'archivio e lo salva (una riga errata: nulla cambia)");
    importa->add_option("--csv", fileImporta, "File CSV da leggere (separatore ',' o ';')")->required();
    importa->add_flag("--sostituisci", sostituisciTutto,
                      "L'archivio diventa esattamente il contenuto del file");
    importa->add_flag("--json", ctx.json, "Risultato in JSON");
    importa->callback([&ctx] { Importa(ctx, fileImporta, sostituisciTutto); });

    static TOpzioniAggiorna opzioni;
    auto* aggiorna = app.add_subcommand("aggiorna", "Aggiorna i file dell'archivio dal server FTP");
    aggiorna->add_option("--host", opzioni.host, "Nome dell'host (predefinito: quello della configurazione)");
    aggiorna->add_option("--porta", opzioni.porta, "Porta del server (predefinita 21)")
        ->check(CLI::Range(1, 65535));
    aggiorna->add_option("--directory", opzioni.directory, "Directory degli archivi sul server");
    aggiorna->add_option("--email", opzioni.email, "Indirizzo di posta elettronica (la password anonima)");
    aggiorna->add_flag("--json", ctx.json, "Risultato in JSON");
    aggiorna->callback([&ctx, aggiorna] { Aggiorna(ctx, opzioni, *aggiorna); });
}

}  // namespace morella::cli
