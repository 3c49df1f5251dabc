// The roster's privacy and durability: file modes whatever the umask, a new
// file never left half made, a hot journal rolled back, read-only rosters,
// migrations to the reading and birthplace columns, duplicates, the size and
// character limits, and backups (rotation, restore, a crash in the middle).
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <csignal>

#include "roster/private_files.h"
#include "roster/roster.h"
#include "roster/roster_schema.h"
#include "temp_data_home.h"

namespace mireto::roster {
namespace {

namespace fs = std::filesystem;
using test::ReadFile;
using test::TempDataHome;

NewEntry Person(std::string name, std::string note = {}) {
  return {std::move(name), std::move(note), {"1990-05-03", "14", "27", "M", "-5", "30"}};
}

unsigned Mode(const fs::path& path) {
  struct stat status {};
  if (stat(path.c_str(), &status) != 0) return 07777;
  return status.st_mode & 0777;
}

void RunSql(const fs::path& file, const std::string& sql) {
  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open(file.c_str(), &db), SQLITE_OK);
  char* message = nullptr;
  const int rc = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &message);
  sqlite3_close(db);
  ASSERT_EQ(rc, SQLITE_OK) << (message ? message : "");
}

// A local-time stamp one day later at each call.
Roster::Clock DailyStamps() {
  auto day = std::make_shared<int>(0);
  return [day] {
    char text[32];
    std::snprintf(text, sizeof text, "202601%02d-120000", ++*day);
    return std::string(text);
  };
}

class SafetyTest : public ::testing::Test {
 protected:
  TempDataHome home_;
  fs::path file_ = home_.rosterFile();
};

class ModeTest : public SafetyTest, public ::testing::WithParamInterface<mode_t> {};

// Folder 0700; the file, its side files, backups and exports 0600, whatever the umask.
TEST_P(ModeTest, PersonalDataIsOnlyTheUsersWhateverTheUmask) {
  const mode_t before = umask(GetParam());
  Roster roster(file_, UtcTimestamp, DailyStamps());
  std::string error;
  ASSERT_TRUE(roster.add(Person("一"), error)) << error;
  // A reader keeps the log and its index open while the next write happens.
  sqlite3* reader = nullptr;
  ASSERT_EQ(sqlite3_open_v2(file_.c_str(), &reader, SQLITE_OPEN_READONLY, nullptr), SQLITE_OK);
  sqlite3_exec(reader, "SELECT count(*) FROM person", nullptr, nullptr, nullptr);
  ASSERT_TRUE(roster.add(Person("二"), error)) << error;
  EXPECT_EQ(Mode(file_.parent_path()), 0700u);
  for (const char* side : {"", "-wal", "-shm"}) {
    ASSERT_TRUE(fs::exists(file_.string() + side)) << side;
    EXPECT_EQ(Mode(file_.string() + side), 0600u) << side;
  }
  sqlite3_close(reader);
  EXPECT_EQ(Mode(BackupFolder(file_)), 0700u);
  const auto copies = ListBackups(file_);
  ASSERT_EQ(copies.size(), 1u);
  EXPECT_EQ(Mode(copies[0].file), 0600u);
  const fs::path exported = home_.root() / "export.jsonl";
  ASSERT_TRUE(WritePrivateFile(exported, "{}\n", error)) << error;
  EXPECT_EQ(Mode(exported), 0600u);
  umask(before);
}

INSTANTIATE_TEST_SUITE_P(Umasks, ModeTest, ::testing::Values(mode_t{022}, mode_t{077}, mode_t{0}));

TEST_F(SafetyTest, FilesOthersCanReadAreTightenedOnce) {
  Roster roster(file_);
  std::string error;
  ASSERT_TRUE(roster.add(Person("一"), error)) << error;
  fs::permissions(file_.parent_path(), fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                                           fs::perms::others_read | fs::perms::others_exec);
  fs::permissions(file_, fs::perms::owner_read | fs::perms::owner_write | fs::perms::others_read);
  // A folder the user chose keeps its rights; the program's own is tightened.
  EXPECT_TRUE(TightenRosterFiles(file_, false));
  EXPECT_EQ(Mode(file_.parent_path()), 0755u);
  EXPECT_EQ(Mode(file_), 0600u);
  EXPECT_TRUE(TightenRosterFiles(file_, true));
  EXPECT_EQ(Mode(file_.parent_path()), 0700u);
  EXPECT_FALSE(TightenRosterFiles(file_, true)) << "told once";
}

