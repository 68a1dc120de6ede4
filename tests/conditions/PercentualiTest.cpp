#include <gtest/gtest.h>

#include <cmath>
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

// Rows as the coupon editor leaves them, and now and then a raw one from a file.
void PercentualiCasuali(TTabellaSegni& t, std::mt19937& g)
{
    for (auto& riga : t) {
        if (g() % 8 == 0) {
            for (auto& p : riga) p = static_cast<std::int32_t>(g() % 300) - 50;
            continue;
        }
        const auto p1 = static_cast<std::int32_t>(g() % 101);
        const auto px = static_cast<std::int32_t>(g() % static_cast<std::uint32_t>(101 - p1));
        riga = {p1, px, 100 - p1 - px};
    }
}

// Verifica must see exactly the number the rules give: admitted by [v, v], refused just
// above and just below it.
void ProvaEsatta(TPercentuali& p, const TColonna& col, double v, bool vicini)
{
    auto& t = p.Intervalli.Intervalli[0];
    t.Minimo = t.Massimo = v;
    ASSERT_TRUE(p.Verifica(col)) << TestoColonna(col) << " " << v;
    if (!vicini) return;
    t.Minimo = t.Massimo = std::nextafter(v, std::numeric_limits<double>::infinity());
    ASSERT_FALSE(p.Verifica(col)) << TestoColonna(col);
    t.Minimo = t.Massimo = std::nextafter(v, -std::numeric_limits<double>::infinity());
    ASSERT_FALSE(p.Verifica(col)) << TestoColonna(col);
}

}  // namespace

TEST(Percentuali, ProdottoIdenticoAlleRegoleSuTuttoLoSviluppo)
{
    std::mt19937 g(37);
    TDatiSistema dati;
    PercentualiCasuali(dati.Percentuali, g);
    TPercentuali p(dati.Condizioni.get());
    for (int i = 0; i < 12; ++i) p.Partite[static_cast<std::size_t>(i)] = i != 5;
    p.Intervalli.Aggiungi({0, 0, 1, 1});
    ASSERT_TRUE(p.Prepara());
    // In development order: the running product is reused from the first changed event.
    for (std::uint32_t codice = 0; codice < 531441; ++codice) {
        const TColonna col = DaCodice(codice);
        const double atteso = LetteralePercentuali(col, dati.Percentuali, p.Partite);
        ASSERT_EQ(p.Misura(col), atteso) << TestoColonna(col);
        ProvaEsatta(p, col, atteso, codice % 97 == 0);
        if (HasFatalFailure()) return;
    }
    // In no order at all, with incomplete columns and in Toto.
    for (int gioco : {GiocoTotip, GiocoToto}) {
        TGiocoTemporaneo giocoDelTest(gioco);
        PercentualiCasuali(dati.Percentuali, g);
        p.Partite.fill(true);
        p.Partite[static_cast<std::size_t>(g() % 13)] = false;
        p.Prepara();
        for (int n = 0; n < 30000; ++n) {
            const TColonna col = Casuale(g);
            const double atteso = LetteralePercentuali(col, dati.Percentuali, p.Partite);
            ASSERT_EQ(p.Misura(col), atteso) << TestoColonna(col);
            ProvaEsatta(p, col, atteso, n % 11 == 0);
            if (HasFatalFailure()) return;
        }
    }
}

