// "Adatta" of the panel editor: filter columns written relative to a prototype (the panel's
// first filter column, whose events are 0, a double or a triple) are rewritten onto the
// doubles and triples of the prediction the player selected; the prototype then goes away.
#pragma once

#include <string>

#include "Colonna.h"
#include "ColonnaEsaminata.h"
#include "Quadro.h"

namespace morella {

enum class TEsitoAdatta { Fatto, SenzaPrototipo, NonCoincidono };

inline constexpr const char* MessaggioSenzaPrototipo = "Impossibile Trovare la Colonna Prototipo.";
inline constexpr const char* MessaggioNonCoincidono =
    "Il Numero di Doppie e Triple Selezionate non Coincidono con quelle Della Colonna Prototipo.";
// The message shown for a result other than Fatto (title "Informazione", button OK).
std::string MessaggioAdatta(TEsitoAdatta esito);

// The prediction with every event outside the selection (bit i-1 for event i) cleared.
TPronostico PronosticoMascherato(const TPronostico& pronostico, TMaschera selezionati);

// The prototype holds as many doubles and as many triples as the masked prediction, and no
// single.
bool PrototipoCoincide(const TColonna& prototipo, const TPronostico& mascherato);

// One filter column rewritten: the k-th triple of the prototype sends the filter's byte to
// the prediction's k-th triple; the k-th double sends the first (byte 1) or second (byte 2)
// sign of the prediction's k-th double, in the order "1", "X", "2", any other byte leaving
// the event empty. Everything else is 0, the Corsa + bytes included. Only for a prototype
// that PrototipoCoincide accepts.
TColonna AdattaColonna(const TColonna& prototipo, const TColonna& filtro, const TPronostico& mascherato);

// The whole command on a panel: the prototype is the first sub-condition of kind 39 in list
// order; every filter column after it, nested panels included (in place), is rewritten and
// the prototype deleted. The caller rebuilds the preset counts and redraws.
TEsitoAdatta AdattaColonneFiltro(TQuadro& quadro, const TPronostico& mascherato);

}  // namespace morella
