// Everything a window asks the player or shows outside itself goes through one object:
// the message box, the file dialogs, the modal loop of a dialog, the error display and the
// help window. The program uses the real ones; a test installs its own scripted set, so no
// test ever waits on a real modal loop.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "Domanda.h"

class QDialog;
class QWidget;

namespace morella {
class TTelaStampa;
}

namespace morella::ui {

// A print job: it draws its pages on the canvas it is given.
using TLavoroStampa = std::function<void(TTelaStampa&)>;

// A file dialog as the commands describe it.
struct TRichiestaFile {
    bool Salva = false;  // save dialog (else open)
    std::string Titolo;
    std::string Filtro;         // "Descrizione|*.Ext" as the commands give it
    std::string Estensione;     // default extension, without the dot
    std::string Cartella;       // starting folder
    std::string Nome;           // proposed name (may be empty)
    bool DeveEsistere = false;  // open dialogs: the file must exist
};

class TServiziUi {
   public:
    virtual ~TServiziUi() = default;
    // The program's message box; the bit of the button pressed, 0 when it was closed.
    virtual int Chiedi(QWidget* padre, const std::string& titolo, const std::string& testo, int pulsanti);
    // The chosen path with the default extension added, or nothing when cancelled.
    virtual std::optional<std::string> ScegliFile(QWidget* padre, const TRichiestaFile& richiesta);
    // Runs a modal dialog and returns its result (QDialog::Accepted or Rejected).
    virtual int EseguiDialogo(QDialog& dialogo);
    // The print preview and the print dialog, their modal loops run by EseguiDialogo; true
    // when the job was printed.
    bool AnteprimaEStampa(QWidget* padre, const TLavoroStampa& lavoro);
    bool StampaDiretta(QWidget* padre, const TLavoroStampa& lavoro);
    // The one place where a failed command tells the player why.
    virtual void MostraErrore(QWidget* padre, const std::string& messaggio);
    // Opens the help window at a topic.
    virtual void ApriAiuto(QWidget* padre, int argomento);
};

// The services in use; the real ones unless a test installed its own.
TServiziUi& Servizi();
// Installs other services (nullptr: back to the real ones). The caller keeps ownership.
void ImpostaServizi(TServiziUi* servizi);

// The question seam of the core answered by the program's message box.
class TDomandaUi : public TDomanda {
   public:
    explicit TDomandaUi(QWidget* padre) : padre_(padre) {}
    int Chiedi(const std::string& titolo, const std::string& testo, int pulsanti) override
    {
        return Servizi().Chiedi(padre_, titolo, testo, pulsanti);
    }

   private:
    QWidget* padre_;
};

// Qt's form of a "Descrizione|*.Ext" filter: "Descrizione (*.Ext)".
std::string FiltroQt(const std::string& filtro);

}  // namespace morella::ui
