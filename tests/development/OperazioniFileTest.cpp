#include <gtest/gtest.h>

#include <list>
#include <random>

#include "CartellaTemporanea.h"
#include "Errore.h"
#include "FileColonne.h"
#include "OperazioniFile.h"
#include "TestoColonnaEsteso.h"

using namespace morella;
using morella::test::LeggiTutto;
using morella::test::ScriviTutto;
using morella::test::TCartellaTemporanea;
using morella::test::TGiocoTemporaneo;

namespace {

TListaColonne Lista(std::initializer_list<const char*> testi)
{
    TListaColonne l;
    for (const char* t : testi) {
        auto c = ColonnaDaTestoEsteso(t);
        EXPECT_TRUE(c) << t;
        l.Aggiungi(c.value_or(TColonna{}));
    }
    return l;
}

// The operations word for word: a linked list searched from its head for every column.
TListaColonne OperaLetterale(TOperazioneFile op, const TListaColonne& a, const TListaColonne& b)
{
    std::list<TColonna> l(a.begin(), a.end());
    TListaColonne r;
    auto primaPresente = [&](const TColonna& c) {
        auto x = l.begin();
        while (x != l.end() && ErroriColonna(*x, c) != 0) ++x;
        return x;
    };
    for (const TColonna& c : b) {
        auto x = primaPresente(c);
        if (op == TOperazioneFile::Or && x == l.end()) l.push_back(c);
        if (op == TOperazioneFile::And && x != l.end()) r.Aggiungi(c);
        if (op == TOperazioneFile::Xor) {
            if (x == l.end())
                l.push_back(c);
            else
                l.erase(x);
        }
    }
    if (op != TOperazioneFile::And)
        for (const TColonna& c : l) r.Aggiungi(c);
    return r;
}

// Mostly single columns over a few signs per event, so that they meet often; some condensed,
// some with an empty event, some repeated, some with marks or a Corsa + mask.
TListaColonne Casuale(std::mt19937& rng, const TColonna& ambito, int n, int condensate)
{
    auto caso = [&](int k) { return static_cast<int>(rng() % static_cast<unsigned>(k)); };
    TListaColonne l;
    for (int r = 0; r < n; ++r) {
        if (r > 0 && caso(10) == 0) {
            l.Aggiungi(l[static_cast<std::size_t>(caso(r))]);
            continue;
        }
        TColonna c{};
        for (int i = 0; i < NumEvents; ++i) {
            TSegni s;
            do s = SegnoDaCifra(caso(3));
            while (!(s & ambito[i]));
            c[i] = s;
        }
        if (caso(100) < condensate)
            for (int k = caso(6); k >= 0; --k) c[caso(NumEvents)] = static_cast<TSegni>(1 + caso(7));
        if (caso(200) == 0) c[caso(NumEvents)] = 0;
        if (caso(50) == 0) c[caso(NumEvents)] |= 0x40;
        if (Gioco == GiocoTotip) c.ImpostaCorsaPiu(static_cast<TMascheraCorsaPiu>(caso(2)));
        l.Aggiungi(c);
    }
    return l;
}

}  // namespace

TEST(OperazioniFile, UgualiAllaDefinizione)
{
    std::mt19937 rng(99);
    for (int giro = 0; giro < 150; ++giro) {
        TGiocoTemporaneo gioco(giro % 3 == 0 ? GiocoTotip : giro % 3 == 1 ? GiocoToto : GiocoEnalotto);
        TColonna ambito{};
        for (int i = 0; i < NumEvents; ++i)
            ambito[i] = static_cast<TSegni>(rng() % 3 == 0 ? 7 : 1 + rng() % 7);
        const int condensate = giro % 4 == 0 ? 0 : static_cast<int>(rng() % 40);
        TListaColonne a = Casuale(rng, ambito, static_cast<int>(rng() % 300), condensate);
        TListaColonne b = Casuale(rng, ambito, static_cast<int>(rng() % 300), condensate);
        for (auto op : {TOperazioneFile::Or, TOperazioneFile::And, TOperazioneFile::Xor})
            ASSERT_EQ(OperaColonne(op, a, b), OperaLetterale(op, a, b))
                << giro << " op " << static_cast<int>(op);
    }
}

