#include "ModelloLegenda.h"

#include <algorithm>

namespace morella {

std::vector<TEtichettaLegenda> TModelloLegenda::Etichette(
    const std::function<int(std::string_view)>& larghezza, int altezzaRiga) const
{
    std::vector<TEtichettaLegenda> r;
    const int primo = std::max(Start, 0);
    const int fine =
        std::min<long long>(static_cast<long long>(Start) + NumPoint, static_cast<long long>(Lista.size()));
    for (int i = primo; i < fine; ++i) {
        const std::string& testo = Lista[static_cast<std::size_t>(i)];
        TEtichettaLegenda e;
        e.indice = i;
        const auto virgola = testo.find(',');
        e.prima = testo.substr(0, virgola);
        if (virgola != std::string::npos) e.seconda = testo.substr(virgola + 1);
        e.x = (i - Start) * GapOriz + GapX;
        e.xPrima = e.x - larghezza(e.prima) / 2;
        e.y = GapY;
        e.ySeconda = GapY + altezzaRiga;
        r.push_back(std::move(e));
    }
    return r;
}

}  // namespace morella
