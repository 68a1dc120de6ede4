// What the statistics windows show, decided without drawing: the bars and scale of the
// column analysis and of the archive history, their tables, the two pies and the notice of an
// analysis with nothing to count, the sign tables of the coupon editor's "Archivio" and
// "Analisi", the grids they print, and a chart written as an SVG picture.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "Analisi.h"
#include "DerivateAnalisi.h"
#include "GrigliaStampa.h"
#include "StatisticheSegni.h"
#include "TestiSviluppo.h"

namespace morella {

// The vertical scale of a bar chart.
struct TScalaGrafico {
    double Minimo = 0, Massimo = 1, Passo = 1;
};

// Percentages run 0..100 in steps of 10; counts 0..total in tenths; with zoom the scale is
// the largest bar plus a tenth, in tenths. A scale never collapses to nothing: an empty
// chart (no total, no bar) still gets 0..1.
TScalaGrafico ScalaGrafico(double massimoBarra, double totale, bool percentuali, bool zoom);
// Decimals of the scale's labels: none for a whole step or a span of 20 and more (counts of
// columns or contests read "1944", not "1944.0" or "194.4"), one for the small spans.
int DecimaliScala(const TScalaGrafico& s);

// One set of bars (one colour) of a chart.
struct TInsiemeBarre {
    std::string Nome;
    std::vector<double> Valori;  // one per label
};
struct TGraficoBarre {
    std::vector<std::string> Etichette;
    std::vector<TInsiemeBarre> Insiemi;
    TScalaGrafico Scala;
};

// Rows of text with their headings, as a window's grid shows them and its print copies them.
struct TTabellaTesto {
    std::vector<std::string> Intestazioni;
    std::vector<std::vector<std::string>> Righe;
};

// ---- "Analisi Colonnare" ----

inline constexpr const char* NomeIntegr = "Integr.";
inline constexpr const char* NomeCondS = "Cond.S.";
inline constexpr const char* NomeCondiz = "Condiz.";

// The three column counts of a series' measure (0 first, 1 second) per value, as counts or
// as shares of the columns examined.
TGraficoBarre GraficoColonnare(const T_Analisi& analisi, int serie, int misura, bool percentuali, bool zoom);
TTabellaTesto TabellaColonnare(const T_Analisi& analisi, int serie, int misura, bool percentuali);

// The pies of a series: columns eliminated against the rest, historical frequency against
// the rest. A pie whose total is nothing (no column examined, no contest counted) has no
// slices.
struct TTorteAnalisi {
    std::vector<TFetta> Eliminate;
    std::vector<TFetta> Storica;
};
TTorteAnalisi TorteAnalisi(const T_Analisi& analisi, int serie, int misura);

inline constexpr const char* AvvisoNessunConcorso =
    "Nessun concorso nell'intervallo di ricerca: i valori sono a zero.";
inline constexpr const char* AvvisoNessunaColonna = "Nessuna colonna esaminata: i valori sono a zero.";
inline constexpr const char* AvvisoAnalisiAnnullata = "Analisi annullata: i valori sono parziali.";

// What the window says beside the figures when there is little to show (empty text: all is
// well): no contest counted, no column examined, a cancelled development.
std::string AvvisoAnalisi(const T_Analisi& analisi);

// ---- "Andamento storico della quantità dei Segni" ----

// The archive frequency per value of a measure, as counts ("Nº di concorsi") or shares of
// the contests counted ("Frequenza %").
TGraficoBarre GraficoStorico(const T_SerieAnalisi& serie, int misura, bool percentuali, bool zoom);
// "Frequenze": value, " Points", " Cons."; "Ritardi": value and "Act.", " Max", "  IC" for
// each measure.
TTabellaTesto TabellaFrequenzeStorico(const T_SerieAnalisi& serie, bool percentuali);
TTabellaTesto TabellaRitardiStorico(const T_SerieAnalisi& serie);

// ---- the coupon editor's "Archivio" and "Analisi" ----

inline constexpr const char* NomiSegni[3] = {"Segno 1", "Segno X", "Segno 2"};

// One grid per sign: per event "Freq.", "Rit. Att.", "Rit. Max.", "   IC", "Freq. Ann.",
// "Cs. Att.", "Cs. Max.".
TTabellaTesto TabellaSegni(const T_StatisticheSegni& statistiche, int segno);
// The frequency of each sign per event, one set per sign.
TGraficoBarre GraficoSegni(const T_StatisticheSegni& statistiche, bool zoom);
std::string AvvisoSegni(const T_StatisticheSegni& statistiche);

// Per event "Segno 1", "Segno X", "Segno 2": counts or shares of the list.
TTabellaTesto TabellaSegniColonne(const T_FrequenzeSegniColonne& frequenze, bool percentuali);
TGraficoBarre GraficoSegniColonne(const T_FrequenzeSegniColonne& frequenze, bool percentuali, bool zoom);
inline constexpr const char* AvvisoNessunaColonnaSistema =
    "Il sistema non ha colonne: svilupparlo per vedere la frequenza dei segni.";

// ---- print and pictures ----

// The grid of a table for StampaGriglia: one heading row, then the rows, cells as wide as
// their longest text.
TGrigliaStampa GrigliaDiTabella(const TTabellaTesto& tabella);

// A chart as an SVG picture of the given size: title, axis, grid lines, bars, legend.
std::string SvgBarre(const TGraficoBarre& grafico, const std::string& titolo, int larghezza = 800,
                     int altezza = 500);
// A pie as an SVG picture; without slices only the title and an empty circle.
std::string SvgTorta(const std::vector<TFetta>& fette, const std::string& titolo, int larghezza = 400,
                     int altezza = 320);

}  // namespace morella
