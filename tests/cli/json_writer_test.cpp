// The direct JSON writer against nlohmann's dump(): every escape, and whole
// chart and error objects.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "cli/json_writer.h"
#include "core/data_files.h"

namespace mireto::cli {
namespace {

TEST(JsonWriter, EveryAsciiByteEscapedAsNlohmannDoes) {
  for (int c = 0; c < 0x80; ++c) {
    const std::string text = std::string("a") + static_cast<char>(c) + "b";
    std::string out;
    AppendJsonString(out, text);
    EXPECT_EQ(out, nlohmann::json(text).dump()) << "byte " << c;
  }
}

// The writer skips eight bytes at a time when none needs escaping: every
// ASCII byte at every offset of a longer text, among ASCII and kana fillers,
// still comes out as nlohmann writes it.
TEST(JsonWriter, EveryAsciiByteAtEveryOffsetOfALongText) {
  for (const std::string& filler : {std::string("abcdefghijklmnopqrstuvwx"), std::string("年月日時分秒年月")}) {
    for (std::size_t offset = 0; offset <= filler.size(); ++offset) {
      const bool insideACharacter =
          offset < filler.size() && (static_cast<unsigned char>(filler[offset]) & 0xC0) == 0x80;
      if (insideACharacter) continue;
      for (int c = 0; c < 0x80; ++c) {
        std::string text = filler;
        text.insert(offset, 1, static_cast<char>(c));
        std::string out;
        AppendJsonString(out, text);
        ASSERT_EQ(out, nlohmann::json(text).dump()) << "byte " << c << " at " << offset;
      }
    }
  }
}

TEST(JsonWriter, Utf8AndRunsOfEscapes) {
  for (const std::string& text :
       {std::string(""), std::string("年月日"), std::string("\"\\\"\\"), std::string("\x01\x1f\x7f"),
        std::string("\xF0\x9F\x98\x80 x"), std::string("tail\n")}) {
    std::string out;
    AppendJsonString(out, text);
    EXPECT_EQ(out, nlohmann::json(text).dump());
  }
}

TEST(JsonWriter, ErrorObjectAsBefore) {
  for (const long line : {1L, 457L, 10'000'000L}) {
    std::string out;
    AppendErrorJson(out, line, "時差が大きすぎます \"x\"\t");
    EXPECT_EQ(out, (nlohmann::ordered_json{{"line", line}, {"error", "時差が大きすぎます \"x\"\t"}}.dump()));
  }
}

struct ChartCase {
  const char* name;
  const char* line;
};

class ChartObject : public ::testing::TestWithParam<ChartCase> {};

TEST_P(ChartObject, SameBytesAsTheDocumentDump) {
  const auto loaded = LoadCalendarTables(MIRETO_BIN_DIR);
  ASSERT_TRUE(loaded.tables) << loaded.error;
  std::string error;
  const auto request = exchange::ParseBatchLine(GetParam().line, error);
  ASSERT_TRUE(request) << error;
  const auto result =
      ComputeChart(request->input, *loaded.tables, request->now.value_or(LocalDateTime{2026, 12, 7, 12, 0}));
  ASSERT_TRUE(result.chart) << result.error;
  std::string out;
  AppendChartJson(out, *request, *result.chart);
  EXPECT_EQ(out, ReferenceChartJson(*request, *result.chart).dump());
}

// The chart's texts never hold a quote or a control character today; written
// straight into the output they must still be escaped as the document dump
// escapes them, and long texts must fit the room made for them.
TEST(ChartObjectTexts, EscapedAndLongTextsAsTheDocumentDump) {
  const auto loaded = LoadCalendarTables(MIRETO_BIN_DIR);
  ASSERT_TRUE(loaded.tables) << loaded.error;
  std::string error;
  const auto request = exchange::ParseBatchLine(R"({"date":"1990-05-03","hour":"14","minute":"27"})", error);
  ASSERT_TRUE(request) << error;
  auto result = ComputeChart(request->input, *loaded.tables, LocalDateTime{2026, 12, 7, 12, 0});
  ASSERT_TRUE(result.chart) << result.error;
  Chart chart = *result.chart;
  chart.display.age = "\"\\\b\f\n\r\t\x01\x1f";
  chart.display.stems[Pillar::Hour] = std::string(300, '\x02');  // 1800 bytes escaped
  chart.display.luckLastAges[3] = "年\"月";
  chart.display.seasonElement = std::string(5000, 'x');
  std::string out = "prefix";
  AppendChartJson(out, *request, chart);
  EXPECT_EQ(out, "prefix" + ReferenceChartJson(*request, chart).dump());
}

INSTANTIATE_TEST_SUITE_P(
    Births, ChartObject,
    ::testing::Values(
        ChartCase{"Known",
                  R"({"date":"1990-05-03","hour":"14","minute":"27","sex":"M","jisaMinutes":"-5","jisaSeconds":"30"})"},
        ChartCase{"HourUnknown", R"({"date":"1925-06-15","hour":"?","minute":"33"})"},
        ChartCase{"MinuteUnknown", R"({"date":"2080-12-31","hour":"23","minute":"?","sex":"M"})"},
        ChartCase{"FutureBirthNoCurrentLuck",
                  R"({"date":"2070-01-01","hour":"0","minute":"0","now":"1900-01-01T00:00"})"},
        ChartCase{"FirstDay",
                  R"({"date":"1800-01-01","hour":"00","minute":"00","jisaMinutes":"-0","jisaSeconds":"59"})"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace mireto::cli
