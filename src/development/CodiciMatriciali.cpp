// Covering codes by the matrix method, over t ternary and d binary positions: a word x is in
// the code when its syndrome (H3 x_ternary mod 3, H2 x_binary mod 2), an element of the group
// Z3^a x Z2^b, lies in a set S of syndromes such that S plus the syndromes of at most R changed
// positions reaches the whole group. A word y then lies within R of the code: undo the
// changes that lead from the syndrome of y into S. S is a covering problem on only 3^a 2^b
// elements, which the local search solves well.
#include <algorithm>
#include <array>
#include <chrono>
#include <limits>

#include "CodiciRicoprenti.h"
#include "RicercaCopertura.h"

namespace morella {

int Potenza(int base, int esponente)
{
    int p = 1;
    for (int i = 0; i < esponente; ++i) p *= base;
    return p;
}

namespace {

constexpr int GruppoMassimo = 2187;  // syndromes at most
// With doubles the finer groups pay: a mixed space has fewer words per syndrome to spare, and
// a cover of a larger group comes closer to the best the space allows.
constexpr int GruppoMassimoMisto = 6561;
constexpr int GruppoMinimo = 9;
constexpr int GiriContati = 2;
constexpr int TentativiPiccoli = 16;
constexpr int TentativiMisti = 4;
constexpr int Estrazioni = 8;                 // random matrices drawn per attempt, the best one searched
constexpr double Vicino = 1.06;               // a group within this of the best gets further attempts
constexpr double QuotaRicognizione = 0.3;     // with doubles: the first round's share of the time
constexpr double ApprofondimentoMisto = 3.0;  // later attempts search this much longer

// A syndrome: a ternary part (a digits) and a binary part (b bits), as one index.
struct TGruppo {
    int a, b;
    int Dimensione() const { return Potenza(3, a) << b; }
    int Somma(int x, int y, int volteY = 1) const
    {
        const int x3 = x >> b, y3 = y >> b;
        int s3 = 0;
        for (int i = 0, p = 1; i < a; ++i, p *= 3) s3 += (x3 / p % 3 + volteY * (y3 / p % 3)) % 3 * p;
        const int s2 = (x ^ (volteY % 2 ? y : 0)) & ((1 << b) - 1);
        return s3 << b | s2;
    }
};

// n distinct nonzero columns when there are enough (first nonzero ternary digit 1, so no
// column is minus another), otherwise any nonzero ones; in random order.
std::vector<int> Colonne(int n, int spazio, bool ternarie, TCasuale& caso)
{
    std::vector<int> punti;
    for (int x = 1; x < spazio; ++x) {
        if (!ternarie) {
            punti.push_back(x);
            continue;
        }
        int y = x;
        while (y % 3 == 0) y /= 3;
        if (y % 3 == 1) punti.push_back(x);
    }
    std::vector<int> scelte;
    while (static_cast<int>(scelte.size()) < n && !punti.empty()) {
        std::vector<int> giro = punti;
        for (std::size_t i = 0; i + 1 < giro.size(); ++i)
            std::swap(giro[i],
                      giro[i + static_cast<std::size_t>(caso.Sotto(static_cast<int>(giro.size() - i)))]);
        for (int p : giro)
            if (static_cast<int>(scelte.size()) < n) scelte.push_back(p);
    }
    return scelte;
}

// Whether the columns generate the whole group: only then has every syndrome the same number
// of words, and the code |S| times that many.
bool Suriettiva(const TGruppo& g, const std::vector<int>& colonne)
{
    const int m = g.Dimensione();
    std::vector<std::uint8_t> raggiunto(static_cast<std::size_t>(m), 0);
    std::vector<int> coda = {0};
    raggiunto[0] = 1;
    for (std::size_t i = 0; i < coda.size(); ++i)
        for (int c : colonne) {
            const int y = g.Somma(coda[i], c);
            if (raggiunto[static_cast<std::size_t>(y)]) continue;
            raggiunto[static_cast<std::size_t>(y)] = 1;
            coda.push_back(y);
        }
    return static_cast<int>(coda.size()) == m;
}

struct TTentativo {
    TGruppo g{0, 0};
    std::vector<int> colonne;  // per position: its syndrome (ternary positions first)
    std::vector<int> sindromi;
};

}  // namespace

namespace {

std::vector<TParolaCodice> Matriciale(int t, int d, int raggio, std::int64_t daBattere, double secondi,
                                      std::uint64_t seme, const std::function<bool()>& interrompi,
                                      std::int64_t passiPerTentativo)
{
    const auto inizio = std::chrono::steady_clock::now();
    auto trascorsi = [&] {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - inizio).count();
    };
    TCasuale caso(seme);
    const int n = t + d;
    std::int64_t spazio = static_cast<std::int64_t>(Potenza(3, t)) << d;

