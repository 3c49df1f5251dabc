#include "cli/calendar_json.h"

#include "cli/details_json.h"
#include "cli/json_writer.h"
#include "core/names.h"

namespace mireto::cli {

namespace {

std::string PillarText(CycleNumber n) { return std::string(n.stem().name()) + std::string(n.branch().name()); }

}  // namespace

void AppendCalendarJson(std::string& out, const YearCalendar& calendar) {
  out += R"({"year":)";
  AppendJsonInteger(out, calendar.year);
  AppendJsonKey(out, "yearPillar");
  AppendJsonString(out, PillarText(calendar.yearPillar));
  AppendJsonKey(out, "terms");
  out += '[';
  for (const CalendarTerm& term : calendar.terms) {
    if (term.almanac.index > 0) out += ',';
    out += '{';
    AppendJsonKey(out, "term", true);
    AppendJsonString(out, term.almanac.name);
    AppendJsonKey(out, "almanac");
    AppendJsonString(out, IsoText(term.almanac.jst));
    AppendJsonKey(out, "chartSwitch");
    AppendJsonString(out, IsoText(term.chartSwitch));
    AppendJsonKey(out, "monthPillar");
    if (term.monthPillar) {
      AppendJsonString(out, PillarText(*term.monthPillar));
    } else {
      out += "null";
    }
    out += '}';
  }
  out += ']';
  AppendJsonKey(out, "days");
  out += '[';
  for (std::size_t i = 0; i < calendar.days.size(); ++i) {
    const CalendarDay& day = calendar.days[i];
    if (i > 0) out += ',';
    out += '{';
    AppendJsonKey(out, "date", true);
    AppendJsonString(out, DateText(day));
    AppendJsonKey(out, "weekday");
    AppendJsonString(out, WeekdayNames[static_cast<std::size_t>(day.weekday)]);
    AppendJsonKey(out, "pillar");
    AppendJsonString(out, PillarText(day.pillar));
    out += '}';
  }
  out += "]}";
}

}  // namespace mireto::cli
