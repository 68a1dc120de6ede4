// The interval table: the counterpart of the value table for a real-valued quantity. Up to
// 101 intervals, each admitting or admitting at the cost of a link error; the first interval
// that holds the value decides. Also its file block of 2023 bytes.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "FileBinario.h"
#include "RigheStampa.h"

namespace morella {

class TElencoLink;

struct TIntervallo {
    double Minimo = 0;
    double Massimo = 0;
    std::int16_t Stato = 1;  // 1 ammesso, 2 in recupero
    std::int16_t Livello = 1;
};

class TTabellaIntervalli {
   public:
    static constexpr int MassimoIntervalli = 101;
    static constexpr std::size_t DimensioneBlocco = MassimoIntervalli * 20 + 3;

    std::uint8_t Link = 'A';
    bool InUso = false;  // derived
    std::array<TIntervallo, MassimoIntervalli> Intervalli{};
    std::int16_t NumeroIntervalli = 0;

    // InUso := the owner is enabled and there is at least one interval.
    bool Prepara(bool abilitato);
    // Admission of a value; see the header comment. Without links an in recupero interval
    // admits.
    bool Ammette(double valore, TElencoLink* link) const;
    // Appends an interval; false when the table is full.
    bool Aggiungi(const TIntervallo& intervallo);
    void Azzera()
    {
        NumeroIntervalli = 0;
        Link = 'A';
    }

    void Scrivi(TScrittoreBinario& f) const;
    // All or nothing; a count outside 0..101 is cut into that range.
    bool Leggi(TLettoreBinario& f);

    void Stampa(TRigheStampa& stampa) const;
};

}  // namespace morella