    std::vector<TGruppo> gruppi;
    for (int a = 0; a <= t; ++a)
        for (int b = 0; b <= d; ++b) {
            const TGruppo g{a, b};
            if (Potenza(3, a) << b > (d > 0 ? GruppoMassimoMisto : GruppoMassimo) ||
                g.Dimensione() < GruppoMinimo)
                continue;
            if (a + b > 0 && (a > 0 || t == 0) && (b > 0 || d == 0)) gruppi.push_back(g);
        }
    if (gruppi.empty()) return {};
    int piuGrande = 0;
    for (const TGruppo& g : gruppi) piuGrande = std::max(piuGrande, g.Dimensione());
    // Each attempt gets time in proportion to its group; small groups get many tries. With
    // doubles there are many groups of similar promise: a first round surveys them all in a
    // share of the time, and the later rounds search longer on those that came close to the
    // best (Vicino).
    const bool misto = d > 0;
    double perUnita = secondi / (6.0 * piuGrande);

    TTentativo migliore;
    std::int64_t dimensioneMigliore = daBattere;
    // Counted attempts (a fixed number of rounds, a fixed number of steps each) repeat exactly.
    const bool contati = passiPerTentativo >= 0;
    bool finito = false;
    // A small group costs little per attempt but depends much on the random columns of H, so
    // it gets several attempts in a round; fewer with doubles, where the large groups do better.
    std::vector<TGruppo> giro;
    for (const TGruppo& g : gruppi)
        for (int k = std::clamp(piuGrande / g.Dimensione(), 1, d > 0 ? TentativiMisti : TentativiPiccoli);
             k > 0; --k)
            giro.push_back(g);
    double sommaGruppi = 0.0;
    for (const TGruppo& g : giro) sommaGruppi += g.Dimensione();
    if (misto) perUnita = QuotaRicognizione * secondi / sommaGruppi;
    // Syndromes of at most `raggio` changed positions (a binary change is its own inverse).
    auto cambiDi = [&](const TGruppo& g, const std::vector<int>& colonne) {
        std::vector<int> cambi = {0};
        for (int i = 0; i < n; ++i)
            for (int v = 1; v <= (i < t ? 2 : 1); ++v) {
                const int ei = g.Somma(0, colonne[static_cast<std::size_t>(i)], v);
                cambi.push_back(ei);
                if (raggio < 2) continue;
                for (int j = i + 1; j < n; ++j)
                    for (int w = 1; w <= (j < t ? 2 : 1); ++w)
                        cambi.push_back(g.Somma(ei, colonne[static_cast<std::size_t>(j)], w));
            }
        std::sort(cambi.begin(), cambi.end());
        cambi.erase(std::unique(cambi.begin(), cambi.end()), cambi.end());
        return cambi;
    };
    // Per group: the best size it gave. After the first round only the groups that came close
    // to the best get further attempts: the time goes where the covers are good.
    std::vector<std::int64_t> resaGruppo(giro.size(), std::numeric_limits<std::int64_t>::max());
    bool tutti = true;  // a round where no group came close enough opens the next to all
    for (int volta = 0; !finito && (!contati || volta < GiriContati); ++volta) {
        bool provato = false;
        for (std::size_t k = 0; k < giro.size(); ++k) {
            const TGruppo& g = giro[k];
            if ((!contati && trascorsi() >= secondi) || interrompi()) {
                finito = true;
                break;
            }
            if (misto && !tutti &&
                static_cast<double>(resaGruppo[k]) > Vicino * static_cast<double>(dimensioneMigliore))
                continue;
            provato = true;
            const int m = g.Dimensione();
            const std::int64_t nucleo = spazio / m;  // words per syndrome when H is onto
            // Of a few random matrices, the one whose changes reach most syndromes: a larger
            // ball in the group tends to a smaller cover.
            TTentativo prova;
            prova.g = g;
            std::vector<int> cambi;
            for (int estrazione = 0; estrazione < (misto ? Estrazioni : 1); ++estrazione) {
                std::vector<int> colonne;
                for (int c : Colonne(t, Potenza(3, g.a), true, caso)) colonne.push_back(c << g.b);
                for (int c : Colonne(d, 1 << g.b, false, caso)) colonne.push_back(c);
                if (static_cast<int>(colonne.size()) != n || !Suriettiva(g, colonne)) continue;
                std::vector<int> c2 = cambiDi(g, colonne);
                if (c2.size() > cambi.size()) {
                    cambi = std::move(c2);
                    prova.colonne = std::move(colonne);
                }
            }
            if (cambi.empty()) continue;
            const int palla = static_cast<int>(cambi.size());
            if (static_cast<std::int64_t>((m + palla - 1) / palla) * nucleo >= dimensioneMigliore) continue;
            TPalle palle;
            palle.inizio.push_back(0);
            for (int x = 0; x < m; ++x) {
                for (int e : cambi) palle.vicini.push_back(g.Somma(x, e));
                palle.inizio.push_back(static_cast<std::uint32_t>(palle.vicini.size()));
            }
            std::vector<int> tutte(static_cast<std::size_t>(m));
            for (int x = 0; x < m; ++x) tutte[static_cast<std::size_t>(x)] = x;
            TRicercaCopertura ricerca(palle, tutte, caso.Prossimo());
            const double fine = trascorsi() + perUnita * m;
            ricerca.Cerca([&](int, int) {
                if (contati) return ricerca.Passi() >= passiPerTentativo || interrompi();
                // However short its share, an attempt first drops the syndromes it does not
                // need: cut off before that, it would say nothing of its group.
                return (trascorsi() >= fine && ricerca.Passi() >= 2 * static_cast<std::int64_t>(m)) ||
                       interrompi();
            });
            const std::int64_t dimensione = static_cast<std::int64_t>(ricerca.Migliore().size()) * nucleo;
            resaGruppo[k] = std::min(resaGruppo[k], dimensione);
            if (dimensione < dimensioneMigliore) {
                dimensioneMigliore = dimensione;
                prova.sindromi = ricerca.Migliore();
                migliore = std::move(prova);
            }
        }
        tutti = !provato;
        if (volta == 0 && misto) perUnita *= ApprofondimentoMisto;
    }
    // Interrupted (cancelled): the words would come too late.
    if (migliore.sindromi.empty() || interrompi()) return {};

