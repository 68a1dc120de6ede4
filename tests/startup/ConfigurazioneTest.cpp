#include <gtest/gtest.h>

#include <sys/resource.h>

#include <csignal>
#include <cstring>
#include <filesystem>
#include <limits>

#include "CartellaTemporanea.h"
#include "Cartelle.h"
#include "Configurazione.h"
#include "Errore.h"

using namespace morella;
using morella::test::LeggiTutto;
using morella::test::ScriviTutto;
using morella::test::TCartellaTemporanea;
namespace fs = std::filesystem;

namespace {

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

double RealeA(const TBytes& b, std::size_t pos)
{
    double v;
    std::memcpy(&v, b.data() + pos, 8);
    return v;
}

std::int32_t InteroA(const TBytes& b, std::size_t pos)
{
    std::int32_t v;
    std::memcpy(&v, b.data() + pos, 4);
    return v;
}

std::string StringaA(const TBytes& b, std::size_t pos)
{
    return std::string(reinterpret_cast<const char*>(b.data()) + pos + 1, b[pos]);
}

// Every field away from its default, so a field read from the wrong place shows.
TConfigurazione Diversa()
{
    TConfigurazione c;
    c.CostoColonna = 1250;
    c.ScalaPunti = 3;
    c.Sfondo = "/home/gioco/SfondiS/mare.Bmp";
    c.IndirizzoPosta = "giocatore@example.org";
    c.HostFtp = "ftp.example.org";
    c.DirectoryFtp = "pub/archivi";
    c.AccorpamentoAutomatico = false;
    c.Taratura.TotoOrizzontale.XPrimaCol = 41.5;
    c.Taratura.TotoVerticale.DiametroSegno = 3.25;
    c.Taratura.Enalotto.XPrimaCol = 31.5;
    c.Taratura.Enalotto.AltQuadro = 2.75;
    c.Taratura.Enalotto.Da4Colonne = 0;
    c.Taratura.Enalotto.Riservati = {7, 8, 9};
    c.Taratura.Totip.XPrimaCol = 32.5;
    c.Taratura.Totip.AltQuadro = 1.25;
    c.Taratura.Totip.Da4Colonne = 0;
    c.Taratura.Totip.Riservati = {0xAA, 0xBB, 0xCC};
    return c;
}

void AspettaPredefinitiDiBase(const TConfigurazione& c)
{
    const TConfigurazione nuova;
    EXPECT_EQ(c.CostoColonna, 800);
    EXPECT_EQ(c.ScalaPunti, 2);
    EXPECT_EQ(c.Sfondo, nuova.Sfondo);
    EXPECT_EQ(ImmagineConfigurazione(c).size(), DimensioneFileConfigurazione);
    TConfigurazione soloTaratura = nuova;
    soloTaratura.Taratura = c.Taratura;
    EXPECT_EQ(ImmagineConfigurazione(soloTaratura), ImmagineConfigurazione(nuova));
}

}  // namespace

TEST(Configurazione, Predefiniti)
{
    TDirectoryTemporanea d("/opt/Morella");
    const TConfigurazione c;
    EXPECT_EQ(c.CostoColonna, 800);
    EXPECT_EQ(c.ScalaPunti, 2);
    EXPECT_EQ(c.Sfondo, "/opt/Morella/SfondiS/deep_sea.Bmp");
    EXPECT_EQ(c.IndirizzoPosta, "");
    EXPECT_EQ(c.HostFtp, HostFtpPredefinito);
    EXPECT_EQ(c.DirectoryFtp, "pub/castagneto/archivi/morella");
    EXPECT_TRUE(c.AccorpamentoAutomatico);
    EXPECT_EQ(FileConfigurazione(), "/opt/Morella/Morella.cfg");

    const TBytes b = ImmagineConfigurazione(c);
    const double toto[] = {40.7, 31.8, 2.2, 2.0, 2.7, 50, 5, 2.2};
    const double schedina[] = {30, 30, 2, 2, 30, 20, 1.5, 2};
    for (std::size_t k = 0; k < 8; ++k) {
        EXPECT_EQ(RealeA(b, 565 + 8 * k), toto[k]) << k;
        EXPECT_EQ(RealeA(b, 565 + 64 + 8 * k), toto[k]) << k;
        EXPECT_EQ(RealeA(b, 693 + 8 * k), schedina[k]) << k;
        EXPECT_EQ(RealeA(b, 761 + 8 * k), schedina[k]) << k;
    }
    EXPECT_EQ(b[757], 1);
    EXPECT_EQ(b[825], 1);
    for (std::size_t k : {758u, 759u, 760u, 826u, 827u, 828u}) EXPECT_EQ(b[k], 0) << k;
}

