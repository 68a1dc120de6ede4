#include <gtest/gtest.h>

#include <random>

#include "Archivio.h"
#include "CartellaTemporanea.h"
#include "MisureLetteraliStoria.h"
#include "ProveStoria.h"
#include "Replay.h"
#include "UTCondiz.h"

using namespace morella;
using morella::test::TGiocoTemporaneo;
using namespace morella::test::storia;

namespace {

T_Concorso Concorso(int stagione, int numero, const TColonna& colonna)
{
    T_Concorso c;
    c.Stagione = stagione;
    c.Numero = static_cast<std::uint8_t>(numero);
    c.ColonnaVincente = colonna;
    c.AggiornaCompleto();
    return c;
}

void Campo(TTabellaValori& t, int da, int a)
{
    t.DaEvento = static_cast<std::int16_t>(da);
    t.AEvento = static_cast<std::int16_t>(a);
}

}  // namespace

TEST(Ripetizioni, MisuraEVerdettoComeLeRegoleSuTuttoLoSviluppo)
{
    std::mt19937 g(77);
    T_Archivio archivio;
    const TColonna due = Casuale(g), una = Casuale(g);  // with empty and multi-sign events
    archivio.Aggiungi(Concorso(2020, 1, due));
    archivio.Aggiungi(Concorso(2020, 2, una));
    TElencoCondizioni elenco;
    elenco.Sorgenti.Archivio = &archivio;
    auto& r = *elenco.Condizione<TRipetizioni>(TipoRipetizioni);
    Campo(r.Tabella(0), 2, 11);
    Campo(r.Tabella(1), 4, 12);
    for (int v = 0; v <= 12; ++v) {
        r.Tabella(0).ImpostaStato(0, v, static_cast<std::uint8_t>(g() % 2));
        r.Tabella(1).ImpostaStato(1, v, static_cast<std::uint8_t>(g() % 2));
    }
    ASSERT_TRUE(r.Prepara());
    auto ammessa = [](const TTabellaValori& t, TMisura m) {
        return t.Stato(0, m.Valore) == StatoAmmesso || !t.Sotto[0].InUso;
    };
    auto ammessaRun = [](const TTabellaValori& t, TMisura m) {
        return t.Stato(1, m.Run) == StatoAmmesso || !t.Sotto[1].InUso;
    };
    std::int64_t accettate = 0;
    for (std::uint32_t codice = 0; codice < 531441; ++codice) {
        const TColonna col = DaCodice(codice);
        const TMisura lu = LetteraleRipetizioni(col, una, {2, 11});
        const TMisura ld = LetteraleRipetizioni(col, due, {4, 12});
        TMisura m[2];
        r.Misura(col, true, m);
        ASSERT_EQ(m[0], lu) << TestoColonna(col);
        ASSERT_EQ(m[1], ld) << TestoColonna(col);
        const bool attesa = ammessa(r.Tabella(0), lu) && ammessaRun(r.Tabella(1), ld);
        ASSERT_EQ(r.Verifica(col), attesa) << TestoColonna(col);
        accettate += attesa;
    }
    EXPECT_GT(accettate, 0);
    EXPECT_LT(accettate, 531441);

    // Columns that are themselves incomplete, against single-sign references, and in Toto.
    for (int gioco : {GiocoTotip, GiocoToto}) {
        TGiocoTemporaneo giocoDelTest(gioco);
        TRipetizioni sola;
        const TColonna riferimento = DaCodice(static_cast<std::uint32_t>(g() % 531441));
        sola.ImpostaRiferimenti(&riferimento, &una);
        for (int n = 0; n < 20000; ++n) {
            const TColonna col = Casuale(g);
            TMisura m[2];
            sola.Misura(col, true, m);
            ASSERT_EQ(m[0], LetteraleRipetizioni(col, riferimento, {1, NumEvents})) << TestoColonna(col);
            ASSERT_EQ(m[1], LetteraleRipetizioni(col, una, {1, NumEvents})) << TestoColonna(col);
        }
    }
}

