// The winning-possibilities store: the order of winning types, probabilities and averages, a
// reduction worked out by hand, and the texts the window shows.
#include <gtest/gtest.h>

#include <vector>

#include "Autoriduzione.h"
#include "AutoriduzioneLetterale.h"
#include "CartellaTemporanea.h"
#include "PossibilitaVincita.h"

using namespace morella;
using morella::test::TGiocoTemporaneo;

namespace {

TColonna Da(const char* testo)
{
    TColonna c{};
    EXPECT_EQ(ColonnaDaTesto(testo, c), 0) << testo;
    return c;
}

std::vector<std::vector<int>> Tipi(const TElencoTipiDiVincita& e)
{
    std::vector<std::vector<int>> r;
    for (const TTipoDiVincita& t : e.Tipi()) r.push_back({t.c0, t.c1, t.c2, t.occorrenze});
    return r;
}

}  // namespace

TEST(PossibilitaVincita, OrdineDiInserimentoPerPeso)
{
    TGiocoTemporaneo g(GiocoTotip);
    // Weights on 12 events: c2 + 36 (c1 + 33 c0).
    EXPECT_EQ(PesoTipoDiVincita(1, 0, 0), 1188);
    EXPECT_EQ(PesoTipoDiVincita(0, 1, 0), 36);
    EXPECT_EQ(PesoTipoDiVincita(0, 0, 36), 36);
    TElencoTipiDiVincita e;
    e.Registra(0, 1, 0);
    e.Registra(0, 0, 5);
    e.Registra(1, 0, 0);
    e.Registra(0, 1, 0);
    // Same weight as (0,1,0): the newcomer goes first.
    e.Registra(0, 0, 36);
    e.Registra(0, 0, 5);
    e.Registra(0, 0, 5);
    EXPECT_EQ(Tipi(e),
              (std::vector<std::vector<int>>{{1, 0, 0, 1}, {0, 0, 36, 1}, {0, 1, 0, 2}, {0, 0, 5, 3}}));
    e.Svuota();
    EXPECT_TRUE(e.Tipi().empty());
    e.Registra(0, 0, 5);
    EXPECT_EQ(Tipi(e), (std::vector<std::vector<int>>{{0, 0, 5, 1}}));
}

TEST(PossibilitaVincita, SuTrediciEventiContanoSoloPienoEUnoInMeno)
{
    TGiocoTemporaneo g(GiocoToto);
    EXPECT_EQ(PesoTipoDiVincita(1, 0, 0), 39);
    EXPECT_EQ(PesoTipoDiVincita(0, 39, 0), 39);
    EXPECT_EQ(PesoTipoDiVincita(0, 1, 500), 1);
    TElencoTipiDiVincita e;
    e.Registra(0, 1, 0);
    e.Registra(1, 0, 0);
    e.Registra(0, 39, 0);
    EXPECT_EQ(Tipi(e), (std::vector<std::vector<int>>{{0, 39, 0, 1}, {1, 0, 0, 1}, {0, 1, 0, 1}}));
    T_ListaTipiDiVincite s;
    EXPECT_EQ(s.NumeroListe(), 14);
}

TEST(PossibilitaVincita, ConteggiAltiNonSiConfondono)
{
    TGiocoTemporaneo g(GiocoTotip);
    TElencoTipiDiVincita e;
    const int grande = 5'000'000;
    e.Registra(grande, 0, 0);
    e.Registra(0, grande, 0);
    e.Registra(grande, 0, 0);
    e.Registra(0, 0, grande);
    EXPECT_EQ(Tipi(e),
              (std::vector<std::vector<int>>{{grande, 0, 0, 2}, {0, grande, 0, 1}, {0, 0, grande, 1}}));
}

