#include "sheet/client_sheet.h"

#include <cmath>
#include <cstdlib>

#include "chart/almanac.h"
#include "chart/term_boundary.h"
#include "chart/text_format.h"
#include "exchange/birth_request.h"

namespace mireto {

namespace {

SummerTimeRule RuleOf(roster::ClockDecision decision) {
  return decision == roster::ClockDecision::SummerTime ? SummerTimeRule::Apply : SummerTimeRule::Ignore;
}

// The sectional term of a boundary: its almanac instant and its switch on the
// clock the birth was read on.
SheetTerm TermOf(const CalendarTables& tables, const TermBoundary& boundary, SummerTimeRule rule) {
  SheetTerm term;
  term.name = std::string(boundary.term);
  // The 節 opening solar month m is term 2(m - 1) of the calendar year (小寒 = 0).
  term.almanac = AlmanacTerm(tables, boundary.clockTime.year, 2 * (boundary.solarMonth - 1)).jst;
  term.switchTime = BoundaryClockTime(boundary, rule);
  term.summerClock = term.switchTime != boundary.clockTime;
  term.minutes = boundary.minutes;
  return term;
}

}  // namespace

std::string TimeDifferenceText(const BirthInput& input) {
  const long long seconds = std::llround(TimeDifferenceDays(input) * 86400.0);
  const std::string sign = seconds < 0 ? "-" : seconds > 0 ? "+" : "";
  const long long magnitude = std::llabs(seconds);
  return sign + FormatInteger(magnitude / 60) + "分" + FormatInteger(magnitude % 60) + "秒";
}

std::optional<SheetData> GatherSheet(const CalendarTables& tables, const roster::BirthTexts& birth,
                                     roster::ClockDecision decision, SheetPerson person, std::string mapPlace,
                                     const LocalDateTime& today, std::string version, std::string& error) {
  const auto request = exchange::MakeRequest(birth.date, birth.hour, birth.minute, birth.sex, birth.jisaMinutes,
                                             birth.jisaSeconds, error);
  if (!request) return std::nullopt;
  const SummerTimeRule rule = RuleOf(decision);
  BirthChart computed = ComputeBirthChart(request->input, rule, tables, today, Boundaries::Solve);
  if (!computed.result.chart || !computed.boundaries) {
    error = computed.result.error;
    return std::nullopt;
  }
  SheetData sheet;
  sheet.birth = birth;
  sheet.birthday = exchange::BirthdayText(*request);
  sheet.decision = computed.decision;
  sheet.notices = std::move(computed.notices);
  sheet.chart = *computed.result.chart;
  DetailsRequest details;
  details.hourKnown = request->input.hour.has_value();
  details.birthYear = request->input.year;
  details.annual = YearSpan{today.year, today.year + kSheetAnnualYears - 1};
  details.currentYear = today.year;
  sheet.details = ComputeChartDetails(sheet.chart, details);
  sheet.terms = {TermOf(tables, computed.boundaries->previous, rule), TermOf(tables, computed.boundaries->next, rule)};
  sheet.person = std::move(person);
  sheet.mapPlace = std::move(mapPlace);
  sheet.today = today;
  sheet.version = std::move(version);
  return sheet;
}

std::string SheetFileName(const SheetData& sheet) {
  if (!sheet.person.name.empty()) return sheet.person.name + "_命式表.pdf";
  return "命式表_" + sheet.birth.date + ".pdf";
}

}  // namespace mireto
