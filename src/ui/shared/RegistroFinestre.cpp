// The one registry of windows opened by role; filled before the main window is built.
#include "RegistroFinestre.h"

namespace morella::ui {
TRegistroFinestre& RegistroFinestre()
{
    static TRegistroFinestre registro;
    return registro;
}

TAvvisiSistema& AvvisiSistema()
{
    static TAvvisiSistema avvisi;
    return avvisi;
}
}  // namespace morella::ui
