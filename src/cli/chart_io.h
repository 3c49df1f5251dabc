// Writing charts for the command-line chart tool; the births it reads are
// the exchange format's (exchange/birth_request.h).
#pragma once

#include <nlohmann/json.hpp>
#include <string>
#include <string_view>

#include "chart/chart.h"
#include "exchange/birth_request.h"

namespace mireto::cli {

// The tool reads its births in the exchange format.
using exchange::BatchDefaults;
using exchange::BirthdayText;
using exchange::BirthRequest;
using exchange::MakeRequest;
using exchange::ParseDate;
using exchange::ParseJisa;
using exchange::ParseTime;

// The chart as one JSON object built with nlohmann, member by member; every
// string is the text the main window shows. No program writes it: the tool
// writes its charts with AppendChartJson (json_writer.h), and the tests and
// fuzz targets hold that writer to this plain reference byte for byte.
nlohmann::ordered_json ReferenceChartJson(const BirthRequest& request, const Chart& chart);

// The chart text of the preview window.
std::string ChartText(const BirthRequest& request, const Chart& chart, std::string_view nowText);

// The present moment as the now text of the chart text: "YYYY/MM/DD H:MM:SS".
std::string NowText(const LocalDateTime& now);

}  // namespace mireto::cli
