// Writes the texts of one computed chart into the main window's result
// fields and labels, then moves the bold mark to the current luck pillar.
#pragma once

#include "chart/chart.h"

class QWidget;

namespace mireto {

// root: the widget holding the named controls (txtAge, yKan, dun_kan(0), ...).
void WriteChart(QWidget* root, const ChartDisplay& display);

}  // namespace mireto
