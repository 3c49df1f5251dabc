// The birth-data inputs: the enabling chain, the birth summary, month changes
// and "時差ゼロ".
#include <QAction>

#include "qt_test_classes.h"
#include "ui_fixture.h"

namespace mireto::test {

class InputChainTest : public QObject {
  Q_OBJECT

 private slots:
  // One row of the chain table at a time: each choice enables the next control.
  void enablingChainRowByRow() {
    auto window = NewMainWindow();
    MainWindow* w = window.get();
    DecideYear(*w, 1975);
    QVERIFY(Enabled(w, "mSelect"));
    QVERIFY(!Enabled(w, "dSelect"));
    Choose(w, "mSelect", 4);
    QVERIFY(Enabled(w, "dSelect"));
    QVERIFY(!Enabled(w, "hSelect"));
    Choose(w, "dSelect", 8);
    QVERIFY(Enabled(w, "hSelect"));
    QVERIFY(!Enabled(w, "mtSelect"));
    Choose(w, "hSelect", 13);
    QVERIFY(Enabled(w, "mtSelect"));
    QVERIFY(!Enabled(w, "fInput"));
    Choose(w, "mtSelect", QStringLiteral("?"));
    QVERIFY(Enabled(w, "fInput"));
  }

  // Hour "?" enables the display button without a minute and disables the
  // minute list; a real hour enables the minute list again, the button stays.
  void unknownHourSkipsTheMinute() {
    auto window = NewMainWindow();
    MainWindow* w = window.get();
    DecideYear(*w, 1975);
    Choose(w, "mSelect", 4);
    Choose(w, "dSelect", 8);
    Choose(w, "hSelect", QStringLiteral("?"));
    QVERIFY(Enabled(w, "fInput"));
    QVERIFY(!Enabled(w, "mtSelect"));
    QCOMPARE(Text(w, "txtBirthday"), QStringLiteral("1975年4月8日出生時間不明"));
    QCOMPARE(*w->birthRecord().inHour, 0);
    Choose(w, "hSelect", 6);
    QVERIFY(Enabled(w, "mtSelect"));
    QVERIFY(Enabled(w, "fInput"));
    QCOMPARE(Text(w, "txtBirthday"), QStringLiteral("1975年4月8日6時頃"));
  }

  void summaryTexts() {
    auto window = NewMainWindow();
    MainWindow* w = window.get();
    DecideYear(*w, 1975);
    QCOMPARE(Text(w, "txtBirthday"), QStringLiteral("1975年月日時頃"));
    Choose(w, "mSelect", 4);
    Choose(w, "dSelect", 8);
    Choose(w, "hSelect", 13);
    QCOMPARE(Text(w, "txtBirthday"), QStringLiteral("1975年4月8日13時頃"));
    Choose(w, "mtSelect", 5);
    QCOMPARE(Text(w, "txtBirthday"), QStringLiteral("1975年4月8日13時5分"));
    Choose(w, "mtSelect", QStringLiteral("?"));
    QCOMPARE(Text(w, "txtBirthday"), QStringLiteral("1975年4月8日13時頃"));
    QCOMPARE(*w->birthRecord().inMinute, 0);
  }

  void monthBeforeDayLeavesTheDayUnchosen() {
    auto window = NewMainWindow();
    MainWindow* w = window.get();
    DecideYear(*w, 1990);
    Choose(w, "mSelect", 2);
    QCOMPARE(Items(List(w, "dSelect")), Numbers(1, 28));
    QCOMPARE(List(w, "dSelect")->currentIndex(), -1);
    QVERIFY(!w->birthRecord().inDay);
    QCOMPARE(Text(w, "txtBirthday"), QStringLiteral("1990年2月日時頃"));
    // The same month again: one item per day, never duplicates.
    Choose(w, "mSelect", 2);
    QCOMPARE(Items(List(w, "dSelect")), Numbers(1, 28));
  }

  void shorterMonthMovesTheDayToItsEnd() {
    auto window = NewMainWindow();
    MainWindow* w = window.get();
    DecideYear(*w, 1999);
    Choose(w, "mSelect", 1);
    Choose(w, "dSelect", 31);
    Choose(w, "mSelect", 2);
    QCOMPARE(Items(List(w, "dSelect")), Numbers(1, 28));
    QCOMPARE(List(w, "dSelect")->currentText(), QStringLiteral("28"));
    QCOMPARE(*w->birthRecord().inDay, 28);
    QVERIFY(Text(w, "txtBirthday").startsWith(QStringLiteral("1999年2月28日")));
  }

  void longerMonthKeepsTheDay() {
    auto window = NewMainWindow();
    MainWindow* w = window.get();
    DecideYear(*w, 1999);
    Choose(w, "mSelect", 4);
    Choose(w, "dSelect", 12);
    Choose(w, "mSelect", 5);
    QCOMPARE(Items(List(w, "dSelect")), Numbers(1, 31));
    QCOMPARE(List(w, "dSelect")->currentText(), QStringLiteral("12"));
    QCOMPARE(*w->birthRecord().inDay, 12);
  }

  // Changing an earlier input keeps the later choices and the display button.
  void earlierChangesKeepLaterChoices() {
    auto window = NewMainWindow();
    MainWindow* w = window.get();
    DecideYear(*w, 1975);
    Choose(w, "mSelect", 4);
    Choose(w, "dSelect", 8);
    Choose(w, "hSelect", 13);
    Choose(w, "mtSelect", 5);
    Choose(w, "mSelect", 6);
    QVERIFY(Enabled(w, "fInput"));
    QCOMPARE(List(w, "hSelect")->currentText(), QStringLiteral("13"));
    QCOMPARE(Text(w, "txtBirthday"), QStringLiteral("1975年6月8日13時5分"));
  }

  void zeroDifferenceClearsBothFields() {
    auto window = NewMainWindow();
    MainWindow* w = window.get();
    Control<QLineEdit>(w, "txtJisahun")->setText(QStringLiteral("-73"));
    Control<QLineEdit>(w, "txtJisabyo")->setText(QStringLiteral("abc"));
    Control<QAction>(w, "menujisa01")->trigger();
    QCOMPARE(Text(w, "txtJisahun"), QStringLiteral("0"));
    QCOMPARE(Text(w, "txtJisabyo"), QStringLiteral("0"));
  }
};

MIRETO_QT_TEST_CLASS(InputChain, InputChainTest)

}  // namespace mireto::test

#include "input_chain_test.moc"
