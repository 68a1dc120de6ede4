#include <gtest/gtest.h>

#include <random>

#include "CartellaTemporanea.h"
#include "MisureLetteraliStoria.h"
#include "ProveStoria.h"
#include "UTCondiz.h"

using namespace morella;
using morella::test::TGiocoTemporaneo;
using namespace morella::test::storia;

namespace {

void Imposta(TSequele& s, const TSequelaL& q)
{
    s.TipoSequela = q.Tipo;
    s.Schema = q.Schema;
    s.Lunghezza = q.Lunghezza;
    s.PassoTrovata = q.PassoTrovata;
    s.PassoNonTrovata = q.PassoNonTrovata;
    s.Tabella(0).DaEvento = static_cast<std::int16_t>(q.Campo.Da);
    s.Tabella(0).AEvento = static_cast<std::int16_t>(q.Campo.A);
}

TSequelaL Casuali(std::mt19937& g)
{
    TSequelaL q;
    q.Tipo = static_cast<int>(1 + g() % 6);
    const int a = static_cast<int>(1 + g() % NumEvents), b = static_cast<int>(1 + g() % NumEvents);
    q.Campo = {std::min(a, b), std::max(a, b)};
    // Lengths from 1 to the whole column; mostly short, as players set them.
    q.Lunghezza = g() % 4 == 0 ? static_cast<int>(1 + g() % NumEvents) : static_cast<int>(2 + g() % 3);
    const int passi[] = {1, 1, 1, 2, 3, q.Lunghezza};
    q.PassoTrovata = passi[g() % 6];
    q.PassoNonTrovata = g() % 3 == 0 ? 2 : 1;
    for (int j = 0; j < q.Lunghezza; ++j)
        q.Schema[static_cast<std::size_t>(j)] = SegnoDaCifra(static_cast<int>(g() % 3));
    return q;
}

std::string Descrivi(const TSequelaL& q)
{
    return "tipo " + std::to_string(q.Tipo) + " L " + std::to_string(q.Lunghezza) + " passi " +
           std::to_string(q.PassoTrovata) + "/" + std::to_string(q.PassoNonTrovata) + " campo " +
           std::to_string(q.Campo.Da) + ".." + std::to_string(q.Campo.A) + " schema " +
           TestoColonna(q.Schema);
}

}  // namespace

TEST(Sequele, CasiFattiAMano)
{
    TSequele s;
    // Pattern "11", both steps 1, on twelve "1": eleven windows in a row.
    Imposta(s, {TSequele::SequelaSchema, Col("11**********"), 2, 1, 1, {1, 12}});
    EXPECT_EQ(s.Misura(Col("111111111111")), (TMisura{11, 11}));
    // Stepping over a match: windows at 1, 3, 5, ...
    s.PassoTrovata = 2;
    EXPECT_EQ(s.Misura(Col("111111111111")), (TMisura{6, 6}));
    EXPECT_EQ(s.Misura(Col("11X111111111")), (TMisura{5, 4}));  // 1 matches, 3 misses, then 4, 6, 8, 10

    // Three distinct counts.
    Imposta(s, {TSequele::Monotermine, {}, 3, 1, 1, {1, 3}});
    EXPECT_EQ(s.Misura(Col("XXX111111111")), (TMisura{1, 1}));
    EXPECT_EQ(s.Misura(Col("XX1111111111")), (TMisura{0, 0}));
    s.TipoSequela = TSequele::Bitermine;
    EXPECT_EQ(s.Misura(Col("XX1111111111")), (TMisura{1, 1}));
    s.TipoSequela = TSequele::Tritermine;
    s.Tabella(0).AEvento = 12;
    EXPECT_EQ(s.Misura(Col("1X21X21X21X2")), (TMisura{10, 10}));

    // "Generica": 1X appears at 1, 3, 5 (back to back) and 9, more than any other; L = 2.
    Imposta(s, {TSequele::Generica, {}, 2, 1, 1, {1, 12}});
    EXPECT_EQ(s.Misura(Col("1X1X1X221X22")), (TMisura{4, 3}));
    // The overlap-free setting (step L after a match, 1 after a miss) looks at every start
    // but drops the repeats that overlap: "11" at 1, 3, 5 of "111111..." (2, 4 dropped).
    Imposta(s, {TSequele::Generica, {}, 2, 2, 1, {1, 6}});
    EXPECT_EQ(s.Misura(Col("111111XXXXXX")), (TMisura{3, 3}));
    // Equal counts: the window seen first wins, and its chain is what counts.
    Imposta(s, {TSequele::Generica, {}, 2, 2, 2, {1, 12}});
    EXPECT_EQ(s.Misura(Col("XX1122XX1122")), (TMisura{2, 1}));

    // "Specchio": 1X against X1, and 12 against 21; the palindrome XX pairs with nothing.
    Imposta(s, {TSequele::Specchio, {}, 2, 1, 1, {1, 12}});
    EXPECT_EQ(s.Misura(Col("1X1XXXX12121")).Run, 0);
    EXPECT_EQ(s.Misura(Col("1X1XXXX12121")).Valore, 2 + 2);  // 1X, X1 twice each; 12, 21 twice each
}

