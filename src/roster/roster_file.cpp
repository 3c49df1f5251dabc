#include "roster/roster_file.h"

#include <array>
#include <cstdint>
#include <fstream>

#include "core/utf8_path.h"
#include "roster/roster_location.h"
#include "roster/roster_schema.h"
#include "roster/sqlite_handle.h"

namespace mireto::roster {

namespace {

namespace fs = std::filesystem;

// The SQLite database header: the first 100 bytes of the file.
// Source: SQLite "Database File Format", section 1.3.
constexpr std::size_t kHeaderSize = 100;
constexpr std::string_view kMagic{"SQLite format 3\0", 16};
constexpr std::size_t kUserVersionOffset = 60;
constexpr std::size_t kApplicationIdOffset = 68;

std::uint32_t BigEndian32(const std::array<char, kHeaderSize>& header, std::size_t offset) {
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < 4; ++i) value = (value << 8) | static_cast<unsigned char>(header[offset + i]);
  return value;
}

std::string Quoted(const fs::path& file) { return "（" + Utf8Text(file) + "）"; }

FileCheck Damaged(const fs::path& file) {
  return {FileState::Damaged, 0, "名簿ファイルが壊れているか、名簿のファイルではありません" + Quoted(file)};
}

FileCheck Newer(const fs::path& file, std::int64_t version) {
  return {FileState::Newer, static_cast<int>(version),
          "名簿ファイルは新しい版のミレトで作られています（形式 " + std::to_string(version) + "、この版は " +
              std::to_string(kSchemaVersion) + " まで）" + Quoted(file)};
}

FileCheck Foreign(const fs::path& file) {
  return {FileState::Foreign, 0, "名簿ファイルの場所に別のデータベースがあります" + Quoted(file)};
}

FileCheck Unreadable(const fs::path& file) {
  return {FileState::Unwritable, 0, "名簿ファイルを読めません（読む権限がありません）" + Quoted(file)};
}

FileCheck ReadOnly(const fs::path& file, int version) {
  return {FileState::ReadOnly, version,
          "名簿ファイルに書き込めません（読み取り専用です）。一覧と書き出しはできます" + Quoted(file)};
}

FileCheck Busy(const fs::path& file) {
  return {FileState::Busy, 0,
          "名簿ファイルが他のプログラムに使われています。しばらくしてからやり直してください" + Quoted(file)};
}

// The writer also needs the folder: SQLite keeps its journal files beside the database.
bool Writable(const fs::path& file) {
  const fs::path folder = file.has_parent_path() ? file.parent_path() : fs::path(".");
  return FileReadWritable(file) && FolderWritable(folder);
}

// What SQLite itself reports about a file whose header looks right.
FileCheck InspectWithSqlite(const fs::path& file) {
  std::string error;
  Connection db = OpenForReading(file, error);
  if (!db) return Damaged(file);
  const auto check = [&]() -> std::optional<std::string> {
    Statement statement(db.get(), "PRAGMA quick_check");
    if (!statement.ok() || !statement.step()) return std::nullopt;
    return statement.text(0);
  }();
  if (IsBusy(LastErrorCode(db.get()))) return Busy(file);
  if (!check || *check != "ok") return Damaged(file);
  const auto version = QueryInteger(db.get(), "PRAGMA user_version", error);
  const auto applicationId = QueryInteger(db.get(), "PRAGMA application_id", error);
  const auto tables = QueryInteger(db.get(), "SELECT count(*) FROM sqlite_schema", error);
  if (!version || !applicationId || !tables) return Damaged(file);
  if (*applicationId == 0 && *version == 0 && *tables == 0) return {FileState::Blank, 0, {}};
  if (*applicationId != kApplicationId) return Foreign(file);
  if (*version > kSchemaVersion) return Newer(file, *version);
  if (*version < 1 || !HasPersonTable(db.get(), static_cast<int>(*version), error)) return Damaged(file);
  return {FileState::Usable, static_cast<int>(*version), {}};
}

// A rollback journal beside the file that no program is using is what a crash
// in the middle of a change left. A read-only connection cannot roll it back
// and reports the file as unreadable; a writing one rolls it back on its
// first read, as SQLite is meant to, and the file passes its checks again.
bool RecoverHotJournal(const fs::path& file) {
  const fs::path journal(file.string() + "-journal");
  std::error_code ec;
  if (!fs::is_regular_file(journal, ec) || fs::file_size(journal, ec) == 0 || ec) return false;
  std::string error;
  Connection db = OpenConnection(file, OpenMode::ReadWrite, error);
  if (!db) return false;
  QueryInteger(db.get(), "SELECT count(*) FROM sqlite_schema", error);
  db.reset();
  return !fs::exists(journal, ec) || fs::file_size(journal, ec) == 0;
}

// SQLite's read-only connection may create the write-ahead log and its index
// beside a file whose header asks for them. For a file the program will not
// use, side files that were not there before are removed again.
FileCheck InspectLeavingNoTrace(const fs::path& file) {
  const std::array<fs::path, 2> sideFiles = {PathFromUtf8(Utf8Text(file) + "-wal"),
                                             PathFromUtf8(Utf8Text(file) + "-shm")};
  std::array<bool, 2> existed{};
  std::error_code ec;
  for (std::size_t i = 0; i < sideFiles.size(); ++i) existed[i] = fs::exists(sideFiles[i], ec);
  FileCheck check = InspectWithSqlite(file);
  if (!MayWrite(check) && check.state != FileState::Busy) {
    for (std::size_t i = 0; i < sideFiles.size(); ++i)
      if (!existed[i]) fs::remove(sideFiles[i], ec);
  }
  return check;
}

}  // namespace

FileCheck InspectRosterFile(const fs::path& file) {
  std::error_code ec;
  const fs::file_status status = fs::status(file, ec);
  if (status.type() == fs::file_type::not_found) return {FileState::Absent, 0, {}};
  if (ec) return Unreadable(file);
  if (status.type() != fs::file_type::regular) return Damaged(file);

  std::ifstream in(file, std::ios::binary);
  if (!in) return Unreadable(file);
  std::array<char, kHeaderSize> header{};
  in.read(header.data(), header.size());
  const auto size = static_cast<std::size_t>(in.gcount());
  if (size == 0 && in.eof()) return Writable(file) ? FileCheck{FileState::Blank, 0, {}} : ReadOnly(file, 0);
  if (size < kHeaderSize || std::string_view(header.data(), kMagic.size()) != kMagic) return Damaged(file);
  // Early answers from the header alone; SQLite's answer below is the one that
  // counts, since the newest header may still be in the write-ahead log.
  const std::uint32_t headerVersion = BigEndian32(header, kUserVersionOffset);
  const std::uint32_t headerApplication = BigEndian32(header, kApplicationIdOffset);
  if (headerApplication == static_cast<std::uint32_t>(kApplicationId) && headerVersion > kSchemaVersion)
    return Newer(file, headerVersion);

  const bool writable = Writable(file);
  bool recovered = false;
  if (writable && (headerApplication == static_cast<std::uint32_t>(kApplicationId) || headerApplication == 0))
    recovered = RecoverHotJournal(file);
  FileCheck check = InspectLeavingNoTrace(file);
  check.recovered = recovered;
  if (!writable && (check.state == FileState::Usable || check.state == FileState::Blank))
    return ReadOnly(file, check.version);
  return check;
}

}  // namespace mireto::roster
