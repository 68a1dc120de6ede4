// The program's message box: a caption, a text beside an icon and any of four buttons
// chosen by bits (1 OK, 2 "Si", 4 No, 8 "Annulla"), shown in the order Si, OK, No, Annulla
// and spread evenly across the box. The result is the bit of the button pressed, 0 when
// the box was closed any other way.
#pragma once

#include <QDialog>
#include <string>

class QHBoxLayout;
class QLabel;
class QPushButton;

namespace morella::ui {

class TFormMessage : public QDialog {
    Q_OBJECT
   public:
    explicit TFormMessage(QWidget* parent = nullptr);

    void Prepara(const std::string& titolo, const std::string& testo, int pulsanti);
    // Modal; the bit of the button pressed or 0.
    int Esegui();
    // What the last showing returned (also when driven without a modal loop).
    int Risultato() const { return risultato_; }
    QString Testo() const;
    // The visible buttons from left to right.
    QList<QPushButton*> PulsantiVisibili() const;

   protected:
    void closeEvent(QCloseEvent* e) override;
    void reject() override;

   private:
    void Premuto(int bit);

    QHBoxLayout* pulsanti_;
    QLabel* icona_;
    QLabel* testo_;
    QPushButton* si_;
    QPushButton* ok_;
    QPushButton* no_;
    QPushButton* annulla_;
    int risultato_ = 0;
};

}  // namespace morella::ui
