#include "PariDispari.h"

#include "Link.h"

namespace morella {

namespace {

std::vector<TTabellaValori> Tabelle()
{
    return {TTabellaValori(NumEvents / 2, true), TTabellaValori(NumEvents, true)};
}

// The parity table's entry for the runs inside events da..a; 0 for an empty range.
unsigned RunNelCampo(const TColonnaEsaminata& c, int da, int a)
{
    if (da < 1) da = 1;
    if (a > NumEvents) a = NumEvents;
    if (da > a) return 0;
    const int lunghezza = a - da + 1;
    const TMaschera campo = (TMaschera{1} << lunghezza) - 1;
    // A run starts at the range's first event and wherever the sign changes.
    const TMaschera inizi = ((~c.Uguali >> (da - 1)) & campo) | 1u;
    return RunPariDispari[inizi | (TMaschera{1} << lunghezza)];
}

}  // namespace

TPariDispari::TPariDispari(TElencoCondizioni* elenco)
    : TCondizioneATabelle(TipoPariDispari, elenco, Tabelle(), {NumEvents / 2, NumEvents})
{
}

std::string TPariDispari::Didascalia(int i) const
{
    return i == TabellaPari ? "Pari" : i == TabellaDispari ? "Dispari" : "";
}

void TPariDispari::Misura(const TColonnaEsaminata& c, bool tutti, TMisura* misure) const
{
    const auto& pari = tabelle_[TabellaPari];
    const auto& dispari = tabelle_[TabellaDispari];
    misure[TabellaPari] = {};
    misure[TabellaDispari] = {};
    if (tutti || pari.Attivo) {
        const unsigned e = RunNelCampo(c, pari.DaEvento, pari.AEvento);
        misure[TabellaPari] = {static_cast<int>((e >> 8) & 15u), static_cast<int>(e >> 12)};
    }
    if (tutti || dispari.Attivo) {
        const unsigned e = RunNelCampo(c, dispari.DaEvento, dispari.AEvento);
        misure[TabellaDispari] = {static_cast<int>(e & 15u), static_cast<int>((e >> 4) & 15u)};
    }
}

bool TPariDispari::Verifica(const TColonnaEsaminata& c)
{
    TMisura m[2];
    Misura(c, false, m);
    if (TSommeTra* somme = SommeTraAttive())
        for (std::size_t t = 0; t < 2; ++t) tabelle_[t].SommaTra(m[t].Valore, m[t].Run, *somme);
    TElencoLink* link = Link();
    for (std::size_t t = 0; t < 2; ++t)
        if (!tabelle_[t].Ammette(m[t].Valore, m[t].Run, link)) return false;
    return true;
}

}  // namespace morella
