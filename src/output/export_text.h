// The chart as one block of plain text, for the preview window.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "chart/chart.h"

namespace mireto {

struct PillarTexts {
  std::string stem;
  std::string branch;
  std::string hiddenStem;
};

// The display texts of one chart as the main window shows them.
struct ChartTexts {
  std::string sex;              // "男" or "女"
  std::string birthday;         // txtBirthday
  std::string age;              // txtAge
  std::string luckStartAge;     // txtKoutai
  std::string luckChange;       // txtKoutaiYM
  PerPillar<PillarTexts> pillars;
  std::array<std::string, kLuckColumnCount> luckStems;
  std::array<std::string, kLuckColumnCount> luckBranches;
  std::array<std::string, kLuckFirstAgeCount> luckFirstAges;
};

// The 17-line chart text, lines separated by CR LF, no line end after the last.
// nowText is the present local date and time as the platform writes it.
std::string make_export_text(const ChartTexts& texts, std::string_view nowText);

}  // namespace mireto
