#include <gtest/gtest.h>

#include "CartellaTemporanea.h"
#include "UTCondiz.h"

using namespace morella;

namespace {

TBytes Blocco(const TTabellaValori& t)
{
    TScrittoreBinario f;
    t.Scrivi(f);
    return f.Dati();
}

}  // namespace

TEST(TabellaValori, BloccoAiSuoiPostiEStessaLunghezzaConOSenzaConsecutivita)
{
    TTabellaValori t(12, true);
    t.ImpostaStato(0, 0, StatoAmmesso);
    t.ImpostaStato(0, 5, StatoInRecupero, 3);
    t.ImpostaStato(0, 12, StatoAmmesso);
    t.ImpostaStato(1, 2, StatoInRecupero, 9);
    t.Sotto[0].Link = 'C';
    t.Sotto[0].GruppoTra = 0x0107;
    t.Sotto[1].Link = 'Z';
    t.DaEvento = 2;
    t.AEvento = 11;
    t.Prepara(true);

    const TBytes b = Blocco(t);
    ASSERT_EQ(b.size(), 76u);
    TBytes atteso(76, 0);
    atteso[0] = 1;  // InUso
    atteso[1] = 'C';
    atteso[2] = 0x07;
    atteso[3] = 0x01;
    atteso[4 + 0] = 1;
    atteso[4 + 1] = 1;  // an admitted value carries level 1 unless told otherwise
    atteso[4 + 10] = 2;
    atteso[4 + 11] = 3;
    atteso[4 + 24] = 1;
    atteso[4 + 25] = 1;
    atteso[36] = 1;
    atteso[37] = 'Z';
    atteso[36 + 4 + 4] = 2;
    atteso[36 + 4 + 5] = 9;
    atteso[72] = 2;
    atteso[74] = 11;
    EXPECT_EQ(b, atteso);

    EXPECT_EQ(Blocco(TTabellaValori(12, false)).size(), 76u);
    EXPECT_EQ(Blocco(TTabellaValori(99, false)).size(), 424u);
    EXPECT_EQ(Blocco(TTabellaValori(999, true)).size(), 4024u);

    TTabellaValori letta(12, true);
    TLettoreBinario r(b);
    ASSERT_TRUE(letta.Leggi(r));
    EXPECT_TRUE(r.AllaFine());
    EXPECT_EQ(Blocco(letta), b);
}

TEST(TabellaValori, PreparaEAmmissione)
{
    TTabellaValori t(12, true);
    EXPECT_FALSE(t.Prepara(true));  // all excluded: not active, admits everything
    EXPECT_TRUE(t.Ammette(7, 7, nullptr));

    t.ImpostaStato(0, 4, StatoAmmesso);
    EXPECT_TRUE(t.Prepara(true));
    EXPECT_TRUE(t.Sotto[0].InUso);
    EXPECT_FALSE(t.Sotto[1].InUso);
    EXPECT_TRUE(t.Ammette(4, 11, nullptr));  // runs not in use: any run
    EXPECT_FALSE(t.Ammette(5, 0, nullptr));
    EXPECT_FALSE(t.Ammette(13, 0, nullptr));  // above Massimo: never admitted, never read
    EXPECT_FALSE(t.Ammette(-1, 0, nullptr));

    t.ImpostaStato(1, 2, StatoAmmesso);
    t.Prepara(true);
    EXPECT_TRUE(t.Ammette(4, 2, nullptr));
    EXPECT_FALSE(t.Ammette(4, 3, nullptr));

    // The owner switched off: nothing in use, everything admitted.
    EXPECT_FALSE(t.Prepara(false));
    EXPECT_TRUE(t.Ammette(5, 3, nullptr));

    // Without consecutiveness the second sub-table is never used.
    TTabellaValori s(12, false);
    s.ImpostaStato(1, 2, StatoAmmesso);
    EXPECT_FALSE(s.Prepara(true));
}

