// Writing mireto-chart's JSON directly onto a string: the same bytes as a
// general JSON library's compact dump (members in the order written, strings
// as UTF-8 with only '"', '\\' and control characters escaped), without
// building a document first.
//
// A chart object is written by AppendChartJson, one member group per function.
// More members are added the same way: a function
//     void AppendXxxJson(std::string& out, ...)
// that appends ',"key":value' (with the leading comma) and is called from
// AppendChartJson before the object's closing brace, in the order the members
// are to appear. Such a function uses AppendJsonKey / AppendJsonString /
// AppendJsonStringArray below so that every string is escaped the same way.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "chart/birth_notices.h"
#include "chart/chart_details.h"
#include "cli/chart_io.h"

namespace mireto::cli {

// A JSON string: quotes, '"' and '\\' escaped, \b \f \n \r \t, other control
// characters as \u00xx; every other byte as it is (the text is UTF-8).
void AppendJsonString(std::string& out, std::string_view text);

// A JSON integer.
void AppendJsonInteger(std::string& out, long value);

// ',"key":' (or '"key":' when first is set): key is a plain ASCII name.
void AppendJsonKey(std::string& out, std::string_view key, bool first = false);

// A JSON array of strings.
void AppendJsonStringArray(std::string& out, std::span<const std::string> texts);

// Members of a chart object beyond the chart itself, each written when set:
// "notices" (see notices_json.h), then "details" (--details, see details_json.h)
// with the two sectional-term boundaries inside it when they were solved.
struct ChartExtras {
  const std::vector<Notice>* notices = nullptr;
  const ChartDetails* details = nullptr;
  const TermBoundaries* boundaries = nullptr;
  SummerTimeRule summerTime = SummerTimeRule::Ignore;  // the clock of the boundaries
};

// The chart object of one birth (no line end); without extras the same bytes
// as ReferenceChartJson(...).dump().
void AppendChartJson(std::string& out, const BirthRequest& request, const Chart& chart, const ChartExtras& extras = {});

// The error object {"line":N,"error":"..."} (no line end).
void AppendErrorJson(std::string& out, long lineNumber, std::string_view error);

}  // namespace mireto::cli