// What a crash while a new roster was being built leaves is a temporary
// file beside it, never a roster that the next run refuses; the next write
// builds the roster and removes the stale file.
TEST_F(SafetyTest, ACrashWhileCreatingLeavesNoRoster) {
  const fs::path stale(file_.string() + ".creating-1");
  test::WriteFile(stale, std::string(4096, '\0'));
  fs::last_write_time(stale, fs::file_time_type::clock::now() - std::chrono::hours(1));
  EXPECT_EQ(InspectRosterFile(file_).state, FileState::Absent);
  Roster roster(file_);
  std::string error;
  ASSERT_TRUE(roster.add(Person("一"), error)) << error;
  EXPECT_EQ(roster.inspect().state, FileState::Usable);
  EXPECT_FALSE(fs::exists(stale));
  for (const auto& item : fs::directory_iterator(file_.parent_path()))
    EXPECT_EQ(item.path().filename().string().find(".creating-"), std::string::npos) << item.path();
}

// A rollback journal left by a crash in the middle of a change (of a file in
// rollback mode, as files created before the rename were) is rolled back.
TEST_F(SafetyTest, AHotJournalIsRolledBack) {
  Roster roster(file_);
  std::string error;
  ASSERT_TRUE(roster.add(Person("残る人"), error)) << error;
  RunSql(file_, "PRAGMA journal_mode = DELETE");
  const pid_t child = fork();
  if (child == 0) {
    sqlite3* db = nullptr;
    sqlite3_open(file_.c_str(), &db);
    // A one-page cache spills the change into the file before the commit.
    sqlite3_exec(db,
                 "PRAGMA cache_size = 1; BEGIN; WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n"
                 " WHERE i < 2000) INSERT INTO person (name, note, date, hour, minute, sex, jisa_minutes,"
                 " jisa_seconds, created_at, changed_at) SELECT 'x' || i, printf('%.500c', 'y'), '1990-01-01',"
                 " '1', '2', 'M', '0', '0', '', '' FROM n;",
                 nullptr, nullptr, nullptr);
    kill(getpid(), SIGKILL);
  }
  int status = 0;
  waitpid(child, &status, 0);
  ASSERT_GT(fs::file_size(file_.string() + "-journal"), 0u);
  const FileCheck check = roster.inspect();
  EXPECT_EQ(check.state, FileState::Usable) << check.message;
  EXPECT_TRUE(check.recovered);
  const auto entries = roster.entries(error);
  ASSERT_TRUE(entries) << error;
  ASSERT_EQ(entries->size(), 1u);
  EXPECT_EQ((*entries)[0].name, "残る人");
}

TEST_F(SafetyTest, AReadOnlyRosterIsReadButNotWritten) {
  Roster roster(file_);
  std::string error;
  ASSERT_TRUE(roster.add(Person("一"), error)) << error;
  fs::permissions(file_, fs::perms::owner_read);
  const std::string before = ReadFile(file_);
  if (access(file_.c_str(), W_OK) == 0) GTEST_SKIP() << "root writes read-only files";
  EXPECT_EQ(roster.inspect().state, FileState::ReadOnly);
  const auto entries = roster.entries(error);
  ASSERT_TRUE(entries) << error;
  EXPECT_EQ(entries->size(), 1u);
  EXPECT_FALSE(roster.add(Person("二"), error));
  EXPECT_NE(error.find("書き込めません"), std::string::npos) << error;
  EXPECT_EQ(ReadFile(file_), before);
}

