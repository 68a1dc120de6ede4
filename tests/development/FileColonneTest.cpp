#include <gtest/gtest.h>

#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <functional>
#include <random>

#include "CartellaTemporanea.h"
#include "Errore.h"
#include "FileColonne.h"
#include "TestoColonnaEsteso.h"

using namespace morella;
using morella::test::LeggiTutto;
using morella::test::ScriviTutto;
using morella::test::TCartellaTemporanea;
using morella::test::TGiocoTemporaneo;

namespace {

TColonna Da(const char* testo)
{
    auto c = ColonnaDaTestoEsteso(testo);
    EXPECT_TRUE(c) << testo;
    return c.value_or(TColonna{});
}

std::vector<std::string> Testi(const TListaColonne& l)
{
    std::vector<std::string> t;
    for (const TColonna& c : l) t.push_back(TestoColonnaEsteso(c));
    return t;
}

std::string MessaggioDi(const std::function<void()>& f)
{
    try {
        f();
    } catch (const EErrore& e) {
        return e.what();
    }
    return "";
}

// Makes every write beyond a few bytes fail for the life of the object, as a full disk would.
class TDiscoPieno {
   public:
    TDiscoPieno()
    {
        getrlimit(RLIMIT_FSIZE, &vecchio_);
        vecchioSegnale_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit r = vecchio_;
        r.rlim_cur = 16;
        setrlimit(RLIMIT_FSIZE, &r);
    }
    ~TDiscoPieno()
    {
        setrlimit(RLIMIT_FSIZE, &vecchio_);
        std::signal(SIGXFSZ, vecchioSegnale_);
    }

   private:
    rlimit vecchio_{};
    void (*vecchioSegnale_)(int);
};

}  // namespace

TEST(FileColonne, RecordDiOgniGioco)
{
    TCartellaTemporanea dir;
    const std::string file = dir.File("a.Col");
    {
        TGiocoTemporaneo gioco(GiocoTotip);  // 14 bytes: signs, then the Corsa + mask low byte first
        TListaColonne l;
        l.Aggiungi(Da("1X2(1X)(12)(X2)(1X2)*1111+1,9"));
        ASSERT_TRUE(SalvaColonne(l, file));
        EXPECT_EQ(LeggiTutto(file),
                  (std::vector<std::uint8_t>{1, 2, 4, 3, 5, 6, 7, 0, 1, 1, 1, 1, 0x01, 0x01}));
        TListaColonne letta;
        EXPECT_TRUE(CaricaColonne(letta, file, false));
        EXPECT_EQ(letta, l);
    }
    {
        TGiocoTemporaneo gioco(GiocoToto);  // 13 sign bytes, nothing else
        TListaColonne l;
        l.Aggiungi(Da("111111111111X"));
        l.Aggiungi(Da("2222222222221"));
        ASSERT_TRUE(SalvaColonne(l, file));
        auto byte = LeggiTutto(file);
        ASSERT_EQ(byte.size(), 26u);
        EXPECT_EQ(byte[12], 2);
        EXPECT_EQ(byte[13], 4);
        EXPECT_EQ(byte[25], 1);
        TListaColonne letta;
        EXPECT_TRUE(CaricaColonne(letta, file, false));
        EXPECT_EQ(letta, l);
        EXPECT_EQ(letta[1][13], 0);
    }
    {
        TGiocoTemporaneo gioco(GiocoEnalotto);  // 12 sign bytes; the rest of a record reads as 0
        ScriviTutto(file, {1, 2, 4, 1, 2, 4, 1, 2, 4, 1, 2, 4, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7});
        TListaColonne letta;
        EXPECT_TRUE(CaricaColonne(letta, file, false));
        ASSERT_EQ(letta.Conta(), 2);
        EXPECT_EQ(letta[0][12], 0);
        EXPECT_EQ(letta[1][11], 7);
        ASSERT_TRUE(SalvaColonne(letta, file));
        EXPECT_EQ(LeggiTutto(file).size(), 24u);
    }
}

