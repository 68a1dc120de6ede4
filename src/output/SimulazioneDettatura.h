// A dictation run without a sound card: what the player would say, word by word, for a range
// of schedine. The command-line tool prints it; it drives the same state machine the
// dictation window does, with a timer fired by hand and a player that only takes notes.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "Dettatura.h"

namespace morella {

struct TParolaDetta {
    std::string parola;  // the sign text, "1" to "1X2"
    TTrattoVoce tratto;  // the stretch of the voice file
    int schedina = 0;    // number of the schedina
    TCellaDetta cella;   // column and event in it
    bool operator==(const TParolaDetta&) const = default;
};

// Dictates schedine da..a (1-based, within the list) in the given order, resuming after every
// halt, until the dictation stops by itself. Empty events are silent and leave no word.
std::vector<TParolaDetta> SimulaDettatura(const std::vector<TSchedinaVin>& schedine, int da, int a,
                                          TOrdineDettatura ordine);
// The same run handing each word over as it is said, so that no list of them builds up.
void SimulaDettatura(const std::vector<TSchedinaVin>& schedine, int da, int a, TOrdineDettatura ordine,
                     const std::function<void(const TParolaDetta&)>& ricevi);

}  // namespace morella
