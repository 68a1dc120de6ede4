// The pattern kinds inside the container: their slots, their blocks among the others, and
// a verdict reached through the container.
#include <gtest/gtest.h>

#include <random>

#include "AiutiForme.h"
#include "FormuleDerivate.h"
#include "Modulo.h"
#include "Simmetrie.h"
#include "UTCondiz.h"
#include "Vortice.h"

using namespace morella;
using morella::test::forme::Blocco;
using morella::test::forme::DaCodice;

namespace {

void Riempi(TCondizioneATabelle& c, std::mt19937& g)
{
    for (int i = 0; i < c.NumeroTabelle(); ++i) {
        auto& t = c.Tabella(i);
        for (int k = 0; k < 2; ++k) {
            for (int v = 0; v <= t.Massimo(); ++v)
                t.ImpostaStato(k, v, static_cast<std::uint8_t>(g() % 3),
                               static_cast<std::uint8_t>(1 + g() % 255));
            t.Sotto[static_cast<std::size_t>(k)].Link = static_cast<std::uint8_t>('A' + g() % 26);
            t.Sotto[static_cast<std::size_t>(k)].GruppoTra = static_cast<std::int16_t>(g() % 31);
        }
        t.DaEvento = static_cast<std::int16_t>(1 + g() % 6);
        t.AEvento = static_cast<std::int16_t>(7 + g() % 6);
    }
    c.Attivato = g() % 2;
}

TBytes BloccoElenco(const TElencoCondizioni& e)
{
    TScrittoreBinario f;
    e.Scrivi(f);
    return f.Dati();
}

}  // namespace

TEST(FormeElenco, SlotEBlocchiNelContenitore)
{
    std::mt19937 g(21);
    TElencoCondizioni elenco;
    ASSERT_NE(elenco.Condizione<TVortice>(3), nullptr);
    ASSERT_NE(elenco.Condizione<TSimmetrie>(4), nullptr);
    ASSERT_NE(elenco.Condizione<TFormuleDerivate>(6), nullptr);
    ASSERT_NE(elenco.Condizione<TModulo>(14), nullptr);
    for (int slot : {1, 2, 3, 4, 5, 14}) Riempi(*elenco.Condizione<TCondizioneATabelle>(slot), g);
    auto& fd = *elenco.Condizione<TFormuleDerivate>(6);
    for (auto& f : fd.FormuleAmmesse) f = g() % 2;
    fd.Attivato = false;

    const TBytes b = BloccoElenco(elenco);
    TElencoCondizioni letto;
    TLettoreBinario r(b);
    ASSERT_TRUE(letto.Leggi(r));
    EXPECT_TRUE(r.AllaFine());
    EXPECT_EQ(BloccoElenco(letto), b);
    EXPECT_EQ(letto.Condizione<TFormuleDerivate>(6)->FormuleAmmesse, fd.FormuleAmmesse);
    EXPECT_FALSE(letto.Condizione(6)->Attivato);

    // A block cut inside a pattern kind stops the read there.
    const std::size_t finoAlVortice = 2 + 228 + 2 + 128;  // kinds 1 and 2
    TLettoreBinario corto(b.data(), finoAlVortice + 100);
    TElencoCondizioni parziale;
    EXPECT_FALSE(parziale.Leggi(corto));
}

TEST(FormeElenco, OgniTipoRespingeNelContenitore)
{
    TElencoCondizioni elenco;
    elenco.Condizione<TFormuleDerivate>(6)->FormuleAmmesse[40] = true;
    elenco.Condizione<TModulo>(14)->Tabella(TModulo::TabellaSomma).ImpostaStato(0, 9, StatoAmmesso);
    elenco.Condizione<TSimmetrie>(4)->Tabella(TSimmetrie::TabellaInverse).ImpostaStato(1, 6, StatoAmmesso);
    elenco.Condizione<TVortice>(3)->Tabella(TVortice::TabellaSegno).ImpostaStato(0, 1, StatoAmmesso);
    elenco.PreparaVerifica(true);
    ASSERT_EQ(elenco.NumeroAttive(), 4);
    elenco.VerificaColonna(TColonna{});  // a column of empty events is measured safely

    TColonna c{};
    ASSERT_EQ(ColonnaDaTesto("1X21X21X21X2", c), 0);  // 4-4-4, sum 9, inverse 6 long, vortex on "X"
    elenco.Errori.clear();
    EXPECT_TRUE(elenco.VerificaColonna(c));
    ASSERT_EQ(ColonnaDaTesto("111111111111", c), 0);  // fails formula, modulo and vortex sign
    elenco.Errori.clear();
    EXPECT_FALSE(elenco.VerificaColonna(c));
    ASSERT_EQ(elenco.Errori.size(), 3u);
    EXPECT_EQ(elenco.Errori[0].Condizione, elenco.Condizione(3));
    EXPECT_EQ(elenco.Errori[1].Condizione, elenco.Condizione(6));
    EXPECT_EQ(elenco.Errori[2].Condizione, elenco.Condizione(14));
}

TEST(FormeElenco, BlocchiCasualiNonFannoDanni)
{
    // Whatever bytes a damaged file holds, each kind reads them into something that
    // evaluates columns safely and writes back what it reads.
    std::mt19937 g(8);
    TElencoLink link;
    TElencoCondizioni elenco(&link);
    for (int tipo : {TipoVortice, TipoSimmetrie, TipoFormuleDerivate, TipoModulo}) {
        const std::size_t lunghezza = Blocco(*CreaCondizione(tipo)).size() - 1;
        for (int prova = 0; prova < 300; ++prova) {
            TBytes b(lunghezza);
            for (auto& x : b)
                x = static_cast<std::uint8_t>(prova % 2 ? g() : g() % 4);  // small values hit real states
            TLettoreBinario r(b);
            auto c = CreaCondizione(tipo, &elenco);
            ASSERT_TRUE(c->Leggi(r));
            const TBytes scritto = Blocco(*c);
            TLettoreBinario r2(scritto);
            std::uint8_t t = 0;
            ASSERT_TRUE(r2.Byte(t));
            auto copia = CreaCondizione(t, &elenco);
            ASSERT_TRUE(copia->Leggi(r2));
            ASSERT_EQ(Blocco(*copia), scritto);
            c->Prepara();
            for (std::uint32_t codice = 0; codice < 531441; codice += 997) c->Verifica(DaCodice(codice));
            c->Verifica(TColonna{});
        }
    }
}
