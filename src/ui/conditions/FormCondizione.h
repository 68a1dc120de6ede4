// The frame every condition editor is built on: "Attivato" / "Disattivato", an area for the
// editor's own controls (scrolled when the screen is small), and the buttons "Azzera ",
// "Archivio", "Analisi", OK and "Annulla". Value-table controls bound to the condition's
// tables are loaded, reset and copied back here; a concrete editor adds its own controls
// through the virtual hooks. The decisions (what changed, what is copied, which button is
// open) are the core's, in CorniceEditore.
#pragma once

#include <QDialog>
#include <functional>
#include <memory>
#include <vector>

#include "CorniceEditore.h"
#include "GraphPt.h"

class QPushButton;
class QRadioButton;
class QScrollArea;
class QVBoxLayout;

namespace morella {
class TCondizione;
}

namespace morella::ui {

class TFormCondizione : public QDialog {
    Q_OBJECT
   public:
    explicit TFormCondizione(const QString& titolo, QWidget* parent = nullptr);

    // The condition the editor works on (kept until the next call).
    void ImpostaOggetto(TCondizione& c);
    TCondizione* Oggetto() const { return oggetto_; }
    // Object into the controls: the switch, every bound table, then the editor's own part.
    void AggiornaForm();
    // Controls into the object: the tables whose control reports a change, the editor's own
    // part, the switch. True when the condition changed.
    bool AcquisisceForm();
    // One use: ImpostaOggetto, AggiornaForm, the modal run through the services and, on OK,
    // AcquisisceForm. Returns EsitoAnnullato, EsitoConfermato or EsitoCambiato.
    int Esegui(TCondizione& c);
    // A copy of the condition with what the controls show now (tables, the editor's own
    // part, the switch), for the windows that analyse it before OK: the condition itself
    // and the controls' marks stay as they are.
    std::unique_ptr<TCondizione> CopiaDalForm();

    // The bound tables alone, both ways: what a group editor does when it moves from one
    // element to another (the tables are found again through the binding). Copying back
    // clears the controls' marks; true when a table changed.
    void AggiornaTabelle();
    bool AcquisisceTabelle();

    // Finds the table a control edits in the condition given (for a group editor: in the
    // element shown); nullptr leaves the control alone.
    using TTrovaTabella = std::function<TTabellaValori*(TCondizione&)>;
    // Binds a value-table control (already placed in the editor's layout) to a table.
    void LegaTabella(TGraphPt* controllo, TTrovaTabella trova);
    // The bound controls, in binding order.
    std::vector<TGraphPt*> Tabelle() const;

    // The place for the editor's controls (a vertical layout inside the scrolled area).
    QVBoxLayout* Area() const { return area_; }
    QRadioButton* RadioAttivato() const { return attivato_; }
    QRadioButton* RadioDisattivato() const { return disattivato_; }
    QPushButton* PulsanteOK() const { return ok_; }
    QPushButton* PulsanteAnnulla() const { return annulla_; }
    QPushButton* PulsanteAzzera() const { return azzera_; }
    QPushButton* PulsanteArchivio() const { return archivio_; }
    QPushButton* PulsanteAnalisi() const { return analisi_; }
    // "Azzera ": every bound table reset in its control (counted as a change), the editor's
    // own reset, "Attivato" checked.
    void Azzera();
    // Sizes the window to its contents, no larger than the screen it is on (the area
    // scrolls for the rest).
    void AdattaAlloSchermo();

   protected:
    // The editor's own controls: load them, copy them back (true when the condition
    // changed), reset them for "Azzera ".
    virtual void AggiornaControlli(TCondizione& c);
    virtual bool AcquisisceControlli(TCondizione& c);
    virtual void AzzeraControlli();
    // OK closes the editor only when this agrees (it tells the player why not itself).
    virtual bool Confermabile() { return true; }
    // "Archivio" opens its window only when this agrees (idem).
    virtual bool ArchivioConsentito() { return true; }
    // Sets a bound control up for its table before loading it: values 0..Massimo, the runs
    // page only for a table that has runs, the game's events, as many boxes as the screen
    // holds (the arrows page the rest).
    virtual void ConfiguraTabella(TGraphPt& controllo, const TTabellaValori& tabella);

   private:
    struct TLegame {
        TGraphPt* Controllo;
        TTrovaTabella Trova;
        bool Azzerata = false;  // "Azzera " pressed since the last load
    };
    void ApriArchivio();
    void ApriAnalisi();

    TCondizione* oggetto_ = nullptr;
    std::vector<TLegame> legami_;
    QRadioButton* attivato_;
    QRadioButton* disattivato_;
    QScrollArea* scorri_;
    QWidget* contenuto_;
    QVBoxLayout* area_;
    QPushButton* azzera_;
    QPushButton* archivio_;
    QPushButton* analisi_;
    QPushButton* ok_;
    QPushButton* annulla_;
};

}  // namespace morella::ui
