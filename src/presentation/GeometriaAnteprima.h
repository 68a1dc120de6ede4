// How big the print preview opens: a page must be readable and the preview's toolbar whole
// (its print button included), so on a small screen it takes the whole screen, elsewhere most
// of it.
#pragma once

namespace morella {

struct TGeometriaAnteprima {
    bool Massimizzata = false;
    int Larghezza = 0, Altezza = 0;  // when not maximised
};

// The screen's available size in pixels.
TGeometriaAnteprima GeometriaAnteprima(int larghezzaSchermo, int altezzaSchermo);

}  // namespace morella
