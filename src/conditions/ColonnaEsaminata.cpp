#include "ColonnaEsaminata.h"

namespace morella {

namespace {

constexpr std::array<std::uint8_t, 1u << 13> CostruisciBlocchi()
{
    std::array<std::uint8_t, 1u << 13> t{};
    for (unsigned m = 0; m < t.size(); ++m) {
        int corrente = 0, massimo = 0;
        for (int i = 0; i < 13; ++i) {
            corrente = (m >> i) & 1u ? corrente + 1 : 0;
            if (corrente > massimo) massimo = corrente;
        }
        t[m] = static_cast<std::uint8_t>(massimo);
    }
    return t;
}

// The walk over a range of events, run by run, exactly as the even/odd condition judges
// it: every time a run ends its length decides whether it counts and whether the streak
// of counted runs goes on.
constexpr std::array<std::uint16_t, 1u << 14> CostruisciPariDispari()
{
    std::array<std::uint16_t, 1u << 14> t{};
    for (unsigned chiave = 2; chiave < t.size(); ++chiave) {
        int lunghezza = 13;
        while (!((chiave >> lunghezza) & 1u)) --lunghezza;
        int valore[2] = {0, 0}, serie[2] = {0, 0}, massimo[2] = {0, 0};  // [0] odd, [1] even
        auto giudica = [&](int l) {
            for (int p = 0; p < 2; ++p) {
                const bool conta = p == 0 ? (l % 2 == 1) : (l % 2 == 0);
                if (conta) {
                    ++valore[p];
                    ++serie[p];
                    if (serie[p] > massimo[p]) massimo[p] = serie[p];
                } else {
                    serie[p] = 0;
                }
            }
        };
        int l = 1;
        for (int j = 1; j < lunghezza; ++j) {
            if ((chiave >> j) & 1u) {
                giudica(l);
                l = 1;
            } else {
                ++l;
            }
        }
        giudica(l);
        t[chiave] =
            static_cast<std::uint16_t>(valore[0] | massimo[0] << 4 | valore[1] << 8 | massimo[1] << 12);
    }
    return t;
}

}  // namespace

// Built by the compiler. The parity table is too long a computation for some compilers'
// constant evaluation, so it is filled when the program starts; nothing measures a column
// before that.
constexpr std::array<std::uint8_t, 1u << 13> BloccoPiuLungo = CostruisciBlocchi();
const std::array<std::uint16_t, 1u << 14> RunPariDispari = CostruisciPariDispari();

}  // namespace morella
