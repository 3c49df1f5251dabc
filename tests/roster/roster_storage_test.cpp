// The roster file: creation, migration, round trips, concurrent writers, and
// files the program must leave exactly as they are.
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>
#include <cstdio>

#include <set>
#include <thread>

#include "roster/roster.h"
#include "roster/roster_location.h"
#include "roster/roster_schema.h"
#include "temp_data_home.h"

namespace mireto::roster {
namespace {

namespace fs = std::filesystem;
using test::ReadFile;
using test::TempDataHome;
using test::WriteFile;

BirthTexts Birth(std::string date = "1990-05-03", std::string hour = "14", std::string minute = "27") {
  return {std::move(date), std::move(hour), std::move(minute), "M", "-5", "30"};
}

NewEntry Person(std::string name, std::string note = {}) { return {std::move(name), std::move(note), Birth()}; }

// A clock that ticks one second per call, from a fixed moment.
Roster::Clock TickingClock() {
  auto second = std::make_shared<int>(0);
  return [second] {
    char text[32];
    std::snprintf(text, sizeof text, "2026-01-01T00:%02d:%02dZ", *second / 60, *second % 60);
    ++*second;
    return std::string(text);
  };
}

std::int64_t Pragma(const fs::path& file, const char* sql) {
  sqlite3* db = nullptr;
  sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
  sqlite3_stmt* statement = nullptr;
  sqlite3_prepare_v2(db, sql, -1, &statement, nullptr);
  const std::int64_t value = sqlite3_step(statement) == SQLITE_ROW ? sqlite3_column_int64(statement, 0) : -1;
  sqlite3_finalize(statement);
  sqlite3_close(db);
  return value;
}

void RunSql(const fs::path& file, const std::string& sql) {
  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open(file.c_str(), &db), SQLITE_OK);
  char* message = nullptr;
  const int rc = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &message);
  sqlite3_close(db);
  ASSERT_EQ(rc, SQLITE_OK) << (message ? message : "");
}

class RosterTest : public ::testing::Test {
 protected:
  TempDataHome home_;
  fs::path file_ = home_.rosterFile();
  Roster roster_{file_, TickingClock()};
};

TEST_F(RosterTest, FirstSaveCreatesTheFileInTheDataFolderWithTheCurrentSchema) {
  std::string error;
  EXPECT_EQ(DefaultRosterFile(), file_);
  const auto before = roster_.entries(error);
  ASSERT_TRUE(before) << error;
  EXPECT_TRUE(before->empty());
  EXPECT_FALSE(fs::exists(file_.parent_path())) << "reading must not create anything";

  const auto id = roster_.add(Person("山田太郎"), error);
  ASSERT_TRUE(id) << error;
  EXPECT_EQ(Pragma(file_, "PRAGMA user_version"), kSchemaVersion);
  EXPECT_EQ(Pragma(file_, "PRAGMA application_id"), kApplicationId);
  EXPECT_EQ(Pragma(file_, "SELECT count(*) FROM sqlite_schema WHERE name = 'person_by_change'"), 1);
  // Write-ahead logging is recorded in the header (bytes 18 and 19 are 2).
  const std::string header = ReadFile(file_).substr(0, 20);
  EXPECT_EQ(header[18], 2);
  EXPECT_EQ(header[19], 2);
}

