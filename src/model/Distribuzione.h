// Sign distributions (N1, NX, N2) of a column and their running index, used by the
// conditions on the number of signs and by the lists that show distributions.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace morella {

struct TDistribuzione {
    int n1 = 0, nx = 0, n2 = 0;
    bool operator==(const TDistribuzione&) const = default;
};

// T(k) = 1 + 2 + ... + k.
constexpr int Triangolare(int k)
{
    return k * (k + 1) / 2;
}

// Number of distributions for the current number of events (91 for 12).
int NumeroDistribuzioni();

// index = T(NumEvents - N1) + NX
int IndiceDistribuzione(const TDistribuzione& d);
TDistribuzione DistribuzioneDaIndice(int indice);

// A blank, then N1-NX-N2 (" 6-3-3").
std::string TestoDistribuzione(int indice);
// Three decimal numbers separated by "-", blanks ignored; nothing when the text is not of that
// shape or the numbers do not add up to the number of events.
std::optional<int> DistribuzioneDaTesto(std::string_view testo);

}  // namespace morella