TEST(Percentuali, CasiSempliciESenzaSistema)
{
    TDatiSistema dati;
    dati.Percentuali[4] = {40, 35, 25};
    dati.Percentuali[7] = {50, 30, 20};
    TPercentuali p(dati.Condizioni.get());
    EXPECT_EQ(p.Misura(Col("111111111111")), 0.0);  // no event takes part
    p.Partite[4] = true;
    EXPECT_EQ(p.Misura(Col("111111111111")), 40.0);
    EXPECT_EQ(p.Misura(Col("1111X1111111")), 35.0);
    p.Partite[7] = true;
    EXPECT_EQ(p.Misura(Col("1111X1121111")), 7.0);  // 35% of 20%
    // An event without a single sign leaves the product as it is.
    TColonna vuota = Col("1111X1121111");
    vuota[7] = 0;
    EXPECT_EQ(p.Misura(vuota), 35.0);

    TPercentuali sola;  // no system: every percentage is 0
    sola.Partite[0] = true;
    EXPECT_EQ(sola.Misura(Col("111111111111")), 0.0);

    // Percentages changed: the next Prepara starts the running product again.
    p.Intervalli.Aggiungi({6.5, 7.5, 1, 1});
    ASSERT_TRUE(p.Prepara());
    EXPECT_TRUE(p.Verifica(Col("1111X1121111")));
    dati.Percentuali[7][2] = 60;
    EXPECT_TRUE(p.Verifica(Col("1111X1121111")));
    p.Prepara();
    EXPECT_FALSE(p.Verifica(Col("1111X1121111")));
    p.Partite[7] = false;
    p.Intervalli.Intervalli[0] = {35, 35, 1, 1};
    p.Prepara();
    EXPECT_TRUE(p.Verifica(Col("1111X1121111")));
}

TEST(Percentuali, GruppoUndiciNelContenitoreEModoArchivio)
{
    TDatiSistema dati;
    for (auto& riga : dati.Percentuali) riga = {50, 30, 20};
    auto& elenco = *dati.Condizioni;
    auto& gruppo = *elenco.Condizione<TGruppoCondizioni>(TipoGruppoPercentuali);
    EXPECT_EQ(gruppo.Nome, "Gruppo Percentuali");
    for (int k = 0; k < 2; ++k) {
        auto e = std::make_unique<TPercentuali>();
        e->Partite[static_cast<std::size_t>(k)] = true;
        e->Intervalli.Aggiungi({25, 60, 1, 1});
        ASSERT_TRUE(gruppo.Aggiungi(std::move(e)));
    }
    EXPECT_FALSE(gruppo.Aggiungi(std::make_unique<TSequele>()));
    elenco.PreparaVerifica(true);
    EXPECT_TRUE(elenco.VerificaColonna(Col("1X2222222222")));
    EXPECT_FALSE(elenco.VerificaColonna(Col("221111111111")));  // 20 and 20
    ASSERT_EQ(elenco.Errori.size(), 2u);
    EXPECT_EQ(elenco.Errori[1].Condizione, &gruppo.Elemento(1));

    T_ImpostazioniRicerca ricerca;
    elenco.Sorgenti.Ricerca = &ricerca;
    elenco.ModoArchivio = true;
    elenco.PreparaVerifica(false);
    EXPECT_TRUE(elenco.VerificaColonna(Col("221111111111")));
    ricerca.IgnoraPercentuali = false;
    elenco.PreparaVerifica(false);
    EXPECT_FALSE(elenco.VerificaColonna(Col("221111111111")));

    // The container block of the system reads back and writes again byte for byte.
    TScrittoreBinario f;
    elenco.Scrivi(f);
    TDatiSistema altro;
    TLettoreBinario r(f.Dati());
    altro.Condizioni->Leggi(r);
    TScrittoreBinario g;
    altro.Condizioni->Scrivi(g);
    EXPECT_EQ(g.Dati(), f.Dati());
    EXPECT_EQ(altro.Condizioni->Condizione<TGruppoCondizioni>(TipoGruppoPercentuali)->Conta(), 2);
}

TEST(Percentuali, BloccoComeIValori)
{
    TPercentuali p;
    p.Intervalli.Aggiungi({0.5, 12.75, 2, 3});
    p.Partite[0] = true;
    const TBytes b = Blocco(p);
    ASSERT_EQ(b.size(), 2u + 2036u);
    EXPECT_EQ(b[0], TipoPercentuali);
    EXPECT_EQ(b[2 + 2023], 1);
    bool ok = false;
    auto letta = Rileggi(b, ok);
    ASSERT_TRUE(ok);
    EXPECT_EQ(Blocco(*letta), b);
    EXPECT_EQ(letta->Nome, "Percentuali");
}
