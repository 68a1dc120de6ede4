// The condition container of a system: the fifteen top-level conditions in their slots,
// the list of the active ones, and the evaluation of one column against all of them and
// the links. Also the container block of the system file.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "Colonna.h"
#include "Condizione.h"
#include "FileBinario.h"
#include "TabellaValori.h"

namespace morella {

class TElencoLink;
class T_Archivio;
struct TDatiSistema;
struct T_ImpostazioniRicerca;
class TListaColonne;

// One condition that rejected the column under check; without a condition it stands for
// the base prediction, which the column lies outside.
struct TErrore {
    const TCondizione* Condizione = nullptr;
    bool operator==(const TErrore&) const = default;
};

// Where the statistics of the conditions take their columns from.
struct TSorgentiStatistiche {
    const T_Archivio* Archivio = nullptr;
    const T_ImpostazioniRicerca* Ricerca = nullptr;  // also the ignore flags of archive mode
    const TListaColonne* Colonne = nullptr;          // the system's current columns
    // During the replay over the archive, the index of the contest under test: the kinds
    // that compare with earlier contests take the ones before it. -1 otherwise.
    int ConcorsoInEsame = -1;
};

class TElencoCondizioni {
   public:
    // Crea: the conditions of kinds 1..15 in slots 1..15, then CompattaAttive.
    explicit TElencoCondizioni(TElencoLink* link = nullptr);
    ~TElencoCondizioni();  // Distruggi
    TElencoCondizioni(const TElencoCondizioni&) = delete;
    TElencoCondizioni& operator=(const TElencoCondizioni&) = delete;

    // Fresh conditions in every slot (a new system).
    void Crea();

    // Slot 1..15; nullptr outside that range or for a kind this build does not have yet.
    TCondizione* Condizione(int slot) const;
    template <class T>
    T* Condizione(int slot) const
    {
        return dynamic_cast<T*>(Condizione(slot));
    }

    void AzzeraStatistiche();
    void Prepara();
    void CompattaAttive();
    void ImpostaPercorsi();
    // Everything a batch of evaluations needs first, in order: the collecting switch (and
    // an empty error list when collecting), statistics cleared, Prepara, CompattaAttive,
    // then on the links: the letters in use, their statistics cleared, their tables prepared.
    void PreparaVerifica(bool raccogliErrori);
    // The letters of the links that some enabled condition charges, in letter order.
    std::string CalcolaLettereInUso() const;

    // True when the column passes every active condition and the links.
    bool VerificaColonna(const TColonna& colonna);

    int NumeroAttive() const { return numeroAttive_; }
    TCondizione* Attiva(int i) const { return attive_[static_cast<std::size_t>(i)]; }  // 0-based

    // Whole container block; false when a slot has no condition (a kind not built yet: the
    // slots that exist are still written).
    bool Scrivi(TScrittoreBinario& f) const;
    // Stops at the first block that fails; a kind byte that is not its slot's fails.
    bool Leggi(TLettoreBinario& f);

    bool RaccogliErrori = false;
    std::vector<TErrore> Errori;

    // While the system is replayed over the archive; then the kinds the search settings
    // ignore count as inactive.
    bool ModoArchivio = false;
    bool IgnoraInArchivio(TipoCondizione tipo) const;
    // In archive mode, the points-between groups fed by an ignored kind are not judged.
    void SaltaGruppiTraIgnorati();

    TSorgentiStatistiche Sorgenti;

    // The system the conditions belong to: the kinds that weigh signs read its prediction,
    // values and percentages. Null for a container standing alone (tests, analysis copies).
    const TDatiSistema* Dati = nullptr;

    TElencoLink* Link() const { return link_; }
    void ImpostaLink(TElencoLink* link) { link_ = link; }

    // Per-column sums of the points-between groups (index 1..30), fed while the
    // points-between condition is active.
    TSommeTra SommeTra{};
    bool PuntiTraAttivo() const { return puntiTraAttivo_; }

   private:
    std::array<std::unique_ptr<TCondizione>, NumeroSlot + 1> condizioni_;  // [0] unused
    std::array<TCondizione*, NumeroSlot> attive_{};
    int numeroAttive_ = 0;
    bool puntiTraAttivo_ = false;
    TElencoLink* link_;
};

}  // namespace morella
