#include "EsameVincente.h"

namespace morella {

std::vector<std::string> CondizioniSbagliate(TSistema& sistema, const TColonna& vincente)
{
    TDatiSistema& d = sistema.Dati();
    TElencoCondizioni& condizioni = *d.Condizioni;
    condizioni.PreparaVerifica(true);
    if (d.Impostazioni.DaPronostico && ErroriColonna(vincente, d.Pronostico) > 0)
        condizioni.Errori.push_back(TErrore{nullptr});
    if (d.Impostazioni.UsaCondizioni) condizioni.VerificaColonna(vincente);
    condizioni.RaccogliErrori = false;

    std::vector<std::string> voci;
    for (const TErrore& e : condizioni.Errori)
        voci.push_back(e.Condizione ? e.Condizione->Nome : VocePronostico);
    condizioni.Errori.clear();
    return voci;
}

}  // namespace morella
