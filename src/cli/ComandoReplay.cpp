// replay: the system's conditions replayed over the archive, per prize category.
#include <iomanip>
#include <iostream>

#include "Archivio.h"
#include "Cartelle.h"
#include "Contesto.h"
#include "Errore.h"
#include "Replay.h"
#include "Sistema.h"

namespace morella::cli {

namespace {

void Replay(const TContesto& ctx, const std::string& file, int categorie)
{
    T_Archivio archivio;
    archivio.Carica(CartellaArchivi());  // no archive, no replay: the failure is the message
    TSistema s(&archivio);
    s.Carica(file);
    s.Ricerca.TuttoLArchivio(archivio);
    if (categorie > 0) s.Ricerca.CategorieCercate = categorie;
    TEsitoReplay e = ReplayArchivio(s);
    const int k = s.Ricerca.CategorieCercate;
    const int replicate = Gioco == GiocoToto ? std::min(k, 2) : k;
    nlohmann::json lista = nlohmann::json::array();
    for (int c = 0; c < replicate; ++c) {
        const TRisultatoCategoria& r = s.Ricerca.RisultatiRicerca.Categorie[static_cast<std::size_t>(c)];
        const int contati = r.Frequenze.ConcorsiContati();
        lista.push_back({{"vincite", r.Centrati()},
                         {"ciclo_medio", r.CicloMedio},
                         {"ritardo_medio", r.RitardoMedio},
                         {"ritardo_minimo", r.RitardoMinimo},
                         {"ritardo_massimo", r.RitardoMassimo},
                         {"settimane_assenza", r.Assenza},
                         {"ritardo_attuale", r.RitardoAttuale},
                         {"frequenza", contati > 0 ? 100.0 * r.Centrati() / contati : 0.0}});
    }
    nlohmann::json j = {
        {"esaminati", e.Esaminati}, {"totale", archivio.NumeroConcorsi()}, {"categorie", lista}};
    if (ctx.json) {
        StampaJson(j);
        return;
    }
    std::cout << e.Stato << "\n" << std::fixed << std::setprecision(2);
    for (std::size_t c = 0; c < lista.size(); ++c) {
        const auto& r = lista[c];
        std::cout << (c + 1) << "º Categoria: vincite " << r["vincite"] << ", frequenza "
                  << r["frequenza"].get<double>() << " %, ciclo medio " << r["ciclo_medio"].get<double>()
                  << ", ritardo medio " << r["ritardo_medio"].get<double>() << ", minimo "
                  << r["ritardo_minimo"] << ", massimo " << r["ritardo_massimo"] << ", settimane di assenza "
                  << r["settimane_assenza"] << ", ritardo attuale " << r["ritardo_attuale"] << "\n";
    }
}

}  // namespace

void RegistraComandoReplay(CLI::App& app, TContesto& ctx)
{
    static std::string file;
    static int categorie = 0;
    auto* replay = app.add_subcommand("replay", "Rigioca l'archivio attraverso le condizioni del sistema");
    replay->add_option("SISTEMA", file, "File di sistema (.Mrl)")->required();
    replay->add_option("--categorie", categorie, "Categorie cercate: 1, 2 oppure 3")
        ->check(CLI::IsMember({1, 2, 3}));
    replay->add_flag("--json", ctx.json, "Risultato in JSON");
    replay->callback([&ctx] { Replay(ctx, file, categorie); });
}

}  // namespace morella::cli
