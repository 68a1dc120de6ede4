// The labels under a chart's horizontal axis: the labels Start .. Start + NumPoint - 1 of
// the list, GapOriz pixels apart from GapX; a label with a comma takes two lines. Which
// labels and where come from the core's ModelloLegenda.h.
#pragma once

#include <QStringList>
#include <QWidget>

#include "ModelloLegenda.h"

namespace morella::ui {

class TLegenda : public QWidget {
    Q_OBJECT
   public:
    explicit TLegenda(QWidget* parent = nullptr);

    // Every change repaints.
    void ImpostaGapX(int v);
    void ImpostaGapY(int v);
    void ImpostaGapOriz(int v);
    void ImpostaStart(int v);
    void ImpostaNumPoint(int v);
    void ImpostaLista(const QStringList& lista);

    const TModelloLegenda& Modello() const { return modello_; }
    // The labels as drawn with the widget's font.
    std::vector<TEtichettaLegenda> Etichette() const;
    QSize sizeHint() const override;

   protected:
    void paintEvent(QPaintEvent*) override;

   private:
    void Cambiato();
    TModelloLegenda modello_;
};

}  // namespace morella::ui
