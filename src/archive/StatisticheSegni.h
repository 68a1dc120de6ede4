// How each sign came out, event by event: over the past contests of the search range
// (frequency, delays, runs, frequency in the last season) and over the system's current
// columns (how many hold exactly that sign at each event).
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "Gioco.h"

namespace morella {

class T_Archivio;
class TListaColonne;
struct T_ImpostazioniRicerca;

// The six counters of one sign at one event.
struct T_ContatoriSegno {
    std::int32_t Frequenza = 0;
    std::int32_t FrequenzaAnnuale = 0;  // "Freq. Ann.": in the last season of the range
    std::int32_t RitardoAttuale = 0;
    std::int32_t RitardoMassimo = 0;
    std::int32_t ConsecutiviAttuali = 0;  // "Cs. Att."
    std::int32_t ConsecutiviMassimi = 0;  // "Cs. Max."
    bool operator==(const T_ContatoriSegno&) const = default;
};

struct T_StatisticheSegni {
    std::int32_t Concorsi = 0;        // contests of the range counted
    std::int32_t UltimaStagione = 0;  // season of the latest of them; 0 without any
    // [event][sign 0, 1, 2 for "1", "X", "2"]
    std::array<std::array<T_ContatoriSegno, 3>, MaxEventi> Eventi{};

    // "   IC": frequency ÷ contests counted × current delay (0 without contests).
    double IC(int evento, int segno) const;
};

// Every contest of the archive that passes the range, in archive order. An event that holds
// no single sign (only an incomplete contest can) brings out no sign: all three delays grow
// and every run is broken.
T_StatisticheSegni StatisticheSegni(const T_Archivio& archivio, const T_ImpostazioniRicerca& ricerca);

// Per event, the columns of the list whose sign there is exactly "1", "X" or "2"; a record
// holding more than one sign at an event is not counted there.
struct T_FrequenzeSegniColonne {
    std::int64_t Colonne = 0;  // records in the list
    std::array<std::array<std::int64_t, 3>, MaxEventi> Conteggi{};

    // The count as a share of the list with two decimals ("0.00" for an empty list).
    std::string Percentuale(int evento, int segno) const;
};
T_FrequenzeSegniColonne FrequenzeSegniColonne(const TListaColonne& colonne);

}  // namespace morella
