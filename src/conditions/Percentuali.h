// Kind 37, "Percentuali", an element of the group of kind 11: the chance of a column as the
// product of the system's percentages of its signs over the events that take part, itself
// a percentage, judged by an interval table.
#pragma once

#include <cstdint>

#include "CondizioneAPesi.h"

namespace morella {

class TPercentuali final : public TCondizioneAPesi {
   public:
    explicit TPercentuali(TElencoCondizioni* elenco = nullptr);

    const TTabellaSegni* TabellaDelSistema() const override;
    // x := 100, then for each event that takes part, in order, x := p * x / 100 with p the
    // percentage of its sign; 0 when no event takes part. An event without a single sign
    // leaves x as it is.
    double Misura(const TColonnaEsaminata& c) const override;
    bool Verifica(const TColonnaEsaminata& c) override;
    std::unique_ptr<TCondizione> Clona() const override { return std::make_unique<TPercentuali>(*this); }

   protected:
    void PreparaPesi() override;

   private:
    // The product is a chain of roundings, so it cannot be split into halves and stay the
    // same number. Instead Verifica keeps the running product after each event of the last
    // column: a development changes the last events most often, and only the events from
    // the first changed one are worked again, in the same order, giving the same result.
    std::array<std::array<double, 8>, MaxEventi> fattori_{};  // percentage per sign byte
    std::array<std::uint8_t, MaxEventi> applica_{};           // bit b: byte b is weighed
    bool qualcuna_ = false;                                   // some event takes part
    std::array<double, MaxEventi + 1> parziali_{};            // x before event i
    std::uint64_t ultimaBassa_ = 0, ultimaAlta_ = 0;          // the last column's signs
    bool memoriaValida_ = false;
};

}  // namespace morella
