#include "FileQuadri.h"

#include "Errore.h"
#include "FabbricaCondizioni.h"

namespace morella {

TBytes ImmagineQuadro(const TQuadro& quadro)
{
    TScrittoreBinario f;
    f.Riserva(TQuadro::DimensioneBloccoVuoto);
    quadro.Scrivi(f);
    return std::move(f.Dati());
}

std::unique_ptr<TQuadro> QuadroDaImmagine(TLettoreBinario& f, TElencoCondizioni* elenco)
{
    std::uint8_t tipo = 0;
    if (!f.Byte(tipo) || tipo != TipoQuadro) return nullptr;
    auto quadro = std::make_unique<TQuadro>(elenco);
    if (!quadro->Leggi(f)) return nullptr;
    return quadro;
}

TBytes ImmagineCondizioni(const std::vector<const TCondizione*>& condizioni)
{
    TScrittoreBinario f;
    for (const TCondizione* c : condizioni)
        if (c) c->Scrivi(f);
    return std::move(f.Dati());
}

bool CondizioniDaImmagine(TLettoreBinario& f, TElencoCondizioni* elenco,
                          std::vector<std::unique_ptr<TCondizione>>& lette)
{
    std::vector<std::unique_ptr<TCondizione>> tutte;
    while (!f.AllaFine()) {
        std::uint8_t tipo = 0;
        if (!f.Byte(tipo)) return false;
        auto c = CreaCondizione(tipo, elenco);
        if (!c || !c->Leggi(f)) return false;
        tutte.push_back(std::move(c));
    }
    lette = std::move(tutte);
    return true;
}

void SalvaFileQuadro(const std::string& percorso, const TQuadro& quadro)
{
    if (!SalvaSicuro(percorso, ImmagineQuadro(quadro))) throw EErrore(ErroreSalvaQuadro);
}

std::unique_ptr<TQuadro> CaricaFileQuadro(const std::string& percorso, TElencoCondizioni* elenco)
{
    auto f = TLettoreBinario::Apri(percorso, DimensioneMassimaSistema);
    if (!f) throw EErrore(ErroreCaricaQuadro);
    auto quadro = QuadroDaImmagine(*f, elenco);
    if (!quadro) throw EErrore(ErroreCaricaQuadro);
    return quadro;
}

void SalvaFileCondizioni(const std::string& percorso, const std::vector<const TCondizione*>& condizioni)
{
    if (!SalvaSicuro(percorso, ImmagineCondizioni(condizioni))) throw EErrore(ErroreSalvaCondizioni);
}

std::vector<std::unique_ptr<TCondizione>> CaricaFileCondizioni(const std::string& percorso,
                                                               TElencoCondizioni* elenco)
{
    auto f = TLettoreBinario::Apri(percorso, DimensioneMassimaSistema);
    std::vector<std::unique_ptr<TCondizione>> lette;
    if (!f || !CondizioniDaImmagine(*f, elenco, lette)) throw EErrore(ErroreCaricaCondizioni);
    return lette;
}

}  // namespace morella
