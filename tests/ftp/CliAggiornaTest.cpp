// morella-cli aggiorna against the real loopback FTP server: settings from Morella.cfg or the
// command line, the status log on stderr or in JSON, and the failures with their messages.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "AggiornamentoArchivio.h"
#include "Archivio.h"
#include "CartellaTemporanea.h"
#include "Configurazione.h"
#include "EseguiCli.h"
#include "ServerFtpProva.h"

namespace morella {
namespace {

using test::EseguiCli;
using test::TEsito;

namespace fs = std::filesystem;
using test::LeggiTutto;
using TDati = std::vector<std::uint8_t>;

// An archive of `quanti` contests with its database, as the program saves them into
// `cartella`: the update accepts only files that are sound.
void ScriviArchivio(const fs::path& cartella, int quanti, std::int32_t stagione)
{
    fs::create_directories(cartella);
    T_Archivio archivio;
    for (int i = 0; i < quanti; ++i) {
        T_Concorso c;
        c.Stagione = stagione + i / 40;
        c.Numero = static_cast<std::uint8_t>(1 + i % 40);
        for (int e = 0; e < NumEvents; ++e)
            c.ColonnaVincente[static_cast<std::size_t>(e)] = SegnoDaCifra((i * 7 + e * e + i / 3) % 3);
        c.AggiornaCompleto();
        archivio.Aggiungi(c);
    }
    archivio.RicalcolaDataBase();
    ASSERT_TRUE(archivio.Salva(cartella.string()));
}

class CliAggiorna : public ::testing::Test {
   protected:
    test::TCartellaTemporanea cartella;
    fs::path programma = cartella.Percorso() / "Morella";
    fs::path home = cartella.Percorso() / "server";
    fs::path archivi = programma / "Archivi";
    TDati vecchioArchivio, vecchioDataBase, nuovoArchivio, nuovoDataBase;

    void SetUp() override
    {
        ScriviArchivio(archivi, 4, 1990);
        ScriviArchivio(home / "pub/arch", 500, 2000);
        vecchioArchivio = LeggiTutto((archivi / "archivio.mra").string());
        vecchioDataBase = LeggiTutto((archivi / "archdb.mra").string());
        nuovoArchivio = LeggiTutto((home / "pub/arch/archivio.mra").string());
        nuovoDataBase = LeggiTutto((home / "pub/arch/archdb.mra").string());
        ASSERT_EQ(nuovoArchivio.size(), 500u * 20u);
        ASSERT_NE(vecchioDataBase, nuovoDataBase);
    }

    TEsito Cli(const std::string& argomenti) { return EseguiCli(programma, argomenti, cartella.Percorso()); }

    void Configura(const std::string& host, const std::string& directory, const std::string& posta)
    {
        TConfigurazione c;
        c.HostFtp = host;
        c.DirectoryFtp = directory;
        c.IndirizzoPosta = posta;
        ScriviConfigurazione(c, (programma / "Morella.cfg").string());
    }

