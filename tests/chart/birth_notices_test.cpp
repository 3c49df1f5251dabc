// One birth from entry to chart with its notices: the quick path (a boundary
// solved only near a term) says exactly what the full path (both boundaries
// solved) says; the desktop program's questions by kind of clock time.
#include "chart/birth_notices.h"

#include <gtest/gtest.h>

#include "chart/text_format.h"
#include "test_support.h"

namespace mireto {
namespace {

using test::Birth;
using test::Tables;

BirthInput BirthAt(const ClockTime& t, bool hourKnown, const char* jisaMinutes) {
  return Birth(t.year, t.month, t.day, hourKnown ? std::optional<int>(t.hour) : std::nullopt,
               hourKnown ? std::optional<int>(t.minute) : std::nullopt, jisaMinutes, "0");
}

std::vector<std::pair<NoticeCode, std::string>> Said(const BirthChart& b) {
  std::vector<std::pair<NoticeCode, std::string>> said;
  for (const Notice& n : b.notices) said.emplace_back(n.code, n.message);
  return said;
}

// Births at many distances from a boundary, both rules, hour known and unknown.
TEST(BirthChart, QuickNoticesEqualThoseOfBothBoundaries) {
  // clang-format off
  const std::int64_t offsetsMinutes[] = {0,   1,   -1,  30,   -30,  59,   -59,  60,  -60,
                                         61,  -61, 90,  -180, 600,  -700, 780,  -780, 1500};
  const struct {
    ClockTime nearTerm;
    const char* jisa;
  } terms[] = {{{1990, 2, 4, 11, 0, 0}, "0"},     {{1949, 6, 6, 12, 0, 0}, "-20"},
               {{1851, 1, 6, 12, 0, 0}, "+19"},   {{2079, 12, 7, 12, 0, 0}, "-1"},
               {{1948, 9, 8, 12, 0, 0}, "+5"}};
  // clang-format on
  int nearCount = 0, onDayCount = 0;
  for (const auto& term : terms) {
    const BirthInput probe = BirthAt(term.nearTerm, true, term.jisa);
    const BirthChart anchor = ComputeBirthChart(probe, SummerTimeRule::Ignore, Tables(), test::kNow, Boundaries::Solve);
    ASSERT_TRUE(anchor.boundaries);
    const TermBoundary& b = anchor.boundaries->nearer();
    for (const std::int64_t minutes : offsetsMinutes) {
      const ClockTime t = FromClockSeconds(ClockSeconds(b.clockTime) - b.clockTime.second + minutes * 60);
      for (const bool hourKnown : {true, false}) {
        for (const SummerTimeRule rule : {SummerTimeRule::Ignore, SummerTimeRule::Apply}) {
          const BirthInput in = BirthAt(t, hourKnown, term.jisa);
          const BirthChart quick = ComputeBirthChart(in, rule, Tables(), test::kNow, Boundaries::Skip);
          const BirthChart full = ComputeBirthChart(in, rule, Tables(), test::kNow, Boundaries::Solve);
          ASSERT_EQ(quick.result.chart.has_value(), full.result.chart.has_value());
          EXPECT_EQ(Said(quick), Said(full)) << IsoText(t) << (hourKnown ? "" : " hour unknown");
          for (const Notice& n : full.notices) {
            nearCount += n.code == NoticeCode::NearTermBoundary;
            onDayCount += n.code == NoticeCode::TermOnBirthDay;
          }
        }
      }
    }
  }
  EXPECT_GT(nearCount, 20);  // the table reaches both sides of the 60 minutes
  EXPECT_GT(onDayCount, 10);
}

TEST(BirthChart, NeverExistedUnderApplyGivesNoChart) {
  const BirthInput in = Birth(1949, 4, 3, 0, 15);
  const BirthChart apply = ComputeBirthChart(in, SummerTimeRule::Apply, Tables(), test::kNow, Boundaries::Solve);
  EXPECT_FALSE(apply.result.chart);
  EXPECT_EQ(apply.result.error, NeverExistedText(in));
  EXPECT_NE(apply.result.error.find("1949年4月3日0時15分"), std::string::npos);
  const BirthChart ignore = ComputeBirthChart(in, SummerTimeRule::Ignore, Tables(), test::kNow, Boundaries::Solve);
  ASSERT_TRUE(ignore.result.chart);
  ASSERT_FALSE(ignore.notices.empty());
  EXPECT_EQ(ignore.notices.front().code, NoticeCode::SummerTime);
}

TEST(BirthQuestions, ByKindOfClockTime) {
  const struct {
    BirthInput in;
    BirthQuestion question;
  } cases[] = {
      {Birth(1948, 5, 2, 10, 0), BirthQuestion::SummerTime},
      {Birth(1948, 5, 2, 0, 59), BirthQuestion::NeverExisted},
      {Birth(1948, 9, 12, 0, 0), BirthQuestion::WhichRepeated},
      {Birth(1948, 9, 12, 1, 0), BirthQuestion::None},
      {Birth(1948, 7, 1, std::nullopt, std::nullopt), BirthQuestion::None},
      {Birth(1948, 7, 1, 10, std::nullopt), BirthQuestion::SummerTime},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(QuestionBeforeChart(c.in), c.question) << IsoText(ComputedClockTime(c.in));
  }
  EXPECT_EQ(RuleForAnswer(true), SummerTimeRule::Apply);
  EXPECT_EQ(RuleForAnswer(false), SummerTimeRule::Ignore);
}

TEST(BirthQuestions, InformationAfterChartIsTheBoundaryNoticeOnly) {
  // A summer-time birth under a minute after 芒種 1949: two notices, one box.
  const BirthChart anchor =
      ComputeBirthChart(Birth(1949, 6, 6, 12, 0), SummerTimeRule::Apply, Tables(), test::kNow, Boundaries::Solve);
  const TermBoundary& b = anchor.boundaries->nearer();
  ASSERT_EQ(b.term, "芒種");
  const ClockTime civil = BoundaryClockTime(b, SummerTimeRule::Apply);
  const ClockTime born = FromClockSeconds(ClockSeconds(civil) + 60 - civil.second);
  const BirthChart birth =
      ComputeBirthChart(BirthAt(born, true, "0"), SummerTimeRule::Apply, Tables(), test::kNow, Boundaries::Skip);
  ASSERT_EQ(birth.notices.size(), 2u);
  EXPECT_EQ(birth.notices[0].code, NoticeCode::SummerTimeApplied);
  const std::vector<std::string> boxes = InformationAfterChart(birth);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_NE(boxes[0].find("芒種の節入り（" + JapaneseText(civil) + "）"), std::string::npos) << boxes[0];
  EXPECT_NE(boxes[0].find("分後の生まれ"), std::string::npos);
  // The box says which clock the time is in and gives the almanac's instant;
  // the notice's own message (mireto-chart's) does not change.
  ASSERT_TRUE(b.almanac);
  EXPECT_NE(boxes[0].find("この出生地の真太陽時"), std::string::npos);
  EXPECT_NE(boxes[0].find("暦に載る芒種は" + JapaneseText(*b.almanac) + "（日本標準時）"), std::string::npos);
  EXPECT_EQ(birth.notices[1].message.find("真太陽時"), std::string::npos);
}

}  // namespace
}  // namespace mireto

