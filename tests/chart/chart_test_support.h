// Shared helpers of the chart tests: the real tables and a birth builder.
#pragma once

#include <gtest/gtest.h>

#include "chart/chart.h"
#include "core/data_files.h"

namespace mireto::test {

inline const CalendarTables& Tables() {
  static const CalendarTables tables = [] {
    const auto loaded = LoadCalendarTables(MIRETO_BIN_DIR);
    if (!loaded.tables) throw std::runtime_error(loaded.error);
    return *loaded.tables;
  }();
  return tables;
}

inline constexpr LocalDateTime kNow{2026, 12, 7, 12, 0};

inline BirthInput Birth(int y, int m, int d, std::optional<int> hour, std::optional<int> minute,
                        std::string jisaMinutes = "0", std::string jisaSeconds = "0",
                        Sex sex = Sex::Female) {
  BirthInput in;
  in.year = y;
  in.month = m;
  in.day = d;
  in.hour = hour;
  in.minute = minute;
  in.jisaMinutesText = std::move(jisaMinutes);
  in.jisaSecondsText = std::move(jisaSeconds);
  in.sex = sex;
  return in;
}

inline Chart Compute(const BirthInput& in, const LocalDateTime& now = kNow) {
  auto result = ComputeChart(in, Tables(), now);
  if (!result.chart) throw std::runtime_error(result.error);
  return *result.chart;
}

}  // namespace mireto::test
