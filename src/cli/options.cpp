#include "cli/options.h"

#include <CLI/CLI.hpp>
#include <algorithm>

namespace mireto::cli {

namespace {

std::optional<Options> ParseArguments(const std::vector<std::string>& args, std::string& error) {
  CLI::App app{
      "mireto-chart: 四柱推命の命式を計算します。\n"
      "  mireto-chart [options] YYYY-MM-DD HH:MM   (時・分は ? も可: 1990-05-03 14:?)\n"
      "  mireto-chart --batch < births.jsonl        (1行に1件の JSON、1行に1件の結果)",
      "mireto-chart"};
  app.footer(
      "終了ステータス:\n"
      "  0  成功\n"
      "  1  --batch で計算できない行があった（その行には {\"line\":N,\"error\":…} を出力）\n"
      "  2  オプション・生年月日などの指定が正しくない、またはデータファイルを読めない\n"
      "  3  標準出力に書き込めない（空きがない、閉じられている、パイプが閉じられた）\n"
      "  4  --batch で標準入力を読めない");
  std::string sex = "F";
  std::string jisa = "0:0";
  std::string nowText;
  bool batch = false;
  std::string date;
  std::string time;
  Options options;
  app.add_option("--sex", sex, "性別 M（男）または F（女）; 既定は F");
  app.add_option("--jisa", jisa, "時差 分:秒 (例 -5:30); 既定は 0:0");
  app.add_option("--now", nowText, "現在日時 YYYY-MM-DDTHH:MM; 既定はシステム時計");
  app.add_flag("--json", options.json, "命式を JSON で出力する");
  app.add_flag("--batch", batch, "標準入力の JSON Lines を1行ずつ計算し、1行に1件の JSON を出力する");
  app.add_option("date", date, "生年月日 YYYY-MM-DD");
  app.add_option("time", time, "出生時刻 HH:MM（? 可）");

  // CLI11 takes the arguments last to first.
  std::vector<std::string> reversed(args.rbegin(), args.rend());
  try {
    app.parse(reversed);
  } catch (const CLI::CallForHelp&) {
    options.mode = Mode::Help;
    options.helpText = app.help();
    return options;
  } catch (const CLI::ParseError& e) {
    error = std::string("オプションが正しくありません: ") + e.what();
    return std::nullopt;
  }

  if (!nowText.empty()) {
    options.now = ParseNow(nowText);
    if (!options.now) {
      error = "--now は YYYY-MM-DDTHH:MM の形で指定してください: " + nowText;
      return std::nullopt;
    }
  }
  if (batch) {
    if (!date.empty()) {
      error = "--batch と生年月日は同時に指定できません";
      return std::nullopt;
    }
    options.mode = Mode::Batch;
    return options;
  }
  if (date.empty() || time.empty()) {
    error = "生年月日 YYYY-MM-DD と時刻 HH:MM を指定してください（説明は --help）";
    return std::nullopt;
  }
  std::string hourText, minuteText, jisaMinutes, jisaSeconds;
  if (!ParseTime(time, hourText, minuteText)) {
    error = "時刻は HH:MM の形で指定してください: " + time;
    return std::nullopt;
  }
  if (!ParseJisa(jisa, jisaMinutes, jisaSeconds)) {
    error = "--jisa は 分:秒 の形で指定してください: " + jisa;
    return std::nullopt;
  }
  auto request = MakeRequest(date, hourText, minuteText, sex, jisaMinutes, jisaSeconds, error);
  if (!request) return std::nullopt;
  options.request = std::move(*request);
  return options;
}

}  // namespace

std::optional<Options> ParseOptions(const std::vector<std::string>& args, std::string& error) {
  auto options = ParseArguments(args, error);
  // Messages quote the arguments, which may hold line ends: keep them one line.
  std::replace(error.begin(), error.end(), '\n', ' ');
  std::replace(error.begin(), error.end(), '\r', ' ');
  return options;
}

}  // namespace mireto::cli
