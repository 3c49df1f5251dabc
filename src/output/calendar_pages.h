// The printed 万年暦: a year as one page per month (A4 or Letter), each with
// the month's grid of days and pillars, its solar terms with the almanac
// instant and the chart's switch, the year's month pillars and the note on
// the two clocks.
#pragma once

#include <optional>
#include <vector>

#include "output/calendar_text.h"
#include "page/page.h"

namespace mireto {

// One page of a month; today is marked with a heavy frame when in it.
page::Page CalendarMonthPage(const CalendarMonthView& view, const std::optional<CalendarDay>& today,
                             page::PaperSize paper);

// The months in order, one page each.
page::Document CalendarYearDocument(const std::vector<CalendarMonthView>& months,
                                    const std::optional<CalendarDay>& today, page::PaperSize paper);

}  // namespace mireto
