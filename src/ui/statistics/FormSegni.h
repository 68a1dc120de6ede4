// The coupon editor's windows on the signs: "Analisi Storica Della Frequenza Dei Segni"
// (TFormProArc, its "Archivio": per event and sign the frequency, delays, "IC" and runs over
// the search range) and "Frequenza Dei Segni" (TFormProAna, its "Analisi": per event how
// many of the system's columns hold each sign, as counts or "%").
#pragma once

#include <QDialog>
#include <array>

#include "ModelloAnalisi.h"
#include "StatisticheSegni.h"

class QChartView;
class QCheckBox;
class QLabel;
class QTableWidget;

namespace morella::ui {

class TFormProArc : public QDialog {
    Q_OBJECT
   public:
    TFormProArc(T_StatisticheSegni statistiche, QWidget* parent = nullptr);
    const T_StatisticheSegni& Statistiche() const { return statistiche_; }
    TGraficoBarre Grafico() const;

   private:
    void Aggiorna();
    void Stampa();

    T_StatisticheSegni statistiche_;
    std::array<QTableWidget*, 3> griglie_{};
    QCheckBox* zoom_;
    QChartView* barre_;
};

class TFormProAna : public QDialog {
    Q_OBJECT
   public:
    TFormProAna(T_FrequenzeSegniColonne frequenze, QWidget* parent = nullptr);
    const T_FrequenzeSegniColonne& Frequenze() const { return frequenze_; }
    TGraficoBarre Grafico() const;
    void Aggiorna();

   private:
    void Stampa();

    T_FrequenzeSegniColonne frequenze_;
    QTableWidget* griglia_;
    QCheckBox* percento_;
    QCheckBox* zoom_;
    QChartView* barre_;
};

}  // namespace morella::ui
