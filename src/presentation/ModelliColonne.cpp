#include "ModelliColonne.h"

#include <algorithm>
#include <filesystem>

#include "Cartelle.h"
#include "Errore.h"

namespace morella {

namespace {
constexpr const char* DomandaSovrascrivi = "Il File è Gia Presente su Disco. Vuoi Sovrascriverlo";
}

TPosizioneDialogo PosizioneDialogo(const std::string& campo)
{
    const std::filesystem::path p(PercorsoColonnare(campo));
    if (campo.empty()) return {CartellaColonne(), {}};
    return {p.parent_path().string(), p.filename().string()};
}

std::string PercorsoColonnare(const std::string& campo)
{
    if (campo.empty()) return campo;
    const std::filesystem::path p(campo);
    if (p.is_absolute()) return campo;
    return (std::filesystem::path(CartellaColonne()) / p).string();
}

bool TModelloOperazioni::ConfermaDestinazione(TDomanda& domanda) const
{
    std::error_code ec;
    if (!std::filesystem::exists(PercorsoColonnare(Destinazione), ec)) return true;
    return domanda.Chiedi(TitoloInformazione, DomandaSovrascrivi, PulsanteSi | PulsanteNo) == PulsanteSi;
}

bool TModelloOperazioni::Esegui(const TProseguiOperazione& prosegui) const
{
    // An empty field names no file: refused before anything is read.
    if (Sorgente1.empty() || Sorgente2.empty() || Destinazione.empty())
        throw EErrore(MessaggioOperazioniFile);
    switch (OperazioneSuFile(Operazione, PercorsoColonnare(Sorgente1), PercorsoColonnare(Sorgente2),
                             PercorsoColonnare(Destinazione), prosegui)) {
        case TEsitoOperazione::Scritta:
            return true;
        case TEsitoOperazione::Annullata:
            return false;
        case TEsitoOperazione::SorgenteDanneggiata:
            // A source that breaks off in a partial record leaves the destination as it was:
            // the player must hear so rather than find an old file there.
            break;
    }
    throw EErrore(MessaggioOperazioniFile);
}

int PercentualeOperazione(std::size_t fatte, std::size_t totale)
{
    if (totale == 0) return 100;
    return static_cast<int>(std::min<std::size_t>(fatte, totale) * 100 / totale);
}

std::string TitoloCategoria(int k)
{
    return std::to_string(k + 1) + "ª Categoria (" + std::to_string(NumEvents - k) + " punti)";
}

TVistaSpoglio VistaSpoglio(const TListaColonne& lista, const TColonna& vincente)
{
    return *VistaSpoglio(lista, vincente, [] { return true; });
}

std::optional<TVistaSpoglio> VistaSpoglio(const TListaColonne& lista, const TColonna& vincente,
                                          const std::function<bool()>& prosegui)
{
    // About a millisecond of counting between two questions.
    constexpr std::size_t Passo = 32768;
    TVistaSpoglio v;
    v.Completa = ColonnaVincenteCompleta(vincente);
    if (!v.Completa) return v;
    const TColonna* c = lista.Colonne().data();
    for (std::size_t i = 0; i < lista.size(); i += Passo) {
        if (!prosegui()) return std::nullopt;
        AggiungiPunti(v.Risultato, c + i, c + std::min(lista.size(), i + Passo), vincente);
    }
    ConcludiPunti(v.Risultato);
    for (int p = 0; p <= NumEvents; ++p) {
        v.Valori.push_back(static_cast<double>(v.Risultato.punti[static_cast<std::size_t>(p)]));
        v.Etichette.push_back(std::to_string(p));
    }
    v.Massimo = v.Risultato.scalaMassima > 0 ? v.Risultato.scalaMassima : 1;
    for (std::size_t k = 0; k < 3; ++k) v.Categorie[k] = std::to_string(v.Risultato.categorie[k]);
    return v;
}

const TSchedinaVin* SchedinaInVista(const std::vector<TSchedinaVin>& schedine, int posizione, int vista)
{
    const long long i = static_cast<long long>(posizione) + vista;
    if (posizione < 0 || i >= static_cast<long long>(schedine.size())) return nullptr;
    return &schedine[static_cast<std::size_t>(i)];
}

}  // namespace morella
