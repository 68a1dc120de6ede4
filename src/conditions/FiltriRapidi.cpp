#include "FiltriRapidi.h"

#include <array>
#include <atomic>
#include <bit>

#include "ColonnaFiltro.h"

namespace morella {

namespace {

// The most events a game has: 3^14 codes, a bit set of about 600 KB.
constexpr int MassimoEventi = 14;

struct TPotenze {
    std::array<std::uint32_t, MassimoEventi + 1> p{};
    // 3^i summed over the events of 7-bit masks, for events 1..7 and 8..14.
    std::array<std::uint32_t, 128> basso{}, alto{};
    TPotenze()
    {
        p[0] = 1;
        for (int i = 1; i <= MassimoEventi; ++i)
            p[static_cast<std::size_t>(i)] = 3 * p[static_cast<std::size_t>(i - 1)];
        for (unsigned m = 0; m < 128; ++m)
            for (int i = 0; i < 7; ++i)
                if (m >> i & 1u) {
                    basso[m] += p[static_cast<std::size_t>(i)];
                    alto[m] += p[static_cast<std::size_t>(i + 7)];
                }
    }
};

// Bytes held by every set of the program.
std::atomic<std::size_t>& ByteInUso()
{
    static std::atomic<std::size_t> byte{0};
    return byte;
}

const TPotenze& Potenze()
{
    static const TPotenze potenze;
    return potenze;
}

// One filter: the signs it counts on each event (digit 0 "1", 1 "X", 2 "2") and the points it
// refuses.
struct TFiltroPuro {
    std::array<std::uint8_t, MassimoEventi> segni{};
    std::vector<int> respinti;
};

// How many columns score each number of points against the filter.
std::vector<double> ColonnePerPunti(const TFiltroPuro& f, int eventi)
{
    std::vector<double> n(static_cast<std::size_t>(eventi) + 1, 0.0);
    n[0] = 1;
    for (int i = 0; i < eventi; ++i) {
        const int colpi = std::popcount(f.segni[static_cast<std::size_t>(i)]);
        for (int p = i + 1; p >= 0; --p)
            n[static_cast<std::size_t>(p)] = n[static_cast<std::size_t>(p)] * (3 - colpi) +
                                             (p > 0 ? n[static_cast<std::size_t>(p - 1)] * colpi : 0.0);
    }
    return n;
}

// Marks every column scoring exactly `punti` against the filter.
void Marca(const TFiltroPuro& f, int eventi, int punti, std::vector<std::uint64_t>& bit)
{
    const auto& p3 = Potenze().p;
    // Events from i on that could still score.
    std::array<int, MassimoEventi + 1> possibili{};
    for (int i = eventi - 1; i >= 0; --i)
        possibili[static_cast<std::size_t>(i)] =
            possibili[static_cast<std::size_t>(i + 1)] + (f.segni[static_cast<std::size_t>(i)] != 0 ? 1 : 0);
    auto visita = [&](auto&& self, int i, int colpi, std::uint32_t codice) -> void {
        if (colpi > punti || colpi + possibili[static_cast<std::size_t>(i)] < punti) return;
        if (i == eventi) {
            bit[codice >> 6] |= std::uint64_t{1} << (codice & 63);
            return;
        }
        for (unsigned d = 0; d < 3; ++d)
            self(self, i + 1, colpi + (f.segni[static_cast<std::size_t>(i)] >> d & 1u),
                 codice + d * p3[static_cast<std::size_t>(i)]);
    };
    visita(visita, 0, 0, 0);
}

}  // namespace

std::uint32_t TFiltriRapidi::Codice(TMaschera m)
{
    const TPotenze& t = Potenze();
    return t.basso[m & 127u] + t.alto[m >> 7 & 127u];
}

void TFiltriRapidi::Svuota()
{
    ByteInUso() -= respinte_.size() * sizeof(std::uint64_t);
    respinte_.clear();
    respinte_.shrink_to_fit();
    eventi_ = 0;
}

bool TFiltriRapidi::Prepara(const std::vector<std::unique_ptr<TCondizione>>& elementi)
{
    Svuota();
    const int eventi = NumEvents;
    if (eventi < 1 || eventi > MassimoEventi) return false;
    const double colonne = Potenze().p[static_cast<std::size_t>(eventi)];
    std::vector<TFiltroPuro> filtri;
    double daMarcare = 0;
    for (const auto& e : elementi) {
        if (!(e->Attivo && e->Attivato)) continue;  // lets every column through
        const auto* cf = dynamic_cast<const TColonnaFiltro*>(e.get());
        if (!cf) return false;
        const TTabellaValori& t = cf->Tabella(TColonnaFiltro::TabellaPunti);
        if (t.Sotto[1].InUso || t.HaRecuperi(0)) return false;
        TFiltroPuro f;
        for (int i = 0; i < eventi; ++i)
            f.segni[static_cast<std::size_t>(i)] =
                static_cast<std::uint8_t>(cf->ColonnaFiltro[static_cast<std::size_t>(i)] & 7);
        const std::vector<double> n = ColonnePerPunti(f, eventi);
        for (int p = 0; p <= eventi; ++p)
            if (!t.AmmetteSenzaLink(p, 0)) {
                f.respinti.push_back(p);
                daMarcare += n[static_cast<std::size_t>(p)];
            }
        // Marking every column once or more is no quicker than walking.
        if (daMarcare > colonne) return false;
        filtri.push_back(std::move(f));
    }
    if (static_cast<int>(filtri.size()) < MinimoFiltri) return false;
    const std::size_t parole = static_cast<std::size_t>(colonne) / 64 + 1;
    const std::size_t byte = parole * sizeof(std::uint64_t);
    if (ByteInUso() + byte > MassimoByte) return false;
    ByteInUso() += byte;
    respinte_.assign(parole, 0);
    for (const TFiltroPuro& f : filtri)
        for (int p : f.respinti) Marca(f, eventi, p, respinte_);
    eventi_ = (TMaschera{1} << eventi) - 1;
    return true;
}

}  // namespace morella
