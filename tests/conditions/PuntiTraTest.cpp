#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

#include "AiutiCondizioni.h"
#include "CartellaTemporanea.h"
#include "ImpostazioniRicerca.h"
#include "MisureLetterali.h"
#include "TestoColonnaEsteso.h"
#include "TestoColonne.h"
#include "UTCondiz.h"

using namespace morella;

using morella::test::Col;

using morella::test::Ammetti;
using morella::test::Blocco;

namespace {

TIntervallo Intervallo(double minimo, double massimo, std::int16_t stato = 1, std::int16_t livello = 1)
{
    return {minimo, massimo, stato, livello};
}

struct TSistemaProva {
    TElencoLink link;
    TElencoCondizioni elenco{&link};
    TNumeroSegni& Segni() { return *elenco.Condizione<TNumeroSegni>(TipoNumeroSegni); }
    TPariDispari& PariDispari() { return *elenco.Condizione<TPariDispari>(TipoPariDispari); }
    TPuntiTra& PuntiTra() { return *elenco.Condizione<TPuntiTra>(TipoPuntiTra); }
    TColonnaFiltro& Filtro(const char* filtro)
    {
        auto e = CreaColonnaFiltro(Col(filtro), {});
        auto* p = e.get();
        elenco.Condizione<TGruppoCondizioni>(TipoGruppoColonneFiltro)->Aggiungi(std::move(e));
        return *p;
    }
};

}  // namespace

TEST(PuntiTra, BloccoConISoliGruppiFinoAllUltimoPieno)
{
    TPuntiTra pt;
    EXPECT_EQ(Blocco(pt), (TBytes{15, 1, 0, 0, 0, 0}));
    ASSERT_EQ(pt.NumeroGruppi(), 0);

    pt.Gruppo(3).Aggiungi(Intervallo(2.5, 7));
    pt.Gruppo(3).Aggiungi(Intervallo(9, 9, 2, 4));
    pt.Gruppo(3).Link = 'M';
    pt.Gruppo(1).Link = 'B';  // no interval: not what decides the count
    pt.Attivato = false;
    const TBytes b = Blocco(pt);
    ASSERT_EQ(pt.NumeroGruppi(), 3);
    // A disabled condition keeps its groups in the file.
    ASSERT_EQ(b.size(), TPuntiTra::DimensioneBlocco(3));
    ASSERT_EQ(b.size(), 6u + 3 * 2023u);
    EXPECT_EQ(b[0], 15);
    EXPECT_EQ(b[1], 0);
    EXPECT_EQ((TBytes(b.begin() + 2, b.begin() + 6)), (TBytes{3, 0, 0, 0}));
    EXPECT_EQ(b[6 + 2022], 'B');
    const std::size_t g3 = 6 + 2 * 2023;
    double minimo = 0;
    std::memcpy(&minimo, b.data() + g3, 8);
    EXPECT_EQ(minimo, 2.5);
    EXPECT_EQ(b[g3 + 20 + 16], 2);  // second interval: state
    EXPECT_EQ(b[g3 + 20 + 18], 4);  // level
    EXPECT_EQ(b[g3 + 2020], 2);     // NumeroIntervalli
    EXPECT_EQ(b[g3 + 2022], 'M');

    TLettoreBinario r(b);
    std::uint8_t tipo = 0;
    ASSERT_TRUE(r.Byte(tipo));
    auto letto = CreaCondizione(tipo);
    ASSERT_TRUE(letto->Leggi(r));
    EXPECT_TRUE(r.AllaFine());
    EXPECT_EQ(Blocco(*letto), b);
    EXPECT_EQ(Blocco(*pt.Clona()), b);
    EXPECT_FALSE(letto->Attivato);

    // The last group counts too.
    TPuntiTra ultimo;
    ultimo.Gruppo(30).Aggiungi(Intervallo(0, 1));
    EXPECT_EQ(Blocco(ultimo).size(), TPuntiTra::DimensioneBlocco(30));
}