TEST(FileColonne, AndataERitornoIdenticaAlByte)
{
    TCartellaTemporanea dir;
    std::mt19937 rng(7);
    for (int g : {GiocoTotip, GiocoToto, GiocoEnalotto}) {
        TGiocoTemporaneo gioco(g);
        std::vector<std::uint8_t> byte(static_cast<std::size_t>(DimensioneRecordColonna()) * 1000);
        for (auto& b : byte) b = static_cast<std::uint8_t>(rng());
        ScriviTutto(dir.File("in.Col"), byte);
        TListaColonne l;
        ASSERT_TRUE(CaricaColonne(l, dir.File("in.Col"), false));
        EXPECT_EQ(l.Conta(), 1000);
        ASSERT_TRUE(SalvaColonne(l, dir.File("out.Col")));
        EXPECT_EQ(LeggiTutto(dir.File("out.Col")), byte);
    }
}

TEST(FileColonne, FileCortiVuotiEMancanti)
{
    TGiocoTemporaneo gioco(GiocoTotip);
    TCartellaTemporanea dir;
    TListaColonne l;
    l.Aggiungi(Da("111111111111"));

    // 27 bytes: one column, then a partial record that is not a column.
    std::vector<std::uint8_t> byte(27, 2);
    ScriviTutto(dir.File("corto.Col"), byte);
    EXPECT_FALSE(CaricaColonne(l, dir.File("corto.Col"), false));
    ASSERT_EQ(l.Conta(), 1);
    EXPECT_EQ(TestoColonna(l[0]), "XXXXXXXXXXXX");

    ScriviTutto(dir.File("vuoto.Col"), {});
    EXPECT_TRUE(CaricaColonne(l, dir.File("vuoto.Col"), true));
    EXPECT_TRUE(l.Vuota());

    l.Aggiungi(Da("111111111111"));
    EXPECT_EQ(MessaggioDi([&] { CaricaColonne(l, dir.File("manca.Col"), false); }),
              "Impossibile Caricare Il File Colonnare");
    EXPECT_EQ(MessaggioDi([&] { CaricaColonne(l, dir.Percorso().string(), false); }),
              "Impossibile Caricare Il File Colonnare");
    EXPECT_TRUE(l.Vuota());

    // The system reports an error while reading: the list is emptied.
    l.Aggiungi(Da("111111111111"));
    EXPECT_EQ(MessaggioDi([&] { CaricaColonne(l, "/proc/self/mem", false); }),
              "Errore Di Lettura Sul File. Impossibile Leggere le Colonne.");
    EXPECT_TRUE(l.Vuota());
}

TEST(FileColonne, EspansioneInOrdineDiSviluppo)
{
    TGiocoTemporaneo gioco(GiocoTotip);
    TListaColonne l;
    l.Aggiungi(Da("111111111111"));
    l.AggiungiEspansa(Da("(1X2)(12)1111111111+2,3"), true);
    EXPECT_EQ(Testi(l),
              (std::vector<std::string>{"111111111111+2,3", "121111111111+2,3", "X11111111111+2,3",
                                        "X21111111111+2,3", "211111111111+2,3", "221111111111+2,3"}));

    // A record with an empty event still stands for itself; records keep their file order.
    TCartellaTemporanea dir;
    TListaColonne file;
    file.Aggiungi(Da("1111111111(X2)*"));
    file.Aggiungi(Da("(1X)22222222222"));
    ASSERT_TRUE(SalvaColonne(file, dir.File("c.Col")));
    ASSERT_TRUE(CaricaColonne(l, dir.File("c.Col"), true));
    EXPECT_EQ(Testi(l),
              (std::vector<std::string>{"1111111111X*", "11111111112*", "122222222222", "X22222222222"}));
}

TEST(FileColonne, EspansioneSmisurataRifiutata)
{
    TGiocoTemporaneo gioco(GiocoTotip);
    TListaColonne sorgente;
    sorgente.Aggiungi(Da("(1X2)(1X2)(1X2)(1X2)11111111"));  // 81 columns
    sorgente.Aggiungi(Da("(1X2)(1X2)(1X2)(1X2)22222222"));
    const TBytes byte = ImmagineColonne(sorgente);
    TListaColonne l;
    TLettoreBinario entro(byte);
    EXPECT_TRUE(LeggiColonne(l, entro, true, 162));
    EXPECT_EQ(l.Conta(), 162);
    TLettoreBinario oltre(byte);
    EXPECT_EQ(MessaggioDi([&] { LeggiColonne(l, oltre, true, 161); }),
              "Errore Di Lettura Sul File. Impossibile Leggere le Colonne.");
    EXPECT_TRUE(l.Vuota());
}

