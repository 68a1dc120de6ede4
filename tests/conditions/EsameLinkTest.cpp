#include <gtest/gtest.h>

#include <algorithm>

#include "AiutiCondizioni.h"
#include "TestoColonne.h"
#include "UTCondiz.h"

using namespace morella;

using morella::test::Col;

using morella::test::Ammetti;

namespace {

struct TSistemaProva {
    TElencoLink link;
    TElencoCondizioni elenco{&link};
    TNumeroSegni& Segni() { return *elenco.Condizione<TNumeroSegni>(TipoNumeroSegni); }
    TPariDispari& PariDispari() { return *elenco.Condizione<TPariDispari>(TipoPariDispari); }
    TPuntiTra& PuntiTra() { return *elenco.Condizione<TPuntiTra>(TipoPuntiTra); }
    TColonnaFiltro& Filtro()
    {
        auto e = std::make_unique<TColonnaFiltro>();
        e->ImpostaColonna(Col("111111111111"));
        auto* p = e.get();
        elenco.Condizione<TGruppoCondizioni>(TipoGruppoColonneFiltro)->Aggiungi(std::move(e));
        return *p;
    }
};

}  // namespace

TEST(EsameTraLink, CondizioniNellaLinkENelGruppo)
{
    TSistemaProva s;
    auto& segniX = s.Segni().Tabella(1);
    segniX.ImpostaStato(0, 3, StatoInRecupero, 2);
    segniX.Sotto[0].Link = 'C';
    auto& segni1 = s.Segni().Tabella(0);
    Ammetti(segni1, 0, 2, 6);
    segni1.Sotto[0].GruppoTra = 3;
    segni1.Sotto[0].Link = 'C';  // admitted values only: no entry for the letter

    auto& punti = s.Filtro().Tabella(0);
    Ammetti(punti, 0, 8, 12);
    punti.Sotto[0].GruppoTra = 3;
    Ammetti(punti, 1, 0, 3);
    punti.ImpostaStato(1, 4, StatoInRecupero, 1);
    punti.Sotto[1].Link = 'C';
    punti.Sotto[1].GruppoTra = 3;

    auto& gruppo2 = s.PuntiTra().Gruppo(2);
    gruppo2.Aggiungi({0, 5, 2, 1});
    gruppo2.Link = 'C';

    // A disabled condition takes no part.
    auto& dispari = s.PariDispari().Tabella(TPariDispari::TabellaDispari);
    dispari.ImpostaStato(0, 1, StatoInRecupero, 1);
    dispari.Sotto[0].Link = 'C';
    dispari.Sotto[0].GruppoTra = 3;
    s.PariDispari().Attivato = false;

    const auto prima = TEsameTraLink::DelGruppo(s.elenco, 3);
    ASSERT_EQ(prima.Righe().size(), 3u);
    EXPECT_EQ(prima.Righe()[0], "Numero Di Segni : Segni 1  (2 - 6)");  // no path built yet

    s.elenco.ImpostaPercorsi();
    const auto c = TEsameTraLink::DellaLettera(s.elenco, 'C');
    EXPECT_FALSE(c.ModoGruppo());
    EXPECT_EQ(c.Titolo(), "Condizioni Nella Link C");
    EXPECT_EQ(c.Righe(),
              (std::vector<std::string>{"\\Numero Di Segni : Segni X",
                                        "\\Gr. Colonne Filtro\\Colonna Filtro : Punti - Consecutività",
                                        "\\Punti Tra : Punti Ammessi Gruppo 2"}));
    EXPECT_EQ(c.Elementi[0].Tabella, &segniX);
    EXPECT_EQ(c.Elementi[1].SottoTabella, 1);
    EXPECT_EQ(c.Elementi[2].Intervalli, &gruppo2);
    EXPECT_EQ(s.elenco.CalcolaLettereInUso(), "C");

    const auto g3 = TEsameTraLink::DelGruppo(s.elenco, 3);
    EXPECT_EQ(g3.Titolo(), "Condizioni Nel Gruppo 3");
    EXPECT_EQ(g3.Righe(), (std::vector<std::string>{
                              "\\Numero Di Segni : Segni 1  (2 - 6)",
                              "\\Gr. Colonne Filtro\\Colonna Filtro : Punti  (8 - 12)",
                              "\\Gr. Colonne Filtro\\Colonna Filtro : Punti - Consecutività  (0 - 4)"}));
    // The range the group's sum can take.
    EXPECT_EQ(g3.SommaMinimi, 10);
    EXPECT_EQ(g3.SommaMassimi, 22);

    // Group 0 is no group, even though most tables carry it.
    EXPECT_TRUE(TEsameTraLink::DelGruppo(s.elenco, 0).Elementi.empty());
    EXPECT_TRUE(TEsameTraLink::DellaLettera(s.elenco, 'A').Elementi.empty());

    // A disabled group hides its elements.
    s.elenco.Condizione(TipoGruppoColonneFiltro)->Attivato = false;
    EXPECT_EQ(TEsameTraLink::DelGruppo(s.elenco, 3).SommaMassimi, 6);
}

