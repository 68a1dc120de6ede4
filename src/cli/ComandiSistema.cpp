// Commands on systems: show a system, copy it, develop it, reduce a column file, check a
// column file against a winning column.
#include <filesystem>
#include <iostream>

#include "Archivio.h"
#include "Cartelle.h"
#include "Contesto.h"
#include "Errore.h"
#include "EsameVincente.h"
#include "FileColonne.h"
#include "Spoglio.h"
#include "StampaPossibilitaPdf.h"
#include "Sviluppo.h"
#include "TestiSviluppo.h"
#include "TestoColonnaEsteso.h"

namespace morella::cli {

namespace {

struct TArgomenti {
    std::string sistema, uscita, file, vincente, sistemaSpoglio, pdf;
    int garanzia = 1;
    bool veloce = false, percentuali = false;
    bool ottimizza = false;
    double tempo = SecondiOttimizzazionePredefiniti;
    std::uint64_t seme = 1;
};

// The archive of the program directory, as the desktop program has it at start-up (the
// system reads the configuration itself). A missing archive leaves it empty: most systems
// need none.
struct TAmbiente {
    T_Archivio archivio;
    TAmbiente()
    {
        try {
            archivio.Carica(CartellaArchivi());
        } catch (const EErrore&) {
            archivio.Svuota();
        }
    }
};

std::vector<int> CavalliCorsaPiu(TMascheraCorsaPiu m)
{
    std::vector<int> cavalli;
    for (int k = 0; k < 16; ++k)
        if (m & (1u << k)) cavalli.push_back(k + 1);
    return cavalli;
}

void Info(const TContesto& ctx, const std::string& file)
{
    // With the archive loaded, as the development sees it: conditions that weigh the
    // archive's contests are active only when it holds some.
    TAmbiente amb;
    TSistema s(&amb.archivio);
    s.Carica(file);
    TDatiSistema& d = s.Dati();
    d.Condizioni->PreparaVerifica(false);
    std::vector<std::string> attive;
    for (int i = 0; i < d.Condizioni->NumeroAttive(); ++i) attive.push_back(d.Condizioni->Attiva(i)->Nome);
    const TImpostazioniSviluppo& imp = d.Impostazioni;
    TStatusLine st = s.AggiornaStatusLine();
    TColonna p = d.Pronostico;
    nlohmann::json j = {{"pronostico", TestoColonnaEsteso(p)},
                        {"corsa_piu", CavalliCorsaPiu(d.CorsaPiu)},
                        {"doppie", NumeroDoppie(d.Pronostico)},
                        {"triple", NumeroTriple(d.Pronostico)},
                        {"colonne_iniziali", ColonneIniziali(d.Pronostico)},
                        {"condizioni_attive", attive},
                        {"link_in_uso", d.Link->LettereInUso()},
                        {"impostazioni",
                         {{"da_pronostico", imp.DaPronostico},
                          {"sorgente", imp.FileSorgente},
                          {"usa_condizioni", imp.UsaCondizioni},
                          {"autoriduzione", imp.Autoriduzione},
                          {"salva_automaticamente", imp.SalvaAutomaticamente},
                          {"calcolo_percentuali", imp.CalcoloPercentuali},
                          {"accurata", imp.Accurata},
                          {"ottimizzata", imp.Ottimizzata},
                          {"secondi_ottimizzazione", imp.SecondiOttimizzazione},
                          {"seme_ottimizzazione", imp.SemeOttimizzazione},
                          {"garanzia", imp.GaranziaN1 ? 1 : 2},
                          {"destinazione", imp.FileDestinazione}}},
                        {"partecipanti", s.Partecipanti},
                        {"status", {st.ColonneFinali, st.ColonneIniziali, st.Doppie, st.Triple}}};
    if (ctx.json) {
        StampaJson(j);
        return;
    }
    std::cout << "Pronostico: " << j["pronostico"].get<std::string>() << "\n";
    if (Gioco == GiocoTotip) {
        std::cout << "Corsa +:";
        for (int c : CavalliCorsaPiu(d.CorsaPiu)) std::cout << " " << c;
        std::cout << "\n";
    }
    std::cout << "Doppie: " << NumeroDoppie(d.Pronostico) << "  Triple: " << NumeroTriple(d.Pronostico)
              << "  Colonne iniziali: " << ColonneIniziali(d.Pronostico) << "\n";
    std::cout << "Condizioni attive:";
    for (const auto& n : attive) std::cout << " [" << n << "]";
    std::cout << "\nLink in uso: " << d.Link->LettereInUso() << "\n";
    std::cout << "Sviluppo: " << (imp.DaPronostico ? "dal pronostico" : "dal file " + imp.FileSorgente)
              << (imp.UsaCondizioni ? ", con i condizionamenti" : ", senza condizionamenti");
    if (imp.Autoriduzione)
        std::cout << ", autoriduzione N - " << (imp.GaranziaN1 ? 1 : 2)
                  << (imp.Ottimizzata ? " ottimizzata (" + std::to_string(imp.SecondiOttimizzazione) + " s)"
                      : imp.Accurata  ? " accurata"
                                      : " veloce")
                  << (imp.CalcoloPercentuali ? " con percentuali" : "");
    if (imp.SalvaAutomaticamente) std::cout << ", salva in " << imp.FileDestinazione;
    std::cout << "\nPartecipanti: " << s.Partecipanti << "\n";
    std::cout << st.ColonneFinali << "\n"
              << st.ColonneIniziali << "\n"
              << st.Doppie << "\n"
              << st.Triple << "\n";
}

void Copia(const TContesto& ctx, const std::string& file, const std::string& uscita)
{
    TSistema s;
    s.Carica(file);
    s.NomeFile = uscita;
    s.Salva();
    if (ctx.json) StampaJson({{"scritto", uscita}});
}

class TProgressoSviluppo : public TOsservatoreSviluppo {
   public:
    void AggiornaCond(std::int64_t iniziali, std::int64_t, bool, std::int64_t sviluppate) override
    {
        if (iniziali > 0 && (sviluppate & 0xFFF) == 0)
            barra_.Mostra("Condizionamento", static_cast<int>(sviluppate * 100 / iniziali));
    }
    void AggiornaRid(int totale, int, bool, int elaborate) override
    {
        // The optimised search reports the best size as a reduction as well: its own line
        // stays on screen.
        if (totale > 0 && !ottimizzando_)
            barra_.Mostra("Autoriduzione",
                          static_cast<int>(static_cast<std::int64_t>(elaborate) * 100 / totale));
    }
    void Percentuale(int p) override { barra_.Mostra("Possibilità", p); }
    void AggiornaOttimizzazione(int colonneOra, int migliore, double secondiRimasti) override
    {
        ottimizzando_ = true;
        const auto t = avanzamento_.Aggiorna(colonneOra, migliore, secondiRimasti);
        barra_.Mostra(t.stato, t.percentuale);
    }

