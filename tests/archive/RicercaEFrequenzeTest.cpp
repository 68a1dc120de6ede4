#include <gtest/gtest.h>

#include "UtArcAna.h"

using namespace morella;

namespace {

T_Concorso Fai(std::int32_t stagione, int numero, std::uint8_t completo = 1)
{
    T_Concorso c;
    c.Stagione = stagione;
    c.Numero = static_cast<std::uint8_t>(numero);
    c.Completo = completo;
    return c;
}

}  // namespace

TEST(ImpostazioniRicerca, IntervalloAiBordi)
{
    T_ImpostazioniRicerca r;
    r.PrimaStagione = 1998;
    r.PrimoNumero = 40;
    r.UltimaStagione = 1999;
    r.UltimoNumero = 10;
    EXPECT_TRUE(r.NelIntervallo(Fai(1998, 40)));
    EXPECT_TRUE(r.NelIntervallo(Fai(1999, 10)));
    EXPECT_TRUE(r.NelIntervallo(Fai(1998, 99)));
    EXPECT_TRUE(r.NelIntervallo(Fai(1999, 1)));
    EXPECT_FALSE(r.NelIntervallo(Fai(1998, 39)));
    EXPECT_FALSE(r.NelIntervallo(Fai(1999, 11)));
    EXPECT_FALSE(r.NelIntervallo(Fai(1997, 50)));
    EXPECT_FALSE(r.NelIntervallo(Fai(2000, 1)));

    // Incomplete contests count only when the flag allows them.
    EXPECT_FALSE(r.NelIntervallo(Fai(1998, 45, 0)));
    r.SoloCompleti = false;
    EXPECT_TRUE(r.NelIntervallo(Fai(1998, 45, 0)));

    // Within one season both numbers bind.
    r.UltimaStagione = 1998;
    r.UltimoNumero = 42;
    EXPECT_TRUE(r.NelIntervallo(Fai(1998, 42)));
    EXPECT_FALSE(r.NelIntervallo(Fai(1998, 43)));
}

TEST(ImpostazioniRicerca, TuttoLArchivio)
{
    T_Archivio a;
    T_ImpostazioniRicerca r;
    r.PrimaStagione = 5;
    r.TuttoLArchivio(a);
    EXPECT_EQ(r.PrimaStagione, 5);  // an empty archive changes nothing
    EXPECT_FALSE(r.CopreTuttoLArchivio(a));

    a.Aggiungi(Fai(1995, 7));
    a.Aggiungi(Fai(1996, 3));
    a.Aggiungi(Fai(1997, 12));
    r.TuttoLArchivio(a);
    EXPECT_EQ(r.PrimaStagione, 1995);
    EXPECT_EQ(r.PrimoNumero, 7);
    EXPECT_EQ(r.UltimaStagione, 1997);
    EXPECT_EQ(r.UltimoNumero, 12);
    EXPECT_TRUE(r.CopreTuttoLArchivio(a));
    r.UltimoNumero = 11;
    EXPECT_FALSE(r.CopreTuttoLArchivio(a));
}

TEST(FrequenzeRitardi, CrescitaDelleListe)
{
    T_FrequenzeRitardi t(3);
    EXPECT_EQ(t.ValoreMassimo(), 3);
    EXPECT_TRUE(t.Registra(5, 1, false));
    EXPECT_EQ(t.ValoreMassimo(), 5);
    EXPECT_EQ(t.ConcorsiContati(), 1);
    EXPECT_EQ(t.Frequenza(5), 1);
    EXPECT_EQ(t.Frequenza(1), 0);
    t.ImpostaSelettore(false);
    EXPECT_EQ(t.Frequenza(1), 1);
    EXPECT_EQ(t.Frequenza(5), 0);
    // Both lists grew, even the one whose value was small.
    EXPECT_NO_THROW(t.Elemento(false, 5));
    EXPECT_THROW(t.Elemento(false, 6), std::out_of_range);
    // Without delays nothing ages.
    EXPECT_EQ(t.Ritardo(0), 0);
    // Readers outside 0..M give zero.
    EXPECT_EQ(t.Frequenza(6), 0);
    EXPECT_EQ(t.Frequenza(-1), 0);
}

TEST(FrequenzeRitardi, RitardiDiTreRegistrazioni)
{
    T_FrequenzeRitardi t(2);
    for (int v : {2, 0, 2}) t.Registra(v, v, true);
    for (bool prima : {true, false}) {
        t.ImpostaSelettore(prima);
        EXPECT_EQ(t.Frequenza(2), 2);
        EXPECT_EQ(t.Ritardo(2), 0);
        EXPECT_EQ(t.RitardoMassimo(2), 1);
        EXPECT_EQ(t.Frequenza(0), 1);
        EXPECT_EQ(t.Ritardo(0), 1);
        EXPECT_EQ(t.RitardoMassimo(0), 1);
        EXPECT_EQ(t.Frequenza(1), 0);
        EXPECT_EQ(t.Ritardo(1), 3);
        EXPECT_EQ(t.RitardoMassimo(1), 3);
    }
    EXPECT_EQ(t.ConcorsiContati(), 3);

    // The two lists age on their own measures.
    T_FrequenzeRitardi u(1);
    u.Registra(0, 1, true);
    u.Registra(0, 1, true);
    EXPECT_EQ(u.Elemento(true, 1).Ritardo, 2);
    EXPECT_EQ(u.Elemento(false, 0).Ritardo, 2);
    EXPECT_EQ(u.Elemento(false, 1).Ritardo, 0);
}

TEST(FrequenzeRitardi, ValoriAssurdiRifiutati)
{
    T_FrequenzeRitardi t(2);
    EXPECT_FALSE(t.Registra(-1, 0, true));
    EXPECT_FALSE(t.Registra(0, 40000, true));
    EXPECT_FALSE(t.Registra(1 << 30, 0, true));
    EXPECT_EQ(t.ConcorsiContati(), 0);
    EXPECT_EQ(t.ValoreMassimo(), 2);
    EXPECT_TRUE(t.Registra(T_FrequenzeRitardi::ValoreMassimoAmmesso, 0, false));
    EXPECT_EQ(t.ValoreMassimo(), 32767);

    t.Azzera(-5);
    EXPECT_EQ(t.ValoreMassimo(), 0);
    EXPECT_EQ(t.ConcorsiContati(), 0);
    t.Azzera(100000);
    EXPECT_EQ(t.ValoreMassimo(), 32767);
}

TEST(FrequenzeRitardi, CopiaEAzzera)
{
    T_FrequenzeRitardi t(1);
    t.Registra(0, 1, true);
    t.Registra(1, 1, true);
    t.ImpostaSelettore(false);
    t.ImpostaRiservato(9);
    const T_FrequenzeRitardi c = t.Copia();
    EXPECT_EQ(c.ValoreMassimo(), 1);
    EXPECT_EQ(c.ConcorsiContati(), 2);
    for (bool prima : {true, false})
        for (int i = 0; i <= 1; ++i) EXPECT_EQ(c.Elemento(prima, i), t.Elemento(prima, i));
    // A copy is a new table: first list selected, reserved byte clear.
    EXPECT_TRUE(c.Selettore());
    EXPECT_EQ(c.Riservato(), 0);

    t.Azzera(4);
    EXPECT_EQ(t.ValoreMassimo(), 4);
    EXPECT_EQ(t.ConcorsiContati(), 0);
    for (int i = 0; i <= 4; ++i) EXPECT_EQ(t.Elemento(true, i), TElemRFRM{});
    EXPECT_EQ(c.Elemento(true, 1).Frequenza, 1);  // the copy is its own
}
