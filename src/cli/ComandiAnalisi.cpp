// analisi and segni: the statistics of a condition and of the signs over the archive.
#include <cmath>
#include <iomanip>
#include <iostream>
#include <sstream>

#include "Analisi.h"
#include "Archivio.h"
#include "Cartelle.h"
#include "Contesto.h"
#include "DerivateAnalisi.h"
#include "Errore.h"
#include "GruppoCondizioni.h"
#include "Sistema.h"
#include "StatisticheSegni.h"
#include "Sviluppo.h"

namespace morella::cli {

namespace {

struct TArgomentiAnalisi {
    std::string sistema;
    int slot = 0;
    int elemento = 0;
    int gruppo = 1;
    bool inverso = false;
    bool soloArchivio = false;
    bool sviluppa = false;
};

class TProgressoAnalisi final : public TOsservatoreAnalisi {
   public:
    void Progresso(int percento) override { barra_.Mostra("Colonne", percento); }

   private:
    TBarraProgresso barra_{TitoloAnalisiColonnare};
};

// Two decimals as a number, for JSON.
double Arrotonda(double v)
{
    return std::round(v * 100.0) / 100.0;
}

nlohmann::json Storico(const T_FrequenzeRitardi& t)
{
    nlohmann::json prima = nlohmann::json::array(), seconda = nlohmann::json::array();
    for (int v = 0; v <= t.ValoreMassimo(); ++v) {
        const TElemRFRM& p = t.Elemento(true, v);
        const TElemRFRM& s = t.Elemento(false, v);
        prima.push_back({p.Frequenza, p.Ritardo, p.RitardoMassimo});
        seconda.push_back({s.Frequenza, s.Ritardo, s.RitardoMassimo});
    }
    return {{"contati", t.ConcorsiContati()}, {"prima", prima}, {"seconda", seconda}};
}

// Column tables are counted without delays: their frequencies are all there is.
nlohmann::json Conteggi(const T_FrequenzeRitardi& t)
{
    nlohmann::json prima = nlohmann::json::array(), seconda = nlohmann::json::array();
    for (int v = 0; v <= t.ValoreMassimo(); ++v) {
        prima.push_back(t.Elemento(true, v).Frequenza);
        seconda.push_back(t.Elemento(false, v).Frequenza);
    }
    return {{"contati", t.ConcorsiContati()}, {"prima", prima}, {"seconda", seconda}};
}

nlohmann::json Derivate(const T_DerivateSerie& d)
{
    return {{"frequenza_storica", Arrotonda(d.FrequenzaStorica)},
            {"eliminate", Arrotonda(d.Eliminate)},
            {"fattore", d.Fattore}};
}

nlohmann::json Json(const T_Analisi& a)
{
    nlohmann::json serie = nlohmann::json::array();
    for (int i = 0; i < a.NumeroSerie(); ++i) {
        const T_SerieAnalisi& s = a.Serie[static_cast<std::size_t>(i)];
        nlohmann::json j = {{"nome", s.Nome},
                            {"etichette", s.Etichette},
                            {"archivio", Storico(s.Archivio)},
                            {"seconda_misura", s.ConSecondaMisura}};
        j["integr"] = a.SoloArchivio ? nlohmann::json() : Conteggi(s.Integr);
        j["conds"] = a.SoloArchivio ? nlohmann::json() : Conteggi(s.CondS);
        j["condiz"] = a.SoloArchivio ? nlohmann::json() : Conteggi(s.Condiz);
        j.update(Derivate(DerivateSerie(a, i, 0)));
        if (s.ConSecondaMisura) j["cons"] = Derivate(DerivateSerie(a, i, 1));
        if (a.SoloArchivio) {
            // Without the columns nothing is eliminated and there is no factor to give.
            j["eliminate"] = nullptr;
            j["fattore"] = nullptr;
            if (j.contains("cons")) j["cons"]["eliminate"] = j["cons"]["fattore"] = nullptr;
        }
        serie.push_back(std::move(j));
    }
    return {{"titoli", a.Titoli},
            {"serie", serie},
            {"completata", a.Completata},
            {"colonne_esaminate", a.ColonneEsaminate},
            {"colonne_totali", a.ColonneTotali},
            {"solo_archivio", a.SoloArchivio},
            {"attivato", a.Attivato},
            {"da_database", a.DaDataBase},
            {"tipo", a.Tipo}};
}

std::string Colonna(const std::string& testo, std::size_t larghezza)
{
    return testo.size() >= larghezza ? testo + " " : std::string(larghezza - testo.size(), ' ') + testo;
}

void Stampa(const T_Analisi& a)
{
    std::cout << a.Titoli[0] << (a.Attivato ? "" : "  (Disattivato)") << "\n";
    for (int i = 0; i < a.NumeroSerie(); ++i) {
        const T_SerieAnalisi& s = a.Serie[static_cast<std::size_t>(i)];
        std::cout << "\n"
                  << s.Nome << "  (concorsi contati " << s.Archivio.ConcorsiContati()
                  << (a.DaDataBase ? ", dal database" : "") << ")\n";
        std::cout << Colonna("Valore", 8) << Colonna("Points", 8) << Colonna("Act.", 6) << Colonna("Max", 6)
                  << Colonna("IC", 8);
        if (s.ConSecondaMisura)
            std::cout << Colonna("Cons.", 8) << Colonna("Act.", 6) << Colonna("Max", 6) << Colonna("IC", 8);
        if (!a.SoloArchivio)
            std::cout << Colonna("Integr.", 10) << Colonna("Cond.S.", 10) << Colonna("Condiz.", 10);
        std::cout << "\n";
        const auto righe = RigheStorico(s, false);
        for (std::size_t v = 0; v < righe.size(); ++v) {
            const T_RigaStorico& r = righe[v];
            std::cout << Colonna(r.Etichetta, 8) << Colonna(r.Points, 8) << Colonna(r.AttualePoints, 6)
                      << Colonna(r.MassimoPoints, 6) << Colonna(r.ICPoints, 8);
            if (s.ConSecondaMisura)
                std::cout << Colonna(r.Cons, 8) << Colonna(r.AttualeCons, 6) << Colonna(r.MassimoCons, 6)
                          << Colonna(r.ICCons, 8);
            if (!a.SoloArchivio) {
                const int valore = static_cast<int>(v);
                std::cout << Colonna(std::to_string(s.Integr.Frequenza(valore)), 10)
                          << Colonna(std::to_string(s.CondS.Frequenza(valore)), 10)
                          << Colonna(std::to_string(s.Condiz.Frequenza(valore)), 10);
            }
            std::cout << "\n";
        }
        // The figures of each measure the settings restrict (a consecutiveness element
        // restricts its runs only).
        for (int misura = 0; misura < (s.ConSecondaMisura ? 2 : 1); ++misura) {
            if (misura == 1 && !s.Ammessi[1].InUso) continue;
            if (misura == 0 && s.ConSecondaMisura && !s.Ammessi[0].InUso && s.Ammessi[1].InUso) continue;
            const T_DerivateSerie d = DerivateSerie(a, i, misura);
            if (s.ConSecondaMisura) std::cout << (misura == 0 ? "Points: " : "Cons.: ");
            std::cout << "Frequenza storica: " << TestoDueDecimali(d.FrequenzaStorica) << " %";
            if (!a.SoloArchivio) {
                std::cout << "   Colonne eliminate: " << TestoDueDecimali(d.Eliminate) << " %";
                if (!d.Fattore.empty()) std::cout << "   " << d.Fattore;
            }
            std::cout << "\n";
        }
    }
    if (!a.SoloArchivio)
        std::cout << "\n"
                  << a.Titoli[3] << ": colonne esaminate " << a.ColonneEsaminate << " su " << a.ColonneTotali
                  << (a.Completata ? "" : " (annullata)") << "\n";
}

const TCondizione& Scegli(const TSistema& s, const TArgomentiAnalisi& arg)
{
    const TCondizione* c = s.Dati().Condizioni->Condizione(arg.slot);
    if (!c) throw CLI::ValidationError("--slot", "nessuna condizione nello slot " + std::to_string(arg.slot));
    if (arg.elemento > 0) {
        const auto* gruppo = dynamic_cast<const TGruppoCondizioni*>(c);
        if (!gruppo)
            throw CLI::ValidationError("--elemento",
                                       "lo slot " + std::to_string(arg.slot) + " non è un gruppo");
        if (arg.elemento > gruppo->Conta())
            throw CLI::ValidationError("--elemento",
                                       "il gruppo ha " + std::to_string(gruppo->Conta()) + " elementi");
        c = &gruppo->Elemento(arg.elemento - 1);
    }
    if (!Analizzabile(c->Tipo()))
        throw CLI::ValidationError(
            "--slot", "\"" + c->Nome + "\" non ha un'analisi: scegliere un elemento con --elemento");
    return *c;
}

void Analisi(const TContesto& ctx, const TArgomentiAnalisi& arg)
{
    // The column part needs no archive: without one the archive tables are just empty.
    T_Archivio archivio;
    try {
        archivio.Carica(CartellaArchivi());
    } catch (const EErrore&) {
        archivio.Svuota();
    }
    TSistema s(&archivio);
    s.Carica(arg.sistema);
    s.Ricerca.TuttoLArchivio(archivio);
    TDatiSistema& d = s.Dati();
    d.Impostazioni.FileSorgente = RisolviPercorso(d.Impostazioni.FileSorgente, CartellaColonne());
    if (arg.sviluppa) {
        // The system's columns for "Condiz.", developed as its settings say, but written nowhere.
        d.Impostazioni.SalvaAutomaticamente = false;
        morella::Sviluppa(s);
    }
    const TCondizione& c = Scegli(s, arg);
    T_SceltaAnalisi scelta;
    scelta.GruppoTra = arg.gruppo;
    scelta.VorticeInverso = arg.inverso;
    T_Analisi a;
    {
        TProgressoAnalisi progresso;
        a = Analizza(c, arg.soloArchivio, s, scelta, &progresso);
    }
    if (ctx.json) {
        StampaJson(Json(a));
        return;
    }
    Stampa(a);
}

void Segni(const TContesto& ctx)
{
    T_Archivio archivio;
    archivio.Carica(CartellaArchivi());  // no archive, no statistics: the failure is the message
    T_ImpostazioniRicerca ricerca;
    ricerca.TuttoLArchivio(archivio);
    const T_StatisticheSegni st = StatisticheSegni(archivio, ricerca);
    const char* const segni[3] = {"1", "X", "2"};
    if (ctx.json) {
        nlohmann::json eventi = nlohmann::json::array();
        for (int i = 0; i < NumEvents; ++i) {
            nlohmann::json e;
            for (int k = 0; k < 3; ++k) {
                const T_ContatoriSegno& c =
                    st.Eventi[static_cast<std::size_t>(i)][static_cast<std::size_t>(k)];
                e[segni[k]] = {{"freq", c.Frequenza},
                               {"rit_att", c.RitardoAttuale},
                               {"rit_max", c.RitardoMassimo},
                               {"ic", Arrotonda(st.IC(i, k))},
                               {"freq_ann", c.FrequenzaAnnuale},
                               {"cs_att", c.ConsecutiviAttuali},
                               {"cs_max", c.ConsecutiviMassimi}};
            }
            eventi.push_back(std::move(e));
        }
        StampaJson({{"concorsi", st.Concorsi}, {"ultima_stagione", st.UltimaStagione}, {"eventi", eventi}});
        return;
    }
    std::cout << "Analisi Storica Della Frequenza Dei Segni: " << st.Concorsi << " concorsi, ultima stagione "
              << st.UltimaStagione << "\n";
    for (int k = 0; k < 3; ++k) {
        std::cout << "\nSegno " << segni[k] << "\n"
                  << Colonna("Evento", 7) << Colonna("Freq.", 7) << Colonna("Rit. Att.", 10)
                  << Colonna("Rit. Max.", 10) << Colonna("IC", 8) << Colonna("Freq. Ann.", 11)
                  << Colonna("Cs. Att.", 9) << Colonna("Cs. Max.", 9) << "\n";
        for (int i = 0; i < NumEvents; ++i) {
            const T_ContatoriSegno& c = st.Eventi[static_cast<std::size_t>(i)][static_cast<std::size_t>(k)];
            std::cout << Colonna(std::to_string(i + 1), 7) << Colonna(std::to_string(c.Frequenza), 7)
                      << Colonna(std::to_string(c.RitardoAttuale), 10)
                      << Colonna(std::to_string(c.RitardoMassimo), 10)
                      << Colonna(TestoDueDecimali(st.IC(i, k)), 8)
                      << Colonna(std::to_string(c.FrequenzaAnnuale), 11)
                      << Colonna(std::to_string(c.ConsecutiviAttuali), 9)
                      << Colonna(std::to_string(c.ConsecutiviMassimi), 9) << "\n";
        }
    }
}

}  // namespace

void RegistraComandiAnalisi(CLI::App& app, TContesto& ctx)
{
    static TArgomentiAnalisi a;
    auto* analisi =
        app.add_subcommand("analisi", "Analisi statistica e colonnare di una condizione del sistema");
    analisi->add_option("SISTEMA", a.sistema, "File di sistema (.Mrl)")->required();
    analisi->add_option("--slot", a.slot, "Slot della condizione (1..15)")
        ->required()
        ->check(CLI::Range(1, 15));
    analisi->add_option("--elemento", a.elemento, "Elemento N (da 1) del gruppo o del quadro dello slot")
        ->check(CLI::Range(1, 999));
    analisi->add_option("--gruppo", a.gruppo, "Punti Tra: il gruppo analizzato (1..30, predefinito 1)")
        ->check(CLI::Range(1, 30));
    analisi->add_flag("--inverso", a.inverso, "Vortice: analizza il vortice inverso");
    analisi->add_flag("--solo-archivio", a.soloArchivio, "Solo l'andamento storico sull'archivio");
    analisi->add_flag("--sviluppa", a.sviluppa, "Sviluppa prima il sistema, per la colonna \"Condiz.\"");
    analisi->add_flag("--json", ctx.json, "Risultato in JSON");
    analisi->callback([&ctx] { Analisi(ctx, a); });

    auto* segni =
        app.add_subcommand("segni", "Frequenza e ritardi dei segni di ogni evento su tutto l'archivio");
    segni->add_flag("--json", ctx.json, "Risultato in JSON");
    segni->callback([&ctx] { Segni(ctx); });
}

}  // namespace morella::cli
