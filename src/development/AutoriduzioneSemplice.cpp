// The plain geometry: answers every question by walking the list, as the reduction was first
// written. It serves lists with condensed records (doubles, triples, empty events), where
// columns cannot be indexed by a base-3 code.
#include <array>

#include "AutoriduzioneMotore.h"

namespace morella::riduzione {

namespace {

class TGeometriaSemplice final : public TGeometria {
   public:
    TGeometriaSemplice(const TListaColonne& lista, int garanzia, const std::vector<std::uint8_t>& marchi)
        : n_(NumEvents), f_(garanzia), marchi_(marchi)
    {
        segni_.resize(lista.size());
        for (std::size_t p = 0; p < lista.size(); ++p)
            for (int i = 0; i < n_; ++i)
                segni_[p][static_cast<std::size_t>(i)] =
                    lista[p][static_cast<std::size_t>(i)] & MascheraSegni;
    }

    int Scansiona(int p, int limite, std::vector<int>& ricordate) override
    {
        ricordate.clear();
        const int totale = static_cast<int>(segni_.size());
        for (int q = 0; q < totale && static_cast<int>(ricordate.size()) < limite; ++q)
            if (marchi_[static_cast<std::size_t>(q)] == Libera && InPortata(p, q)) ricordate.push_back(q);
        return static_cast<int>(ricordate.size());
    }

    void RaccogliLibere(int p, std::vector<int>& ricordate) override
    {
        ricordate.clear();
        const int totale = static_cast<int>(segni_.size());
        for (int q = 0; q < totale; ++q)
            if (marchi_[static_cast<std::size_t>(q)] == Libera && InPortata(p, q)) ricordate.push_back(q);
    }

    bool Distante(int p) override
    {
        for (int s : selezionate_)
            if (Distanza(p, s) <= 2 * f_) return false;
        return true;
    }

    void HaSelezionato(int p, bool) override { selezionate_.push_back(p); }
    void HaCoperto(int) override {}

    void ContaVincite(int p, TContiVincita& conti) override
    {
        const auto& a = segni_[static_cast<std::size_t>(p)];
        for (int i = 0; i <= n_; ++i) {
            conti.c[i][0] = conti.c[i][1] = conti.c[i][2] = 0;
            conti.valida[i] = i == 0 || a[static_cast<std::size_t>(i - 1)] != 7;
        }
        const int errMax = n_ == 12 ? 2 : 1;  // two points less only count on 12 events
        for (int s : selezionate_) {
            const auto& b = segni_[static_cast<std::size_t>(s)];
            int errori = 0;
            for (int i = 0; i < n_; ++i)
                errori += (a[static_cast<std::size_t>(i)] & b[static_cast<std::size_t>(i)]) == 0;
            if (errori <= errMax) ++conti.c[0][errori];
            // With event i emptied every kept column misses there: one more error unless it
            // already missed.
            for (int i = 1; i <= n_; ++i) {
                if (!conti.valida[i]) continue;
                const std::size_t e = static_cast<std::size_t>(i - 1);
                const int err = errori + ((a[e] & b[e]) != 0 ? 1 : 0);
                if (err <= errMax) ++conti.c[i][err];
            }
        }
    }

   private:
    int Distanza(int p, int q) const
    {
        const auto& a = segni_[static_cast<std::size_t>(p)];
        const auto& b = segni_[static_cast<std::size_t>(q)];
        int d = 0;
        for (int i = 0; i < n_; ++i) d += a[static_cast<std::size_t>(i)] != b[static_cast<std::size_t>(i)];
        return d;
    }
    bool InPortata(int p, int q) const
    {
        const int d = Distanza(p, q);
        return d >= 1 && d <= f_;
    }

    int n_;
    int f_;
    const std::vector<std::uint8_t>& marchi_;
    std::vector<std::array<std::uint8_t, MaxEventi>> segni_;
    std::vector<int> selezionate_;  // in the order they were selected
};

}  // namespace

std::unique_ptr<TGeometria> CreaGeometriaSemplice(const TListaColonne& lista, int garanzia,
                                                  const std::vector<std::uint8_t>& marchi)
{
    return std::make_unique<TGeometriaSemplice>(lista, garanzia, marchi);
}

}  // namespace morella::riduzione