TEST(Configurazione, OgniCampoAlSuoPosto)
{
    const TBytes b = ImmagineConfigurazione(Diversa());
    ASSERT_EQ(b.size(), 829u);
    EXPECT_EQ(InteroA(b, 0), 1250);
    EXPECT_EQ(b[4], 3);
    EXPECT_EQ(StringaA(b, 5), "/home/gioco/SfondiS/mare.Bmp");
    EXPECT_EQ(StringaA(b, 261), "giocatore@example.org");
    EXPECT_EQ(StringaA(b, 362), "ftp.example.org");
    EXPECT_EQ(StringaA(b, 463), "pub/archivi");
    EXPECT_EQ(b[564], 0);
    EXPECT_EQ(RealeA(b, 565), 41.5);
    EXPECT_EQ(RealeA(b, 565 + 64 + 56), 3.25);
    EXPECT_EQ(RealeA(b, 693), 31.5);
    EXPECT_EQ(RealeA(b, 693 + 56), 2.75);
    EXPECT_EQ(b[757], 0);
    EXPECT_EQ(b[758], 7);
    EXPECT_EQ(b[760], 9);
    EXPECT_EQ(RealeA(b, 761), 32.5);
    EXPECT_EQ(RealeA(b, 761 + 56), 1.25);
    EXPECT_EQ(b[825], 0);
    EXPECT_EQ(b[826], 0xAA);
    EXPECT_EQ(b[828], 0xCC);
    // The unused tail of a counted string is zero.
    for (std::size_t k = 5 + 1 + 28; k < 261; ++k) ASSERT_EQ(b[k], 0) << k;
}

TEST(Configurazione, IlFileRiscrittoEIdentico)
{
    TCartellaTemporanea t;
    const std::string primo = t.File("Morella.cfg");
    TConfigurazione scritta = Diversa();
    scritta.Sfondo = "C:\\Morella\\SfondiS\\Città è.Bmp";
    scritta.DirectoryFtp = "1º Arrivato";
    ScriviConfigurazione(scritta, primo);
    const TBytes b = LeggiTutto(primo);
    ASSERT_EQ(b.size(), 829u);
    // Windows-1252 on disk: one byte per character.
    EXPECT_EQ(b[5], 30);
    EXPECT_EQ(b[5 + 1 + 23], 0xE0);  // à
    EXPECT_EQ(b[5 + 1 + 25], 0xE8);  // è
    EXPECT_EQ(b[465], 0xBA);         // º

    TConfigurazione letta;
    LeggiConfigurazione(letta, primo);
    EXPECT_EQ(letta.Sfondo, scritta.Sfondo);
    EXPECT_EQ(letta.DirectoryFtp, scritta.DirectoryFtp);
    EXPECT_FALSE(letta.AccorpamentoAutomatico);
    EXPECT_EQ(letta.Taratura.Totip.Riservati, scritta.Taratura.Totip.Riservati);
    const std::string secondo = t.File("Copia.cfg");
    ScriviConfigurazione(letta, secondo);
    EXPECT_EQ(LeggiTutto(secondo), b);
}

TEST(Configurazione, FileMancanteRiportaAiPredefinitiSoloLaParteDiBase)
{
    TCartellaTemporanea t;
    TConfigurazione c = Diversa();
    LeggiConfigurazione(c, t.File("Morella.cfg"));
    AspettaPredefinitiDiBase(c);
    // Internet settings and merging keep what they held.
    EXPECT_EQ(c.IndirizzoPosta, "giocatore@example.org");
    EXPECT_EQ(c.HostFtp, "ftp.example.org");
    EXPECT_FALSE(c.AccorpamentoAutomatico);
    EXPECT_FALSE(fs::exists(t.File("Morella.cfg")));  // reading never writes it
}

