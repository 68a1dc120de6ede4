// The group editor's state: the working copy, the shown element and the buttons that lead
// somewhere, adding and deleting, and what OK gives back to the system's group.
#include <gtest/gtest.h>

#include "AiutiCondizioni.h"
#include "CartellaTemporanea.h"
#include "Consecutivita.h"
#include "ModelloGruppo.h"

using namespace morella;

namespace {

TConsecutivita& Elemento(TGruppoCondizioni& g, int i)
{
    return dynamic_cast<TConsecutivita&>(g.Elemento(i));
}

// A group of kind 8 with elements of the given signs; the first admits 3 signs, runs up to 2.
TGruppoCondizioni Gruppo(std::initializer_list<TSegni> segni)
{
    TGruppoCondizioni g(TipoGruppoConsecutivita);
    for (TSegni s : segni) {
        auto e = std::make_unique<TConsecutivita>();
        e->Segno = s;
        g.Aggiungi(std::move(e));
    }
    if (g.Conta() > 0) {
        auto& e = Elemento(g, 0);
        e.Tabella(TConsecutivita::TabellaConteggi).ImpostaStato(0, 3, StatoAmmesso);
        for (int r = 0; r <= 2; ++r) e.Tabella(TConsecutivita::TabellaRun).ImpostaStato(0, r, StatoAmmesso);
    }
    return g;
}

}  // namespace

TEST(ModelloGruppo, GruppoVuoto)
{
    test::TGiocoTemporaneo gioco(GiocoTotip);
    TGruppoCondizioni g(TipoGruppoConsecutivita);
    TModelloGruppo m(g);
    EXPECT_TRUE(m.Vuoto());
    EXPECT_EQ(m.Posizione(), 0);
    EXPECT_EQ(m.Corrente(), nullptr);
    EXPECT_EQ(m.Didascalia(), "Nessun Elemento");
    TPulsantiGruppo solo;  // only "AggiungiBtn"
    EXPECT_EQ(m.Pulsanti(), solo);
    EXPECT_FALSE(m.Primo());
    EXPECT_FALSE(m.Ultimo());
    EXPECT_FALSE(m.Successivo());
    EXPECT_FALSE(m.Precedente());
    EXPECT_FALSE(m.Elimina());
    EXPECT_FALSE(m.Modificato());
    EXPECT_FALSE(m.Conferma(g));
}

TEST(ModelloGruppo, NavigazioneEDidascalia)
{
    test::TGiocoTemporaneo gioco(GiocoTotip);
    TGruppoCondizioni g = Gruppo({Segno1, SegnoX, Segno2});
    TModelloGruppo m(g);
    // Opens on the first element.
    EXPECT_EQ(m.Posizione(), 1);
    EXPECT_EQ(m.Didascalia(), "Elemento 1 di 3");
    EXPECT_EQ(m.CorrenteCome<TConsecutivita>()->Segno, Segno1);
    TPulsantiGruppo p = m.Pulsanti();
    EXPECT_FALSE(p.Primo);
    EXPECT_FALSE(p.Precedente);
    EXPECT_TRUE(p.Successivo);
    EXPECT_TRUE(p.Ultimo);
    EXPECT_TRUE(p.Elimina);
    EXPECT_TRUE(p.Elemento);
    EXPECT_FALSE(m.Precedente());

    EXPECT_TRUE(m.Successivo());
    EXPECT_EQ(m.Didascalia(), "Elemento 2 di 3");
    p = m.Pulsanti();
    EXPECT_TRUE(p.Primo && p.Precedente && p.Successivo && p.Ultimo);

    EXPECT_TRUE(m.Ultimo());
    EXPECT_EQ(m.CorrenteCome<TConsecutivita>()->Segno, Segno2);
    p = m.Pulsanti();
    EXPECT_TRUE(p.Primo && p.Precedente);
    EXPECT_FALSE(p.Successivo || p.Ultimo);
    EXPECT_FALSE(m.Successivo());
    EXPECT_FALSE(m.Ultimo());  // already there: nothing to show anew

    EXPECT_TRUE(m.Precedente());
    EXPECT_EQ(m.Posizione(), 2);
    EXPECT_TRUE(m.Primo());
    EXPECT_EQ(m.Posizione(), 1);
    EXPECT_FALSE(m.VaiA(0));
    EXPECT_FALSE(m.VaiA(4));
    EXPECT_EQ(m.Posizione(), 1);
    // Looking around is no change.
    EXPECT_FALSE(m.Modificato());
}

