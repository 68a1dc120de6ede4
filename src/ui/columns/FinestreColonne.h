// The columns area's one registration: the viewer, the file operations and the checking,
// from memory and from a file, as entries of the window registry.
#pragma once

namespace morella::ui {
void RegistraFinestreColonne();
}
