// One displayed chart as a value: every text the main window shows for it,
// and the luck column shown bold.
//
// The main window takes it from its controls at the moment of a click, so that
// what a user typed over a result is what the other windows copy; the chart
// tool builds the same value straight from a computed chart. The pop-up, the
// text preview and every later window read a chart only through this value.
#pragma once

#include <optional>
#include <string>

#include "chart/birth_notices.h"
#include "chart/chart.h"

namespace mireto {

struct ChartSnapshot {
  std::string birthday;  // the birth summary, e.g. 1975年4月8日13時5分
  std::string sex;       // "男" or "女"
  ChartDisplay display;  // the result texts and the bold luck column
  // The roster entry the chart on display came from, while no input has
  // changed; both empty for any other chart.
  std::string name;
  std::string note;
  // The summer-time decision and the two sectional-term boundaries around the
  // birth (the details); the desktop program fills it, the chart text has none.
  std::optional<BirthTimeDetails> birthTime;

  bool operator==(const ChartSnapshot&) const = default;
};

// "男" or "女".
std::string SexText(Sex sex);

// The snapshot the main window shows right after displaying `chart`, with the
// birth summary and sex of the entered data.
ChartSnapshot SnapshotOf(const Chart& chart, std::string birthday, Sex sex);

}  // namespace mireto
