// morella-cli on systems: info, copia, sviluppa, riduci, spoglio, on files the core wrote.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "CartellaTemporanea.h"
#include "Cartelle.h"
#include "CondizioneATabelle.h"
#include "EseguiCli.h"
#include "FileColonne.h"
#include "NumeroSegni.h"
#include "Sistema.h"
#include "Sviluppo.h"

using morella::test::EseguiCli;
using morella::test::LeggiTutto;
using morella::test::TCartellaTemporanea;
using morella::test::TEsito;
using namespace morella;

namespace {

class CliSistema : public ::testing::Test {
   protected:
    TCartellaTemporanea dir;

    void SetUp() override
    {
        ImpostaDirectoryProgramma(dir.Percorso().string());
        CreaCartelleDiLavoro();
    }

    TEsito Cli(const std::string& argomenti) { return EseguiCli(dir.Percorso(), argomenti); }

    // Four triples and singles, horses 1 and 2; "Numero Di Segni" keeps the columns with
    // at most two "2".
    std::string Sistema(bool autoriduzione)
    {
        TSistema s;
        auto& d = s.Dati();
        for (int i = 0; i < 12; ++i) d.Pronostico[static_cast<std::size_t>(i)] = i < 4 ? 7 : 1;
        d.CorsaPiu = 0x0003;
        auto* segni = d.Condizioni->Condizione<TNumeroSegni>(TipoNumeroSegni);
        for (int v = 0; v <= 2; ++v) segni->Tabella(2).ImpostaStato(0, v, StatoAmmesso);
        d.Impostazioni.Autoriduzione = autoriduzione;
        d.Impostazioni.SalvaAutomaticamente = true;
        d.Impostazioni.FileDestinazione = "C:\\MORELLA\\COLONNE\\DESTINO.COL";  // written on another machine
        s.Partecipanti = 2;
        s.NomiPartecipanti = {"Anna", "Bruno"};
        std::string file = dir.File("prova.Mrl");
        s.NomeFile = file;
        s.Salva();
        return file;
    }
};

}  // namespace

TEST_F(CliSistema, InfoECopia)
{
    std::string file = Sistema(false);
    auto info = Cli("info prova.Mrl --json");
    ASSERT_EQ(info.codice, 0) << info.err;
    auto j = nlohmann::json::parse(info.out);
    EXPECT_EQ(j["pronostico"], "(1X2)(1X2)(1X2)(1X2)11111111");
    EXPECT_EQ(j["corsa_piu"], nlohmann::json({1, 2}));
    EXPECT_EQ(j["triple"], 4);
    EXPECT_EQ(j["doppie"], 0);
    EXPECT_EQ(j["colonne_iniziali"], 81);
    EXPECT_EQ(j["condizioni_attive"], nlohmann::json({"Numero Di Segni"}));
    EXPECT_EQ(j["impostazioni"]["garanzia"], 1);
    EXPECT_EQ(j["partecipanti"], 2);
    EXPECT_EQ(j["status"][1], "  Colonne Iniziali : 81 (£ 64800)");
    EXPECT_EQ(Cli("info prova.Mrl").codice, 0);

    ASSERT_EQ(Cli("copia prova.Mrl -o copia.Mrl").codice, 0);
    EXPECT_EQ(LeggiTutto(dir.File("copia.Mrl")), LeggiTutto(file));
    auto manca = Cli("info manca.Mrl");
    EXPECT_EQ(manca.codice, 1);
    EXPECT_NE(manca.err.find("Impossibile Caricare Il Sistema"), std::string::npos);
}

