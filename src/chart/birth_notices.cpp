#include "chart/birth_notices.h"

#include <array>
#include <cmath>

#include "chart/text_format.h"
#include "core/cycles.h"

namespace mireto {

namespace {

struct NoticeCodeRow {
  NoticeCode code;
  std::string_view name;
};

constexpr auto kNoticeCodes = std::to_array<NoticeCodeRow>({
    {NoticeCode::SummerTime, "summerTime"},
    {NoticeCode::SummerTimeApplied, "summerTimeApplied"},
    {NoticeCode::SummerTimeRepeated, "summerTimeRepeated"},
    {NoticeCode::NearTermBoundary, "nearTermBoundary"},
    {NoticeCode::TermOnBirthDay, "termOnBirthDay"},
});

std::string CycleName(int cycleNumber) {
  const CycleNumber n{cycleNumber};
  return std::string(n.stem().name()) + std::string(n.branch().name());
}

// "乙丑" for a month, "癸卯年乙丑月" when the term is 立春 and the year changes too.
std::string PillarsText(const ChartMonth& side, bool withYear) {
  if (!withYear) return CycleName(side.monthCycle());
  return CycleName(side.yearCycle()) + "年" + CycleName(side.monthCycle()) + "月";
}

bool ChangesYear(const TermBoundary& b) { return b.before.pillarYear != b.after.pillarYear; }

// "1948年5月2日9時0分", or "9時頃" when the minute is unknown.
std::string EnteredTimeText(const BirthInput& in) {
  std::string text = FormatInteger(in.year) + "年" + FormatInteger(in.month) + "月" + FormatInteger(in.day) + "日" +
                     FormatInteger(in.hour.value_or(12)) + "時";
  return text + (in.minute ? FormatInteger(*in.minute) + "分" : "頃");
}

std::string TimeOfDayText(const ClockTime& t) {
  return FormatInteger(t.hour) + "時" + FormatInteger(t.minute) + "分" + FormatInteger(t.second) + "秒";
}

std::string MinutesText(double minutes) { return FormatOneDecimal(std::fabs(RoundedMinutes(minutes))) + "分"; }

void AddSummerTimeNotices(const SummerTimeDecision& d, std::vector<Notice>& out) {
  const bool applied = d.reading == ClockReading::SummerTime && d.computed;
  switch (d.kind) {
    case ClockKind::Standard: return;
    case ClockKind::Summer:
      if (!applied) {
        out.push_back({NoticeCode::SummerTime,
                       "入力の日時は夏時刻（サマータイム）の期間です。入力どおり日本標準時として計算しました。"});
      }
      break;
    case ClockKind::NeverExisted:
      out.push_back({NoticeCode::SummerTime,
                     "入力の時刻は夏時刻（サマータイム）の始まりで時計が進められたため存在しません。"
                     "入力どおり日本標準時として計算しました。"});
      break;
    case ClockKind::Repeated:
      out.push_back(
          {NoticeCode::SummerTimeRepeated,
           applied
               ? "入力の時刻は夏時刻（サマータイム）の終わりで2回ありました。1回目（夏時刻）として計算しました。"
               : "入力の時刻は夏時刻（サマータイム）の終わりで2回ありました。2回目（日本標準時）として計算しました。"});
      break;
  }
  if (applied) {
    out.push_back({NoticeCode::SummerTimeApplied, "夏時刻（サマータイム）の期間のため、1時間戻した日本標準時の" +
                                                      EnteredTimeText(*d.computed) + "で計算しました。"});
  }
}

std::string NearBoundaryMessage(const TermBoundary& b, SummerTimeRule rule) {
  const bool bornAfter = b.minutes > 0;
  const std::string where = std::string(b.term) + "の節入り（" + JapaneseText(BoundaryClockTime(b, rule)) + "）の" +
                            MinutesText(b.minutes) + (bornAfter ? "後" : "前") + "の生まれです。";
  const ChartMonth& otherSide = bornAfter ? b.before : b.after;
  const bool withYear = ChangesYear(b);
  return where + (bornAfter ? "節入り前" : "節入り後") + "なら" + (withYear ? "年柱・月柱は" : "月柱は") +
         PillarsText(otherSide, withYear) + "です。";
}

std::string TermOnBirthDayMessage(const TermBoundary& b, SummerTimeRule rule) {
  const bool withYear = ChangesYear(b);
  return "出生日の" + TimeOfDayText(BoundaryClockTime(b, rule)) + "に" + std::string(b.term) +
         "の節入りがあり、出生時刻によって" + (withYear ? "年柱・月柱" : "月柱") + "が変わります（節入り前は" +
         PillarsText(b.before, withYear) + "、後は" + PillarsText(b.after, withYear) + "）。";
}

bool OnDate(const ClockTime& t, const BirthInput& in) {
  return t.year == in.year && t.month == in.month && t.day == in.day;
}

}  // namespace

std::string_view NoticeCodeName(NoticeCode code) {
  for (const NoticeCodeRow& row : kNoticeCodes) {
    if (row.code == code) return row.name;
  }
  return {};
}

double RoundedMinutes(double minutes) {
  const double rounded = std::round(minutes * 10) / 10;
  return rounded == 0 ? 0.0 : rounded;  // never -0.0
}

ClockTime BoundaryClockTime(const TermBoundary& boundary, SummerTimeRule rule) {
  return ClockUnder(rule, boundary.clockTime);
}

TermBoundaries BoundariesOf(const CalendarTables& tables, const SummerTimeDecision& decision, const Chart& chart,
                            TermCache* cache) {
  TermCache local;
  return FindTermBoundaries(tables, ComputedClockTime(*decision.computed), chart.record,
                            cache != nullptr ? *cache : local);
}

std::vector<TermBoundary> BoundariesIfNear(const CalendarTables& tables, const SummerTimeDecision& decision,
                                           const Chart& chart) {
  const BirthInput& in = *decision.computed;
  const ChartRecord& r = chart.record;
  const double margin = in.hour ? kHourMarginDegrees : kHalfDayMarginDegrees;
  if (DegreesFromSectionalTerm(r.sunLongitude) > margin) return {};
  // At most one boundary lies this close; the month an hour past either end
  // of the span says on which side, if any.
  const ClockTime birth = ComputedClockTime(in);
  const std::int64_t birthSeconds = ClockSeconds(birth);
  std::int64_t first = birthSeconds - kSecondsPerHour;
  std::int64_t last = birthSeconds + kSecondsPerHour;
  if (!in.hour) {
    first = ClockSeconds({in.year, in.month, in.day, 0, 0, 0}) - kSecondsPerHour;
    last = first + kSecondsPerDay + 2 * kSecondsPerHour;
  }
  const auto monthAt = [&](std::int64_t s) {
    return ChartMonthAt(tables, static_cast<double>(s), r.timeDifferenceDays).solarMonth;
  };
  const auto withAlmanac = [&](TermBoundary b) {
    b.almanac = AlmanacTerm(tables, b.clockTime.year, SectionalTermIndex(b.solarMonth)).jst;
    return std::vector<TermBoundary>{b};
  };
  if (monthAt(first) != r.solarMonth) {
    return withAlmanac(FindTermBoundary(tables, birth, r, BoundarySide::Previous));
  }
  if (monthAt(last) != r.solarMonth) return withAlmanac(FindTermBoundary(tables, birth, r, BoundarySide::Next));
  return {};
}

std::vector<Notice> BirthNotices(const BirthInput& entered, const SummerTimeDecision& decision,
                                 const std::vector<TermBoundary>& boundaries) {
  std::vector<Notice> notices;
  AddSummerTimeNotices(decision, notices);
  if (boundaries.empty()) return notices;
  if (entered.hour) {
    const TermBoundary* nearest = &boundaries.front();
    for (const TermBoundary& b : boundaries) {
      if (std::fabs(b.minutes) < std::fabs(nearest->minutes)) nearest = &b;
    }
    if (std::fabs(nearest->minutes) < kNearBoundaryMinutes) {
      notices.push_back(
          {NoticeCode::NearTermBoundary, NearBoundaryMessage(*nearest, decision.rule), BoundaryClockNote(*nearest)});
    }
    return notices;
  }
  for (const TermBoundary& b : boundaries) {
    if (OnDate(BoundaryClockTime(b, decision.rule), entered)) {
      notices.push_back({NoticeCode::TermOnBirthDay, TermOnBirthDayMessage(b, decision.rule), BoundaryClockNote(b)});
    }
  }
  return notices;
}

std::string DurationText(double minutes) {
  constexpr long long kTenthsPerHour = 600;
  constexpr long long kTenthsPerDay = 24 * kTenthsPerHour;
  const long long tenths = std::llround(std::fabs(RoundedMinutes(minutes)) * 10);
  const long long days = tenths / kTenthsPerDay;
  const long long hours = tenths % kTenthsPerDay / kTenthsPerHour;
  std::string text;
  if (days > 0) text += std::to_string(days) + "日";
  if (days > 0 || hours > 0) text += std::to_string(hours) + "時間";
  return text + FormatOneDecimal(static_cast<double>(tenths % kTenthsPerHour) / 10) + "分";
}

std::string BoundaryDetailText(const TermBoundary& boundary, SummerTimeRule rule) {
  const ClockTime shown = BoundaryClockTime(boundary, rule);
  std::string when = JapaneseText(shown);
  if (boundary.almanac) {
    const ClockTime& a = *boundary.almanac;
    const bool sameDate = a.year == shown.year && a.month == shown.month && a.day == shown.day;
    when = "この出生地での切り替え " + when + "（暦の節入り " + (sameDate ? TimeOfDayText(a) : JapaneseText(a)) + "）";
  }
  return std::string(boundary.term) + "　" + when + "　出生の" + DurationText(boundary.minutes) +
         (boundary.minutes > 0 ? "前" : "後");
}

std::string BoundaryClockNote(const TermBoundary& boundary) {
  if (!boundary.almanac) return {};
  return "節入りの時刻は、この出生地の真太陽時（時差と均時差で補正）で月柱が変わる時刻です。暦に載る" +
         std::string(boundary.term) + "は" + JapaneseText(*boundary.almanac) + "（日本標準時）です。";
}

std::string SummerTimeDecisionText(const SummerTimeDecision& decision) {
  const bool applied = decision.reading == ClockReading::SummerTime;
  switch (decision.kind) {
    case ClockKind::Standard: return "夏時刻：該当なし（日本標準時）";
    case ClockKind::Summer:
      return applied ? "夏時刻の期間：1時間戻した日本標準時で計算" : "夏時刻の期間：入力どおり日本標準時として計算";
    case ClockKind::NeverExisted: return "夏時刻の始まりで存在しない時刻：入力どおり日本標準時として計算";
    case ClockKind::Repeated:
      return applied ? "夏時刻の終わりで2回あった時刻：1回目（夏時刻）として計算"
                     : "夏時刻の終わりで2回あった時刻：2回目（日本標準時）として計算";
  }
  return {};
}

}  // namespace mireto

