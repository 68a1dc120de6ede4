#include "FormVisVin.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "Fabbriche.h"
#include "FormVisCol.h"
#include "Gioco.h"
#include "ModelliColonne.h"
#include "QuattroColonne.h"
#include "TestoColonnaEsteso.h"

namespace morella::ui {

TFormVisVin::TFormVisVin(const TListaColonne& colonne, const TColonna& vincente,
                         const TRisultatoSpoglio& risultato, QWidget* parent)
    : QDialog(parent), colonne_(colonne), vincente_(vincente)
{
    setObjectName(QStringLiteral("FormVisVin"));
    setWindowTitle(QStringLiteral("Visualizzazione"));

    // One button per points value; 13 only for the game of 13 events.
    auto* gruppo = new QGroupBox(QStringLiteral("Schedine Con Punti"));
    auto* lg = new QGridLayout(gruppo);
    auto* esclusivi = new QButtonGroup(this);
    const std::vector<bool> abilitati = PuntiAbilitati(risultato);
    // One narrow button per value, all on one row.
    const int larghezza = fontMetrics().horizontalAdvance(QStringLiteral("000"));
    for (int p = 0; p <= NumEvents; ++p) {
        auto* b = Pulsante(this, QStringLiteral("Punti%1").arg(p).toLatin1().constData(), QString::number(p));
        b->setCheckable(true);
        b->setEnabled(abilitati[static_cast<std::size_t>(p)]);
        esclusivi->addButton(b, p);
        b->setMinimumWidth(larghezza);
        b->setMaximumWidth(larghezza * 2);
        lg->addWidget(b, 0, p);
        pulsanti_.push_back(b);
        connect(b, &QPushButton::clicked, this, [this, p] { ScegliPunti(p); });
    }

    auto* vincenteTesto = new QLabel(QStringLiteral("Colonna Vincente : ") +
                                     QString::fromStdString(TestoColonnaEsteso(vincente)));
    vincenteTesto->setObjectName(QStringLiteral("LabelVincente"));

    auto* riga = RigaDiSchedine(viste_, true);
    barra_ = new QScrollBar(Qt::Horizontal);
    barra_->setObjectName(QStringLiteral("ScrollBar1"));
    barra_->setPageStep(4);
    connect(barra_, &QScrollBar::valueChanged, this, [this] { MostraSchedine(); });

    auto* ok = Pulsante(this, "OKBtn", QStringLiteral("OK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* pulsanti = new QHBoxLayout;
    pulsanti->addStretch();
    pulsanti->addWidget(ok);

    auto* tutto = new QVBoxLayout(this);
    tutto->addWidget(gruppo);
    tutto->addWidget(vincenteTesto);
    tutto->addLayout(riga);
    tutto->addWidget(barra_);
    tutto->addLayout(pulsanti);

    ScegliPunti(PuntiIniziali(risultato));
}

void TFormVisVin::ScegliPunti(int punti)
{
    punti_ = punti;
    if (punti >= 0 && punti < static_cast<int>(pulsanti_.size()))
        pulsanti_[static_cast<std::size_t>(punti)]->setChecked(true);
    schedine_ = SchedineConPunti(colonne_, vincente_, punti);
    const QSignalBlocker blocco(barra_);
    barra_->setRange(0, MassimoScorrimentoSchedine(static_cast<int>(schedine_.size())));
    barra_->setValue(0);
    MostraSchedine();
}

void TFormVisVin::MostraSchedine()
{
    for (int k = 0; k < 4; ++k) {
        TQuattroColonne* v = viste_[static_cast<std::size_t>(k)];
        const TSchedinaVin* s = SchedinaInVista(schedine_, barra_->value(), k);
        TModelloQuattroColonne::TQuattro quattro{};
        std::array<bool, 4> segnate{};
        if (s)
            for (std::size_t c = 0; c < 4; ++c) {
                quattro[c] = s->colonne[c].colonna;
                segnate[c] = s->colonne[c].segnata != 0;
            }
        v->ImpostaNumero(s ? s->numero : 0);
        v->ImpostaPresenti(segnate);
        v->ImpostaColonne(quattro, vincente_, true);
        v->setVisible(s != nullptr);
    }
}

}  // namespace morella::ui
