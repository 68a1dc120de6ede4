// What the development window shows, read without a window.
#include <gtest/gtest.h>

#include "TestiSviluppo.h"

using namespace morella;

TEST(TestiSviluppo, CostiDelCondizionamentoConIPartecipanti)
{
    // 729 initial, 100 kept, 300 examined so far, 800 lire a column, 3 participants.
    auto t = TestiCondizionamento(729, 100, 300, 800, 3);
    EXPECT_EQ(t.ColonneIniziali, "729 (£ 583200)");
    EXPECT_EQ(t.ColonneFinali, "100 (£ 26666 1/3)");  // 80000 shared by three
    EXPECT_EQ(t.ColonneFiltrate, "200 (£ 160000)");   // the filtered cost is not shared
    EXPECT_EQ(t.percentuale, 41);                     // 300 / 729 truncated

    auto solo = TestiCondizionamento(729, 100, 729, 800, 1);
    EXPECT_EQ(solo.ColonneFinali, "100 (£ 80000)");
    EXPECT_EQ(solo.percentuale, 100);
    // The opening update, before anything is examined, and an empty prediction.
    EXPECT_EQ(TestiCondizionamento(729, 0, 0, 800, 1).ColonneFiltrate, "0 (£ 0)");
    EXPECT_EQ(TestiCondizionamento(0, 0, 0, 800, 1).percentuale, 0);
    // The largest Totip development does not overflow the cost.
    EXPECT_EQ(TestiCondizionamento(531441, 531441, 531441, 10000, 1).ColonneIniziali,
              "531441 (£ 5314410000)");
}

TEST(TestiSviluppo, RiduzioneEFattore)
{
    auto t = TestiRiduzione(1000, 0, 0, 800, 2);
    EXPECT_EQ(t.LabelFattore, "");  // nothing kept yet: no factor
    EXPECT_EQ(t.LabelCR, "0");
    EXPECT_EQ(t.RColonneFinali, "0 (£ 0 1/2)");

    t = TestiRiduzione(1000, 3, 10, 800, 2);
    EXPECT_EQ(t.LabelFattore, "3.33");
    EXPECT_EQ(t.RColonneFiltrate, "7 (£ 5600)");
    EXPECT_EQ(t.RColonneFinali, "3 (£ 1200 1/2)");

    // In euro: the cost in cents, the paid columns of a Corsa + and the shares.
    t = TestiRiduzione(1000, 3, 10, 50, 2, 3, TValuta::Euro);
    EXPECT_EQ(t.RColonneFiltrate, "7 × 3 = 21 (€ 10,50)");
    EXPECT_EQ(t.RColonneFinali, "3 × 3 = 9 (€ 2,25 1/2)");
    EXPECT_EQ(t.percentuale, 1);

    t = TestiRiduzione(1000, 81, 1000, 800, 1);
    EXPECT_EQ(t.LabelFattore, "12.35");
    EXPECT_EQ(t.LabelCR, "1000");
    EXPECT_EQ(t.percentuale, 100);
    EXPECT_EQ(TestoFattore(5, 5), "1.00");
    EXPECT_EQ(TestoFattore(2, 3), "0.67");
}

TEST(TestiSviluppo, ConteggiPagatiConLaCorsaPiu)
{
    // Horses 3, 7 and 11: three pairs, every column paid three times, in the counts and
    // their costs alike; the reduction's counts too, the factor and the examined count not.
    auto c = TestiCondizionamento(1296, 98, 1296, 800, 1, 3);
    EXPECT_EQ(c.ColonneIniziali, "1296 × 3 = 3888 (£ 3110400)");
    EXPECT_EQ(c.ColonneFinali, "98 × 3 = 294 (£ 235200)");
    EXPECT_EQ(c.ColonneFiltrate, "1198 × 3 = 3594 (£ 2875200)");
    EXPECT_EQ(c.percentuale, 100);
    EXPECT_EQ(TestiCondizionamento(1296, 98, 1296, 800, 2, 3).ColonneFinali, "98 × 3 = 294 (£ 117600 1/2)");

    auto r = TestiRiduzione(98, 20, 98, 800, 1, 3);
    EXPECT_EQ(r.RColonneFinali, "20 × 3 = 60 (£ 48000)");
    EXPECT_EQ(r.RColonneFiltrate, "78 × 3 = 234 (£ 187200)");
    EXPECT_EQ(r.LabelFattore, "4.90");
    EXPECT_EQ(r.LabelCR, "98");

    // Two horses, or any other game, pay each column once: the texts as they always were.
    EXPECT_EQ(TestiCondizionamento(1296, 98, 1296, 800, 1, 1).ColonneIniziali, "1296 (£ 1036800)");
    EXPECT_EQ(TestiRiduzione(98, 20, 98, 800, 1, 1).RColonneFinali, "20 (£ 16000)");
}

