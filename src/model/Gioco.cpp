#include "Gioco.h"

namespace morella {

int Gioco = GiocoTotip;
int NumEvents = 12;

int EventiDelGioco(int gioco)
{
    return gioco == GiocoToto ? 13 : 12;
}

void ImpostaGioco(int gioco)
{
    Gioco = (gioco == GiocoToto || gioco == GiocoEnalotto) ? gioco : GiocoTotip;
    NumEvents = EventiDelGioco(Gioco);
}

int DimensioneRecordColonna()
{
    return Gioco == GiocoTotip ? DimensioneColonna : NumEvents;
}

}  // namespace morella
