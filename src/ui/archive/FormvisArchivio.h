// "Visualizzazione Archivio": one contest per row with its season, number and winning
// column and, for every ticked group ("Condizioni Da Visualizzare"), the values the
// conditions measure on that column (the core's TVistaArchivio). Only the rows in sight are
// measured, so the largest archive opens and scrolls at once. "Stampa" opens "Stampa
// Archivio" (TF123StampaArch), which prints through the preview.
#pragma once

#include <QDialog>
#include <memory>

#include "DialoghiRicerca.h"
#include "VistaArchivio.h"

class QCheckBox;
class QScrollBar;
class QSpinBox;
class QTableView;
class QTableWidget;

namespace morella::ui {

class TModelloRighe;

class TFormvisArchivio : public QDialog {
    Q_OBJECT
   public:
    explicit TFormvisArchivio(const T_Archivio& archivio, QWidget* parent = nullptr);
    ~TFormvisArchivio() override;

    QTableView* Righe() const { return righe_; }
    // The text of a cell of the row grid (row 0: the sub-headings).
    QString Cella(int riga, int colonna) const;
    QTableWidget* Intestazione() const { return intestazione_; }
    QScrollBar* Scorrimento() const { return scorrimento_; }
    int RigheVisibili() const { return visibili_; }
    const TGruppiSpuntati& Gruppi() const { return gruppi_; }

    // The ticked boxes of the last view: the next one opens with them.
    static TGruppiSpuntati& GruppiRicordati();

   protected:
    void resizeEvent(QResizeEvent* e) override;
    void showEvent(QShowEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

   private:
    void Struttura();
    void Ridisegna();
    void Dimensiona();
    void Stampa();

    const T_Archivio& archivio_;
    TVistaArchivio vista_;
    TGruppiSpuntati gruppi_;
    int visibili_ = 0;
    QCheckBox* caselle_[NumeroGruppiVista] = {};
    QTableWidget* intestazione_;
    TModelloRighe* modello_;
    QTableView* righe_;
    QScrollBar* scorrimento_;
};

// "Stampa Archivio": the first and the last contest of the table (TDialogoStampaArch).
class TF123StampaArch : public QDialog {
    Q_OBJECT
   public:
    explicit TF123StampaArch(const T_Archivio& archivio, QWidget* parent = nullptr);
    const TEstremiConcorsi& Estremi() const { return modello_.Estremi(); }

   private:
    void Mostra();

    TDialogoStampaArch modello_;
    QSpinBox *annoinf1_, *concorso1_, *annoinf2_, *concorso2_;
};

}  // namespace morella::ui
