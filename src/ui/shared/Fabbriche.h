// The parts every window is built from, made one way: buttons with the object names tests and
// accessibility tools look for, the OK / "Annulla" pair at the foot of a dialog, labels that
// show a value, and the pie and bar charts. The data of a chart comes from the core.
#pragma once

#include <QString>
#include <string>
#include <vector>

#include "TestiSviluppo.h"

class QChartView;
class QDialog;
class QDialogButtonBox;
class QLabel;
class QPushButton;
class QWidget;

namespace morella::ui {

// A push button named `nome` that never takes Enter from the dialog's default button.
QPushButton* Pulsante(QWidget* padre, const char* nome, const QString& testo,
                      const QString& suggerimento = {});

// "OK" (or another caption) and "Annulla" at the foot of `dialogo`, named OKBtn and AnnullaBtn,
// wired to accept and reject; OK is the default button.
QDialogButtonBox* PulsantiOkAnnulla(QDialog* dialogo, const QString& ok = QStringLiteral("OK"));

// A label that shows a value, wide enough for `campione` so the layout does not jump while
// the value grows.
QLabel* EtichettaValore(const char* nome, const QString& campione = {});

// A pie chart (legend below), hidden until filled, keeping its room while hidden.
QChartView* Torta(const char* nome);
void RiempiTorta(QChartView* vista, const std::vector<TFetta>& fette);

// A bar chart: one bar per value, the labels under the axis, the value axis from minimo to
// massimo in steps of passo.
struct TDatiBarre {
    std::vector<double> Valori;
    std::vector<std::string> Etichette;
    double Minimo = 0, Massimo = 1, Passo = 1;
};
QChartView* Barre(const char* nome);
void RiempiBarre(QChartView* vista, const TDatiBarre& dati);

}  // namespace morella::ui
