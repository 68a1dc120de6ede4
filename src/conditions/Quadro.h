// Kind 13, the panel ("Quadro"): sub-conditions of any kind, panels included, judged by how
// many of them accept a column and by the longest streak of consecutive ones that do. The
// panel in container slot 13 is the root of the tree of conditions.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "CondizioneATabelle.h"
#include "FiltriRapidi.h"
#include "FrequenzeRitardi.h"
#include "GruppoCondizioni.h"
#include "TabellaValori.h"

namespace morella {

// How the admitted counts follow from the number of sub-conditions in preset mode.
constexpr std::uint8_t RelazioneAnd = 0;  // all of them
constexpr std::uint8_t RelazioneOr = 1;   // at least one
constexpr std::uint8_t RelazioneXor = 2;  // exactly one
constexpr std::uint8_t RelazioneNot = 3;  // none
// The relation buttons' captions: " AND (Tutte)", " OR (Almeno Una)", ...; empty otherwise.
std::string TestoRelazione(int relazione);

inline constexpr const char* NomeSottoQuadro = "Sub Quadro";

class TQuadro final : public TGruppoCondizioni {
   public:
    // A panel never holds more sub-conditions than its count table can measure.
    static constexpr int MassimoSottoCondizioni = TTabellaValori::MassimoAssoluto;
    // Panels nested below the one being read, at most; a deeper file is damaged. Editing
    // keeps the tree of a system within the same bound, so what the program writes it reads.
    static constexpr int MassimaProfondita = 32;
    // Bytes of an empty panel block without text lines: kind, Nome, Preset, Relazione,
    // Attivato, the count table, the end of the lines, the end of the list.
    static constexpr std::size_t DimensioneBloccoVuoto =
        1 + 256 + 3 + TTabellaValori::DimensioneBlocco(MassimoSottoCondizioni) + 4 + 1;

    explicit TQuadro(TElencoCondizioni* elenco = nullptr);
    // Copies every sub-condition, nested panels too; the copy is prepared afresh.
    TQuadro(const TQuadro& altro);

    bool Preset = true;                     // admitted counts follow Relazione
    std::uint8_t Relazione = RelazioneAnd;  // 0..3
    TTabellaValori CondizioniAccettate;     // "Condizioni Accettate", Massimo 999, with runs
    std::vector<std::string> Testi;         // free text lines kept with the panel

    // Any kind, panels included, while there is room for one more.
    bool AmmetteElemento(TipoCondizione tipo) const override;

    // Chooses the relation; in preset mode the admitted counts follow it at once.
    void ScegliRelazione(int relazione);
    // In preset mode, the admitted counts rebuilt from the number of sub-conditions; to be
    // called after every change of the list.
    void AggiornaPreset();
    // The admitted counts of the relation for the current number of sub-conditions K:
    // AND exactly K, OR 1..K, XOR exactly 1, NOT exactly 0; no runs, link "A", no group.
    void RicostruisciAccettate();
    // The editor's "Azzera ": the count table cleared and the panel switched on.
    void AzzeraTabelle();

    // Number of accepting sub-conditions and their longest streak, walking every one of
    // them (disabled or inactive ones count as accepting). Links are not charged, errors
    // not collected and the points-between sums left as they were: this is what the
    // statistics register.
    TMisura Misura(const TColonnaEsaminata& c);
    // Whether the user's count table accepts a pair, without touching any link.
    bool SerieAmmette(const TMisura& m) const
    {
        return CondizioniAccettate.AmmetteSenzaLink(m.Valore, m.Run);
    }
    // One series, "Quadro"; its first set registers the archive (or every developed column
    // during an analysis), the second the system's columns (or the ones this panel keeps).
    const T_FrequenzeRitardi& StatistichePrime() const { return prime_; }
    const T_FrequenzeRitardi& StatisticheSeconde() const { return seconde_; }
    int MassimoSerie() const { return Conta(); }

    // Levels of panels in this tree: 1 for a panel without sub-panels.
    int Livelli() const;
    // The panel takes over another's name, switches, table, text lines and sub-conditions
    // (loading a panel file into the root, which must stay the same object).
    void Assumi(TQuadro&& altro);

    void StatisticaArchivio() override;
    void StatisticaColonne() override;
    void ContaColonna(const TColonna& colonna) override;
    bool Verifica(const TColonnaEsaminata& c) override;
    bool Scrivi(TScrittoreBinario& f) const override;
    bool Leggi(TLettoreBinario& f) override;
    void AzzeraStatistiche() override;
    bool Prepara() override;
    void EsameTraLink(TEsameTraLink& esame) const override;
    void Stampa(TRigheStampa& stampa) const override;
    std::unique_ptr<TCondizione> Clona() const override { return std::make_unique<TQuadro>(*this); }

    // Whether a verification of this panel may charge links or feed points-between groups
    // (its own count table or any active sub-condition); valid after Prepara.
    bool HaEffetti() const { return effetti_; }
    // Whether verifications of single-sign columns are judged by the marked set of refused
    // columns rather than by a walk (see TFiltriRapidi); valid after Prepara.
    bool FiltriRapidi() const { return rapidi_.Pronto(); }

   private:
    enum class TScorciatoia : std::uint8_t { Nessuna, And, Or };

    bool LeggiCorpo(TLettoreBinario& f, int profondita);
    bool LeggiTesti(TLettoreBinario& f);
    TMisura Cammina(const TColonnaEsaminata& c, TScorciatoia scorciatoia, bool raccogli);
    void PreparaScorciatoia(bool effettiSotto, bool tabellaTra);

    T_FrequenzeRitardi prime_;
    T_FrequenzeRitardi seconde_;
    bool effetti_ = false;
    TScorciatoia scorciatoia_ = TScorciatoia::Nessuna;
    TFiltriRapidi rapidi_;
    int contaPreparata_ = -1;
};

// Levels of panels a condition brings with it: 0 for any other kind.
int LivelliQuadri(const TCondizione& c);

}  // namespace morella
