// The autoreduction exactly as first written: a singly linked list walked from the head for
// every question, the working marks in the upper bits of the sign bytes. Slow on purpose; the
// tests hold the real engines to its results. Also a helper that develops a prediction.
#pragma once

#include "Autoriduzione.h"
#include "ListaColonne.h"
#include "PossibilitaVincita.h"

namespace morella::test {

TEsitoRiduzione AutoriduciLetterale(TListaColonne& lista, int garanzia, bool accurata,
                                    bool calcoloPercentuali, T_ListaTipiDiVincite* possibilita,
                                    const TPronostico& pronostico, TOsservatoreRiduzione* oss = nullptr);

// Every single column of the prediction in development order (event 1 slowest; "1", "X",
// "2"), with the given Corsa + mask in bytes 12-13 for Totip.
TListaColonne SviluppaPronostico(const TPronostico& pronostico, TMascheraCorsaPiu corsaPiu = 0);

}  // namespace morella::test
