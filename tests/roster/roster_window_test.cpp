// The roster in the desktop program, offscreen: save, search, open, update,
// edit, delete, the preview's name and note, import and export, an unusable
// roster file, and the data folder agreeing with Qt's.
#include <sqlite3.h>
#include <sys/stat.h>
#include <QAction>
#include <QElapsedTimer>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTest>
#include <QTreeView>

#include "../ui/ui_fixture.h"
#include "app/compat_controller.h"
#include "app/roster_controller.h"
#include "app/secondary_windows.h"
#include "box_answerer.h"
#include "chart/chart.h"
#include "output_windows/export_window.h"
#include "roster/roster_location.h"
#include "temp_data_home.h"
#include "ui/roster_search.h"
#include "ui/roster_window.h"
#include "ui/year_layout.h"

namespace mireto::test {

namespace {

using roster::BirthTexts;

// Scripted answers to the roster's dialogs, and a record of what was asked.
struct Script {
  EntryDialogAnswer answer;
  bool confirmAnswer = true;
  QString file;
  QList<EntryDialogMode> askedModes;
  QStringList askedNames;
  QStringList askedNotes;
  QList<EntryDialogBirth> askedBirths;
  QList<EntryTexts> askedTexts;
  QList<QStringList> offeredBackups;
  int backupChoice = 0;
  QStringList reports;
  QList<bool> reportProblems;
  QStringList questions;
  std::function<void()> onAsk;
  QList<QStringList> offeredPartners;
  std::optional<std::size_t> partnerChoice;

  CompatPrompts compatPrompts() {
    CompatPrompts p;
    p.chooseEntry = [this](QWidget*, const QStringList& lines) {
      offeredPartners << lines;
      return partnerChoice;
    };
    p.report = [this](QWidget*, const QString& message) { reports << message; };
    return p;
  }

  RosterPrompts prompts() {
    RosterPrompts p;
    p.askEntry = [this](QWidget*, EntryDialogMode mode, const EntryTexts& texts, const EntryDialogBirth& birth) {
      askedModes << mode;
      askedNames << texts.name;
      askedNotes << texts.note;
      askedTexts << texts;
      if (onAsk) onAsk();
      askedBirths << birth;
      return answer;
    };
    p.confirm = [this](QWidget*, const QString& question) {
      questions << question;
      return confirmAnswer;
    };
    p.report = [this](QWidget*, const QString& message, bool problem) {
      reports << message;
      reportProblems << problem;
    };
    p.chooseFile = [this](QWidget*, bool) { return file; };
    p.chooseBackup = [this](QWidget*, const QStringList& copies) {
      offeredBackups << copies;
      return backupChoice;
    };
    return p;
  }
};

// The birth input compute_chart takes for a roster entry's texts.
BirthInput InputOf(const BirthTexts& b) {
  const auto date = roster::DateParts(b.date);
  BirthInput input;
  input.year = (*date)[0];
  input.month = (*date)[1];
  input.day = (*date)[2];
  if (b.hour != "?") input.hour = std::stoi(b.hour);
  if (b.minute != "?") input.minute = std::stoi(b.minute);
  input.sex = b.sex == "M" ? Sex::Male : Sex::Female;
  input.jisaMinutesText = b.jisaMinutes;
  input.jisaSecondsText = b.jisaSeconds;
  return input;
}

LocalDateTime Now() {
  const QDateTime now = QDateTime::currentDateTime();
  return {now.date().year(), now.date().month(), now.date().day(), now.time().hour(), now.time().minute()};
}

// The chart texts ComputeChart gives for the saved inputs at a moment.
std::optional<ChartDisplay> ExpectedDisplay(const BirthTexts& birth, const LocalDateTime& now) {
  const ChartOrError result = ComputeChart(InputOf(birth), Tables(), now);
  if (!result.chart) return std::nullopt;
  return result.chart->display;
}

// "EXP", as the user presses it, and the preview's lines.
QStringList PreviewLines(MainWindow& main, SecondaryWindows& windows) {
  Click(&main, "btnexport");
  auto* area = windows.exporter().window()->findChild<QPlainTextEdit*>(QStringLiteral("txtmireto01"));
  return area->toPlainText().split('\n');
}

void Trigger(MainWindow& w, const char* action) { Control<QAction>(&w, action)->trigger(); }

}  // namespace

class RosterWindowTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<test::TempDataHome> home_;
  std::unique_ptr<MainWindow> main_;
  Script script_;
  SecondaryWindows* windows_ = nullptr;

  int second_ = 0;
  // Writes made by the test itself carry distinct change times, one second apart.
  roster::Roster storage() {
    return roster::Roster(home_->rosterFile(), [this] {
      return QStringLiteral("2026-01-01T00:00:%1Z").arg(second_++, 2, 10, QLatin1Char('0')).toStdString();
    });
  }
  std::vector<roster::Entry> stored() {
    std::string error;
    auto entries = storage().entries(error);
    if (!entries) qFatal("roster unreadable: %s", error.c_str());
    return *entries;
  }
  std::int64_t add(const std::string& name, const std::string& note, const BirthTexts& birth,
                   const std::string& reading = {}) {
    std::string error;
    const auto id = storage().add({name, note, birth, roster::ClockDecision::NotAsked, reading}, error);
    if (!id) qFatal("add failed: %s", error.c_str());
    return *id;
  }

