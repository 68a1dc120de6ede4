// Coupons on paper: where every box, circle and header goes, how the columns are split
// into schedine, ranges, pauses, and the calibration dialog's rules.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <limits>
#include <set>

#include "CartellaTemporanea.h"
#include "Errore.h"
#include "StampaSchedine.h"
#include "TelaRegistrata.h"
#include "TestoColonne.h"
#include "mmPrinter.h"

namespace morella {
namespace {

using test::Col;
using test::Punti;
using test::TChiamata;
using test::TGiocoTemporaneo;
using test::TTelaRegistrata;

using TScatola = std::tuple<int, int, int, int>;

// A black box (or disc) of the given size at (x, y) mm, as the canvas records it.
TScatola Scatola(double x, double y, double l, double a)
{
    return {Punti(x), Punti(y), Punti(x + l), Punti(y + a)};
}

std::set<TScatola> Segni(const TTelaRegistrata& tela, TChiamata tipo = TChiamata::Rettangolo, int pagina = 1)
{
    std::set<TScatola> s;
    for (const auto& c : tela.DelTipo(tipo))
        if (c.Pagina == pagina) s.insert({c.x1, c.y1, c.x2, c.y2});
    return s;
}

struct TStampa {
    TConfigurazione configurazione;
    TStampaSchedine lavoro;
    TTelaRegistrata tela;
    TRispostaFissa domanda{PulsanteOk};

