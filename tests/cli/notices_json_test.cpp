// The birth-time members of the chart objects: the text written by hand must
// be what the JSON library writes for the same values, and must read back.
#include "cli/notices_json.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

namespace mireto::cli {
namespace {

TEST(NoticesJson, StringsAreEscapedAsTheJsonLibraryDoes) {
  const std::string cases[] = {
      "",
      "立春の節入り（2024年2月4日17時45分12秒）の12.3分前の生まれです。",
      "quote \" backslash \\ slash /",
      "line\nfeed\rtab\tback\bform\f",
      std::string("nul\0and\x01\x1f\x7f", 13),
      "４５６ ＡＢＣ 「」",
  };
  for (const std::string& text : cases) {
    std::string out;
    AppendJsonString(out, text);
    EXPECT_EQ(out, nlohmann::json(text).dump()) << text;
    EXPECT_EQ(nlohmann::json::parse(out).get<std::string>(), text);
  }
}

TEST(NoticesJson, NumbersAreWrittenAsTheJsonLibraryDoes) {
  for (const double minutes : {-12.3, 12.3, 0.0, 5.0, -59.9, 0.1, 43199.9, -45000.0, 30000.0,
                               1234.5, -0.5}) {
    std::string out;
    AppendJsonNumber(out, minutes);
    EXPECT_EQ(out, nlohmann::json(minutes).dump()) << minutes;
  }
  std::string out;
  AppendJsonNumber(out, RoundedMinutes(-0.04));
  EXPECT_EQ(out, "0.0");
}

TEST(NoticesJson, NoticesArrayAndBoundaryObject) {
  const std::vector<Notice> notices = {
      {NoticeCode::SummerTimeRepeated, "2回\"ありました\""},
      {NoticeCode::SummerTimeApplied, "1時間戻しました"},
  };
  std::string out;
  AppendNoticesMember(out, notices);
  ASSERT_EQ(out.rfind(",\"notices\":", 0), 0u);
  const auto parsed = nlohmann::json::parse(out.substr(11));
  ASSERT_EQ(parsed.size(), 2u);
  EXPECT_EQ(parsed[0]["code"], "summerTimeRepeated");
  EXPECT_EQ(parsed[0]["message"], "2回\"ありました\"");
  EXPECT_EQ(parsed[1]["code"], "summerTimeApplied");
  std::string empty;
  AppendNoticesJson(empty, {});
  EXPECT_EQ(empty, "[]");

  TermBoundary b;
  b.term = "立夏";
  b.clockTime = {1949, 5, 6, 2, 3, 4};  // JST, within summer time
  b.minutes = -12.345;
  std::string ignore, apply;
  AppendTermBoundaryJson(ignore, b, SummerTimeRule::Ignore);
  AppendTermBoundaryJson(apply, b, SummerTimeRule::Apply);
  EXPECT_EQ(ignore, R"({"term":"立夏","clockTime":"1949-05-06T02:03:04","minutes":-12.3})");
  EXPECT_EQ(apply, R"({"term":"立夏","clockTime":"1949-05-06T03:03:04","minutes":-12.3})");
}

}  // namespace
}  // namespace mireto::cli
