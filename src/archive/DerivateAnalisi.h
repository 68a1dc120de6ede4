// What the analysis windows derive from an analysis: the share of past contests a series'
// settings would have let through, the share of columns they remove and the "Fattore di
// Convenienza", and the rows of the archive history table with their texts.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "Analisi.h"

namespace morella {

inline constexpr const char* TestoFattoreConvenienza = "Fattore di Convenienza : ";

// Captions of the archive history table.
inline constexpr const char* ColonnaPoints = " Points";
inline constexpr const char* ColonnaCons = " Cons.";
inline constexpr const char* ColonnaAttuale = "Act.";
inline constexpr const char* ColonnaMassimo = " Max";
inline constexpr const char* ColonnaIC = "  IC";

// A number with two decimals, as every table of the program writes a share.
std::string TestoDueDecimali(double valore);

struct T_DerivateSerie {
    // Sum of the archive frequencies of the accepted values ÷ sum of all of them × 100;
    // 0 without any.
    double FrequenzaStorica = 0;
    // Sum of the "Integr." counts of the values not accepted ÷ total columns × 100; 0
    // without any column.
    double Eliminate = 0;
    // "Fattore di Convenienza : " and eliminated ÷ (100 − historical frequency) with two
    // decimals; empty when every counted contest had an accepted value (the condition
    // never lost one, and the ratio has no meaning).
    std::string Fattore;
};

// The figures of series `serie` for its first measure (misura 0) or its second (1).
T_DerivateSerie DerivateSerie(const T_Analisi& analisi, int serie, int misura = 0);

// One value of the archive history table. Frequencies are counts or, with percentages,
// shares of the contests counted with two decimals; "IC" is current delay × frequency ÷
// contests counted with two decimals. The " Cons." texts are empty for a series without a
// second measure.
struct T_RigaStorico {
    std::string Etichetta;
    std::string Points, Cons;
    std::string AttualePoints, MassimoPoints, ICPoints;
    std::string AttualeCons, MassimoCons, ICCons;
};
std::vector<T_RigaStorico> RigheStorico(const T_SerieAnalisi& serie, bool percentuali);

// "  IC" of a value: current delay × frequency ÷ contests counted (0 without contests).
double IndiceConvenienza(std::int64_t ritardo, std::int64_t frequenza, std::int64_t contati);

}  // namespace morella
