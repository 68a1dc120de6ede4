// The archive update against a real FTP server on loopback, through the libcurl client:
// a good update, the refusals at each step, and servers that fail in mid-transfer.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <optional>
#include <random>
#include <set>

#include "AggiornamentoArchivio.h"
#include "Archivio.h"
#include "CartellaTemporanea.h"
#include "ClientFtpCurl.h"
#include "Errore.h"
#include "ServerFtpProva.h"

namespace morella {
namespace {

namespace fs = std::filesystem;
using test::LeggiTutto;
using test::ScriviTutto;
using TDati = std::vector<std::uint8_t>;

// Random bytes that start with line ends, a NUL and a ^Z: a text-mode transfer would
// change them.
TDati Dati(std::size_t n, unsigned seme)
{
    TDati dati = {'\r', '\n', '\n', '\r', 0, 0x1a};
    std::mt19937 generatore(seme);
    while (dati.size() < n) dati.push_back(static_cast<std::uint8_t>(generatore()));
    dati.resize(n);
    return dati;
}

// A real database, counted over the contests of `archivio`, with reserved bytes that a
// text-mode transfer would change.
TDati DataBaseVero(const TDati& archivio)
{
    T_Archivio a;
    TLettoreBinario lettore(archivio);
    a.LeggiConcorsi(lettore);
    a.RicalcolaDataBase();
    TDati db = a.ImmagineDataBase();
    const std::uint8_t riservati[] = {'\r', '\n', 0x1a};
    std::size_t o = 0;
    for (int k = 0; k < NumeroTabelleDataBase; ++k) {
        std::int16_t m;
        std::memcpy(&m, db.data() + o, 2);
        db[o + 6] = riservati[k % 3];
        o += DimensioneTestaTabella + DimensioneCoppiaElementi * (static_cast<std::size_t>(m) + 1);
    }
    return db;
}

struct TRegistra : TOsservatoreAggiornamento {
    std::vector<bool> occupato;
    std::vector<std::string> stati, nomi, righe;
    std::vector<int> percentuali;
    void Occupato(bool si) override { occupato.push_back(si); }
    void Stato(const std::string& t) override { stati.push_back(t); }
    void NomeFile(const std::string& t) override { nomi.push_back(t); }
    void Progresso(int p) override { percentuali.push_back(p); }
    void RigaRegistro(const std::string& t) override { righe.push_back(t); }
    bool HaRiga(const std::string& riga) const
    {
        return std::find(righe.begin(), righe.end(), riga) != righe.end();
    }
};

class AggiornamentoFtp : public ::testing::Test {
   protected:
    const TDati vecchioArchivio = Dati(20 * 7, 1);
    const TDati vecchioDataBase = Dati(999, 2);
    const TDati nuovoArchivio = test::ArchivioSensato(3001, 3);
    const TDati nuovoDataBase = DataBaseVero(nuovoArchivio);

    test::TCartellaTemporanea cartella;
    fs::path home = cartella.Percorso() / "server";
    fs::path archivi = cartella.Percorso() / "Archivi";
    TConfigurazione configurazione;
    TClientFtpCurl client;
    TRegistra registro;

    void SetUp() override
    {
        configurazione.IndirizzoPosta = "giocatore@example.org";
        configurazione.HostFtp = "127.0.0.1";
        fs::create_directories(archivi);
        ScriviTutto((archivi / "archivio.mra").string(), vecchioArchivio);
        ScriviTutto((archivi / "archdb.mra").string(), vecchioDataBase);
    }

    // The server's directory, relative to its home, with the files asked for.
    void Pubblica(const std::string& directory, bool conDataBase = true)
    {
        Pubblica(directory, nuovoArchivio, conDataBase ? std::optional<TDati>(nuovoDataBase) : std::nullopt);
    }
    void Pubblica(const std::string& directory, const TDati& archivio, const std::optional<TDati>& dataBase)
    {
        fs::create_directories(home / directory);
        ScriviTutto((home / directory / "archivio.mra").string(), archivio);
        if (dataBase) ScriviTutto((home / directory / "archdb.mra").string(), *dataBase);
    }

    // The update; the message of its failure, nothing on success.
    std::optional<std::string> Aggiorna(int porta, const std::string& directory, long attesa = 10)
    {
        configurazione.DirectoryFtp = directory;
        TOpzioniAggiornamento opzioni{archivi.string(), porta, attesa};
        try {
            AggiornaArchivio(configurazione, client, registro, opzioni);
        } catch (const EErrore& e) {
            return std::string(e.what());
        }
        return std::nullopt;
    }

