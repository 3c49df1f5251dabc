// mireto-chart: the chart of one birth, or of many in JSON Lines, on the command line.
#include <CLI/CLI.hpp>
#include <chrono>
#include <ctime>
#include <filesystem>
#include <iostream>
#include <string>

#include "cli/chart_io.h"
#include "core/data_files.h"

namespace {

using mireto::LocalDateTime;
using mireto::cli::BirthRequest;

constexpr int kExitOk = 0;
constexpr int kExitSomeLinesFailed = 1;
constexpr int kExitUsage = 2;

LocalDateTime SystemNow() {
  const std::time_t t = std::time(nullptr);
  std::tm local{};
  localtime_r(&t, &local);
  return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min};
}

// The data files lie beside the executable (or in ../share/mireto when installed).
std::filesystem::path DataDirectory() {
  std::error_code ec;
  const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec) return ".";
  const auto dir = exe.parent_path();
  if (std::filesystem::exists(dir / mireto::kPlanetFileName, ec)) return dir;
  const auto shared = dir / ".." / "share" / "mireto";
  if (std::filesystem::exists(shared / mireto::kPlanetFileName, ec)) return shared;
  return dir;
}

int Fail(const std::string& message) {
  std::cerr << "mireto-chart: " << message << '\n';
  return kExitUsage;
}

int RunBatch(const mireto::CalendarTables& tables, const LocalDateTime& defaultNow) {
  std::string line;
  long lineNumber = 0;
  bool anyFailed = false;
  std::ios::sync_with_stdio(false);
  while (std::getline(std::cin, line)) {
    ++lineNumber;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::string error;
    const auto request = mireto::cli::ParseBatchLine(line, error);
    std::optional<mireto::Chart> chart;
    if (request) {
      auto result = mireto::compute_chart(request->input, tables, request->now.value_or(defaultNow));
      chart = std::move(result.chart);
      error = result.error;
    }
    if (!chart) {
      anyFailed = true;
      nlohmann::ordered_json out{{"line", lineNumber}, {"error", error}};
      std::cout << out.dump() << '\n';
      continue;
    }
    std::cout << mireto::cli::ChartJson(*request, *chart).dump() << '\n';
  }
  std::cout.flush();
  return anyFailed ? kExitSomeLinesFailed : kExitOk;
}

}  // namespace

int main(int argc, char** argv) {
  CLI::App app{
      "mireto-chart: 四柱推命の命式を計算します。\n"
      "  mireto-chart [options] YYYY-MM-DD HH:MM   (時・分は ? も可: 1990-05-03 14:?)\n"
      "  mireto-chart --batch < births.jsonl        (1行に1件の JSON、1行に1件の結果)",
      "mireto-chart"};
  std::string sex = "F";
  std::string jisa = "0:0";
  std::string nowText;
  bool json = false;
  bool batch = false;
  std::string date;
  std::string time;
  app.add_option("--sex", sex, "性別 M（男）または F（女）; 既定は F")->check(CLI::IsMember({"M", "F"}));
  app.add_option("--jisa", jisa, "時差 分:秒 (例 -5:30); 既定は 0:0");
  app.add_option("--now", nowText, "現在日時 YYYY-MM-DDTHH:MM; 既定はシステム時計");
  app.add_flag("--json", json, "命式を JSON で出力する");
  app.add_flag("--batch", batch, "標準入力の JSON Lines を1行ずつ計算する");
  app.add_option("date", date, "生年月日 YYYY-MM-DD");
  app.add_option("time", time, "出生時刻 HH:MM（? 可）");
  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp& e) {
    return app.exit(e);
  } catch (const CLI::ParseError& e) {
    return Fail(std::string("オプションが正しくありません: ") + e.what());
  }

  LocalDateTime now = SystemNow();
  if (!nowText.empty()) {
    const auto parsed = mireto::cli::ParseNow(nowText);
    if (!parsed) return Fail("--now は YYYY-MM-DDTHH:MM の形で指定してください: " + nowText);
    now = *parsed;
  }

  const auto loaded = mireto::LoadCalendarTables(DataDirectory());
  if (!loaded.tables) return Fail(loaded.error);
  const mireto::CalendarTables& tables = *loaded.tables;

  if (batch) {
    if (!date.empty()) return Fail("--batch と生年月日は同時に指定できません");
    return RunBatch(tables, now);
  }
  if (date.empty() || time.empty()) return Fail("生年月日 YYYY-MM-DD と時刻 HH:MM を指定してください（--help で説明）");

  std::string hourText, minuteText, jisaMinutes, jisaSeconds;
  if (!mireto::cli::ParseTime(time, hourText, minuteText)) {
    return Fail("時刻は HH:MM の形で指定してください: " + time);
  }
  if (!mireto::cli::ParseJisa(jisa, jisaMinutes, jisaSeconds)) {
    return Fail("--jisa は 分:秒 の形で指定してください: " + jisa);
  }
  std::string error;
  const auto request = mireto::cli::MakeRequest(date, hourText, minuteText, sex, jisaMinutes,
                                                jisaSeconds, error);
  if (!request) return Fail(error);
  const auto result = mireto::compute_chart(request->input, tables, now);
  if (!result.chart) return Fail(result.error);
  if (json) {
    std::cout << mireto::cli::ChartJson(*request, *result.chart).dump() << '\n';
  } else {
    std::cout << mireto::cli::ChartText(*request, *result.chart, mireto::cli::NowText(now)) << '\n';
  }
  return kExitOk;
}