TEST(TestiSviluppo, TitoloEInformazioni)
{
    TImpostazioniSviluppo imp;
    imp.GaranziaN1 = true;
    EXPECT_EQ(TitoloRiduzione(imp), "Autoriduzione N-1");
    imp.GaranziaN1 = false;
    EXPECT_EQ(TitoloRiduzione(imp), "Autoriduzione N-2");

    imp.Autoriduzione = true;
    imp.CalcoloPercentuali = true;
    TEsitoSviluppo esito;
    esito.ridotto = true;
    esito.riduzione.possibilitaCalcolate = true;
    EXPECT_TRUE(InformazioniAbilitate(imp, esito));

    imp.CalcoloPercentuali = false;
    EXPECT_FALSE(InformazioniAbilitate(imp, esito));
    imp.CalcoloPercentuali = true;

    // A precomputed reduced system computes no possibilities; a cancelled computation
    // leaves nothing to show.
    auto precalcolato = esito;
    precalcolato.ridottoPrecalcolato = true;
    EXPECT_FALSE(InformazioniAbilitate(imp, precalcolato));
    auto annullato = esito;
    annullato.riduzione.possibilitaCalcolate = false;
    EXPECT_FALSE(InformazioniAbilitate(imp, annullato));
    auto senzaRiduzione = esito;
    senzaRiduzione.ridotto = false;  // the list was empty
    EXPECT_FALSE(InformazioniAbilitate(imp, senzaRiduzione));
}

TEST(TestiSviluppo, QuoteDelleTorte)
{
    auto c = TortaCondizionamento(200, 50);
    ASSERT_EQ(c.size(), 2u);
    EXPECT_DOUBLE_EQ(c[0].valore, 25.0);
    EXPECT_DOUBLE_EQ(c[1].valore, 75.0);
    auto r = TortaRiduzione(50, 10);
    EXPECT_DOUBLE_EQ(r[0].valore, 20.0);
    EXPECT_DOUBLE_EQ(r[1].valore, 80.0);
    EXPECT_DOUBLE_EQ(TortaCondizionamento(0, 0)[0].valore, 0.0);
}

TEST(TestiSviluppo, IlMisuratoreSiRidisegnaSoloOltreDuePunti)
{
    TIndicatore g;
    EXPECT_FALSE(g.Aggiorna(1, false));
    EXPECT_FALSE(g.Aggiorna(2, false));
    EXPECT_TRUE(g.Aggiorna(3, false));  // more than 2 above 0
    EXPECT_EQ(g.Mostrata(), 3);
    EXPECT_FALSE(g.Aggiorna(5, false));
    EXPECT_TRUE(g.Aggiorna(6, false));
    EXPECT_TRUE(g.Aggiorna(6, true));  // the final update always draws
    EXPECT_TRUE(g.Aggiorna(0, true));  // and may go back to 0 for the next run
    EXPECT_EQ(g.Mostrata(), 0);

    // Over a whole run of 1000 columns the gauge is drawn about 34 times, not 1000.
    TIndicatore h;
    int disegni = 0;
    for (int i = 1; i <= 1000; ++i) disegni += h.Aggiorna(Percentuale(i, 1000), false);
    EXPECT_EQ(disegni, 33);
    EXPECT_EQ(h.Mostrata(), 99);
    EXPECT_TRUE(h.Aggiorna(100, true));
}

TEST(TestiSviluppo, AvanzamentoDellOttimizzazione)
{
    TAvanzamentoOttimizzazione a;
    // The first report sets the budget; the gauge follows the time spent.
    auto t = a.Aggiorna(3228, 3229, 10.0);
    EXPECT_EQ(t.stato, "Ottimizzazione: 3229 colonne (in prova 3228), 10 s rimasti");
    EXPECT_EQ(t.percentuale, 0);
    t = a.Aggiorna(3001, 3002, 2.5);
    EXPECT_EQ(t.stato, "Ottimizzazione: 3002 colonne (in prova 3001), 3 s rimasti");
    EXPECT_EQ(t.percentuale, 75);
    // At the end the size tried is the size kept, and a late report never goes below zero.
    t = a.Aggiorna(3002, 3002, -0.01);
    EXPECT_EQ(t.stato, "Ottimizzazione: 3002 colonne, 0 s rimasti");
    EXPECT_EQ(t.percentuale, 100);
    // Without a budget (a report after the time ran out) the gauge is full.
    EXPECT_EQ(TAvanzamentoOttimizzazione{}.Aggiorna(5, 5, 0.0).percentuale, 100);

    EXPECT_EQ(TestoTempoRimasto(0.2), "1 s");
    EXPECT_EQ(TestoTempoRimasto(59.0), "59 s");
    EXPECT_EQ(TestoTempoRimasto(59.5), "1 min 00 s");
    EXPECT_EQ(TestoTempoRimasto(605.0), "10 min 05 s");
}
