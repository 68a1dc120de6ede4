#include "FormVisCol.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "Fabbriche.h"
#include "Gioco.h"
#include "ModelliColonne.h"
#include "QuattroColonne.h"

namespace morella::ui {

QHBoxLayout* RigaDiSchedine(std::array<TQuattroColonne*, 4>& viste, bool spoglio)
{
    auto* riga = new QHBoxLayout;
    for (std::size_t k = 0; k < viste.size(); ++k) {
        auto* v = new TQuattroColonne;
        v->setObjectName(QStringLiteral("QuattroColonne%1").arg(k + 1));
        v->ImpostaGioco(Gioco);
        v->ImpostaNumEvents(NumEvents);
        v->ImpostaModoSpoglio(spoglio);
        // A last page with fewer coupons keeps the others where they were.
        QSizePolicy sp = v->sizePolicy();
        sp.setRetainSizeWhenHidden(true);
        v->setSizePolicy(sp);
        viste[k] = v;
        riga->addWidget(v);
    }
    return riga;
}

TFormVisCol::TFormVisCol(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FormVisCol"));
    setWindowTitle(QStringLiteral("Visualizzazione Colonne"));
    auto* riga = RigaDiSchedine(viste_, false);
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
    tutto->addLayout(riga);
    tutto->addWidget(barra_);
    tutto->addLayout(pulsanti);
}

void TFormVisCol::Prepara()
{
    schedine_ = CostruisciSchedine(colonne_);
    const QSignalBlocker blocco(barra_);
    barra_->setRange(0, MassimoScorrimentoSchedine(static_cast<int>(schedine_.size())));
    barra_->setValue(0);
    MostraSchedine();
}

void TFormVisCol::showEvent(QShowEvent* e)
{
    Prepara();
    QDialog::showEvent(e);
}

void TFormVisCol::MostraSchedine()
{
    for (int k = 0; k < 4; ++k) {
        TQuattroColonne* v = viste_[static_cast<std::size_t>(k)];
        const TSchedinaVin* s = SchedinaInVista(schedine_, barra_->value(), k);
        TModelloQuattroColonne::TQuattro quattro{};
        if (s)
            for (std::size_t c = 0; c < 4; ++c) quattro[c] = s->colonne[c].colonna;
        v->ImpostaNumero(s ? s->numero : 0);
        v->ImpostaColonne(quattro, TColonna{}, true);
        // An empty view keeps its room, so the others do not move on the last page.
        v->setVisible(s != nullptr);
    }
}

}  // namespace morella::ui
