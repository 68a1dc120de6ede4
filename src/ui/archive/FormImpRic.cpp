#include "FormImpRic.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include "CampiConcorsi.h"
#include "Fabbriche.h"
#include "Sistema.h"

namespace morella::ui {

TFormImpRic::TFormImpRic(TSistema& sistema, QWidget* parent)
    : QDialog(parent), sistema_(sistema), modello_(sistema.Ricerca, *sistema.Dati().Archivio)
{
    setObjectName(QStringLiteral("FormImpRic"));
    setWindowTitle(QStringLiteral("Impostazioni Di Ricerca"));
    const TStagioniArchivio limiti = modello_.Limiti();
    CreaCampiConcorsi(this, limiti,
                      {"SpinPrimaStagione", "SpinPrimoNumero", "SpinUltimaStagione", "SpinUltimoNumero"},
                      {&primaStagione_, &primoNumero_, &ultimaStagione_, &ultimoNumero_});

    auto* intervallo = new QGroupBox(QStringLiteral("Intervallo storico di ricerca"), this);
    auto* g = new QGridLayout(intervallo);
    g->addWidget(new QLabel(QStringLiteral("Concorso Iniziale :")), 0, 0);
    g->addWidget(primaStagione_, 0, 1);
    g->addWidget(primoNumero_, 0, 2);
    g->addWidget(new QLabel(QStringLiteral("Concorso Finale :")), 1, 0);
    g->addWidget(ultimaStagione_, 1, 1);
    g->addWidget(ultimoNumero_, 1, 2);
    riepilogo_ =
        EtichettaValore("LabelRiepilogo", QStringLiteral("Concorsi nell'intervallo : 99999 su 99999 (100%)"));
    avviso_ = EtichettaValore("LabelAvviso");
    avviso_->setStyleSheet(QStringLiteral("color: #b00000"));
    avviso_->setWordWrap(true);
    g->addWidget(riepilogo_, 2, 0, 1, 3);
    g->addWidget(avviso_, 3, 0, 1, 3);

    auto* cerca = new QGroupBox(QStringLiteral("Cerca Vincite"), this);
    auto* lc = new QVBoxLayout(cerca);
    const char* nomi[] = {"Radio1Cat", "Radio2Cat", "Radio3Cat"};
    const QString testi[] = {QStringLiteral("1º Categoria"), QStringLiteral("1º e 2º Cat."),
                             QStringLiteral("1º , 2º e 3º Cat.")};
    for (int i = 0; i < 3; ++i) {
        categorie_[i] = new QRadioButton(testi[i], cerca);
        categorie_[i]->setObjectName(QString::fromLatin1(nomi[i]));
        lc->addWidget(categorie_[i]);
    }
    categorie_[modello_.Categorie() - 1]->setChecked(true);

    auto* ignora = new QGroupBox(QStringLiteral("Ignora i seguenti condizionamenti"), this);
    auto* li = new QVBoxLayout(ignora);
    auto casella = [&](const char* nome, const QString& testo, bool valore) {
        auto* c = new QCheckBox(testo, ignora);
        c->setObjectName(QString::fromLatin1(nome));
        c->setChecked(valore);
        li->addWidget(c);
        return c;
    };
    colonneFiltro_ =
        casella("CheckColonneFiltro", QStringLiteral("Colonne Filtro"), modello_.IgnoraColonneFiltro);
    ripetizioni_ = casella("CheckRipetizioni", QStringLiteral("Ripetizioni"), modello_.IgnoraRipetizioni);
    valori_ = casella("CheckValori", QStringLiteral("Valori"), modello_.IgnoraValori);
    percentuali_ = casella("CheckPercentuali", QStringLiteral("Percentuali"), modello_.IgnoraPercentuali);

    auto* sotto = new QHBoxLayout;
    sotto->addWidget(cerca);
    sotto->addWidget(ignora);
    auto* l = new QVBoxLayout(this);
    l->addWidget(intervallo);
    l->addLayout(sotto);
    l->addWidget(PulsantiOkAnnulla(this));

    // Every edit goes to the model, which may move the other fields: all four are shown again.
    LegaEstremi(this, {primaStagione_, primoNumero_, ultimaStagione_, ultimoNumero_}, modello_,
                {&TDialogoImpRic::ImpostaPrimaStagione, &TDialogoImpRic::ImpostaPrimoNumero,
                 &TDialogoImpRic::ImpostaUltimaStagione, &TDialogoImpRic::ImpostaUltimoNumero},
                [this] { Mostra(); });
    Mostra();
}

void TFormImpRic::Mostra()
{
    const TEstremiConcorsi& e = modello_.Estremi();
    MostraEstremi({primaStagione_, primoNumero_, ultimaStagione_, ultimoNumero_}, e);
    const TRiepilogoRicerca r = RiepilogoRicerca(*sistema_.Dati().Archivio, e, sistema_.Ricerca.SoloCompleti);
    riepilogo_->setText(QString::fromStdString(r.Testo()));
    avviso_->setText(QString::fromStdString(r.Avviso));
}

void TFormImpRic::accept()
{
    for (int i = 0; i < 3; ++i)
        if (categorie_[i]->isChecked()) modello_.ImpostaCategorie(i + 1);
    modello_.IgnoraColonneFiltro = colonneFiltro_->isChecked();
    modello_.IgnoraRipetizioni = ripetizioni_->isChecked();
    modello_.IgnoraValori = valori_->isChecked();
    modello_.IgnoraPercentuali = percentuali_->isChecked();
    modello_.Conferma(sistema_.Ricerca);
    QDialog::accept();
}

}  // namespace morella::ui
