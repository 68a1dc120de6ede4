// The small dialogs of the system and program settings: comment, participants, the
// development settings "Impostazioni Di Sviluppo" and "Costo Colonna". Each is made on the
// stack for one use, filled from the document, run through the services' modal loop, and
// on OK hands its controls to the core, which decides.
#pragma once

#include <QDialog>

#include "Sistema.h"

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;
class QSpinBox;

namespace morella::ui {

class TFormCommento : public QDialog {
    Q_OBJECT
   public:
    TFormCommento(TSistema& sistema, QWidget* parent = nullptr);
    void accept() override;
    static int Esegui(TSistema& sistema, QWidget* padre);

   private:
    TSistema& sistema_;
    QPlainTextEdit* memo_;
};

class TFormPartecipanti : public QDialog {
    Q_OBJECT
   public:
    TFormPartecipanti(TSistema& sistema, QWidget* parent = nullptr);
    // Stays open with the core's message when the names do not match the number.
    void accept() override;
    static int Esegui(TSistema& sistema, QWidget* padre);

   private:
    TSistema& sistema_;
    QSpinBox* numero_;
    QPlainTextEdit* nomi_;
};

class TFormImpostazioni : public QDialog {
    Q_OBJECT
   public:
    TFormImpostazioni(TSistema& sistema, QWidget* parent = nullptr);
    void accept() override;
    static int Esegui(TSistema& sistema, QWidget* padre);
    TImpostazioniSviluppo Lette() const;

   private:
    void Abilita();

    TSistema& sistema_;
    bool toccato_ = false;
    QRadioButton* pronostico_;
    QRadioButton* file_;
    QLineEdit* sorgente_;
    QCheckBox* condizioni_;
    QCheckBox* autoriduzione_;
    QCheckBox* salva_;
    QCheckBox* percentuali_;
    QRadioButton* accurata_;
    QRadioButton* veloce_;
    QRadioButton* ottimizzata_;
    QSpinBox* tempo_;
    QRadioButton* n1_;
    QRadioButton* n2_;
    QLineEdit* destinazione_;
};

class TFormCostoColonna : public QDialog {
    Q_OBJECT
   public:
    TFormCostoColonna(TSistema& sistema, QWidget* parent = nullptr);
    void accept() override;
    static int Esegui(TSistema& sistema, QWidget* padre);

   private:
    void MostraValuta();

    TSistema& sistema_;
    QRadioButton* lire_;
    QRadioButton* euro_;
    QSpinBox* costo_;
    QLineEdit* costoEuro_;
};

// Lines of a multi-line editor; trailing empty lines are not lines the player meant.
std::vector<std::string> RigheDiTesto(const QString& testo);

}  // namespace morella::ui