   private:
    TBarraProgresso barra_{"Sviluppo"};
    TAvanzamentoOttimizzazione avanzamento_;
    bool ottimizzando_ = false;
};

void Sviluppa(const TContesto& ctx, const std::string& file, const std::string& uscita)
{
    TAmbiente amb;
    TSistema s(&amb.archivio);
    s.Carica(file);
    TDatiSistema& d = s.Dati();
    // Paths saved on another machine are looked up in the column folder.
    d.Impostazioni.FileSorgente = RisolviPercorso(d.Impostazioni.FileSorgente, CartellaColonne());
    d.Impostazioni.FileDestinazione = RisolviPercorso(d.Impostazioni.FileDestinazione, CartellaColonne());
    // A destination whose folder is not on this machine goes to the column folder.
    std::filesystem::path destinazione(d.Impostazioni.FileDestinazione);
    std::error_code ec;
    if (!destinazione.parent_path().empty() && !std::filesystem::is_directory(destinazione.parent_path(), ec))
        d.Impostazioni.FileDestinazione = UnisciPercorso(CartellaColonne(), destinazione.filename().string());
    TEsitoSviluppo e;
    {
        TProgressoSviluppo progresso;
        e = morella::Sviluppa(s, &progresso);
    }
    if (!uscita.empty()) ScriviFileColonne(d.Colonne, uscita);
    nlohmann::json j = {{"iniziali", e.iniziali}, {"sviluppate", e.sviluppate}, {"finali", e.tenute},
                        {"ridotte", nullptr},     {"fattore", nullptr},         {"annullato", e.annullato}};
    if (e.ottimizzazione) {
        j["greedy"] = e.ottimizzazione->colonneAccurata;
        j["secondi"] = e.ottimizzazione->secondi;
        if (e.ottimizzazione->ripiego) std::cerr << MessaggioRipiegoCondensate << "\n";
    }
    if (e.ridotto || e.ridottoPrecalcolato) {
        j["ridotte"] = d.Colonne.Conta();
        j["fattore"] = d.Colonne.Conta() > 0 ? static_cast<double>(e.tenute) / d.Colonne.Conta() : 0.0;
    }
    if (ctx.json) {
        StampaJson(j);
        return;
    }
    std::cout << "Colonne iniziali: " << e.iniziali << "\nColonne sviluppate: " << e.sviluppate
              << "\nColonne finali: " << e.tenute << "\n";
    if (!j["ridotte"].is_null())
        std::cout << "Colonne ridotte: " << j["ridotte"] << "\nFattore di riduzione: " << j["fattore"]
                  << "\n";
    if (e.salvato) std::cout << "Salvate in: " << d.Impostazioni.FileDestinazione << "\n";
}

nlohmann::json JsonPossibilita(const T_ListaTipiDiVincite& p)
{
    nlohmann::json liste = nlohmann::json::array();
    for (int i = 0; i < p.NumeroListe(); ++i) {
        nlohmann::json tipi = nlohmann::json::array();
        for (const TTipoDiVincita& t : p.Lista(i).Tipi())
            tipi.push_back({{"c0", t.c0},
                            {"c1", t.c1},
                            {"c2", t.c2},
                            {"occorrenze", t.occorrenze},
                            {"probabilita", t.probabilita}});
        liste.push_back({{"evento", i}, {"tipi", tipi}});
    }
    return {{"liste", liste}, {"media_doppie", p.MediaDoppie()}, {"media_singole", p.MediaSingole()}};
}

void Riduci(const TContesto& ctx, const TArgomenti& a)
{
    if (a.veloce && a.percentuali) throw CLI::ValidationError(MessaggioPercentualiVeloce);
    TListaColonne lista = LeggiFileColonne(a.file);
    // The file has no prediction of its own: the signs its columns use stand for it.
    TPronostico pronostico{};
    for (const TColonna& c : lista)
        for (int i = 0; i < NumEvents; ++i)
            pronostico[static_cast<std::size_t>(i)] |= c[static_cast<std::size_t>(i)] & MascheraSegni;
    T_ListaTipiDiVincite possibilita;
    TEsitoRiduzione e;
    TEsitoOttimizzazione eo;
    // Said on stderr even without a terminal: a script waiting on it should know why.
    if (!a.ottimizza && RiduzioneLenta(lista)) std::cerr << TestoRiduzioneCondensata << "\n";
    {
        TProgressoSviluppo progresso;
        if (a.ottimizza) {
            TParametriOttimizzazione par;
            par.secondi = a.tempo;
            par.seme = a.seme;
            eo = AutoriduciOttimizzata(lista, a.garanzia, a.percentuali, &possibilita, pronostico, par,
                                       &progresso);
            e = eo.riduzione;
        } else {
            e = Autoriduci(lista, a.garanzia, !a.veloce, a.percentuali, &possibilita, pronostico, &progresso);
        }
    }
    if (a.ottimizza && eo.ripiego) std::cerr << MessaggioRipiegoCondensate << "\n";
    ScriviFileColonne(lista, a.uscita);
    nlohmann::json j = {{"totale", e.totale},
                        {"ridotte", lista.Conta()},
                        {"fattore", lista.Conta() > 0 ? static_cast<double>(e.totale) / lista.Conta() : 0.0}};
    if (a.ottimizza) {
        j["greedy"] = eo.colonneAccurata;
        j["secondi"] = eo.secondi;
    }
    if (a.percentuali) j["possibilita"] = JsonPossibilita(possibilita);
#ifdef MORELLA_STAMPA_PDF
    if (!a.pdf.empty()) {
        StampaPossibilitaPdf(a.pdf, possibilita, pronostico);
        j["pdf"] = a.pdf;
    }
#endif
    if (ctx.json) {
        StampaJson(j);
        return;
    }
    std::cout << "Colonne: " << e.totale << "\nColonne ridotte: " << lista.Conta()
              << "\nFattore: " << j["fattore"] << "\n";
    if (a.ottimizza)
        std::cout << "Colonne della riduzione accurata: " << eo.colonneAccurata << "\nSecondi: " << eo.secondi
                  << "\n";
    if (a.percentuali) {
        for (int i = 0; i < possibilita.NumeroListe(); ++i) {
            std::cout << (i == 0 ? std::string("Pronostico esatto")
                                 : "Errore all'evento " + std::to_string(i))
                      << ":\n";
            for (const TTipoDiVincita& t : possibilita.Lista(i).Tipi())
                std::cout << "  " << t.c0 << " " << t.c1 << " " << t.c2 << "  "
                          << TestoPercentuale(t.probabilita) << "%\n";
        }
        TPercentualeMedia m = PercentualeMedia(possibilita);
        std::cout << m.etichettaDoppia << " " << m.valoreDoppia << "\n"
                  << m.etichettaFissa << " " << m.valoreFissa << "\n";
    }
}

void Spoglio(const TContesto& ctx, const TArgomenti& a)
{
    std::string errore;
    auto vincente = ColonnaDaTestoEsteso(a.vincente, &errore);
    if (!vincente) throw CLI::ValidationError("--vincente", errore);
    if (!ColonnaVincenteCompleta(*vincente))
        throw EErrore("La colonna vincente deve avere un solo segno in ogni evento");
    TListaColonne lista = LeggiFileColonne(a.file);
    TRisultatoSpoglio r = ContaPunti(lista, *vincente);
    nlohmann::json punti = nlohmann::json::array();
    for (int p = 0; p <= NumEvents; ++p) punti.push_back(r.punti[static_cast<std::size_t>(p)]);
    nlohmann::json j = {{"punti", punti}, {"categorie", r.categorie}};
    std::vector<std::string> sbagliate;
    if (!a.sistemaSpoglio.empty()) {
        TAmbiente amb;
        TSistema s(&amb.archivio);
        s.Carica(a.sistemaSpoglio);
        sbagliate = CondizioniSbagliate(s, *vincente);
        j["condizioni_sbagliate"] = sbagliate;
    }
    if (ctx.json) {
        StampaJson(j);
        return;
    }
    for (int p = NumEvents; p >= 0; --p)
        if (r.punti[static_cast<std::size_t>(p)] != 0)
            std::cout << p << " punti: " << r.punti[static_cast<std::size_t>(p)] << "\n";
    for (int k = 0; k < 3; ++k)
        std::cout << (k + 1) << "ª categoria (" << NumEvents - k
                  << "): " << r.categorie[static_cast<std::size_t>(k)] << "\n";
    if (!a.sistemaSpoglio.empty()) {
        std::cout << "Condizioni Sbagliate:";
        for (const auto& n : sbagliate) std::cout << " [" << n << "]";
        std::cout << "\n";
    }
}

}  // namespace

void RegistraComandiSistema(CLI::App& app, TContesto& ctx)
{
    static TArgomenti a;
    auto* info = app.add_subcommand(
        "info", "Il pronostico, le condizioni attive, le impostazioni e la linea di stato di un sistema");
    info->add_option("SISTEMA", a.sistema, "File di sistema (.Mrl)")->required();
    info->callback([&ctx] { Info(ctx, a.sistema); });

    auto* copia = app.add_subcommand("copia", "Carica un sistema e lo salva di nuovo");
    copia->add_option("SISTEMA", a.sistema, "File di sistema (.Mrl)")->required();
    copia->add_option("-o,--output", a.uscita, "Copia da scrivere")->required();
    copia->callback([&ctx] { Copia(ctx, a.sistema, a.uscita); });

    auto* sviluppa = app.add_subcommand("sviluppa", "Sviluppa un sistema con le sue impostazioni");
    sviluppa->add_option("SISTEMA", a.sistema, "File di sistema (.Mrl)")->required();
    sviluppa->add_option("-o,--output", a.uscita, "File colonnare in cui scrivere le colonne");
    sviluppa->callback([&ctx] { Sviluppa(ctx, a.sistema, a.uscita); });

    auto* riduci = app.add_subcommand("riduci", "Autoriduce le colonne di un file");
    riduci->add_option("IN", a.file, "File colonnare da ridurre")->required();
    riduci->add_option("-o,--output", a.uscita, "File colonnare ridotto")->required();
    riduci->add_option("--garanzia", a.garanzia, "1 per N - 1, 2 per N - 2")->check(CLI::IsMember({1, 2}));
    riduci->add_flag("--veloce", a.veloce, "Riduzione veloce");
    auto* percentuali = riduci->add_flag("--percentuali", a.percentuali, "Calcola le possibilità di vincita");
#ifdef MORELLA_STAMPA_PDF
    riduci->add_option("--pdf", a.pdf, "Stampa in PDF le possibilità di vincita")
        ->check(NomeFileNonVuoto)
        ->needs(percentuali);
#else
    (void)percentuali;
#endif
    auto* ottimizza =
        riduci->add_flag("--ottimizza", a.ottimizza, "Riduzione ottimizzata: meno colonne, stessa garanzia");
    ottimizza->excludes("--veloce");
    riduci->add_option("--tempo", a.tempo, "Secondi a disposizione dell'ottimizzazione (predefiniti 10)")
        ->check(SecondiFinoA(SecondiOttimizzazioneMassimi))
        ->needs(ottimizza);
    riduci->add_option("--seme", a.seme, "Seme della ricerca (stesso seme, stessi passi, stesse colonne)")
        ->check(SemeValido)
        ->needs(ottimizza);
    riduci->callback([&ctx] { Riduci(ctx, a); });

    auto* spoglio =
        app.add_subcommand("spoglio", "Punti delle colonne di un file contro la colonna vincente");
    spoglio->add_option("IN", a.file, "File colonnare")->required();
    spoglio->add_option("--vincente", a.vincente, "Colonna vincente")->required();
    spoglio->add_option("--sistema", a.sistemaSpoglio, "Sistema di cui esaminare le condizioni");
    spoglio->callback([&ctx] { Spoglio(ctx, a); });

    for (auto* sub : {info, copia, sviluppa, riduci, spoglio})
        sub->add_flag("--json", ctx.json, "Risultato in JSON");
}

}  // namespace morella::cli
