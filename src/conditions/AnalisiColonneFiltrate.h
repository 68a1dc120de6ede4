// "Analisi Delle Colonne Filtrate": for one link letter, why the evaluations since the last
// preparation refused columns — by the levels of the link, by the link's own error count,
// and by the total of all links — as three grids of counts or percentages.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "Link.h"
#include "RigheStampa.h"

namespace morella {

struct TGrigliaRifiuti {
    std::vector<std::string> Titolo;     // the caption, line by line
    std::string Intestazione;            // over the row labels: "Liv.", "Err." or nothing
    int PrimaRiga = 0;                   // label of the first row (1 for the levels)
    std::vector<std::int64_t> Conteggi;  // one per row
    std::int64_t Divisore = 0;           // what a percentage is taken of

    int Righe() const { return static_cast<int>(Conteggi.size()); }
    // Row r (0-based) in the column "Colonne": the count, or with percentuali the count as a
    // percentage of Divisore (the count itself when Divisore is 0).
    std::string Cella(int r, bool percentuali) const;
};

struct T_AnalisiColonneFiltrate {
    static constexpr const char* Titolo = "Analisi Delle Colonne Filtrate";
    static constexpr const char* Colonna = "Colonne";

    std::uint8_t Lettera = 'A';
    // "Dai Livelli della Link" (rows 1..255, over the link's uses at any level), "Dagli
    // Errori Totali" "della Link" and "Dagli Errori Totali  " "su Tutte le Link" (rows
    // 0..255, each over the refusals its table registered).
    std::vector<TGrigliaRifiuti> Griglie;

    // The grids one after the other, rows with a count only, for the "Stampa" button.
    void Stampa(TRigheStampa& stampa, bool percentuali) const;
};

// The grids of a letter from the links' refusal counters; empty grids for an invalid letter.
T_AnalisiColonneFiltrate AnalizzaColonneFiltrate(const TElencoLink& link, std::uint8_t lettera);

// A percentage with eight decimals, trailing zeros and a trailing point removed.
std::string TestoPercentualeRifiuti(double percentuale);

}  // namespace morella
