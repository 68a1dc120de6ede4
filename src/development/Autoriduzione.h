// The autoreduction: shrinks a column list in place to columns that still guarantee N - 1 or
// N - 2 points whichever listed column wins (a greedy covering with a falling threshold), and
// optionally computes the winning possibilities of the reduced system.
#pragma once

#include <string>

#include "Colonna.h"
#include "ListaColonne.h"
#include "PossibilitaVincita.h"

namespace morella {

// Progress and cancel seam of the reduction; every call has an empty default.
class TOsservatoreRiduzione {
   public:
    virtual ~TOsservatoreRiduzione() = default;
    // Reduction progress: total columns, columns kept so far, final update, columns processed
    // (covered). Called at the start, at every newly covered column and at the end.
    virtual void AggiornaRid(int /*totale*/, int /*tenute*/, bool /*finale*/, int /*elaborate*/) {}
    // Status text ("Calcolo Possibilità Di Vincite...").
    virtual void Stato(const std::string& /*testo*/) {}
    // Gauge of the winning possibilities, 0..100; called only when the value changes.
    virtual void Percentuale(int /*percento*/) {}
    // Polled once per column in the first phase, every 50 candidates in a covering pass and
    // once per column in the winning possibilities.
    virtual bool Annullato() { return false; }
    // The optimised reduction's search: columns of the current attempt, fewest columns of a
    // valid reduction found so far, seconds left of the budget. A few times a second.
    virtual void AggiornaOttimizzazione(int /*colonneOra*/, int /*migliore*/, double /*secondiRimasti*/) {}
};

inline constexpr const char* TestoCalcoloPossibilita = "Calcolo Possibilità Di Vincite...";
// Condensed records (more than one sign in an event) cannot use the fast engine: the plain
// one walks the list for every candidate, and its time grows with the square of the records
// (100,000 of them take tens of seconds). The front ends tell the player before it starts,
// when RiduzioneLenta says the automatic choice will fall on it.
inline constexpr const char* TestoRiduzioneCondensata =
    "Colonne condensate: riduzione col procedimento lento (il tempo cresce col quadrato delle colonne)...";
bool RiduzioneLenta(const TListaColonne& lista);

struct TEsitoRiduzione {
    // Cancelled while reducing: the list has been emptied.
    bool annullata = false;
    // Cancelled while computing the winning possibilities: the list holds the reduced columns,
    // the store is emptied and possibilitaCalcolate is false.
    bool possibilitaAnnullate = false;
    // The system's flag "winning possibilities computed".
    bool possibilitaCalcolate = false;
    int totale = 0;             // columns at the start
    int tenute = 0;             // columns kept
    int coperte = 0;            // columns covered (equals totale unless cancelled)
    double fattore = 0.0;       // coperte / tenute; 0 when nothing was kept
    bool motoreRapido = false;  // which engine ran (for diagnostics and benchmarks)
};

// Which engine to use. The automatic choice takes the fast one whenever every event byte of
// every record holds a single sign; the plain one walks the list and serves condensed records.
// Both give the same columns in the same order.
enum class TMotoreRiduzione { Automatico, Semplice };

// garanzia 2 means N - 2, anything else N - 1. accurata false is the "Veloce" variant, which
// drops covered columns as covering candidates. The winning possibilities are computed into
// `possibilita` when calcoloPercentuali is set and a store is given; the prediction supplies
// which events are doubles and singles for the two averages.
TEsitoRiduzione Autoriduci(TListaColonne& lista, int garanzia, bool accurata, bool calcoloPercentuali,
                           T_ListaTipiDiVincite* possibilita, const TPronostico& pronostico,
                           TOsservatoreRiduzione* oss = nullptr,
                           TMotoreRiduzione motore = TMotoreRiduzione::Automatico);

}  // namespace morella
