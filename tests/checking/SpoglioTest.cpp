#include <gtest/gtest.h>

#include <random>

#include "CartellaTemporanea.h"
#include "Spoglio.h"

using namespace morella;
using morella::test::TGiocoTemporaneo;

namespace {

TColonna Tutti(TSegni s)
{
    TColonna c{};
    for (int i = 0; i < NumEvents; ++i) c[static_cast<std::size_t>(i)] = s;
    return c;
}

// The counting as the checking window describes it: develop every record and score each
// single column.
TRisultatoSpoglio ContaLetterale(const TListaColonne& lista, const TColonna& vincente)
{
    TRisultatoSpoglio r;
    for (const TColonna& c : lista) {
        TListaColonne singole;
        singole.AggiungiEspansa(c);
        for (const TColonna& s : singole) {
            bool vuota = false;
            for (int i = 0; i < NumEvents; ++i) vuota |= (s[static_cast<std::size_t>(i)] & 7) == 0;
            if (!vuota) ++r.punti[static_cast<std::size_t>(NumEvents - ErroriColonna(s, vincente))];
        }
    }
    return r;
}

}  // namespace

TEST(Spoglio, UnaColonnaAccorpataContaComeLeSueColonneSingole)
{
    TColonna vincente = Tutti(1);
    TListaColonne l;
    TColonna c = Tutti(1);
    c[4] = 3;  // 1X at event 5
    c.ImpostaCorsaPiu(0x0003);
    l.Aggiungi(c);
    auto r = ContaPunti(l, vincente);
    EXPECT_EQ(r.punti[12], 1);
    EXPECT_EQ(r.punti[11], 1);
    EXPECT_EQ(r.categorie[0], 1);
    EXPECT_EQ(r.categorie[1], 1);
    EXPECT_EQ(r.categorie[2], 0);
    EXPECT_EQ(r.massimo, 1);
    EXPECT_DOUBLE_EQ(r.scalaMassima, 1.1);
    EXPECT_EQ(PuntiIniziali(r), 12);

    // In the winnings view the same record is flagged for full points, and for the one
    // point less that its "X" column scored: the view shows every coupon the chart counts.
    for (int punti : {12, 11}) {
        auto s = SchedineConPunti(l, vincente, punti);
        ASSERT_EQ(s.size(), 1u) << punti;
        EXPECT_EQ(s[0].colonne[0].segnata, 1) << punti;
    }
    EXPECT_TRUE(SchedineConPunti(l, vincente, 10).empty());
}

TEST(Spoglio, ListaVuotaNessunPulsante)
{
    auto r = ContaPunti(TListaColonne{}, Tutti(1));
    for (bool b : PuntiAbilitati(r)) EXPECT_FALSE(b);
    EXPECT_EQ(PuntiIniziali(r), 0);
    EXPECT_EQ(r.scalaMassima, 0);
}

TEST(Spoglio, ColonnaVincenteCompleta)
{
    EXPECT_TRUE(ColonnaVincenteCompleta(Tutti(2)));
    TColonna c = Tutti(2);
    c[11] = 0;
    EXPECT_FALSE(ColonnaVincenteCompleta(c));
    c[11] = 3;
    EXPECT_FALSE(ColonnaVincenteCompleta(c));
}

TEST(Spoglio, ConteggioUgualeAllEspansioneSuRecordCasuali)
{
    for (int gioco : {GiocoTotip, GiocoToto, GiocoEnalotto}) {
        TGiocoTemporaneo g(gioco);
        std::mt19937 rng(static_cast<unsigned>(gioco) * 7919u);
        for (int prova = 0; prova < 20; ++prova) {
            TColonna vincente{};
            for (int i = 0; i < NumEvents; ++i)
                vincente[static_cast<std::size_t>(i)] = static_cast<TSegni>(1u << (rng() % 3));
            TListaColonne l;
            for (int k = 0; k < 30; ++k) {
                TColonna c{};
                for (int i = 0; i < NumEvents; ++i) {
                    unsigned x = rng() % 10;
                    // Mostly singles, some doubles and triples, rarely an empty event.
                    c[static_cast<std::size_t>(i)] = static_cast<TSegni>(x < 6   ? 1u << (rng() % 3)
                                                                         : x < 9 ? (rng() % 7) + 1
                                                                                 : 0);
                }
                l.Aggiungi(c);
            }
            auto atteso = ContaLetterale(l, vincente);
            auto r = ContaPunti(l, vincente);
            EXPECT_EQ(r.punti, atteso.punti) << "gioco " << gioco << " prova " << prova;
            // A record is marked at a points value exactly when one of its columns has it.
            const int punti = static_cast<int>(rng() % static_cast<unsigned>(NumEvents + 1));
            std::vector<int> marcate;
            for (const TSchedinaVin& s : SchedineConPunti(l, vincente, punti))
                for (std::size_t k = 0; k < 4; ++k)
                    if (s.colonne[k].segnata) marcate.push_back((s.numero - 1) * 4 + static_cast<int>(k));
            std::vector<int> attese;
            for (int k = 0; k < l.Conta(); ++k) {
                TListaColonne una;
                una.Aggiungi(l[static_cast<std::size_t>(k)]);
                if (ContaLetterale(una, vincente).punti[static_cast<std::size_t>(punti)] > 0)
                    attese.push_back(k);
            }
            EXPECT_EQ(marcate, attese) << "gioco " << gioco << " prova " << prova;
        }
    }
}

TEST(Spoglio, SchedineNumerateSecondoLaLista)
{
    TColonna v = Tutti(1);
    TListaColonne l;
    for (int k = 0; k < 9; ++k) {
        TColonna c = Tutti(1);
        c[0] = k == 8 ? 4 : 1;  // only the ninth column misses the first event
        l.Aggiungi(c);
    }
    auto s = SchedineConPunti(l, v, 11);
    ASSERT_EQ(s.size(), 1u);
    EXPECT_EQ(s[0].numero, 3);
    EXPECT_EQ(s[0].colonne[0].segnata, 1);
    EXPECT_EQ(s[0].colonne[1], TSlotSchedina{});
    EXPECT_EQ(SchedineConPunti(l, v, 12).size(), 2u);
}