 private slots:
  void init() {
    home_ = std::make_unique<test::TempDataHome>();
    script_ = Script{};
    second_ = 0;
    main_ = NewMainWindow();
    windows_ = new SecondaryWindows(main_.get(), script_.prompts(), script_.compatPrompts());
  }
  void cleanup() {
    main_.reset();
    home_.reset();
  }

  void dataFolderAgreesWithQt_data() {
    QTest::addColumn<QByteArray>("xdg");
    QTest::addColumn<QByteArray>("home");
    QTest::newRow("xdg absolute") << QByteArray("/srv/data") << QByteArray("/home/user");
    QTest::newRow("xdg trailing slash") << QByteArray("/srv/data/") << QByteArray("/home/user");
    QTest::newRow("xdg unset") << QByteArray() << QByteArray("/home/user");
    QTest::newRow("xdg relative") << QByteArray("relative/data") << QByteArray("/home/user");
  }
  void dataFolderAgreesWithQt() {
    QFETCH(QByteArray, xdg);
    QFETCH(QByteArray, home);
    if (xdg.isNull()) {
      qunsetenv("XDG_DATA_HOME");
    } else {
      qputenv("XDG_DATA_HOME", xdg);
    }
    qputenv("HOME", home);
    const auto pure = roster::DefaultRosterFile();
    QVERIFY(pure.has_value());
    // The same file, whatever separators Qt doubles.
    QCOMPARE(QString::fromStdString(DesktopRosterFile().lexically_normal().string()),
             QString::fromStdString(pure->lexically_normal().string()));
  }

  void yearLimitsAreTheYearDialogs() {
    QCOMPARE(kFirstSupportedYear, std::begin(year_layout::kCenturies)->first);
    QCOMPARE(kLastSupportedYear, std::rbegin(year_layout::kCenturies)->last);
  }

  // Saving is offered once a chart is shown; the saved inputs are the
  // displayed chart's, and the preview then names the person.
  void saveAndThePreviewNamesThePerson() {
    QVERIFY(!Control<QAction>(main_.get(), "rosterSave")->isEnabled());
    EnterChart(*main_, {1984, 2, 10, 12, 0});
    QVERIFY(Control<QAction>(main_.get(), "rosterSave")->isEnabled());
    QCOMPARE(PreviewLines(*main_, *windows_).at(1), QStringLiteral("姓名／"));

    script_.answer = {EntryChoice::SaveNew, QStringLiteral("山田　太郎"), QStringLiteral("初回\n紹介：田中さん")};
    Trigger(*main_, "rosterSave");
    QCOMPARE(script_.askedModes, QList<EntryDialogMode>{EntryDialogMode::SaveNew});
    const auto entries = stored();
    QCOMPARE(entries.size(), std::size_t{1});
    QCOMPARE(entries[0].name, std::string("山田　太郎"));
    QCOMPARE(entries[0].birth, (BirthTexts{"1984-02-10", "12", "0", "F", "0", "0"}));

    QStringList lines = PreviewLines(*main_, *windows_);
    QCOMPARE(lines.size(), 18);
    QCOMPARE(lines.at(1), QStringLiteral("姓名／山田　太郎"));
    QCOMPARE(lines.mid(16), (QStringList{QStringLiteral("備考／初回"), QStringLiteral("紹介：田中さん")}));

    // Any changed input: the chart is no longer the entry's.
    Choose(main_.get(), "mtSelect", 1);
    lines = PreviewLines(*main_, *windows_);
    QCOMPARE(lines.size(), 17);
    QCOMPARE(lines.at(1), QStringLiteral("姓名／"));
    QCOMPARE(lines.at(16), QStringLiteral("備考／"));
    // Undone before any new chart: the chart on display is the entry's again.
    Choose(main_.get(), "mtSelect", 0);
    QCOMPARE(PreviewLines(*main_, *windows_).at(1), QStringLiteral("姓名／山田　太郎"));
    // Another chart displayed, then the entry's inputs entered but not displayed.
    Choose(main_.get(), "mtSelect", 1);
    Click(main_.get(), "fInput");
    Choose(main_.get(), "mtSelect", 0);
    QCOMPARE(PreviewLines(*main_, *windows_).at(1), QStringLiteral("姓名／"));
    Click(main_.get(), "fInput");
    QCOMPARE(PreviewLines(*main_, *windows_).at(1), QStringLiteral("姓名／山田　太郎"));
  }

