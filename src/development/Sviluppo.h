// The development: every single column the prediction covers (or every record of a source
// column file) through the conditions and the links, the kept columns into the system's
// list, then the optional autoreduction and the automatic save.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "Autoriduzione.h"
#include "RiduzioneOttimizzata.h"
#include "Sistema.h"

namespace morella {

inline constexpr const char* StatoCondizionamento = "Condizionamento In Corso...";
inline constexpr const char* StatoAutoriduzione = "Autoriduzione In Corso...";
inline constexpr const char* StatoTerminato = "Elaborazione Terminata.";
inline constexpr const char* MessaggioMemoriaEsaurita =
    "Memoria Esaurita. Impossibile Completare Lo Sviluppo";
inline constexpr const char* MessaggioCaricaFileColonnare = "Impossibile Caricare Il File Colonnare";
inline constexpr const char* MessaggioScritturaColonne = "Errore Durante la Scrittura del File Colonnare";

// Progress and cancel of the development window; the reduction's own calls come through
// the base class. Every call has an empty default.
class TOsservatoreSviluppo : public TOsservatoreRiduzione {
   public:
    // Conditions progress: initial columns, kept, final update, developed so far. Called for
    // every column; a window redraws only when the final flag is set or the gauge would move
    // by more than 2 points (see DeveRidisegnare).
    virtual void AggiornaCond(std::int64_t /*iniziali*/, std::int64_t /*tenute*/, bool /*finale*/,
                              std::int64_t /*sviluppate*/)
    {
    }
};

// The gauge rule of the development window: redraw on the final update, or when the new
// percentage is more than `passo` above the one shown.
bool DeveRidisegnare(int mostrata, int nuova, bool finale, int passo = 2);

struct TEsitoSviluppo {
    std::int64_t iniziali = 0;    // columns to examine
    std::int64_t sviluppate = 0;  // columns examined
    std::int64_t tenute = 0;      // columns kept by the conditions (the system's final columns)
    bool annullato = false;
    bool ridottoPrecalcolato = false;  // a reduced system from "Ridotti" stood in
    bool ridotto = false;              // the autoreduction ran
    TEsitoRiduzione riduzione;
    std::optional<TEsitoOttimizzazione> ottimizzazione;  // when the optimised reduction ran
    bool salvato = false;                                // the list went to the destination file
};

// The automatic save replaces nothing but a column file: the destination's name must end in
// ".Col" (any case), where a link leads as well, and a file already there must read as
// column records. The refusal names the destination; nothing when it may be written.
inline constexpr const char* MessaggioDestinazioneNonColonnare =
    "Il File Di Destinazione Non è Un File Colonnare: ";
std::optional<std::string> ControllaDestinazione(const std::string& file);

// The whole run on the system's settings. Failures throw EErrore with the program's message
// and leave in the list what was kept so far; with the automatic save on, a destination
// ControllaDestinazione refuses stops the run before it starts, the list untouched.
TEsitoSviluppo Sviluppa(TSistema& sistema, TOsservatoreSviluppo* oss = nullptr);

// Name of the reduced system for t triples and d doubles ("3T4D.Col") in the "Ridotti" folder.
std::string FileRidotto(int triple, int doppie);

// A record of a reduced system laid onto the prediction: its first t bytes fill the triples,
// the next d bytes choose the first (1) or the second sign of each double, singles stay.
TColonna MappaRidotto(const TColonna& record, const TPronostico& pronostico);

}  // namespace morella
