// The one registry of the windows that other windows open by role. Each area of the desktop
// layer fills its slots from one registration function of its own (RegistraFinestre calls
// them all at start-up), so a window compiles and runs without the others: a command stays
// disabled while its slot is empty.
#pragma once
#include <QObject>
#include <functional>
#include <map>
#include <string>

class QWidget;
namespace morella {
class TSistema;
class TCondizione;
}  // namespace morella

namespace morella::ui {

// What a command of the main window works on.
struct TContestoComando {
    morella::TSistema& Sistema;
    QWidget* Finestra;  // the main window: parent of what the command opens
    // Refreshes the main window (coupon, status line, enabled commands) after the command
    // changed the document, for windows that stay open and change it later.
    std::function<void()> Aggiorna;
};

struct TRegistroFinestre {
    std::function<void(morella::TSistema&, QWidget*)> sviluppo;     // "&Calcolo Colonne"
    std::function<void(morella::TSistema&, QWidget*)> possibilita;  // winning possibilities
    // "Stampa" of the winning possibilities: a preview first, then the printer.
    std::function<void(const morella::TSistema&, QWidget*)> stampaPossibilita;
    // A condition editor's "Archivio" (its history over the archive) and "Analisi" (its
    // statistical analysis); the buttons stay disabled while these are empty.
    std::function<void(morella::TCondizione&, QWidget*)> archivioCondizione;
    std::function<void(morella::TCondizione&, QWidget*)> analisiCondizione;
    // The coupon editor's "Archivio" (the prediction over the archive) and "Analisi".
    std::function<void(morella::TSistema&, QWidget*)> archivioSchedina;
    std::function<void(morella::TSistema&, QWidget*)> analisiSchedina;
    // The main window's commands whose windows live in other areas, by the component name of
    // their menu item ("VisDaMemoria1", "Editazione1", "TaraturaStampante1", ...). A toolbar
    // button runs the item it stands for. An item without an entry stays disabled.
    std::map<std::string, std::function<void(TContestoComando&)>, std::less<>> comandi;
    // The system the main window shows, while it lives: the windows a condition editor opens
    // read its search settings (the editor knows only its condition and the system's data).
    morella::TSistema* sistemaAperto = nullptr;
};
TRegistroFinestre& RegistroFinestre();

// Says to the windows that stay open (the checking, the viewers) that the system they look
// at was replaced or its conditions changed: New, Load, a condition editor's OK, a new
// development. A window that holds references into the document connects to SistemaCambiato
// with itself as context and drops or redoes what it shows.
class TAvvisiSistema : public QObject {
    Q_OBJECT
   signals:
    void SistemaCambiato();
};
TAvvisiSistema& AvvisiSistema();

// Every area's registration, in one call (the program's start-up).
void RegistraFinestre();
}  // namespace morella::ui
