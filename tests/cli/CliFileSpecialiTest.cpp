// morella-cli against paths that are not plain files: endless devices and FIFOs as input
// (directly or as a system's development source), devices, FIFOs and links as output, and a
// small file that would expand without end. Every run is bounded in time and memory, so a
// fault shows as a failure, not as a machine brought to its knees.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>

#include "Autoriduzione.h"
#include "CartellaTemporanea.h"
#include "Cartelle.h"
#include "EseguiCli.h"
#include "FileColonne.h"
#include "Sistema.h"

using morella::test::LeggiTesto;
using morella::test::LeggiTutto;
using morella::test::ScriviTutto;
using morella::test::TCartellaTemporanea;
using morella::test::TEsito;
using namespace morella;
namespace fs = std::filesystem;
using Orologio = std::chrono::steady_clock;

namespace {

class CliFileSpeciali : public ::testing::Test {
   protected:
    TCartellaTemporanea dir;

    void SetUp() override
    {
        ImpostaDirectoryProgramma(dir.Percorso().string());
        CreaCartelleDiLavoro();
        ASSERT_EQ(::mkfifo(dir.File("tubo").c_str(), 0600), 0);
    }

    // The command with at most 10 seconds and 1 GB of address space, stdin empty.
    TEsito Cli(const std::string& argomenti)
    {
        const std::string out = dir.File("stdout.txt"), err = dir.File("stderr.txt");
        const std::string comando = "cd '" + dir.Percorso().string() + "' && " +
                                    morella::test::LimiteMemoria(1000000) + "timeout 10 '" +
                                    MORELLA_CLI_PATH "' --dir '" + dir.Percorso().string() + "' " +
                                    argomenti + " >'" + out + "' 2>'" + err + "' </dev/null";
        const int stato = std::system(comando.c_str());
        return {WIFEXITED(stato) ? WEXITSTATUS(stato) : -1, LeggiTesto(out), LeggiTesto(err)};
    }

    // A system developed from a column file instead of its prediction.
    std::string SistemaDaFile(const std::string& sorgente)
    {
        TSistema s;
        auto& d = s.Dati();
        for (int i = 0; i < 12; ++i) d.Pronostico[static_cast<std::size_t>(i)] = i < 3 ? 7 : 1;
        d.Impostazioni.DaPronostico = false;
        d.Impostazioni.FileSorgente = sorgente;
        s.NomeFile = dir.File("ostile.Mrl");
        s.Salva();
        return s.NomeFile;
    }

    // A file of `record` Totip records, each a triple in every event.
    void FileDiTriple(const std::string& nome, int record)
    {
        std::vector<std::uint8_t> dati;
        for (int r = 0; r < record; ++r) {
            dati.insert(dati.end(), 12, 7);
            dati.insert(dati.end(), 2, 0);
        }
        ScriviTutto(dir.File(nome), dati);
    }
};

}  // namespace

TEST_F(CliFileSpeciali, LettureDaDispositiviEFifoFallisconoSubito)
{
    const auto inizio = Orologio::now();
    for (const std::string& sorgente :
         {std::string("/dev/zero"), dir.File("tubo"), dir.Percorso().string()}) {
        SCOPED_TRACE(sorgente);
        TEsito r = Cli("mostra '" + sorgente + "'");
        EXPECT_EQ(r.codice, 1) << r.err;
        EXPECT_NE(r.err.find("Impossibile Caricare Il File Colonnare"), std::string::npos) << r.err;
        r = Cli("info '" + sorgente + "'");
        EXPECT_EQ(r.codice, 1) << r.err;
        r = Cli("accorpa '" + sorgente + "' -o '" + dir.File("fuori.Col") + "'");
        EXPECT_EQ(r.codice, 1) << r.err;
        r = Cli("converti '" + sorgente + "' -o '" + dir.File("fuori.Col") + "'");
        EXPECT_EQ(r.codice, 1) << r.err;
        EXPECT_NE(r.err.find("Impossibile aprire il file di testo"), std::string::npos) << r.err;

        // A hostile system whose development source is the same path.
        const std::string sistema = SistemaDaFile(sorgente);
        r = Cli("sviluppa '" + sistema + "' -o '" + dir.File("fuori.Col") + "'");
        EXPECT_EQ(r.codice, 1) << r.err;
        r = Cli("analisi '" + sistema + "' --slot 1");
        EXPECT_EQ(r.codice, 1) << r.err;
        EXPECT_FALSE(fs::exists(dir.Percorso() / "fuori.Col"));
    }
    EXPECT_LT(Orologio::now() - inizio, std::chrono::seconds(20));
}

