#include "FabbricaCondizioni.h"

#include "ColonnaFiltro.h"
#include "Consecutivita.h"
#include "FormuleDerivate.h"
#include "GruppoCondizioni.h"
#include "Interruzioni.h"
#include "Modulo.h"
#include "NumeroSegni.h"
#include "PariDispari.h"
#include "Percentuali.h"
#include "PuntiTra.h"
#include "Quadro.h"
#include "Ripetizioni.h"
#include "Sequele.h"
#include "Simmetrie.h"
#include "Valori.h"
#include "Vortice.h"

namespace morella {

std::unique_ptr<TCondizione> CreaCondizione(int tipo, TElencoCondizioni* elenco)
{
    switch (tipo) {
        case TipoNumeroSegni:
            return std::make_unique<TNumeroSegni>(elenco);
        case TipoPariDispari:
            return std::make_unique<TPariDispari>(elenco);
        case TipoInterruzioni:
            return std::make_unique<TInterruzioni>(elenco);
        case TipoVortice:
            return std::make_unique<TVortice>(elenco);
        case TipoSimmetrie:
            return std::make_unique<TSimmetrie>(elenco);
        case TipoFormuleDerivate:
            return std::make_unique<TFormuleDerivate>(elenco);
        case TipoModulo:
            return std::make_unique<TModulo>(elenco);
        case TipoRipetizioni:
            return std::make_unique<TRipetizioni>(elenco);
        case TipoSequele:
            return std::make_unique<TSequele>(elenco);
        case TipoValori:
            return std::make_unique<TValori>(elenco);
        case TipoPercentuali:
            return std::make_unique<TPercentuali>(elenco);
        case TipoGruppoConsecutivita:
        case TipoGruppoSequele:
        case TipoGruppoValori:
        case TipoGruppoPercentuali:
        case TipoGruppoColonneFiltro:
            return std::make_unique<TGruppoCondizioni>(static_cast<TipoCondizione>(tipo), elenco);
        case TipoQuadro:
            return std::make_unique<TQuadro>(elenco);
        case TipoConsecutivita:
            return std::make_unique<TConsecutivita>(elenco);
        case TipoPuntiTra:
            return std::make_unique<TPuntiTra>(elenco);
        case TipoColonnaFiltro:
            return std::make_unique<TColonnaFiltro>(elenco);
        default:
            return nullptr;
    }
}

}  // namespace morella