namespace mireto {
namespace {

// Distances to a boundary in days, hours and minutes.
TEST(BirthTimeDetails, DistancesReadInDaysHoursAndMinutes) {
  EXPECT_EQ(DurationText(12.3), "12.3分");
  EXPECT_EQ(DurationText(-59.96), "1時間0.0分");
  EXPECT_EQ(DurationText(302.4), "5時間2.4分");
  EXPECT_EQ(DurationText(35402.4), "24日14時間2.4分");
  EXPECT_EQ(DurationText(1440), "1日0時間0.0分");
}

// The details section: the decision and both boundaries, each distance the
// birth's from the boundary it names.
TEST(BirthTimeDetails, DecisionAndBothBoundaries) {
  const BirthChart birth = ComputeBirthChart(test::Birth(1949, 6, 20, 10, 0), SummerTimeRule::Apply, test::Tables(),
                                             test::kNow, Boundaries::Solve);
  const auto details = BirthTimeDetailsOf(birth);
  ASSERT_TRUE(details);
  EXPECT_EQ(details->summerTime, "夏時刻の期間：1時間戻した日本標準時で計算");
  const TermBoundary& previous = birth.boundaries->previous;
  const TermBoundary& next = birth.boundaries->next;
  EXPECT_EQ(previous.term, "芒種");
  EXPECT_EQ(next.term, "小暑");
  // 芒種 1949 fell in summer time: the line gives the summer-time clock.
  const ClockTime civil = BoundaryClockTime(previous, SummerTimeRule::Apply);
  EXPECT_EQ(ClockSeconds(civil) - ClockSeconds(previous.clockTime), kSecondsPerHour);
  // The switch at this birthplace, the almanac's JST instant beside it.
  ASSERT_TRUE(previous.almanac);
  EXPECT_EQ(details->previousTerm,
            "芒種　この出生地での切り替え " + JapaneseText(civil) + "（暦の節入り " +
                std::to_string(previous.almanac->hour) + "時" + std::to_string(previous.almanac->minute) + "分" +
                std::to_string(previous.almanac->second) + "秒）　出生の" + DurationText(previous.minutes) + "前");
  EXPECT_NE(details->nextTerm.find("分後"), std::string::npos);
  const BirthChart quick = ComputeBirthChart(test::Birth(1949, 6, 20, 10, 0), SummerTimeRule::Apply, test::Tables(),
                                             test::kNow, Boundaries::Skip);
  EXPECT_FALSE(BirthTimeDetailsOf(quick));
}

}  // namespace
}  // namespace mireto