TEST(ModificaLink, MassimoDigitatoControIErroriAmmessi)
{
    TElencoLink link;
    TModificaLink m;
    m.Lettera = 'D';
    m.ErroriLink = link.DellaLettera('D').Errori;
    m.ErroriLink->ImpostaStato(0, 5, StatoAmmesso);
    m.MassimoLink = 4;
    EXPECT_EQ(ControllaModificaLink(m), TEsitoModificaLink::LinkTroppoAlta);

    TRispostaFissa domanda(PulsanteOk);
    EXPECT_FALSE(ConfermaModificaLink(link, m, domanda));
    EXPECT_EQ(domanda.ultimoTitolo, "Informazione");
    EXPECT_EQ(domanda.ultimoTesto, "Il Numero Degli Errori Nella Link è Troppo Alto !");
    EXPECT_EQ(domanda.ultimiPulsanti, PulsanteOk);
    EXPECT_EQ(link.DellaLettera('D').Errori.Stato(0, 5), StatoEscluso);  // left as it was

    // The total table too, but the letter's own message comes first.
    m.ErroriTotali = link.ErroriTotali;
    m.ErroriTotali->ImpostaStato(0, 10, StatoInRecupero, 3);
    m.MassimoTotale = 9;
    EXPECT_EQ(ControllaModificaLink(m), TEsitoModificaLink::LinkTroppoAlta);
    m.MassimoLink = 5;
    EXPECT_FALSE(ConfermaModificaLink(link, m, domanda));
    EXPECT_EQ(domanda.ultimoTesto, "Il Numero Degli Errori Totali è Troppo Alto !");
    EXPECT_EQ(domanda.domande, 2);

    // Within both maxima: both tables are taken, their derived flags left to Prepara.
    m.MassimoTotale = 10;
    m.ErroriLink->Prepara(true);
    EXPECT_TRUE(ConfermaModificaLink(link, m, domanda));
    EXPECT_EQ(domanda.domande, 2);
    EXPECT_EQ(link.DellaLettera('D').Errori.Stato(0, 5), StatoAmmesso);
    EXPECT_FALSE(link.DellaLettera('D').Errori.Attivo);
    EXPECT_EQ(link.ErroriTotali.Livello(0, 10), 3);

    // An unchanged table is not judged.
    TModificaLink solo;
    solo.Lettera = 'D';
    solo.MassimoLink = 0;
    solo.ErroriTotali = TTabellaValori(MassimoErroriLink, false);
    EXPECT_EQ(ControllaModificaLink(solo), TEsitoModificaLink::Accettata);
    EXPECT_EQ(MessaggioModificaLink(TEsitoModificaLink::Accettata), "");

    TTabellaValori t(MassimoErroriLink, false);
    EXPECT_TRUE(ErroriEntroIlMassimo(t, -1));
    t.ImpostaStato(0, 0, StatoAmmesso);
    EXPECT_FALSE(ErroriEntroIlMassimo(t, -1));
    EXPECT_TRUE(ErroriEntroIlMassimo(t, 0));
    t.ImpostaStato(0, 99, StatoAmmesso);
    EXPECT_FALSE(ErroriEntroIlMassimo(t, 98));
    EXPECT_TRUE(ErroriEntroIlMassimo(t, 99));
    EXPECT_TRUE(ErroriEntroIlMassimo(t, 500));
}

