// What the link editor decides on OK, apart from drawing: a changed error table is taken only
// when nothing above the maximum typed beside it is admitted; otherwise the player is told
// and the editor stays open. Accepted tables are copied into the links.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "Domanda.h"
#include "Link.h"
#include "TabellaValori.h"

namespace morella {

inline constexpr const char* MessaggioErroriLinkTroppoAlto =
    "Il Numero Degli Errori Nella Link è Troppo Alto !";
inline constexpr const char* MessaggioErroriTotaliTroppoAlto =
    "Il Numero Degli Errori Totali è Troppo Alto !";

enum class TEsitoModificaLink { Accettata, LinkTroppoAlta, TotaleTroppoAlto };

// The editor's state on OK: the letter shown, and each table as edited when its control
// reports a change, with the maximum typed beside it ("EditMax", "EditMaxLinks").
struct TModificaLink {
    std::uint8_t Lettera = 'A';
    std::optional<TTabellaValori> ErroriLink;  // "PtLink"
    int MassimoLink = MassimoErroriLink;
    std::optional<TTabellaValori> ErroriTotali;  // "PtTutteLink"
    int MassimoTotale = MassimoErroriLink;
};

// No error count above `massimo` has a state other than 0 (a maximum below 0 admits nothing).
bool ErroriEntroIlMassimo(const TTabellaValori& tabella, int massimo);

// The letter's table first, then the total; an unchanged table is not judged.
TEsitoModificaLink ControllaModificaLink(const TModificaLink& modifica);
// The text shown for a refusal; empty for Accettata.
std::string MessaggioModificaLink(TEsitoModificaLink esito);

// The whole OK: on a refusal shows the message (title "Informazione", button OK) and returns
// false, leaving the links untouched; otherwise copies the changed tables into the links,
// their derived flags cleared for the next preparation, and returns true (the caller marks
// the system modified when something was copied). An invalid letter changes nothing.
bool ConfermaModificaLink(TElencoLink& link, const TModificaLink& modifica, TDomanda& domanda);

}  // namespace morella
