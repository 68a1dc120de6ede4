// The panel editor ("Quadro"): seven sub-conditions of the panel being edited at a time with
// a scroll bar, "Nome Del Quadro", the "Nuova" pop-up, cut / copy / paste / delete of marked
// rows, panel and conditions files, moving through nested panels and the tree, "Preset" /
// "Particolari" with the four relations and the admitted-count table, "Adatta" on the
// coupon panel's selection, and filter columns from the archive. It edits a copy of the
// root panel (TModelloQuadro), so "Annulla" leaves the system's tree as it was.
#pragma once

#include <QCheckBox>
#include <array>
#include <memory>

#include "FormCondizione.h"
#include "ModelloQuadro.h"
#include "ServiziUi.h"

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QScrollBar;
class QToolButton;

namespace morella::ui {

class TFormAlbero;
class TPannelloSc;

class TFormQuadro : public TFormCondizione {
    Q_OBJECT
   public:
    explicit TFormQuadro(QWidget* parent = nullptr);
    ~TFormQuadro() override;

    // One use on the root panel (container slot 13): the copy is edited and, on OK, given
    // back when it differs. Returns EsitoAnnullato, EsitoConfermato or EsitoCambiato.
    int Esegui(TCondizione& c);

    // The editor on a copy of `radice`, every control loaded, sized to the screen (what
    // Esegui does before the dialog runs; also for pictures).
    void Prepara(const TQuadro& radice);

    TModelloQuadro& Modello() { return *modello_; }
    QAction* Comando(const char* nome) const;
    QMenu* MenuNuova() const { return menuNuova_; }
    QScrollBar* Barra() const { return barra_; }
    TFormAlbero* Albero() const { return albero_; }
    // Shows what the model holds now: `tutto` also reloads the switch and the table of a
    // panel the editor moved to.
    void Ricarica(bool tutto);

   protected:
    void AggiornaControlli(TCondizione& c) override;
    bool AcquisisceControlli(TCondizione& c) override;
    void AzzeraControlli() override;
    void wheelEvent(QWheelEvent* e) override;

   private:
    struct TRigaWidget {
        QCheckBox* Marca;
        QPushButton* Testo;
        QToolButton* Apri;
    };
    QAction* NuovaAzione(const char* nome, const QString& testo, void (TFormQuadro::*fai)());
    // The controls into the panel shown before a command changes the list or moves away.
    void Salva() { AcquisisceForm(); }
    void MostraRighe();
    void MostraComandi();
    void ApriRiga(int indice);

    void Nuova(TipoCondizione tipo);
    void Taglia();
    void Copia();
    void Incolla();
    void Elimina();
    void CaricaQuadro();
    void SalvaQuadro();
    void CaricaCondizioni();
    void SalvaCondizioni();
    void QuadroPrecedente();
    void ApriAlbero();
    void ColonneDaArchivio();
    void Adatta();

    TDomandaUi domanda_{this};
    std::unique_ptr<TModelloQuadro> modello_;
    QLineEdit* nome_ = nullptr;
    QLabel* didascalia_ = nullptr;
    QMenu* menuNuova_ = nullptr;
    std::array<TRigaWidget, TModelloQuadro::RigheVisibili> righe_{};
    QScrollBar* barra_ = nullptr;
    QRadioButton* preset_ = nullptr;
    QRadioButton* particolari_ = nullptr;
    std::array<QRadioButton*, 4> relazioni_{};
    TGraphPt* accettate_ = nullptr;
    TPannelloSc* pannello_ = nullptr;
    TFormAlbero* albero_ = nullptr;
    bool aggiornando_ = false;
};

}  // namespace morella::ui
