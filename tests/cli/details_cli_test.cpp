// mireto-chart --details and --annual: the options, and end to end that the
// details are one more member (or one more block of text) and change nothing
// before it.
#include <algorithm>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "child_process.h"
#include "cli/options.h"
#include "test_support.h"

namespace mireto::test {
namespace {

struct RefusedDetailsCase {
  std::vector<std::string> args;
  const char* expectedPart;
};

class RefusedDetailsArguments : public ::testing::TestWithParam<RefusedDetailsCase> {};

TEST_P(RefusedDetailsArguments, OneJapaneseLine) {
  std::string error;
  EXPECT_FALSE(cli::ParseOptions(GetParam().args, error).has_value());
  EXPECT_NE(error.find(GetParam().expectedPart), std::string::npos) << error;
  EXPECT_EQ(error.find_first_of("\r\n"), std::string::npos) << error;
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, RefusedDetailsArguments,
    ::testing::Values(
        RefusedDetailsCase{{"--annual", "2026:2030", "2000-01-01", "12:00"}, "--annual は --details と"},
        RefusedDetailsCase{{"--details", "--annual", "2030:2026", "2000-01-01", "12:00"}, "--annual は 開始年:終了年"},
        RefusedDetailsCase{{"--details", "--annual", "2026", "2000-01-01", "12:00"}, "--annual は 開始年:終了年"},
        RefusedDetailsCase{{"--details", "--annual=0:5", "--batch"}, "--annual は 開始年:終了年"},
        RefusedDetailsCase{{"--details", "--annual"}, "--annual の値がありません"},
        RefusedDetailsCase{{"--details=yes", "2000-01-01", "12:00"}, "--details は値を取りません"},
        RefusedDetailsCase{{"--details", "--details", "--batch"}, "--details が2回"},
        RefusedDetailsCase{{"--monthly", "2027", "2000-01-01", "12:00"}, "--monthly は --details と"},
        RefusedDetailsCase{{"--details", "--monthly", "1799", "2000-01-01", "12:00"}, "--monthly は 1800 から 2080"},
        RefusedDetailsCase{{"--details", "--daily", "2027-13", "2000-01-01", "12:00"}, "--daily は YYYY-MM"},
        RefusedDetailsCase{{"--details", "--daily", "2027-2", "--batch"}, "--daily は YYYY-MM"},
        RefusedDetailsCase{{"--calendar", "2081"}, "--calendar は 1800 から 2080"},
        RefusedDetailsCase{{"--calendar", "+2000"}, "--calendar は 1800 から 2080"},
        RefusedDetailsCase{{"--calendar", "2000", "2000-01-01", "12:00"}, "--calendar は --jisa のほか"},
        RefusedDetailsCase{{"--calendar", "2000", "--jisa", "1441:0"}, "±24時間以内"}));

TEST(DetailsOptions, AcceptedValues) {
  std::string error;
  const auto plain = cli::ParseOptions({"2000-01-01", "12:00"}, error);
  ASSERT_TRUE(plain) << error;
  EXPECT_FALSE(plain->details.details);
  const auto details = cli::ParseOptions({"--batch", "--details", "--annual=1999:2001"}, error);
  ASSERT_TRUE(details) << error;
  EXPECT_TRUE(details->details.details);
  ASSERT_TRUE(details->details.annual);
  EXPECT_EQ(details->details.annual->from, 1999);
  EXPECT_EQ(details->details.annual->to, 2001);
  const auto noAnnual = cli::ParseOptions({"--json", "--details", "2000-01-01", "12:00"}, error);
  ASSERT_TRUE(noAnnual) << error;
  EXPECT_FALSE(noAnnual->details.annual);
}

ToolResult Batch(std::vector<std::string> extra) {
  ToolRun run;
  run.args = {"--batch", "--now", "2026-12-07T12:00"};
  run.args.insert(run.args.end(), extra.begin(), extra.end());
  run.inputPath = std::string(MIRETO_CLI_TEST_DATA_DIR) + "/fixture-births.jsonl";
  return RunTool(run);
}

// The contract of a list of relations: known kinds and pillars, the pillars
// in their order, two of them (three for 三合 and 方合), an element exactly
// for the combinations, the list sorted by kind then pillars, the pillar
// `required` (if any) in each, the hour only when known, and no 半会 inside a
// listed 三合 of its element.
void ExpectRelationContract(const nlohmann::json& list, const std::string& required, bool hourKnown) {
  static const std::vector<std::string> kKinds = {"干合", "支合", "三合", "半会", "方合",
                                                  "冲",   "刑",   "自刑", "害",   "破"};
  // A month or a day stands where a year does.
  const bool period = required == "monthly" || required == "daily";
  const std::vector<std::string> kPillarNames = {"luck", period ? required : "annual", "year", "month", "day", "hour"};
  const auto indexIn = [](const std::vector<std::string>& names, const std::string& name) {
    const auto it = std::find(names.begin(), names.end(), name);
    return it == names.end() ? -1 : static_cast<int>(it - names.begin());
  };
  std::vector<int> previous;
  for (const auto& r : list) {
    const int kind = indexIn(kKinds, r.at("kind").get<std::string>());
    ASSERT_GE(kind, 0) << r;
    std::vector<int> key = {kind};
    for (const auto& p : r.at("pillars")) key.push_back(indexIn(kPillarNames, p.get<std::string>()));
    const std::size_t count = key.size() - 1;
    EXPECT_EQ(count, kind == 2 || kind == 4 ? 3u : 2u) << r;
    for (std::size_t i = 1; i < key.size(); ++i) {
      EXPECT_GE(key[i], 0) << r;
      if (i > 1) {
        EXPECT_LT(key[i - 1], key[i]) << r;
      }
    }
    EXPECT_EQ(required.empty() ? key[1] >= 2 : key[1] == indexIn(kPillarNames, required), true) << r;
    if (!hourKnown) {
      EXPECT_NE(key.back(), 5) << r;
    }
    if (kind <= 4) {
      EXPECT_NE(std::string("木火土金水").find(r.at("element").get<std::string>()), std::string::npos) << r;
    } else {
      EXPECT_TRUE(r.at("element").is_null()) << r;
    }
    EXPECT_LT(previous, key) << r;
    previous = key;
    if (kind == 3) {  // 半会
      for (const auto& t : list) {
        if (t.at("kind") != "三合" || t.at("element") != r.at("element")) continue;
        const auto& in = t.at("pillars");
        const bool inside = std::all_of(r.at("pillars").begin(), r.at("pillars").end(),
                                        [&](const auto& p) { return std::find(in.begin(), in.end(), p) != in.end(); });
        EXPECT_FALSE(inside) << r << " inside " << t;
      }
    }
  }
}

int Sum(const nlohmann::json& counts) {
  int sum = 0;
  for (const auto& [name, n] : counts.items()) sum += n.get<int>();
  return sum;
}

// Every chart line gains "details" as its last member and is otherwise the
// same bytes; error lines stay as they are; threads change nothing.
TEST(DetailsBatch, OneMoreMemberOnEveryChartLine) {
  const ToolResult plain = Batch({});
  const ToolResult details = Batch({"--details", "--annual", "2026:2027"});
  const ToolResult threaded = Batch({"--details", "--annual", "2026:2027", "--jobs", "2"});
  EXPECT_EQ(details.exitCode, plain.exitCode);
  EXPECT_TRUE(threaded.out == details.out);
  const auto before = Lines(plain.out);
  const auto after = Lines(details.out);
  ASSERT_EQ(before.size(), after.size());
  int charts = 0;
  for (std::size_t i = 0; i < before.size(); ++i) {
    const auto parsed = nlohmann::json::parse(after[i]);
    if (parsed.contains("error")) {
      EXPECT_EQ(after[i], before[i]);
      continue;
    }
    ++charts;
    const std::string prefix = before[i].substr(0, before[i].size() - 1) + R"(,"details":{)";
    ASSERT_EQ(after[i].substr(0, prefix.size()), prefix) << "line " << i + 1;
    const auto& d = parsed.at("details");
    EXPECT_EQ(d.at("voidBranches").get<std::string>().size(), 6u);  // two branches
    EXPECT_EQ(d.at("pillars").at("day").at("tenGod"), "日主");
    EXPECT_EQ(d.at("luck").at("stages").size(), 11u);
    ASSERT_EQ(d.at("annual").size(), 2u);
    EXPECT_EQ(d.at("annual")[1].at("year"), 2027);
    // The hour of a birth with an unknown hour has no 空亡 flag.
    const bool hourUnknown = parsed.at("pillars").at("hour").at("stem") == "□";
    EXPECT_EQ(d.at("pillars").at("hour").at("void").is_null(), hourUnknown);
    // The balance counts 8 characters (6), 12 with the hidden stems (9).
    EXPECT_EQ(Sum(d.at("fiveElements")), hourUnknown ? 6 : 8);
    EXPECT_EQ(Sum(d.at("fiveElementsWithHidden")), hourUnknown ? 9 : 12);
    EXPECT_EQ(Sum(d.at("yinYang")), hourUnknown ? 6 : 8);
    ExpectRelationContract(d.at("relations"), "", !hourUnknown);
    ASSERT_EQ(d.at("luck").at("relations").size(), 11u);
    for (const auto& list : d.at("luck").at("relations")) ExpectRelationContract(list, "luck", !hourUnknown);
    for (const auto& year : d.at("annual")) ExpectRelationContract(year.at("relations"), "annual", !hourUnknown);
  }
  EXPECT_GT(charts, 400);
}

// 月運 and 日運 are two more members of "details", before the boundaries,
// which gain the almanac instant; every other byte stays.
TEST(DetailsBatch, MonthlyAndDailyAddMembersOnly) {
  const ToolResult details = Batch({"--details"});
  const ToolResult more = Batch({"--details", "--monthly", "2027", "--daily", "2027-02"});
  EXPECT_EQ(more.exitCode, details.exitCode);
  const auto before = Lines(details.out);
  const auto after = Lines(more.out);
  ASSERT_EQ(before.size(), after.size());
  for (std::size_t i = 0; i < before.size(); ++i) {
    const auto parsed = nlohmann::json::parse(after[i]);
    if (parsed.contains("error")) continue;
    const std::size_t from = after[i].find(R"(,"monthly":)");
    const std::size_t to = after[i].find(R"(,"previousTerm":)");
    ASSERT_NE(from, std::string::npos);
    ASSERT_NE(to, std::string::npos);
    EXPECT_EQ(before[i].substr(0, from), after[i].substr(0, from)) << "line " << i + 1;
    EXPECT_EQ(before[i].substr(from), after[i].substr(to)) << "line " << i + 1;
    const auto& d = parsed.at("details");
    const bool hourUnknown = parsed.at("pillars").at("hour").at("stem") == "□";
    ASSERT_EQ(d.at("monthly").size(), 12u);
    EXPECT_EQ(d.at("monthly")[1].at("month"), "立春");
    EXPECT_EQ(d.at("monthly")[1].at("pillar"), "壬寅");
    ASSERT_EQ(d.at("daily").size(), 28u);
    EXPECT_EQ(d.at("daily")[27].at("date"), "2027-02-28");
    for (const char* list : {"monthly", "daily"}) {
      for (const auto& item : d.at(list)) ExpectRelationContract(item.at("relations"), list, !hourUnknown);
    }
    // The almanac instant lies within the time difference (at most 24 hours)
    // and the equation of time (under 17 minutes) of the chart's switch.
    for (const char* key : {"previousTerm", "nextTerm"}) {
      const auto& term = d.at(key);
      const auto minutes = [](const std::string& iso) {
        return std::stoi(iso.substr(8, 2)) * 1440 + std::stoi(iso.substr(11, 2)) * 60 + std::stoi(iso.substr(14, 2));
      };
      EXPECT_LT(std::abs(minutes(term.at("almanac")) - minutes(term.at("clockTime"))), 24 * 60 + 17) << term;
    }
  }
}

// The perpetual calendar of 2000: 立春 in the almanac and at a birthplace.
TEST(CalendarOption, YearOfTermsAndDays) {
  ToolRun run;
  run.args = {"--calendar", "2000"};
  const ToolResult zero = RunTool(run);
  ASSERT_EQ(zero.exitCode, 0) << zero.err;
  run.args = {"--calendar", "2000", "--jisa", "20:0"};
  const ToolResult east = RunTool(run);
  ASSERT_EQ(east.exitCode, 0) << east.err;
  const auto calendar = nlohmann::json::parse(zero.out);
  EXPECT_EQ(calendar.at("yearPillar"), "庚辰");
  ASSERT_EQ(calendar.at("terms").size(), 24u);
  const auto& risshun = calendar.at("terms")[2];
  EXPECT_EQ(risshun.at("term"), "立春");
  EXPECT_EQ(risshun.at("almanac").get<std::string>().substr(0, 16), "2000-02-04T21:40");
  EXPECT_EQ(risshun.at("chartSwitch"), "2000-02-04T21:57:34");
  EXPECT_EQ(risshun.at("monthPillar"), "戊寅");
  EXPECT_TRUE(calendar.at("terms")[3].at("monthPillar").is_null());
  EXPECT_EQ(nlohmann::json::parse(east.out).at("terms")[2].at("chartSwitch"), "2000-02-04T21:37:34");
  ASSERT_EQ(calendar.at("days").size(), 366u);
  EXPECT_EQ(calendar.at("days")[0], (nlohmann::json{{"date", "2000-01-01"}, {"weekday", "土"}, {"pillar", "戊午"}}));
}

TEST(DetailsText, AppendedAfterTheChartText) {
  ToolRun run;
  run.args = {"--now", "2026-12-07T12:00", "2000-01-01", "12:00"};
  const ToolResult plain = RunTool(run);
  run.args.insert(run.args.begin(), "--details");
  const ToolResult details = RunTool(run);
  ASSERT_EQ(plain.exitCode, 0);
  ASSERT_EQ(details.exitCode, 0);
  const std::string chart = plain.out.substr(0, plain.out.size() - 1);  // without the final line end
  ASSERT_EQ(details.out.substr(0, chart.size() + 4), chart + "\r\n\r\n");
  const std::string rest = details.out.substr(chart.size() + 4);
  EXPECT_TRUE(rest.starts_with("命式詳細")) << rest;
  EXPECT_NE(rest.find("空亡／子丑"), std::string::npos);
  EXPECT_NE(rest.find("\r\n納音　　　　天上火　天上火　澗下水　城頭土\r\n"), std::string::npos);
  EXPECT_EQ(rest.find("年運"), std::string::npos);
  EXPECT_TRUE(rest.ends_with("\n"));
}

}  // namespace
}  // namespace mireto::test
