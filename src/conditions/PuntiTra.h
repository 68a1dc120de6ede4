// Kind 15, "Punti Tra": up to 30 groups, each the sum of the values that the tables assigned
// to it measured on the column, admitted only within the intervals of its "Punti Ammessi"
// table. It sits in the last slot, so it judges the sums after every other condition.
#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "Condizione.h"
#include "TabellaIntervalli.h"

namespace morella {

class TPuntiTra final : public TCondizione {
   public:
    explicit TPuntiTra(TElencoCondizioni* elenco = nullptr);

    // "Punti Ammessi" of groups 1..30 (index 0 is group 1).
    std::array<TTabellaIntervalli, NumeroGruppiTra> PuntiAmmessi{};
    TTabellaIntervalli& Gruppo(int g) { return PuntiAmmessi.at(static_cast<std::size_t>(g - 1)); }
    const TTabellaIntervalli& Gruppo(int g) const { return PuntiAmmessi.at(static_cast<std::size_t>(g - 1)); }

    // The highest group holding at least one interval, 0 when none: what the block stores.
    // It does not depend on the switch, so a disabled condition keeps its groups in the file.
    std::int32_t NumeroGruppi() const;
    // The highest group in use after Prepara: 0 when the condition is off.
    int GruppiInUso() const { return gruppiInUso_; }

    // Whether the sums of a column pass every group in use, in group order.
    bool AmmetteSomme(const TSommeTra& somme);
    // Every per-column sum back to 0 (done by the container before each column).
    static void AzzeraSomme(TSommeTra& somme) { somme.fill(0); }

    bool Verifica(const TColonnaEsaminata& c) override;
    // Kind, Attivato, NumeroGruppi (32 bits), then the interval tables of groups
    // 1..NumeroGruppi.
    bool Scrivi(TScrittoreBinario& f) const override;
    // Empties all 30 tables first; a group count outside 0..30 fails the read.
    bool Leggi(TLettoreBinario& f) override;
    bool Prepara() override;
    void EsameTraLink(TEsameTraLink& esame) const override;
    void Stampa(TRigheStampa& stampa) const override;
    std::unique_ptr<TCondizione> Clona() const override { return std::make_unique<TPuntiTra>(*this); }

    // The editor's "Azzera ": no interval in any group, the condition switched on.
    void AzzeraGruppi();

    static std::size_t DimensioneBlocco(int gruppi)
    {
        return 2 + 4 + static_cast<std::size_t>(gruppi) * TTabellaIntervalli::DimensioneBlocco;
    }

   private:
    int gruppiInUso_ = 0;
};

}  // namespace morella