    void VerificaIntatti()
    {
        EXPECT_EQ(LeggiTutto((archivi / "archivio.mra").string()), vecchioArchivio);
        EXPECT_EQ(LeggiTutto((archivi / "archdb.mra").string()), vecchioDataBase);
    }
    void VerificaNuovi()
    {
        EXPECT_EQ(LeggiTutto((archivi / "archivio.mra").string()), nuovoArchivio);
        EXPECT_EQ(LeggiTutto((archivi / "archdb.mra").string()), nuovoDataBase);
    }
};

TEST_F(CliAggiorna, SettingsFromTheConfigurationLogOnStderr)
{
    test::TServerFtpProva server("normale", home);
    Configura("127.0.0.1", "pub/arch", "giocatore@example.org");
    const std::string cfg = (programma / "Morella.cfg").string();
    const TDati configurazione = LeggiTutto(cfg);

    auto e = Cli("aggiorna --porta " + std::to_string(server.Porta()));
    ASSERT_EQ(e.codice, 0) << e.err;
    EXPECT_EQ(e.out, std::string(MessaggioAggiornamentoCompletato) + "\n");
    EXPECT_NE(e.err.find("Connessione in corso...\n"), std::string::npos) << e.err;
    EXPECT_NE(e.err.find("\nUSER anonymous\n"), std::string::npos) << e.err;
    EXPECT_NE(e.err.find("\nPASS ****\n"), std::string::npos) << e.err;
    EXPECT_NE(e.err.find("\nCWD pub/arch\n"), std::string::npos) << e.err;
    EXPECT_EQ(e.err.find("giocatore@"), std::string::npos) << "the password never shows";
    EXPECT_EQ(e.err.find('\r'), std::string::npos);
    VerificaNuovi();
    EXPECT_EQ(LeggiTutto(cfg), configurazione) << "the configuration is only read";
}

TEST_F(CliAggiorna, CommandLineOverridesAndJson)
{
    test::TServerFtpProva server("normale", home);
    Configura("ftp.morella.example", "altrove", "");  // nothing of this is usable

    auto e = Cli("aggiorna --host 127.0.0.1 --porta " + std::to_string(server.Porta()) +
                 " --directory /pub/arch --email io@example.org --json");
    ASSERT_EQ(e.codice, 0) << e.err;
    const auto j = nlohmann::json::parse(e.out);
    EXPECT_EQ(j.at("esito"), MessaggioAggiornamentoCompletato);
    EXPECT_EQ(j.at("stati"), (std::vector<std::string>{StatoConnessioneInCorso, StatoConnessioneStabilita}));
    const auto registro = j.at("registro").get<std::vector<std::string>>();
    EXPECT_NE(std::find(registro.begin(), registro.end(), "TYPE I"), registro.end());
    EXPECT_NE(std::find(registro.begin(), registro.end(), "RETR archdb.mra"), registro.end());
    EXPECT_EQ(e.err, "");
    VerificaNuovi();
}

TEST_F(CliAggiorna, FailuresExitOneWithTheMessageAndKeepTheOldFiles)
{
    test::TServerFtpProva server("normale", home);
    const std::string porta = " --porta " + std::to_string(server.Porta());

    // No e-mail anywhere: nothing is attempted.
    auto e = Cli("aggiorna --host 127.0.0.1" + porta + " --directory pub/arch");
    EXPECT_EQ(e.codice, 1);
    EXPECT_EQ(e.err, std::string(MessaggioPostaMancante) + "\n");
    VerificaIntatti();

    e = Cli("aggiorna --host 127.0.0.1" + porta + " --directory pub/manca --email io@example.org");
    EXPECT_EQ(e.codice, 1);
    EXPECT_NE(e.err.find(std::string("\n") + MessaggioDirectoryArchivi + "\n"), std::string::npos) << e.err;
    VerificaIntatti();

    fs::remove(home / "pub/arch/archdb.mra");
    e = Cli("aggiorna --host 127.0.0.1" + porta + " --directory pub/arch --email io@example.org --json");
    EXPECT_EQ(e.codice, 1);
    EXPECT_EQ(e.out, "");
    EXPECT_NE(e.err.find("\nRETR archivio.mra\n"), std::string::npos) << "the log still shows on failure";
    EXPECT_NE(e.err.find(std::string(MessaggioErroreTrasferimento) + "\n"), std::string::npos) << e.err;
    VerificaIntatti();
    EXPECT_FALSE(fs::exists(archivi / "archivio.tmp"));

    e = Cli("aggiorna --host 127.0.0.1 --porta " + std::to_string(test::PortaChiusa()) +
            " --email io@example.org");
    EXPECT_EQ(e.codice, 1);
    EXPECT_NE(e.err.find(MessaggioConnessioneFallita), std::string::npos) << e.err;
    VerificaIntatti();

    EXPECT_EQ(Cli("aggiorna --porta 0").codice, 2);
}

}  // namespace
}  // namespace morella
