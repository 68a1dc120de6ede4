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
        throw CLI::ValidationError("--da/--a", TestoIntervalloSchedine(n));
    const TOrdineDettatura ordine = perRighe ? TOrdineDettatura::PerRighe : TOrdineDettatura::PerColonne;
    // Each word goes out as it is said: a large file dictates millions of them, and a list
    // of them all (far larger as JSON) could exhaust memory.
    if (!ctx.json) {
        SimulaDettatura(schedine, da, a, ordine, [](const TParolaDetta& p) {
            std::cout << p.parola << ' ' << p.tratto.da << ' ' << p.tratto.a << '\n';
        });
        std::cout << std::flush;
        return;
    }
    // One JSON object, written piece by piece with its keys in the order a whole dump gives.
    // A word is a sign text ("1", "X2", ...): nothing in it needs escaping.
    std::cout << R"({"ordine":)" << nlohmann::json(perRighe ? "righe" : "colonne").dump() << R"(,"parole":[)";
    bool prima = true;
    SimulaDettatura(schedine, da, a, ordine, [&prima](const TParolaDetta& p) {
        std::cout << (prima ? "" : ",") << R"({"a":)" << p.tratto.a << R"(,"colonna":)" << p.cella.colonna
                  << R"(,"da":)" << p.tratto.da << R"(,"evento":)" << p.cella.evento << R"(,"parola":")"
                  << p.parola << R"(","schedina":)" << p.schedina << '}';
        prima = false;
    });
    std::cout << R"(],"schedine":)" << n << "}\n" << std::flush;
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
