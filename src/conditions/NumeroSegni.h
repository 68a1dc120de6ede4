// Kind 1, "Numero Di Segni": how many events hold each sign, and the longest run of it,
// judged by the tables "Segni 1", "Segni X", "Segni 2".
#pragma once

#include "CondizioneATabelle.h"

namespace morella {

class TNumeroSegni final : public TCondizioneATabelle {
   public:
    explicit TNumeroSegni(TElencoCondizioni* elenco = nullptr);

    std::string Didascalia(int i) const override;
    // Pairs of the three signs in table order; with tutti false the tables that are not
    // active are skipped and their pairs are 0.
    void Misura(const TColonnaEsaminata& c, bool tutti, TMisura* misure) const;
    void MisuraSerie(const TColonnaEsaminata& c, TMisura* misure) const override { Misura(c, true, misure); }

    bool Verifica(const TColonnaEsaminata& c) override;
    std::unique_ptr<TCondizione> Clona() const override { return std::make_unique<TNumeroSegni>(*this); }
};

}  // namespace morella