TEST_F(RosterTest, AVersionOneFileIsMigratedKeepingItsEntries) {
  fs::create_directories(file_.parent_path());
  RunSql(file_, std::string(kMigrations[0].sql) +
                    "PRAGMA user_version = 1; PRAGMA application_id = " + std::to_string(kApplicationId) +
                    "; INSERT INTO person (name, note, date, hour, minute, sex, jisa_minutes, jisa_seconds,"
                    " created_at, changed_at) VALUES ('古い人', 'メモ', '1950-02-03', '?', '?', 'F', '0',"
                    " '0', '2020-01-01T00:00:00Z', '2020-01-02T00:00:00Z');");
  std::string error;
  const auto old = roster_.entries(error);
  ASSERT_TRUE(old) << error;
  ASSERT_EQ(old->size(), 1u);
  ASSERT_TRUE(roster_.add(Person("新しい人"), error)) << error;

  EXPECT_EQ(Pragma(file_, "PRAGMA user_version"), kSchemaVersion);
  EXPECT_EQ(Pragma(file_, "SELECT count(*) FROM sqlite_schema WHERE name LIKE 'person_by_%'"), 2);
  const auto all = roster_.entries(error);
  ASSERT_TRUE(all) << error;
  ASSERT_EQ(all->size(), 2u);
  EXPECT_EQ((*all)[0], (*old)[0]);
  EXPECT_EQ((*all)[0].birth, (BirthTexts{"1950-02-03", "?", "?", "F", "0", "0"}));
  EXPECT_EQ((*all)[1].name, "新しい人");
}

TEST_F(RosterTest, UpdateChangesNameNoteAndChangeTimeOnlyAndRemoveDeletes) {
  std::string error;
  const auto first = roster_.add(Person("一郎", "初診"), error);
  const auto second = roster_.add(Person("二郎"), error);
  ASSERT_TRUE(first && second) << error;
  ASSERT_TRUE(roster_.update(*first, "一郎（改）", "再診\n二回目", error)) << error;
  auto all = *roster_.entries(error);
  ASSERT_EQ(all.size(), 2u);
  EXPECT_EQ(all[0].name, "一郎（改）");
  EXPECT_EQ(all[0].note, "再診\n二回目");
  EXPECT_EQ(all[0].birth, Birth());
  EXPECT_EQ(all[0].createdAt, "2026-01-01T00:00:00Z");
  EXPECT_EQ(all[0].changedAt, "2026-01-01T00:00:02Z");

  ASSERT_TRUE(roster_.remove(*first, error)) << error;
  all = *roster_.entries(error);
  ASSERT_EQ(all.size(), 1u);
  EXPECT_EQ(all[0].id, *second);
  // A removed entry is reported, not silently ignored, and its id is never reused.
  EXPECT_FALSE(roster_.remove(*first, error));
  EXPECT_FALSE(roster_.update(*first, "x", "", error));
  EXPECT_FALSE(error.empty());
  const auto third = roster_.add(Person("三郎"), error);
  ASSERT_TRUE(third);
  EXPECT_GT(*third, *second);
}

// Awkward names and notes come back byte for byte.
struct AwkwardText {
  const char* label;
  std::string name;
  std::string note;
};

void PrintTo(const AwkwardText& c, std::ostream* os) { *os << c.label; }

class AwkwardTextTest : public RosterTest, public ::testing::WithParamInterface<AwkwardText> {};

TEST_P(AwkwardTextTest, RoundTripsExactly) {
  std::string error;
  ASSERT_TRUE(roster_.add(Person(GetParam().name, GetParam().note), error)) << error;
  const auto all = roster_.entries(error);
  ASSERT_TRUE(all) << error;
  ASSERT_EQ(all->size(), 1u);
  EXPECT_EQ((*all)[0].name, GetParam().name);
  EXPECT_EQ((*all)[0].note, GetParam().note);
}

std::string Repeated(const std::string& piece, int times) {
  std::string s;
  for (int i = 0; i < times; ++i) s += piece;
  return s;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, AwkwardTextTest,
    ::testing::Values(
        AwkwardText{"Quotes", "O'Brien \"Bob\"", "it's \"quoted\"; DROP TABLE person; --"},
        AwkwardText{"Backslashes", "C:\\名前\\", "\\n is not a line break \\\\ \\u3000"},
        AwkwardText{"LineBreaks", "改行なし", "一行目\n二行目\r\n三行目\r四行目\n"},
        AwkwardText{"Emoji", "🐉龍👨‍👩‍👧", "🌸🎍 family: 👨‍👩‍👧‍👦"},
        AwkwardText{"IdeographicSpaces", "　山田　太郎　", "\u3000\u3000字下げ"},
        AwkwardText{"Long", Repeated("寿限無", 33), Repeated("長い備考の一行\n", 1250)},  // the longest taken
        AwkwardText{"NulInNote", "名前", std::string("前\0後", 7)}, AwkwardText{"Percent", "%s%d%n", "%%%"}),
    [](const auto& info) { return std::string(info.param.label); });

