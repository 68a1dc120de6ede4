// The archive view ("Visualizzazione Archivio") without its window: for each contest the
// season, the number, the winning column and, for each ticked group of conditions, the
// values the conditions measure on that column, as the cells of the grid show them.
#pragma once

#include <array>
#include <bitset>
#include <string>
#include <vector>

#include "Archivio.h"
#include "FormuleDerivate.h"
#include "Interruzioni.h"
#include "Modulo.h"
#include "NumeroSegni.h"
#include "PariDispari.h"
#include "Ripetizioni.h"
#include "Sequele.h"
#include "Simmetrie.h"
#include "Vortice.h"

namespace morella {

// The groups of the view, in the order they are shown.
enum class TGruppoVista {
    NumeroSegni,
    Interruzioni,
    PariDispari,
    Simmetrie,
    Modulo,
    Vortici,
    Ripetizioni,
    FormuleDerivate,
    Accoppiate,
    Terzine,
    Quartine,
};
inline constexpr int NumeroGruppiVista = 11;

// The ticked boxes ("Condizioni Da Visualizzare"), bit i for the group of display order i.
using TGruppiSpuntati = std::bitset<NumeroGruppiVista>;
inline void Spunta(TGruppiSpuntati& gruppi, TGruppoVista g, bool si = true)
{
    gruppi.set(static_cast<std::size_t>(g), si);
}
inline bool Spuntato(const TGruppiSpuntati& gruppi, TGruppoVista g)
{
    return gruppi.test(static_cast<std::size_t>(g));
}

// What the view writes for a group: the box caption, the title and the column captions of
// the header grid, and the sub-heading of each of its cells (one per grid column).
struct TDescrizioneGruppo {
    TGruppoVista Gruppo;
    std::string Casella;
    std::string Titolo;
    std::string Didascalie;
    std::vector<std::string> Sottotitoli;
};

// The eleven groups in display order.
const std::array<TDescrizioneGruppo, NumeroGruppiVista>& DescrizioniGruppi();
const TDescrizioneGruppo& DescrizioneGruppo(TGruppoVista g);

// Sub-headings of the three contest columns, always shown.
inline constexpr std::array<const char*, 3> SottotitoliConcorso = {"Anno", "Num.", "  Colonna"};

// The groups shown for a set of ticked boxes, in display order.
std::vector<TGruppoVista> GruppiMostrati(const TGruppiSpuntati& gruppi);
// The first row of the grid: the three contest columns, then each shown group's cells.
std::vector<std::string> SottotitoliVista(const TGruppiSpuntati& gruppi);

// One row of the grid. An incomplete contest has every condition cell empty; so have the
// "Ripetizioni" cells of the first two contests, which have nothing before them.
struct TRigaVista {
    std::string Anno;
    std::string Numero;
    std::string Colonna;  // one character per event, "*" where the sign is not known
    bool Completo = false;
    // One entry per shown group, in display order, with as many cells as the group has.
    std::vector<std::vector<std::string>> Valori;

    // The whole row as the grid writes it, left to right.
    std::vector<std::string> Celle() const;
};

// The winning column as the view writes it: "1", "X", "2" per event, "*" for anything else.
std::string TestoColonnaVista(const TColonna& colonna);

class TVistaArchivio {
   public:
    // The conditions are made here, once, with their default settings (every event); the
    // archive must outlive the view. The game must be set before: the conditions size their
    // tables on it.
    explicit TVistaArchivio(const T_Archivio& archivio);

    int NumeroRighe() const { return archivio_.NumeroConcorsi(); }
    // The row of contest `indice` (0-based, archive order; std::out_of_range outside it) for
    // the ticked groups; each call measures afresh, nothing is kept between two calls.
    TRigaVista Riga(int indice, const TGruppiSpuntati& gruppi);
    // The cells of one group for contest `indice`, empty texts where the view leaves them
    // empty.
    std::vector<std::string> Celle(int indice, TGruppoVista gruppo);

   private:
    std::vector<std::string> Misura(int indice, const TColonnaEsaminata& c, TGruppoVista gruppo);
    std::vector<std::string> Sequele(const TColonnaEsaminata& c, int lunghezza);
    TMisura MisuraSequela(const TColonnaEsaminata& c, std::int32_t tipo, int lunghezza, int secondaLunghezza);

    const T_Archivio& archivio_;
    TNumeroSegni numeroSegni_;
    TInterruzioni interruzioni_;
    TPariDispari pariDispari_;
    TSimmetrie simmetrie_;
    TVortice vortice_;
    TRipetizioni ripetizioni_;
    TFormuleDerivate formuleDerivate_;
    TSequele sequela_;
    TModulo modulo_;
};

// The vertical scroll bar: range 0..(contests - visible rows + 1), never below 0, and the
// view opens at its end so that the latest contests are in sight.
struct TScorrimentoVista {
    int Minimo = 0;
    int Massimo = 0;
    int Posizione = 0;
    bool operator==(const TScorrimentoVista&) const = default;
};
TScorrimentoVista ScorrimentoVista(int concorsi, int righeVisibili);

}  // namespace morella
