// morella-cli on the contest archive: the view's rows in text and JSON, adding and deleting
// contests through the editor's rules, and the database rebuild, on real archive files.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "Archivio.h"
#include "BloccoArchivio.h"
#include "CartellaTemporanea.h"
#include "Cartelle.h"
#include "Concorso.h"
#include "CsvArchivio.h"
#include "EseguiCli.h"
#include "VistaArchivio.h"

using morella::test::EseguiCli;
using morella::test::LeggiTutto;
using morella::test::ScriviTutto;
using morella::test::TCartellaTemporanea;
using morella::test::TEsito;
using namespace morella;

namespace {

using TBytes8 = std::vector<std::uint8_t>;

// One 20-byte record written by hand: season (little-endian 32-bit), number, 12 sign bytes
// and the two Corsa + bytes, complete flag.
TBytes8 Record(std::int32_t stagione, int numero, const std::string& colonna, int corsaPiu = 0)
{
    TBytes8 r;
    const auto u = static_cast<std::uint32_t>(stagione);
    for (int b = 0; b < 4; ++b) r.push_back(static_cast<std::uint8_t>(u >> (8 * b)));
    r.push_back(static_cast<std::uint8_t>(numero));
    bool completo = true;
    for (char ch : colonna) {
        const std::uint8_t s = ch == '1' ? 1 : ch == 'X' ? 2 : ch == '2' ? 4 : 0;
        completo = completo && s != 0;
        r.push_back(s);
    }
    r.push_back(static_cast<std::uint8_t>(corsaPiu & 0xFF));
    r.push_back(static_cast<std::uint8_t>(corsaPiu >> 8));
    r.push_back(completo ? 1 : 0);
    return r;
}

class CliArchivio : public ::testing::Test {
   protected:
    TCartellaTemporanea dir;
    std::string file;

    void SetUp() override
    {
        ImpostaDirectoryProgramma(dir.Percorso().string());
        CreaCartelleDiLavoro();
        file = UnisciPercorso(CartellaArchivi(), "archivio.mra");
    }

    TEsito Cli(const std::string& argomenti) { return EseguiCli(dir.Percorso(), argomenti); }

    // 2023/1, 2023/2, 2023/4 (incomplete, with a Corsa + part) and 2024/1.
    TBytes8 ScriviArchivio()
    {
        TBytes8 dati;
        for (const TBytes8& r : {Record(2023, 1, "1X21X21X21X2"), Record(2023, 2, "111XXX222111"),
                                 Record(2023, 4, "1X2*1X2*1X2*", 0x0102), Record(2024, 1, "X2X2X2111XX2")})
            dati.insert(dati.end(), r.begin(), r.end());
        ScriviTutto(file, dati);
        return dati;
    }

    static std::string IntestazioneCsvPV() { return IntestazioneCsvArchivio(';'); }

    static TBytes8 Pezzo(const TBytes8& dati, std::size_t record)
    {
        return TBytes8(dati.begin() + static_cast<std::ptrdiff_t>(record * 20),
                       dati.begin() + static_cast<std::ptrdiff_t>((record + 1) * 20));
    }
};

}  // namespace

