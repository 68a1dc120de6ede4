#include "Modulo.h"

#include <array>
#include <cmath>

#include "Link.h"

namespace morella {

namespace {

// Every count of signs a column can hold, worked out once: the hot loop only counts bits
// and looks the roots up.
constexpr int QuadratoMassimo = MaxEventi * 16;

struct TRadici {
    std::array<std::uint8_t, QuadratoMassimo + 1> Somma{};
    std::array<std::array<std::uint8_t, MaxEventi + 1>, MaxEventi + 1> Prodotto{};  // [nX][n2]

    TRadici()
    {
        for (int s = 0; s <= QuadratoMassimo; ++s)
            Somma[static_cast<std::size_t>(s)] =
                static_cast<std::uint8_t>(std::lround(std::sqrt(static_cast<double>(s))));
        for (int x = 0; x <= MaxEventi; ++x)
            for (int d = 0; d + x <= MaxEventi; ++d) {
                // Products of small integers are exact in a double, whatever the order.
                const double p = std::pow(2.0, x) * std::pow(3.0, d);
                Prodotto[static_cast<std::size_t>(x)][static_cast<std::size_t>(d)] =
                    static_cast<std::uint8_t>(std::lround(std::sqrt(std::sqrt(p))));
            }
    }
};

const TRadici Radici;

}  // namespace

int ModuloSomma(int n1, int nX, int n2)
{
    const int s = n1 + 4 * nX + 16 * n2;
    return s >= 0 && s <= QuadratoMassimo ? Radici.Somma[static_cast<std::size_t>(s)] : 0;
}

int ModuloProdotto(int nX, int n2)
{
    if (nX < 0 || n2 < 0 || nX + n2 > MaxEventi) return 0;
    return Radici.Prodotto[static_cast<std::size_t>(nX)][static_cast<std::size_t>(n2)];
}

TModulo::TModulo(TElencoCondizioni* elenco)
    : TCondizioneATabelle(TipoModulo, elenco,
                          {TTabellaValori(MassimoSomma, false), TTabellaValori(MassimoProdotto, false)},
                          {MassimoSomma, MassimoProdotto})
{
}

std::string TModulo::Didascalia(int i) const
{
    return i == TabellaSomma ? "Modulo Somma" : i == TabellaProdotto ? "Modulo Prodotto" : "";
}

void TModulo::Misura(const TColonnaEsaminata& c, TMisura* misure) const
{
    const auto& somma = tabelle_[TabellaSomma];
    const auto& prodotto = tabelle_[TabellaProdotto];
    TMaschera campo = MascheraEventi(somma.DaEvento, somma.AEvento);
    misure[TabellaSomma] = {
        ModuloSomma(ContaBit(c.Segni[0] & campo), ContaBit(c.Segni[1] & campo), ContaBit(c.Segni[2] & campo)),
        0};
    campo = MascheraEventi(prodotto.DaEvento, prodotto.AEvento);
    misure[TabellaProdotto] = {ModuloProdotto(ContaBit(c.Segni[1] & campo), ContaBit(c.Segni[2] & campo)), 0};
}

bool TModulo::Verifica(const TColonnaEsaminata& c)
{
    TMisura m[2];
    Misura(c, m);
    if (TSommeTra* somme = SommeTraAttive())
        for (std::size_t t = 0; t < 2; ++t) tabelle_[t].SommaTra(m[t].Valore, 0, *somme);
    TElencoLink* link = Link();
    for (std::size_t t = 0; t < 2; ++t)
        if (!tabelle_[t].Ammette(m[t].Valore, 0, link)) return false;
    return true;
}

}  // namespace morella
