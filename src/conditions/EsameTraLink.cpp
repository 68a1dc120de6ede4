#include "EsameTraLink.h"

#include <algorithm>

#include "Condizione.h"
#include "ElencoCondizioni.h"

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
            // Group 0 is no group: nothing is summed there.
            if (gruppo_ < 1 || s.GruppoTra != gruppo_ || !t.HaStati(k)) continue;
            const int minimo = t.MinimoAmmesso(k), massimo = t.MassimoAmmesso(k);
            SommaMinimi += minimo;
            SommaMassimi += massimo;
            Elementi.push_back({&c, &t, nullptr, k, nome, minimo, massimo});
        } else if (s.Link == lettera_ && t.HaRecuperi(k)) {
            Elementi.push_back({&c, &t, nullptr, k, nome, 0, 0});
        }
    }
}

void TEsameTraLink::Esamina(const TCondizione& c, const TTabellaIntervalli& t, const std::string& didascalia)
{
    if (modoGruppo_ || t.Link != lettera_) return;
    const int n = std::clamp<int>(t.NumeroIntervalli, 0, TTabellaIntervalli::MassimoIntervalli);
    for (int i = 0; i < n; ++i)
        if (t.Intervalli[static_cast<std::size_t>(i)].Stato == 2) {
            Elementi.push_back({&c, nullptr, &t, 0, didascalia, 0, 0});
            return;
        }
}

TEsameTraLink TEsameTraLink::DellaLettera(const TElencoCondizioni& elenco, std::uint8_t lettera)
{
    TEsameTraLink e = PerLettera(lettera);
    e.EsaminaElenco(elenco);
    return e;
}

TEsameTraLink TEsameTraLink::DelGruppo(const TElencoCondizioni& elenco, int gruppo)
{
    TEsameTraLink e = PerGruppo(gruppo);
    e.EsaminaElenco(elenco);
    return e;
}

void TEsameTraLink::EsaminaElenco(const TElencoCondizioni& elenco)
{
    for (int k = 1; k <= NumeroSlot; ++k)
        if (const TCondizione* c = elenco.Condizione(k); c && c->Attivato) c->EsameTraLink(*this);
}

std::string TEsameTraLink::Titolo() const
{
    return modoGruppo_ ? "Condizioni Nel Gruppo " + std::to_string(gruppo_)
                       : "Condizioni Nella Link " + std::string(1, static_cast<char>(lettera_));
}

std::vector<std::string> TEsameTraLink::Righe() const
{
    std::vector<std::string> righe;
    righe.reserve(Elementi.size());
    for (const auto& e : Elementi) {
        std::string riga =
            e.Condizione ? (e.Condizione->Percorso.empty() ? e.Condizione->Nome : e.Condizione->Percorso)
                         : std::string();
        riga += " : " + e.Didascalia;
        if (modoGruppo_) riga += "  (" + std::to_string(e.Minimo) + " - " + std::to_string(e.Massimo) + ")";
        righe.push_back(std::move(riga));
    }
    return righe;
}

}  // namespace morella
