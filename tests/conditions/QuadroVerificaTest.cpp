#include <gtest/gtest.h>

#include <random>

#include "PuntiTra.h"
#include "SondaCondizione.h"
#include "TestoColonne.h"
#include "UTCondiz.h"

using namespace morella;
using morella::test::TSonda;

using morella::test::Col;

namespace {

TSonda& Sonda(TQuadro& q, bool esito, bool attivabile = true)
{
    auto s = std::make_unique<TSonda>(esito, attivabile);
    auto* p = s.get();
    EXPECT_TRUE(q.Aggiungi(std::move(s)));
    return *p;
}

TQuadro& SottoQuadro(TQuadro& q, std::uint8_t relazione)
{
    auto s = std::make_unique<TQuadro>();
    auto* p = s.get();
    EXPECT_TRUE(q.Aggiungi(std::move(s)));
    p->ScegliRelazione(relazione);
    return *p;
}

// A container wired to its links; slot 13 is the root panel.
struct TProva {
    TElencoLink link;
    TElencoCondizioni elenco{&link};
    TQuadro& Radice() { return *elenco.Condizione<TQuadro>(TipoQuadro); }
    std::vector<const TCondizione*> Errori() const
    {
        std::vector<const TCondizione*> v;
        for (const auto& e : elenco.Errori) v.push_back(e.Condizione);
        return v;
    }
};

// Number of signs "1" admitted at the given counts, at the given level on a link when the
// level is not 0.
std::unique_ptr<TNumeroSegni> Segni1(std::initializer_list<int> ammessi, int livello = 0, char link = 'A')
{
    auto c = std::make_unique<TNumeroSegni>();
    auto& t = c->Tabella(0);
    for (int v : ammessi)
        t.ImpostaStato(0, v, livello ? StatoInRecupero : StatoAmmesso, static_cast<std::uint8_t>(livello));
    t.Sotto[0].Link = static_cast<std::uint8_t>(link);
    return c;
}

}  // namespace

// Every pattern of up to five sub-conditions, each accepting, failing, failing but switched
// off, or failing but without anything to judge: the count and the longest streak of the
// full walk, and the verdict of each relation in preset mode.
TEST(QuadroVerifica, TabelleDiVeritaDiValoreRunERelazioni)
{
    const TColonna col = Col("1X21X21X21X2");
    for (int n = 0; n <= 5; ++n) {
        int combinazioni = 1;
        for (int i = 0; i < n; ++i) combinazioni *= 4;
        for (int codice = 0; codice < combinazioni; ++codice) {
            TQuadro q;
            int valore = 0, run = 0, serie = 0;
            bool attivi = false;
            for (int i = 0, r = codice; i < n; ++i, r /= 4) {
                const int stato = r % 4;
                TSonda& s = Sonda(q, stato == 0, stato != 3);
                if (stato == 2) s.Attivato = false;
                const bool accetta = stato != 1;
                attivi = attivi || stato < 2;
                valore += accetta;
                serie = accetta ? serie + 1 : 0;
                run = std::max(run, serie);
            }
            q.Prepara();
            ASSERT_EQ(q.Misura(col), (TMisura{valore, run})) << n << " " << codice;
            const bool attese[4] = {valore == n, valore >= 1, valore == 1, valore == 0};
            for (int rel = RelazioneAnd; rel <= RelazioneNot; ++rel) {
                q.ScegliRelazione(rel);
                // A panel not active is never asked (no sub-condition to judge, or a table
                // admitting nothing, as OR over none).
                if (!q.Prepara()) {
                    ASSERT_FALSE(attivi);
                    continue;
                }
                ASSERT_EQ(q.Verifica(col), attese[rel]) << n << " " << codice << " rel " << rel;
            }
        }
    }
}

