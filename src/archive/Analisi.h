// The statistical analysis of one condition: how its measured values behaved over the past
// contests of the search range (frequency and delays) and over the columns of the system
// ("Integr.", "Cond.S.", "Condiz."), with the names, labels and titles its windows show.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "FrequenzeRitardi.h"
#include "TipiCondizione.h"

namespace morella {

class TCondizione;
class TSistema;
struct TDatiSistema;
struct T_ImpostazioniRicerca;

inline constexpr const char* TitoloAnalisiColonnare = "Analisi Colonnare in corso...";
inline constexpr const char* MessaggioSviluppoAnalisi = "Impossibile Completare lo Sviluppo.";

// Which values of one measure a series accepts, as the condition's settings say.
struct T_ValoriAmmessi {
    bool InUso = false;         // false: the settings restrict nothing, every value passes
    std::vector<bool> Ammessi;  // per value 0, 1, ...; beyond the end: not accepted
    bool Ammette(int valore) const
    {
        return !InUso || (valore >= 0 && static_cast<std::size_t>(valore) < Ammessi.size() &&
                          Ammessi[static_cast<std::size_t>(valore)]);
    }
};

struct T_SerieAnalisi {
    std::string Nome;
    std::vector<std::string> Etichette;  // one per value 0..M of the tables
    T_FrequenzeRitardi Archivio;         // the past contests, with delays
    // The column part (empty tables when only the archive was asked for): every column of
    // the development, the ones this condition alone keeps, the system's current columns.
    T_FrequenzeRitardi Integr;
    T_FrequenzeRitardi CondS;
    T_FrequenzeRitardi Condiz;
    // [0] the first measure ("Pres.", "Punti"), [1] the second ("Cons.").
    std::array<T_ValoriAmmessi, 2> Ammessi;
    bool ConSecondaMisura = false;
};

struct T_Analisi {
    TipoCondizione Tipo = 0;
    std::vector<T_SerieAnalisi> Serie;  // 1 to 4
    // Statistical, frequency, delay and column analysis titles.
    std::array<std::string, 4> Titoli;
    bool SoloArchivio = false;
    bool Completata = false;
    std::int64_t ColonneEsaminate = 0;  // registered by the column part
    std::int64_t ColonneTotali = 0;     // what the development had to examine
    bool Attivato = true;               // the condition's own switch
    bool DaDataBase = false;            // the archive tables came from the archive database

    int NumeroSerie() const { return static_cast<int>(Serie.size()); }
};

// For the kinds whose analysis looks at one part of the condition: the vortex walk
// (direct or inverse) and the points-between group (1..30).
struct T_SceltaAnalisi {
    bool VorticeInverso = false;
    int GruppoTra = 1;
};

// Progress and cancel of the column development. Every call has an empty default.
class TOsservatoreAnalisi {
   public:
    virtual ~TOsservatoreAnalisi() = default;
    // The progress window opens with this title ("Analisi Colonnare in corso...").
    virtual void Inizio(const std::string& /*titolo*/) {}
    // Registered columns / total × 100; called only when it grew by more than 2 points.
    virtual void Progresso(int /*percento*/) {}
    // Polled once per combination of the first nine events (once per record of a source
    // column file); true stops the development, which is then not completed.
    virtual bool Annullato() { return false; }
    // The window closes, also when the development stops on an error.
    virtual void Fine() {}
};

// Kinds 8 to 12 have no analysis of their own (their elements do).
bool Analizzabile(TipoCondizione tipo);

// The analysis of `condizione` within `sistema` (its archive, search settings, prediction,
// Corsa +, source settings and current columns). The condition is copied and never changed;
// nor is anything of the system. With soloArchivio only the archive part is made. A source
// column file that cannot be read throws EErrore("Impossibile Completare lo Sviluppo.").
// A kind without analysis throws std::invalid_argument.
T_Analisi Analizza(const TCondizione& condizione, bool soloArchivio, const TSistema& sistema,
                   const T_SceltaAnalisi& scelta = {}, TOsservatoreAnalisi* osservatore = nullptr);
// The same on the system's data and search settings given apart (a condition editor knows
// the data its condition belongs to, not the system object).
T_Analisi Analizza(const TCondizione& condizione, bool soloArchivio, const TDatiSistema& dati,
                   const T_ImpostazioniRicerca& ricerca, const T_SceltaAnalisi& scelta = {},
                   TOsservatoreAnalisi* osservatore = nullptr);

}  // namespace morella
