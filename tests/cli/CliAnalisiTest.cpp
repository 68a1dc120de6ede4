// morella-cli analisi and segni on an archive and a system the core wrote.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "Archivio.h"
#include "CartellaTemporanea.h"
#include "Cartelle.h"
#include "EseguiCli.h"
#include "Sistema.h"
#include "TestoColonnaEsteso.h"
#include "UTCondiz.h"

using morella::test::EseguiCli;
using morella::test::TCartellaTemporanea;
using morella::test::TEsito;
using namespace morella;

namespace {

class CliAnalisi : public ::testing::Test {
   protected:
    TCartellaTemporanea dir;

    void SetUp() override
    {
        ImpostaDirectoryProgramma(dir.Percorso().string());
        CreaCartelleDiLavoro();
    }

    TEsito Cli(const std::string& argomenti) { return EseguiCli(dir.Percorso(), argomenti); }

    void Archivio(const std::vector<std::string>& colonne)
    {
        T_Archivio a;
        std::uint8_t numero = 1;
        for (const auto& testo : colonne) {
            T_Concorso c;
            c.Stagione = 2024;
            c.Numero = numero++;
            c.ColonnaVincente = *ColonnaDaTestoEsteso(testo);
            c.AggiornaCompleto();
            a.Aggiungi(c);
        }
        ASSERT_TRUE(a.Salva(CartellaArchivi()));
    }

    // Four triples and singles; "Numero Di Segni" keeps at most two "2"; a consecutiveness
    // element in its group; group 3 of "Punti Tra" fed by the count of "1".
    void Sistema()
    {
        TSistema s;
        auto& d = s.Dati();
        for (int i = 0; i < 12; ++i) d.Pronostico[static_cast<std::size_t>(i)] = i < 4 ? 7 : 1;
        auto* segni = d.Condizioni->Condizione<TNumeroSegni>(TipoNumeroSegni);
        for (int v = 0; v <= 2; ++v) segni->Tabella(2).ImpostaStato(0, v, StatoAmmesso);
        for (int v = 0; v <= 12; ++v) segni->Tabella(0).ImpostaStato(0, v, StatoAmmesso);
        segni->Tabella(0).Sotto[0].GruppoTra = 3;
        d.Condizioni->Condizione<TPuntiTra>(TipoPuntiTra)->Gruppo(3).Aggiungi({0, 9, 1, 1});
        auto e = std::make_unique<TConsecutivita>();
        e->Tabella(TConsecutivita::TabellaConteggi).ImpostaStato(0, 10, StatoAmmesso);
        e->Tabella(TConsecutivita::TabellaRun).ImpostaStato(0, 3, StatoAmmesso);
        d.Condizioni->Condizione<TGruppoCondizioni>(TipoGruppoConsecutivita)->Aggiungi(std::move(e));
        s.NomeFile = dir.File("prova.Mrl");
        s.Salva();
    }
};

}  // namespace

TEST_F(CliAnalisi, SegniSuTuttoLArchivio)
{
    Archivio({"111111111111", "1X1111111111", "111111111111", "X11111111112"});
    auto e = Cli("segni --json");
    ASSERT_EQ(e.codice, 0) << e.err;
    auto j = nlohmann::json::parse(e.out);
    EXPECT_EQ(j["concorsi"], 4);
    ASSERT_EQ(j["eventi"].size(), 12u);
    EXPECT_EQ(j["eventi"][1]["1"],
              nlohmann::json::parse(
                  R"({"freq":3,"rit_att":0,"rit_max":1,"ic":0.0,"freq_ann":3,"cs_att":2,"cs_max":2})"));
    EXPECT_EQ(j["eventi"][1]["X"]["ic"], 0.5);
    EXPECT_EQ(j["eventi"][11]["2"]["rit_max"], 3);  // absent from the first three

    auto testo = Cli("segni");
    ASSERT_EQ(testo.codice, 0);
    EXPECT_NE(testo.out.find("Segno X"), std::string::npos);
    EXPECT_NE(testo.out.find("4 concorsi"), std::string::npos);
}

TEST_F(CliAnalisi, SegniSenzaArchivio)
{
    auto e = Cli("segni --json");
    EXPECT_EQ(e.codice, 1);
    EXPECT_NE(e.err.find("Impossibile Caricare L'Archivio."), std::string::npos);
    EXPECT_TRUE(e.out.empty());
}

