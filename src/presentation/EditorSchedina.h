// The rules of the coupon editor that are not drawing: which circle or Corsa + box a click
// hits, which characters the number fields take, how a percentage row is shown after the
// player typed it, when the three lamps are on, and the fixed row labels of each game.
// The widgets only ask these functions and copy the answers.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "Colonna.h"
#include "Gioco.h"

namespace morella {

// Pixel geometry of the prediction grid: one row per event, three circles "1", "X", "2".
struct TGeometriaPronostico {
    int Diametro = 15;
    int DeltaX = 18;
    int DeltaY = 18;
    int LeftGap = 10;
    int TopGap = 10;
};

// Pixel geometry of the Corsa + boxes: two rows of eight numbered boxes.
struct TGeometriaCorsaPiu {
    int Larg = 15;
    int Alt = 13;
    int DeltaX = 20;
    int DeltaY = 15;
    int LeftGap = 5;
    int TopGap = 5;
};

struct TCella {
    int Riga;     // event (0-based) or row of boxes
    int Colonna;  // sign 0..2 ("1", "X", "2") or box 0..7
    bool operator==(const TCella&) const = default;
};

// The circle under a left click at (x, y) in a control of the given size, if any: the point
// must lie inside the control less its gaps, on one of the `eventi` rows, and within the
// circle itself (a cell's corner is not a circle).
std::optional<TCella> CellaPronostico(const TGeometriaPronostico& g, int larghezza, int altezza, int eventi,
                                      int x, int y);
// The Corsa + box under a click, if any (horse = Colonna + 8 × Riga + 1).
std::optional<TCella> CellaCorsaPiu(const TGeometriaCorsaPiu& g, int larghezza, int altezza, int x, int y);

// The prediction after a click on a circle: the sign's bit of that event flips.
void InvertiSegno(TPronostico& p, const TCella& cella);
// The Corsa + mask after a click on a box.
TMascheraCorsaPiu InvertiCavallo(TMascheraCorsaPiu m, const TCella& cella);

// The number fields of the coupon and their capacity in digits.
enum class TCampoNumerico { Concorso, Percentuale, Valore };
int CifreMassime(TCampoNumerico campo);
// What a number field may hold while the player types: digits only, up to its capacity.
// A sign or a decimal point can never make a valid entry, so they are refused outright.
bool TestoCampoAccettabile(TCampoNumerico campo, const std::string& testo);

// The contest number typed on the coupon; nothing when the text is empty or not a number.
std::optional<std::int32_t> NumeroConcorsoDaTesto(const std::string& testo);

// The three cells of a percentage row as they read after the player's edit: nothing above
// 0 empties the row; "1" is cut to 100, "X" to what is left of it, and "2" always shows the
// remainder (an empty cell stands for 0).
std::array<std::string, 3> TestiPercentuali(const std::array<std::string, 3>& celle);

// A table entry as a grid shows it: the number, or an empty cell for 0.
std::string TestoCella(std::int32_t valore);

// Lamp of the prediction: every event filled, and for Totip the Corsa + complete as well.
bool LampadaPronostico(const TPronostico& p, TMascheraCorsaPiu corsaPiu, int gioco);
// Lamp of a table: every event has at least one entry above zero.
using TCelleTabella = std::array<std::array<std::string, 3>, MaxEventi>;
bool TabellaCompleta(const TCelleTabella& celle, int eventi);

// Why a lamp is red, as its tooltip tells the player; empty when the lamp is green. The
// prediction names its first event without a sign and, for Totip, a Corsa + of fewer than two
// horses; a table names its first row with nothing above zero ("Percentuali: riga 4 incompleta").
std::string MotivoPronostico(const TPronostico& p, TMascheraCorsaPiu corsaPiu, int gioco);
std::string MotivoTabella(const std::string& tabella, const TCelleTabella& celle, int eventi);

// The fixed label of an event row for Enalotto and Totip (empty for Toto, whose rows hold
// the team names the player types).
std::string EtichettaEvento(int gioco, int evento);

// The coupon picture of a game, a file of the program directory.
std::string FileMaschera(int gioco);
inline constexpr const char* MessaggioMaschera = "Impossibile Caricare La Maschera";

}  // namespace morella
