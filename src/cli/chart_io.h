// Writing charts for the command-line chart tool; the births it reads are
// the exchange format's (exchange/birth_request.h).
#pragma once

#include <nlohmann/json.hpp>
#include <string>
#include <string_view>

#include "chart/chart.h"
#include "exchange/birth_request.h"

namespace mireto::cli {

using exchange::BirthRequest;

// The birth summary of a request (txtBirthday).
std::string BirthdayText(const BirthRequest& request);

// The chart as one JSON object; every string is the text the main window shows.
nlohmann::ordered_json ChartJson(const BirthRequest& request, const Chart& chart);

// The chart text of the preview window.
std::string ChartText(const BirthRequest& request, const Chart& chart, std::string_view nowText);

// The present moment as the now text of the chart text: "YYYY/MM/DD H:MM:SS".
std::string NowText(const LocalDateTime& now);

}  // namespace mireto::cli
