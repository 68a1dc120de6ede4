// What every desktop-layer test shares: scripted services (message box answers, file
// dialog answers, drivers for modal dialogs, captured errors and help topics) and a
// temporary program directory with the game of the test.
#pragma once

#include <QDialog>
#include <QPushButton>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "CartellaTemporanea.h"
#include "ServiziUi.h"

namespace morella::test {

struct TDomandaAttesa {
    std::string Titolo, Testo;
    int Pulsanti;
    int Risposta;  // a bit, or 0 for a box closed from its frame
};

class TServiziProva : public morella::ui::TServiziUi {
   public:
    TServiziProva();
    ~TServiziProva() override;

    // Script: the next message box must look like this and gets this answer.
    void AttendiDomanda(std::string titolo, std::string testo, int pulsanti, int risposta);
    // Script: the next file dialog returns this path (nothing: cancelled).
    void AttendiFile(std::optional<std::string> percorso);
    // Script: the next modal dialog is handed to this function instead of a modal loop; it
    // returns the dialog's result.
    void AttendiDialogo(std::function<int(QDialog&)> pilota);
    // Fails the test for every scripted answer nobody asked for (also done on destruction).
    void VerificaConsumate();

    int Chiedi(QWidget* padre, const std::string& titolo, const std::string& testo, int pulsanti) override;
    std::optional<std::string> ScegliFile(QWidget* padre,
                                          const morella::ui::TRichiestaFile& richiesta) override;
    int EseguiDialogo(QDialog& dialogo) override;
    void MostraErrore(QWidget* padre, const std::string& messaggio) override;
    void ApriAiuto(QWidget* padre, int argomento) override;

    std::vector<morella::ui::TRichiestaFile> RichiesteFile;
    std::vector<std::string> Errori;
    std::vector<int> Aiuti;
    std::vector<std::string> Titoli;  // titles of every dialog run

   private:
    std::deque<TDomandaAttesa> domande_;
    std::deque<std::optional<std::string>> file_;
    std::deque<std::function<int(QDialog&)>> dialoghi_;
};

// Pictures for a look by eye: the folder named by MORELLA_SCREENSHOTS (empty: none wanted).
QString CartellaSchermate();
// Shows the window, checks that it fits the screen and, when pictures are wanted, saves it
// as NOME_WxH.png (W x H the screen's size).
void Fotografa(QWidget& w, const QString& nome);

// Clicks the named button of a dialog driven without a modal loop and returns its result.
int Premi(QDialog& d, const char* pulsante);

// A program directory of its own with the working folders, and the game of the test.
class TProgrammaProva {
   public:
    explicit TProgrammaProva(int gioco = GiocoTotip);
    ~TProgrammaProva();
    std::string File(const std::string& nome) const { return dir_.File(nome); }
    const TCartellaTemporanea& Cartella() const { return dir_; }

   private:
    TCartellaTemporanea dir_;
    TGiocoTemporaneo gioco_;
    std::string vecchia_;
};

}  // namespace morella::test
