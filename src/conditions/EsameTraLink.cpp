#include "EsameTraLink.h"

#include <algorithm>

namespace morella {

TEsameTraLink TEsameTraLink::PerLettera(std::uint8_t lettera)
{
    TEsameTraLink e;
    e.lettera_ = lettera;
    return e;
}

TEsameTraLink TEsameTraLink::PerGruppo(int gruppo)
{
    TEsameTraLink e;
    e.modoGruppo_ = true;
    e.gruppo_ = gruppo;
    return e;
}

void TEsameTraLink::Esamina(const TCondizione& c, const TTabellaValori& t, const std::string& didascalia)
{
    for (int k = 0; k < (t.ConConsecutivita() ? 2 : 1); ++k) {
        const auto& s = t.Sotto[static_cast<std::size_t>(k)];
        const std::string nome = k == 0 ? didascalia : didascalia + " - Consecutività";
        if (modoGruppo_) {
            if (s.GruppoTra != gruppo_ || !t.HaStati(k)) continue;
            SommaMinimi += t.MinimoAmmesso(k);
            SommaMassimi += t.MassimoAmmesso(k);
        } else if (s.Link != lettera_ || !t.HaRecuperi(k)) {
            continue;
        }
        Elementi.push_back({&c, &t, nullptr, k, nome});
    }
}

void TEsameTraLink::Esamina(const TCondizione& c, const TTabellaIntervalli& t, const std::string& didascalia)
{
    if (modoGruppo_ || t.Link != lettera_) return;
    const int n = std::clamp<int>(t.NumeroIntervalli, 0, TTabellaIntervalli::MassimoIntervalli);
    for (int i = 0; i < n; ++i)
        if (t.Intervalli[static_cast<std::size_t>(i)].Stato == 2) {
            Elementi.push_back({&c, nullptr, &t, 0, didascalia});
            return;
        }
}

}  // namespace morella
