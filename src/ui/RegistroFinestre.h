// Windows built elsewhere in the desktop layer that the main window opens by role.
// Their own translation units fill the registry, so the main window compiles and
// runs without them (the command stays disabled while its slot is empty).
#pragma once
#include <functional>

class QWidget;
namespace morella {
class TSistema;
class TCondizione;
}

namespace morella::ui {
struct TRegistroFinestre {
    std::function<void(morella::TSistema&, QWidget*)> sviluppo;     // "&Calcolo Colonne"
    std::function<void(morella::TSistema&, QWidget*)> possibilita;  // winning possibilities
    // A condition editor's "Archivio" (its history over the archive) and "Analisi" (its
    // statistical analysis); the buttons stay disabled while these are empty.
    std::function<void(morella::TCondizione&, QWidget*)> archivioCondizione;
    std::function<void(morella::TCondizione&, QWidget*)> analisiCondizione;
};
TRegistroFinestre& RegistroFinestre();
}  // namespace morella::ui
