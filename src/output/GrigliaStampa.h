// A grid of text cells as a window shows it (widths and heights in screen pixels), and
// StampaGriglia, which copies it onto the page at a scale in millimetres per pixel. The
// summary, the winning possibilities, the archive table and the analysis windows use it.
#pragma once

#include <string>
#include <vector>

#include "mmPrinter.h"

namespace morella {

struct TGrigliaStampa {
    std::vector<int> Larghezze;                   // per grid column, pixels
    std::vector<int> Altezze;                     // per grid row, pixels
    std::vector<std::vector<std::string>> Celle;  // [row][column]; missing cells are empty

    TGrigliaStampa() = default;
    TGrigliaStampa(int colonne, int righe, int larghezza, int altezza);

    int Colonne() const { return static_cast<int>(Larghezze.size()); }
    int Righe() const { return static_cast<int>(Altezze.size()); }
    std::string& Cella(int riga, int colonna);
    const std::string& Cella(int riga, int colonna) const;
    // Pixels including the one-pixel grid line after every column and row.
    int Larghezza() const;
    int Altezza() const;
};

// Outlines every cell and writes its text half a blank from the left edge, centred in
// height. `scala` is millimetres per pixel; (sinistra, alto) the top-left corner in mm.
void StampaGriglia(TmmPrinter& stampante, const TGrigliaStampa& griglia, double scala, double alto,
                   double sinistra);

}  // namespace morella
