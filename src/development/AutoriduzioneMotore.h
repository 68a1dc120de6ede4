// Inside the autoreduction: the run (phases, passes, winning possibilities) asks a "geometry"
// which columns lie within reach of which. The plain geometry walks the list; the fast one
// works on base-3 codes of single-sign columns. Not part of the public interface.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "Autoriduzione.h"
#include "Colonna.h"
#include "ListaColonne.h"

namespace morella::riduzione {

// Working marks of a column, kept beside the list rather than in its bytes.
constexpr std::uint8_t Libera = 0;
constexpr std::uint8_t SoloCoperta = 64;
constexpr std::uint8_t Selezionata = 128;
constexpr std::uint8_t SelezionataECoperta = 192;
// Dropped by the "Veloce" variant: neither free, nor a candidate, nor examined any more.
constexpr std::uint8_t Rimossa = 1;

// One tally of the winning possibilities for one column: index 0 when the column itself wins,
// index i when it wins but for a wrong sign at event i (only where the column is not a triple).
struct TContiVincita {
    int c[MaxEventi + 1][3];
    bool valida[MaxEventi + 1];
};

class TGeometria {
   public:
    virtual ~TGeometria() = default;

    // Looks for the free columns in reach of p (1 <= distance <= f) and returns how many it
    // found, stopping at `limite`. When the result equals `limite` (> 0), `ricordate` holds the
    // `limite` free columns in reach that come first in the list (in any order).
    virtual int Scansiona(int p, int limite, std::vector<int>& ricordate) = 0;
    // Every free column in reach of p.
    virtual void RaccogliLibere(int p, std::vector<int>& ricordate) = 0;
    // p lies farther than 2f from every selected column (first phase only).
    virtual bool Distante(int p) = 0;

    virtual void HaSelezionato(int p, bool primaFase) = 0;
    virtual void HaCoperto(int p) = 0;  // p is no longer free

    virtual void ContaVincite(int p, TContiVincita& conti) = 0;
};

// True when every event byte of every record is a single sign: the fast geometry applies.
bool AdattaAlMotoreRapido(const TListaColonne& lista);

std::unique_ptr<TGeometria> CreaGeometriaRapida(const TListaColonne& lista, int garanzia,
                                                const std::vector<std::uint8_t>& marchi);
std::unique_ptr<TGeometria> CreaGeometriaSemplice(const TListaColonne& lista, int garanzia,
                                                  const std::vector<std::uint8_t>& marchi);

// The winning possibilities of the selected columns (marks 128) over every column of the list
// not removed, through the geometry's counts; false when cancelled (the store is left empty).
// The geometry must have been told of every selection.
bool CalcolaPossibilita(TGeometria& geo, const std::vector<std::uint8_t>& marchi,
                        T_ListaTipiDiVincite& possibilita, const TPronostico& pronostico,
                        TOsservatoreRiduzione& oss);

}  // namespace morella::riduzione
