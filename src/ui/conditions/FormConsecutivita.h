// The editor of the group of differentiated consecutiveness: one element at a time, with
// its own switch, its sign and its two value tables, the buttons that walk the list, add an
// element and delete the shown one. It edits a copy of the group (TModelloGruppo), so
// "Annulla" leaves the system's group as it was.
#pragma once

#include <array>
#include <memory>

#include "FormCondizione.h"
#include "ModelloGruppo.h"

class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace morella::ui {

class TGraphPt;

class TFormConsecutivita : public TFormCondizione {
    Q_OBJECT

   public:
    explicit TFormConsecutivita(QWidget* parent = nullptr);
    ~TFormConsecutivita() override;
    // The element on the page (in the editor's working copy), what "Archivio" and "Analisi"
    // look at; nullptr for an empty group.
    const TCondizione* ElementoMostrato() const;

   protected:
    // The group goes into a working copy; OK gives the copy back when it differs.
    void AggiornaControlli(TCondizione& c) override;
    bool AcquisisceControlli(TCondizione& c) override;
    // "Azzera ": every element's tables, not only the shown one's.
    void AzzeraControlli() override;

   private:
    static void ImpostaTabellaConteggi(TGraphPt& g);
    // Shows the model's current element (or an empty page) and the buttons' state.
    void MostraElemento();
    // Takes the shown element's controls into the working copy.
    void AcquisisceElemento();
    // A button of the list: the shown element is kept, the model moves, the page follows.
    template <class F>
    void Sposta(F&& passo);

    std::unique_ptr<TModelloGruppo> modello_;

    QLabel* posizione_ = nullptr;
    QPushButton* primo_ = nullptr;
    QPushButton* sinistra_ = nullptr;
    QPushButton* destra_ = nullptr;
    QPushButton* ultimo_ = nullptr;
    QPushButton* aggiungi_ = nullptr;
    QPushButton* elimina_ = nullptr;
    QGroupBox* elemento_ = nullptr;
    QRadioButton* attivatoS_ = nullptr;
    QRadioButton* disattivatoS_ = nullptr;
    QGroupBox* segno_ = nullptr;
    std::array<QRadioButton*, 3> segni_{};
    TGraphPt* conteggi_ = nullptr;
    TGraphPt* run_ = nullptr;
};

}  // namespace morella::ui
