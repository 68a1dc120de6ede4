// What the columns windows decide without drawing: the file operations dialog (where its
// files are, whether the destination may be replaced, the progress), the checking window
// (what it shows for a winning column, the chart's data) and the four coupons a viewer shows
// at a scroll position.
#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "Domanda.h"
#include "OperazioniFile.h"
#include "Schedine.h"
#include "Spoglio.h"

namespace morella {

// ---- "Operazioni Su Files Colonnari" ----

// Where a file dialog starts for a field: the folder of the file named there (the column
// folder for a bare or empty name), with that file's name proposed.
struct TPosizioneDialogo {
    std::string Cartella;
    std::string Nome;
};
TPosizioneDialogo PosizioneDialogo(const std::string& campo);

// The file a field names: a name without a folder lives in the column folder, like every
// column file the program proposes, never in whatever folder the process started from.
std::string PercorsoColonnare(const std::string& campo);

struct TModelloOperazioni {
    std::string Sorgente1;
    std::string Sorgente2;
    std::string Destinazione = "DestCol.col";
    TOperazioneFile Operazione = TOperazioneFile::Or;

    // Asks before an existing destination is replaced; false (nothing to do) unless "Si".
    bool ConfermaDestinazione(TDomanda& domanda) const;
    // Runs the operation on the named files. Throws "Impossibile Effettuare Le Operazioni Sui
    // File" when a source cannot be read whole or the destination cannot be written; false
    // when `prosegui` stopped it (nothing written).
    bool Esegui(const TProseguiOperazione& prosegui) const;
};

// Gauge position of the operation.
int PercentualeOperazione(std::size_t fatte, std::size_t totale);

// ---- "Spoglio" ----

struct TVistaSpoglio {
    // The winning column holds one sign on every event; otherwise nothing below is shown.
    bool Completa = false;
    TRisultatoSpoglio Risultato;
    // The chart: one bar per points value 0..E, labelled with it, the scale up to the
    // largest counter x 11 / 10 (1 for an empty chart).
    std::vector<double> Valori;
    std::vector<std::string> Etichette;
    double Massimo = 1;
    // The totals of the first, second and third category.
    std::array<std::string, 3> Categorie;
};
TVistaSpoglio VistaSpoglio(const TListaColonne& lista, const TColonna& vincente);
// The same, asking `prosegui` every few thousand columns whether to go on (the window turns
// its event loop there); nothing when it answered false.
std::optional<TVistaSpoglio> VistaSpoglio(const TListaColonne& lista, const TColonna& vincente,
                                          const std::function<bool()>& prosegui);

// Caption of the category total k (0..2): "1ª Categoria (12 punti)".
std::string TitoloCategoria(int k);

// ---- Coupons four at a time (viewer, winnings view) ----

// The coupon that view k (0..3) shows at scroll position `posizione`, or none (the view is
// hidden and its columns cleared).
const TSchedinaVin* SchedinaInVista(const std::vector<TSchedinaVin>& schedine, int posizione, int vista);

}  // namespace morella
