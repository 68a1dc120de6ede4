#include "FormAccorpa.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "Accorpamento.h"
#include "Cartelle.h"
#include "FileColonne.h"
#include "ServiziUi.h"
#include "Sistema.h"

namespace morella::ui {

// The engine reports a new pass at once and a percentage only when the gauge must move.
class TFormAccorpa::TOsservatore : public TOsservatoreAccorpamento {
   public:
    explicit TOsservatore(TFormAccorpa& f) : f_(f) {}
    void Progresso(int passo, int percentuale) override
    {
        if (passo != f_.passoMostrato_) {
            f_.passoMostrato_ = passo;
            f_.passo_->setText(QStringLiteral("Passo ") + QString::number(passo));
        }
        f_.gauge_->setValue(percentuale);
        if (f_.DopoProgresso) f_.DopoProgresso(passo, percentuale);
        f_.lungo_.Pompa(false);
    }
    bool Annullato() override { return f_.lungo_.Annullato(); }

   private:
    TFormAccorpa& f_;
};

TFormAccorpa::TFormAccorpa(QWidget* parent) : QDialog(parent), lungo_(*this)
{
    setObjectName(QStringLiteral("FormAccorpa"));
    setWindowTitle(QStringLiteral("Accorpamento In Corso.."));
    passo_ = new QLabel(QStringLiteral("Passo 1"));
    passo_->setObjectName(QStringLiteral("LabelPasso"));
    gauge_ = new QProgressBar;
    gauge_->setObjectName(QStringLiteral("Gauge"));
    gauge_->setMinimumWidth(gauge_->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 40);
    annulla_ = new QPushButton(QStringLiteral("Annulla"));
    annulla_->setObjectName(QStringLiteral("AnnullaBtn"));
    annulla_->setAutoDefault(false);
    connect(annulla_, &QPushButton::clicked, this, [this] { lungo_.ChiediAnnullamento(); });
    auto* pulsanti = new QHBoxLayout;
    pulsanti->addStretch();
    pulsanti->addWidget(annulla_);
    pulsanti->addStretch();
    auto* tutto = new QVBoxLayout(this);
    tutto->addWidget(passo_);
    tutto->addWidget(gauge_);
    tutto->addLayout(pulsanti);
}

TFormAccorpa::~TFormAccorpa() = default;

double TFormAccorpa::Accorpa(TListaColonne& lista)
{
    passoMostrato_ = 0;
    passo_->setText(QStringLiteral("Passo 1"));
    gauge_->setValue(0);
    show();
    raise();
    double fattore = 1;
    TOsservatore oss(*this);
    lungo_.Esegui([&] { fattore = morella::Accorpa(lista, &oss); }, [this] { hide(); });
    return fattore;
}

void TFormAccorpa::closeEvent(QCloseEvent* e)
{
    // The frame's close during a run stops the merging, as "Annulla" does.
    if (lungo_.InCorso()) {
        lungo_.ChiediAnnullamento();
        e->ignore();
        return;
    }
    QDialog::closeEvent(e);
}

void TFormAccorpa::reject()
{
    if (lungo_.InCorso())
        lungo_.ChiediAnnullamento();
    else
        QDialog::reject();
}

namespace {

void Accorpa(const TSistema& sistema, TListaColonne& lista, QWidget* padre)
{
    if (!sistema.Dati().Configurazione.AccorpamentoAutomatico || lista.Conta() < 2) return;
    TFormAccorpa finestra(padre);
    finestra.Accorpa(lista);
}

// The hourglass while a file is read; restored however the reading ends.
struct TClessidra {
    TClessidra() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~TClessidra() { QApplication::restoreOverrideCursor(); }
    TClessidra(const TClessidra&) = delete;
    TClessidra& operator=(const TClessidra&) = delete;
};

}  // namespace

void RiempiDaMemoria(const TSistema& sistema, TListaColonne& lista, QWidget* padre)
{
    lista = sistema.Dati().Colonne;
    Accorpa(sistema, lista, padre);
}

bool RiempiDaFile(const TSistema& sistema, TListaColonne& lista, QWidget* padre)
{
    TRichiestaFile r;
    r.Titolo = "Seleziona il File Colonnare";
    r.Filtro = "File Colonnare (*.Col)|*.Col";
    r.Estensione = "Col";
    r.Cartella = CartellaColonne();
    r.DeveEsistere = true;
    const auto file = Servizi().ScegliFile(padre, r);
    if (!file) return false;
    bool piena;
    {
        TClessidra clessidra;
        piena = CaricaDaFile(*file, lista, false);
    }
    if (!piena) return false;
    Accorpa(sistema, lista, padre);
    return true;
}

}  // namespace morella::ui
