#include "FormInsCol.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

#include "CampiConcorsi.h"
#include "Colonna.h"
#include "Fabbriche.h"

namespace morella::ui {

TFormInsCol::TFormInsCol(const T_Archivio& archivio, QWidget* parent) : QDialog(parent), dialogo_(archivio)
{
    setObjectName(QStringLiteral("FormInsCol"));
    setWindowTitle(QString::fromUtf8(TitoloInsCol));
    auto* l = new QVBoxLayout(this);

    auto* concorsi = new QGroupBox(QStringLiteral("Concorsi Da Inserire"), this);
    auto* g = new QGridLayout(concorsi);
    const TStagioniArchivio& limiti = dialogo_.Limiti();
    CreaCampiConcorsi(concorsi, limiti, {"PrimaStagione", "PrimoNumero", "UltimaStagione", "UltimoNumero"},
                      {&primaStagione_, &primoNumero_, &ultimaStagione_, &ultimoNumero_});
    g->addWidget(new QLabel(QStringLiteral("Stagione"), concorsi), 0, 1);
    g->addWidget(new QLabel(QStringLiteral("Concorso Nº"), concorsi), 0, 2);
    g->addWidget(new QLabel(QStringLiteral("Concorso Iniziale :"), concorsi), 1, 0);
    g->addWidget(primaStagione_, 1, 1);
    g->addWidget(primoNumero_, 1, 2);
    g->addWidget(new QLabel(QStringLiteral("Concorso Finale :"), concorsi), 2, 0);
    g->addWidget(ultimaStagione_, 2, 1);
    g->addWidget(ultimoNumero_, 2, 2);
    l->addWidget(concorsi);

    auto* punti = new QGroupBox(QStringLiteral("Punti Accettati"), this);
    punti->setObjectName(QStringLiteral("PuntiAccettati"));
    auto* gp = new QGridLayout(punti);
    const int colonne = 7;
    for (int p = 0; p <= morella::NumEvents; ++p) {
        auto* c = new QCheckBox(QString::number(p), punti);
        c->setObjectName(QStringLiteral("Punti%1").arg(p));
        gp->addWidget(c, p / colonne, p % colonne);
        punti_.push_back(c);
    }
    l->addWidget(punti);
    l->addStretch(1);
    l->addWidget(PulsantiOkAnnulla(this));

    Mostra();
    LegaEstremi(this, {primaStagione_, primoNumero_, ultimaStagione_, ultimoNumero_}, dialogo_,
                {&TDialogoInsCol::ImpostaPrimaStagione, &TDialogoInsCol::ImpostaPrimoNumero,
                 &TDialogoInsCol::ImpostaUltimaStagione, &TDialogoInsCol::ImpostaUltimoNumero},
                [this] { Mostra(); });
}

void TFormInsCol::Mostra()
{
    const TEstremiConcorsi& e = dialogo_.Estremi();
    MostraEstremi({primaStagione_, primoNumero_, ultimaStagione_, ultimoNumero_}, e);
}

void TFormInsCol::Acquisisci()
{
    dialogo_.PuntiAmmessi.clear();
    for (std::size_t p = 0; p < punti_.size(); ++p)
        if (punti_[p]->isChecked()) dialogo_.PuntiAmmessi.push_back(static_cast<int>(p));
}

}  // namespace morella::ui
