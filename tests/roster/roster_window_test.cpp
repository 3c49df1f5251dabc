// The roster in the desktop program, offscreen: save, search, open, update,
// edit, delete, the preview's name and note, import and export, an unusable
// roster file, and the data folder agreeing with Qt's.
#include <QAction>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTest>

#include "../ui/ui_fixture.h"
#include "box_answerer.h"
#include "app/roster_controller.h"
#include "app/secondary_windows.h"
#include "chart/chart.h"
#include "output/export_window.h"
#include "roster/roster_location.h"
#include "temp_data_home.h"
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
  QStringList reports;
  QList<bool> reportProblems;

  RosterPrompts prompts() {
    RosterPrompts p;
    p.askEntry = [this](QWidget*, EntryDialogMode mode, const QString& name, const QString& note,
                        const EntryDialogBirth& birth) {
      askedModes << mode;
      askedNames << name;
      askedNotes << note;
      askedBirths << birth;
      return answer;
    };
    p.confirm = [this](QWidget*, const QString&) { return confirmAnswer; };
    p.report = [this](QWidget*, const QString& message, bool problem) {
      reports << message;
      reportProblems << problem;
    };
    p.chooseFile = [this](QWidget*, bool) { return file; };
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
  std::unique_ptr<testing::TempDataHome> home_;
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
  std::int64_t add(const std::string& name, const std::string& note, const BirthTexts& birth) {
    std::string error;
    const auto id = storage().add({name, note, birth}, error);
    if (!id) qFatal("add failed: %s", error.c_str());
    return *id;
  }

 private slots:
  void init() {
    home_ = std::make_unique<testing::TempDataHome>();
    script_ = Script{};
    second_ = 0;
    main_ = NewMainWindow();
    windows_ = new SecondaryWindows(main_.get(), script_.prompts());
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
    QCOMPARE(roster::kFirstYear, std::begin(year_layout::kCenturies)->first);
    QCOMPARE(roster::kLastYear, std::rbegin(year_layout::kCenturies)->last);
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
    QTest::newRow("full") << "1990-05-03" << "14" << "27" << "M" << "-5" << "30";
    QTest::newRow("unknown hour, minute chosen") << "1800-01-01" << "?" << "27" << "F" << "18" << "0";
    QTest::newRow("unknown hour and minute") << "2080-12-31" << "?" << "?" << "M" << "0" << "0";
    QTest::newRow("unknown minute") << "2000-02-29" << "0" << "?" << "F" << "-49" << "59";
    QTest::newRow("odd time-difference text") << "1965-11-30" << "23" << "59" << "M" << "-0" << "7.5";
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
    QCOMPARE(Control<QLabel>(main_->yearDialog(), "lblSelect_y")->text(), QString::fromStdString(birth.date.substr(0, 4)));
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
    const std::string exported = testing::ReadBytes(home_->root() / "out.jsonl");
    QCOMPARE(std::count(exported.begin(), exported.end(), '\n'), 2);

    // A bad second line: nothing added, the line named.
    testing::WriteBytes(home_->root() / "bad.jsonl", exported.substr(0, exported.find('\n') + 1) + "{\"name\":\"x\"}\n");
    script_.file = QString::fromStdString((home_->root() / "bad.jsonl").string());
    Trigger(*main_, "rosterImport");
    QCOMPARE(script_.reportProblems.last(), true);
    QVERIFY2(script_.reports.last().contains(QStringLiteral("2 行目")), qPrintable(script_.reports.last()));
    QCOMPARE(stored().size(), std::size_t{2});

    script_.file = QString::fromStdString((home_->root() / "out.jsonl").string());
    Trigger(*main_, "rosterImport");
    const auto entries = stored();
    QCOMPARE(entries.size(), std::size_t{4});
    QCOMPARE(entries[2].name, entries[0].name);
    QCOMPARE(entries[2].note, entries[0].note);
    QCOMPARE(entries[3].birth, entries[1].birth);
  }

  // A damaged roster file: one warning, the file untouched, no roster window,
  // and the program goes on computing charts.
  void aDamagedFileIsLeftAloneAndTheProgramGoesOn() {
    const std::string bytes = "SQLite format 3" + std::string(200, '\x01');
    testing::WriteBytes(home_->rosterFile(), bytes);
    Trigger(*main_, "rosterOpen");
    QCOMPARE(script_.reportProblems, QList<bool>{true});
    QVERIFY(script_.reports.front().contains(QStringLiteral("壊れている")));
    QVERIFY(script_.reports.front().contains(QStringLiteral("これまでどおり使えます")));
    QVERIFY(windows_->roster().window() == nullptr);

    EnterChart(*main_, {2000, 1, 1, 12, 0});
    script_.answer = {EntryChoice::SaveNew, QStringLiteral("保存できない人"), QString()};
    Trigger(*main_, "rosterSave");
    QCOMPARE(script_.reportProblems.size(), 2);
    QCOMPARE(testing::ReadBytes(home_->rosterFile()), bytes);
    QCOMPARE(Caption(main_.get(), QStringLiteral("yKan")), QStringLiteral("己"));
  }
};

int RunRosterWindowTests(int argc, char** argv) {
  RosterWindowTest test;
  return QTest::qExec(&test, argc, argv);
}

}  // namespace mireto::test

#include "roster_window_test.moc"
