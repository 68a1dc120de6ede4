// Slow, literal walks over the events for the sign-count kinds, written straight from the
// rules, to prove the bit-mask measures identical on every column.
#pragma once

#include <algorithm>
#include <array>

#include "Colonna.h"
#include "CondizioneATabelle.h"
#include "Gioco.h"

namespace morella::test {

struct TCampo {
    int Da = 1;
    int A = 12;
};

inline int Segno(const TColonna& c, int i)
{
    return c[static_cast<std::size_t>(i - 1)] & 7;
}

// Kind 1: per sign (1, X, 2) the pair (count, longest run) with the range rules.
inline std::array<TMisura, 3> LetteraleNumeroSegni(const TColonna& c, const std::array<TCampo, 3>& campi)
{
    const int segni[3] = {1, 2, 4};
    std::array<TMisura, 3> m{};
    int corrente[3] = {0, 0, 0};
    for (int i = 1; i <= NumEvents; ++i)
        for (int s = 0; s < 3; ++s) {
            if (Segno(c, i) != segni[s] || i < campi[s].Da || i > campi[s].A) continue;
            ++m[s].Valore;
            ++corrente[s];
            m[s].Run = std::max(m[s].Run, corrente[s]);
            for (int o = 0; o < 3; ++o)
                if (o != s) corrente[o] = 0;
        }
    return m;
}

// Kind 2: dispari = true counts odd runs, false even runs.
inline TMisura LetteralePariDispari(const TColonna& c, TCampo campo, bool dispari)
{
    TMisura m;
    int serie = 0;
    auto giudica = [&](int l) {
        if ((l % 2 == 1) == dispari) {
            ++m.Valore;
            ++serie;
            m.Run = std::max(m.Run, serie);
        } else {
            serie = 0;
        }
    };
    int l = 1;
    for (int i = campo.Da + 1; i <= campo.A; ++i) {
        if (Segno(c, i) == Segno(c, i - 1)) {
            ++l;
        } else {
            giudica(l);
            l = 1;
        }
    }
    giudica(l);
    return m;
}

// Kind 5: Globali, then the changes into 1, X, 2.
inline std::array<TMisura, 4> LetteraleInterruzioni(const TColonna& c, const std::array<TCampo, 4>& campi)
{
    std::array<TMisura, 4> m{};
    int serie = 0;
    for (int i = campi[0].Da + 1; i <= campi[0].A; ++i) {
        if (Segno(c, i) != Segno(c, i - 1)) {
            ++m[0].Valore;
            ++serie;
            m[0].Run = std::max(m[0].Run, serie);
        } else {
            serie = 0;
        }
    }
    for (int i = 2; i <= NumEvents; ++i) {
        if (Segno(c, i) == Segno(c, i - 1)) continue;
        const int s = Segno(c, i);
        const int t = s == 1 ? 1 : s == 2 ? 2 : s == 4 ? 3 : 0;
        if (t && campi[static_cast<std::size_t>(t)].Da + 1 <= i && i <= campi[static_cast<std::size_t>(t)].A)
            ++m[static_cast<std::size_t>(t)].Valore;
    }
    return m;
}

// Kind 38: (count of the sign, longest block of it) inside the range.
inline TMisura LetteraleConsecutivita(const TColonna& c, int segno, TCampo campo)
{
    TMisura m;
    int corrente = 0;
    for (int i = campo.Da; i <= campo.A; ++i) {
        if (Segno(c, i) == segno) {
            ++m.Valore;
            m.Run = std::max(m.Run, ++corrente);
        } else {
            corrente = 0;
        }
    }
    return m;
}

}  // namespace morella::test
