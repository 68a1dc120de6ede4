// morella-cli says what is wrong with an option in its own words, and no text of the system
// or of Qt reaches the player.
#include <gtest/gtest.h>

#include <fstream>

#include "CartellaTemporanea.h"
#include "Cartelle.h"
#include "EseguiCli.h"

using morella::test::EseguiCli;
using morella::test::TCartellaTemporanea;
using morella::test::TEsito;

namespace {

class CliMessaggi : public ::testing::Test {
   protected:
    TCartellaTemporanea dir;

    TEsito Cli(const std::string& argomenti) { return EseguiCli(dir.Percorso(), argomenti); }

    // `n` columns, four to a coupon.
    void Colonne(int n)
    {
        std::ofstream testo(dir.File("c.txt"));
        for (int i = 0; i < n; ++i) testo << "1X21X21X21X2\n";
        testo.close();
        ASSERT_EQ(Cli("converti c.txt -o c.Col").codice, 0);
    }
};

TEST_F(CliMessaggi, TempoESemeDellaRiduzioneOttimizzata)
{
    Colonne(9);
    for (const char* tempo : {"nan", "-nan", "inf", "-1", "3601", "1e400"}) {
        const TEsito e = Cli(std::string("riduci c.Col -o r.Col --ottimizza --tempo ") + tempo);
        EXPECT_EQ(e.codice, 2) << tempo;
        EXPECT_NE(e.err.find("i secondi vanno da 0 a 3600"), std::string::npos) << tempo << ": " << e.err;
    }
    for (const char* seme : {"-1", "18446744073709551616", "1e3", "0x10"}) {
        const TEsito e = Cli(std::string("riduci c.Col -o r.Col --ottimizza --tempo 0.1 --seme ") + seme);
        EXPECT_EQ(e.codice, 2) << seme;
        EXPECT_NE(e.err.find("il seme è un numero intero da 0 a 18446744073709551615"), std::string::npos)
            << seme << ": " << e.err;
    }
    EXPECT_FALSE(std::filesystem::exists(dir.File("r.Col")));
    const TEsito e = Cli("riduci c.Col -o r.Col --ottimizza --tempo 0.1 --seme 18446744073709551615");
    EXPECT_EQ(e.codice, 0) << e.err;
}

#ifdef MORELLA_STAMPA_PDF

TEST_F(CliMessaggi, IntervalliDiStampaDettiInParole)
{
    Colonne(52 * 4);
    TEsito e = Cli("stampa c.Col --pdf s.pdf --da 0");
    EXPECT_EQ(e.codice, 2);
    EXPECT_NE(e.err.find("le schedine si contano da 1 in su"), std::string::npos) << e.err;

    // Past the last coupon: refused as the dictation refuses it, not cut to the last one.
    e = Cli("stampa c.Col --pdf s.pdf --da 60 --a 70");
    const TEsito detta = Cli("detta c.Col --da 60 --a 70");
    EXPECT_EQ(e.codice, 2);
    EXPECT_EQ(detta.codice, 2);
    EXPECT_NE(e.err.find("le schedine vanno da 1 a 52"), std::string::npos) << e.err;
    EXPECT_EQ(e.err, detta.err);
    EXPECT_FALSE(std::filesystem::exists(dir.File("s.pdf")));

    for (const char* concorso : {"2024/1/3", "0x7E8/1", "2024/+1", "2024/", " 2024/1"}) {
        e = Cli(std::string("stampa-archivio --pdf a.pdf --da '") + concorso + "'");
        EXPECT_EQ(e.codice, 2) << concorso;
        EXPECT_NE(e.err.find("Concorso non valido"), std::string::npos) << concorso << ": " << e.err;
    }
}

TEST_F(CliMessaggi, NessunTestoDiQtODelSistema)
{
    // Without a runtime folder Qt complained on every run. (A folder or a missing folder as
    // the target, where the system and Qt spoke, are among the safe-save cases.)
    Colonne(9);
    const std::string senzaRuntime = "cd '" + dir.Percorso().string() + "' && env -u XDG_RUNTIME_DIR '" +
                                     MORELLA_CLI_PATH "' --dir . stampa c.Col --pdf s.pdf 2>&1";
    std::string testo;
    if (FILE* p = ::popen(senzaRuntime.c_str(), "r")) {
        char buffer[4096];
        for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, p)) > 0;) testo.append(buffer, n);
        EXPECT_EQ(::pclose(p), 0) << testo;
    }
    EXPECT_EQ(testo, "Schedine stampate: 1 - 3 di 3\n");
}

#endif  // MORELLA_STAMPA_PDF

}  // namespace