TEST(Ripetizioni, RiferimentiSonoGliUltimiDueConcorsiDellArchivio)
{
    T_Archivio archivio;
    archivio.Aggiungi(Concorso(2019, 40, Col("222222222222")));
    archivio.Aggiungi(Concorso(2019, 41, Col("XXXXXXXXXXXX")));
    archivio.Aggiungi(Concorso(2019, 42, Col("1X21X21X21X2")));
    TElencoCondizioni elenco;
    elenco.Sorgenti.Archivio = &archivio;
    auto& r = *elenco.Condizione<TRipetizioni>(TipoRipetizioni);
    r.Prepara();
    TMisura m[2];
    r.Misura(Col("1X21X21X21X2"), true, m);
    EXPECT_EQ(m[TRipetizioni::TabellaUna], (TMisura{12, 12}));
    EXPECT_EQ(m[TRipetizioni::TabellaDue], (TMisura{4, 1}));
    r.Misura(Col("XXXX1XXXXX22"), true, m);
    EXPECT_EQ(m[TRipetizioni::TabellaUna], (TMisura{3, 1}));  // events 2, 8, 12
    EXPECT_EQ(m[TRipetizioni::TabellaDue], (TMisura{9, 5}));

    // Without statistics sources the system's own archive is used; the sources come first.
    TDatiSistema dati;
    T_Archivio proprio;
    proprio.Aggiungi(Concorso(2021, 1, Col("111111111111")));
    proprio.Aggiungi(Concorso(2021, 2, Col("111111222222")));
    dati.Archivio = &proprio;
    auto& rd = *dati.Condizioni->Condizione<TRipetizioni>(TipoRipetizioni);
    rd.Prepara();
    rd.Misura(Col("111111111111"), true, m);
    EXPECT_EQ(m[0], (TMisura{6, 6}));
    EXPECT_EQ(m[1], (TMisura{12, 12}));
    dati.Condizioni->Sorgenti.Archivio = &archivio;
    rd.Prepara();
    rd.Misura(Col("111111111111"), true, m);
    EXPECT_EQ(m[0], (TMisura{4, 1}));  // the "1"s of 1X21X2... at 1, 4, 7, 10
    EXPECT_EQ(m[1], (TMisura{0, 0}));
}

TEST(Ripetizioni, ArchivioConMenoDiDueConcorsi)
{
    // Without a reference a table cannot judge: it stays out instead of refusing everything.
    TElencoCondizioni elenco;
    auto& r = *elenco.Condizione<TRipetizioni>(TipoRipetizioni);
    r.Tabella(0).ImpostaStato(0, 12, StatoAmmesso);
    r.Tabella(1).ImpostaStato(0, 12, StatoAmmesso);
    EXPECT_FALSE(r.Prepara());
    TMisura m[2];
    r.Misura(Col("111111111111"), true, m);
    EXPECT_EQ(m[0], TMisura{});
    EXPECT_EQ(m[1], TMisura{});

    T_Archivio archivio;
    archivio.Aggiungi(Concorso(2022, 1, Col("111111111111")));
    elenco.Sorgenti.Archivio = &archivio;
    EXPECT_TRUE(r.Prepara());  // "una" judges, "due" stays out
    EXPECT_TRUE(r.Verifica(Col("111111111111")));
    EXPECT_FALSE(r.Verifica(Col("111111111112")));
    r.Tabella(0).ImpostaStato(0, 12, StatoEscluso);
    EXPECT_FALSE(r.Prepara());  // only "due" has something, and it has no column
    elenco.PreparaVerifica(false);
    EXPECT_EQ(elenco.NumeroAttive(), 0);
    EXPECT_TRUE(elenco.VerificaColonna(Col("222222222222")));
}