TEST(FileColonne, IlSalvataggioFallitoLasciaIlVecchioFile)
{
    TGiocoTemporaneo gioco(GiocoTotip);
    TCartellaTemporanea dir;
    const std::string file = dir.File("a.Col");
    ScriviTutto(file, {1, 2, 3});
    TListaColonne l;
    for (int i = 0; i < 10; ++i) l.Aggiungi(Da("1X21X21X21X2"));
    {
        TDiscoPieno pieno;
        EXPECT_FALSE(SalvaColonne(l, file));
    }
    EXPECT_EQ(LeggiTutto(file), (std::vector<std::uint8_t>{1, 2, 3}));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Percorso()), {}), 1);  // no leftovers

    EXPECT_FALSE(SalvaColonne(l, dir.File("manca/a.Col")));
    if (geteuid() != 0) {  // permissions do not stop root
        std::filesystem::permissions(dir.Percorso(),
                                     std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
        EXPECT_FALSE(SalvaColonne(l, file));
        std::filesystem::permissions(dir.Percorso(), std::filesystem::perms::owner_all);
        EXPECT_EQ(LeggiTutto(file), (std::vector<std::uint8_t>{1, 2, 3}));
    }
}

TEST(FileColonne, EsportaChiedePrimaDiSovrascrivere)
{
    TGiocoTemporaneo gioco(GiocoTotip);
    TCartellaTemporanea dir;
    const std::string file = dir.File("e.Col");
    TListaColonne l;
    l.Aggiungi(Da("1X21X21X21X2"));

    TRispostaFissa no(PulsanteNo);
    EsportaColonne(l, file, no);  // a new file: no question
    EXPECT_EQ(no.domande, 0);
    EXPECT_EQ(LeggiTutto(file).size(), 14u);

    l.Aggiungi(Da("222222222222"));
    EsportaColonne(l, file, no);
    EXPECT_EQ(no.domande, 1);
    EXPECT_EQ(no.ultimoTitolo, "Informazione");
    EXPECT_EQ(no.ultimoTesto, "Il File è Gia Presente su Disco. Vuoi Sovrascriverlo");
    EXPECT_EQ(no.ultimiPulsanti, PulsanteSi | PulsanteNo);
    EXPECT_EQ(LeggiTutto(file).size(), 14u);

    TRispostaFissa si(PulsanteSi);
    EsportaColonne(l, file, si);
    EXPECT_EQ(LeggiTutto(file).size(), 28u);

    EXPECT_EQ(MessaggioDi([&] { EsportaColonne(l, dir.File("manca/e.Col"), si); }),
              "Errore Durante la Scrittura del File Colonnare");
}

TEST(FileColonne, RiempimentoDelleFinestre)
{
    TGiocoTemporaneo gioco(GiocoTotip);
    TCartellaTemporanea dir;
    TListaColonne sistema;
    for (const char* t : {"111111111111", "X11111111111", "11111111111X", "X1111111111X"})
        sistema.Aggiungi(Da(t));

    TListaColonne finestra;
    finestra.Aggiungi(Da("222222222222"));
    CopiaDaMemoria(sistema, finestra, false);
    EXPECT_EQ(finestra, sistema);
    CopiaDaMemoria(sistema, finestra, true);
    EXPECT_EQ(Testi(finestra), (std::vector<std::string>{"(1X)1111111111(1X)"}));

    // A trailing partial record is left out; the whole records are merged as asked.
    TBytes byte = ImmagineColonne(sistema);
    byte.push_back(1);
    ScriviTutto(dir.File("s.Col"), byte);
    EXPECT_TRUE(CaricaDaFile(dir.File("s.Col"), finestra, false));
    EXPECT_EQ(finestra, sistema);
    EXPECT_TRUE(CaricaDaFile(dir.File("s.Col"), finestra, true));
    EXPECT_EQ(finestra.Conta(), 1);

    ScriviTutto(dir.File("vuoto.Col"), {});
    EXPECT_FALSE(CaricaDaFile(dir.File("vuoto.Col"), finestra, true));
    EXPECT_TRUE(finestra.Vuota());

    finestra = sistema;
    EXPECT_EQ(MessaggioDi([&] { CaricaDaFile(dir.File("manca.Col"), finestra, true); }),
              "Impossibile Caricare Il File Colonnare");
    EXPECT_TRUE(finestra.Vuota());
    EXPECT_EQ(MessaggioDi([&] { CaricaDaFile("/proc/self/mem", finestra, true); }),
              "Impossibile Caricare Il File Colonnare");
}
