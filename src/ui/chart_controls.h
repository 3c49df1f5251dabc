// The main window's chart controls, held by what they show, and the two ways
// a chart passes through them: written after "八字表示", read back as the
// snapshot the other windows copy.
#pragma once

#include <array>

#include "chart/chart_snapshot.h"

class QLabel;
class QLineEdit;
class QRadioButton;

namespace mireto {

struct ChartControls {
  QLineEdit* birthday = nullptr;  // txtBirthday, written by the input chain
  QRadioButton* male = nullptr;   // optM
  QLineEdit* age = nullptr;
  QLineEdit* weekday = nullptr;
  QLineEdit* equationOfTime = nullptr;
  QLineEdit* trueSolarTime = nullptr;
  QLineEdit* sunLongitude = nullptr;
  QLineEdit* luckStartAge = nullptr;
  QLineEdit* luckChange = nullptr;
  PerPillar<QLabel*> stems{};
  PerPillar<QLabel*> branches{};
  PerPillar<QLabel*> hiddenStems{};
  QLabel* seasonElement = nullptr;
  std::array<QLabel*, kLuckFirstAgeCount> luckFirstAges{};
  std::array<QLabel*, kLuckColumnCount> luckLastAges{};
  std::array<QLabel*, kLuckColumnCount> luckStems{};
  std::array<QLabel*, kLuckColumnCount> luckBranches{};
};

// Writes the texts of one computed chart, then moves the bold mark to its
// current luck column (both labels of the column; every other one regular).
void WriteChart(const ChartControls& controls, const ChartDisplay& display);

// What the controls show now: every text, the sex ("男" only while optM is
// selected) and the first luck column whose stem is bold.
ChartSnapshot ReadSnapshot(const ChartControls& controls);

}  // namespace mireto