TEST_F(CliAnalisi, AnalisiDelNumeroDiSegni)
{
    Archivio({"111111111111", "1X21X21X21X2", "222222XXXXXX", "22XX11XX11XX"});
    Sistema();
    auto e = Cli("analisi prova.Mrl --slot 1 --json");
    ASSERT_EQ(e.codice, 0) << e.err;
    auto j = nlohmann::json::parse(e.out);
    EXPECT_EQ(j["titoli"][0], "Analisi Statistica del Numero dei Segni");
    EXPECT_EQ(j["titoli"][3], "Analisi Colonnare del Numero dei Segni");
    ASSERT_EQ(j["serie"].size(), 3u);
    const auto& due = j["serie"][2];
    EXPECT_EQ(due["nome"], "Segni 2");
    EXPECT_EQ(due["etichette"].size(), 13u);
    EXPECT_EQ(due["archivio"]["contati"], 4);
    EXPECT_EQ(due["archivio"]["prima"][6], nlohmann::json({1, 1, 2}));  // six "2" only in contest 3
    EXPECT_EQ(due["archivio"]["prima"][0], nlohmann::json({1, 3, 3}));
    EXPECT_EQ(j["completata"], true);
    EXPECT_EQ(j["colonne_esaminate"], 81);
    // Columns with three or four "2" among the four triples: 8 + 1.
    EXPECT_EQ(due["integr"]["prima"][3], 8);
    EXPECT_EQ(due["conds"]["prima"][3], 0);
    EXPECT_EQ(due["conds"]["contati"], 72);
    EXPECT_EQ(due["condiz"]["contati"], 0);  // not developed
    EXPECT_DOUBLE_EQ(due["eliminate"].get<double>(), 11.11);
    EXPECT_DOUBLE_EQ(due["frequenza_storica"].get<double>(), 50.0);  // 0 and 2 "2" admitted
    EXPECT_EQ(due["fattore"], "Fattore di Convenienza : 0.22");
    // "Segni 1" accepts every count: no factor.
    EXPECT_EQ(j["serie"][0]["fattore"], "");

    auto sviluppata = Cli("analisi prova.Mrl --slot 1 --sviluppa --json");
    ASSERT_EQ(sviluppata.codice, 0) << sviluppata.err;
    // At most two "2", and group 3 (the count of "1") at most 9: at most one "1" among the
    // triples. 1 + 4 + 6 + 4 + 12 + 12 columns.
    EXPECT_EQ(nlohmann::json::parse(sviluppata.out)["serie"][2]["condiz"]["contati"], 39);

    auto storico = Cli("analisi prova.Mrl --slot 1 --solo-archivio --json");
    ASSERT_EQ(storico.codice, 0) << storico.err;
    auto s = nlohmann::json::parse(storico.out);
    EXPECT_TRUE(s["serie"][0]["integr"].is_null());
    EXPECT_EQ(s["completata"], false);
    EXPECT_EQ(s["colonne_esaminate"], 0);

    auto testo = Cli("analisi prova.Mrl --slot 1");
    ASSERT_EQ(testo.codice, 0) << testo.err;
    EXPECT_NE(testo.out.find("Analisi Statistica del Numero dei Segni"), std::string::npos);
    EXPECT_NE(testo.out.find("Fattore di Convenienza : 0.22"), std::string::npos);
}

TEST_F(CliAnalisi, GruppiElementiEVarianti)
{
    Archivio({"111111111111", "1X21X21X21X2"});
    Sistema();
    auto tra = Cli("analisi prova.Mrl --slot 15 --gruppo 3 --json");
    ASSERT_EQ(tra.codice, 0) << tra.err;
    auto j = nlohmann::json::parse(tra.out);
    EXPECT_EQ(j["titoli"][0], "Analisi Statistica dei Punti Tra del Gruppo 3");
    EXPECT_EQ(j["serie"][0]["etichette"], nlohmann::json({"0", "Altri"}));
    // The sum is the count of "1", eight singles and the triples': within 0-9 when the
    // triples hold at most one "1" (16 + 32 columns).
    EXPECT_EQ(j["serie"][0]["integr"]["prima"], nlohmann::json({48, 33}));
    EXPECT_EQ(j["serie"][0]["archivio"]["prima"][1], nlohmann::json({1, 1, 1}));

    auto vortice = Cli("analisi prova.Mrl --slot 3 --inverso --solo-archivio --json");
    ASSERT_EQ(vortice.codice, 0) << vortice.err;
    EXPECT_EQ(nlohmann::json::parse(vortice.out)["titoli"][0], "Analisi Statistica del Vortice Inverso");

    auto gruppo = Cli("analisi prova.Mrl --slot 8 --json");
    EXPECT_EQ(gruppo.codice, 2);
    EXPECT_TRUE(gruppo.out.empty());
    auto elemento = Cli("analisi prova.Mrl --slot 8 --elemento 1 --json");
    ASSERT_EQ(elemento.codice, 0) << elemento.err;
    EXPECT_EQ(nlohmann::json::parse(elemento.out)["titoli"][0],
              "Analisi Statistica della Consecutivita del Segno 1");
    EXPECT_EQ(Cli("analisi prova.Mrl --slot 8 --elemento 2").codice, 2);
    EXPECT_EQ(Cli("analisi prova.Mrl --slot 16").codice, 2);

    auto manca = Cli("analisi manca.Mrl --slot 1");
    EXPECT_EQ(manca.codice, 1);
    EXPECT_NE(manca.err.find("Impossibile Caricare Il Sistema"), std::string::npos);
}
