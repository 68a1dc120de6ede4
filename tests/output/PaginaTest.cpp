// The millimetre page, its footer, the grid of cells and the "Tabulato".
#include <gtest/gtest.h>

#include "CartellaTemporanea.h"
#include "GrigliaStampa.h"
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

TEST(mmPrinter, PaginaVirtualeETroncamento)
{
    TTelaRegistrata tela;
    TmmPrinter p(tela);
    EXPECT_NEAR(p.LarghezzaPagina(), 203.2, 0.01);
    EXPECT_NEAR(p.AltezzaPagina(), 1991 / 180.0 * 25.4, 0.02);
    // 30 mm = 212.598 dots at 180 dpi: truncated, never rounded up.
    EXPECT_EQ(p.XPunti(30), 212);
    EXPECT_EQ(p.YPunti(1.4), 9);  // 9.92
    // Any printer: the same calibration lands at the same share of the printable width.
    TTelaRegistrata grande(4800, 6636);
    TmmPrinter q(grande);
    EXPECT_NEAR(q.LarghezzaPagina(), 203.2, 0.01);
    EXPECT_EQ(q.XPunti(30), 708);  // 30 x 0.03937 x 600 = 708.66
}

TEST(mmPrinter, PiedeDiPaginaERettangolo)
{
    TTelaRegistrata tela;
    TmmPrinter p(tela);
    p.IniziaDocumento();
    p.ImpostaFont({"Courier New", 10, false});
    p.Rettangolo(10, 20, 30, 40);
    p.NuovaPagina();
    p.ChiudiDocumento();
    const auto linee = tela.DelTipo(TChiamata::Linea);
    ASSERT_EQ(linee.size(), 4u);
    EXPECT_EQ((std::tuple{linee[0].x1, linee[0].y1, linee[0].x2, linee[0].y2}),
              (std::tuple{Punti(10), Punti(20), Punti(30), Punti(20)}));
    EXPECT_EQ((std::tuple{linee[3].x2, linee[3].y2}), (std::tuple{Punti(10), Punti(20)}));
    const auto testi = tela.DelTipo(TChiamata::Testo);
    ASSERT_EQ(testi.size(), 2u);
    EXPECT_EQ(testi[0].Testo, "Pagina Nº 1");
    EXPECT_EQ(testi[1].Testo, "Pagina Nº 2");
    // Footers are in the print font even though the page used size 10; centred, one
    // millimetre above the foot, their height below it.
    EXPECT_EQ(testi[0].Font, FontStampa());
    EXPECT_EQ(testi[1].Font, FontStampa());
    EXPECT_EQ(testi[0].y1, testi[1].y1);
    const int larghezza = 11 * 12;  // 11 characters of 12 dots at 8 points
    EXPECT_NEAR(testi[1].x1, (1440 - larghezza) / 2, 1);
    EXPECT_NEAR(testi[1].y1, 1991 - 24 - Punti(1), 1);
    EXPECT_EQ(tela.Font().Punti, 10);  // the caller's font is back
    EXPECT_EQ(p.NumeroPagina(), 3);
}

TEST(StampaGriglia, CelleBordiETestoCentrato)
{
    TTelaRegistrata tela;
    TmmPrinter p(tela);
    TGrigliaStampa g(2, 2, 49, 9);
    g.Larghezze[1] = 99;
    g.Cella(1, 1) = "AB";
    StampaGriglia(p, g, 0.5, 60, 10);
    const auto linee = tela.DelTipo(TChiamata::Linea);
    ASSERT_EQ(linee.size(), 16u);  // four outlines
    // Cell (1, 1): from x 10 + 50 x 0.5 = 35 to 35 + 50 = 85, y 65 to 70.
    EXPECT_EQ((std::tuple{linee[12].x1, linee[12].y1, linee[12].x2}),
              (std::tuple{Punti(35), Punti(65), Punti(85)}));
    EXPECT_EQ(linee[13].y2, Punti(70));
    const auto testi = tela.DelTipo(TChiamata::Testo);
    ASSERT_EQ(testi.size(), 1u);
    // Half a blank in from the left; centred in the 5 mm of the row.
    const double blank = p.XMm(12) / 2;
    EXPECT_EQ(testi[0].x1, Punti(35 + blank));
    EXPECT_EQ(testi[0].y1, Punti(65 + (5 - p.YMm(24)) / 2));
    EXPECT_EQ(g.Larghezza(), 150);
    EXPECT_EQ(g.Altezza(), 20);
}

struct TTabulato {
    TConfigurazione cfg;
    TStampaSchedine lavoro;
    TTelaRegistrata tela;
    TRispostaFissa ok{PulsanteOk};
    void Stampa()
    {
        lavoro.ImpostaModo(TModoStampa::Tabulato, cfg.Taratura);
        ASSERT_FALSE(lavoro.Conferma(cfg.Taratura));
        lavoro.Stampa(tela, ok, "P.MRL", cfg);
    }
};

