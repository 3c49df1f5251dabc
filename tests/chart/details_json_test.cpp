// The "details" member written for mireto-chart: its shape, the worked chart,
// null flags and the escaping of strings, read back with a JSON parser.
#include <nlohmann/json.hpp>

#include <gtest/gtest.h>
#include "chart/chart_details.h"

#include "cli/details_json.h"
#include "cli/details_output.h"
#include "test_support.h"

namespace mireto {
namespace {

using test::Birth;
using test::Compute;

// The member after one other member, in braces, parsed.
nlohmann::json Parsed(const ChartDetails& d) {
  std::string out = R"({"birthday":"")";
  cli::AppendDetailsJson(out, d);
  out += "}";
  return nlohmann::json::parse(out).at("details");
}

ChartDetails Details(const BirthInput& in, std::optional<YearSpan> annual = std::nullopt) {
  DetailsRequest request;
  request.hourKnown = in.hour.has_value();
  request.birthYear = in.year;
  request.annual = annual;
  return ComputeChartDetails(Compute(in), request);
}

TEST(DetailsJson, WorkedChartShapeAndValues) {
  const ChartDetails d = Details(Birth(2000, 1, 1, 12, 0));
  const nlohmann::json j = Parsed(d);
  EXPECT_EQ(j.size(), 7u);  // no annual unless asked for
  EXPECT_EQ(j.at("voidBranches"), "子丑");
  const auto& year = j.at("pillars").at("year");
  EXPECT_EQ(year, nlohmann::json::parse(
                      R"({"tenGod":"劫財","hiddenTenGod":"正官","stage":"沐浴","nayin":"城頭土","void":false})"));
  EXPECT_EQ(j.at("pillars").at("month").at("void"), true);
  EXPECT_EQ(j.at("pillars").at("day").at("tenGod"), "日主");
  EXPECT_EQ(j.at("pillars").at("hour").at("nayin"), "天上火");
  const auto& luck = j.at("luck");
  for (const char* key : {"tenGods", "stages", "void"}) ASSERT_EQ(luck.at(key).size(), kLuckColumnCount) << key;
  // One list per column; 癸未 meets the day and hour 戊午 twice over.
  ASSERT_EQ(luck.at("relations").size(), kLuckColumnCount);
  EXPECT_EQ(luck.at("relations")[7], nlohmann::json::parse(R"([
      {"kind":"干合","pillars":["luck","day"],"element":"火"},{"kind":"干合","pillars":["luck","hour"],"element":"火"},
      {"kind":"支合","pillars":["luck","day"],"element":"土"},{"kind":"支合","pillars":["luck","hour"],"element":"土"},
      {"kind":"半会","pillars":["luck","year"],"element":"木"},{"kind":"害","pillars":["luck","month"],"element":null}])"));
  for (std::size_t i = 0; i < kLuckColumnCount; ++i) {
    EXPECT_EQ(luck.at("tenGods")[i], d.luck[i].tenGod);
    EXPECT_EQ(luck.at("stages")[i], d.luck[i].stage);
    EXPECT_EQ(luck.at("void")[i], d.luck[i].isVoid);
  }
}

TEST(DetailsJson, MemberOrderAndNoBlanks) {
  std::string out;
  cli::AppendDetailsJson(out, Details(Birth(2000, 1, 1, 12, 0), YearSpan{2026, 2026}));
  EXPECT_TRUE(out.starts_with(R"(,"details":{"voidBranches":"子丑","pillars":{"year":{"tenGod":"劫財",)"));
  EXPECT_LT(out.find(R"("luck":{"tenGods":[)"), out.find(R"("annual":[)"));
  EXPECT_NE(
      out.find(
          R"("pillars":{"year":{"tenGod":"劫財","hiddenTenGod":"正官","stage":"沐浴","nayin":"城頭土","void":false},)"
          R"("month":)"),
      std::string::npos);
  EXPECT_LT(
      out.find(R"(}},"fiveElements":{"wood":1,"fire":3,"earth":3,"metal":0,"water":1},)"
               R"("fiveElementsWithHidden":{"wood":2,"fire":5,"earth":3,"metal":0,"water":2},)"
               R"("yinYang":{"yang":6,"yin":2},"relations":[{"kind":"冲","pillars":["month","day"],"element":null},)"),
      out.find(R"("luck":{"tenGods":[)"));
  EXPECT_TRUE(
      out.ends_with(R"("annual":[{"year":2026,"pillar":"丙午","age":26,"tenGod":"偏印","stage":"帝旺","void":false,)"
                    R"("relations":[{"kind":"冲","pillars":["annual","month"],"element":null},)"
                    R"({"kind":"自刑","pillars":["annual","day"],"element":null},)"
                    R"({"kind":"自刑","pillars":["annual","hour"],"element":null},)"
                    R"({"kind":"破","pillars":["annual","year"],"element":null}]}]})"));
  EXPECT_EQ(out.find(' '), std::string::npos);
}

TEST(DetailsJson, UnknownHourVoidAndAgeBeforeBirthAreNull) {
  const nlohmann::json j = Parsed(Details(Birth(2000, 1, 1, std::nullopt, std::nullopt), YearSpan{1999, 2000}));
  const auto& hour = j.at("pillars").at("hour");
  EXPECT_TRUE(hour.at("void").is_null());
  EXPECT_EQ(hour.at("tenGod"), "□");
  EXPECT_EQ(hour.at("stage"), "□");
  ASSERT_EQ(j.at("annual").size(), 2u);
  EXPECT_TRUE(j.at("annual")[0].at("age").is_null());
  EXPECT_EQ(j.at("annual")[1].at("age"), 0);
  EXPECT_EQ(j.at("annual")[0].at("pillar"), "己卯");
}

struct SpanCase {
  const char* text;
  int from, to;  // 0, 0: refused
};

// clang-format off
constexpr SpanCase kSpanCases[] = {
    {"2026:2030", 2026, 2030}, {"1:9999", 1, 9999}, {"2000:2000", 2000, 2000}, {"0099:100", 99, 100},
    {"2030:2026", 0, 0},       {"0:10", 0, 0},      {"1:10000", 0, 0},        {"2026", 0, 0},
    {"2026:", 0, 0},           {":2030", 0, 0},     {"-5:10", 0, 0},          {"+1:10", 0, 0},
    {" 1:10", 0, 0},           {"1:10 ", 0, 0},     {"1:2:3", 0, 0},          {"１:２", 0, 0},
    {"", 0, 0},
};
// clang-format on

TEST(YearSpanOption, AcceptsOnlyPlainOrderedYears) {
  for (const SpanCase& c : kSpanCases) {
    const auto span = cli::ParseYearSpan(c.text);
    if (c.from == 0) {
      EXPECT_FALSE(span.has_value()) << c.text;
    } else {
      ASSERT_TRUE(span.has_value()) << c.text;
      EXPECT_EQ(span->from, c.from) << c.text;
      EXPECT_EQ(span->to, c.to) << c.text;
    }
  }
}

}  // namespace
}  // namespace mireto