TEST_F(CliArchivio, MostraJsonHasTheViewsRowsForEveryContest)
{
    ScriviArchivio();
    auto e = Cli("archivio mostra --json");
    ASSERT_EQ(e.codice, 0) << e.err;
    const auto j = nlohmann::json::parse(e.out);
    const auto& righe = j.at("righe");
    ASSERT_EQ(righe.size(), 4u);
    EXPECT_EQ(righe[0].at("anno"), 2023);
    EXPECT_EQ(righe[2].at("numero"), 4);
    EXPECT_EQ(righe[2].at("colonna"), "1X2*1X2*1X2*");
    EXPECT_EQ(righe[3].at("colonna"), "X2X2X2111XX2");

    // Without --gruppi every box is ticked, each group named by its box caption.
    ASSERT_EQ(righe[0].at("valori").size(), static_cast<std::size_t>(NumeroGruppiVista));
    for (const auto& d : DescrizioniGruppi())
        EXPECT_EQ(righe[3].at("valori").at(d.Casella).size(), d.Sottotitoli.size()) << d.Casella;
    EXPECT_EQ(righe[0].at("valori").at("Numero Di Segni"),
              (std::vector<std::string>{"4", "1", "4", "1", "4", "1"}));
    EXPECT_EQ(righe[0].at("valori").at("Ripetizioni"), std::vector<std::string>(4));
    EXPECT_EQ(righe[1].at("valori").at("Ripetizioni"), std::vector<std::string>(4));
    // The incomplete contest: no value anywhere.
    for (const auto& [nome, celle] : righe[2].at("valori").items())
        for (const auto& cella : celle) EXPECT_EQ(cella, "") << nome;
    // 2024/1 against the incomplete 2023/4 (its stars repeat nothing) and 2023/2.
    EXPECT_EQ(righe[3].at("valori").at("Ripetizioni"), (std::vector<std::string>{"2", "2", "1", "1"}));

    // Short names and captions, in any order and case; shown in the table's order.
    e = Cli("archivio mostra --gruppi 'ripetizioni,Numero Di Segni' --json");
    ASSERT_EQ(e.codice, 0) << e.err;
    const auto scelti = nlohmann::json::parse(e.out).at("righe")[3].at("valori");
    ASSERT_EQ(scelti.size(), 2u);
    EXPECT_EQ(scelti.at("Numero Di Segni"), (std::vector<std::string>{"3", "3", "5", "2", "4", "1"}));

    EXPECT_EQ(Cli("archivio mostra --gruppi nessuno --json").out,
              Cli("archivio mostra --gruppi '' --json").out);
    EXPECT_TRUE(nlohmann::json::parse(Cli("archivio mostra --gruppi nessuno --json").out)
                    .at("righe")[0]
                    .at("valori")
                    .empty());
    EXPECT_EQ(Cli("archivio mostra --gruppi galoppo").codice, 2);
}

TEST_F(CliArchivio, MostraTextIsOneLinePerContestUnderTheHeadings)
{
    ScriviArchivio();
    auto e = Cli("archivio mostra --gruppi nessuno");
    ASSERT_EQ(e.codice, 0) << e.err;
    EXPECT_EQ(e.out,
              "Anno Num. Colonna\n"
              "2023    1 1X21X21X21X2\n"
              "2023    2 111XXX222111\n"
              "2023    4 1X2*1X2*1X2*\n"
              "2024    1 X2X2X2111XX2\n");

    e = Cli("archivio mostra --gruppi segni,formule");
    ASSERT_EQ(e.codice, 0) << e.err;
    std::istringstream righe(e.out);
    std::string caselle, sotto, prima, seconda, terza;
    std::getline(righe, caselle);
    std::getline(righe, sotto);
    std::getline(righe, prima);
    std::getline(righe, seconda);
    std::getline(righe, terza);
    EXPECT_NE(caselle.find("| Numero Di Segni"), std::string::npos) << caselle;
    EXPECT_NE(caselle.find("| Formule Derivate"), std::string::npos) << caselle;
    EXPECT_EQ(sotto.substr(0, 17), "Anno Num. Colonna");
    EXPECT_NE(sotto.find("Pt Cs Pt Cs Pt Cs"), std::string::npos) << sotto;
    EXPECT_NE(prima.find("4  1  4  1  4  1"), std::string::npos) << prima;
    EXPECT_EQ(terza.substr(0, 24), "2023    4 1X2*1X2*1X2* |");
    EXPECT_EQ(terza.find_first_not_of(" |", 22), std::string::npos) << "an incomplete contest has no values";

    // No archive: the program's message.
    std::filesystem::remove(file);
    e = Cli("archivio mostra");
    EXPECT_EQ(e.codice, 1);
    EXPECT_NE(e.err.find("Impossibile Caricare L'Archivio."), std::string::npos);
}