TEST(TabellaValori, AzzeraMinimoMassimoESommaTra)
{
    TTabellaValori t(12, true);
    EXPECT_EQ(t.MinimoAmmesso(0), -1);
    t.ImpostaStato(0, 3, StatoInRecupero, 1);
    t.ImpostaStato(0, 8, StatoAmmesso);
    t.ImpostaStato(1, 1, StatoAmmesso);
    EXPECT_EQ(t.MinimoAmmesso(0), 3);
    EXPECT_EQ(t.MassimoAmmesso(0), 8);

    t.Sotto[0].GruppoTra = 3;
    t.Sotto[1].GruppoTra = 30;
    t.Prepara(true);
    TSommeTra somme{};
    t.SommaTra(4, 2, somme);
    t.SommaTra(5, 1, somme);
    EXPECT_EQ(somme[3], 9);
    EXPECT_EQ(somme[30], 3);

    // A group number outside 1..30 (from a damaged file) is never used as an index.
    t.Sotto[0].GruppoTra = 31;
    t.Sotto[1].GruppoTra = -2;
    t.Prepara(true);
    TSommeTra vuote{};
    t.SommaTra(4, 2, vuote);
    EXPECT_EQ(vuote, TSommeTra{});

    t.DaEvento = 4;
    t.Azzera();
    EXPECT_FALSE(t.Prepara(true));
    EXPECT_EQ(t.Sotto[0].Link, 'A');
    EXPECT_EQ(t.Sotto[0].GruppoTra, 0);
    EXPECT_EQ(t.DaEvento, 1);
    EXPECT_EQ(t.AEvento, NumEvents);
}

TEST(TabellaValori, BlocchiDanneggiatiResiInnocui)
{
    TTabellaValori t(12, true);
    t.ImpostaStato(0, 6, StatoAmmesso);
    const TBytes buono = Blocco(t);

    // Short: fails and leaves the table untouched.
    for (std::size_t n = 0; n < buono.size(); ++n) {
        TTabellaValori x(12, true);
        x.ImpostaStato(0, 1, StatoAmmesso);
        TLettoreBinario r(buono.data(), n);
        EXPECT_FALSE(x.Leggi(r));
        EXPECT_EQ(x.Stato(0, 1), StatoAmmesso);
        EXPECT_EQ(x.Stato(0, 6), StatoEscluso);
    }

    // A state that no editor writes reads as excluded; a range beyond the column as the
    // whole column.
    TBytes guasto = buono;
    guasto[4 + 2 * 7] = 9;
    guasto[72] = 0;
    guasto[74] = 40;
    TTabellaValori x(12, true);
    TLettoreBinario r(guasto);
    ASSERT_TRUE(x.Leggi(r));
    EXPECT_EQ(x.Stato(0, 7), StatoEscluso);
    EXPECT_EQ(x.DaEvento, 1);
    EXPECT_EQ(x.AEvento, 12);
    guasto[72] = 9;
    guasto[74] = 3;  // reversed range
    TLettoreBinario r2(guasto);
    ASSERT_TRUE(x.Leggi(r2));
    EXPECT_EQ(x.DaEvento, 1);
    EXPECT_EQ(x.AEvento, 12);
}

TEST(TabellaIntervalli, BloccoEAmmissione)
{
    TTabellaIntervalli t;
    EXPECT_TRUE(t.Aggiungi({1.5, 2.5, 1, 0}));
    EXPECT_TRUE(t.Aggiungi({2.0, 4.0, 2, 1}));
    t.Link = 'B';
    EXPECT_TRUE(t.Prepara(true));
    EXPECT_TRUE(t.Ammette(2.0, nullptr));  // the first interval decides
    EXPECT_TRUE(t.Ammette(3.0, nullptr));  // in recupero without links: admitted
    EXPECT_FALSE(t.Ammette(4.5, nullptr));
    EXPECT_FALSE(t.Prepara(false));
    EXPECT_TRUE(t.Ammette(4.5, nullptr));

    TElencoLink link;
    t.Prepara(true);
    EXPECT_TRUE(t.Ammette(3.0, &link));   // level 1 once
    EXPECT_FALSE(t.Ammette(3.0, &link));  // twice by the same column
    EXPECT_EQ(link.DellaLettera('B').ErroriCorrenti, 2);

    TScrittoreBinario f;
    t.Scrivi(f);
    ASSERT_EQ(f.Dati().size(), 2023u);
    EXPECT_EQ(f.Dati()[2020], 2);  // NumeroIntervalli
    EXPECT_EQ(f.Dati()[2022], 'B');
    TTabellaIntervalli letta;
    TLettoreBinario r(f.Dati());
    ASSERT_TRUE(letta.Leggi(r));
    TScrittoreBinario g;
    letta.Scrivi(g);
    EXPECT_EQ(g.Dati(), f.Dati());

    // An absurd count is cut to the 101 slots there are.
    TBytes guasto = f.Dati();
    guasto[2020] = 0xFF;
    guasto[2021] = 0x7F;
    TLettoreBinario r2(guasto);
    ASSERT_TRUE(letta.Leggi(r2));
    EXPECT_EQ(letta.NumeroIntervalli, 101);
    letta.Prepara(true);
    EXPECT_FALSE(letta.Ammette(1000.0, nullptr));
    TLettoreBinario corto(f.Dati().data(), 2022);
    EXPECT_FALSE(letta.Leggi(corto));
}