TEST(Ripetizioni, ModoArchivioERiferimentiDelRiesame)
{
    T_Archivio archivio;
    archivio.Aggiungi(Concorso(2022, 1, Col("111111111111")));
    archivio.Aggiungi(Concorso(2022, 2, Col("XXXXXXXXXXXX")));
    archivio.Aggiungi(Concorso(2022, 3, Col("222222222222")));
    T_ImpostazioniRicerca ricerca;
    ricerca.TuttoLArchivio(archivio);
    TElencoCondizioni elenco;
    elenco.Sorgenti.Archivio = &archivio;
    elenco.Sorgenti.Ricerca = &ricerca;
    auto& r = *elenco.Condizione<TRipetizioni>(TipoRipetizioni);
    r.Tabella(0).ImpostaStato(0, 0, StatoAmmesso);  // nothing repeated from the last contest

    elenco.ModoArchivio = true;
    EXPECT_TRUE(ricerca.IgnoraRipetizioni);
    EXPECT_FALSE(r.Prepara());
    ricerca.IgnoraRipetizioni = false;
    EXPECT_TRUE(r.Prepara());
    elenco.ModoArchivio = false;
    ricerca.IgnoraRipetizioni = true;
    EXPECT_TRUE(r.Prepara());

    // The replay judges each contest against the two before it, not against the last two
    // (the last contest would meet itself).
    elenco.ModoArchivio = true;
    ricerca.IgnoraRipetizioni = false;
    elenco.PreparaVerifica(false);
    const auto& concorsi = archivio.Concorsi();
    elenco.Sorgenti.ConcorsoInEsame = 2;
    EXPECT_TRUE(elenco.VerificaColonna(concorsi[2].ColonnaVincente));  // against "X..."
    elenco.Sorgenti.ConcorsoInEsame = 1;
    EXPECT_FALSE(elenco.VerificaColonna(concorsi[0].ColonnaVincente));
    elenco.Sorgenti.ConcorsoInEsame = 0;  // nothing before the first contest
    EXPECT_TRUE(elenco.VerificaColonna(concorsi[0].ColonnaVincente));
    // Outside the replay the references are the archive's last two again.
    elenco.ModoArchivio = false;
    elenco.Sorgenti.ConcorsoInEsame = -1;
    elenco.PreparaVerifica(false);
    EXPECT_FALSE(elenco.VerificaColonna(concorsi[2].ColonnaVincente));

    // The whole replay: every contest passes against its own predecessors.
    elenco.Sorgenti = {};
    const TEsitoReplay esito = ReplayArchivio(elenco, ricerca, archivio);
    EXPECT_EQ(esito.Esaminati, 3);
    EXPECT_EQ(ricerca.RisultatiRicerca.Categorie[0].Centrati(), 3);
    EXPECT_FALSE(elenco.ModoArchivio);
    EXPECT_EQ(elenco.Sorgenti.ConcorsoInEsame, -1);
}

