// The fast geometry: a single-sign column is a base-3 number (event 1 the highest digit), so
// the columns within reach are a few dozen codes to enumerate instead of a list to walk. It
// keeps, per code, the list positions holding it (duplicates chained in list order), how many
// free columns lie in reach, whether a first-phase selection is too close, and the selections.
#include <algorithm>
#include <cassert>

#include "AutoriduzioneMotore.h"

namespace morella::riduzione {

bool AdattaAlMotoreRapido(const TListaColonne& lista)
{
    for (const TColonna& c : lista)
        for (int i = 0; i < NumEvents; ++i)
            if (CifraSegno(c[static_cast<std::size_t>(i)]) < 0) return false;
    return true;
}

namespace {

class TGeometriaRapida final : public TGeometria {
   public:
    TGeometriaRapida(const TListaColonne& lista, int garanzia, const std::vector<std::uint8_t>& marchi)
        : n_(NumEvents), f_(garanzia), marchi_(marchi)
    {
        std::size_t codici = 1;
        for (int i = n_ - 1; i >= 0; --i) {
            pot_[i] = static_cast<int>(codici);
            codici *= 3;
        }
        // Everything per code is a plain array over all 3^n codes: a neighbour's entry is one
        // index away, whether or not the list holds it.
        primaPos_.assign(codici, -1);
        libere_.assign(codici, 0);
        bloccato_.assign(codici, 0);
        selezionate_.assign(codici, 0);
        const std::size_t totale = lista.size();
        codice_.resize(totale);
        succ_.assign(totale, -1);
        std::vector<int> ultimaPos(codici, -1);
        for (std::size_t p = 0; p < totale; ++p) {
            int x = 0;
            for (int i = 0; i < n_; ++i) x += CifraSegno(lista[p][static_cast<std::size_t>(i)]) * pot_[i];
            codice_[p] = x;
            int& ultima = ultimaPos[static_cast<std::size_t>(x)];
            if (ultima < 0)
                primaPos_[static_cast<std::size_t>(x)] = static_cast<int>(p);
            else
                succ_[static_cast<std::size_t>(ultima)] = static_cast<int>(p);
            ultima = static_cast<int>(p);
        }
        ContaLibere(codici);
    }

    int Scansiona(int p, int limite, std::vector<int>& ricordate) override
    {
        const int trovate = libere_[Codice(p)];
        if (trovate < limite) return trovate;
        ricordate.clear();
        if (limite <= 0) return 0;
        RaccogliLibere(p, ricordate);
        assert(static_cast<int>(ricordate.size()) == trovate);
        // A scan down the list would stop at the first `limite` of them.
        if (static_cast<int>(ricordate.size()) > limite) {
            std::nth_element(ricordate.begin(), ricordate.begin() + limite, ricordate.end());
            ricordate.resize(static_cast<std::size_t>(limite));
        }
        return limite;
    }

    void RaccogliLibere(int p, std::vector<int>& ricordate) override
    {
        ricordate.clear();
        PerOgniVicino(codice_[static_cast<std::size_t>(p)], f_, [&](int y) {
            for (int q = primaPos_[static_cast<std::size_t>(y)]; q >= 0;
                 q = succ_[static_cast<std::size_t>(q)])
                if (marchi_[static_cast<std::size_t>(q)] == Libera) ricordate.push_back(q);
        });
    }

    bool Distante(int p) override { return bloccato_[Codice(p)] == 0; }

    void HaSelezionato(int p, bool primaFase) override
    {
        ++selezionate_[Codice(p)];
        if (!primaFase) return;
        // Every code within 2f of a first-phase selection is too close for another one.
        std::uint8_t* bloccato = bloccato_.data();
        bloccato[Codice(p)] = 1;
        PerOgniVicino(codice_[static_cast<std::size_t>(p)], 2 * f_, [bloccato](int y) { bloccato[y] = 1; });
    }

    void HaCoperto(int p) override
    {
        int* libere = libere_.data();
        PerOgniVicino(codice_[static_cast<std::size_t>(p)], f_, [libere](int y) { --libere[y]; });
    }

    // With single signs, errors are the differing events. Kept columns at distance 1 are
    // counted per differing event (e1), those at distance 2 per event they differ at (d2):
    // - exact column: c0 = same code, c1 = distance 1, c2 = distance 2;
    // - event i emptied: one error more everywhere, so c1 = same code or differing only at i,
    //   c2 = differing at one other event only (b1 - e1[i]) or at i and one other (d2[i]).
    void ContaVincite(int p, TContiVincita& conti) override
    {
        const int x = codice_[static_cast<std::size_t>(p)];
        int delta[MaxEventi][2];
        Scomponi(x, delta);
        const int* sel = selezionate_.data();
        const int s0 = sel[x];
        int e1[MaxEventi] = {};
        int d2[MaxEventi] = {};
        int d2Tot = 0;
        const bool conDue = n_ == 12;
        for (int i = 0; i < n_; ++i)
            for (int a = 0; a < 2; ++a) {
                const int yi = x + delta[i][a];
                e1[i] += sel[yi];
                if (!conDue) continue;
                for (int j = i + 1; j < n_; ++j) {
                    const int s2 = sel[yi + delta[j][0]] + sel[yi + delta[j][1]];
                    d2[i] += s2;
                    d2[j] += s2;
                    d2Tot += s2;
                }
            }
        int b1 = 0;
        for (int i = 0; i < n_; ++i) b1 += e1[i];
        conti.valida[0] = true;
        conti.c[0][0] = s0;
        conti.c[0][1] = b1;
        conti.c[0][2] = conDue ? d2Tot : 0;
        for (int i = 1; i <= n_; ++i) {
            conti.valida[i] = true;
            conti.c[i][0] = 0;
            conti.c[i][1] = s0 + e1[i - 1];
            conti.c[i][2] = conDue ? b1 - e1[i - 1] + d2[i - 1] : 0;
        }
    }

