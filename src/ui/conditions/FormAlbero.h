// "Albero Delle Condizioni": the root panel and, one level further right, the sub-conditions
// of every panel, one row each in list order, each named by its Nome; the panel being
// edited is highlighted. It is drawn again every time it shows. A double click on a row is
// reported to the panel editor, which opens the panel or the condition's own editor.
#pragma once

#include <QDialog>
#include <vector>

#include "AlberoCondizioni.h"

class QTreeWidget;
class QTreeWidgetItem;

namespace morella::ui {

class TFormAlbero : public QDialog {
    Q_OBJECT
   public:
    explicit TFormAlbero(QWidget* parent = nullptr);

    // Draws these rows and runs the window through the services.
    int Esegui(std::vector<TNodoAlbero> nodi);
    // Draws the rows again ("Disegna").
    void Disegna(std::vector<TNodoAlbero> nodi);
    QTreeWidget* Vista() const { return vista_; }
    // The item of a row of the tree (rows in drawing order).
    QTreeWidgetItem* Nodo(int riga) const;

   signals:
    void NodoAttivato(int riga);

   private:
    QTreeWidget* vista_;
    std::vector<QTreeWidgetItem*> nodi_;
};

}  // namespace morella::ui