  void searchAsYouTypeAndSortOrders() {
    const std::int64_t a = add("佐藤 花子", "東京の相談者", {"1990-05-03", "14", "27", "F", "0", "0"});
    const std::int64_t b = add("Alice", "note about TOKYO", {"1975-04-08", "?", "?", "F", "0", "0"});
    const std::int64_t c = add("鈴木", "大阪", {"1990-05-03", "9", "5", "M", "-5", "30"});
    std::string error;
    QVERIFY(storage().update(a, "佐藤 花子", "東京の相談者（再）", error));
    Trigger(*main_, "rosterOpen");
    RosterWindow* window = windows_->roster().window();
    QVERIFY(window != nullptr && window->isVisible());
    QCOMPARE(window->shownIds().size(), std::size_t{3});

    auto* search = Control<QLineEdit>(window, "rosterSearch");
    QTest::keyClicks(search, QStringLiteral("tokyo"));
    QCOMPARE(window->shownIds(), (std::vector<std::int64_t>{b}));
    // An input method commits the whole word at once.
    search->clear();
    search->insert(QStringLiteral("東京"));
    QCOMPARE(window->shownIds(), (std::vector<std::int64_t>{a}));
    window->setSearchText(QStringLiteral("鈴"));
    QCOMPARE(window->shownIds(), (std::vector<std::int64_t>{c}));
    window->setSearchText(QString());

    window->sortBy(RosterWindow::BirthColumn, Qt::AscendingOrder);
    QCOMPARE(window->shownIds(), (std::vector<std::int64_t>{b, c, a}));  // 09:05 before 14:27
    window->sortBy(RosterWindow::ChangedColumn, Qt::DescendingOrder);
    QCOMPARE(window->shownIds().front(), a);  // changed last
    window->sortBy(RosterWindow::NameColumn, Qt::AscendingOrder);
    QCOMPARE(window->shownIds().front(), b);  // Latin letters before kana and kanji
  }

  // Opening fills every input as a user would and displays exactly the chart
  // compute_chart gives for the saved inputs.
  void openFillsTheInputsAndShowsTheChart_data() {
    mireto::test::AddBirthColumns();
    QTest::newRow("full") << "1990-05-03"
                          << "14"
                          << "27"
                          << "M"
                          << "-5"
                          << "30";
    QTest::newRow("unknown hour, minute chosen") << "1800-01-01"
                                                 << "?"
                                                 << "27"
                                                 << "F"
                                                 << "18"
                                                 << "0";
    QTest::newRow("unknown hour and minute") << "2080-12-31"
                                             << "?"
                                             << "?"
                                             << "M"
                                             << "0"
                                             << "0";
    QTest::newRow("unknown minute") << "2000-02-29"
                                    << "0"
                                    << "?"
                                    << "F"
                                    << "-49"
                                    << "59";
    QTest::newRow("odd time-difference text") << "1965-11-30"
                                              << "23"
                                              << "59"
                                              << "M"
                                              << "-0"
                                              << "7.5";
  }
  void openFillsTheInputsAndShowsTheChart() {
    const BirthTexts birth = mireto::test::FetchBirth();
    // A different chart on display first, so that nothing is left from it.
    EnterChart(*main_, {1955, 1, 31, 5, 45});
    const std::int64_t id = add("開く人", "備考", birth);
    Trigger(*main_, "rosterOpen");
    RosterWindow* window = windows_->roster().window();
    window->select(id);
    const LocalDateTime before = Now();
    Click(window, "rosterOpenButton");
    const LocalDateTime after = Now();

    QCOMPARE(main_->enteredBirth(), std::optional<BirthTexts>(birth));
    QCOMPARE(main_->displayedBirth(), std::optional<BirthTexts>(birth));
    QVERIFY(main_->isEnabled());
    QCOMPARE(Control<QLabel>(main_->yearDialog(), "lblSelect_y")->text(),
             QString::fromStdString(birth.date.substr(0, 4)));
    QVERIFY(!main_->yearDialog()->isVisible());
    QCOMPARE(List(main_.get(), "hSelect")->currentText(), QString::fromStdString(birth.hour));
    QCOMPARE(List(main_.get(), "mtSelect")->isEnabled(), birth.hour != "?");
    QCOMPARE(Control<QRadioButton>(main_.get(), "optM")->isChecked(), birth.sex == "M");
    QCOMPARE(Text(main_.get(), "txtJisahun"), QString::fromStdString(birth.jisaMinutes));
    // The controls as read back, against the computation (the minute may turn).
    const ChartDisplay shown = main_->snapshot().display;
    QVERIFY(ExpectedDisplay(birth, before).has_value());
    QVERIFY(shown == *ExpectedDisplay(birth, before) || shown == ExpectedDisplay(birth, after));
    QVERIFY(main_->chartEntry().has_value());
    QCOMPARE(main_->chartEntry()->id, id);
    QCOMPARE(PreviewLines(*main_, *windows_).at(1), QStringLiteral("姓名／開く人"));
  }

