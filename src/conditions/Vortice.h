// Kind 3, "Vortice": a walk that closes in on the column from both ends, each time jumping
// across to the event nearest the other end that holds the sign it stands on. Where it
// stops (position), how many steps it took (arms) and the sign it stops on are judged, for
// the walk that starts on the left ("Diretto") and the one that starts on the right
// ("Inverso").
#pragma once

#include "CondizioneATabelle.h"

namespace morella {

// Where a walk ends: event 1..NumEvents, steps taken, and the sign there as 0, 1, 2 for
// "1", "X", "2" (-1 when the event does not hold a single sign, which no table admits).
struct TEsitoVortice {
    int Posizione = 0;
    int Bracci = 0;
    int Segno = 0;
    bool operator==(const TEsitoVortice&) const = default;
};

// The walk over events primo..ultimo (1-based) of the column, starting on the left or on
// the right. A range of one or two events takes no step: the walk ends where it starts.
TEsitoVortice CamminaVortice(const TColonnaEsaminata& c, int primo, int ultimo, bool daSinistra);

class TVortice final : public TCondizioneATabelle {
   public:
    // Tables (and statistic series) in order: the direct triple, then the inverse one.
    static constexpr int TabellaPosizione = 0;
    static constexpr int TabellaBracci = 1;
    static constexpr int TabellaSegno = 2;
    static constexpr int Inverso = 3;  // added to the three above

    explicit TVortice(TElencoCondizioni* elenco = nullptr);

    std::string Didascalia(int i) const override;
    // The walk of one triple over the range of its "Posizione" table.
    TEsitoVortice Cammina(const TColonnaEsaminata& c, bool inverso) const;
    // Six pairs (value, 0) in table order. With tutti false a triple none of whose tables
    // is active is not walked and its pairs are 0.
    void Misura(const TColonnaEsaminata& c, bool tutti, TMisura* misure) const;
    void MisuraSerie(const TColonnaEsaminata& c, TMisura* misure) const override { Misura(c, true, misure); }

    bool Verifica(const TColonnaEsaminata& c) override;
    std::unique_ptr<TCondizione> Clona() const override { return std::make_unique<TVortice>(*this); }

   private:
    bool TriplaAttiva(int base) const
    {
        return tabelle_[static_cast<std::size_t>(base)].Attivo ||
               tabelle_[static_cast<std::size_t>(base + 1)].Attivo ||
               tabelle_[static_cast<std::size_t>(base + 2)].Attivo;
    }
};

}  // namespace morella
