// The one registry of windows opened by role; filled before the main window is built.
#include "RegistroFinestre.h"

namespace morella::ui {
TRegistroFinestre& RegistroFinestre()
{
    static TRegistroFinestre registro;
    return registro;
}
}  // namespace morella::ui
