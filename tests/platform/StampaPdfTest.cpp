// The Qt printer canvas for real: pages written to PDF, turned into pictures by pdftoppm,
// and the marks looked for where the calibration puts them.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontDatabase>
#include <QImage>
#include <QPageLayout>
#include <QTimer>
#include <QWidget>
#include <cstdlib>
#include <filesystem>

#include "Archivio.h"
#include "CartellaTemporanea.h"
#include "EseguiCli.h"
#include "Prospetto.h"
#include "SistemaCompleto.h"
#include "StampaArchivio.h"
#include "StampaPossibilita.h"
#include "StampaSchedine.h"
#include "TelaQt.h"
#include "TestoColonne.h"
#include "mmPrinter.h"

namespace morella {
namespace {

using test::Col;
using test::TCartellaTemporanea;
using test::TGiocoTemporaneo;

constexpr int Risoluzione = 150;  // of the pictures, dots per inch

// The first page of a PDF as a picture at 150 dpi; a copy goes to $MORELLA_PAGINE when set,
// for a look by eye.
QImage Pagina(const std::string& pdf, const std::string& nome)
{
    const std::string base = (std::filesystem::path(pdf).parent_path() / nome).string();
    const std::string comando =
        "pdftoppm -r " + std::to_string(Risoluzione) + " -png -singlefile '" + pdf + "' '" + base + "'";
    EXPECT_EQ(std::system(comando.c_str()), 0);
    if (const char* cartella = std::getenv("MORELLA_PAGINE")) {
        std::error_code ec;
        std::filesystem::copy_file(pdf, std::filesystem::path(cartella) / (nome + ".pdf"),
                                   std::filesystem::copy_options::overwrite_existing, ec);
        std::filesystem::copy_file(base + ".png", std::filesystem::path(cartella) / (nome + ".png"),
                                   std::filesystem::copy_options::overwrite_existing, ec);
    }
    return QImage(QString::fromStdString(base + ".png")).convertToFormat(QImage::Format_Grayscale8);
}

bool Nero(const QImage& img, int x, int y)
{
    return qGray(img.pixel(x, y)) < 128;
}

// Where a point of the virtual page lands on the picture: the printer's own truncation to
// its dots, then the dots placed inside the printable area of the paper.
QPointF Pixel(QPrinter& printer, double xmm, double ymm)
{
    piattaforma::TTelaQt tela(printer, true);
    TmmPrinter conversione(tela);
    const QRect area = printer.pageLayout().paintRectPixels(printer.resolution());
    const double scala = static_cast<double>(Risoluzione) / printer.resolution();
    return {(area.left() + conversione.XPunti(xmm)) * scala, (area.top() + conversione.YPunti(ymm)) * scala};
}

TEST(StampaPdf, IlQuadratinoCadeDoveLoMetteLaTaratura)
{
    TGiocoTemporaneo gioco(GiocoTotip);
    TCartellaTemporanea cartella;
    const std::string pdf = cartella.File("schedina.pdf");
    TConfigurazione cfg;
    cfg.Taratura.Totip.XPrimaCol = 52.3;
    cfg.Taratura.Totip.YPrimaCol = 71.7;
    cfg.Taratura.Totip.LargQuadro = 3;
    cfg.Taratura.Totip.AltQuadro = 4;
    TStampaSchedine lavoro;
    lavoro.Colonne.Aggiungi(Col("*X**********"));  // the second box of the second row
    lavoro.Prima = lavoro.Ultima = 1;
    TRispostaFissa ok(PulsanteOk);
    piattaforma::StampaPdf(pdf, [&](TTelaStampa& tela) { lavoro.Stampa(tela, ok, "PROVA.MRL", cfg); });

    const auto printer = piattaforma::StampantePdf(pdf + ".misura");
    const double x = 52.3 + 5;  // one pitch of 3 + 2 across
    const double y = 71.7 + 6;  // one pitch of 4 + 2 down
    const QPointF a = Pixel(*printer, x, y);
    const QPointF b = Pixel(*printer, x + 3, y + 4);
    const QImage img = Pagina(pdf, "schedina");
    ASSERT_FALSE(img.isNull());
    // Find the box's edges along the lines through its middle.
    const int my = static_cast<int>((a.y() + b.y()) / 2);
    const int mx = static_cast<int>((a.x() + b.x()) / 2);
    ASSERT_TRUE(Nero(img, mx, my));
    int sinistra = mx, destra = mx, alto = my, basso = my;
    while (sinistra > 0 && Nero(img, sinistra - 1, my)) --sinistra;
    while (destra + 1 < img.width() && Nero(img, destra + 1, my)) ++destra;
    while (alto > 0 && Nero(img, mx, alto - 1)) --alto;
    while (basso + 1 < img.height() && Nero(img, mx, basso + 1)) ++basso;
    EXPECT_NEAR(sinistra, a.x(), 1.0);
    EXPECT_NEAR(destra + 1, b.x(), 1.0);
    EXPECT_NEAR(alto, a.y(), 1.0);
    EXPECT_NEAR(basso + 1, b.y(), 1.0);
    // Nothing else is marked below the box: the header line is far above it.
    int neri = 0;
    for (int yy = static_cast<int>(b.y()) + 3; yy < img.height(); ++yy)
        for (int xx = 0; xx < img.width(); ++xx) neri += Nero(img, xx, yy);
    EXPECT_EQ(neri, 0);
}

// A PDF is one job: the coupons that a pause would eject one by one become its pages.
TEST(StampaPdf, LaPausaInUnPdfDaUnaPaginaPerSchedina)
{
    TGiocoTemporaneo gioco(GiocoTotip);
    TCartellaTemporanea cartella;
    const std::string pdf = cartella.File("pausa.pdf");
    TConfigurazione cfg;
    TStampaSchedine lavoro;
    for (int i = 0; i < 9; ++i) lavoro.Colonne.Aggiungi(Col("1X21X21X21X2"));
    lavoro.Pausa = true;
    ASSERT_FALSE(lavoro.Conferma(cfg.Taratura));
    TRispostaFissa ok(PulsanteOk);
    piattaforma::StampaPdf(pdf, [&](TTelaStampa& tela) { lavoro.Stampa(tela, ok, "PROVA.MRL", cfg); });
    EXPECT_EQ(ok.domande, 2);
    const std::string info = cartella.File("info.txt");
    ASSERT_EQ(std::system(("pdfinfo '" + pdf + "' > '" + info + "'").c_str()), 0);
    EXPECT_NE(test::LeggiTesto(info).find("Pages:           3"), std::string::npos);
}

// The preview draws the job's pages; closing it sends nothing to the printer.
TEST(StampaPdf, AnteprimaDisegnaIlLavoroEChiudendoNonStampa)
{
    TGiocoTemporaneo gioco(GiocoTotip);
    TStampaSchedine lavoro;
    lavoro.Colonne.Aggiungi(Col("1X21X21X21X2"));
    TConfigurazione cfg;
    ASSERT_FALSE(lavoro.Conferma(cfg.Taratura));
    TRispostaFissa ok(PulsanteOk);
    int volte = 0;
    QTimer::singleShot(300, [] {
        if (QWidget* w = QApplication::activeModalWidget()) w->close();
    });
    const bool stampato = piattaforma::AnteprimaEStampa(nullptr, [&](TTelaStampa& tela) {
        ++volte;
        lavoro.Stampa(tela, ok, "PROVA.MRL", cfg);
    });
    EXPECT_FALSE(stampato);
    EXPECT_GE(volte, 1);
}

TEST(StampaPdf, CaratteriMetricamenteCompatibili)
{
    // Without Courier New the pages use Liberation Mono, whose widths are the same.
    if (!QFontDatabase::families().contains("Courier New")) {
        EXPECT_EQ(piattaforma::FamigliaStampa("Courier New"), "Liberation Mono");
    }
    EXPECT_EQ(piattaforma::FamigliaStampa("Small Fonts"),
              QFontDatabase::families().contains("Small Fonts") ? "Small Fonts" : "Liberation Sans");
    QPrinter printer(QPrinter::HighResolution);
    piattaforma::TTelaQt tela(printer, true);
    tela.ImpostaFont(FontStampa());
    // Fixed pitch: "1X2" is three times "1".
    EXPECT_NEAR(tela.MisuraTesto("1X2").Larghezza, 3 * tela.MisuraTesto("1").Larghezza, 2);
}

TEST(StampaPdf, ProspettoConOgniCondizione)
{
    TGiocoTemporaneo gioco(GiocoTotip);
    TCartellaTemporanea cartella;
    T_Archivio archivio;
    for (const char* c : {"1X21X21X21X2", "111111111111"})
        archivio.Aggiungi(T_Concorso{}).ColonnaVincente = Col(c);
    TSistema sistema(&archivio);
    test::OgniCondizione(sistema);
    const std::string pdf = cartella.File("prospetto.pdf");
    piattaforma::StampaPdf(pdf, [&](TTelaStampa& tela) { StampaProspetto(sistema, tela, "08/12/2026"); });
    const QImage img = Pagina(pdf, "prospetto");
    ASSERT_FALSE(img.isNull());
    EXPECT_GT(std::filesystem::file_size(pdf), 1000u);
}

TEST(StampaPdf, PossibilitaEArchivio)
{
    TGiocoTemporaneo gioco(GiocoTotip);
    TCartellaTemporanea cartella;
    const TPronostico pronostico = Col("(1X2)(1X)1(1X2)(12)(1X2)X(X2)(1X2)1(1X2)2");
    T_ListaTipiDiVincite possibilita;
    for (int k = 0; k <= 12; ++k)
        for (int t = 0; t < 3 + k % 4; ++t) possibilita.Lista(k).Registra(t % 2, 3 - t % 3, t);
    possibilita.Concludi(40, pronostico);
    const std::string pdf = cartella.File("possibilita.pdf");
    piattaforma::StampaPdf(pdf, [&](TTelaStampa& tela) { StampaPossibilita(possibilita, pronostico, tela); });
    EXPECT_FALSE(Pagina(pdf, "possibilita").isNull());

    T_Archivio archivio;
    for (int i = 0; i < 45; ++i) {
        T_Concorso& c = archivio.Aggiungi(T_Concorso{});
        c.Stagione = 1998;
        c.Numero = static_cast<std::uint8_t>(i + 1);
        for (int e = 0; e < 12; ++e)
            c.ColonnaVincente[static_cast<std::size_t>(e)] = SegnoDaCifra((i * 7 + e * e) % 3);
        c.AggiornaCompleto();
    }
    TGruppiSpuntati gruppi;
    gruppi.set();
    const std::string tabella = cartella.File("archivio.pdf");
    piattaforma::StampaPdf(tabella, [&](TTelaStampa& tela) {
        EXPECT_TRUE(StampaArchivio(archivio, {1998, 1, 1998, 45}, gruppi, tela));
        // The paper is back to portrait for whatever prints next.
        EXPECT_EQ(tela.Orientamento(), TOrientamentoPagina::Verticale);
    });
    const QImage img = Pagina(tabella, "archivio");
    ASSERT_FALSE(img.isNull());
    EXPECT_GT(img.width(), img.height());  // landscape
}

}  // namespace
}  // namespace morella
