#include <gtest/gtest.h>

#include <filesystem>

#include "CartellaTemporanea.h"
#include "Cartelle.h"

using namespace morella;
using morella::test::TCartellaTemporanea;
namespace fs = std::filesystem;

namespace {

// Puts the program directory back as it was when the test ends.
class TDirectoryTemporanea {
   public:
    explicit TDirectoryTemporanea(const std::string& d) : vecchia_(DirectoryProgramma())
    {
        ImpostaDirectoryProgramma(d);
    }
    ~TDirectoryTemporanea() { ImpostaDirectoryProgramma(vecchia_); }

   private:
    std::string vecchia_;
};

}  // namespace

TEST(Cartelle, DirectoryDellEseguibile)
{
    EXPECT_EQ(DirectoryDaEseguibile("/opt/Morella/morella-cli"), "/opt/Morella");
    EXPECT_EQ(DirectoryDaEseguibile("/morella-cli"), "/");
    EXPECT_EQ(DirectoryDaEseguibile("//morella-cli"), "/");
    EXPECT_EQ(DirectoryDaEseguibile("bin//morella-cli"), "bin");
    EXPECT_EQ(DirectoryDaEseguibile("morella-cli"), ".");
    EXPECT_EQ(DirectoryDaEseguibile(""), ".");

    const std::string eseguibile = EseguibileCorrente();
    ASSERT_FALSE(eseguibile.empty());
    EXPECT_TRUE(fs::path(eseguibile).is_absolute());
    EXPECT_TRUE(fs::is_regular_file(eseguibile));
}

TEST(Cartelle, CartelleDiLavoroSottoLaDirectory)
{
    {
        TDirectoryTemporanea d("/opt/Morella/");
        EXPECT_EQ(DirectoryProgramma(), "/opt/Morella");
        EXPECT_EQ(CartellaSistemi(), "/opt/Morella/Sistemi");
        EXPECT_EQ(CartellaRidotti(), "/opt/Morella/Ridotti");
        EXPECT_EQ(CartellaColonne(), "/opt/Morella/Colonne");
        EXPECT_EQ(CartellaArchivi(), "/opt/Morella/Archivi");
        EXPECT_EQ(CartellaQuadri(), "/opt/Morella/QuadriS");
        EXPECT_EQ(CartellaSfondi(), "/opt/Morella/SfondiS");
        EXPECT_EQ(CartellaWav(), "/opt/Morella/Wav");
    }
    {
        // A root keeps its separator and does not double it.
        TDirectoryTemporanea d("/");
        EXPECT_EQ(DirectoryProgramma(), "/");
        EXPECT_EQ(CartellaArchivi(), "/Archivi");
    }
    {
        TDirectoryTemporanea d("");
        EXPECT_EQ(CartellaWav(), "./Wav");
    }
}

TEST(Cartelle, CreaLeCartelleMancantiESegnalaQuelleImpossibili)
{
    TCartellaTemporanea t;
    const std::string base = (t.Percorso() / "Morella").string();
    TDirectoryTemporanea d(base);
    EXPECT_TRUE(CreaCartelleDiLavoro().empty());
    for (const char* nome : NomiCartelleDiLavoro)
        EXPECT_TRUE(fs::is_directory(fs::path(base) / nome)) << nome;
    // Running again over folders that exist is fine.
    EXPECT_TRUE(CreaCartelleDiLavoro().empty());

    // A file standing where a folder should be is reported, and the others are still made.
    fs::remove_all(base);
    fs::create_directories(base);
    morella::test::ScriviTutto(base + "/Wav", {1, 2, 3});
    const auto errori = CreaCartelleDiLavoro();
    ASSERT_EQ(errori.size(), 1u);
    EXPECT_NE(errori[0].find("Wav"), std::string::npos);
    EXPECT_TRUE(fs::is_directory(base + "/Archivi"));
    EXPECT_TRUE(fs::is_regular_file(base + "/Wav"));
}

TEST(Cartelle, PercorsiMemorizzatiAltroveSiCercanoNellaCartellaDiLavoro)
{
    TCartellaTemporanea t;
    const std::string colonne = (t.Percorso() / "Colonne").string();
    fs::create_directories(colonne);
    morella::test::ScriviTutto(colonne + "/DefDest.Col", {1});

    // A path that exists is used as it is.
    EXPECT_EQ(RisolviPercorso(colonne + "/DefDest.Col", "/altrove"), colonne + "/DefDest.Col");
    // A path written on another machine maps by its name, whether or not the file is there yet.
    EXPECT_EQ(RisolviPercorso("C:\\Morella\\Colonne\\DefDest.Col", colonne), colonne + "/DefDest.Col");
    EXPECT_EQ(RisolviPercorso("C:\\Morella\\Colonne\\Nuovo.Col", colonne), colonne + "/Nuovo.Col");
    EXPECT_EQ(RisolviPercorso("D:Vecchio.Col", colonne), colonne + "/Vecchio.Col");
    // A native path that moved is found in the working folder; one found nowhere stays as it
    // is, so a new file is written where the player asked.
    EXPECT_EQ(RisolviPercorso("/vecchia/casa/DefDest.Col", colonne), colonne + "/DefDest.Col");
    EXPECT_EQ(RisolviPercorso("/vecchia/casa/Altro.Col", colonne), "/vecchia/casa/Altro.Col");
    // A name stored where case does not count finds the file whatever its case; the exact
    // name wins, and among names differing only in case the choice is always the same.
    morella::test::ScriviTutto(colonne + "/Esempio.Col", {1});
    EXPECT_EQ(RisolviPercorso("C:\\MORELLA\\COLONNE\\ESEMPIO.COL", colonne), colonne + "/Esempio.Col");
    EXPECT_EQ(RisolviPercorso("/vecchia/casa/esempio.col", colonne), colonne + "/Esempio.Col");
    morella::test::ScriviTutto(colonne + "/ESEMPIO.COL", {1});
    EXPECT_EQ(RisolviPercorso("C:\\MORELLA\\COLONNE\\ESEMPIO.COL", colonne), colonne + "/ESEMPIO.COL");
    EXPECT_EQ(RisolviPercorso("C:\\esempio.col", colonne), colonne + "/ESEMPIO.COL");
    // Nothing to look up.
    EXPECT_EQ(RisolviPercorso("", colonne), "");
    EXPECT_EQ(RisolviPercorso("C:\\Morella\\", colonne), "C:\\Morella\\");
    EXPECT_EQ(RisolviPercorso("C:\\..", colonne), "C:\\..");
}
