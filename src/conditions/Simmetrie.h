// Kind 4, "Simmetrie": how many events match their mirror image ("Dirette": first against
// last, second against the one before last...) or their twin in the other half ("Inverse":
// first half against second half, in the same order), and the sum of the two ("Totali").
#pragma once

#include "CondizioneATabelle.h"

namespace morella {

class TSimmetrie final : public TCondizioneATabelle {
   public:
    static constexpr int TabellaDirette = 0;
    static constexpr int TabellaInverse = 1;
    static constexpr int TabellaTotali = 2;

    explicit TSimmetrie(TElencoCondizioni* elenco = nullptr);

    std::string Didascalia(int i) const override;
    // Pairs of "Dirette", "Inverse", "Totali" (run always 0). With tutti false a part is
    // skipped (pair 0) unless its own table or "Totali" is active.
    void Misura(const TColonnaEsaminata& c, bool tutti, TMisura* misure) const;
    void MisuraSerie(const TColonnaEsaminata& c, TMisura* misure) const override { Misura(c, true, misure); }

    bool Verifica(const TColonnaEsaminata& c) override;
    std::unique_ptr<TCondizione> Clona() const override { return std::make_unique<TSimmetrie>(*this); }
};

}  // namespace morella