TEST(Tabulato, UnaColonnaUnBloccoConSeparatoriEPiede)
{
    TGiocoTemporaneo gioco(GiocoTotip);
    TTabulato t;
    t.lavoro.Colonne.Aggiungi(Col("1X2(1X)(1X2)*111111"));
    t.Stampa();
    TmmPrinter p(t.tela);
    // Text of 8 points: "1X2" is 36 dots, a line 24 dots.
    const double w = (p.XMm(36) + 3) * 4;
    const double hh = p.YMm(24) + 4;
    const double riga = p.YMm(24) + 1.5;
    const auto testi = t.tela.DelTipo(TChiamata::Testo);
    ASSERT_EQ(testi.size(), 1u + 11u + 1u);  // title, eleven filled events, footer
    EXPECT_EQ(testi[0].Testo, " Schedina Nº 1");
    EXPECT_EQ(std::pair(testi[0].x1, testi[0].y1), std::pair(Punti(14), Punti(12)));
    EXPECT_EQ(testi[4].Testo, "1X");
    EXPECT_EQ(std::pair(testi[4].x1, testi[4].y1), std::pair(Punti(12), Punti(10 + hh + riga * 3 + 1)));
    EXPECT_EQ(testi[5].Testo, "1X2");
    EXPECT_EQ(testi.back().Testo, "Pagina Nº 1");
    // Frame (4 lines), the line under the header and five separators: after 2, 4, 6, 8, 10.
    const auto linee = t.tela.DelTipo(TChiamata::Linea);
    ASSERT_EQ(linee.size(), 4u + 1u + 5u);
    EXPECT_EQ(linee[1].x2, Punti(10 + w));
    EXPECT_EQ(linee[4].y1, Punti(10 + hh));
    EXPECT_EQ(linee[5].y1, Punti(10 + hh + riga * 2));
    EXPECT_EQ(linee[9].y1, Punti(10 + hh + riga * 10));
}

TEST(Tabulato, TotoSeparaATreEVaACapoEInPagina)
{
    TGiocoTemporaneo gioco(GiocoToto);
    TTabulato t;
    for (int i = 0; i < 4 * 30; ++i) t.lavoro.Colonne.Aggiungi(Col("1111111111111"));
    t.Stampa();
    TmmPrinter p(t.tela);
    const double w = (p.XMm(36) + 3) * 4;
    const double alto = p.YMm(24) + 4 + (p.YMm(24) + 1.5) * 13;
    // Blocks across while they fit, then down; a new page when the next row would not fit.
    const int perRiga = static_cast<int>((p.LarghezzaPagina() - 10 + 8) / (w + 8));
    const int righe = static_cast<int>((p.AltezzaPagina() - 10 + 8) / (alto + 8));
    const int perPagina = perRiga * righe;
    const int pagine = (30 + perPagina - 1) / perPagina;
    EXPECT_EQ(t.tela.Conta(TChiamata::NuovaPagina), pagine - 1);
    std::vector<std::string> piedi;
    for (const auto& s : t.tela.Testi())
        if (s.rfind("Pagina", 0) == 0) piedi.push_back(s);
    ASSERT_EQ(piedi.size(), static_cast<std::size_t>(pagine));
    EXPECT_EQ(piedi.back(), "Pagina Nº " + std::to_string(pagine));
    // Toto: three separators per block (after 3, 6, 9) besides frame and header line.
    EXPECT_EQ(t.tela.Conta(TChiamata::Linea), 30 * (4 + 1 + 3));
    // The second block of the first row starts one block and a gap to the right.
    const auto testi = t.tela.DelTipo(TChiamata::Testo);
    const auto secondo =
        std::find_if(testi.begin(), testi.end(), [](const auto& r) { return r.Testo == " Schedina Nº 2"; });
    ASSERT_NE(secondo, testi.end());
    EXPECT_EQ(secondo->x1, Punti(10 + w + 8 + 4));
    for (const auto& r : t.tela.Chiamate) EXPECT_LE(r.y2, 1991);
}

TEST(Tabulato, NumeriLunghiRestanoNelRiquadro)
{
    TGiocoTemporaneo gioco(GiocoTotip);
    TTabulato t;
    for (int i = 0; i < 4 * 1000; ++i) t.lavoro.Colonne.Aggiungi(Col("111111111111"));
    t.lavoro.ImpostaModo(TModoStampa::Tabulato, t.cfg.Taratura);
    t.lavoro.Tutte = false;
    t.lavoro.SpinMin = 999;
    t.lavoro.SpinMax = 1000;
    ASSERT_FALSE(t.lavoro.Conferma(t.cfg.Taratura));
    t.lavoro.Stampa(t.tela, t.ok, "P.MRL", t.cfg);
    TmmPrinter p(t.tela);
    const double w = (p.XMm(36) + 3) * 4;
    const auto testi = t.tela.DelTipo(TChiamata::Testo);
    ASSERT_EQ(testi[0].Testo, " Schedina Nº 999");
    EXPECT_EQ(testi[0].x1, Punti(14));  // fits: the usual place
    const auto mille = std::find_if(testi.begin(), testi.end(),
                                    [](const auto& r) { return r.Testo == " Schedina Nº 1000"; });
    ASSERT_NE(mille, testi.end());
    EXPECT_LE(mille->x1 + 17 * 12, Punti(10 + w + 8 + w));  // ends inside the second block
}

}  // namespace
}  // namespace morella
