#include <gtest/gtest.h>

#include <set>
#include <stdexcept>

#include "CartellaTemporanea.h"
#include "DatiSistema.h"
#include "TestoColonnaEsteso.h"
#include "TestoColonne.h"
#include "UTCondiz.h"
#include "UtArcAna.h"

using namespace morella;
using morella::test::TGiocoTemporaneo;

using morella::test::Col;

namespace {

T_Archivio Archivio(std::initializer_list<const char*> colonne, std::int32_t stagione = 2000)
{
    T_Archivio a;
    std::uint8_t numero = 1;
    for (const char* testo : colonne) {
        T_Concorso c;
        c.Stagione = stagione;
        c.Numero = numero++;
        c.ColonnaVincente = Col(testo);
        c.AggiornaCompleto();
        a.Aggiungi(c);
    }
    return a;
}

// Records every column it is asked about and admits only the listed ones; it can also fail
// like a condition that runs out of memory.
class TRegistratore final : public TCondizione {
   public:
    TRegistratore() : TCondizione(TipoNumeroSegni, nullptr) {}
    bool Verifica(const TColonnaEsaminata& c) override
    {
        if (Lancia) throw std::runtime_error("guasto");
        Chieste.push_back(c.Colonna);
        return Ammesse.count(TestoColonna(c.Colonna)) > 0;
    }
    bool Scrivi(TScrittoreBinario&) const override { return true; }
    bool Leggi(TLettoreBinario&) override { return true; }
    bool Prepara() override { return Attivo = Attivato; }
    std::unique_ptr<TCondizione> Clona() const override { return std::make_unique<TRegistratore>(*this); }
    TRegistratore(const TRegistratore&) = default;

    std::set<std::string> Ammesse;
    std::vector<TColonna> Chieste;
    bool Lancia = false;
};

struct TProva {
    TElencoLink link;
    TElencoCondizioni elenco{&link};
    T_ImpostazioniRicerca ricerca;

    // Admits only the columns with exactly `quanti` signs "1".
    void SoloUni(int quanti)
    {
        elenco.Condizione<TNumeroSegni>(TipoNumeroSegni)->Tabella(0).ImpostaStato(0, quanti, StatoAmmesso);
    }
    TRegistratore& Registratore()
    {
        auto& radice = *elenco.Condizione<TQuadro>(TipoQuadro);
        auto r = std::make_unique<TRegistratore>();
        auto* p = r.get();
        EXPECT_TRUE(radice.Aggiungi(std::move(r)));
        radice.ScegliRelazione(RelazioneAnd);
        return *p;
    }
    TEsitoReplay Replay(const T_Archivio& a, int categorie, TOsservatoreReplay* oss = nullptr)
    {
        ricerca.TuttoLArchivio(a);
        ricerca.CategorieCercate = categorie;
        return ReplayArchivio(elenco, ricerca, a, oss);
    }
    const TRisultatoCategoria& Cat(int n) const
    {
        return ricerca.RisultatiRicerca.Categorie[static_cast<std::size_t>(n - 1)];
    }
};

std::vector<std::int32_t> Uscite(const TRisultatoCategoria& c)
{
    return c.Uscite;
}

class TAnnullaDopo final : public TOsservatoreReplay {
   public:
    explicit TAnnullaDopo(int n) : n_(n) {}
    bool Annullato() override { return ++chiamate_ >= n_; }
    void Stato(const std::string& t) override { Stati.push_back(t); }
    void Progresso(int p) override { Gauge.push_back(p); }
    std::vector<std::string> Stati;
    std::vector<int> Gauge;

   private:
    int n_;
    int chiamate_ = 0;
};

}  // namespace

TEST(Replay, SenzaCondizioniAttiveTuttoCentratoEConvenienzaInfinita)
{
    TGiocoTemporaneo gioco(GiocoTotip);
    TProva p;
    const auto a = Archivio({"111111111111", "XXXXXXXXXXXX", "1X21X21X21X2"});
    const auto esito = p.Replay(a, 3);
    EXPECT_EQ(esito.Esaminati, 3);
    EXPECT_EQ(esito.Stato, "Concorsi Esaminati : 3 Su 3");
    EXPECT_EQ(Uscite(p.Cat(1)), (std::vector<std::int32_t>{1, 2, 3}));
    EXPECT_EQ(p.Cat(2).Frequenze.ConcorsiContati(), 0);  // every contest stopped at category 1

    TDatiSistema dati;
    dati.Pronostico = Col("(1X2)(1X)1111111111");
    dati.Sviluppato = true;
    dati.ColonneFinali = 6;  // nothing filtered
    auto pagina = PaginaStatistiche(p.ricerca.RisultatiRicerca, 1, dati);
    EXPECT_DOUBLE_EQ(pagina.PercentualeUscite, 100.0);
    EXPECT_DOUBLE_EQ(pagina.PercentualeMancati, 0.0);
    EXPECT_TRUE(pagina.MostraConvenienza);
    EXPECT_DOUBLE_EQ(pagina.PercentualeFiltrate, 0.0);
    EXPECT_EQ(pagina.FattoreDiConvenienza, "Infinito");
    EXPECT_EQ(pagina.CicloMedio, "1.00");

    // The convenience belongs to the first category of a developed system only.
    EXPECT_FALSE(PaginaStatistiche(p.ricerca.RisultatiRicerca, 2, dati).MostraConvenienza);
    dati.Sviluppato = false;
    EXPECT_FALSE(PaginaStatistiche(p.ricerca.RisultatiRicerca, 1, dati).MostraConvenienza);
}