TEST(QuadroVerifica, TabellaParticolareGiudicaAncheLaSerie)
{
    TQuadro q;
    for (bool e : {true, true, false, true, true, true}) Sonda(q, e);
    q.Preset = false;
    q.CondizioniAccettate.Azzera();
    q.CondizioniAccettate.ImpostaStato(0, 5, StatoAmmesso);
    q.CondizioniAccettate.ImpostaStato(1, 2, StatoAmmesso);
    q.Prepara();
    EXPECT_EQ(q.Misura(TColonna{}), (TMisura{5, 3}));
    EXPECT_FALSE(q.Verifica(TColonna{}));  // the streak is 3, only 2 admitted
    q.CondizioniAccettate.ImpostaStato(1, 3, StatoAmmesso);
    q.Prepara();
    EXPECT_TRUE(q.Verifica(TColonna{}));
}

TEST(QuadroVerifica, QuadroVuotoONonAttivoSaltato)
{
    TProva p;
    TQuadro& q = p.Radice();
    q.AggiornaPreset();  // AND of nothing admits exactly 0
    p.elenco.PreparaVerifica(false);
    EXPECT_FALSE(q.Attivo);
    EXPECT_EQ(p.elenco.NumeroAttive(), 0);

    TSonda& s = Sonda(q, false, false);  // a sub-condition with nothing to judge
    q.AggiornaPreset();
    p.elenco.PreparaVerifica(false);
    EXPECT_FALSE(q.Attivo);
    s.Attivabile = true;
    q.Attivato = false;
    p.elenco.PreparaVerifica(false);
    EXPECT_FALSE(q.Attivo);
    EXPECT_TRUE(s.Attivato);  // the panel's switch is lent to its sub-conditions, not kept
    q.Attivato = true;
    p.elenco.PreparaVerifica(false);
    EXPECT_TRUE(q.Attivo);
    EXPECT_FALSE(p.elenco.VerificaColonna(TColonna{}));
}

// AND preset with three sub-conditions, the second failing.
TEST(QuadroVerifica, AndSiFermaInSviluppoMaRaccogliendoProvaTutto)
{
    TProva p;
    TQuadro& q = p.Radice();
    TSonda& a = Sonda(q, true);
    TSonda& b = Sonda(q, false);
    TSonda& c = Sonda(q, true);
    q.ScegliRelazione(RelazioneAnd);

    p.elenco.PreparaVerifica(false);
    EXPECT_FALSE(p.elenco.VerificaColonna(TColonna{}));
    EXPECT_EQ(a.Chiamate, 1);
    EXPECT_EQ(b.Chiamate, 1);
    EXPECT_EQ(c.Chiamate, 0);

    p.elenco.PreparaVerifica(true);
    EXPECT_FALSE(p.elenco.VerificaColonna(TColonna{}));
    EXPECT_EQ(c.Chiamate, 1);
    EXPECT_EQ(p.Errori(), (std::vector<const TCondizione*>{&b, &q}));
    EXPECT_EQ(q.Misura(TColonna{}), (TMisura{2, 1}));
}

TEST(QuadroVerifica, ErroriDiUnQuadroCheAccettaTagliati)
{
    TProva p;
    TQuadro& radice = p.Radice();
    radice.ScegliRelazione(RelazioneAnd);
    TQuadro& or1 = SottoQuadro(radice, RelazioneOr);
    TSonda& a = Sonda(or1, false);
    Sonda(or1, true);
    or1.AggiornaPreset();
    TSonda& c = Sonda(radice, false);
    radice.AggiornaPreset();

    p.elenco.PreparaVerifica(true);
    p.elenco.Errori.push_back({nullptr});  // an entry from before must survive
    EXPECT_FALSE(p.elenco.VerificaColonna(TColonna{}));
    EXPECT_EQ(p.Errori(), (std::vector<const TCondizione*>{nullptr, &c, &radice}));
    EXPECT_EQ(a.Chiamate, 1);

    // The root accepts: nothing of its subtree is reported, also from a failing sub-panel.
    c.Esito = true;
    radice.ScegliRelazione(RelazioneOr);
    TQuadro& and1 = SottoQuadro(radice, RelazioneAnd);
    Sonda(and1, false);
    and1.AggiornaPreset();
    radice.AggiornaPreset();
    p.elenco.PreparaVerifica(true);
    EXPECT_TRUE(p.elenco.VerificaColonna(TColonna{}));
    EXPECT_TRUE(p.elenco.Errori.empty());

    // A failing sub-panel lists its own failures and then itself.
    radice.ScegliRelazione(RelazioneAnd);
    p.elenco.PreparaVerifica(true);
    EXPECT_FALSE(p.elenco.VerificaColonna(TColonna{}));
    EXPECT_EQ(p.Errori(), (std::vector<const TCondizione*>{&and1.Elemento(0), &and1, &radice}));
}

