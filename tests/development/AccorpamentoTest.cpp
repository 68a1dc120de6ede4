#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "Accorpamento.h"
#include "AccorpamentoLetterale.h"
#include "CartellaTemporanea.h"
#include "TestoColonnaEsteso.h"

using namespace morella;
using morella::test::AccorpaLetterale;
using morella::test::TGiocoTemporaneo;

namespace {

TColonna Da(const char* testo)
{
    auto c = ColonnaDaTestoEsteso(testo);
    EXPECT_TRUE(c) << testo;
    return c.value_or(TColonna{});
}

TListaColonne Lista(std::initializer_list<const char*> testi)
{
    TListaColonne l;
    for (const char* t : testi) l.Aggiungi(Da(t));
    return l;
}

std::vector<std::string> Testi(const TListaColonne& l)
{
    std::vector<std::string> t;
    for (const TColonna& c : l) t.push_back(TestoColonnaEsteso(c));
    return t;
}

// Cancels at the k-th question (never when k is 0) and counts the questions.
class TAnnullaAl : public TOsservatoreAccorpamento {
   public:
    explicit TAnnullaAl(int k) : k_(k) {}
    bool Annullato() override { return ++domande == k_; }
    int domande = 0;

   private:
    int k_;
};

class TRegistraProgresso : public TOsservatoreAccorpamento {
   public:
    void Progresso(int passo, int percentuale) override { visti.emplace_back(passo, percentuale); }
    std::vector<std::pair<int, int>> visti;
};

// Lists shaped like the ones merging meets: parts of developments in their own order,
// condensed records over small alphabets, repeats, several Corsa + masks, stray upper bits.
TListaColonne ListaCasuale(std::mt19937& rng)
{
    auto caso = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
    TListaColonne l;
    const int forma = caso(3);
    if (forma == 0) {
        // A share of the development of a prediction of a few thousand columns.
        TColonna pronostico{};
        std::size_t colonne = 1;
        for (int i = 0; i < NumEvents; ++i) {
            static const TSegni scelte[] = {7, 7, 3, 5, 6, 1, 2, 4};
            TSegni s = scelte[caso(8)];
            if (colonne * static_cast<std::size_t>(NumeroSegni(s)) > 2000) s = SegnoDaCifra(caso(3));
            colonne *= static_cast<std::size_t>(NumeroSegni(s));
            pronostico[i] = s;
        }
        TListaColonne tutte;
        tutte.AggiungiEspansa(pronostico);
        const int soglia = 30 + caso(71);
        for (const TColonna& c : tutte)
            if (caso(100) < soglia) l.Aggiungi(c);
    } else {
        // Random records over a few values per event; most events fixed so that many merge.
        const int n = 50 + caso(forma == 1 ? 400 : 1500);
        std::vector<std::vector<TSegni>> alfabeto(static_cast<std::size_t>(NumEvents));
        for (auto& a : alfabeto) {
            int quanti = caso(4) == 0 ? 1 + caso(5) : 1;
            for (int k = 0; k < quanti; ++k)
                a.push_back(static_cast<TSegni>(caso(20) == 0 ? caso(8) : 1 + caso(7)));
        }
        for (int r = 0; r < n; ++r) {
            TColonna c{};
            for (int i = 0; i < NumEvents; ++i) {
                const auto& a = alfabeto[static_cast<std::size_t>(i)];
                c[i] = a[static_cast<std::size_t>(caso(static_cast<int>(a.size())))];
            }
            l.Aggiungi(c);
        }
    }
    // Repeats, Corsa + masks, marks, and now and then a shuffled order.
    const int ripetizioni = caso(3) == 0 ? caso(static_cast<int>(l.size()) / 4 + 1) : 0;
    for (int k = 0; k < ripetizioni && !l.Vuota(); ++k) {
        auto& v = l.Colonne();
        TColonna c = v[static_cast<std::size_t>(caso(static_cast<int>(v.size())))];
        v.insert(v.begin() + caso(static_cast<int>(v.size()) + 1), c);
    }
    if (Gioco == GiocoTotip && caso(2) == 0)
        for (TColonna& c : l) c.ImpostaCorsaPiu(static_cast<TMascheraCorsaPiu>(caso(3) * 0x0101));
    if (caso(8) == 0)
        for (TColonna& c : l)
            if (caso(50) == 0) c[caso(NumEvents)] |= 0x80;
    if (caso(6) == 0) std::shuffle(l.begin(), l.end(), rng);
    return l;
}

}  // namespace

TEST(Accorpamento, TreColonneDiverseNelPrimoEventoDiventanoUna)
{
    TGiocoTemporaneo gioco(GiocoTotip);
    TListaColonne l = Lista({"111111111111", "X11111111111", "211111111111"});
    EXPECT_DOUBLE_EQ(Accorpa(l), 3.0);
    EXPECT_EQ(Testi(l), std::vector<std::string>{"(1X2)11111111111"});
}

TEST(Accorpamento, CasiLimite)
{
    TGiocoTemporaneo gioco(GiocoTotip);
    TListaColonne vuota;
    EXPECT_DOUBLE_EQ(Accorpa(vuota), 1.0);  // no 0/0
    TListaColonne una = Lista({"1X21X21X21X2"});
    EXPECT_DOUBLE_EQ(Accorpa(una), 1.0);
    EXPECT_EQ(Testi(una), std::vector<std::string>{"1X21X21X21X2"});

    // Configuration flag off: untouched, no factor.
    TListaColonne l = Lista({"111111111111", "X11111111111"});
    EXPECT_FALSE(Accorpamento(l, false).has_value());
    EXPECT_EQ(l.Conta(), 2);
    EXPECT_EQ(Accorpamento(l, true), 2.0);

    // Repeats differ nowhere and never merge; two differences never merge.
    TListaColonne doppioni = Lista({"111111111111", "111111111111", "XX1111111111"});
    EXPECT_DOUBLE_EQ(Accorpa(doppioni), 1.0);
}