   private:
    std::size_t Codice(int p) const { return static_cast<std::size_t>(codice_[static_cast<std::size_t>(p)]); }

    // For each event, the two steps that turn the code's digit into the other two digits.
    void Scomponi(int x, int (&delta)[MaxEventi][2]) const
    {
        for (int i = n_ - 1; i >= 0; --i) {
            const int d = x % 3;
            x /= 3;
            delta[i][0] = ((d + 1) % 3 - d) * pot_[i];
            delta[i][1] = ((d + 2) % 3 - d) * pot_[i];
        }
    }

    template <class F>
    void Ricorri(const int (&delta)[MaxEventi][2], int da, int resto, int cur, F& fn) const
    {
        for (int i = da; i < n_; ++i)
            for (int a = 0; a < 2; ++a) {
                const int y = cur + delta[i][a];
                fn(y);
                if (resto > 1) Ricorri(delta, i + 1, resto - 1, y, fn);
            }
    }

    // Calls fn for every code at distance 1..raggio from x; the two common radii unrolled.
    template <class F>
    void PerOgniVicino(int x, int raggio, F&& fn) const
    {
        int delta[MaxEventi][2];
        Scomponi(x, delta);
        if (raggio == 1) {
            for (int i = 0; i < n_; ++i) {
                fn(x + delta[i][0]);
                fn(x + delta[i][1]);
            }
        } else if (raggio == 2) {
            for (int i = 0; i < n_; ++i)
                for (int a = 0; a < 2; ++a) {
                    const int y = x + delta[i][a];
                    fn(y);
                    for (int j = i + 1; j < n_; ++j) {
                        fn(y + delta[j][0]);
                        fn(y + delta[j][1]);
                    }
                }
        } else {
            Ricorri(delta, 0, raggio, x, fn);
        }
    }

    // At the start every column is free: each one counts for every code at distance 1..f.
    // Enumerating every ball would touch each code hundreds of times (a tenth of a second on
    // twelve triples at N - 2, where "Annulla" cannot be heard); instead the counts by exact
    // distance k are built event by event: after the first i events, strato[k] holds, per
    // code, the columns differing from it in exactly k of those events.
    void ContaLibere(std::size_t codici)
    {
        std::vector<std::vector<int>> strato(static_cast<std::size_t>(f_) + 1, std::vector<int>(codici, 0));
        for (int x : codice_) ++strato[0][static_cast<std::size_t>(x)];
        for (int i = 0; i < n_; ++i) {
            const std::size_t p = static_cast<std::size_t>(pot_[i]);
            for (int k = std::min(f_, i + 1); k >= 1; --k) {
                const int* da = strato[static_cast<std::size_t>(k) - 1].data();
                int* a = strato[static_cast<std::size_t>(k)].data();
                // Each digit of event i collects the two others.
                for (std::size_t blocco = 0; blocco < codici; blocco += 3 * p)
                    for (std::size_t j = blocco; j < blocco + p; ++j) {
                        const int a0 = da[j], a1 = da[j + p], a2 = da[j + 2 * p];
                        a[j] += a1 + a2;
                        a[j + p] += a0 + a2;
                        a[j + 2 * p] += a0 + a1;
                    }
            }
        }
        for (int k = 1; k <= f_; ++k) {
            const std::vector<int>& s = strato[static_cast<std::size_t>(k)];
            for (std::size_t x = 0; x < codici; ++x) libere_[x] += s[x];
        }
    }

    int n_;
    int f_;
    int pot_[MaxEventi] = {};
    const std::vector<std::uint8_t>& marchi_;
    std::vector<int> codice_;    // per position
    std::vector<int> succ_;      // per position: next position with the same code, -1
    std::vector<int> primaPos_;  // per code: first position holding it, -1
    std::vector<int> libere_;    // per code: free columns within reach
    std::vector<std::uint8_t> bloccato_;
    std::vector<int> selezionate_;  // per code: selected columns holding it
};

}  // namespace

std::unique_ptr<TGeometria> CreaGeometriaRapida(const TListaColonne& lista, int garanzia,
                                                const std::vector<std::uint8_t>& marchi)
{
    return std::make_unique<TGeometriaRapida>(lista, garanzia, marchi);
}

}  // namespace morella::riduzione
