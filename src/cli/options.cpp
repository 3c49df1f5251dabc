#include "cli/options.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

#include "exchange/quote.h"

namespace mireto::cli {

using exchange::MakeRequest;
using exchange::ParseJisa;
using exchange::ParseNow;
using exchange::ParseTime;
using exchange::Quote;

namespace {

constexpr int kMaxJobs = 256;

// The options that take a value.
enum class Valued {
  Sex,
  Jisa,
  Now,
  Jobs,
  Annual,
  SummerTime,
  Partner,
  PartnerSex,
  PartnerJisa,
  Calendar,
  Monthly,
  Daily
};

struct ValuedOption {
  Valued option;
  std::string_view name;
};

constexpr std::array kValuedOptions = {
    ValuedOption{Valued::Sex, "--sex"},
    ValuedOption{Valued::Jisa, "--jisa"},
    ValuedOption{Valued::Now, "--now"},
    ValuedOption{Valued::Jobs, "--jobs"},
    ValuedOption{Valued::Annual, "--annual"},
    ValuedOption{Valued::SummerTime, "--summer-time"},
    ValuedOption{Valued::Partner, "--partner"},
    ValuedOption{Valued::PartnerSex, "--partner-sex"},
    ValuedOption{Valued::PartnerJisa, "--partner-jisa"},
    ValuedOption{Valued::Calendar, "--calendar"},
    ValuedOption{Valued::Monthly, "--monthly"},
    ValuedOption{Valued::Daily, "--daily"},
};

// The arguments sorted out, before their values are checked.
struct RawArguments {
  std::array<std::optional<std::string>, kValuedOptions.size()> values;
  bool json = false;
  bool batch = false;
  bool details = false;
  bool compat = false;
  bool help = false;
  std::vector<std::string> positional;

  const std::optional<std::string>& Value(Valued v) const { return values[static_cast<std::size_t>(v)]; }
};

std::optional<std::size_t> ValuedIndex(std::string_view name) {
  for (std::size_t i = 0; i < kValuedOptions.size(); ++i) {
    if (kValuedOptions[i].name == name) return i;
  }
  return std::nullopt;
}

bool Refuse(std::string& error, std::string message) {
  error = std::move(message);
  return false;
}

// Sorts the arguments into options and positional arguments. Options take
// their value as the next argument or after '=' (--sex=M); "--" ends the options.
bool SortArguments(const std::vector<std::string>& args, RawArguments& raw, std::string& error) {
  bool optionsEnded = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (optionsEnded || arg.size() < 2 || arg[0] != '-' || (arg[1] >= '0' && arg[1] <= '9')) {
      raw.positional.push_back(arg);
      continue;
    }
    if (arg == "--") {
      optionsEnded = true;
      continue;
    }
    if (arg == "--help" || arg == "-h") {
      raw.help = true;
      continue;
    }
    const std::size_t equals = arg.find('=');
    const std::string name = arg.substr(0, equals);
    if (name == "--json" || name == "--batch" || name == "--details" || name == "--compat") {
      if (equals != std::string::npos) return Refuse(error, name + " は値を取りません: " + Quote(arg));
      bool& flag = name == "--json"      ? raw.json
                   : name == "--batch"   ? raw.batch
                   : name == "--details" ? raw.details
                                         : raw.compat;
      if (flag) return Refuse(error, name + " が2回指定されています");
      flag = true;
      continue;
    }
    const auto index = ValuedIndex(name);
    if (!index) return Refuse(error, "知らないオプションです: " + Quote(arg) + "（説明は --help）");
    auto& value = raw.values[*index];
    if (value) return Refuse(error, name + " が2回指定されています");
    if (equals != std::string::npos) {
      value = arg.substr(equals + 1);
    } else if (i + 1 < args.size()) {
      value = args[++i];
    } else {
      return Refuse(error, name + " の値がありません（説明は --help）");
    }
  }
  return true;
}

// --partner "YYYY-MM-DD HH:MM", --partner-sex and --partner-jisa (the
// partner's birth, or with --batch --compat the partner's defaults), --compat.
bool ParsePartner(const RawArguments& raw, Options& options, std::string& error) {
  const auto& partner = raw.Value(Valued::Partner);
  const auto& partnerSex = raw.Value(Valued::PartnerSex);
  const auto& partnerJisa = raw.Value(Valued::PartnerJisa);
  if (raw.compat && !raw.batch) {
    return Refuse(error, "--compat は --batch と一緒に指定してください（2人の命式は --partner でも計算できます）");
  }
  if (partner && raw.batch) {
    return Refuse(
        error, "--partner と --batch は同時に指定できません（--batch --compat では各行に partnerDate などを書きます）");
  }
  if ((partnerSex || partnerJisa) && !partner && !raw.compat) {
    return Refuse(error, "--partner-sex と --partner-jisa は --partner か --batch --compat と一緒に指定してください");
  }
  BatchDefaults defaults;
  if (partnerSex) defaults.sex = *partnerSex;
  if (defaults.sex != "M" && defaults.sex != "F") {
    return Refuse(error, "--partner-sex は M（男）か F（女）で指定してください: " + Quote(defaults.sex));
  }
  if (partnerJisa && !ParseJisa(*partnerJisa, defaults.jisaMinutes, defaults.jisaSeconds)) {
    return Refuse(error, "--partner-jisa は [-]分:秒 の形（数字のみ、秒は 0 から 59）で指定してください: " +
                             Quote(*partnerJisa));
  }
  options.compat = raw.compat;
  options.partnerDefaults = defaults;
  if (!partner) return true;
  const std::size_t space = partner->find(' ');
  std::string hourText, minuteText;
  if (space == std::string::npos || !ParseTime(std::string_view(*partner).substr(space + 1), hourText, minuteText)) {
    return Refuse(error, "--partner は \"YYYY-MM-DD HH:MM\" の形で指定してください: " + Quote(*partner));
  }
  auto request = MakeRequest(std::string_view(*partner).substr(0, space), hourText, minuteText, defaults.sex,
                             defaults.jisaMinutes, defaults.jisaSeconds, error);
  if (!request) return Refuse(error, "--partner: " + error);
  options.partner = std::move(*request);
  return true;
}

bool ParseJobs(const std::string& text, int& jobs, std::string& error) {
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), jobs);
  if (text.empty() || ec != std::errc() || end != text.data() + text.size() || jobs < 0 || jobs > kMaxJobs ||
      text[0] == '+') {
    return Refuse(error, "--jobs は 0 から " + std::to_string(kMaxJobs) +
                             " までの数で指定してください（0 はコアの数）: " + Quote(text));
  }
  return true;
}