TEST(Replay, PrimaESecondaCategoriaSiEscludono)
{
    TGiocoTemporaneo gioco(GiocoTotip);
    TProva p;
    p.SoloUni(4);
    // Passes; one "1" too many (a neighbour passes); eight "1" (none does); passes again.
    const auto a = Archivio({"1111XXXX2222", "11111XXX2222", "11111111XX22", "XXXX11112222"});
    p.Replay(a, 2);
    EXPECT_EQ(p.Cat(1).Frequenze.ConcorsiContati(), 4);
    EXPECT_EQ(Uscite(p.Cat(1)), (std::vector<std::int32_t>{1, 4}));
    EXPECT_EQ(p.Cat(2).Frequenze.ConcorsiContati(), 2);
    EXPECT_EQ(p.Cat(2).Frequenze.Frequenza(ValoreCentrato), 1);
    EXPECT_EQ(Uscite(p.Cat(2)), (std::vector<std::int32_t>{2}));
    EXPECT_EQ(p.Cat(3).Frequenze.ConcorsiContati(), 0);  // not asked for

    // The wait of category 2 counts examined contests (2 since its hit at 2), not the
    // contests its own table saw (1).
    EXPECT_EQ(p.Cat(2).UltimaUscita, 2);
    EXPECT_EQ(p.Cat(2).Assenza, 2);
    EXPECT_EQ(p.Cat(2).Frequenze.Ritardo(ValoreCentrato), 1);
    // For category 1 both agree.
    EXPECT_EQ(p.Cat(1).Assenza, p.Cat(1).Frequenze.Ritardo(ValoreCentrato));

    EXPECT_EQ(CategorieAbilitate(2, GiocoTotip), (std::array<bool, 3>{true, true, false}));
    TDatiSistema dati;
    const auto pagina = PaginaStatistiche(p.ricerca.RisultatiRicerca, 2, dati);
    EXPECT_DOUBLE_EQ(pagina.PercentualeUscite, 50.0);
}

TEST(Replay, TerzaCategoriaADistanzaDueMaiPerIlToto)
{
    {
        TGiocoTemporaneo gioco(GiocoTotip);
        TProva p;
        p.SoloUni(4);
        p.Replay(Archivio({"111111XXXX22"}), 3);  // two "1" too many
        EXPECT_EQ(p.Cat(2).Frequenze.Frequenza(ValoreMancato), 1);
        EXPECT_EQ(Uscite(p.Cat(3)), (std::vector<std::int32_t>{1}));
        EXPECT_EQ(CategorieAbilitate(3, GiocoTotip), (std::array<bool, 3>{true, true, true}));
    }
    TGiocoTemporaneo gioco(GiocoToto);
    TProva p;
    p.SoloUni(4);
    p.Replay(Archivio({"111111XXXX222"}), 3);
    EXPECT_EQ(p.Cat(2).Frequenze.Frequenza(ValoreMancato), 1);
    EXPECT_EQ(p.Cat(3).Frequenze.ConcorsiContati(), 0);
    EXPECT_EQ(CategorieAbilitate(3, GiocoToto), (std::array<bool, 3>{true, true, false}));
}