TEST(PuntiTra, LetturaAzzeraPrimaEControllaIlConteggio)
{
    TPuntiTra scritto;
    scritto.Gruppo(2).Aggiungi(Intervallo(1, 4));
    const TBytes b = Blocco(scritto);

    auto leggi = [](const TBytes& dati, TPuntiTra& pt) {
        TLettoreBinario r(dati);
        std::uint8_t tipo = 0;
        r.Byte(tipo);
        return pt.Leggi(r);
    };
    // Whatever the object held before is gone, even the groups beyond the stored count.
    TPuntiTra pt;
    pt.Gruppo(7).Aggiungi(Intervallo(0, 3));
    ASSERT_TRUE(leggi(b, pt));
    EXPECT_EQ(pt.NumeroGruppi(), 2);
    EXPECT_EQ(pt.Gruppo(7).NumeroIntervalli, 0);

    for (std::int32_t n : {31, -1, 1000000, INT32_MIN}) {
        TBytes guasto = b;
        std::memcpy(guasto.data() + 2, &n, 4);
        TPuntiTra altro;
        EXPECT_FALSE(leggi(guasto, altro)) << n;
        EXPECT_EQ(altro.NumeroGruppi(), 0);
    }
    for (std::size_t n = 1; n < b.size(); ++n) {
        TPuntiTra corto;
        EXPECT_FALSE(leggi(TBytes(b.begin(), b.begin() + static_cast<std::ptrdiff_t>(n)), corto)) << n;
    }
    // A damaged count of intervals is held within the table.
    TBytes troppi = b;
    troppi[6 + 2 * 2023 - 3] = 0xFF;
    troppi[6 + 2 * 2023 - 2] = 0x7F;
    TPuntiTra tagliato;
    ASSERT_TRUE(leggi(troppi, tagliato));
    EXPECT_EQ(tagliato.Gruppo(2).NumeroIntervalli, TTabellaIntervalli::MassimoIntervalli);
}

TEST(PuntiTra, PreparaEGruppiVuoti)
{
    TPuntiTra pt;
    EXPECT_FALSE(pt.Prepara());
    pt.Gruppo(2).Aggiungi(Intervallo(5, 6));
    pt.Gruppo(4).Aggiungi(Intervallo(0, 0));
    EXPECT_TRUE(pt.Prepara());
    EXPECT_EQ(pt.GruppiInUso(), 4);
    // Group 1 and 3 have no interval: any sum passes them.
    TSommeTra somme{};
    somme[1] = -40;
    somme[2] = 5;
    somme[3] = 1000;
    EXPECT_TRUE(pt.AmmetteSomme(somme));
    somme[4] = 1;
    EXPECT_FALSE(pt.AmmetteSomme(somme));
    somme[4] = 0;
    somme[2] = 7;
    EXPECT_FALSE(pt.AmmetteSomme(somme));

    pt.Attivato = false;
    EXPECT_FALSE(pt.Prepara());
    EXPECT_EQ(pt.GruppiInUso(), 0);
    EXPECT_EQ(pt.NumeroGruppi(), 4);

    pt.AzzeraGruppi();
    EXPECT_TRUE(pt.Attivato);
    EXPECT_EQ(pt.NumeroGruppi(), 0);
}

