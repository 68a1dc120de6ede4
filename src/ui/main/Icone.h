// The toolbar's pictures, drawn in code so the program needs no image files for them.
#pragma once

#include <QIcon>
#include <QString>

namespace morella::ui {
// The picture of a toolbar button by its component name; an empty icon for unknown names.
QIcon IconaPulsante(const QString& nome);
}
