// The editors of the groups of sequences, of values and percentages and of filter columns,
// one element at a time on the group frame, and the points-between editor with its 30
// groups. The rules they apply are in EditoriGruppi.h (presentation) and in the core.
#pragma once

#include <array>
#include <vector>

#include "FormGruppo.h"
#include "TabellaIntervalli.h"

class QComboBox;
class QLabel;
class QListWidget;
class QRadioButton;
class QSpinBox;

namespace morella::ui {

class TEditColonna;
class TEditIntervalli;
class TGraphPt;
class TPannelloSc;

// "Sequele": the type (six radio buttons), the pattern of type 1 as a column, the length of
// the other types, the two steps and the table "Presenze".
class TFormSequela : public TFormGruppo {
    Q_OBJECT
   public:
    explicit TFormSequela(QWidget* parent = nullptr);

   protected:
    void MostraElemento(const TCondizione* e) override;
    void AcquisisceElemento(TCondizione& e) override;
    bool ElementoAccettabile() override;

   private:
    int TipoScelto() const;
    void TipoCambiato();

    std::array<QRadioButton*, 6> tipi_{};
    TEditColonna* schema_ = nullptr;
    QSpinBox* lunghezza_ = nullptr;
    QSpinBox* passoTrovata_ = nullptr;
    QSpinBox* passoNonTrovata_ = nullptr;
    TGraphPt* presenze_ = nullptr;
    int eventiCampo_ = 0;  // events in the range of the shown element's table
};

// "Valori" and "Percentuali": the events that take part ("Partite", on a coupon panel) and
// the interval table with its link letter.
class TFormPVP : public TFormGruppo {
    Q_OBJECT
   public:
    TFormPVP(TipoCondizione tipo, QWidget* parent = nullptr);

   protected:
    void AggiornaControlli(TCondizione& c) override;
    void MostraElemento(const TCondizione* e) override;
    void AcquisisceElemento(TCondizione& e) override;
    void AzzeraElemento(TCondizione& e) override;
    bool ArchivioConsentito() override;

   private:
    TipoCondizione tipo_;
    TPannelloSc* partite_ = nullptr;
    TEditIntervalli* intervalli_ = nullptr;
};

// "Colonne Filtro": the filter column (several signs per event) and the table "Punti".
class TFormListaColFiltro : public TFormGruppo {
    Q_OBJECT
   public:
    explicit TFormListaColFiltro(QWidget* parent = nullptr);

   protected:
    void MostraElemento(const TCondizione* e) override;
    void AcquisisceElemento(TCondizione& e) override;

   private:
    TEditColonna* colonna_ = nullptr;
    TGraphPt* punti_ = nullptr;
};

// "Punti Tra": the group chosen 1..30, its "Punti Ammessi" intervals, and the conditions whose
// tables feed it with the range their sum can reach.
class TFormPtTra : public TFormCondizione {
    Q_OBJECT
   public:
    explicit TFormPtTra(QWidget* parent = nullptr);

   protected:
    void AggiornaControlli(TCondizione& c) override;
    bool AcquisisceControlli(TCondizione& c) override;
    void AzzeraControlli() override;

   private:
    void MostraGruppo();
    void PrendiGruppo();

    std::vector<TTabellaIntervalli> copia_;
    int gruppo_ = 1;  // the group shown
    QSpinBox* sceltaGruppo_ = nullptr;
    TEditIntervalli* intervalli_ = nullptr;
    QLabel* titoloElenco_ = nullptr;
    QListWidget* elenco_ = nullptr;
    QLabel* portata_ = nullptr;
};

}  // namespace morella::ui
