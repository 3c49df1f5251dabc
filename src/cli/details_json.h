// The "details" member of a chart object of mireto-chart, written straight
// into the output text:
//
//   "details":{"voidBranches":"子丑",
//              "pillars":{"year":{"tenGod":…,"hiddenTenGod":…,"stage":…,"nayin":…,"void":false},
//                         "month":{…},"day":{…},"hour":{…}},
//              "luck":{"tenGods":[11],"stages":[11],"void":[11]},
//              "annual":[{"year":2026,"pillar":"丙午","age":26,"tenGod":…,"stage":…,"void":false},…]}
//
// without blanks, as the rest of the object. "annual" is there only when the
// details hold years; "void" of an unknown hour and "age" before the birth
// year are null.
#pragma once

#include <string>
#include <string_view>

#include "chart/chart_details.h"

namespace mireto::cli {

// Appends the member (name, colon and object) to out, with no comma before it.
void AppendDetailsJson(std::string& out, const ChartDetails& details);

// Appends text as a JSON string: quotes, backslash and control characters
// escaped, UTF-8 passed through.
void AppendJsonString(std::string& out, std::string_view text);

}  // namespace mireto::cli
