// Coupons (schedine) of four columns: how a column list is shown and dictated four at a time,
// and how the winnings view marks the columns that scored the chosen points.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "Colonna.h"
#include "ListaColonne.h"

namespace morella {

struct TSlotSchedina {
    TColonna colonna{};
    std::uint8_t segnata = 0;  // winnings view: the column has the chosen points
    bool presente = false;     // a column of the list was copied here
    // A slot past the end of the list. A column whose first event is empty is still a column.
    bool Vuoto() const { return !presente; }
    bool operator==(const TSlotSchedina&) const = default;
};

struct TSchedinaVin {
    std::array<TSlotSchedina, 4> colonne{};
    std::int32_t numero = 0;
    bool operator==(const TSchedinaVin&) const = default;
};

// Groups the list four columns at a time, numbered from 1; the last coupon may hold fewer.
std::vector<TSchedinaVin> CostruisciSchedine(const TListaColonne& lista);

// Last position of a scroll bar that shows four coupons at a time.
int MassimoScorrimentoSchedine(int numeroSchedine);

}  // namespace morella
