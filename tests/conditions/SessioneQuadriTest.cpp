#include <gtest/gtest.h>

#include "CartellaTemporanea.h"
#include "Errore.h"
#include "UTCondiz.h"

using namespace morella;
using morella::test::LeggiTutto;
using morella::test::ScriviTutto;
using morella::test::TCartellaTemporanea;

namespace {

TBytes Blocco(const TCondizione& c)
{
    TScrittoreBinario f;
    c.Scrivi(f);
    return f.Dati();
}

// A system's container with the tree
//   Quadro: A, P1 (B, P2 (C)), D
// where A..D are conditions of kinds 1, 2, 5, 14 named after their letter.
struct TAlberoProva {
    TElencoLink link;
    TElencoCondizioni elenco{&link};
    TRispostaFissa risposta{PulsanteSi | PulsanteOk};
    TQuadro& radice = *elenco.Condizione<TQuadro>(TipoQuadro);
    TSessioneQuadri s{radice, risposta};

    TAlberoProva()
    {
        Nuova(TipoNumeroSegni, "A");
        Nuova(TipoQuadro, "P1");
        s.ApriSottoQuadro(2);
        Nuova(TipoPariDispari, "B");
        Nuova(TipoQuadro, "P2");
        s.ApriSottoQuadro(2);
        Nuova(TipoInterruzioni, "C");
        s.ApriPercorso({});
        Nuova(TipoModulo, "D");
        s.Modificato = false;
    }
    void Nuova(TipoCondizione tipo, const char* nome)
    {
        TCondizione* c = s.Nuova(tipo, 999);
        ASSERT_NE(c, nullptr);
        c->Nome = nome;
    }
    TQuadro& P1() { return static_cast<TQuadro&>(radice.Elemento(1)); }
    std::vector<std::string> Nomi(const TQuadro& q) const
    {
        std::vector<std::string> v;
        for (int i = 0; i < q.Conta(); ++i) v.push_back(q.Elemento(i).Nome);
        return v;
    }
};

using TNomi = std::vector<std::string>;

}  // namespace

TEST(SessioneQuadri, NuovaENavigazione)
{
    TAlberoProva t;
    EXPECT_EQ(t.Nomi(t.radice), (TNomi{"A", "P1", "D"}));
    EXPECT_EQ(t.radice.Nome, "Quadro");
    EXPECT_EQ(t.Nomi(t.P1()), (TNomi{"B", "P2"}));
    EXPECT_EQ(t.P1().Elemento(0).Elenco(), &t.elenco);  // made for this system

    TRispostaFissa r(0);
    TSessioneQuadri s(t.radice, r);
    EXPECT_EQ(s.Nuova(TipoQuadro, 1)->Nome, "Sub Quadro");
    EXPECT_EQ(s.Nuova(200, 1), nullptr);
    EXPECT_EQ(s.Nuova(0, 1), nullptr);
    EXPECT_EQ(t.radice.Conta(), 4);
    EXPECT_EQ(t.radice.Elemento(0).Nome, "Sub Quadro");

    EXPECT_FALSE(s.ApriSottoQuadro(2));  // "A" is no panel
    EXPECT_FALSE(s.ApriSottoQuadro(9));
    EXPECT_TRUE(s.ApriSottoQuadro(3));
    EXPECT_TRUE(s.ApriSottoQuadro(2));
    EXPECT_EQ(s.Livello(), 2);
    EXPECT_EQ(s.Corrente().Nome, "P2");
    EXPECT_TRUE(s.QuadroPrecedente());
    EXPECT_EQ(&s.Corrente(), &t.radice.Elemento(2));
    EXPECT_TRUE(s.QuadroPrecedente());
    EXPECT_FALSE(s.QuadroPrecedente());
    EXPECT_FALSE(s.ApriPercorso({3, 1}));
    EXPECT_EQ(s.Livello(), 0);

    // The tree changed behind the session's back: the path is cut to what is left.
    ASSERT_TRUE(s.ApriPercorso({3, 2}));
    t.radice.Elimina(3);
    EXPECT_EQ(&s.Corrente(), &t.radice);
    EXPECT_TRUE(s.Percorso().empty());
}

