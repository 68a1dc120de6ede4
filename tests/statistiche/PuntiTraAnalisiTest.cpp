// The points-between series (the sum a group would judge, counted by interval) and the
// panel's archive statistics with a repetitions sub-condition.
#include <gtest/gtest.h>

#include "Analisi.h"
#include "Banco.h"
#include "MisureColonna.h"
#include "UTCondiz.h"

using namespace morella;
using namespace morella::test;

namespace {

void Tutti(TTabellaValori& t, int sotto, int gruppo)
{
    for (int v = 0; v <= t.Massimo(); ++v) t.ImpostaStato(sotto, v, StatoAmmesso);
    t.Sotto[static_cast<std::size_t>(sotto)].GruppoTra = static_cast<std::int16_t>(gruppo);
}

int Uni(const TColonna& c)
{
    return MisureColonna(c).NumeroSegni[0].Valore;
}

// Group 3: the number of "1" and the odd runs. Its intervals: 0-4, 5-9 in recupero; above,
// "Altri".
struct TGruppoTre : TBanco {
    TGruppoTre()
    {
        Tutti(Condizioni().Condizione<TNumeroSegni>(TipoNumeroSegni)->Tabella(0), 0, 3);
        Tutti(Condizioni().Condizione<TPariDispari>(TipoPariDispari)->Tabella(TPariDispari::TabellaDispari),
              0, 3);
        auto& g = Pt().Gruppo(3);
        g.Aggiungi({0, 4, 1, 1});
        g.Aggiungi({5, 9, 2, 1});
    }
    TPuntiTra& Pt() { return *Condizioni().Condizione<TPuntiTra>(TipoPuntiTra); }
    static int Atteso(const TColonna& c) { return Uni(c) + MisureColonna(c).Dispari.Valore; }
    static int Intervallo(int somma) { return somma <= 4 ? 0 : somma <= 9 ? 1 : 2; }
};

T_SceltaAnalisi Gruppo(int g)
{
    T_SceltaAnalisi s;
    s.GruppoTra = g;
    return s;
}

}  // namespace

TEST(PuntiTraAnalisi, SommaDelGruppoPerIntervalli)
{
    TGruppoTre b;
    b.Concorsi({"111111111111", "1X21X21X21X2", "XXXX11112222", "2X2X2X2X2X2X", "11XX22111XX2"});
    b.Pronostico("(1X2)(1X2)(1X2)111111111");
    const T_Analisi a = Analizza(b.Pt(), false, b.sistema, Gruppo(3));

    ASSERT_EQ(a.NumeroSerie(), 1);
    EXPECT_EQ(a.Serie[0].Nome, "Punti Tra");
    EXPECT_EQ(a.Serie[0].Etichette, (std::vector<std::string>{"0", "1", "Altri"}));
    EXPECT_EQ(a.Titoli[0], "Analisi Statistica dei Punti Tra del Gruppo 3");
    EXPECT_EQ(a.Titoli[3], "Analisi Colonnare dei Punti Tra del Gruppo 3");

    std::vector<int> archivio;
    for (const auto& c : b.archivio.Concorsi())
        archivio.push_back(TGruppoTre::Intervallo(TGruppoTre::Atteso(c.ColonnaVincente)));
    ControllaTabella(a.Serie[0].Archivio, true, archivio, 2);

    TListaColonne sviluppo;
    sviluppo.AggiungiEspansa(b.Dati().Pronostico, true);
    std::array<int, 3> integr{};
    for (const TColonna& c : sviluppo)
        ++integr[static_cast<std::size_t>(TGruppoTre::Intervallo(TGruppoTre::Atteso(c)))];
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(a.Serie[0].Integr.Frequenza(i), integr[static_cast<std::size_t>(i)]) << i;
        // Both intervals admit (one in recupero); "Altri" never does.
        EXPECT_EQ(a.Serie[0].CondS.Frequenza(i), i < 2 ? integr[static_cast<std::size_t>(i)] : 0) << i;
    }
    EXPECT_TRUE(a.Serie[0].Ammessi[0].InUso);
    EXPECT_FALSE(a.Serie[0].Ammessi[0].Ammette(2));

    // Another group with nothing assigned sums 0 everywhere; its empty table has only "Altri".
    const T_Analisi vuoto = Analizza(b.Pt(), false, b.sistema, Gruppo(7));
    EXPECT_EQ(vuoto.Serie[0].Etichette, std::vector<std::string>{"Altri"});
    EXPECT_EQ(vuoto.Serie[0].Integr.Frequenza(0), 27);
    EXPECT_EQ(vuoto.Titoli[1], "Analisi Statistica della Frequenza dei Punti Tra del Gruppo 7");
}

