#include "TipiCondizione.h"

namespace morella {

bool TipoValido(int tipo)
{
    return (tipo >= 1 && tipo <= 15) || tipo == 34 || (tipo >= 36 && tipo <= 39);
}

TipoCondizione TipoElementoDelGruppo(int tipo)
{
    switch (tipo) {
        case TipoGruppoConsecutivita:
            return TipoConsecutivita;
        case TipoGruppoSequele:
            return TipoSequele;
        case TipoGruppoValori:
            return TipoValori;
        case TipoGruppoPercentuali:
            return TipoPercentuali;
        case TipoGruppoColonneFiltro:
            return TipoColonnaFiltro;
        default:
            return 0;
    }
}

std::string NomeDefault(int tipo)
{
    switch (tipo) {
        case 1:
            return "Numero Di Segni";
        case 2:
            return "Pari e Dispari";
        case 3:
            return "Vortice";
        case 4:
            return "Simmetrie";
        case 5:
            return "Interruzioni";
        case 6:
            return "Formule Derivate";
        case 7:
            return "Ripetizioni";
        case 8:
            return "Gruppo Consecutività";
        case 9:
            return "Gruppo Sequele";
        case 10:
            return "Gruppo Valori";
        case 11:
            return "Gruppo Percentuali";
        case 12:
            return "Gr. Colonne Filtro";
        case 13:
            return "Quadro";
        case 14:
            return "Modulo";
        case 15:
            return "Punti Tra";
        case 34:
            return "Sequele";
        case 36:
            return "Valori";
        case 37:
            return "Percentuali";
        case 38:
            return "Consecutività";
        case 39:
            return "Colonna Filtro";
        default:
            return {};
    }
}

}  // namespace morella
