// The archive part of the analysis: frequencies and delays against a slow recount, and when
// the archive database may stand in for the scan.
#include <gtest/gtest.h>

#include "Analisi.h"
#include "Banco.h"
#include "DerivateAnalisi.h"
#include "MisureColonna.h"
#include "UTCondiz.h"

using namespace morella;
using namespace morella::test;

namespace {

// Thirty contests of mixed signs, the same every run.
std::vector<std::string> ConcorsiVari(int quanti = 30)
{
    std::vector<std::string> v;
    std::uint32_t x = 12345;
    for (int k = 0; k < quanti; ++k) {
        std::string c;
        for (int i = 0; i < NumEvents; ++i) {
            x = x * 1103515245u + 12345u;
            c += "1X2"[(x >> 16) % 3];
        }
        v.push_back(c);
    }
    return v;
}

std::vector<TColonna> Vincenti(const T_Archivio& a)
{
    std::vector<TColonna> v;
    for (const auto& c : a.Concorsi()) v.push_back(c.ColonnaVincente);
    return v;
}

}  // namespace

TEST(AnalisiArchivio, DieciConcorsiFrequenzaERitardi)
{
    TBanco b;
    // Six "1" only in contests 3 and 7; none elsewhere.
    std::vector<std::string> c(10, "XXXXXX222222");
    c[2] = c[6] = "111111XXXXXX";
    b.Concorsi(c);
    const TCondizione& segni = *b.Condizioni().Condizione(TipoNumeroSegni);
    const T_Analisi a = Analizza(segni, true, b.sistema);

    ASSERT_EQ(a.NumeroSerie(), 3);
    EXPECT_TRUE(a.SoloArchivio);
    const T_FrequenzeRitardi& uni = a.Serie[0].Archivio;
    EXPECT_EQ(uni.ConcorsiContati(), 10);
    EXPECT_EQ(uni.Elemento(true, 6), (TElemRFRM{2, 3, 3}));  // out in 3 and 7; 4..6 without it
    EXPECT_EQ(uni.Elemento(true, 12), (TElemRFRM{0, 10, 10}));
    EXPECT_EQ(uni.Elemento(true, 0), (TElemRFRM{8, 0, 1}));
    // The longest run of "1" is the second measure.
    EXPECT_EQ(uni.Elemento(false, 6), (TElemRFRM{2, 3, 3}));

    const auto righe = RigheStorico(a.Serie[0], false);
    ASSERT_EQ(righe.size(), 13u);
    EXPECT_EQ(righe[6].Etichetta, "6");
    EXPECT_EQ(righe[6].Points, "2");
    EXPECT_EQ(righe[6].AttualePoints, "3");
    EXPECT_EQ(righe[6].MassimoPoints, "3");
    EXPECT_EQ(righe[6].ICPoints, "0.60");  // 3 × 2 ÷ 10
    EXPECT_EQ(righe[12].ICPoints, "0.00");
    EXPECT_EQ(RigheStorico(a.Serie[0], true)[6].Points, "20.00");
}

TEST(AnalisiArchivio, ColonnaInteraSuTuttoLArchivioComeLaScansione)
{
    TBanco b;
    b.Concorsi(ConcorsiVari());
    const TCondizione& segni = *b.Condizioni().Condizione(TipoNumeroSegni);
    std::vector<std::vector<int>> valori(3), run(3);
    for (const TColonna& w : Vincenti(b.archivio)) {
        const TMisureColonna m = MisureColonna(w);
        for (std::size_t s = 0; s < 3; ++s) {
            valori[s].push_back(m.NumeroSegni[s].Valore);
            run[s].push_back(m.NumeroSegni[s].Run);
        }
    }
    // Before and after the database is built: whichever way the tables come, they are the
    // scan's, and the database is used exactly when it has them.
    for (int passo = 0; passo < 2; ++passo) {
        if (passo == 1) b.archivio.RicalcolaDataBase();
        const T_Analisi a = Analizza(segni, true, b.sistema);
        std::vector<T_FrequenzeRitardi> tabelle;
        EXPECT_EQ(a.DaDataBase, b.archivio.TabelleDataBase(segni, tabelle)) << "passo " << passo;
        for (std::size_t s = 0; s < 3; ++s) {
            ControllaTabella(a.Serie[s].Archivio, true, valori[s], NumEvents);
            ControllaTabella(a.Serie[s].Archivio, false, run[s], NumEvents);
        }
    }
}

