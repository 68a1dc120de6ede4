// The main window: the coupon editor on its panel over the tiled background, the menu bar,
// the toolbar and the status line. It owns no data: it copies the editor into the system
// after every edit, copies the system back after New and Load, keeps the commands' enabled
// state in step with the document, and runs every command, showing any failure once.
#pragma once

#include <QMainWindow>
#include <QPixmap>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "ArgomentiAiuto.h"
#include "DocumentoSchedina.h"
#include "Sistema.h"

class QLabel;
class QMenu;

namespace morella::ui {

class TEditSchedina;
class TBarraStato;

// The tiled background with the editor's panel centred on it.
class TSfondo : public QWidget {
    Q_OBJECT
   public:
    explicit TSfondo(QWidget* parent = nullptr);
    void ImpostaImmagine(const QPixmap& p);
    QWidget* Pannello() const { return pannello_; }
    void CentraPannello();
    // Told the background's new size before the panel is centred on it.
    std::function<void(QSize)> Ridimensionato;

   protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;

   private:
    QPixmap immagine_;
    QWidget* pannello_;
};

class TFormPrinc : public QMainWindow {
    Q_OBJECT
   public:
    // larghezzaSchermo: the screen width that decides the compact editor (0: the real screen's).
    TFormPrinc(TSistema& sistema, QWidget* parent = nullptr, int larghezzaSchermo = 0);

    TSistema& Sistema() { return sistema_; }
    TEditSchedina* Editor() const { return editor_; }
    // A menu item or toolbar button by its component name.
    QAction* Azione(const QString& nome) const;
    QMenu* MenuCondizioni() const { return menuCondizioni_; }
    // Component names of the items whose windows this build does not have yet.
    QStringList ComandiInAttesa() const;

    // The steps of the first showing: enabled state, editor into the system, modified
    // cleared, merging check mark, then the system file named on the command line.
    void PrimoShow(const std::string& fileArgomento);
    void AggiornaAbilitazioni();
    void AggiornaStatusLine();
    // Document into the editor (after New, Load, Save As).
    void ImpostaTutto();
    // Editor into the document (after every edit).
    void AcquisisceTutto();
    // Loads the background picture of the configuration; false (and no picture) on failure.
    bool CaricaSfondo();
    // Gives the coupon the pitch that fits an area of that size (the background's).
    void AdattaSchedina(QSize area);

    // The commands, one per menu item.
    void New1Click();
    void CaricaClick();
    bool Save1Click();  // false when the player gave up choosing a name
    bool SalvaComeClick();
    void CancellaClick();
    void CommentoClick();
    void Soci1Click();
    void ImpostazioneSvClick();
    void CalcoloColonne1Click();
    void AnalisiRidotto1Click();
    void StampaProspettoClick();
    void SalvasuDisco1Click();
    void AccorpamentoautomaticoClick();
    void CostoColonnaClick();
    void MotivoDiSfondo1Click();
    void CondizioneClick(int slot);
    void AggiornaSegniCondizioni();

   protected:
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

   private:
    // Runs a command; a failure of the core is shown once by the error display.
    void Esegui(const std::function<void()>& comando);
    QAction* Voce(QMenu* menu, const char* nome, const QString& testo, const QKeySequence& tasto, int aiuto,
                  std::function<void()> comando);
    // voce: the menu item whose registered command a button without its own command runs.
    QAction* Pulsante(const char* nome, const QString& suggerimento, std::function<void()> comando,
                      const char* voce = nullptr);
    void Collega(QAction* a, const char* comandoRegistrato, std::function<void()> comando);
    bool InAttesa(QAction* a) const;
    // After a registered command: the document may have changed under the window.
    void DopoComando();
    void CreaMenu();
    void CreaToolbar();
    void Abilita(const char* nome, bool stato);

    TSistema& sistema_;
    TDocumentoSchedina documento_{sistema_};
    TEditSchedina* editor_;
    TSfondo* sfondo_;
    TBarraStato* barra_;
    QMenu* menuCondizioni_ = nullptr;
    std::map<QAction*, std::string> registrati_;  // items run through the registry
    std::vector<std::string> avvisi_;             // shown once the window is on screen
};

}  // namespace morella::ui