TEST(Sequele, IdenticheAlleRegoleSuTuttoLoSviluppo)
{
    const TSequelaL impostazioni[] = {
        {TSequele::SequelaSchema, Col("1X**********"), 2, 1, 1, {1, 12}},
        {TSequele::Bitermine, {}, 3, 2, 1, {2, 11}},
        {TSequele::Generica, {}, 2, 1, 1, {1, 12}},
        {TSequele::Generica, {}, 3, 3, 1, {1, 12}},
        {TSequele::Specchio, {}, 3, 1, 1, {1, 12}},
        {TSequele::Specchio, {}, 2, 2, 1, {3, 12}},
    };
    std::vector<TSequele> sequele(std::size(impostazioni));
    for (std::size_t k = 0; k < sequele.size(); ++k) {
        Imposta(sequele[k], impostazioni[k]);
        sequele[k].Prepara();
    }
    for (std::uint32_t codice = 0; codice < 531441; ++codice) {
        const TColonna col = DaCodice(codice);
        const TColonnaEsaminata c(col);
        for (std::size_t k = 0; k < sequele.size(); ++k)
            ASSERT_EQ(sequele[k].Misura(c), LetteraleSequela(col, impostazioni[k]))
                << TestoColonna(col) << " " << Descrivi(impostazioni[k]);
    }
}

TEST(Sequele, IdenticheAlleRegoleConImpostazioniECColonneCasuali)
{
    std::mt19937 g(34);
    for (int gioco : {GiocoTotip, GiocoToto}) {
        TGiocoTemporaneo giocoDelTest(gioco);
        for (int prova = 0; prova < 300; ++prova) {
            const TSequelaL q = Casuali(g);
            TSequele s;
            Imposta(s, q);
            s.Prepara();
            for (int n = 0; n < 1500; ++n) {
                // Half single-sign columns, half with empty, double, triple and marked events.
                const TColonna col = n % 2 ? Casuale(g) : DaCodice(static_cast<std::uint32_t>(g() % 531441));
                ASSERT_EQ(s.Misura(col), LetteraleSequela(col, q)) << TestoColonna(col) << " " << Descrivi(q);
            }
        }
    }
}

TEST(Sequele, ImpostazioniAssurdeNonBloccanoNeSforano)
{
    TSequele s;
    const TColonna col = Col("111111111111");
    // The default element: no length, so no window at all.
    EXPECT_EQ(s.Misura(col), TMisura{});
    // Steps of 0 or below would never end the walk: they count as 1.
    Imposta(s, {TSequele::Monotermine, {}, 2, 0, -5, {1, 12}});
    EXPECT_EQ(s.Misura(col), (TMisura{11, 11}));
    // A huge step ends the walk after the first window.
    s.PassoTrovata = 2147483647;
    EXPECT_EQ(s.Misura(col), (TMisura{1, 1}));
    // Longer than the range, negative, beyond the pattern: no window.
    for (int l : {7, -1, 14, 1000}) {
        Imposta(s, {TSequele::SequelaSchema, Col("111111111111"), l, 1, 1, {1, 6}});
        EXPECT_EQ(s.Misura(col), TMisura{}) << l;
    }
    // A pattern with a gap never matches; an unknown type counts as a pattern.
    Imposta(s, {TSequele::SequelaSchema, Col("1*1*********"), 3, 1, 1, {1, 12}});
    EXPECT_EQ(s.Misura(col), TMisura{});
    Imposta(s, {99, Col("11**********"), 2, 1, 1, {1, 12}});
    EXPECT_EQ(s.Misura(col), (TMisura{11, 11}));
    // One-event windows can count beyond the table: such a value is never admitted.
    Imposta(s, {TSequele::Monotermine, {}, 1, 1, 1, {1, 12}});
    EXPECT_EQ(s.Misura(col), (TMisura{12, 12}));
    for (int v = 0; v <= s.Tabella(0).Massimo(); ++v) s.Tabella(0).ImpostaStato(0, v, StatoAmmesso);
    ASSERT_TRUE(s.Prepara());
    EXPECT_FALSE(s.Verifica(col));
}