TEST_F(CliArchivio, AggiungiPutsTheContestInItsPlace)
{
    const TBytes8 prima = ScriviArchivio();
    auto e = Cli("archivio aggiungi 2023 3 '1x2 1x2 1x2 1x2' --json");
    ASSERT_EQ(e.codice, 0) << e.err;
    const auto j = nlohmann::json::parse(e.out);
    EXPECT_EQ(j.at("colonna"), "1X21X21X21X2");
    EXPECT_EQ(j.at("sostituito"), false);
    EXPECT_EQ(j.at("concorsi"), 5);

    const TBytes8 dopo = LeggiTutto(file);
    ASSERT_EQ(dopo.size(), 100u);
    EXPECT_EQ(Pezzo(dopo, 0), Pezzo(prima, 0));
    EXPECT_EQ(Pezzo(dopo, 1), Pezzo(prima, 1));
    EXPECT_EQ(Pezzo(dopo, 2), Record(2023, 3, "1X21X21X21X2"));
    EXPECT_EQ(Pezzo(dopo, 3), Pezzo(prima, 2)) << "the contests not edited keep their Corsa + bytes";
    EXPECT_EQ(Pezzo(dopo, 4), Pezzo(prima, 3));

    // At the end, with a star: stored, and not complete.
    e = Cli("archivio aggiungi 2024 2 '1X21X21X21X*'");
    ASSERT_EQ(e.codice, 0) << e.err;
    EXPECT_NE(e.out.find("2024/2 aggiunto"), std::string::npos) << e.out;
    EXPECT_EQ(Pezzo(LeggiTutto(file), 5), Record(2024, 2, "1X21X21X21X*"));
}

TEST_F(CliArchivio, AggiungiRefusesDuplicatesUnlessAskedToReplace)
{
    const TBytes8 prima = ScriviArchivio();
    auto e = Cli("archivio aggiungi 2023 2 222222222222");
    EXPECT_EQ(e.codice, 1);
    EXPECT_NE(e.err.find("Il Concorso è già in memoria."), std::string::npos) << e.err;
    EXPECT_EQ(LeggiTutto(file), prima);

    e = Cli("archivio aggiungi 2023 2 222222222222 --sostituisci --json");
    ASSERT_EQ(e.codice, 0) << e.err;
    EXPECT_EQ(nlohmann::json::parse(e.out).at("sostituito"), true);
    const TBytes8 dopo = LeggiTutto(file);
    ASSERT_EQ(dopo.size(), prima.size());
    EXPECT_EQ(Pezzo(dopo, 1), Record(2023, 2, "222222222222"));
    EXPECT_EQ(Pezzo(dopo, 3), Pezzo(prima, 3));
}

TEST_F(CliArchivio, AggiungiRefusesWithTheEditorsMessages)
{
    const TBytes8 prima = ScriviArchivio();
    struct TCaso {
        const char* argomenti;
        const char* messaggio;
    };
    for (const TCaso& c : {TCaso{"2024 2 1X21X21X21X", "La Colonna Vincente Non è Valida."},
                           TCaso{"2024 2 1X21X21X21X21", "La Colonna Vincente Non è Valida."},
                           TCaso{"2024 2 1X21X21X21XA", "La Colonna Vincente Non è Valida."},
                           TCaso{"1800 2 1X21X21X21X2", "La Stagione Non è Valida."},
                           TCaso{"duemila 2 1X21X21X21X2", "La Stagione Non è Valida."},
                           TCaso{"2024 0 1X21X21X21X2", "Il Numero Del Concorso Non è Valido."},
                           TCaso{"2024 100 1X21X21X21X2", "Il Numero Del Concorso Non è Valido."}}) {
        auto e = Cli(std::string("archivio aggiungi ") + c.argomenti);
        EXPECT_EQ(e.codice, 1) << c.argomenti;
        EXPECT_EQ(e.err, std::string(c.messaggio) + "\n") << c.argomenti;
        EXPECT_EQ(LeggiTutto(file), prima) << c.argomenti;
    }
    // The number after 2024/99 is refused even though the editor seeds the new contest with it.
    ScriviTutto(file, Record(2024, 99, "111111111111"));
    auto e = Cli("archivio aggiungi 2024 100 1X21X21X21X2");
    EXPECT_EQ(e.codice, 1);
    EXPECT_EQ(LeggiTutto(file), Record(2024, 99, "111111111111"));
}

