// The column card: a narrow card with its number on top and, below, either a title written
// downwards (Tipo 0) or the signs of one column in small groups of events (Tipo 1). It only
// shows; a selected card is highlighted and a right click opens the card's menu.
#pragma once

#include <QMenu>
#include <QPointer>
#include <QWidget>

#include "ModelloPannelloCF.h"

namespace morella::ui {

class TPannelloCF : public QWidget {
    Q_OBJECT
   public:
    explicit TPannelloCF(QWidget* parent = nullptr);

    // Sets NumEvents with it: 13 or 12.
    void ImpostaGioco(int gioco);
    void ImpostaTipo(int tipo);
    void ImpostaTesto(const std::string& testo);
    void ImpostaFieldHeight(int h);
    void ImpostaStart(int start);
    void ImpostaNumero(int numero);
    void ImpostaSelezionato(bool selezionato);
    void ImpostaColonna(const TColonna& c);
    void ImpostaPopUpMenu(QMenu* menu) { menu_ = menu; }

    const TModelloPannelloCF& Modello() const { return modello_; }
    bool Selezionato() const { return selezionato_; }
    QMenu* PopUpMenu() const { return menu_; }

    // The lines as drawn with the widget's font.
    std::vector<TRigaCartella> Righe() const;
    QSize sizeHint() const override;

   signals:
    // A left click on the card; its owner decides what selecting it means.
    void Cliccato();

   protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;

   private:
    TModelloPannelloCF modello_;
    bool selezionato_ = false;
    QPointer<QMenu> menu_;
};

}  // namespace morella::ui
