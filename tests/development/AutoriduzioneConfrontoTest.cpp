// The fast engine, the plain engine and the literal algorithm must agree on everything: kept
// columns and their order, counts, winning possibilities, and even the progress calls and the
// number of looks at "Annulla". Random lists cover subsets, shuffles, duplicates, mixed Corsa +
// masks and condensed records on the three games.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>
#include <string>
#include <vector>

#include "Autoriduzione.h"
#include "AutoriduzioneLetterale.h"
#include "CartellaTemporanea.h"

using namespace morella;
using morella::test::AutoriduciLetterale;
using morella::test::SviluppaPronostico;
using morella::test::TGiocoTemporaneo;

namespace {

struct TRegistratore : TOsservatoreRiduzione {
    std::vector<std::array<int, 4>> rid;
    std::vector<std::string> stati;
    std::vector<int> percentuali;
    long long controlli = 0;
    long long annullaAl = -1;  // cancel at this look at "Annulla" (1-based)

    void AggiornaRid(int totale, int tenute, bool finale, int elaborate) override
    {
        rid.push_back({totale, tenute, finale ? 1 : 0, elaborate});
    }
    void Stato(const std::string& testo) override { stati.push_back(testo); }
    void Percentuale(int p) override { percentuali.push_back(p); }
    bool Annullato() override { return ++controlli == annullaAl; }
};

struct TCaso {
    TListaColonne lista;
    TPronostico pronostico{};
};

TSegni SegnoCasuale(std::mt19937& rng)
{
    return SegnoDaCifra(static_cast<int>(rng() % 3));
}

// A random prediction whose development stays under `massimo` columns, developed, then thinned,
// shuffled, duplicated and condensed as asked.
TCaso CasoCasuale(std::mt19937& rng, int massimo, double tieni, bool mescola, int duplicati, int condensate,
                  bool corsaMista)
{
    TCaso caso;
    TPronostico& p = caso.pronostico;
    for (int i = 0; i < NumEvents; ++i) p[static_cast<std::size_t>(i)] = SegnoCasuale(rng);
    long long colonne = 1;
    for (int tentativi = 0; tentativi < 60; ++tentativi) {
        const auto e = static_cast<std::size_t>(rng() % static_cast<unsigned>(NumEvents));
        const int prima = NumeroSegni(p[e]);
        if (prima == 3) continue;
        const long long dopo = colonne / prima * (prima + 1);
        if (dopo > massimo) continue;
        TSegni nuovo;
        do nuovo = static_cast<TSegni>(p[e] | SegnoCasuale(rng));
        while (nuovo == p[e]);
        p[e] = nuovo;
        colonne = dopo;
    }
    TListaColonne tutte = SviluppaPronostico(p, 3);
    std::uniform_real_distribution<double> u(0.0, 1.0);
    for (const TColonna& c : tutte)
        if (u(rng) < tieni) caso.lista.Aggiungi(c);
    if (caso.lista.Vuota()) caso.lista.Aggiungi(tutte[0]);
    auto& v = caso.lista.Colonne();
    if (mescola) std::shuffle(v.begin(), v.end(), rng);
    for (int k = 0; k < duplicati; ++k) {
        const TColonna copia = v[rng() % v.size()];
        v.insert(v.begin() + static_cast<std::ptrdiff_t>(rng() % (v.size() + 1)), copia);
    }
    for (int k = 0; k < condensate; ++k) {
        TColonna& c = v[rng() % v.size()];
        const auto e = static_cast<std::size_t>(rng() % static_cast<unsigned>(NumEvents));
        const unsigned scelta = rng() % 4;
        c[e] = scelta == 0   ? TSegni{0}
               : scelta == 1 ? TSegni{7}
                             : static_cast<TSegni>(c[e] | SegnoCasuale(rng));
    }
    if (corsaMista && Gioco == GiocoTotip)
        for (TColonna& c : v) c.ImpostaCorsaPiu(static_cast<TMascheraCorsaPiu>(rng() & 0xFFFF));
    return caso;
}

struct TUscita {
    TListaColonne lista;
    TEsitoRiduzione esito;
    T_ListaTipiDiVincite possibilita;
    TRegistratore oss;
};

enum class TChi { Automatico, Semplice, Letterale };

TUscita Esegui(TChi chi, const TCaso& caso, int garanzia, bool accurata, bool percentuali,
               long long annullaAl = -1)
{
    TUscita u;
    u.lista = caso.lista;
    u.oss.annullaAl = annullaAl;
    if (chi == TChi::Letterale)
        u.esito = AutoriduciLetterale(u.lista, garanzia, accurata, percentuali, &u.possibilita,
                                      caso.pronostico, &u.oss);
    else
        u.esito =
            Autoriduci(u.lista, garanzia, accurata, percentuali, &u.possibilita, caso.pronostico, &u.oss,
                       chi == TChi::Semplice ? TMotoreRiduzione::Semplice : TMotoreRiduzione::Automatico);
    return u;
}

void ControllaUguali(const TUscita& a, const TUscita& b, const std::string& dove)
{
    SCOPED_TRACE(dove);
    EXPECT_EQ(a.lista.Conta(), b.lista.Conta());
    EXPECT_TRUE(a.lista == b.lista);
    EXPECT_EQ(a.esito.annullata, b.esito.annullata);
    EXPECT_EQ(a.esito.possibilitaAnnullate, b.esito.possibilitaAnnullate);
    EXPECT_EQ(a.esito.possibilitaCalcolate, b.esito.possibilitaCalcolate);
    EXPECT_EQ(a.esito.totale, b.esito.totale);
    EXPECT_EQ(a.esito.tenute, b.esito.tenute);
    EXPECT_EQ(a.esito.coperte, b.esito.coperte);
    EXPECT_EQ(a.esito.fattore, b.esito.fattore);
    EXPECT_TRUE(a.possibilita == b.possibilita);
    EXPECT_EQ(a.possibilita.MediaDoppie(), b.possibilita.MediaDoppie());
    EXPECT_EQ(a.possibilita.MediaSingole(), b.possibilita.MediaSingole());
    EXPECT_TRUE(a.oss.rid == b.oss.rid);
    EXPECT_EQ(a.oss.stati, b.oss.stati);
    EXPECT_EQ(a.oss.percentuali, b.oss.percentuali);
    EXPECT_EQ(a.oss.controlli, b.oss.controlli);
}

bool TuttiSingoli(const TListaColonne& lista)
{
    for (const TColonna& c : lista)
        for (int i = 0; i < NumEvents; ++i)
            if (!EUnSingolo(c[static_cast<std::size_t>(i)])) return false;
    return true;
}

struct TParametri {
    int massimo;
    double tieni;
    bool mescola;
    int duplicati;
    int condensate;
    bool corsaMista;
};

void ConfrontaGioco(int gioco, unsigned seme, const std::vector<TParametri>& casi)
{
    TGiocoTemporaneo g(gioco);
    std::mt19937 rng(seme);
    for (std::size_t k = 0; k < casi.size(); ++k) {
        const TParametri& pa = casi[k];
        const TCaso caso =
            CasoCasuale(rng, pa.massimo, pa.tieni, pa.mescola, pa.duplicati, pa.condensate, pa.corsaMista);
        for (int garanzia : {1, 2})
            for (bool accurata : {true, false}) {
                const bool percentuali =
                    (k + static_cast<std::size_t>(garanzia) + (accurata ? 1u : 0u)) % 2 == 0 ||
                    caso.lista.Conta() < 400;
                const std::string dove = "gioco " + std::to_string(gioco) + " caso " + std::to_string(k) +
                                         " colonne " + std::to_string(caso.lista.Conta()) + " N-" +
                                         std::to_string(garanzia) + (accurata ? " accurata" : " veloce") +
                                         (percentuali ? " con percentuali" : "");
                const TUscita letterale = Esegui(TChi::Letterale, caso, garanzia, accurata, percentuali);
                const TUscita automatico = Esegui(TChi::Automatico, caso, garanzia, accurata, percentuali);
                const TUscita semplice = Esegui(TChi::Semplice, caso, garanzia, accurata, percentuali);
                EXPECT_EQ(automatico.esito.motoreRapido, TuttiSingoli(caso.lista)) << dove;
                ControllaUguali(letterale, automatico, dove + " (automatico)");
                ControllaUguali(letterale, semplice, dove + " (semplice)");
                EXPECT_EQ(letterale.esito.coperte, letterale.esito.totale) << dove;
                if (::testing::Test::HasFailure()) return;
            }
    }
}

// Thinned, shuffled, duplicated, condensed and mixed-Corsa + lists of a few hundred columns.
const std::vector<TParametri> CasiMisti = {
    {30, 1.0, false, 0, 0, false},    {250, 1.0, false, 0, 0, false},   {800, 0.6, false, 0, 0, true},
    {2200, 0.35, false, 0, 0, false}, {600, 0.9, true, 0, 0, false},    {700, 0.8, false, 40, 0, false},
    {300, 1.0, true, 25, 0, true},    {500, 0.7, false, 10, 30, false}, {200, 1.0, false, 0, 5, true},
    {729, 1.0, false, 0, 0, false},
};
// A whole system of seven triples and a large thinned one with duplicates.
const std::vector<TParametri> CasiGrandi = {{2187, 1.0, false, 0, 0, false}, {3000, 0.6, false, 30, 0, true}};

}  // namespace