  // Saving the chart of an opened entry offers to update it; editing and
  // deleting go through the roster window.
  void updateEditAndDelete() {
    const std::int64_t id = add("元の名前", "元の備考", {"1990-05-03", "14", "27", "M", "-5", "30"});
    const std::int64_t other = add("別の人", "", {"1980-01-01", "0", "0", "F", "0", "0"});
    Trigger(*main_, "rosterOpen");
    RosterWindow* window = windows_->roster().window();
    window->select(id);
    Click(window, "rosterOpenButton");

    script_.answer = {EntryChoice::Update, QStringLiteral("新しい名前"), QStringLiteral("一\r\n二")};
    Trigger(*main_, "rosterSave");
    QCOMPARE(script_.askedModes.last(), EntryDialogMode::SaveOrUpdate);
    QCOMPARE(script_.askedNames.last(), QStringLiteral("元の名前"));
    QCOMPARE(script_.askedNotes.last(), QStringLiteral("元の備考"));
    auto entries = stored();
    QCOMPARE(entries.size(), std::size_t{2});
    QCOMPARE(entries[0].name, std::string("新しい名前"));
    QCOMPARE(entries[0].birth, (BirthTexts{"1990-05-03", "14", "27", "M", "-5", "30"}));
    QCOMPARE(PreviewLines(*main_, *windows_).mid(16), (QStringList{QStringLiteral("備考／一"), QStringLiteral("二")}));

    // Save again, this time as a new entry.
    script_.answer = {EntryChoice::SaveNew, QStringLiteral("写し"), QString()};
    Trigger(*main_, "rosterSave");
    entries = stored();
    QCOMPARE(entries.size(), std::size_t{3});
    QCOMPARE(entries[2].birth, entries[0].birth);
    QCOMPARE(window->shownIds().size(), std::size_t{3});  // the open window follows
    QCOMPARE(PreviewLines(*main_, *windows_).at(1), QStringLiteral("姓名／写し"));

    window->select(other);
    script_.answer = {EntryChoice::Update, QStringLiteral("別の人"), QStringLiteral("編集した備考")};
    Click(window, "rosterEditButton");
    QCOMPARE(script_.askedModes.last(), EntryDialogMode::Edit);
    QCOMPARE(stored()[1].note, std::string("編集した備考"));

    const std::int64_t copy = entries[2].id;
    window->select(copy);
    script_.confirmAnswer = false;
    Click(window, "rosterDeleteButton");
    QCOMPARE(stored().size(), std::size_t{3});
    script_.confirmAnswer = true;
    window->select(copy);
    Click(window, "rosterDeleteButton");
    QCOMPARE(stored().size(), std::size_t{2});
    QCOMPARE(window->shownIds().size(), std::size_t{2});
    // The displayed chart's entry is gone: the preview no longer names it.
    QVERIFY(!main_->chartEntry().has_value());
    QCOMPARE(PreviewLines(*main_, *windows_).at(1), QStringLiteral("姓名／"));
  }

  // 名簿に保存 files the birth on screen and on display, never the one before:
  // inputs changed without 八字表示 are displayed first; a time that gives no
  // chart saves nothing.
  void saveFilesOnlyTheBirthOnScreen() {
    EnterChart(*main_, {1950, 9, 10, 1, 30});
    QVERIFY(EnterDateAndTime(*main_, 1988, 8, 8, QStringLiteral("8"), QStringLiteral("8")));
    script_.answer = {EntryChoice::SaveNew, QStringLiteral("髙橋　美咲"), QString()};
    Trigger(*main_, "rosterSave");
    QCOMPARE(stored().size(), std::size_t{1});
    QCOMPARE(stored()[0].birth, (BirthTexts{"1988-08-08", "8", "8", "F", "0", "0"}));
    QCOMPARE(main_->displayedBirth(), std::optional<BirthTexts>(stored()[0].birth));
    QCOMPARE(script_.askedBirths.last().birth, QStringLiteral("1988年8月8日 8時8分 女 時差 0分0秒"));

    // 00:30 on 2 May 1948 never existed: no chart, so nothing is filed.
    QVERIFY(EnterDateAndTime(*main_, 1948, 5, 2, QStringLiteral("0"), QStringLiteral("30")));
    {
      BoxAnswerer answerer({});
      Trigger(*main_, "rosterSave");
      QCOMPARE(answerer.shown.size(), 1);  // the refusal of the time
    }
    QCOMPARE(stored().size(), std::size_t{1});
    QCOMPARE(script_.reportProblems.last(), true);
    QVERIFY(script_.reports.last().contains(QStringLiteral("保存しませんでした")));
    QCOMPARE(script_.askedModes.size(), 1);
  }

  // The summer-time answer is kept with the entry and reused when it is
  // opened; an entry filed without one is asked once and keeps the answer.
  void theSummerTimeDecisionIsKept() {
    QVERIFY(EnterDateAndTime(*main_, 1949, 7, 1, QStringLiteral("10"), QStringLiteral("0")));
    {
      BoxAnswerer answerer({QStringLiteral("はい")});
      Click(main_.get(), "fInput");
    }
    script_.answer = {EntryChoice::SaveNew, QStringLiteral("山田太郎"), QString()};
    Trigger(*main_, "rosterSave");
    QCOMPARE(stored()[0].summerTime, roster::ClockDecision::SummerTime);
    QCOMPARE(script_.askedBirths.last().decision, QStringLiteral("夏時刻として計算（1時間早める）"));
    const std::int64_t old = add("古い項目", "", {"1949-07-01", "10", "0", "F", "0", "0"});

    EnterChart(*main_, {2000, 1, 1, 12, 0});
    Trigger(*main_, "rosterOpen");
    RosterWindow* window = windows_->roster().window();
    window->select(stored()[0].id);
    {
      BoxAnswerer answerer({QStringLiteral("いいえ")});
      Click(window, "rosterOpenButton");
      QCOMPARE(answerer.shown.size(), 0);
    }
    QCOMPARE(main_->birthChart()->decision.reading, ClockReading::SummerTime);
    QVERIFY(main_->chartEntry().has_value());

    window->select(old);
    {
      BoxAnswerer answerer({QStringLiteral("いいえ")});
      Click(window, "rosterOpenButton");
      QCOMPARE(answerer.shown.size(), 1);
    }
    QCOMPARE(main_->birthChart()->decision.reading, ClockReading::AsEntered);
    QCOMPARE(stored()[1].summerTime, roster::ClockDecision::AsEntered);
    QVERIFY(main_->chartEntry().has_value());
  }

