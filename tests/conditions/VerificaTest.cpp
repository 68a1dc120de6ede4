#include <gtest/gtest.h>

#include <random>

#include "Archivio.h"
#include "CartellaTemporanea.h"
#include "ListaColonne.h"
#include "MisureLetterali.h"
#include "TestoColonne.h"
#include "UTCondiz.h"

using namespace morella;

using morella::test::Col;

namespace {

// A container wired to its links, as the system holds them.
struct TSistemaProva {
    TElencoLink link;
    TElencoCondizioni elenco{&link};

    TNumeroSegni& Segni() { return *elenco.Condizione<TNumeroSegni>(1); }
    TPariDispari& PariDispari() { return *elenco.Condizione<TPariDispari>(2); }
    TInterruzioni& Interruzioni() { return *elenco.Condizione<TInterruzioni>(5); }
    TGruppoCondizioni& Gruppo() { return *elenco.Condizione<TGruppoCondizioni>(8); }
    TConsecutivita& Aggiungi(TSegni segno)
    {
        auto e = std::make_unique<TConsecutivita>();
        e->Segno = segno;
        auto* p = e.get();
        Gruppo().Aggiungi(std::move(e));
        return *p;
    }
};

void Ammetti(TTabellaValori& t, int sotto, std::initializer_list<int> valori)
{
    for (int v : valori) t.ImpostaStato(sotto, v, StatoAmmesso);
}

std::vector<const TCondizione*> Errori(const TElencoCondizioni& e)
{
    std::vector<const TCondizione*> v;
    for (const auto& x : e.Errori) v.push_back(x.Condizione);
    return v;
}

}  // namespace

TEST(VerificaColonna, SenzaCondizioniPassaTuttoSeIlTotaleDelleLinkLoConsente)
{
    TSistemaProva s;
    s.Segni().Attivato = true;  // enabled but every table empty: not active
    s.elenco.PreparaVerifica(false);
    EXPECT_EQ(s.elenco.NumeroAttive(), 0);
    EXPECT_TRUE(s.elenco.VerificaColonna(Col("111111111111")));

    Ammetti(s.link.ErroriTotali, 0, {3});
    s.elenco.PreparaVerifica(false);
    EXPECT_FALSE(s.elenco.VerificaColonna(Col("111111111111")));
    EXPECT_EQ(s.link.RifiutiPerTotale[0], 1);
    Ammetti(s.link.ErroriTotali, 0, {0});
    s.elenco.PreparaVerifica(false);
    EXPECT_TRUE(s.elenco.VerificaColonna(Col("111111111111")));
}

TEST(VerificaColonna, CondizioneDisattivataOVuotaSaltata)
{
    TSistemaProva s;
    Ammetti(s.Segni().Tabella(0), 0, {4, 5});
    s.elenco.PreparaVerifica(false);
    ASSERT_EQ(s.elenco.NumeroAttive(), 1);
    EXPECT_TRUE(s.elenco.VerificaColonna(Col("1111XXXX2222")));
    EXPECT_FALSE(s.elenco.VerificaColonna(Col("111111XX2222")));

    s.Segni().Attivato = false;
    s.elenco.PreparaVerifica(false);
    EXPECT_EQ(s.elenco.NumeroAttive(), 0);
    EXPECT_TRUE(s.elenco.VerificaColonna(Col("111111XX2222")));
}

