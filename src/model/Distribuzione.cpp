#include "Distribuzione.h"

#include "Gioco.h"

namespace morella {

int NumeroDistribuzioni()
{
    return Triangolare(NumEvents + 1);
}

int IndiceDistribuzione(const TDistribuzione& d)
{
    return Triangolare(NumEvents - d.n1) + d.nx;
}

TDistribuzione DistribuzioneDaIndice(int indice)
{
    int c = 0;
    while (Triangolare(c) < indice) ++c;
    TDistribuzione d;
    if (Triangolare(c) == indice) {
        d.n1 = NumEvents - c;
        d.nx = 0;
    } else {
        d.n1 = NumEvents - (c - 1);
        d.nx = indice - Triangolare(c - 1);
    }
    d.n2 = NumEvents - d.n1 - d.nx;
    return d;
}

std::string TestoDistribuzione(int indice)
{
    TDistribuzione d = DistribuzioneDaIndice(indice);
    return " " + std::to_string(d.n1) + "-" + std::to_string(d.nx) + "-" + std::to_string(d.n2);
}

std::optional<int> DistribuzioneDaTesto(std::string_view testo)
{
    int numeri[3] = {0, 0, 0};
    int cifre[3] = {0, 0, 0};
    int k = 0;
    for (char c : testo) {
        if (c == ' ') continue;
        if (c == '-') {
            if (++k > 2) return std::nullopt;
        } else if (c >= '0' && c <= '9') {
            if (++cifre[k] > 2) return std::nullopt;
            numeri[k] = numeri[k] * 10 + (c - '0');
        } else {
            return std::nullopt;
        }
    }
    if (k != 2 || cifre[0] == 0 || cifre[1] == 0 || cifre[2] == 0) return std::nullopt;
    if (numeri[0] + numeri[1] + numeri[2] != NumEvents) return std::nullopt;
    return Triangolare(NumEvents - numeri[0]) + numeri[1];
}

}  // namespace morella
