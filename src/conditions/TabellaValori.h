// The value table: for every value a condition can measure on a column, whether a column
// with that value is excluded, admitted, or admitted at the cost of one link error; a
// second sub-table does the same for the longest run of the quantity. Also its file block.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "FileBinario.h"
#include "Gioco.h"
#include "RigheStampa.h"

namespace morella {

class TElencoLink;

constexpr std::uint8_t StatoEscluso = 0;
constexpr std::uint8_t StatoAmmesso = 1;
constexpr std::uint8_t StatoInRecupero = 2;

// Points-between groups are numbered 1..30; 0 means no group.
constexpr int NumeroGruppiTra = 30;
using TSommeTra = std::array<std::int32_t, NumeroGruppiTra + 1>;

struct TCoppiaValore {
    std::uint8_t Stato = StatoEscluso;
    std::uint8_t Livello = 0;  // 1..255, meaningful for in recupero
    bool operator==(const TCoppiaValore&) const = default;
};

struct TSottoTabella {
    bool InUso = false;                 // derived by Prepara
    std::uint8_t Link = 'A';            // link letter 'A'..'Z'
    std::int16_t GruppoTra = 0;         // points-between group, 0 = none
    std::vector<TCoppiaValore> Valori;  // values 0..Massimo, then three spare pairs
    bool operator==(const TSottoTabella&) const = default;
};

class TTabellaValori {
   public:
    // The largest Massimo any kind uses (the panel's count of sub-conditions).
    static constexpr int MassimoAssoluto = 999;

    TTabellaValori(int massimo, bool conConsecutivita);

    int Massimo() const { return massimo_; }
    bool ConConsecutivita() const { return conConsecutivita_; }
    // For the kinds whose run sub-table depends on their own settings (a mirror sequence
    // has none); the next Prepara takes it into account.
    void ImpostaConConsecutivita(bool con) { conConsecutivita_ = con; }

    std::int16_t DaEvento = 1;
    std::int16_t AEvento = 12;
    std::array<TSottoTabella, 2> Sotto;
    bool Attivo = false;  // derived: either sub-table in use

    // Editing helpers; values outside 0..Massimo are ignored.
    void ImpostaStato(int sotto, int valore, std::uint8_t stato, std::uint8_t livello = 1);
    std::uint8_t Stato(int sotto, int valore) const
    {
        if (sotto < 0 || sotto > 1 || valore < 0 || valore > massimo_) return StatoEscluso;
        return Sotto[static_cast<std::size_t>(sotto)].Valori[static_cast<std::size_t>(valore)].Stato;
    }
    std::uint8_t Livello(int sotto, int valore) const;

    // Every pair excluded, link "A", no group, range 1..NumEvents.
    void Azzera();
    // Recomputes InUso and Attivo (all false when the owner is not enabled); returns Attivo.
    bool Prepara(bool abilitato);
    // Admission of a measured pair; charges an error on the sub-table's link for an in
    // recupero value. Without links (nullptr) an in recupero value is admitted.
    bool Ammette(int valore, int run, TElencoLink* link) const;
    // Whether the pair is among the values the user accepts, without touching any link:
    // what the statistics ask ("Cond.S.").
    bool AmmetteSenzaLink(int valore, int run) const;
    // First / last value of a sub-table whose state is not 0; -1 when there is none.
    int MinimoAmmesso(int sotto) const;
    int MassimoAmmesso(int sotto) const;
    // Adds the pair to the points-between sums of the sub-tables' groups (as prepared).
    void SommaTra(int valore, int run, TSommeTra& somme) const
    {
        if (tra_[0]) somme[static_cast<std::size_t>(Sotto[0].GruppoTra)] += valore;
        if (tra_[1]) somme[static_cast<std::size_t>(Sotto[1].GruppoTra)] += run;
    }

    // Some pair 0..Massimo of the sub-table has a state other than 0 (or other than 0 and 1).
    bool HaStati(int sotto) const;
    bool HaRecuperi(int sotto) const;

    // Block: 4 * Massimo + 28 bytes.
    static constexpr std::size_t DimensioneBlocco(int massimo)
    {
        return 4 * static_cast<std::size_t>(massimo) + 28;
    }
    void Scrivi(TScrittoreBinario& f) const;
    // All or nothing: on a short read the table is left as it was. Damaged contents are
    // made harmless: a state above 2 reads as excluded, a range outside the column as the
    // whole column.
    bool Leggi(TLettoreBinario& f);

    // Printed form under the given caption; nothing when the table is not active.
    void Stampa(const std::string& didascalia, TRigheStampa& stampa) const;

   private:
    bool AmmetteSotto(const TSottoTabella& s, int v, TElencoLink* link) const
    {
        if (v < 0 || v > massimo_) return false;
        const TCoppiaValore c = s.Valori[static_cast<std::size_t>(v)];
        if (c.Stato == StatoAmmesso) return true;
        return c.Stato == StatoInRecupero && Recupera(s.Link, c.Livello, link);
    }
    static bool Recupera(std::uint8_t lettera, int livello, TElencoLink* link);

    std::int16_t massimo_;
    bool conConsecutivita_;
    std::array<bool, 2> tra_{};  // sub-table adds to a points-between group (prepared)
};

inline bool TTabellaValori::Ammette(int valore, int run, TElencoLink* link) const
{
    if (!Attivo) return true;
    if (Sotto[0].InUso && !AmmetteSotto(Sotto[0], valore, link)) return false;
    if (Sotto[1].InUso && !AmmetteSotto(Sotto[1], run, link)) return false;
    return true;
}

}  // namespace morella
