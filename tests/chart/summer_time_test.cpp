// Japan's summer time 1948-1951: the clock readings at the edge of every
// period, the JST moment of a summer-time reading, and apply versus ignore on
// the same births.
#include "chart/summer_time.h"

#include <gtest/gtest.h>

#include <chrono>

#include "chart/birth_notices.h"
#include "test_support.h"

namespace mireto {
namespace {

using test::Birth;
using test::Compute;

// The periods as the tz database gives them in UTC (zone Asia/Tokyo): summer
// time from the first instant to the second.
struct UtcPeriod {
  ClockTime startUtc;
  ClockTime endUtc;
};

constexpr UtcPeriod kUtcPeriods[] = {
    {{1948, 5, 1, 15, 0, 0}, {1948, 9, 11, 15, 0, 0}},
    {{1949, 4, 2, 15, 0, 0}, {1949, 9, 10, 15, 0, 0}},
    {{1950, 5, 6, 15, 0, 0}, {1950, 9, 9, 15, 0, 0}},
    {{1951, 5, 5, 15, 0, 0}, {1951, 9, 8, 15, 0, 0}},
};

ClockTime Shifted(const ClockTime& t, std::int64_t seconds) { return FromClockSeconds(ClockSeconds(t) + seconds); }

constexpr std::int64_t kMinute = 60;
constexpr std::int64_t kJst = 9 * kSecondsPerHour;

class SummerTimeEdges : public ::testing::TestWithParam<UtcPeriod> {};

// The first and last minute on each side of each start and end, read on the clock.
TEST_P(SummerTimeEdges, ClockReadingsAroundStartAndEnd) {
  const ClockTime start = Shifted(GetParam().startUtc, kJst);  // Sunday 00:00 JST
  const ClockTime end = Shifted(GetParam().endUtc, kJst);
  const struct {
    ClockTime clock;
    ClockKind kind;
  } cases[] = {
      {Shifted(start, -kMinute), ClockKind::Standard},  // Saturday 23:59
      {start, ClockKind::NeverExisted},                 // 00:00 skipped
      {Shifted(start, 59 * kMinute), ClockKind::NeverExisted},
      {Shifted(start, 60 * kMinute), ClockKind::Summer},  // 01:00, the first summer minute
      {Shifted(end, -kMinute), ClockKind::Summer},        // Saturday 23:59
      {end, ClockKind::Repeated},                         // 00:00 shown twice
      {Shifted(end, 59 * kMinute), ClockKind::Repeated},
      {Shifted(end, 60 * kMinute), ClockKind::Standard},  // 01:00 JST
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ClassifyClockTime(c.clock), c.kind) << IsoText(c.clock);
  }
  // Both changes fall on a Sunday.
  using namespace std::chrono;
  for (const ClockTime& t : {start, end}) {
    const sys_days day{year{t.year} / t.month / t.day};
    EXPECT_EQ(weekday{day}, Sunday) << IsoText(t);
  }
}

// The clock people read at a JST moment: an hour ahead inside the period only.
TEST_P(SummerTimeEdges, CivilClockOfJstMoments) {
  const ClockTime start = Shifted(GetParam().startUtc, kJst);
  const ClockTime end = Shifted(GetParam().endUtc, kJst);
  EXPECT_EQ(CivilClockTime(Shifted(start, -1)), Shifted(start, -1));
  EXPECT_EQ(CivilClockTime(start), Shifted(start, kSecondsPerHour));
  EXPECT_EQ(CivilClockTime(Shifted(end, -1)), Shifted(end, kSecondsPerHour - 1));
  EXPECT_EQ(CivilClockTime(end), end);
  // Every summer clock reading goes back to the moment it came from.
  for (const ClockTime& jst : {start, Shifted(end, -kMinute)}) {
    const ClockTime clock = CivilClockTime(jst);
    EXPECT_NE(ClassifyClockTime(clock), ClockKind::Standard) << IsoText(clock);
    EXPECT_EQ(ClockSeconds(clock) - kSecondsPerHour, ClockSeconds(jst));
  }
}

INSTANTIATE_TEST_SUITE_P(Periods, SummerTimeEdges, ::testing::ValuesIn(kUtcPeriods));

TEST(SummerTime, OutsideThePeriodsEverythingIsStandard) {
  for (const ClockTime t : {ClockTime{1947, 7, 1, 12, 0, 0}, ClockTime{1952, 7, 1, 12, 0, 0},
                            ClockTime{1948, 12, 1, 0, 30, 0}, ClockTime{1990, 5, 3, 0, 30, 0}}) {
    EXPECT_EQ(ClassifyClockTime(t), ClockKind::Standard) << IsoText(t);
  }
}

// One birth under both rules: what is computed, what is refused, which notices.
struct RuleCase {
  const char* name;
  BirthInput entered;
  ClockKind kind;
  std::optional<BirthInput> appliedAs;  // the JST birth under Apply; nullopt: refused
  std::vector<NoticeCode> ignoreNotices;
  std::vector<NoticeCode> applyNotices;
};

std::vector<NoticeCode> Codes(const std::vector<Notice>& notices) {
  std::vector<NoticeCode> codes;
  for (const Notice& n : notices) codes.push_back(n.code);
  return codes;
}

// clang-format off
const RuleCase kRuleCases[] = {
    {"summer", Birth(1948, 5, 2, 10, 0), ClockKind::Summer, Birth(1948, 5, 2, 9, 0),
     {NoticeCode::SummerTime}, {NoticeCode::SummerTimeApplied}},
    {"summerAcrossMidnight", Birth(1949, 6, 1, 0, 30, "-20", "15"), ClockKind::Summer,
     Birth(1949, 5, 31, 23, 30, "-20", "15"), {NoticeCode::SummerTime},
     {NoticeCode::SummerTimeApplied}},
    {"summerMinuteUnknown", Birth(1950, 7, 1, 0, std::nullopt), ClockKind::Summer,
     Birth(1950, 6, 30, 23, std::nullopt), {NoticeCode::SummerTime},
     {NoticeCode::SummerTimeApplied}},
    {"neverExisted", Birth(1951, 5, 6, 0, 30), ClockKind::NeverExisted, std::nullopt,
     {NoticeCode::SummerTime}, {}},
    {"repeated", Birth(1950, 9, 10, 0, 45), ClockKind::Repeated, Birth(1950, 9, 9, 23, 45),
     {NoticeCode::SummerTimeRepeated},
     {NoticeCode::SummerTimeRepeated, NoticeCode::SummerTimeApplied}},
    {"standardAfterEnd", Birth(1950, 9, 10, 1, 0), ClockKind::Standard, Birth(1950, 9, 10, 1, 0),
     {}, {}},
    {"hourUnknown", Birth(1948, 7, 1, std::nullopt, std::nullopt), ClockKind::Standard,
     Birth(1948, 7, 1, std::nullopt, std::nullopt), {}, {}},
    {"noSuchDate", Birth(1948, 6, 31, 10, 0), ClockKind::Standard, Birth(1948, 6, 31, 10, 0),
     {}, {}},
};
// clang-format on

class SummerTimeRules : public ::testing::TestWithParam<RuleCase> {};

TEST_P(SummerTimeRules, IgnoreComputesAsEnteredApplyOneHourEarlier) {
  const RuleCase& c = GetParam();
  const SummerTimeDecision ignore = DecideSummerTime(c.entered, SummerTimeRule::Ignore);
  const SummerTimeDecision apply = DecideSummerTime(c.entered, SummerTimeRule::Apply);
  EXPECT_EQ(ignore.kind, c.kind);
  EXPECT_EQ(apply.kind, c.kind);

  ASSERT_TRUE(ignore.computed);
  EXPECT_EQ(ComputedClockTime(*ignore.computed), ComputedClockTime(c.entered));
  EXPECT_EQ(Codes(BirthNotices(c.entered, ignore, {})), c.ignoreNotices);

  ASSERT_EQ(apply.computed.has_value(), c.appliedAs.has_value());
  if (!c.appliedAs) {
    EXPECT_NE(apply.error.find("存在しない時刻"), std::string::npos) << apply.error;
    return;
  }
  EXPECT_EQ(ComputedClockTime(*apply.computed), ComputedClockTime(*c.appliedAs));
  EXPECT_EQ(apply.computed->hour.has_value(), c.appliedAs->hour.has_value());
  EXPECT_EQ(apply.computed->minute.has_value(), c.appliedAs->minute.has_value());
  EXPECT_EQ(apply.computed->jisaMinutesText, c.entered.jisaMinutesText);
  EXPECT_EQ(Codes(BirthNotices(c.entered, apply, {})), c.applyNotices);
}

// The chart under Apply is the chart of the JST moment; a shifted hour across
// midnight moves the day pillar with it.
TEST_P(SummerTimeRules, ChartUnderApplyIsTheChartOfTheJstMoment) {
  const RuleCase& c = GetParam();
  const SummerTimeDecision apply = DecideSummerTime(c.entered, SummerTimeRule::Apply);
  if (!apply.computed || !c.appliedAs) GTEST_SKIP() << "refused under Apply";
  const auto viaRule = ComputeChart(*apply.computed, test::Tables(), test::kNow);
  const auto direct = ComputeChart(*c.appliedAs, test::Tables(), test::kNow);
  ASSERT_EQ(viaRule.chart.has_value(), direct.chart.has_value());
  if (!direct.chart) {
    EXPECT_EQ(viaRule.error, direct.error);
    return;
  }
  EXPECT_EQ(viaRule.chart->display.trueSolarTime, direct.chart->display.trueSolarTime);
  EXPECT_EQ(viaRule.chart->record.stems, direct.chart->record.stems);
  EXPECT_EQ(viaRule.chart->record.branches, direct.chart->record.branches);
}

INSTANTIATE_TEST_SUITE_P(Births, SummerTimeRules, ::testing::ValuesIn(kRuleCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SummerTime, AppliedDayPillarIsThePreviousDay) {
  const BirthInput entered = Birth(1949, 6, 1, 0, 30);
  const Chart asEntered = Compute(*DecideSummerTime(entered, SummerTimeRule::Ignore).computed);
  const Chart applied = Compute(*DecideSummerTime(entered, SummerTimeRule::Apply).computed);
  EXPECT_EQ(asEntered.record.stems[Pillar::Day].next(-1), applied.record.stems[Pillar::Day]);
  EXPECT_EQ(asEntered.record.branches[Pillar::Day].next(-1), applied.record.branches[Pillar::Day]);
}

TEST(SummerTime, DecisionTextsNameTheReading) {
  const BirthInput repeated = Birth(1948, 9, 12, 0, 10);
  EXPECT_NE(SummerTimeDecisionText(DecideSummerTime(repeated, SummerTimeRule::Apply)).find("1回目"), std::string::npos);
  EXPECT_NE(SummerTimeDecisionText(DecideSummerTime(repeated, SummerTimeRule::Ignore)).find("2回目"),
            std::string::npos);
  EXPECT_NE(SummerTimeDecisionText(DecideSummerTime(Birth(1990, 1, 1, 1, 0), SummerTimeRule::Apply)).find("該当なし"),
            std::string::npos);
}

}  // namespace
}  // namespace mireto
