// The column card: a narrow card that shows either a title written downwards or the signs
// of one column in small groups of events. This file says which text goes on which line;
// the widget draws the lines centred and highlights a selected card.
#pragma once

#include <string>
#include <vector>

#include "Colonna.h"

namespace morella {

struct TRigaCartella {
    std::string testo;
    int y = 0;  // top of the line, in pixels
    bool operator==(const TRigaCartella&) const = default;
};

struct TModelloPannelloCF {
    int Gioco = GiocoToto;
    int NumEvents = 13;
    int Tipo = 0;  // 0 title card, 1 column card
    std::string Testo;
    int FieldHeight = 50;
    int Numero = 0;
    int Start = 38;
    TColonna Colonna{};

    // The game sets the number of events with it.
    void ImpostaGioco(int gioco)
    {
        Gioco = gioco;
        NumEvents = EventiDelGioco(gioco);
    }

    // The lines of the card for a font whose lines are `altezzaRiga` pixels high. Tipo 0: one
    // character of Testo per line from Start. Tipo 1: the events in groups of three (two for
    // Totip), each group in its own band of FieldHeight pixels from Start, one event per line.
    std::vector<TRigaCartella> Righe(int altezzaRiga) const;
};

// The card's number, with at least two digits ("07").
std::string TestoNumeroCartella(int numero);

}  // namespace morella
