#include "FormAiuto.h"

#include <QByteArray>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "Cartelle.h"
#include "FileBinario.h"
#include "ServiziUi.h"

namespace morella::ui {

namespace {

// The browser reads pages, and the pictures and pages they link, by the readers' rule:
// a FIFO or a device among the help files is no page and never stalls the window.
class TBrowserAiuto : public QTextBrowser {
   public:
    using QTextBrowser::QTextBrowser;

    QVariant loadResource(int tipo, const QUrl& nome) override
    {
        if (nome.scheme() == QLatin1String("qrc") || nome.scheme() == QLatin1String("data"))
            return QTextBrowser::loadResource(tipo, nome);
        QUrl url = nome;
        // Every help page lies in the help folder, the browser's one search path.
        if (url.isRelative() && !searchPaths().isEmpty())
            url = QUrl::fromLocalFile(QDir(searchPaths().first()).absolutePath() + QLatin1Char('/'))
                      .resolved(url);
        // A refusal is an empty resource, not a null one: on a null answer the document would
        // open the file itself, FIFO or not.
        if (!url.isLocalFile()) return QByteArray();
        const auto dati = LeggiFileIntero(url.toLocalFile().toStdString(), DimensioneMassimaDocumento);
        if (!dati) return QByteArray();
        return QByteArray(reinterpret_cast<const char*>(dati->data()), static_cast<qsizetype>(dati->size()));
    }
};

}  // namespace

std::string PaginaAiuto(int argomento)
{
    return UnisciPercorso(UnisciPercorso(DirectoryProgramma(), "Help"), std::to_string(argomento) + ".html");
}

TFormAiuto::TFormAiuto(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FormAiuto"));
    setWindowTitle(QStringLiteral("Morella - Help"));
    browser_ = new TBrowserAiuto(this);
    browser_->setObjectName(QStringLiteral("Pagina"));
    browser_->setOpenLinks(true);
    browser_->setOpenExternalLinks(false);
    auto* pulsanti = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(pulsanti, &QDialogButtonBox::rejected, this, &QDialog::close);
    auto* sommario = pulsanti->addButton(QStringLiteral("Sommario"), QDialogButtonBox::ActionRole);
    sommario->setObjectName(QStringLiteral("SommarioBtn"));
    connect(sommario, &QPushButton::clicked, this, [this] { MostraArgomento(1); });
    auto* l = new QVBoxLayout(this);
    l->addWidget(browser_);
    l->addWidget(pulsanti);
    resize(620, 460);
}

void TFormAiuto::MostraArgomento(int argomento)
{
    argomento_ = argomento;
    const QString pagina = QString::fromStdString(PaginaAiuto(argomento));
    browser_->setSearchPaths({QFileInfo(pagina).absolutePath()});
    // Only a regular file is a page: anything else gets the page naming the topic.
    if (QFileInfo(pagina).isFile()) {
        browser_->setSource(QUrl::fromLocalFile(pagina));
        return;
    }
    browser_->setHtml(QStringLiteral("<h2>Argomento %1</h2><p>La pagina di aiuto dell'argomento %1 non è "
                                     "presente nella cartella <tt>help</tt> del programma.</p>")
                          .arg(argomento));
}

QString TFormAiuto::TestoMostrato() const
{
    return browser_->toPlainText();
}

void TFormAiuto::Apri(QWidget* padre, int argomento)
{
    static QPointer<TFormAiuto> finestra;
    if (!finestra) {
        finestra = new TFormAiuto(padre ? padre->window() : nullptr);
        finestra->setAttribute(Qt::WA_DeleteOnClose);
    }
    finestra->MostraArgomento(argomento);
    finestra->show();
    finestra->raise();
    finestra->activateWindow();
}

void MostraInformazioniSu(QWidget* padre)
{
    QDialog box(padre);
    box.setObjectName(QStringLiteral("FormAbout"));
    box.setWindowTitle(QStringLiteral("About"));
    auto* testo =
        new QLabel(QStringLiteral("<h3>Morella 1.0</h3><p>Versione 1.0 per Linux</p>"
                                  "<p>Sistemi per Totip, Toto ed Enalotto: sviluppo, condizionamenti,<br>"
                                  "riduzione, spoglio e stampa delle schedine.</p>"),
                   &box);
    testo->setObjectName(QStringLiteral("Testo"));
    auto* ok = new QPushButton(QStringLiteral("OK"), &box);
    ok->setObjectName(QStringLiteral("OKBtn"));
    QObject::connect(ok, &QPushButton::clicked, &box, &QDialog::accept);
    auto* l = new QVBoxLayout(&box);
    l->addWidget(testo);
    l->addWidget(ok, 0, Qt::AlignHCenter);
    Servizi().EseguiDialogo(box);
}

}  // namespace morella::ui
