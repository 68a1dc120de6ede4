// Kind 36, "Valori", an element of the group of kind 10: the sum of the system's values of
// the signs a column gives the events that take part, judged by an interval table.
#pragma once

#include "CondizioneAPesi.h"

namespace morella {

class TValori final : public TCondizioneAPesi {
   public:
    explicit TValori(TElencoCondizioni* elenco = nullptr);

    const TTabellaSegni* TabellaDelSistema() const override;
    // 0 when no event takes part. The values are whole numbers, so the sum is exact.
    double Misura(const TColonnaEsaminata& c) const override;
    bool Verifica(const TColonnaEsaminata& c) override;
    std::unique_ptr<TCondizione> Clona() const override { return std::make_unique<TValori>(*this); }

   protected:
    void PreparaPesi() override;

   private:
    // Per event and sign byte (masked with 7) the value it adds: 0 for an event that does
    // not take part or a byte that is not a single sign.
    std::array<std::array<std::int64_t, 8>, MaxEventi> pesi_{};
};

}  // namespace morella
