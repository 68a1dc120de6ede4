#include "FormMessage.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "Domanda.h"
#include "ServiziUi.h"

namespace morella::ui {

TFormMessage::TFormMessage(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FormMessage"));
    setModal(true);
    icona_ = new QLabel(this);
    icona_->setObjectName(QStringLiteral("Icona"));
    testo_ = new QLabel(this);
    testo_->setObjectName(QStringLiteral("Testo"));
    testo_->setWordWrap(true);  // broken at blanks, as the box is wide
    testo_->setMinimumWidth(260);
    testo_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    auto crea = [this](const char* nome, const QString& testo, int bit) {
        auto* b = new QPushButton(testo, this);
        b->setObjectName(QString::fromLatin1(nome));
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, [this, bit] { Premuto(bit); });
        return b;
    };
    si_ = crea("SiBtn", QStringLiteral("&Si"), PulsanteSi);
    ok_ = crea("OKBtn", QStringLiteral("&OK"), PulsanteOk);
    no_ = crea("NoBtn", QStringLiteral("&No"), PulsanteNo);
    annulla_ = crea("AnnullaBtn", QStringLiteral("&Annulla"), PulsanteAnnulla);

    auto* riga = new QHBoxLayout;
    riga->addWidget(icona_, 0, Qt::AlignTop);
    riga->addSpacing(10);
    riga->addWidget(testo_, 1);
    pulsanti_ = new QHBoxLayout;
    pulsanti_->setSpacing(0);
    auto* tutto = new QVBoxLayout(this);
    tutto->addLayout(riga);
    tutto->addSpacing(12);
    tutto->addLayout(pulsanti_);
}

void TFormMessage::Prepara(const std::string& titolo, const std::string& testo, int pulsanti)
{
    setWindowTitle(QString::fromStdString(titolo));
    testo_->setText(QString::fromStdString(testo));
    const bool domanda = (pulsanti & (PulsanteSi | PulsanteNo)) != 0;
    const int lato = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    icona_->setPixmap(
        style()
            ->standardIcon(domanda ? QStyle::SP_MessageBoxQuestion : QStyle::SP_MessageBoxInformation,
                           nullptr, this)
            .pixmap(lato, lato));
    si_->setVisible(pulsanti & PulsanteSi);
    ok_->setVisible(pulsanti & PulsanteOk);
    no_->setVisible(pulsanti & PulsanteNo);
    annulla_->setVisible(pulsanti & PulsanteAnnulla);
    // Equal gaps before, between and after the visible buttons: one stretch of the same
    // weight in each gap, and no other spacing.
    while (QLayoutItem* i = pulsanti_->takeAt(0)) delete i;
    pulsanti_->addStretch(1);
    for (QPushButton* b : PulsantiVisibili()) {
        pulsanti_->addWidget(b);
        pulsanti_->addStretch(1);
    }
    for (QPushButton* b : PulsantiVisibili()) {
        b->setDefault(true);
        b->setFocus();
        break;
    }
    risultato_ = 0;
    adjustSize();
}

int TFormMessage::Esegui()
{
    risultato_ = 0;
    Servizi().EseguiDialogo(*this);
    return risultato_;
}

QString TFormMessage::Testo() const
{
    return testo_->text();
}

QList<QPushButton*> TFormMessage::PulsantiVisibili() const
{
    QList<QPushButton*> visibili;
    for (QPushButton* b : {si_, ok_, no_, annulla_})
        if (!b->isHidden()) visibili.append(b);
    return visibili;
}

void TFormMessage::Premuto(int bit)
{
    risultato_ = bit;
    accept();
}

void TFormMessage::closeEvent(QCloseEvent* e)
{
    risultato_ = 0;
    QDialog::closeEvent(e);
}

void TFormMessage::reject()
{
    // Escape or the frame's close box: no button was pressed.
    risultato_ = 0;
    QDialog::reject();
}

}  // namespace morella::ui