TEST_F(CliSistema, SviluppaConCondizioniEDestinazione)
{
    Sistema(false);
    auto e = Cli("sviluppa prova.Mrl -o uscita.Col --json");
    ASSERT_EQ(e.codice, 0) << e.err;
    auto j = nlohmann::json::parse(e.out);
    // Columns of four signs with at most two "2": 81 - 8 (three) - 1 (four) = 72.
    EXPECT_EQ(j["iniziali"], 81);
    EXPECT_EQ(j["sviluppate"], 81);
    EXPECT_EQ(j["finali"], 72);
    EXPECT_TRUE(j["ridotte"].is_null());
    EXPECT_FALSE(j["annullato"]);
    EXPECT_EQ(LeggiTutto(dir.File("uscita.Col")).size(), 72u * 14);
    // The destination saved on another machine lands in the column folder.
    EXPECT_EQ(LeggiTutto(UnisciPercorso(CartellaColonne(), "DESTINO.COL")),
              LeggiTutto(dir.File("uscita.Col")));
}

TEST_F(CliSistema, SviluppaERiduce)
{
    Sistema(true);
    auto e = Cli("sviluppa prova.Mrl --json");
    ASSERT_EQ(e.codice, 0) << e.err;
    auto j = nlohmann::json::parse(e.out);
    EXPECT_EQ(j["finali"], 72);
    ASSERT_FALSE(j["ridotte"].is_null());
    EXPECT_LT(j["ridotte"].get<int>(), 72);
    EXPECT_NEAR(j["fattore"].get<double>(), 72.0 / j["ridotte"].get<int>(), 1e-9);
}

TEST_F(CliSistema, RiduciESpoglio)
{
    TListaColonne l;
    TColonna tutte{};
    for (int i = 0; i < 12; ++i) tutte[static_cast<std::size_t>(i)] = i < 3 ? 7 : 1;
    l.AggiungiEspansa(tutte);
    ASSERT_TRUE(SalvaColonne(l, dir.File("ventisette.Col")));

    auto r = Cli("riduci ventisette.Col -o ridotte.Col --percentuali --json");
    ASSERT_EQ(r.codice, 0) << r.err;
    auto j = nlohmann::json::parse(r.out);
    EXPECT_EQ(j["totale"], 27);
    int ridotte = j["ridotte"];
    EXPECT_GT(ridotte, 0);
    EXPECT_LT(ridotte, 27);
    EXPECT_EQ(j["possibilita"]["liste"].size(), 13u);
    EXPECT_EQ(LeggiTutto(dir.File("ridotte.Col")).size(), static_cast<std::size_t>(ridotte) * 14);
    EXPECT_EQ(Cli("riduci ventisette.Col -o x.Col --veloce --percentuali").codice, 2);
    EXPECT_EQ(Cli("riduci ventisette.Col -o x.Col --garanzia 3").codice, 2);

    // Every developed column is within one point of the reduced system: no 0 in the 10s.
    auto s = Cli("spoglio ventisette.Col --vincente 1X2111111111 --json");
    ASSERT_EQ(s.codice, 0) << s.err;
    auto p = nlohmann::json::parse(s.out);
    EXPECT_EQ(p["punti"][12], 1);
    EXPECT_EQ(p["punti"][11], 6);
    EXPECT_EQ(p["punti"][10], 12);
    EXPECT_EQ(p["punti"][9], 8);
    EXPECT_EQ(p["categorie"], nlohmann::json({1, 6, 12}));
    EXPECT_EQ(Cli("spoglio ventisette.Col --vincente 1X211111111*").codice, 1);
    EXPECT_EQ(Cli("spoglio ventisette.Col --vincente 1X2").codice, 2);
}

TEST_F(CliSistema, SpoglioConLeCondizioniSbagliate)
{
    Sistema(false);
    TListaColonne l;
    TColonna c{};
    for (int i = 0; i < 12; ++i) c[static_cast<std::size_t>(i)] = 1;
    l.Aggiungi(c);
    ASSERT_TRUE(SalvaColonne(l, dir.File("una.Col")));
    // Outside the prediction (event 5 is "1" only) and three "2": both listed, prediction first.
    auto e = Cli("spoglio una.Col --vincente 2221211111111 --sistema prova.Mrl --json");
    EXPECT_EQ(e.codice, 2);  // thirteen signs: not a Totip column
    e = Cli("spoglio una.Col --vincente 222121111111 --sistema prova.Mrl --json");
    ASSERT_EQ(e.codice, 0) << e.err;
    auto j = nlohmann::json::parse(e.out);
    EXPECT_EQ(j["condizioni_sbagliate"], nlohmann::json({"Pronostico", "Numero Di Segni"}));
    EXPECT_EQ(j["punti"][8], 1);
}

