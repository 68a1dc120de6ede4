// Kind 6, "Formule Derivate": the sign distributions (how many "1", "X", "2") a column may
// have, one flag per distribution index. It has no value table of its own; it shares the
// statistics of the table kinds through its one series, "F.Derivate".
#pragma once

#include <array>
#include <cstdint>

#include "CondizioneATabelle.h"

namespace morella {

class TFormuleDerivate final : public TCondizioneATabelle {
   public:
    // Flags kept and stored, whatever the game: room for the 105 distributions of 13 events.
    static constexpr int NumeroFormule = 106;
    static constexpr std::size_t DimensioneCorpo = NumeroFormule;  // one byte per flag

    explicit TFormuleDerivate(TElencoCondizioni* elenco = nullptr);

    std::array<bool, NumeroFormule> FormuleAmmesse{};
    // The largest distribution index of the game: 104 for 13 events, 90 for 12.
    std::int16_t Massimo;

    // The column's distribution index over all its events; always within 0..Massimo.
    int Formula(const TColonnaEsaminata& c) const
    {
        return Triangolo(NumEvents - ContaBit(c.Segni[0])) + ContaBit(c.Segni[1]);
    }

    std::string Didascalia(int) const override { return "F.Derivate"; }
    void MisuraSerie(const TColonnaEsaminata& c, TMisura* misure) const override
    {
        misure[0] = {Formula(c), 0};
    }
    bool SerieAmmette(int s, const TMisura& m) const override;

    bool Verifica(const TColonnaEsaminata& c) override
    {
        return !Attivo || FormuleAmmesse[static_cast<std::size_t>(Formula(c))];
    }
    bool Scrivi(TScrittoreBinario& f) const override;
    bool Leggi(TLettoreBinario& f) override;
    bool Prepara() override;
    void Stampa(TRigheStampa& stampa) const override;
    std::unique_ptr<TCondizione> Clona() const override { return std::make_unique<TFormuleDerivate>(*this); }

    // The editor's "Azzera ": no formula admitted, the condition switched on.
    void Azzera();

   private:
    static constexpr int Triangolo(int k) { return k * (k + 1) / 2; }
};

}  // namespace morella