    void Colonne(std::initializer_list<const char*> testi)
    {
        for (const char* t : testi) lavoro.Colonne.Aggiungi(Col(t));
    }
    void Stampa(const std::string& sistema = "/Sistemi/PROVA.MRL")
    {
        lavoro.AggiornaIntervallo(configurazione.Taratura);
        ASSERT_FALSE(lavoro.Conferma(configurazione.Taratura).has_value());
        lavoro.Stampa(tela, domanda, sistema, configurazione);
    }
};

TEST(Schedine, QuattroColonneEventiInGiuSegniInLargo)
{
    TGiocoTemporaneo gioco(GiocoTotip);
    TStampa s;
    // Default calibration: first box at (30, 30), box 1.5 x 2, gaps 2: pitch 3.5 across, 4 down.
    s.Colonne({"1***********", "*X**********", "**2*********", "(1X)***********"});
    s.Stampa();
    const std::set<TScatola> attese = {
        Scatola(30, 30, 1.5, 2),               // column 1, event 1, "1"
        Scatola(30 + 10.5 + 3.5, 34, 1.5, 2),  // column 2, event 2, "X"
        Scatola(30 + 21 + 7, 38, 1.5, 2),      // column 3, event 3, "2"
        Scatola(61.5, 30, 1.5, 2),             // column 4, event 1, "1" ...
        Scatola(65, 30, 1.5, 2),               // ... and "X" beside it
    };
    EXPECT_EQ(Segni(s.tela), attese);
    for (const auto& r : s.tela.DelTipo(TChiamata::Rettangolo)) EXPECT_EQ(r.Pennello, TColoreStampa::Nero);

    // The mark bit the reduction leaves in the upper bits is no sign: same boxes, same count.
    TStampa m;
    m.lavoro.Colonne = s.lavoro.Colonne;
    for (auto& c : m.lavoro.Colonne)
        for (int e = 0; e < 12; ++e) c[static_cast<std::size_t>(e)] |= 0x80;
    m.Stampa();
    EXPECT_EQ(Segni(m.tela), attese);
    EXPECT_EQ(m.tela.Testi(), s.tela.Testi());
}

TEST(Schedine, OttoColonneEventiVersoSinistraSegniInGiu)
{
    TGiocoTemporaneo gioco(GiocoEnalotto);
    TStampa s;
    s.configurazione.Taratura.Enalotto.Da4Colonne = 0;
    s.Colonne({"1***********", "**2*********", "(1X)***********"});
    s.Stampa();
    const std::set<TScatola> attese = {
        Scatola(30, 30, 1.5, 2),           // column 1, event 1, "1"
        Scatola(23, 30 + 12 + 8, 1.5, 2),  // column 2, event 3, "2": 2 pitches left, 3 x 4 + 2 x 4 down
        Scatola(30, 54, 1.5, 2),           // column 3, event 1: "1" ...
        Scatola(30, 58, 1.5, 2),           // ... and "X" below it
    };
    EXPECT_EQ(Segni(s.tela), attese);
    EXPECT_EQ(s.lavoro.PerSchedina(s.configurazione.Taratura), 8);
}

TEST(Schedine, CorsaPiuDallaPrimaColonna)
{
    TGiocoTemporaneo gioco(GiocoTotip);
    TStampa s;
    s.Colonne({"************+1,9", "************+2,3"});
    s.Stampa();
    // Horses 1 and 9 at the fifth box position, rows 12 and 13 under the events.
    EXPECT_EQ(Segni(s.tela), (std::set<TScatola>{Scatola(44, 78, 1.5, 2), Scatola(44, 82, 1.5, 2)}));

    TStampa otto;
    otto.configurazione.Taratura.Totip.Da4Colonne = 0;
    otto.configurazione.Taratura.Totip.XPrimaCol = 60;
    otto.Colonne({"************+1,16"});
    otto.Stampa();
    // Twelve pitches left of the first box, rows 8 and 23.
    EXPECT_EQ(Segni(otto.tela), (std::set<TScatola>{Scatola(18, 62, 1.5, 2), Scatola(18, 122, 1.5, 2)}));
}

TEST(Schedine, TotoCerchiNelleDueOrientazioni)
{
    TGiocoTemporaneo gioco(GiocoToto);
    TStampa s;
    s.Colonne({"1************", "**X**********"});
    s.Stampa();
    // Diameter 2.2; column pitch 3 x 2.2 + 2 x 2.2 + 2.7 = 13.7; sign pitch 4.4, event pitch 4.2.
    EXPECT_EQ(Segni(s.tela, TChiamata::Ellisse),
              (std::set<TScatola>{Scatola(40.7, 31.8, 2.2, 2.2),
                                  Scatola(40.7 + 13.7 + 4.4, 31.8 + 8.4, 2.2, 2.2)}));
    EXPECT_TRUE(s.tela.DelTipo(TChiamata::Rettangolo).empty());

    TStampa v;
    v.lavoro.Verso = TVersoToto::Verticale;
    v.configurazione.Taratura.TotoVerticale.XPrimaCol = 80;
    v.Colonne({"1************", "**X**********"});
    v.Stampa();
    // Events run left by 4.4, signs down by 4.2, columns down by 3 x 2.2 + 2 x 2 + 2.7 = 13.3.
    EXPECT_EQ(
        Segni(v.tela, TChiamata::Ellisse),
        (std::set<TScatola>{Scatola(80, 31.8, 2.2, 2.2), Scatola(80 - 8.8, 31.8 + 13.3 + 4.2, 2.2, 2.2)}));
    const auto testi = v.tela.DelTipo(TChiamata::Testo);
    ASSERT_EQ(testi.size(), 1u);
    EXPECT_EQ(std::pair(testi[0].x1, testi[0].y1), std::pair(Punti(50), Punti(5)));
}

TEST(Schedine, IntestazioneColonneCostoESchedina)
{
    TGiocoTemporaneo gioco(GiocoTotip);
    EXPECT_EQ(IntestazioneSchedina("PROVA.MRL", 4, 3200, 1), "PROVA.MRL Col. 4£ 3200    Sch. 1");
    EXPECT_EQ(IntestazioneSchedina("A", 1, 1234567890, 12), "A Col. 1£ 1234567890Sch. 12");
    // "€" is three bytes and one place: the columns line up as in lire.
    EXPECT_EQ(IntestazioneSchedina("PROVA.MRL", 4, 200, 1, TValuta::Euro),
              "PROVA.MRL Col. 4€ 2,00    Sch. 1");

    TStampa s;
    s.Colonne({"111111111111", "111111111112", "(1X)(1X2)1111111111", "111111111121"});
    s.Stampa("C:\\Sistemi\\PROVA.MRL");
    const auto testi = s.tela.DelTipo(TChiamata::Testo);
    ASSERT_EQ(testi.size(), 1u);
    // A condensed column with a double and a triple counts 6.
    EXPECT_EQ(testi[0].Testo, "PROVA.MRL Col. 9£ 7200    Sch. 1");
    EXPECT_EQ(std::pair(testi[0].x1, testi[0].y1), std::pair(Punti(30), Punti(20)));
    EXPECT_EQ(testi[0].Font, (TFontStampa{"Courier New", 12, true}));

    // The Corsa + multiplier of the first column multiplies the cost: 3 horses, 3 pairs.
    TStampa c;
    c.Colonne({"111111111111+1,2,3"});
    c.Stampa("PROVA.MRL");
    EXPECT_EQ(c.tela.Testi(), std::vector<std::string>{"PROVA.MRL Col. 1£ 2400    Sch. 1"});
}

TEST(Schedine, SchedineIntervalloEPausa)
{
    TGiocoTemporaneo gioco(GiocoTotip);
    TConfigurazione cfg;
    EXPECT_EQ(NumeroSchedine(9, 4), 3);
    EXPECT_EQ(NumeroSchedine(9, 8), 2);
    EXPECT_EQ(NumeroSchedine(8, 4), 2);

    // Range 2..2 on a 4-column coupon: columns 5 to 8 only, "Sch. 2" in the header.
    TStampa s;
    for (int i = 1; i <= 9; ++i)
        s.lavoro.Colonne.Aggiungi(Col(i <= 4 ? "1***********" : i <= 8 ? "*X**********" : "**2*********"));
    s.lavoro.AggiornaIntervallo(cfg.Taratura);
    EXPECT_EQ(std::pair(s.lavoro.SpinMin, s.lavoro.SpinMax), std::pair(1, 3));
    s.lavoro.Tutte = false;
    s.lavoro.SpinMin = s.lavoro.SpinMax = 2;
    ASSERT_FALSE(s.lavoro.Conferma(cfg.Taratura).has_value());
    s.lavoro.Stampa(s.tela, s.domanda, "PROVA.MRL", cfg);
    const auto boxes = Segni(s.tela);
    EXPECT_EQ(boxes.size(), 4u);
    for (const auto& b : boxes) EXPECT_EQ(std::get<1>(b), Punti(34));  // all "X" of event 2
    EXPECT_EQ(s.tela.Testi(), std::vector<std::string>{"PROVA.MRL Col. 4£ 3200    Sch. 2"});

    s.lavoro.SpinMin = 3;
    EXPECT_EQ(s.lavoro.Conferma(cfg.Taratura), std::string(MessaggioIntervalloSchedine));

    // Without pause: one document, a page per coupon. With pause: a document per coupon and
    // the message between coupons, never after the last.
    TStampa senza;
    senza.lavoro.Colonne = s.lavoro.Colonne;
    senza.Stampa();
    EXPECT_EQ(senza.tela.Conta(TChiamata::Inizia), 1);
    EXPECT_EQ(senza.tela.Conta(TChiamata::NuovaPagina), 2);
    EXPECT_EQ(senza.domanda.domande, 0);
    EXPECT_EQ(senza.tela.Testi().back(), "PROVA.MRL Col. 1£ 800     Sch. 3");

    TStampa pausa;
    pausa.lavoro.Colonne = s.lavoro.Colonne;
    pausa.lavoro.Pausa = true;
    pausa.Stampa();
    EXPECT_EQ(pausa.tela.Conta(TChiamata::Inizia), 3);
    EXPECT_EQ(pausa.tela.Conta(TChiamata::Chiudi), 3);
    EXPECT_EQ(pausa.tela.Conta(TChiamata::NuovaPagina), 0);
    EXPECT_EQ(pausa.domanda.domande, 2);
    EXPECT_EQ(pausa.domanda.ultimoTesto, MessaggioPausaSchedine);
    EXPECT_EQ(pausa.domanda.ultimoTitolo, TitoloInformazione);
    // Coupon pages carry no page number.
    for (const auto& t : pausa.tela.Testi()) EXPECT_EQ(t.find("Pagina"), std::string::npos);
}

TEST(Schedine, UnGuastoAbbandonaIlDocumento)
{
    TGiocoTemporaneo gioco(GiocoTotip);
    TStampa s;
    s.Colonne({"111111111111"});
    s.tela.fallisciDopo = 3;
    s.lavoro.AggiornaIntervallo(s.configurazione.Taratura);
    ASSERT_FALSE(s.lavoro.Conferma(s.configurazione.Taratura));
    try {
        s.lavoro.Stampa(s.tela, s.domanda, "P.MRL", s.configurazione);
        FAIL();
    } catch (const EErrore& e) {
        EXPECT_STREQ(e.what(), MessaggioStampaSchedine);
    }
    EXPECT_EQ(s.tela.Conta(TChiamata::Abbandona), 1);

    s.lavoro.Modo = TModoStampa::Tabulato;
    s.tela = TTelaRegistrata{};
    s.tela.fallisciDopo = 0;
    EXPECT_THROW(
        try { s.lavoro.Stampa(s.tela, s.domanda, "P.MRL", s.configurazione); } catch (const EErrore& e) {
            EXPECT_STREQ(e.what(), MessaggioStampaTabulato);
            throw;
        },
        EErrore);
}

TEST(Taratura, DecimiDiMillimetro)
{
    TTaraturaSchedina t;
    t.LargQuadro = 2.5;
    t.XPrimaCol = 30.04;
    t.Da4Colonne = 0;
    const TValoriTaratura v = MostraTaratura(t);
    EXPECT_EQ(v.LargQuadro, 25);
    EXPECT_EQ(v.XPrimaCol, 300);
    EXPECT_FALSE(v.Radio4);
    TValoriTaratura w = v;
    w.AltQuadro = 25;
    w.Radio4 = true;
    const TTaraturaSchedina u = AcquisisciTaratura(w, t);
    EXPECT_DOUBLE_EQ(u.AltQuadro, 2.5);
    EXPECT_EQ(u.Da4Colonne, 1);
    EXPECT_EQ(MostraTaratura(u).AltQuadro, 25);
}

TEST(Taratura, OkSalvaIlBloccoDelGioco)
{
    TGiocoTemporaneo gioco(GiocoEnalotto);
    test::TCartellaTemporanea cartella;
    TConfigurazione cfg;
    TValoriTaratura v = MostraTaratura(cfg.Taratura.Enalotto);
    v.XPrimaCol = 415;
    ConfermaTaratura(v, cfg, cartella.File("Morella.cfg"));
    EXPECT_DOUBLE_EQ(cfg.Taratura.Enalotto.XPrimaCol, 41.5);
    EXPECT_DOUBLE_EQ(cfg.Taratura.Totip.XPrimaCol, 30.0);
    TConfigurazione letta;
    LeggiConfigurazione(letta, cartella.File("Morella.cfg"));
    EXPECT_DOUBLE_EQ(letta.Taratura.Enalotto.XPrimaCol, 41.5);

    // A file that cannot be written: the message, and the values stay in memory.
    v.XPrimaCol = 500;
    EXPECT_THROW(ConfermaTaratura(v, cfg, cartella.File("manca/Morella.cfg")), EErrore);
    EXPECT_DOUBLE_EQ(cfg.Taratura.Enalotto.XPrimaCol, 50.0);
}

TEST(Taratura, SchedinaDiProvaRipristinaSempreLaTaratura)
{
    TGiocoTemporaneo gioco(GiocoTotip);
    TConfigurazione cfg;
    const TTaraturaSchedina salvata = cfg.Taratura.Totip;
    TValoriTaratura v = MostraTaratura(salvata);
    v.XPrimaCol = 400;
    v.Radio4 = true;
    TTelaRegistrata tela;
    TRispostaFissa ok(PulsanteOk);
    StampaProva(v, cfg, tela, ok, "PROVA.MRL");
    // The first coupon only: 4 columns x 12 events x 3 signs, and six Corsa + horses.
    EXPECT_EQ(tela.Conta(TChiamata::Rettangolo), 4 * 12 * 3 + 6);
    EXPECT_TRUE(Segni(tela).count(Scatola(40, 30, 1.5, 2)));  // the dialog's values were used
    EXPECT_EQ(tela.Conta(TChiamata::NuovaPagina), 0);
    EXPECT_EQ(cfg.Taratura.Totip.XPrimaCol, salvata.XPrimaCol);

    TTelaRegistrata guasta;
    guasta.fallisciDopo = 5;
    EXPECT_THROW(StampaProva(v, cfg, guasta, ok, "PROVA.MRL"), EErrore);
    EXPECT_EQ(cfg.Taratura.Totip.XPrimaCol, salvata.XPrimaCol);
    EXPECT_EQ(guasta.Conta(TChiamata::Abbandona), 1);
}

// A stored calibration outside the page (NaN, infinities, huge or negative lengths, a
// position past the page's edge) is never printed with: the player is told and the coupon
// comes out where the defaults put it. Checked on the block in use only.
TEST(Taratura, FuoriDallaPaginaSiStampaConIPredefiniti)
{
    const double nan = std::numeric_limits<double>::quiet_NaN(),
                 inf = std::numeric_limits<double>::infinity();
    TGiocoTemporaneo gioco(GiocoTotip);
    TStampa normale;
    normale.Colonne({"1X21X21X21X2"});
    normale.Stampa();
    ASSERT_EQ(normale.domanda.domande, 0);
    for (double fuori : {nan, inf, -inf, 1e308, -1e308, -0.5, 250.0}) {
        TStampa s;
        s.configurazione.Taratura.Totip.XPrimaCol = fuori;
        s.configurazione.Taratura.Totip.AltQuadro = fuori == 250.0 ? 2.0 : fuori;
        s.Colonne({"1X21X21X21X2"});
        s.Stampa();
        EXPECT_EQ(s.domanda.ultimoTesto, MessaggioTaraturaPredefinita) << fuori;
        EXPECT_EQ(Segni(s.tela), Segni(normale.tela)) << fuori;
        EXPECT_EQ(s.tela.Testi(), normale.tela.Testi()) << fuori;
    }
    // The football block of the other feeding is not the one in use.
    TStampa altro;
    altro.configurazione.Taratura.TotoVerticale.DiametroSegno = nan;
    altro.Colonne({"1X21X21X21X2"});
    altro.Stampa();
    EXPECT_EQ(altro.domanda.domande, 0);
    EXPECT_EQ(Segni(altro.tela), Segni(normale.tela));

    TGiocoTemporaneo toto(GiocoToto);
    TStampa t;
    t.configurazione.Taratura.TotoVerticale.SpazioColonne = inf;
    t.lavoro.Verso = TVersoToto::Verticale;
    t.Colonne({"1X21X21X21X21"});
    t.Stampa();
    EXPECT_EQ(t.domanda.ultimoTesto, MessaggioTaraturaPredefinita);
    EXPECT_EQ(Segni(t.tela, TChiamata::Ellisse).size(), 13u);
}

// The dialog shows a block outside the page as the defaults and refuses values outside it;
// its values reach at most the page's edge.
TEST(Taratura, IlDialogoRifiutaValoriFuoriDallaPagina)
{
    TGiocoTemporaneo gioco(GiocoEnalotto);
    test::TCartellaTemporanea cartella;
    const std::string file = cartella.File("Morella.cfg");
    TConfigurazione cfg;
    cfg.Taratura.Enalotto.YPrimaCol = std::numeric_limits<double>::quiet_NaN();
    cfg.Taratura.Enalotto.Da4Colonne = 0;
    TValoriTaratura v = MostraTaratura(cfg.Taratura.Enalotto);
    EXPECT_EQ(v.YPrimaCol, 300);
    EXPECT_FALSE(v.Radio4);

    v.XPrimaCol = 2033;  // 203.3 mm: past the right edge
    try {
        ConfermaTaratura(v, cfg, file);
        ADD_FAILURE() << "a calibration outside the page was stored";
    } catch (const EErrore& e) {
        EXPECT_STREQ(e.what(), MessaggioTaraturaFuoriPagina);
    }
    EXPECT_TRUE(std::isnan(cfg.Taratura.Enalotto.YPrimaCol));
    EXPECT_FALSE(std::filesystem::exists(file));
    TTelaRegistrata tela;
    TRispostaFissa ok(PulsanteOk);
    EXPECT_THROW(StampaProva(v, cfg, tela, ok, "PROVA.MRL"), EErrore);
    EXPECT_TRUE(tela.DelTipo(TChiamata::Rettangolo).empty());

    v.XPrimaCol = 2032;  // the edge itself
    ConfermaTaratura(v, cfg, file);
    EXPECT_DOUBLE_EQ(cfg.Taratura.Enalotto.XPrimaCol, 203.2);
    EXPECT_DOUBLE_EQ(cfg.Taratura.Enalotto.YPrimaCol, 30.0);

    // The page of the rule is the page the coupons are printed on.
    TTelaRegistrata pagina;
    TmmPrinter p(pagina);
    EXPECT_NEAR(p.LarghezzaPagina(), LarghezzaPaginaTaratura, 0.01);
    EXPECT_NEAR(p.AltezzaPagina(), AltezzaPaginaTaratura, 0.01);
}

// A job can be stopped: "Annulla" in the pause box, or the progress saying no. What was
// ejected stays printed, the document in progress is dropped; nothing is printed without a
// schedina to print.
TEST(Schedine, SiFermaConAnnullaESenzaSchedineNonParte)
{
    TGiocoTemporaneo gioco(GiocoTotip);
    TStampa pausa;
    for (int i = 0; i < 12; ++i) pausa.lavoro.Colonne.Aggiungi(Col("1X21X21X21X2"));
    pausa.lavoro.Pausa = true;
    pausa.domanda = TRispostaFissa(PulsanteAnnulla);
    pausa.Stampa();
    EXPECT_EQ(pausa.domanda.ultimiPulsanti, PulsanteOk | PulsanteAnnulla);
    EXPECT_EQ(pausa.domanda.domande, 1);
    EXPECT_EQ(pausa.tela.Conta(TChiamata::Inizia), 1);  // the first coupon only

    for (const TModoStampa modo : {TModoStampa::Schedine, TModoStampa::Tabulato}) {
        TStampa s;
        for (int i = 0; i < 40; ++i) s.lavoro.Colonne.Aggiungi(Col("1X21X21X21X2"));
        s.lavoro.Modo = modo;
        std::vector<int> fatte;
        s.lavoro.Prosegui = [&](int k, int totale) {
            EXPECT_EQ(totale, 10);
            fatte.push_back(k);
            return k < 3;
        };
        s.lavoro.AggiornaIntervallo(s.configurazione.Taratura);
        ASSERT_FALSE(s.lavoro.Conferma(s.configurazione.Taratura));
        EXPECT_FALSE(s.lavoro.Stampa(s.tela, s.domanda, "P.MRL", s.configurazione));
        EXPECT_EQ(fatte, (std::vector<int>{1, 2, 3}));
        EXPECT_EQ(s.tela.Conta(TChiamata::Abbandona), 1);
        EXPECT_EQ(s.tela.Conta(TChiamata::Chiudi), 0);
    }

    TStampaSchedine vuoto;
    TConfigurazione cfg;
    vuoto.AggiornaIntervallo(cfg.Taratura);
    EXPECT_EQ(vuoto.Conferma(cfg.Taratura), std::string(MessaggioNessunaSchedina));
}

// The football pool calibrates the block of the orientation it feeds with; the other block
// and the coupon blocks stay as they were, and the test coupon puts its circles where the
// dialog's values say, restoring the stored ones afterwards.
TEST(Taratura, TotoSulBloccoDellOrientamento)
{
    TGiocoTemporaneo gioco(GiocoToto);
    test::TCartellaTemporanea cartella;
    TConfigurazione cfg;
    cfg.Taratura.TotoVerticale.YPrimaCol = std::numeric_limits<double>::infinity();
    TValoriTaraturaToto v = MostraTaraturaToto(cfg.Taratura.TotoVerticale);
    EXPECT_EQ(v, MostraTaraturaToto(TTaraturaToto{}));  // shown as it would print
    EXPECT_EQ(v.DiametroSegno, 22);
    v.YPrimaCol = 100;
    v.DiametroSegno = 30;
    TTelaRegistrata tela;
    TRispostaFissa ok(PulsanteOk);
    StampaProvaToto(v, TVersoToto::Verticale, cfg, tela, ok, "P.MRL");
    EXPECT_EQ(tela.Conta(TChiamata::Ellisse), 4 * NumEvents * 3);
    EXPECT_TRUE(Segni(tela, TChiamata::Ellisse).count(Scatola(40.7, 10, 3, 3)));
    EXPECT_TRUE(std::isinf(cfg.Taratura.TotoVerticale.YPrimaCol));
    EXPECT_EQ(ok.domande, 0);

    ConfermaTaraturaToto(v, TVersoToto::Verticale, cfg, cartella.File("Morella.cfg"));
    TConfigurazione letta;
    LeggiConfigurazione(letta, cartella.File("Morella.cfg"));
    EXPECT_EQ(MostraTaraturaToto(letta.Taratura.TotoVerticale), v);
    EXPECT_DOUBLE_EQ(letta.Taratura.TotoOrizzontale.YPrimaCol, 31.8);
    EXPECT_DOUBLE_EQ(letta.Taratura.Totip.YPrimaCol, 30.0);
    v.DiametroSegno = 4000;
    EXPECT_THROW(ConfermaTaraturaToto(v, TVersoToto::Orizzontale, cfg, cartella.File("Morella.cfg")),
                 EErrore);
    EXPECT_DOUBLE_EQ(cfg.Taratura.TotoOrizzontale.DiametroSegno, 2.2);
}

}  // namespace
}  // namespace morella