TEST(PuntiTraAnalisi, SoloCioCheLoSviluppoVerifica)
{
    TGruppoTre b;
    TPuntiTra& pt = b.Pt();
    TElencoCondizioni& e = b.Condizioni();
    const TColonna c = Col("111X1X221111");  // eight "1", the longest run of them four
    const int dispari = MisureColonna(c).Dispari.Valore;
    e.Prepara();
    pt.ImpostaGruppoAnalizzato(3);
    EXPECT_EQ(pt.SommaGruppo(c), 8 + dispari);
    pt.ImpostaGruppoAnalizzato(1);
    EXPECT_EQ(pt.SommaGruppo(c), 0);

    // A disabled condition is never verified, so it adds nothing.
    e.Condizione(TipoPariDispari)->Attivato = false;
    e.Prepara();
    pt.ImpostaGruppoAnalizzato(3);  // looks for the tables again
    EXPECT_EQ(pt.SommaGruppo(c), 8);
    e.Condizione(TipoPariDispari)->Attivato = true;

    // A consecutiveness element adds its longest run, and only where its counts table applies.
    auto elemento = std::make_unique<TConsecutivita>();
    elemento->Segno = Segno1;
    elemento->Tabella(TConsecutivita::TabellaConteggi).ImpostaStato(0, 8, StatoAmmesso);
    Tutti(elemento->Tabella(TConsecutivita::TabellaRun), 0, 3);
    e.Condizione<TGruppoCondizioni>(TipoGruppoConsecutivita)->Aggiungi(std::move(elemento));
    // A panel adds its count of accepting sub-conditions: two here, each admitting any "2".
    auto& quadro = *e.Condizione<TQuadro>(TipoQuadro);
    for (int k = 0; k < 2; ++k) {
        auto sotto = std::make_unique<TNumeroSegni>();
        for (int v = 0; v <= NumEvents; ++v) sotto->Tabella(2).ImpostaStato(0, v, StatoAmmesso);
        quadro.Aggiungi(std::move(sotto));
    }
    quadro.AggiornaPreset();
    quadro.CondizioniAccettate.Sotto[0].GruppoTra = 3;
    e.Prepara();
    pt.ImpostaGruppoAnalizzato(3);
    EXPECT_EQ(pt.SommaGruppo(c), 8 + dispari + 4 + 2);  // longest run of "1" is 4
    const TColonna nove = Col("111111111XX2");
    EXPECT_EQ(pt.SommaGruppo(nove), 9 + MisureColonna(nove).Dispari.Valore + 0 + 2);
}

TEST(PuntiTraAnalisi, RipetizioniSulleDuePrecedenti)
{
    // The repetitions table of group 1 compares each contest with the one just before it.
    TBanco b;
    b.Concorsi({"111111111111", "111111XXXXXX", "111111XXXXXX", "222222222222"});
    Tutti(b.Condizioni().Condizione<TRipetizioni>(TipoRipetizioni)->Tabella(TRipetizioni::TabellaUna), 0, 1);
    auto& g = b.Condizioni().Condizione<TPuntiTra>(TipoPuntiTra)->Gruppo(1);
    for (int v = 0; v <= 12; ++v) g.Aggiungi({static_cast<double>(v), static_cast<double>(v), 1, 1});
    const T_Analisi a = Analizza(*b.Condizioni().Condizione(TipoPuntiTra), true, b.sistema, Gruppo(1));
    // Nothing before the first contest; then 6, 12 and 0 events repeated.
    ControllaTabella(a.Serie[0].Archivio, true, {0, 6, 12, 0}, 12);
}

TEST(QuadroStatistiche, RipetizioniNelQuadroSulleDuePrecedenti)
{
    TBanco b;
    const char* A = "111111111111";
    const char* B = "222222111111";
    const char* C = "XXXXXX222222";
    const char* D = "XXXXXXXXXXXX";
    b.Concorsi({A, A, B, C, D});
    auto& quadro = *b.Condizioni().Condizione<TQuadro>(TipoQuadro);
    auto ripetizioni = std::make_unique<TRipetizioni>();
    ripetizioni->Tabella(TRipetizioni::TabellaUna).ImpostaStato(0, 12, StatoAmmesso);  // the same as the last
    quadro.Aggiungi(std::move(ripetizioni));
    quadro.AggiornaPreset();

    // The first contest has nothing before it and lets the column through; the second
    // repeats the first; the others do not repeat the contest before them.
    const T_Analisi a = Analizza(quadro, true, b.sistema);
    EXPECT_EQ(a.Titoli[0], "Analisi Statistica del Quadro Quadro");
    ControllaTabella(a.Serie[0].Archivio, true, {1, 1, 0, 0, 0}, 1);

    // On the container's own panel: afterwards the sub-condition compares with the last two
    // contests of the archive again, not with those before the last one scanned.
    TElencoCondizioni& e = b.Condizioni();
    e.Sorgenti.Archivio = &b.archivio;
    e.Sorgenti.Ricerca = &b.sistema.Ricerca;
    quadro.Prepara();
    quadro.StatisticaArchivio();
    EXPECT_EQ(quadro.StatistichePrime().Elemento(true, 1).Frequenza, 2);
    EXPECT_FALSE(e.ModoArchivio);
    EXPECT_EQ(e.Sorgenti.ConcorsoInEsame, -1);
    EXPECT_EQ(quadro.Misura(Col(D)).Valore, 1);
    EXPECT_EQ(quadro.Misura(Col(C)).Valore, 0);
}