// A version 3 file (the decision, no reading, no birthplace) reads as it is,
// is copied to backups/ and then migrated at its first write.
TEST_F(SafetyTest, AVersionThreeFileGainsReadingAndBirthplaceAfterABackup) {
  fs::create_directories(file_.parent_path());
  std::string v3;
  for (int i = 0; i < 3; ++i) v3 += kMigrations[i].sql;
  RunSql(file_, v3 + "PRAGMA user_version = 3; PRAGMA application_id = " + std::to_string(kApplicationId) +
                    "; INSERT INTO person (name, note, date, hour, minute, sex, jisa_minutes, jisa_seconds,"
                    " created_at, changed_at, summer_time) VALUES ('山田太郎', '', '1949-07-01', '10', '0', 'M',"
                    " '0', '0', '2020-01-01T00:00:00Z', '2020-01-01T00:00:00Z', 'apply');");
  Roster roster(file_);
  std::string error;
  const auto old = roster.entries(error);
  ASSERT_TRUE(old) << error;
  EXPECT_EQ((*old)[0].reading, "");
  EXPECT_EQ((*old)[0].summerTime, ClockDecision::SummerTime);

  NewEntry changed = (*old)[0].content();
  changed.reading = "やまだたろう";
  changed.birthplace = "東経139度41分 北緯35度41分";
  ASSERT_TRUE(roster.update((*old)[0].id, changed, error)) << error;
  const auto copies = ListBackups(file_);
  ASSERT_EQ(copies.size(), 1u);
  EXPECT_EQ(copies[0].reason, BackupReason::BeforeMigration);
  EXPECT_EQ(copies[0].entries, 1);
  const auto now = roster.entries(error);
  ASSERT_TRUE(now) << error;
  EXPECT_EQ((*now)[0].content(), changed);
  // The copy is the file as it was: version 3.
  EXPECT_EQ(InspectRosterFile(copies[0].file).version, 3);
}

// A version 4 file (a reading, no birthplace) gains the birthplace alone.
TEST_F(SafetyTest, AVersionFourFileGainsTheBirthplace) {
  fs::create_directories(file_.parent_path());
  std::string v4;
  for (int i = 0; i < 4; ++i) v4 += kMigrations[i].sql;
  RunSql(file_, v4 + "PRAGMA user_version = 4; PRAGMA application_id = " + std::to_string(kApplicationId) +
                    "; INSERT INTO person (name, note, date, hour, minute, sex, jisa_minutes, jisa_seconds,"
                    " created_at, changed_at, reading) VALUES ('鈴木', '', '1970-01-01', '0', '0', 'M', '0', '0',"
                    " '2020-01-01T00:00:00Z', '2020-01-01T00:00:00Z', 'すずき');");
  Roster roster(file_);
  std::string error;
  ASSERT_TRUE(roster.add(Person("新"), error)) << error;
  EXPECT_EQ(InspectRosterFile(file_).version, kSchemaVersion);
  const auto entries = roster.entries(error);
  ASSERT_TRUE(entries) << error;
  EXPECT_EQ((*entries)[0].reading, "すずき");
  EXPECT_EQ((*entries)[0].birthplace, "");
  EXPECT_EQ(ListBackups(file_).at(0).reason, BackupReason::BeforeMigration);
}

TEST_F(SafetyTest, AnImportSkipsWhatIsAlreadyThereAndDeletesManyAtOnce) {
  Roster roster(file_);
  std::string error;
  auto count = roster.addAll({Person("一"), Person("二"), Person("一")}, error);
  ASSERT_TRUE(count) << error;
  EXPECT_EQ(count->added, 2u);
  EXPECT_EQ(count->skipped, 1u);
  NewEntry other = Person("一");
  other.reading = "いち";  // differs only in its reading: another entry
  count = roster.addAll({Person("二"), Person("一"), other}, error);
  ASSERT_TRUE(count) << error;
  EXPECT_EQ(count->added, 1u);
  EXPECT_EQ(count->skipped, 2u);
  auto entries = roster.entries(error);
  ASSERT_EQ(entries->size(), 3u);
  ASSERT_TRUE(roster.remove({(*entries)[0].id, (*entries)[2].id}, error)) << error;
  EXPECT_FALSE(roster.remove({(*entries)[1].id, 999}, error)) << "all or none";
  entries = roster.entries(error);
  ASSERT_EQ(entries->size(), 1u);
  EXPECT_EQ((*entries)[0].name, "二");
}

struct RefusedText {
  const char* label;
  std::string name;
  std::string note;
};
void PrintTo(const RefusedText& c, std::ostream* os) { *os << c.label; }

class RefusedTextTest : public ::testing::TestWithParam<RefusedText> {};

