// morella-cli end to end: the real executable on real files in a temporary program folder.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "CartellaTemporanea.h"
#include "EseguiCli.h"

using morella::test::EseguiCli;
using morella::test::LeggiTutto;
using morella::test::TCartellaTemporanea;
using morella::test::TEsito;

namespace {

class CliColonne : public ::testing::Test {
   protected:
    TCartellaTemporanea dir;

    TEsito Cli(const std::string& argomenti) { return EseguiCli(dir.Percorso(), argomenti); }
    void Testo(const std::string& nome, const std::string& contenuto)
    {
        std::ofstream(dir.File(nome)) << contenuto;
    }
};

}  // namespace

TEST_F(CliColonne, ConvertiMostraEspandiAccorpa)
{
    Testo("base.txt", "# il pronostico\n\n(1X2)(1X2)1111111111+1,2\n");
    ASSERT_EQ(Cli("converti base.txt -o base.Col").codice, 0);
    EXPECT_EQ(LeggiTutto(dir.File("base.Col")).size(), 14u);

    ASSERT_EQ(Cli("espandi base.Col -o nove.Col").codice, 0);
    auto mostra = Cli("mostra nove.Col");
    ASSERT_EQ(mostra.codice, 0);
    EXPECT_EQ(mostra.out.substr(0, 3 * 17), "111111111111+1,2\n1X1111111111+1,2\n121111111111+1,2\n");

    auto accorpa = Cli("accorpa nove.Col -o uno.Col --json");
    ASSERT_EQ(accorpa.codice, 0) << accorpa.err;
    auto j = nlohmann::json::parse(accorpa.out);
    EXPECT_EQ(j["iniziali"], 9);
    EXPECT_EQ(j["finali"], 1);
    EXPECT_DOUBLE_EQ(j["fattore"].get<double>(), 9.0);
    EXPECT_EQ(LeggiTutto(dir.File("uno.Col")), LeggiTutto(dir.File("base.Col")));

    auto json = nlohmann::json::parse(Cli("mostra uno.Col --json").out);
    EXPECT_EQ(json["colonne"][0], "(1X2)(1X2)1111111111+1,2");
}

TEST_F(CliColonne, UnaRigaSbagliataNonScriveNulla)
{
    Testo("sbagliato.txt", "111111111111\n11111111111A\n");
    auto e = Cli("converti sbagliato.txt -o x.Col");
    EXPECT_EQ(e.codice, 1);
    EXPECT_NE(e.err.find("Riga 2"), std::string::npos) << e.err;
    EXPECT_FALSE(std::filesystem::exists(dir.File("x.Col")));
}

TEST_F(CliColonne, GiocoTotoRecordDiTrediciByte)
{
    Testo("toto.txt", "1111111111111\n(1X)111111111112\n");
    ASSERT_EQ(Cli("--gioco toto converti toto.txt -o toto.Col").codice, 0);
    EXPECT_EQ(LeggiTutto(dir.File("toto.Col")).size(), 26u);
    EXPECT_EQ(Cli("--gioco toto mostra toto.Col").out, "1111111111111\n(1X)111111111112\n");
}

TEST_F(CliColonne, OperazioniTraFile)
{
    Testo("a.txt", "111111111111\nX11111111111\n");
    Testo("b.txt", "X11111111111\n211111111111\nX11111111111\n");
    ASSERT_EQ(Cli("converti a.txt -o a.Col").codice, 0);
    ASSERT_EQ(Cli("converti b.txt -o b.Col").codice, 0);
    ASSERT_EQ(Cli("opera or a.Col b.Col -o or.Col").codice, 0);
    EXPECT_EQ(Cli("mostra or.Col").out, "111111111111\nX11111111111\n211111111111\n");
    ASSERT_EQ(Cli("opera AND a.Col b.Col -o and.Col").codice, 0);
    EXPECT_EQ(Cli("mostra and.Col").out, "X11111111111\nX11111111111\n");
    ASSERT_EQ(Cli("opera xor a.Col b.Col -o xor.Col").codice, 0);
    EXPECT_EQ(Cli("mostra xor.Col").out, "111111111111\n211111111111\nX11111111111\n");

    auto manca = Cli("opera or a.Col manca.Col -o z.Col");
    EXPECT_EQ(manca.codice, 1);
    EXPECT_NE(manca.err.find("Impossibile Effettuare Le Operazioni Sui File"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(dir.File("z.Col")));
}

TEST_F(CliColonne, ErroriDUso)
{
    EXPECT_EQ(Cli("").codice, 2);
    EXPECT_EQ(Cli("nessuno").codice, 2);
    EXPECT_EQ(Cli("mostra").codice, 2);
    EXPECT_EQ(Cli("mostra a.Col --sconosciuta").codice, 2);
    EXPECT_EQ(Cli("--gioco lotto mostra a.Col").codice, 2);
    EXPECT_EQ(Cli("opera nand a.Col b.Col -o c.Col").codice, 2);
    auto aiuto = Cli("--help");
    EXPECT_EQ(aiuto.codice, 0);
    for (const char* comando : {"mostra", "converti", "espandi", "accorpa", "opera"})
        EXPECT_NE(aiuto.out.find(comando), std::string::npos) << comando;
    auto manca = Cli("mostra manca.Col");
    EXPECT_EQ(manca.codice, 1);
    EXPECT_NE(manca.err.find("Impossibile Caricare Il File Colonnare"), std::string::npos);
}

TEST_F(CliColonne, ConvertiNonScriveUnFileCheILettoriRifiuterebbero)
{
    // One column past the most a column file may hold (6,377,292 Totip records): refused,
    // with the limit in the message, and no file; exactly the most is still written.
    const std::size_t massimo = 6377292;
    {
        std::ofstream t(dir.File("troppe.txt"));
        const std::string riga = "111111111111\n";
        std::string blocco;
        for (int i = 0; i < 1000; ++i) blocco += riga;
        for (std::size_t i = 0; i < massimo / 1000; ++i) t << blocco;
        for (std::size_t i = 0; i < massimo % 1000; ++i) t << riga;
    }
    auto giuste = Cli("converti troppe.txt -o giuste.Col");
    ASSERT_EQ(giuste.codice, 0) << giuste.err;
    EXPECT_EQ(std::filesystem::file_size(dir.File("giuste.Col")), massimo * 14);
    std::ofstream(dir.File("troppe.txt"), std::ios::app) << "111111111111\n";
    auto troppe = Cli("converti troppe.txt -o troppe.Col");
    EXPECT_EQ(troppe.codice, 1);
    EXPECT_NE(troppe.err.find("al massimo 6377292"), std::string::npos) << troppe.err;
    EXPECT_FALSE(std::filesystem::exists(dir.File("troppe.Col")));
}
