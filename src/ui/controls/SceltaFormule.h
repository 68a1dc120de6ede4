// The body of the derived formulas editor: the formulas a column may not have on the left
// ("Formule  Escluse"), those it may have on the right ("Formule Incluse"), and the four
// buttons that move the selected ones or all of them. The lists' rules are the core's
// TListeFormule; this widget shows them and passes the selections on.
#pragma once

#include <QWidget>
#include <optional>

#include "ListeFormule.h"

class QListWidget;
class QPushButton;

namespace morella::ui {

class TSceltaFormule : public QWidget {
    Q_OBJECT
   public:
    explicit TSceltaFormule(QWidget* parent = nullptr);

    // Loaded by program code: the formulas 0..massimo from the admitted flags.
    void Carica(const TListeFormule::TFlag& ammesse, int massimo);
    // Every formula back on the left, as "Azzera " wants it.
    void Azzera();
    // Whether the lists differ from what was loaded.
    bool Modificato() const { return liste_ && liste_->Modificato(); }
    // Copies the lists into the flags 0..Massimo (flags beyond it stay as they are).
    void Copia(TListeFormule::TFlag& ammesse) const;

    QListWidget* Escluse() const { return escluse_; }
    QListWidget* Incluse() const { return incluse_; }
    // The formulas a list shows, in its order.
    std::vector<int> Formule(const QListWidget* lista) const;

   signals:
    void OnModificato();

   private:
    void Mostra();
    void Sposta(QListWidget* da, bool includi);
    void Tutte(bool includi);

    std::optional<TListeFormule> liste_;
    std::vector<int> spostate_;
    QListWidget* escluse_;
    QListWidget* incluse_;
};

}  // namespace morella::ui
