// morella-cli printing to PDF: coupons and table of a column file, ranges, the test coupon,
// the summary of a system and the archive table; a failure writes no file. The commands
// exist only in a build with the desktop layer.
#ifdef MORELLA_STAMPA_PDF

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <limits>
#include <nlohmann/json.hpp>

#include "Archivio.h"
#include "CartellaTemporanea.h"
#include "Cartelle.h"
#include "EseguiCli.h"
#include "SistemaCompleto.h"
#include "StampaArchivio.h"
#include "StampaSchedine.h"
#include "TestoColonne.h"

using namespace morella;
using morella::test::EseguiCli;
using morella::test::TCartellaTemporanea;
using morella::test::TEsito;

namespace {

class CliStampa : public ::testing::Test {
   protected:
    TCartellaTemporanea dir;
    void SetUp() override
    {
        ImpostaDirectoryProgramma(dir.Percorso().string());
        CreaCartelleDiLavoro();
    }
    TEsito Cli(const std::string& argomenti) { return EseguiCli(dir.Percorso(), argomenti); }
    std::string File(const std::string& nome) { return dir.File(nome); }

    // Pages of a PDF, as pdfinfo counts them; -1 when it is not a readable PDF.
    int Pagine(const std::string& pdf)
    {
        const std::string info = File("info.txt");
        if (std::system(("pdfinfo '" + pdf + "' > '" + info + "' 2>/dev/null").c_str()) != 0) return -1;
        const std::string testo = test::LeggiTesto(info);
        const auto p = testo.find("Pages:");
        return p == std::string::npos ? -1 : std::stoi(testo.substr(p + 6));
    }

    void Colonne(int n)
    {
        std::string testo;
        for (int i = 0; i < n; ++i) testo += i % 2 ? "1X21X21X21X2\n" : "(1X)11111111112+1,9\n";
        std::ofstream(File("c.txt")) << testo;
        ASSERT_EQ(Cli("converti c.txt -o c.Col").codice, 0);
    }
};

TEST_F(CliStampa, SchedineTabulatoEIntervalli)
{
    Colonne(9);
    TEsito e = Cli("--json stampa c.Col --pdf s.pdf --sistema PROVA.MRL");
    ASSERT_EQ(e.codice, 0) << e.err;
    EXPECT_EQ(nlohmann::json::parse(e.out),
              (nlohmann::json{{"schedine", 3}, {"prima", 1}, {"ultima", 3}, {"pdf", "s.pdf"}}));
    EXPECT_EQ(Pagine(File("s.pdf")), 3);  // 9 columns, 4 to a coupon

    ASSERT_EQ(Cli("stampa c.Col --pdf d.pdf --da 2 --a 2").codice, 0);
    EXPECT_EQ(Pagine(File("d.pdf")), 1);
    ASSERT_EQ(Cli("stampa c.Col --pdf t.pdf --tabulato").codice, 0);
    EXPECT_EQ(Pagine(File("t.pdf")), 1);

    // Last before first: the dialog's message, and no file.
    e = Cli("stampa c.Col --pdf x.pdf --da 3 --a 2");
    EXPECT_EQ(e.codice, 1);
    EXPECT_NE(e.err.find(MessaggioIntervalloSchedine), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(File("x.pdf")));
    EXPECT_FALSE(std::filesystem::exists(File("x.pdf.tmp")));

    // An eight-column Totip calibration: 9 columns on 2 coupons.
    TConfigurazione cfg;
    cfg.Taratura.Totip.Da4Colonne = 0;
    ScriviConfigurazione(cfg, FileConfigurazione());
    ASSERT_EQ(Cli("stampa c.Col --pdf otto.pdf").codice, 0);
    EXPECT_EQ(Pagine(File("otto.pdf")), 2);
    ASSERT_EQ(Cli("stampa-prova --pdf prova.pdf").codice, 0);
    EXPECT_EQ(Pagine(File("prova.pdf")), 1);

    // A calibration off the page prints at the defaults and says so.
    cfg.Taratura.Totip.XPrimaCol = std::numeric_limits<double>::quiet_NaN();
    ScriviConfigurazione(cfg, FileConfigurazione());
    e = Cli("stampa c.Col --pdf fuori.pdf");
    ASSERT_EQ(e.codice, 0) << e.err;
    EXPECT_NE(e.err.find(MessaggioTaraturaPredefinita), std::string::npos) << e.err;
    EXPECT_EQ(Pagine(File("fuori.pdf")), 2);
}

TEST_F(CliStampa, ProspettoDiUnSistema)
{
    ImpostaGioco(GiocoTotip);
    TSistema s;
    test::OgniCondizione(s);
    s.NomeFile = File("COMPLETO.MRL");
    s.Salva();
    const TEsito e = Cli("prospetto COMPLETO.MRL --pdf p.pdf");
    ASSERT_EQ(e.codice, 0) << e.err;
    EXPECT_GE(Pagine(File("p.pdf")), 2);
    EXPECT_EQ(Cli("prospetto MANCA.MRL --pdf m.pdf").codice, 1);
    EXPECT_FALSE(std::filesystem::exists(File("m.pdf")));
}

TEST_F(CliStampa, TabellaDellArchivio)
{
    ImpostaGioco(GiocoTotip);
    T_Archivio archivio;
    for (int i = 0; i < 45; ++i) {
        T_Concorso& c = archivio.Aggiungi(T_Concorso{});
        c.Stagione = 2001 + i / 30;
        c.Numero = static_cast<std::uint8_t>(1 + i % 30);
        c.ColonnaVincente = test::Col("1X21X2111XX2");
    }
    archivio.Elimina(39);  // 2002/10 is missing
    ASSERT_TRUE(archivio.Salva(CartellaArchivi()));
    TEsito e = Cli("--json stampa-archivio --pdf a.pdf --gruppi 1");
    ASSERT_EQ(e.codice, 0) << e.err;
    EXPECT_EQ(nlohmann::json::parse(e.out)["da"], "2001/1");
    EXPECT_EQ(Pagine(File("a.pdf")), 2);  // 40 and 4
    ASSERT_EQ(Cli("stampa-archivio --pdf b.pdf --da 2002/1 --a 2002/15 --gruppi 1,2").codice, 0);
    EXPECT_EQ(Pagine(File("b.pdf")), 1);
    // A range holding no contest: nothing to print, and it says so.
    e = Cli("stampa-archivio --pdf n.pdf --da 2002/10 --a 2002/10");
    EXPECT_EQ(e.codice, 1);
    EXPECT_NE(e.err.find(MessaggioArchivioSenzaConcorsi), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(File("n.pdf")));
}

}  // namespace

#endif  // MORELLA_STAMPA_PDF
