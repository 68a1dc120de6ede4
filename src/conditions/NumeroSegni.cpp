#include "NumeroSegni.h"

#include "Link.h"

namespace morella {

namespace {

std::vector<TTabellaValori> Tabelle()
{
    return {TTabellaValori(NumEvents, true), TTabellaValori(NumEvents, true),
            TTabellaValori(NumEvents, true)};
}

}  // namespace

TNumeroSegni::TNumeroSegni(TElencoCondizioni* elenco)
    : TCondizioneATabelle(TipoNumeroSegni, elenco, Tabelle(), {NumEvents, NumEvents, NumEvents})
{
}

std::string TNumeroSegni::Didascalia(int i) const
{
    static const char* const didascalie[3] = {"Segni 1", "Segni X", "Segni 2"};
    return i >= 0 && i < 3 ? didascalie[i] : "";
}

void TNumeroSegni::Misura(const TColonnaEsaminata& c, bool tutti, TMisura* misure) const
{
    // An event counts for its sign only inside that sign's table range; outside it, it
    // neither counts nor breaks a run of any sign. So the runs are taken over the events
    // that count for some sign, the others squeezed out.
    TMaschera nelCampo[3];
    for (std::size_t s = 0; s < 3; ++s)
        nelCampo[s] = c.Segni[s] & MascheraEventi(tabelle_[s].DaEvento, tabelle_[s].AEvento);
    const TMaschera contano = nelCampo[0] | nelCampo[1] | nelCampo[2];
    for (std::size_t s = 0; s < 3; ++s) {
        if (!tutti && !tabelle_[s].Attivo) {
            misure[s] = {};
            continue;
        }
        misure[s].Valore = ContaBit(nelCampo[s]);
        misure[s].Run =
            contano == c.Eventi ? PiuLungo(nelCampo[s]) : PiuLungo(Comprimi(nelCampo[s], contano));
    }
}

bool TNumeroSegni::Verifica(const TColonnaEsaminata& c)
{
    TMisura m[3];
    Misura(c, false, m);
    if (TSommeTra* somme = SommeTraAttive())
        for (std::size_t s = 0; s < 3; ++s) tabelle_[s].SommaTra(m[s].Valore, m[s].Run, *somme);
    TElencoLink* link = Link();
    for (std::size_t s = 0; s < 3; ++s)
        if (!tabelle_[s].Ammette(m[s].Valore, m[s].Run, link)) return false;
    return true;
}

}  // namespace morella