TEST_F(CliArchivio, AggiungiStartsAnArchiveAndGetsPastAnEmptyLastColumn)
{
    std::filesystem::remove(file);
    auto e = Cli("archivio aggiungi 2020 7 111111111111");
    ASSERT_EQ(e.codice, 0) << e.err;
    EXPECT_EQ(LeggiTutto(file), Record(2020, 7, "111111111111"));

    // The last contest has no known sign: the editor shows it as an empty field, which must
    // not stop a new contest from being added after it.
    ScriviTutto(file, Record(2020, 7, "************"));
    e = Cli("archivio aggiungi 2020 8 222222222222");
    ASSERT_EQ(e.codice, 0) << e.err;
    const TBytes8 dopo = LeggiTutto(file);
    ASSERT_EQ(dopo.size(), 40u);
    EXPECT_EQ(Pezzo(dopo, 0), Record(2020, 7, "************"));
    EXPECT_EQ(Pezzo(dopo, 1), Record(2020, 8, "222222222222"));
}

TEST_F(CliArchivio, EliminaPresentAndAbsent)
{
    const TBytes8 prima = ScriviArchivio();
    auto e = Cli("archivio elimina 2023 9");
    EXPECT_EQ(e.codice, 1);
    EXPECT_EQ(e.err, "Il Concorso Non è in Archivio.\n");
    EXPECT_EQ(LeggiTutto(file), prima);

    e = Cli("archivio elimina 2023 2 --json");
    ASSERT_EQ(e.codice, 0) << e.err;
    EXPECT_EQ(nlohmann::json::parse(e.out).at("concorsi"), 3);
    const TBytes8 dopo = LeggiTutto(file);
    ASSERT_EQ(dopo.size(), 60u);
    EXPECT_EQ(Pezzo(dopo, 0), Pezzo(prima, 0));
    EXPECT_EQ(Pezzo(dopo, 1), Pezzo(prima, 2)) << "the next contest is stored untouched";
    EXPECT_EQ(Pezzo(dopo, 2), Pezzo(prima, 3));

    EXPECT_EQ(Cli("archivio elimina 2023 x").codice, 2);
}

TEST_F(CliArchivio, EliminaTheOnlyContestLeavesTheEditorsNewOne)
{
    ScriviTutto(file, Record(2020, 7, "111111111111"));
    auto e = Cli("archivio elimina 2020 7");
    ASSERT_EQ(e.codice, 0) << e.err;
    const TBytes8 dopo = LeggiTutto(file);
    ASSERT_EQ(dopo.size(), 20u);
    T_Concorso nuovo;
    EXPECT_EQ(dopo, Record(nuovo.Stagione, 1, "************"));
}

