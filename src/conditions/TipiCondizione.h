// The kind byte of a condition: the fifteen top-level kinds (one per container slot) and
// the element kinds that live only inside a group. Also the default name of each kind.
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace morella {

using TipoCondizione = std::uint8_t;

constexpr TipoCondizione TipoNumeroSegni = 1;
constexpr TipoCondizione TipoPariDispari = 2;
constexpr TipoCondizione TipoVortice = 3;
constexpr TipoCondizione TipoSimmetrie = 4;
constexpr TipoCondizione TipoInterruzioni = 5;
constexpr TipoCondizione TipoFormuleDerivate = 6;
constexpr TipoCondizione TipoRipetizioni = 7;
constexpr TipoCondizione TipoGruppoConsecutivita = 8;
constexpr TipoCondizione TipoGruppoSequele = 9;
constexpr TipoCondizione TipoGruppoValori = 10;
constexpr TipoCondizione TipoGruppoPercentuali = 11;
constexpr TipoCondizione TipoGruppoColonneFiltro = 12;
constexpr TipoCondizione TipoQuadro = 13;
constexpr TipoCondizione TipoModulo = 14;
constexpr TipoCondizione TipoPuntiTra = 15;
constexpr TipoCondizione TipoSequele = 34;
constexpr TipoCondizione TipoValori = 36;
constexpr TipoCondizione TipoPercentuali = 37;
constexpr TipoCondizione TipoConsecutivita = 38;
constexpr TipoCondizione TipoColonnaFiltro = 39;

// Slots of the container: kind k lives in slot k.
constexpr int NumeroSlot = 15;

// Byte that closes the list of elements of a group in the file.
constexpr std::uint8_t FineLista = 100;

// True for the kinds of the table above, built or not.
bool TipoValido(int tipo);
// The groups whose elements report their own failures (8 to 12).
constexpr bool TipoGruppoSemplice(int tipo)
{
    return tipo >= 8 && tipo <= 12;
}
// The element kind a simple group holds (38 for 8, 34 for 9, ...); 0 for other kinds.
TipoCondizione TipoElementoDelGruppo(int tipo);

// Everything the program says about a kind, in one place: the "&Condizioni" menu is built
// from the top-level rows in this order, each editor takes its caption from here, and a new
// condition its name.
struct TDescrizioneTipo {
    TipoCondizione Tipo;        // for a top-level kind also its slot in the container
    const char* NomeVoce;       // object name of its menu item ("" for the element kinds)
    const char* Voce;           // menu caption with its access key (UTF-8)
    char TastoCtrl;             // shortcut Ctrl + this letter, 0 for none
    const char* TitoloEditore;  // caption of its editor
    const char* NomeDefault;    // Nome of a new condition of the kind
    int Aiuto;                  // help topic of the menu item and of the editor (0: none)
};

// The top-level kinds in menu order ("Punti &Tra" last; the menu puts "&Link" before it),
// then the element kinds of the groups.
std::span<const TDescrizioneTipo> DescrizioniTipi();
// The row of a kind; nothing for a kind the program does not know.
const TDescrizioneTipo* DescrizioneTipo(int tipo);

// Default Nome of a kind; empty for an unknown kind.
std::string NomeDefault(int tipo);

}  // namespace morella
