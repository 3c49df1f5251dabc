// Births as the exchange format gives them: the fields of a --batch line or
// of a roster import line, and mireto-chart's date, time and time-difference
// arguments, each checked and turned into the chart's input.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "chart/chart.h"
#include "exchange/batch_reader.h"

namespace mireto::exchange {

// One birth as the tool takes it, plus the texts the birth summary needs.
struct BirthRequest {
  BirthInput input;
  std::string hourText;    // "?" or the hour as the hour list shows it
  std::string minuteText;  // "?" or the minute
  std::optional<LocalDateTime> now;
};

// Parses "YYYY-MM-DD" into year, month, day (no range check beyond digits).
std::optional<std::array<int, 3>> ParseDate(std::string_view text);

// Parses "HH:MM" where each part may be "?".
bool ParseTime(std::string_view text, std::string& hourText, std::string& minuteText);

// Parses "YYYY-MM-DDTHH:MM" (a date that exists, years 1800 to 2200).
std::optional<LocalDateTime> ParseNow(std::string_view text);

// Parses "[-]MINUTES:SECONDS" into the two time-difference texts: decimal
// digits only, SECONDS 0 to 59 without a sign of its own ("-0:30" is 30 s west).
bool ParseJisa(std::string_view text, std::string& minutes, std::string& seconds);

// Builds a request from the parts; on failure returns nullopt and a Japanese message.
std::optional<BirthRequest> MakeRequest(std::string_view date, std::string_view hour, std::string_view minute,
                                        std::string_view sex, std::string_view jisaMinutes,
                                        std::string_view jisaSeconds, std::string& error);

// What a batch line that leaves out "sex", "jisaMinutes" or "jisaSeconds"
// takes instead (--sex and --jisa; otherwise 女 and no time difference).
struct BatchDefaults {
  std::string sex = "F";
  std::string jisaMinutes = "0";
  std::string jisaSeconds = "0";
};

// The birth of a batch object already read (batch_reader.h), its fields
// checked in the order of kBatchKeys: the first problem is the one reported.
// Messages name the keys by names: kBatchKeyNames, or another person's keys
// on the same line.
std::optional<BirthRequest> RequestFromBatchObject(const BatchObject& object, const BatchDefaults& defaults,
                                                   const BatchKeyNames& names, std::string& error);

// One line of --batch input (a JSON object, see batch_reader.h), or a Japanese message.
std::optional<BirthRequest> ParseBatchLine(std::string_view line, const BatchDefaults& defaults, std::string& error);
std::optional<BirthRequest> ParseBatchLine(std::string_view line, std::string& error);

// The birth summary of a request, as the main window shows it (txtBirthday).
std::string BirthdayText(const BirthRequest& request);

}  // namespace mireto::exchange
