// The birth-time members of mireto-chart's chart objects, appended as JSON
// text by the hook of json_writer.h: "notices" on every chart, and the two
// sectional-term boundaries of --details.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "chart/birth_notices.h"

namespace mireto::cli {

// A JSON number of a double below 1e15 in magnitude: the shortest decimal
// text that reads back the same, with ".0" when it has no fraction (5.0,
// -12.3), as the JSON library writes it. Others (never minutes) give null.
void AppendJsonNumber(std::string& out, double value);

// ,"notices":[{"code":"summerTime","message":"…"},…] ([] when there is nothing to say).
void AppendNoticesJson(std::string& out, const std::vector<Notice>& notices);

// ,"<key>":{"term":"立春","clockTime":"2024-02-04T17:45:12","minutes":-12.3,
// "almanac":"2024-02-04T17:27:00"}: the chart's switch at the birthplace as the
// rule reads the clock, minutes from birth to boundary rounded to 0.1, and
// (when the boundary holds it) the term's almanac instant in JST.
void AppendTermBoundaryJson(std::string& out, std::string_view key, const TermBoundary& boundary, SummerTimeRule rule);

// ,"previousTerm":{…},"nextTerm":{…}
void AppendTermBoundariesJson(std::string& out, const TermBoundaries& boundaries, SummerTimeRule rule);

}  // namespace mireto::cli
