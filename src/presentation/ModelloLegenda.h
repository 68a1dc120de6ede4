// The axis labels under a chart: which labels of the list are shown and where each one
// goes. A label with a comma becomes two lines.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace morella {

struct TEtichettaLegenda {
    int indice = 0;              // position in the list
    std::string prima, seconda;  // the text before and after the comma (seconda empty: one line)
    int x = 0;                   // the point the first line is centred on
    int xPrima = 0;              // left edge of the first line; the second line starts there too
    int y = 0;                   // top of the first line; the second lies one line lower
    int ySeconda = 0;
    bool operator==(const TEtichettaLegenda&) const = default;
};

struct TModelloLegenda {
    int GapX = 40;
    int GapY = 0;
    int GapOriz = 30;
    int Start = 0;
    int NumPoint = 0;
    std::vector<std::string> Lista;

    // The labels Start .. Start + NumPoint - 1 that exist in the list; `larghezza` measures a
    // text in pixels, `altezzaRiga` is the height of one text line.
    std::vector<TEtichettaLegenda> Etichette(const std::function<int(std::string_view)>& larghezza,
                                             int altezzaRiga) const;
};

}  // namespace morella
