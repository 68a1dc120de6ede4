// The four columns of one schedina shown side by side: what each cell says, in which colours
// (marked signs, right and wrong signs when checking) and which cells a refresh must
// redraw. The widget paints what this decides.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "Colonna.h"

namespace morella {

struct TColoreRgb {
    std::uint8_t r = 0, g = 0, b = 0;
    bool operator==(const TColoreRgb&) const = default;
};

inline constexpr TColoreRgb ColoreNero{0, 0, 0};
inline constexpr TColoreRgb ColoreBianco{255, 255, 255};
inline constexpr TColoreRgb ColoreCiano{0, 255, 255};
inline constexpr TColoreRgb ColoreGrigio{128, 128, 128};
inline constexpr TColoreRgb ColoreRosso{255, 0, 0};

// The mark the reduction leaves in the upper bits of a sign byte.
constexpr TSegni BitMarcato = 0x80;

struct TCellaQuattro {
    std::string testo;
    TColoreRgb inchiostro = ColoreNero;
    TColoreRgb sfondo = ColoreBianco;
    bool operator==(const TCellaQuattro&) const = default;
};

// A separator line follows event `evento` (1-based): after every third event for Toto and
// Enalotto, every second for Totip, never after the twelfth.
bool SeparatoreDopoEvento(int evento, int gioco);

// "Schedina Nº " and the number.
std::string TitoloSchedina(int numero);

class TModelloQuattroColonne {
   public:
    static constexpr int Colonne = 4;
    using TQuattro = std::array<TColonna, Colonne>;
    using TCellaCambiata = std::pair<int, int>;  // event (0-based), column (0-3)

    int Gioco = GiocoToto;
    int NumEvents = 13;
    int Numero = 0;
    bool ModoSpoglio = false;

    // Stores the columns and the winning column and returns the cells whose look differs
    // from what was drawn last (every cell of the shown events with `tutte`). The cells
    // returned count as drawn from now on.
    std::vector<TCellaCambiata> ImpostaColonne(const TQuattro& colonne, const TColonna& vincente, bool tutte);
    // Which columns take part in the checking mode.
    void ImpostaPresenti(const std::array<bool, Colonne>& presenti) { presenti_ = presenti; }

    const TQuattro& Colonne4() const { return colonne_; }
    const TColonna& Vincente() const { return vincente_; }
    bool Presente(int colonna) const { return presenti_.at(static_cast<std::size_t>(colonna)); }

    // Text and colours of one cell as they are now.
    TCellaQuattro Cella(int evento, int colonna) const;

   private:
    TQuattro colonne_{};
    TColonna vincente_{};
    std::array<bool, Colonne> presenti_{true, true, true, true};
    std::array<std::array<TCellaQuattro, Colonne>, MaxEventi> disegnate_;
    bool maiDisegnate_ = true;
};

}  // namespace morella