TEST_F(CliSistema, InfoVedeLArchivioDellaCartella)
{
    // "Ripetizioni" compares with the last contests: it is active only with an archive.
    TSistema s;
    auto& d = s.Dati();
    for (int i = 0; i < 12; ++i) d.Pronostico[static_cast<std::size_t>(i)] = 7;
    TCondizione* ripetizioni = d.Condizioni->Condizione(TipoRipetizioni);
    ASSERT_NE(ripetizioni, nullptr);
    auto* tabelle = dynamic_cast<TCondizioneATabelle*>(ripetizioni);
    ASSERT_NE(tabelle, nullptr);
    for (int v = 0; v <= 6; ++v) tabelle->Tabella(0).ImpostaStato(0, v, StatoAmmesso);
    s.NomeFile = dir.File("rip.Mrl");
    s.Salva();
    auto attive = [&] {
        auto r = Cli("info rip.Mrl --json");
        EXPECT_EQ(r.codice, 0) << r.err;
        return nlohmann::json::parse(r.out)["condizioni_attive"];
    };
    EXPECT_TRUE(attive().empty());
    std::vector<std::uint8_t> archivio;
    for (const char* colonna : {"1X21X21X21X2", "111XXX222111"}) {
        std::vector<std::uint8_t> r = {0xE7, 0x07, 0, 0, static_cast<std::uint8_t>(archivio.size() / 20 + 1)};
        for (const char* c = colonna; *c; ++c) r.push_back(*c == '1' ? 1 : *c == 'X' ? 2 : 4);
        r.insert(r.end(), {0, 0, 1});
        archivio.insert(archivio.end(), r.begin(), r.end());
    }
    morella::test::ScriviTutto(UnisciPercorso(CartellaArchivi(), "archivio.mra"), archivio);
    EXPECT_EQ(attive(), nlohmann::json::array({ripetizioni->Nome}));
}

TEST_F(CliSistema, RiduciOttimizzata)
{
    TListaColonne l;
    TColonna tutte{};
    for (int i = 0; i < 12; ++i) tutte[static_cast<std::size_t>(i)] = i < 6 ? 7 : 1;
    l.AggiungiEspansa(tutte);
    ASSERT_TRUE(SalvaColonne(l, dir.File("sei.Col")));
    auto r = Cli(
        "riduci sei.Col -o ridotte.Col --garanzia 2 --ottimizza --tempo 0.5 --seme 3 --percentuali --json");
    ASSERT_EQ(r.codice, 0) << r.err;
    auto j = nlohmann::json::parse(r.out);
    EXPECT_EQ(j["totale"], 729);
    EXPECT_EQ(j["greedy"], 23);
    EXPECT_EQ(j["ridotte"], 17);  // the 17-word code of six triples
    EXPECT_LT(j["secondi"].get<double>(), 0.6);
    EXPECT_EQ(j["possibilita"]["liste"].size(), 13u);
    EXPECT_EQ(LeggiTutto(dir.File("ridotte.Col")).size(), 17u * 14);
    EXPECT_EQ(Cli("riduci sei.Col -o x.Col --ottimizza --veloce").codice, 2);
    EXPECT_EQ(Cli("riduci sei.Col -o x.Col --tempo 3").codice, 2);  // a budget without --ottimizza
    EXPECT_EQ(Cli("riduci sei.Col -o x.Col --ottimizza --tempo -1").codice, 2);
}

