// Money as the player reads it. Amounts are whole numbers of the currency's smallest unit
// (lire, or euro cents), never floating point, so a cost multiplied by half a million
// columns stays exact.
#pragma once

#include <cstdint>
#include <string>

namespace morella {

// The currency of the costs; its value is the byte kept in "Morella.cfg".
enum class TValuta : std::uint8_t { Lire = 0, Euro = 1 };

// "£ 1036800" in lire, "€ 2916,00" in euro (the amount in cents, two decimals after a comma).
// With two participants or more the amount is each one's share followed by " 1/" and their
// number: "£ 518400 1/2", "€ 1458,00 1/2"; a share is cut to the smallest unit.
std::string TestoImporto(std::int64_t importo, TValuta valuta, int partecipanti = 1);

}  // namespace morella
