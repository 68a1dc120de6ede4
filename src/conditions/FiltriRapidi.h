// A panel that joins by AND sub-conditions that are all filter columns judged by their points
// alone (no streak, no recupero, no link, no points-between sum) refuses a single-sign column
// exactly when the points of one filter fall outside the values it admits. The columns some
// filter refuses are usually few next to a whole development (a filter from the archive that
// admits 0..9 points refuses the 289 columns within two events of its winner): they are
// marked once in a bit set over the column codes, and each column is then judged by one look
// instead of a walk through every filter.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "ColonnaEsaminata.h"

namespace morella {

class TCondizione;

class TFiltriRapidi {
   public:
    // Panels at least this full use a set; fewer filters walk quickly enough.
    static constexpr int MinimoFiltri = 8;
    // All the sets of the program together stay within this many bytes (a tree may hold many
    // panels of filters): past it, panels walk.
    static constexpr std::size_t MassimoByte = std::size_t{64} << 20;

    TFiltriRapidi() = default;
    // A copy of a panel is prepared afresh.
    TFiltriRapidi(const TFiltriRapidi&) {}
    TFiltriRapidi& operator=(const TFiltriRapidi&)
    {
        Svuota();
        return *this;
    }
    ~TFiltriRapidi() { Svuota(); }

    // Marks the columns refused by these sub-conditions (the active ones among them). False,
    // with nothing kept, when one of them does not qualify or when marking would cost more
    // than judging every column of the game.
    bool Prepara(const std::vector<std::unique_ptr<TCondizione>>& elementi);
    void Svuota();
    bool Pronto() const { return !respinte_.empty(); }

    // 1 when some filter refuses the column, 0 when all accept it, -1 when the set does not
    // apply (a column with an empty or multi-sign event, or another game): then walk.
    int Giudica(const TColonnaEsaminata& c) const
    {
        if (c.Eventi != eventi_ || (c.Segni[0] | c.Segni[1] | c.Segni[2]) != eventi_) return -1;
        const std::uint32_t codice = Codice(c.Segni[1]) + 2 * Codice(c.Segni[2]);
        return static_cast<int>((respinte_[codice >> 6] >> (codice & 63)) & 1u);
    }

   private:
    // Sum of 3^i over the events i of a mask (event 1 is bit 0).
    static std::uint32_t Codice(TMaschera m);

    std::vector<std::uint64_t> respinte_;
    TMaschera eventi_ = 0;
};

}  // namespace morella
