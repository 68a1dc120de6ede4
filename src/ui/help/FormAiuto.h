// The help window: the program's help pages, one HTML file per topic number in the help
// folder of the program directory. A topic without its page shows a page naming the topic,
// never an empty box. Also the about box.
#pragma once

#include <QDialog>
#include <string>

class QTextBrowser;

namespace morella::ui {

// Program directory + "/Help/<topic>.html".
std::string PaginaAiuto(int argomento);

class TFormAiuto : public QDialog {
    Q_OBJECT
   public:
    explicit TFormAiuto(QWidget* parent = nullptr);
    void MostraArgomento(int argomento);
    int Argomento() const { return argomento_; }
    QString TestoMostrato() const;

    // The one help window of the run, shown at a topic (not modal).
    static void Apri(QWidget* padre, int argomento);

   private:
    QTextBrowser* browser_;
    int argomento_ = 0;
};

// The about box, modal.
void MostraInformazioniSu(QWidget* padre);

}  // namespace morella::ui
