#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <random>

#include "CartellaTemporanea.h"
#include "ImpostazioniRicerca.h"
#include "MisureLetteraliStoria.h"
#include "ProveStoria.h"
#include "UTCondiz.h"

using namespace morella;
using morella::test::TGiocoTemporaneo;
using namespace morella::test::storia;

namespace {

// The first interval holding the value decides; none refuses.
bool AttesaDagliIntervalli(const TTabellaIntervalli& t, double v)
{
    for (int i = 0; i < t.NumeroIntervalli; ++i) {
        const auto& x = t.Intervalli[static_cast<std::size_t>(i)];
        if (x.Minimo <= v && v <= x.Massimo) return x.Stato == 1 || x.Stato == 2;
    }
    return false;
}

}  // namespace

TEST(Valori, SommaEVerdettoComeLeRegoleSuTuttoLoSviluppo)
{
    std::mt19937 g(36);
    TDatiSistema dati;
    for (auto& riga : dati.Valori)
        for (auto& v : riga) v = static_cast<std::int32_t>(g() % 400) - 100;
    TValori v(dati.Condizioni.get());
    for (int i = 0; i < 12; ++i) v.Partite[static_cast<std::size_t>(i)] = i != 3 && i != 8;
    v.Intervalli.Aggiungi({-50, 300, 1, 1});
    v.Intervalli.Aggiungi({200, 900, 2, 1});  // only 301..900 reach it
    v.Intervalli.Aggiungi({1000, 1200, 1, 1});
    ASSERT_TRUE(v.Prepara());
    std::int64_t accettate = 0;
    for (std::uint32_t codice = 0; codice < 531441; ++codice) {
        const TColonna col = DaCodice(codice);
        const double atteso = LetteraleValori(col, dati.Valori, v.Partite);
        ASSERT_EQ(v.Misura(col), atteso) << TestoColonna(col);
        dati.Link->AzzeraColonna();  // the in recupero interval charges link "A" once per column
        const bool esito = v.Verifica(col);
        ASSERT_EQ(esito, AttesaDagliIntervalli(v.Intervalli, atteso)) << TestoColonna(col);
        accettate += esito;
    }
    EXPECT_GT(accettate, 1000);
    EXPECT_LT(accettate, 530000);

    // Incomplete columns and the thirteenth event of Toto.
    for (int gioco : {GiocoTotip, GiocoToto}) {
        TGiocoTemporaneo giocoDelTest(gioco);
        v.Partite.fill(true);
        v.Prepara();
        for (int n = 0; n < 20000; ++n) {
            const TColonna col = Casuale(g);
            const double atteso = LetteraleValori(col, dati.Valori, v.Partite);
            ASSERT_EQ(v.Misura(col), atteso) << TestoColonna(col);
            dati.Link->AzzeraColonna();
            ASSERT_EQ(v.Verifica(col), AttesaDagliIntervalli(v.Intervalli, atteso)) << TestoColonna(col);
        }
    }
}

TEST(Valori, SenzaPartiteOSenzaSistemaValeZero)
{
    TDatiSistema dati;
    dati.Valori[0] = {5, 7, 9};
    TValori v(dati.Condizioni.get());
    EXPECT_EQ(v.Misura(Col("111111111111")), 0.0);  // no event takes part
    v.Intervalli.Aggiungi({1, 100, 1, 1});
    ASSERT_TRUE(v.Prepara());
    EXPECT_FALSE(v.Verifica(Col("111111111111")));
    v.Intervalli.Intervalli[0].Minimo = 0;
    EXPECT_TRUE(v.Verifica(Col("111111111111")));

    v.Partite[0] = true;
    v.Prepara();
    EXPECT_EQ(v.Misura(Col("X11111111111")), 7.0);
    EXPECT_TRUE(v.Verifica(Col("211111111111")));

    TValori solo;  // standing alone: every value counts as 0
    solo.Partite.fill(true);
    solo.Intervalli.Aggiungi({0, 0, 1, 1});
    ASSERT_TRUE(solo.Prepara());
    EXPECT_EQ(solo.Misura(Col("1X21X21X21X2")), 0.0);
    EXPECT_TRUE(solo.Verifica(Col("1X21X21X21X2")));

    // Values typed after Prepara are taken by the next one.
    dati.Valori[0][1] = 170;
    EXPECT_EQ(v.Misura(Col("X11111111111")), 170.0);
    EXPECT_TRUE(v.Verifica(Col("X11111111111")));
    v.Prepara();
    EXPECT_FALSE(v.Verifica(Col("X11111111111")));
}

