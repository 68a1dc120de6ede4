// What the statistics windows share: a bar chart with several sets filled from its model, a
// grid of text filled from a table, a chart saved as a PNG or SVG picture, and a print of
// tables through the preview.
#pragma once

#include <QString>
#include <functional>
#include <string>
#include <vector>

#include "ModelloAnalisi.h"
#include "StampaAnalisi.h"

class QComboBox;
class QDialog;
class QHBoxLayout;
class QLabel;

class QChartView;
class QTableWidget;
class QWidget;

namespace morella::ui {

// Fills a view made by Barre(): one bar set per set of the model, the legend shown when
// there is more than one.
void RiempiGrafico(QChartView* vista, const TGraficoBarre& grafico);

// Sizes a window to `voluta`, within the screen it opens on (never below what its layout
// needs, never past the screen): the charts get room on a large screen.
void AdattaAlloSchermo(QWidget& finestra, int larghezza, int altezza);

// A pie of the factory whose legend is a point smaller, so that "Eliminate 19.4%" fits
// beside its companion on a small screen.
QChartView* TortaCompatta(const char* nome);

// A read-only grid named `nome`.
QTableWidget* GrigliaTabella(const char* nome);
void RiempiGriglia(QTableWidget* griglia, const TTabellaTesto& tabella);

inline constexpr const char* TitoloSalvaGrafico = "Salva Il Grafico";
inline constexpr const char* FiltroGrafico = "Immagine PNG|*.png|Immagine SVG|*.svg";
inline constexpr const char* MessaggioSalvaGrafico = "Impossibile Salvare Il Grafico";

// Asks for a file name and writes the chart there, as SVG (from `svg`) when the name ends
// in ".svg", else as PNG (the view as it is drawn), through the safe-save path. An existing
// file is replaced only on "Si". True when written.
bool SalvaGrafico(QWidget* padre, QChartView* vista, const std::function<std::string()>& svg,
                  const std::string& nomeProposto);
// The context-menu item "Salva Immagine..." of a chart view, which does the above.
void AggiungiSalvataggio(QChartView* vista, std::function<std::string()> svg, std::string nomeProposto);

// The bold title of an analysis window, "LabelTitolo".
QLabel* EtichettaTitolo(const std::string& testo);
// The choice of the analysed series, "ComboSerie".
QComboBox* SceltaSerie(const T_Analisi& analisi);

// The notice under an analysis (hidden when there is none), "LabelAvviso".
QLabel* EtichettaAvviso(const std::string& testo);
// The foot of an analysis window: the notice, "Salva Grafico..." (the bars `barre`, as SVG from
// `svg`, proposed as `nome`), "Stampa" and "OK".
QHBoxLayout* PiedeAnalisi(QDialog* d, QLabel* avviso, QChartView* barre, std::function<std::string()> svg,
                          const std::string& nome, std::function<void()> stampa);

// The tables through the preview; a failure is shown with the message given.
void StampaTabelle(QWidget* padre, const std::string& titolo, std::vector<TSezioneStampa> sezioni,
                   const std::string& messaggio);

}  // namespace morella::ui
