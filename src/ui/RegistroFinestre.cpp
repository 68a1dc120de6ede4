#include "RegistroFinestre.h"

namespace morella::ui {

TRegistroFinestre& RegistroFinestre()
{
    static TRegistroFinestre registro;
    return registro;
}

}  // namespace morella::ui
