#include "DerivateAnalisi.h"

#include <algorithm>
#include <cstdio>

namespace morella {

std::string TestoDueDecimali(double valore)
{
    char testo[64];
    std::snprintf(testo, sizeof testo, "%.2f", valore);
    return testo;
}

double IndiceConvenienza(std::int64_t ritardo, std::int64_t frequenza, std::int64_t contati)
{
    if (contati <= 0) return 0.0;
    return static_cast<double>(ritardo) * static_cast<double>(frequenza) / static_cast<double>(contati);
}

T_DerivateSerie DerivateSerie(const T_Analisi& analisi, int serie, int misura)
{
    T_DerivateSerie d;
    if (serie < 0 || serie >= analisi.NumeroSerie() || misura < 0 || misura > 1) return d;
    const T_SerieAnalisi& s = analisi.Serie[static_cast<std::size_t>(serie)];
    const T_ValoriAmmessi& ammessi = s.Ammessi[static_cast<std::size_t>(misura)];
    const bool prima = misura == 0;

    // Counted in integers, so that "all of them" is recognised exactly.
    std::int64_t tutte = 0, accettate = 0;
    for (int v = 0; v <= s.Archivio.ValoreMassimo(); ++v) {
        const std::int64_t f = s.Archivio.Elemento(prima, v).Frequenza;
        tutte += f;
        if (ammessi.Ammette(v)) accettate += f;
    }
    const bool piena = tutte > 0 && accettate == tutte;
    d.FrequenzaStorica =
        tutte > 0 ? static_cast<double>(accettate) * 100.0 / static_cast<double>(tutte) : 0.0;

    std::int64_t eliminate = 0;
    for (int v = 0; v <= s.Integr.ValoreMassimo(); ++v)
        if (!ammessi.Ammette(v)) eliminate += s.Integr.Elemento(prima, v).Frequenza;
    const std::int64_t totale = analisi.ColonneEsaminate;
    d.Eliminate = totale > 0 ? static_cast<double>(eliminate) * 100.0 / static_cast<double>(totale) : 0.0;

    if (!piena)
        d.Fattore = TestoFattoreConvenienza + TestoDueDecimali(d.Eliminate / (100.0 - d.FrequenzaStorica));
    return d;
}

std::vector<T_RigaStorico> RigheStorico(const T_SerieAnalisi& serie, bool percentuali)
{
    const T_FrequenzeRitardi& t = serie.Archivio;
    const std::int64_t contati = t.ConcorsiContati();
    auto frequenza = [&](std::int64_t f) {
        if (!percentuali) return std::to_string(f);
        return TestoDueDecimali(contati > 0 ? static_cast<double>(f) * 100.0 / static_cast<double>(contati)
                                            : 0.0);
    };
    std::vector<T_RigaStorico> righe;
    const int massimo = std::max<int>(t.ValoreMassimo(), static_cast<int>(serie.Etichette.size()) - 1);
    for (int v = 0; v <= massimo; ++v) {
        T_RigaStorico r;
        r.Etichetta = static_cast<std::size_t>(v) < serie.Etichette.size()
                          ? serie.Etichette[static_cast<std::size_t>(v)]
                          : std::to_string(v);
        const TElemRFRM p = v <= t.ValoreMassimo() ? t.Elemento(true, v) : TElemRFRM{};
        r.Points = frequenza(p.Frequenza);
        r.AttualePoints = std::to_string(p.Ritardo);
        r.MassimoPoints = std::to_string(p.RitardoMassimo);
        r.ICPoints = TestoDueDecimali(IndiceConvenienza(p.Ritardo, p.Frequenza, contati));
        if (serie.ConSecondaMisura) {
            const TElemRFRM c = v <= t.ValoreMassimo() ? t.Elemento(false, v) : TElemRFRM{};
            r.Cons = frequenza(c.Frequenza);
            r.AttualeCons = std::to_string(c.Ritardo);
            r.MassimoCons = std::to_string(c.RitardoMassimo);
            r.ICCons = TestoDueDecimali(IndiceConvenienza(c.Ritardo, c.Frequenza, contati));
        }
        righe.push_back(std::move(r));
    }
    return righe;
}

}  // namespace morella
