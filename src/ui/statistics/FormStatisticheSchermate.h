// The statistics windows for the screenshot mode, on the open system and its archive.
#pragma once

#include <QString>

class QWidget;

namespace morella {
class TSistema;
}

namespace morella::ui {

// Photographs the system statistics, the column analysis and archive history of "Numero Di
// Segni", and the coupon editor's two sign windows into `cartella`; returns how many were
// written.
int SchermateStatistiche(TSistema& sistema, QWidget* padre, const QString& cartella);

}  // namespace morella::ui
