// The archive update against servers that misbehave: meaningless files, a database that
// does not describe its contests, endless or trickling transfers, and fields that would
// smuggle FTP commands. None may replace a good archive, hang the update or reach the server.
#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <optional>

#include "AggiornamentoArchivio.h"
#include "Archivio.h"
#include "CartellaTemporanea.h"
#include "ClientFtpCurl.h"
#include "Errore.h"
#include "EseguiCli.h"
#include "ServerFtpProva.h"

namespace morella {
namespace {

namespace fs = std::filesystem;
using test::LeggiTutto;
using test::ScriviTutto;
using TDati = std::vector<std::uint8_t>;
using Orologio = std::chrono::steady_clock;

// The database the program counts over these contests.
TDati DataBaseDi(const TDati& concorsi)
{
    T_Archivio a;
    TLettoreBinario lettore(concorsi);
    a.LeggiConcorsi(lettore);
    a.RicalcolaDataBase();
    return a.ImmagineDataBase();
}

struct TRegistra : TOsservatoreAggiornamento {
    std::vector<std::string> righe;
    void RigaRegistro(const std::string& t) override { righe.push_back(t); }
};

class AggiornamentoOstile : public ::testing::Test {
   protected:
    const TDati vecchioArchivio = test::ArchivioSensato(100, 1);
    const TDati vecchioDataBase = DataBaseDi(vecchioArchivio);
    const TDati nuovoArchivio = test::ArchivioSensato(300, 2);

    test::TCartellaTemporanea cartella;
    fs::path home = cartella.Percorso() / "server";
    fs::path archivi = cartella.Percorso() / "Archivi";
    TConfigurazione configurazione;
    TClientFtpCurl client;
    TRegistra registro;
    TOpzioniAggiornamento opzioni;

    void SetUp() override
    {
        configurazione.IndirizzoPosta = "giocatore@example.org";
        configurazione.HostFtp = "127.0.0.1";
        configurazione.DirectoryFtp = "pub";
        fs::create_directories(archivi);
        fs::create_directories(home / "pub");
        ScriviTutto((archivi / "archivio.mra").string(), vecchioArchivio);
        ScriviTutto((archivi / "archdb.mra").string(), vecchioDataBase);
        opzioni.CartellaArchivi = archivi.string();
        opzioni.SecondiAttesa = 5;
    }

    void Pubblica(const TDati& archivio, const TDati& dataBase)
    {
        ScriviTutto((home / "pub/archivio.mra").string(), archivio);
        ScriviTutto((home / "pub/archdb.mra").string(), dataBase);
    }

    std::optional<std::string> Aggiorna(int porta)
    {
        opzioni.Porta = porta;
        try {
            AggiornaArchivio(configurazione, client, registro, opzioni);
        } catch (const EErrore& e) {
            return std::string(e.what());
        }
        return std::nullopt;
    }

    void VerificaIntatti()
    {
        EXPECT_EQ(LeggiTutto((archivi / "archivio.mra").string()), vecchioArchivio);
        EXPECT_EQ(LeggiTutto((archivi / "archdb.mra").string()), vecchioDataBase);
        EXPECT_FALSE(fs::exists(archivi / "archivio.tmp"));
        EXPECT_FALSE(fs::exists(archivi / "archdb.tmp"));
    }