TEST(Accorpamento, LaCorsaPiuDeveCoincidere)
{
    TGiocoTemporaneo gioco(GiocoTotip);
    // Merging these would lose the horses of the second column.
    TListaColonne l = Lista({"111111111111+1,2", "X11111111111+3,4", "211111111111+1,2"});
    Accorpa(l);
    EXPECT_EQ(Testi(l), (std::vector<std::string>{"(12)11111111111+1,2", "X11111111111+3,4"}));
}

TEST(Accorpamento, ContaOgniEventoDelGioco)
{
    {
        TGiocoTemporaneo gioco(GiocoToto);  // byte 12 is the thirteenth event
        TListaColonne l = Lista({"1111111111111", "111111111111X"});
        EXPECT_DOUBLE_EQ(Accorpa(l), 2.0);
        EXPECT_EQ(Testi(l), std::vector<std::string>{"111111111111(1X)"});
    }
    {
        TGiocoTemporaneo gioco(GiocoEnalotto);  // bytes 12 and 13 are not compared
        TListaColonne l = Lista({"111111111111", "X11111111111"});
        l[1][12] = 9;
        EXPECT_DOUBLE_EQ(Accorpa(l), 2.0);
    }
}

TEST(Accorpamento, SviluppoCompletoDiventaIlPronostico)
{
    for (int g : {GiocoTotip, GiocoToto, GiocoEnalotto}) {
        TGiocoTemporaneo gioco(g);
        TColonna pronostico{};
        for (int i = 0; i < NumEvents; ++i) pronostico[i] = i < 9 ? 7 : 1;
        TListaColonne l;
        l.AggiungiEspansa(pronostico);
        TRegistraProgresso progresso;
        EXPECT_DOUBLE_EQ(Accorpa(l, &progresso), 19683.0);
        ASSERT_EQ(l.Conta(), 1);
        EXPECT_EQ(l[0], pronostico);
        // One pass per triple, each shown from its start to 100.
        EXPECT_EQ(progresso.visti.front(), std::make_pair(1, 0));
        EXPECT_EQ(progresso.visti.back(), std::make_pair(9, 100));
        EXPECT_TRUE(std::is_sorted(progresso.visti.begin(), progresso.visti.end()));
    }
}

TEST(Accorpamento, IlContatoreMuoveSoloOltreQuattroPunti)
{
    TRegistraProgresso oss;
    TAvanzamentoAccorpamento a(&oss);
    for (auto [passo, p] : std::vector<std::pair<int, int>>{{1, 0},
                                                            {1, 0},
                                                            {1, 3},
                                                            {1, 4},
                                                            {1, 5},
                                                            {1, 9},
                                                            {1, 10},
                                                            {1, 99},
                                                            {1, 100},
                                                            {2, 0},
                                                            {2, 2},
                                                            {2, 100}})
        a.Segnala(passo, p);
    EXPECT_EQ(oss.visti, (std::vector<std::pair<int, int>>{
                             {1, 0}, {1, 5}, {1, 10}, {1, 99}, {1, 100}, {2, 0}, {2, 100}}));
    TAvanzamentoAccorpamento senza(nullptr);
    senza.Segnala(1, 0);  // no window, nothing to do
}

// The engine against the plain pairwise walk: same columns, order, factor, and the same list
// when cancelled after any number of columns.
TEST(Accorpamento, UgualeAllAlgoritmoLetterale)
{
    std::mt19937 rng(20240611);
    for (int giro = 0; giro < 150; ++giro) {
        TGiocoTemporaneo gioco(giro % 3 == 0 ? GiocoTotip : giro % 3 == 1 ? GiocoToto : GiocoEnalotto);
        const TListaColonne originale = ListaCasuale(rng);

        TListaColonne attesa = originale;
        TAnnullaAl conta(0);
        const double fattore = AccorpaLetterale(attesa, &conta);
        for (auto modo : {TIndiceAccorpamento::Automatico, TIndiceAccorpamento::Hash}) {
            TListaColonne l = originale;
            TAnnullaAl contaMotore(0);
            EXPECT_DOUBLE_EQ(AccorpaConIndice(l, &contaMotore, modo), fattore) << giro;
            ASSERT_EQ(l, attesa) << "giro " << giro << " gioco " << Gioco << " colonne " << originale.Conta();
            EXPECT_EQ(contaMotore.domande, conta.domande) << giro;
        }
        if (conta.domande == 0) continue;

        const int k = 1 + static_cast<int>(rng() % static_cast<unsigned>(conta.domande));
        TListaColonne interrottaAttesa = originale;
        TAnnullaAl annullaLetterale(k);
        EXPECT_DOUBLE_EQ(AccorpaLetterale(interrottaAttesa, &annullaLetterale), -1.0);
        for (auto modo : {TIndiceAccorpamento::Automatico, TIndiceAccorpamento::Hash}) {
            TListaColonne interrotta = originale;
            TAnnullaAl annulla(k);
            EXPECT_DOUBLE_EQ(AccorpaConIndice(interrotta, &annulla, modo), -1.0);
            ASSERT_EQ(interrotta, interrottaAttesa) << "giro " << giro << " annullato a " << k;
        }
    }
}