  // A birth time that turned up later: the opened entry's birth is updated
  // in place (same id, creation time kept), or a new entry saved.
  void aCorrectedBirthUpdatesTheOpenedEntry() {
    const std::int64_t id = add("田中一郎", "", {"1970-04-01", "?", "?", "M", "0", "0"});
    Trigger(*main_, "rosterOpen");
    RosterWindow* window = windows_->roster().window();
    window->select(id);
    Click(window, "rosterOpenButton");
    QVERIFY(EnterDateAndTime(*main_, 1970, 4, 1, QStringLiteral("14"), QStringLiteral("30")));
    script_.answer = {EntryChoice::Update, QStringLiteral("田中一郎"), QString()};
    Trigger(*main_, "rosterSave");
    QCOMPARE(script_.askedModes.last(), EntryDialogMode::SaveOrUpdateBirth);
    QCOMPARE(script_.askedBirths.last().previousBirth, QStringLiteral("1970年4月1日 時刻不明 男 時差 0分0秒"));
    const auto entries = stored();
    QCOMPARE(entries.size(), std::size_t{1});
    QCOMPARE(entries[0].id, id);
    QCOMPARE(entries[0].birth, (BirthTexts{"1970-04-01", "14", "30", "M", "0", "0"}));
    QVERIFY(entries[0].changedAt != entries[0].createdAt);
    QCOMPARE(PreviewLines(*main_, *windows_).at(1), QStringLiteral("姓名／田中一郎"));
  }

  void exportAndImportJsonLines() {
    add("一", "改行\nあり", {"1990-05-03", "14", "27", "M", "-5", "30"});
    add("二", "", {"1975-04-08", "?", "?", "F", "0", "0"});
    script_.file = QString::fromStdString((home_->root() / "out.jsonl").string());
    Trigger(*main_, "rosterExport");
    QCOMPARE(script_.reportProblems, QList<bool>{false});
    const std::string exported = test::ReadFile(home_->root() / "out.jsonl");
    QCOMPARE(std::count(exported.begin(), exported.end(), '\n'), 2);

    // A bad second line: nothing added, the line named.
    test::WriteFile(home_->root() / "bad.jsonl", exported.substr(0, exported.find('\n') + 1) + "{\"name\":\"x\"}\n");
    script_.file = QString::fromStdString((home_->root() / "bad.jsonl").string());
    Trigger(*main_, "rosterImport");
    QCOMPARE(script_.reportProblems.last(), true);
    QVERIFY2(script_.reports.last().contains(QStringLiteral("2 行目")), qPrintable(script_.reports.last()));
    QCOMPARE(stored().size(), std::size_t{2});

    // The same lines again are skipped as already there, with both counts.
    test::WriteFile(
        home_->root() / "more.jsonl",
        exported + "{\"name\":\"三\",\"reading\":\"さん\",\"date\":\"2001-02-03\",\"hour\":\"4\",\"minute\":\"5\"}\n");
    script_.file = QString::fromStdString((home_->root() / "more.jsonl").string());
    Trigger(*main_, "rosterImport");
    QCOMPARE(script_.reports.last(), QStringLiteral("1 件を追加、2 件は同じ内容が既にあるため飛ばしました。"));
    const auto entries = stored();
    QCOMPARE(entries.size(), std::size_t{3});
    QCOMPARE(entries[2].reading, std::string("さん"));

    // A Shift_JIS file and an empty one: refused, in words that say why.
    test::WriteFile(home_->root() / "sjis.jsonl",
                    "{\"name\":\"\x8e\x52\x93\x63\",\"date\":\"2001-02-03\",\"hour\":\"4\",\"minute\":\"5\"}\n");
    script_.file = QString::fromStdString((home_->root() / "sjis.jsonl").string());
    Trigger(*main_, "rosterImport");
    QVERIFY2(script_.reports.last().contains(QStringLiteral("UTF-8")), qPrintable(script_.reports.last()));
    test::WriteFile(home_->root() / "empty.jsonl", "\n  \n");
    script_.file = QString::fromStdString((home_->root() / "empty.jsonl").string());
    Trigger(*main_, "rosterImport");
    QCOMPARE(script_.reportProblems.last(), true);
    QVERIFY2(script_.reports.last().contains(QStringLiteral("読み込む項目がありません")),
             qPrintable(script_.reports.last()));
    QCOMPARE(stored().size(), std::size_t{3});
  }

