// Behaviour of the autoreduction seen from outside: small cases worked by hand, the guarantee
// on whole systems, order and bytes of the kept columns, progress calls, and cancelling at
// each stage.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>
#include <string>
#include <vector>

#include "Autoriduzione.h"
#include "AutoriduzioneLetterale.h"
#include "CartellaTemporanea.h"

using namespace morella;
using morella::test::SviluppaPronostico;
using morella::test::TGiocoTemporaneo;

namespace {

TColonna Da(const char* testo)
{
    TColonna c{};
    EXPECT_EQ(ColonnaDaTesto(testo, c), 0) << testo;
    return c;
}

TListaColonne Lista(std::initializer_list<const char*> testi)
{
    TListaColonne l;
    for (const char* t : testi) l.Aggiungi(Da(t));
    return l;
}

TPronostico Triple(int k, TSegni resto = Segno1)
{
    TPronostico p{};
    for (int i = 0; i < NumEvents; ++i) p[static_cast<std::size_t>(i)] = i < k ? TSegni{7} : resto;
    return p;
}

struct TConta : TOsservatoreRiduzione {
    std::vector<std::array<int, 4>> rid;
    std::vector<std::string> stati;
    std::vector<int> percentuali;
    long long controlli = 0;
    long long annullaAl = -1;
    void AggiornaRid(int t, int k, bool f, int e) override { rid.push_back({t, k, f ? 1 : 0, e}); }
    void Stato(const std::string& s) override { stati.push_back(s); }
    void Percentuale(int p) override { percentuali.push_back(p); }
    bool Annullato() override { return ++controlli == annullaAl; }
};

TEsitoRiduzione Riduci(TListaColonne& l, int garanzia, bool accurata = true,
                       TOsservatoreRiduzione* oss = nullptr)
{
    return Autoriduci(l, garanzia, accurata, false, nullptr, TPronostico{}, oss);
}

// Every column of `tutte` lies within distance f of some kept column.
void ControllaGaranzia(const TListaColonne& tutte, const TListaColonne& tenute, int f,
                       const std::string& dove)
{
    for (const TColonna& c : tutte) {
        const bool coperta = std::any_of(tenute.begin(), tenute.end(),
                                         [&](const TColonna& k) { return DistanzaColonne(c, k) <= f; });
        ASSERT_TRUE(coperta) << dove << ": " << TestoColonna(c);
    }
}

// The kept columns are a subsequence of the list they came from, byte for byte.
void ControllaSottosequenza(const TListaColonne& prima, const TListaColonne& dopo)
{
    std::size_t j = 0;
    for (const TColonna& c : dopo) {
        while (j < prima.size() && !(prima[j] == c)) ++j;
        ASSERT_LT(j, prima.size()) << "colonna fuori ordine o alterata: " << TestoColonna(c);
        ++j;
    }
}

}  // namespace

TEST(Autoriduzione, CasiPiccoliRisoltiAMano)
{
    TGiocoTemporaneo g(GiocoTotip);
    {
        TListaColonne l = Lista({"1X21X21X21X2"});
        const TEsitoRiduzione e = Riduci(l, 1);
        EXPECT_EQ(l.Conta(), 1);
        EXPECT_EQ(e.fattore, 1.0);
    }
    for (int f : {1, 2}) {
        TListaColonne l = Lista({"111111111111", "X11111111111", "211111111111"});
        const TEsitoRiduzione e = Riduci(l, f);
        ASSERT_EQ(l.Conta(), 1);
        EXPECT_EQ(l[0], Da("111111111111"));
        EXPECT_EQ(e.totale, 3);
        EXPECT_EQ(e.coperte, 3);
        EXPECT_EQ(e.fattore, 3.0);
    }
    {
        // Distance 2 with N - 1: the second is kept by the covering phase (threshold 0).
        TListaColonne l = Lista({"111111111111", "XX1111111111"});
        EXPECT_EQ(Riduci(l, 1).tenute, 2);
        EXPECT_EQ(l[1], Da("XX1111111111"));
    }
    {
        TListaColonne l = Lista({"111111111111", "XXX111111111"});
        EXPECT_EQ(Riduci(l, 1).tenute, 2);
    }
    {
        // With N - 2 a column at distance 2 is covered by the head.
        TListaColonne l = Lista({"111111111111", "XX1111111111", "2XX111111111"});
        EXPECT_EQ(Riduci(l, 2).tenute, 2);
        EXPECT_EQ(l[1], Da("2XX111111111"));
    }
}

TEST(Autoriduzione, ListaVuotaNonFaNulla)
{
    TGiocoTemporaneo g(GiocoTotip);
    TListaColonne l;
    T_ListaTipiDiVincite poss;
    const TEsitoRiduzione e = Autoriduci(l, 2, true, true, &poss, Triple(0), nullptr);
    EXPECT_TRUE(l.Vuota());
    EXPECT_EQ(e.tenute, 0);
    EXPECT_EQ(e.fattore, 0.0);
    EXPECT_TRUE(e.possibilitaCalcolate);
    EXPECT_TRUE(poss.Lista(0).Tipi().empty());
}

