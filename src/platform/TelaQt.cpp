#include "TelaQt.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrintPreviewDialog>

#include "Errore.h"

namespace morella::piattaforma {

QString FamigliaStampa(const std::string& nome)
{
    const QString famiglia = QString::fromStdString(nome);
    if (QFontDatabase::families().contains(famiglia, Qt::CaseInsensitive)) return famiglia;
    // Same widths as the faces the layouts were measured with.
    if (famiglia.compare("Courier New", Qt::CaseInsensitive) == 0) return QStringLiteral("Liberation Mono");
    if (famiglia.compare("Times New Roman", Qt::CaseInsensitive) == 0)
        return QStringLiteral("Liberation Serif");
    return QStringLiteral("Liberation Sans");
}

TTelaQt::TTelaQt(QPrinter& printer, bool unSoloLavoro) : printer_(printer), unSoloLavoro_(unSoloLavoro)
{
    ImpostaFont(font_);
}

TTelaQt::~TTelaQt()
{
    if (painter_.isActive()) painter_.end();
}

int TTelaQt::LarghezzaPunti() const
{
    return printer_.width();
}
int TTelaQt::AltezzaPunti() const
{
    return printer_.height();
}

TOrientamentoPagina TTelaQt::Orientamento() const
{
    return printer_.pageLayout().orientation() == QPageLayout::Landscape ? TOrientamentoPagina::Orizzontale
                                                                         : TOrientamentoPagina::Verticale;
}

void TTelaQt::ImpostaOrientamento(TOrientamentoPagina orientamento)
{
    printer_.setPageOrientation(orientamento == TOrientamentoPagina::Orizzontale ? QPageLayout::Landscape
                                                                                 : QPageLayout::Portrait);
}

void TTelaQt::IniziaDocumento()
{
    if (pagine_ && painter_.isActive()) {
        // The next document of a single job continues on a fresh page.
        printer_.newPage();
    } else if (!painter_.begin(&printer_)) {
        throw EErrore("Stampante non disponibile");
    }
    aperto_ = true;
    Applica();
}

void TTelaQt::NuovaPagina()
{
    if (!printer_.newPage()) throw EErrore("Stampante non disponibile");
    Applica();
}

void TTelaQt::ChiudiDocumento()
{
    aperto_ = false;
    if (unSoloLavoro_) {
        pagine_ = true;
        return;
    }
    painter_.end();
}

void TTelaQt::AbbandonaDocumento()
{
    if (!painter_.isActive()) return;
    if (!unSoloLavoro_) printer_.abort();
    painter_.end();
    aperto_ = pagine_ = false;
}

void TTelaQt::Concludi()
{
    if (painter_.isActive()) painter_.end();
    aperto_ = pagine_ = false;
}

void TTelaQt::ImpostaFont(const TFontStampa& font)
{
    font_ = font;
    qfont_ = QFont(FamigliaStampa(font.Nome));
    qfont_.setPointSizeF(font.Punti);
    qfont_.setBold(font.Grassetto);
    qfont_.setStyleHint(QFont::AnyStyle, QFont::PreferMatch);
    if (painter_.isActive()) painter_.setFont(qfont_);
}

void TTelaQt::Applica()
{
    painter_.setFont(qfont_);
    // A thin line that stays visible at any resolution: about 0.15 mm.
    QPen penna(penna_);
    penna.setWidthF(std::max(1.0, printer_.resolution() / 170.0));
    painter_.setPen(penna);
    painter_.setBrush(pennello_);
    painter_.setBackgroundMode(Qt::TransparentMode);
}

void TTelaQt::ImpostaPenna(TColoreStampa colore)
{
    penna_ = colore == TColoreStampa::Nero ? Qt::black : Qt::white;
    if (painter_.isActive()) Applica();
}

void TTelaQt::ImpostaPennello(TColoreStampa colore)
{
    pennello_ = colore == TColoreStampa::Nero ? Qt::black : Qt::white;
    if (painter_.isActive()) painter_.setBrush(pennello_);
}

void TTelaQt::Testo(int x, int y, const std::string& testo)
{
    const QFontMetricsF m(qfont_, &printer_);
    // The text is always black, whatever the pen.
    const QPen penna = painter_.pen();
    painter_.setPen(Qt::black);
    painter_.drawText(QPointF(x, y + m.ascent()), QString::fromStdString(testo));
    painter_.setPen(penna);
}

TDimensioniPunti TTelaQt::MisuraTesto(const std::string& testo)
{
    const QFontMetricsF m(qfont_, &printer_);
    return {static_cast<int>(std::lround(m.horizontalAdvance(QString::fromStdString(testo)))),
            static_cast<int>(std::lround(m.height()))};
}

void TTelaQt::Linea(int x1, int y1, int x2, int y2)
{
    painter_.drawLine(x1, y1, x2, y2);
}

void TTelaQt::Rettangolo(int x1, int y1, int x2, int y2)
{
    painter_.drawRect(QRectF(QPointF(x1, y1), QPointF(x2, y2)));
}

void TTelaQt::Ellisse(int x1, int y1, int x2, int y2)
{
    painter_.drawEllipse(QRectF(QPointF(x1, y1), QPointF(x2, y2)));
}

std::unique_ptr<QPrinter> StampantePdf(const std::string& file)
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(QString::fromStdString(file));
    printer->setPageSize(QPageSize(QPageSize::A4));
    printer->setResolution(600);
    return printer;
}

void StampaPdf(const std::string& file, const std::function<void(TTelaStampa&)>& lavoro)
{
    auto printer = StampantePdf(file);
    TTelaQt tela(*printer, true);
    lavoro(tela);
    tela.Concludi();
}

namespace {
int Esegui(QDialog& dialogo, const TEseguiDialogo& esegui) { return esegui ? esegui(dialogo) : dialogo.exec(); }
}  // namespace

bool AnteprimaEStampa(QWidget* genitore, const std::function<void(TTelaStampa&)>& lavoro,
                      const TEseguiDialogo& esegui)
{
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewDialog anteprima(&printer, genitore);
    QObject::connect(&anteprima, &QPrintPreviewDialog::paintRequested, [&lavoro](QPrinter* p) {
        TTelaQt tela(*p, true);
        lavoro(tela);
        tela.Concludi();
    });
    return Esegui(anteprima, esegui) == QDialog::Accepted;
}

bool StampaDiretta(QWidget* genitore, const std::function<void(TTelaStampa&)>& lavoro,
                   const TEseguiDialogo& esegui)
{
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialogo(&printer, genitore);
    if (Esegui(dialogo, esegui) != QDialog::Accepted) return false;
    TTelaQt tela(printer, false);
    lavoro(tela);
    tela.Concludi();
    return true;
}

struct TAmbienteStampa::TDati {
    int argc = 1;
    char nome[16] = "morella-cli";
    char* argv[2] = {nome, nullptr};
    std::unique_ptr<QGuiApplication> app;
};

TAmbienteStampa::TAmbienteStampa() : dati_(std::make_unique<TDati>())
{
    if (QCoreApplication::instance()) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    dati_->app = std::make_unique<QGuiApplication>(dati_->argc, dati_->argv);
}

TAmbienteStampa::~TAmbienteStampa() = default;

}  // namespace morella::piattaforma
