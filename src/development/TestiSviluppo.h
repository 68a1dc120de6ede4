// What the development window "Sviluppo" shows, as texts and numbers: the counts with their
// costs, the reduction factor, the group title, the pie shares, when "Informazioni..." may
// open, and the gauge's drawing rule. The window copies these into its labels and charts.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "DatiSistema.h"
#include "Sviluppo.h"

namespace morella {

// Each count is shown as the columns the player pays: with a Corsa + of more than two horses
// every column is paid once per covered pair, so a count reads "1296 × 3 = 3888 (£ 3110400)",
// the cost of the paid columns in brackets, as the status line has it. With a multiplier of 1
// the count stands alone: "1296 (£ 1036800)". In euro the cost is in cents: "1296 (€ 648,00)".

// The conditions group: "ColonneIniziali", "ColonneFinali", "ColonneFiltrate" and the gauge.
struct TTestiCondizionamento {
    std::string ColonneIniziali, ColonneFinali, ColonneFiltrate;
    int percentuale = 0;  // trunc(developed / initial x 100), 0 without initial columns
};
TTestiCondizionamento TestiCondizionamento(std::int64_t iniziali, std::int64_t tenute,
                                           std::int64_t sviluppate, std::int64_t costoColonna,
                                           int partecipanti, int moltiplicatore = 1,
                                           TValuta valuta = TValuta::Lire);

// The reduction group: "RColonneFinali", "RColonneFiltrate", "LabelFattore", "LabelCR" and
// the gauge.
struct TTestiRiduzione {
    std::string RColonneFinali, RColonneFiltrate, LabelFattore, LabelCR;
    int percentuale = 0;  // trunc(processed / total x 100), 0 without columns
};
TTestiRiduzione TestiRiduzione(std::int64_t totale, std::int64_t tenute, std::int64_t elaborate,
                               std::int64_t costoColonna, int partecipanti, int moltiplicatore = 1,
                               TValuta valuta = TValuta::Lire);

// The reduction factor with two decimals; empty while nothing is kept.
std::string TestoFattore(std::int64_t elaborate, std::int64_t tenute);

// "Autoriduzione N-1" or "Autoriduzione N-2".
std::string TitoloRiduzione(const TImpostazioniSviluppo& impostazioni);

// "Informazioni..." opens the winning possibilities: only after a reduction that computed
// them (not with a precomputed reduced system, not when their computation was cancelled).
bool InformazioniAbilitate(const TImpostazioniSviluppo& impostazioni, const TEsitoSviluppo& esito);

// One slice of a pie chart: its label and its share in percent.
struct TFetta {
    std::string etichetta;
    double valore = 0.0;
};
// "TortaC": the columns kept by the conditions against the rest of the initial columns.
std::vector<TFetta> TortaCondizionamento(std::int64_t iniziali, std::int64_t tenute);
// "TortaR": the columns the reduction kept against those it dropped.
std::vector<TFetta> TortaRiduzione(std::int64_t elaborate, std::int64_t tenute);

// A gauge that is redrawn only on the final update or when the percentage has moved by more
// than `passo` points since it was last drawn; that keeps a 531,441-column run from spending
// its time repainting.
class TIndicatore {
   public:
    explicit TIndicatore(int passo = 2) : passo_(passo) {}
    // True when the caller must redraw; the shown value is then the new one.
    bool Aggiorna(int percentuale, bool finale);
    void Azzera() { mostrata_ = 0; }
    int Mostrata() const { return mostrata_; }

   private:
    int passo_;
    int mostrata_ = 0;
};

// The optimised reduction's progress, reported a few times a second: the status line names
// the fewest columns found so far, the number being tried when it differs, and the time left;
// the gauge follows the time spent, the largest time left reported standing for the budget.
class TAvanzamentoOttimizzazione {
   public:
    struct TTesti {
        std::string stato;
        int percentuale = 0;
    };
    TTesti Aggiorna(int colonneOra, int migliore, double secondiRimasti);

   private:
    double secondiTotali_ = 0.0;
};

// "8 s" or, from a minute up, "2 min 05 s"; whole seconds rounded up, so the last second
// still shows as "1 s".
std::string TestoTempoRimasto(double secondi);

// Percentage of a part in a whole, truncated; 0 for an empty whole.
int Percentuale(std::int64_t parte, std::int64_t totale);

}  // namespace morella