    std::string Comandi() const { return test::LeggiTesto((cartella.Percorso() / "comandi.log").string()); }
};

TEST_F(AggiornamentoOstile, FileSenzaSensoNonSostituisconoUnArchivioBuono)
{
    // 50 records of season 0, number 0, no signs, and a database of one-entry tables: whole
    // files, nothing in them.
    TDati zeri(50 * DimensioneRecordConcorso, 0);
    TDati tabelle;
    for (int k = 0; k < NumeroTabelleDataBase; ++k) tabelle.insert(tabelle.end(), 7 + 24, 0);
    struct TCaso {
        const char* nome;
        std::size_t record;  // which record of the good archive to spoil
        std::size_t byte;
        std::uint8_t valore;
    };
    const TCaso casi[] = {{"season 1929", 7, 0, 0x89}, {"number 0", 8, 4, 0}, {"number 100", 9, 4, 100},
                          {"sign 3", 10, 6, 3},        {"sign 8", 11, 16, 8}, {"complete flag 2", 12, 19, 2}};
    test::TServerFtpProva server("normale", home);

    Pubblica(zeri, tabelle);
    EXPECT_EQ(Aggiorna(server.Porta()), MessaggioErroreTrasferimento);
    VerificaIntatti();
    for (const TCaso& caso : casi) {
        SCOPED_TRACE(caso.nome);
        TDati guasto = nuovoArchivio;
        guasto[caso.record * DimensioneRecordConcorso + caso.byte] = caso.valore;
        Pubblica(guasto, DataBaseDi(guasto));
        EXPECT_EQ(Aggiorna(server.Porta()), MessaggioErroreTrasferimento);
        VerificaIntatti();
    }
    // A complete flag that lies about its column.
    TDati bugiardo = nuovoArchivio;
    for (std::size_t p = 0; p < bugiardo.size(); p += DimensioneRecordConcorso)
        if (bugiardo[p + 19] == 0) {
            bugiardo[p + 19] = 1;
            break;
        }
    Pubblica(bugiardo, DataBaseDi(bugiardo));
    EXPECT_EQ(Aggiorna(server.Porta()), MessaggioErroreTrasferimento);
    VerificaIntatti();
    // More contests than any archive holds.
    const TDati troppi = test::ArchivioSensato(static_cast<std::size_t>(MassimoConcorsiArchivio) + 1, 3);
    Pubblica(troppi, vecchioDataBase);
    EXPECT_EQ(Aggiorna(server.Porta()), MessaggioErroreTrasferimento);
    VerificaIntatti();
}

TEST_F(AggiornamentoOstile, UnDataBaseCheNonDescriveIConcorsiERicalcolato)
{
    TDati alterato = DataBaseDi(nuovoArchivio);
    alterato[2] ^= 4;  // the contests counted of the first table
    Pubblica(nuovoArchivio, alterato);
    test::TServerFtpProva server("normale", home);

    EXPECT_EQ(Aggiorna(server.Porta()), std::nullopt);
    EXPECT_EQ(LeggiTutto((archivi / "archivio.mra").string()), nuovoArchivio);
    EXPECT_EQ(LeggiTutto((archivi / "archdb.mra").string()), DataBaseDi(nuovoArchivio));
    EXPECT_NE(std::find(registro.righe.begin(), registro.righe.end(), RigaDataBaseRicalcolato),
              registro.righe.end());
    T_Archivio caricato;
    EXPECT_TRUE(caricato.Carica(archivi.string()));
    // The server's own log of what it received, which the injection test relies on.
    EXPECT_NE(Comandi().find("USER anonymous\nPASS giocatore@example.org\n"), std::string::npos) << Comandi();
}

TEST_F(AggiornamentoOstile, UnTrasferimentoSenzaFineSiFermaAlLimite)
{
    Pubblica(nuovoArchivio, DataBaseDi(nuovoArchivio));
    test::TServerFtpProva server("infinito", home);
    const auto inizio = Orologio::now();
    EXPECT_EQ(Aggiorna(server.Porta()), MessaggioErroreTrasferimento);
    EXPECT_LT(Orologio::now() - inizio, std::chrono::seconds(10));
    VerificaIntatti();
}

TEST_F(AggiornamentoOstile, UnServerCheGocciolaOTroppoLentoNonTrattieneLAggiornamento)
{
    Pubblica(nuovoArchivio, DataBaseDi(nuovoArchivio));
    {
        // A couple of bytes a second: the low-speed limit ends it.
        test::TServerFtpProva server("goccia", home);
        opzioni.VelocitaMinima = 100;
        opzioni.SecondiVelocitaMinima = 2;
        const auto inizio = Orologio::now();
        EXPECT_EQ(Aggiorna(server.Porta()), MessaggioErroreTrasferimento);
        EXPECT_LT(Orologio::now() - inizio, std::chrono::seconds(8));
        VerificaIntatti();
    }
    {
        // Fast enough for the low-speed limit, too slow for the whole update's limit.
        test::TServerFtpProva server("lento", home);
        opzioni.VelocitaMinima = 1;
        opzioni.SecondiVelocitaMinima = 60;
        opzioni.SecondiTotali = 2;
        const auto inizio = Orologio::now();
        EXPECT_EQ(Aggiorna(server.Porta()), MessaggioErroreTrasferimento);
        EXPECT_LT(Orologio::now() - inizio, std::chrono::seconds(8));
        VerificaIntatti();
    }
}

TEST_F(AggiornamentoOstile, ITemporaneiDiUnaCorsaInterrottaSpariscono)
{
    ScriviTutto((archivi / "archivio.tmp").string(), TDati(1000, 7));
    ScriviTutto((archivi / "archdb.tmp").string(), TDati(1000, 7));
    EXPECT_EQ(Aggiorna(test::PortaChiusa()), MessaggioConnessioneFallita);
    VerificaIntatti();
}

TEST_F(AggiornamentoOstile, CaratteriDiControlloNeiCampiNonArrivanoAlServer)
{
    Pubblica(nuovoArchivio, DataBaseDi(nuovoArchivio));
    test::TServerFtpProva server("normale", home);
    for (auto campo :
         {&TConfigurazione::IndirizzoPosta, &TConfigurazione::HostFtp, &TConfigurazione::DirectoryFtp}) {
        for (const char* coda : {"\r\nDELE archivio.mra", "\nNOOP", "\t", "\x7f"}) {
            const TConfigurazione buona = configurazione;
            configurazione.*campo += coda;
            const std::optional<std::string> esito = Aggiorna(server.Porta());
            configurazione = buona;
            ASSERT_TRUE(esito.has_value());
            EXPECT_NE(esito->find("contiene caratteri non ammessi"), std::string::npos) << *esito;
            VerificaIntatti();
        }
    }
    EXPECT_EQ(Comandi(), "") << "no connection was made";

    // The settings dialog's check: nothing is saved.
    const std::string fileCfg = (cartella.Percorso() / "Morella.cfg").string();
    TCollegamento campi = LeggiCollegamento(configurazione);
    campi.IndirizzoPosta += "\r\nDELE archivio.mra";
    EXPECT_THROW(ImpostaCollegamento(configurazione, campi, fileCfg), EErrore);
    EXPECT_FALSE(fs::exists(fileCfg));
    EXPECT_EQ(configurazione.IndirizzoPosta, "giocatore@example.org");

    // The command line, from its options and from Morella.cfg.
    const fs::path programma = cartella.Percorso() / "Morella";
    fs::create_directories(programma / "Archivi");
    const std::string comune =
        "aggiorna --host 127.0.0.1 --porta " + std::to_string(server.Porta()) + " --directory pub";
    test::TEsito cli =
        test::EseguiCli(programma, comune + " --email \"$(printf 'a@b.it\\r\\nDELE archivio.mra')\"");
    EXPECT_EQ(cli.codice, 1);
    EXPECT_NE(cli.err.find("Indirizzo di posta elettronica"), std::string::npos) << cli.err;
    TConfigurazione conPosta;
    conPosta.IndirizzoPosta = "a@b.it\r\nDELE archivio.mra";
    ScriviConfigurazione(conPosta, (programma / "Morella.cfg").string());
    cli = test::EseguiCli(programma, comune);
    EXPECT_EQ(cli.codice, 1);
    EXPECT_NE(cli.err.find("contiene caratteri non ammessi"), std::string::npos) << cli.err;
    EXPECT_EQ(Comandi(), "") << "no connection was made";
}

}  // namespace
}  // namespace morella
