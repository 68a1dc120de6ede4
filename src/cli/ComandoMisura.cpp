// misura: the values every whole-column condition kind measures on one column.
#include <iostream>

#include "Contesto.h"
#include "Distribuzione.h"
#include "MisureColonna.h"
#include "TestoColonnaEsteso.h"

namespace morella::cli {

namespace {

nlohmann::json Coppia(const TMisura& m)
{
    return {m.Valore, m.Run};
}
nlohmann::json Terna(const TEsitoVortice& v)
{
    return {v.Posizione, v.Bracci, v.Segno};
}

void Misura(const TContesto& ctx, const std::string& testo)
{
    std::string errore;
    auto c = ColonnaDaTestoEsteso(testo, &errore);
    if (!c) throw CLI::ValidationError("COLONNA", errore);
    for (int i = 0; i < NumEvents; ++i)
        if (!EUnSingolo((*c)[static_cast<std::size_t>(i)]))
            throw CLI::ValidationError("COLONNA", "serve una colonna con un solo segno in ogni evento");
    const TMisureColonna m = MisureColonna(*c);
    nlohmann::json j = {
        {"numero_di_segni",
         {{"1", Coppia(m.NumeroSegni[0])}, {"X", Coppia(m.NumeroSegni[1])}, {"2", Coppia(m.NumeroSegni[2])}}},
        {"pari_e_dispari", {{"pari", Coppia(m.Pari)}, {"dispari", Coppia(m.Dispari)}}},
        {"interruzioni",
         {{"globali", Coppia(m.InterruzioniGlobali)},
          {"1", m.InterruzioniSegni[0]},
          {"X", m.InterruzioniSegni[1]},
          {"2", m.InterruzioniSegni[2]}}},
        {"simmetrie",
         {{"dirette", Coppia(m.SimmetrieDirette)},
          {"inverse", Coppia(m.SimmetrieInverse)},
          {"totali", m.SimmetrieTotali}}},
        {"vortice", {{"diretto", Terna(m.VorticeDiretto)}, {"inverso", Terna(m.VorticeInverso)}}},
        {"modulo", {{"somma", m.ModuloSomma}, {"prodotto", m.ModuloProdotto}}},
        {"formula_derivata", m.FormulaDerivata}};
    if (ctx.json) {
        StampaJson(j);
        return;
    }
    const char* segni[3] = {"1", "X", "2"};
    std::cout << "Colonna: " << TestoColonnaEsteso(*c) << "\n";
    for (int s = 0; s < 3; ++s)
        std::cout << "Numero Di Segni " << segni[s] << ": Pt "
                  << m.NumeroSegni[static_cast<std::size_t>(s)].Valore << "  Cs "
                  << m.NumeroSegni[static_cast<std::size_t>(s)].Run << "\n";
    std::cout << "Pari e Dispari: Pari " << m.Pari.Valore << " (Cs " << m.Pari.Run << ")  Dispari "
              << m.Dispari.Valore << " (Cs " << m.Dispari.Run << ")\n";
    std::cout << "Interruzioni: Gl. " << m.InterruzioniGlobali.Valore << " (Cs " << m.InterruzioniGlobali.Run
              << ")  1 " << m.InterruzioniSegni[0] << "  X " << m.InterruzioniSegni[1] << "  2 "
              << m.InterruzioniSegni[2] << "\n";
    std::cout << "Simmetrie: Dirette " << m.SimmetrieDirette.Valore << " (Cs " << m.SimmetrieDirette.Run
              << ")  Inverse " << m.SimmetrieInverse.Valore << " (Cs " << m.SimmetrieInverse.Run
              << ")  Totali " << m.SimmetrieTotali << "\n";
    auto vortice = [&](const char* nome, const TEsitoVortice& v) {
        std::cout << nome << ": Ps. " << v.Posizione << "  Br. " << v.Bracci << "  Sg. "
                  << (v.Segno >= 0 && v.Segno < 3 ? segni[v.Segno] : "?") << "\n";
    };
    vortice("Vortice Diretto", m.VorticeDiretto);
    vortice("Vortice Inverso", m.VorticeInverso);
    std::cout << "Modulo: Somma " << m.ModuloSomma << "  Prodotto " << m.ModuloProdotto << "\n";
    std::cout << "Formula Derivata:" << TestoDistribuzione(m.FormulaDerivata) << " (n. "
              << m.FormulaDerivata + 1 << ")\n";
}

}  // namespace

void RegistraComandoMisura(CLI::App& app, TContesto& ctx)
{
    static std::string colonna;
    auto* misura = app.add_subcommand(
        "misura", "I valori che ogni condizione sull'intera colonna misura su una colonna");
    misura->add_option("COLONNA", colonna, "Colonna con un solo segno per evento")->required();
    misura->add_flag("--json", ctx.json, "Risultato in JSON");
    misura->callback([&ctx] { Misura(ctx, colonna); });
}

}  // namespace morella::cli
