#include "FormConsecutivita.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

#include "Consecutivita.h"
#include "GraphPt.h"

namespace morella::ui {

namespace {

constexpr TSegni SegniOrdinati[3] = {Segno1, SegnoX, Segno2};

TGraphPt* Tabella(QWidget* padre, const char* nome, const QString& titolo)
{
    auto* g = new TGraphPt(padre);
    g->setObjectName(QString::fromLatin1(nome));
    g->ImpostaTitolo(titolo);
    return g;
}

}  // namespace

TFormConsecutivita::TFormConsecutivita(QWidget* parent) : TFormGruppo(TipoGruppoConsecutivita, parent)
{
    setObjectName(QStringLiteral("FormConsecutivita"));
    QWidget* box = AreaElemento()->parentWidget();
    auto* segno = new QGroupBox(QStringLiteral("Segno"), box);
    segno->setObjectName(QStringLiteral("Segno"));
    auto* segni = new QHBoxLayout(segno);
    const char* nomi[3] = {"Segno1", "SegnoX", "Segno2"};
    for (std::size_t i = 0; i < 3; ++i) {
        segni_[i] = new QRadioButton(QString::fromStdString(TestoSegni(SegniOrdinati[i])), segno);
        segni_[i]->setObjectName(QString::fromLatin1(nomi[i]));
        segni->addWidget(segni_[i]);
    }
    auto* testa = new QHBoxLayout;
    testa->addWidget(segno);
    testa->addStretch(1);
    conteggi_ = Tabella(box, "TabellaConteggi", QStringLiteral("Numero Di Segni"));
    run_ = Tabella(box, "TabellaRun", QStringLiteral("Consecutività"));
    AreaElemento()->addLayout(testa);
    AreaElemento()->addWidget(conteggi_);
    AreaElemento()->addWidget(run_);

    // Both tables of an element span the same values: set up once, on an empty element's.
    const TConsecutivita campione;
    ConfiguraTabella(*conteggi_, campione.Tabella(TConsecutivita::TabellaConteggi));
    ConfiguraTabella(*run_, campione.Tabella(TConsecutivita::TabellaRun));
    // The counts table only picks the numbers of signs the element applies to: its link,
    // group, range and in recupero states play no part, so they are not offered.
    conteggi_->ImpostaLinkTra(false);
    conteggi_->ImpostaRecVisibili(false);
    conteggi_->ImpostaTipoCampo(false);
}

void TFormConsecutivita::MostraElemento(const TCondizione* e)
{
    // An empty group shows an empty page: a new element's defaults, greyed.
    const TConsecutivita vuoto;
    const auto* c = dynamic_cast<const TConsecutivita*>(e);
    if (!c) c = &vuoto;
    for (std::size_t i = 0; i < 3; ++i) segni_[i]->setChecked(c->Segno == SegniOrdinati[i]);
    conteggi_->ImpostaTabella(c->Tabella(TConsecutivita::TabellaConteggi));
    run_->ImpostaTabella(c->Tabella(TConsecutivita::TabellaRun));
}

void TFormConsecutivita::AcquisisceElemento(TCondizione& e)
{
    auto* c = dynamic_cast<TConsecutivita*>(&e);
    if (!c) return;
    for (std::size_t i = 0; i < 3; ++i)
        if (segni_[i]->isChecked()) c->Segno = SegniOrdinati[i];
    PrendiTabella(*conteggi_, c->Tabella(TConsecutivita::TabellaConteggi));
    PrendiTabella(*run_, c->Tabella(TConsecutivita::TabellaRun));
}

}  // namespace morella::ui
