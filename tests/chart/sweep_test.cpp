// Every date from 1800-01-01 to 2080-12-31 through ComputeChart, with
// invariants that any correct chart satisfies. The quick sweep runs in
// `make test`; the full grid (every date x five times x both sexes x five
// time differences) is DISABLED_ and runs with --gtest_also_run_disabled_tests.
#include <regex>

#include <gtest/gtest.h>

#include "core/calendar.h"
#include "core/cycles.h"
#include "core/sun.h"
#include "test_support.h"

namespace mireto {
namespace {

struct ClockTime {
  std::optional<int> hour, minute;
};
const ClockTime kTimes[] = {{std::nullopt, std::nullopt}, {0, 0}, {12, 0}, {23, 59}, {7, 30}};
const std::pair<const char*, const char*> kDifferences[] = {{"-54", "24"},
                                                            {"-49", "59"},
                                                            {"-0", "51"},
                                                            {"0", "0"},
                                                            {"48", "59"}};

using test::BranchNamed;
using test::StemNamed;

// A stem and a branch form a pair of the sexagenary cycle when their parities agree.
::testing::AssertionResult ValidPair(const std::string& stem, const std::string& branch) {
  const Stem s = StemNamed(stem);
  const Branch b = BranchNamed(branch);
  if ((s.index - b.index) % 2 != 0) {
    return ::testing::AssertionFailure() << stem << branch << " is not a cycle pair";
  }
  return ::testing::AssertionSuccess();
}

// Checks everything that must hold of one chart; returns the first failure.
::testing::AssertionResult Invariants(const BirthInput& in, const Chart& c) {
  static const std::regex kinjisa(R"(^[+-]\d+分\d{1,2}\.\d秒$)");
  static const std::regex shin(R"(^\d{4}年\d{1,2}月\d{1,2}日(\d{1,2}時\d{1,2}\.\d分|確定不能)$)");
  static const std::regex koutai(R"(^約\d+歳\d+カ月\d+日$)");
  const ChartRecord& r = c.record;
  const ChartDisplay& d = c.display;
  auto fail = [&](const std::string& what) {
    return ::testing::AssertionFailure() << what << " for " << in.year << "-" << in.month << "-" << in.day << " "
                                         << in.hour.value_or(-1) << ":" << in.minute.value_or(-1) << " "
                                         << in.jisaMinutesText << ":" << in.jisaSecondsText;
  };
  if (!(r.sunLongitude >= 0 && r.sunLongitude < 360)) return fail("longitude out of range");
  if (!(r.trueSolarTime.minute >= 0 && r.trueSolarTime.minute < 60) || r.trueSolarTime.hour < 0 ||
      r.trueSolarTime.hour > 23)
    return fail("clock");
  const TrueSolarTime& ts = r.trueSolarTime;
  if (ts.month < 1 || ts.month > 12 || ts.day < 1 || ts.day > MonthLengths(ts.year)[ts.month]) {
    return fail("true solar date");
  }
  // The longitude lies in the solar month's 30 degrees from its sectional term.
  const double into = ReduceAngle(r.sunLongitude - SolarTermLongitude(r.solarMonth, 0));
  if (!(into >= 0 && into < 30)) return fail("solar month does not match the longitude");
  for (Pillar p : kPillars) {
    if (p == Pillar::Hour && !in.hour) continue;
    if (auto ok = ValidPair(d.stems[p], d.branches[p]); !ok) return fail(ok.message());
    StemNamed(d.hiddenStems[p]);  // throws for anything but a stem
  }
  if (!in.hour &&
      (d.stems[Pillar::Hour] != "□" || d.branches[Pillar::Hour] != "□" || d.hiddenStems[Pillar::Hour] != "□")) {
    return fail("□");
  }
  const int step = r.forward ? 1 : -1;
  for (int i = 0; i < 11; ++i) {
    if (auto ok = ValidPair(d.luckStems[i], d.luckBranches[i]); !ok) return fail(ok.message());
    if (i > 0 && StemNamed(d.luckStems[i - 1]).next(step) != StemNamed(d.luckStems[i])) {
      return fail("luck stems do not step by one");
    }
    if (i > 0 && BranchNamed(d.luckBranches[i - 1]).next(step) != BranchNamed(d.luckBranches[i])) {
      return fail("luck branches do not step by one");
    }
  }
  if (d.luckStems[0] != d.stems[Pillar::Month] || d.luckBranches[0] != d.branches[Pillar::Month])
    return fail("column 0 is not the month");
  for (int i = 1; i < 10; ++i) {
    if (std::stoi(d.luckFirstAges[i]) != std::stoi(d.luckFirstAges[i - 1]) + 10) return fail("ages");
  }
  if (!std::regex_match(d.equationOfTime, kinjisa)) return fail("txtKinjisa " + d.equationOfTime);
  if (!std::regex_match(d.trueSolarTime, shin)) return fail("txtShin " + d.trueSolarTime);
  if (!std::regex_match(d.luckStartAge, koutai)) return fail("txtKoutai " + d.luckStartAge);
  if (d.equationOfTime.find("60.0") != std::string::npos || d.trueSolarTime.find("60.0") != std::string::npos) {
    return fail("60.0 shown");
  }
  if (d.luckChange.size() != 12 || d.luckChange.find("年") != 3) return fail("txtKoutaiYM");
  return ::testing::AssertionSuccess();
}

template <typename Visit>
void ForEachDate(Visit visit) {
  for (int y = 1800; y <= 2080; ++y) {
    const MonthLengthTable lengths = MonthLengths(y);
    for (int m = 1; m <= 12; ++m) {
      for (int d = 1; d <= lengths[m]; ++d) visit(y, m, d);
    }
  }
}

TEST(Sweep, EveryDateWithRotatingTimesSexesAndDifferences) {
  long index = 0;
  int failures = 0;
  ForEachDate([&](int y, int m, int d) {
    const ClockTime& t = kTimes[index % 5];
    const auto& [minutes, seconds] = kDifferences[(index / 5) % 5];
    const BirthInput in = test::Birth(y, m, d, t.hour, t.minute, minutes, seconds, index % 2 ? Sex::Male : Sex::Female);
    ++index;
    const auto result = ComputeChart(in, test::Tables(), test::kNow);
    if (!result.chart) {
      ADD_FAILURE() << result.error;
      ++failures;
      return;
    }
    const auto ok = Invariants(in, *result.chart);
    if (!ok && ++failures <= 10) ADD_FAILURE() << ok.message();
  });
  EXPECT_EQ(index, 102634);  // days from 1800-01-01 to 2080-12-31
  EXPECT_EQ(failures, 0);
}

TEST(Sweep, DayPillarAdvancesOneCycleStepPerDay) {
  // At noon with no time difference the true solar date is the entered date.
  int previous = 0;
  int failures = 0;
  ForEachDate([&](int y, int m, int d) {
    const Chart c = test::Compute(test::Birth(y, m, d, 12, 0));
    const int n = CycleOf(c.record.stems[Pillar::Day], c.record.branches[Pillar::Day]).value;
    if (previous != 0 && n != previous % 60 + 1 && ++failures <= 10) {
      ADD_FAILURE() << y << "-" << m << "-" << d << ": day cycle " << previous << " -> " << n;
    }
    previous = n;
  });
  EXPECT_EQ(failures, 0);
}

TEST(Sweep, DISABLED_FullGrid) {
  long count = 0;
  ForEachDate([&](int y, int m, int d) {
    for (const ClockTime& t : kTimes) {
      for (const auto& [minutes, seconds] : kDifferences) {
        for (Sex sex : {Sex::Female, Sex::Male}) {
          const BirthInput in = test::Birth(y, m, d, t.hour, t.minute, minutes, seconds, sex);
          const auto result = ComputeChart(in, test::Tables(), test::kNow);
          ASSERT_TRUE(result.chart) << result.error;
          ASSERT_TRUE(Invariants(in, *result.chart));
          ++count;
        }
      }
    }
  });
  EXPECT_EQ(count, 102634L * 50);
}

}  // namespace
}  // namespace mireto
