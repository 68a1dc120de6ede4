#include "Segni.h"

#include <cctype>

namespace morella {

std::string TestoSegni(TSegni s, bool riempi)
{
    std::string t;
    if (s & Segno1) t += '1';
    if (s & SegnoX) t += 'X';
    if (s & Segno2) t += '2';
    if (riempi) t.resize(3, ' ');
    return t;
}

TSegni SegniDaTesto(std::string_view testo)
{
    std::string t;
    for (char c : testo)
        if (c != ' ') t += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (t.empty() || t.size() > 3) return 0;
    TSegni s = 0;
    for (char c : t) {
        TSegni bit = c == '1' ? Segno1 : c == 'X' ? SegnoX : c == '2' ? Segno2 : 0;
        if (bit == 0 || (s & bit)) return 0;  // unknown letter or a letter twice
        s |= bit;
    }
    return s;
}

}  // namespace morella