TEST_F(CliSistema, SviluppaOttimizzataECopia)
{
    Sistema(true);
    {
        TSistema s;
        s.Carica(dir.File("prova.Mrl"));
        ImpostaTipoRiduzione(s.Dati().Impostazioni, TTipoRiduzione::Ottimizzata);
        s.Dati().Impostazioni.SecondiOttimizzazione = 1;
        s.Salva();
    }
    ASSERT_EQ(Cli("copia prova.Mrl -o copia.Mrl").codice, 0);
    EXPECT_EQ(LeggiTutto(dir.File("copia.Mrl")), LeggiTutto(dir.File("prova.Mrl")));
    auto info = nlohmann::json::parse(Cli("info prova.Mrl --json").out);
    EXPECT_TRUE(info["impostazioni"]["ottimizzata"]);
    EXPECT_EQ(info["impostazioni"]["secondi_ottimizzazione"], 1);
    auto e = Cli("sviluppa prova.Mrl --json");
    ASSERT_EQ(e.codice, 0) << e.err;
    auto j = nlohmann::json::parse(e.out);
    EXPECT_EQ(j["finali"], 72);
    EXPECT_LE(j["ridotte"].get<int>(), j["greedy"].get<int>());
    EXPECT_LT(j["secondi"].get<double>(), 1.1);
}

// A program directory without its example gets one at the first command, for itself.
TEST_F(CliSistema, LEsempioMancanteVieneScrittoPerQuestaCartella)
{
    const std::filesystem::path esempio = dir.Percorso() / "Sistemi" / "Esempio.Mrl";
    ASSERT_FALSE(std::filesystem::exists(esempio));
    TEsito r = Cli("info Sistemi/Esempio.Mrl --json");
    ASSERT_EQ(r.codice, 0) << r.err;
    const auto j = nlohmann::json::parse(r.out);
    EXPECT_EQ(j["impostazioni"]["destinazione"], (dir.Percorso() / "Colonne" / "Esempio.Col").string());
    EXPECT_EQ(j["impostazioni"]["sorgente"], (dir.Percorso() / "Colonne" / "DefSorg.Col").string());
}

// A system received from someone else names where its columns go: the automatic save
// replaces nothing but a column file, and says which destination it refused.
TEST_F(CliSistema, SviluppaNonSovrascriveUnFileQualsiasi)
{
    Sistema(false);
    const std::string vittima = dir.File("bashrc");
    std::ofstream(vittima) << "export PATH\n";
    {
        TSistema s;
        s.Carica(dir.File("prova.Mrl"));
        s.Dati().Impostazioni.FileDestinazione = vittima;
        s.Salva();
    }
    auto e = Cli("sviluppa prova.Mrl");
    EXPECT_EQ(e.codice, 1);
    EXPECT_NE(e.err.find(MessaggioDestinazioneNonColonnare + vittima), std::string::npos) << e.err;
    EXPECT_EQ(e.out.find("Salvate in"), std::string::npos);
    EXPECT_EQ(LeggiTutto(vittima).size(), 12u);
}

// A head of a system file cut inside a block, or one holding a value the program never
// writes, is no system: each command that reads one refuses it and writes nothing.
TEST_F(CliSistema, SistemaTroncatoOImpossibileRifiutato)
{
    const std::string file = Sistema(false);
    TBytes b = LeggiTutto(file);
    TBytes corto(b.begin(), b.begin() + 300), impossibile = b;
    impossibile[346] = 9;  // no sign set
    for (const TBytes* rotto : {&corto, &impossibile}) {
        morella::test::ScriviTutto(file, *rotto);
        for (const char* comando :
             {"info prova.Mrl", "copia prova.Mrl -o copia.Mrl", "sviluppa prova.Mrl -o uscita.Col"}) {
            auto e = Cli(comando);
            EXPECT_EQ(e.codice, 1) << comando;
            EXPECT_NE(e.err.find("Impossibile Caricare Il Sistema"), std::string::npos) << comando << e.err;
        }
        EXPECT_FALSE(std::filesystem::exists(dir.File("copia.Mrl")));
        EXPECT_FALSE(std::filesystem::exists(dir.File("uscita.Col")));
        EXPECT_FALSE(std::filesystem::exists(UnisciPercorso(CartellaColonne(), "DESTINO.COL")));
    }
}
