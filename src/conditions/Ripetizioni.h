// Kind 7, "Ripetizioni": how many events of a column repeat the sign of the last winning
// column of the archive ("Su una Colonna Precedente") and of the one before it ("Su due
// Colonne Precedenti"), with the longest streak of repeated events.
#pragma once

#include <array>

#include "CondizioneATabelle.h"

namespace morella {

class T_Archivio;

class TRipetizioni final : public TCondizioneATabelle {
   public:
    static constexpr int TabellaUna = 0;
    static constexpr int TabellaDue = 1;

    // A column compared with: the events holding each single sign. An event that is empty
    // or holds more than one sign repeats nothing.
    struct TRiferimento {
        std::array<TMaschera, 3> Segni{};
        bool Presente = false;
    };

    explicit TRipetizioni(TElencoCondizioni* elenco = nullptr);

    std::string Didascalia(int i) const override;

    // The references are the winning columns of the last and the last-but-one contest of the
    // archive (the container's statistics sources, else the system's own archive). They are
    // taken again by Prepara, AzzeraStatistiche and StatisticaColonne. A table whose
    // reference is missing (an archive of fewer than two contests, or none at all) cannot
    // judge and stays inactive; its measures are 0.
    void AggiornaRiferimenti();
    // Other references; nullptr stands for a missing one. Prepara goes back to the
    // archive's last two. While the container replays the archive, Verifica takes by itself
    // the two contests before the one under test (the container's ConcorsoInEsame): judged
    // against the last two, an old contest would be compared with the ones that followed
    // it, and the last contest with itself.
    void ImpostaRiferimenti(const TColonna* una, const TColonna* due);
    const TRiferimento& Riferimento(int tabella) const
    {
        return riferimenti_.at(static_cast<std::size_t>(tabella));
    }
    static TRiferimento RiferimentoDi(const TColonna& colonna);

    // (repeated events, longest streak of them) inside the events `campo`.
    static TMisura MisuraContro(const TColonnaEsaminata& c, const TRiferimento& r, TMaschera campo)
    {
        const TMaschera uguali =
            ((c.Segni[0] & r.Segni[0]) | (c.Segni[1] & r.Segni[1]) | (c.Segni[2] & r.Segni[2])) & campo;
        return {ContaBit(uguali), PiuLungo(uguali)};
    }
    // Pairs of the two tables in order; with tutti false a table that is not active gets 0.
    void Misura(const TColonnaEsaminata& c, bool tutti, TMisura* misure) const;
    void MisuraSerie(const TColonnaEsaminata& c, TMisura* misure) const override { Misura(c, true, misure); }

    // Each contest from the third on (in the search range) against the two contests just
    // before it in the archive, whether or not those are in the range.
    void StatisticaArchivio() override;
    void StatisticaColonne() override;
    void AzzeraStatistiche() override;
    bool Verifica(const TColonnaEsaminata& c) override;
    bool Prepara() override;
    std::unique_ptr<TCondizione> Clona() const override { return std::make_unique<TRipetizioni>(*this); }

   private:
    const T_Archivio* Archivio() const;
    void RiferimentiDelConcorsoInEsame();

    std::array<TRiferimento, 2> riferimenti_{};
    // The references cut to each table's range, made by Prepara for Verifica.
    std::array<std::array<TMaschera, 3>, 2> pronti_{};
    int concorsoDeiRiferimenti_ = -1;  // the replayed contest they belong to; -1: none
};

}  // namespace morella
