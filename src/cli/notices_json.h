// The birth-time members of mireto-chart's chart objects, appended as JSON
// text: "notices" on every chart, and the two sectional-term boundaries of
// --details. Strings are escaped and numbers written as the rest of the
// object writes them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "chart/birth_notices.h"

namespace mireto::cli {

// A JSON string literal: quotes, backslashes and control characters escaped,
// other bytes (UTF-8) as they are.
void AppendJsonString(std::string& out, std::string_view text);

// A JSON number of a double below 1e15 in magnitude: the shortest decimal
// text that reads back the same, with ".0" when it has no fraction (5.0,
// -12.3), as the JSON library writes it. Others (never minutes) give null.
void AppendJsonNumber(std::string& out, double value);

// [{"code":"summerTime","message":"…"},…], or [] when there is nothing to say.
void AppendNoticesJson(std::string& out, const std::vector<Notice>& notices);

// {"term":"立春","clockTime":"2024-02-04T17:45:12","minutes":-12.3}: the clock
// time as the rule reads it, minutes from birth to boundary rounded to 0.1.
void AppendTermBoundaryJson(std::string& out, const TermBoundary& boundary, SummerTimeRule rule);

// The members themselves, each with its leading comma, for the end of an object:
// ,"notices":[…]  and  ,"previousTerm":{…},"nextTerm":{…}
void AppendNoticesMember(std::string& out, const std::vector<Notice>& notices);
void AppendTermBoundaryMembers(std::string& out, const TermBoundaries& boundaries,
                               SummerTimeRule rule);

// A chart object (the text of a JSON object) with ,"notices":[…] added as
// its last member.
void AppendChartObject(std::string& out, std::string_view chartObject,
                       const std::vector<Notice>& notices);

}  // namespace mireto::cli
