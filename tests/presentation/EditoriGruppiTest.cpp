// The rules of the group, points-between and link editors: which intervals a table takes,
// which sequence settings OK refuses, what the link editor's copy gives back.
#include <gtest/gtest.h>

#include "EditoriGruppi.h"
#include "Sequele.h"

using namespace morella;

TEST(EditoriGruppi, IntervalliNeiLimiti)
{
    TTabellaIntervalli t;
    EXPECT_EQ(AggiungiIntervallo(t, {5, 3, StatoAmmesso, 1}), MessaggioMinimoMassimo);
    // A level 0 or beyond 99 would fall outside the links' counters.
    EXPECT_EQ(AggiungiIntervallo(t, {1, 2, StatoInRecupero, 0}), MessaggioLivelloIntervallo);
    EXPECT_EQ(AggiungiIntervallo(t, {1, 2, StatoInRecupero, 100}), MessaggioLivelloIntervallo);
    EXPECT_EQ(t.NumeroIntervalli, 0);
    for (int i = 0; i < TTabellaIntervalli::MassimoIntervalli; ++i)
        ASSERT_EQ(AggiungiIntervallo(t, {double(i), double(i), StatoAmmesso, 1}), "");
    EXPECT_EQ(AggiungiIntervallo(t, {0, 1, StatoAmmesso, 1}), MessaggioTroppiIntervalli);
    EXPECT_EQ(t.NumeroIntervalli, 101);

    // Changing keeps the same rules; deleting closes the gap.
    EXPECT_EQ(CambiaIntervallo(t, 3, {9, 8, StatoAmmesso, 1}), MessaggioMinimoMassimo);
    EXPECT_EQ(CambiaIntervallo(t, 3, {2.5, 2.5, StatoInRecupero, 99}), "");
    EXPECT_TRUE(EliminaIntervallo(t, 2));
    EXPECT_FALSE(EliminaIntervallo(t, 100));
    EXPECT_EQ(t.NumeroIntervalli, 100);
    EXPECT_EQ(t.Intervalli[2].Minimo, 2.5);
    EXPECT_EQ(t.Intervalli[2].Livello, 99);
    EXPECT_EQ(t.Intervalli[99].Minimo, 100);
    EXPECT_EQ(t.Intervalli[100].Minimo, 0);

    TTabellaIntervalli u = t;
    u.InUso = !t.InUso;
    EXPECT_TRUE(StessiIntervalli(t, u));
    u.Link = 'C';
    EXPECT_FALSE(StessiIntervalli(t, u));
    EXPECT_EQ(TestoLimite(12.5), "12.5");
    EXPECT_EQ(TestoLimite(0.0123), "0.0123");
}

TEST(EditoriGruppi, SequelaRifiutata)
{
    TSceltaSequela s;
    s.Tipo = TSequele::SequelaSchema;
    // The pattern decides its length: two signs from the first event.
    s.Schema[0] = Segno1;
    s.Schema[1] = SegnoX;
    TEsitoSequela e = ControllaSequela(s);
    EXPECT_EQ(e.Messaggio, "");
    EXPECT_EQ(e.Lunghezza, 2);
    s.SchemaContiguo = false;
    e = ControllaSequela(s);
    EXPECT_EQ(e.Messaggio, MessaggioSequelaNonContigua);
    EXPECT_TRUE(e.SulloSchema);
    s.SchemaContiguo = true;
    s.Schema[1] = 0;
    e = ControllaSequela(s);
    EXPECT_EQ(e.Messaggio, MessaggioSequelaCorta);
    EXPECT_TRUE(e.SulloSchema);

    // The other types take the field; a step of 0 would never move the window.
    s.Tipo = TSequele::Bitermine;
    s.Lunghezza = 1;
    EXPECT_EQ(ControllaSequela(s).Messaggio, MessaggioSequelaCorta);
    s.Lunghezza = 5;
    s.EventiCampo = 4;
    EXPECT_EQ(ControllaSequela(s).Messaggio, MessaggioSequelaLunga);
    s.EventiCampo = 12;
    s.PassoNonTrovata = 0;
    e = ControllaSequela(s);
    EXPECT_EQ(e.Messaggio, MessaggioPassoSequela);
    EXPECT_FALSE(e.SulloSchema);
    s.PassoNonTrovata = 1;
    e = ControllaSequela(s);
    EXPECT_EQ(e.Messaggio, "");
    EXPECT_EQ(e.Lunghezza, 5);
}

TEST(EditoriGruppi, CopiaDeiLinkRendeSoloIlCambiato)
{
    TElencoLink link;
    link.Link[3].Errori.ImpostaStato(0, 2, StatoAmmesso);
    link.Link[3].Errori.Sotto[0].InUso = true;
    EXPECT_EQ(MassimoInizialeLink(link.Link[3].Errori, 12), 12);
    link.Link[3].Errori.ImpostaStato(0, 40, StatoAmmesso);
    EXPECT_EQ(MassimoInizialeLink(link.Link[3].Errori, 12), 40);

    TCopiaLink copia(link);
    // Untouched, or only its derived flags different: nothing to give back.
    EXPECT_FALSE(copia.Conferma(link));
    EXPECT_TRUE(link.Link[3].Errori.Sotto[0].InUso);
    copia.Errori('B').ImpostaStato(0, 1, StatoInRecupero, 3);
    copia.Totale().ImpostaStato(0, 0, StatoAmmesso);
    TElencoLink prima = link;
    EXPECT_TRUE(copia.Conferma(link));
    EXPECT_EQ(link.Link[1].Errori.Stato(0, 1), StatoInRecupero);
    EXPECT_EQ(link.Link[1].Errori.Livello(0, 1), 3);
    EXPECT_EQ(link.ErroriTotali.Stato(0, 0), StatoAmmesso);
    // The others are left exactly as they were.
    EXPECT_EQ(link.Link[3].Errori.Sotto, prima.Link[3].Errori.Sotto);
}