TEST(PuntiTra, SommaDiPiuCondizioniNelloStessoGruppo)
{
    TSistemaProva s;
    // "Segni 1" and the points against a filter column both go to group 3.
    auto& segni1 = s.Segni().Tabella(0);
    Ammetti(segni1, 0, 0, 12);
    segni1.Sotto[0].GruppoTra = 3;
    auto& filtro = s.Filtro("222222******");
    Ammetti(filtro.Tabella(0), 0, 0, 12);
    filtro.Tabella(0).Sotto[0].GruppoTra = 3;
    s.PuntiTra().Gruppo(3).Aggiungi(Intervallo(9, 9));
    s.elenco.PreparaVerifica(false);
    ASSERT_TRUE(s.elenco.PuntiTraAttivo());
    ASSERT_EQ(s.elenco.NumeroAttive(), 3);

    // Four "1" and five "2" among the filtered events: 4 + 5.
    EXPECT_TRUE(s.elenco.VerificaColonna(Col("X22222XX1111")));
    EXPECT_EQ(s.elenco.SommeTra[3], 9);
    EXPECT_FALSE(s.elenco.VerificaColonna(Col("222222111111")));
    EXPECT_EQ(s.elenco.SommeTra[3], 12);
    // The sums start afresh with each column.
    EXPECT_TRUE(s.elenco.VerificaColonna(Col("12222X1111XX")));
    EXPECT_EQ(s.elenco.SommeTra[3], 9);

    // An earlier condition rejects: the evaluation stops and the sum is never judged.
    Ammetti(s.PariDispari().Tabella(TPariDispari::TabellaDispari), 0, 0, 1);
    s.PuntiTra().Gruppo(3).Intervalli[0] = Intervallo(9, 9, 2, 1);
    s.PuntiTra().Gruppo(3).Link = 'T';
    s.elenco.PreparaVerifica(false);
    EXPECT_EQ(s.link.LettereInUso(), "T");
    EXPECT_FALSE(s.elenco.VerificaColonna(Col("X2X222111111")));
    EXPECT_EQ(s.elenco.SommeTra[3], 6);  // slot 1 added its part, the filter column never ran
    EXPECT_EQ(s.link.DellaLettera('T').Usi, 0);

    // Collecting errors, every condition runs, and the points-between is listed last.
    s.elenco.PreparaVerifica(true);
    EXPECT_FALSE(s.elenco.VerificaColonna(Col("X2X2X2X11111")));
    EXPECT_EQ(s.elenco.SommeTra[3], 8);
    ASSERT_EQ(s.elenco.Errori.size(), 2u);
    EXPECT_EQ(s.elenco.Errori[0].Condizione, &s.PariDispari());
    EXPECT_EQ(s.elenco.Errori[1].Condizione, &s.PuntiTra());

    // In recupero: a sum of 9 costs one error on link "T".
    Ammetti(s.PariDispari().Tabella(TPariDispari::TabellaDispari), 0, 0, 12);
    s.elenco.PreparaVerifica(false);
    EXPECT_TRUE(s.elenco.VerificaColonna(Col("X22222XX1111")));
    EXPECT_EQ(s.link.DellaLettera('T').Usi, 1);
    s.link.DellaLettera('T').Errori.ImpostaStato(0, 0, StatoAmmesso);
    s.elenco.PreparaVerifica(false);
    EXPECT_FALSE(s.elenco.VerificaColonna(Col("X22222XX1111")));
}

TEST(PuntiTra, NellaRicercaStoricaIGruppiDiCondizioniIgnorateNonSonoGiudicati)
{
    TSistemaProva s;
    // Group 1: points against a filter column; group 2: the count of "1".
    auto& filtro = s.Filtro("111111111111");
    Ammetti(filtro.Tabella(0), 0, 0, 12);
    filtro.Tabella(0).Sotto[0].GruppoTra = 1;
    auto& segni1 = s.Segni().Tabella(0);
    Ammetti(segni1, 0, 0, 12);
    segni1.Sotto[0].GruppoTra = 2;
    s.PuntiTra().Gruppo(1).Aggiungi(Intervallo(6, 12));
    s.PuntiTra().Gruppo(2).Aggiungi(Intervallo(4, 12));
    T_ImpostazioniRicerca ricerca;
    s.elenco.Sorgenti.Ricerca = &ricerca;
    const TColonna sei = Col("111111222222"), tre = Col("111222222222");

    // Filter columns ignored in the replay: group 1 cannot be summed and is not judged,
    // group 2 still is.
    s.elenco.ModoArchivio = true;
    ricerca.IgnoraColonneFiltro = true;
    s.elenco.PreparaVerifica(false);
    EXPECT_TRUE(s.PuntiTra().GruppoSaltato(1));
    EXPECT_FALSE(s.PuntiTra().GruppoSaltato(2));
    EXPECT_TRUE(s.elenco.VerificaColonna(sei));
    EXPECT_FALSE(s.elenco.VerificaColonna(tre));

    // Taken into account, the filter column's points are judged again.
    ricerca.IgnoraColonneFiltro = false;
    s.elenco.PreparaVerifica(false);
    EXPECT_FALSE(s.PuntiTra().GruppoSaltato(1));
    EXPECT_TRUE(s.elenco.VerificaColonna(sei));
    segni1.Sotto[0].GruppoTra = 1;  // now 6 + 6 = 12 in group 1, nothing in group 2
    s.elenco.PreparaVerifica(false);
    EXPECT_FALSE(s.elenco.VerificaColonna(sei));

    // Outside the replay nothing is skipped, whatever the settings say.
    s.elenco.ModoArchivio = false;
    ricerca.IgnoraColonneFiltro = true;
    segni1.Sotto[0].GruppoTra = 2;
    s.elenco.PreparaVerifica(false);
    EXPECT_FALSE(s.PuntiTra().GruppoSaltato(1));
    EXPECT_TRUE(s.elenco.VerificaColonna(sei));
    EXPECT_FALSE(s.elenco.VerificaColonna(Col("222222222222")));  // 0 points in group 1
}

