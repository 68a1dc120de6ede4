// Kind 2, "Pari e Dispari": the runs of equal signs inside each table's range, counted by
// parity ("Pari" the even-length runs, "Dispari" the odd ones), with the longest streak of
// consecutive runs of that parity.
#pragma once

#include "CondizioneATabelle.h"

namespace morella {

class TPariDispari final : public TCondizioneATabelle {
   public:
    static constexpr int TabellaPari = 0;
    static constexpr int TabellaDispari = 1;

    explicit TPariDispari(TElencoCondizioni* elenco = nullptr);

    std::string Didascalia(int i) const override;
    void Misura(const TColonnaEsaminata& c, bool tutti, TMisura* misure) const;
    void MisuraSerie(const TColonnaEsaminata& c, TMisura* misure) const override { Misura(c, true, misure); }

    bool Verifica(const TColonnaEsaminata& c) override;
    std::unique_ptr<TCondizione> Clona() const override { return std::make_unique<TPariDispari>(*this); }
};

}  // namespace morella