    std::set<std::string> FileArchivi() const
    {
        std::set<std::string> nomi;
        for (const auto& voce : fs::directory_iterator(archivi))
            if (voce.path().filename() != NomeFileBlocco) nomi.insert(voce.path().filename().string());
        return nomi;
    }

    // After a failure: the old pair as it was, nothing else beside it, window restored.
    void VerificaIntatti()
    {
        EXPECT_EQ(LeggiTutto((archivi / "archivio.mra").string()), vecchioArchivio);
        EXPECT_EQ(LeggiTutto((archivi / "archdb.mra").string()), vecchioDataBase);
        EXPECT_EQ(FileArchivi(), (std::set<std::string>{"archivio.mra", "archdb.mra"}));
        EXPECT_FALSE(client.Connesso());
        EXPECT_EQ(registro.occupato, (std::vector<bool>{true, false}));
        ASSERT_FALSE(registro.stati.empty());
        EXPECT_EQ(registro.stati.back(), "");
    }
};

TEST_F(AggiornamentoFtp, ReplacesBothFilesByteExactAndLogsTheDialogue)
{
    Pubblica("pub/archivi morella");
    test::TServerFtpProva server("normale", home);

    EXPECT_EQ(Aggiorna(server.Porta(), "pub/archivi morella"), std::nullopt);

    EXPECT_EQ(LeggiTutto((archivi / "archivio.mra").string()), nuovoArchivio);
    EXPECT_EQ(LeggiTutto((archivi / "archdb.mra").string()), nuovoDataBase);
    EXPECT_EQ(FileArchivi(), (std::set<std::string>{"archivio.mra", "archdb.mra"}));
    EXPECT_FALSE(client.Connesso());
    T_Archivio caricato;  // the pair loads whole, database included
    EXPECT_TRUE(caricato.Carica(archivi.string()));

    EXPECT_EQ(registro.occupato, (std::vector<bool>{true, false}));
    EXPECT_EQ(registro.stati,
              (std::vector<std::string>{StatoConnessioneInCorso, StatoConnessioneStabilita, ""}));
    EXPECT_EQ(registro.nomi, (std::vector<std::string>{"archivio.mra", "archdb.mra", ""}));
    ASSERT_FALSE(registro.percentuali.empty());
    EXPECT_EQ(registro.percentuali.back(), 100);
    for (std::size_t i = 0; i < registro.percentuali.size(); ++i) {
        EXPECT_GE(registro.percentuali[i], 0);
        EXPECT_LE(registro.percentuali[i], 100);
        if (i > 0) {
            EXPECT_NE(registro.percentuali[i], registro.percentuali[i - 1]) << "redrawn unchanged";
        }
    }

    // The dialogue, one line per text with no line ends; the directory goes in one CWD and
    // the password never shows.
    for (const std::string& riga : registro.righe)
        for (char c : riga) ASSERT_GT(static_cast<unsigned char>(c), 13) << riga;
    EXPECT_TRUE(registro.HaRiga("220 Server di prova pronto."));
    EXPECT_TRUE(registro.HaRiga("USER anonymous"));
    EXPECT_TRUE(registro.HaRiga("PASS ****"));
    EXPECT_TRUE(registro.HaRiga("TYPE I"));
    EXPECT_TRUE(registro.HaRiga("CWD pub/archivi morella"));
    EXPECT_TRUE(registro.HaRiga("RETR archdb.mra"));
    for (const std::string& riga : registro.righe) EXPECT_EQ(riga.find("giocatore@"), std::string::npos);
}

TEST_F(AggiornamentoFtp, FirstUpdateMakesTheFolderFromAnAbsoluteDirectory)
{
    fs::remove_all(archivi);
    Pubblica("pub/arch");
    test::TServerFtpProva server("normale", home);

    EXPECT_EQ(Aggiorna(server.Porta(), "/pub/arch/"), std::nullopt);

    EXPECT_EQ(LeggiTutto((archivi / "archivio.mra").string()), nuovoArchivio);
    EXPECT_EQ(LeggiTutto((archivi / "archdb.mra").string()), nuovoDataBase);
    EXPECT_EQ(FileArchivi(), (std::set<std::string>{"archivio.mra", "archdb.mra"}));
}

TEST_F(AggiornamentoFtp, MissingDirectoryIsReportedAsSuch)
{
    Pubblica("pub/arch");
    test::TServerFtpProva server("normale", home);

    EXPECT_EQ(Aggiorna(server.Porta(), "pub/altrove"), MessaggioDirectoryArchivi);
    VerificaIntatti();
    EXPECT_TRUE(registro.nomi.empty());
}

TEST_F(AggiornamentoFtp, RefusedBinaryTypeIsReportedAsTheDirectoryFailure)
{
    Pubblica("pub/arch");
    test::TServerFtpProva server("senza_binario", home);

    EXPECT_EQ(Aggiorna(server.Porta(), "pub/arch"), MessaggioDirectoryArchivi);
    VerificaIntatti();
}

TEST_F(AggiornamentoFtp, DirectoryWithoutTheDatabaseLeavesBothOldFiles)
{
    Pubblica("pub/arch", false);
    test::TServerFtpProva server("normale", home);

    EXPECT_EQ(Aggiorna(server.Porta(), "pub/arch"), MessaggioErroreTrasferimento);
    VerificaIntatti();
    EXPECT_EQ(registro.nomi, (std::vector<std::string>{"archivio.mra", "archdb.mra", ""}));
}

TEST_F(AggiornamentoFtp, ConnectionFailuresRefusedLoginClosedPortSilentServer)
{
    Pubblica("pub/arch");
    {
        test::TServerFtpProva server("senza_anonimo", home);
        EXPECT_EQ(Aggiorna(server.Porta(), "pub/arch"), MessaggioConnessioneFallita);
        VerificaIntatti();
    }
    registro = {};
    EXPECT_EQ(Aggiorna(test::PortaChiusa(), "pub/arch"), MessaggioConnessioneFallita);
    VerificaIntatti();

    // A server that accepts and never greets must not hold the window beyond the wait.
    registro = {};
    test::TServerFtpProva muto("muto", home);
    const auto inizio = std::chrono::steady_clock::now();
    EXPECT_EQ(Aggiorna(muto.Porta(), "pub/arch", 1), MessaggioConnessioneFallita);
    EXPECT_LT(std::chrono::steady_clock::now() - inizio, std::chrono::seconds(8));
    VerificaIntatti();
}

TEST_F(AggiornamentoFtp, ServerDyingInMidTransferLeavesTheOldFiles)
{
    Pubblica("pub/arch");
    test::TServerFtpProva server("cade", home);

    EXPECT_EQ(Aggiorna(server.Porta(), "pub/arch"), MessaggioErroreTrasferimento);
    VerificaIntatti();
}

TEST_F(AggiornamentoFtp, TransferCutShortWhileTheServerClaimsSuccessIsAFailure)
{
    Pubblica("pub/arch");
    test::TServerFtpProva server("corto", home);

    EXPECT_EQ(Aggiorna(server.Porta(), "pub/arch"), MessaggioErroreTrasferimento);
    VerificaIntatti();
}

TEST_F(AggiornamentoFtp, UnsoundFilesOnTheServerLeaveTheOldOnes)
{
    TDati archivioCorto = nuovoArchivio;
    archivioCorto.resize(archivioCorto.size() - 7);
    TDati dataBaseLungo = nuovoDataBase;
    dataBaseLungo.push_back(0);
    TDati dataBaseCorto = nuovoDataBase;
    dataBaseCorto.resize(dataBaseCorto.size() / 2);
    const std::vector<std::pair<std::string, std::pair<TDati, TDati>>> casi = {
        {"archive not in whole records", {archivioCorto, nuovoDataBase}},
        {"empty archive", {{}, nuovoDataBase}},
        {"database with a byte too many", {nuovoArchivio, dataBaseLungo}},
        {"database cut in half", {nuovoArchivio, dataBaseCorto}},
        {"empty database", {nuovoArchivio, {}}},
        {"arbitrary bytes as the database", {nuovoArchivio, Dati(400'000, 4)}},
    };
    for (std::size_t i = 0; i < casi.size(); ++i)
        Pubblica("pub/caso" + std::to_string(i), casi[i].second.first, casi[i].second.second);
    test::TServerFtpProva server("normale", home);
    for (std::size_t i = 0; i < casi.size(); ++i) {
        SCOPED_TRACE(casi[i].first);
        const std::string directory = "pub/caso" + std::to_string(i);
        registro = {};
        EXPECT_EQ(Aggiorna(server.Porta(), directory), MessaggioErroreTrasferimento);
        VerificaIntatti();
        EXPECT_EQ(registro.nomi, (std::vector<std::string>{"archivio.mra", "archdb.mra", ""}));
    }
}

}  // namespace
}  // namespace morella