TEST(Configurazione, FileTroncato)
{
    TCartellaTemporanea t;
    const std::string file = t.File("Morella.cfg");
    const TBytes intero = ImmagineConfigurazione(Diversa());

    // Cut after the Internet settings: those are kept, the rest goes back to its defaults.
    ScriviTutto(file, TBytes(intero.begin(), intero.begin() + 564));
    TConfigurazione c;
    c.AccorpamentoAutomatico = true;
    LeggiConfigurazione(c, file);
    EXPECT_EQ(c.IndirizzoPosta, "giocatore@example.org");
    EXPECT_EQ(c.HostFtp, "ftp.example.org");
    EXPECT_EQ(c.DirectoryFtp, "pub/archivi");
    EXPECT_TRUE(c.AccorpamentoAutomatico);  // its byte was not there
    AspettaPredefinitiDiBase(c);

    // Cut inside the host: the e-mail was read, host and directory keep what they held.
    ScriviTutto(file, TBytes(intero.begin(), intero.begin() + 400));
    TConfigurazione d;
    LeggiConfigurazione(d, file);
    EXPECT_EQ(d.IndirizzoPosta, "giocatore@example.org");
    EXPECT_EQ(d.HostFtp, HostFtpPredefinito);
    EXPECT_EQ(d.DirectoryFtp, DirectoryFtpPredefinita);
    AspettaPredefinitiDiBase(d);

    // One byte short: only the last padding byte is missing, yet the calibration is reset.
    ScriviTutto(file, TBytes(intero.begin(), intero.end() - 1));
    TConfigurazione e;
    LeggiConfigurazione(e, file);
    EXPECT_FALSE(e.AccorpamentoAutomatico);
    AspettaPredefinitiDiBase(e);
}

TEST(Configurazione, FileLungoELunghezzeOltreLaCapacita)
{
    TCartellaTemporanea t;
    const std::string file = t.File("Morella.cfg");
    TBytes b = ImmagineConfigurazione(Diversa());
    b.insert(b.end(), 100, 0xEE);
    ScriviTutto(file, b);
    TConfigurazione c;
    LeggiConfigurazione(c, file);
    b.resize(829);
    EXPECT_EQ(ImmagineConfigurazione(c), b);

    // A length byte above the capacity takes the whole capacity.
    std::fill(b.begin() + 262, b.begin() + 362, 'a');
    b[261] = 200;
    std::fill(b.begin() + 6, b.begin() + 261, 'b');
    b[5] = 255;  // exactly the capacity of the background
    ScriviTutto(file, b);
    LeggiConfigurazione(c, file);
    EXPECT_EQ(c.IndirizzoPosta, std::string(100, 'a'));
    EXPECT_EQ(c.Sfondo, std::string(255, 'b'));
    EXPECT_EQ(c.HostFtp, "ftp.example.org");
}

TEST(Configurazione, UnSalvataggioFallitoLasciaIlVecchioFile)
{
    TCartellaTemporanea t;
    // The target is a folder: nothing can replace it, and nothing is left behind.
    const std::string cartella = t.File("Morella.cfg");
    fs::create_directory(cartella);
    try {
        ScriviConfigurazione(Diversa(), cartella);
        FAIL() << "the save should fail";
    } catch (const EErrore& e) {
        EXPECT_STREQ(e.what(), "Impossibile Salvare La Configurazione");
    }
    EXPECT_TRUE(fs::is_directory(cartella));
    EXPECT_EQ(std::distance(fs::directory_iterator(t.Percorso()), fs::directory_iterator()), 1);

    // A write cut short by the file size limit (which binds root too) keeps the old file.
    const std::string file = t.File("Vecchio.cfg");
    ScriviConfigurazione(TConfigurazione{}, file);
    const TBytes vecchio = LeggiTutto(file);
    rlimit limite{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &limite), 0);
    rlimit ridotto = limite;
    ridotto.rlim_cur = 100;
    auto gestore = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &ridotto), 0);
    bool fallito = false;
    try {
        ScriviConfigurazione(Diversa(), file);
    } catch (const EErrore&) {
        fallito = true;
    }
    setrlimit(RLIMIT_FSIZE, &limite);
    std::signal(SIGXFSZ, gestore);
    EXPECT_TRUE(fallito);
    EXPECT_EQ(LeggiTutto(file), vecchio);
    EXPECT_EQ(std::distance(fs::directory_iterator(t.Percorso()), fs::directory_iterator()), 2);
}

