// mireto-chart's 相性 (two charts side by side): a --batch --compat line holds
// one birth under the batch keys and the partner's under the same keys
// prefixed "partner" (partnerDate, partnerHour, partnerMinute, partnerSex,
// partnerJisaMinutes, partnerJisaSeconds), read as strictly as a batch line;
// each output is {"a":{chart},"b":{chart},"compat":{…}}.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "chart/compatibility.h"
#include "cli/batch.h"
#include "cli/chart_io.h"

namespace mireto::cli {

using exchange::BatchDefaults;
using exchange::BatchKeyNames;

// The partner's keys in the order of kBatchKeys (a line's "now" is both people's).
inline constexpr BatchKeyNames kPartnerKeyNames = {
    "partnerDate", "partnerHour", "partnerMinute", "partnerSex", "partnerJisaMinutes", "partnerJisaSeconds", "now"};

// Messages about the partner's birth begin with this.
inline constexpr std::string_view kPartnerMessagePrefix = "相手: ";

struct CompatRequest {
  BirthRequest a;
  BirthRequest b;  // its now is a's
};

// One --batch --compat line; the defaults stand in for keys a person's birth
// leaves out (a: --sex and --jisa, b: --partner-sex and --partner-jisa).
std::optional<CompatRequest> ParseCompatLine(std::string_view line, const BatchDefaults& defaultsA,
                                             const BatchDefaults& defaultsB, std::string& error);

// The "compat" object: relations, tenGods, voidHits.
void AppendCompatibilityJson(std::string& out, const Compatibility& compat);

// {"a":…,"b":…,"compat":…} (no line end), each chart as --batch writes it
// under context (--details, --summer-time, the present moment). False, with
// the message, when either birth gives no chart.
bool AppendCompatJson(std::string& out, const CompatRequest& request, const BatchContext& context, std::string& error);

// The 相性 text of the two births (compat_text.h; CR LF line ends, none
// after the last line), the people named A and B. False, with the message,
// when either birth gives no chart.
bool AppendCompatText(std::string& out, const CompatRequest& request, const BatchContext& context, std::string& error);

// AppendBatchLine for --compat.
bool AppendCompatBatchLine(std::string_view line, long lineNumber, const BatchContext& context, std::string& out);

}  // namespace mireto::cli
