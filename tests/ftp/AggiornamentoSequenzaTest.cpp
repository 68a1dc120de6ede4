// The update sequence with a scripted FTP client (what reaches the client, the log lines,
// the progress bar, an error told while a call claims success), the all-or-none file
// replacement and the connection settings.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <utility>

#include "AggiornamentoArchivio.h"
#include "Archivio.h"
#include "CartellaTemporanea.h"
#include "Errore.h"

namespace morella {
namespace {

namespace fs = std::filesystem;
using test::LeggiTutto;
using test::ScriviTutto;
using TPasso = std::pair<std::uint64_t, std::uint64_t>;

// A sound pair as the server would publish it: two contests and their database.
std::map<std::string, TBytes> CoppiaSana()
{
    T_Archivio a;
    for (std::uint8_t n : {1, 2}) {
        T_Concorso c;
        c.Stagione = 2001;
        c.Numero = n;
        ColonnaDaTesto(n == 1 ? "1X21X21X21X2" : "222111XXX111", c.ColonnaVincente);
        c.AggiornaCompleto();
        a.Aggiungi(c);
    }
    a.RicalcolaDataBase();
    return {{"archivio.mra", a.ImmagineConcorsi()}, {"archdb.mra", a.ImmagineDataBase()}};
}

class TClientFinto final : public TClientFtp {
   public:
    std::vector<std::string> chiamate;
    TParametriFtp parametri;
    std::vector<std::string> testi;   // status texts told on connecting
    std::vector<TPasso> passi;        // progress of every download
    bool erroreSenzaFallire = false;  // the second download tells an error, yet succeeds
    std::map<std::string, TBytes> contenuti = CoppiaSana();  // what each download writes
    bool connesso = false;

    bool Connetti(const TParametriFtp& p) override
    {
        chiamate.push_back("Connetti");
        parametri = p;
        for (const std::string& t : testi) NotificaStato(t);
        return connesso = true;
    }
    bool ImpostaBinario() override { return Registra("ImpostaBinario"); }
    bool CambiaDirectory(const std::string& d) override { return Registra("CambiaDirectory " + d); }
    bool Scarica(const std::string& remoto, const std::string& locale,
                 const TProgressoFtp& progresso) override
    {
        Registra("Scarica " + remoto + " " + fs::path(locale).filename().string());
        for (const TPasso& p : passi) progresso(p.first, p.second);
        ScriviTutto(locale, contenuti[remoto]);
        if (erroreSenzaFallire && remoto == "archdb.mra") NotificaErrore("426 Connection closed.");
        return true;
    }
    void Disconnetti() override
    {
        chiamate.push_back("Disconnetti");
        connesso = false;
    }
    bool Connesso() const override { return connesso; }

   private:
    bool Registra(const std::string& chiamata)
    {
        chiamate.push_back(chiamata);
        return true;
    }
};

struct TRegistra : TOsservatoreAggiornamento {
    int chiamate = 0;
    std::vector<std::string> righe;
    std::vector<int> percentuali;
    void Occupato(bool) override { ++chiamate; }
    void Stato(const std::string&) override { ++chiamate; }
    void Progresso(int p) override { percentuali.push_back(p); }
    void RigaRegistro(const std::string& t) override { righe.push_back(t); }
};

class AggiornamentoSequenza : public ::testing::Test {
   protected:
    test::TCartellaTemporanea cartella;
    TConfigurazione configurazione;
    TClientFinto client;
    TRegistra registro;