TEST(Ripetizioni, StatisticaDalTerzoConcorsoControIDuePrecedenti)
{
    T_Archivio archivio;
    archivio.Aggiungi(Concorso(2020, 1, Col("111111111111")));
    archivio.Aggiungi(Concorso(2020, 2, Col("XXXXXXXXXXXX")));
    archivio.Aggiungi(Concorso(2020, 3, Col("11111111XXXX")));
    archivio.Aggiungi(Concorso(2020, 4, Col("22222222222*")));  // incomplete: out of the range
    archivio.Aggiungi(Concorso(2020, 5, Col("2222222222XX")));
    T_ImpostazioniRicerca ricerca;
    ricerca.TuttoLArchivio(archivio);
    TElencoCondizioni elenco;
    elenco.Sorgenti.Archivio = &archivio;
    elenco.Sorgenti.Ricerca = &ricerca;
    auto& r = *elenco.Condizione<TRipetizioni>(TipoRipetizioni);
    r.StatisticaArchivio();

    // Contest 3 against 2 and 1: (4, 4) and (8, 8). Contest 5 against 4, outside the range
    // but still its predecessor, and 3: (10, 10) and (2, 2).
    const auto& una = r.StatistichePrime(TRipetizioni::TabellaUna);
    const auto& due = r.StatistichePrime(TRipetizioni::TabellaDue);
    EXPECT_EQ(una.ConcorsiContati(), 2);
    EXPECT_EQ(una.Elemento(true, 4).Frequenza, 1);
    EXPECT_EQ(una.Elemento(true, 4).Ritardo, 1);
    EXPECT_EQ(una.Elemento(true, 10).Frequenza, 1);
    EXPECT_EQ(una.Elemento(true, 10).Ritardo, 0);
    EXPECT_EQ(una.Elemento(false, 10).Frequenza, 1);
    EXPECT_EQ(una.Elemento(true, 0).Ritardo, 2);
    EXPECT_EQ(due.Elemento(true, 8).Frequenza, 1);
    EXPECT_EQ(due.Elemento(false, 8).Frequenza, 1);
    EXPECT_EQ(due.Elemento(true, 2).Frequenza, 1);
    EXPECT_EQ(due.Elemento(false, 2).Frequenza, 1);

    // A developed column is measured against the last two contests, 5 and 4.
    r.Tabella(0).ImpostaStato(0, 12, StatoAmmesso);
    r.AzzeraStatistiche();
    r.Prepara();
    r.ContaColonna(Col("2222222222XX"));
    r.ContaColonna(Col("1222222222XX"));
    EXPECT_EQ(r.StatistichePrime(0).Elemento(true, 12).Frequenza, 1);
    EXPECT_EQ(r.StatistichePrime(0).Elemento(false, 11).Frequenza, 1);
    EXPECT_EQ(r.StatistichePrime(1).Elemento(true, 10).Frequenza, 1);  // the empty event repeats nothing
    EXPECT_EQ(r.StatistichePrime(1).Elemento(true, 9).Frequenza, 1);
    EXPECT_EQ(r.StatisticheSeconde(0).ConcorsiContati(), 1);  // only the admitted 12
    EXPECT_EQ(r.StatisticheSeconde(1).ConcorsiContati(), 2);  // an empty table admits all
}

TEST(Ripetizioni, BloccoDi154ByteERiletturaIdentica)
{
    TRipetizioni r;
    r.Attivato = false;
    r.Tabella(1).ImpostaStato(0, 5, StatoInRecupero, 3);
    r.Tabella(1).Sotto[1].Link = 'K';
    Campo(r.Tabella(1), 3, 9);
    const TBytes b = Blocco(r);
    ASSERT_EQ(b.size(), 2u + 152u);
    EXPECT_EQ(b[0], TipoRipetizioni);
    EXPECT_EQ(b[1], 0);
    EXPECT_EQ(b[2 + 76 + 4 + 2 * 5], StatoInRecupero);  // "Su due Colonne Precedenti", value 5
    EXPECT_EQ(b[2 + 76 + 4 + 2 * 5 + 1], 3);
    EXPECT_EQ(b[2 + 76 + 36 + 1], 'K');  // its second sub-table's link
    EXPECT_EQ(b[2 + 76 + 72], 3);
    EXPECT_EQ(b[2 + 76 + 74], 9);

    TLettoreBinario lettore(b);
    std::uint8_t tipo = 0;
    ASSERT_TRUE(lettore.Byte(tipo));
    auto letta = CreaCondizione(tipo);
    ASSERT_TRUE(letta && letta->Leggi(lettore));
    EXPECT_TRUE(lettore.AllaFine());
    EXPECT_EQ(Blocco(*letta), b);
    EXPECT_EQ(Blocco(*r.Clona()), b);
    EXPECT_EQ(letta->Nome, "Ripetizioni");

    for (std::size_t n = 1; n < b.size(); ++n) {
        TLettoreBinario corto(b.data(), n);
        corto.Byte(tipo);
        TRipetizioni x;
        EXPECT_FALSE(x.Leggi(corto)) << n;
    }

    TRigheStampa stampa;
    r.Attivato = true;
    r.Prepara();  // no archive: the tables still print what the user set
    r.Stampa(stampa);
    ASSERT_GE(stampa.Righe.size(), 2u);
    EXPECT_EQ(stampa.Righe[0], "Ripetizioni");
    EXPECT_EQ(stampa.Righe[1], "  Su due Colonne Precedenti");
}