TEST(Replay, VicinatoNellOrdineDegliEventiEDeiSegni)
{
    TGiocoTemporaneo gioco(GiocoTotip);
    const char* w = "1X21X21X21X2";
    // Expected order at distance 1: event by event, 1 → X, 2; X → 1, 2; 2 → 1, X.
    std::vector<std::string> attese;
    for (int i = 0; i < 12; ++i) {
        for (char s : {'1', 'X', '2'}) {
            if (s == w[i]) continue;
            std::string t = w;
            t[static_cast<std::size_t>(i)] = s;
            attese.push_back(t);
        }
    }
    {
        TProva p;
        auto& r = p.Registratore();
        p.Replay(Archivio({w}), 2);
        ASSERT_EQ(r.Chieste.size(), 25u);
        EXPECT_EQ(TestoColonna(r.Chieste[0]), w);
        for (std::size_t i = 0; i < attese.size(); ++i)
            EXPECT_EQ(TestoColonna(r.Chieste[i + 1]), attese[i]) << i;
    }
    {
        // Two neighbours admitted: the search stops at the earlier one in that order.
        TProva p;
        auto& r = p.Registratore();
        r.Ammesse = {attese[9], attese[4]};
        p.Replay(Archivio({w}), 2);
        EXPECT_EQ(r.Chieste.size(), 1u + 5u);
        EXPECT_EQ(TestoColonna(r.Chieste.back()), attese[4]);
        EXPECT_EQ(Uscite(p.Cat(2)), (std::vector<std::int32_t>{1}));
    }
    {
        // Nothing admitted: distance 2 asks about every column that differs in two events.
        TProva p;
        auto& r = p.Registratore();
        p.Replay(Archivio({w}), 3);
        const std::size_t attesi = 1 + 24 + 66 * 4;
        ASSERT_EQ(r.Chieste.size(), attesi);
        std::set<std::string> diverse;
        for (std::size_t i = 25; i < r.Chieste.size(); ++i) {
            EXPECT_EQ(DistanzaColonne(r.Chieste[i], Col(w)), 2);
            diverse.insert(TestoColonna(r.Chieste[i]));
        }
        EXPECT_EQ(diverse.size(), 264u);
        EXPECT_EQ(p.Cat(3).Frequenze.Frequenza(ValoreMancato), 1);
    }
}

TEST(Replay, RitardiOltreIlCicloMedio)
{
    TRisultatoCategoria c;
    c.Uscite = {5, 10};
    CalcolaRitardi(c, 12);
    EXPECT_DOUBLE_EQ(c.CicloMedio, 5.0);
    EXPECT_EQ(c.RitardoMinimo, 0);
    EXPECT_EQ(c.RitardoMassimo, 0);
    EXPECT_DOUBLE_EQ(c.RitardoMedio, 0.0);
    EXPECT_EQ(c.Assenza, 2);
    EXPECT_EQ(c.RitardoAttuale, 0);  // 2 - 5, not below 0

    c.Uscite = {1, 8, 20};  // cycle 6.67, cut to 6: excesses -5, 1, 6
    CalcolaRitardi(c, 30);
    EXPECT_EQ(c.UltimaUscita, 20);
    EXPECT_EQ(c.RitardoMinimo, 1);
    EXPECT_EQ(c.RitardoMassimo, 6);
    EXPECT_DOUBLE_EQ(c.RitardoMedio, 3.5);
    EXPECT_EQ(c.RitardoAttuale, 4);

    c.Uscite.clear();  // never hit: no cycle, no division
    CalcolaRitardi(c, 7);
    EXPECT_DOUBLE_EQ(c.CicloMedio, 0.0);
    EXPECT_EQ(c.Assenza, 7);
    EXPECT_EQ(c.RitardoAttuale, 7);
    EXPECT_EQ(c.UltimaUscita, 0);
}

TEST(Replay, AnnullaOGuastoRipristinanoIlModoNormale)
{
    TGiocoTemporaneo gioco(GiocoTotip);
    const auto a = Archivio({"111111111111", "111111111111", "111111111111", "111111111111"});
    {
        TProva p;
        p.SoloUni(12);
        TAnnullaDopo oss(2);
        const auto esito = p.Replay(a, 1, &oss);
        EXPECT_TRUE(esito.Annullato);
        EXPECT_EQ(esito.Esaminati, 2);
        EXPECT_TRUE(esito.Stato.empty());
        EXPECT_EQ(oss.Stati, (std::vector<std::string>{"Analisi Dell'Archivio in Corso.."}));
        EXPECT_EQ(Uscite(p.Cat(1)), (std::vector<std::int32_t>{1, 2}));
        EXPECT_DOUBLE_EQ(p.Cat(1).CicloMedio, 1.0);  // derived from what was gathered
        EXPECT_FALSE(p.elenco.ModoArchivio);
        EXPECT_EQ(p.elenco.Sorgenti.Ricerca, nullptr);
        EXPECT_EQ(p.elenco.Sorgenti.Archivio, nullptr);
    }
    {
        TProva p;
        auto& r = p.Registratore();
        r.Lancia = true;
        EXPECT_THROW(p.Replay(a, 1), std::runtime_error);
        EXPECT_FALSE(p.elenco.ModoArchivio);
        EXPECT_EQ(p.elenco.Sorgenti.Ricerca, nullptr);
    }
}