    // Every word whose syndrome is one of S: ternary positions first, then the binary ones.
    const TGruppo g = migliore.g;
    std::vector<std::uint8_t> inS(static_cast<std::size_t>(g.Dimensione()), 0);
    for (int s : migliore.sindromi) inS[static_cast<std::size_t>(s)] = 1;
    std::vector<TParolaCodice> parole;
    TParolaCodice x(static_cast<std::size_t>(n), 0);
    // A whole space of twelve triples takes a tenth of a second: a cancel is heard meanwhile.
    for (std::int64_t contate = 0;; ++contate) {
        if ((contate & 4095) == 0 && interrompi()) return {};
        int s = 0;
        for (int i = 0; i < n; ++i)
            if (x[static_cast<std::size_t>(i)])
                s = g.Somma(s, migliore.colonne[static_cast<std::size_t>(i)], x[static_cast<std::size_t>(i)]);
        if (inS[static_cast<std::size_t>(s)]) parole.push_back(x);
        int i = n - 1;
        while (i >= 0 && x[static_cast<std::size_t>(i)] == (i < t ? 2 : 1))
            x[static_cast<std::size_t>(i--)] = 0;
        if (i < 0) break;
        ++x[static_cast<std::size_t>(i)];
    }
    return parole;
}

}  // namespace

std::vector<TParolaCodice> CodiceMatriciale(const std::vector<int>& alfabeti, int raggio,
                                            std::int64_t daBattere, double secondi, std::uint64_t seme,
                                            const std::function<bool()>& interrompi,
                                            std::int64_t passiPerTentativo)
{
    const int t = static_cast<int>(std::count(alfabeti.begin(), alfabeti.end(), 3));
    const int d = static_cast<int>(alfabeti.size()) - t;
    return PosizioniDelChiamante(
        alfabeti, Matriciale(t, d, raggio, daBattere, secondi, seme, interrompi, passiPerTentativo));
}

}  // namespace morella