TEST(VerificaColonna, RecuperoSuLinkPerLivello)
{
    TSistemaProva s;
    // Four "1" and four "X" are each in recupero at level 1 on link "A".
    auto& ns = s.Segni();
    for (int t = 0; t < 3; ++t) Ammetti(ns.Tabella(t), 0, {0, 1, 2, 3, 5, 6, 7, 8, 9, 10, 11, 12});
    ns.Tabella(0).ImpostaStato(0, 4, StatoInRecupero, 1);
    ns.Tabella(1).ImpostaStato(0, 4, StatoInRecupero, 1);
    ns.Tabella(2).ImpostaStato(0, 4, StatoAmmesso);
    s.elenco.PreparaVerifica(false);
    EXPECT_EQ(s.link.LettereInUso(), "A");

    EXPECT_TRUE(s.elenco.VerificaColonna(Col("1111XXX22222")));   // one use of level 1
    EXPECT_FALSE(s.elenco.VerificaColonna(Col("1111XXXX2222")));  // a second use rejects
    EXPECT_EQ(s.link.DellaLettera('A').RifiutiPerLivello[1], 1);
    EXPECT_TRUE(s.elenco.VerificaColonna(Col("XXXX11122222")));  // the next column starts afresh

    // Level 2 tolerates both uses.
    ns.Tabella(1).ImpostaStato(0, 4, StatoInRecupero, 2);
    s.elenco.PreparaVerifica(false);
    EXPECT_TRUE(s.elenco.VerificaColonna(Col("1111XXXX2222")));

    // A link that admits only 0 errors rejects every column using one of its recoveries.
    Ammetti(s.link.DellaLettera('A').Errori, 0, {0});
    s.elenco.PreparaVerifica(false);
    EXPECT_TRUE(s.elenco.VerificaColonna(Col("111XXX222222")));
    EXPECT_FALSE(s.elenco.VerificaColonna(Col("1111XXX22222")));
    EXPECT_EQ(s.link.DellaLettera('A').RifiutiPerErrori[1], 1);
}

TEST(VerificaColonna, SiFermaAlPrimoRifiutoSalvoRaccolta)
{
    TSistemaProva s;
    Ammetti(s.Segni().Tabella(0), 0, {0});  // rejects any column with a "1"
    // Slot 2 passes, charging link "B", so whether it was asked shows in the link's uses.
    s.PariDispari().Tabella(TPariDispari::TabellaDispari).ImpostaStato(0, 12, StatoInRecupero, 5);
    s.PariDispari().Tabella(TPariDispari::TabellaDispari).Sotto[0].Link = 'B';
    s.elenco.PreparaVerifica(false);
    ASSERT_EQ(s.elenco.NumeroAttive(), 2);
    EXPECT_FALSE(s.elenco.VerificaColonna(Col("1X1X1X1X1X1X")));
    EXPECT_EQ(s.link.DellaLettera('B').Usi, 0);
    EXPECT_TRUE(s.elenco.Errori.empty());

    s.elenco.PreparaVerifica(true);
    EXPECT_FALSE(s.elenco.VerificaColonna(Col("1X1X1X1X1X1X")));
    EXPECT_EQ(s.link.DellaLettera('B').Usi, 1);
    EXPECT_EQ(Errori(s.elenco), (std::vector<const TCondizione*>{&s.Segni()}));
}

TEST(VerificaColonna, RaccoltaElencaLeCondizioniNelloLoroOrdine)
{
    TSistemaProva s;
    Ammetti(s.Segni().Tabella(0), 0, {0});                 // fails on any "1"
    Ammetti(s.PariDispari().Tabella(1), 0, {0, 1, 2, 3});  // passes: few odd runs
    Ammetti(s.Interruzioni().Tabella(0), 0, {0});          // fails on any change
    auto& e1 = s.Aggiungi(SegnoX);
    auto& e2 = s.Aggiungi(Segno2);
    auto& e3 = s.Aggiungi(Segno1);
    auto& e4 = s.Aggiungi(Segno1);
    for (TConsecutivita* e : {&e1, &e2, &e3, &e4}) {
        Ammetti(e->Tabella(TConsecutivita::TabellaConteggi), 0, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12});
        Ammetti(e->Tabella(TConsecutivita::TabellaRun), 0, {0, 1});  // fails on a run of 2
    }
    e4.Attivato = false;
    s.elenco.PreparaVerifica(true);
    ASSERT_EQ(s.elenco.NumeroAttive(), 4);
    // Runs: "1" of 3, "X" of 2, "2" of 1.
    EXPECT_FALSE(s.elenco.VerificaColonna(Col("111XX2111111")));
    EXPECT_EQ(Errori(s.elenco), (std::vector<const TCondizione*>{&s.Segni(), &s.Interruzioni(), &e1, &e3}));

    // The disabled group tests nothing; the element keeps its own switch.
    s.Gruppo().Attivato = false;
    s.elenco.PreparaVerifica(true);
    EXPECT_EQ(s.elenco.NumeroAttive(), 3);
    EXPECT_TRUE(e1.Attivato);
    EXPECT_FALSE(e1.Attivo);
}