TEST(Valori, GruppoDieciModoArchivioEStatistiche)
{
    TDatiSistema dati;
    for (int i = 0; i < 12; ++i) dati.Valori[static_cast<std::size_t>(i)] = {1, 2, 3};
    auto& elenco = *dati.Condizioni;
    auto& gruppo = *elenco.Condizione<TGruppoCondizioni>(TipoGruppoValori);
    auto e = std::make_unique<TValori>();
    e->Partite.fill(true);
    e->Intervalli.Aggiungi({12, 20, 1, 1});
    e->Intervalli.Aggiungi({21, 30, 2, 1});
    ASSERT_TRUE(gruppo.Aggiungi(std::move(e)));
    EXPECT_FALSE(gruppo.Aggiungi(std::make_unique<TPercentuali>()));
    auto& v = dynamic_cast<TValori&>(gruppo.Elemento(0));

    elenco.PreparaVerifica(true);
    EXPECT_TRUE(elenco.VerificaColonna(Col("111111111111")));   // 12
    EXPECT_FALSE(elenco.VerificaColonna(Col("222222222222")));  // 36: no interval holds it
    ASSERT_EQ(elenco.Errori.size(), 1u);
    EXPECT_EQ(elenco.Errori[0].Condizione, &v);

    // The replay over the archive leaves "Valori" out while its flag is set.
    T_ImpostazioniRicerca ricerca;
    elenco.Sorgenti.Ricerca = &ricerca;
    elenco.ModoArchivio = true;
    elenco.PreparaVerifica(false);
    EXPECT_EQ(elenco.NumeroAttive(), 0);
    ricerca.IgnoraValori = false;
    elenco.PreparaVerifica(false);
    EXPECT_EQ(elenco.NumeroAttive(), 1);
    elenco.ModoArchivio = false;

    // Statistics count by interval, the last entry standing for "Altri".
    v.AzzeraStatistiche();
    v.Prepara();
    for (const char* c : {"111111111111", "1111111111XX", "X11111111111", "222222222222"})
        v.ContaColonna(Col(c));           // 12, 14 (first interval), 13 (first), 36 (Altri)
    v.ContaColonna(Col("2222211111X1"));  // 5*3 + 6 + 2 = 23: second interval
    const auto& prime = v.StatistichePrime(0);
    EXPECT_EQ(prime.ValoreMassimo(), 2);
    EXPECT_EQ(prime.Elemento(true, 0).Frequenza, 3);
    EXPECT_EQ(prime.Elemento(true, 1).Frequenza, 1);
    EXPECT_EQ(prime.Elemento(true, 2).Frequenza, 1);
    EXPECT_EQ(v.StatisticheSeconde(0).ConcorsiContati(), 4);  // "Altri" is not admitted
}

TEST(Valori, BloccoDi2038ByteERiletturaIdentica)
{
    TValori v;
    v.Attivato = false;
    v.Intervalli.Aggiungi({-1.5, 2.25, 1, 1});
    v.Intervalli.Aggiungi({10, 20, 2, 7});
    v.Intervalli.Link = 'Q';
    v.Partite[2] = v.Partite[11] = true;
    const TBytes b = Blocco(v);
    ASSERT_EQ(b.size(), 2u + 2036u);
    EXPECT_EQ(b[0], TipoValori);
    EXPECT_EQ(b[1], 0);
    double minimo = 0;
    std::memcpy(&minimo, b.data() + 2, 8);
    EXPECT_EQ(minimo, -1.5);
    EXPECT_EQ(b[2 + 20 + 16], 2);    // second interval: state
    EXPECT_EQ(b[2 + 20 + 18], 7);    // and level
    EXPECT_EQ(b[2 + 2020], 2);       // NumeroIntervalli
    EXPECT_EQ(b[2 + 2022], 'Q');     // link
    EXPECT_EQ(b[2 + 2023 + 2], 1);   // Partite, event 3
    EXPECT_EQ(b[2 + 2023 + 11], 1);  // event 12
    EXPECT_EQ(b[2 + 2023 + 12], 0);  // event 13

    bool ok = false;
    auto letta = Rileggi(b, ok);
    ASSERT_TRUE(ok);
    EXPECT_EQ(Blocco(*letta), b);
    EXPECT_EQ(Blocco(*v.Clona()), b);
    for (std::size_t n = 1; n < b.size(); n += (n < 40 || n > 2000 ? 1 : 97)) {
        Rileggi(TBytes(b.begin(), b.begin() + static_cast<std::ptrdiff_t>(n)), ok);
        EXPECT_FALSE(ok) << n;
    }

    // A count beyond the table is cut to it; a negative one means no interval.
    TBytes guasto = b;
    guasto[2 + 2020] = 0xF4, guasto[2 + 2021] = 0x01;  // 500
    guasto[2 + 2023] = 9;                              // a flag that is not 0 or 1
    letta = Rileggi(guasto, ok);
    ASSERT_TRUE(ok);
    auto& l = dynamic_cast<TValori&>(*letta);
    EXPECT_EQ(l.Intervalli.NumeroIntervalli, TTabellaIntervalli::MassimoIntervalli);
    EXPECT_TRUE(l.Partite[0]);
    l.Attivato = true;
    l.Prepara();
    l.Verifica(Col("111111111111"));  // walks 101 intervals, no further
    guasto[2 + 2021] = 0xFF;
    letta = Rileggi(guasto, ok);
    EXPECT_EQ(dynamic_cast<TValori&>(*letta).Intervalli.NumeroIntervalli, 0);

    // Group 10 with two elements, then the byte 100.
    TGruppoCondizioni gruppo(TipoGruppoValori);
    gruppo.Aggiungi(v.Clona());
    gruppo.Aggiungi(std::make_unique<TValori>());
    const TBytes bg = Blocco(gruppo);
    ASSERT_EQ(bg.size(), 2u + 2 * 2038u + 1u);
    auto gl = Rileggi(bg, ok);
    ASSERT_TRUE(ok);
    EXPECT_EQ(Blocco(*gl), bg);

    // Its in recupero interval puts its letter in use; the report lists events and intervals.
    auto esame = TEsameTraLink::PerLettera('Q');
    v.EsameTraLink(esame);
    ASSERT_EQ(esame.Elementi.size(), 1u);
    EXPECT_EQ(esame.Elementi[0].Intervalli, &v.Intervalli);
    TRigheStampa stampa;
    v.Stampa(stampa);
    ASSERT_GE(stampa.Righe.size(), 3u);
    EXPECT_EQ(stampa.Righe[0], "Valori  (Disattivato)");
    EXPECT_EQ(stampa.Righe[1], "  Partite : 3 12");
    EXPECT_EQ(stampa.Righe[2].rfind("  Intervalli Ammessi : -1.5-2.25", 0), 0u);
}
