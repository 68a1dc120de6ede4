// The game of this run and its number of events: two process-wide values that every
// loop over events reads. They are set once at start-up; tests switch them freely.
#pragma once

#include <cstdint>

namespace morella {

constexpr int GiocoToto = 1;
constexpr int GiocoEnalotto = 2;
constexpr int GiocoTotip = 3;

// Events never exceed thirteen (the football pool); a column record has room for them.
constexpr int MaxEventi = 13;
constexpr int DimensioneColonna = 14;

extern int Gioco;      // 1 Toto, 2 Enalotto, 3 Totip
extern int NumEvents;  // 13, 12 or 12

// Sets the game and its number of events together, so the two can never disagree.
void ImpostaGioco(int gioco);

// Size of one column record on disk: the whole 14 bytes for Totip (signs plus the
// Corsa + mask), the sign bytes alone for the other games.
int DimensioneRecordColonna();

// Events of a game kind (13 for Toto, 12 otherwise).
int EventiDelGioco(int gioco);

// How the events of a game are grouped wherever they are laid out for the eye (coupon rows,
// column cards, sign fields): the two placings of a horse race go together for Totip,
// football and Enalotto events go in threes.
constexpr int EventiPerGruppo(int gioco)
{
    return gioco == GiocoTotip ? 2 : 3;
}

}  // namespace morella
