// Checks on a computed chart that hold for every accepted input.
#pragma once

#include <nlohmann/json.hpp>

#include "chart/chart.h"
#include "cli/chart_io.h"
#include "fuzz_support.h"

namespace mireto::fuzz {

inline void CheckChart(const Chart& chart) {
  const ChartRecord& r = chart.record;
  for (Pillar p : kPillars) {
    Require(r.branches[p].index >= 1 && r.branches[p].index <= 12, "branch outside 子..亥");
    Require(r.stems[p].index >= 1 && r.stems[p].index <= 10, "stem outside 甲..癸");
    Require(r.hiddenStems[p].index >= 1 && r.hiddenStems[p].index <= 10, "hidden stem outside 甲..癸");
  }
  Require(r.sunLongitude >= 0.0 && r.sunLongitude < 360.0, "longitude outside [0, 360)");
  Require(r.trueSolarTime.minute >= 0.0 && r.trueSolarTime.minute < 60.0, "true solar minute outside [0, 60)");
  Require(r.trueSolarTime.hour >= 0 && r.trueSolarTime.hour <= 23, "true solar hour outside 0..23");
  const auto& bold = chart.display.boldLuckColumn;
  Require(!bold || (*bold >= 0 && *bold <= 10), "bold luck column outside 0..10");
}

// An accepted request holds only what the strict grammar allows.
inline void CheckAcceptedRequest(const cli::BirthRequest& request) {
  std::string minutes, seconds;
  const std::string jisa = request.input.jisaMinutesText + ":" + request.input.jisaSecondsText;
  Require(exchange::ParseJisa(jisa, minutes, seconds), "a time difference outside [-]MINUTES:SECONDS", jisa);
  if (request.now) {
    Require(request.now->year >= 1800 && request.now->year <= 2200, "now outside 1800..2200");
  }
}

// What --batch writes for one line: the chart as JSON, or the line's error.
// dump() throws on text that is not UTF-8, which the fuzzer reports as a crash.
inline void WriteBatchOutput(const cli::BirthRequest* request, const ChartOrError& result, const std::string& error) {
  if (request && result.chart) {
    CheckChart(*result.chart);
    (void)cli::ReferenceChartJson(*request, *result.chart).dump();
  } else {
    Require(!error.empty(), "refused without a message");
    (void)nlohmann::ordered_json{{"line", 1}, {"error", error}}.dump();
  }
}

}  // namespace mireto::fuzz
