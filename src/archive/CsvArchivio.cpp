#include "CsvArchivio.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <map>
#include <optional>

#include "BloccoArchivio.h"
#include "EditoreArchivio.h"
#include "Errore.h"
#include "FileBinario.h"
#include "Gioco.h"
#include "Segni.h"

namespace morella {

namespace {

constexpr const char* MessaggioCorsaPiuNonValida = "I Cavalli Della Corsa + Non Sono Validi.";
constexpr const char* MessaggioCompletoNonValido =
    "Il Campo Completo Vale 0 Oppure 1, e 1 Solo Per Una Colonna Con Tutti i Segni.";

bool ConCorsaPiu()
{
    return Gioco == GiocoTotip;
}

std::vector<std::string> NomiCampi()
{
    std::vector<std::string> nomi = {"Stagione", "Numero"};
    for (int i = 1; i <= NumEvents; ++i) nomi.push_back("Evento " + std::to_string(i));
    if (ConCorsaPiu()) nomi.emplace_back("Corsa +");
    nomi.emplace_back("Completo");
    return nomi;
}

std::string Unisci(const std::vector<std::string>& campi, char separatore)
{
    std::string riga;
    for (std::size_t i = 0; i < campi.size(); ++i) {
        if (i > 0) riga += separatore;
        riga += campi[i];
    }
    return riga;
}

std::string Spazi(std::string_view testo)
{
    const auto inizio = testo.find_first_not_of(" \t");
    if (inizio == std::string_view::npos) return {};
    return std::string(testo.substr(inizio, testo.find_last_not_of(" \t") - inizio + 1));
}

// The fields of one line: a field may be in double quotes ("" inside is one quote).
std::vector<std::string> Campi(std::string_view riga, char separatore)
{
    std::vector<std::string> campi;
    std::string campo;
    bool virgolette = false, citato = false;
    for (std::size_t i = 0; i < riga.size(); ++i) {
        const char ch = riga[i];
        if (virgolette) {
            if (ch == '"' && i + 1 < riga.size() && riga[i + 1] == '"') {
                campo += '"';
                ++i;
            } else if (ch == '"') {
                virgolette = false;
            } else {
                campo += ch;
            }
        } else if (ch == '"' && Spazi(campo).empty()) {
            campo.clear();
            virgolette = citato = true;
        } else if (ch == separatore) {
            campi.push_back(citato ? campo : Spazi(campo));
            campo.clear();
            citato = false;
        } else {
            campo += ch;
        }
    }
    campi.push_back(citato ? campo : Spazi(campo));
    return campi;
}

std::optional<int> Intero(const std::string& testo)
{
    if (testo.empty() || testo.size() > 6) return std::nullopt;
    int valore = 0;
    for (char ch : testo) {
        if (!std::isdigit(static_cast<unsigned char>(ch))) return std::nullopt;
        valore = valore * 10 + (ch - '0');
    }
    return valore;
}

std::optional<TSegni> Segno(const std::string& testo)
{
    if (testo == "1") return Segno1;
    if (testo == "X" || testo == "x") return SegnoX;
    if (testo == "2") return Segno2;
    if (testo == "*") return TSegni{0};
    return std::nullopt;
}

std::string TestoCorsaPiu(TMascheraCorsaPiu maschera)
{
    std::string testo;
    for (int cavallo = 1; cavallo <= 16; ++cavallo)
        if ((maschera >> (cavallo - 1)) & 1u) testo += (testo.empty() ? "" : " ") + std::to_string(cavallo);
    return testo;
}

std::optional<TMascheraCorsaPiu> CorsaPiuDaTesto(const std::string& testo)
{
    unsigned maschera = 0;
    std::string numero;
    auto prendi = [&]() -> bool {
        if (numero.empty()) return true;
        const std::optional<int> n = Intero(numero);
        numero.clear();
        if (!n || *n < 1 || *n > 16) return false;
        maschera |= 1u << (*n - 1);
        return true;
    };
    for (char ch : testo) {
        if (ch == ' ') {
            if (!prendi()) return std::nullopt;
        } else {
            numero += ch;
        }
    }
    if (!prendi()) return std::nullopt;
    return static_cast<TMascheraCorsaPiu>(maschera);
}

[[noreturn]] void RigaErrata(std::size_t riga, const std::string& campo, const std::string& messaggio)
{
    std::string testo = "Riga " + std::to_string(riga);
    if (!campo.empty()) testo += ", campo \"" + campo + "\"";
    throw EErrore(testo + ": " + messaggio);
}

T_Concorso ConcorsoDaCampi(const std::vector<std::string>& campi, const std::vector<std::string>& nomi,
                           std::size_t riga)
{
    T_Concorso c;
    const std::optional<int> stagione = Intero(campi[0]);
    if (!stagione || *stagione < StagioneMinimaEditor || *stagione > StagioneMassimaEditor)
        RigaErrata(riga, nomi[0], MessaggioStagioneNonValida);
    const std::optional<int> numero = Intero(campi[1]);
    if (!numero || *numero < NumeroMinimoConcorso || *numero > NumeroMassimoConcorso)
        RigaErrata(riga, nomi[1], MessaggioNumeroNonValido);
    c.Stagione = *stagione;
    c.Numero = static_cast<std::uint8_t>(*numero);
    std::size_t k = 2;
    for (int i = 0; i < NumEvents; ++i, ++k) {
        const std::optional<TSegni> s = Segno(campi[k]);
        if (!s) RigaErrata(riga, nomi[k], MessaggioColonnaVincenteNonValida);
        c.ColonnaVincente[static_cast<std::size_t>(i)] = *s;
    }
    if (ConCorsaPiu()) {
        const std::optional<TMascheraCorsaPiu> m = CorsaPiuDaTesto(campi[k]);
        if (!m) RigaErrata(riga, nomi[k], MessaggioCorsaPiuNonValida);
        c.ColonnaVincente.ImpostaCorsaPiu(*m);
        ++k;
    }
    if (campi[k] != "0" && campi[k] != "1") RigaErrata(riga, nomi[k], MessaggioCompletoNonValido);
    c.Completo = campi[k] == "1" ? 1 : 0;
    if (c.Completo == 1 && !c.ColonnaCompleta()) RigaErrata(riga, nomi[k], MessaggioCompletoNonValido);
    return c;
}

std::string Chiave(const T_Concorso& c)
{
    return std::to_string(c.Stagione) + "/" + std::to_string(c.Numero);
}

}  // namespace

std::string IntestazioneCsvArchivio(char separatore)
{
    return Unisci(NomiCampi(), separatore);
}

std::string TestoCsvArchivio(const std::vector<T_Concorso>& concorsi, char separatore)
{
    std::string testo = IntestazioneCsvArchivio(separatore) + "\r\n";
    testo.reserve(testo.size() + concorsi.size() * static_cast<std::size_t>(2 * NumEvents + 20));
    for (const T_Concorso& c : concorsi) {
        testo += std::to_string(c.Stagione);
        testo += separatore;
        testo += std::to_string(c.Numero);
        for (int i = 0; i < NumEvents; ++i) {
            const TSegni s = c.ColonnaVincente[static_cast<std::size_t>(i)] & MascheraSegni;
            testo += separatore;
            testo += EUnSingolo(s) ? TestoSegni(s) : std::string("*");
        }
        if (ConCorsaPiu()) {
            testo += separatore;
            testo += TestoCorsaPiu(c.ColonnaVincente.CorsaPiu());
        }
        testo += separatore;
        testo += c.Completo != 0 && c.ColonnaCompleta() ? '1' : '0';
        testo += "\r\n";
    }
    return testo;
}

std::vector<T_Concorso> LeggiCsvArchivio(std::string_view testo)
{
    if (testo.starts_with("\xEF\xBB\xBF")) testo.remove_prefix(3);
    const std::vector<std::string> nomi = NomiCampi();
    std::vector<T_Concorso> concorsi;
    std::map<std::string, std::size_t> righe;  // contest -> the row that gave it
    char separatore = 0;
    std::size_t numeroRiga = 0;
    while (!testo.empty()) {
        const std::size_t fine = testo.find('\n');
        std::string_view riga = testo.substr(0, fine);
        testo.remove_prefix(fine == std::string_view::npos ? testo.size() : fine + 1);
        ++numeroRiga;
        if (riga.ends_with('\r')) riga.remove_suffix(1);
        if (Spazi(riga).empty()) continue;
        if (separatore == 0) {
            // The header says which separator the file uses.
            separatore = riga.find(';') != std::string_view::npos ? ';' : ',';
            const std::vector<std::string> intestazione = Campi(riga, separatore);
            if (intestazione.size() != nomi.size() || Intero(intestazione[0]))
                RigaErrata(numeroRiga, "",
                           "manca l'intestazione di " + std::to_string(nomi.size()) +
                               " campi: " + IntestazioneCsvArchivio(separatore));
            continue;
        }
        const std::vector<std::string> campi = Campi(riga, separatore);
        if (campi.size() != nomi.size())
            RigaErrata(
                numeroRiga, "",
                "ha " + std::to_string(campi.size()) + " campi invece di " + std::to_string(nomi.size()));
        T_Concorso c = ConcorsoDaCampi(campi, nomi, numeroRiga);
        const auto [it, nuovo] = righe.emplace(Chiave(c), numeroRiga);
        if (!nuovo)
            RigaErrata(numeroRiga, "",
                       "il concorso " + Chiave(c) + " compare già alla riga " + std::to_string(it->second));
        if (concorsi.size() >= static_cast<std::size_t>(MassimoConcorsiArchivio))
            RigaErrata(numeroRiga, "",
                       "un archivio non supera " + std::to_string(MassimoConcorsiArchivio) + " concorsi");
        concorsi.push_back(c);
    }
    if (separatore == 0) throw EErrore(std::string(MessaggioLetturaCsv) + " Il file è vuoto.");
    return concorsi;
}

void UnisciConcorsi(T_Archivio& archivio, std::vector<T_Concorso> concorsi, bool sostituisci)
{
    if (sostituisci && concorsi.empty()) throw EErrore(MessaggioCsvSenzaConcorsi);
    std::stable_sort(concorsi.begin(), concorsi.end(), PrecedeConcorso);
    std::vector<T_Concorso> risultato;
    if (sostituisci) {
        risultato = std::move(concorsi);
    } else {
        // Both lists are in order: one pass, the file's contest winning a tie.
        const std::vector<T_Concorso>& vecchi = archivio.Concorsi();
        risultato.reserve(vecchi.size() + concorsi.size());
        std::size_t i = 0, j = 0;
        while (i < vecchi.size() || j < concorsi.size()) {
            if (j == concorsi.size() || (i < vecchi.size() && PrecedeConcorso(vecchi[i], concorsi[j]))) {
                risultato.push_back(vecchi[i++]);
            } else {
                if (i < vecchi.size() && StessoConcorso(vecchi[i], concorsi[j])) ++i;
                risultato.push_back(concorsi[j++]);
            }
        }
    }
    if (risultato.size() > static_cast<std::size_t>(MassimoConcorsiArchivio))
        throw EErrore("Un archivio non supera " + std::to_string(MassimoConcorsiArchivio) + " concorsi.");
    archivio.Svuota();
    for (const T_Concorso& c : risultato) archivio.Aggiungi(c);
}

void EsportaCsvArchivio(const T_Archivio& archivio, const std::string& file, char separatore)
{
    const std::string testo = TestoCsvArchivio(archivio.Concorsi(), separatore);
    if (!SalvaSicuro(file, reinterpret_cast<const std::uint8_t*>(testo.data()), testo.size()))
        throw EErrore(MessaggioScritturaCsv);
}

std::vector<T_Concorso> CaricaCsvArchivio(const std::string& file)
{
    std::optional<TLettoreBinario> lettore = TLettoreBinario::Apri(file, DimensioneMassimaCsv);
    if (!lettore) throw EErrore(MessaggioLetturaCsv);
    return LeggiCsvArchivio(
        std::string_view(reinterpret_cast<const char*>(lettore->Corrente()), lettore->Dimensione()));
}

int ImportaCsvArchivio(const std::string& cartellaArchivi, const std::string& file, bool sostituisci)
{
    std::vector<T_Concorso> concorsi = CaricaCsvArchivio(file);
    std::error_code ec;  // a new archive's folder; should it fail, the save says so
    std::filesystem::create_directories(cartellaArchivi, ec);
    TBloccoArchivio blocco(cartellaArchivi);
    T_Archivio archivio;
    if (std::filesystem::exists(T_Archivio::FileArchivio(cartellaArchivi), ec)) {
        archivio.Carica(cartellaArchivi);
        // Saving over contests that could not all be read would drop the rest.
        if (!archivio.EsitoCaricamento().ConcorsiInteri) throw EErrore(MessaggioCaricaArchivio);
    }
    UnisciConcorsi(archivio, std::move(concorsi), sostituisci);
    archivio.RicalcolaDataBase();
    if (!archivio.Salva(cartellaArchivi)) throw EErrore(MessaggioSalvaModifiche);
    return archivio.NumeroConcorsi();
}

}  // namespace morella
