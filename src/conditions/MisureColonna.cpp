#include "MisureColonna.h"

#include "FormuleDerivate.h"
#include "Interruzioni.h"
#include "Modulo.h"
#include "NumeroSegni.h"
#include "PariDispari.h"
#include "Simmetrie.h"

namespace morella {

TMisureColonna MisureColonna(const TColonna& colonna)
{
    const TColonnaEsaminata c(colonna);
    TMisureColonna r;
    TMisura m[6];

    TNumeroSegni().Misura(c, true, m);
    for (std::size_t s = 0; s < 3; ++s) r.NumeroSegni[s] = m[s];

    TPariDispari().Misura(c, true, m);
    r.Pari = m[TPariDispari::TabellaPari];
    r.Dispari = m[TPariDispari::TabellaDispari];

    TInterruzioni().Misura(c, true, m);
    r.InterruzioniGlobali = m[TInterruzioni::TabellaGlobali];
    for (std::size_t s = 0; s < 3; ++s) r.InterruzioniSegni[s] = m[s + 1].Valore;

    TSimmetrie().Misura(c, true, m);
    r.SimmetrieDirette = m[TSimmetrie::TabellaDirette];
    r.SimmetrieInverse = m[TSimmetrie::TabellaInverse];
    r.SimmetrieTotali = m[TSimmetrie::TabellaTotali].Valore;

    const TVortice vortice;
    r.VorticeDiretto = vortice.Cammina(c, false);
    r.VorticeInverso = vortice.Cammina(c, true);

    TModulo().Misura(c, m);
    r.ModuloSomma = m[TModulo::TabellaSomma].Valore;
    r.ModuloProdotto = m[TModulo::TabellaProdotto].Valore;

    r.FormulaDerivata = TFormuleDerivate().Formula(c);
    return r;
}

}  // namespace morella
