#include "ImpostazioniRicerca.h"

#include "Archivio.h"

namespace morella {

bool T_ImpostazioniRicerca::NelIntervallo(const T_Concorso& concorso) const
{
    if (SoloCompleti && concorso.Completo == 0) return false;
    const std::int32_t stagione = concorso.Stagione;
    const std::int32_t numero = concorso.Numero;
    if (stagione < PrimaStagione || stagione > UltimaStagione) return false;
    if (stagione == PrimaStagione && numero < PrimoNumero) return false;
    if (stagione == UltimaStagione && numero > UltimoNumero) return false;
    return true;
}

void T_ImpostazioniRicerca::TuttoLArchivio(const T_Archivio& archivio)
{
    if (archivio.Vuoto()) return;
    PrimaStagione = archivio.Primo().Stagione;
    PrimoNumero = archivio.Primo().Numero;
    UltimaStagione = archivio.Ultimo().Stagione;
    UltimoNumero = archivio.Ultimo().Numero;
}

bool T_ImpostazioniRicerca::CopreTuttoLArchivio(const T_Archivio& archivio) const
{
    if (archivio.Vuoto()) return false;
    return PrimaStagione == archivio.Primo().Stagione && PrimoNumero == archivio.Primo().Numero &&
           UltimaStagione == archivio.Ultimo().Stagione && UltimoNumero == archivio.Ultimo().Numero;
}

}  // namespace morella
