// The birth-time members of the chart objects: the text written by hand must
// be what the JSON library writes for the same values, and must read back.
#include "cli/notices_json.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

namespace mireto::cli {
namespace {

TEST(NoticesJson, NumbersAreWrittenAsTheJsonLibraryDoes) {
  for (const double minutes : {-12.3, 12.3, 0.0, 5.0, -59.9, 0.1, 43199.9, -45000.0, 30000.0, 1234.5, -0.5}) {
    std::string out;
    AppendJsonNumber(out, minutes);
    EXPECT_EQ(out, nlohmann::json(minutes).dump()) << minutes;
  }
  std::string out;
  AppendJsonNumber(out, RoundedMinutes(-0.04));
  EXPECT_EQ(out, "0.0");
}

TEST(NoticesJson, NoticesMemberReadsBack) {
  const std::vector<Notice> notices = {
      {NoticeCode::SummerTimeRepeated, "2回\"ありました\"\n"},
      {NoticeCode::SummerTimeApplied, "1時間戻しました"},
  };
  std::string out = "{\"a\":1";
  AppendNoticesJson(out, notices);
  out += '}';
  const auto parsed = nlohmann::ordered_json::parse(out);
  EXPECT_EQ(parsed.dump(), out);  // the library writes the same bytes
  const auto& list = parsed.at("notices");
  ASSERT_EQ(list.size(), 2u);
  EXPECT_EQ(list[0]["code"], "summerTimeRepeated");
  EXPECT_EQ(list[0]["message"], "2回\"ありました\"\n");
  EXPECT_EQ(list[1]["code"], "summerTimeApplied");
  std::string empty;
  AppendNoticesJson(empty, {});
  EXPECT_EQ(empty, ",\"notices\":[]");
}

TEST(NoticesJson, BoundaryInTheClockOfTheRule) {
  TermBoundary b;
  b.term = "立夏";
  b.clockTime = {1949, 5, 6, 2, 3, 4};  // JST, within summer time
  b.minutes = -12.345;
  std::string ignore, apply;
  AppendTermBoundaryJson(ignore, "nextTerm", b, SummerTimeRule::Ignore);
  AppendTermBoundaryJson(apply, "nextTerm", b, SummerTimeRule::Apply);
  EXPECT_EQ(ignore, R"(,"nextTerm":{"term":"立夏","clockTime":"1949-05-06T02:03:04","minutes":-12.3})");
  EXPECT_EQ(apply, R"(,"nextTerm":{"term":"立夏","clockTime":"1949-05-06T03:03:04","minutes":-12.3})");
}

}  // namespace
}  // namespace mireto::cli
