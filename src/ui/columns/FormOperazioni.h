// "Operazioni Su Files Colonnari": OR, AND or XOR of two column files into a third, run with
// a gauge and "Annulla". Its rules (where the files are, the overwrite question, the
// refusals) live in TModelloOperazioni.
#pragma once

#include <QDialog>
#include <QList>

#include "LungaElaborazione.h"
#include "ModelliColonne.h"

class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;

namespace morella::ui {

class TFormOperazioni : public QDialog {
    Q_OBJECT
   public:
    explicit TFormOperazioni(QWidget* parent = nullptr);
    ~TFormOperazioni() override;

    bool InCorso() const { return lungo_.InCorso(); }
    // Called at each progress step of a run, after the gauge moved (tests act mid-run).
    std::function<void(int percento)> DopoAvanzamento;

   private:
    void Cerca(QLineEdit* campo, bool salva);
    void OkClick();
    void AnnullaClick();
    void closeEvent(QCloseEvent* e) override;
    void reject() override;

    TModelloOperazioni modello_;
    TLungaElaborazione lungo_;
    QLineEdit *sorgente1_, *sorgente2_, *destinazione_;
    QRadioButton *or_, *and_, *xor_;
    QProgressBar* gauge_;
    QPushButton *ok_, *annulla_;
    QList<QWidget*> scelte_;  // the files and the operation
};

}  // namespace morella::ui