TEST(VerificaColonna, ConsecutivitaSiApplicaSoloAiConteggiAmmessi)
{
    TSistemaProva s;
    auto& e = s.Aggiungi(SegnoX);
    Ammetti(e.Tabella(TConsecutivita::TabellaConteggi), 0, {4});
    s.elenco.PreparaVerifica(false);
    EXPECT_FALSE(e.Attivo);  // both tables must hold something
    EXPECT_EQ(s.elenco.NumeroAttive(), 0);

    Ammetti(e.Tabella(TConsecutivita::TabellaRun), 0, {1, 2});
    s.elenco.PreparaVerifica(false);
    ASSERT_EQ(s.elenco.NumeroAttive(), 1);
    EXPECT_TRUE(s.elenco.VerificaColonna(Col("XXX111111111")));   // three "X": not its business
    EXPECT_FALSE(s.elenco.VerificaColonna(Col("XXXX11111111")));  // four in a run of 4
    EXPECT_TRUE(s.elenco.VerificaColonna(Col("XX11XX111111")));   // four, longest run 2
}

TEST(Elenco, PercorsiLettereEModoArchivio)
{
    TSistemaProva s;
    s.Aggiungi(SegnoX);
    s.elenco.ImpostaPercorsi();
    EXPECT_EQ(s.Segni().Percorso, "\\Numero Di Segni");
    EXPECT_EQ(s.Gruppo().Elemento(0).Percorso, "\\Gruppo Consecutività\\Consecutività Segno X");

    // A letter is in use only through an in recupero value of an enabled condition.
    s.Interruzioni().Tabella(2).ImpostaStato(0, 1, StatoInRecupero, 1);
    s.Interruzioni().Tabella(2).Sotto[0].Link = 'K';
    auto& e = dynamic_cast<TConsecutivita&>(s.Gruppo().Elemento(0));
    e.Tabella(TConsecutivita::TabellaRun).ImpostaStato(0, 2, StatoInRecupero, 1);
    e.Tabella(TConsecutivita::TabellaRun).Sotto[0].Link = 'C';
    e.Tabella(TConsecutivita::TabellaConteggi).ImpostaStato(0, 2, StatoInRecupero, 1);
    e.Tabella(TConsecutivita::TabellaConteggi).Sotto[0].Link = 'D';  // never charged
    EXPECT_EQ(s.elenco.CalcolaLettereInUso(), "CK");
    s.Interruzioni().Attivato = false;
    EXPECT_EQ(s.elenco.CalcolaLettereInUso(), "C");

    T_ImpostazioniRicerca ricerca;
    s.elenco.Sorgenti.Ricerca = &ricerca;
    EXPECT_FALSE(s.elenco.IgnoraInArchivio(TipoColonnaFiltro));
    s.elenco.ModoArchivio = true;
    EXPECT_TRUE(s.elenco.IgnoraInArchivio(TipoColonnaFiltro));
    EXPECT_FALSE(s.elenco.IgnoraInArchivio(TipoNumeroSegni));
    ricerca.IgnoraValori = false;
    EXPECT_FALSE(s.elenco.IgnoraInArchivio(TipoValori));
}

