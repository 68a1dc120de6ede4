#include "FormAlbero.h"

#include <QBrush>
#include <QHeaderView>
#include <QPalette>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "Fabbriche.h"
#include "ServiziUi.h"

namespace morella::ui {

TFormAlbero::TFormAlbero(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FormAlbero"));
    setWindowTitle(QString::fromUtf8(TitoloAlbero));
    auto* l = new QVBoxLayout(this);
    vista_ = new QTreeWidget(this);
    vista_->setObjectName(QStringLiteral("Albero"));
    vista_->setHeaderHidden(true);
    vista_->setColumnCount(1);
    vista_->setItemsExpandable(false);
    vista_->setExpandsOnDoubleClick(false);
    vista_->setMinimumSize(320, 260);
    l->addWidget(vista_, 1);
    auto* chiudi = Pulsante(this, "ChiudiBtn", QStringLiteral("Chiudi"));
    l->addWidget(chiudi, 0, Qt::AlignRight);
    connect(chiudi, &QPushButton::clicked, this, &QDialog::accept);
    connect(vista_, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item, int) {
        if (item) emit NodoAttivato(item->data(0, Qt::UserRole).toInt());
    });
}

QTreeWidgetItem* TFormAlbero::Nodo(int riga) const
{
    return riga >= 0 && riga < static_cast<int>(nodi_.size()) ? nodi_[static_cast<std::size_t>(riga)]
                                                              : nullptr;
}

void TFormAlbero::Disegna(std::vector<TNodoAlbero> nodi)
{
    vista_->clear();
    nodi_.clear();
    QFont grassetto = vista_->font();
    grassetto.setBold(true);
    const QBrush evidenza = palette().brush(QPalette::Highlight);
    const QBrush testoEvidenza = palette().brush(QPalette::HighlightedText);
    for (std::size_t i = 0; i < nodi.size(); ++i) {
        const TNodoAlbero& n = nodi[i];
        QTreeWidgetItem* item = n.Padre < 0 ? new QTreeWidgetItem(vista_)
                                            : new QTreeWidgetItem(nodi_[static_cast<std::size_t>(n.Padre)]);
        item->setText(0, QString::fromStdString(n.Nome));
        item->setData(0, Qt::UserRole, static_cast<int>(i));
        if (n.Quadro) item->setFont(0, grassetto);
        if (n.Evidenziato) {
            item->setBackground(0, evidenza);
            item->setForeground(0, testoEvidenza);
        }
        nodi_.push_back(item);
    }
    vista_->expandAll();
}

int TFormAlbero::Esegui(std::vector<TNodoAlbero> nodi)
{
    Disegna(std::move(nodi));
    return Servizi().EseguiDialogo(*this);
}

}  // namespace morella::ui
