// Slow, literal walks for the history and weight kinds (repetitions, sequences, values,
// percentages), written straight from the rules event by event, to prove the fast measures.
// Only an event holding exactly one sign has a sign here (Sign returns 0 otherwise).
#pragma once

#include <algorithm>
#include <array>

#include "Colonna.h"
#include "CondizioneATabelle.h"
#include "DatiSistema.h"
#include "Gioco.h"

namespace morella::test::storia {

struct TCampoS {
    int Da = 1;
    int A = 12;
};

inline int SegnoSingolo(const TColonna& c, int i)
{
    const int s = c[static_cast<std::size_t>(i - 1)] & 7;
    return s == 1 || s == 2 || s == 4 ? s : 0;
}

// Kind 7 against one reference column.
inline TMisura LetteraleRipetizioni(const TColonna& c, const TColonna& riferimento, TCampoS campo)
{
    TMisura m;
    int serie = 0;
    for (int i = campo.Da; i <= campo.A; ++i) {
        const int s = SegnoSingolo(c, i);
        if (s != 0 && s == SegnoSingolo(riferimento, i)) {
            ++m.Valore;
            m.Run = std::max(m.Run, ++serie);
        } else {
            serie = 0;
        }
    }
    return m;
}

struct TSequelaL {
    int Tipo = 1;
    TColonna Schema{};
    int Lunghezza = 2;
    int PassoTrovata = 1;
    int PassoNonTrovata = 1;
    TCampoS Campo;
};

// Kind 34, by the rules: windows judged one by one (types 1-4) or collected by their base-3
// codes with their lists of starts (types 5 and 6).
inline TMisura LetteraleSequela(const TColonna& c, TSequelaL q)
{
    if (q.Tipo < 1 || q.Tipo > 6) q.Tipo = 1;
    const long long pt = std::max(q.PassoTrovata, 1), pn = std::max(q.PassoNonTrovata, 1);
    const int l = q.Lunghezza, f = q.Campo.Da, t = q.Campo.A;
    TMisura m;
    if (l < 1) return m;
    if (q.Tipo <= 4) {
        int serie = 0;
        for (long long s = f; s <= t - l + 1;) {
            bool trovata = true;
            if (q.Tipo == 1) {
                for (int j = 1; j <= l; ++j) {
                    const int segno = SegnoSingolo(c, static_cast<int>(s) + j - 1);
                    if (segno == 0 || segno != (q.Schema[static_cast<std::size_t>(j - 1)] & 7))
                        trovata = false;
                }
            } else {
                int presenti = 0;
                for (int j = 0; j < l; ++j) presenti |= SegnoSingolo(c, static_cast<int>(s) + j);
                const int distinti = (presenti & 1) + ((presenti >> 1) & 1) + ((presenti >> 2) & 1);
                trovata = distinti == q.Tipo - 1;
            }
            if (trovata) {
                ++m.Valore;
                m.Run = std::max(m.Run, ++serie);
                s += pt;
            } else {
                serie = 0;
                s += pn;
            }
        }
        return m;
    }

    const bool senzaSovrapposizioni = pt == l && pn == 1;
    const long long passo = senzaSovrapposizioni ? 1 : pt;
    // At most thirteen windows: fixed room, so that the walk stays cheap in sanitizer builds.
    struct TVoce {
        long long Codice = 0;
        std::array<int, 14> Inizi{};
        int Numero = 0;
    };
    std::array<TVoce, 14> voci{};
    std::size_t numeroVoci = 0;
    auto cifra = [&](int i) { return SegnoSingolo(c, i) == 1 ? 0 : SegnoSingolo(c, i) == 2 ? 1 : 2; };
    for (long long s = f; s <= t - l + 1; s += passo) {
        bool completa = true;
        long long codice = 0, peso = 1;
        for (int k = 0; k < l; ++k, peso *= 3) {
            if (SegnoSingolo(c, static_cast<int>(s) + k) == 0) completa = false;
            codice += cifra(static_cast<int>(s) + k) * peso;
        }
        if (!completa) continue;
        std::size_t e = 0;
        while (e < numeroVoci && voci[e].Codice != codice) ++e;
        if (e == numeroVoci) voci[numeroVoci++].Codice = codice;
        TVoce& v = voci[e];
        if (senzaSovrapposizioni && v.Numero > 0 && s - v.Inizi[static_cast<std::size_t>(v.Numero - 1)] < l)
            continue;
        v.Inizi[static_cast<std::size_t>(v.Numero++)] = static_cast<int>(s);
    }
    if (numeroVoci == 0) return m;
    if (q.Tipo == 5) {
        std::size_t migliore = 0;
        for (std::size_t e = 1; e < numeroVoci; ++e)
            if (voci[e].Numero > voci[migliore].Numero) migliore = e;
        const auto& v = voci[migliore];
        m.Valore = v.Numero;
        int catena = 0;
        for (int k = 0; k < v.Numero; ++k) {
            const auto i = static_cast<std::size_t>(k);
            catena = k > 0 && v.Inizi[i] - v.Inizi[i - 1] == l ? catena + 1 : 1;
            m.Run = std::max(m.Run, catena);
        }
        return m;
    }
    auto rovescio = [&](long long codice) {
        long long r = 0;
        for (int k = 0; k < l; ++k, codice /= 3) r = r * 3 + codice % 3;
        return r;
    };
    std::array<int, 14> liberi{};
    for (std::size_t e = 0; e < numeroVoci; ++e) liberi[e] = voci[e].Numero;
    for (std::size_t i = 0; i < numeroVoci; ++i)
        for (std::size_t j = i + 1; j < numeroVoci; ++j) {
            if (rovescio(voci[i].Codice) != voci[j].Codice || voci[i].Codice == voci[j].Codice) continue;
            while (liberi[i] > 0 && liberi[j] > 0) {
                --liberi[i];
                --liberi[j];
                ++m.Valore;
            }
        }
    return m;
}

inline int Cifra(int segno)
{
    return segno == 1 ? 0 : segno == 2 ? 1 : 2;
}

// Kind 36: the sum as a real number, event by event.
inline double LetteraleValori(const TColonna& c, const TTabellaSegni& valori,
                              const std::array<bool, 13>& partite)
{
    double v = 0;
    for (int i = 1; i <= NumEvents; ++i)
        if (partite[static_cast<std::size_t>(i - 1)] && SegnoSingolo(c, i))
            v += valori[static_cast<std::size_t>(i - 1)][static_cast<std::size_t>(Cifra(SegnoSingolo(c, i)))];
    return v;
}

// Kind 37: x := p * x / 100 for each flagged event in order; 0 with no flagged event.
inline double LetteralePercentuali(const TColonna& c, const TTabellaSegni& perc,
                                   const std::array<bool, 13>& partite)
{
    double x = 100;
    bool qualcuna = false;
    for (int i = 1; i <= NumEvents; ++i) {
        if (!partite[static_cast<std::size_t>(i - 1)]) continue;
        qualcuna = true;
        if (SegnoSingolo(c, i))
            x = perc[static_cast<std::size_t>(i - 1)][static_cast<std::size_t>(Cifra(SegnoSingolo(c, i)))] *
                x / 100;
    }
    return qualcuna ? x : 0;
}

}  // namespace morella::test::storia
