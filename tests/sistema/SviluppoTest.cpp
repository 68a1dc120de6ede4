#include <gtest/gtest.h>

#include <filesystem>

#include "CartellaTemporanea.h"
#include "Cartelle.h"
#include "Errore.h"
#include "FileColonne.h"
#include "Sviluppo.h"

using namespace morella;
using morella::test::LeggiTutto;
using morella::test::ScriviTutto;
using morella::test::TCartellaTemporanea;
using morella::test::TGiocoTemporaneo;

namespace {

class TAnnullaDopo : public TOsservatoreSviluppo {
   public:
    explicit TAnnullaDopo(int volte) : volte_(volte) {}
    bool Annullato() override { return ++chiamate > volte_; }
    void Stato(const std::string& t) override { stati.push_back(t); }
    void AggiornaCond(std::int64_t iniziali, std::int64_t tenute, bool finale,
                      std::int64_t sviluppate) override
    {
        if (finale) finali.push_back({iniziali, tenute, sviluppate});
    }
    int chiamate = 0;
    std::vector<std::string> stati;
    std::vector<std::array<std::int64_t, 3>> finali;

   private:
    int volte_;
};

class Sviluppo : public ::testing::Test {
   protected:
    TCartellaTemporanea dir;
    void SetUp() override
    {
        ImpostaDirectoryProgramma(dir.Percorso().string());
        CreaCartelleDiLavoro();
    }
    static void Pronostico(TSistema& s, std::initializer_list<TSegni> segni)
    {
        std::size_t i = 0;
        for (TSegni x : segni) s.Dati().Pronostico[i++] = x;
    }
};

}  // namespace

TEST_F(Sviluppo, OrdineDellEnumerazioneECorsaPiu)
{
    TSistema s;
    Pronostico(s, {1, 1, 3, 1, 1, 1, 1, 1, 1, 1, 1, 1});
    s.Dati().CorsaPiu = 0x0003;
    auto e = Sviluppa(s);
    ASSERT_EQ(s.Dati().Colonne.Conta(), 2);
    EXPECT_EQ(s.Dati().Colonne[0][2], 1);
    EXPECT_EQ(s.Dati().Colonne[1][2], 2);
    EXPECT_EQ(s.Dati().Colonne[0][12], 3);
    EXPECT_EQ(s.Dati().Colonne[0][13], 0);
    EXPECT_EQ(e.iniziali, 2);
    EXPECT_EQ(e.sviluppate, 2);
    EXPECT_TRUE(s.Dati().Sviluppato);
    EXPECT_EQ(s.Dati().ColonneFinali, 2);

    // The order is that of expanding the prediction as one record, for every game.
    for (int gioco : {GiocoTotip, GiocoToto, GiocoEnalotto}) {
        TGiocoTemporaneo g(gioco);
        TSistema t;
        Pronostico(t, {7, 1, 6, 2, 5, 4, 1, 7, 3, 1, 7, 2, 7});
        Sviluppa(t);
        TListaColonne attesa;
        TColonna record = t.Dati().Pronostico;
        if (gioco != GiocoToto) record[12] = 0;
        attesa.AggiungiEspansa(record);
        EXPECT_EQ(t.Dati().Colonne, attesa) << gioco;
    }
}

TEST_F(Sviluppo, PronosticoIncompletoNessunaColonna)
{
    TSistema s;
    Pronostico(s, {7, 7, 0, 1, 1, 1, 1, 1, 1, 1, 1, 1});
    auto e = Sviluppa(s);
    EXPECT_TRUE(s.Dati().Colonne.Vuota());
    EXPECT_EQ(e.iniziali, 9);
    EXPECT_EQ(e.sviluppate, 0);
}

TEST_F(Sviluppo, AnnullareScartaTutto)
{
    TSistema s;
    Pronostico(s, {7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7});
    TAnnullaDopo oss(5);
    auto e = Sviluppa(s, &oss);
    EXPECT_TRUE(e.annullato);
    EXPECT_TRUE(s.Dati().Colonne.Vuota());
    // Polled once per combination of the first nine events: 27 columns each time.
    EXPECT_EQ(e.sviluppate, 5 * 27);
    EXPECT_EQ(oss.stati.back(), StatoTerminato);
}

