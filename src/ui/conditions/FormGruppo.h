// The frame of the group editors that show one element at a time (sequences, values and
// percentages, filter columns): the list's buttons (first, previous, next, last, add,
// delete), the position caption, and a titled box for the shown element with its own
// switch. The group is edited on a copy (TModelloGruppo), so "Annulla" undoes additions and
// deletions too; the concrete editor fills the box and copies one element in and out.
#pragma once

#include <memory>

#include "FormCondizione.h"
#include "ModelloGruppo.h"

class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QVBoxLayout;

namespace morella::ui {

class TGraphPt;

class TFormGruppo : public TFormCondizione {
    Q_OBJECT

   public:
    TFormGruppo(TipoCondizione tipo, QWidget* parent = nullptr);
    ~TFormGruppo() override;

    TModelloGruppo* Modello() const { return modello_.get(); }
    // The element on the page (in the editor's working copy), what "Archivio" and "Analisi"
    // look at; nullptr for an empty group.
    const TCondizione* ElementoMostrato() const;

   protected:
    // A value table the player touched goes back into the element; its derived flags wait
    // for the next Prepara.
    static void PrendiTabella(TGraphPt& controllo, TTabellaValori& tabella);
    // The element's own controls go here, under its switch.
    QVBoxLayout* AreaElemento() const { return areaElemento_; }
    // Loads an element into the controls; nullptr for an empty group (show the defaults).
    virtual void MostraElemento(const TCondizione* e) = 0;
    // Takes the controls into the shown element of the copy.
    virtual void AcquisisceElemento(TCondizione& e) = 0;
    // Whether the controls hold an element that may be kept; a refusal tells the player
    // itself. Asked before the page moves on and before OK.
    virtual bool ElementoAccettabile() { return true; }
    // "Azzera " of one element beyond its value tables (intervals, say).
    virtual void AzzeraElemento(TCondizione&) {}
    // Called once the shown element changed, after MostraElemento.
    virtual void DopoMostra() {}

    void AggiornaControlli(TCondizione& c) override;
    bool AcquisisceControlli(TCondizione& c) override;
    void AzzeraControlli() override;
    bool Confermabile() override;

   private:
    void Mostra();
    void Prendi();
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
    QVBoxLayout* areaElemento_ = nullptr;
};

}  // namespace morella::ui