// The calibration rule: each length from 0 to the page's side it is measured along.
// The file keeps whatever calibration it holds, so it saves back byte for byte.
TEST(Configurazione, TaraturaNellaPaginaEFileIntatto)
{
    const TTaraturaStampa predefinita;
    EXPECT_TRUE(TaraturaNellaPagina(predefinita.TotoOrizzontale));
    EXPECT_TRUE(TaraturaNellaPagina(predefinita.Enalotto));
    const double nan = std::numeric_limits<double>::quiet_NaN(),
                 inf = std::numeric_limits<double>::infinity();
    for (double fuori : {nan, -nan, inf, -inf, 1e308, -1e308, -0.01, 203.21}) {
        TTaraturaSchedina s;
        s.XPrimaCol = fuori;
        EXPECT_FALSE(TaraturaNellaPagina(s)) << fuori;
        TTaraturaToto t;
        t.DiametroSegno = fuori;
        EXPECT_FALSE(TaraturaNellaPagina(t)) << fuori;
    }
    TTaraturaSchedina bordo;
    bordo.XPrimaCol = LarghezzaPaginaTaratura;
    bordo.YPrimaCol = 280.9;  // down the page, past its width
    bordo.DistanzaSegniOriz = 0;
    EXPECT_TRUE(TaraturaNellaPagina(bordo));
    bordo.ScrittaX = 280.9;
    EXPECT_FALSE(TaraturaNellaPagina(bordo));
    TTaraturaToto lungo;
    lungo.SpazioColonne = 250;  // down the sheet when fed vertically
    EXPECT_TRUE(TaraturaNellaPagina(lungo));

    TCartellaTemporanea t;
    TConfigurazione c;
    c.Taratura.Totip.XPrimaCol = nan;
    c.Taratura.TotoVerticale.ScrittaY = 1e308;
    c.Taratura.Enalotto.XPrimaCol = -1;
    c.Taratura.Enalotto.Riservati = {7, 8, 9};
    const TBytes immagine = ImmagineConfigurazione(c);
    ScriviTutto(t.File("Morella.cfg"), immagine);
    TConfigurazione letta;
    LeggiConfigurazione(letta, t.File("Morella.cfg"));
    EXPECT_EQ(ImmagineConfigurazione(letta), immagine);

    TTaraturaStampa corretta = letta.Taratura;
    corretta.Totip.Da4Colonne = 0;
    EXPECT_FALSE(CorreggiTaratura(corretta));
    EXPECT_DOUBLE_EQ(corretta.Totip.XPrimaCol, 30.0);
    EXPECT_EQ(corretta.Totip.Da4Colonne, 0) << "the column count is no length";
    EXPECT_DOUBLE_EQ(corretta.TotoVerticale.ScrittaY, 5.0);
    EXPECT_EQ(corretta.Enalotto.Riservati, (std::array<std::uint8_t, 3>{7, 8, 9}));
    EXPECT_TRUE(CorreggiTaratura(corretta));
}

TEST(Configurazione, ValutaNelBloccoInCoda)
{
    TCartellaTemporanea t;
    const std::string file = t.File("Morella.cfg");
    // Lire at the defaults: no block, the 829 bytes as ever.
    const TBytes lire = ImmagineConfigurazione(Diversa());
    ASSERT_EQ(lire.size(), 829u);

    TConfigurazione euro = Diversa();
    euro.Valuta = TValuta::Euro;
    euro.CostoCentesimi = 1205;
    const TBytes b = ImmagineConfigurazione(euro);
    ASSERT_EQ(b.size(), 829u + 13u);
    // The fixed part is unchanged, lire cost included, for a reader that stops there.
    EXPECT_TRUE(std::equal(lire.begin(), lire.end(), b.begin()));
    EXPECT_EQ(std::string(b.begin() + 829, b.begin() + 833), "VALU");
    EXPECT_EQ(InteroA(b, 833), 5);
    EXPECT_EQ(b[837], 1);
    EXPECT_EQ(InteroA(b, 838), 1205);

    ScriviTutto(file, b);
    TConfigurazione letta;
    LeggiConfigurazione(letta, file);
    EXPECT_EQ(letta.Valuta, TValuta::Euro);
    EXPECT_EQ(letta.CostoCentesimi, 1205);
    EXPECT_EQ(letta.CostoColonna, 1250);
    EXPECT_EQ(ImmagineConfigurazione(letta), b);

    // A damaged block (or an unknown currency) reads as lire; the fixed part is kept.
    auto rovinato = [&](auto rovina) {
        TBytes r = b;
        rovina(r);
        ScriviTutto(file, r);
        TConfigurazione c = euro;
        LeggiConfigurazione(c, file);
        EXPECT_EQ(c.Valuta, TValuta::Lire);
        EXPECT_EQ(c.CostoCentesimi, CostoCentesimiPredefinito);
        EXPECT_EQ(c.CostoColonna, 1250);
        EXPECT_EQ(ImmagineConfigurazione(c), lire);
    };
    rovinato([](TBytes& r) { r[829] = 'X'; });
    rovinato([](TBytes& r) { r[837] = 7; });
    rovinato([](TBytes& r) { r.pop_back(); });
    rovinato([](TBytes& r) { r[833] = 50; });
    rovinato([](TBytes& r) { r.resize(829); });
    // A longer body from a later version: the fields known here are read.
    TBytes lunga = b;
    lunga[833] = 9;
    lunga.insert(lunga.end(), 4, 0);
    ScriviTutto(file, lunga);
    LeggiConfigurazione(letta, file);
    EXPECT_EQ(letta.Valuta, TValuta::Euro);
    EXPECT_EQ(letta.CostoCentesimi, 1205);
}
