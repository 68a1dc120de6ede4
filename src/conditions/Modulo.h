// Kind 14, "Modulo": two sizes of a column read as a vector of sign weights. "Modulo Somma"
// is the length of the vector of codes 1, 2, 4 ("1", "X", "2"), "Modulo Prodotto" the
// fourth root of the product of the weights 1, 2, 3, both rounded to the nearest integer.
#pragma once

#include "CondizioneATabelle.h"

namespace morella {

class TModulo final : public TCondizioneATabelle {
   public:
    static constexpr int TabellaSomma = 0;
    static constexpr int TabellaProdotto = 1;
    // The largest values: 13 events all "2" give 14 and 36.
    static constexpr int MassimoSomma = 14;
    static constexpr int MassimoProdotto = 36;

    explicit TModulo(TElencoCondizioni* elenco = nullptr);

    std::string Didascalia(int i) const override;
    // Both pairs (value, 0), always: the two are too cheap to be worth skipping.
    void Misura(const TColonnaEsaminata& c, TMisura* misure) const;
    void MisuraSerie(const TColonnaEsaminata& c, TMisura* misure) const override { Misura(c, misure); }

    bool Verifica(const TColonnaEsaminata& c) override;
    std::unique_ptr<TCondizione> Clona() const override { return std::make_unique<TModulo>(*this); }
};

// The rounded square root of the sum of the squared codes, and the rounded fourth root of
// the product of the weights, of a range holding n1, nX, n2 events of each sign. Only
// single signs weigh: an empty or multiple event adds nothing to the sum and multiplies the
// product by 1, which keeps every value within the tables.
int ModuloSomma(int n1, int nX, int n2);
int ModuloProdotto(int nX, int n2);

}  // namespace morella
