// The toolbar's pictures, drawn in code so the program needs no image files for them; and
// the pictures the program does read from files.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>
#include <string>

namespace morella::ui {
// The picture of a toolbar button by its component name; an empty icon for unknown names.
QIcon IconaPulsante(const QString& nome);

// A picture file read by the readers' rule (a regular file of bounded size: a FIFO or a
// device never stalls the program), decoded from its bytes. False, with `immagine` null,
// when the file cannot be read or is no picture.
bool CaricaImmagine(QPixmap& immagine, const std::string& file);
}  // namespace morella::ui
