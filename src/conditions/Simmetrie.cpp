#include "Simmetrie.h"

#include <algorithm>
#include <cstring>

#include "Link.h"

namespace morella {

namespace {

std::vector<TTabellaValori> Tabelle()
{
    return {TTabellaValori(NumEvents / 2, true), TTabellaValori(NumEvents / 2, true),
            TTabellaValori(2 * (NumEvents / 2), false)};
}

// The table's range cut to the column; primo > ultimo when nothing is left.
void Campo(const TTabellaValori& t, int& primo, int& ultimo)
{
    primo = std::max<int>(t.DaEvento, 1);
    ultimo = std::min<int>(t.AEvento, NumEvents);
}

// The column's bytes as two words, so that eight events can be taken at once from
// wherever a pair of a range starts; bytes outside the column read as 0. Taken from the
// two words rather than from a padded copy: a wide read of bytes just written narrowly
// waits for the writes to reach the cache.
class TByteColonna {
   public:
    explicit TByteColonna(const TColonna& c)
    {
        // Reads no wider than the writes that filled the column, so none of them waits.
        std::uint32_t a = 0;
        std::uint16_t b = 0;
        std::memcpy(&basso_, c.s.data(), 8);
        std::memcpy(&a, c.s.data() + 8, 4);
        std::memcpy(&b, c.s.data() + 12, 2);
        alto_ = a | std::uint64_t{b} << 32;
    }
    // Events evento, evento + 1, ... in the bytes of a word, lowest first.
    std::uint64_t Avanti(int evento) const { return Otto(evento - 1); }
    // Events evento, evento - 1, ... in the bytes of a word, lowest first.
    std::uint64_t Indietro(int evento) const
    {
        std::uint64_t v = Otto(evento - 8);
        v = ((v & 0x00FF00FF00FF00FFULL) << 8) | ((v >> 8) & 0x00FF00FF00FF00FFULL);
        v = ((v & 0x0000FFFF0000FFFFULL) << 16) | ((v >> 16) & 0x0000FFFF0000FFFFULL);
        return v << 32 | v >> 32;
    }

   private:
    // Bytes p .. p + 7 (0-based).
    std::uint64_t Otto(int p) const
    {
        if (p <= -8 || p >= 16) return 0;
        if (p < 0) return basso_ << (-8 * p);
        if (p == 0) return basso_;
        if (p < 8) return basso_ >> (8 * p) | alto_ << (64 - 8 * p);
        return alto_ >> (8 * (p - 8));
    }

    std::uint64_t basso_ = 0;
    std::uint64_t alto_ = 0;
};

// Bit k set when byte k of the two words holds the same sign set, for the first n bytes.
TMaschera Uguali(std::uint64_t a, std::uint64_t b, int n)
{
    const std::uint64_t diversi = (a ^ b) & 0x0707070707070707ULL;
    return dettaglio::Raccogli(dettaglio::ByteNulli(diversi)) & ((TMaschera{1} << n) - 1);
}

// The pairs are compared as whole sign sets, so a column with empty or multiple events is
// judged as exactly as a developed one, and all at once, a byte per pair. Bit j - primo
// stands for the pair of event j: the pairs come in increasing j, so the longest block of
// set bits is the longest streak.
// The pairing counts events from the start of the column, not of the range: for a range
// that starts later the first half is cut short, and that is how the rule has always
// worked, so saved systems keep their meaning.
TMaschera CoppieDirette(const TByteColonna& c, int primo, int ultimo)
{
    const int coppie = (ultimo - primo + 1) / 2 - primo + 1;
    if (primo > ultimo || coppie <= 0) return 0;
    // Event j against ultimo + 1 - j: the far side read backwards.
    return Uguali(c.Avanti(primo), c.Indietro(ultimo + 1 - primo), coppie);
}

TMaschera CoppieInverse(const TByteColonna& c, int primo, int ultimo)
{
    const int lunghezza = ultimo - primo + 1;
    const int meta = lunghezza / 2;
    const int coppie = meta - primo + 1;
    if (primo > ultimo || coppie <= 0) return 0;
    const int salto = meta + lunghezza % 2;  // the middle event of an odd range is skipped
    return Uguali(c.Avanti(primo), c.Avanti(primo + salto), coppie);
}

TMisura Coppia(TMaschera uguali)
{
    return {ContaBit(uguali), PiuLungo(uguali)};
}

}  // namespace

TSimmetrie::TSimmetrie(TElencoCondizioni* elenco)
    : TCondizioneATabelle(TipoSimmetrie, elenco, Tabelle(),
                          {NumEvents / 2, NumEvents / 2, 2 * (NumEvents / 2)})
{
}

std::string TSimmetrie::Didascalia(int i) const
{
    static const char* const didascalie[3] = {"Dirette", "Inverse", "Totali"};
    return i >= 0 && i < 3 ? didascalie[i] : "";
}

void TSimmetrie::Misura(const TColonnaEsaminata& c, bool tutti, TMisura* misure) const
{
    const bool totali = tutti || tabelle_[TabellaTotali].Attivo;
    const TByteColonna byte(c.Colonna);
    int primo = 0, ultimo = 0;
    misure[TabellaDirette] = {};
    misure[TabellaInverse] = {};
    if (totali || tabelle_[TabellaDirette].Attivo) {
        Campo(tabelle_[TabellaDirette], primo, ultimo);
        misure[TabellaDirette] = Coppia(CoppieDirette(byte, primo, ultimo));
    }
    if (totali || tabelle_[TabellaInverse].Attivo) {
        Campo(tabelle_[TabellaInverse], primo, ultimo);
        misure[TabellaInverse] = Coppia(CoppieInverse(byte, primo, ultimo));
    }
    misure[TabellaTotali] = {misure[TabellaDirette].Valore + misure[TabellaInverse].Valore, 0};
}

bool TSimmetrie::Verifica(const TColonnaEsaminata& c)
{
    TMisura m[3];
    Misura(c, false, m);
    if (TSommeTra* somme = SommeTraAttive())
        for (std::size_t t = 0; t < 3; ++t) tabelle_[t].SommaTra(m[t].Valore, m[t].Run, *somme);
    TElencoLink* link = Link();
    for (std::size_t t = 0; t < 3; ++t)
        if (!tabelle_[t].Ammette(m[t].Valore, m[t].Run, link)) return false;
    return true;
}

}  // namespace morella