TEST(OperazioniFile, CasiNoti)
{
    TGiocoTemporaneo gioco(GiocoTotip);
    const TListaColonne a = Lista({"111111111111", "X11111111111", "(12)11111111111", "111111111111"});
    EXPECT_EQ(OperaColonne(TOperazioneFile::Or, a, a), a);
    EXPECT_TRUE(OperaColonne(TOperazioneFile::Xor, a, a).Vuota());

    // A condensed column of the first file covers single columns of the second and the
    // other way round; a repeat in the second file is written twice.
    const TListaColonne b = Lista({"211111111111", "211111111111", "(X2)11111111111", "1X1111111111"});
    EXPECT_EQ(OperaColonne(TOperazioneFile::And, a, b),
              Lista({"211111111111", "211111111111", "(X2)11111111111"}));
    EXPECT_EQ(OperaColonne(TOperazioneFile::Or, a, b),
              Lista({"111111111111", "X11111111111", "(12)11111111111", "111111111111", "1X1111111111"}));
    // Each column of b takes away the first column it meets.
    EXPECT_EQ(OperaColonne(TOperazioneFile::Xor, a, b),
              Lista({"111111111111", "111111111111", "211111111111", "1X1111111111"}));
}

TEST(OperazioniFile, FileEGuasti)
{
    TGiocoTemporaneo gioco(GiocoTotip);
    TCartellaTemporanea dir;
    const std::string s1 = dir.File("a.Col"), s2 = dir.File("b.Col"), dest = dir.File("d.Col");
    ASSERT_TRUE(SalvaColonne(Lista({"111111111111", "222222222222"}), s1));
    ASSERT_TRUE(SalvaColonne(Lista({"222222222222", "XXXXXXXXXXXX"}), s2));

    ASSERT_TRUE(OperazioneSuFile(TOperazioneFile::Xor, s1, s2, dest));
    TListaColonne r;
    EXPECT_TRUE(CaricaColonne(r, dest, false));
    EXPECT_EQ(r, Lista({"111111111111", "XXXXXXXXXXXX"}));

    auto messaggio = [&](const std::string& a, const std::string& b, const std::string& d) {
        try {
            OperazioneSuFile(TOperazioneFile::Or, a, b, d);
        } catch (const EErrore& e) {
            return std::string(e.what());
        }
        return std::string();
    };
    const std::string errore = "Impossibile Effettuare Le Operazioni Sui File";
    EXPECT_EQ(messaggio(dir.File("manca.Col"), s2, dest), errore);
    EXPECT_EQ(messaggio(s1, dir.File("manca.Col"), dest), errore);
    EXPECT_EQ(messaggio(s1, dir.Percorso().string(), dest), errore);
    EXPECT_EQ(messaggio(s1, s2, dir.File("manca/d.Col")), errore);

    // A source that breaks off inside a record: nothing is written.
    const auto prima = LeggiTutto(dest);
    auto tronco = LeggiTutto(s2);
    tronco.resize(tronco.size() - 1);
    ScriviTutto(dir.File("tronco.Col"), tronco);
    EXPECT_FALSE(OperazioneSuFile(TOperazioneFile::Or, s1, dir.File("tronco.Col"), dest));
    EXPECT_FALSE(OperazioneSuFile(TOperazioneFile::Or, dir.File("tronco.Col"), s1, dest));
    EXPECT_EQ(LeggiTutto(dest), prima);

    // The destination may be one of the sources: both are read before anything is written.
    ASSERT_TRUE(OperazioneSuFile(TOperazioneFile::Or, s1, s2, s1));
    EXPECT_TRUE(CaricaColonne(r, s1, false));
    EXPECT_EQ(r, Lista({"111111111111", "222222222222", "XXXXXXXXXXXX"}));
}
