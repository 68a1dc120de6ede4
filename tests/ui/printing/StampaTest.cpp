// The "Stam&pa" windows driven from the main window's menu: coupons through the dialog into
// a PDF whose boxes lie where the calibration says, the job stopped by "Annulla", the
// calibration saved and read back from Morella.cfg, and the dictation tick by tick.
#include <QCheckBox>
#include <QElapsedTimer>
#include <QImage>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>
#include <cstdlib>
#include <filesystem>

#include "EseguiCli.h"
#include "FileColonne.h"
#include "FinestraProva.h"
#include "FinestreStampa.h"
#include "FormDettSche.h"
#include "QuattroColonne.h"
#include "StampaSchedine.h"
#include "TelaQt.h"
#include "TestoColonne.h"
#include "mmPrinter.h"

namespace morella::test {
namespace {

template <class T>
T* Figlio(QDialog& d, const char* nome)
{
    T* w = d.findChild<T*>(QString::fromLatin1(nome));
    EXPECT_NE(w, nullptr) << nome;
    return w;
}

std::string FileColonne(const std::string& nome, const std::vector<TColonna>& colonne)
{
    TListaColonne lista;
    for (const TColonna& c : colonne) lista.Aggiungi(c);
    const std::string file = UnisciPercorso(CartellaColonne(), nome);
    EXPECT_TRUE(SalvaColonne(lista, file));
    return file;
}

// The first page of a PDF at 150 dots per inch, in grey.
QImage PrimaPagina(const std::string& pdf)
{
    const std::string base = pdf + "-pagina";
    const std::string comando = "pdftoppm -r 150 -png -singlefile '" + pdf + "' '" + base + "'";
    EXPECT_EQ(std::system(comando.c_str()), 0);
    return QImage(QString::fromStdString(base + ".png")).convertToFormat(QImage::Format_Grayscale8);
}

// Where a point of the virtual page (mm) lands on that picture.
QPointF Pixel(const std::string& pdf, double xmm, double ymm)
{
    const auto printer = piattaforma::StampantePdf(pdf + ".misura");
    piattaforma::TTelaQt tela(*printer, true);
    TmmPrinter conversione(tela);
    const QRect area = printer->pageLayout().paintRectPixels(printer->resolution());
    const double scala = 150.0 / printer->resolution();
    return {(area.left() + conversione.XPunti(xmm)) * scala, (area.top() + conversione.YPunti(ymm)) * scala};
}

// The pages of a PDF; a copy goes to $MORELLA_PAGINE when set, for a look by eye.
int Pagine(const std::string& pdf)
{
    if (const char* cartella = std::getenv("MORELLA_PAGINE")) {
        std::error_code ec;
        std::filesystem::copy_file(pdf,
                                   std::filesystem::path(cartella) / std::filesystem::path(pdf).filename(),
                                   std::filesystem::copy_options::overwrite_existing, ec);
    }
    const std::string info = pdf + ".txt";
    EXPECT_EQ(std::system(("pdfinfo '" + pdf + "' > '" + info + "'").c_str()), 0);
    const std::string testo = LeggiTesto(info);
    const auto p = testo.find("Pages:");
    return p == std::string::npos ? -1 : std::atoi(testo.c_str() + p + 6);
}

TEST(StampaSchedine, DaFileInPdfIQuadratiniDoveLiMetteLaTaratura)
{
    TFinestraPrinc f(GiocoTotip);
    morella::ui::RegistraFinestreStampa();
    TConfigurazione& cfg = f.sistema.Dati().Configurazione;
    cfg.AccorpamentoAutomatico = false;
    cfg.Taratura.Totip.XPrimaCol = 52.3;
    cfg.Taratura.Totip.YPrimaCol = 71.7;
    cfg.Taratura.Totip.LargQuadro = 3;
    cfg.Taratura.Totip.AltQuadro = 4;
    // Schedina 2 starts with the column whose only mark is "X" on event 2.
    const std::string colonne =
        FileColonne("Cinque.Col", {Col("111111111111"), Col("222222222222"), Col("111111111111"),
                                   Col("222222222222"), Col("*X**********")});
    const std::string pdf = f.programma.File("Schedina.pdf");
    f.w->AggiornaAbilitazioni();
    ASSERT_TRUE(f.A("DaFile2")->isEnabled());
    f.servizi.AttendiFile(colonne);
    f.servizi.AttendiDialogo([&](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Stampa Schedine");
        EXPECT_FALSE(Figlio<QSpinBox>(d, "SpinMin")->isEnabled());
        EXPECT_EQ(Figlio<QSpinBox>(d, "SpinMax")->value(), 2);
        Fotografa(d, QStringLiteral("StampaSchedine"));
        // A range whose last comes before its first is refused and the dialog stays.
        Figlio<QRadioButton>(d, "RadioDa")->setChecked(true);
        EXPECT_TRUE(Figlio<QSpinBox>(d, "SpinMin")->isEnabled());
        Figlio<QSpinBox>(d, "SpinMin")->setValue(2);
        Figlio<QSpinBox>(d, "SpinMax")->setValue(1);
        f.servizi.AttendiDomanda(TitoloInformazione, MessaggioIntervalloSchedine, PulsanteOk, PulsanteOk);
        EXPECT_EQ(Premi(d, "OKBtn"), -1);
        Figlio<QSpinBox>(d, "SpinMax")->setValue(2);
        f.servizi.AttendiFile(pdf);
        return Premi(d, "SalvaPdfBtn");
    });
    f.A("DaFile2")->trigger();
    f.servizi.VerificaConsumate();
    EXPECT_TRUE(f.servizi.Errori.empty());
    ASSERT_EQ(Pagine(pdf), 1);

    const QPointF a = Pixel(pdf, 52.3 + 5, 71.7 + 6);  // one pitch of 3 + 2 across, 4 + 2 down
    const QPointF b = Pixel(pdf, 52.3 + 5 + 3, 71.7 + 6 + 4);
    const QImage img = PrimaPagina(pdf);
    ASSERT_FALSE(img.isNull());
    const auto nero = [&](int x, int y) { return qGray(img.pixel(x, y)) < 128; };
    const int mx = static_cast<int>((a.x() + b.x()) / 2), my = static_cast<int>((a.y() + b.y()) / 2);
    ASSERT_TRUE(nero(mx, my));
    int sinistra = mx, destra = mx, alto = my, basso = my;
    while (sinistra > 0 && nero(sinistra - 1, my)) --sinistra;
    while (destra + 1 < img.width() && nero(destra + 1, my)) ++destra;
    while (alto > 0 && nero(mx, alto - 1)) --alto;
    while (basso + 1 < img.height() && nero(mx, basso + 1)) ++basso;
    EXPECT_NEAR(sinistra, a.x(), 1.0);
    EXPECT_NEAR(destra + 1, b.x(), 1.0);
    EXPECT_NEAR(alto, a.y(), 1.0);
    EXPECT_NEAR(basso + 1, b.y(), 1.0);
    // The columns of schedina 1 are not on the page: nothing else below the header.
    int neri = 0;
    for (int y = static_cast<int>(Pixel(pdf, 0, 71.7).y()) - 2; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) neri += nero(x, y);
    EXPECT_LT(neri, (b.x() - a.x() + 3) * (b.y() - a.y() + 3));
}

// 2,500 coupons go into one PDF with the dialog's gauge; "Annulla" during the job stops it
// and writes nothing; a list without schedine never opens the dialog.
TEST(StampaSchedine, PdfGrandeAnnullaESenzaSchedine)
{
    TFinestraPrinc f(GiocoTotip);
    morella::ui::RegistraFinestreStampa();
    f.sistema.Dati().Configurazione.AccorpamentoAutomatico = false;
    for (int i = 0; i < 10000; ++i)
        f.sistema.Dati().Colonne.Aggiungi(DaCodice(static_cast<std::uint32_t>(i)));
    f.w->AggiornaAbilitazioni();
    const std::string pdf = f.programma.File("Tutte.pdf");
    double secondi = 0;
    f.servizi.AttendiDialogo([&](QDialog& d) {
        // Stopped at once: no file, no error, the dialog still open.
        f.servizi.AttendiFile(pdf);
        QTimer::singleShot(0, &d, [&d] { Figlio<QPushButton>(d, "AnnullaBtn")->click(); });
        EXPECT_EQ(Premi(d, "SalvaPdfBtn"), -1);
        EXPECT_FALSE(std::filesystem::exists(pdf));
        EXPECT_TRUE(Figlio<QPushButton>(d, "SalvaPdfBtn")->isEnabled());
        f.servizi.AttendiFile(pdf);
        QElapsedTimer t;
        t.start();
        const int esito = Premi(d, "SalvaPdfBtn");
        secondi = t.elapsed() / 1000.0;
        return esito;
    });
    f.A("SpeedStSche")->trigger();
    EXPECT_TRUE(f.servizi.Errori.empty());
    EXPECT_EQ(Pagine(pdf), 2500);
    std::printf("[ misura ] 2500 schedine in PDF dal dialogo: %.2f s\n", secondi);

    const std::string parziale = f.programma.File("Parziale.Col");
    {
        std::FILE* out = std::fopen(parziale.c_str(), "wb");
        std::fputs("12345", out);  // less than one record
        std::fclose(out);
    }
    f.servizi.AttendiFile(parziale);
    f.servizi.AttendiDomanda(TitoloInformazione, MessaggioNessunaSchedina, PulsanteOk, PulsanteOk);
    f.A("DaFile2")->trigger();
    f.servizi.AttendiFile(parziale);
    f.servizi.AttendiDomanda(TitoloInformazione, MessaggioNessunaSchedinaDaDettare, PulsanteOk, PulsanteOk);
    f.A("DaFile4")->trigger();
    EXPECT_EQ(f.servizi.Titoli.size(), 1u);  // only the print dialog above ran
}

// "Test" shows the dialog's values in the preview and leaves the stored ones; OK writes them
// to Morella.cfg. The football pool edits the block of the orientation chosen.
TEST(Taratura, SalvataDalDialogoSiRileggeDaMorellaCfg)
{
    for (const int gioco : {GiocoEnalotto, GiocoToto}) {
        TFinestraPrinc f(gioco);
        morella::ui::RegistraFinestreStampa();
        TConfigurazione& cfg = f.sistema.Dati().Configurazione;
        const TTaraturaStampa prima = cfg.Taratura;
        const TBytes immagine = ImmagineConfigurazione(cfg);
        int dipinte = 0;
        f.servizi.AttendiDialogo([&](QDialog& d) {
            EXPECT_EQ(d.windowTitle(), "Taratura Per la Stampa Delle Schedine");
            if (gioco == GiocoToto) {
                Figlio<QRadioButton>(d, "RadioVert")->setChecked(true);
                Figlio<QSpinBox>(d, "DiametroSegno")->setValue(30);
            } else {
                Figlio<QRadioButton>(d, "Radio8")->setChecked(true);
                Figlio<QSpinBox>(d, "LargQuadro")->setValue(25);
            }
            Figlio<QSpinBox>(d, "YPrimaCol")->setValue(415);
            Fotografa(d, QStringLiteral("Taratura%1").arg(gioco));
            f.servizi.AttendiDialogo([&](QDialog& anteprima) {
                auto* p = qobject_cast<QPrintPreviewDialog*>(&anteprima);
                EXPECT_NE(p, nullptr);
                const auto pdf = piattaforma::StampantePdf(f.programma.File("prova.pdf"));
                if (p) emit p->paintRequested(pdf.get());
                ++dipinte;
                return int(QDialog::Rejected);
            });
            Premi(d, "TestBtn");
            EXPECT_EQ(ImmagineConfigurazione(cfg), immagine);  // the stored values came back
            return Premi(d, "OKBtn");
        });
        f.A("TaraturaStampante1")->trigger();
        EXPECT_EQ(dipinte, 1);
        EXPECT_GT(std::filesystem::file_size(f.programma.File("prova.pdf")), 0u);
        TConfigurazione letta;
        LeggiConfigurazione(letta, FileConfigurazione());
        if (gioco == GiocoToto) {
            EXPECT_DOUBLE_EQ(letta.Taratura.TotoVerticale.YPrimaCol, 41.5);
            EXPECT_DOUBLE_EQ(letta.Taratura.TotoVerticale.DiametroSegno, 3.0);
            EXPECT_DOUBLE_EQ(letta.Taratura.TotoOrizzontale.YPrimaCol, prima.TotoOrizzontale.YPrimaCol);
            EXPECT_DOUBLE_EQ(letta.Taratura.Totip.YPrimaCol, prima.Totip.YPrimaCol);
        } else {
            EXPECT_DOUBLE_EQ(letta.Taratura.Enalotto.YPrimaCol, 41.5);
            EXPECT_DOUBLE_EQ(letta.Taratura.Enalotto.LargQuadro, 2.5);
            EXPECT_EQ(letta.Taratura.Enalotto.Da4Colonne, 0);
            EXPECT_DOUBLE_EQ(letta.Taratura.Totip.YPrimaCol, prima.Totip.YPrimaCol);
        }
    }
}

class TTimerProva : public TTemporizzatore {
   public:
    void Avvia(int) override { acceso = true; }
    void Ferma() override { acceso = false; }
    void ImpostaPeriodo(int) override {}
    void Scatti(int n)
    {
        for (int i = 0; i < n && acceso; ++i) Scatta();
    }
    bool acceso = false;
};

class TLettoreProva : public TLettoreAudio {
   public:
    bool Apri(const std::string&) override { return true; }
    void Chiudi() override { ++chiusure; }
    void Ferma() override {}
    void Suona(int, int) override { ++suonati; }
    int chiusure = 0, suonati = 0;
};

// The cells of the view that carry the spoken mark, as (column, event) 1-based.
std::vector<TCellaDetta> Marcate(const morella::ui::TQuattroColonne& vista)
{
    std::vector<TCellaDetta> v;
    const auto& c = vista.Modello().Colonne4();
    for (int k = 0; k < 4; ++k)
        for (int e = 0; e < NumEvents; ++e)
            if (c[static_cast<std::size_t>(k)][static_cast<std::size_t>(e)] & BitMarcato)
                v.push_back({k + 1, e + 1});
    return v;
}

TEST(Dettatura, TickPerTickDalMenu)
{
    TFinestraPrinc f(GiocoTotip);
    morella::ui::RegistraFinestreStampa();
    f.sistema.Dati().Configurazione.AccorpamentoAutomatico = false;
    // Nine columns: three schedine, the last of one column; the sixth column starts empty.
    for (int i = 0; i < 9; ++i) {
        TColonna c = DaCodice(static_cast<std::uint32_t>(i * 1000));
        if (i == 5) c[0] = 0;
        f.sistema.Dati().Colonne.Aggiungi(c);
    }
    f.w->AggiornaAbilitazioni();
    TTimerProva* timer = nullptr;
    TLettoreProva* lettore = nullptr;
    morella::ui::ImpostaFabbricaVoce([&] {
        auto t = std::make_unique<TTimerProva>();
        auto l = std::make_unique<TLettoreProva>();
        timer = t.get();
        lettore = l.get();
        return morella::ui::TVoceDettatura{std::move(l), std::move(t)};
    });
    f.servizi.AttendiDialogo([&](QDialog& d) {
        auto& w = dynamic_cast<morella::ui::TFormDettSche&>(d);
        const TDettatura& dt = w.Dettatura();
        EXPECT_EQ(Figlio<QSpinBox>(d, "SpinMax")->value(), 3);
        EXPECT_FALSE(Figlio<QPushButton>(d, "BtnStop")->isEnabled());
        Figlio<QCheckBox>(d, "CheckPausaDopoSc")->setChecked(false);
        Figlio<QPushButton>(d, "BtnPlay")->click();
        timer->Scatti(5);
        EXPECT_EQ(Marcate(*w.Vista()), (std::vector<TCellaDetta>{{1, 5}}));
        Fotografa(d, QStringLiteral("Dettatura"));  // the spoken cell stands out
        EXPECT_EQ(lettore->suonati, 5);
        // By rows from here: the next sign is event 6 of column 2... after the range moves to
        // the second schedina, its first cell: column and event start again.
        Figlio<QSpinBox>(d, "SpinMin")->setValue(2);
        EXPECT_EQ(w.Vista()->Numero(), 2);
        EXPECT_EQ(dt.ColonnaCorrente(), 1);
        EXPECT_EQ(dt.EventoCorrente(), 1);
        EXPECT_EQ(dt.ColonneInSchedina(), 4);  // the column whose first event is empty counts
        Figlio<QRadioButton>(d, "RadioPerRighe")->setChecked(true);
        timer->Scatti(2);
        EXPECT_EQ(Marcate(*w.Vista()), (std::vector<TCellaDetta>{{2, 1}}));
        // A first schedina past the last goes back to it.
        Figlio<QSpinBox>(d, "SpinMax")->setValue(2);
        Figlio<QSpinBox>(d, "SpinMin")->setValue(3);
        EXPECT_EQ(Figlio<QSpinBox>(d, "SpinMin")->value(), 2);
        // Stop: silence, back to the first schedina of the range, Play again from its start.
        Figlio<QPushButton>(d, "BtnStop")->click();
        EXPECT_FALSE(timer->acceso);
        EXPECT_TRUE(Marcate(*w.Vista()).empty());
        EXPECT_TRUE(Figlio<QPushButton>(d, "BtnPlay")->isEnabled());
        Figlio<QSpinBox>(d, "SpinMax")->setValue(3);
        Figlio<QSpinBox>(d, "SpinMin")->setValue(3);
        Figlio<QPushButton>(d, "BtnPlay")->click();
        timer->Scatti(100);
        EXPECT_FALSE(timer->acceso);                     // the short last schedina: one column, then the end
        EXPECT_EQ(lettore->suonati, 5 + 1 + NumEvents);  // the empty first event is silent
        return Premi(d, "OKBtn");
    });
    f.A("DetDaMemoria1")->trigger();
    f.servizi.VerificaConsumate();
    morella::ui::ImpostaFabbricaVoce({});
    EXPECT_TRUE(f.servizi.Errori.empty());
}

}  // namespace
}  // namespace morella::test