TEST(AnalisiColonneFiltrate, RifiutiPerLivelloPerLinkEPerTotale)
{
    TSistemaProva s;
    auto& ns = s.Segni();
    for (int t = 0; t < 3; ++t) Ammetti(ns.Tabella(t), 0, 0, 12);
    ns.Tabella(0).ImpostaStato(0, 4, StatoInRecupero, 1);  // four "1": level 1 on "A"
    ns.Tabella(1).ImpostaStato(0, 4, StatoInRecupero, 1);  // four "X": level 1 on "A"
    ns.Tabella(1).ImpostaStato(0, 5, StatoInRecupero, 2);  // five "X": level 2 on "A"
    ns.Tabella(2).ImpostaStato(0, 3, StatoInRecupero, 1);  // three "2": level 1 on "B"
    ns.Tabella(2).Sotto[0].Link = 'B';
    Ammetti(s.link.DellaLettera('A').Errori, 0, 0, 1);
    Ammetti(s.link.ErroriTotali, 0, 0, 1);
    s.elenco.PreparaVerifica(false);
    ASSERT_EQ(s.link.LettereInUso(), "AB");

    EXPECT_FALSE(s.elenco.VerificaColonna(Col("1111XXXX2222")));  // level 1 used twice
    EXPECT_FALSE(s.elenco.VerificaColonna(Col("1111XXXXX222")));  // two errors on "A"
    EXPECT_TRUE(s.elenco.VerificaColonna(Col("1111XXX22222")));   // one error
    EXPECT_FALSE(s.elenco.VerificaColonna(Col("11111XXXX222")));  // one on "A", one on "B"

    const auto a = AnalizzaColonneFiltrate(s.link, 'A');
    ASSERT_EQ(a.Griglie.size(), 3u);
    const auto& livelli = a.Griglie[0];
    const auto& errori = a.Griglie[1];
    const auto& totali = a.Griglie[2];
    EXPECT_EQ(livelli.Titolo, (std::vector<std::string>{"Dai Livelli della Link"}));
    EXPECT_EQ(errori.Titolo, (std::vector<std::string>{"Dagli Errori Totali", "della Link"}));
    EXPECT_EQ(totali.Titolo, (std::vector<std::string>{"Dagli Errori Totali  ", "su Tutte le Link"}));
    EXPECT_EQ(livelli.Intestazione, "Liv.");
    EXPECT_EQ(errori.Intestazione, "Err.");
    EXPECT_EQ(livelli.PrimaRiga, 1);
    EXPECT_EQ(livelli.Righe(), 255);
    EXPECT_EQ(errori.Righe(), 256);
    EXPECT_EQ(totali.Righe(), 256);

    // Uses of "A": 2 + 2 + 1 + 1; one refused, at level 1 (the first row).
    EXPECT_EQ(livelli.Divisore, 6);
    EXPECT_EQ(livelli.Cella(0, false), "1");
    EXPECT_EQ(livelli.Cella(0, true), "16.66666667");
    EXPECT_EQ(livelli.Cella(1, true), "0");
    EXPECT_EQ(errori.Cella(2, false), "1");
    EXPECT_EQ(errori.Cella(2, true), "100");
    EXPECT_EQ(errori.Divisore, 1);
    EXPECT_EQ(totali.Cella(2, true), "100");
    EXPECT_EQ(totali.Cella(1, false), "0");
    EXPECT_EQ(totali.Cella(256, false), "");

    // A letter nobody used: nothing to divide by, the counts are shown.
    const auto z = AnalizzaColonneFiltrate(s.link, 'Z');
    EXPECT_EQ(z.Griglie[0].Divisore, 0);
    EXPECT_EQ(z.Griglie[0].Cella(0, true), "0");

    TRigheStampa stampa;
    a.Stampa(stampa, true);
    EXPECT_EQ(stampa.Righe.front(), "Analisi Delle Colonne Filtrate  Link A");
    EXPECT_NE(std::find(stampa.Righe.begin(), stampa.Righe.end(), "1     16.66666667"), stampa.Righe.end());

    // Preparing again starts the counts afresh.
    s.elenco.PreparaVerifica(false);
    EXPECT_EQ(AnalizzaColonneFiltrate(s.link, 'A').Griglie[0].Divisore, 0);
}

TEST(AnalisiColonneFiltrate, TestoDellaPercentuale)
{
    EXPECT_EQ(TestoPercentualeRifiuti(12.5), "12.5");
    EXPECT_EQ(TestoPercentualeRifiuti(100), "100");
    EXPECT_EQ(TestoPercentualeRifiuti(0), "0");
    EXPECT_EQ(TestoPercentualeRifiuti(100.0 / 3), "33.33333333");
    EXPECT_EQ(TestoPercentualeRifiuti(0.000000001), "0");
    EXPECT_EQ(TestoPercentualeRifiuti(2.0 / 3), "0.66666667");
}