std::optional<Options> ParseArguments(const std::vector<std::string>& args, std::string& error) {
  RawArguments raw;
  if (!SortArguments(args, raw, error)) return std::nullopt;
  Options options;
  if (raw.help) {
    options.mode = Mode::Help;
    options.helpText = HelpText();
    return options;
  }
  options.json = raw.json;

  if (const auto& now = raw.Value(Valued::Now)) {
    options.now = ParseNow(*now);
    if (!options.now) {
      error = "--now は YYYY-MM-DDTHH:MM の形（1800 年から 2200 年の実在の日時）で指定してください: " + Quote(*now);
      return std::nullopt;
    }
  }
  std::string sex = raw.Value(Valued::Sex).value_or("F");
  std::string jisaMinutes = "0", jisaSeconds = "0";
  if (const auto& jisa = raw.Value(Valued::Jisa); jisa && !ParseJisa(*jisa, jisaMinutes, jisaSeconds)) {
    error = "--jisa は [-]分:秒 の形（数字のみ、秒は 0 から 59）で指定してください: " + Quote(*jisa);
    return std::nullopt;
  }
  if (sex != "M" && sex != "F") {
    error = "性別は M（男）か F（女）で指定してください: " + Quote(sex);
    return std::nullopt;
  }
  if (const auto& rule = raw.Value(Valued::SummerTime)) {
    if (*rule != "ignore" && *rule != "apply") {
      error = "--summer-time は ignore か apply で指定してください: " + Quote(*rule);
      return std::nullopt;
    }
    options.summerTime = *rule == "apply" ? SummerTimeRule::Apply : SummerTimeRule::Ignore;
  }
  if (const auto& jobs = raw.Value(Valued::Jobs)) {
    if (!raw.batch) {
      error = "--jobs は --batch と一緒に指定してください";
      return std::nullopt;
    }
    if (!ParseJobs(*jobs, options.jobs, error)) return std::nullopt;
  }

  options.details.details = raw.details;
  if (const auto& annual = raw.Value(Valued::Annual)) {
    if (!raw.details) {
      error = "--annual は --details と一緒に指定してください";
      return std::nullopt;
    }
    options.details.annual = ParseYearSpan(*annual);
    if (!options.details.annual) {
      error = "--annual は 開始年:終了年 の形（1 から 9999 までの年、開始年 ≦ 終了年）で指定してください: " +
              Quote(*annual);
      return std::nullopt;
    }
  }

  if (!ParsePartner(raw, options, error)) return std::nullopt;
  if (const auto& monthly = raw.Value(Valued::Monthly)) {
    if (!raw.details) {
      error = "--monthly は --details と一緒に指定してください";
      return std::nullopt;
    }
    options.details.monthly = ParseCalendarYear(*monthly);
    if (!options.details.monthly) {
      error = "--monthly は 1800 から 2080 までの年で指定してください: " + Quote(*monthly);
      return std::nullopt;
    }
  }
  if (const auto& daily = raw.Value(Valued::Daily)) {
    if (!raw.details) {
      error = "--daily は --details と一緒に指定してください";
      return std::nullopt;
    }
    options.details.daily = ParseCalendarMonth(*daily);
    if (!options.details.daily) {
      error = "--daily は YYYY-MM の形（1800 年 1 月から 2080 年 12 月）で指定してください: " + Quote(*daily);
      return std::nullopt;
    }
  }

  if (const auto& calendar = raw.Value(Valued::Calendar)) {
    if (raw.batch || raw.details || !raw.positional.empty() || options.partner) {
      error = "--calendar は --jisa のほかのオプション・生年月日と同時に指定できません";
      return std::nullopt;
    }
    const auto year = ParseCalendarYear(*calendar);
    if (!year) {
      error = "--calendar は 1800 から 2080 までの年で指定してください: " + Quote(*calendar);
      return std::nullopt;
    }
    options.mode = Mode::Calendar;
    options.calendarYear = *year;
    options.calendarJisaDays = JisaDaysOf(jisaMinutes, jisaSeconds);
    if (!(std::fabs(options.calendarJisaDays) <= 1)) {
      error = "時差が大きすぎます。±24時間以内で入力してください";
      return std::nullopt;
    }
    return options;
  }

  if (raw.batch) {
    if (!raw.positional.empty()) {
      error = "--batch と生年月日は同時に指定できません";
      return std::nullopt;
    }
    options.mode = Mode::Batch;
    options.batchDefaults = {sex, jisaMinutes, jisaSeconds};
    return options;
  }
  if (raw.positional.size() != 2) {
    error = raw.positional.size() > 2 ? "余分な引数があります: " + Quote(raw.positional[2]) + "（説明は --help）"
                                      : "生年月日 YYYY-MM-DD と時刻 HH:MM を指定してください（説明は --help）";
    return std::nullopt;
  }
  const std::string& date = raw.positional[0];
  const std::string& time = raw.positional[1];
  std::string hourText, minuteText;
  if (!ParseTime(time, hourText, minuteText)) {
    error = "時刻は HH:MM の形で指定してください: " + Quote(time);
    return std::nullopt;
  }
  auto request = MakeRequest(date, hourText, minuteText, sex, jisaMinutes, jisaSeconds, error);
  if (!request) return std::nullopt;
  options.request = std::move(*request);
  return options;
}

}  // namespace

