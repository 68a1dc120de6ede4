// The one registry of the windows that other windows open by role. Each area of the desktop
// layer fills its slots from one registration function of its own (RegistraFinestre calls
// them all at start-up), so a window compiles and runs without the others: a command stays
// disabled while its slot is empty.
#pragma once
#include <functional>

class QWidget;
namespace morella {
class TSistema;
class TCondizione;
}  // namespace morella

namespace morella::ui {
struct TRegistroFinestre {
    std::function<void(morella::TSistema&, QWidget*)> sviluppo;     // "&Calcolo Colonne"
    std::function<void(morella::TSistema&, QWidget*)> possibilita;  // winning possibilities
    // "Stampa" of the winning possibilities: a preview first, then the printer.
    std::function<void(const morella::TSistema&, QWidget*)> stampaPossibilita;
    // A condition editor's "Archivio" (its history over the archive) and "Analisi" (its
    // statistical analysis); the buttons stay disabled while these are empty.
    std::function<void(morella::TCondizione&, QWidget*)> archivioCondizione;
    std::function<void(morella::TCondizione&, QWidget*)> analisiCondizione;
};
TRegistroFinestre& RegistroFinestre();

// Every area's registration, in one call (the program's start-up).
void RegistraFinestre();
}  // namespace morella::ui
