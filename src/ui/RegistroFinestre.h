// The windows the main window opens through a registry, so that it needs no header of theirs:
// each group of windows fills its entries at start-up.
#pragma once

#include <functional>

class QWidget;

namespace morella {
class TSistema;
}

namespace morella::ui {

struct TRegistroFinestre {
    std::function<void(TSistema&, QWidget*)> sviluppo;     // "&Calcolo Colonne"
    std::function<void(TSistema&, QWidget*)> possibilita;  // winning possibilities
};

TRegistroFinestre& RegistroFinestre();

}  // namespace morella::ui
