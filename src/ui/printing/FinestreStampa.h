// The "Stam&pa" windows and the dictation: how their commands fill a window's own column
// list ("Da Memoria", "Da File"), the voice the dictation speaks with, and the one
// registration of the area.
#pragma once

#include <functional>
#include <memory>
#include <optional>

#include "LettoreAudio.h"
#include "ListaColonne.h"
#include "Temporizzatore.h"

class QWidget;

namespace morella {
class TSistema;
}

namespace morella::ui {

// "Da Memoria": a copy of the system's columns, merged (with the merging window) when the
// configuration says so.
TListaColonne ColonneDaMemoria(const TSistema& sistema, QWidget* padre);
// "Da File": the column file the player picks, read with the hourglass shown and merged as
// above. Nothing when the dialog was cancelled, the file is empty or could not be read (the
// error is shown).
std::optional<TListaColonne> ColonneDaFile(const TSistema& sistema, QWidget* padre);

// The player and the timer a dictation window speaks with.
struct TVoceDettatura {
    std::unique_ptr<TLettoreAudio> Lettore;
    std::unique_ptr<TTemporizzatore> Temporizzatore;
};
using TFabbricaVoce = std::function<TVoceDettatura()>;
// The sound card and the event loop's timer, unless a test installed its own (empty: back
// to the real ones).
TVoceDettatura NuovaVoce();
void ImpostaFabbricaVoce(TFabbricaVoce fabbrica);

// "&Taratura Stampante", "&Stampa Colonne" from memory and from a file, "&Dettatura a Voce"
// from memory and from a file.
void RegistraFinestreStampa();

}  // namespace morella::ui
