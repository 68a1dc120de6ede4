#include <gtest/gtest.h>

#include "CartellaTemporanea.h"
#include "ColonnaFiltro.h"
#include "UTCondiz.h"

using namespace morella;
using morella::test::TGiocoTemporaneo;

namespace {

// A column from one sign set per event (as numbers), the rest 0.
TColonna Segni(std::initializer_list<int> eventi)
{
    TColonna c{};
    std::size_t i = 0;
    for (int s : eventi) c[i++] = static_cast<TSegni>(s);
    return c;
}

TColonnaFiltro& Filtro(TQuadro& q, const TColonna& colonna)
{
    auto f = std::make_unique<TColonnaFiltro>();
    f->ColonnaFiltro = colonna;
    auto* p = f.get();
    EXPECT_TRUE(q.Aggiungi(std::move(f)));
    return *p;
}

TMaschera Eventi(std::initializer_list<int> eventi)
{
    TMaschera m = 0;
    for (int e : eventi) m |= TMaschera{1} << (e - 1);
    return m;
}

// The prediction of the examples: 1X, 1, 1X2, X2, 12, then singles; the player selects
// events 1, 3 and 4, so the masked prediction has the doubles 1X (event 1) and X2 (event 4)
// and the triple of event 3.
const TPronostico Pronostico = Segni({3, 1, 7, 6, 5, 1, 2, 4, 1, 1, 1, 1});
const TMaschera Selezionati = Eventi({1, 3, 4});
// The prototype: a double at 5, a triple at 6, a double at 7.
const TColonna Prototipo = Segni({0, 0, 0, 0, 3, 7, 5, 0, 0, 0, 0, 0});

}  // namespace