struct CheckCase {
  const char* label;
  NewEntry entry;
  bool accepted;
};

void PrintTo(const CheckCase& c, std::ostream* os) { *os << c.label; }

class EntryCheckTest : public ::testing::TestWithParam<CheckCase> {};

TEST_P(EntryCheckTest, AcceptsWhatTheWindowCanShowAndNothingElse) {
  EXPECT_EQ(CheckEntry(GetParam().entry).empty(), GetParam().accepted) << CheckEntry(GetParam().entry);
}

NewEntry WithBirth(BirthTexts birth) { return {"名前", "", std::move(birth)}; }
NewEntry WithSex(std::string sex) {
  BirthTexts b = Birth();
  b.sex = std::move(sex);
  return WithBirth(b);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EntryCheckTest,
    ::testing::Values(
        CheckCase{"Plain", Person("名前"), true}, CheckCase{"BlankName", Person("  \t"), false},
        CheckCase{"IdeographicBlankName", Person("\u3000\u3000"), false},
        CheckCase{"NameWithLineBreak", Person("山田\n太郎"), false},
        CheckCase{"NameNotUtf8", Person("\xff\xfe"), false}, CheckCase{"NameSurrogate", Person("\xed\xa0\x80"), false},
        CheckCase{"NameOverlong", Person("\xc0\xaf"), false}, CheckCase{"NoteNotUtf8", Person("名前", "\x80"), false},
        CheckCase{"FirstYear", WithBirth(Birth("1800-01-01")), true},
        CheckCase{"LastYear", WithBirth(Birth("2080-12-31")), true},
        CheckCase{"BeforeFirstYear", WithBirth(Birth("1799-12-31")), false},
        CheckCase{"AfterLastYear", WithBirth(Birth("2081-01-01")), false},
        CheckCase{"LeapDay", WithBirth(Birth("2000-02-29")), true},
        CheckCase{"NoLeapDay", WithBirth(Birth("1900-02-29")), false},
        CheckCase{"DayZero", WithBirth(Birth("1990-05-00")), false},
        CheckCase{"ShortDate", WithBirth(Birth("1990-5-3")), false},
        CheckCase{"UnknownHourAndMinute", WithBirth(Birth("1990-05-03", "?", "?")), true},
        CheckCase{"HourWithLeadingZero", WithBirth(Birth("1990-05-03", "09", "0")), false},
        CheckCase{"Hour24", WithBirth(Birth("1990-05-03", "24", "0")), false},
        CheckCase{"Minute59", WithBirth(Birth("1990-05-03", "0", "59")), true},
        CheckCase{"Minute60", WithBirth(Birth("1990-05-03", "0", "60")), false},
        CheckCase{"NegativeHour", WithBirth(Birth("1990-05-03", "-1", "0")), false},
        CheckCase{"SexLowerCase", WithSex("m"), false}, CheckCase{"SexFemale", WithSex("F"), true}),
    [](const auto& info) { return std::string(info.param.label); });

