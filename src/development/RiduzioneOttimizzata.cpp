// The run of the optimised reduction. Columns become base-3 codes (event 1 the highest
// digit) and the distinct codes of the list the elements of a covering problem; a dense array
// over all 3^n codes maps a code back to its element, so the columns in reach of one are
// enumerated, never searched for.
#include "RiduzioneOttimizzata.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <chrono>
#include <functional>
#include <limits>

#include "AutoriduzioneMotore.h"
#include "CodiciRicoprenti.h"
#include "RicercaCopertura.h"

namespace morella {

namespace {

using Orologio = std::chrono::steady_clock;

// Beyond this many ball entries the search would need too much memory; the better of the
// accurate result and the construction is kept instead.
constexpr std::size_t VociMassime = 160'000'000;
constexpr double NanosecondiPerVoce = 4.0;  // verification cost, to keep time for it
constexpr double SecondiTraControlli = 0.01;
constexpr double SecondiTraAvanzamenti = 0.2;
// Shares of the time left: for the matrix method on a whole product space (more with doubles,
// where the search gains little on the code it finds), then for completing translated codes
// on a conditioned list; the search has the rest.
constexpr double QuotaMatriciale = 0.3;
constexpr double QuotaMatricialeMista = 0.8;
constexpr double QuotaTraslazioni = 0.3;
constexpr double QuotaOrbite = 0.7;  // of the time left, for the search over orbits
constexpr int TraslazioniMassime = 64;
constexpr int TraslazioniContate = 4;
// Translations that never beat the greedy within the first rounds leave their time to the
// search: on a list far smaller than the space (the realistic set keeps a third of it) the
// code words fall too unevenly, and every round lost by 30 to 60 columns.
constexpr int TraslazioniDiProva = 2;
constexpr std::int64_t PassiMatricialiContati = 20000;

int Codice(const TColonna& c, int n)
{
    int x = 0;
    for (int i = 0; i < n; ++i) x = x * 3 + CifraSegno(c[static_cast<std::size_t>(i)] & MascheraSegni);
    return x;
}

// Calls fn for every code within distance `raggio` of x, x itself included.
template <class F>
void PerOgniCodiceVicino(int x, int n, int raggio, F&& fn)
{
    int delta[MaxEventi][2];
    int pot = 1;
    for (int i = n - 1, y = x; i >= 0; --i, y /= 3, pot *= 3) {
        const int d = y % 3;
        delta[i][0] = ((d + 1) % 3 - d) * pot;
        delta[i][1] = ((d + 2) % 3 - d) * pot;
    }
    fn(x);
    if (raggio < 1) return;
    for (int i = 0; i < n; ++i)
        for (int a = 0; a < 2; ++a) {
            const int y = x + delta[i][a];
            fn(y);
            if (raggio < 2) continue;
            for (int j = i + 1; j < n; ++j) {
                fn(y + delta[j][0]);
                fn(y + delta[j][1]);
            }
        }
}

// Whether some code within distance `raggio` of x (x included) satisfies `cerca`; stops at the
// first that does.
template <class F>
bool QualcheCodiceVicino(int x, int n, int raggio, F&& cerca)
{
    if (cerca(x)) return true;
    int delta[MaxEventi][2];
    int pot = 1;
    for (int i = n - 1, y = x; i >= 0; --i, y /= 3, pot *= 3) {
        const int d = y % 3;
        delta[i][0] = ((d + 1) % 3 - d) * pot;
        delta[i][1] = ((d + 2) % 3 - d) * pot;
    }
    for (int i = 0; i < n && raggio >= 1; ++i)
        for (int a = 0; a < 2; ++a)
            if (cerca(x + delta[i][a])) return true;
    for (int i = 0; i < n && raggio >= 2; ++i)
        for (int a = 0; a < 2; ++a)
            for (int j = i + 1; j < n; ++j)
                if (cerca(x + delta[i][a] + delta[j][0]) || cerca(x + delta[i][a] + delta[j][1])) return true;
    return false;
}

// The distinct codes of the list in order of first appearance.
struct TUniverso {
    int n = 0;
    std::vector<std::int32_t> elemento;  // per code: its element, -1 when the list lacks it
    std::vector<int> codice;             // per element
    std::vector<int> posizione;          // per element: first position in the list

