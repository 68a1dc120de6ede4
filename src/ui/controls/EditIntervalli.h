// The editor of an interval table: the intervals in a list (minimum, maximum, state, level),
// fields for one interval and the buttons that add it, change the selected one with it or
// delete the selected one, and the table's link letter. The rules (at most 101 intervals,
// minimum not above maximum, level 1..99) are the presentation's; a refusal is shown under
// "Informazione" and changes nothing.
#pragma once

#include <QGroupBox>

#include "TabellaIntervalli.h"

class QComboBox;
class QDoubleSpinBox;
class QPushButton;
class QSpinBox;
class QTableWidget;

namespace morella::ui {

class TEditIntervalli : public QGroupBox {
    Q_OBJECT
   public:
    explicit TEditIntervalli(const QString& titolo, QWidget* parent = nullptr);

    // Loaded by program code: clears Modificato.
    void ImpostaTabella(const TTabellaIntervalli& t);
    const TTabellaIntervalli& Tabella() const { return tabella_; }
    bool Modificato() const { return modificato_; }
    void ImpostaModificato(bool m) { modificato_ = m; }

    // The fields of one interval, for the player and for tests.
    QDoubleSpinBox* Minimo() const { return minimo_; }
    QDoubleSpinBox* Massimo() const { return massimo_; }
    QComboBox* Stato() const { return stato_; }
    QSpinBox* Livello() const { return livello_; }
    QComboBox* Link() const { return link_; }
    QTableWidget* Lista() const { return lista_; }

   signals:
    void OnModificato();

   private:
    TIntervallo Campi() const;
    void Mostra();
    void Selezionato();
    void Esito(const std::string& rifiuto);

    TTabellaIntervalli tabella_;
    bool modificato_ = false;
    bool caricando_ = false;
    QTableWidget* lista_;
    QDoubleSpinBox* minimo_;
    QDoubleSpinBox* massimo_;
    QComboBox* stato_;
    QSpinBox* livello_;
    QComboBox* link_;
    QPushButton* aggiungi_;
    QPushButton* cambia_;
    QPushButton* elimina_;
};

}  // namespace morella::ui