TEST(Statistiche, ContaColonnaArchivioEColonneDelSistema)
{
    TSistemaProva s;
    auto& ns = s.Segni();
    Ammetti(ns.Tabella(0), 0, {4});
    s.elenco.PreparaVerifica(false);
    ns.ContaColonna(Col("1111XXXX2222"));
    ns.ContaColonna(Col("111111XX2222"));
    EXPECT_EQ(ns.StatistichePrime(0).ConcorsiContati(), 2);
    EXPECT_EQ(ns.StatistichePrime(0).Elemento(true, 6).Frequenza, 1);
    EXPECT_EQ(ns.StatisticheSeconde(0).ConcorsiContati(), 1);  // only the admitted one
    EXPECT_EQ(ns.StatisticheSeconde(0).Elemento(true, 4).Frequenza, 1);
    EXPECT_EQ(ns.StatisticheSeconde(1).ConcorsiContati(), 2);  // "Segni X" admits everything

    // The system's columns, a merged record counted as the single columns it covers.
    TListaColonne colonne;
    colonne.Aggiungi(Col("111111111111"));
    TColonna unita = Col("111111111112");
    unita[0] = Segno1 | SegnoX;
    colonne.Aggiungi(unita);
    s.elenco.Sorgenti.Colonne = &colonne;
    ns.StatisticaColonne();
    EXPECT_EQ(ns.StatisticheSeconde(0).ConcorsiContati(), 3);
    EXPECT_EQ(ns.StatisticheSeconde(0).Elemento(true, 12).Frequenza, 1);
    EXPECT_EQ(ns.StatisticheSeconde(0).Elemento(true, 11).Frequenza, 1);
    EXPECT_EQ(ns.StatisticheSeconde(0).Elemento(true, 10).Frequenza, 1);

    // The archive: contests in range only, with delays.
    T_Archivio archivio;
    for (int n = 1; n <= 3; ++n) {
        T_Concorso c;
        c.Stagione = 2000;
        c.Numero = static_cast<std::uint8_t>(n);
        c.ColonnaVincente = Col(n == 2 ? "111111111111" : "XXXXXXXXXXXX");
        archivio.Aggiungi(c);
    }
    T_ImpostazioniRicerca ricerca;
    ricerca.TuttoLArchivio(archivio);
    ricerca.PrimoNumero = 2;
    s.elenco.Sorgenti.Archivio = &archivio;
    s.elenco.Sorgenti.Ricerca = &ricerca;
    ns.StatisticaArchivio();
    EXPECT_EQ(ns.StatistichePrime(0).ConcorsiContati(), 2);
    EXPECT_EQ(ns.StatistichePrime(0).Elemento(true, 12).Frequenza, 1);
    EXPECT_EQ(ns.StatistichePrime(0).Elemento(true, 12).Ritardo, 1);
    EXPECT_EQ(ns.StatistichePrime(1).Elemento(false, 12).Frequenza, 1);  // runs of "X"

    ns.AzzeraStatistiche();
    EXPECT_EQ(ns.StatistichePrime(0).ConcorsiContati(), 0);
}

namespace {

// Admission read straight off the states: a sub-table with any mark must mark the value 1.
bool AmmetteLetterale(const TTabellaValori& t, TMisura m, bool abilitato)
{
    if (!abilitato) return true;
    auto conSegni = [&](int k) {
        for (int v = 0; v <= t.Massimo(); ++v)
            if (t.Stato(k, v) != 0) return true;
        return false;
    };
    if (conSegni(0) && t.Stato(0, m.Valore) != StatoAmmesso) return false;
    if (t.ConConsecutivita() && conSegni(1) && t.Stato(1, m.Run) != StatoAmmesso) return false;
    return true;
}

test::TCampo Campo(const TTabellaValori& t)
{
    return {t.DaEvento, t.AEvento};
}

}  // namespace