TEST(Replay, ModoArchivioIgnoraLeColonneFiltro)
{
    TGiocoTemporaneo gioco(GiocoTotip);
    const auto a = Archivio({"111111111111", "222222222222"});
    TProva p;
    // The filter group admits only the column "222222222222" itself.
    auto& gruppo = *p.elenco.Condizione<TGruppoCondizioni>(TipoGruppoColonneFiltro);
    ASSERT_TRUE(gruppo.Aggiungi(CreaColonnaFiltro(Col("222222222222"), {12})));
    p.SoloUni(0);  // and no "1": kind 1 is never ignored

    p.ricerca.IgnoraColonneFiltro = true;
    p.Replay(a, 1);
    EXPECT_EQ(Uscite(p.Cat(1)), (std::vector<std::int32_t>{2}));  // only kind 1 judged
    // Back in normal mode the group counts again.
    EXPECT_EQ(p.elenco.NumeroAttive(), 2);

    p.SoloUni(12);  // now kind 1 admits both columns
    p.Replay(a, 1);
    EXPECT_EQ(Uscite(p.Cat(1)), (std::vector<std::int32_t>{1, 2}));
    p.ricerca.IgnoraColonneFiltro = false;
    p.Replay(a, 1);
    EXPECT_EQ(Uscite(p.Cat(1)), (std::vector<std::int32_t>{2}));
}

TEST(Replay, IntervalloCompletiAvanzamentoEPagina)
{
    TGiocoTemporaneo gioco(GiocoTotip);
    auto a = Archivio({"111111111111", "1111111111**", "XXXXXXXXXXXX", "111111111111", "222222222222"});
    TProva p;
    p.SoloUni(12);
    TAnnullaDopo oss(1000);
    p.ricerca.TuttoLArchivio(a);
    p.ricerca.UltimoNumero = 4;  // the fifth contest lies outside
    p.ricerca.CategorieCercate = 1;
    const auto esito = ReplayArchivio(p.elenco, p.ricerca, a, &oss);
    // The incomplete second contest is skipped: 1, 3, 4 are examined as 1, 2, 3.
    EXPECT_EQ(esito.Stato, "Concorsi Esaminati : 3 Su 5");
    EXPECT_EQ(Uscite(p.Cat(1)), (std::vector<std::int32_t>{1, 3}));
    EXPECT_EQ(oss.Stati.back(), esito.Stato);
    ASSERT_FALSE(oss.Gauge.empty());
    EXPECT_EQ(oss.Gauge.front(), 0);
    EXPECT_EQ(oss.Gauge.back(), 100);
    EXPECT_TRUE(std::is_sorted(oss.Gauge.begin(), oss.Gauge.end()));

    // 2 kept of 9: 77.78 % filtered, against a miss share of 33.33 %.
    TDatiSistema dati;
    dati.Pronostico = Col("(1X2)(1X2)1111111111");
    dati.Sviluppato = true;
    dati.ColonneFinali = 2;
    const auto pagina = PaginaStatistiche(p.ricerca.RisultatiRicerca, 1, dati);
    EXPECT_NEAR(pagina.PercentualeFiltrate, 700.0 / 9.0, 1e-9);
    EXPECT_NEAR(pagina.PercentualeRimaste, 200.0 / 9.0, 1e-9);
    EXPECT_EQ(pagina.FattoreDiConvenienza, "2.33");
    EXPECT_EQ(pagina.CicloMedio, "1.50");
    EXPECT_EQ(pagina.SettimaneDiAssenza, "0");
}

TEST(Replay, ArchivioVuotoNessunaDivisionePerZero)
{
    TGiocoTemporaneo gioco(GiocoTotip);
    TProva p;
    const T_Archivio vuoto;
    const auto esito = p.Replay(vuoto, 3);
    EXPECT_EQ(esito.Stato, "Concorsi Esaminati : 0 Su 0");
    TDatiSistema dati;  // developed over an empty prediction: no initial columns
    dati.Sviluppato = true;
    const auto pagina = PaginaStatistiche(p.ricerca.RisultatiRicerca, 1, dati);
    EXPECT_DOUBLE_EQ(pagina.PercentualeUscite, 0.0);
    EXPECT_DOUBLE_EQ(pagina.PercentualeFiltrate, 0.0);
    EXPECT_EQ(pagina.FattoreDiConvenienza, "");
    EXPECT_EQ(pagina.CicloMedio, "0.00");
    EXPECT_EQ(PaginaStatistiche(p.ricerca.RisultatiRicerca, 4, dati).CicloMedio, "");
}
