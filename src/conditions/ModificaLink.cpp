#include "ModificaLink.h"

#include <algorithm>

namespace morella {

bool ErroriEntroIlMassimo(const TTabellaValori& tabella, int massimo)
{
    // The editor shows the first sub-table only; the link tables have no runs.
    for (int v = std::max(massimo + 1, 0); v <= tabella.Massimo(); ++v)
        if (tabella.Stato(0, v) != StatoEscluso) return false;
    return true;
}

TEsitoModificaLink ControllaModificaLink(const TModificaLink& modifica)
{
    if (modifica.ErroriLink && !ErroriEntroIlMassimo(*modifica.ErroriLink, modifica.MassimoLink))
        return TEsitoModificaLink::LinkTroppoAlta;
    if (modifica.ErroriTotali && !ErroriEntroIlMassimo(*modifica.ErroriTotali, modifica.MassimoTotale))
        return TEsitoModificaLink::TotaleTroppoAlto;
    return TEsitoModificaLink::Accettata;
}

std::string MessaggioModificaLink(TEsitoModificaLink esito)
{
    switch (esito) {
        case TEsitoModificaLink::LinkTroppoAlta:
            return MessaggioErroriLinkTroppoAlto;
        case TEsitoModificaLink::TotaleTroppoAlto:
            return MessaggioErroriTotaliTroppoAlto;
        case TEsitoModificaLink::Accettata:
            break;
    }
    return {};
}

namespace {

// A table from the editor replaces the stored one; what Prepara derives is left for it.
void Copia(TTabellaValori& destinazione, const TTabellaValori& sorgente)
{
    // Only a table of the same shape can take its place (the editor works on a copy of it).
    if (sorgente.Massimo() != destinazione.Massimo() ||
        sorgente.ConConsecutivita() != destinazione.ConConsecutivita())
        return;
    destinazione = sorgente;
    for (auto& s : destinazione.Sotto) s.InUso = false;
    destinazione.Attivo = false;
}

}  // namespace

bool ConfermaModificaLink(TElencoLink& link, const TModificaLink& modifica, TDomanda& domanda)
{
    const TEsitoModificaLink esito = ControllaModificaLink(modifica);
    if (esito != TEsitoModificaLink::Accettata) {
        domanda.Chiedi(TitoloInformazione, MessaggioModificaLink(esito), PulsanteOk);
        return false;
    }
    if (!TElencoLink::LetteraValida(modifica.Lettera)) return true;
    if (modifica.ErroriLink) Copia(link.DellaLettera(modifica.Lettera).Errori, *modifica.ErroriLink);
    if (modifica.ErroriTotali) Copia(link.ErroriTotali, *modifica.ErroriTotali);
    return true;
}

}  // namespace morella
