// morella-cli printing to PDF against a hostile disk and folder: a write that fails late,
// links and FIFOs where a fixed temporary name would be, special files and modes as the
// target, an interruption during the job. The old file must survive every failure and no
// temporary file may be left behind.
#ifdef MORELLA_STAMPA_PDF

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include "CartellaTemporanea.h"
#include "Cartelle.h"
#include "EseguiCli.h"
#include "StampaSchedine.h"

using namespace morella;
using morella::test::LeggiTesto;
using morella::test::TCartellaTemporanea;
using morella::test::TEsito;
namespace fs = std::filesystem;

namespace {

class CliStampaSicura : public ::testing::Test {
   protected:
    TCartellaTemporanea dir;

    void SetUp() override
    {
        ImpostaDirectoryProgramma(dir.Percorso().string());
        CreaCartelleDiLavoro();
        std::ofstream testo(dir.File("c.txt"));
        for (int i = 0; i < 400; ++i) testo << (i % 2 ? "1X21X21X21X2\n" : "(1X)11111111112+1,9\n");
        testo.close();
        ASSERT_EQ(Cli("converti c.txt -o c.Col").codice, 0);
    }

    // The command with a shell prefix (a limit), at most 10 seconds.
    TEsito Cli(const std::string& argomenti, const std::string& prima = "")
    {
        const std::string out = dir.File("stdout.txt"), err = dir.File("stderr.txt");
        const std::string comando = "cd '" + dir.Percorso().string() + "' && " + prima + "timeout 10 '" +
                                    MORELLA_CLI_PATH "' --dir '" + dir.Percorso().string() + "' " +
                                    argomenti + " >'" + out + "' 2>'" + err + "' </dev/null";
        const int stato = std::system(comando.c_str());
        return {WIFEXITED(stato) ? WEXITSTATUS(stato) : -1, LeggiTesto(out), LeggiTesto(err)};
    }

    void Scrivi(const std::string& nome, const std::string& testo) { std::ofstream(dir.File(nome)) << testo; }

    // Temporary files left in the folder: hidden ones, or regular files named "*.tmp".
    std::vector<std::string> Temporanei()
    {
        std::vector<std::string> nomi;
        for (const auto& voce : fs::directory_iterator(dir.Percorso())) {
            const std::string nome = voce.path().filename().string();
            if (nome.starts_with(".") ||
                (nome.ends_with(".tmp") && voce.is_regular_file() && !voce.is_symlink()))
                nomi.push_back(nome);
        }
        return nomi;
    }

