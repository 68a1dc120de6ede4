#include "FiltriDaArchivio.h"

#include <algorithm>
#include <utility>

#include "ColonnaFiltro.h"
#include "Quadro.h"
#include "SessioneQuadri.h"

namespace morella {

int InserisciColonneFiltro(const T_Archivio& archivio, const TEstremiConcorsi& estremi,
                           const std::vector<int>& puntiAmmessi, TQuadro& quadro)
{
    // The range test of every archive scan, counting only contests with a whole column:
    // a filter column on an unknown event would filter nothing there.
    T_ImpostazioniRicerca intervallo;
    intervallo.PrimaStagione = estremi.PrimaStagione;
    intervallo.PrimoNumero = estremi.PrimoNumero;
    intervallo.UltimaStagione = estremi.UltimaStagione;
    intervallo.UltimoNumero = estremi.UltimoNumero;
    intervallo.SoloCompleti = true;

    int aggiunte = 0;
    for (const T_Concorso& concorso : archivio.Concorsi()) {
        if (!intervallo.NelIntervallo(concorso)) continue;
        if (!quadro.AmmetteElemento(TipoColonnaFiltro)) break;
        auto filtro = CreaColonnaFiltro(concorso.ColonnaVincente, puntiAmmessi, quadro.Elenco());
        TCondizione* nuova = filtro.get();
        if (!quadro.Aggiungi(std::move(filtro))) break;
        nuova->ImpostaPercorso(quadro.Percorso);
        ++aggiunte;
    }
    if (aggiunte > 0) quadro.AggiornaPreset();
    return aggiunte;
}

TDialogoInsCol::TDialogoInsCol(const T_Archivio& archivio) : limiti_(LimitiStagioni(archivio))
{
    if (archivio.Vuoto()) {
        estremi_ = {limiti_.Ultima, NumeroMinimoRicerca, limiti_.Ultima, NumeroMinimoRicerca};
        return;
    }
    const std::int32_t stagione = std::clamp(archivio.Ultimo().Stagione, limiti_.Prima, limiti_.Ultima);
    estremi_ = {
        stagione, NumeroMinimoRicerca, stagione,
        std::clamp<std::int32_t>(archivio.Ultimo().Numero, NumeroMinimoRicerca, NumeroMassimoRicerca)};
}

void TDialogoInsCol::ImpostaPrimaStagione(std::int32_t stagione)
{
    estremi_.PrimaStagione = std::clamp(stagione, limiti_.Prima, limiti_.Ultima);
}

void TDialogoInsCol::ImpostaUltimaStagione(std::int32_t stagione)
{
    estremi_.UltimaStagione = std::clamp(stagione, limiti_.Prima, limiti_.Ultima);
}

void TDialogoInsCol::ImpostaPrimoNumero(std::int32_t numero)
{
    estremi_.PrimoNumero = std::clamp(numero, NumeroMinimoRicerca, NumeroMassimoRicerca);
}

void TDialogoInsCol::ImpostaUltimoNumero(std::int32_t numero)
{
    estremi_.UltimoNumero = std::clamp(numero, NumeroMinimoRicerca, NumeroMassimoRicerca);
}

int TDialogoInsCol::Conferma(const T_Archivio& archivio, TQuadro& quadro) const
{
    return InserisciColonneFiltro(archivio, estremi_, PuntiAmmessi, quadro);
}

int TDialogoInsCol::Conferma(const T_Archivio& archivio, TSessioneQuadri& sessione) const
{
    const int aggiunte = Conferma(archivio, sessione.Corrente());
    if (aggiunte > 0) sessione.Modificato = true;
    return aggiunte;
}

}  // namespace morella
