// The four columns of one schedina, side by side under the title "Schedina Nº n": marked
// signs on cyan; in checking mode right signs black, wrong ones red, columns not taking
// part grey. What each cell shows and which cells a refresh redraws comes from the core.
#pragma once

#include <QWidget>

#include "ModelloQuattroColonne.h"

namespace morella::ui {

class TQuattroColonne : public QWidget {
    Q_OBJECT
   public:
    explicit TQuattroColonne(QWidget* parent = nullptr);

    void ImpostaGioco(int gioco);
    void ImpostaNumEvents(int n);
    void ImpostaNumero(int numero);
    void ImpostaModoSpoglio(bool spoglio);
    int Gioco() const { return modello_.Gioco; }
    int NumEvents() const { return modello_.NumEvents; }
    int Numero() const { return modello_.Numero; }
    bool ModoSpoglio() const { return modello_.ModoSpoglio; }

    // Stores the four columns and the winning column and redraws the cells that changed
    // (all with `tutte`); returns how many cells were redrawn.
    int ImpostaColonne(const TModelloQuattroColonne::TQuattro& colonne, const TColonna& vincente, bool tutte);
    // Which columns take part in the checking mode.
    void ImpostaPresenti(const std::array<bool, 4>& presenti);

    const TModelloQuattroColonne& Modello() const { return modello_; }
    // Where cell (event 0-based, column 0-3) is drawn.
    QRect RettangoloCella(int evento, int colonna) const;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

   protected:
    void paintEvent(QPaintEvent* e) override;

   private:
    struct TMisure {
        int titolo, cella, riga, margine;
    };
    TMisure Misure() const;

    TModelloQuattroColonne modello_;
};

}  // namespace morella::ui