TEST(PuntiTra, SommeDiValoriERunDiTipiDiversiSuTuttoLoSviluppo)
{
    TSistemaProva s;
    auto& ns = s.Segni();
    for (int t = 0; t < 3; ++t) {
        Ammetti(ns.Tabella(t), 0, 0, 12);
        Ammetti(ns.Tabella(t), 1, 0, 12);
    }
    // Group 1: the counts of "1" and "X"; group 2: the run of "2" and the filter's streak;
    // group 5: the filter's points and the odd runs.
    ns.Tabella(0).Sotto[0].GruppoTra = 1;
    ns.Tabella(1).Sotto[0].GruppoTra = 1;
    ns.Tabella(2).Sotto[1].GruppoTra = 2;
    auto& pd = s.PariDispari();
    Ammetti(pd.Tabella(TPariDispari::TabellaDispari), 0, 0, 12);
    pd.Tabella(TPariDispari::TabellaDispari).Sotto[0].GruppoTra = 5;
    auto& filtro = s.Filtro("(1X)(X2)*1*(12)2X(1X2)1**");
    Ammetti(filtro.Tabella(0), 0, 0, 12);
    Ammetti(filtro.Tabella(0), 1, 0, 12);
    filtro.Tabella(0).Sotto[0].GruppoTra = 5;
    filtro.Tabella(0).Sotto[1].GruppoTra = 2;
    auto& pt = s.PuntiTra();
    pt.Gruppo(1).Aggiungi(Intervallo(4, 7));
    pt.Gruppo(1).Aggiungi(Intervallo(10, 12));
    pt.Gruppo(2).Aggiungi(Intervallo(3, 8.5));
    pt.Gruppo(5).Aggiungi(Intervallo(5, 11));
    s.elenco.PreparaVerifica(false);

    const test::TCampo tutto{1, 12};
    int accettate = 0;
    for (std::uint32_t codice = 0; codice < 531441; ++codice) {
        TColonna c{};
        std::uint32_t r = codice;
        for (int i = NumEvents - 1; i >= 0; --i, r /= 3)
            c[static_cast<std::size_t>(i)] = SegnoDaCifra(static_cast<int>(r % 3));
        const auto m = test::LetteraleNumeroSegni(c, {tutto, tutto, tutto});
        const TMisura dispari = test::LetteralePariDispari(c, tutto, true);
        // The filter column, event by event.
        int punti = 0, serie = 0, piuLunga = 0;
        for (int i = 0; i < 12; ++i) {
            const int f = filtro.ColonnaFiltro[static_cast<std::size_t>(i)];
            if (!f) continue;
            if (c[static_cast<std::size_t>(i)] & f) {
                ++punti;
                piuLunga = std::max(piuLunga, ++serie);
            } else {
                serie = 0;
            }
        }
        const int g1 = m[0].Valore + m[1].Valore;
        const int g2 = m[2].Run + piuLunga;
        const int g5 = dispari.Valore + punti;
        const bool attesa =
            ((g1 >= 4 && g1 <= 7) || (g1 >= 10 && g1 <= 12)) && g2 >= 3 && g2 <= 8 && g5 >= 5 && g5 <= 11;
        const bool esito = s.elenco.VerificaColonna(c);
        ASSERT_EQ(esito, attesa) << TestoColonna(c);
        ASSERT_EQ(s.elenco.SommeTra[1], g1);
        ASSERT_EQ(s.elenco.SommeTra[2], g2);
        ASSERT_EQ(s.elenco.SommeTra[5], g5);
        accettate += esito;
    }
    EXPECT_GT(accettate, 1000);
    EXPECT_LT(accettate, 500000);
}
