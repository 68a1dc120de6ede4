// The blocks and the direct sums of CodiceRicoprente. A small table, filled by dynamic
// programming over (ternary positions, binary positions, radius), says which block to put
// first and what is left; the words are then the Cartesian product of the blocks' words.
#include "CodiciRicoprenti.h"

#include <algorithm>
#include <array>
#include <limits>

namespace morella {

namespace {

constexpr int MassimePosizioni = 13;
constexpr int RaggioMassimo = 2;

std::vector<TParolaCodice> DaTesti(std::initializer_list<const char*> testi)
{
    std::vector<TParolaCodice> parole;
    for (const char* t : testi) {
        TParolaCodice p;
        for (const char* c = t; *c; ++c) p.push_back(static_cast<std::uint8_t>(*c - '0'));
        parole.push_back(std::move(p));
    }
    return parole;
}

// Every word of {0..q-1}^n whose syndrome under the parity check is zero.
template <class F>
std::vector<TParolaCodice> ParoleConSindromeNulla(int n, int q, F&& sindromeNulla)
{
    std::vector<TParolaCodice> parole;
    TParolaCodice x(static_cast<std::size_t>(n), 0);
    while (true) {
        if (sindromeNulla(x)) parole.push_back(x);
        int i = n - 1;
        while (i >= 0 && x[static_cast<std::size_t>(i)] == q - 1) x[static_cast<std::size_t>(i--)] = 0;
        if (i < 0) break;
        ++x[static_cast<std::size_t>(i)];
    }
    return parole;
}

// A word as a number (two bits a digit), to sort and merge words cheaply.
std::uint64_t Chiave(const TParolaCodice& w)
{
    std::uint64_t k = 0;
    for (std::uint8_t d : w) k = k << 2 | d;
    return k;
}

// The distinct words, in the order of their keys.
std::vector<TParolaCodice> Distinte(std::vector<TParolaCodice> parole)
{
    std::vector<std::pair<std::uint64_t, std::size_t>> chiavi;
    chiavi.reserve(parole.size());
    for (std::size_t i = 0; i < parole.size(); ++i) chiavi.emplace_back(Chiave(parole[i]), i);
    std::sort(chiavi.begin(), chiavi.end());
    std::vector<TParolaCodice> distinte;
    for (std::size_t i = 0; i < chiavi.size(); ++i)
        if (i == 0 || chiavi[i].first != chiavi[i - 1].first)
            distinte.push_back(std::move(parole[chiavi[i].second]));
    return distinte;
}

// A block: a code of some length and radius; ternary blocks may also sit on binary positions.
struct TBlocco {
    int lunghezza;
    bool ternario;
    int raggio;
    std::int64_t dimensione;
    std::vector<TParolaCodice> (*parole)();
};

std::vector<TParolaCodice> Zero1()
{
    return DaTesti({"0"});
}
std::vector<TParolaCodice> Ternario2R1()
{
    return DaTesti({"00", "11", "22"});
}
std::vector<TParolaCodice> Ternario3R1()
{
    return DaTesti({"000", "011", "101", "110", "222"});
}
std::vector<TParolaCodice> Hamming4()
{
    return HammingTernario(2);
}
std::vector<TParolaCodice> Hamming13()
{
    return HammingTernario(3);
}

// Codes over triples by the matrix method, whose parity checks and syndrome sets
// came from long runs of the same search the optimiser makes over random parity checks: a
// word x belongs to the code when the syndrome, the sum of x_i times column i (digit by
// digit, mod 3, over `cifre` digits, the least significant first), is one of `sindromi`.
constexpr int CifreMassime = 8;  // digits of a syndrome at most

struct TCodiceSindromi {
    int cifre;  // at most CifreMassime
    std::vector<int> colonne, sindromi;
};

std::vector<TParolaCodice> ParoleDaSindromi(const TCodiceSindromi& c)
{
    const int n = static_cast<int>(c.colonne.size());
    std::vector<std::uint8_t> inS(static_cast<std::size_t>(Potenza(3, c.cifre)), 0);
    for (int x : c.sindromi) inS[static_cast<std::size_t>(x)] = 1;
    // The digits of every column, and of a syndrome as it is summed up.
    std::vector<std::array<int, CifreMassime>> cifre(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i)
        for (int k = 0, y = c.colonne[static_cast<std::size_t>(i)]; k < c.cifre; ++k, y /= 3)
            cifre[static_cast<std::size_t>(i)][static_cast<std::size_t>(k)] = y % 3;
    return ParoleConSindromeNulla(n, 3, [&](const TParolaCodice& x) {
        std::array<int, CifreMassime> somma{};
        for (int i = 0; i < n; ++i)
            for (int k = 0; k < c.cifre; ++k)
                somma[static_cast<std::size_t>(k)] +=
                    x[static_cast<std::size_t>(i)] *
                    cifre[static_cast<std::size_t>(i)][static_cast<std::size_t>(k)];
        int sindrome = 0;
        for (int k = c.cifre - 1; k >= 0; --k)
            sindrome = sindrome * 3 + somma[static_cast<std::size_t>(k)] % 3;
        return inS[static_cast<std::size_t>(sindrome)] != 0;
    });
}

std::vector<TParolaCodice> Ternario9R1()
{
    return ParoleDaSindromi(
        {7,
         {427, 813, 1515, 1702, 660, 2136, 1899, 1647, 360},
         {31,   46,   74,   97,   113,  129,  169,  179,  182,  204,  206,  207,  232,  235,  254,
          261,  266,  283,  302,  309,  340,  343,  356,  368,  371,  376,  377,  381,  398,  410,
          422,  425,  439,  450,  463,  489,  502,  517,  523,  529,  532,  557,  560,  571,  598,
          609,  617,  634,  636,  653,  690,  706,  718,  721,  732,  735,  738,  750,  762,  766,
          771,  817,  832,  848,  870,  885,  898,  914,  927,  945,  952,  972,  978,  1021, 1027,
          1037, 1075, 1091, 1099, 1103, 1116, 1142, 1145, 1158, 1167, 1182, 1198, 1236, 1264, 1292,
          1293, 1303, 1331, 1334, 1356, 1359, 1371, 1385, 1388, 1410, 1438, 1453, 1458, 1470, 1510,
          1526, 1592, 1593, 1605, 1617, 1622, 1671, 1676, 1684, 1687, 1701, 1711, 1713, 1725, 1729,
          1753, 1757, 1778, 1791, 1795, 1811, 1823, 1865, 1877, 1890, 1894, 1903, 1933, 1968, 1984,
          1996, 1997, 2000, 2012, 2018, 2033, 2048, 2050, 2066, 2079, 2132, 2133, 2161, 2169}});
}

std::vector<TParolaCodice> Ternario10R1()
{
    return ParoleDaSindromi({5,
                             {4, 94, 90, 121, 226, 48, 178, 156, 106, 154},
                             {14, 20, 23, 28, 53, 89, 91, 137, 140, 158, 194, 200, 203, 233, 235}});
}

std::vector<TParolaCodice> Ternario10R2()
{
    return ParoleDaSindromi({7,
                             {751, 1486, 1809, 1872, 1696, 1912, 1765, 952, 1834, 1477},
                             {138,  253,  310,  417,  471,  578,  719,  754,  937,  1148, 1238,
                              1265, 1317, 1341, 1570, 1597, 1652, 1676, 1755, 1815, 1993}});
}

std::vector<TParolaCodice> Ternario11R1()
{
    return ParoleDaSindromi(
        {6,
         {49, 219, 1, 433, 103, 196, 34, 3, 198, 88, 703},
         {1,   11,  108, 117, 130, 144, 159, 169, 177, 207, 215, 220, 240, 272, 289, 324, 339, 378, 391, 396,
          420, 427, 438, 457, 468, 476, 550, 560, 571, 576, 585, 600, 612, 648, 656, 681, 688, 718, 726}});
}

std::vector<TParolaCodice> Ternario12R1()
{
    return ParoleDaSindromi(
        {6,
         {151, 453, 61, 205, 286, 199, 472, 649, 462, 274, 399, 250},
         {3,   70,  82,  92,  97,  110, 147, 148, 163, 166, 186, 198, 241, 258, 259, 274, 280, 284, 302, 343,
          355, 358, 369, 390, 415, 438, 501, 535, 541, 547, 561, 607, 621, 656, 684, 685, 709, 715, 719}});
}
std::vector<TParolaCodice> Ternario3R2()
{
    return DaTesti({"000", "111", "222"});
}
std::vector<TParolaCodice> Ternario4R2()
{
    return DaTesti({"0000", "1111", "2222"});
}
std::vector<TParolaCodice> Binario3R1()
{
    return DaTesti({"000", "111"});
}
std::vector<TParolaCodice> Binario5R2()
{
    return DaTesti({"00000", "11111"});
}

const std::array<TBlocco, 18> Blocchi = {{
    {1, true, 1, 1, Zero1},
    {2, true, 1, 3, Ternario2R1},
    {3, true, 1, 5, Ternario3R1},
    {4, true, 1, 9, Hamming4},
    {9, true, 1, 1341, Ternario9R1},
    {10, true, 1, 3645, Ternario10R1},
    {11, true, 1, 9477, Ternario11R1},
    {12, true, 1, 28431, Ternario12R1},
    {13, true, 1, 59049, Hamming13},
    {3, true, 2, 3, Ternario3R2},
    {4, true, 2, 3, Ternario4R2},
    {6, true, 2, 17, Codice17},
    {10, true, 2, 567, Ternario10R2},
    {11, true, 2, 729, GolayTernario},
    {1, false, 1, 1, Zero1},
    {3, false, 1, 2, Binario3R1},
    {7, false, 1, 16, HammingBinario7},
    {5, false, 2, 2, Binario5R2},
}};

// What the table holds for (t ternary, d binary, r): the best size and how to reach it.
struct TScelta {
    std::int64_t dimensione = std::numeric_limits<std::int64_t>::max();
    int blocco = -1;  // -1: the whole space (r = 0) or the same code as with radius r - 1
    int ternarieDelBlocco = 0;
};

using TTabella = std::array<std::array<std::array<TScelta, RaggioMassimo + 1>, MassimePosizioni + 1>,
                            MassimePosizioni + 1>;

const TTabella& Tabella()
{
    static const TTabella tabella = [] {
        TTabella tab;
        for (int r = 0; r <= RaggioMassimo; ++r)
            for (int t = 0; t <= MassimePosizioni; ++t)
                for (int d = 0; t + d <= MassimePosizioni; ++d) {
                    TScelta& s = tab[static_cast<std::size_t>(t)][static_cast<std::size_t>(d)]
                                    [static_cast<std::size_t>(r)];
                    if (r == 0) {
                        s.dimensione = 1;
                        for (int i = 0; i < t; ++i) s.dimensione *= 3;
                        for (int i = 0; i < d; ++i) s.dimensione *= 2;
                        continue;
                    }
                    s = tab[static_cast<std::size_t>(t)][static_cast<std::size_t>(d)]
                           [static_cast<std::size_t>(r - 1)];
                    s.blocco = -1;
                    for (std::size_t b = 0; b < Blocchi.size(); ++b) {
                        const TBlocco& bl = Blocchi[b];
                        if (bl.raggio > r) continue;
                        // A ternary block takes its ternary positions first, then binary ones.
                        for (int tb = 0; tb <= std::min(t, bl.lunghezza); ++tb) {
                            const int db = bl.lunghezza - tb;
                            if (db > d || (!bl.ternario && tb > 0)) continue;
                            const std::int64_t resto =
                                tab[static_cast<std::size_t>(t - tb)][static_cast<std::size_t>(d - db)]
                                   [static_cast<std::size_t>(r - bl.raggio)]
                                       .dimensione;
                            if (bl.dimensione * resto < s.dimensione) {
                                s.dimensione = bl.dimensione * resto;
                                s.blocco = static_cast<int>(b);
                                s.ternarieDelBlocco = tb;
                            }
                        }
                    }
                }
        return tab;
    }();
    return tabella;
}

// The words over t ternary positions followed by d binary ones.
std::vector<TParolaCodice> Costruisci(int t, int d, int r)
{
    if (r == 0) {
        std::vector<int> alfabeti(static_cast<std::size_t>(t), 3);
        alfabeti.resize(static_cast<std::size_t>(t + d), 2);
        std::vector<TParolaCodice> tutte;
        TParolaCodice x(static_cast<std::size_t>(t + d), 0);
        while (true) {
            tutte.push_back(x);
            int i = t + d - 1;
            while (i >= 0 && x[static_cast<std::size_t>(i)] == alfabeti[static_cast<std::size_t>(i)] - 1)
                x[static_cast<std::size_t>(i--)] = 0;
            if (i < 0) break;
            ++x[static_cast<std::size_t>(i)];
        }
        return tutte;
    }
    const TScelta& s =
        Tabella()[static_cast<std::size_t>(t)][static_cast<std::size_t>(d)][static_cast<std::size_t>(r)];
    if (s.blocco < 0) return Costruisci(t, d, r - 1);
    const TBlocco& bl = Blocchi[static_cast<std::size_t>(s.blocco)];
    const int tb = s.ternarieDelBlocco, db = bl.lunghezza - tb;
    // The block's words on its positions; a ternary digit 2 on a binary position becomes 1,
    // which never moves a word farther from the words it covered. Merged words go once.
    std::vector<TParolaCodice> parole0 = bl.parole();
    for (TParolaCodice& p : parole0)
        for (int i = tb; i < bl.lunghezza; ++i)
            p[static_cast<std::size_t>(i)] = std::min<std::uint8_t>(p[static_cast<std::size_t>(i)], 1);
    const std::vector<TParolaCodice> blocco = Distinte(std::move(parole0));
    const std::vector<TParolaCodice> resto = Costruisci(t - tb, d - db, r - bl.raggio);
    std::vector<TParolaCodice> parole;
    parole.reserve(blocco.size() * resto.size());
    for (const TParolaCodice& b : blocco)
        for (const TParolaCodice& q : resto) {
            // Layout: the block's ternary positions, the rest's ternary ones, the block's
            // binary positions, the rest's binary ones.
            TParolaCodice w;
            w.reserve(static_cast<std::size_t>(t + d));
            w.insert(w.end(), b.begin(), b.begin() + tb);
            w.insert(w.end(), q.begin(), q.begin() + (t - tb));
            w.insert(w.end(), b.begin() + tb, b.end());
            w.insert(w.end(), q.begin() + (t - tb), q.end());
            parole.push_back(std::move(w));
        }
    return parole;
}

}  // namespace

std::vector<TParolaCodice> HammingTernario(int ridondanza)
{
    // Parity check: one column per point of the projective space (first nonzero entry 1).
    std::vector<std::array<int, 3>> colonne;
    for (int a = 0; a < 27; ++a) {
        std::array<int, 3> v{a / 9, a / 3 % 3, a % 3};
        if (ridondanza == 2 && v[0] != 0) continue;
        int k = 0;
        while (k < 3 && v[static_cast<std::size_t>(k)] == 0) ++k;
        if (k < 3 && v[static_cast<std::size_t>(k)] == 1) colonne.push_back(v);
    }
    const int n = static_cast<int>(colonne.size());
    return ParoleConSindromeNulla(n, 3, [&](const TParolaCodice& x) {
        for (int riga = 0; riga < 3; ++riga) {
            int s = 0;
            for (int i = 0; i < n; ++i)
                s += x[static_cast<std::size_t>(i)] *
                     colonne[static_cast<std::size_t>(i)][static_cast<std::size_t>(riga)];
            if (s % 3 != 0) return false;
        }
        return true;
    });
}

std::vector<TParolaCodice> GolayTernario()
{
    // The cyclic code generated by x^5 + x^4 + 2x^3 + x^2 + 2 (coefficients from x^0 up).
    constexpr std::array<int, 6> g = {2, 0, 1, 2, 1, 1};
    std::vector<TParolaCodice> parole;
    for (int m = 0; m < 729; ++m) {
        TParolaCodice w(11, 0);
        int x = m;
        for (int i = 0; i < 6; ++i, x /= 3)
            for (int j = 0; j < 6; ++j)
                w[static_cast<std::size_t>(i + j)] = static_cast<std::uint8_t>(
                    (w[static_cast<std::size_t>(i + j)] + x % 3 * g[static_cast<std::size_t>(j)]) % 3);
        parole.push_back(std::move(w));
    }
    return parole;
}

std::vector<TParolaCodice> Codice17()
{
    // A published covering code of length 6 and radius 2 with 17 words.
    return DaTesti({"200110", "101001", "210202", "221212", "102220", "020211", "111221", "220121", "011020",
                    "121122", "110112", "001100", "002022", "122000", "022102", "212111", "012201"});
}

std::vector<TParolaCodice> HammingBinario7()
{
    return ParoleConSindromeNulla(7, 2, [](const TParolaCodice& x) {
        int s = 0;
        for (int i = 0; i < 7; ++i)
            if (x[static_cast<std::size_t>(i)]) s ^= i + 1;
        return s == 0;
    });
}

std::int64_t DimensioneCodiceRicoprente(int ternarie, int binarie, int raggio)
{
    if (ternarie < 0 || binarie < 0 || ternarie + binarie > MassimePosizioni) return -1;
    raggio = std::clamp(raggio, 0, RaggioMassimo);
    return Tabella()[static_cast<std::size_t>(ternarie)][static_cast<std::size_t>(binarie)]
                    [static_cast<std::size_t>(raggio)]
                        .dimensione;
}

std::vector<TParolaCodice> PosizioniDelChiamante(const std::vector<int>& alfabeti,
                                                 const std::vector<TParolaCodice>& interne)
{
    std::vector<int> ternarie, binarie;
    for (std::size_t i = 0; i < alfabeti.size(); ++i)
        (alfabeti[i] == 3 ? ternarie : binarie).push_back(static_cast<int>(i));
    const int t = static_cast<int>(ternarie.size()), d = static_cast<int>(binarie.size());
    std::vector<TParolaCodice> parole;
    parole.reserve(interne.size());
    for (const TParolaCodice& w : interne) {
        TParolaCodice p(alfabeti.size(), 0);
        for (int i = 0; i < t; ++i)
            p[static_cast<std::size_t>(ternarie[static_cast<std::size_t>(i)])] =
                w[static_cast<std::size_t>(i)];
        for (int i = 0; i < d; ++i)
            p[static_cast<std::size_t>(binarie[static_cast<std::size_t>(i)])] =
                w[static_cast<std::size_t>(t + i)];
        parole.push_back(std::move(p));
    }
    return Distinte(std::move(parole));
}

std::vector<TParolaCodice> CodiceRicoprente(const std::vector<int>& alfabeti, int raggio)
{
    const int t = static_cast<int>(std::count(alfabeti.begin(), alfabeti.end(), 3));
    const int d = static_cast<int>(alfabeti.size()) - t;
    if (t + d > MassimePosizioni) return {};
    return PosizioniDelChiamante(alfabeti, Costruisci(t, d, std::clamp(raggio, 0, RaggioMassimo)));
}

int RaggioDiCopertura(const std::vector<TParolaCodice>& codice, const std::vector<int>& alfabeti)
{
    const std::size_t n = alfabeti.size();
    int raggio = 0;
    TParolaCodice x(n, 0);
    while (true) {
        int vicina = static_cast<int>(n) + 1;
        for (const TParolaCodice& c : codice) {
            int dist = 0;
            for (std::size_t i = 0; i < n; ++i) dist += c[i] != x[i];
            vicina = std::min(vicina, dist);
        }
        raggio = std::max(raggio, vicina);
        std::size_t i = n;
        while (i > 0 && x[i - 1] == alfabeti[i - 1] - 1) x[--i] = 0;
        if (i == 0) break;
        ++x[i - 1];
    }
    return raggio;
}

}  // namespace morella
