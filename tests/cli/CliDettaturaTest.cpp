// morella-cli detta: the words the dictation would say, without a sound card.
#include <gtest/gtest.h>

#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <vector>

#include "CartellaTemporanea.h"
#include "EseguiCli.h"

using morella::test::EseguiCli;
using morella::test::TCartellaTemporanea;
using morella::test::TEsito;

namespace {

class CliDettatura : public ::testing::Test {
   protected:
    TCartellaTemporanea dir;

    TEsito Cli(const std::string& argomenti) { return EseguiCli(dir.Percorso(), argomenti); }

    // Nine columns: column k says "1" everywhere except event k + 1, which says "1X2"; the
    // ninth (alone in the third schedina) says "X2" in every event.
    void ScriviNove()
    {
        std::ofstream t(dir.File("nove.txt"));
        for (int k = 0; k < 8; ++k) {
            std::string c(12, '1');
            c.replace(static_cast<std::size_t>(k + 1), 1, "(1X2)");
            t << c << "\n";
        }
        for (int e = 0; e < 12; ++e) t << "(X2)";
        t << "\n";
        t.close();
        ASSERT_EQ(Cli("converti nove.txt -o nove.Col").codice, 0);
    }
};

std::vector<std::string> Righe(const std::string& testo)
{
    std::vector<std::string> r;
    std::istringstream in(testo);
    for (std::string riga; std::getline(in, riga);) r.push_back(riga);
    return r;
}

}  // namespace

TEST_F(CliDettatura, PerColonneEPerRigheConIlLoroIntervallo)
{
    ScriviNove();
    auto tutto = Cli("detta nove.Col");
    ASSERT_EQ(tutto.codice, 0) << tutto.err;
    auto righe = Righe(tutto.out);
    ASSERT_EQ(righe.size(), 9u * 12);
    EXPECT_EQ(righe[0], "1 0 1000");
    EXPECT_EQ(righe[1], "1X2 6000 6900");       // column 1, event 2
    EXPECT_EQ(righe[12 + 2], "1X2 6000 6900");  // column 2, event 3
    EXPECT_EQ(righe.back(), "X2 5000 6000");

    // By rows, schedine 2 and 3: event 1 of columns 5 to 8, then event 2, ..., then column 9.
    auto perRighe = Cli("detta nove.Col --da 2 --a 3 --righe");
    ASSERT_EQ(perRighe.codice, 0) << perRighe.err;
    righe = Righe(perRighe.out);
    ASSERT_EQ(righe.size(), 4u * 12 + 12);
    // Column 5 (k = 4) says 1X2 at event 6: row 6, first place.
    EXPECT_EQ(righe[5 * 4], "1X2 6000 6900");
    EXPECT_EQ(righe[5 * 4 + 1], "1 0 1000");
    EXPECT_EQ(righe[48], "X2 5000 6000");

    auto json = Cli("detta nove.Col --da 3 --a 3 --json");
    ASSERT_EQ(json.codice, 0) << json.err;
    auto j = nlohmann::json::parse(json.out);
    EXPECT_EQ(j["schedine"], 3);
    EXPECT_EQ(j["ordine"], "colonne");
    ASSERT_EQ(j["parole"].size(), 12u);
    EXPECT_EQ(
        j["parole"][11],
        (nlohmann::json{
            {"parola", "X2"}, {"da", 5000}, {"a", 6000}, {"schedina", 3}, {"colonna", 1}, {"evento", 12}}));
}

TEST_F(CliDettatura, FileVuotoIntervalloSbagliatoFileMancante)
{
    std::ofstream(dir.File("vuoto.Col")).close();
    auto vuoto = Cli("detta vuoto.Col --json");
    ASSERT_EQ(vuoto.codice, 0) << vuoto.err;
    EXPECT_TRUE(nlohmann::json::parse(vuoto.out)["parole"].empty());

    ScriviNove();
    EXPECT_EQ(Cli("detta nove.Col --da 4").codice, 2);
    EXPECT_EQ(Cli("detta nove.Col --da 3 --a 2").codice, 2);
    EXPECT_EQ(Cli("detta nove.Col --da 0").codice, 2);
    auto manca = Cli("detta manca.Col");
    EXPECT_EQ(manca.codice, 1);
    EXPECT_TRUE(manca.out.empty());
}

TEST_F(CliDettatura, MezzoMilioneDiRecordInPocaMemoriaEMemoriaEsaurita)
{
    // 500,000 records (125,000 schedine, 6 million words): each word goes out as it is said,
    // so 200 MB of address space are enough for the text and for the JSON alike.
    {
        std::vector<std::uint8_t> record(14, 0);
        for (int e = 0; e < 12; ++e) record[static_cast<std::size_t>(e)] = e % 2 ? 2 : 1;
        std::ofstream f(dir.File("grande.Col"), std::ios::binary);
        for (int r = 0; r < 500000; ++r) f.write(reinterpret_cast<const char*>(record.data()), 14);
    }
    for (const std::string opzione : {"", "--json"}) {
        const std::string comando = "cd '" + dir.Percorso().string() + "' && { " +
                                    morella::test::LimiteMemoria(200000) + "'" +
                                    MORELLA_CLI_PATH "' --dir . detta grande.Col " + opzione +
                                    " 2>err.txt; echo $? > codice.txt; } | tail -c 60 > fine.txt";
        ASSERT_EQ(std::system(comando.c_str()), 0);
        EXPECT_EQ(morella::test::LeggiTesto(dir.File("codice.txt")), "0\n")
            << opzione << morella::test::LeggiTesto(dir.File("err.txt"));
        const std::string fine = morella::test::LeggiTesto(dir.File("fine.txt"));
        if (opzione.empty())
            EXPECT_TRUE(fine.ends_with("\nX 1000 2000\n")) << fine;
        else
            EXPECT_TRUE(fine.ends_with(R"("parola":"X","schedina":125000}],"schedine":125000})"
                                       "\n"))
                << fine;
    }
    // A command that does run out of memory says so in the program's words.
    const std::string mostra = "cd '" + dir.Percorso().string() + "' && " +
                               morella::test::LimiteMemoria(150000) + "'" +
                               MORELLA_CLI_PATH "' --dir . mostra --json grande.Col >/dev/null 2>err.txt";
    if (!morella::test::ConSanitizer) {
        EXPECT_EQ(WEXITSTATUS(std::system(mostra.c_str())), 1);
        EXPECT_EQ(morella::test::LeggiTesto(dir.File("err.txt")), "Memoria Esaurita\n");
    }

    // The JSON streamed word by word is still one object, as a whole dump would give it.
    auto json = Cli("detta grande.Col --da 125000 --json");
    ASSERT_EQ(json.codice, 0) << json.err;
    const auto j = nlohmann::json::parse(json.out);
    EXPECT_EQ(j["parole"].size(), 48u);
    EXPECT_EQ(j.dump() + "\n", json.out);
}
