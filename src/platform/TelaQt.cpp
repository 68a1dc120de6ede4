#include "TelaQt.h"

#include <limits.h>
#if defined(__GLIBC__)
#include <malloc.h>
#endif
#include <signal.h>
#include <unistd.h>

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QIODevice>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <cstdio>
#include <filesystem>

#include "Errore.h"
#include "FileBinario.h"

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

namespace {
int canvasAperti = 0;
}  // namespace

TTelaQt::TMemoriaPagine::TMemoriaPagine()
{
#if defined(__GLIBC__)
    if (canvasAperti++ > 0) return;
    // Above the few hundred kilobytes a page's compression takes.
    constexpr int Soglia = 64 * 1024 * 1024;
    mallopt(M_MMAP_THRESHOLD, Soglia);
    mallopt(M_TRIM_THRESHOLD, Soglia);
#endif
}

TTelaQt::TMemoriaPagine::~TMemoriaPagine()
{
#if defined(__GLIBC__)
    if (--canvasAperti > 0) return;
    // The C library's own starting values; what the job kept goes back now.
    constexpr int Predefinita = 128 * 1024;
    mallopt(M_MMAP_THRESHOLD, Predefinita);
    mallopt(M_TRIM_THRESHOLD, Predefinita);
    malloc_trim(0);
#endif
}

TTelaQt::TTelaQt(QPagedPaintDevice& printer, bool unSoloLavoro)
    : printer_(printer), unSoloLavoro_(unSoloLavoro)
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
    aperto_ = iniziata_ = true;
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
    if (auto* stampante = dynamic_cast<QPrinter*>(&printer_); stampante && !unSoloLavoro_) stampante->abort();
    painter_.end();
    aperto_ = pagine_ = false;
}

bool TTelaQt::Concludi()
{
    const bool riuscito = !painter_.isActive() || painter_.end();
    aperto_ = pagine_ = false;
    return riuscito;
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
    penna.setWidthF(std::max(1.0, printer_.logicalDpiX() / 170.0));
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

namespace {

// The printer of a PDF file, without the file: its page is the one every PDF is laid out on.
std::unique_ptr<QPrinter> PaginaPdf()
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setPageSize(QPageSize(QPageSize::A4));
    printer->setResolution(600);
    return printer;
}

// The PDF writer's output: every byte goes straight into the safe save, so a disk that
// fills up or a file size limit is seen (the PDF engine itself never checks its writes).
class TUscitaSicura : public QIODevice {
   public:
    explicit TUscitaSicura(TScritturaSicura& scrittura) : scrittura_(scrittura) {}
    bool isSequential() const override { return true; }

   protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* dati, qint64 n) override
    {
        if (!scrittura_.Scrivi(reinterpret_cast<const std::uint8_t*>(dati), static_cast<std::size_t>(n)))
            return -1;
        return n;
    }

   private:
    TScritturaSicura& scrittura_;
};

// The temporary file of the job under way, for the signal handler: a fixed buffer, as the
// handler may not allocate.
char temporaneoInCorso[PATH_MAX];
volatile sig_atomic_t temporaneoArmato = 0;

extern "C" void InterrottoDuranteLaStampa(int segnale)
{
    if (temporaneoArmato) ::unlink(temporaneoInCorso);
    // SA_RESETHAND put the default action back: the signal ends the process as it would have.
    ::raise(segnale);
}