TEST(ModelloGruppo, AggiungiEdElimina)
{
    test::TGiocoTemporaneo gioco(GiocoTotip);
    TGruppoCondizioni g(TipoGruppoConsecutivita);
    TModelloGruppo m(g);
    TCondizione* nuovo = m.Aggiungi();
    ASSERT_NE(nuovo, nullptr);
    EXPECT_EQ(nuovo->Tipo(), TipoConsecutivita);
    // A new element has its defaults: sign "1", switched on, nothing admitted.
    auto* c = m.CorrenteCome<TConsecutivita>();
    ASSERT_EQ(c, nuovo);
    EXPECT_EQ(c->Segno, Segno1);
    EXPECT_TRUE(c->Attivato);
    EXPECT_FALSE(c->Tabella(0).HaStati(0));
    EXPECT_EQ(m.Didascalia(), "Elemento 1 di 1");
    EXPECT_EQ(m.Pulsanti().Elimina, true);
    EXPECT_FALSE(m.Pulsanti().Primo || m.Pulsanti().Ultimo);
    c->Segno = SegnoX;
    m.Aggiungi()->Attivato = false;
    dynamic_cast<TConsecutivita*>(m.Aggiungi())->Segno = Segno2;
    // A new element goes to the end and is shown.
    EXPECT_EQ(m.Didascalia(), "Elemento 3 di 3");
    // The system's group has not seen any of it.
    EXPECT_EQ(g.Conta(), 0);

    // Deleting in the middle shows the one that takes its place.
    m.VaiA(2);
    EXPECT_TRUE(m.Elimina());
    EXPECT_EQ(m.Didascalia(), "Elemento 2 di 2");
    EXPECT_EQ(m.CorrenteCome<TConsecutivita>()->Segno, Segno2);
    // Deleting the last shows the previous one.
    EXPECT_TRUE(m.Elimina());
    EXPECT_EQ(m.Didascalia(), "Elemento 1 di 1");
    EXPECT_EQ(m.CorrenteCome<TConsecutivita>()->Segno, SegnoX);
    EXPECT_TRUE(m.Elimina());
    EXPECT_TRUE(m.Vuoto());
    EXPECT_EQ(m.Pulsanti(), TPulsantiGruppo{});
    EXPECT_FALSE(m.Elimina());
    // Added and then removed again: nothing to give back.
    EXPECT_FALSE(m.Modificato());
}

TEST(ModelloGruppo, AltriGruppiAltriElementi)
{
    test::TGiocoTemporaneo gioco(GiocoToto);
    // The same editor state serves the other simple groups: the element kind follows.
    TGruppoCondizioni sequele(TipoGruppoSequele);
    TModelloGruppo m(sequele);
    ASSERT_NE(m.Aggiungi(), nullptr);
    EXPECT_EQ(m.Corrente()->Tipo(), TipoSequele);
    // A factory of the wrong kind adds nothing.
    TModelloGruppo sbagliato(sequele, [] { return std::make_unique<TConsecutivita>(); });
    EXPECT_EQ(sbagliato.Aggiungi(), nullptr);
    EXPECT_TRUE(sbagliato.Vuoto());
    EXPECT_FALSE(sbagliato.Modificato());
}

