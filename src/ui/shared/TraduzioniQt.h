// Qt's own texts in Italian: the buttons and captions of the standard dialogs (file choice,
// print, print preview) and of the standard buttons. The program's own captions are Italian
// already and are not touched.
#pragma once

#include <QTranslator>
#include <memory>
#include <vector>

namespace morella::ui {

// Installs the Italian translations of Qt that are present on this machine; the translators
// stay in force while the returned objects live. Empty when none could be loaded (the
// standard dialogs then speak Qt's own English).
std::vector<std::unique_ptr<QTranslator>> CaricaTraduzioniQt();

}  // namespace morella::ui