    void SetUp() override
    {
        configurazione.IndirizzoPosta = "a@b.it";
        configurazione.HostFtp = "ftp.example.org";
        configurazione.DirectoryFtp = "pub/x";
    }
    void Aggiorna()
    {
        AggiornaArchivio(configurazione, client, registro, {cartella.Percorso().string(), 2121, 7});
    }
};

TEST_F(AggiornamentoSequenza, EmptyEmailStopsBeforeAnythingHappens)
{
    configurazione.IndirizzoPosta.clear();
    try {
        Aggiorna();
        FAIL() << "no error";
    } catch (const EErrore& e) {
        EXPECT_STREQ(e.what(), MessaggioPostaMancante);
    }
    EXPECT_TRUE(client.chiamate.empty());
    EXPECT_EQ(registro.chiamate, 0);
}

TEST_F(AggiornamentoSequenza, ClientGetsTheSettingsAndTheStepsInOrder)
{
    Aggiorna();
    EXPECT_EQ(client.parametri.Host, "ftp.example.org");
    EXPECT_EQ(client.parametri.Porta, 2121);
    EXPECT_EQ(client.parametri.Utente, "anonymous");
    EXPECT_EQ(client.parametri.Password, "a@b.it");
    EXPECT_EQ(client.parametri.SecondiAttesa, 7);
    EXPECT_EQ(client.chiamate,
              (std::vector<std::string>{"Connetti", "ImpostaBinario", "CambiaDirectory pub/x",
                                        "Scarica archivio.mra archivio.tmp", "Scarica archdb.mra archdb.tmp",
                                        "Disconnetti"}));
    EXPECT_EQ(LeggiTutto(cartella.File("archivio.mra")), client.contenuti["archivio.mra"]);
    EXPECT_EQ(LeggiTutto(cartella.File("archdb.mra")), client.contenuti["archdb.mra"]);
}

TEST_F(AggiornamentoSequenza, StatusTextsBecomeSingleLinesWithoutControlCharacters)
{
    client.testi = {"220 Pronto\r\n", "230-Benvenuto\r\n230 Accesso\tconsentito, è tutto\r\n", "\r\n"};
    Aggiorna();
    ASSERT_GE(registro.righe.size(), 3u);
    EXPECT_EQ(registro.righe[0], "220 Pronto");
    EXPECT_EQ(registro.righe[1], "230-Benvenuto230 Accessoconsentito, è tutto");
    EXPECT_EQ(registro.righe[2], "");

    std::string tutti;
    for (int c = 1; c <= 255; ++c) tutti += static_cast<char>(c);
    EXPECT_EQ(RigaRegistroFtp(tutti), tutti.substr(13));
}

TEST_F(AggiornamentoSequenza, ProgressIsAPercentagePassedOnOnlyWhenItChanges)
{
    client.passi = {{0, 0}, {5, 1000}, {9, 1000}, {10, 1000}, {500, 1000}, {1000, 1000}, {1200, 1000}};
    Aggiorna();
    // Second file: it starts again from 0 and goes up, nothing while the size is unknown.
    EXPECT_EQ(registro.percentuali, (std::vector<int>{0, 1, 50, 100, 0, 1, 50, 100}));
}

TEST_F(AggiornamentoSequenza, ErrorToldDuringASuccessfulCallFailsTheUpdate)
{
    ScriviTutto(cartella.File("archivio.mra"), {1, 2, 3});
    client.erroreSenzaFallire = true;
    try {
        Aggiorna();
        FAIL() << "no error";
    } catch (const EErrore& e) {
        EXPECT_STREQ(e.what(), MessaggioErroreTrasferimento);
    }
    EXPECT_EQ(client.chiamate.back(), "Disconnetti");
    EXPECT_EQ(LeggiTutto(cartella.File("archivio.mra")), (std::vector<std::uint8_t>{1, 2, 3}));
    EXPECT_FALSE(fs::exists(cartella.File("archdb.mra")));
    EXPECT_FALSE(fs::exists(cartella.File("archivio.tmp")));
    EXPECT_FALSE(fs::exists(cartella.File("archdb.tmp")));
    EXPECT_EQ(registro.righe.back(), "426 Connection closed.");
}

TEST_F(AggiornamentoSequenza, UnsoundDownloadReplacesNothing)
{
    const auto sana = CoppiaSana();
    const TBytes& archivio = sana.at("archivio.mra");
    const TBytes& dataBase = sana.at("archdb.mra");
    auto senza = [](TBytes b, std::size_t n) {
        b.resize(b.size() - n);
        return b;
    };
    auto con = [](TBytes b, std::uint8_t x) {
        b.push_back(x);
        return b;
    };
    TBytes mNegativo = dataBase;
    mNegativo[1] = 0x80;
    const std::vector<std::pair<std::string, std::pair<TBytes, TBytes>>> casi = {
        {"archive 19 bytes short of a record", {senza(archivio, 1), dataBase}},
        {"archive a byte over", {con(archivio, 0), dataBase}},
        {"empty archive", {{}, dataBase}},
        {"database a byte short", {archivio, senza(dataBase, 1)}},
        {"database a byte over", {archivio, con(dataBase, 0)}},
        {"database with a negative M", {archivio, mNegativo}},
        {"empty database", {archivio, {}}},
    };
    for (const auto& [nome, file] : casi) {
        SCOPED_TRACE(nome);
        ScriviTutto(cartella.File("archivio.mra"), {1, 2, 3});
        ScriviTutto(cartella.File("archdb.mra"), {4, 5});
        client.contenuti = {{"archivio.mra", file.first}, {"archdb.mra", file.second}};
        client.chiamate.clear();
        try {
            Aggiorna();
            ADD_FAILURE() << "no error";
        } catch (const EErrore& e) {
            EXPECT_STREQ(e.what(), MessaggioErroreTrasferimento);
        }
        EXPECT_EQ(client.chiamate.back(), "Disconnetti");
        EXPECT_EQ(LeggiTutto(cartella.File("archivio.mra")), (TBytes{1, 2, 3}));
        EXPECT_EQ(LeggiTutto(cartella.File("archdb.mra")), (TBytes{4, 5}));
        EXPECT_FALSE(fs::exists(cartella.File("archivio.tmp")));
        EXPECT_FALSE(fs::exists(cartella.File("archdb.tmp")));
    }
}

TEST(SostituisciFile, AllOrNone)
{
    test::TCartellaTemporanea cartella;
    auto file = [&](const char* nome) { return cartella.File(nome); };
    const std::vector<TSostituzione> coppia = {{file("a.tmp"), file("a.mra")},
                                               {file("b.tmp"), file("b.mra")}};

    // The second new file is missing: nothing is touched.
    ScriviTutto(file("a.mra"), {1});
    ScriviTutto(file("a.tmp"), {2});
    EXPECT_FALSE(SostituisciFile(coppia));
    EXPECT_EQ(LeggiTutto(file("a.mra")), (std::vector<std::uint8_t>{1}));
    EXPECT_FALSE(fs::exists(file("b.mra")));

    // The second rename fails: the first one is undone, and its backup goes.
    ScriviTutto(file("b.tmp"), {3});
    const std::vector<TSostituzione> senzaCartella = {{file("a.tmp"), file("a.mra")},
                                                      {file("b.tmp"), file("manca/b.mra")}};
    EXPECT_FALSE(SostituisciFile(senzaCartella));
    EXPECT_EQ(LeggiTutto(file("a.mra")), (std::vector<std::uint8_t>{1}));
    EXPECT_FALSE(fs::exists(file("a.mra.prec")));

    // The same when the first old file did not exist: it is removed again.
    fs::remove(file("a.mra"));
    ScriviTutto(file("a.tmp"), {2});
    EXPECT_FALSE(SostituisciFile(senzaCartella));
    EXPECT_FALSE(fs::exists(file("a.mra")));

    ScriviTutto(file("a.mra"), {1});
    ScriviTutto(file("a.tmp"), {2});
    ASSERT_TRUE(SostituisciFile(coppia));
    EXPECT_EQ(LeggiTutto(file("a.mra")), (std::vector<std::uint8_t>{2}));
    EXPECT_EQ(LeggiTutto(file("b.mra")), (std::vector<std::uint8_t>{3}));
    std::size_t quanti = 0;
    for ([[maybe_unused]] const auto& voce : fs::directory_iterator(cartella.Percorso())) ++quanti;
    EXPECT_EQ(quanti, 2u) << "no .tmp or backup left";
}

TEST(ImpostaCollegamento, CutsEachFieldTo100CharactersAndSaves)
{
    test::TCartellaTemporanea cartella;
    TConfigurazione configurazione;
    std::string lungo;
    for (int i = 0; i < 60; ++i) lungo += "è.";  // 120 characters, 180 bytes
    ImpostaCollegamento(configurazione, {lungo, "h" + lungo, "/" + lungo}, cartella.File("Morella.cfg"));

    EXPECT_EQ(configurazione.IndirizzoPosta, TagliaCaratteri(lungo, 100));
    EXPECT_EQ(configurazione.HostFtp.substr(0, 3), "hè");
    EXPECT_EQ(configurazione.DirectoryFtp, "/" + TagliaCaratteri(lungo, 99));
    TConfigurazione letta;
    LeggiConfigurazione(letta, cartella.File("Morella.cfg"));
    EXPECT_EQ(letta.IndirizzoPosta, configurazione.IndirizzoPosta);
    EXPECT_EQ(letta.HostFtp, configurazione.HostFtp);
    EXPECT_EQ(letta.DirectoryFtp, configurazione.DirectoryFtp);
    const TCollegamento campi = LeggiCollegamento(letta);
    EXPECT_EQ(campi.DirectoryFtp, configurazione.DirectoryFtp);

    try {
        ImpostaCollegamento(configurazione, {"x", "y", "z"}, cartella.File("manca/Morella.cfg"));
        FAIL() << "no error";
    } catch (const EErrore& e) {
        EXPECT_STREQ(e.what(), MessaggioSalvaConfigurazione);
    }
}

}  // namespace
}  // namespace morella