TEST(ModelloGruppo, LaCopiaProteggeIlGruppo)
{
    test::TGiocoTemporaneo gioco(GiocoTotip);
    TGruppoCondizioni g = Gruppo({Segno1, SegnoX});
    g.Percorso = "\\Gruppo Consecutività";
    const TBytes prima = test::Blocco(g);
    const TCondizione* primo = &g.Elemento(0);

    // Every kind of edit on the copy counts as a change, and none reaches the group until OK.
    auto cambia = [](TModelloGruppo& m) { m.CorrenteCome<TConsecutivita>()->Segno = Segno2; };
    auto tabella = [](TModelloGruppo& m) {
        m.CorrenteCome<TConsecutivita>()
            ->Tabella(TConsecutivita::TabellaRun)
            .ImpostaStato(0, 5, StatoInRecupero, 3);
    };
    auto elemento = [](TModelloGruppo& m) { m.Corrente()->Attivato = false; };
    auto gruppo = [](TModelloGruppo& m) { m.Copia().Attivato = false; };
    auto elimina = [](TModelloGruppo& m) { m.Elimina(); };
    auto aggiungi = [](TModelloGruppo& m) { m.Aggiungi(); };
    auto campo = [](TModelloGruppo& m) { m.CorrenteCome<TConsecutivita>()->Tabella(1).AEvento = 8; };
    for (const auto& modifica : {+cambia, +tabella, +elemento, +gruppo, +elimina, +aggiungi, +campo}) {
        TModelloGruppo m(g);
        modifica(m);
        EXPECT_TRUE(m.Modificato());
        EXPECT_EQ(test::Blocco(g), prima);
        EXPECT_EQ(&g.Elemento(0), primo);
    }

    // OK brings the copy back, byte for byte, with the elements' paths renewed.
    TModelloGruppo m(g);
    m.Successivo();
    m.CorrenteCome<TConsecutivita>()->Segno = Segno2;
    m.Corrente()->Attivato = false;
    m.Aggiungi();
    ASSERT_TRUE(m.Conferma(g));
    EXPECT_EQ(test::Blocco(g), test::Blocco(m.Copia()));
    ASSERT_EQ(g.Conta(), 3);
    EXPECT_EQ(dynamic_cast<TConsecutivita&>(g.Elemento(1)).Segno, Segno2);
    EXPECT_FALSE(g.Elemento(1).Attivato);
    EXPECT_EQ(g.Elemento(1).Percorso, "\\Gruppo Consecutività\\Consecutività Segno 2");
    // The group owns its own elements, not the editor's.
    EXPECT_NE(&g.Elemento(0), &m.Copia().Elemento(0));
}

TEST(ModelloGruppo, SenzaCambiamentiOkNonToccaNulla)
{
    test::TGiocoTemporaneo gioco(GiocoTotip);
    TGruppoCondizioni g = Gruppo({Segno1, SegnoX});
    // Prepared as the menu and the development leave it: derived flags set.
    g.Prepara();
    ASSERT_TRUE(g.Elemento(0).Attivo);
    const TCondizione* primo = &g.Elemento(0);
    const TBytes prima = test::Blocco(g);

    TModelloGruppo m(g);
    // A value clicked round back to where it was, with the table's derived flags cleared as
    // a table taken back from its control has them: no change.
    TTabellaValori& t = m.CorrenteCome<TConsecutivita>()->Tabella(TConsecutivita::TabellaRun);
    t.ImpostaStato(0, 4, StatoAmmesso);
    t.ImpostaStato(0, 4, StatoEscluso);
    t.Sotto[0].InUso = t.Sotto[1].InUso = false;
    t.Attivo = false;
    m.Successivo();
    m.Primo();
    EXPECT_FALSE(m.Modificato());
    EXPECT_FALSE(m.Conferma(g));
    EXPECT_EQ(&g.Elemento(0), primo);
    EXPECT_EQ(test::Blocco(g), prima);
}

TEST(ModelloGruppo, AzzeraTieneGliElementi)
{
    test::TGiocoTemporaneo gioco(GiocoTotip);
    TGruppoCondizioni g = Gruppo({SegnoX, Segno2});
    g.Attivato = false;
    g.Elemento(1).Attivato = false;
    Elemento(g, 0).Tabella(TConsecutivita::TabellaRun).DaEvento = 4;
    TModelloGruppo m(g);
    m.Ultimo();
    m.Azzera();
    EXPECT_EQ(m.Conta(), 2);
    EXPECT_EQ(m.Posizione(), 2);
    EXPECT_TRUE(m.Copia().Attivato);
    for (int i = 0; i < 2; ++i) {
        auto& e = Elemento(m.Copia(), i);
        EXPECT_TRUE(e.Attivato);
        EXPECT_EQ(e.Segno, i == 0 ? SegnoX : Segno2);
        for (int t = 0; t < 2; ++t) {
            EXPECT_FALSE(e.Tabella(t).HaStati(0));
            EXPECT_EQ(e.Tabella(t).DaEvento, 1);
            EXPECT_EQ(e.Tabella(t).AEvento, NumEvents);
        }
    }
    EXPECT_TRUE(m.Modificato());

    // An element kind's own reset runs on every element, after the switch is back on.
    int azzerati = 0;
    m.Azzera([&](TCondizione& e) {
        EXPECT_TRUE(e.Attivato);
        ++azzerati;
    });
    EXPECT_EQ(azzerati, 2);
}
