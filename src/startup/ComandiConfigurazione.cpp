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

void CambiaCostoColonna(TConfigurazione& c, TValuta valuta, std::int64_t costo, const std::string& file)
{
    if (valuta != TValuta::Euro) {
        const std::int32_t lire = LimitaCostoColonna(costo);
        if (c.Valuta == TValuta::Lire && lire == c.CostoColonna) return;
        c.Valuta = TValuta::Lire;
        c.CostoColonna = lire;
    } else {
        const auto centesimi =
            static_cast<std::int32_t>(std::clamp<std::int64_t>(costo, 0, CostoCentesimiMassimo));
        if (c.Valuta == TValuta::Euro && centesimi == c.CostoCentesimi) return;
        c.Valuta = TValuta::Euro;
        c.CostoCentesimi = centesimi;
    }
    ScriviConfigurazione(c, file);
}

std::optional<std::int32_t> LeggiCostoColonna(const std::string& testo, TValuta valuta)
{
    const std::size_t inizio = testo.find_first_not_of(" \t");
    if (inizio == std::string::npos) return std::nullopt;
    const std::string t = testo.substr(inizio, testo.find_last_not_of(" \t") - inizio + 1);
    std::int64_t unita = 0, decimali = 0;
    int cifreDecimali = 0;
    bool separatore = false, cifre = false;
    for (char ch : t) {
        if ((ch == ',' || ch == '.') && valuta == TValuta::Euro && !separatore) {
            separatore = true;
        } else if (ch >= '0' && ch <= '9') {
            cifre = true;
            if (separatore) {
                if (++cifreDecimali > 2) return std::nullopt;
                decimali = decimali * 10 + (ch - '0');
            } else {
                unita = unita * 10 + (ch - '0');
                if (unita > CostoColonnaMassimo) return std::nullopt;
            }
        } else {
            return std::nullopt;
        }
    }
    if (!cifre) return std::nullopt;
    if (valuta != TValuta::Euro) return static_cast<std::int32_t>(unita);
    if (cifreDecimali == 1) decimali *= 10;
    const std::int64_t centesimi = unita * 100 + decimali;
    if (centesimi > CostoCentesimiMassimo) return std::nullopt;
    return static_cast<std::int32_t>(centesimi);
}

std::string TestoCostoColonna(std::int64_t costo, TValuta valuta)
{
    // The amount without its symbol, as the field takes it back.
    const std::string importo = TestoImporto(costo, valuta);
    return importo.substr(importo.find(' ') + 1);
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