TEST(AutoriduzioneConfronto, TotipStessoRisultatoDelLetterale)
{
    ConfrontaGioco(GiocoTotip, 11, CasiMisti);
}

TEST(AutoriduzioneConfronto, ListeGrandiStessoRisultatoDelLetterale)
{
    ConfrontaGioco(GiocoTotip, 13, CasiGrandi);
}

TEST(AutoriduzioneConfronto, TotoStessoRisultatoDelLetterale)
{
    ConfrontaGioco(GiocoToto, 23, CasiMisti);
}

TEST(AutoriduzioneConfronto, EnalottoStessoRisultatoDelLetterale)
{
    ConfrontaGioco(GiocoEnalotto, 37, CasiMisti);
}

// Copies of neighbours push the first threshold (300) and the counts past what a byte stores:
// Q has 310 free columns in reach and keeps only the first 300 as covered; P has 280, fails,
// stores 255 and raises the maximum to 280, so a pass skips it and the next one selects it
// covering only its first 255. Every engine must walk the same road.
TEST(AutoriduzioneConfronto, ConteggiOltre255ESceltaDeiPrimiInPortata)
{
    TGiocoTemporaneo g(GiocoTotip);
    TColonna h{};
    for (int i = 0; i < NumEvents; ++i) h[static_cast<std::size_t>(i)] = Segno1;
    auto Con = [](TColonna c, std::initializer_list<std::pair<int, TSegni>> cambi) {
        for (auto [e, s] : cambi) c[static_cast<std::size_t>(e - 1)] = s;
        return c;
    };
    TCaso caso;
    auto Aggiungi = [&](const TColonna& c, int volte) {
        for (int k = 0; k < volte; ++k) caso.lista.Aggiungi(c);
    };
    const TColonna q = Con(h, {{11, SegnoX}, {12, SegnoX}});
    const TColonna p = Con(h, {{9, SegnoX}, {10, SegnoX}});
    Aggiungi(h, 1);
    Aggiungi(Con(h, {{1, SegnoX}}), 300);
    Aggiungi(q, 1);
    Aggiungi(Con(q, {{11, Segno2}}), 155);
    Aggiungi(Con(q, {{12, Segno2}}), 155);
    Aggiungi(p, 1);
    Aggiungi(Con(p, {{9, Segno2}}), 140);
    Aggiungi(Con(p, {{10, Segno2}}), 140);
    caso.pronostico = h;
    for (int garanzia : {1, 2})
        for (bool accurata : {true, false}) {
            const std::string dove = "N-" + std::to_string(garanzia) + (accurata ? " accurata" : " veloce");
            const TUscita letterale = Esegui(TChi::Letterale, caso, garanzia, accurata, true);
            ControllaUguali(letterale, Esegui(TChi::Automatico, caso, garanzia, accurata, true), dove);
            ControllaUguali(letterale, Esegui(TChi::Semplice, caso, garanzia, accurata, true), dove);
            if (garanzia == 1 && accurata) {
                // h, Q, P, the 10 copies Q left free and the 25 copies P left free.
                EXPECT_EQ(letterale.esito.tenute, 3 + 10 + 25);
            }
        }
}

// Cancelling at any look at "Annulla" leaves the same state in every engine.
TEST(AutoriduzioneConfronto, AnnullareInQualunquePuntoDaLoStessoStato)
{
    TGiocoTemporaneo g(GiocoEnalotto);
    std::mt19937 rng(5);
    for (int giro = 0; giro < 4; ++giro) {
        const TCaso caso = CasoCasuale(rng, 400, 0.7, giro % 2 == 1, giro, 0, false);
        for (int garanzia : {1, 2}) {
            const TUscita intera = Esegui(TChi::Automatico, caso, garanzia, true, true);
            for (long long al = 1; al <= intera.oss.controlli; al += 1 + intera.oss.controlli / 20) {
                const TUscita l = Esegui(TChi::Letterale, caso, garanzia, true, true, al);
                ControllaUguali(l, Esegui(TChi::Automatico, caso, garanzia, true, true, al),
                                "annulla al controllo " + std::to_string(al));
                if (::testing::Test::HasFailure()) return;
            }
        }
    }
}
