#include "TestiSviluppo.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace morella {

namespace {

// "n" or "n × m = paid": the columns and, past a multiplier of 1, the columns paid.
std::string Pagate(std::int64_t numero, int moltiplicatore)
{
    if (moltiplicatore <= 1) return std::to_string(numero);
    return std::to_string(numero) + " × " + std::to_string(moltiplicatore) + " = " +
           std::to_string(numero * moltiplicatore);
}

std::string ConCosto(std::int64_t numero, std::int64_t costoColonna, int moltiplicatore, TValuta valuta,
                     int partecipanti = 1)
{
    const std::int64_t pagate = numero * std::max(1, moltiplicatore);
    return Pagate(numero, moltiplicatore) + " (" +
           TestoImporto(CostoColonne(pagate, costoColonna), valuta, partecipanti) + ")";
}

std::string DueDecimali(double v)
{
    char testo[64];
    std::snprintf(testo, sizeof testo, "%.2f", v);
    return testo;
}

}  // namespace

int Percentuale(std::int64_t parte, std::int64_t totale)
{
    if (totale <= 0) return 0;
    return static_cast<int>(parte * 100 / totale);
}

TTestiCondizionamento TestiCondizionamento(std::int64_t iniziali, std::int64_t tenute,
                                           std::int64_t sviluppate, std::int64_t costoColonna,
                                           int partecipanti, int moltiplicatore, TValuta valuta)
{
    TTestiCondizionamento t;
    t.ColonneIniziali = ConCosto(iniziali, costoColonna, moltiplicatore, valuta);
    t.ColonneFinali = ConCosto(tenute, costoColonna, moltiplicatore, valuta, partecipanti);
    t.ColonneFiltrate = ConCosto(sviluppate - tenute, costoColonna, moltiplicatore, valuta);
    t.percentuale = Percentuale(sviluppate, iniziali);
    return t;
}

std::string TestoFattore(std::int64_t elaborate, std::int64_t tenute)
{
    if (tenute <= 0) return {};
    return DueDecimali(static_cast<double>(elaborate) / static_cast<double>(tenute));
}

TTestiRiduzione TestiRiduzione(std::int64_t totale, std::int64_t tenute, std::int64_t elaborate,
                               std::int64_t costoColonna, int partecipanti, int moltiplicatore,
                               TValuta valuta)
{
    TTestiRiduzione t;
    // The kept columns are the ones played, so their cost is shared among the participants.
    t.RColonneFinali = ConCosto(tenute, costoColonna, moltiplicatore, valuta, partecipanti);
    t.RColonneFiltrate = ConCosto(elaborate - tenute, costoColonna, moltiplicatore, valuta);
    t.LabelFattore = TestoFattore(elaborate, tenute);
    t.LabelCR = std::to_string(elaborate);
    t.percentuale = Percentuale(elaborate, totale);
    return t;
}

std::string TitoloRiduzione(const TImpostazioniSviluppo& impostazioni)
{
    return impostazioni.GaranziaN1 ? "Autoriduzione N-1" : "Autoriduzione N-2";
}

bool InformazioniAbilitate(const TImpostazioniSviluppo& impostazioni, const TEsitoSviluppo& esito)
{
    return impostazioni.Autoriduzione && impostazioni.CalcoloPercentuali && esito.ridotto &&
           !esito.ridottoPrecalcolato && esito.riduzione.possibilitaCalcolate;
}

std::vector<TFetta> TortaCondizionamento(std::int64_t iniziali, std::int64_t tenute)
{
    const double quota =
        iniziali > 0 ? static_cast<double>(tenute) * 100.0 / static_cast<double>(iniziali) : 0.0;
    return {{"Tenute", quota}, {"Filtrate", 100.0 - quota}};
}

std::vector<TFetta> TortaRiduzione(std::int64_t elaborate, std::int64_t tenute)
{
    const double quota =
        elaborate > 0 ? static_cast<double>(tenute) * 100.0 / static_cast<double>(elaborate) : 0.0;
    return {{"Ridotte", quota}, {"Eliminate", 100.0 - quota}};
}

std::string TestoTempoRimasto(double secondi)
{
    const std::int64_t s = secondi > 0.0 ? static_cast<std::int64_t>(std::ceil(secondi)) : 0;
    if (s < 60) return std::to_string(s) + " s";
    char testo[48];
    std::snprintf(testo, sizeof testo, "%lld min %02d s", static_cast<long long>(s / 60),
                  static_cast<int>(s % 60));
    return testo;
}

TAvanzamentoOttimizzazione::TTesti TAvanzamentoOttimizzazione::Aggiorna(int colonneOra, int migliore,
                                                                        double secondiRimasti)
{
    secondiRimasti = std::max(0.0, secondiRimasti);
    secondiTotali_ = std::max(secondiTotali_, secondiRimasti);
    TTesti t;
    t.stato = "Ottimizzazione: " + std::to_string(migliore) + " colonne";
    if (colonneOra > 0 && colonneOra != migliore) t.stato += " (in prova " + std::to_string(colonneOra) + ")";
    t.stato += ", " + TestoTempoRimasto(secondiRimasti) + " rimasti";
    t.percentuale =
        secondiTotali_ > 0.0
            ? std::clamp(static_cast<int>(100.0 - secondiRimasti * 100.0 / secondiTotali_), 0, 100)
            : 100;
    return t;
}

bool TIndicatore::Aggiorna(int percentuale, bool finale)
{
    if (!DeveRidisegnare(mostrata_, percentuale, finale, passo_)) return false;
    mostrata_ = percentuale;
    return true;
}

}  // namespace morella
