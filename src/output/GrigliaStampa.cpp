#include "GrigliaStampa.h"

#include <numeric>

namespace morella {

TGrigliaStampa::TGrigliaStampa(int colonne, int righe, int larghezza, int altezza)
    : Larghezze(static_cast<std::size_t>(colonne), larghezza),
      Altezze(static_cast<std::size_t>(righe), altezza),
      Celle(static_cast<std::size_t>(righe), std::vector<std::string>(static_cast<std::size_t>(colonne)))
{
}

std::string& TGrigliaStampa::Cella(int riga, int colonna)
{
    if (Celle.size() <= static_cast<std::size_t>(riga)) Celle.resize(static_cast<std::size_t>(riga) + 1);
    auto& r = Celle[static_cast<std::size_t>(riga)];
    if (r.size() <= static_cast<std::size_t>(colonna)) r.resize(static_cast<std::size_t>(colonna) + 1);
    return r[static_cast<std::size_t>(colonna)];
}

const std::string& TGrigliaStampa::Cella(int riga, int colonna) const
{
    static const std::string vuota;
    if (riga < 0 || colonna < 0 || Celle.size() <= static_cast<std::size_t>(riga)) return vuota;
    const auto& r = Celle[static_cast<std::size_t>(riga)];
    return static_cast<std::size_t>(colonna) < r.size() ? r[static_cast<std::size_t>(colonna)] : vuota;
}

int TGrigliaStampa::Larghezza() const
{
    return std::accumulate(Larghezze.begin(), Larghezze.end(), 0) + Colonne();
}

int TGrigliaStampa::Altezza() const
{
    return std::accumulate(Altezze.begin(), Altezze.end(), 0) + Righe();
}

void StampaGriglia(TmmPrinter& stampante, const TGrigliaStampa& griglia, double scala, double alto,
                   double sinistra)
{
    auto& tela = stampante.Tela();
    tela.ImpostaPennello(TColoreStampa::Bianco);
    tela.ImpostaPenna(TColoreStampa::Nero);
    // Edges once: each cell's left is the sum of the widths before it, one pixel of grid
    // line included.
    std::vector<double> x(static_cast<std::size_t>(griglia.Colonne()) + 1, sinistra);
    for (int i = 0; i < griglia.Colonne(); ++i)
        x[static_cast<std::size_t>(i) + 1] =
            x[static_cast<std::size_t>(i)] + (griglia.Larghezze[static_cast<std::size_t>(i)] + 1) * scala;
    const double mezzoSpazio = stampante.LarghezzaTesto(" ") / 2;
    double y = alto;
    for (int r = 0; r < griglia.Righe(); ++r) {
        const double h = (griglia.Altezze[static_cast<std::size_t>(r)] + 1) * scala;
        for (int i = 0; i < griglia.Colonne(); ++i) {
            const double sx = x[static_cast<std::size_t>(i)];
            stampante.Rettangolo(sx, y, x[static_cast<std::size_t>(i) + 1], y + h);
            const std::string& testo = griglia.Cella(r, i);
            if (testo.empty()) continue;
            stampante.Scrivi(testo, sx + mezzoSpazio, y + (h - stampante.AltezzaTesto(testo)) / 2);
        }
        y += h;
    }
}

}  // namespace morella
