// Sign statistics per event over the archive against a recount from the positions where
// each sign came out, and the sign counts of a column list with condensed records.
#include <gtest/gtest.h>

#include "Banco.h"
#include "ListaColonne.h"
#include "StatisticheSegni.h"

using namespace morella;
using namespace morella::test;

namespace {

// The same counters read off the list of contests in which the sign came out: a delay is the
// number of contests between two times (from the start for the first), the current one the
// number of contests since the last time.
T_ContatoriSegno Riconta(const std::vector<const T_Concorso*>& concorsi, int evento, TSegni segno,
                         std::int32_t ultimaStagione)
{
    T_ContatoriSegno c;
    const int n = static_cast<int>(concorsi.size());
    int precedente = 0, serie = 0;
    for (int p = 1; p <= n; ++p) {
        const T_Concorso& k = *concorsi[static_cast<std::size_t>(p - 1)];
        if (k.ColonnaVincente[static_cast<std::size_t>(evento)] != segno) {
            serie = 0;
            continue;
        }
        ++c.Frequenza;
        if (k.Stagione == ultimaStagione) ++c.FrequenzaAnnuale;
        c.RitardoMassimo = std::max(c.RitardoMassimo, p - precedente - 1);
        precedente = p;
        c.ConsecutiviMassimi = std::max(c.ConsecutiviMassimi, ++serie);
    }
    c.RitardoAttuale = n - precedente;
    c.RitardoMassimo = std::max(c.RitardoMassimo, c.RitardoAttuale);
    c.ConsecutiviAttuali = serie;
    return c;
}

void Stagione(TBanco& b, std::int32_t stagione, int quanti, std::uint32_t& x)
{
    for (int k = 0; k < quanti; ++k) {
        T_Concorso c;
        c.Stagione = stagione;
        c.Numero = static_cast<std::uint8_t>(k + 1);
        for (int i = 0; i < NumEvents; ++i) {
            x = x * 1103515245u + 12345u;
            // Skewed towards "1", so that runs happen.
            const unsigned r = (x >> 16) % 5;
            c.ColonnaVincente[static_cast<std::size_t>(i)] = r < 3 ? Segno1 : r == 3 ? SegnoX : Segno2;
        }
        c.AggiornaCompleto();
        b.archivio.Aggiungi(c);
    }
}

void Controlla(const TBanco& b, const T_ImpostazioniRicerca& ricerca)
{
    std::vector<const T_Concorso*> nel;
    for (const auto& c : b.archivio.Concorsi())
        if (ricerca.NelIntervallo(c)) nel.push_back(&c);
    const T_StatisticheSegni st = StatisticheSegni(b.archivio, ricerca);
    ASSERT_EQ(st.Concorsi, static_cast<int>(nel.size()));
    ASSERT_FALSE(nel.empty());
    EXPECT_EQ(st.UltimaStagione, nel.back()->Stagione);
    for (int i = 0; i < NumEvents; ++i)
        for (int s = 0; s < 3; ++s)
            EXPECT_EQ(st.Eventi[static_cast<std::size_t>(i)][static_cast<std::size_t>(s)],
                      Riconta(nel, i, SegnoDaCifra(s), st.UltimaStagione))
                << "evento " << i + 1 << " segno " << s;
}

}  // namespace

TEST(StatisticheSegni, ControUnRicontoLetterale)
{
    TBanco b;
    std::uint32_t x = 777;
    Stagione(b, 2019, 15, x);
    Stagione(b, 2020, 15, x);
    Stagione(b, 2021, 10, x);
    T_ImpostazioniRicerca tutto;
    tutto.TuttoLArchivio(b.archivio);
    Controlla(b, tutto);

    // Only 2020: its contests, and 2020 is the last season.
    T_ImpostazioniRicerca meta = tutto;
    meta.PrimaStagione = meta.UltimaStagione = 2020;
    meta.PrimoNumero = 1;
    meta.UltimoNumero = 15;
    Controlla(b, meta);
    EXPECT_EQ(StatisticheSegni(b.archivio, meta).UltimaStagione, 2020);
}