TEST(SessioneQuadri, AlberoEDoppioClic)
{
    TAlberoProva t;
    t.s.ApriPercorso({2});
    const auto albero = t.s.Albero();
    ASSERT_EQ(albero.size(), 7u);
    const char* nomi[] = {"Quadro", "A", "P1", "B", "P2", "C", "D"};
    const int livelli[] = {0, 1, 1, 2, 2, 3, 1};
    const int padri[] = {-1, 0, 0, 2, 2, 4, 0};
    const int posizioni[] = {0, 1, 2, 1, 2, 1, 3};
    for (std::size_t i = 0; i < 7; ++i) {
        EXPECT_EQ(albero[i].Nome, nomi[i]);
        EXPECT_EQ(albero[i].Livello, livelli[i]);
        EXPECT_EQ(albero[i].Padre, padri[i]);
        EXPECT_EQ(albero[i].Posizione, posizioni[i]);
        EXPECT_EQ(albero[i].Quadro, i == 0 || i == 2 || i == 4);
        EXPECT_EQ(albero[i].Evidenziato, i == 2) << i;
    }
    EXPECT_EQ(PercorsoNodo(albero, 5), (std::vector<int>{2, 2, 1}));

    // A panel node becomes the panel being edited; any other opens its own editor.
    EXPECT_EQ(t.s.AttivaNodo(4), 0);
    EXPECT_EQ(t.s.Corrente().Nome, "P2");
    TCondizione* aperta = nullptr;
    RegistraEditore(TipoPariDispari, [&](TCondizione& c) {
        aperta = &c;
        return 5;
    });
    EXPECT_EQ(t.s.AttivaNodo(3), 5);
    RegistraEditore(TipoPariDispari, nullptr);
    EXPECT_EQ(aperta, &t.P1().Elemento(0));
    EXPECT_EQ(t.s.Corrente().Nome, "P2");  // the editor stays where it was
    EXPECT_EQ(t.s.AttivaNodo(0), 0);
    EXPECT_EQ(t.s.Livello(), 0);
    EXPECT_EQ(t.s.AttivaNodo(7), -1);
    EXPECT_EQ(t.s.AttivaNodo(-1), -1);
}

TEST(SessioneQuadri, CopiaTagliaIncollaElimina)
{
    TAlberoProva t;
    TQuadro& p1 = t.P1();
    t.s.ApriPercorso({2});
    t.s.Marca(1, true);
    t.s.Marca(2, true);
    EXPECT_EQ(t.s.NumeroMarcati(), 2);
    EXPECT_EQ(t.s.Copia(), 2);
    t.s.ApriPercorso({});
    ASSERT_TRUE(t.s.Incolla(2));
    EXPECT_EQ(t.Nomi(t.radice), (TNomi{"A", "B", "P2", "P1", "D"}));
    EXPECT_FALSE(t.radice.Elemento(1).Marcato);                       // the copies come unmarked
    EXPECT_EQ(Blocco(t.radice.Elemento(2)), Blocco(p1.Elemento(1)));  // whole copies
    EXPECT_NE(&t.radice.Elemento(2), &p1.Elemento(1));
    EXPECT_TRUE(t.s.Modificato);
    // In preset mode the admitted counts follow the new number of sub-conditions.
    EXPECT_EQ(t.radice.CondizioniAccettate.Stato(0, 5), StatoAmmesso);
    EXPECT_EQ(t.radice.CondizioniAccettate.Stato(0, 3), StatoEscluso);

    // Pasting again pastes new copies; a position beyond the end appends.
    ASSERT_TRUE(t.s.Incolla(99));
    EXPECT_EQ(t.Nomi(t.radice), (TNomi{"A", "B", "P2", "P1", "D", "B", "P2"}));

    // Cut: the marked ones go to the clipboard and out of the panel.
    t.s.Marca(1, true);
    t.s.Marca(4, true);
    EXPECT_EQ(t.s.Taglia(), 2);
    EXPECT_EQ(t.Nomi(t.radice), (TNomi{"B", "P2", "D", "B", "P2"}));
    EXPECT_EQ(t.s.NumeroAppunti(), 2);
    ASSERT_TRUE(t.s.Incolla(1));
    EXPECT_EQ(t.Nomi(t.radice), (TNomi{"A", "P1", "B", "P2", "D", "B", "P2"}));
    // A copy of a panel pasted into itself is a copy, not the panel.
    t.s.ApriPercorso({2});
    TQuadro& copia = t.s.Corrente();
    EXPECT_EQ(t.Nomi(copia), (TNomi{"B", "P2"}));
    ASSERT_TRUE(t.s.Incolla(1));
    EXPECT_EQ(t.Nomi(copia), (TNomi{"A", "P1", "B", "P2"}));
    EXPECT_EQ(static_cast<const TQuadro&>(copia.Elemento(1)).Conta(), 2);

    t.s.Marca(1, true);
    t.s.Marca(3, true);
    EXPECT_EQ(t.s.Elimina(), 2);
    EXPECT_EQ(t.Nomi(copia), (TNomi{"P1", "P2"}));
    EXPECT_EQ(t.s.Elimina(), 0);
}