TEST_F(Sviluppo, DaFileColonnare)
{
    TSistema s;
    TListaColonne sorgente;
    TColonna c{};
    for (int i = 0; i < 12; ++i) c[static_cast<std::size_t>(i)] = 1;
    for (int k = 0; k < 10; ++k) sorgente.Aggiungi(c);
    std::string file = dir.File("sorgente.Col");
    ASSERT_TRUE(SalvaColonne(sorgente, file));
    EXPECT_EQ(LeggiTutto(file).size(), 140u);
    s.Dati().Impostazioni.DaPronostico = false;
    s.Dati().Impostazioni.FileSorgente = file;
    s.Dati().Impostazioni.SalvaAutomaticamente = true;
    s.Dati().Impostazioni.FileDestinazione = dir.File("dest.Col");
    TAnnullaDopo oss(1000);
    auto e = Sviluppa(s, &oss);
    EXPECT_EQ(e.iniziali, 10);
    EXPECT_EQ(s.Dati().Colonne.Conta(), 10);
    EXPECT_TRUE(e.salvato);
    EXPECT_EQ(LeggiTutto(dir.File("dest.Col")), LeggiTutto(file));
    ASSERT_FALSE(oss.finali.empty());
    EXPECT_EQ(oss.finali.front()[0], 10);

    // Cancelling keeps what was read so far.
    TAnnullaDopo presto(3);
    s.Dati().Impostazioni.SalvaAutomaticamente = false;
    auto annullato = Sviluppa(s, &presto);
    EXPECT_TRUE(annullato.annullato);
    EXPECT_EQ(s.Dati().Colonne.Conta(), 4);

    // A partial last record: nothing is kept, and the player is told.
    auto bytes = LeggiTutto(file);
    bytes.resize(bytes.size() - 3);
    ScriviTutto(file, bytes);
    EXPECT_THROW(Sviluppa(s), EErrore);
    EXPECT_TRUE(s.Dati().Colonne.Vuota());

    s.Dati().Impostazioni.FileSorgente = dir.File("manca.Col");
    try {
        Sviluppa(s);
        FAIL();
    } catch (const EErrore& err) {
        EXPECT_STREQ(err.what(), MessaggioCaricaFileColonnare);
    }
}

TEST_F(Sviluppo, SistemaRidottoPrecalcolatoPerITrediciEventi)
{
    TGiocoTemporaneo toto(GiocoToto);
    TSistema s;
    // 3 triples, 4 doubles ("1X", "12", "X2", "1X"), singles elsewhere.
    Pronostico(s, {7, 3, 1, 7, 5, 2, 6, 7, 3, 4, 1, 1, 2});
    s.Dati().Impostazioni.Autoriduzione = true;
    // Two records: triples 1,X,2 then doubles first/second.
    TBytes f = {1, 2, 4, 1, 0, 1, 0, 0, 0, 0, 0, 0, 0, 4, 4, 4, 0, 1, 0, 1, 0, 0, 0, 0, 0, 0};
    ScriviTutto(FileRidotto(3, 4), f);
    EXPECT_EQ(std::filesystem::path(FileRidotto(3, 4)).filename(), "3T4D.Col");
    auto e = Sviluppa(s);
    EXPECT_TRUE(e.ridottoPrecalcolato);
    EXPECT_FALSE(e.ridotto);
    ASSERT_EQ(s.Dati().Colonne.Conta(), 2);
    const TColonna& a = s.Dati().Colonne[0];
    // Triples at events 1, 4, 8; doubles at 2, 5, 7, 9; singles as they are.
    EXPECT_EQ(a[0], 1);
    EXPECT_EQ(a[3], 2);
    EXPECT_EQ(a[7], 4);
    EXPECT_EQ(a[1], 1);  // "1X", record 1: first sign
    EXPECT_EQ(a[4], 4);  // "12", record 0: second sign
    EXPECT_EQ(a[6], 2);  // "X2", record 1: first sign
    EXPECT_EQ(a[8], 2);  // "1X", record 0: second sign
    EXPECT_EQ(a[2], 1);
    EXPECT_EQ(a[12], 2);
    EXPECT_EQ(e.iniziali, 27 * 16);
    EXPECT_EQ(s.Dati().ColonneFinali, 27 * 16);

    // Missing file: the run stops with the system's own words.
    std::filesystem::remove(FileRidotto(3, 4));
    EXPECT_THROW(Sviluppa(s), EErrore);

    // N - 2 or 12 events never use the shortcut.
    s.Dati().Impostazioni.GaranziaN1 = false;
    EXPECT_FALSE(Sviluppa(s).ridottoPrecalcolato);
}

