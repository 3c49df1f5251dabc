#include "cli/roster_commands.h"

#include <fstream>
#include <iostream>

#include "cli/exit_status.h"
#include "core/utf8_path.h"
#include "exchange/quote.h"
#include "exchange/roster_lines.h"
#include "roster/roster.h"
#include "roster/roster_location.h"

namespace mireto::cli {

namespace {

constexpr int kExitOk = static_cast<int>(ExitStatus::Ok);

int Fail(std::ostream& err, const std::string& message, ExitStatus status = ExitStatus::Usage) {
  err << "mireto-chart: " << message << '\n';
  return static_cast<int>(status);
}

// "--name value" or "--name=value": the value, and how many arguments it took.
std::optional<std::string> OptionValue(const std::vector<std::string>& args, std::size_t i, const std::string& name,
                                       std::size_t& taken) {
  const std::string& arg = args[i];
  if (arg == name) {
    if (i + 1 >= args.size()) return std::nullopt;
    taken = 2;
    return args[i + 1];
  }
  taken = 1;
  return arg.substr(name.size() + 1);
}

bool Matches(const std::string& arg, const std::string& name) { return arg == name || arg.starts_with(name + "="); }

}  // namespace

bool IsRosterCommand(const std::vector<std::string>& args) {
  for (const std::string& arg : args) {
    if (arg == "--") return false;
    if (Matches(arg, "--import") || arg == "--export" || Matches(arg, "--roster")) return true;
  }
  return false;
}

std::optional<RosterCommand> ParseRosterCommand(const std::vector<std::string>& args, std::string& error) {
  RosterCommand command;
  bool haveImport = false, haveExport = false, haveRoster = false;
  for (std::size_t i = 0; i < args.size();) {
    const std::string& arg = args[i];
    std::size_t taken = 1;
    if (Matches(arg, "--import") || Matches(arg, "--roster")) {
      const bool import = Matches(arg, "--import");
      bool& seen = import ? haveImport : haveRoster;
      const std::string name = import ? "--import" : "--roster";
      const auto value = OptionValue(args, i, name, taken);
      if (seen || !value || value->empty()) {
        error = seen ? name + " は一度だけ指定してください"
                     : name + (import ? " には読み込むファイル名か - を指定してください"
                                      : " には名簿ファイル名を指定してください");
        return std::nullopt;
      }
      seen = true;
      (import ? command.source : command.rosterFile) = *value;
    } else if (arg == "--export") {
      if (haveExport) {
        error = "--export は一度だけ指定してください";
        return std::nullopt;
      }
      haveExport = true;
    } else {
      error = "名簿の読み込み・書き出しと一緒に使えない引数です: " + exchange::Quote(arg);
      return std::nullopt;
    }
    i += taken;
  }
  if (haveImport == haveExport) {
    error = haveImport ? "--import と --export は同時に指定できません"
                       : "--roster は --import か --export と一緒に指定してください";
    return std::nullopt;
  }
  command.kind = haveImport ? RosterCommand::Kind::Import : RosterCommand::Kind::Export;
  return command;
}

int RunRosterCommand(const RosterCommand& command, std::ostream& out, std::ostream& err) {
  std::string error;
  const auto file = RosterFile(command.rosterFile, error);
  if (!file) return Fail(err, error);
  if (roster::TightenRosterFiles(*file, command.rosterFile.empty()))
    err << "mireto-chart: " << roster::kTightenedNotice << '\n';
  if (command.kind == RosterCommand::Kind::Export) return ExportRoster(*file, out, err);
  return ImportRosterFrom(*file, command.source, out, err);
}

std::optional<std::filesystem::path> RosterFile(const std::string& chosen, std::string& error) {
  if (!chosen.empty()) return PathFromUtf8(chosen);
  auto file = roster::DefaultRosterFile();
  if (!file) error = "名簿ファイルの場所がわかりません（HOME が設定されていません）。--roster で指定してください";
  return file;
}

int ImportRoster(const std::filesystem::path& file, std::istream& in, std::ostream& out, std::ostream& err) {
  const exchange::ImportLines lines = exchange::ReadImportLines(in);
  if (in.bad()) return Fail(err, "読み込むファイルを読めません（名簿は変更していません）", ExitStatus::InputFailed);
  if (lines.badLine != 0 || lines.empty)
    return Fail(err, "名簿の読み込み: " + exchange::ImportErrorText(lines) + "（名簿は変更していません）");
  roster::Roster roster(file);
  std::string error;
  const auto count = roster.addAll(lines.entries, error);
  if (!count) return Fail(err, "名簿の読み込み: " + error + "（名簿は変更していません）");
  roster.settle();
  out << exchange::ImportCountText(*count) << '\n';
  return kExitOk;
}

int ImportRosterFrom(const std::filesystem::path& file, const std::string& source, std::ostream& out,
                     std::ostream& err) {
  if (source == "-") return ImportRoster(file, std::cin, out, err);
  std::ifstream in(PathFromUtf8(source), std::ios::binary);
  if (!in) return Fail(err, "読み込むファイルを開けません: " + exchange::Quote(source));
  return ImportRoster(file, in, out, err);
}

int ExportRoster(const std::filesystem::path& file, std::ostream& out, std::ostream& err) {
  const roster::Roster roster(file);
  std::string error;
  const auto entries = roster.entries(error);
  if (!entries) return Fail(err, error);
  for (const roster::Entry& entry : *entries) out << exchange::ExportLine(entry) << '\n';
  out.flush();
  if (!out) return Fail(err, "名簿を標準出力に書き込めません", ExitStatus::OutputFailed);
  return kExitOk;
}

}  // namespace mireto::cli
