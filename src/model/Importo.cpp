#include "Importo.h"

namespace morella {

namespace {

std::string Cifre(std::int64_t importo, TValuta valuta)
{
    if (valuta != TValuta::Euro) return std::to_string(importo);
    const bool negativo = importo < 0;
    const std::uint64_t assoluto =
        negativo ? 0 - static_cast<std::uint64_t>(importo) : static_cast<std::uint64_t>(importo);
    const std::uint64_t centesimi = assoluto % 100;
    return (negativo ? "-" : "") + std::to_string(assoluto / 100) + (centesimi < 10 ? ",0" : ",") +
           std::to_string(centesimi);
}

}  // namespace

std::string TestoImporto(std::int64_t importo, TValuta valuta, int partecipanti)
{
    const std::string simbolo = valuta == TValuta::Euro ? "€ " : "£ ";
    if (partecipanti < 2) return simbolo + Cifre(importo, valuta);
    return simbolo + Cifre(importo / partecipanti, valuta) + " 1/" + std::to_string(partecipanti);
}

}  // namespace morella
