// morella-cli: the headless front end of the program, for scripting, batch work and tests.
// Exit status 0 on success, 1 when the operation failed (the program's message on stderr),
// 2 for a usage error.
#include <csignal>
#include <iostream>
#include <new>

#include "Cartelle.h"
#include "Contesto.h"
#include "Errore.h"
#include "Gioco.h"
#include "SistemaEsempio.h"

namespace {

int Esegui(int argc, char** argv)
{
    using namespace morella;
    cli::TContesto ctx;
    CLI::App app{"Morella: sistemi per Totip, Totocalcio ed Enalotto, dalla riga di comando", "morella-cli"};
    app.require_subcommand(1);
    app.add_option("--dir", ctx.directory,
                   "Directory del programma (cartelle di lavoro, Morella.cfg, archivio)");
    app.add_option("--gioco", ctx.gioco, "Gioco: totip, toto oppure enalotto")
        ->check(CLI::IsMember({"totip", "toto", "enalotto"}, CLI::ignore_case));
    app.add_flag("--json", ctx.json, "Risultato in JSON");
    app.set_help_all_flag("--help-all", "Tutti i comandi con le loro opzioni");

    cli::RegistraComandiColonne(app, ctx);
    cli::RegistraComandiSistema(app, ctx);
    cli::RegistraComandoMisura(app, ctx);
    cli::RegistraComandoReplay(app, ctx);
    cli::RegistraComandiArchivio(app, ctx);
    cli::RegistraComandiAnalisi(app, ctx);
    cli::RegistraComandoDetta(app, ctx);
#ifdef MORELLA_STAMPA_PDF
    cli::RegistraComandiStampa(app, ctx);
#endif

    // The game and the program directory are settled before any command runs.
    app.parse_complete_callback([&ctx] {
        std::string g = ctx.gioco;
        for (char& ch : g) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
        ImpostaGioco(g == "toto" ? GiocoToto : g == "enalotto" ? GiocoEnalotto : GiocoTotip);
        const TDirectoryScelta scelta = PreparaDirectoryProgramma(AvvioCorrente(ctx.directory));
        for (const std::string& errore : scelta.Errori) std::cerr << "Attenzione: " << errore << "\n";
        ImpostaDirectoryProgramma(scelta.Directory);
        // A directory installed or copied without its example gets one that develops into it.
        CreaEsempioSeManca(DirectoryProgramma());
    });

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        int codice = app.exit(e);
        return codice == 0 ? 0 : 2;
    } catch (const EErrore& e) {
        std::cerr << e.what() << "\n";
        return 1;
    }
    return 0;
}

}  // namespace

// The last word on any failure a command did not turn into a message of its own: the
// program's Italian text and exit 1, never an abort with a library's English.
int main(int argc, char** argv)
{
    // A file size limit makes a write fail like a full disk, which every save reports and
    // cleans up after, instead of killing the program with its temporary file left behind.
    std::signal(SIGXFSZ, SIG_IGN);
    try {
        return Esegui(argc, argv);
    } catch (const std::bad_alloc&) {
        std::cerr << "Memoria Esaurita\n";
    } catch (...) {
        std::cerr << "Impossibile Completare L'Operazione\n";
    }
    return 1;
}
