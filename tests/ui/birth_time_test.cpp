// 八字表示 and the birth time: the summer-time question answered both ways, the
// repeated hour answered both ways, a clock time that never existed refused,
// and the information box after a chart near a sectional-term boundary.
#include <QMessageBox>

#include "box_answerer.h"
#include "chart/birth_notices.h"
#include "qt_test_classes.h"
#include "ui/birth_time_boxes.h"
#include "ui_fixture.h"

namespace mireto::test {

namespace {

// Enters a birth through the controls (hour and minute as the lists show
// them, "?" allowed) and presses 八字表示.
void EnterBirth(MainWindow& w, int year, int month, int day, const QString& hour, const QString& minute,
                const QString& jisaMinutes = QStringLiteral("0")) {
  if (!EnterDateAndTime(w, year, month, day, hour, minute)) return;
  Control<QLineEdit>(&w, "txtJisahun")->setText(jisaMinutes);
  Click(&w, "fInput");
}

void EnterBirth(MainWindow& w, const ClockTime& t, const QString& jisaMinutes = QStringLiteral("0")) {
  EnterBirth(w, t.year, t.month, t.day, QString::number(t.hour), QString::number(t.minute), jisaMinutes);
}

QString Shown(const char* name) { return QString::fromUtf8(name); }

// The chart the window would show for the JST birth.
Chart ChartOf(const ClockTime& jst, const char* jisaMinutes = "0") {
  BirthInput in;
  in.year = jst.year;
  in.month = jst.month;
  in.day = jst.day;
  in.hour = jst.hour;
  in.minute = jst.minute;
  in.jisaMinutesText = jisaMinutes;
  return *ComputeChart(in, Tables(), {2026, 12, 7, 12, 0}).chart;
}

QString PillarsShown(const MainWindow& w) {
  QString text;
  for (const char* name : {"yKan", "yShi", "mKan", "mShi", "dKan", "dShi", "hKan", "hShi"})
    text += Caption(&w, QString::fromUtf8(name));
  return text;
}

QString PillarsOf(const Chart& c) {
  QString text;
  for (Pillar p : kPillars)
    text += QString::fromStdString(c.display.stems[p]) + QString::fromStdString(c.display.branches[p]);
  return text;
}

const QString kYes = QStringLiteral("はい");
const QString kNo = QStringLiteral("いいえ");

}  // namespace

class BirthTimeTest : public QObject {
  Q_OBJECT

 private slots:
  // 1949-06-01 00:30 on the clock: はい computes 31 May 23:30 JST (another day
  // pillar), いいえ 1 June 00:30; the birth summary stays as entered.
  void summerTimeAnsweredBothWays_data() {
    QTest::addColumn<QString>("answer");
    QTest::addColumn<int>("jstDay");
    QTest::addColumn<int>("jstHour");
    QTest::newRow("はい") << kYes << 31 << 23;
    QTest::newRow("いいえ") << kNo << 1 << 0;
  }
  void summerTimeAnsweredBothWays() {
    QFETCH(QString, answer);
    QFETCH(int, jstDay);
    QFETCH(int, jstHour);
    auto window = NewMainWindow();
    BoxAnswerer answerer({answer});
    EnterBirth(*window, 1949, 6, 1, QStringLiteral("0"), QStringLiteral("30"));
    QCOMPARE(answerer.shown.size(), 1);
    QCOMPARE(answerer.shown[0].name, Shown(kSummerTimeQuestionName));
    QCOMPARE(answerer.shown[0].text,
             QStringLiteral("この日時は夏時刻（サマータイム）の期間です。1時間戻した日本標準時で計算しますか？"));
    QStringList buttons{kYes, kNo};
    buttons.sort();
    QCOMPARE(answerer.shown[0].buttons, buttons);
    const Chart expected = ChartOf({1949, jstDay == 31 ? 5 : 6, jstDay, jstHour, 30, 0});
    QCOMPARE(PillarsShown(*window), PillarsOf(expected));
    QCOMPARE(Text(window.get(), "txtShin"), QString::fromStdString(expected.display.trueSolarTime));
    QCOMPARE(Text(window.get(), "txtBirthday"), QStringLiteral("1949年6月1日0時30分"));
    QVERIFY(window->birthChart());
    QCOMPARE(window->birthChart()->decision.reading == ClockReading::SummerTime, answer == kYes);
  }

  void repeatedHourAnsweredBothWays_data() {
    QTest::addColumn<QString>("answer");
    QTest::addColumn<int>("jstDay");
    QTest::addColumn<int>("jstHour");
    QTest::newRow("summer") << QString::fromUtf8(kRepeatedSummerChoice.data()) << 9 << 23;
    QTest::newRow("standard") << QString::fromUtf8(kRepeatedStandardChoice.data()) << 10 << 0;
  }
  void repeatedHourAnsweredBothWays() {
    QFETCH(QString, answer);
    QFETCH(int, jstDay);
    QFETCH(int, jstHour);
    auto window = NewMainWindow();
    BoxAnswerer answerer({answer});
    EnterBirth(*window, 1950, 9, 10, QStringLiteral("0"), QStringLiteral("45"));
    QCOMPARE(answerer.shown.size(), 1);
    QCOMPARE(answerer.shown[0].name, Shown(kRepeatedTimeQuestionName));
    QCOMPARE(answerer.shown[0].text, QString::fromUtf8(kRepeatedTimeQuestion.data()));
    const Chart expected = ChartOf({1950, 9, jstDay, jstHour, 45, 0});
    QCOMPARE(PillarsShown(*window), PillarsOf(expected));
    QCOMPARE(Text(window.get(), "txtShin"), QString::fromStdString(expected.display.trueSolarTime));
  }

