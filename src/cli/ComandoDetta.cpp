// The dictation without a sound card: the words the player would say for a range of the
// schedine of a column file, with the stretch of the voice file each one plays.
#include <iostream>

#include "Contesto.h"
#include "SimulazioneDettatura.h"

namespace morella::cli {

namespace {

void Detta(const TContesto& ctx, const std::string& file, int da, int a, bool perRighe)
{
    const std::vector<TSchedinaVin> schedine = CostruisciSchedine(LeggiFileColonne(file));
    const int n = static_cast<int>(schedine.size());
    if (a == 0) a = n;
    if (n > 0 && (da < 1 || da > n || a < da || a > n))
        throw CLI::ValidationError(
            "--da/--a", "le schedine vanno da 1 a " + std::to_string(n) + " e --a non precede --da");
    const auto parole = SimulaDettatura(schedine, da, a,
                                        perRighe ? TOrdineDettatura::PerRighe : TOrdineDettatura::PerColonne);
    if (ctx.json) {
        nlohmann::json lista = nlohmann::json::array();
        for (const TParolaDetta& p : parole)
            lista.push_back({{"parola", p.parola},
                             {"da", p.tratto.da},
                             {"a", p.tratto.a},
                             {"schedina", p.schedina},
                             {"colonna", p.cella.colonna},
                             {"evento", p.cella.evento}});
        StampaJson({{"schedine", n}, {"ordine", perRighe ? "righe" : "colonne"}, {"parole", lista}});
        return;
    }
    for (const TParolaDetta& p : parole)
        std::cout << p.parola << " " << p.tratto.da << " " << p.tratto.a << "\n";
}

}  // namespace

void RegistraComandoDetta(CLI::App& app, TContesto& ctx)
{
    static std::string file;
    static int da = 1, a = 0;
    static bool perRighe = false;
    auto* detta = app.add_subcommand(
        "detta", "Le parole che la dettatura a voce direbbe, con i loro tratti del file vocale");
    detta->add_option("IN", file, "File colonnare da dettare")->required();
    detta->add_option("--da", da, "Dalla schedina (1)");
    detta->add_option("--a", a, "Alla schedina (l'ultima)");
    detta->add_flag("--righe", perRighe, "Dettatura per righe invece che per colonne");
    detta->add_flag("--json", ctx.json, "Risultato in JSON");
    detta->callback([&ctx] { Detta(ctx, file, da, a, perRighe); });
}

}  // namespace morella::cli
