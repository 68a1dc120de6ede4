// Covering codes built by construction for a whole product space: every position ranges over
// two or three values (a double or a triple of the prediction), and every word of the space
// must lie within the radius of some code word. Perfect and best-known small codes are joined
// by direct sums, where the radii add up and the sizes multiply.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace morella {

// One word: a digit 0..q-1 per position.
using TParolaCodice = std::vector<std::uint8_t>;

// A covering code of the given radius (1 or 2) over positions with the given alphabet sizes
// (2 or 3 each), as small as the known blocks allow; every word is distinct. Positions of
// size 1 are not allowed here: a single sign is the same in every column.
std::vector<TParolaCodice> CodiceRicoprente(const std::vector<int>& alfabeti, int raggio);

// Only the size CodiceRicoprente would reach (an upper bound when binary positions take
// ternary blocks, whose words may merge once mapped).
std::int64_t DimensioneCodiceRicoprente(int ternarie, int binarie, int raggio);

// A code over the same kind of positions by the matrix method (CodiciMatriciali.cpp), when
// one smaller than `daBattere` words turns up within `secondi`; empty otherwise. With
// passiPerTentativo >= 0 the attempts are counted instead of timed, so a run repeats exactly.
std::vector<TParolaCodice> CodiceMatriciale(const std::vector<int>& alfabeti, int raggio,
                                            std::int64_t daBattere, double secondi, std::uint64_t seme,
                                            const std::function<bool()>& interrompi,
                                            std::int64_t passiPerTentativo = -1);

// Words laid out as ternary positions first, then binary ones, back in the order of `alfabeti`;
// distinct words only.
std::vector<TParolaCodice> PosizioniDelChiamante(const std::vector<int>& alfabeti,
                                                 const std::vector<TParolaCodice>& interne);

int Potenza(int base, int esponente);

// The known blocks, for tests: ternary Hamming codes of length 4 and 13 (radius 1), the ternary
// Golay code of length 11 (radius 2), the 17-word code of length 6 (radius 2), the binary
// Hamming code of length 7 (radius 1).
std::vector<TParolaCodice> HammingTernario(int ridondanza);
std::vector<TParolaCodice> GolayTernario();
std::vector<TParolaCodice> Codice17();
std::vector<TParolaCodice> HammingBinario7();

// The largest distance from a word of the space to the nearest code word, by brute force.
int RaggioDiCopertura(const std::vector<TParolaCodice>& codice, const std::vector<int>& alfabeti);

}  // namespace morella
