// Printing to PDF: coupons or the table of a column file, the test coupon, the system
// summary, the archive table and the winning possibilities of a reduction. Built only with the desktop layer,
// whose Qt printer writes the PDF; the pages come from the same core code the desktop program prints with.
#ifdef MORELLA_STAMPA_PDF

#include <iostream>

#include "Cartelle.h"
#include "Contesto.h"
#include "Errore.h"
#include "Gioco.h"
#include "Prospetto.h"
#include "StampaArchivio.h"
#include "StampaPossibilita.h"
#include "StampaPossibilitaPdf.h"
#include "StampaSchedine.h"
#include "TelaQt.h"

namespace morella::cli {

namespace {

// The pages reach the file through the program's safe save: a failure leaves the old file as
// it was, with the command's own message.
void InPdf(const std::string& file, const std::string& messaggio,
           const std::function<void(TTelaStampa&)>& lavoro)
{
    piattaforma::TAmbienteStampa ambiente;
    piattaforma::StampaPdf(file, lavoro, messaggio);
}

TConfigurazione Configurazione()
{
    TConfigurazione c;
    LeggiConfigurazione(c, FileConfigurazione());
    return c;
}

struct TArgomentiStampa {
    std::string colonne, pdf, sistema = NomeSistemaPredefinito, orientamento = "orizzontale";
    bool tabulato = false;
    int da = 0, a = 0;
};

void Stampa(const TContesto& ctx, const TArgomentiStampa& arg)
{
    const TConfigurazione configurazione = Configurazione();
    TStampaSchedine lavoro;
    lavoro.Colonne = LeggiFileColonne(arg.colonne);
    if (lavoro.Colonne.Vuota()) throw EErrore("Il File Colonnare non contiene colonne");
    lavoro.ImpostaModo(arg.tabulato ? TModoStampa::Tabulato : TModoStampa::Schedine, configurazione.Taratura);
    lavoro.Verso = arg.orientamento == "verticale" ? TVersoToto::Verticale : TVersoToto::Orizzontale;
    const int schedine = lavoro.Schedine(configurazione.Taratura);
    // A coupon past the last is refused as the dictation refuses it, rather than cut to the
    // last one; a last before the first gets the dialog's own message below.
    if (arg.da > schedine || arg.a > schedine)
        throw CLI::ValidationError("--da/--a", TestoIntervalloSchedine(schedine));
    if (arg.da > 0 || arg.a > 0) {
        // The spins of the dialog run 1..S.
        lavoro.Tutte = false;
        lavoro.SpinMin = std::clamp(arg.da > 0 ? arg.da : 1, 1, schedine);
        lavoro.SpinMax = std::clamp(arg.a > 0 ? arg.a : schedine, 1, schedine);
    }
    if (auto messaggio = lavoro.Conferma(configurazione.Taratura)) throw EErrore(*messaggio);
    TRispostaFissa ok(PulsanteOk);
    InPdf(arg.pdf, arg.tabulato ? MessaggioStampaTabulato : MessaggioStampaSchedine,
          [&](TTelaStampa& tela) { lavoro.Stampa(tela, ok, arg.sistema, configurazione); });
    // A calibration outside the page was replaced by the defaults: say so, as the program does.
    if (ok.domande > 0 && ok.ultimoTesto == MessaggioTaraturaPredefinita) std::cerr << ok.ultimoTesto << "\n";
    if (ctx.json)
        StampaJson(
            {{"schedine", schedine}, {"prima", lavoro.Prima}, {"ultima", lavoro.Ultima}, {"pdf", arg.pdf}});
    else
        std::cout << "Schedine stampate: " << lavoro.Prima << " - " << lavoro.Ultima << " di " << schedine
                  << "\n";
}

void Prova(const TContesto& ctx, const std::string& pdf)
{
    TConfigurazione configurazione = Configurazione();
    const TValoriTaratura valori = MostraTaratura(TaraturaDelGioco(configurazione.Taratura));
    TRispostaFissa ok(PulsanteOk);
    InPdf(pdf, piattaforma::MessaggioStampaPdf,
          [&](TTelaStampa& tela) { StampaProva(valori, configurazione, tela, ok, NomeSistemaPredefinito); });
    if (ctx.json) StampaJson({{"pdf", pdf}});
}

void Prospetto(const TContesto& ctx, const std::string& file, const std::string& pdf)
{
    // The repetitions compare with the archive's last contests: the system has the archive of
    // the program directory, when there is one, as in the desktop program.
    T_Archivio archivio;
    try {
        archivio.Carica(CartellaArchivi());
    } catch (const EErrore&) {
        archivio.Svuota();
    }
    TSistema sistema(&archivio);
    sistema.Carica(file);
    sistema.Dati().Configurazione = Configurazione();
    InPdf(pdf, MessaggioStampaSistema, [&](TTelaStampa& tela) { StampaProspetto(sistema, tela); });
    if (ctx.json) StampaJson({{"pdf", pdf}});
}

// "1998/12": season and contest number, each written in plain decimal digits and nothing more.
std::pair<int, int> StagioneNumero(const std::string& testo)
{
    const auto barra = testo.find('/');
    if (barra != std::string::npos) {
        const auto stagione = NumeroDecimale(testo.substr(0, barra));
        const auto numero = NumeroDecimale(testo.substr(barra + 1));
        if (stagione && numero) return {*stagione, *numero};
    }
    throw CLI::ValidationError("Concorso non valido (ANNO/NUMERO): " + testo);
}

// Checked while the options are read, before the archive is: a malformed contest is a usage
// error whatever the archive holds.
const CLI::Validator ConcorsoValido(
    [](std::string& testo) {
        try {
            StagioneNumero(testo);
        } catch (const CLI::ValidationError& e) {
            return std::string(e.what());
        }
        return std::string();
    },
    "ANNO/NUMERO");

struct TArgomentiArchivio {
    std::string pdf, da, a;
    std::vector<int> gruppi;
};

void StampaTabellaArchivio(const TContesto& ctx, const TArgomentiArchivio& arg)
{
    T_Archivio archivio;
    archivio.Carica(CartellaArchivi());
    TDialogoStampaArch dialogo(archivio);
    // The dialog keeps the range within the archive and in order, as it does for the player.
    if (!arg.da.empty()) {
        auto [stagione, numero] = StagioneNumero(arg.da);
        dialogo.ImpostaStagioneIniziale(stagione);
        dialogo.ImpostaConcorsoIniziale(numero);
    }
    if (!arg.a.empty()) {
        auto [stagione, numero] = StagioneNumero(arg.a);
        dialogo.ImpostaStagioneFinale(stagione);
        dialogo.ImpostaConcorsoFinale(numero);
    }
    TGruppiSpuntati gruppi;
    if (arg.gruppi.empty()) gruppi.set();
    for (int g : arg.gruppi) gruppi.set(static_cast<std::size_t>(g - 1));
    if (!ConcorsiDaStampare(archivio, dialogo.Estremi())) throw EErrore(MessaggioArchivioSenzaConcorsi);
    InPdf(arg.pdf, MessaggioStampaArchivio,
          [&](TTelaStampa& tela) { StampaArchivio(archivio, dialogo.Estremi(), gruppi, tela); });
    const auto& e = dialogo.Estremi();
    if (ctx.json)
        StampaJson({{"da", std::to_string(e.PrimaStagione) + "/" + std::to_string(e.PrimoNumero)},
                    {"a", std::to_string(e.UltimaStagione) + "/" + std::to_string(e.UltimoNumero)},
                    {"pdf", arg.pdf}});
}

}  // namespace

void StampaPossibilitaPdf(const std::string& file, const T_ListaTipiDiVincite& possibilita,
                          const TPronostico& pronostico)
{
    InPdf(file, MessaggioStampaTabelle,
          [&](TTelaStampa& tela) { StampaPossibilita(possibilita, pronostico, tela); });
}

void RegistraComandiStampa(CLI::App& app, TContesto& ctx)
{
    static TArgomentiStampa s;
    auto* stampa =
        app.add_subcommand("stampa", "Stampa in PDF le schedine (o il tabulato) di un file colonnare");
    stampa->add_option("IN", s.colonne, "File colonnare (.Col)")->required();
    stampa->add_option("--pdf", s.pdf, "File PDF da scrivere")->required()->check(NomeFileNonVuoto);
    stampa->add_flag("--tabulato", s.tabulato, "Tabulato invece delle schedine");
    stampa->add_option("--da", s.da, "Prima schedina")->check(NumeroDaUno);
    stampa->add_option("--a", s.a, "Ultima schedina")->check(NumeroDaUno);
    stampa->add_option("--orientamento", s.orientamento, "Totocalcio: orizzontale o verticale")
        ->check(CLI::IsMember({"orizzontale", "verticale"}));
    stampa->add_option("--sistema", s.sistema, "Nome del sistema nell'intestazione delle schedine");
    stampa->callback([&ctx] { Stampa(ctx, s); });

    static std::string pdfProva;
    auto* prova = app.add_subcommand("stampa-prova", "Stampa in PDF la schedina di prova della taratura");
    prova->add_option("--pdf", pdfProva, "File PDF da scrivere")->required()->check(NomeFileNonVuoto);
    prova->callback([&ctx] { Prova(ctx, pdfProva); });

    static std::string sistema, pdfProspetto;
    auto* prospetto = app.add_subcommand("prospetto", "Stampa in PDF il prospetto di un sistema");
    prospetto->add_option("SISTEMA", sistema, "File di sistema (.Mrl)")->required();
    prospetto->add_option("--pdf", pdfProspetto, "File PDF da scrivere")->required()->check(NomeFileNonVuoto);
    prospetto->callback([&ctx] { Prospetto(ctx, sistema, pdfProspetto); });

    static TArgomentiArchivio ar;
    auto* archivio = app.add_subcommand("stampa-archivio", "Stampa in PDF la tabella dell'archivio");
    archivio->add_option("--pdf", ar.pdf, "File PDF da scrivere")->required()->check(NomeFileNonVuoto);
    archivio->add_option("--da", ar.da, "Primo concorso, ANNO/NUMERO")->check(ConcorsoValido);
    archivio->add_option("--a", ar.a, "Ultimo concorso, ANNO/NUMERO")->check(ConcorsoValido);
    archivio->add_option("--gruppi", ar.gruppi, "Gruppi di condizioni da 1 a 11 (predefinito: tutti)")
        ->delimiter(',')
        ->check(CLI::Range(1, NumeroGruppiVista));
    archivio->callback([&ctx] { StampaTabellaArchivio(ctx, ar); });
}

}  // namespace morella::cli

#endif  // MORELLA_STAMPA_PDF
