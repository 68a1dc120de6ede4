// Ternary covering codes by the matrix method: the code is every word x of {0,1,2}^n whose
// syndrome H x (H of r rows, one distinct projective point per column) lies in a set S of
// syndromes such that S plus the syndromes of at most R errors reaches all 3^r syndromes. A
// word y then lies within R of the code: subtract the errors that lead from H y into S.
// S is a covering problem on only 3^r elements, which the local search solves well; the code
// has |S| 3^(n-r) words.
#include <algorithm>
#include <array>
#include <chrono>

#include "CodiciRicoprenti.h"
#include "RicercaCopertura.h"

namespace morella {

namespace {

constexpr int RigheMassime = 6;  // 729 syndromes at most

using TVettore = std::array<int, RigheMassime>;

int Indice(const TVettore& v, int r)
{
    int x = 0;
    for (int i = 0; i < r; ++i) x = x * 3 + v[static_cast<std::size_t>(i)];
    return x;
}

TVettore Vettore(int x, int r)
{
    TVettore v{};
    for (int i = r - 1; i >= 0; --i, x /= 3) v[static_cast<std::size_t>(i)] = x % 3;
    return v;
}

int Somma(int a, int b, int r, int cb = 1)
{
    TVettore va = Vettore(a, r), vb = Vettore(b, r);
    for (int i = 0; i < r; ++i) va[static_cast<std::size_t>(i)] = (va[static_cast<std::size_t>(i)] + cb * vb[static_cast<std::size_t>(i)]) % 3;
    return Indice(va, r);
}

// The projective points of r coordinates: nonzero vectors whose first nonzero entry is 1.
std::vector<int> PuntiProiettivi(int r)
{
    std::vector<int> punti;
    for (int x = 1; x < Potenza(3, r); ++x) {
        const TVettore v = Vettore(x, r);
        int k = 0;
        while (v[static_cast<std::size_t>(k)] == 0) ++k;
        if (v[static_cast<std::size_t>(k)] == 1) punti.push_back(x);
    }
    return punti;
}

}  // namespace

int Potenza(int base, int esponente)
{
    int p = 1;
    for (int i = 0; i < esponente; ++i) p *= base;
    return p;
}

std::vector<TParolaCodice> CodiceMatriciale(int n, int raggio, std::int64_t daBattere, double secondi,
                                            std::uint64_t seme, const std::function<bool()>& interrompi)
{
    const auto inizio = std::chrono::steady_clock::now();
    auto trascorsi = [&] { return std::chrono::duration<double>(std::chrono::steady_clock::now() - inizio).count(); };
    TCasuale caso(seme);
    std::int64_t migliore = daBattere;
    std::vector<int> colonneMigliori, sindromiMigliori;
    int rMigliore = 0;

    // A few random parity checks for every number of rows, while the time lasts.
    std::vector<int> righe;
    for (int r = 2; r <= std::min(n, RigheMassime); ++r)
        if (static_cast<int>(PuntiProiettivi(r).size()) >= n) righe.push_back(r);
    if (righe.empty()) return {};
    // Each attempt gets time in proportion to its syndrome space; small spaces get many tries.
    const double perUnita = secondi / (8.0 * Potenza(3, righe.back()));
    bool finito = false;
    for (int giro = 0; !finito; ++giro)
        for (int r : righe) {
            if (trascorsi() >= secondi || interrompi()) {
                finito = true;
                break;
            }
            const double perTentativo = perUnita * Potenza(3, r);
            const std::int64_t resto = Potenza(3, n - r);
            std::vector<int> punti = PuntiProiettivi(r);
            // A random choice of n distinct points as the columns of H.
            for (std::size_t i = 0; i + 1 < punti.size(); ++i)
                std::swap(punti[i], punti[i + static_cast<std::size_t>(caso.Sotto(static_cast<int>(punti.size() - i)))]);
            punti.resize(static_cast<std::size_t>(n));
            // Syndromes of at most `raggio` errors.
            std::vector<int> errori = {0};
            for (int i = 0; i < n; ++i)
                for (int a = 1; a <= 2; ++a) {
                    const int ei = Somma(0, punti[static_cast<std::size_t>(i)], r, a);
                    errori.push_back(ei);
                    if (raggio < 2) continue;
                    for (int j = i + 1; j < n; ++j)
                        for (int b = 1; b <= 2; ++b) errori.push_back(Somma(ei, punti[static_cast<std::size_t>(j)], r, b));
                }
            std::sort(errori.begin(), errori.end());
            errori.erase(std::unique(errori.begin(), errori.end()), errori.end());
            const int m = Potenza(3, r);
            if (static_cast<std::int64_t>((m + static_cast<int>(errori.size()) - 1) / static_cast<int>(errori.size())) * resto >= migliore)
                continue;
            TPalle palle;
            palle.inizio.push_back(0);
            for (int x = 0; x < m; ++x) {
                for (int e : errori) palle.vicini.push_back(Somma(x, e, r));
                palle.inizio.push_back(static_cast<std::uint32_t>(palle.vicini.size()));
            }
            std::vector<int> tutte(static_cast<std::size_t>(m));
            for (int x = 0; x < m; ++x) tutte[static_cast<std::size_t>(x)] = x;
            TRicercaCopertura ricerca(palle, tutte, caso.Prossimo());
            const double fine = trascorsi() + perTentativo;
            ricerca.Cerca([&](int, int meglio) {
                (void)meglio;
                return trascorsi() >= fine || interrompi();
            });
            const std::int64_t dimensione = static_cast<std::int64_t>(ricerca.Migliore().size()) * resto;
            if (dimensione < migliore) {
                migliore = dimensione;
                colonneMigliori = punti;
                sindromiMigliori = ricerca.Migliore();
                rMigliore = r;
            }
        }
    if (sindromiMigliori.empty()) return {};

    // Every word whose syndrome is one of S.
    const int r = rMigliore;
    std::vector<std::uint8_t> inS(static_cast<std::size_t>(Potenza(3, r)), 0);
    for (int s : sindromiMigliori) inS[static_cast<std::size_t>(s)] = 1;
    std::vector<TVettore> colonne;
    for (int p : colonneMigliori) colonne.push_back(Vettore(p, r));
    std::vector<TParolaCodice> parole;
    TParolaCodice x(static_cast<std::size_t>(n), 0);
    while (true) {
        TVettore s{};
        for (int i = 0; i < n; ++i)
            for (int k = 0; k < r; ++k)
                s[static_cast<std::size_t>(k)] += x[static_cast<std::size_t>(i)] * colonne[static_cast<std::size_t>(i)][static_cast<std::size_t>(k)];
        for (int k = 0; k < r; ++k) s[static_cast<std::size_t>(k)] %= 3;
        if (inS[static_cast<std::size_t>(Indice(s, r))]) parole.push_back(x);
        int i = n - 1;
        while (i >= 0 && x[static_cast<std::size_t>(i)] == 2) x[static_cast<std::size_t>(i--)] = 0;
        if (i < 0) break;
        ++x[static_cast<std::size_t>(i)];
    }
    return parole;
}

}  // namespace morella