TEST_P(RefusedTextTest, IsRefused) {
  NewEntry entry = Person(GetParam().name, GetParam().note);
  EXPECT_FALSE(CheckEntry(entry).empty());
}

INSTANTIATE_TEST_SUITE_P(
    Texts, RefusedTextTest,
    ::testing::Values(
        RefusedText{"NextLine", "a\u0085b", ""}, RefusedText{"LineSeparator", "a\u2028b", ""},
        RefusedText{"ParagraphSeparator", "a\u2029b", ""}, RefusedText{"RightToLeftOverride", "a\u202Eb", ""},
        RefusedText{"LeftToRightEmbedding", "a\u202Ab", ""}, RefusedText{"FirstStrongIsolate", "a\u2068b", ""},
        RefusedText{"C1Control", "a\u0090b", ""}, RefusedText{"NameOf101", std::string(101, 'x'), ""},
        RefusedText{"NameOf101Kanji",
                    [] {
                      std::string s;
                      for (int i = 0; i < 101; ++i) s += "漢";
                      return s;
                    }(),
                    ""},
        RefusedText{"NoteOf10001", "a", std::string(10001, 'x')}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(Limits, TheLongestNameAndNoteAreTaken) {
  std::string name;
  for (int i = 0; i < 100; ++i) name += "漢";
  EXPECT_EQ(CheckEntry(Person(name, std::string(10000, 'x'))), "");
  EXPECT_EQ(CheckNote("x\r\ny\u2029z"), "");
}

// Sixteen days of writes keep the newest fourteen copies; a restore brings a
// copy back and keeps the file it replaced as one more copy.
TEST_F(SafetyTest, BackupsRotateAndRestore) {
  Roster roster(file_, UtcTimestamp, DailyStamps());
  std::string error;
  for (int day = 1; day <= 16; ++day) ASSERT_TRUE(roster.add(Person("人" + std::to_string(day)), error)) << error;
  auto copies = ListBackups(file_);
  ASSERT_EQ(copies.size(), kKeptBackups);
  // The first write created the file (nothing to copy); the newest copy was
  // taken before the sixteenth entry.
  EXPECT_EQ(copies.front().entries, 15);
  EXPECT_EQ(copies.back().entries, 2);

  ASSERT_TRUE(roster.restore(copies.back().file, error)) << error;
  auto entries = roster.entries(error);
  ASSERT_TRUE(entries) << error;
  EXPECT_EQ(entries->size(), 2u);
  copies = ListBackups(file_);
  EXPECT_EQ(copies.front().reason, BackupReason::BeforeRestore);
  EXPECT_EQ(copies.front().entries, 16);
  EXPECT_EQ(InspectRosterFile(file_).state, FileState::Usable);
}

// Killed in the middle of a backup: no copy that looks complete, the roster
// as it was, and the next backup cleans up and succeeds.
TEST_F(SafetyTest, ACrashInTheMiddleOfABackupLeavesNoCopy) {
  Roster roster(file_, UtcTimestamp, DailyStamps());
  std::string error;
  std::vector<NewEntry> many;
  for (int i = 0; i < 400; ++i) many.push_back(Person("人" + std::to_string(i), std::string(1000, 'x')));
  ASSERT_TRUE(roster.addAll(many, error)) << error;
  const std::string before = ReadFile(file_);
  const pid_t child = fork();
  if (child == 0) {
    int steps = 0;
    roster.backUp(BackupReason::Daily, error, [&](int) {
      if (++steps == 2) kill(getpid(), SIGKILL);
    });
    _exit(0);
  }
  int status = 0;
  waitpid(child, &status, 0);
  ASSERT_TRUE(WIFSIGNALED(status));
  EXPECT_TRUE(ListBackups(file_).empty());
  EXPECT_EQ(ReadFile(file_), before);
  const auto copy = roster.backUp(BackupReason::Daily, error);
  ASSERT_TRUE(copy) << error;
  const auto copies = ListBackups(file_);
  ASSERT_EQ(copies.size(), 1u);
  EXPECT_EQ(copies[0].entries, 400);
  std::size_t files = 0;
  for ([[maybe_unused]] const auto& item : fs::directory_iterator(BackupFolder(file_))) ++files;
  EXPECT_EQ(files, 1u) << "the interrupted copy was removed";
}

}  // namespace
}  // namespace mireto::roster
