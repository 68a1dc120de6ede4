// The example system follows the program directory it sits in: written when missing,
// rewritten when it is an untouched copy made for another directory, never when the player
// changed it.
#include <gtest/gtest.h>

#include <filesystem>

#include "CartellaTemporanea.h"
#include "Cartelle.h"
#include "Sistema.h"
#include "SistemaEsempio.h"

using namespace morella;
using morella::test::LeggiTutto;
using morella::test::TCartellaTemporanea;
using morella::test::TGiocoTemporaneo;
namespace fs = std::filesystem;

namespace {

std::string Destinazione(const fs::path& programma)
{
    TGiocoTemporaneo totip(GiocoTotip);
    TSistema s;
    s.Carica((programma / "Sistemi" / NomeSistemaEsempio).string());
    return s.Dati().Impostazioni.FileDestinazione;
}

}  // namespace

TEST(SistemaEsempio, SeguitaLaCartellaDelProgrammaInCuiSiTrova)
{
    TGiocoTemporaneo toto(GiocoToto);
    TCartellaTemporanea t;
    const fs::path a = t.Percorso() / "A";
    const std::string prima = DirectoryProgramma();

    // Without a Sistemi folder nothing is made.
    fs::create_directories(a);
    EXPECT_FALSE(CreaEsempioSeManca(a.string()));
    EXPECT_FALSE(fs::exists(a / "Sistemi"));

    fs::create_directories(a / "Sistemi");
    ASSERT_TRUE(CreaEsempioSeManca(a.string()));
    EXPECT_EQ(Gioco, GiocoToto) << "the game in force is left as it was";
    EXPECT_EQ(DirectoryProgramma(), prima);
    EXPECT_EQ(Destinazione(a), (a / "Colonne" / NomeColonneEsempio).string());
    const auto scritto = LeggiTutto((a / "Sistemi" / NomeSistemaEsempio).string());
    EXPECT_FALSE(CreaEsempioSeManca(a.string())) << "already there";
    EXPECT_EQ(LeggiTutto((a / "Sistemi" / NomeSistemaEsempio).string()), scritto);

    // A copy of the whole directory: the example is made again for the copy.
    const fs::path b = t.Percorso() / "B";
    fs::copy(a, b, fs::copy_options::recursive);
    ASSERT_TRUE(CreaEsempioSeManca(b.string()));
    EXPECT_EQ(Destinazione(b), (b / "Colonne" / NomeColonneEsempio).string());

    // One the player changed is the player's, wherever its columns go.
    {
        TGiocoTemporaneo totip(GiocoTotip);
        TSistema s;
        s.Carica((a / "Sistemi" / NomeSistemaEsempio).string());
        s.Partecipanti = 3;
        s.Salva();
    }
    const fs::path c = t.Percorso() / "C";
    fs::copy(a, c, fs::copy_options::recursive);
    const auto cambiato = LeggiTutto((c / "Sistemi" / NomeSistemaEsempio).string());
    EXPECT_FALSE(CreaEsempioSeManca(c.string()));
    EXPECT_EQ(LeggiTutto((c / "Sistemi" / NomeSistemaEsempio).string()), cambiato);
}
