// "Andamento storico della quantità dei Segni" (TFormArchivio): how a condition's values came
// out over the contests of the search range, per series. "Frequenze": the chart by first
// ("Pres.") or second measure ("Cons."), as "Nº di concorsi" or "Frequenza %", and the table
// of both; "Ritardi": current and longest delays and "  IC".
#pragma once

#include <QDialog>

#include "Analisi.h"
#include "ModelloAnalisi.h"

class QChartView;
class QCheckBox;
class QComboBox;
class QLabel;
class QRadioButton;
class QTableWidget;

namespace morella::ui {

class TFormArchivio : public QDialog {
    Q_OBJECT
   public:
    TFormArchivio(T_Analisi analisi, QWidget* parent = nullptr);

    const T_Analisi& Analisi() const { return analisi_; }
    int Serie() const;
    int Misura() const;
    TGraficoBarre Grafico() const;
    void Aggiorna();

   private:
    void Stampa();

    T_Analisi analisi_;
    QComboBox* serie_;
    QRadioButton* pres_;
    QRadioButton* cons_;
    QRadioButton* numero_;
    QRadioButton* percento_;
    QCheckBox* zoom_;
    QChartView* barre_;
    QTableWidget* frequenze_;
    QTableWidget* ritardi_;
    QLabel* avviso_;
};

}  // namespace morella::ui