TEST_F(Sviluppo, AutoriduzioneESalvataggioAutomatico)
{
    TSistema s;
    Pronostico(s, {7, 7, 7, 1, 1, 1, 1, 1, 1, 1, 1, 1});
    auto& imp = s.Dati().Impostazioni;
    imp.Autoriduzione = true;
    imp.CalcoloPercentuali = true;
    imp.SalvaAutomaticamente = true;
    imp.FileDestinazione = dir.File("ridotte.Col");
    auto e = Sviluppa(s);
    EXPECT_TRUE(e.ridotto);
    EXPECT_EQ(e.tenute, 27);
    EXPECT_EQ(s.Dati().ColonneFinali, 27);
    EXPECT_LT(s.Dati().Colonne.Conta(), 27);
    EXPECT_TRUE(s.Dati().PossibilitaCalcolate);
    TListaColonne salvate;
    CaricaColonne(salvate, imp.FileDestinazione, false);
    EXPECT_EQ(salvate, s.Dati().Colonne);

    // A destination that cannot be written is reported.
    std::filesystem::create_directory(dir.File("cartella.Col"));
    imp.FileDestinazione = dir.File("cartella.Col");
    EXPECT_THROW(Sviluppa(s), EErrore);
}

TEST_F(Sviluppo, IlSalvataggioAutomaticoSostituisceSoloFileColonnari)
{
    namespace fs = std::filesystem;
    TGiocoTemporaneo gioco(GiocoTotip);
    TSistema s;
    Pronostico(s, {7, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1});
    auto& imp = s.Dati().Impostazioni;
    imp.SalvaAutomaticamente = true;
    const TColonna tenuta{{1, 2, 4, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0}};
    s.Dati().Colonne.Aggiungi(tenuta);

    // A file of the player's, named anything but ".Col", or a text behind a ".Col" name, or
    // a link leading to one: refused by name before the run, nothing written.
    const std::string vittima = dir.File("bashrc");
    ScriviTutto(vittima, {'e', 'x', 'p', 'o', 'r', 't', '\n'});
    const std::string testo = dir.File("note.Col");
    ScriviTutto(testo, {'c', 'i', 'a', 'o', '\n', '!', '!', '!', '!', '!', '!', '!', '!', '!'});
    const std::string legame = dir.File("legame.Col"), sospeso = dir.File("sospeso.col");
    fs::create_symlink(vittima, legame);
    fs::create_symlink(dir.File("fuori"), sospeso);
    fs::create_directory(dir.File("cartella.Col"));
    for (const std::string& d : {vittima, testo, legame, sospeso, dir.File("cartella.Col"), std::string()}) {
        imp.FileDestinazione = d;
        ASSERT_EQ(ControllaDestinazione(d), MessaggioDestinazioneNonColonnare + d);
        try {
            Sviluppa(s);
            ADD_FAILURE() << d;
        } catch (const EErrore& e) {
            EXPECT_EQ(e.what(), MessaggioDestinazioneNonColonnare + d);
        }
        EXPECT_EQ(s.Dati().Colonne.Conta(), 1) << "the run never started";
    }
    EXPECT_EQ(LeggiTutto(vittima).size(), 7u);
    EXPECT_EQ(LeggiTutto(testo).size(), 14u);
    EXPECT_FALSE(fs::exists(dir.File("fuori")));

    // A new file in any case of ".Col", and a column file already there, are written.
    imp.FileDestinazione = dir.File("NUOVE.COL");
    EXPECT_TRUE(Sviluppa(s).salvato);
    EXPECT_EQ(LeggiTutto(imp.FileDestinazione).size(), 3u * 14);
    ScriviTutto(dir.File("vecchie.Col"), std::vector<std::uint8_t>(tenuta.s.begin(), tenuta.s.end()));
    imp.FileDestinazione = dir.File("vecchie.Col");
    EXPECT_TRUE(Sviluppa(s).salvato);
    EXPECT_EQ(LeggiTutto(imp.FileDestinazione).size(), 3u * 14);
    // Without the automatic save the destination is not looked at.
    imp.SalvaAutomaticamente = false;
    imp.FileDestinazione = vittima;
    EXPECT_FALSE(Sviluppa(s).salvato);
}

TEST(Sviluppo2, RegolaDelDisegno)
{
    EXPECT_FALSE(DeveRidisegnare(10, 12, false));
    EXPECT_TRUE(DeveRidisegnare(10, 13, false));
    EXPECT_TRUE(DeveRidisegnare(10, 10, true));
}