TEST_F(CliArchivio, RicalcolaRewritesTheArchiveAndRefusesADamagedOne)
{
    const TBytes8 prima = ScriviArchivio();
    auto e = Cli("archivio ricalcola --json");
    ASSERT_EQ(e.codice, 0) << e.err;
    EXPECT_EQ(nlohmann::json::parse(e.out).at("concorsi"), 4);
    EXPECT_EQ(LeggiTutto(file), prima);
    const std::string dataBase = UnisciPercorso(CartellaArchivi(), "archdb.mra");
    EXPECT_FALSE(LeggiTutto(dataBase).empty()) << "the database is saved beside the contests";

    // A record cut short: saving would lose it, so nothing is written.
    TBytes8 rotto = prima;
    rotto.resize(rotto.size() - 3);
    ScriviTutto(file, rotto);
    for (const char* comando :
         {"archivio ricalcola", "archivio aggiungi 2025 1 111111111111", "archivio elimina 2023 1"}) {
        e = Cli(comando);
        EXPECT_EQ(e.codice, 1) << comando;
        EXPECT_EQ(e.err, "Impossibile Caricare L'Archivio.\n") << comando;
        EXPECT_EQ(LeggiTutto(file), rotto) << comando;
    }
    // Showing it is harmless: the whole records, with a warning.
    e = Cli("archivio mostra --json");
    ASSERT_EQ(e.codice, 0) << e.err;
    EXPECT_EQ(nlohmann::json::parse(e.out).at("righe").size(), 3u);
    EXPECT_NE(e.err.find("record incompleto"), std::string::npos);

    std::filesystem::remove(file);
    std::filesystem::remove(dataBase);
    EXPECT_EQ(Cli("archivio ricalcola").codice, 1);
    EXPECT_FALSE(std::filesystem::exists(file));
    EXPECT_FALSE(std::filesystem::exists(dataBase));
}

// Twelve writers at once: every one that says "aggiunto" finds its contest in the archive,
// and the database on disk matches the contests.
TEST_F(CliArchivio, AggiungiInParalleloNonPerdeNulla)
{
    const std::filesystem::path d = dir.Percorso();
    std::string script;
    for (int i = 1; i <= 12; ++i) {
        const std::string n = std::to_string(i);
        script += "( '" MORELLA_CLI_PATH "' --dir '" + d.string() + "' archivio aggiungi 2024 " + n +
                  " 1X21X21X21X2 >'" + (d / ("out" + n)).string() + "' 2>&1; echo $? >'" +
                  (d / ("rc" + n)).string() + "' ) &\n";
    }
    script += "wait\n";
    ASSERT_EQ(std::system(script.c_str()), 0);

    morella::T_Archivio archivio;
    EXPECT_TRUE(archivio.Carica(CartellaArchivi())) << "the database on disk describes the contests";
    int riusciti = 0;
    for (int i = 1; i <= 12; ++i) {
        const std::string n = std::to_string(i);
        const std::string out = morella::test::LeggiTesto((d / ("out" + n)).string());
        const std::string rc = morella::test::LeggiTesto((d / ("rc" + n)).string());
        if (rc != "0\n") {
            // The only failure allowed is the lock's own, said as such.
            EXPECT_NE(out.find(morella::MessaggioArchivioOccupato), std::string::npos) << out;
            continue;
        }
        ++riusciti;
        EXPECT_NE(out.find("aggiunto"), std::string::npos) << out;
        bool trovato = false;
        for (const auto& c : archivio.Concorsi()) trovato = trovato || (c.Stagione == 2024 && c.Numero == i);
        EXPECT_TRUE(trovato) << "contest 2024/" << i << " was reported added and is lost";
    }
    EXPECT_EQ(riusciti, 12) << "the wait is long enough for twelve short writers";
    EXPECT_EQ(archivio.NumeroConcorsi(), riusciti);
}

// A lock file that cannot be taken (here a link that leads to itself) stops the command
// with the lock's message, and the archive stays as it was.
TEST_F(CliArchivio, AggiungiSenzaBloccoNonScriveNulla)
{
    const TBytes8 prima = ScriviArchivio();
    std::filesystem::create_symlink(NomeFileBlocco,
                                    std::filesystem::path(CartellaArchivi()) / NomeFileBlocco);
    const auto e = Cli("archivio aggiungi 2023 3 1X21X21X21X2");
    EXPECT_EQ(e.codice, 1);
    EXPECT_NE(e.err.find(MessaggioArchivioOccupato), std::string::npos) << e.err;
    EXPECT_EQ(LeggiTutto(file), prima);
}

