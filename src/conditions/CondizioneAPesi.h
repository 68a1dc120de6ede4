// The common ground of the two kinds that weigh a column with a per-event, per-sign table of
// the system (kind 36 "Valori", kind 37 "Percentuali"): the events that take part, one
// interval table for the real-valued weight, the file body, Prepara and the statistics.
#pragma once

#include <array>

#include "CondizioneATabelle.h"
#include "DatiSistema.h"
#include "TabellaIntervalli.h"

namespace morella {

class TCondizioneAPesi : public TCondizioneATabelle {
   public:
    static constexpr std::size_t DimensioneCorpo = TTabellaIntervalli::DimensioneBlocco + MaxEventi;

    TTabellaIntervalli Intervalli;
    std::array<bool, MaxEventi> Partite{};  // "Partite": the events that take part

    // The table of the system this kind reads (values or percentages); nullptr for a
    // condition standing alone, which then weighs every sign 0.
    virtual const TTabellaSegni* TabellaDelSistema() const = 0;
    // The weight of a column, from the system's table as it stands now. Only an event that
    // holds exactly one sign is weighed.
    virtual double Misura(const TColonnaEsaminata& c) const = 0;

    // The statistics count by interval: series value i is the first interval holding the
    // weight, NumeroIntervalli ("Altri") when none does; there is no second measure.
    int IndiceIntervallo(double valore) const;
    std::string Didascalia(int) const override { return {}; }
    void MisuraSerie(const TColonnaEsaminata& c, TMisura* misure) const override
    {
        misure[0] = {IndiceIntervallo(Misura(c)), 0};
    }
    bool SerieAmmette(int s, const TMisura& m) const override;
    void StatisticaArchivio() override;
    void StatisticaColonne() override;
    void AzzeraStatistiche() override;

    bool Scrivi(TScrittoreBinario& f) const override;
    bool Leggi(TLettoreBinario& f) override;
    // InUso of the intervals := enabled (and not left out by the archive replay) and some
    // interval; Attivo := InUso. The system's table is taken for Verifica here.
    bool Prepara() override;
    void EsameTraLink(TEsameTraLink& esame) const override;
    void Stampa(TRigheStampa& stampa) const override;
    // The editor's "Azzera ": no interval, link "A", and the condition switched on.
    void AzzeraIntervalli();

   protected:
    TCondizioneAPesi(TipoCondizione tipo, TElencoCondizioni* elenco);

    // The system's table turned into what Verifica reads; called by Prepara.
    virtual void PreparaPesi() = 0;
    // Entry [event][sign digit] of the system's table, 0 without a system.
    std::int32_t Peso(const TTabellaSegni* tabella, int evento, int cifra) const
    {
        return tabella ? (*tabella)[static_cast<std::size_t>(evento)][static_cast<std::size_t>(cifra)] : 0;
    }

   private:
    void MassimoDaIntervalli();
};

}  // namespace morella
