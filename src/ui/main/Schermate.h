// Pictures of the program's windows, for the README and for looking at every window at a
// given screen size: each window is shown, drawn into a PNG file and closed again.
#pragma once

#include <QString>

class QWidget;

namespace morella::ui {
class TApplicazione;

// Writes one PNG of a widget; false when the file could not be written.
bool SalvaSchermata(QWidget& finestra, const QString& file);
// The main window and the dialogs it opens, into the folder (names like "main.png").
// Returns the number of pictures written.
int ScattaSchermate(TApplicazione& app, const QString& cartella);
}  // namespace morella::ui
