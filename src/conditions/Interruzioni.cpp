#include "Interruzioni.h"

#include "Link.h"

namespace morella {

namespace {

std::vector<TTabellaValori> Tabelle()
{
    return {TTabellaValori(NumEvents - 1, true), TTabellaValori(NumEvents / 2, false),
            TTabellaValori(NumEvents / 2, false), TTabellaValori(NumEvents / 2, false)};
}

// Events i of a table's range, from its second event on, where the sign changes.
TMaschera CambiNelCampo(const TColonnaEsaminata& c, const TTabellaValori& t)
{
    return ~c.Uguali & MascheraEventi(t.DaEvento + 1, t.AEvento);
}

}  // namespace

TInterruzioni::TInterruzioni(TElencoCondizioni* elenco)
    : TCondizioneATabelle(TipoInterruzioni, elenco, Tabelle(),
                          {NumEvents - 1, NumEvents / 2, NumEvents / 2, NumEvents / 2})
{
}

std::string TInterruzioni::Didascalia(int i) const
{
    static const char* const didascalie[4] = {"Globali", "Segni 1", "Segni X", "Segni 2"};
    return i >= 0 && i < 4 ? didascalie[i] : "";
}

void TInterruzioni::Misura(const TColonnaEsaminata& c, bool tutti, TMisura* misure) const
{
    for (int i = 0; i < 4; ++i) misure[i] = {};
    if (tutti || tabelle_[0].Attivo) {
        const TMaschera cambi = CambiNelCampo(c, tabelle_[0]);
        misure[0] = {ContaBit(cambi), PiuLungo(cambi)};
    }
    if (tutti || tabelle_[1].Attivo || tabelle_[2].Attivo || tabelle_[3].Attivo) {
        // The first event is never a change: the range's mask starts at its second event.
        for (std::size_t s = 0; s < 3; ++s)
            misure[s + 1].Valore = ContaBit(CambiNelCampo(c, tabelle_[s + 1]) & c.Segni[s]);
    }
}

bool TInterruzioni::Verifica(const TColonnaEsaminata& c)
{
    TMisura m[4];
    Misura(c, false, m);
    if (TSommeTra* somme = SommeTraAttive())
        for (std::size_t t = 0; t < 4; ++t) tabelle_[t].SommaTra(m[t].Valore, m[t].Run, *somme);
    TElencoLink* link = Link();
    for (std::size_t t = 0; t < 4; ++t)
        if (!tabelle_[t].Ammette(m[t].Valore, m[t].Run, link)) return false;
    return true;
}

}  // namespace morella