TEST(Sequele, VerificaConTabellaEPianoAggiornato)
{
    TSequele s;
    Imposta(s, {TSequele::SequelaSchema, Col("11**********"), 2, 1, 1, {1, 12}});
    for (int v = 2; v <= 5; ++v) s.Tabella(0).ImpostaStato(0, v, StatoAmmesso);
    s.Tabella(0).ImpostaStato(1, 1, StatoAmmesso);
    s.Tabella(0).ImpostaStato(1, 2, StatoAmmesso);
    ASSERT_TRUE(s.Prepara());
    EXPECT_TRUE(s.Verifica(Col("11X11XXXXXXX")));   // (2, 1)
    EXPECT_TRUE(s.Verifica(Col("111XXXXXXXXX")));   // (2, 2)
    EXPECT_FALSE(s.Verifica(Col("1111XXXXXXXX")));  // (3, 3): the run is refused
    EXPECT_FALSE(s.Verifica(Col("11XXXXXXXXXX")));  // (1, 1): the count is refused

    // Settings changed after Prepara: Misura follows them at once, Verifica after Prepara.
    s.Schema = Col("XX**********");
    EXPECT_EQ(s.Misura(Col("11X11XXXXXXX")), (TMisura{6, 6}));
    EXPECT_TRUE(s.Verifica(Col("11X11XXXXXXX")));
    s.Prepara();
    EXPECT_FALSE(s.Verifica(Col("11X11XXXXXXX")));

    // A mirror sequence has no run: its second sub-table takes no part, whatever it holds.
    TSequele specchio;
    Imposta(specchio, {TSequele::Specchio, {}, 2, 1, 1, {1, 12}});
    specchio.Tabella(0).ImpostaStato(0, 1, StatoAmmesso);
    specchio.Tabella(0).ImpostaStato(1, 5, StatoInRecupero, 1);
    ASSERT_TRUE(specchio.Prepara());
    EXPECT_FALSE(specchio.Tabella(0).ConConsecutivita());
    EXPECT_FALSE(specchio.Tabella(0).Sotto[1].InUso);
    EXPECT_TRUE(specchio.Verifica(Col("1XX11111111X")));  // 1X and X1 once each
    auto esame = TEsameTraLink::PerLettera('A');
    specchio.EsameTraLink(esame);
    EXPECT_TRUE(esame.Elementi.empty());
}

TEST(Sequele, GruppoNoveConElementiNelContenitore)
{
    TElencoCondizioni elenco;
    auto& gruppo = *elenco.Condizione<TGruppoCondizioni>(TipoGruppoSequele);
    EXPECT_EQ(gruppo.Nome, "Gruppo Sequele");
    auto a = std::make_unique<TSequele>();
    Imposta(*a, {TSequele::Tritermine, {}, 3, 1, 1, {1, 12}});
    a->Tabella(0).ImpostaStato(0, 10, StatoAmmesso);
    auto b = std::make_unique<TSequele>();
    Imposta(*b, {TSequele::SequelaSchema, Col("22**********"), 2, 1, 1, {1, 12}});
    b->Tabella(0).ImpostaStato(0, 0, StatoAmmesso);
    ASSERT_TRUE(gruppo.Aggiungi(std::move(a)));
    ASSERT_TRUE(gruppo.Aggiungi(std::move(b)));
    EXPECT_FALSE(gruppo.Aggiungi(std::make_unique<TValori>()));
    elenco.PreparaVerifica(true);
    EXPECT_EQ(elenco.NumeroAttive(), 1);
    EXPECT_TRUE(elenco.VerificaColonna(Col("1X21X21X21X2")));
    EXPECT_FALSE(elenco.VerificaColonna(Col("1X21X21X2122")));  // both elements fail
    ASSERT_EQ(elenco.Errori.size(), 2u);
    EXPECT_EQ(elenco.Errori[0].Condizione, &gruppo.Elemento(0));
    EXPECT_EQ(elenco.Errori[1].Condizione, &gruppo.Elemento(1));

    elenco.ImpostaPercorsi();
    EXPECT_EQ(gruppo.Elemento(1).Percorso, "\\Gruppo Sequele\\Sequele");
}