TEST_F(CliFileSpeciali, ScrittureSuDispositiviFifoECollegamenti)
{
    FileDiTriple("nove.Col", 1);
    // A FIFO nobody reads: refused at once, and still a FIFO.
    TEsito r = Cli("accorpa nove.Col -o tubo");
    EXPECT_EQ(r.codice, 1);
    EXPECT_NE(r.err.find("Errore Durante la Scrittura del File Colonnare"), std::string::npos) << r.err;
    EXPECT_TRUE(fs::is_fifo(dir.Percorso() / "tubo"));

    // A link: the file it leads to gets the result, the link stays.
    fs::create_directories(dir.Percorso() / "altrove");
    ScriviTutto(dir.File("altrove/vero.Col"), {1, 2, 3});
    fs::create_symlink("altrove/vero.Col", dir.Percorso() / "link.Col");
    r = Cli("espandi nove.Col -o link.Col");
    EXPECT_EQ(r.codice, 0) << r.err;
    EXPECT_TRUE(fs::is_symlink(dir.Percorso() / "link.Col"));
    EXPECT_EQ(fs::file_size(dir.Percorso() / "altrove/vero.Col"), 531441u * 14);

    // Devices made here, never the machine's own: one that takes everything, one that is full.
    if (::mknod(dir.File("nulla").c_str(), S_IFCHR | 0666, makedev(1, 3)) != 0 ||
        ::mknod(dir.File("pieno").c_str(), S_IFCHR | 0666, makedev(1, 7)) != 0 ||
        ::access(dir.File("pieno").c_str(), W_OK) != 0)
        GTEST_SKIP() << "character devices cannot be made here";
    r = Cli("accorpa nove.Col -o nulla");
    EXPECT_EQ(r.codice, 0) << r.err;
    EXPECT_TRUE(fs::is_character_file(dir.Percorso() / "nulla"));
    r = Cli("espandi nove.Col -o pieno");
    EXPECT_EQ(r.codice, 1) << "a write that fails is no success";
    EXPECT_TRUE(fs::is_character_file(dir.Percorso() / "pieno"));
}

TEST_F(CliFileSpeciali, EspandiHaIlLimiteDellaLetturaConEspansione)
{
    // Thirteen records of twelve triples: 182 bytes asking for 6.9 million columns.
    FileDiTriple("troppe.Col", 13);
    ASSERT_GT(13u * 531441u, MassimoColonneEspanse);
    ScriviTutto(dir.File("vecchio.Col"), {9, 9, 9});
    TEsito r = Cli("espandi troppe.Col -o vecchio.Col");
    EXPECT_EQ(r.codice, 1);
    EXPECT_NE(r.err.find(MessaggioLetturaColonne), std::string::npos) << r.err;
    EXPECT_EQ(LeggiTutto(dir.File("vecchio.Col")), (std::vector<std::uint8_t>{9, 9, 9}));

    // Up to the limit it expands, in order.
    FileDiTriple("dodici.Col", 12);
    r = Cli("espandi dodici.Col -o vecchio.Col --json");
    EXPECT_EQ(r.codice, 0) << r.err;
    EXPECT_EQ(r.out, "{\"colonne\":6377292,\"record\":12}\n");
    EXPECT_EQ(fs::file_size(dir.Percorso() / "vecchio.Col"), 12u * 531441u * 14);
}

TEST_F(CliFileSpeciali, RiduciAnnunciaIlProcedimentoLento)
{
    // Two records of three triples each.
    std::vector<std::uint8_t> dati;
    for (std::uint8_t ultimo : {1, 2}) {
        for (int e = 0; e < 12; ++e) dati.push_back(e < 3 ? 7 : e == 11 ? ultimo : 1);
        dati.insert(dati.end(), 2, 0);
    }
    ScriviTutto(dir.File("condensate.Col"), dati);
    TEsito r = Cli("riduci condensate.Col -o ridotte.Col --json");
    EXPECT_EQ(r.codice, 0) << r.err;
    EXPECT_NE(r.err.find(TestoRiduzioneCondensata), std::string::npos) << r.err;

    r = Cli("espandi condensate.Col -o singole.Col");
    ASSERT_EQ(r.codice, 0) << r.err;
    r = Cli("riduci singole.Col -o ridotte.Col --json");
    EXPECT_EQ(r.codice, 0) << r.err;
    EXPECT_EQ(r.err.find(TestoRiduzioneCondensata), std::string::npos) << r.err;
}
