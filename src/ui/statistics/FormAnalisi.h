// "Analisi Colonnare" (TFormAnalisiCF): the column analysis of a condition, per series the
// bars of "Integr.", "Cond.S." and "Condiz." as counts or "%", with "Zoom", the pies of the
// columns eliminated and of the historical frequency, and the "Fattore di Convenienza". The
// development it needs runs in TFrmAnalProgress, with its gauge and "Annulla".
#pragma once

#include <QDialog>

#include "Analisi.h"
#include "LungaElaborazione.h"
#include "ModelloAnalisi.h"

class QChartView;
class QCheckBox;
class QComboBox;
class QLabel;
class QProgressBar;
class QRadioButton;
class QTableWidget;
class QTabWidget;

namespace morella::ui {

// "Analisi Colonnare in corso...": the gauge and "Annulla" of the development.
class TFrmAnalProgress : public QDialog {
    Q_OBJECT
   public:
    explicit TFrmAnalProgress(QWidget* parent = nullptr);
    TLungaElaborazione& Lungo() { return lungo_; }
    QProgressBar* Gauge() const { return gauge_; }

    // Runs `lavoro` shown, with the observer that feeds this window.
    void Esegui(const std::function<void(TOsservatoreAnalisi&)>& lavoro);

   protected:
    void closeEvent(QCloseEvent* e) override;
    void reject() override;

   private:
    class TOsservatore;
    TLungaElaborazione lungo_{*this};
    QProgressBar* gauge_;
};

class TFormAnalisiCF : public QDialog {
    Q_OBJECT
   public:
    TFormAnalisiCF(T_Analisi analisi, QWidget* parent = nullptr);

    const T_Analisi& Analisi() const { return analisi_; }
    // Series, measure (0 "Pres.", 1 "Cons."), "%" and "Zoom" as the controls say.
    int Serie() const;
    int Misura() const;
    void Aggiorna();
    TGraficoBarre Grafico() const;

   private:
    void Stampa();

    T_Analisi analisi_;
    QComboBox* serie_;
    QRadioButton* pres_;
    QRadioButton* cons_;
    QCheckBox* percento_;
    QCheckBox* zoom_;
    QChartView* barre_;
    QTableWidget* tabella_;
    QChartView* eliminate_;
    QChartView* storica_;
    QLabel* fattore_;
    QLabel* avviso_;
};

}  // namespace morella::ui