// Whole systems of k triples: the guarantee holds, the size never beats the best proven lower
// bound for a ternary covering code of length k, and the fast variant keeps at least as many.
TEST(Autoriduzione, GaranziaSuSistemiInteri)
{
    TGiocoTemporaneo g(GiocoTotip);
    // Lower bounds K_3(k, 1) and K_3(k, 2) for k = 1..7.
    const int minimoN1[] = {0, 1, 3, 5, 9, 27, 71, 156};
    const int minimoN2[] = {0, 1, 1, 3, 3, 8, 15, 27};
    for (int k = 1; k <= 7; ++k)
        for (int f : {1, 2})
            for (bool accurata : {true, false}) {
                const TListaColonne tutte = SviluppaPronostico(Triple(k, SegnoX), 0x0300);
                TListaColonne l = tutte;
                const TEsitoRiduzione e = Riduci(l, f, accurata);
                const std::string dove = std::to_string(k) + " triple, N-" + std::to_string(f) +
                                         (accurata ? " accurata" : " veloce");
                EXPECT_TRUE(e.motoreRapido);
                EXPECT_EQ(e.tenute, l.Conta()) << dove;
                EXPECT_GE(l.Conta(), f == 1 ? minimoN1[k] : minimoN2[k]) << dove;
                ControllaGaranzia(tutte, l, f, dove);
                ControllaSottosequenza(tutte, l);
            }
}

TEST(Autoriduzione, GaranziaEOrdineSuListeQualsiasi)
{
    std::mt19937 rng(99);
    for (int gioco : {GiocoTotip, GiocoToto, GiocoEnalotto}) {
        TGiocoTemporaneo g(gioco);
        for (int giro = 0; giro < 6; ++giro) {
            TPronostico p{};
            for (int i = 0; i < NumEvents; ++i)
                p[static_cast<std::size_t>(i)] =
                    i < 6 ? TSegni{7} : SegnoDaCifra(static_cast<int>(rng() % 3));
            TListaColonne tutte;
            for (const TColonna& c : SviluppaPronostico(p, 0x0101))
                if (rng() % 3 != 0) tutte.Aggiungi(c);
            std::shuffle(tutte.begin(), tutte.end(), rng);
            // Some condensed records send half of the rounds down the plain engine.
            if (giro % 2 == 1)
                for (int k = 0; k < 5; ++k)
                    tutte[rng() % tutte.size()][static_cast<std::size_t>(rng() % 6)] = 3;
            for (int f : {1, 2}) {
                TListaColonne l = tutte;
                Riduci(l, f, giro % 3 != 0);
                const std::string dove = "gioco " + std::to_string(gioco) + " giro " + std::to_string(giro);
                ControllaGaranzia(tutte, l, f, dove);
                ControllaSottosequenza(tutte, l);
            }
        }
    }
}

// Upper bits in a record handed in (a damaged source) are not taken for signs or marks; the
// Corsa + bytes are left alone.
TEST(Autoriduzione, BitAltiInIngressoNonConfondonoLaRiduzione)
{
    TGiocoTemporaneo g(GiocoTotip);
    TListaColonne l = Lista({"111111111111", "X11111111111"});
    l[0][0] = static_cast<TSegni>(l[0][0] | 0xC0);
    l[0][11] = static_cast<TSegni>(l[0][11] | 0xF0);
    l[0].ImpostaCorsaPiu(0xC0F0);
    const TEsitoRiduzione e = Riduci(l, 1);
    EXPECT_TRUE(e.motoreRapido);
    ASSERT_EQ(l.Conta(), 1);
    EXPECT_EQ(TestoColonna(l[0]), "111111111111");
    EXPECT_EQ(l[0][0], 1);
    EXPECT_EQ(l[0][11], 1);
    EXPECT_EQ(l[0].CorsaPiu(), 0xC0F0);
}

TEST(Autoriduzione, AvanzamentoEStatoDelCalcoloPossibilita)
{
    TGiocoTemporaneo g(GiocoEnalotto);
    TListaColonne l = SviluppaPronostico(Triple(5));
    T_ListaTipiDiVincite poss;
    TConta oss;
    const TEsitoRiduzione e = Autoriduci(l, 1, true, true, &poss, Triple(5), &oss);
    ASSERT_GE(oss.rid.size(), 3u);
    EXPECT_EQ(oss.rid.front(), (std::array<int, 4>{243, 0, 1, 0}));
    EXPECT_EQ(oss.rid.back(), (std::array<int, 4>{243, e.tenute, 1, 243}));
    // Between them one call per covered column, counting up by one.
    for (std::size_t i = 1; i + 1 < oss.rid.size(); ++i) {
        EXPECT_EQ(oss.rid[i][3], static_cast<int>(i));
        EXPECT_EQ(oss.rid[i][2], 0);
    }
    EXPECT_EQ(oss.stati, std::vector<std::string>{"Calcolo Possibilità Di Vincite..."});
    ASSERT_FALSE(oss.percentuali.empty());
    EXPECT_EQ(oss.percentuali.front(), 0);
    EXPECT_EQ(oss.percentuali.back(), 100);
    EXPECT_TRUE(std::is_sorted(oss.percentuali.begin(), oss.percentuali.end()));
    // One look at "Annulla" per column after the head in the first phase and per column in
    // the winning possibilities, plus one every 50 steps of the passes.
    EXPECT_GE(oss.controlli, 242 + 243);
}