    explicit TUniverso(const TListaColonne& lista) : n(NumEvents)
    {
        elemento.assign(static_cast<std::size_t>(Potenza(3, n)), -1);
        for (std::size_t p = 0; p < lista.size(); ++p) {
            const int x = Codice(lista[p], n);
            std::int32_t& e = elemento[static_cast<std::size_t>(x)];
            if (e >= 0) continue;
            e = static_cast<std::int32_t>(codice.size());
            codice.push_back(x);
            posizione.push_back(static_cast<int>(p));
        }
    }
    int Elementi() const { return static_cast<int>(codice.size()); }
};

// Columns within reach of each element; empty when too large or interrupted.
bool CostruisciPalle(const TUniverso& u, int f, TPalle& palle, const std::function<bool()>& interrompi)
{
    const int m = u.Elementi();
    palle.inizio.assign(static_cast<std::size_t>(m) + 1, 0);
    palle.vicini.clear();
    // Room for full balls at once: growing would copy hundreds of megabytes in one go, where a
    // cancel cannot be heard (the pages are only touched as they fill).
    int pallaPiena = 1 + 2 * u.n;
    if (f == 2) pallaPiena += 2 * u.n * (u.n - 1);
    palle.vicini.reserve(
        std::min(static_cast<std::size_t>(m) * static_cast<std::size_t>(pallaPiena), VociMassime + 1));
    const std::int32_t* elemento = u.elemento.data();
    for (int e = 0; e < m; ++e) {
        if ((e & 4095) == 0 && interrompi()) return false;
        PerOgniCodiceVicino(u.codice[static_cast<std::size_t>(e)], u.n, f, [&](int y) {
            if (elemento[y] >= 0) palle.vicini.push_back(elemento[y]);
        });
        if (palle.vicini.size() > VociMassime) {
            palle = TPalle{};
            return false;
        }
        palle.inizio[static_cast<std::size_t>(e) + 1] = static_cast<std::uint32_t>(palle.vicini.size());
    }
    return true;
}

// The product of the sign sets the list uses at each event (the prediction it was developed
// from): the events with two or three signs, and the sign each digit of a code word stands for.
struct TSpazioProdotto {
    std::vector<int> alfabeti, eventi;
    int ternarie = 0, binarie = 0;
    std::int64_t parole = 1;                            // words of the space
    std::array<std::array<int, 3>, MaxEventi> cifra{};  // digit j of an event: the j-th of its signs
};

bool SpazioProdotto(const TListaColonne& lista, const TUniverso& u, TSpazioProdotto& sp)
{
    const int n = u.n;
    std::array<TSegni, MaxEventi> segni{};
    for (const TColonna& c : lista)
        for (int i = 0; i < n; ++i)
            segni[static_cast<std::size_t>(i)] |= c[static_cast<std::size_t>(i)] & MascheraSegni;
    std::int64_t prodotto = 1;
    for (int i = 0; i < n; ++i) {
        const int k = NumeroSegni(segni[static_cast<std::size_t>(i)]);
        prodotto *= k;
        int j = 0;
        for (int s = 0; s < 3; ++s)
            if (segni[static_cast<std::size_t>(i)] & SegnoDaCifra(s))
                sp.cifra[static_cast<std::size_t>(i)][static_cast<std::size_t>(j++)] = s;
        if (k < 2) continue;
        sp.alfabeti.push_back(k);
        sp.eventi.push_back(i);
        (k == 3 ? sp.ternarie : sp.binarie)++;
    }
    sp.parole = prodotto;
    return prodotto == u.Elementi();
}

// Code words, shifted by `spostamento` (a digit per position, added modulo its alphabet), laid
// onto the signs; the singles come from any column of the list. Words the list lacks are left
// out, or make the result empty when `tutte` is set.
std::vector<int> Mappa(const std::vector<TParolaCodice>& parole, const TUniverso& u,
                       const TSpazioProdotto& sp, const std::vector<int>& spostamento, bool tutte)
{
    const int n = u.n;
    std::array<int, MaxEventi> base{};
    for (int i = n - 1, x = u.codice[0]; i >= 0; --i, x /= 3) base[static_cast<std::size_t>(i)] = x % 3;
    std::vector<int> elementi;
    elementi.reserve(parole.size());
    for (const TParolaCodice& w : parole) {
        int x = 0;
        for (int i = 0, k = 0; i < n; ++i) {
            int d = base[static_cast<std::size_t>(i)];
            if (k < static_cast<int>(sp.eventi.size()) && sp.eventi[static_cast<std::size_t>(k)] == i) {
                const int q = sp.alfabeti[static_cast<std::size_t>(k)];
                d = sp.cifra[static_cast<std::size_t>(i)][static_cast<std::size_t>(
                    (w[static_cast<std::size_t>(k)] + spostamento[static_cast<std::size_t>(k)]) % q)];
                ++k;
            }
            x = x * 3 + d;
        }
        const std::int32_t e = u.elemento[static_cast<std::size_t>(x)];
        if (e >= 0)
            elementi.push_back(e);
        else if (tutte)
            return {};
    }
    return elementi;
}

// Completes a choice into a cover greedily: first the column whose uncovered elements weigh
// most, an element weighing the less the more columns reach it (an element few columns reach
// gets its column early, while there is still a choice that covers much else as well). A
// gain only falls, so a stale entry of the heap is put back with its current gain. Empty when
// interrupted.
std::vector<int> Completa(const TPalle& palle, const std::vector<int>& scelti,
                          const std::function<bool()>& interrompi)
{
    const int m = palle.Elementi();
    const std::int32_t* v = palle.vicini.data();
    auto inizio = [&](int e) { return palle.inizio[static_cast<std::size_t>(e)]; };
    auto fine = [&](int e) { return palle.inizio[static_cast<std::size_t>(e) + 1]; };
    std::vector<double> peso(static_cast<std::size_t>(m)), guadagno(static_cast<std::size_t>(m), 0.0);
    for (int e = 0; e < m; ++e) peso[static_cast<std::size_t>(e)] = 1.0 / (fine(e) - inizio(e));
    std::vector<std::uint8_t> coperto(static_cast<std::size_t>(m), 0), scelto(static_cast<std::size_t>(m), 0);
    std::vector<int> risultato;
    int scoperti = m;
    auto scegli = [&](int c, bool aggiorna) {
        scelto[static_cast<std::size_t>(c)] = 1;
        risultato.push_back(c);
        for (std::uint32_t k = inizio(c); k < fine(c); ++k) {
            const int x = v[k];
            if (coperto[static_cast<std::size_t>(x)]) continue;
            coperto[static_cast<std::size_t>(x)] = 1;
            --scoperti;
            if (!aggiorna) continue;
            for (std::uint32_t h = inizio(x); h < fine(x); ++h)
                guadagno[static_cast<std::size_t>(v[h])] -= peso[static_cast<std::size_t>(x)];
        }
    };
    for (int c : scelti)
        if (!scelto[static_cast<std::size_t>(c)]) scegli(c, false);
    // Ties go to the column first in the list; a gain this small is rounding, not an element.
    constexpr double Nulla = 1e-9;
    std::vector<std::pair<double, int>> mucchio;
    for (int c = 0; c < m; ++c) {
        if ((c & 4095) == 0 && interrompi()) return {};
        double g = 0.0;
        for (std::uint32_t k = inizio(c); k < fine(c); ++k)
            if (!coperto[static_cast<std::size_t>(v[k])]) g += peso[static_cast<std::size_t>(v[k])];
        guadagno[static_cast<std::size_t>(c)] = g;
        if (g > Nulla && !scelto[static_cast<std::size_t>(c)]) mucchio.emplace_back(g, -c);
    }
    std::make_heap(mucchio.begin(), mucchio.end());
    while (scoperti > 0 && !mucchio.empty()) {
        std::pop_heap(mucchio.begin(), mucchio.end());
        const auto [g, menoC] = mucchio.back();
        mucchio.pop_back();
        const int c = -menoC;
        const double attuale = guadagno[static_cast<std::size_t>(c)];
        if (attuale <= Nulla) continue;
        if (attuale < g - Nulla) {
            mucchio.emplace_back(attuale, menoC);
            std::push_heap(mucchio.begin(), mucchio.end());
            continue;
        }
        scegli(c, true);
        if ((risultato.size() & 15) == 0 && interrompi()) return {};  // a column costs up to a ball of balls
    }
    return risultato;
}

// Maps of the columns that carry the list onto itself let a search work on whole orbits: a
// problem many times smaller, whose covers expand into covers of the list, since an orbit
// covers every member of another as soon as it covers one. Such maps are permutations of the
// events (the conditions that only count signs, or compare mirrored events, give such lists),
// and, where conditions only compare events with each other, the same change of sign applied
// to every event they compare.
struct TOrbite {
    std::vector<int> orbita;               // per element
    std::vector<std::vector<int>> membri;  // per orbit, its elements
};

// A distance-preserving map of the codes: digit i, shifted by spostamento[i] (modulo 3), moves
// to position perm[i].
struct TIsometria {
    std::vector<int> perm;
    std::vector<int> spostamento;
};

// The element each element goes to under the map; empty when the list is not closed under it,
// or when interrupted.
std::vector<std::int32_t> Immagine(const TUniverso& u, const TIsometria& g,
                                   const std::function<bool()>& interrompi)
{
    const int n = u.n, m = u.Elementi();
    std::vector<std::int32_t> immagine(static_cast<std::size_t>(m));
    std::array<int, MaxEventi> cifre{};
    for (int e = 0; e < m; ++e) {
        if ((e & 4095) == 0 && interrompi()) return {};
        for (int i = n - 1, x = u.codice[static_cast<std::size_t>(e)]; i >= 0; --i, x /= 3) {
            const std::size_t is = static_cast<std::size_t>(i);
            cifre[static_cast<std::size_t>(g.perm[is])] = (x % 3 + g.spostamento[is]) % 3;
        }
        int y = 0;
        for (int i = 0; i < n; ++i) y = y * 3 + cifre[static_cast<std::size_t>(i)];
        const std::int32_t f = u.elemento[static_cast<std::size_t>(y)];
        if (f < 0) return {};
        immagine[static_cast<std::size_t>(e)] = f;
    }
    return immagine;
}

// Groups as generators, in the order they are tried: every rotation of the events that vary
// (lists that only count signs); with a multiple of four events, the group of the mirrored
// pairs (event i against its mirror and against its twin in the other half: the reversal, the
// swap of the halves and the rotation of the quadruples {i, h-1-i, h+i, n-1-i}), first
// together with a change of sign within each quadruple (lists whose conditions only compare
// the events of a quadruple with each other: twelve triples under symmetries, 30,652 columns
// with the permutations alone, 28,620 to 28,836 with both), then alone. Larger groups of
// permutations were tried: their orbits are too coarse to pay.
std::vector<std::vector<TIsometria>> GruppiCandidati(int n, const std::vector<int>& variabili)
{
    std::vector<std::vector<TIsometria>> gruppi;
    std::vector<int> identita(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) identita[static_cast<std::size_t>(i)] = i;
    const std::vector<int> fermo(static_cast<std::size_t>(n), 0);
    if (variabili.size() >= 3) {
        std::vector<int> rotazione = identita;
        for (std::size_t k = 0; k < variabili.size(); ++k)
            rotazione[static_cast<std::size_t>(variabili[k])] = variabili[(k + 1) % variabili.size()];
        gruppi.push_back({{rotazione, fermo}});
    }
    if (n % 4 == 0 && n >= 8) {
        const int h = n / 2, q = n / 4;
        std::vector<int> rovescio(static_cast<std::size_t>(n)), meta(static_cast<std::size_t>(n)),
            quartine(static_cast<std::size_t>(n));
        for (int i = 0; i < n; ++i) {
            rovescio[static_cast<std::size_t>(i)] = n - 1 - i;
            meta[static_cast<std::size_t>(i)] = (i + h) % n;
        }
        auto posto = [&](int i, int ruolo) {
            return ruolo == 0 ? i : ruolo == 1 ? h - 1 - i : ruolo == 2 ? h + i : n - 1 - i;
        };
        for (int i = 0; i < q; ++i)
            for (int ruolo = 0; ruolo < 4; ++ruolo)
                quartine[static_cast<std::size_t>(posto(i, ruolo))] = posto((i + 1) % q, ruolo);
        std::vector<TIsometria> specchi = {{quartine, fermo}, {rovescio, fermo}, {meta, fermo}};
        std::vector<TIsometria> conSegni = specchi;
        for (int i = 0; i < q; ++i) {
            std::vector<int> spostamento = fermo;
            for (int ruolo = 0; ruolo < 4; ++ruolo)
                spostamento[static_cast<std::size_t>(posto(i, ruolo))] = 1;
            conSegni.push_back({identita, spostamento});
        }
        gruppi.push_back(std::move(conSegni));
        gruppi.push_back(std::move(specchi));
    }
    return gruppi;
}

// The orbits under the first candidate group that maps the list onto itself; none when no
// group does, or when interrupted.
TOrbite OrbiteDellaLista(const TUniverso& u, const std::vector<int>& variabili,
                         const std::function<bool()>& interrompi)
{
    TOrbite o;
    const int m = u.Elementi();
    for (const auto& generatori : GruppiCandidati(u.n, variabili)) {
        std::vector<std::vector<std::int32_t>> immagini;
        for (const TIsometria& g : generatori) {
            immagini.push_back(Immagine(u, g, interrompi));
            if (immagini.back().empty()) break;
        }
        if (immagini.back().empty()) continue;
        o.orbita.assign(static_cast<std::size_t>(m), -1);
        for (int e = 0; e < m; ++e) {
            if ((e & 4095) == 0 && interrompi()) return {};
            if (o.orbita[static_cast<std::size_t>(e)] >= 0) continue;
            const int id = static_cast<int>(o.membri.size());
            o.membri.push_back({e});
            o.orbita[static_cast<std::size_t>(e)] = id;
            std::vector<int>& membri = o.membri.back();
            for (std::size_t i = 0; i < membri.size(); ++i)
                for (const std::vector<std::int32_t>& g : immagini) {
                    const int y = g[static_cast<std::size_t>(membri[i])];
                    if (o.orbita[static_cast<std::size_t>(y)] >= 0) continue;
                    o.orbita[static_cast<std::size_t>(y)] = id;
                    membri.push_back(y);
                }
        }
        return o;
    }
    return o;
}

// The orbits within reach of each orbit (of its first member: the others see the same); none
// when interrupted.
TPalle PalleDelleOrbite(const TPalle& palle, const TOrbite& o, const std::function<bool()>& interrompi)
{
    TPalle ridotte;
    const std::size_t k = o.membri.size();
    ridotte.inizio.assign(k + 1, 0);
    std::vector<int> vicine;
    for (std::size_t id = 0; id < k; ++id) {
        if ((id & 1023) == 0 && interrompi()) return {};
        const std::size_t r = static_cast<std::size_t>(o.membri[id][0]);
        vicine.clear();
        for (std::uint32_t h = palle.inizio[r]; h < palle.inizio[r + 1]; ++h)
            vicine.push_back(o.orbita[static_cast<std::size_t>(palle.vicini[h])]);
        std::sort(vicine.begin(), vicine.end());
        vicine.erase(std::unique(vicine.begin(), vicine.end()), vicine.end());
        ridotte.vicini.insert(ridotte.vicini.end(), vicine.begin(), vicine.end());
        ridotte.inizio[id + 1] = static_cast<std::uint32_t>(ridotte.vicini.size());
    }
    return ridotte;
}

// Every element within reach of a chosen one, checked afresh from the codes: the codes in
// reach of the chosen ones are marked, then every element looked up. It costs the chosen
// ones' balls, far fewer than the elements' own: a cancel gets its verified answer at once.
bool Copre(const TUniverso& u, const std::vector<int>& scelti, int f)
{
    std::vector<std::uint8_t> raggiunto(u.elemento.size(), 0);
    for (int e : scelti)
        PerOgniCodiceVicino(u.codice[static_cast<std::size_t>(e)], u.n, f,
                            [&](int y) { raggiunto[static_cast<std::size_t>(y)] = 1; });
    for (int x : u.codice)
        if (!raggiunto[static_cast<std::size_t>(x)]) return false;
    return true;
}

}  // namespace

bool VerificaGaranzia(const TListaColonne& lista, const TListaColonne& scelte, int garanzia)
{
    const int n = NumEvents;
    std::vector<std::uint8_t> scelto(static_cast<std::size_t>(Potenza(3, n)), 0);
    for (const TColonna& c : scelte) scelto[static_cast<std::size_t>(Codice(c, n))] = 1;
    for (const TColonna& c : lista)
        if (!QualcheCodiceVicino(Codice(c, n), n, garanzia,
                                 [&](int y) { return scelto[static_cast<std::size_t>(y)] != 0; }))
            return false;
    return true;
}

TEsitoOttimizzazione AutoriduciOttimizzata(TListaColonne& lista, int garanzia, bool calcoloPercentuali,
                                           T_ListaTipiDiVincite* possibilita, const TPronostico& pronostico,
                                           const TParametriOttimizzazione& parametri,
                                           TOsservatoreRiduzione* oss)
{
    const auto inizio = Orologio::now();
    auto trascorsi = [&] { return std::chrono::duration<double>(Orologio::now() - inizio).count(); };
    TOsservatoreRiduzione muto;
    TOsservatoreRiduzione& o = oss ? *oss : muto;
    const int f = garanzia == 2 ? 2 : 1;
    TEsitoOttimizzazione esito;

    for (TColonna& c : lista)
        for (int i = 0; i < NumEvents; ++i) c[static_cast<std::size_t>(i)] &= MascheraSegni;
    esito.ripiego = !lista.Vuota() && !riduzione::AdattaAlMotoreRapido(lista);
    if (esito.ripiego || lista.Vuota() || parametri.secondi <= 0.0) {
        esito.riduzione = Autoriduci(lista, f, true, calcoloPercentuali, possibilita, pronostico, oss);
        esito.colonneAccurata = esito.riduzione.tenute;
        esito.secondi = trascorsi();
        return esito;
    }

    // The accurate reduction first: the starting point and the size never to exceed.
    TListaColonne accurata = lista;
    TEsitoRiduzione ea = Autoriduci(accurata, f, true, false, nullptr, pronostico, oss);
    if (ea.annullata) {
        lista.Svuota();
        esito.riduzione = ea;
        esito.secondi = trascorsi();
        return esito;
    }
    esito.colonneAccurata = ea.tenute;

    const TUniverso u(lista);
    std::vector<int> migliore;
    for (const TColonna& c : accurata)
        migliore.push_back(u.elemento[static_cast<std::size_t>(Codice(c, u.n))]);
    std::sort(migliore.begin(), migliore.end());
    migliore.erase(std::unique(migliore.begin(), migliore.end()), migliore.end());

    // Time left for the search, keeping what the final check will take.
    int pallaPiena = 1 + 2 * u.n;
    if (f == 2) pallaPiena += 2 * u.n * (u.n - 1);
    const double riserva = (static_cast<double>(migliore.size()) * pallaPiena +
                            static_cast<double>(u.elemento.size()) + u.Elementi()) *
                           NanosecondiPerVoce * 1e-9;
    const double fine = parametri.secondi - riserva;
    // With a step limit every phase counts its work instead of timing it: runs repeat exactly.
    const bool contati = parametri.passiMassimi >= 0;
    bool annullata = false;
    double ultimoControllo = 0.0, ultimoAvanzamento = 0.0;
    int colonneOra = static_cast<int>(migliore.size());
    int dimensioneMigliore = colonneOra;
    auto interrompi = [&] {
        const double t = trascorsi();
        if (t >= fine) return true;
        if (t - ultimoControllo >= SecondiTraControlli) {
            ultimoControllo = t;
            if (o.Annullato()) annullata = true;
        }
        if (t - ultimoAvanzamento >= SecondiTraAvanzamenti) {
            ultimoAvanzamento = t;
            dimensioneMigliore = std::min(dimensioneMigliore, static_cast<int>(migliore.size()));
            o.AggiornaOttimizzazione(colonneOra, dimensioneMigliore, std::max(0.0, parametri.secondi - t));
            o.AggiornaRid(u.Elementi(), dimensioneMigliore, false, u.Elementi());
        }
        return annullata;
    };

    // Codes of the product space of the prediction, built by construction: for the whole
    // space they are covers as they stand; for a conditioned list their words that the list
    // holds are a start that the classic greedy completes, tried at several translations.
    // The matrix method only pays on a whole space: on a conditioned list its words, however
    // few, fit the list's edges no better than the direct sums do.
    TSpazioProdotto sp;
    const bool intero = SpazioProdotto(lista, u, sp);
    std::vector<std::vector<TParolaCodice>> modelli;
    if (!sp.alfabeti.empty()) {
        const std::int64_t dimensione = DimensioneCodiceRicoprente(sp.ternarie, sp.binarie, f);
        // On a conditioned list a code only serves translated, at N - 2 (see below).
        if (dimensione > 0 && (intero ? static_cast<std::size_t>(dimensione) < migliore.size() : f == 2))
            modelli.push_back(CodiceRicoprente(sp.alfabeti, f));
        if (intero && sp.alfabeti.size() >= 5) {
            const std::int64_t daBattere = intero            ? static_cast<std::int64_t>(migliore.size())
                                           : modelli.empty() ? std::numeric_limits<std::int64_t>::max()
                                                             : static_cast<std::int64_t>(modelli[0].size());
            // The method keeps to its own share of the time; only a cancel stops it early, and
            // its words are built unless cancelled.
            auto soloAnnullamento = [&] {
                interrompi();
                return annullata;
            };
            modelli.push_back(CodiceMatriciale(
                sp.alfabeti, f, daBattere,
                std::max(0.0,
                         (fine - trascorsi()) * (sp.binarie > 0 ? QuotaMatricialeMista : QuotaMatriciale)),
                parametri.seme, soloAnnullamento, contati ? PassiMatricialiContati : -1));
        }
    }
    const std::vector<int> fermo(sp.alfabeti.size(), 0);
    if (intero) {
        for (const std::vector<TParolaCodice>& parole : modelli) {
            if (parole.empty() || parole.size() >= migliore.size()) continue;
            // Checked with the final result: a construction that failed would be a fault.
            std::vector<int> costruito = Mappa(parole, u, sp, fermo, true);
            if (!costruito.empty()) {
                migliore = std::move(costruito);
                esito.costruzione = true;
            }
        }
    }

    TPalle palle;
    // A whole space's balls are full: their size is known before building them.
    const bool troppe =
        intero && static_cast<double>(u.Elementi()) * pallaPiena > static_cast<double>(VociMassime);
    const bool conPalle = (trascorsi() < fine) && (static_cast<int>(migliore.size()) > 1) && !troppe &&
                          CostruisciPalle(u, f, palle, interrompi);
    // The classic greedy (most uncovered columns first) usually beats the accurate reduction's
    // sweep in list order, most of all on a conditioned list.
    if (conPalle) {
        std::vector<int> avida = Completa(palle, {}, interrompi);
        if (!avida.empty() && avida.size() < migliore.size()) migliore = std::move(avida);
    }
    // A code is translated only when the share of its words that falls in the list is smaller
    // than the set in hand: the completion only adds to it. Only at N - 2: at N - 1 each column
    // a list lacks leaves its neighbours to the completion, and the search does better (twelve
    // triples under symmetries: a code of 30,618 words, 23,650 of them in the list, completed
    // to 33,700 columns, where the search alone reaches 30,647).
    auto promette = [&](const std::vector<TParolaCodice>& parole) {
        return !parole.empty() && static_cast<double>(parole.size()) * u.Elementi() <
                                      static_cast<double>(migliore.size()) * static_cast<double>(sp.parole);
    };
    if (conPalle && !intero && std::any_of(modelli.begin(), modelli.end(), promette)) {
        TCasuale caso(parametri.seme);
        const double fineModelli = trascorsi() + (fine - trascorsi()) * QuotaTraslazioni;
        bool giovato = false;
        for (int giro = 0; giro < (contati ? TraslazioniContate : TraslazioniMassime) &&
                           (giovato || giro < TraslazioniDiProva) && (contati || trascorsi() < fineModelli) &&
                           !interrompi();
             ++giro)
            for (const std::vector<TParolaCodice>& parole : modelli) {
                if (!promette(parole)) continue;
                std::vector<int> spostamento = fermo;
                if (giro > 0)
                    for (std::size_t k = 0; k < spostamento.size(); ++k)
                        spostamento[k] = caso.Sotto(sp.alfabeti[k]);
                std::vector<int> completo =
                    Completa(palle, Mappa(parole, u, sp, spostamento, false), interrompi);
                if (!completo.empty() && completo.size() < migliore.size()) {
                    migliore = std::move(completo);
                    esito.costruzione = true;
                    giovato = true;
                }
            }
    }

    // At N - 1 a list closed under a group of maps is searched over whole orbits first (at
    // N - 2 the time is better left to the translated codes). The orbits make a small, regular
    // problem, like a whole space, and the weighted single steps suit it better than the
    // paired ones (twelve triples under signs and modulo: 21,412 columns in the end, where the
    // paired steps reach 21,674).
    if (conPalle && !intero && f == 1 && trascorsi() < fine) {
        const TOrbite orbite = OrbiteDellaLista(u, sp.eventi, interrompi);
        const TPalle ridotte =
            orbite.membri.empty() || orbite.membri.size() == static_cast<std::size_t>(u.Elementi())
                ? TPalle{}
                : PalleDelleOrbite(palle, orbite, interrompi);
        if (ridotte.Elementi() > 0) {
            esito.orbiteCercate = ridotte.Elementi();
            const std::vector<int> inizioOrbite = Completa(ridotte, {}, interrompi);
            if (!inizioOrbite.empty()) {
                const double fineOrbite = trascorsi() + (fine - trascorsi()) * QuotaOrbite;
                TRicercaCopertura ricerca(ridotte, inizioOrbite, parametri.seme, interrompi);
                ricerca.Cerca([&](int, int) {
                    if (contati && ricerca.Passi() >= parametri.passiMassimi) return true;
                    return (!contati && trascorsi() >= fineOrbite) || interrompi();
                });
                esito.passi += ricerca.Passi();
                std::vector<int> espanse;
                for (int id : ricerca.Migliore().empty() ? inizioOrbite : ricerca.Migliore())
                    for (int e : orbite.membri[static_cast<std::size_t>(id)]) espanse.push_back(e);
                if (espanse.size() < migliore.size()) {
                    migliore = std::move(espanse);
                    esito.orbite = true;
                }
            }
        }
    }

    // Asked again before setting up: the steps since the last question may have taken tens of
    // milliseconds on a large list.
    if (conPalle && !interrompi()) {
        TRicercaCopertura ricerca(palle, migliore, parametri.seme, interrompi);
        ricerca.ScambiInCoppia(!intero);
        ricerca.SenzaPesi(!intero);
        ricerca.Cerca([&](int ora, int meglio) {
            if (contati && ricerca.Passi() >= parametri.passiMassimi) return true;
            colonneOra = ora;
            dimensioneMigliore = std::min(dimensioneMigliore, meglio);
            return interrompi();
        });
        esito.passi += ricerca.Passi();
        if (!ricerca.Migliore().empty() && ricerca.Migliore().size() < migliore.size())
            migliore = ricerca.Migliore();
    }

    esito.interrotta = annullata;

    // A set that fails the check is a fault of the search: the accurate columns stand instead.
    if (!Copre(u, migliore, f)) {
        assert(!"optimised reduction lost the guarantee");
        migliore.clear();
        for (const TColonna& c : accurata)
            migliore.push_back(u.elemento[static_cast<std::size_t>(Codice(c, u.n))]);
        esito.costruzione = false;
    }

    // The chosen columns in their list order.
    std::vector<int> posizioni;
    posizioni.reserve(migliore.size());
    for (int e : migliore) posizioni.push_back(u.posizione[static_cast<std::size_t>(e)]);
    std::sort(posizioni.begin(), posizioni.end());
    esito.secondi = trascorsi();

    TEsitoRiduzione& r = esito.riduzione;
    r.totale = lista.Conta();
    r.coperte = r.totale;
    r.tenute = static_cast<int>(posizioni.size());
    r.fattore = r.tenute > 0 ? static_cast<double>(r.coperte) / r.tenute : 0.0;
    r.motoreRapido = true;
    o.AggiornaOttimizzazione(r.tenute, r.tenute, std::max(0.0, parametri.secondi - esito.secondi));
    o.AggiornaRid(r.coperte, r.tenute, true, r.coperte);

    if (calcoloPercentuali && possibilita) {
        std::vector<std::uint8_t> marchi(lista.size(), riduzione::SoloCoperta);
        for (int p : posizioni) marchi[static_cast<std::size_t>(p)] = riduzione::SelezionataECoperta;
        auto geo = riduzione::CreaGeometriaRapida(lista, f, marchi);
        for (int p : posizioni) geo->HaSelezionato(p, false);
        o.Stato(TestoCalcoloPossibilita);
        o.Percentuale(0);
        r.possibilitaCalcolate = riduzione::CalcolaPossibilita(*geo, marchi, *possibilita, pronostico, o);
        r.possibilitaAnnullate = !r.possibilitaCalcolate;
    }

    std::vector<TColonna> tenute;
    tenute.reserve(posizioni.size());
    for (int p : posizioni) tenute.push_back(lista[static_cast<std::size_t>(p)]);
    lista.Colonne() = std::move(tenute);
    return esito;
}

}  // namespace morella