TEST(Link, LivelliErroriEBlocco)
{
    TElencoLink link;
    EXPECT_TRUE(link.ErroreLink('A', 2));
    EXPECT_TRUE(link.ErroreLink('A', 2));
    EXPECT_FALSE(link.ErroreLink('A', 2));   // level 2 tolerates two uses
    EXPECT_FALSE(link.ErroreLink('A', 0));   // level 0 tolerates none
    EXPECT_TRUE(link.ErroreLink('A', 999));  // taken as 255
    EXPECT_FALSE(link.ErroreLink('a', 5));   // not a link
    EXPECT_EQ(link.DellaLettera('A').ErroriCorrenti, 5);
    EXPECT_EQ(link.DellaLettera('A').RifiutiPerLivello[2], 1);
    EXPECT_EQ(link.DellaLettera('A').Usi, 5);

    link.AzzeraColonna();
    EXPECT_EQ(link.DellaLettera('A').ErroriCorrenti, 0);
    EXPECT_EQ(link.DellaLettera('A').Contatore(2), 0);
    EXPECT_TRUE(link.ErroreLink('A', 1));

    link.ImpostaLettereInUso("AZA?b");
    EXPECT_EQ(link.LettereInUso(), "AZ");

    link.DellaLettera('Q').Errori.ImpostaStato(0, 4, StatoAmmesso);
    link.ErroriTotali.ImpostaStato(0, 0, StatoAmmesso);
    TScrittoreBinario f;
    link.Scrivi(f);
    ASSERT_EQ(f.Dati().size(), 11448u);
    EXPECT_EQ(f.Dati()[('Q' - 'A') * 424 + 4 + 8], 1);
    EXPECT_EQ(f.Dati()[26 * 424 + 4], 1);
    TElencoLink letto;
    TLettoreBinario r(f.Dati());
    ASSERT_TRUE(letto.Leggi(r));
    TScrittoreBinario g;
    letto.Scrivi(g);
    EXPECT_EQ(g.Dati(), f.Dati());
    TLettoreBinario corto(f.Dati().data(), 11447);
    EXPECT_FALSE(letto.Leggi(corto));
}

TEST(TabellaValori, FormaStampata)
{
    TTabellaValori t(12, true);
    TRigheStampa vuota;
    t.Stampa("Segni 1", vuota);
    EXPECT_TRUE(vuota.Righe.empty());  // not active: nothing

    t.ImpostaStato(0, 3, StatoAmmesso);
    t.ImpostaStato(0, 4, StatoInRecupero, 7);
    t.ImpostaStato(1, 2, StatoAmmesso);
    t.Sotto[0].GruppoTra = 5;
    t.DaEvento = 2;
    t.Prepara(true);
    TRigheStampa s;
    s.Rientro = 1;
    t.Stampa("Segni 1", s);
    EXPECT_EQ(s.Righe,
              (std::vector<std::string>{" Segni 1", " Pt  Rec Liv", "   3", "   4   *   7", " Link A  Tra 5",
                                        " Cs  Rec Liv", "   2", " Link A", " Campo  Min 2  Max 12"}));
}
