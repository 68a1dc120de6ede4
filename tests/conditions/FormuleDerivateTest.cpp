#include <gtest/gtest.h>

#include <random>

#include "AiutiForme.h"
#include "CartellaTemporanea.h"
#include "Distribuzione.h"
#include "FormuleDerivate.h"
#include "UTCondiz.h"

using namespace morella;
using morella::test::TGiocoTemporaneo;
using morella::test::forme::Blocco;
using morella::test::forme::Col;
using morella::test::forme::DaCodice;

TEST(FormuleDerivate, FormulaEIndiceDellaDistribuzione)
{
    const TFormuleDerivate k;
    EXPECT_EQ(k.Massimo, 90);
    EXPECT_EQ(k.Formula(Col("111111111111")), 0);
    EXPECT_EQ(k.Formula(Col("111111111112")), 1);
    EXPECT_EQ(k.Formula(Col("11111111111X")), 2);
    EXPECT_EQ(k.Formula(Col("222222222222")), 78);
    EXPECT_EQ(k.Formula(Col("XXXXXXXXXXXX")), 90);
    EXPECT_EQ(k.Formula(Col("1X21X21X21X2")), 40);
    // Every single column of the development, against the shared distribution index.
    for (std::uint32_t codice = 0; codice < 531441; codice += 5) {
        const TColonna c = DaCodice(codice);
        const TColonnaEsaminata e(c);
        const TDistribuzione d{ContaBit(e.Segni[0]), ContaBit(e.Segni[1]), ContaBit(e.Segni[2])};
        ASSERT_EQ(k.Formula(e), IndiceDistribuzione(d)) << TestoColonna(c);
    }
    // Empty and multiple events still give an index within the flags.
    TColonna strana{};
    strana[0] = 7;
    EXPECT_LE(k.Formula(strana), k.Massimo);

    TGiocoTemporaneo toto(GiocoToto);
    const TFormuleDerivate t;
    EXPECT_EQ(t.Massimo, 104);
    EXPECT_EQ(t.Formula(Col("XXXXXXXXXXXXX")), 104);
    EXPECT_EQ(t.Formula(Col("1X2XX1211X221")), 40);
}

TEST(FormuleDerivate, SoloLUltimaFormulaAmmessa)
{
    TFormuleDerivate k;
    EXPECT_FALSE(k.Prepara());  // nothing admitted: not active, everything passes
    EXPECT_TRUE(k.Verifica(Col("111111111111")));
    k.FormuleAmmesse[90] = true;
    ASSERT_TRUE(k.Prepara());
    int accettate = 0;
    for (std::uint32_t codice = 0; codice < 531441; ++codice) accettate += k.Verifica(DaCodice(codice));
    EXPECT_EQ(accettate, 1);
    EXPECT_TRUE(k.Verifica(Col("XXXXXXXXXXXX")));

    k.Attivato = false;
    EXPECT_FALSE(k.Prepara());
    // A flag past the game's last formula does not make the condition active.
    TFormuleDerivate fuori;
    fuori.FormuleAmmesse[100] = true;
    EXPECT_FALSE(fuori.Prepara());
}

TEST(FormuleDerivate, StatisticheDelleColonne)
{
    // Over the whole development each index counts its multinomial number of columns;
    // with one formula admitted only its columns reach the second set.
    TFormuleDerivate k;
    k.FormuleAmmesse[IndiceDistribuzione({4, 4, 4})] = true;
    k.Prepara();
    k.AzzeraStatistiche();
    for (std::uint32_t codice = 0; codice < 531441; ++codice) k.ContaColonna(DaCodice(codice));
    ASSERT_EQ(k.NumeroSerie(), 1);
    EXPECT_EQ(k.MassimoSerie(0), 90);
    EXPECT_EQ(k.StatistichePrime(0).Frequenza(0), 1);
    EXPECT_EQ(k.StatistichePrime(0).Frequenza(1), 12);
    EXPECT_EQ(k.StatistichePrime(0).Frequenza(40), 34650);  // 12! / (4! 4! 4!)
    EXPECT_EQ(k.StatisticheSeconde(0).Frequenza(40), 34650);
    EXPECT_EQ(k.StatisticheSeconde(0).Frequenza(0), 0);
    EXPECT_EQ(k.StatisticheSeconde(0).ConcorsiContati(), 34650);
}

TEST(FormuleDerivate, BloccoEsattoERiletturaIdentica)
{
    TFormuleDerivate k;
    k.Attivato = false;
    k.FormuleAmmesse[0] = k.FormuleAmmesse[45] = k.FormuleAmmesse[105] = true;
    const TBytes b = Blocco(k);
    ASSERT_EQ(b.size(), 2u + 106u);
    EXPECT_EQ(b[0], 6);
    EXPECT_EQ(b[1], 0);
    for (std::size_t i = 0; i < 106; ++i) EXPECT_EQ(b[2 + i], i == 0 || i == 45 || i == 105 ? 1 : 0) << i;

    TLettoreBinario r(b);
    std::uint8_t tipo = 0;
    ASSERT_TRUE(r.Byte(tipo));
    auto letta = CreaCondizione(tipo);
    ASSERT_NE(dynamic_cast<TFormuleDerivate*>(letta.get()), nullptr);
    ASSERT_TRUE(letta->Leggi(r));
    EXPECT_TRUE(r.AllaFine());
    EXPECT_EQ(Blocco(*letta), b);
    EXPECT_EQ(Blocco(*k.Clona()), b);

    // Any nonzero byte is a set flag, written back as 1.
    TBytes sporco(b.begin() + 1, b.end());
    sporco[1 + 7] = 0xFF;
    TLettoreBinario rs(sporco);
    TFormuleDerivate s;
    ASSERT_TRUE(s.Leggi(rs));
    EXPECT_TRUE(s.FormuleAmmesse[7]);
    EXPECT_EQ(Blocco(s)[2 + 7], 1);

    // A short block fails and leaves the flags as they were.
    for (std::size_t n = 0; n < 107; ++n) {
        TLettoreBinario corto(b.data() + 1, n);
        TFormuleDerivate c;
        c.FormuleAmmesse[3] = true;
        EXPECT_FALSE(c.Leggi(corto)) << n;
        EXPECT_TRUE(c.FormuleAmmesse[3]);
        EXPECT_FALSE(c.FormuleAmmesse[45]);
    }
}

TEST(FormuleDerivate, Stampa)
{
    TFormuleDerivate k;
    k.FormuleAmmesse[0] = k.FormuleAmmesse[40] = true;
    k.Prepara();
    TRigheStampa s;
    k.Stampa(s);
    ASSERT_EQ(s.Righe.size(), 3u);
    EXPECT_EQ(s.Righe[0], "Formule Derivate");
    EXPECT_EQ(s.Righe[2], "   12-0-0 4-4-4");
}