// A file of version 2 reads as it is, with no decision, and gains the column
// at its first write; a decision then survives an update of the birth.
TEST_F(RosterTest, AVersionTwoFileGainsTheSummerTimeDecision) {
  fs::create_directories(file_.parent_path());
  RunSql(file_, std::string(kMigrations[0].sql) + kMigrations[1].sql +
                    "PRAGMA user_version = 2; PRAGMA application_id = " + std::to_string(kApplicationId) +
                    "; INSERT INTO person (name, note, date, hour, minute, sex, jisa_minutes, jisa_seconds,"
                    " created_at, changed_at) VALUES ('山田太郎', '', '1949-07-01', '10', '0', 'M', '0',"
                    " '0', '2020-01-01T00:00:00Z', '2020-01-01T00:00:00Z');");
  std::string error;
  const auto old = roster_.entries(error);
  ASSERT_TRUE(old) << error;
  ASSERT_EQ(old->size(), 1u);
  EXPECT_EQ((*old)[0].summerTime, ClockDecision::NotAsked);
  EXPECT_EQ(Pragma(file_, "PRAGMA user_version"), 2) << "reading must not migrate";

  NewEntry decided{"山田太郎", "", (*old)[0].birth, ClockDecision::SummerTime};
  ASSERT_TRUE(roster_.update((*old)[0].id, decided, error)) << error;
  EXPECT_EQ(Pragma(file_, "PRAGMA user_version"), kSchemaVersion);
  decided.birth.minute = "30";
  decided.summerTime = ClockDecision::AsEntered;
  ASSERT_TRUE(roster_.update((*old)[0].id, decided, error)) << error;
  const auto now = roster_.entries(error);
  ASSERT_TRUE(now) << error;
  EXPECT_EQ((*now)[0].summerTime, ClockDecision::AsEntered);
  EXPECT_EQ((*now)[0].birth.minute, "30");
  EXPECT_EQ((*now)[0].createdAt, (*old)[0].createdAt);
  EXPECT_NE((*now)[0].changedAt, (*old)[0].changedAt);
}

TEST(AppDataFolder, FollowsXdgDataHomeWhenSet) {
  EXPECT_EQ(AppDataFolder("/x/data", "/home/u"), fs::path("/x/data/mireto"));
  EXPECT_EQ(AppDataFolder("/x/data/", "/home/u"), fs::path("/x/data/mireto"));
  EXPECT_EQ(AppDataFolder("relative", "/home/u"), fs::path("relative/mireto"));
  EXPECT_EQ(AppDataFolder("", "/home/u"), fs::path("/home/u/.local/share/mireto"));
  EXPECT_EQ(AppDataFolder(nullptr, "/home/u"), fs::path("/home/u/.local/share/mireto"));
  EXPECT_EQ(AppDataFolder(nullptr, nullptr), std::nullopt);
}

TEST_F(RosterTest, AllOrNothingWhenOneEntryOfManyIsBad) {
  std::string error;
  ASSERT_TRUE(roster_.add(Person("既存"), error)) << error;
  const std::string before = ReadFile(file_);
  std::vector<NewEntry> batch = {Person("一"), Person("二"), WithBirth(Birth("1990-02-30")), Person("四")};
  EXPECT_FALSE(roster_.addAll(batch, error));
  EXPECT_FALSE(error.empty());
  EXPECT_EQ(roster_.entries(error)->size(), 1u);
  EXPECT_EQ(ReadFile(file_), before);

  batch[2] = Person("三");
  ASSERT_TRUE(roster_.addAll(batch, error)) << error;
  const auto all = *roster_.entries(error);
  ASSERT_EQ(all.size(), 5u);
  EXPECT_EQ(all[1].name, "一");
  EXPECT_EQ(all[4].name, "四");
}

// Two writers on their own connections, at the same time, from a file that
// does not exist yet: every entry of both arrives.
TEST_F(RosterTest, TwoConnectionsWritingAtOnceLoseNothing) {
  constexpr int kEach = 120;
  auto writer = [this](const std::string& prefix, std::string* failure) {
    Roster own(file_);
    for (int i = 0; i < kEach; ++i) {
      std::string error;
      if (!own.add(Person(prefix + std::to_string(i)), error)) {
        *failure = error;
        return;
      }
    }
  };
  std::string failureA, failureB;
  std::thread a(writer, "A", &failureA);
  std::thread b(writer, "B", &failureB);
  a.join();
  b.join();
  EXPECT_EQ(failureA, "");
  EXPECT_EQ(failureB, "");
  std::string error;
  const auto all = roster_.entries(error);
  ASSERT_TRUE(all) << error;
  std::set<std::string> names;
  std::set<std::int64_t> ids;
  for (const Entry& e : *all) {
    names.insert(e.name);
    ids.insert(e.id);
  }
  EXPECT_EQ(names.size(), 2u * kEach);
  EXPECT_EQ(ids.size(), 2u * kEach);
}

