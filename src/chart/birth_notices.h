// What a user should know about the birth time behind a chart: the summer-time
// reading taken, and how near the chart lies to the sectional term that
// changes its month pillar. Codes and Japanese messages for mireto-chart, and
// the questions and boxes of the desktop program.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "chart/chart.h"
#include "chart/summer_time.h"
#include "chart/term_boundary.h"

namespace mireto {

enum class NoticeCode {
  SummerTime,          // the clock time lies in summer time; computed as entered
  SummerTimeApplied,   // computed one hour earlier, as summer time
  SummerTimeRepeated,  // the clock time happened twice
  NearTermBoundary,    // the nearer boundary is under 60 minutes away
  TermOnBirthDay,      // hour unknown and a boundary falls on the birth date
};

// The code as mireto-chart writes it: summerTime, summerTimeApplied, ...
std::string_view NoticeCodeName(NoticeCode code);

struct Notice {
  NoticeCode code;
  std::string message;  // one Japanese sentence or two
  // For a boundary notice, what the desktop program's box adds: that the time
  // is the switch at this birthplace, and the almanac instant beside it.
  std::string clockNote = {};
};

inline constexpr double kNearBoundaryMinutes = 60;

// The boundary a notice may be about, solved only where one can be: a known
// hour within kHourMarginDegrees of a term and the month changing within an
// hour of the birth; an unknown one within kHalfDayMarginDegrees and the month
// changing within an hour of the birth date. Most charts are decided by the
// first comparison; none or one boundary is returned. decision.computed must
// be set (the chart is its chart).
std::vector<TermBoundary> BoundariesIfNear(const CalendarTables& tables, const SummerTimeDecision& decision,
                                           const Chart& chart);

// Both boundaries of a birth, always solved (the details), with their
// almanac instants; solved terms are reused from and kept in cache when given.
TermBoundaries BoundariesOf(const CalendarTables& tables, const SummerTimeDecision& decision, const Chart& chart,
                            TermCache* cache = nullptr);

// The notices of a chart computed for decision.computed, with the boundaries
// solved for it (those of BoundariesIfNear, or both of BoundariesOf).
std::vector<Notice> BirthNotices(const BirthInput& entered, const SummerTimeDecision& decision,
                                 const std::vector<TermBoundary>& boundaries);

// A boundary's clock time as the user reads it (summer-time clock under Apply).
ClockTime BoundaryClockTime(const TermBoundary& boundary, SummerTimeRule rule);

// Minutes rounded to 0.1 as mireto-chart writes them.
double RoundedMinutes(double minutes);

// The desktop program's texts.
inline constexpr std::string_view kSummerTimeQuestion =
    "この日時は夏時刻（サマータイム）の期間です。1時間戻した日本標準時で計算しますか？";
inline constexpr std::string_view kRepeatedTimeQuestion =
    "この日時は夏時刻（サマータイム）の終わりで2回ありました。どちらの時刻で計算しますか？";
inline constexpr std::string_view kRepeatedSummerChoice = "1回目（夏時刻）";
inline constexpr std::string_view kRepeatedStandardChoice = "2回目（日本標準時）";

// One line of the details: "立春　2024年2月4日17時45分12秒　出生の3日2時間12.3分前",
// and with the almanac instant "立春　この出生地での切り替え 2024年2月4日17時45分12秒
// （暦の節入り 17時27分0秒）　出生の…前" (the date too when it differs).
std::string BoundaryDetailText(const TermBoundary& boundary, SummerTimeRule rule);

// A distance in minutes as days, hours and minutes, without its sign, the
// minutes to a tenth: "12.3分", "5時間2.4分", "24日14時間2.4分".
std::string DurationText(double minutes);

// The summer-time decision in one line, e.g. "夏時刻の期間：1時間戻した日本標準時で計算".
std::string SummerTimeDecisionText(const SummerTimeDecision& decision);

}  // namespace mireto

namespace mireto {

// One birth from entry to chart: the summer-time decision under a rule, the
// chart of the birth it computes, the notices, and (when asked) both
// boundaries. A never-existing time under Apply gives no chart and the
// decision's message as the error.
struct BirthChart {
  SummerTimeDecision decision;
  ChartOrError result;
  std::vector<Notice> notices;
  std::optional<TermBoundaries> boundaries;  // with Boundaries::Solve only
};

// Whether ComputeBirthChart also solves the two boundaries around the birth
// (what the details and the boundary message need; the chart alone does not).
enum class Boundaries { Skip, Solve };

BirthChart ComputeBirthChart(const BirthInput& entered, SummerTimeRule rule, const CalendarTables& tables,
                             const LocalDateTime& now, Boundaries boundaries, TermCache* cache = nullptr);

}  // namespace mireto

namespace mireto {

// What 八字表示 asks before it computes a birth, by the kind of its clock time.
enum class BirthQuestion {
  None,           // standard time (or the hour unknown): compute at once
  SummerTime,     // kSummerTimeQuestion, はい / いいえ
  WhichRepeated,  // kRepeatedTimeQuestion, kRepeatedSummerChoice / kRepeatedStandardChoice
  NeverExisted,   // NeverExistedQuestion: はい computes it as entered (JST), いいえ shows no chart
};

BirthQuestion QuestionBeforeChart(const BirthInput& entered);

// The rule of an answer: はい, or the summer-time one of a repeated hour,
// reads the clock as summer time (Apply); いいえ or the JST one as entered.
SummerTimeRule RuleForAnswer(bool summerTimeChosen);

// Why a never-existing clock time gives no chart under Apply.
std::string NeverExistedText(const BirthInput& entered);

// The question for a never-existing clock time: why it never existed, and
// whether to compute it as entered in Japan Standard Time.
std::string NeverExistedQuestion(const BirthInput& entered);

// The rule of the answer to NeverExistedQuestion; nullopt (no chart) for いいえ.
std::optional<SummerTimeRule> RuleForNeverExisted(bool computeAsEntered);

// The information boxes to show after the chart, in order: the notice of a
// never-existing time computed as entered (as mireto-chart gives it), then
// the near boundary, or the term on the birth date of an unknown hour.
std::vector<std::string> InformationAfterChart(const BirthChart& birth);

}  // namespace mireto

namespace mireto {

// The birth-time section of the chart details: the summer-time decision taken
// and the two boundaries around the birth, one line each, as the details
// window shows them.
struct BirthTimeDetails {
  std::string summerTime;    // e.g. 夏時刻の期間：1時間戻した日本標準時で計算
  std::string previousTerm;  // e.g. 立春　1990年2月4日11時30分50秒　出生の12.3分前
  std::string nextTerm;
  bool operator==(const BirthTimeDetails&) const = default;
};

// What a boundary notice's box adds when the boundary holds its almanac instant.
std::string BoundaryClockNote(const TermBoundary& boundary);

// The section of a birth computed with Boundaries::Solve (nullopt otherwise).
std::optional<BirthTimeDetails> BirthTimeDetailsOf(const BirthChart& birth);

}  // namespace mireto