TEST(StatisticheSegni, ConteggiDiUnPiccoloArchivio)
{
    TBanco b;
    b.Concorsi({"111111111111", "1X1111111111", "111111111111", "X11111111112"});
    const T_StatisticheSegni st = StatisticheSegni(b.archivio, b.sistema.Ricerca);
    const auto& e2 = st.Eventi[1];
    // Event 2: 1, X, 1, 1.
    EXPECT_EQ(e2[0], (T_ContatoriSegno{3, 3, 0, 1, 2, 2}));
    EXPECT_EQ(e2[1], (T_ContatoriSegno{1, 1, 2, 2, 0, 1}));
    EXPECT_EQ(e2[2], (T_ContatoriSegno{0, 0, 4, 4, 0, 0}));
    EXPECT_DOUBLE_EQ(st.IC(1, 1), 1.0 / 4 * 2);
    // Event 12: "2" only in the last contest.
    EXPECT_EQ(st.Eventi[11][2], (T_ContatoriSegno{1, 1, 0, 3, 1, 1}));
    EXPECT_EQ(st.Eventi[11][0].RitardoAttuale, 1);

    // An incomplete contest counted too: at its empty event no sign came out.
    T_Concorso vuoto;
    vuoto.Stagione = 2000;
    vuoto.Numero = 5;
    vuoto.ColonnaVincente = Col("*11111111111");
    vuoto.AggiornaCompleto();
    b.archivio.Aggiungi(vuoto);
    T_ImpostazioniRicerca r;
    r.TuttoLArchivio(b.archivio);
    EXPECT_EQ(StatisticheSegni(b.archivio, r).Concorsi, 4);  // only complete contests by default
    r.SoloCompleti = false;
    const T_StatisticheSegni con = StatisticheSegni(b.archivio, r);
    EXPECT_EQ(con.Concorsi, 5);
    EXPECT_EQ(con.Eventi[0][0], (T_ContatoriSegno{3, 3, 2, 2, 0, 3}));
    EXPECT_EQ(con.Eventi[0][1].RitardoAttuale, 1);
}

TEST(FrequenzeSegniColonne, ICondensatiNonContanoDoveHannoPiuSegni)
{
    TListaColonne l;
    for (const char* c : {"111111111111", "1X2111111111", "(1X)X211111111(12)", "2(X2)(1X2)111111111"})
        l.Aggiungi(Col(c));
    const T_FrequenzeSegniColonne f = FrequenzeSegniColonne(l);
    EXPECT_EQ(f.Colonne, 4);
    EXPECT_EQ(f.Conteggi[0], (std::array<std::int64_t, 3>{2, 0, 1}));
    EXPECT_EQ(f.Conteggi[1], (std::array<std::int64_t, 3>{1, 2, 0}));
    EXPECT_EQ(f.Conteggi[2], (std::array<std::int64_t, 3>{1, 0, 2}));
    EXPECT_EQ(f.Conteggi[11], (std::array<std::int64_t, 3>{3, 0, 0}));
    EXPECT_EQ(f.Percentuale(0, 0), "50.00");
    EXPECT_EQ(f.Percentuale(1, 1), "50.00");
    EXPECT_EQ(f.Percentuale(11, 0), "75.00");
    EXPECT_EQ(f.Percentuale(0, 1), "0.00");
    EXPECT_EQ(FrequenzeSegniColonne(TListaColonne{}).Percentuale(0, 0), "0.00");

    TListaColonne tre;
    for (const char* c : {"111111111111", "111111111111", "X11111111111"}) tre.Aggiungi(Col(c));
    EXPECT_EQ(FrequenzeSegniColonne(tre).Percentuale(0, 0), "66.67");
}