TEST(QuadroVerifica, GruppoSempliceNelQuadroElencaISuoiElementi)
{
    TProva p;
    TQuadro& radice = p.Radice();
    auto gruppo = std::make_unique<TGruppoCondizioni>(TipoGruppoConsecutivita);
    auto e = std::make_unique<TConsecutivita>();
    for (int v = 0; v <= 12; ++v)
        e->Tabella(TConsecutivita::TabellaConteggi).ImpostaStato(0, v, StatoAmmesso);
    e->Tabella(TConsecutivita::TabellaRun).ImpostaStato(0, 0, StatoAmmesso);  // no "1" at all
    const TCondizione* elemento = e.get();
    gruppo->Aggiungi(std::move(e));
    const TCondizione* g = gruppo.get();
    radice.Aggiungi(std::move(gruppo));
    radice.AggiornaPreset();
    p.elenco.PreparaVerifica(true);
    EXPECT_FALSE(p.elenco.VerificaColonna(Col("1XXXXXXXXXXX")));
    EXPECT_EQ(p.Errori(), (std::vector<const TCondizione*>{elemento, &radice}));
    EXPECT_NE(p.Errori()[0], g);
}

// The points-between group of an OR panel's count adds the true count of accepting
// sub-conditions, not the 1 a shortcut would report; and a later sub-condition that feeds a
// group is not skipped either.
TEST(QuadroVerifica, PuntiTraSommaIlConteggioVero)
{
    TProva p;
    TQuadro& radice = p.Radice();
    Sonda(radice, true);
    TSonda& b = Sonda(radice, true);
    Sonda(radice, false);
    radice.ScegliRelazione(RelazioneOr);
    p.elenco.PreparaVerifica(false);
    EXPECT_TRUE(p.elenco.VerificaColonna(TColonna{}));
    EXPECT_EQ(b.Chiamate, 0);  // nothing to lose: the shortcut saves the rest
    radice.CondizioniAccettate.Sotto[0].GruppoTra = 3;
    auto& tra = *p.elenco.Condizione<TPuntiTra>(TipoPuntiTra);
    tra.Gruppo(3).Aggiungi({2, 2, 1, 1});
    p.elenco.PreparaVerifica(false);
    ASSERT_TRUE(p.elenco.PuntiTraAttivo());
    EXPECT_TRUE(radice.HaEffetti());
    EXPECT_TRUE(p.elenco.VerificaColonna(TColonna{}));
    EXPECT_EQ(p.elenco.SommeTra[3], 2);
    EXPECT_EQ(b.Chiamate, 1);

    radice.CondizioniAccettate.Sotto[0].GruppoTra = 0;
    tra.Gruppo(3).Azzera();
    auto segni = Segni1({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12});
    segni->Tabella(0).Sotto[0].GruppoTra = 4;
    radice.Inserisci(2, std::move(segni));
    radice.AggiornaPreset();
    tra.Gruppo(4).Aggiungi({5, 5, 1, 1});
    p.elenco.PreparaVerifica(false);
    EXPECT_TRUE(p.elenco.VerificaColonna(Col("11111XXXXXXX")));
    EXPECT_EQ(p.elenco.SommeTra[4], 5);
    EXPECT_FALSE(p.elenco.VerificaColonna(Col("1111XXXXXXXX")));
}

