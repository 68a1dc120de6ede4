#include "PossibilitaVincita.h"

#include <cstdio>

namespace morella {

namespace {

// Counts never reach 2^21 in a list the program can hold in memory twice over; the key packs
// the three into one word. Larger counts (absurd lists) still work, only through a slower key.
std::uint64_t Chiave(int c0, int c1, int c2)
{
    constexpr std::uint64_t Limite = 1u << 21;
    auto a = static_cast<std::uint64_t>(static_cast<std::uint32_t>(c0));
    auto b = static_cast<std::uint64_t>(static_cast<std::uint32_t>(c1));
    auto c = static_cast<std::uint64_t>(static_cast<std::uint32_t>(c2));
    if (a < Limite && b < Limite && c < Limite) return a | (b << 21) | (c << 42);
    // Out of range: mark with the top bit and mix; a collision is caught by the check in Registra.
    return (std::uint64_t{1} << 63) |
           ((a * 0x9E3779B97F4A7C15ull) ^ (b * 0xC2B2AE3D27D4EB4Full) ^ (c * 0x165667B19E3779F9ull));
}

}  // namespace

std::int64_t PesoTipoDiVincita(int c0, int c1, int c2)
{
    const std::int64_t n = NumEvents;
    if (n > 12) return c1 + 3 * n * static_cast<std::int64_t>(c0);
    return c2 + 3 * n * (c1 + (3 * n - 3) * static_cast<std::int64_t>(c0));
}

void TElencoTipiDiVincita::Registra(int c0, int c1, int c2)
{
    const std::uint64_t chiave = Chiave(c0, c1, c2);
    auto trovato = posizioni_.find(chiave);
    if (trovato != posizioni_.end()) {
        TTipoDiVincita& t = tipi_[trovato->second];
        if (t.c0 == c0 && t.c1 == c1 && t.c2 == c2) {
            ++t.occorrenze;
            return;
        }
        // A hashed key met another type: fall back on a walk for this one.
        for (TTipoDiVincita& u : tipi_)
            if (u.c0 == c0 && u.c1 == c1 && u.c2 == c2) {
                ++u.occorrenze;
                return;
            }
    }
    const std::int64_t peso = PesoTipoDiVincita(c0, c1, c2);
    std::size_t dove = 0;
    while (dove < tipi_.size() && PesoTipoDiVincita(tipi_[dove].c0, tipi_[dove].c1, tipi_[dove].c2) > peso)
        ++dove;
    tipi_.insert(tipi_.begin() + static_cast<std::ptrdiff_t>(dove), TTipoDiVincita{c0, c1, c2, 1, 0.0});
    // New types are few (tens), so shifting the positions behind the new one is cheap.
    for (auto& [k, pos] : posizioni_)
        if (pos >= dove) ++pos;
    posizioni_.emplace(chiave, dove);
}

void TElencoTipiDiVincita::Svuota()
{
    tipi_.clear();
    posizioni_.clear();
}

void TElencoTipiDiVincita::CalcolaProbabilita(int colonneEsaminate)
{
    for (TTipoDiVincita& t : tipi_)
        t.probabilita = colonneEsaminate > 0 ? static_cast<double>(t.occorrenze) / colonneEsaminate : 0.0;
}

double TElencoTipiDiVincita::SommaProbabilita() const
{
    double somma = 0.0;
    for (const TTipoDiVincita& t : tipi_) somma += t.probabilita;
    return somma;
}

void T_ListaTipiDiVincite::Svuota()
{
    liste_.assign(static_cast<std::size_t>(NumEvents) + 1, TElencoTipiDiVincita{});
    mediaDoppie_ = -1.0;
    mediaSingole_ = -1.0;
}

void T_ListaTipiDiVincite::Concludi(int colonneEsaminate, const TPronostico& pronostico)
{
    for (TElencoTipiDiVincita& l : liste_) l.CalcolaProbabilita(colonneEsaminate);
    double sommaDoppie = 0.0, sommaSingole = 0.0;
    int doppie = 0, singole = 0;
    for (int i = 1; i <= NumEvents && i < NumeroListe(); ++i) {
        const TSegni s = pronostico[static_cast<std::size_t>(i - 1)];
        if (EUnaDoppia(s)) {
            ++doppie;
            sommaDoppie += Lista(i).SommaProbabilita();
        } else if (EUnSingolo(s)) {
            ++singole;
            sommaSingole += Lista(i).SommaProbabilita();
        }
    }
    mediaDoppie_ = doppie > 0 ? sommaDoppie / doppie : -1.0;
    mediaSingole_ = singole > 0 ? sommaSingole / singole : -1.0;
}

TGrigliaPossibilita GrigliaPossibilita(const TElencoTipiDiVincita& elenco)
{
    TGrigliaPossibilita g;
    const bool conDueInMeno = NumEvents == 12;
    g.intestazioni.push_back(std::to_string(NumEvents));
    g.intestazioni.push_back(std::to_string(NumEvents - 1));
    if (conDueInMeno) g.intestazioni.push_back(std::to_string(NumEvents - 2));
    g.intestazioni.push_back("Perc.");
    for (const TTipoDiVincita& t : elenco.Tipi()) {
        std::vector<std::string> riga{std::to_string(t.c0), std::to_string(t.c1)};
        if (conDueInMeno) riga.push_back(std::to_string(t.c2));
        riga.push_back(TestoPercentuale(t.probabilita));
        g.righe.push_back(std::move(riga));
    }
    while (g.righe.size() < static_cast<std::size_t>(RigheMinimeGriglia))
        g.righe.emplace_back(g.intestazioni.size(), std::string());
    return g;
}

std::string TestoPercentuale(double probabilita)
{
    if (probabilita == -1.0) return std::string();
    char testo[64];
    std::snprintf(testo, sizeof testo, "%.2f", probabilita * 100.0);
    return testo;
}

TEventiPossibilita EventiPossibilita(const TPronostico& pronostico)
{
    TEventiPossibilita e;
    for (int i = 0; i < NumEvents; ++i) {
        const bool si = !EUnaTripla(pronostico[static_cast<std::size_t>(i)]);
        e.selezionabile.push_back(si);
        if (si && e.primoSelezionato == 0) e.primoSelezionato = i + 1;
    }
    return e;
}

TPercentualeMedia PercentualeMedia(const T_ListaTipiDiVincite& possibilita)
{
    TPercentualeMedia m;
    m.valoreDoppia = TestoPercentuale(possibilita.MediaDoppie());
    m.valoreFissa = TestoPercentuale(possibilita.MediaSingole());
    return m;
}

}  // namespace morella