TEST(Sequele, BloccoDi104ByteERiletturaIdentica)
{
    TSequele s;
    Imposta(s, {TSequele::Generica, Col("1X2*********"), 3, 2, 1, {2, 11}});
    s.Tabella(0).ImpostaStato(1, 4, StatoAmmesso);
    s.Attivato = false;
    const TBytes b = Blocco(s);
    ASSERT_EQ(b.size(), 2u + 102u);
    EXPECT_EQ(b[0], TipoSequele);
    EXPECT_EQ(b[1], 0);
    EXPECT_EQ(b[2 + 34 + 4 + 8], 1);  // second sub-table (Massimo 11: 34 bytes each), value 4
    EXPECT_EQ(b[2 + 68], 2);          // DaEvento
    EXPECT_EQ(b[2 + 70], 11);         // AEvento
    EXPECT_EQ(b[2 + 72], 1);          // the pattern
    EXPECT_EQ(b[2 + 73], 2);
    EXPECT_EQ(b[2 + 74], 4);
    EXPECT_EQ(b[2 + 86], 3);  // Lunghezza
    EXPECT_EQ(b[2 + 90], 2);  // PassoTrovata
    EXPECT_EQ(b[2 + 94], 1);  // PassoNonTrovata
    EXPECT_EQ(b[2 + 98], 5);  // TipoSequela

    bool ok = false;
    auto letta = Rileggi(b, ok);
    ASSERT_TRUE(ok);
    EXPECT_EQ(Blocco(*letta), b);
    EXPECT_EQ(Blocco(*s.Clona()), b);

    for (std::size_t n = 1; n < b.size(); ++n) {
        Rileggi(TBytes(b.begin(), b.begin() + static_cast<std::ptrdiff_t>(n)), ok);
        EXPECT_FALSE(ok) << n;
    }

    // Damaged fields read as harmless settings.
    TBytes guasto = b;
    guasto[2 + 72] = 0xF9;  // marks above the sign
    guasto[2 + 86] = 0xFF, guasto[2 + 87] = 0xFF, guasto[2 + 88] = 0xFF, guasto[2 + 89] = 0xFF;  // -1
    guasto[2 + 90] = 0;                                                                          // step 0
    guasto[2 + 98] = 6;                                                                          // mirror
    letta = Rileggi(guasto, ok);
    ASSERT_TRUE(ok);
    const auto& l = dynamic_cast<TSequele&>(*letta);
    EXPECT_EQ(l.Schema[0], 1);
    EXPECT_EQ(l.Lunghezza, 0);
    EXPECT_EQ(l.PassoTrovata, 1);
    EXPECT_EQ(l.TipoSequela, TSequele::Specchio);
    EXPECT_FALSE(l.Tabella(0).ConConsecutivita());
    guasto[2 + 98] = 0;
    letta = Rileggi(guasto, ok);
    EXPECT_EQ(dynamic_cast<TSequele&>(*letta).TipoSequela, TSequele::SequelaSchema);

    // A group body with two elements reads back whole.
    TGruppoCondizioni gruppo(TipoGruppoSequele);
    gruppo.Aggiungi(s.Clona());
    gruppo.Aggiungi(std::make_unique<TSequele>());
    const TBytes bg = Blocco(gruppo);
    ASSERT_EQ(bg.size(), 2u + 2 * 104u + 1u);
    auto gl = Rileggi(bg, ok);
    ASSERT_TRUE(ok);
    EXPECT_EQ(dynamic_cast<TGruppoCondizioni&>(*gl).Conta(), 2);
    EXPECT_EQ(Blocco(*gl), bg);
}

TEST(Sequele, TestoStampato)
{
    TSequele s;
    Imposta(s, {TSequele::SequelaSchema, Col("1X2X********"), 3, 2, 1, {1, 12}});
    s.Tabella(0).ImpostaStato(0, 2, StatoAmmesso);
    s.Prepara();
    TRigheStampa stampa;
    s.Stampa(stampa);
    ASSERT_GE(stampa.Righe.size(), 3u);
    EXPECT_EQ(stampa.Righe[0], "Sequele");
    EXPECT_EQ(stampa.Righe[1], "  Sequela 1X2    Lunghezza : 3    Passo Trovata : 2    Passo NonTrovata : 1");
    EXPECT_EQ(stampa.Righe[2], "  Presenze");
    s.TipoSequela = TSequele::Tritermine;
    EXPECT_EQ(s.TestoTipo(), "Tritermine");
}