// From Arma until its end, SIGINT and SIGTERM first remove the temporary file, then end the
// process as they would have; the previous handlers come back afterwards. A signal the
// process ignores stays ignored. Made before the safe save and so ended after it: the
// temporary file is covered until the save has removed it or put it in place.
class TGuardiaInterruzioni {
   public:
    TGuardiaInterruzioni()
    {
        // Held back from the moment the temporary file is made until the handler knows it.
        sigemptyset(&segnali_);
        sigaddset(&segnali_, SIGINT);
        sigaddset(&segnali_, SIGTERM);
        bloccati_ = ::pthread_sigmask(SIG_BLOCK, &segnali_, &maschera_) == 0;
    }
    void Arma(const std::string& temporaneo)
    {
        if (!temporaneo.empty() && temporaneo.size() < sizeof temporaneoInCorso) {
            temporaneo.copy(temporaneoInCorso, temporaneo.size());
            temporaneoInCorso[temporaneo.size()] = '\0';
            temporaneoArmato = 1;
            struct sigaction azione {};
            azione.sa_handler = InterrottoDuranteLaStampa;
            azione.sa_mask = segnali_;
            azione.sa_flags = SA_RESETHAND;
            for (int i = 0; i < 2; ++i) {
                struct sigaction attuale {};
                if (::sigaction(numeri_[i], nullptr, &attuale) != 0 || attuale.sa_handler == SIG_IGN)
                    continue;
                installati_[i] = ::sigaction(numeri_[i], &azione, &precedenti_[i]) == 0;
            }
        }
        Sblocca();
    }
    ~TGuardiaInterruzioni()
    {
        Sblocca();
        for (int i = 0; i < 2; ++i)
            if (installati_[i]) ::sigaction(numeri_[i], &precedenti_[i], nullptr);
        temporaneoArmato = 0;
    }
    TGuardiaInterruzioni(const TGuardiaInterruzioni&) = delete;
    TGuardiaInterruzioni& operator=(const TGuardiaInterruzioni&) = delete;

   private:
    void Sblocca()
    {
        if (bloccati_) ::pthread_sigmask(SIG_SETMASK, &maschera_, nullptr);
        bloccati_ = false;
    }

    sigset_t segnali_{}, maschera_{};
    bool bloccati_ = false;
    const int numeri_[2] = {SIGINT, SIGTERM};
    struct sigaction precedenti_[2]{};
    bool installati_[2] = {false, false};
};

}  // namespace

std::unique_ptr<QPrinter> StampantePdf(const std::string& file)
{
    auto printer = PaginaPdf();
    printer->setOutputFileName(QString::fromStdString(file));
    return printer;
}

void StampaPdf(const std::string& file, const std::function<void(TTelaStampa&)>& lavoro,
               const std::string& messaggio)
{
    if (file.empty()) throw EErrore(messaggio);
    TGuardiaInterruzioni guardia;
    TScritturaSicura scrittura(file);
    guardia.Arma(scrittura.Temporaneo());
    // Writing nothing only tells whether the file could be opened.
    if (!scrittura.Scrivi(nullptr, 0)) throw EErrore(messaggio);
    TUscitaSicura uscita(scrittura);
    uscita.open(QIODevice::WriteOnly);
    bool riuscito = false;
    {
        // The same page as a PDF printer's, so that every mark lands where it does on paper.
        QPdfWriter pdf(&uscita);
        pdf.setResolution(600);
        pdf.setPageLayout(PaginaPdf()->pageLayout());
        pdf.setCreator(QStringLiteral("Morella"));
        TTelaQt tela(pdf, true);
        lavoro(tela);
        riuscito = tela.Iniziata() && tela.Concludi();
    }
    uscita.close();
    // Only a complete, checked write replaces the old file; otherwise the temporary file goes.
    if (!riuscito || !scrittura.Scrivi(nullptr, 0) || !scrittura.Concludi()) throw EErrore(messaggio);
}

namespace {
int Esegui(QDialog& dialogo, const TEseguiDialogo& esegui)
{
    return esegui ? esegui(dialogo) : dialogo.exec();
}
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
    QtMessageHandler precedente = nullptr;
};

namespace {

// Qt's warnings speak of its own environment ("XDG_RUNTIME_DIR not set", "QPainter::begin():
// Returned false"): nothing the player can act on, and every failure that matters reaches
// the player as the command's own message.
void SoloErroriFatali(QtMsgType tipo, const QMessageLogContext&, const QString& testo)
{
    if (tipo == QtFatalMsg) {
        const QByteArray byte = testo.toLocal8Bit();
        std::fputs(byte.constData(), stderr);
    }
}

}  // namespace

TAmbienteStampa::TAmbienteStampa() : dati_(std::make_unique<TDati>())
{
    if (QCoreApplication::instance()) return;
    dati_->precedente = qInstallMessageHandler(SoloErroriFatali);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    dati_->app = std::make_unique<QGuiApplication>(dati_->argc, dati_->argv);
}

TAmbienteStampa::~TAmbienteStampa()
{
    if (!dati_->app) return;
    dati_->app.reset();
    qInstallMessageHandler(dati_->precedente);
}

}  // namespace morella::piattaforma
