#include "EsameVincente.h"

namespace morella {

std::vector<std::string> CondizioniSbagliate(TSistema& sistema, const TColonna& vincente)
{
    std::vector<std::string> voci;
    for (TVoceSbagliata& v : EsaminaVincente(sistema, vincente)) voci.push_back(std::move(v.Nome));
    return voci;
}

std::vector<TVoceSbagliata> EsaminaVincente(TSistema& sistema, const TColonna& vincente)
{
    TDatiSistema& d = sistema.Dati();
    TElencoCondizioni& condizioni = *d.Condizioni;
    condizioni.PreparaVerifica(true);
    if (d.Impostazioni.DaPronostico && ErroriColonna(vincente, d.Pronostico) > 0)
        condizioni.Errori.push_back(TErrore{nullptr});
    if (d.Impostazioni.UsaCondizioni) condizioni.VerificaColonna(vincente);
    condizioni.RaccogliErrori = false;

    std::vector<TVoceSbagliata> voci;
    // The examiner records what failed as read-only; the entry opens the system's own
    // condition, which the system owns and lets its editor change.
    for (const TErrore& e : condizioni.Errori)
        voci.push_back(
            {e.Condizione ? e.Condizione->Nome : VocePronostico, const_cast<TCondizione*>(e.Condizione)});
    condizioni.Errori.clear();
    return voci;
}

}  // namespace morella
