// Entering one column: a column of sign fields, one per event, each taking "1", "X" and
// "2" at most once. The key rules, the layout and the validity come from the core's
// ModelloEditColonna.h; these widgets only turn keys and texts into it.
#pragma once

#include <QLineEdit>
#include <QWidget>
#include <array>

#include "ModelloEditColonna.h"

namespace morella::ui {

// One sign field.
class TEditSegno : public QLineEdit {
    Q_OBJECT
   public:
    explicit TEditSegno(QWidget* parent = nullptr);

   signals:
    // Arrow up and down: the owning column moves to the previous or the next field.
    void Precedente();
    void Successivo();

   protected:
    void keyPressEvent(QKeyEvent* e) override;
};

// A column of thirteen sign fields (the thirteenth shown for Toto only).
class TEditColonna : public QWidget {
    Q_OBJECT
   public:
    explicit TEditColonna(QWidget* parent = nullptr);

    // Published sizes and switches.
    int Gap1 = 1;
    int Gap2 = 3;
    int FieldHeight = 20;
    int FieldWidth = 40;

    void ImpostaGioco(int gioco);
    int Gioco() const { return modello_.Gioco; }
    void ImpostaSingolo(bool singolo);
    bool Singolo() const { return modello_.Singolo; }
    void ImpostaContiguo(bool contiguo) { modello_.Contiguo = contiguo; }
    void ImpostaCompleto(bool completo) { modello_.Completo = completo; }
    // After changing the sizes above.
    void Disponi();

    // Loaded by program code: shows the column, clears Modificato and raises OnModificato.
    void ImpostaColonna(const TColonna& c);
    // The column and whether it is valid under Contiguo and Completo.
    bool LeggiColonna(TColonna& c) const { return modello_.LeggiColonna(c); }
    bool Modificato() const { return modello_.Modificato; }
    void ImpostaModificato(bool m) { modello_.Modificato = m; }

    TEditSegno* Campo(int i) const { return campi_.at(static_cast<std::size_t>(i)); }
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

   signals:
    void OnModificato();

   private:
    void Sposta(int campo, bool su);
    void MostraCampo(int campo);

    TModelloEditColonna modello_;
    std::array<TEditSegno*, MaxEventi> campi_{};
    bool caricando_ = false;
};

}  // namespace morella::ui
