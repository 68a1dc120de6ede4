// "Informazioni Statistiche Sul Sistema": the system's conditions replayed over the archive
// (progress and "Annulla" while it runs), then per prize category ("1º", "2º", "3º") the
// mean cycle and the delays, the pie of the historical frequency and, for the first category
// of a developed system, the pie of the columns filtered and the convenience factor.
#pragma once

#include <QDialog>
#include <array>

#include "LungaElaborazione.h"
#include "Replay.h"

class QChartView;
class QLabel;
class QProgressBar;
class QPushButton;
class QWidget;

namespace morella {
class TSistema;
}

namespace morella::ui {

class TFormInfoStat : public QDialog {
    Q_OBJECT
   public:
    explicit TFormInfoStat(TSistema& sistema, QWidget* parent = nullptr);

    // The replay, with the window's gauge and "Annulla"; then the page of category 1.
    void Esegui();
    // Shows the page of category 1..3.
    void MostraCategoria(int categoria);
    int CategoriaMostrata() const { return categoria_; }
    const TEsitoReplay& Esito() const { return esito_; }
    TLungaElaborazione& Lungo() { return lungo_; }
    TSistema& Sistema() { return sistema_; }

   protected:
    void closeEvent(QCloseEvent* e) override;
    void reject() override;

   private:
    class TOsservatore;

    TSistema& sistema_;
    TLungaElaborazione lungo_{*this};
    TIndicatore indicatore_{2};
    TEsitoReplay esito_;
    int categoria_ = 0;
    QLabel* stato_;
    QProgressBar* gauge_;
    QPushButton* annulla_;
    std::array<QPushButton*, 3> pagine_{};
    QLabel *ciclo_, *ritardoMedio_, *minimo_, *massimo_, *assenza_, *attuale_, *fattore_, *captionFattore_;
    QLabel *captionFiltrate_, *avviso_;
    QChartView* storica_;
    QChartView* filtrate_;
};

}  // namespace morella::ui
