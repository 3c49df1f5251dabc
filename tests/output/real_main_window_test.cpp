// End to end: births entered into the real main window as a user enters them,
// displayed, then copied by POP and exported by EXP; the same births through
// the chart tool's functions give the same snapshot and the same export text.
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "chart/chart_snapshot.h"
#include "cli/chart_io.h"
#include "core/data_files.h"
#include "output_windows/export_window.h"
#include "output_windows/popup_window.h"
#include "qt_input.h"
#include "qt_test_classes.h"
#include "ui/main_window.h"

using mireto::ChartSnapshot;

namespace {

const mireto::LocalDateTime kNow{2024, 6, 1, 12, 0};
const QDateTime kMoment(QDate(2024, 6, 1), QTime(12, 0, 30));

// What a user clicks: the chart shown by the window, as POP and EXP get it.
struct Clicked {
  ChartSnapshot displayed;  // emitted when the chart was shown
  ChartSnapshot atPop;      // handed to the pop-up by the POP button
  ChartSnapshot atExp;      // handed to the preview by the EXP button
};

QPushButton* Button(mireto::MainWindow& window, const char* name) {
  return window.findChild<QPushButton*>(QString::fromUtf8(name));
}

}  // namespace

class RealMainWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    auto loaded = mireto::LoadCalendarTables(QCoreApplication::applicationDirPath().toStdString());
    QVERIFY2(loaded.tables, loaded.error.c_str());
    tables_ = *loaded.tables;
  }

  void windowAndToolGiveTheSameChart_data() {
    mireto::test::AddBirthColumns();
    QTest::newRow("worked example, male") << "1975-04-08"
                                          << "13"
                                          << "5"
                                          << "M"
                                          << "0"
                                          << "0";
    QTest::newRow("unknown hour") << "1990-05-03"
                                  << "?"
                                  << "?"
                                  << "F"
                                  << "0"
                                  << "0";
    QTest::newRow("unknown minute, west") << "1984-02-04"
                                          << "23"
                                          << "?"
                                          << "M"
                                          << "-20"
                                          << "12";
    QTest::newRow("minus zero minutes") << "2000-01-01"
                                        << "0"
                                        << "0"
                                        << "F"
                                        << "-0"
                                        << "51";
    QTest::newRow("future birth, east") << "2030-12-31"
                                        << "23"
                                        << "59"
                                        << "F"
                                        << "19"
                                        << "0";
    QTest::newRow("first supported year") << "1800-01-01"
                                          << "12"
                                          << "0"
                                          << "M"
                                          << "0"
                                          << "0";
  }

  void windowAndToolGiveTheSameChart() {
    const mireto::roster::BirthTexts birth = mireto::test::FetchBirth();
    std::string error;
    const auto request = mireto::exchange::MakeRequest(birth.date, birth.hour, birth.minute, birth.sex,
                                                       birth.jisaMinutes, birth.jisaSeconds, error);
    QVERIFY2(request, error.c_str());
    const auto computed = mireto::ComputeChart(request->input, tables_, kNow);
    QVERIFY2(computed.chart, computed.error.c_str());

    mireto::MainWindow main(tables_);
    const Clicked clicked = EnterDisplayAndClick(main, birth);

    // The tool's snapshot is the window's, text for text and the bold column.
    ChartSnapshot tool = mireto::SnapshotOf(*computed.chart, mireto::cli::BirthdayText(*request), request->input.sex);
    // The window adds the birth-time section: no summer time in these births,
    // both boundaries solved.
    tool.birthTime = mireto::BirthTimeDetailsOf(mireto::ComputeBirthChart(
        request->input, mireto::SummerTimeRule::Ignore, tables_, kNow, mireto::Boundaries::Solve));
    QVERIFY(tool.birthTime);
    QCOMPARE(clicked.displayed, tool);
    QCOMPARE(clicked.atPop, tool);
    QCOMPARE(clicked.atExp, tool);

    // The preview shows the tool's chart text for the same moment.
    mireto::ExportController exporter;
    exporter.setClock([] { return kMoment; });
    exporter.open(clicked.atExp);
    const std::string nowText = mireto::GeneralDateText(kMoment).toStdString();
    QString expected = QString::fromStdString(mireto::cli::ChartText(*request, *computed.chart, nowText));
    expected.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QCOMPARE(exporter.window()->findChild<QPlainTextEdit*>(QStringLiteral("txtmireto01"))->toPlainText(), expected);

    // The pop-up shows the same chart.
    mireto::PopupController popup;
    popup.open(clicked.atPop);
    const QWidget& copy = *popup.window();
    const auto text = [&](const char* name) {
      return copy.findChild<QWidget*>(QString::fromUtf8(name))->property("text").toString().toStdString();
    };
    QCOMPARE(text("txtKoukei"), tool.display.sunLongitude);
    QCOMPARE(text("lblOu"), tool.display.seasonElement);
    QCOMPARE(text("txtMW"), tool.sex);
  }

  // The snapshot is read at the click: a weekday typed over the result is
  // what POP copies; with neither sex option selected the sex reads 女.
  void snapshotIsTakenAtTheClick() {
    mireto::MainWindow main(tables_);
    const Clicked first = EnterDisplayAndClick(main, {"1975-04-08", "13", "5", "M", "0", "0"});
    QCOMPARE(first.atPop.sex, std::string("男"));

    main.findChild<QLineEdit*>(QStringLiteral("txtweek"))->setText(QStringLiteral("金曜日"));
    for (auto* option : main.findChildren<QRadioButton*>()) {
      option->setAutoExclusive(false);
      option->setChecked(false);
    }
    ChartSnapshot popped;
    connect(&main, &mireto::MainWindow::popupRequested, this, [&](const ChartSnapshot& s) { popped = s; });
    Button(main, "btnpop")->click();
    QCOMPARE(popped.display.weekday, std::string("金曜日"));
    QCOMPARE(popped.sex, std::string("女"));
    ChartSnapshot expected = first.atPop;
    expected.display.weekday = "金曜日";
    expected.sex = "女";
    QCOMPARE(popped, expected);
  }

  // A value a list does not offer is refused and nothing is displayed.
  void enterBirthRefusesADayTheMonthLacks() {
    mireto::MainWindow main(tables_);
    mireto::roster::BirthTexts birth{.date = "2001-02-29", .hour = "?", .minute = "?", .sex = "F"};
    QVERIFY(!main.enterBirth(birth));
    birth.date = "2001-02-28";
    QVERIFY(main.enterBirth(birth));
    QCOMPARE(main.findChild<QLineEdit*>(QStringLiteral("txtBirthday"))->text(),
             QStringLiteral("2001年2月28日出生時間不明"));
  }

 private:
  Clicked EnterDisplayAndClick(mireto::MainWindow& main, const mireto::roster::BirthTexts& birth) {
    Clicked clicked;
    main.setClock([] { return kNow; });
    connect(&main, &mireto::MainWindow::chartDisplayed, this, [&](const ChartSnapshot& s) { clicked.displayed = s; });
    connect(&main, &mireto::MainWindow::popupRequested, this, [&](const ChartSnapshot& s) { clicked.atPop = s; });
    connect(&main, &mireto::MainWindow::exportRequested, this, [&](const ChartSnapshot& s) { clicked.atExp = s; });
    if (!mireto::test::EnterBirth(main, birth)) return clicked;
    Button(main, "fInput")->click();
    Button(main, "btnpop")->click();
    Button(main, "btnexport")->click();
    disconnect(&main, nullptr, this, nullptr);
    return clicked;
  }

  mireto::CalendarTables tables_{};
};

MIRETO_QT_TEST_CLASS(RealMainWindow, RealMainWindowTest)

#include "real_main_window_test.moc"
