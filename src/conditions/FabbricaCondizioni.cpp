#include "FabbricaCondizioni.h"

#include "Consecutivita.h"
#include "GruppoCondizioni.h"
#include "Interruzioni.h"
#include "NumeroSegni.h"
#include "PariDispari.h"

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
        case TipoGruppoConsecutivita:
        case TipoGruppoSequele:
        case TipoGruppoValori:
        case TipoGruppoPercentuali:
        case TipoGruppoColonneFiltro:
            return std::make_unique<TGruppoCondizioni>(static_cast<TipoCondizione>(tipo), elenco);
        case TipoConsecutivita:
            return std::make_unique<TConsecutivita>(elenco);
        default:
            return nullptr;
    }
}

}  // namespace morella
