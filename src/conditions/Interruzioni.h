// Kind 5, "Interruzioni": the changes of sign from one event to the next. "Globali" counts
// them inside its range with the longest streak of consecutive changes; "Segni 1", "Segni X",
// "Segni 2" count the changes into each sign.
#pragma once

#include "CondizioneATabelle.h"

namespace morella {

class TInterruzioni final : public TCondizioneATabelle {
   public:
    static constexpr int TabellaGlobali = 0;  // then 1, 2, 3 for the signs "1", "X", "2"

    explicit TInterruzioni(TElencoCondizioni* elenco = nullptr);

    std::string Didascalia(int i) const override;
    void Misura(const TColonnaEsaminata& c, bool tutti, TMisura* misure) const;
    void MisuraSerie(const TColonnaEsaminata& c, TMisura* misure) const override { Misura(c, true, misure); }

    bool Verifica(const TColonnaEsaminata& c) override;
    std::unique_ptr<TCondizione> Clona() const override { return std::make_unique<TInterruzioni>(*this); }
};

}  // namespace morella
