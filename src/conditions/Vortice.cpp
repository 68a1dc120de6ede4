#include "Vortice.h"

#include <algorithm>
#include <array>

#include "Link.h"

namespace morella {

namespace {

std::vector<TTabellaValori> Tabelle()
{
    std::vector<TTabellaValori> t;
    for (int triplo = 0; triplo < 2; ++triplo) {
        t.emplace_back(NumEvents, false);  // position
        t.emplace_back(NumEvents, false);  // arms
        t.emplace_back(2, false);          // sign: 0 "1", 1 "X", 2 "2"
    }
    return t;
}

// The statistics keep the sign over 0..4, the same shape as the archive database's tables,
// so that a table read from the database and one counted here look alike.
constexpr int MassimoSerieSegno = 4;

// Events a..b (1-based, a <= b, both within the column).
inline TMaschera Tra(int a, int b)
{
    return ((TMaschera{2} << (b - 1)) - 1) & ~((TMaschera{1} << (a - 1)) - 1);
}

// As long as the walk finds matches it keeps to one sign: each jump lands on an event of
// the sign it left, and takes the outermost match still between the ends. So a run of
// jumps uses up every match between the ends, alternately from the far end and from the
// near end, and only where the last two landed matters. This table gives them for each
// set of matches (bit i-1 for event i) and starting side: the right end in the high
// nibble, the left end in the low one, 0 where that end does not move. A walk then takes
// two or three turns of its loop instead of one per step.
struct TSaltiVortice {
    std::array<std::array<std::uint8_t, 1u << MaxEventi>, 2> Fine{};  // [from the left][matches]

    TSaltiVortice()
    {
        for (unsigned m = 1; m < (1u << MaxEventi); ++m) {
            int eventi[MaxEventi];
            int k = 0;
            for (int i = 0; i < MaxEventi; ++i)
                if ((m >> i) & 1u) eventi[k++] = i + 1;
            const int lontani = (k + 1) / 2;  // jumps made from the starting side
            const int vicini = k / 2;         // and from the other one
            // From the left the far matches are the highest ones; from the right the lowest.
            const int destraDaSinistra = eventi[k - lontani];
            const int sinistraDaSinistra = vicini ? eventi[vicini - 1] : 0;
            const int sinistraDaDestra = eventi[lontani - 1];
            const int destraDaDestra = vicini ? eventi[k - vicini] : 0;
            Fine[1][m] = static_cast<std::uint8_t>(destraDaSinistra << 4 | sinistraDaSinistra);
            Fine[0][m] = static_cast<std::uint8_t>(destraDaDestra << 4 | sinistraDaDestra);
        }
    }
};

// Filled when the program starts; nothing walks a column before that.
const TSaltiVortice Salti;

}  // namespace

TEsitoVortice CamminaVortice(const TColonnaEsaminata& c, int primo, int ultimo, bool daSinistra)
{
    int l = std::clamp(primo, 1, NumEvents);
    int r = std::clamp(ultimo, 1, NumEvents);
    if (l > r) l = r;

    // Events holding each sign set, indexed by the set: a developed column takes its masks
    // ready-made; one with empty or multiple events is sorted out event by event, so that
    // a match is always the exact same set.
    std::array<TMaschera, 8> uguali{};
    if ((c.Segni[0] | c.Segni[1] | c.Segni[2]) == c.Eventi) {
        uguali[Segno1] = c.Segni[0];
        uguali[SegnoX] = c.Segni[1];
        uguali[Segno2] = c.Segni[2];
    } else {
        for (int i = 0; i < NumEvents; ++i)
            uguali[c.Colonna[static_cast<std::size_t>(i)] & MascheraSegni] |= TMaschera{1} << i;
    }
    auto insieme = [&](int evento) {
        return c.Colonna[static_cast<std::size_t>(evento - 1)] & MascheraSegni;
    };

    bool sinistra = daSinistra;
    int bracci = 0;
    // The walk stops when the two ends touch. Each step after the first moves an end
    // inward, and the first never moves one outward, so it always ends. A range of two
    // events already touches: no step is taken, rather than stepping the ends past each
    // other.
    while (l + 1 < r) {
        // Only the very first step may land on the other end itself.
        const TMaschera tra = bracci > 0 ? Tra(l + 1, r - 1) : sinistra ? Tra(l + 1, r) : Tra(l, r - 1);
        const TMaschera salti = uguali[insieme(sinistra ? l : r)] & tra;
        if (!salti) {
            // No match: this end moves one event inward and the walk goes on from there.
            if (sinistra)
                ++l;
            else
                --r;
            ++bracci;
            continue;
        }
        const std::uint8_t fine = Salti.Fine[sinistra][salti];
        if (fine >> 4) r = fine >> 4;
        if (fine & 15u) l = fine & 15u;
        const int k = ContaBit(salti);
        bracci += k;
        if (k & 1) sinistra = !sinistra;
    }
    const int posizione = sinistra ? l : r;
    return {posizione, bracci, CifraSegno(static_cast<TSegni>(insieme(posizione)))};
}

TVortice::TVortice(TElencoCondizioni* elenco)
    : TCondizioneATabelle(TipoVortice, elenco, Tabelle(),
                          {NumEvents, NumEvents, MassimoSerieSegno, NumEvents, NumEvents, MassimoSerieSegno})
{
}

std::string TVortice::Didascalia(int i) const
{
    static const char* const didascalie[6] = {"Diretto - Posizione",     "Diretto - Bracci",
                                              "Diretto - Segni Ammessi", "Inverso - Posizione",
                                              "Inverso - Bracci",        "Inverso - Segni Ammessi"};
    return i >= 0 && i < 6 ? didascalie[i] : "";
}

TEsitoVortice TVortice::Cammina(const TColonnaEsaminata& c, bool inverso) const
{
    const auto& posizione = tabelle_[static_cast<std::size_t>(inverso ? Inverso : 0)];
    return CamminaVortice(c, posizione.DaEvento, posizione.AEvento, !inverso);
}

void TVortice::Misura(const TColonnaEsaminata& c, bool tutti, TMisura* misure) const
{
    for (int inverso = 0; inverso < 2; ++inverso) {
        TMisura* m = misure + inverso * Inverso;
        if (!tutti && !TriplaAttiva(inverso * Inverso)) {
            m[0] = m[1] = m[2] = {};
            continue;
        }
        const TEsitoVortice e = Cammina(c, inverso != 0);
        m[TabellaPosizione] = {e.Posizione, 0};
        m[TabellaBracci] = {e.Bracci, 0};
        m[TabellaSegno] = {e.Segno, 0};
    }
}

bool TVortice::Verifica(const TColonnaEsaminata& c)
{
    TMisura m[6];
    Misura(c, false, m);
    if (TSommeTra* somme = SommeTraAttive())
        for (std::size_t t = 0; t < 6; ++t) tabelle_[t].SommaTra(m[t].Valore, 0, *somme);
    TElencoLink* link = Link();
    for (std::size_t t = 0; t < 6; ++t)
        if (!tabelle_[t].Ammette(m[t].Valore, 0, link)) return false;
    return true;
}

}  // namespace morella