// Contests the command did not name are stored as they are, even when the editor could not
// show their columns: adding after them, or deleting before them, neither fails on them nor
// changes a byte of them.
TEST_F(CliArchivio, IConcorsiNonNominatiRestanoComeSono)
{
    TBytes8 dati = Record(2024, 1, "1X21X21X21X2");
    TBytes8 doppia = Record(2024, 2, "111111111111");
    doppia[5] = 3;  // "1X" in the first event: no single sign
    doppia[19] = 0;
    TBytes8 senzaSegni = Record(2024, 3, "111111111111");
    for (int e = 0; e < 12; ++e) senzaSegni[5 + static_cast<std::size_t>(e)] = 3;
    senzaSegni[19] = 0;
    for (const TBytes8* r : {&doppia, &senzaSegni}) dati.insert(dati.end(), r->begin(), r->end());
    ScriviTutto(file, dati);

    TEsito r = Cli("archivio aggiungi 2024 4 222222222222");
    ASSERT_EQ(r.codice, 0) << r.err;
    TBytes8 atteso = dati;
    const TBytes8 quarto = Record(2024, 4, "222222222222");
    atteso.insert(atteso.end(), quarto.begin(), quarto.end());
    EXPECT_EQ(LeggiTutto(file), atteso);

    r = Cli("archivio elimina 2024 1");
    ASSERT_EQ(r.codice, 0) << r.err;
    EXPECT_EQ(LeggiTutto(file), TBytes8(atteso.begin() + 20, atteso.end()));
}

// The largest archive accepted is shown in little memory, one row at a time; one contest
// more is not an archive.
TEST_F(CliArchivio, MostraIlPiuGrandeArchivioInPocaMemoria)
{
    TBytes8 dati;
    const char* segni = "1X2";
    for (int i = 0; i < MassimoConcorsiArchivio; ++i) {
        std::string colonna;
        for (int e = 0; e < 12; ++e) colonna += segni[(i * 7 + e * (i % 5 + 1)) % 3];
        const TBytes8 r = Record(1930 + i / 99, 1 + i % 99, colonna);
        dati.insert(dati.end(), r.begin(), r.end());
    }
    ScriviTutto(file, dati);
    const std::string uscita = (dir.Percorso() / "vista.json").string();
    // 100 MB of address space: the whole JSON of 20,000 rows built in memory needs more.
    if (morella::test::ConSanitizer) GTEST_SKIP() << "no address-space limit under the sanitizer";
    const std::string comando = "ulimit -v 100000 && '" MORELLA_CLI_PATH "' --dir '" +
                                dir.Percorso().string() + "' archivio mostra --json >'" + uscita +
                                "' 2>/dev/null";
    ASSERT_EQ(std::system(comando.c_str()), 0);
    const nlohmann::json j = nlohmann::json::parse(morella::test::LeggiTesto(uscita));
    ASSERT_EQ(j["righe"].size(), static_cast<std::size_t>(MassimoConcorsiArchivio));
    EXPECT_EQ(j["gruppi"].size(), 11u);
    EXPECT_EQ(j["righe"].back()["anno"], 1930 + (MassimoConcorsiArchivio - 1) / 99);

    const TBytes8 ancora = Record(2099, 99, "111111111111");
    dati.insert(dati.end(), ancora.begin(), ancora.end());
    ScriviTutto(file, dati);
    const TEsito r = Cli("archivio mostra --gruppi nessuno");
    EXPECT_EQ(r.codice, 1);
    EXPECT_NE(r.err.find("Impossibile Caricare L'Archivio."), std::string::npos) << r.err;
}