TEST(VerificaColonna, IdenticaAlleRegoleSuTuttoLoSviluppo)
{
    std::mt19937 g(3);
    TSistemaProva s;
    // Every value admitted but a few, over a random range.
    auto casuale = [&](TTabellaValori& t, int esclusi) {
        for (int k = 0; k < 2; ++k) {
            for (int v = 0; v <= t.Massimo(); ++v) t.ImpostaStato(k, v, StatoAmmesso);
            for (int n = 0; n < esclusi; ++n)
                t.ImpostaStato(k, static_cast<int>(g() % static_cast<unsigned>(t.Massimo() + 1)),
                               StatoEscluso);
        }
        const int a = 1 + static_cast<int>(g() % 12), b = 1 + static_cast<int>(g() % 12);
        t.DaEvento = static_cast<std::int16_t>(std::min(a, b));
        t.AEvento = static_cast<std::int16_t>(std::max(a, b));
    };
    for (int i = 0; i < 3; ++i) casuale(s.Segni().Tabella(i), 2);
    for (int i = 0; i < 2; ++i) casuale(s.PariDispari().Tabella(i), 2);
    for (int i = 0; i < 4; ++i) casuale(s.Interruzioni().Tabella(i), 1);
    for (TSegni segno : {Segno1, SegnoX, Segno2}) {
        auto& e = s.Aggiungi(segno);
        casuale(e.Tabella(0), 6);
        casuale(e.Tabella(1), 3);
    }
    s.elenco.PreparaVerifica(false);
    ASSERT_EQ(s.elenco.NumeroAttive(), 4);

    auto letterale = [&](const TColonna& c) {
        auto& ns = s.Segni();
        const auto m1 =
            test::LetteraleNumeroSegni(c, {Campo(ns.Tabella(0)), Campo(ns.Tabella(1)), Campo(ns.Tabella(2))});
        for (int i = 0; i < 3; ++i)
            if (!AmmetteLetterale(ns.Tabella(i), m1[static_cast<std::size_t>(i)], true)) return false;
        auto& pd = s.PariDispari();
        if (!AmmetteLetterale(pd.Tabella(0), test::LetteralePariDispari(c, Campo(pd.Tabella(0)), false),
                              true))
            return false;
        if (!AmmetteLetterale(pd.Tabella(1), test::LetteralePariDispari(c, Campo(pd.Tabella(1)), true), true))
            return false;
        auto& in = s.Interruzioni();
        const auto m5 = test::LetteraleInterruzioni(
            c, {Campo(in.Tabella(0)), Campo(in.Tabella(1)), Campo(in.Tabella(2)), Campo(in.Tabella(3))});
        for (int i = 0; i < 4; ++i)
            if (!AmmetteLetterale(in.Tabella(i), m5[static_cast<std::size_t>(i)], true)) return false;
        for (int i = 0; i < s.Gruppo().Conta(); ++i) {
            auto& e = dynamic_cast<TConsecutivita&>(s.Gruppo().Elemento(i));
            const auto m = test::LetteraleConsecutivita(c, e.Segno, Campo(e.Tabella(1)));
            if (e.Tabella(0).Stato(0, m.Valore) == StatoAmmesso &&
                !AmmetteLetterale(e.Tabella(1), {m.Run, 0}, true))
                return false;
        }
        return true;
    };

    int accettate = 0;
    for (std::uint32_t codice = 0; codice < 531441; ++codice) {
        TColonna c{};
        std::uint32_t r = codice;
        for (int i = NumEvents - 1; i >= 0; --i, r /= 3)
            c[static_cast<std::size_t>(i)] = SegnoDaCifra(static_cast<int>(r % 3));
        const bool esito = s.elenco.VerificaColonna(c);
        ASSERT_EQ(esito, letterale(c)) << TestoColonna(c);
        accettate += esito;
    }
    // The random set must both keep and reject columns for the comparison to mean anything.
    EXPECT_GT(accettate, 1000);
    EXPECT_LT(accettate, 500000);
    RecordProperty("accettate", accettate);
}
