// "Condizioni Sbagliate": which conditions of the system a winning column breaks, with
// "Pronostico" first when the column lies outside the base prediction.
#pragma once

#include <string>
#include <vector>

#include "Sistema.h"

namespace morella {

inline constexpr const char* VocePronostico = "Pronostico";

// One line of "Condizioni Sbagliate": the name shown and the condition it opens (none for
// "Pronostico"). The condition belongs to the system: it lives only until the system's
// conditions are replaced (New, Load, an editor's OK, a development).
struct TVoceSbagliata {
    std::string Nome;
    TCondizione* Condizione = nullptr;
};
std::vector<TVoceSbagliata> EsaminaVincente(TSistema& sistema, const TColonna& vincente);

// Runs the conditions in collecting mode on the winning column: every condition is tested
// and every failing one is listed once, in slot order (a group lists its failing elements).
std::vector<std::string> CondizioniSbagliate(TSistema& sistema, const TColonna& vincente);

}  // namespace morella
