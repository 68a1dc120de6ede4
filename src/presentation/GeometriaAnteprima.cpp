#include "GeometriaAnteprima.h"

#include <algorithm>

namespace morella {

TGeometriaAnteprima GeometriaAnteprima(int larghezzaSchermo, int altezzaSchermo)
{
    // Below this the toolbar of the preview does not fit beside a readable page.
    constexpr int LarghezzaPiena = 1024, AltezzaPiena = 768;
    if (larghezzaSchermo < LarghezzaPiena || altezzaSchermo < AltezzaPiena) return {true, 0, 0};
    // Four fifths of the screen, never narrower than the toolbar needs.
    return {false, std::max(LarghezzaPiena * 9 / 10, larghezzaSchermo * 4 / 5),
            std::max(AltezzaPiena * 9 / 10, altezzaSchermo * 4 / 5)};
}

}  // namespace morella
