// What the editors of the sequences, the values and percentages, the points-between groups
// and the links decide without drawing: which interval the player may add or change, which
// sequence settings OK takes and which it refuses with what message, how a working copy of
// the interval tables or of the links tells OK what changed.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "Colonna.h"
#include "Link.h"
#include "TabellaIntervalli.h"
#include "TabellaValori.h"

namespace morella {

// ---- Interval tables ----

inline constexpr const char* MessaggioTroppiIntervalli = "Non è possibile impostare più di 101 intervalli";
inline constexpr const char* MessaggioMinimoMassimo = "Il Minimo è Maggiore del Massimo";
inline constexpr const char* MessaggioLivelloIntervallo = "Il Livello deve essere compreso tra 1 e 99";
inline constexpr const char* MessaggioNessunIntervallo = "Non è stato impostato alcun intervallo";
constexpr int LivelloMassimoIntervallo = 99;

// Why an interval cannot go into a table: empty when it can. The minimum may equal the
// maximum (a single value); the level counts only for an interval in recupero, but is kept
// within the links' counters for every interval.
std::string ControllaIntervallo(const TIntervallo& intervallo);
// The interval table editor's three commands; each returns the refusal, empty when done.
std::string AggiungiIntervallo(TTabellaIntervalli& t, const TIntervallo& intervallo);
std::string CambiaIntervallo(TTabellaIntervalli& t, int indice, const TIntervallo& intervallo);
bool EliminaIntervallo(TTabellaIntervalli& t, int indice);
// Same intervals in the same order and the same link (the derived InUso does not count).
bool StessiIntervalli(const TTabellaIntervalli& a, const TTabellaIntervalli& b);
// A bound as the editor writes it: up to ten significant digits, no trailing zeros.
std::string TestoLimite(double valore);
// "Ammesso" or "In Recupero".
std::string TestoStatoIntervallo(int stato);

// ---- Sequences ----

inline constexpr const char* MessaggioSequelaNonContigua = "La Sequela Non è Contigua.";
inline constexpr const char* MessaggioSequelaCorta = "La Lunghezza della Sequela è Inferiore a Due.";
inline constexpr const char* MessaggioSequelaLunga =
    "La Lunghezza della Sequela Supera gli Avvenimenti del Campo.";
inline constexpr const char* MessaggioPassoSequela = "Il Passo della Sequela deve essere Almeno Uno.";
// The title of the sequence editor's refusals, spelt as the program always showed it.
inline constexpr const char* TitoloInfomazione = "Infomazione";

// What the sequence editor's controls hold when OK or a move asks for the element.
struct TSceltaSequela {
    int Tipo = 1;
    TColonna Schema{};           // type 1: the pattern column
    bool SchemaContiguo = true;  // the column control's validity (filled from the first event)
    int Lunghezza = 2;           // the length field (types 2..6)
    int PassoTrovata = 1;
    int PassoNonTrovata = 1;
    int EventiCampo = 12;  // events in the range of "Presenze"
};
struct TEsitoSequela {
    std::string Messaggio;     // empty: accepted
    bool SulloSchema = false;  // the refusal is about the pattern: the focus goes back there
    int Lunghezza = 0;         // the length the element takes
};
// Type 1 takes its length from the pattern (the events it fills); the other types from the
// field. A step below 1 would never advance and a window shorter than two events is no
// sequence, so both are refused, as is a window longer than the range.
TEsitoSequela ControllaSequela(const TSceltaSequela& s);
// The caption of each type, 1..6, as the editor's radio buttons read.
const char* TestoTipoSequela(int tipo);

// ---- Points-between ----

// The range a group's sum can reach from the tables assigned to it, as the editor shows it.
std::string TestoPortataGruppo(int minimo, int massimo);

// ---- Links ----

// The highest error count the link editor shows at first for a table: the highest one with a
// state, and never less than the game's events (the errors a column can make).
int MassimoInizialeLink(const TTabellaValori& t, int eventi);

// The link editor works on a copy of every link table, so that "Annulla" leaves the links as
// they were; leaving a letter keeps what was edited on it, OK gives back the tables that
// differ.
class TCopiaLink {
   public:
    explicit TCopiaLink(const TElencoLink& link);
    TTabellaValori& Errori(std::uint8_t lettera)
    {
        return errori_.at(static_cast<std::size_t>(lettera - 'A'));
    }
    TTabellaValori& Totale() { return totale_; }
    // Copies the tables whose choices differ into the links, their derived flags cleared;
    // true when something was copied.
    bool Conferma(TElencoLink& link) const;

   private:
    std::vector<TTabellaValori> errori_;
    TTabellaValori totale_;
};

}  // namespace morella