// Every column is within reach of a kept one, so list 0 counts every examined column: all of
// them in the accurate variant, only what is left (the kept ones) in the fast one.
TEST(Autoriduzione, PossibilitaContanoLeColonneRimaste)
{
    TGiocoTemporaneo g(GiocoTotip);
    for (bool accurata : {true, false}) {
        TListaColonne l = SviluppaPronostico(Triple(6));
        T_ListaTipiDiVincite poss;
        const TEsitoRiduzione e = Autoriduci(l, 1, accurata, true, &poss, Triple(6), nullptr);
        int esaminate = 0;
        double somma = 0.0;
        for (const TTipoDiVincita& t : poss.Lista(0).Tipi()) {
            esaminate += t.occorrenze;
            somma += t.probabilita;
        }
        EXPECT_EQ(esaminate, accurata ? 729 : e.tenute);
        EXPECT_NEAR(somma, 1.0, 1e-12);
        // Triples only: no doubles, and the singles are the six events outside the triples.
        EXPECT_EQ(poss.MediaDoppie(), -1.0);
        EXPECT_GT(poss.MediaSingole(), 0.0);
    }
}

// Cancelling in the first phase, in a pass or in the winning possibilities.
TEST(Autoriduzione, AnnullareInOgniFase)
{
    TGiocoTemporaneo g(GiocoTotip);
    const TPronostico p = Triple(7);
    const TListaColonne tutte = SviluppaPronostico(p, 3);
    TListaColonne ridotta = tutte;
    T_ListaTipiDiVincite intere;
    TConta conta;
    Autoriduci(ridotta, 1, true, true, &intere, p, &conta);
    const long long primaFase = tutte.Conta() - 1;
    const long long possibilita = tutte.Conta();
    const long long passate = conta.controlli - primaFase - possibilita;
    ASSERT_GT(passate, 0);

    for (long long al : {1LL, primaFase, primaFase + 1, primaFase + passate}) {
        TListaColonne l = tutte;
        T_ListaTipiDiVincite poss = intere;
        TConta oss;
        oss.annullaAl = al;
        const TEsitoRiduzione e = Autoriduci(l, 1, true, true, &poss, p, &oss);
        EXPECT_TRUE(e.annullata) << al;
        EXPECT_FALSE(e.possibilitaCalcolate) << al;
        EXPECT_TRUE(l.Vuota()) << al;
        EXPECT_TRUE(oss.stati.empty()) << al;
        // The store is left as it was: only a computation that starts clears it.
        EXPECT_TRUE(poss == intere) << al;
    }
    for (long long al : {primaFase + passate + 1, conta.controlli}) {
        TListaColonne l = tutte;
        T_ListaTipiDiVincite poss = intere;
        TConta oss;
        oss.annullaAl = al;
        const TEsitoRiduzione e = Autoriduci(l, 1, true, true, &poss, p, &oss);
        EXPECT_FALSE(e.annullata) << al;
        EXPECT_TRUE(e.possibilitaAnnullate) << al;
        EXPECT_FALSE(e.possibilitaCalcolate) << al;
        // The reduced columns, clean; no half-computed possibilities.
        EXPECT_TRUE(l == ridotta) << al;
        for (int i = 0; i < poss.NumeroListe(); ++i) EXPECT_TRUE(poss.Lista(i).Tipi().empty());
        EXPECT_EQ(poss.MediaSingole(), -1.0);
    }
}

// Condensed records take the plain engine, whose time grows with the square of the records:
// the front ends ask before they start, and say so.
TEST(Autoriduzione, IlProcedimentoLentoSiRiconosceInAnticipo)
{
    TGiocoTemporaneo g(GiocoTotip);
    TListaColonne condensate;
    TColonna c{};
    for (int i = 0; i < 12; ++i) c[static_cast<std::size_t>(i)] = i < 2 ? TSegni{3} : TSegni{1};
    condensate.Aggiungi(c);
    c[11] = 2;
    condensate.Aggiungi(c);
    EXPECT_TRUE(RiduzioneLenta(condensate));
    EXPECT_FALSE(Riduci(condensate, 1).motoreRapido);

    TListaColonne singole = SviluppaPronostico(Triple(3));
    EXPECT_FALSE(RiduzioneLenta(singole));
    EXPECT_TRUE(Riduci(singole, 1).motoreRapido);
}
