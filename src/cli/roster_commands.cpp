#include "cli/roster_commands.h"

#include <fstream>
#include <iostream>

#include "cli/exit_status.h"
#include "cli/roster_lines.h"
#include "roster/roster.h"
#include "roster/roster_location.h"

namespace mireto::cli {

namespace {

constexpr int kExitOk = static_cast<int>(ExitStatus::Ok);

int Fail(std::ostream& err, const std::string& message, ExitStatus status = ExitStatus::Usage) {
  err << "mireto-chart: " << message << '\n';
  return static_cast<int>(status);
}

}  // namespace

std::optional<std::filesystem::path> RosterFile(const std::string& chosen, std::string& error) {
  if (!chosen.empty()) return std::filesystem::path(chosen);
  auto file = roster::DefaultRosterFile();
  if (!file) error = "名簿ファイルの場所がわかりません（HOME が設定されていません）。--roster で指定してください";
  return file;
}

int ImportRoster(const std::filesystem::path& file, std::istream& in, std::ostream& out, std::ostream& err) {
  const ImportLines lines = ReadImportLines(in);
  if (in.bad()) return Fail(err, "読み込むファイルを読めません（名簿は変更していません）", ExitStatus::InputFailed);
  if (lines.badLine != 0)
    return Fail(err, "名簿の読み込み: " + ImportErrorText(lines) + "（名簿は変更していません）");
  roster::Roster roster(file);
  std::string error;
  if (!roster.addAll(lines.entries, error))
    return Fail(err, "名簿の読み込み: " + error + "（名簿は変更していません）");
  out << lines.entries.size() << " 件を名簿に追加しました\n";
  return kExitOk;
}

int ImportRosterFrom(const std::filesystem::path& file, const std::string& source, std::ostream& out,
                     std::ostream& err) {
  if (source == "-") return ImportRoster(file, std::cin, out, err);
  std::ifstream in(source, std::ios::binary);
  if (!in) return Fail(err, "読み込むファイルを開けません: " + source);
  return ImportRoster(file, in, out, err);
}

int ExportRoster(const std::filesystem::path& file, std::ostream& out, std::ostream& err) {
  const roster::Roster roster(file);
  std::string error;
  const auto entries = roster.entries(error);
  if (!entries) return Fail(err, error);
  for (const roster::Entry& entry : *entries) out << ExportLine(entry) << '\n';
  out.flush();
  if (!out) return Fail(err, "名簿を標準出力に書き込めません", ExitStatus::OutputFailed);
  return kExitOk;
}

}  // namespace mireto::cli
