// Commands on column files: show, convert from text, expand, merge, OR/AND/XOR.
#include <filesystem>
#include <fstream>
#include <iostream>

#include "Contesto.h"
#include "Errore.h"
#include "FileColonne.h"
#include "Gioco.h"
#include "OperazioniFile.h"
#include "TestoColonnaEsteso.h"

namespace morella::cli {

namespace {

void Mostra(const TContesto& ctx, const std::string& file)
{
    TListaColonne lista = LeggiFileColonne(file);
    if (ctx.json) {
        nlohmann::json colonne = nlohmann::json::array();
        for (const TColonna& c : lista) colonne.push_back(TestoColonnaEsteso(c));
        StampaJson({{"colonne", colonne}, {"numero", lista.Conta()}});
        return;
    }
    for (const TColonna& c : lista) std::cout << TestoColonnaEsteso(c) << "\n";
}

void Converti(const TContesto& ctx, const std::string& testo, const std::string& uscita)
{
    std::ifstream fileTesto;
    std::istream* in = &std::cin;
    if (testo != "-") {
        // A regular file only: a device or a FIFO could feed one endless line or nothing
        // at all. Standard input is the caller's own choice.
        std::error_code ec;
        if (!std::filesystem::is_regular_file(testo, ec) ||
            std::filesystem::file_size(testo, ec) > DimensioneMassimaFileColonne * 8 || ec)
            throw EErrore("Impossibile aprire il file di testo " + testo);
        fileTesto.open(testo);
        if (!fileTesto) throw EErrore("Impossibile aprire il file di testo " + testo);
        in = &fileTesto;
    }
    // The readers refuse a column file longer than their cap: a longer one is never written.
    const std::size_t massimo =
        DimensioneMassimaFileColonne / static_cast<std::size_t>(DimensioneRecordColonna());
    TListaColonne lista;
    std::string riga;
    for (int numero = 1; std::getline(*in, riga); ++numero) {
        auto primo = riga.find_first_not_of(" \t\r");
        if (primo == std::string::npos || riga[primo] == '#') continue;
        std::string errore;
        auto c = ColonnaDaTestoEsteso(riga, &errore);
        if (!c) throw EErrore("Riga " + std::to_string(numero) + ": colonna non valida (" + errore + ")");
        if (static_cast<std::size_t>(lista.Conta()) >= massimo)
            throw EErrore("Troppe colonne: un file colonnare ne contiene al massimo " +
                          std::to_string(massimo) + ". Il file non è stato scritto.");
        lista.Aggiungi(*c);
    }
    ScriviFileColonne(lista, uscita);
    if (ctx.json)
        StampaJson({{"colonne", lista.Conta()}});
    else
        std::cout << "Colonne scritte: " << lista.Conta() << "\n";
}

void Espandi(const TContesto& ctx, const std::string& file, const std::string& uscita)
{
    TListaColonne records = LeggiFileColonne(file);
    // The same limit as every reading with expansion: a few hundred damaged bytes could
    // otherwise ask for tens of millions of columns.
    std::size_t totale = 0;
    for (const TColonna& r : records) {
        totale += ColonneCoperte(r);
        if (totale > MassimoColonneEspanse) throw EErrore(MessaggioLetturaColonne);
    }
    // Record by record, so that memory holds one record's columns, not the whole result.
    TScritturaSicura scrittura(uscita);
    TListaColonne lista;
    for (const TColonna& r : records) {
        lista.Svuota();
        lista.AggiungiEspansa(r);
        const TBytes byte = ImmagineColonne(lista);
        if (!scrittura.Scrivi(byte.data(), byte.size())) break;
    }
    if (!scrittura.Concludi()) throw EErrore("Errore Durante la Scrittura del File Colonnare");
    if (ctx.json)
        StampaJson({{"record", records.Conta()}, {"colonne", totale}});
    else
        std::cout << "Record letti: " << records.Conta() << "\nColonne scritte: " << totale << "\n";
}

void Accorpa(const TContesto& ctx, const std::string& file, const std::string& uscita)
{
    TListaColonne lista = LeggiFileColonne(file);
    int iniziali = lista.Conta();
    double fattore;
    {
        TBarraProgresso barra("Accorpamento In Corso..");
        fattore = morella::Accorpa(lista, &barra);
    }
    ScriviFileColonne(lista, uscita);
    if (ctx.json) {
        StampaJson({{"iniziali", iniziali}, {"finali", lista.Conta()}, {"fattore", fattore}});
        return;
    }
    std::cout << "Colonne iniziali: " << iniziali << "\nColonne finali: " << lista.Conta()
              << "\nFattore di compressione: " << fattore << "\n";
}

void Opera(const TContesto& ctx, const std::string& operazione, const std::string& a, const std::string& b,
           const std::string& uscita)
{
    TOperazioneFile op = operazione == "or"    ? TOperazioneFile::Or
                         : operazione == "and" ? TOperazioneFile::And
                                               : TOperazioneFile::Xor;
    // A second source that breaks off in a partial record writes nothing; the player must hear
    // about it rather than find an old destination file.
    if (!OperazioneSuFile(op, a, b, uscita)) throw EErrore("Impossibile Effettuare Le Operazioni Sui File");
    TListaColonne risultato = LeggiFileColonne(uscita);
    if (ctx.json)
        StampaJson({{"colonne", risultato.Conta()}});
    else
        std::cout << "Colonne scritte: " << risultato.Conta() << "\n";
}

}  // namespace

void RegistraComandiColonne(CLI::App& app, TContesto& ctx)
{
    auto* mostra = app.add_subcommand("mostra", "Mostra le colonne di un file colonnare, una per riga");
    static std::string file, uscita, testo, operazione, sorgente2;
    mostra->add_option("FILE", file, "File colonnare (.Col)")->required();
    mostra->callback([&ctx] { Mostra(ctx, file); });

    auto* converti =
        app.add_subcommand("converti", "Converte un testo di colonne (una per riga) in file colonnare");
    converti->add_option("TESTO", testo, "File di testo ('-' per lo standard input)")->required();
    converti->add_option("-o,--output", uscita, "File colonnare da scrivere")->required();
    converti->callback([&ctx] { Converti(ctx, testo, uscita); });

    auto* espandi = app.add_subcommand("espandi", "Sviluppa ogni record nelle sue colonne singole");
    espandi->add_option("IN", file, "File colonnare da leggere")->required();
    espandi->add_option("-o,--output", uscita, "File colonnare da scrivere")->required();
    espandi->callback([&ctx] { Espandi(ctx, file, uscita); });

    auto* accorpa = app.add_subcommand("accorpa", "Accorpa le colonne che differiscono in un solo evento");
    accorpa->add_option("IN", file, "File colonnare da leggere")->required();
    accorpa->add_option("-o,--output", uscita, "File colonnare da scrivere")->required();
    accorpa->callback([&ctx] { Accorpa(ctx, file, uscita); });

    auto* opera = app.add_subcommand("opera", "OR, AND o XOR di due file colonnari");
    opera->add_option("OPERAZIONE", operazione, "or, and oppure xor")
        ->required()
        ->check(CLI::IsMember({"or", "and", "xor"}, CLI::ignore_case));
    opera->add_option("A", file, "Primo file colonnare")->required();
    opera->add_option("B", sorgente2, "Secondo file colonnare")->required();
    opera->add_option("-o,--output", uscita, "File colonnare di destinazione")->required();
    opera->callback([&ctx] {
        std::string op = operazione;
        for (char& ch : op) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
        Opera(ctx, op, file, sorgente2, uscita);
    });

    for (auto* sub : {mostra, converti, espandi, accorpa, opera})
        sub->add_flag("--json", ctx.json, "Risultato in JSON");
}

}  // namespace morella::cli