TEST(SessioneQuadri, SpazioInsufficiente)
{
    TAlberoProva t;
    TQuadro& q = t.radice;
    while (q.Conta() < 997) q.Aggiungi(std::make_unique<TGruppoCondizioni>(TipoGruppoValori));
    q.Elemento(0).Marcato = true;
    q.Elemento(3).Marcato = true;
    ASSERT_EQ(t.s.Copia(), 2);
    t.risposta.domande = 0;
    EXPECT_TRUE(t.s.Incolla(1));
    EXPECT_EQ(q.Conta(), 999);
    EXPECT_EQ(t.risposta.domande, 0);
    EXPECT_FALSE(t.s.Incolla(1));
    EXPECT_EQ(q.Conta(), 999);
    EXPECT_EQ(t.risposta.domande, 1);
    EXPECT_EQ(t.risposta.ultimoTitolo, "Informazione");
    EXPECT_EQ(t.risposta.ultimoTesto, "Spazio Insufficiente !");
    EXPECT_EQ(t.risposta.ultimiPulsanti, PulsanteOk);
    EXPECT_EQ(t.s.Nuova(TipoNumeroSegni, 1), nullptr);
    EXPECT_EQ(q.Conta(), 999);

    // One short of full: one more fits, two do not.
    q.Elimina(1);
    EXPECT_FALSE(t.s.Incolla(1));
    EXPECT_EQ(q.Conta(), 998);
    EXPECT_NE(t.s.Nuova(TipoNumeroSegni, 1), nullptr);
}

TEST(SessioneQuadri, AnnidamentoEntroIlLimite)
{
    TAlberoProva t;
    // A chain of panels as deep as the tree may go below the root.
    auto catena = std::make_unique<TQuadro>();
    TQuadro* q = catena.get();
    for (int i = 1; i < TQuadro::MassimaProfondita; ++i) {
        auto s = std::make_unique<TQuadro>();
        TQuadro* p = s.get();
        q->Aggiungi(std::move(s));
        q = p;
    }
    catena->Marcato = true;
    t.radice.Aggiungi(std::move(catena));
    ASSERT_EQ(t.s.Copia(), 1);
    EXPECT_TRUE(t.s.Incolla(1));  // at the root: levels 1..32
    ASSERT_TRUE(t.s.ApriPercorso({3}));
    EXPECT_EQ(t.s.Corrente().Nome, "P1");
    EXPECT_FALSE(t.s.Incolla(1));  // inside P1 it would reach 33
    EXPECT_EQ(t.risposta.ultimoTesto, "Spazio Insufficiente !");

    // What the session allows, a system file reads back.
    TScrittoreBinario f;
    t.elenco.Scrivi(f);
    TElencoCondizioni copia;
    TLettoreBinario r(f.Dati());
    EXPECT_TRUE(copia.Leggi(r));
    EXPECT_EQ(Blocco(*copia.Condizione(TipoQuadro)), Blocco(t.radice));
}

TEST(SessioneQuadri, SalvaECaricaQuadro)
{
    TCartellaTemporanea dir;
    TAlberoProva t;
    EXPECT_EQ(std::filesystem::path(t.s.NomeFileQuadro()).filename(), "SenzaNom.QDR");
    EXPECT_EQ(std::filesystem::path(t.s.NomeFileQuadro()).parent_path().filename(), "QuadriS");
    t.radice.Nome = "Mio";
    t.radice.Testi = {"nota"};
    const TBytes prima = Blocco(t.radice);
    const std::string file = dir.File("mio.QDR");
    t.s.ApriPercorso({2, 2});
    t.s.SalvaQuadro(file);  // the whole tree, wherever the editor stands
    EXPECT_EQ(LeggiTutto(file), prima);
    EXPECT_EQ(t.s.NomeFileQuadro(), file);

    // Declined: nothing changes.
    TRispostaFissa no(PulsanteNo);
    TSessioneQuadri s2(t.radice, no);
    t.radice.Svuota();
    t.radice.Aggiungi(std::make_unique<TNumeroSegni>());
    const TBytes altro = Blocco(t.radice);
    EXPECT_FALSE(s2.CaricaQuadro(file));
    EXPECT_EQ(no.ultimoTitolo, "Conferma");
    EXPECT_EQ(no.ultimoTesto, "Questa Operazione Eliminerà Il Contenuto Attuale Del quadro. Confermi ? ");
    EXPECT_EQ(no.ultimiPulsanti, PulsanteSi | PulsanteNo);
    EXPECT_EQ(Blocco(t.radice), altro);

    // Confirmed: the same panel as saved, in the same root object, the editor at the root.
    TQuadro* radice = &t.radice;
    t.s.ApriPercorso({1});
    ASSERT_TRUE(t.s.CaricaQuadro(file));
    EXPECT_EQ(t.elenco.Condizione(TipoQuadro), radice);
    EXPECT_EQ(Blocco(t.radice), prima);
    EXPECT_EQ(t.radice.Percorso, "\\Mio");
    EXPECT_EQ(t.s.Livello(), 0);
    EXPECT_TRUE(t.s.Modificato);
    EXPECT_EQ(static_cast<const TQuadro&>(t.radice.Elemento(1)).Elemento(0).Elenco(), &t.elenco);

    // A damaged file: the message, and the panel as it was.
    TBytes rotto = prima;
    rotto.resize(rotto.size() - 1);
    ScriviTutto(file, rotto);
    try {
        t.s.CaricaQuadro(file);
        ADD_FAILURE();
    } catch (const EErrore& e) {
        EXPECT_STREQ(e.what(), "Impossibile Caricare Il Quadro");
    }
    EXPECT_EQ(Blocco(t.radice), prima);

    // An empty root asks nothing; in preset mode the counts follow the loaded list.
    ScriviTutto(file, prima);
    TRispostaFissa mai(0);
    TElencoCondizioni vuoto;
    TSessioneQuadri s3(*vuoto.Condizione<TQuadro>(TipoQuadro), mai);
    ASSERT_TRUE(s3.CaricaQuadro(file));
    EXPECT_EQ(mai.domande, 0);
    EXPECT_EQ(s3.Radice().CondizioniAccettate.Stato(0, 3), StatoAmmesso);

    try {
        t.s.SalvaQuadro(dir.File("non/esiste.QDR"));
        ADD_FAILURE();
    } catch (const EErrore& e) {
        EXPECT_STREQ(e.what(), "Impossibile Salvare Il Quadro");
    }
    EXPECT_EQ(t.s.NomeFileQuadro(), file);
}

