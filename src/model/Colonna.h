// The column record (14 bytes) and the base prediction laid out like it, with the small
// counts and texts built on them: doubles, triples, initial columns, the Corsa + multiplier,
// errors and distance between columns.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "Gioco.h"
#include "Segni.h"

namespace morella {

using TMascheraCorsaPiu = std::uint16_t;

// Bytes 0..12 hold the sign sets of the events; for Totip bytes 12 and 13 hold the Corsa +
// mask (low byte first).
struct TColonna {
    std::array<TSegni, DimensioneColonna> s{};

    TSegni& operator[](std::size_t i) { return s[i]; }
    TSegni operator[](std::size_t i) const { return s[i]; }
    bool operator==(const TColonna&) const = default;

    TMascheraCorsaPiu CorsaPiu() const;  // bytes 12-13, meaningful for Totip only
    void ImpostaCorsaPiu(TMascheraCorsaPiu maschera);
};
static_assert(sizeof(TColonna) == DimensioneColonna);

using TPronostico = TColonna;

// Counts over events 1..NumEvents.
int NumeroDoppie(const TPronostico& p);
int NumeroTriple(const TPronostico& p);
int NumeroSingole(const TPronostico& p);
int EventiCompilati(const TPronostico& p);  // events filled from the start without a gap
bool PronosticoVuoto(const TPronostico& p);
bool PronosticoCompleto(const TPronostico& p);
bool CorsaPiuCompleta(TMascheraCorsaPiu m);  // more than one horse

// 2^doubles x 3^triples, exact.
std::uint64_t ColonneIniziali(const TPronostico& p);

// k(k-1)/2 covered pairs of the k horses marked (Totip only; 1 otherwise).
int MoltiplicatoreCorsaPiu(TMascheraCorsaPiu m);
int MoltiplicatoreColonna(const TColonna& c);

// Events where the two records share no sign; points against a winning column are
// NumEvents minus these.
int ErroriColonna(const TColonna& a, const TColonna& b);
// Events where the signs differ.
int DistanzaColonne(const TColonna& a, const TColonna& b);

// First event p >= inizio (1-based) holding a double or a triple; 0 when none.
int PrimoEventoMultiplo(const TColonna& c, int inizio = 1);

// Sign texts concatenated, "*" for an empty event.
std::string TestoColonna(const TColonna& c);

// Text of exactly NumEvents characters (blanks ignored) to column. Result code: 0 complete,
// 1 at least one empty event ("*"), -1 invalid text.
int ColonnaDaTesto(std::string_view testo, TColonna& c);

// Cost of a number of columns at the given price of one column.
std::int64_t CostoColonne(std::int64_t numero, std::int64_t costoColonna);
// The amount, or its share per participant followed by " 1/" and the participants.
std::string TestoCosto(std::int64_t importo, int partecipanti);

}  // namespace morella
