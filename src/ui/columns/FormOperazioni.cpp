#include "FormOperazioni.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "Errore.h"
#include "Fabbriche.h"
#include "ServiziUi.h"

namespace morella::ui {

namespace {
constexpr const char* FiltroColonnare = "File Colonnare (*.Col)|*.Col";
}

TFormOperazioni::TFormOperazioni(QWidget* parent) : QDialog(parent), lungo_(*this)
{
    setObjectName(QStringLiteral("FormOperazioni"));
    setWindowTitle(QStringLiteral("Operazioni Su Files Colonnari"));

    auto campo = [this](const char* nome, const std::string& testo) {
        auto* c = new QLineEdit(QString::fromStdString(testo));
        c->setObjectName(QString::fromLatin1(nome));
        c->setMinimumWidth(c->fontMetrics().horizontalAdvance(QLatin1Char('M')) * 24);
        return c;
    };
    sorgente1_ = campo("Source1", modello_.Sorgente1);
    sorgente2_ = campo("Source2", modello_.Sorgente2);
    destinazione_ = campo("Dest", modello_.Destinazione);
    auto* cerca1 = Pulsante(this, "CercaSource1", QStringLiteral("Cerca.."));
    auto* cerca2 = Pulsante(this, "CercaSource2", QStringLiteral("Cerca.."));
    auto* cercaDest = Pulsante(this, "CercaDest", QStringLiteral("Cerca"));
    connect(cerca1, &QPushButton::clicked, this, [this] { Cerca(sorgente1_, false); });
    connect(cerca2, &QPushButton::clicked, this, [this] { Cerca(sorgente2_, false); });
    connect(cercaDest, &QPushButton::clicked, this, [this] { Cerca(destinazione_, true); });

    auto* file = new QGroupBox(QStringLiteral("File Colonnari"));
    scelte_ << file;
    auto* g = new QGridLayout(file);
    g->addWidget(new QLabel(QStringLiteral("Sorgente 1 :")), 0, 0);
    g->addWidget(sorgente1_, 0, 1);
    g->addWidget(cerca1, 0, 2);
    g->addWidget(new QLabel(QStringLiteral("Sorgente 2 :")), 1, 0);
    g->addWidget(sorgente2_, 1, 1);
    g->addWidget(cerca2, 1, 2);
    g->addWidget(new QLabel(QStringLiteral("Destinazione :")), 2, 0);
    g->addWidget(destinazione_, 2, 1);
    g->addWidget(cercaDest, 2, 2);
    g->setColumnStretch(1, 1);

    auto* operazione = new QGroupBox(QStringLiteral("Operazione"));
    scelte_ << operazione;
    auto* lo = new QHBoxLayout(operazione);
    or_ = new QRadioButton(QStringLiteral(" OR"));
    or_->setObjectName(QStringLiteral("RadioOr"));
    and_ = new QRadioButton(QStringLiteral(" AND"));
    and_->setObjectName(QStringLiteral("RadioAnd"));
    xor_ = new QRadioButton(QStringLiteral(" XOR"));
    xor_->setObjectName(QStringLiteral("RadioXor"));
    or_->setChecked(true);
    for (QRadioButton* r : {or_, and_, xor_}) lo->addWidget(r);

    gauge_ = new QProgressBar;
    gauge_->setObjectName(QStringLiteral("Gauge"));
    gauge_->setValue(0);

    ok_ = Pulsante(this, "OKBtn", QStringLiteral("OK"));
    ok_->setDefault(true);
    annulla_ = Pulsante(this, "AnnullaBtn", QStringLiteral("Annulla"));
    connect(ok_, &QPushButton::clicked, this, &TFormOperazioni::OkClick);
    connect(annulla_, &QPushButton::clicked, this, &TFormOperazioni::AnnullaClick);
    auto* pulsanti = new QHBoxLayout;
    pulsanti->addStretch();
    pulsanti->addWidget(ok_);
    pulsanti->addWidget(annulla_);

    auto* tutto = new QVBoxLayout(this);
    tutto->addWidget(file);
    tutto->addWidget(operazione);
    tutto->addWidget(gauge_);
    tutto->addLayout(pulsanti);
}

TFormOperazioni::~TFormOperazioni() = default;

void TFormOperazioni::Cerca(QLineEdit* campo, bool salva)
{
    const TPosizioneDialogo pos = PosizioneDialogo(campo->text().toStdString());
    TRichiestaFile r;
    r.Salva = salva;
    r.Titolo = salva ? "Salva sul File Colonnare" : "Seleziona il File Colonnare";
    r.Filtro = FiltroColonnare;
    r.Estensione = "Col";
    r.Cartella = pos.Cartella;
    r.Nome = pos.Nome;
    r.DeveEsistere = !salva;
    if (auto file = Servizi().ScegliFile(this, r)) campo->setText(QString::fromStdString(*file));
}

void TFormOperazioni::OkClick()
{
    if (lungo_.InCorso()) return;
    modello_.Sorgente1 = sorgente1_->text().toStdString();
    modello_.Sorgente2 = sorgente2_->text().toStdString();
    modello_.Destinazione = destinazione_->text().toStdString();
    modello_.Operazione = and_->isChecked()   ? TOperazioneFile::And
                          : xor_->isChecked() ? TOperazioneFile::Xor
                                              : TOperazioneFile::Or;
    // A "No" leaves the dialog open to name another destination.
    TDomandaUi domanda(this);
    if (!modello_.ConfermaDestinazione(domanda)) return;
    // While it runs only "Annulla" stays live: the files and the operation are fixed.
    ok_->setEnabled(false);
    for (QWidget* w : scelte_) w->setEnabled(false);
    bool scritta = false;
    try {
        lungo_.Esegui([&] {
            scritta = modello_.Esegui([this](std::size_t fatte, std::size_t totale) {
                gauge_->setValue(PercentualeOperazione(fatte, totale));
                if (DopoAvanzamento) DopoAvanzamento(gauge_->value());
                return !lungo_.Annullato();
            });
        });
    } catch (const EErrore& e) {
        Servizi().MostraErrore(this, e.what());
    } catch (const std::bad_alloc&) {
        Servizi().MostraErrore(this, "Memoria Esaurita");
    }
    ok_->setEnabled(true);
    for (QWidget* w : scelte_) w->setEnabled(true);
    // The dialog closes in every case; only a written destination counts as accepted.
    if (scritta)
        accept();
    else
        QDialog::reject();
}

void TFormOperazioni::AnnullaClick()
{
    if (lungo_.InCorso())
        lungo_.ChiediAnnullamento();
    else
        QDialog::reject();
}

void TFormOperazioni::closeEvent(QCloseEvent* e)
{
    if (lungo_.InCorso()) {
        lungo_.ChiediAnnullamento();
        e->ignore();
        return;
    }
    QDialog::closeEvent(e);
}

void TFormOperazioni::reject()
{
    AnnullaClick();
}

}  // namespace morella::ui
