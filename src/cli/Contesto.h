// What every command of morella-cli shares: the global options, the JSON switch, the
// progress bar on a terminal, and the way results and failures leave the program.
#pragma once

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>

#include "Accorpamento.h"
#include "ListaColonne.h"

namespace morella::cli {

struct TContesto {
    std::string directory;  // --dir
    std::string gioco = "totip";
    bool json = false;
};

// A progress line on stderr, drawn only when stderr is a terminal.
class TBarraProgresso : public TOsservatoreAccorpamento {
   public:
    explicit TBarraProgresso(std::string titolo);
    ~TBarraProgresso() override;
    TBarraProgresso(const TBarraProgresso&) = delete;
    TBarraProgresso& operator=(const TBarraProgresso&) = delete;

    void Progresso(int passo, int percentuale) override;
    void Mostra(const std::string& testo, int percentuale);

   private:
    std::string titolo_;
    bool attiva_;
    int ultima_ = -1;
    int ultimoPasso_ = -1;
    std::size_t lunghezza_ = 0;  // of the last line written
};

// Prints the object as one JSON line on stdout.
void StampaJson(const nlohmann::json& j);

// Reads a column file as it stands (no expansion); a partial last record is left out with a
// warning on stderr.
TListaColonne LeggiFileColonne(const std::string& file, bool espandi = false);
// Writes a column file; a failure becomes the program's message.
void ScriviFileColonne(const TListaColonne& lista, const std::string& file);

// A whole number written in plain decimal digits (no sign, no base prefix, nothing after it)
// that fits an int; nothing otherwise.
std::optional<int> NumeroDecimale(const std::string& testo);

// Checks of the options: a file name that is not empty; a count of schedine from 1 up.
extern const CLI::Validator NomeFileNonVuoto;
extern const CLI::Validator NumeroDaUno;

// Seconds from 0 to `massimo` (a finite number: no nan, no inf).
CLI::Validator SecondiFinoA(double massimo);
// A seed: a whole number from 0 to the largest 64-bit one, in decimal digits.
extern const CLI::Validator SemeValido;

// The usage message for a range of schedine outside the n there are.
std::string TestoIntervalloSchedine(int n);

// Each group of commands registers itself on the application.
void RegistraComandiColonne(CLI::App& app, TContesto& contesto);
void RegistraComandiSistema(CLI::App& app, TContesto& contesto);
void RegistraComandoMisura(CLI::App& app, TContesto& contesto);
void RegistraComandoReplay(CLI::App& app, TContesto& contesto);
void RegistraComandiArchivio(CLI::App& app, TContesto& contesto);
void RegistraComandiAnalisi(CLI::App& app, TContesto& contesto);
void RegistraComandoDetta(CLI::App& app, TContesto& contesto);
// Only with the desktop layer (MORELLA_STAMPA_PDF): its Qt printer writes the PDF.
void RegistraComandiStampa(CLI::App& app, TContesto& contesto);

}  // namespace morella::cli
