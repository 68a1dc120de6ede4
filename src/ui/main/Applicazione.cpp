#include "Applicazione.h"

#include "EditoriCondizioni.h"
#include "FormSviluppo.h"
#include "Icone.h"
#include "RegistroFinestre.h"
#include "SistemaEsempio.h"
#include "TraduzioniQt.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

#include "Cartelle.h"
#include "Errore.h"
#include "FormPrinc.h"

namespace morella::ui {

namespace {

// Without its picture the intro still says what program this is.
QPixmap ImmagineIntro()
{
    QPixmap p;
    if (CaricaImmagine(p, UnisciPercorso(DirectoryProgramma(), "intro.bmp"))) return p;
    QPixmap sostituto(360, 200);
    sostituto.fill(QColor(0, 60, 110));
    QPainter pt(&sostituto);
    pt.setPen(Qt::white);
    QFont f = pt.font();
    f.setPointSize(28);
    f.setBold(true);
    pt.setFont(f);
    pt.drawText(sostituto.rect(), Qt::AlignCenter, QStringLiteral("Morella"));
    return sostituto;
}

}  // namespace

TFormIntro::TFormIntro(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FormIntro"));
    setWindowTitle(QStringLiteral("Morella"));
    immagine_ = new QLabel(this);
    immagine_->setObjectName(QStringLiteral("Immagine"));
    immagine_->setPixmap(ImmagineIntro());
    immagine_->setAlignment(Qt::AlignCenter);
    versione_ = new QLabel(QString::fromLatin1(TestoVersione), this);
    versione_->setObjectName(QStringLiteral("LabelVersione"));
    versione_->setAlignment(Qt::AlignCenter);
    continua_ = new QPushButton(QStringLiteral("Continua"), this);
    continua_->setObjectName(QStringLiteral("ContinuaBtn"));
    continua_->setDefault(true);
    timer_ = new QTimer(this);
    timer_->setSingleShot(true);
    timer_->setInterval(500);
    auto* l = new QVBoxLayout(this);
    l->addWidget(immagine_);
    l->addWidget(versione_);
    l->addWidget(continua_, 0, Qt::AlignHCenter);
    connect(continua_, &QPushButton::clicked, this, [this] {
        versione_->hide();
        continua_->hide();
        timer_->start();
    });
    connect(timer_, &QTimer::timeout, this, [this] {
        timer_->stop();
        emit Scaduto();
    });
}

TApplicazione::TApplicazione(const TOpzioniAvvio& opzioni)
    : opzioni_(opzioni), traduzioni_(CaricaTraduzioniQt())
{
    orologio_.start();
    ImpostaDirectoryProgramma(opzioni.Directory.empty() ? DirectoryDaEseguibile(EseguibileCorrente())
                                                        : opzioni.Directory);
    ImpostaFormatoSistema(FormatoSistemaIniziale);
    CreaCartelleDiLavoro();
    // A directory installed or copied without its example gets one that develops into it.
    CreaEsempioSeManca(DirectoryProgramma());
    ImpostaGioco(opzioni.Gioco);
    // The archive first, so the system's search settings and the commands' enabled state
    // count its contests; without one the program works on an empty archive.
    try {
        archivio_.Carica(CartellaArchivi());
    } catch (const EErrore&) {
        archivio_.Svuota();
    }
    sistema_ = std::make_unique<TSistema>(&archivio_);
}

TApplicazione::~TApplicazione() = default;

void TApplicazione::Avvia()
{
    intro_ = std::make_unique<TFormIntro>();
    connect(intro_.get(), &TFormIntro::Scaduto, this, &TApplicazione::CreaFinestre);
    intro_->show();
    if (opzioni_.Continua) {
        // The player's click, without the wait: the timer still runs as it would.
        QMetaObject::invokeMethod(intro_->findChild<QPushButton*>(QStringLiteral("ContinuaBtn")), "click",
                                  Qt::QueuedConnection);
    }
}

void TApplicazione::CreaFinestre()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    // The windows the main window opens by role register before it reads the registry.
    RegistraFinestre();
    princ_ = std::make_unique<TFormPrinc>(*sistema_);
    QApplication::restoreOverrideCursor();
    intro_->hide();
    intro_.release()->deleteLater();
    if (opzioni_.Massimizza) {
        // The whole screen from its top-left corner.
        if (QScreen* s = QGuiApplication::primaryScreen()) princ_->setGeometry(s->availableGeometry());
        princ_->showMaximized();
    } else {
        princ_->show();
    }
    princ_->PrimoShow(opzioni_.File);
    millisecondiAvvio_ = orologio_.elapsed();
    emit Pronta();
}

std::optional<std::string> LeggiArgomenti(const QStringList& argomenti, TOpzioniAvvio& o)
{
    for (int i = 1; i < argomenti.size(); ++i) {
        const QString& a = argomenti[i];
        if (a == QLatin1String("--gioco")) {
            if (++i >= argomenti.size()) return "--gioco richiede toto, enalotto o totip";
            const QString g = argomenti[i].toLower();
            if (g == QLatin1String("toto"))
                o.Gioco = GiocoToto;
            else if (g == QLatin1String("enalotto"))
                o.Gioco = GiocoEnalotto;
            else if (g == QLatin1String("totip"))
                o.Gioco = GiocoTotip;
            else
                return "Gioco sconosciuto: " + argomenti[i].toStdString();
        } else if (a == QLatin1String("--dir")) {
            if (++i >= argomenti.size()) return "--dir richiede una cartella";
            o.Directory = argomenti[i].toStdString();
        } else if (a.startsWith(QLatin1String("--"))) {
            continue;  // the program's hidden switches are read by main
        } else if (o.File.empty()) {
            o.File = a.toStdString();
        } else {
            return "Un solo file di sistema, per favore";
        }
    }
    return std::nullopt;
}

}  // namespace morella::ui
