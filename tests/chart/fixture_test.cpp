// The 458 sample charts of an independent implementation of the same rules:
// every field of every chart, and the refusals.
#include <fstream>
#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

#include "cli/chart_io.h"
#include "test_support.h"

namespace mireto {
namespace {

TEST(SampleCharts, EveryFieldOfEveryChartAgrees) {
  std::ifstream in(std::string(MIRETO_TEST_DATA_DIR) + "/charts-sample.jsonl");
  ASSERT_TRUE(in) << "missing charts-sample.jsonl";
  std::string line;
  int count = 0;
  int refusals = 0;
  while (std::getline(in, line)) {
    const auto sample = nlohmann::json::parse(line);
    const auto& expected = sample.at("expected");
    std::string error;
    const auto request = exchange::ParseBatchLine(sample.at("input").dump(), error);
    ++count;
    if (!request) {
      // mireto-chart refuses some time differences before computing (seconds beyond 59).
      EXPECT_TRUE(expected.contains("error")) << error << " in " << line;
      ++refusals;
      continue;
    }
    const auto result = ComputeChart(request->input, test::Tables(), *request->now);
    if (expected.contains("error")) {
      ++refusals;
      EXPECT_FALSE(result.chart) << "should be refused: " << sample.at("input").dump();
      EXPECT_FALSE(result.error.empty());
      continue;
    }
    ASSERT_TRUE(result.chart) << result.error << " for " << sample.at("input").dump();
    const nlohmann::json actual = nlohmann::json::parse(cli::ReferenceChartJson(*request, *result.chart).dump());
    EXPECT_EQ(actual, expected) << "input " << sample.at("input").dump() << "\ndiff "
                                << nlohmann::json::diff(expected, actual).dump();
  }
  EXPECT_EQ(count, 458);
  EXPECT_EQ(refusals, 2);
}

}  // namespace
}  // namespace mireto