TEST_F(CliArchivio, CsvEsportaImportaEUnaRigaErrataNonCambiaNulla)
{
    const TBytes8 prima = ScriviArchivio();
    const std::string csv = (dir.Percorso() / "archivio.csv").string();
    auto e = Cli("archivio esporta --csv '" + csv + "'");
    ASSERT_EQ(e.codice, 0) << e.err;
    const std::string testo = morella::test::LeggiTesto(csv);
    EXPECT_EQ(testo.substr(0, testo.find('\n')),
              "Stagione,Numero,Evento 1,Evento 2,Evento 3,Evento 4,Evento 5,Evento 6,Evento 7,Evento 8,"
              "Evento 9,Evento 10,Evento 11,Evento 12,Corsa +,Completo\r");
    EXPECT_NE(testo.find("\r\n2023,4,1,X,2,*,1,X,2,*,1,X,2,*,2 9,0\r\n"), std::string::npos) << testo;

    // Export then import with replacement gives back the very same contests.
    e = Cli("archivio importa --csv '" + csv + "' --sostituisci");
    ASSERT_EQ(e.codice, 0) << e.err;
    EXPECT_EQ(LeggiTutto(file), prima);

    // A spreadsheet's file: semicolons, a byte order mark, quotes, lower-case x; it merges,
    // replacing 2023/2 and adding 2022/5 in its place.
    const std::string pv = (dir.Percorso() / "foglio.csv").string();
    {
        std::ofstream f(pv, std::ios::binary);
        f << "\xEF\xBB\xBF" << IntestazioneCsvPV() << "\n"
          << "2023;2;\"2\";2;2;2;2;2;2;2;2;2;2;2;;1\n"
          << "2022; 5 ;1;x;1;x;1;x;1;x;1;x;1;x;1 16;1\n\n";
    }
    e = Cli("archivio importa --csv '" + pv + "' --json");
    ASSERT_EQ(e.codice, 0) << e.err;
    EXPECT_EQ(nlohmann::json::parse(e.out).at("concorsi"), 5);
    const TBytes8 unito = LeggiTutto(file);
    ASSERT_EQ(unito.size(), 100u);
    EXPECT_EQ(Pezzo(unito, 0), Record(2022, 5, "1X1X1X1X1X1X", 0x8001));
    EXPECT_EQ(Pezzo(unito, 1), Pezzo(prima, 0));
    EXPECT_EQ(Pezzo(unito, 2), Record(2023, 2, "222222222222"));
    EXPECT_EQ(Pezzo(unito, 4), Pezzo(prima, 3));

    // The first bad row is named with its line and field, and nothing changes.
    const TBytes8 db = LeggiTutto(UnisciPercorso(CartellaArchivi(), "archdb.mra"));
    for (const auto& [riga, errore] : std::vector<std::pair<std::string, std::string>>{
             {"2023,3,1,X,2,1,X,2,1,X,2,1,X,Q,,1",
              "Riga 3, campo \"Evento 12\": La Colonna Vincente Non è Valida.\n"},
             {"2023,100,1,X,2,1,X,2,1,X,2,1,X,2,,1",
              "Riga 3, campo \"Numero\": Il Numero Del Concorso Non è Valido.\n"},
             {"2023,3,1,X,2,1,X,2,1,X,2,1,X,*,,1", "Riga 3, campo \"Completo\": "},
             {"2023,3,1,X", "Riga 3: ha 4 campi invece di 16\n"},
             {"2024,1,1,X,2,1,X,2,1,X,2,1,X,2,,1", "Riga 3: il concorso 2024/1 compare già alla riga 2\n"}}) {
        {
            std::ofstream f(csv, std::ios::binary);
            f << IntestazioneCsvArchivio() << "\r\n2024,1,1,1,1,1,1,1,1,1,1,1,1,1,,1\r\n" << riga << "\r\n";
        }
        e = Cli("archivio importa --csv '" + csv + "'");
        EXPECT_EQ(e.codice, 1) << riga;
        EXPECT_EQ(e.err.substr(0, errore.size()), errore) << riga;
        EXPECT_EQ(LeggiTutto(file), unito) << riga;
        EXPECT_EQ(LeggiTutto(UnisciPercorso(CartellaArchivi(), "archdb.mra")), db) << riga;
    }
}