// The same from two processes, as two running programs would write.
TEST_F(RosterTest, TwoProcessesWritingAtOnceLoseNothing) {
  constexpr int kEach = 80;
  std::vector<pid_t> children;
  for (const char* prefix : {"P", "Q"}) {
    const pid_t pid = fork();
    if (pid == 0) {
      Roster own(file_);
      std::string error;
      for (int i = 0; i < kEach; ++i)
        if (!own.add(Person(prefix + std::to_string(i)), error)) {
          std::fprintf(stderr, "%s%d: %s\n", prefix, i, error.c_str());
          _exit(1);
        }
      _exit(0);
    }
    children.push_back(pid);
  }
  for (const pid_t pid : children) {
    int status = 0;
    waitpid(pid, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  }
  std::string error;
  const auto all = roster_.entries(error);
  ASSERT_TRUE(all) << error;
  std::set<std::string> names;
  for (const Entry& e : *all) names.insert(e.name);
  EXPECT_EQ(names.size(), 2u * kEach);
}

// Files the program cannot fully handle: every operation fails with a
// Japanese message, and the file stays byte for byte as it was.
struct UntouchableFile {
  const char* label;
  std::function<void(const fs::path&)> make;
  FileState state;
};

void PrintTo(const UntouchableFile& c, std::ostream* os) { *os << c.label; }

class UntouchableFileTest : public RosterTest, public ::testing::WithParamInterface<UntouchableFile> {};

void MakeRoster(const fs::path& file, int entries) {
  Roster roster(file);
  std::string error;
  for (int i = 0; i < entries; ++i)
    ASSERT_TRUE(roster.add(Person("人" + std::to_string(i), std::string(300, 'x')), error)) << error;
  roster.settle();  // at rest, as a program leaves it
}

TEST_P(UntouchableFileTest, IsReportedAndLeftExactlyAsItWas) {
  GetParam().make(file_);
  ASSERT_FALSE(HasFatalFailure());
  const std::string before = ReadFile(file_);
  const auto sideFiles = [this] {
    return fs::exists(file_.string() + "-wal") || fs::exists(file_.string() + "-shm") ||
           fs::exists(file_.string() + "-journal");
  };
  const bool sideFilesBefore = sideFiles();

  const FileCheck check = roster_.inspect();
  EXPECT_EQ(check.state, GetParam().state) << check.message;
  EXPECT_NE(check.message.find("名簿ファイル"), std::string::npos) << check.message;
  std::string error;
  EXPECT_FALSE(roster_.entries(error));
  EXPECT_EQ(error, check.message);
  error.clear();
  EXPECT_FALSE(roster_.add(Person("新"), error));
  EXPECT_EQ(error, check.message);
  EXPECT_FALSE(roster_.addAll({Person("新"), Person("新2")}, error));
  EXPECT_FALSE(roster_.update(1, "新", "", error));
  EXPECT_FALSE(roster_.remove(1, error));

  EXPECT_EQ(ReadFile(file_), before);
  EXPECT_EQ(sideFiles(), sideFilesBefore);
}

INSTANTIATE_TEST_SUITE_P(
    Files, UntouchableFileTest,
    ::testing::Values(
        UntouchableFile{"Text", [](const fs::path& f) { WriteFile(f, "名簿です\n山田,1990-05-03\n"); },
                        FileState::Damaged},
        UntouchableFile{"ShortHeader", [](const fs::path& f) { WriteFile(f, std::string("SQLite format 3\0", 16)); },
                        FileState::Damaged},
        UntouchableFile{"Truncated",
                        [](const fs::path& f) {
                          MakeRoster(f, 40);
                          const std::string bytes = ReadFile(f);
                          WriteFile(f, bytes.substr(0, bytes.size() / 2 + 100));
                        },
                        FileState::Damaged},
        UntouchableFile{"PageOverwritten",
                        [](const fs::path& f) {
                          MakeRoster(f, 40);
                          std::string bytes = ReadFile(f);
                          // Page 2 onwards (4096-byte pages): the table's b-tree.
                          for (std::size_t i = 4096; i < 4096 + 200 && i < bytes.size(); ++i) bytes[i] = '\x5a';
                          WriteFile(f, bytes);
                        },
                        FileState::Damaged},
        UntouchableFile{"NewerVersion",
                        [](const fs::path& f) {
                          MakeRoster(f, 3);
                          RunSql(f, "PRAGMA user_version = " + std::to_string(kSchemaVersion + 1));
                        },
                        FileState::Newer},
        UntouchableFile{"AnotherProgramsDatabase",
                        [](const fs::path& f) {
                          fs::create_directories(f.parent_path());
                          RunSql(f, "CREATE TABLE t (x); INSERT INTO t VALUES (1);");
                        },
                        FileState::Foreign},
        UntouchableFile{"MissingColumn",
                        [](const fs::path& f) {
                          MakeRoster(f, 2);
                          RunSql(f, "PRAGMA journal_mode = DELETE; ALTER TABLE person DROP COLUMN note;");
                        },
                        FileState::Damaged},
        UntouchableFile{"Folder", [](const fs::path& f) { fs::create_directories(f); }, FileState::Damaged}),
    [](const auto& info) { return std::string(info.param.label); });

// Runs body in a child process as an unprivileged user (root ignores file
// permissions); its exit status is the result.
int AsUnprivilegedUser(const std::function<int()>& body) {
  const pid_t pid = fork();
  if (pid == 0) {
    if (getuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) _exit(90);
    _exit(body());
  }
  int status = 0;
  waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 91;
}

TEST_F(RosterTest, UnwritableFolderLeavesTheFileAsItWasAndSaysSo) {
  MakeRoster(file_, 3);
  const std::string before = ReadFile(file_);
  fs::permissions(home_.root(), fs::perms::all);
  fs::permissions(file_.parent_path().parent_path(), fs::perms::all);
  fs::permissions(file_, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  fs::permissions(file_.parent_path(), fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                                           fs::perms::others_read | fs::perms::others_exec);
  // Another user's roster in a folder this user cannot write: read (the list,
  // an export), never written.
  const int result = AsUnprivilegedUser([this] {
    Roster roster(file_);
    std::string error;
    if (const FileCheck check = roster.inspect(); check.state != FileState::ReadOnly) {
      std::fprintf(stderr, "state %d: %s\n", static_cast<int>(check.state), check.message.c_str());
      return 1;
    }
    if (roster.add(Person("新"), error)) return 2;
    if (error.find("書き込めません") == std::string::npos) return 3;
    const auto entries = roster.entries(error);
    if (!entries || entries->size() != 3) return 4;
    return 0;
  });
  EXPECT_EQ(result, 0);
  EXPECT_EQ(ReadFile(file_), before);
}

TEST_F(RosterTest, FolderThatCannotBeCreatedIsReported) {
  WriteFile(home_.root() / "data", "a file where the data folder should be");
  std::string error;
  EXPECT_FALSE(roster_.add(Person("新"), error));
  EXPECT_NE(error.find("フォルダを作成できない"), std::string::npos) << error;
  EXPECT_EQ(ReadFile(home_.root() / "data"), "a file where the data folder should be");
}

TEST_F(RosterTest, AnEmptyFileIsSetUpAsANewRoster) {
  WriteFile(file_, "");
  std::string error;
  ASSERT_TRUE(roster_.add(Person("最初"), error)) << error;
  EXPECT_EQ(Pragma(file_, "PRAGMA user_version"), kSchemaVersion);
}

}  // namespace
}  // namespace mireto::roster
