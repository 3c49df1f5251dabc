// A stand-in for the main window: a plain widget holding the named controls
// that the pop-up and the text preview read, filled with a known chart.
#pragma once

#include <QString>
#include <QWidget>

#include "output/export_text.h"

namespace mireto::test {

class StandInMainWindow : public QWidget {
 public:
  StandInMainWindow();

  // Sets the text or caption of the named control.
  void set(const QString& name, const QString& text);
  // Marks luck column `column` bold (both labels) and every other one regular.
  void markLuckColumn(int column);
  void selectMale(bool male);

  // Writes a whole chart into the controls.
  void show(const ChartTexts& chart);
};

// A complete chart with distinct texts in every member. `variant` shifts every
// cyclic name, so two variants differ in each field.
ChartTexts SampleChart(int variant);

}  // namespace mireto::test