    static bool Pdf(const std::string& file) { return LeggiTesto(file).starts_with("%PDF-"); }
};

TEST_F(CliStampaSicura, UnaScritturaCheFallisceTardiLasciaIlVecchioFile)
{
    // A good run first: the pages take far more than the limit below.
    ASSERT_EQ(Cli("stampa c.Col --pdf misura.pdf").codice, 0);
    ASSERT_GT(fs::file_size(dir.File("misura.pdf")), 40u * 1024);

    Scrivi("out.pdf", "VECCHIO");
    TEsito e = Cli("stampa c.Col --pdf out.pdf", "ulimit -f 20 && ");
    EXPECT_EQ(e.codice, 1) << e.err;
    EXPECT_NE(e.err.find(MessaggioStampaSchedine), std::string::npos) << e.err;
    EXPECT_EQ(e.out.find("Schedine stampate"), std::string::npos) << e.out;
    EXPECT_EQ(LeggiTesto(dir.File("out.pdf")), "VECCHIO");
    EXPECT_TRUE(Temporanei().empty());
}

TEST_F(CliStampaSicura, NessunNomeFissoAccantoAlBersaglio)
{
    // Where the old fixed temporary names were: a link to a victim and a FIFO.
    Scrivi("vittima", "VITTIMA");
    fs::create_symlink("vittima", dir.Percorso() / "out.pdf.tmp");
    ASSERT_EQ(::mkfifo(dir.File("tubo.pdf.tmp").c_str(), 0600), 0);
    TEsito e = Cli("stampa c.Col --pdf out.pdf --da 1 --a 1");
    EXPECT_EQ(e.codice, 0) << e.err;
    EXPECT_TRUE(Pdf(dir.File("out.pdf")));
    EXPECT_EQ(LeggiTesto(dir.File("vittima")), "VITTIMA");
    EXPECT_TRUE(fs::is_symlink(dir.Percorso() / "out.pdf.tmp"));
    e = Cli("stampa c.Col --pdf tubo.pdf --da 1 --a 1");
    EXPECT_EQ(e.codice, 0) << e.err;
    EXPECT_TRUE(Pdf(dir.File("tubo.pdf")));
    EXPECT_TRUE(fs::is_fifo(dir.Percorso() / "tubo.pdf.tmp"));

    // No name at all: refused before anything is written.
    e = Cli("stampa c.Col --pdf ''");
    EXPECT_EQ(e.codice, 2);
    EXPECT_NE(e.err.find("il nome del file non può essere vuoto"), std::string::npos) << e.err;
    EXPECT_TRUE(Temporanei().empty());
}

TEST_F(CliStampaSicura, IlBersaglioComeLoTrattanoIFileDelSistema)
{
    // A link is followed: the file it leads to gets the pages, the link stays. Its mode stays.
    fs::create_directories(dir.Percorso() / "altrove");
    Scrivi("altrove/vero.pdf", "VECCHIO");
    fs::permissions(dir.File("altrove/vero.pdf"), fs::perms::owner_read | fs::perms::owner_write);
    fs::create_symlink("altrove/vero.pdf", dir.Percorso() / "link.pdf");
    TEsito e = Cli("stampa-prova --pdf link.pdf");
    EXPECT_EQ(e.codice, 0) << e.err;
    EXPECT_TRUE(fs::is_symlink(dir.Percorso() / "link.pdf"));
    EXPECT_TRUE(Pdf(dir.File("altrove/vero.pdf")));
    EXPECT_EQ(fs::status(dir.File("altrove/vero.pdf")).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);

    // A FIFO nobody reads fails at once and stays a FIFO; a folder or a missing folder fails
    // with the command's own words, never the system's or Qt's.
    ASSERT_EQ(::mkfifo(dir.File("tubo.pdf").c_str(), 0600), 0);
    const auto inizio = std::chrono::steady_clock::now();
    e = Cli("stampa-prova --pdf tubo.pdf");
    EXPECT_EQ(e.codice, 1) << e.err;
    EXPECT_LT(std::chrono::steady_clock::now() - inizio, std::chrono::seconds(8));
    EXPECT_TRUE(fs::is_fifo(dir.Percorso() / "tubo.pdf"));
    fs::create_directories(dir.Percorso() / "cartella.pdf");
    for (const char* bersaglio : {"cartella.pdf", "manca/x.pdf"}) {
        e = Cli(std::string("stampa c.Col --pdf ") + bersaglio);
        EXPECT_EQ(e.codice, 1) << bersaglio;
        EXPECT_EQ(e.err, std::string(MessaggioStampaSchedine) + "\n") << bersaglio;
    }
    EXPECT_TRUE(fs::is_directory(dir.Percorso() / "cartella.pdf"));
    EXPECT_TRUE(Temporanei().empty());

    // A FIFO with a reader takes the pages as they come.
    ASSERT_EQ(std::system(("cat '" + dir.File("tubo.pdf") + "' > '" + dir.File("letto.pdf") + "' &").c_str()),
              0);
    e = Cli("stampa-prova --pdf tubo.pdf");
    EXPECT_EQ(e.codice, 0) << e.err;
    for (int i = 0; i < 50 && !Pdf(dir.File("letto.pdf")); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_TRUE(Pdf(dir.File("letto.pdf")));
    EXPECT_TRUE(fs::is_fifo(dir.Percorso() / "tubo.pdf"));

    // Devices made here, never the machine's own: one that takes everything, one that is full.
    if (::mknod(dir.File("nulla").c_str(), S_IFCHR | 0666, makedev(1, 3)) != 0 ||
        ::mknod(dir.File("pieno").c_str(), S_IFCHR | 0666, makedev(1, 7)) != 0 ||
        ::access(dir.File("pieno").c_str(), W_OK) != 0)
        GTEST_SKIP() << "character devices cannot be made here";
    e = Cli("stampa-prova --pdf nulla");
    EXPECT_EQ(e.codice, 0) << e.err;
    EXPECT_TRUE(fs::is_character_file(dir.Percorso() / "nulla"));
    e = Cli("stampa-prova --pdf pieno");
    EXPECT_EQ(e.codice, 1) << "a write that fails is no success";
    EXPECT_TRUE(fs::is_character_file(dir.Percorso() / "pieno"));
}

TEST_F(CliStampaSicura, UnaInterruzioneNonLasciaIlFileTemporaneo)
{
    // Enough coupons for the job to be under way when the signal comes.
    std::ofstream testo(dir.File("molte.txt"));
    for (int i = 0; i < 20000; ++i) testo << "(1X)11111111112+1,9\n";
    testo.close();
    ASSERT_EQ(Cli("converti molte.txt -o molte.Col").codice, 0);
    for (int segnale : {SIGINT, SIGTERM}) {
        Scrivi("out.pdf", "VECCHIO");
        const pid_t figlio = ::fork();
        if (figlio == 0) {
            ::chdir(dir.Percorso().c_str());
            const int nulla = ::open("/dev/null", O_RDWR);
            ::dup2(nulla, 1);
            ::dup2(nulla, 2);
            ::execl(MORELLA_CLI_PATH, "morella-cli", "--dir", dir.Percorso().c_str(), "stampa", "molte.Col",
                    "--pdf", "out.pdf", static_cast<char*>(nullptr));
            ::_exit(127);
        }
        // Waits for the temporary file to appear, then interrupts.
        bool visto = false;
        for (int i = 0; i < 400 && !visto; ++i) {
            visto = !Temporanei().empty();
            if (!visto) std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        ::kill(figlio, segnale);
        int stato = 0;
        ::waitpid(figlio, &stato, 0);
        EXPECT_TRUE(visto) << "the job ended before it could be interrupted";
        EXPECT_TRUE(WIFSIGNALED(stato) && WTERMSIG(stato) == segnale) << stato;
        EXPECT_EQ(LeggiTesto(dir.File("out.pdf")), "VECCHIO");
        EXPECT_TRUE(Temporanei().empty()) << segnale;
    }
}

}  // namespace

#endif  // MORELLA_STAMPA_PDF