// A later sub-condition of an OR panel charges a link that admits no error: a full walk
// charges it and the column falls; skipping it would let the column through.
TEST(QuadroVerifica, ScorciatoiaNonSaltaLeLink)
{
    TProva p;
    TQuadro& radice = p.Radice();
    Sonda(radice, true);
    radice.Aggiungi(Segni1({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}, 1, 'A'));
    radice.ScegliRelazione(RelazioneOr);
    p.link.DellaLettera('A').Errori.ImpostaStato(0, 0, StatoAmmesso);
    p.elenco.PreparaVerifica(false);
    EXPECT_EQ(p.link.LettereInUso(), "A");
    EXPECT_TRUE(radice.HaEffetti());
    EXPECT_FALSE(p.elenco.VerificaColonna(Col("111111111111")));
    EXPECT_EQ(p.link.DellaLettera('A').ErroriCorrenti, 1);

    p.link.DellaLettera('A').Errori.ImpostaStato(0, 1, StatoAmmesso);
    p.elenco.PreparaVerifica(false);
    EXPECT_TRUE(p.elenco.VerificaColonna(Col("111111111111")));
}

TEST(QuadroVerifica, RecuperoSulConteggioCaricaLaLink)
{
    TProva p;
    TQuadro& radice = p.Radice();
    Sonda(radice, true);
    Sonda(radice, false);
    radice.Preset = false;
    radice.CondizioniAccettate.Azzera();
    radice.CondizioniAccettate.ImpostaStato(0, 1, StatoInRecupero, 1);
    radice.CondizioniAccettate.Sotto[0].Link = 'C';
    p.link.DellaLettera('C').Errori.ImpostaStato(0, 1, StatoAmmesso);
    p.elenco.PreparaVerifica(false);
    EXPECT_EQ(p.link.LettereInUso(), "C");
    EXPECT_TRUE(p.elenco.VerificaColonna(TColonna{}));
    EXPECT_EQ(p.link.DellaLettera('C').ErroriCorrenti, 1);
}

// The statistics measure every sub-condition without charging links, listing errors or
// leaving anything in the points-between sums.
TEST(QuadroVerifica, StatisticheSenzaEffettiSulContenitore)
{
    TProva p;
    TQuadro& radice = p.Radice();
    radice.Aggiungi(Segni1({3}, 1, 'A'));
    Sonda(radice, false);
    Sonda(radice, true);
    radice.ScegliRelazione(RelazioneOr);
    p.link.DellaLettera('A').Errori.ImpostaStato(0, 0, StatoAmmesso);
    p.elenco.PreparaVerifica(true);
    p.elenco.Errori.push_back({nullptr});
    p.elenco.SommeTra[4] = 17;
    radice.AzzeraStatistiche();

    const TColonna col = Col("111XXXXXXXXX");
    radice.ContaColonna(col);
    EXPECT_EQ(p.elenco.Link(), &p.link);
    EXPECT_TRUE(p.elenco.RaccogliErrori);
    EXPECT_EQ(p.elenco.Errori.size(), 1u);
    EXPECT_EQ(p.elenco.SommeTra[4], 17);
    EXPECT_EQ(p.link.DellaLettera('A').ErroriCorrenti, 0);
    EXPECT_EQ(radice.StatistichePrime().Frequenza(2), 1);  // in recupero counts as accepted
    EXPECT_EQ(radice.StatisticheSeconde().Frequenza(2), 1);
    radice.ContaColonna(Col("11XXXXXXXXXX"));
    EXPECT_EQ(radice.StatistichePrime().Frequenza(1), 1);
    EXPECT_EQ(radice.StatisticheSeconde().Frequenza(1), 1);
    radice.ScegliRelazione(RelazioneAnd);
    radice.Prepara();
    radice.ContaColonna(col);
    EXPECT_EQ(radice.StatistichePrime().Frequenza(2), 2);
    EXPECT_EQ(radice.StatisticheSeconde().Frequenza(2), 1);  // AND refuses 2 of 3
}

