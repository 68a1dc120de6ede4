// Where the file operations dialog finds its files, and what the checking window shows for a
// winning column. The overwrite question and a damaged source are driven through the dialog
// in tests/ui/columns.
#include <gtest/gtest.h>

#include <filesystem>

#include "CartellaTemporanea.h"
#include "Cartelle.h"
#include "FileColonne.h"
#include "ModelliColonne.h"

using namespace morella;
using morella::test::LeggiTutto;
using morella::test::ScriviTutto;
using morella::test::TCartellaTemporanea;
using morella::test::TGiocoTemporaneo;

namespace {

class OperazioniColonne : public ::testing::Test {
   protected:
    TGiocoTemporaneo gioco{GiocoToto};
    TCartellaTemporanea dir;
    std::string vecchia = DirectoryProgramma();
    void SetUp() override
    {
        ImpostaDirectoryProgramma(dir.Percorso().string());
        CreaCartelleDiLavoro();
    }
    void TearDown() override { ImpostaDirectoryProgramma(vecchia); }
    // Toto columns all "1" but event `e`, which holds `s`.
    static std::vector<std::uint8_t> Record(int e, TSegni s)
    {
        std::vector<std::uint8_t> r(13, 1);
        r[static_cast<std::size_t>(e)] = s;
        return r;
    }
    static std::string Colonne(const std::string& nome) { return UnisciPercorso(CartellaColonne(), nome); }
};

}  // namespace

TEST_F(OperazioniColonne, UnNomeSenzaCartellaStaNellaCartellaColonne)
{
    TModelloOperazioni m;
    EXPECT_EQ(m.Destinazione, "DestCol.col");
    EXPECT_EQ(PercorsoColonnare(m.Destinazione), Colonne("DestCol.col"));
    EXPECT_EQ(PercorsoColonnare("/tmp/a.Col"), "/tmp/a.Col");
    // The dialogs start where the field's file is, or in the column folder.
    EXPECT_EQ(PosizioneDialogo("").Cartella, CartellaColonne());
    EXPECT_EQ(PosizioneDialogo("").Nome, "");
    EXPECT_EQ(PosizioneDialogo("DestCol.col").Cartella, CartellaColonne());
    EXPECT_EQ(PosizioneDialogo("DestCol.col").Nome, "DestCol.col");
    EXPECT_EQ(PosizioneDialogo("/tmp/x/a.Col").Cartella, "/tmp/x");

    // Bare names run in the column folder, whatever the process's current folder.
    auto a = Record(0, 1), b = Record(0, 2);
    ScriviTutto(Colonne("A.Col"), a);
    ScriviTutto(Colonne("B.Col"), b);
    m.Sorgente1 = "A.Col";
    m.Sorgente2 = "B.Col";
    EXPECT_TRUE(m.Esegui({}));
    auto atteso = a;
    atteso.insert(atteso.end(), b.begin(), b.end());
    EXPECT_EQ(LeggiTutto(Colonne("DestCol.col")), atteso);
}

TEST(VistaSpoglio, RisultatiSoloConUnaColonnaVincenteCompleta)
{
    TGiocoTemporaneo gioco(GiocoToto);
    TListaColonne l;
    TColonna c{};
    for (int i = 0; i < NumEvents; ++i) c[static_cast<std::size_t>(i)] = 1;
    c[0] = 7;  // 1X2: one column at 13 points, two at 12
    l.Aggiungi(c);
    TColonna vincente{};
    for (int i = 0; i < NumEvents; ++i) vincente[static_cast<std::size_t>(i)] = 1;
    vincente[12] = 0;
    TVistaSpoglio v = VistaSpoglio(l, vincente);
    EXPECT_FALSE(v.Completa);
    EXPECT_TRUE(v.Valori.empty());

    vincente[12] = 1;
    v = VistaSpoglio(l, vincente);
    ASSERT_TRUE(v.Completa);
    ASSERT_EQ(v.Valori.size(), 14u);
    EXPECT_EQ(v.Valori[13], 1);
    EXPECT_EQ(v.Valori[12], 2);
    EXPECT_EQ(v.Etichette.front(), "0");
    EXPECT_EQ(v.Etichette.back(), "13");
    EXPECT_DOUBLE_EQ(v.Massimo, 2.2);
    EXPECT_EQ(v.Categorie, (std::array<std::string, 3>{"1", "2", "0"}));
    EXPECT_EQ(TitoloCategoria(0), "1ª Categoria (13 punti)");
    EXPECT_DOUBLE_EQ(VistaSpoglio(TListaColonne{}, vincente).Massimo, 1);
}
