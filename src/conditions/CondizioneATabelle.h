// The common ground of the kinds that measure integer pairs on a column and judge them with
// value tables: their file body (the tables in order), Prepara, the link examination, the
// printed form, and the statistics of every measured series in two sets of
// frequency-and-delay tables.
#pragma once

#include <string>
#include <vector>

#include "Condizione.h"
#include "FrequenzeRitardi.h"
#include "TabellaValori.h"

namespace morella {

// One measured pair: the value and the longest run that goes with it (0 when the kind has
// no run for it).
struct TMisura {
    int Valore = 0;
    int Run = 0;
    bool operator==(const TMisura&) const = default;
};

class TCondizioneATabelle : public TCondizione {
   public:
    int NumeroTabelle() const { return static_cast<int>(tabelle_.size()); }
    TTabellaValori& Tabella(int i) { return tabelle_.at(static_cast<std::size_t>(i)); }
    const TTabellaValori& Tabella(int i) const { return tabelle_.at(static_cast<std::size_t>(i)); }
    // Caption of table i, as the editor and the printed report show it.
    virtual std::string Didascalia(int i) const = 0;

    // Statistic series: how many, the highest value each starts from, the pairs measured
    // on a column (every series, whatever is active), and whether the user's settings for
    // a series accept a pair (no link is charged).
    int NumeroSerie() const { return static_cast<int>(massimiSerie_.size()); }
    int MassimoSerie(int s) const { return massimiSerie_.at(static_cast<std::size_t>(s)); }
    virtual void MisuraSerie(const TColonnaEsaminata& c, TMisura* misure) const = 0;
    virtual bool SerieAmmette(int s, const TMisura& m) const;

    // First set: the archive's winning columns (or, during a column analysis, every
    // developed column, "Integr."). Second set: the system's columns ("Condiz."), or during
    // an analysis the developed columns this condition keeps ("Cond.S.").
    const T_FrequenzeRitardi& StatistichePrime(int s) const { return prime_.at(static_cast<std::size_t>(s)); }
    const T_FrequenzeRitardi& StatisticheSeconde(int s) const
    {
        return seconde_.at(static_cast<std::size_t>(s));
    }

    void StatisticaArchivio() override;
    void StatisticaColonne() override;
    void ContaColonna(const TColonna& colonna) override;
    bool Scrivi(TScrittoreBinario& f) const override;
    bool Leggi(TLettoreBinario& f) override;
    void AzzeraStatistiche() override;
    bool Prepara() override;
    void EsameTraLink(TEsameTraLink& esame) const override;
    void Stampa(TRigheStampa& stampa) const override;

    // The editors' "Azzera ": every table reset and the condition switched on.
    void AzzeraTabelle();

   protected:
    TCondizioneATabelle(TipoCondizione tipo, TElencoCondizioni* elenco, std::vector<TTabellaValori> tabelle,
                        std::vector<int> massimiSerie);

    void ScriviTabelle(TScrittoreBinario& f) const;
    bool LeggiTabelle(TLettoreBinario& f);

    std::vector<TTabellaValori> tabelle_;
    std::vector<int> massimiSerie_;
    std::vector<T_FrequenzeRitardi> prime_;
    std::vector<T_FrequenzeRitardi> seconde_;
};

}  // namespace morella
