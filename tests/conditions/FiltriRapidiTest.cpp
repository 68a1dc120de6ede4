// A panel of filter columns joined by AND judges single-sign columns through the marked set
// of refused columns: its verdict must be the walk's on every column of a whole development,
// for filters with empty and multi-sign events and any admitted points, and the set must
// stand aside whenever skipping the filters would skip something they do.
#include <gtest/gtest.h>

#include <random>

#include "CartellaTemporanea.h"
#include "ColonnaFiltro.h"
#include "TestoColonnaEsteso.h"
#include "UTCondiz.h"

using namespace morella;

namespace {

// Every single-sign column of the game, in code order.
std::vector<TColonna> TutteLeColonne()
{
    std::vector<TColonna> v;
    std::uint32_t n = 1;
    for (int i = 0; i < NumEvents; ++i) n *= 3;
    for (std::uint32_t codice = 0; codice < n; ++codice) {
        TColonna c{};
        std::uint32_t r = codice;
        for (int i = 0; i < NumEvents; ++i, r /= 3)
            c[static_cast<std::size_t>(i)] = SegnoDaCifra(static_cast<int>(r % 3));
        v.push_back(c);
    }
    return v;
}

// The verdict of the walk: every active filter accepts.
bool TuttiAccettano(TQuadro& q, const TColonnaEsaminata& c)
{
    for (int i = 0; i < q.Conta(); ++i) {
        TCondizione& e = q.Elemento(i);
        if (e.Attivo && e.Attivato && !e.Verifica(c)) return false;
    }
    return true;
}

}  // namespace

TEST(FiltriRapidi, StessoVerdettoDelCammino)
{
    test::TGiocoTemporaneo gioco(GiocoTotip);
    std::mt19937 gen(2026);
    const std::vector<TColonna> colonne = TutteLeColonne();
    for (int giro = 0; giro < 6; ++giro) {
        TElencoLink link;
        TElencoCondizioni elenco(&link);
        TQuadro& q = *elenco.Condizione<TQuadro>(TipoQuadro);
        for (int f = 0; f < 12; ++f) {
            TColonna filtro{};
            // Mostly one sign, sometimes none (the event does not count) or two or three.
            for (int i = 0; i < NumEvents; ++i)
                filtro[static_cast<std::size_t>(i)] =
                    static_cast<TSegni>(gen() % 5 == 0 ? gen() % 8 : 1u << gen() % 3);
            std::vector<int> punti;
            const int soglia = static_cast<int>(gen() % 4) + 7;
            for (int p = 0; p <= NumEvents; ++p)
                if (p <= soglia || (giro % 2 && p == NumEvents)) punti.push_back(p);
            auto cf = CreaColonnaFiltro(filtro, punti, &elenco);
            if (f == 3) cf->Attivato = false;  // a switched-off filter lets everything through
            q.Aggiungi(std::move(cf));
        }
        q.AggiornaPreset();
        elenco.PreparaVerifica(false);
        ASSERT_TRUE(q.FiltriRapidi()) << giro;
        int respinte = 0;
        for (const TColonna& c : colonne) {
            const TColonnaEsaminata e(c);
            const bool atteso = TuttiAccettano(q, e);
            ASSERT_EQ(q.Verifica(e), atteso) << giro;
            respinte += atteso ? 0 : 1;
        }
        EXPECT_GT(respinte, 0);
        EXPECT_LT(respinte, static_cast<int>(colonne.size()));
        // A column with a double on an event is walked.
        TColonna doppia = colonne[12345];
        doppia[0] = Segno1 | SegnoX;
        EXPECT_EQ(q.Verifica(TColonnaEsaminata(doppia)), TuttiAccettano(q, TColonnaEsaminata(doppia)));
    }
}

TEST(FiltriRapidi, SiFaDaParteQuandoIFiltriFannoAltro)
{
    test::TGiocoTemporaneo gioco(GiocoTotip);
    TElencoLink link;
    TElencoCondizioni elenco(&link);
    TQuadro& q = *elenco.Condizione<TQuadro>(TipoQuadro);
    const TColonna uno = *ColonnaDaTestoEsteso("111111111111");
    auto aggiungi = [&] {
        auto cf = CreaColonnaFiltro(uno, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, &elenco);
        TColonnaFiltro* p = cf.get();
        q.Aggiungi(std::move(cf));
        q.AggiornaPreset();
        return p;
    };
    TColonnaFiltro* f = aggiungi();
    // A few filters walk quickly enough.
    for (int i = 1; i < TFiltriRapidi::MinimoFiltri; ++i) {
        elenco.PreparaVerifica(false);
        EXPECT_FALSE(q.FiltriRapidi());
        aggiungi();
    }
    elenco.PreparaVerifica(false);
    EXPECT_TRUE(q.FiltriRapidi());
    EXPECT_FALSE(q.Verifica(TColonnaEsaminata(*ColonnaDaTestoEsteso("11111111111X"))));
    EXPECT_TRUE(q.Verifica(TColonnaEsaminata(*ColonnaDaTestoEsteso("111111111XXX"))));

    // Points in recupero charge a link, a streak table judges runs, another kind is walked,
    // an OR panel and the error-collecting mode walk.
    f->Tabella(0).ImpostaStato(0, 10, StatoInRecupero, 1);
    elenco.PreparaVerifica(false);
    EXPECT_FALSE(q.FiltriRapidi());
    f->Tabella(0).ImpostaStato(0, 10, StatoEscluso);
    f->Tabella(0).ImpostaStato(1, 2, StatoAmmesso);
    elenco.PreparaVerifica(false);
    EXPECT_FALSE(q.FiltriRapidi());
    f->Tabella(0).Sotto[1] = TTabellaValori(NumEvents, true).Sotto[1];
    auto segni = std::make_unique<TNumeroSegni>(&elenco);
    segni->Tabella(0).ImpostaStato(0, 5, StatoAmmesso);
    q.Aggiungi(std::move(segni));
    q.AggiornaPreset();
    elenco.PreparaVerifica(false);
    EXPECT_FALSE(q.FiltriRapidi());
    q.Elimina(q.Conta());
    q.ScegliRelazione(RelazioneOr);
    elenco.PreparaVerifica(false);
    EXPECT_FALSE(q.FiltriRapidi());
    q.ScegliRelazione(RelazioneAnd);
    elenco.PreparaVerifica(false);
    EXPECT_TRUE(q.FiltriRapidi());
    // Collecting errors: the walk lists every refusing filter (all eight are the same).
    elenco.PreparaVerifica(true);
    EXPECT_FALSE(q.Verifica(TColonnaEsaminata(*ColonnaDaTestoEsteso("11111111111X"))));
    ASSERT_EQ(elenco.Errori.size(), static_cast<std::size_t>(q.Conta()));
    EXPECT_EQ(elenco.Errori[0].Condizione, f);
}
