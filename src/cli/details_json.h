// The "details" member of a chart object of mireto-chart, one member group
// of the direct writer (json_writer.h):
//
//   ,"details":{"voidBranches":"子丑",
//              "pillars":{"year":{"tenGod":…,"hiddenTenGod":…,"stage":…,"nayin":…,"void":false},
//                         "month":{…},"day":{…},"hour":{…}},
//              "fiveElements":{"wood":1,"fire":3,"earth":3,"metal":0,"water":1},
//              "fiveElementsWithHidden":{…},"yinYang":{"yang":6,"yin":2},
//              "relations":[{"kind":"冲","pillars":["month","day"],"element":null},…],
//              "luck":{"tenGods":[11],"stages":[11],"void":[11],"relations":[11 lists]},
//              "annual":[{"year":2026,"pillar":"丙午","age":26,"tenGod":…,"stage":…,"void":false,
//                         "relations":[…]},…]}
//
//              "monthly":[{"month":"立春","from":"2027-02-04T…","almanac":"2027-02-04T…",
//                          "pillar":"壬寅","tenGod":…,"stage":…,"void":false,"relations":[…]},…12],
//              "daily":[{"date":"2027-02-01","pillar":…,"tenGod":…,"stage":…,"void":false,
//                        "relations":[…]},…]}
//
// without blanks, as the rest of the object. "monthly" ("from" the chart's own
// switch at its time difference, "almanac" the term's almanac instant, both
// JST) and "daily" are there only when asked for; in their relations the
// month or the day itself is named monthly or daily. "annual" is there only when the
// details hold years; "void" of an unknown hour and "age" before the birth
// year are null. A relation's "pillars" are named luck, annual, year, month,
// day, hour, in that order; its "element" is null unless it forms one.
#pragma once

#include <string>
#include <string_view>

#include "chart/chart_details.h"

namespace mireto::cli {

// "2027-02-01".
std::string DateText(const CalendarDay& day);

// Appends the member, with its leading comma, to out.
void AppendDetailsJson(std::string& out, const ChartDetails& details);

}  // namespace mireto::cli