TEST(Adatta, PronosticoMascheratoEPrototipo)
{
    const TPronostico m = PronosticoMascherato(Pronostico, Selezionati);
    EXPECT_EQ(m, Segni({3, 0, 7, 6, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_TRUE(PrototipoCoincide(Prototipo, m));
    // Doubles and triples must match in number, wherever they stand; no single allowed.
    EXPECT_TRUE(PrototipoCoincide(Segni({6, 0, 0, 0, 0, 0, 0, 0, 0, 0, 7, 3}), m));
    EXPECT_FALSE(PrototipoCoincide(Segni({0, 0, 0, 0, 3, 7, 5, 1, 0, 0, 0, 0}), m));
    EXPECT_FALSE(PrototipoCoincide(Segni({0, 0, 0, 0, 3, 7, 7, 0, 0, 0, 0, 0}), m));
    EXPECT_FALSE(PrototipoCoincide(Segni({0, 0, 0, 0, 3, 0, 5, 0, 0, 0, 0, 0}), m));
    // A byte with no sign bits does not take part.
    EXPECT_TRUE(PrototipoCoincide(Segni({8, 0, 0, 0, 3, 7, 5, 0, 0, 0, 0, 0}), m));
}

TEST(Adatta, UnaColonnaRiscritta)
{
    const TPronostico m = PronosticoMascherato(Pronostico, Selezionati);
    // First double of the prototype (event 5) onto 1X of event 1: byte 1 is its first sign;
    // the triple (event 6) sends its byte to event 3; the second double (event 7) onto X2
    // of event 4: byte 2 is its second sign. Bytes where the prototype is 0 are dropped.
    TColonna f = Segni({7, 7, 7, 7, 1, 5, 2, 7, 7, 7, 7, 7});
    f[12] = 0x34;
    f[13] = 0x12;  // Corsa + horses
    EXPECT_EQ(AdattaColonna(Prototipo, f, m), Segni({1, 0, 5, 4, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(AdattaColonna(Prototipo, Segni({0, 0, 0, 0, 2, 0, 1}), m), Segni({2, 0, 0, 2}));
    // Any other byte on a double leaves the event empty.
    EXPECT_EQ(AdattaColonna(Prototipo, Segni({0, 0, 0, 0, 3, 2, 4}), m), Segni({0, 0, 2, 0}));
}

TEST(Adatta, ComandoSulQuadro)
{
    TQuadro q;
    q.Aggiungi(std::make_unique<TNumeroSegni>());
    // A panel before the prototype is not touched, nor a filter column inside a simple group.
    auto prima = std::make_unique<TQuadro>();
    TColonnaFiltro& f0 = Filtro(*prima, Segni({0, 0, 0, 0, 1, 1, 1}));
    q.Aggiungi(std::move(prima));
    Filtro(q, Prototipo);
    TColonnaFiltro& f1 = Filtro(q, Segni({0, 0, 0, 0, 1, 5, 2}));
    auto sotto = std::make_unique<TQuadro>();
    auto sottoSotto = std::make_unique<TQuadro>();
    TColonnaFiltro& f2 = Filtro(*sottoSotto, Segni({0, 0, 0, 0, 2, 4, 1}));
    sotto->Aggiungi(std::move(sottoSotto));
    q.Aggiungi(std::move(sotto));
    auto gruppo = std::make_unique<TGruppoCondizioni>(TipoGruppoColonneFiltro);
    auto f3 = std::make_unique<TColonnaFiltro>();
    f3->ColonnaFiltro = Segni({0, 0, 0, 0, 1, 1, 1});
    const TColonnaFiltro& f3r = *f3;
    gruppo->Aggiungi(std::move(f3));
    q.Aggiungi(std::move(gruppo));
    ASSERT_EQ(q.Conta(), 6);

    ASSERT_EQ(AdattaColonneFiltro(q, PronosticoMascherato(Pronostico, Selezionati)), TEsitoAdatta::Fatto);
    EXPECT_EQ(q.Conta(), 5);  // the prototype is gone
    EXPECT_EQ(q.Elemento(2).Tipo(), TipoColonnaFiltro);
    EXPECT_EQ(&q.Elemento(2), &f1);
    EXPECT_EQ(f1.ColonnaFiltro, Segni({1, 0, 5, 4}));
    EXPECT_EQ(f2.ColonnaFiltro, Segni({2, 0, 4, 2}));
    EXPECT_EQ(f0.ColonnaFiltro, Segni({0, 0, 0, 0, 1, 1, 1}));
    EXPECT_EQ(f3r.ColonnaFiltro, Segni({0, 0, 0, 0, 1, 1, 1}));

    // The first filter column is now the prototype, and it holds singles.
    EXPECT_EQ(AdattaColonneFiltro(q, PronosticoMascherato(Pronostico, Selezionati)),
              TEsitoAdatta::NonCoincidono);
    EXPECT_EQ(q.Conta(), 5);
    TQuadro vuoto;
    vuoto.Aggiungi(std::make_unique<TNumeroSegni>());
    EXPECT_EQ(AdattaColonneFiltro(vuoto, Pronostico), TEsitoAdatta::SenzaPrototipo);
}

TEST(Adatta, TredicEventiDelToto)
{
    TGiocoTemporaneo toto(GiocoToto);
    // The prediction's only double is event 13, its triple event 1.
    const TPronostico p = Segni({7, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 5});
    const TPronostico m = PronosticoMascherato(p, Eventi({1, 13}));
    const TColonna proto = Segni({0, 6, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 7});
    ASSERT_TRUE(PrototipoCoincide(proto, m));
    EXPECT_EQ(AdattaColonna(proto, Segni({0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 3}), m),
              Segni({3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 4}));
}

TEST(Adatta, DallaSessioneConMessaggiEPreset)
{
    TElencoLink link;
    TElencoCondizioni elenco(&link);
    TQuadro& radice = *elenco.Condizione<TQuadro>(TipoQuadro);
    TRispostaFissa risposta(PulsanteOk);
    TSessioneQuadri s(radice, risposta);

    EXPECT_FALSE(s.Adatta(Pronostico, Selezionati));
    EXPECT_EQ(risposta.ultimoTesto, "Impossibile Trovare la Colonna Prototipo.");
    EXPECT_EQ(risposta.ultimoTitolo, "Informazione");
    EXPECT_EQ(risposta.ultimiPulsanti, PulsanteOk);

    Filtro(radice, Prototipo);
    Filtro(radice, Segni({0, 0, 0, 0, 1, 5, 2}));
    radice.ScegliRelazione(RelazioneAnd);
    EXPECT_FALSE(s.Adatta(Pronostico, Eventi({1, 3})));
    EXPECT_EQ(risposta.ultimoTesto,
              "Il Numero di Doppie e Triple Selezionate non Coincidono con quelle Della Colonna Prototipo.");
    EXPECT_EQ(radice.Conta(), 2);

    s.Modificato = false;
    EXPECT_TRUE(s.Adatta(Pronostico, Selezionati));
    EXPECT_TRUE(s.Modificato);
    ASSERT_EQ(radice.Conta(), 1);
    EXPECT_EQ(radice.CondizioniAccettate.Stato(0, 1), StatoAmmesso);  // AND of one
    EXPECT_EQ(radice.CondizioniAccettate.Stato(0, 2), StatoEscluso);
}