namespace {

void SenzaPreset(TQuadro& q)
{
    q.Preset = false;
    for (int i = 0; i < q.Conta(); ++i)
        if (q.Elemento(i).Tipo() == TipoQuadro) SenzaPreset(static_cast<TQuadro&>(q.Elemento(i)));
}

void RiempiQuadro(TQuadro& q, int livello, std::mt19937& g)
{
    const int n = 1 + static_cast<int>(g() % 5);
    for (int i = 0; i < n; ++i) {
        if (livello < 3 && g() % 4 == 0) {
            auto sotto = std::make_unique<TQuadro>();
            RiempiQuadro(*sotto, livello + 1, g);
            q.Aggiungi(std::move(sotto));
            continue;
        }
        auto c = std::make_unique<TNumeroSegni>();
        for (int k = 0; k < 3; ++k) {
            auto& t = c->Tabella(k);
            for (int v = 0; v <= 12; ++v) {
                const auto r = g() % 10;
                if (r < 4)
                    t.ImpostaStato(0, v, StatoAmmesso);
                else if (r == 4)
                    t.ImpostaStato(0, v, StatoInRecupero, static_cast<std::uint8_t>(1 + g() % 2));
            }
            t.Sotto[0].Link = static_cast<std::uint8_t>('A' + g() % 2);
            if (g() % 8 == 0) t.Sotto[0].GruppoTra = static_cast<std::int16_t>(1 + g() % 2);
        }
        c->Attivato = g() % 8 != 0;
        q.Aggiungi(std::move(c));
    }
    q.ScegliRelazione(static_cast<int>(g() % 4));
    // Sometimes a hand-made table that the shortcuts must not be fooled by.
    if (g() % 4 == 0) q.CondizioniAccettate.ImpostaStato(0, static_cast<int>(g() % 3), StatoInRecupero, 1);
    if (g() % 6 == 0) q.CondizioniAccettate.ImpostaStato(0, static_cast<int>(g() % 3), StatoAmmesso);
    if (g() % 6 == 0) q.CondizioniAccettate.Sotto[0].GruppoTra = static_cast<std::int16_t>(1 + g() % 2);
}

}  // namespace

// Speed never changes a result: the same trees with and without the shortcuts (preset off
// keeps the tables and turns the shortcuts off) keep exactly the same columns.
TEST(QuadroVerifica, ScorciatoieNonCambianoIlRisultato)
{
    std::mt19937 g(20240613);
    int diversi = 0, accettate = 0;
    for (int albero = 0; albero < 60; ++albero) {
        TProva veloce, piena;
        RiempiQuadro(veloce.Radice(), 0, g);
        piena.Radice().Assumi(TQuadro(veloce.Radice()));
        SenzaPreset(piena.Radice());
        for (TProva* p : {&veloce, &piena}) {
            p->link.DellaLettera('A').Errori.ImpostaStato(0, 0, StatoAmmesso);
            p->link.DellaLettera('A').Errori.ImpostaStato(0, 1, StatoAmmesso);
            p->link.DellaLettera('B').Errori.ImpostaStato(0, 0, StatoAmmesso);
            // Points-between groups that judge what the panels and their sub-conditions add.
            auto& tra = *p->elenco.Condizione<TPuntiTra>(TipoPuntiTra);
            tra.Gruppo(1).Aggiungi({0, 6, 1, 1});
            tra.Gruppo(2).Aggiungi({1, 12, 1, 1});
            p->elenco.PreparaVerifica(false);
        }
        for (int i = 0; i < 1500; ++i) {
            TColonna c{};
            for (int e = 0; e < NumEvents; ++e)
                c[static_cast<std::size_t>(e)] = SegnoDaCifra(static_cast<int>(g() % 3));
            const bool v = veloce.elenco.VerificaColonna(c);
            diversi += v != piena.elenco.VerificaColonna(c);
            accettate += v;
        }
    }
    EXPECT_EQ(diversi, 0);
    EXPECT_GT(accettate, 0);
}
