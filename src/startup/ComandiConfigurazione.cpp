#include "ComandiConfigurazione.h"

#include <algorithm>

#include "Cartelle.h"
#include "FileBinario.h"

namespace morella {

std::int32_t LimitaCostoColonna(std::int64_t costo)
{
    return static_cast<std::int32_t>(
        std::clamp<std::int64_t>(costo, CostoColonnaMinimo, CostoColonnaMassimo));
}

void CambiaCostoColonna(TConfigurazione& c, std::int64_t costo, const std::string& file)
{
    const std::int32_t nuovo = LimitaCostoColonna(costo);
    if (nuovo == c.CostoColonna) return;
    c.CostoColonna = nuovo;
    ScriviConfigurazione(c, file);
}

bool InvertiAccorpamentoAutomatico(TConfigurazione& c, const std::string& file)
{
    c.AccorpamentoAutomatico = !c.AccorpamentoAutomatico;
    ScriviConfigurazione(c, file);
    return c.AccorpamentoAutomatico;
}

void CambiaSfondo(TConfigurazione& c, const std::string& percorso, const std::string& file)
{
    c.Sfondo = TagliaCaratteri(percorso, CapacitaSfondo);
    ScriviConfigurazione(c, file);
}

std::string FileSfondo(const TConfigurazione& c)
{
    return RisolviPercorso(c.Sfondo, CartellaSfondi());
}

}  // namespace morella