  void foldForSearch_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("folded");
    QTest::newRow("katakana") << QStringLiteral("カトウ") << QStringLiteral("かとう");
    QTest::newRow("half-width katakana") << QStringLiteral("ｶﾄｳ") << QStringLiteral("かとう");
    QTest::newRow("half-width voiced") << QStringLiteral("ｻﾄﾞｳ") << QStringLiteral("さどう");
    QTest::newRow("small kana and ヴ") << QStringLiteral("ヴァイオリン") << QStringLiteral("ゔぁいおりん");
    QTest::newRow("full-width Latin") << QStringLiteral("ＴＡＮＡＫＡ　２") << QStringLiteral("tanaka2");
    QTest::newRow("髙") << QStringLiteral("髙橋") << QStringLiteral("高橋");
    QTest::newRow("﨑") << QStringLiteral("山﨑") << QStringLiteral("山崎");
    QTest::newRow("邊") << QStringLiteral("渡邊") << QStringLiteral("渡辺");
    QTest::newRow("邉") << QStringLiteral("渡邉") << QStringLiteral("渡辺");
    QTest::newRow("齋") << QStringLiteral("齋藤") << QStringLiteral("斎藤");
    QTest::newRow("斉") << QStringLiteral("斉藤") << QStringLiteral("斎藤");
    QTest::newRow("every space") << QStringLiteral("山田 \u3000\t\u00A0\u2003太郎\u200B") << QStringLiteral("山田太郎");
    QTest::newRow("long vowel kept") << QStringLiteral("ユーコ") << QStringLiteral("ゆーこ");
    QTest::newRow("ASCII case") << QStringLiteral("Alice") << QStringLiteral("alice");
  }
  void foldForSearch() {
    QFETCH(QString, text);
    QFETCH(QString, folded);
    QCOMPARE(FoldForSearch(text), folded);
  }

  // Search folds kana, widths, variant kanji and spaces, over names, readings
  // and notes; the name order follows the reading where there is one.
  void searchFoldsAndNameOrderFollowsTheReading() {
    const std::int64_t katakana = add("カトウ　ハナ", "", {"1990-05-03", "14", "27", "F", "0", "0"});
    const std::int64_t halfWidth = add("ｶﾄｳ ﾀﾛｳ", "", {"1991-05-03", "14", "27", "M", "0", "0"});
    const std::int64_t variant = add("髙橋　美咲", "", {"1988-08-08", "8", "8", "F", "0", "0"});
    const std::int64_t suzuki = add("鈴木", "", {"1970-01-01", "0", "0", "M", "0", "0"}, "すずき");
    const std::int64_t takanashi = add("小鳥遊", "", {"1971-01-01", "0", "0", "M", "0", "0"}, "たかなし");
    const std::int64_t hattori = add("服部", "", {"1972-01-01", "0", "0", "M", "0", "0"}, "はっとり");
    Trigger(*main_, "rosterOpen");
    RosterWindow* window = windows_->roster().window();
    window->setSearchText(QStringLiteral("かとう"));
    auto found = window->shownIds();
    std::sort(found.begin(), found.end());
    QCOMPARE(found, (std::vector<std::int64_t>{katakana, halfWidth}));
    window->setSearchText(QStringLiteral("高橋美咲"));
    QCOMPARE(window->shownIds(), (std::vector<std::int64_t>{variant}));
    window->setSearchText(QStringLiteral("タカナシ"));
    QCOMPARE(window->shownIds(), (std::vector<std::int64_t>{takanashi}));
    window->setSearchText(QString());
    window->sortBy(RosterWindow::NameColumn, Qt::AscendingOrder);
    const auto order = window->shownIds();
    const auto at = [&](std::int64_t id) { return std::find(order.begin(), order.end(), id) - order.begin(); };
    QVERIFY(at(suzuki) < at(takanashi) && at(takanashi) < at(hattori));  // す た は, not 小 鈴 服
  }

  // Keys: Down (or Tab) then Return opens the first hit; Delete deletes the
  // selection after one confirmation naming each birth date; Esc closes. The
  // window belongs to the main window and stands beside it.
  void keysMultipleDeleteAndPlacement() {
    const std::int64_t a = add("同姓 同名", "", {"1990-05-03", "14", "27", "F", "0", "0"});
    const std::int64_t b = add("同姓 同名", "", {"1975-04-08", "?", "?", "F", "0", "0"});
    const std::int64_t c = add("別人", "", {"1980-01-01", "0", "0", "M", "0", "0"});
    main_->show();
    Trigger(*main_, "rosterOpen");
    RosterWindow* window = windows_->roster().window();
    QCOMPARE(window->parentWidget(), main_.get());
    QVERIFY(window->isWindow());
    QVERIFY(window->x() >= main_->frameGeometry().right() || window->x() + window->width() <= main_->x());

    auto* search = Control<QLineEdit>(window, "rosterSearch");
    auto* list = window->findChild<QTreeView*>(QStringLiteral("rosterList"));
    search->setFocus();
    search->insert(QStringLiteral("別"));
    QTest::keyClick(search, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Return);
    QVERIFY(main_->chartEntry().has_value());
    QCOMPARE(main_->chartEntry()->id, c);
    search->clear();
    search->setFocus();
    search->insert(QStringLiteral("別"));
    QTest::keyClick(search, Qt::Key_Tab);
    QCOMPARE(window->selectedEntry()->id, c);

    window->setSearchText(QStringLiteral("同名"));
    window->select(a);
    window->selectAlso(b);
    QTest::keyClick(list, Qt::Key_Delete);
    QCOMPARE(script_.questions.size(), 1);
    QVERIFY(script_.questions.last().contains(QStringLiteral("1990年5月3日生まれ")));
    QVERIFY(script_.questions.last().contains(QStringLiteral("1975年4月8日生まれ")));
    QCOMPARE(stored().size(), std::size_t{1});
    QCOMPARE(window->entryCount(), std::size_t{1});

    QTest::keyClick(list, Qt::Key_Escape);
    QVERIFY(!window->isVisible());
  }

  // An edit without typing changes nothing: the note's CR LF and U+2029 are
  // kept, and no change time is written.
  void anEditWithoutTypingChangesNothing() {
    const QString note = QStringLiteral("x\r\ny\u2029z\rw");
    RosterEntryDialog dialog(EntryDialogMode::Edit, {QStringLiteral("名前"), note, {}, {}}, {});
    dialog.show();
    for (QPushButton* button : dialog.findChildren<QPushButton*>())
      if (button->text() == QStringLiteral("変更")) button->click();
    QCOMPARE(dialog.answer().choice, EntryChoice::Update);
    QCOMPARE(dialog.answer().note, note);
    QCOMPARE(KeptNote(QStringLiteral("a\r\nb"), QStringLiteral("a\nb"), QStringLiteral("a\nc")),
             QStringLiteral("a\r\nc"));

    const std::int64_t id = add("名前", note.toStdString(), {"1990-05-03", "14", "27", "F", "0", "0"});
    const std::string changedAt = stored()[0].changedAt;
    Trigger(*main_, "rosterOpen");
    RosterWindow* window = windows_->roster().window();
    window->select(id);
    script_.answer = {EntryChoice::Update, QStringLiteral("名前"), note};
    Click(window, "rosterEditButton");
    QCOMPARE(stored()[0].changedAt, changedAt);
    QCOMPARE(QString::fromStdString(stored()[0].note), note);
  }

  // Another program holding the file: the save gives up quickly, says so and
  // asks again with what was typed; the next try saves it.
  void aLockHeldElsewhereKeepsWhatWasTyped() {
    add("先にいる人", "", {"1990-05-03", "14", "27", "F", "0", "0"});
    sqlite3* other = nullptr;
    QCOMPARE(sqlite3_open(home_->rosterFile().c_str(), &other), SQLITE_OK);
    QCOMPARE(sqlite3_exec(other, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
    EnterChart(*main_, {1984, 2, 10, 12, 0});
    script_.answer = {EntryChoice::SaveNew, QStringLiteral("待つ人"), QStringLiteral("打った備考")};
    script_.onAsk = [&] {
      if (script_.askedModes.size() == 2) sqlite3_exec(other, "COMMIT", nullptr, nullptr, nullptr);
    };
    QElapsedTimer timer;
    timer.start();
    Trigger(*main_, "rosterSave");
    QVERIFY(timer.elapsed() < 2000);
    sqlite3_close(other);
    QCOMPARE(script_.askedModes.size(), 2);
    QCOMPARE(script_.askedTexts.last().name, QStringLiteral("待つ人"));
    QCOMPARE(script_.askedTexts.last().note, QStringLiteral("打った備考"));
    QVERIFY(script_.reports.last().contains(QStringLiteral("ほかのプログラム")));
    QCOMPARE(stored().size(), std::size_t{2});
  }

  // 名簿の復元… lists the copies with dates and counts and restores one,
  // keeping the present file as another copy; an export is the user's only.
  void restoreABackupAndExportPrivately() {
    add("一", "", {"1990-05-03", "14", "27", "F", "0", "0"});
    add("二", "", {"1991-05-03", "14", "27", "F", "0", "0"});  // the day's copy holds 一 alone
    Trigger(*main_, "rosterRestore");
    QCOMPARE(script_.offeredBackups.size(), 1);
    QCOMPARE(script_.offeredBackups[0].size(), 1);
    QVERIFY2(script_.offeredBackups[0][0].contains(QStringLiteral("1 件")), qPrintable(script_.offeredBackups[0][0]));
    QCOMPARE(stored().size(), std::size_t{1});
    QCOMPARE(roster::ListBackups(home_->rosterFile()).size(), std::size_t{2});

    script_.file = QString::fromStdString((home_->root() / "out.jsonl").string());
    const mode_t before = umask(022);
    Trigger(*main_, "rosterExport");
    umask(before);
    struct stat status {};
    QCOMPARE(stat((home_->root() / "out.jsonl").c_str(), &status), 0);
    QCOMPARE(status.st_mode & 0777, 0600u);
  }

  // A time difference from the map comes with its point as the birthplace.
  void theMapsPointIsTheBirthplace() {
    const QString place = QStringLiteral("東経139度41分30秒 北緯35度41分22秒");
    windows_->roster().rememberMapPlace(place, QStringLiteral("18"), QStringLiteral("46"));
    // Another time difference: no point is offered.
    EnterChart(*main_, {1984, 2, 10, 12, 0});
    script_.answer = {EntryChoice::SaveNew, QStringLiteral("別の人"), QString()};
    Trigger(*main_, "rosterSave");
    QCOMPARE(script_.askedTexts.last().birthplace, QString());

    main_->setTimeDifference(QStringLiteral("18"), QStringLiteral("46"));
    Click(main_.get(), "fInput");
    script_.answer = {EntryChoice::SaveNew, QStringLiteral("東京の人"), QString(), QString(), place};
    Trigger(*main_, "rosterSave");
    QCOMPARE(script_.askedTexts.last().birthplace, place);
    QCOMPARE(QString::fromStdString(stored()[1].birthplace), place);
  }

  // A large roster is read on a worker thread: the window is shown at once,
  // and an entry saved meanwhile is in the list once it arrives.
  void aLargeRosterIsReadWhileTheWindowIsShown() {
    std::vector<roster::NewEntry> many;
    for (int i = 0; i < 25000; ++i)
      many.push_back({"人" + std::to_string(i), std::string(120, 'x'), {"1990-05-03", "14", "27", "F", "0", "0"}});
    std::string error;
    QVERIFY(storage().addAll(many, error));
    QVERIFY(std::filesystem::file_size(home_->rosterFile()) >= kBackgroundLoadBytes);
    Trigger(*main_, "rosterOpen");
    RosterWindow* window = windows_->roster().window();
    QVERIFY(window != nullptr && window->isVisible());
    QVERIFY(window->loading());
    EnterChart(*main_, {1984, 2, 10, 12, 0});
    script_.answer = {EntryChoice::SaveNew, QStringLiteral("読み込み中の保存"), QString()};
    Trigger(*main_, "rosterSave");
    QTRY_VERIFY_WITH_TIMEOUT(!window->loading(), 20000);
    QCOMPARE(window->entryCount(), std::size_t{25001});
    window->setSearchText(QStringLiteral("読み込み中"));
    QCOMPARE(window->shownIds().size(), std::size_t{1});
  }

  // A damaged roster file: one warning, the file untouched, no roster window,
  // and the program goes on computing charts.
  // 相性: from the roster window with two entries selected (in the order they
  // were added), and from the main window with the chart on display beside
  // an entry chosen from the roster.
  void compatFromTheRosterAndFromTheMainWindow() {
    const auto hanako = add("山田花子", "", {"2000-01-01", "12", "0", "F", "0", "0"});
    const auto taro = add("佐藤太郎", "", {"1989-08-21", "14", "27", "M", "-5", "30"});
    Trigger(*main_, "rosterOpen");
    RosterWindow* list = windows_->roster().window();
    auto* compat = list->findChild<QPushButton*>(QStringLiteral("rosterCompatButton"));
    list->select(taro);
    QVERIFY(!compat->isEnabled());
    list->selectAlso(hanako);
    QVERIFY(compat->isEnabled());
    QTest::mouseClick(compat, Qt::LeftButton);
    CompatWindow* window = windows_->compat().window();
    QVERIFY(window != nullptr && window->isVisible());
    QCOMPARE(window->side(Person::A).name->text(), QStringLiteral("A　山田花子"));
    QCOMPARE(window->side(Person::B).name->text(), QStringLiteral("B　佐藤太郎"));
    QVERIFY(
        window->relations()->text().startsWith(QStringLiteral("日干 戊（山田花子）と 癸（佐藤太郎）：干合（火）\n")));

    // The menu item waits for a chart; the chart on display is A, unnamed.
    QVERIFY(!Control<QAction>(main_.get(), "menucompat")->isEnabled());
    EnterChart(*main_, {1984, 2, 10, 12, 0});
    script_.partnerChoice = std::nullopt;  // cancelled: nothing changes
    Trigger(*main_, "menucompat");
    QCOMPARE(script_.offeredPartners.size(), 1);
    QCOMPARE(script_.offeredPartners.front().size(), 2);
    QCOMPARE(window->side(Person::A).name->text(), QStringLiteral("A　山田花子"));
    const int chosen = static_cast<int>(script_.offeredPartners.front().indexOf(ChooserLine(stored().at(1))));
    QVERIFY(chosen >= 0);
    script_.partnerChoice = static_cast<std::size_t>(chosen);
    Trigger(*main_, "menucompat");
    QCOMPARE(window->side(Person::A).name->text(), QStringLiteral("A"));
    QVERIFY(window->side(Person::A).birth->text().startsWith(QStringLiteral("1984年2月10日 12時0分")));
    QCOMPARE(window->side(Person::B).name->text(), QStringLiteral("B　佐藤太郎"));
    QVERIFY(window->relations()->text().contains(QStringLiteral("（A）と ")));
    QVERIFY(script_.reports.isEmpty());
  }

  void aDamagedFileIsLeftAloneAndTheProgramGoesOn() {
    const std::string bytes = "SQLite format 3" + std::string(200, '\x01');
    test::WriteFile(home_->rosterFile(), bytes);
    Trigger(*main_, "rosterOpen");
    // The folder the test made is open to others: tightened, told once.
    QCOMPARE(script_.reportProblems, (QList<bool>{false, true}));
    QVERIFY(script_.reports.front().contains(QStringLiteral("本人だけが読み書きできる")));
    QVERIFY(script_.reports.last().contains(QStringLiteral("壊れている")));
    QVERIFY(script_.reports.last().contains(QStringLiteral("これまでどおり使えます")));
    QVERIFY(windows_->roster().window() == nullptr);

    EnterChart(*main_, {2000, 1, 1, 12, 0});
    script_.answer = {EntryChoice::SaveNew, QStringLiteral("保存できない人"), QString()};
    Trigger(*main_, "rosterSave");
    QCOMPARE(script_.reportProblems.size(), 3);
    QCOMPARE(test::ReadFile(home_->rosterFile()), bytes);
    QCOMPARE(Caption(main_.get(), QStringLiteral("yKan")), QStringLiteral("己"));
  }
};

int RunRosterWindowTests(int argc, char** argv) {
  RosterWindowTest test;
  return QTest::qExec(&test, argc, argv);
}

}  // namespace mireto::test

#include "roster_window_test.moc"