// Three columns 1, X, 2 at event 1 (the rest all "1") reduce with N - 1 to the first. Taking
// each as the winning column: the first scores full points, the other two one point less.
TEST(PossibilitaVincita, RiduzioneRisoltaAMano)
{
    TGiocoTemporaneo g(GiocoTotip);
    TListaColonne l;
    for (const char* t : {"111111111111", "X11111111111", "211111111111"}) l.Aggiungi(Da(t));
    TPronostico p = Da("111111111111");
    p[0] = 7;
    p[1] = 3;  // a double at event 2 for the average; the columns still hold "1" there
    T_ListaTipiDiVincite s;
    for (bool letterale : {false, true}) {
        TListaColonne copia = l;
        const TEsitoRiduzione e = letterale ? morella::test::AutoriduciLetterale(copia, 1, true, true, &s, p)
                                            : Autoriduci(copia, 1, true, true, &s, p);
        EXPECT_TRUE(e.possibilitaCalcolate);
        ASSERT_EQ(copia.Conta(), 1);
        EXPECT_EQ(Tipi(s.Lista(0)), (std::vector<std::vector<int>>{{1, 0, 0, 1}, {0, 1, 0, 2}}));
        EXPECT_DOUBLE_EQ(s.Lista(0).Tipi()[0].probabilita, 1.0 / 3);
        EXPECT_DOUBLE_EQ(s.Lista(0).Tipi()[1].probabilita, 2.0 / 3);
        // A wrong sign at event 1: the kept column misses there whatever came out.
        EXPECT_EQ(Tipi(s.Lista(1)), (std::vector<std::vector<int>>{{0, 1, 0, 3}}));
        // At any other event: the first column now scores one less, the others two less.
        for (int i = 2; i <= 12; ++i)
            EXPECT_EQ(Tipi(s.Lista(i)), (std::vector<std::vector<int>>{{0, 1, 0, 1}, {0, 0, 1, 2}})) << i;
        // Event 2 is the only double; events 3..12 the singles; every case keeps a prize.
        EXPECT_DOUBLE_EQ(s.MediaDoppie(), 1.0);
        EXPECT_DOUBLE_EQ(s.MediaSingole(), 1.0);
    }
}

TEST(PossibilitaVincita, MedieSenzaDoppieOSenzaSingole)
{
    TGiocoTemporaneo g(GiocoEnalotto);
    T_ListaTipiDiVincite s;
    s.Lista(1).Registra(0, 1, 0);
    s.Lista(2).Registra(0, 1, 0);
    s.Lista(2).Registra(0, 1, 0);
    s.Lista(2).Registra(0, 0, 1);
    TPronostico p{};
    for (int i = 0; i < NumEvents; ++i) p[static_cast<std::size_t>(i)] = 7;
    p[1] = 5;
    s.Concludi(4, p);
    EXPECT_DOUBLE_EQ(s.Lista(2).Tipi()[0].probabilita, 0.5);
    EXPECT_DOUBLE_EQ(s.MediaDoppie(), 0.75);
    EXPECT_EQ(s.MediaSingole(), -1.0);
    const TPercentualeMedia m = PercentualeMedia(s);
    EXPECT_EQ(m.etichettaDoppia, "Errore  su una Doppia  :");
    EXPECT_EQ(m.valoreDoppia, "75.00");
    EXPECT_EQ(m.etichettaFissa, "Errore  su una Fissa     :");
    EXPECT_EQ(m.valoreFissa, "");
    s.Svuota();
    EXPECT_EQ(s.MediaDoppie(), -1.0);
    EXPECT_EQ(s.NumeroListe(), 13);
}

TEST(PossibilitaVincita, GriglieDellaFinestra)
{
    TGiocoTemporaneo g(GiocoTotip);
    TElencoTipiDiVincita e;
    e.Registra(1, 2, 3);
    e.CalcolaProbabilita(8);
    TGrigliaPossibilita gr = GrigliaPossibilita(e);
    EXPECT_EQ(gr.intestazioni, (std::vector<std::string>{"12", "11", "10", "Perc."}));
    ASSERT_EQ(gr.righe.size(), 7u);
    EXPECT_EQ(gr.righe[0], (std::vector<std::string>{"1", "2", "3", "12.50"}));
    EXPECT_EQ(gr.righe[6], (std::vector<std::string>(4, "")));
    for (int k = 0; k < 9; ++k) e.Registra(0, 0, k + 10);
    EXPECT_EQ(GrigliaPossibilita(e).righe.size(), 10u);

    TGiocoTemporaneo toto(GiocoToto);
    gr = GrigliaPossibilita(e);
    EXPECT_EQ(gr.intestazioni, (std::vector<std::string>{"13", "12", "Perc."}));
    EXPECT_EQ(gr.righe[0].size(), 3u);
    EXPECT_EQ(TestoPercentuale(1.0), "100.00");
    EXPECT_EQ(TestoPercentuale(-1.0), "");
}

TEST(PossibilitaVincita, EventiSelezionabiliNellaFinestra)
{
    TGiocoTemporaneo g(GiocoTotip);
    TPronostico p = Da("1X21X21X21X2");
    p[0] = 7;
    p[1] = 7;
    p[2] = 3;
    TEventiPossibilita ev = EventiPossibilita(p);
    ASSERT_EQ(ev.selezionabile.size(), 12u);
    EXPECT_FALSE(ev.selezionabile[0]);
    EXPECT_FALSE(ev.selezionabile[1]);
    EXPECT_TRUE(ev.selezionabile[2]);
    EXPECT_EQ(ev.primoSelezionato, 3);
    for (int i = 0; i < 12; ++i) p[static_cast<std::size_t>(i)] = 7;
    EXPECT_EQ(EventiPossibilita(p).primoSelezionato, 0);
}
