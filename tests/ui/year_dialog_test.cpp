// The year dialog: centuries, the three-column list, "決定" and reopening.
#include <QListWidget>

#include "ui_fixture.h"
#include "ui/year_dialog.h"

namespace mireto::test {

namespace {

QStringList ListYears(QWidget* dialog) {
  auto* list = Control<QListWidget>(dialog, "List1");
  QStringList years;
  for (int i = 0; i < list->count(); ++i) years << list->item(i)->text();
  return years;
}

QString YearLabel(QWidget* dialog) { return Control<QLabel>(dialog, "lblSelect_y")->text(); }

}  // namespace

class YearDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void firstOpeningShowsThe1900sInThreeColumns() {
    auto window = NewMainWindow();
    QVERIFY(window->yearDialog() == nullptr);
    Click(window.get(), "yearInput");
    QWidget* dialog = window->yearDialog();
    QVERIFY(dialog != nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    QCOMPARE(dialog->objectName(), QStringLiteral("yInput"));
    QCOMPARE(dialog->windowTitle(), QStringLiteral("年入力"));
    QCOMPARE(ListYears(dialog), Numbers(1900, 1999));
    QVERIFY(YearLabel(dialog).isEmpty());
    QVERIFY(!window->isEnabled());
    QVERIFY(!(dialog->windowFlags() & Qt::WindowCloseButtonHint));

    // Three columns fill the visible width; the items run down, then across.
    auto* list = Control<QListWidget>(dialog, "List1");
    QCOMPARE(list->flow(), QListView::TopToBottom);
    QVERIFY(list->isWrapping());
    const QRect first = list->visualItemRect(list->item(0));
    const QRect second = list->visualItemRect(list->item(1));
    QCOMPARE(second.x(), first.x());
    QVERIFY(second.y() > first.y());
    int columnsInView = 0;
    for (int i = 0; i < list->count(); ++i) {
      const QRect r = list->visualItemRect(list->item(i));
      if (r.y() == first.y() && list->viewport()->rect().contains(r)) ++columnsInView;
    }
    QCOMPARE(columnsInView, 3);
  }

  void decideWithNothingChosenKeepsTheDialogOpen() {
    auto window = NewMainWindow();
    Click(window.get(), "yearInput");
    QWidget* dialog = window->yearDialog();
    Click(dialog, "btnSlok");
    QVERIFY(window->isEnabled());
    QVERIFY(dialog->isVisible());
    QVERIFY(!Enabled(window.get(), "mSelect"));
    QVERIFY(!window->birthRecord().inYear);
    // A year chosen in the list without "決定" changes nothing either.
    ClickYear(dialog, 1964);
    QCOMPARE(YearLabel(dialog), QStringLiteral("1964"));
    QVERIFY(!window->birthRecord().inYear);
    QVERIFY(Text(window.get(), "txtBirthday").isEmpty());
    QVERIFY(!Enabled(window.get(), "mSelect"));
  }

  void centuryButtonsOfferTheirYears() {
    auto window = NewMainWindow();
    Click(window.get(), "yearInput");
    QWidget* dialog = window->yearDialog();
    Click(dialog, "y2000");
    QCOMPARE(ListYears(dialog), Numbers(2000, 2080));
    Click(dialog, "y1800");
    QCOMPARE(ListYears(dialog), Numbers(1800, 1899));
  }

  void reopeningKeepsTheYearAndTheCentury() {
    auto window = NewMainWindow();
    DecideYear(*window, 1875);
    QWidget* dialog = window->yearDialog();
    QVERIFY(!dialog->isVisible());
    QVERIFY(window->isEnabled());
    QCOMPARE(*window->birthRecord().inYear, 1875);
    Click(window.get(), "yearInput");
    QCOMPARE(window->yearDialog(), dialog);
    QVERIFY(dialog->isVisible());
    QCOMPARE(YearLabel(dialog), QStringLiteral("1875"));
    QCOMPARE(ListYears(dialog), Numbers(1800, 1899));
  }

  // The dialog has no close button; a close request from outside is refused,
  // so the disabled main window cannot be stranded.
  void closeRequestIsRefused() {
    auto window = NewMainWindow();
    Click(window.get(), "yearInput");
    QWidget* dialog = window->yearDialog();
    QVERIFY(!dialog->close());
    QVERIFY(dialog->isVisible());
  }

  // 29 February of a leap year, then a common year: the day list is rebuilt
  // for February of the new year and the day moves to 28.
  void leapDayFollowsANewCommonYear() {
    auto window = NewMainWindow();
    MainWindow* w = window.get();
    DecideYear(*w, 1996);
    Choose(w, "mSelect", 2);
    Choose(w, "dSelect", 29);
    Choose(w, "hSelect", 10);
    DecideYear(*w, 1997);
    QCOMPARE(Items(List(w, "dSelect")), Numbers(1, 28));
    QCOMPARE(List(w, "dSelect")->currentText(), QStringLiteral("28"));
    QCOMPARE(*w->birthRecord().inDay, 28);
    QCOMPARE(Text(w, "txtBirthday"), QStringLiteral("1997年2月28日10時頃"));
    // And back to a leap year: 29 is offered again, 28 stays chosen.
    DecideYear(*w, 2000);
    QCOMPARE(Items(List(w, "dSelect")), Numbers(1, 29));
    QCOMPARE(List(w, "dSelect")->currentText(), QStringLiteral("28"));
  }

  void newYearWithMonthButNoDayRebuildsWithoutChoosing() {
    auto window = NewMainWindow();
    MainWindow* w = window.get();
    DecideYear(*w, 2000);
    Choose(w, "mSelect", 2);
    DecideYear(*w, 2001);
    QCOMPARE(Items(List(w, "dSelect")), Numbers(1, 28));
    QCOMPARE(List(w, "dSelect")->currentIndex(), -1);
    QCOMPARE(Text(w, "txtBirthday"), QStringLiteral("2001年2月日時頃"));
  }
};

int RunYearDialogTests(int argc, char** argv) {
  YearDialogTest test;
  return QTest::qExec(&test, argc, argv);
}

}  // namespace mireto::test

#include "year_dialog_test.moc"
