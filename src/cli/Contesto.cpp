#include "Contesto.h"

#include <unistd.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <iostream>
#include <sstream>

#include "Errore.h"
#include "FileColonne.h"

namespace morella::cli {

TBarraProgresso::TBarraProgresso(std::string titolo)
    : titolo_(std::move(titolo)), attiva_(::isatty(STDERR_FILENO) == 1)
{
}

TBarraProgresso::~TBarraProgresso()
{
    if (attiva_ && ultima_ >= 0) std::cerr << "\r\033[K" << std::flush;
}

void TBarraProgresso::Mostra(const std::string& testo, int percentuale)
{
    if (!attiva_ || percentuale == ultima_) return;
    ultima_ = percentuale;
    const int larghezza = 30;
    int pieni = percentuale * larghezza / 100;
    std::string riga = titolo_ + " " + testo + " [" + std::string(static_cast<std::size_t>(pieni), '#') +
                       std::string(static_cast<std::size_t>(larghezza - pieni), ' ') + "] " +
                       std::to_string(percentuale) + "%";
    // A shorter line than the last one blanks what would be left of it.
    const std::size_t lunghezza = riga.size();
    if (lunghezza < lunghezza_) riga.append(lunghezza_ - lunghezza, ' ');
    lunghezza_ = lunghezza;
    std::cerr << "\r" << riga << std::flush;
}

void TBarraProgresso::Progresso(int passo, int percentuale)
{
    if (passo != ultimoPasso_) {
        ultimoPasso_ = passo;
        ultima_ = -1;
    }
    Mostra("Passo " + std::to_string(passo), percentuale);
}

std::optional<int> NumeroDecimale(const std::string& testo)
{
    if (testo.empty() || testo.find_first_not_of("0123456789") != std::string::npos) return std::nullopt;
    int valore = 0;
    const auto [fine, errore] = std::from_chars(testo.data(), testo.data() + testo.size(), valore);
    if (errore != std::errc{} || fine != testo.data() + testo.size()) return std::nullopt;
    return valore;
}

const CLI::Validator NomeFileNonVuoto(
    [](std::string& s) {
        return s.empty() ? std::string("il nome del file non può essere vuoto") : std::string();
    },
    "FILE");

const CLI::Validator NumeroDaUno(
    [](std::string& s) {
        const auto n = NumeroDecimale(s);
        return n && *n >= 1 ? std::string() : "le schedine si contano da 1 in su: " + s + " non è valido";
    },
    "NUMERO");

CLI::Validator SecondiFinoA(double massimo)
{
    return CLI::Validator(
        [massimo](std::string& s) {
            double valore = -1;
            const auto [fine, errore] = std::from_chars(s.data(), s.data() + s.size(), valore);
            if (errore == std::errc{} && fine == s.data() + s.size() && std::isfinite(valore) &&
                valore >= 0 && valore <= massimo)
                return std::string();
            std::ostringstream testo;
            testo << "i secondi vanno da 0 a " << massimo << ": " << s << " non è valido";
            return testo.str();
        },
        "SECONDI");
}

const CLI::Validator SemeValido(
    [](std::string& s) {
        std::uint64_t valore = 0;
        const auto [fine, errore] = std::from_chars(s.data(), s.data() + s.size(), valore);
        if (!s.empty() && s.find_first_not_of("0123456789") == std::string::npos && errore == std::errc{} &&
            fine == s.data() + s.size())
            return std::string();
        return "il seme è un numero intero da 0 a " + std::to_string(UINT64_MAX) + ": " + s + " non è valido";
    },
    "SEME");

std::string TestoIntervalloSchedine(int n)
{
    return "le schedine vanno da 1 a " + std::to_string(n) + " e --a non precede --da";
}

void StampaJson(const nlohmann::json& j)
{
    std::cout << j.dump() << "\n";
}

TListaColonne LeggiFileColonne(const std::string& file, bool espandi)
{
    TListaColonne lista;
    if (!CaricaColonne(lista, file, espandi))
        std::cerr << "Attenzione: " << file << " termina con un record incompleto, che non è stato letto.\n";
    return lista;
}

void ScriviFileColonne(const TListaColonne& lista, const std::string& file)
{
    if (!SalvaColonne(lista, file)) throw EErrore("Errore Durante la Scrittura del File Colonnare");
}

}  // namespace morella::cli