namespace mireto {

BirthChart ComputeBirthChart(const BirthInput& entered, SummerTimeRule rule, const CalendarTables& tables,
                             const LocalDateTime& now, Boundaries boundaries, TermCache* cache) {
  BirthChart out;
  out.decision = DecideSummerTime(entered, rule);
  if (!out.decision.computed) {
    out.result.error = out.decision.error;
    return out;
  }
  out.result = ComputeChart(*out.decision.computed, tables, now);
  if (!out.result.chart) return out;
  const Chart& chart = *out.result.chart;
  if (boundaries == Boundaries::Solve) {
    out.boundaries = BoundariesOf(tables, out.decision, chart, cache);
    out.notices = BirthNotices(entered, out.decision, {out.boundaries->previous, out.boundaries->next});
  } else {
    out.notices = BirthNotices(entered, out.decision, BoundariesIfNear(tables, out.decision, chart));
  }
  return out;
}

}  // namespace mireto

namespace mireto {

BirthQuestion QuestionBeforeChart(const BirthInput& entered) {
  switch (ClassifyBirth(entered)) {
    case ClockKind::Standard: return BirthQuestion::None;
    case ClockKind::Summer: return BirthQuestion::SummerTime;
    case ClockKind::Repeated: return BirthQuestion::WhichRepeated;
    case ClockKind::NeverExisted: return BirthQuestion::NeverExisted;
  }
  return BirthQuestion::None;
}

SummerTimeRule RuleForAnswer(bool summerTimeChosen) {
  return summerTimeChosen ? SummerTimeRule::Apply : SummerTimeRule::Ignore;
}

std::string NeverExistedText(const BirthInput& entered) {
  return DecideSummerTime(entered, SummerTimeRule::Apply).error;
}

std::string NeverExistedQuestion(const BirthInput& entered) {
  return NeverExistedReason(entered) + "入力どおり日本標準時として計算しますか？";
}

std::optional<SummerTimeRule> RuleForNeverExisted(bool computeAsEntered) {
  if (!computeAsEntered) return std::nullopt;
  return SummerTimeRule::Ignore;
}

std::vector<std::string> InformationAfterChart(const BirthChart& birth) {
  std::vector<std::string> boxes;
  for (const Notice& n : birth.notices) {
    const bool neverExisted = n.code == NoticeCode::SummerTime && birth.decision.kind == ClockKind::NeverExisted;
    if (neverExisted || n.code == NoticeCode::NearTermBoundary || n.code == NoticeCode::TermOnBirthDay) {
      boxes.push_back(n.message + n.clockNote);
    }
  }
  return boxes;
}

}  // namespace mireto

namespace mireto {

std::optional<BirthTimeDetails> BirthTimeDetailsOf(const BirthChart& birth) {
  if (!birth.boundaries) return std::nullopt;
  const SummerTimeRule rule = birth.decision.rule;
  return BirthTimeDetails{SummerTimeDecisionText(birth.decision), BoundaryDetailText(birth.boundaries->previous, rule),
                          BoundaryDetailText(birth.boundaries->next, rule)};
}

}  // namespace mireto
