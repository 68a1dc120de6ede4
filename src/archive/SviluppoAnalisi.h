// The column development of an analysis: every column the system's source gives (its
// prediction in the development's order, or its source column file), each handed to the
// condition under analysis, with the progress and cancel of the "Analisi Colonnare" window.
#pragma once

#include <cstdint>

#include "Analisi.h"

namespace morella {

class TCondizione;
struct TDatiSistema;

struct TEsitoSviluppoAnalisi {
    bool Completata = false;
    std::int64_t Esaminate = 0;  // columns handed to the condition
    std::int64_t Totali = 0;     // columns of the prediction, or records of the file
};

// From the prediction: each event's signs in the order "1", "X", "2", the first event
// slowest, and for Totip the system's Corsa + in bytes 12 and 13; cancel is polled once per
// combination of the first nine events. From the source file: its records one by one until
// its end, cancel polled after each; a file that cannot be opened or ends in a partial
// record throws EErrore("Impossibile Completare lo Sviluppo."). Progress is reported only
// when it grew by more than 2 points.
TEsitoSviluppoAnalisi SviluppaPerAnalisi(const TDatiSistema& dati, TCondizione& condizione,
                                         TOsservatoreAnalisi& osservatore);

}  // namespace morella
