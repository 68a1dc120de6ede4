// Merging (accorpamento): two columns that differ in exactly one event become one column
// holding both signs there, pass after pass until a pass merges nothing. Used to condense
// the lists of the output windows; the result is the compression factor.
#pragma once

#include <optional>

#include "ListaColonne.h"

namespace morella {

// The merging window: progress and the "Annulla" button.
class TOsservatoreAccorpamento {
   public:
    virtual ~TOsservatoreAccorpamento() = default;
    // Pass number (from 1) and percentage of the pass; called only when the gauge should move.
    virtual void Progresso(int /*passo*/, int /*percentuale*/) {}
    // Asked once after each column has gathered every later column that merges into it.
    virtual bool Annullato() { return false; }
};

// Keeps the window from redrawing for nothing: the observer hears of a new pass at once,
// and of a percentage only when it is 0 or 100 or more than 4 points above the one shown.
class TAvanzamentoAccorpamento {
   public:
    explicit TAvanzamentoAccorpamento(TOsservatoreAccorpamento* oss) : oss_(oss) {}
    void Segnala(int passo, int percentuale);

   private:
    TOsservatoreAccorpamento* oss_;
    int passo_ = 0;
    int mostrata_ = -1;
};

// Merges the list whatever the configuration says. Returns initial count / final count (1 for
// an empty list), or -1 when cancelled; a cancelled list keeps the merges done so far.
// Columns merge when their sign bytes differ in exactly one event; for Totip their Corsa +
// masks must also be equal, so merging never throws a column's horses away.
double Accorpa(TListaColonne& lista, TOsservatoreAccorpamento* oss = nullptr);

// Merges only when the configuration flag "Accorpamento automatico" is on; nothing otherwise.
std::optional<double> Accorpamento(TListaColonne& lista, bool accorpamentoAutomatico,
                                   TOsservatoreAccorpamento* oss = nullptr);

// How a pass finds the partners of a column: a dense table over the values present when it
// is small enough, a hash table otherwise. Both give the same result; the tests force each.
enum class TIndiceAccorpamento { Automatico, Hash };
double AccorpaConIndice(TListaColonne& lista, TOsservatoreAccorpamento* oss, TIndiceAccorpamento modo);

}  // namespace morella