TEST(AnalisiArchivio, IlDataBaseSoloPerColonnaInteraETuttoLArchivio)
{
    TBanco b;
    b.Concorsi(ConcorsiVari());
    b.archivio.RicalcolaDataBase();

    // A range of events 1..6 is never in the database: scanned, and counted on those events.
    auto* segni = b.Condizioni().Condizione<TNumeroSegni>(TipoNumeroSegni);
    segni->Tabella(0).AEvento = 6;
    T_Analisi a = Analizza(*segni, true, b.sistema);
    EXPECT_FALSE(a.DaDataBase);
    std::vector<int> primaMeta;
    for (const TColonna& w : Vincenti(b.archivio)) {
        int n = 0;
        for (int i = 0; i < 6; ++i) n += w[static_cast<std::size_t>(i)] == Segno1;
        primaMeta.push_back(n);
    }
    ControllaTabella(a.Serie[0].Archivio, true, primaMeta, 6);
    segni->Tabella(0).AEvento = static_cast<std::int16_t>(NumEvents);

    // A search range that leaves out the first contest: scanned, one contest fewer.
    b.sistema.Ricerca.PrimoNumero = 2;
    a = Analizza(*segni, true, b.sistema);
    EXPECT_FALSE(a.DaDataBase);
    EXPECT_EQ(a.Serie[0].Archivio.ConcorsiContati(), 29);
    b.sistema.Ricerca.TuttoLArchivio(b.archivio);

    // Incomplete contests counted too: the database, made on complete ones only, cannot say.
    T_Concorso incompleto;
    incompleto.Stagione = 2000;
    incompleto.Numero = 31;
    incompleto.ColonnaVincente = Col("1111111111**");
    incompleto.AggiornaCompleto();
    b.archivio.Aggiungi(incompleto);
    b.archivio.RicalcolaDataBase();
    b.sistema.Ricerca.TuttoLArchivio(b.archivio);
    b.sistema.Ricerca.SoloCompleti = false;
    a = Analizza(*segni, true, b.sistema);
    EXPECT_FALSE(a.DaDataBase);
    EXPECT_EQ(a.Serie[0].Archivio.ConcorsiContati(), 31);
    EXPECT_EQ(a.Serie[0].Archivio.Elemento(true, 10).Frequenza, 1);

    // Derived formulas have no range: the whole archive is enough.
    b.sistema.Ricerca.SoloCompleti = true;
    const TCondizione& formule = *b.Condizioni().Condizione(TipoFormuleDerivate);
    a = Analizza(formule, true, b.sistema);
    std::vector<T_FrequenzeRitardi> tabelle;
    EXPECT_EQ(a.DaDataBase, b.archivio.TabelleDataBase(formule, tabelle));
    std::vector<int> indici;
    for (const TColonna& w : Vincenti(b.archivio)) indici.push_back(MisureColonna(w).FormulaDerivata);
    indici.pop_back();  // the incomplete contest is not counted
    ControllaTabella(a.Serie[0].Archivio, true, indici, 90);
}

TEST(AnalisiArchivio, VorticeDirettoOInverso)
{
    TBanco b;
    b.Concorsi(ConcorsiVari(12));
    const TCondizione& vortice = *b.Condizioni().Condizione(TipoVortice);
    T_SceltaAnalisi inverso;
    inverso.VorticeInverso = true;
    const T_Analisi d = Analizza(vortice, true, b.sistema);
    const T_Analisi i = Analizza(vortice, true, b.sistema, inverso);
    ASSERT_EQ(d.NumeroSerie(), 3);
    ASSERT_EQ(i.NumeroSerie(), 3);
    EXPECT_EQ(d.Titoli[0], "Analisi Statistica del Vortice Diretto");
    EXPECT_EQ(i.Titoli[2], "Analisi Statistica dei Ritardi nel Vortice Inverso");
    EXPECT_EQ(i.Serie[2].Nome, "Segno");
    std::vector<int> posD, segnoI;
    for (const TColonna& w : Vincenti(b.archivio)) {
        const TMisureColonna m = MisureColonna(w);
        posD.push_back(m.VorticeDiretto.Posizione);
        segnoI.push_back(m.VorticeInverso.Segno);
    }
    ControllaTabella(d.Serie[0].Archivio, true, posD, NumEvents);
    ControllaTabella(i.Serie[2].Archivio, true, segnoI, 4);
    EXPECT_FALSE(d.Serie[0].ConSecondaMisura);
}

TEST(AnalisiArchivio, LaCondizioneAnalizzataNonCambia)
{
    TBanco b;
    b.Concorsi(ConcorsiVari(8));
    b.Pronostico("(1X2)(1X2)1111111111");
    auto* segni = b.Condizioni().Condizione<TNumeroSegni>(TipoNumeroSegni);
    segni->Tabella(0).ImpostaStato(0, 4, StatoAmmesso);
    segni->Attivato = false;
    TScrittoreBinario prima;
    segni->Scrivi(prima);

    const T_Analisi a = Analizza(*segni, false, b.sistema);
    EXPECT_FALSE(a.Attivato);
    EXPECT_EQ(a.ColonneEsaminate, 9);
    // Switched off or not, "Cond.S." follows its settings: no column has four "1", and
    // the "X" series, which restricts nothing, keeps all nine.
    EXPECT_EQ(a.Serie[0].CondS.ConcorsiContati(), 0);
    EXPECT_EQ(a.Serie[1].CondS.ConcorsiContati(), 9);
    TScrittoreBinario dopo;
    segni->Scrivi(dopo);
    EXPECT_EQ(prima.Dati(), dopo.Dati());
    EXPECT_EQ(segni->StatistichePrime(0).ConcorsiContati(), 0);
    EXPECT_EQ(segni->StatisticheSeconde(0).ConcorsiContati(), 0);
    EXPECT_FALSE(segni->Attivo);

    // A group has no analysis of its own.
    EXPECT_THROW(Analizza(*b.Condizioni().Condizione(TipoGruppoValori), true, b.sistema),
                 std::invalid_argument);
}
