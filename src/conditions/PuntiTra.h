// Kind 15, "Punti Tra": up to 30 groups, each the sum of the values that the tables assigned
// to it measured on the column, admitted only within the intervals of its "Punti Ammessi"
// table. It sits in the last slot, so it judges the sums after every other condition.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "Condizione.h"
#include "CondizioneATabelle.h"
#include "FrequenzeRitardi.h"
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
    // A group left unjudged until the next Prepara: during the archive replay, one whose
    // sum takes points from a condition the search settings ignore cannot be known.
    void SaltaGruppo(int g)
    {
        if (g >= 1 && g <= NumeroGruppiTra) gruppiSaltati_ |= std::uint32_t{1} << g;
    }
    bool GruppoSaltato(int g) const
    {
        return g >= 1 && g <= NumeroGruppiTra && ((gruppiSaltati_ >> g) & 1U) != 0;
    }

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

    // Statistics: one series, "Punti Tra", for one group at a time (1..30, default 1). The
    // sum of a column is what the development adds to the group: the values measured by
    // every table assigned to it in the conditions the container would verify (enabled
    // and active, inside enabled and active groups and panels), all of them, whatever the
    // verdicts. It is counted by interval of the group's "Punti Ammessi": value i is the
    // first interval holding the sum, NumeroIntervalli ("Altri") when none does. The
    // container's conditions must have been prepared (Prepara) before.
    void ImpostaGruppoAnalizzato(int gruppo);
    int GruppoAnalizzato() const { return gruppoAnalizzato_; }
    std::int64_t SommaGruppo(const TColonnaEsaminata& c) const;
    int IndiceIntervallo(double valore) const;
    TMisura MisuraSerie(const TColonnaEsaminata& c) const;
    bool SerieAmmette(const TMisura& m) const;
    int MassimoSerie() const;
    const T_FrequenzeRitardi& StatistichePrime() const { return prime_; }
    const T_FrequenzeRitardi& StatisticheSeconde() const { return seconde_; }

    // Over the archive, a repetitions table compares each contest with the two before it.
    void StatisticaArchivio() override;
    void StatisticaColonne() override;
    void ContaColonna(const TColonna& colonna) override;
    void AzzeraStatistiche() override;
    void ImpostaElenco(TElencoCondizioni* elenco) override;

    static std::size_t DimensioneBlocco(int gruppi)
    {
        return 2 + 4 + static_cast<std::size_t>(gruppi) * TTabellaIntervalli::DimensioneBlocco;
    }

   private:
    // One table that feeds the analysed group: where its value comes from.
    struct TContributo {
        enum class TFonte : std::uint8_t { Serie, Consecutivita, Quadro };
        TFonte Fonte = TFonte::Serie;
        TCondizione* Condizione = nullptr;
        int Serie = 0;  // the series that measures the table (TFonte::Serie)
        int Sotto = 0;  // 0: the value, 1: the longest run
    };
    // Which tables feed the group, found again whenever a statistic starts; a copy of the
    // condition, or one moved to another container, looks for them afresh.
    struct TPiano {
        std::vector<TContributo> Contributi;
        bool Valido = false;
        TPiano() = default;
        TPiano(const TPiano&) {}
        TPiano& operator=(const TPiano&)
        {
            Contributi.clear();
            Valido = false;
            return *this;
        }
    };
    void CostruisciPiano() const;
    void RaccogliContributi(TCondizione& c) const;
    // The sum, with the winning columns of the archive before contest `indice` as the
    // references of the repetitions tables (-1: their own references).
    std::int64_t Somma(const TColonnaEsaminata& c, int indice) const;

    int gruppiInUso_ = 0;
    std::uint32_t gruppiSaltati_ = 0;  // bit g: group g is not judged
    int gruppoAnalizzato_ = 1;
    T_FrequenzeRitardi prime_;
    T_FrequenzeRitardi seconde_;
    mutable TPiano piano_;
};

}  // namespace morella
