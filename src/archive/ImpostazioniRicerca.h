// The search settings ("Impostazioni Di Ricerca"): the range of contests every scan of
// the archive uses, whether incomplete contests count, which condition kinds the archive
// replay leaves out and how many winning categories it looks for. Never saved.
#pragma once

#include <cstdint>

#include "Concorso.h"
#include "Replay.h"  // what the replay finds, kept with the settings

namespace morella {

class T_Archivio;

struct T_ImpostazioniRicerca {
    // The range; set to the whole archive when it is loaded, on a new system and before the
    // editor saves. 0 until then.
    std::int32_t PrimaStagione = 0;
    std::int32_t UltimaStagione = 0;
    std::int32_t PrimoNumero = 0;   // within PrimaStagione
    std::int32_t UltimoNumero = 0;  // within UltimaStagione
    bool SoloCompleti = true;

    bool IgnoraColonneFiltro = true;
    bool IgnoraRipetizioni = true;
    bool IgnoraValori = true;
    bool IgnoraPercentuali = true;

    // The three exclusive choices "1º Categoria", "1º e 2º Cat.", "1º , 2º e 3º Cat." as the
    // number of categories counted: 1, 2 or 3.
    int CategorieCercate = 1;

    TRisultatiRicercaArchivio RisultatiRicerca;

    // Is the contest inside the range (and complete, when only complete ones count)?
    bool NelIntervallo(const T_Concorso& concorso) const;
    // The range becomes first to last contest of the archive; an empty archive changes nothing.
    void TuttoLArchivio(const T_Archivio& archivio);
    // True when the range is exactly first to last contest (false on an empty archive).
    bool CopreTuttoLArchivio(const T_Archivio& archivio) const;
};

}  // namespace morella
