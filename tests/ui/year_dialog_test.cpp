// The year dialog: centuries, the three-column list, "決定" and reopening.
#include <QListWidget>
#include <QScrollBar>
#include <QWindow>

#include "qt_test_classes.h"
#include "ui/year_dialog.h"
#include "ui_fixture.h"

namespace mireto::test {

namespace {

QStringList ListYears(QWidget* dialog) {
  auto* list = Control<QListWidget>(dialog, "List1");
  QStringList years;
  for (int i = 0; i < list->count(); ++i) years << list->item(i)->text();
  return years;
}

QString YearLabel(QWidget* dialog) { return Control<QLabel>(dialog, "lblSelect_y")->text(); }

// The year shown at the top left of the list's visible area.
QString FirstVisibleYear(QWidget* dialog) {
  auto* list = Control<QListWidget>(dialog, "List1");
  list->doItemsLayout();
  const QModelIndex first = list->indexAt(QPoint(2, 2));
  return first.data().toString();
}

QWidget* OpenActiveDialog(MainWindow& window) {
  Click(&window, "yearInput");
  QWidget* dialog = window.yearDialog();
  if (!QTest::qWaitForWindowActive(dialog)) qWarning("year dialog not active");
  return dialog;
}

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

  // Owned by the main window (so kept above it), window-modal, without a
  // minimize, maximize or close button; usable while its owner is disabled.
  void theDialogIsAnOwnedWindowModalDialog() {
    auto window = NewMainWindow();
    QWidget* dialog = OpenActiveDialog(*window);
    QCOMPARE(dialog->parentWidget(), window.get());
    QCOMPARE(dialog->windowType(), Qt::Dialog);
    QCOMPARE(dialog->windowModality(), Qt::WindowModal);
    const Qt::WindowFlags buttons =
        Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint;
    QCOMPARE(dialog->windowFlags() & buttons, Qt::WindowFlags());
    QVERIFY(dialog->windowHandle() != nullptr);
    QCOMPARE(dialog->windowHandle()->transientParent(), window->windowHandle());
    QVERIFY(!window->isEnabled());
    QVERIFY(dialog->isEnabled());
    QVERIFY(Control<QWidget>(dialog, "btnSlok")->isEnabled());
    QCOMPARE(QApplication::activeModalWidget(), dialog);
    // A second opening after "決定" is as owned and usable as the first.
    ClickYear(dialog, 1950);
    Click(dialog, "btnSlok");
    QVERIFY(window->isEnabled() && !dialog->isVisible());
    QCOMPARE(OpenActiveDialog(*window), dialog);
    QVERIFY(!window->isEnabled());
    QVERIFY(dialog->isEnabled());
  }

  // Tabbing into the list makes its first year current but chooses nothing;
  // a key that moves in the list chooses as a click does.
  void focusAloneChoosesNoYear() {
    auto window = NewMainWindow();
    QWidget* dialog = OpenActiveDialog(*window);
    auto* list = Control<QListWidget>(dialog, "List1");
    Control<QWidget>(dialog, "y2000")->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(Control<QWidget>(dialog, "y2000")->hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTRY_VERIFY(list->hasFocus());
    QVERIFY(YearLabel(dialog).isEmpty());
    QTest::keyClick(list, Qt::Key_Tab);
    QTRY_VERIFY(Control<QWidget>(dialog, "btnSlok")->hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QVERIFY(dialog->isVisible());
    QVERIFY(!window->birthRecord().inYear);

    list->setFocus(Qt::BacktabFocusReason);
    QTRY_VERIFY(list->hasFocus());
    QTest::keyClick(list, Qt::Key_Down);
    QCOMPARE(YearLabel(dialog), list->currentItem()->text());
    QVERIFY(!YearLabel(dialog).isEmpty());
  }

  void aCenturyIsShownFromItsFirstYear_data() {
    QTest::addColumn<QString>("scrolled");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("first");
    QTest::newRow("1900s again") << "y1900"
                                 << "y1900"
                                 << "1900";
    QTest::newRow("1900s to 2000s") << "y1900"
                                    << "y2000"
                                    << "2000";
    QTest::newRow("2000s to 1800s") << "y2000"
                                    << "y1800"
                                    << "1800";
    QTest::newRow("1800s to 1900s") << "y1800"
                                    << "y1900"
                                    << "1900";
  }

  void aCenturyIsShownFromItsFirstYear() {
    QFETCH(QString, scrolled);
    QFETCH(QString, button);
    QFETCH(QString, first);
    auto window = NewMainWindow();
    QWidget* dialog = OpenActiveDialog(*window);
    auto* list = Control<QListWidget>(dialog, "List1");
    Click(dialog, scrolled.toUtf8().constData());
    list->scrollToItem(list->item(list->count() - 1));
    QVERIFY(FirstVisibleYear(dialog) != list->item(0)->text());
    Click(dialog, button.toUtf8().constData());
    QCOMPARE(FirstVisibleYear(dialog), first);
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

MIRETO_QT_TEST_CLASS(YearDialog, YearDialogTest)

}  // namespace mireto::test

#include "year_dialog_test.moc"