std::string HelpText() {
  return "mireto-chart: 四柱推命の命式を計算します。\n"
         "\n"
         "使い方:\n"
         "  mireto-chart [オプション] YYYY-MM-DD HH:MM   時・分は ? も可（1990-05-03 14:?）\n"
         "  mireto-chart --batch [オプション] < births.jsonl\n"
         "  mireto-chart [オプション] --partner \"YYYY-MM-DD HH:MM\" YYYY-MM-DD HH:MM\n"
         "  mireto-chart --batch --compat [オプション] < pairs.jsonl\n"
         "  mireto-chart --calendar 年 [--jisa [-]分:秒]\n"
         "  mireto-chart [--roster FILE] --import FILE|-\n"
         "  mireto-chart [--roster FILE] --export\n"
         "\n"
         "オプション:\n"
         "  --sex M|F           性別 M（男）または F（女）。既定は F\n"
         "  --jisa [-]分:秒     時差（例 -5:30、-0:30 は西へ30秒）。数字のみ、秒は 0 から 59、\n"
         "                      符号は分に付けます。既定は 0:0\n"
         "  --now YYYY-MM-DDTHH:MM\n"
         "                      現在日時（年齢と現在の大運に使う）。既定はシステム時計\n"
         "  --summer-time ignore|apply\n"
         "                      1948〜1951年の夏時刻（サマータイム）の期間の時刻を、入力どおり\n"
         "                      日本標準時として計算する（ignore、既定）か、1時間戻して計算する\n"
         "                      （apply）。apply では存在しない時刻（開始日の0時台）を受け付けない\n"
         "  --json              命式を JSON で出力する\n"
         "  --batch             標準入力の1行1件の JSON を計算し、1行1件の JSON を出力する\n"
         "  --jobs N            --batch で計算に使うスレッドの数（0 はコアの数）。既定は 1。\n"
         "                      出力の順序と内容は N によらず同じ\n"
         "  --details           命式の詳細（通変星・蔵干通変星・十二運・納音・空亡、大運の\n"
         "                      通変星・十二運・空亡）を加える。JSON では \"details\"、\n"
         "                      テキストでは命式の後に表で出力する\n"
         "  --annual 開始年:終了年\n"
         "                      --details に年運（その年の干支・満年齢・通変星・十二運・空亡）を\n"
         "                      加える（例 --annual 2026:2035）\n"
         "  --partner \"YYYY-MM-DD HH:MM\"\n"
         "                      相手の生年月日と時刻（時・分は ? も可）。2人の命式と相性\n"
         "                      （2人の柱の間の合冲刑害、日干の通変星、空亡）を出力する\n"
         "  --partner-sex M|F   相手の性別。既定は F\n"
         "  --partner-jisa [-]分:秒\n"
         "                      相手の時差。既定は 0:0\n"
         "  --compat            --batch の各行に2人の生年月日を読み、2人の命式と相性を出力する。\n"
         "                      相手のキーは partnerDate partnerHour partnerMinute partnerSex\n"
         "                      partnerJisaMinutes partnerJisaSeconds（省いた相手の性別・時差には\n"
         "                      --partner-sex と --partner-jisa の値を使う）\n"
         "  --monthly 年        --details に月運を加える：その年の節（小寒〜大雪）で始まる12の\n"
         "                      月の干支・通変星・十二運・空亡・命式との関係。月の始まりは\n"
         "                      この出生地（時差）での切り替え時刻、暦の節入り時刻も添える\n"
         "  --daily YYYY-MM     --details にその月の日運（毎日の干支・通変星・十二運・空亡）を加える\n"
         "  --calendar 年       万年暦を JSON で出力する：24節気の暦の時刻（日本標準時）と\n"
         "                      --jisa の時差での命式の切り替え時刻、節の月柱、毎日の日柱。\n"
         "                      年は 1800 から 2080\n"
         "  --import FILE|-     1行1件の JSON（--batch の行に name と note）を名簿に読み込む。\n"
         "                      誤りのある行があれば、その行番号を示して何も追加しない\n"
         "  --export            名簿の全員を追加した順に1行1件の JSON で出力する\n"
         "  --roster FILE       名簿ファイル。既定はデスクトップのプログラムと同じ\n"
         "                      （$XDG_DATA_HOME/mireto/roster.sqlite3）\n"
         "  -h, --help          この説明を表示する\n"
         "\n"
         "--batch の入力:\n"
         "  1行に1件の JSON オブジェクト。キーは date hour minute sex jisaMinutes\n"
         "  jisaSeconds now で、値はすべて文字列。date hour minute は必須。\n"
         "  sex jisaMinutes jisaSeconds を省いた行には --sex と --jisa の値を使い、\n"
         "  now を省いた行には --now の値を使います。知らないキー、同じキーの繰り返し、\n"
         "  オブジェクトの後ろの余分な文字、65536 バイトを超える行、深すぎる入れ子は\n"
         "  その行の誤りとして {\"line\":N,\"error\":…} を出力します。\n"
         "  入力の最後の空行は無視します。\n"
         "\n"
         "終了ステータス:\n"
         "  0  成功\n"
         "  1  --batch で計算できない行があった（その行には {\"line\":N,\"error\":…} を出力）\n"
         "  2  オプション・生年月日などの指定が正しくない、またはデータファイルを読めない\n"
         "  3  標準出力に書き込めない（空きがない、閉じられている、パイプが閉じられた）\n"
         "  4  --batch で標準入力を読めない\n";
}

std::optional<Options> ParseOptions(const std::vector<std::string>& args, std::string& error) {
  auto options = ParseArguments(args, error);
  // Messages quote the arguments, which may hold line ends: keep them one line.
  std::replace(error.begin(), error.end(), '\n', ' ');
  std::replace(error.begin(), error.end(), '\r', ' ');
  return options;
}

}  // namespace mireto::cli
