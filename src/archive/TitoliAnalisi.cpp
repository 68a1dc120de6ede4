#include "TitoliAnalisi.h"

#include "Condizione.h"
#include "Consecutivita.h"
#include "Sequele.h"
#include "Vortice.h"

namespace morella {

namespace {

// The four titles of the kinds whose titles never change; the irregular wording is the
// program's own and stays as it is.
struct TTitoliTipo {
    TipoCondizione Tipo;
    const char* Statistica;
    const char* Frequenza;
    const char* Ritardo;
    const char* Colonnare;
};

constexpr TTitoliTipo TitoliFissi[] = {
    {TipoNumeroSegni, "Analisi Statistica del Numero dei Segni",
     "Analisi Statistica della Frequenza del Numero dei Segni",
     "Analisi Statistica del Ritardo nel Numero dei Segni", "Analisi Colonnare del Numero dei Segni"},
    {TipoPariDispari, "Analisi Statistica delle Consecutività Pari e Dispari",
     "Analisi Statistica delle Frequenze delle Consecutività Pari e Dispari",
     "Analisi Statistica del Ritardo nelle Consecutività Pari e Dispari",
     "Analisi Colonnare delle Consecutività Pari e Dispari"},
    {TipoSimmetrie, "Analisi Statistica delle Simmetrie",
     "Analisi Statistica della Frequenza delle Simmetrie", "Analisi Statistica del Ritardo nelle Simmetrie",
     "Analisi Colonnare delle Simmetrie"},
    {TipoInterruzioni, "Analisi Statistica delle Interruzioni",
     "Analisi Statistica della Frequenza delle Interruzioni",
     "Analisi Statistica del Ritardo nelle Interruzioni", "Analisi Colonnare delle Interruzioni"},
    {TipoFormuleDerivate, "Analisi Statistica delle Formule Derivate",
     "Analisi Statistica delle Frequenza delle Formule Derivate",
     "Analisi Statistica del Ritardo nelle Formule Derivate", "Analisi Colonnare delle Formule Derivate"},
    {TipoRipetizioni, "Analisi Statistica delle Ripetizioni",
     "Analisi Statistica della Frequenza delle ipetizioni",
     "Analisi Statistica del Ritardo nelle Ripetizioni", "Analisi Colonnare delle Ripetizione"},
    {TipoModulo, "Analisi Statistica del Modulo", "Analisi Statistica della Frequenza del Modulo",
     "Analisi Statistica del Ritardo nel Modulo", "Analisi Colonnare del Modulo"},
    // Values and percentages never had frequency and delay titles of their own beyond the
    // delay of the values; the missing ones follow the same wording.
    {TipoValori, "Analisi Statistica dei Valori", "Analisi Statistica della Frequenza dei Valori",
     "Analisi Statistica dei Ritardi nei Valori", "Analisi Colonnare dei Valori"},
    {TipoPercentuali, "Analisi Statistica delle Percentuali",
     "Analisi Statistica della Frequenza delle Percentuali",
     "Analisi Statistica del Ritardo nelle Percentuali", "Analisi Colonnare delle Percentuali"},
    {TipoColonnaFiltro, "Analisi Statistica della Colonna Filtro",
     "Analisi Statistica delle Frequenze delle Colonna Filtro",
     "Analisi Statistica del Ritardo della Colonna Filtro", "Analisi Colonnare delle Colonna Filtro"},
};

std::array<std::string, 4> Con(const char* statistica, const char* frequenza, const char* ritardo,
                               const char* colonnare, const std::string& coda)
{
    return {statistica + coda, frequenza + coda, ritardo + coda, colonnare + coda};
}

// The sequence types 2..6 as the titles name them.
std::string TipoSequelaNeiTitoli(const TSequele& s)
{
    switch (s.TipoSequela) {
        case TSequele::Monotermine:
            return "Monotermine";
        case TSequele::Bitermine:
            return "Bitermine";
        case TSequele::Tritermine:
            return "Tritemine";
        case TSequele::Generica:
            return "Generiche";
        case TSequele::Specchio:
            return "a Specchio";
        default:
            return s.TestoTipo();
    }
}

int SerieDelTipo(const TCondizione& c)
{
    switch (c.Tipo()) {
        case TipoNumeroSegni:
        case TipoSimmetrie:
            return 3;
        case TipoPariDispari:
        case TipoRipetizioni:
        case TipoModulo:
            return 2;
        case TipoInterruzioni:
            return 4;
        case TipoVortice:
            return 6;
        default:
            return Analizzabile(c.Tipo()) ? 1 : 0;
    }
}

}  // namespace

bool SerieAIntervalli(TipoCondizione tipo)
{
    return tipo == TipoValori || tipo == TipoPercentuali || tipo == TipoPuntiTra;
}

std::vector<int> SerieAnalizzate(const TCondizione& condizione, const T_SceltaAnalisi& scelta)
{
    if (condizione.Tipo() == TipoVortice) {
        const int base = scelta.VorticeInverso ? TVortice::Inverso : 0;
        return {base + TVortice::TabellaPosizione, base + TVortice::TabellaBracci,
                base + TVortice::TabellaSegno};
    }
    std::vector<int> serie;
    for (int s = 0; s < SerieDelTipo(condizione); ++s) serie.push_back(s);
    return serie;
}

std::vector<std::string> NomiSerieAnalisi(const TCondizione& condizione, const T_SceltaAnalisi& scelta)
{
    (void)scelta;  // both vortex walks have the same names
    switch (condizione.Tipo()) {
        case TipoNumeroSegni:
            return {"Segni 1", "Segni X", "Segni 2"};
        case TipoPariDispari:
            return {"Pari", "Dispari"};
        case TipoVortice:
            return {"Posizione", "Bracci", "Segno"};
        case TipoSimmetrie:
            return {"Dirette", "Inverse", "Totali"};
        case TipoInterruzioni:
            return {"Globali", "Segni 1", "Segni X", "Segni 2"};
        case TipoFormuleDerivate:
            return {"F.Derivate"};
        case TipoRipetizioni:
            return {"Una Prec.", "Due Prec."};
        case TipoQuadro:
            return {"Quadro"};
        case TipoModulo:
            return {"Somma", "Prodotto"};
        case TipoPuntiTra:
            return {"Punti Tra"};
        case TipoSequele:
            return {"Sequela"};
        case TipoValori:
            return {"Valori"};
        case TipoPercentuali:
            return {"Percentuali"};
        case TipoConsecutivita:
            return {"Consecutivita"};
        case TipoColonnaFiltro:
            return {"Colonna Filtro"};
        default:
            return {};
    }
}

std::array<std::string, 4> TitoliAnalisi(const TCondizione& condizione, const T_SceltaAnalisi& scelta)
{
    for (const TTitoliTipo& t : TitoliFissi)
        if (t.Tipo == condizione.Tipo()) return {t.Statistica, t.Frequenza, t.Ritardo, t.Colonnare};
    switch (condizione.Tipo()) {
        case TipoVortice:
            if (scelta.VorticeInverso)
                return {"Analisi Statistica del Vortice Inverso",
                        "Analisi Statistica della Frequenza del Vortice Inverso",
                        "Analisi Statistica dei Ritardi nel Vortice Inverso",
                        "Analisi Colonnare del Vortice Inverso"};
            return {"Analisi Statistica del Vortice Diretto",
                    "Analisi Statistica della Frequenza del Vortice Diretto",
                    "Analisi Statistica dei Ritardi del Vortice Diretto",
                    "Analisi Colonnare del Vortice Diretto"};
        case TipoQuadro:
            return Con("Analisi Statistica del Quadro ", "Analisi Statistica della Frequenza del Quadro ",
                       "Analisi Statistica del Ritardo del Quadro ", "Analisi Colonnare del Quadro ",
                       condizione.Nome);
        case TipoPuntiTra:
            return Con("Analisi Statistica dei Punti Tra del Gruppo ",
                       "Analisi Statistica della Frequenza dei Punti Tra del Gruppo ",
                       "Analisi Statistica del Ritardo nei Punti Tra del Gruppo ",
                       "Analisi Colonnare dei Punti Tra del Gruppo ", std::to_string(scelta.GruppoTra));
        case TipoSequele: {
            const auto& s = static_cast<const TSequele&>(condizione);
            // A given pattern is one sequence; the other types count a family of them.
            if (s.TipoSequela < TSequele::Monotermine || s.TipoSequela > TSequele::Specchio)
                return Con("Analisi Statistica della Sequela ",
                           "Analisi Statistica della Frequenza della Sequela ",
                           "Analisi Statistica del Ritardo della Sequela ",
                           "Analisi Colonnare della Sequela ", s.TestoTipo());
            return Con("Analisi Statistica delle Sequele ",
                       "Analisi Statistica della Frequenza delle Sequele ",
                       "Analisi Statistica del Ritardo delle Sequele ", "Analisi Colonnare delle Sequele ",
                       TipoSequelaNeiTitoli(s));
        }
        case TipoConsecutivita: {
            const auto& c = static_cast<const TConsecutivita&>(condizione);
            return Con("Analisi Statistica della Consecutivita del",
                       "Analisi Statistica della Frequenza nella Consecutivita del",
                       "Analisi Statistica del Ritardo nella Consecutivita del",
                       "Analisi Colonnare della Consecutivita del", " Segno " + TestoSegni(c.Segno));
        }
        default:
            return {};
    }
}

}  // namespace morella
