#include <gtest/gtest.h>

#include <filesystem>

#include "CartellaTemporanea.h"
#include "Cartelle.h"

using namespace morella;
using morella::test::LeggiTutto;
using morella::test::ScriviTutto;
using morella::test::TCartellaTemporanea;
namespace fs = std::filesystem;

namespace {

std::vector<std::uint8_t> Testo(const std::string& t)
{
    return {t.begin(), t.end()};
}

// An installed tree: PREFIX/bin with the executables, PREFIX/share/morella with the template.
struct TInstallazione {
    TCartellaTemporanea radice;
    TCartellaTemporanea casa;
    std::string prefisso = radice.File("usr");
    std::string modello = prefisso + "/share/morella";

    TInstallazione()
    {
        fs::create_directories(prefisso + "/bin");
        fs::create_directories(modello + "/Help");
        fs::create_directories(modello + "/Sistemi");
        fs::create_directories(modello + "/Colonne");  // empty: a working folder
        ScriviTutto(modello + "/intro.bmp", Testo("BM immagine"));
        ScriviTutto(modello + "/Help/1.html", Testo("<p>aiuto</p>"));
        ScriviTutto(modello + "/Sistemi/Esempio.Mrl", Testo("esempio"));
    }
    TAvvioDirectory Avvio(std::string xdg = {}) const
    {
        return {{}, prefisso + "/bin/morella-cli", std::move(xdg), casa.Percorso().string()};
    }
    std::string Utente() const { return casa.File(".local/share/Morella"); }
};

}  // namespace

TEST(DirectoryUtente, SoloUnProgrammaInstallatoLavoraNellaCartellaPersonale)
{
    TInstallazione inst;

    // The build tree and a copied directory work beside the executable and touch nothing.
    TCartellaTemporanea copia;
    const TDirectoryScelta propria =
        PreparaDirectoryProgramma({{}, copia.File("morella-cli"), {}, inst.casa.Percorso().string()});
    EXPECT_EQ(propria.Directory, copia.Percorso().string());
    // A copied directory that happens to be called "bin" has no template beside it.
    fs::create_directories(copia.File("bin"));
    EXPECT_EQ(PreparaDirectoryProgramma({{}, copia.File("bin/morella"), {}, inst.casa.Percorso().string()})
                  .Directory,
              copia.File("bin"));
    EXPECT_TRUE(fs::is_empty(inst.casa.Percorso()));

    // --dir wins over the installed layout, and nothing is copied for it.
    TAvvioDirectory conDir = inst.Avvio();
    conDir.OpzioneDir = copia.File("altrove");
    EXPECT_EQ(PreparaDirectoryProgramma(conDir).Directory, copia.File("altrove"));
    EXPECT_FALSE(fs::exists(copia.File("altrove")));
    EXPECT_TRUE(fs::is_empty(inst.casa.Percorso()));

    // Installed: the XDG data location, ~/.local/share when it is unset or relative.
    EXPECT_EQ(PreparaDirectoryProgramma(inst.Avvio()).Directory, inst.Utente());
    EXPECT_EQ(PreparaDirectoryProgramma(inst.Avvio("dati")).Directory, inst.Utente());
    EXPECT_EQ(PreparaDirectoryProgramma(inst.Avvio(inst.casa.File("xdg") + "/")).Directory,
              inst.casa.File("xdg/Morella"));
    EXPECT_EQ(DirectoryUtente("", ""), "");
}

TEST(DirectoryUtente, LaPrimaPartenzaCopiaIlModelloLeSeguentiSoloCioCheManca)
{
    TInstallazione inst;
    const TDirectoryScelta prima = PreparaDirectoryProgramma(inst.Avvio());
    EXPECT_TRUE(prima.Errori.empty());
    const std::string u = inst.Utente();
    EXPECT_EQ(LeggiTutto(u + "/intro.bmp"), Testo("BM immagine"));
    EXPECT_EQ(LeggiTutto(u + "/Help/1.html"), Testo("<p>aiuto</p>"));
    EXPECT_EQ(LeggiTutto(u + "/Sistemi/Esempio.Mrl"), Testo("esempio"));
    EXPECT_TRUE(fs::is_directory(u + "/Colonne"));

    // The player's changes, a link of the player's that leads nowhere and a removed file;
    // an upgrade brings a new help page and a changed example.
    ScriviTutto(u + "/Sistemi/Esempio.Mrl", Testo("cambiato dal giocatore"));
    fs::remove(u + "/intro.bmp");
    fs::remove(u + "/Help/1.html");
    fs::create_symlink(u + "/nessuno", u + "/Help/1.html");
    ScriviTutto(inst.modello + "/Help/2.html", Testo("<p>nuovo</p>"));
    ScriviTutto(inst.modello + "/Sistemi/Esempio.Mrl", Testo("esempio nuovo"));

    const TDirectoryScelta seconda = PreparaDirectoryProgramma(inst.Avvio());
    EXPECT_TRUE(seconda.Errori.empty());
    EXPECT_EQ(LeggiTutto(u + "/Sistemi/Esempio.Mrl"), Testo("cambiato dal giocatore"));
    EXPECT_TRUE(fs::is_symlink(u + "/Help/1.html"));
    EXPECT_FALSE(fs::exists(u + "/nessuno"));
    EXPECT_EQ(LeggiTutto(u + "/intro.bmp"), Testo("BM immagine"));
    EXPECT_EQ(LeggiTutto(u + "/Help/2.html"), Testo("<p>nuovo</p>"));

    // A file where a folder belongs is kept and reported; the rest is still copied.
    fs::remove_all(u + "/Help");
    ScriviTutto(u + "/Help", Testo("non una cartella"));
    fs::remove(u + "/intro.bmp");
    const TDirectoryScelta terza = PreparaDirectoryProgramma(inst.Avvio());
    ASSERT_EQ(terza.Errori.size(), 1u);
    EXPECT_NE(terza.Errori[0].find(u + "/Help"), std::string::npos);
    EXPECT_EQ(LeggiTutto(u + "/Help"), Testo("non una cartella"));
    EXPECT_EQ(LeggiTutto(u + "/intro.bmp"), Testo("BM immagine"));
}