TEST(SessioneQuadri, SalvaECaricaCondizioni)
{
    TCartellaTemporanea dir;
    TAlberoProva t;
    const std::string file = dir.File("scelte.CND");
    t.s.ApriPercorso({2});
    t.s.Marca(2, true);
    t.s.Marca(1, true);
    t.s.SalvaCondizioni(file);
    TBytes atteso = Blocco(t.P1().Elemento(0));
    const TBytes p2 = Blocco(t.P1().Elemento(1));
    atteso.insert(atteso.end(), p2.begin(), p2.end());
    EXPECT_EQ(LeggiTutto(file), atteso);

    // Loaded into the root at position 2, in file order, added to what is there. Only a
    // panel keeps its name in a file.
    t.s.ApriPercorso({});
    EXPECT_EQ(t.s.CaricaCondizioni(file, 2), 2);
    EXPECT_EQ(t.Nomi(t.radice), (TNomi{"A", "Pari e Dispari", "P2", "P1", "D"}));
    EXPECT_EQ(Blocco(t.radice.Elemento(2)), p2);
    EXPECT_EQ(t.radice.CondizioniAccettate.Stato(0, 5), StatoAmmesso);
    // Beyond the end: appended.
    EXPECT_EQ(t.s.CaricaCondizioni(file, 50), 2);
    EXPECT_EQ(t.Nomi(t.radice), (TNomi{"A", "Pari e Dispari", "P2", "P1", "D", "Pari e Dispari", "P2"}));

    // Damaged: the message and nothing inserted.
    TBytes rotto = atteso;
    rotto[0] = 77;
    ScriviTutto(file, rotto);
    EXPECT_THROW(t.s.CaricaCondizioni(file, 1), EErrore);
    ScriviTutto(file, TBytes(atteso.begin(), atteso.end() - 3));
    try {
        t.s.CaricaCondizioni(file, 1);
        ADD_FAILURE();
    } catch (const EErrore& e) {
        EXPECT_STREQ(e.what(), "Impossibile Caricare Le Condizioni");
    }
    EXPECT_EQ(t.radice.Conta(), 7);

    // No room: the message and nothing inserted.
    ScriviTutto(file, atteso);
    while (t.radice.Conta() < 998) t.radice.Aggiungi(std::make_unique<TGruppoCondizioni>(TipoGruppoValori));
    EXPECT_EQ(t.s.CaricaCondizioni(file, 1), 0);
    EXPECT_EQ(t.risposta.ultimoTesto, "Spazio Insufficiente !");
    EXPECT_EQ(t.radice.Conta(), 998);

    EXPECT_THROW(t.s.SalvaCondizioni(dir.File("non/esiste.CND")), EErrore);
    EXPECT_THROW(t.s.CaricaCondizioni(dir.File("manca.CND"), 1), EErrore);
    ScriviTutto(file, {});
    EXPECT_EQ(t.s.CaricaCondizioni(file, 1), 0);  // an empty file holds no condition
}