  // 00:30 on the Sunday the clocks went forward: asked whether to compute it
  // as entered in JST. はい gives the chart of 00:30 JST and then the notice
  // mireto-chart gives; いいえ gives no chart.
  void neverExistedTimeAskedAbout_data() {
    QTest::addColumn<QString>("answer");
    QTest::newRow("はい") << kYes;
    QTest::newRow("いいえ") << kNo;
  }
  void neverExistedTimeAskedAbout() {
    QFETCH(QString, answer);
    auto window = NewMainWindow();
    BoxAnswerer answerer({answer});
    EnterBirth(*window, 1950, 5, 7, QStringLiteral("0"), QStringLiteral("30"));
    QVERIFY(!answerer.shown.isEmpty());
    QCOMPARE(answerer.shown[0].name, Shown(kNeverExistedTimeName));
    QCOMPARE(answerer.shown[0].text,
             QStringLiteral("1950年5月7日0時30分は、夏時刻（サマータイム）の始まりで時計が0時から1時へ進められたため、"
                            "存在しない時刻です。入力どおり日本標準時として計算しますか？"));
    QStringList buttons{kYes, kNo};
    buttons.sort();
    QCOMPARE(answerer.shown[0].buttons, buttons);
    QVERIFY(!answerer.shown[0].buttonIcons);
    if (answer == kNo) {
      QCOMPARE(answerer.shown.size(), 1);
      QCOMPARE(Caption(window.get(), QStringLiteral("yKan")), QStringLiteral("□"));
      QVERIFY(!Enabled(window.get(), "btnpop"));
      QVERIFY(!window->birthChart());
      return;
    }
    QCOMPARE(answerer.shown.size(), 2);
    QCOMPARE(answerer.shown[1].text,
             QStringLiteral("入力の時刻は夏時刻（サマータイム）の始まりで時計が進められたため存在しません。"
                            "入力どおり日本標準時として計算しました。"));
    QCOMPARE(PillarsShown(*window), PillarsOf(ChartOf({1950, 5, 7, 0, 30, 0})));
    QVERIFY(window->birthChart());
    QCOMPARE(window->displayedDecision(), roster::ClockDecision::AsEntered);
  }

  // 20 minutes after 立春 1990 at a time difference of -20 minutes: after the
  // chart, one box with the term, its clock time here, the minutes and the
  // pillars on the other side; none at 2 hours.
  void nearBoundaryInformationAfterTheChart() {
    const BirthInput probe = [] {
      BirthInput in;
      in.year = 1990;
      in.month = 2;
      in.day = 4;
      in.hour = 12;
      in.minute = 0;
      in.jisaMinutesText = "-20";
      return in;
    }();
    const BirthChart anchor =
        ComputeBirthChart(probe, SummerTimeRule::Ignore, Tables(), {2026, 12, 7, 12, 0}, Boundaries::Solve);
    const TermBoundary& b = anchor.boundaries->nearer();
    QCOMPARE(QString::fromUtf8(b.term.data()), QStringLiteral("立春"));
    const ClockTime born = FromClockSeconds(ClockSeconds(b.clockTime) - b.clockTime.second + 20 * 60);
    {
      auto window = NewMainWindow();
      BoxAnswerer answerer({});
      EnterBirth(*window, born, QStringLiteral("-20"));
      QCOMPARE(answerer.shown.size(), 1);
      QCOMPARE(answerer.shown[0].name, Shown(kTermBoundaryInformationName));
      const QString text = answerer.shown[0].text;
      QVERIFY2(text.contains(QStringLiteral("立春の節入り（") + QString::fromStdString(JapaneseText(b.clockTime))),
               qPrintable(text));
      const Chart before = ChartOf(FromClockSeconds(ClockSeconds(b.clockTime) - 60), "-20");
      QVERIFY2(text.contains(QString::fromStdString(
                   before.display.stems[Pillar::Year] + before.display.branches[Pillar::Year] + "年" +
                   before.display.stems[Pillar::Month] + before.display.branches[Pillar::Month] + "月")),
               qPrintable(text));
      QCOMPARE(PillarsShown(*window), PillarsOf(ChartOf(born, "-20")));
    }
    {
      auto window = NewMainWindow();
      BoxAnswerer answerer({});
      EnterBirth(*window, FromClockSeconds(ClockSeconds(born) + 2 * kSecondsPerHour), QStringLiteral("-20"));
      QCOMPARE(answerer.shown.size(), 0);
    }
  }

  // The hour unknown on the day of 立春: the month pillar depends on the hour.
  void hourUnknownOnTheTermDay() {
    auto window = NewMainWindow();
    BoxAnswerer answerer({});
    EnterBirth(*window, 1990, 2, 4, QStringLiteral("?"), QString(), QStringLiteral("-20"));
    QCOMPARE(answerer.shown.size(), 1);
    QVERIFY2(answerer.shown[0].text.contains(QStringLiteral("出生時刻によって")), qPrintable(answerer.shown[0].text));
    QVERIFY(answerer.shown[0].text.contains(QStringLiteral("立春")));
  }
};

MIRETO_QT_TEST_CLASS(BirthTime, BirthTimeTest)

}  // namespace mireto::test

#include "birth_time_test.moc"
