// The main window as a desktop user expects it: menu shortcuts win over the
// focused field, the wheel leaves unfocused lists alone, opened lists stay
// short, spinners show the focus, disabled controls show no tool tip.
#include <QAbstractItemView>
#include <QAction>
#include <QClipboard>
#include <QHelpEvent>
#include <QScrollBar>
#include <QSignalSpy>
#include <QToolTip>
#include <QWheelEvent>

#include "qt_test_classes.h"
#include "ui/drop_down_list.h"
#include "ui/spinner.h"
#include "ui_fixture.h"

namespace mireto::test {

namespace {

std::unique_ptr<MainWindow> ActiveWindowWithChart() {
  auto window = NewMainWindow();
  EnterChart(*window);
  window->activateWindow();
  if (!QTest::qWaitForWindowActive(window.get())) qWarning("main window not active");
  return window;
}

void FocusOn(QWidget* widget) {
  widget->setFocus(Qt::OtherFocusReason);
  QTRY_VERIFY(widget->hasFocus());
}

// One notch of the wheel over the middle of a widget, as the window system
// delivers it.
void WheelNotch(QWidget* widget, int steps) {
  const QPointF at = QRectF(widget->rect()).center();
  QWheelEvent wheel(at, widget->mapToGlobal(at), QPoint(), QPoint(0, 120 * steps), Qt::NoButton, Qt::NoModifier,
                    Qt::NoScrollPhase, false);
  QApplication::sendEvent(widget, &wheel);
}

}  // namespace

class MainWindowInputTest : public QObject {
  Q_OBJECT

 private slots:
  // Every shortcut from every text field: the menu item runs and the field
  // keeps its text (no paste, no cursor key of its own).
  void menuShortcutsWinOverTheFocusedField_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("action");
    const char* fields[] = {"txtBirthday", "txtJisahun", "txtJisabyo",  "txtweek",   "txtShin",
                            "txtKinjisa",  "txtKoutai",  "txtKoutaiYM", "txtKoukei", "txtAge"};
    const std::pair<Qt::Key, const char*> shortcuts[] = {{Qt::Key_E, "endmireto"},
                                                         {Qt::Key_M, "mnuMap"},
                                                         {Qt::Key_P, "menupop"},
                                                         {Qt::Key_J, "menujisa01"},
                                                         {Qt::Key_V, "menuversion"}};
    for (const char* field : fields)
      for (const auto& [key, action] : shortcuts)
        QTest::addRow("%s Ctrl+%c", field, static_cast<char>(key)) << field << static_cast<int>(key) << action;
  }

  void menuShortcutsWinOverTheFocusedField() {
    QFETCH(QString, field);
    QFETCH(int, key);
    QFETCH(QString, action);
    auto window = ActiveWindowWithChart();
    auto* edit = Control<QLineEdit>(window.get(), field.toUtf8().constData());
    const bool timeDifference = field == QStringLiteral("txtJisahun") || field == QStringLiteral("txtJisabyo");
    edit->setText(QStringLiteral("12"));
    edit->setCursorPosition(0);
    QGuiApplication::clipboard()->setText(QStringLiteral("342"));
    FocusOn(edit);
    QSignalSpy triggered(Control<QAction>(window.get(), action.toUtf8().constData()), &QAction::triggered);

    QTest::keyClick(edit, static_cast<Qt::Key>(key), Qt::ControlModifier);

    QCOMPARE(triggered.count(), 1);
    const bool zeroed = action == QStringLiteral("menujisa01") && timeDifference;
    QCOMPARE(edit->text(), zeroed ? QStringLiteral("0") : QStringLiteral("12"));
    if (action != QStringLiteral("endmireto")) QCOMPARE(edit->cursorPosition(), zeroed ? 1 : 0);
  }

  // A disabled menu item lets the key through: Ctrl+P before the first chart.
  void disabledItemsShortcutDoesNothing() {
    auto window = NewMainWindow();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    auto* seconds = Control<QLineEdit>(window.get(), "txtJisabyo");
    FocusOn(seconds);
    QSignalSpy popup(window.get(), &MainWindow::popupRequested);
    QTest::keyClick(seconds, Qt::Key_P, Qt::ControlModifier);
    QCOMPARE(popup.count(), 0);
  }

  void wheelOverAnUnfocusedListDoesNothing_data() {
    QTest::addColumn<QString>("list");
    for (const char* name : {"mSelect", "dSelect", "hSelect", "mtSelect"}) QTest::newRow(name) << name;
  }

  // 1月31日: a wheel notch over the unfocused month list must not move the
  // day to 2月28日; with the focus the wheel steps the list as the keys do.
  void wheelOverAnUnfocusedListDoesNothing() {
    QFETCH(QString, list);
    auto window = NewMainWindow();
    MainWindow* w = window.get();
    DecideYear(*w, 2001);
    Choose(w, "mSelect", 1);
    Choose(w, "dSelect", 31);
    Choose(w, "hSelect", 10);
    Choose(w, "mtSelect", 5);
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));
    FocusOn(Control<QWidget>(w, "yearInput"));
    QComboBox* target = List(w, list.toUtf8().constData());
    const QString before = target->currentText();
    const QString summary = Text(w, "txtBirthday");
    // Towards an item that exists: down, or up from the last one.
    const int notch = target->currentIndex() + 1 < target->count() ? -1 : 1;

    WheelNotch(target, notch);
    QCOMPARE(target->currentText(), before);
    QCOMPARE(Text(w, "txtBirthday"), summary);
    QVERIFY(!target->hasFocus());

    FocusOn(target);
    WheelNotch(target, notch);
    QVERIFY(target->currentText() != before);
  }

  void openedListsAreAtMostSixteenItemsTall_data() {
    QTest::addColumn<QString>("list");
    QTest::addColumn<int>("items");
    QTest::newRow("minutes") << "mtSelect" << 61;
    QTest::newRow("days") << "dSelect" << 31;
    QTest::newRow("hours") << "hSelect" << 25;
    QTest::newRow("months") << "mSelect" << 12;
  }

  void openedListsAreAtMostSixteenItemsTall() {
    QFETCH(QString, list);
    QFETCH(int, items);
    auto window = NewMainWindow();
    MainWindow* w = window.get();
    DecideYear(*w, 2001);
    Choose(w, "mSelect", 1);
    Choose(w, "dSelect", 1);
    Choose(w, "hSelect", 1);
    QComboBox* target = List(w, list.toUtf8().constData());
    QCOMPARE(target->count(), items);
    target->showPopup();
    QAbstractItemView* view = target->view();
    QTRY_VERIFY(view->isVisible());
    const int rowHeight = view->sizeHintForRow(0);
    const int shownRows = view->viewport()->height() / rowHeight;
    const int expectedRows = std::min(items, kDropDownVisibleItems);
    QVERIFY2(shownRows == expectedRows,
             qPrintable(QStringLiteral("%1 rows shown (%2 px)").arg(shownRows).arg(view->viewport()->height())));
    QCOMPARE(view->verticalScrollBar()->isVisible(), items > kDropDownVisibleItems);
    target->hidePopup();
  }

  // The spinner's arrows cover it, so the focus must be drawn over them.
  void spinnersShowTheKeyboardFocus_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("spinner");
    QTest::newRow("minutes") << "txtJisahun"
                             << "udJisahun";
    QTest::newRow("seconds") << "txtJisabyo"
                             << "udJisabyo";
  }

  void spinnersShowTheKeyboardFocus() {
    QFETCH(QString, field);
    QFETCH(QString, spinner);
    auto window = NewMainWindow();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    auto* target = Control<UpDownSpinner>(window.get(), spinner.toUtf8().constData());
    FocusOn(Control<QWidget>(window.get(), field.toUtf8().constData()));
    const QImage unfocused = target->grab().toImage();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTRY_VERIFY(target->hasFocus());
    const QImage focused = target->grab().toImage();
    QVERIFY(focused != unfocused);
    QTest::keyClick(target, Qt::Key_Tab);
    QTRY_VERIFY(!target->hasFocus());
    QCOMPARE(target->grab().toImage(), unfocused);
  }

  // At start the month list is disabled: its tip "生月を入力" stays hidden;
  // the enabled "年入力" shows its own.
  void disabledControlsShowNoToolTip_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<bool>("shown");
    QTest::newRow("disabled month list") << "mSelect" << false;
    QTest::newRow("disabled display button") << "fInput" << false;
    QTest::newRow("enabled year button") << "yearInput" << true;
    QTest::newRow("enabled spinner") << "udJisabyo" << true;
  }

  void disabledControlsShowNoToolTip() {
    QFETCH(QString, control);
    QFETCH(bool, shown);
    auto window = NewMainWindow();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QToolTip::hideText();
    auto* target = Control<QWidget>(window.get(), control.toUtf8().constData());
    QVERIFY(!target->toolTip().isEmpty());
    const QPoint at = target->rect().center();
    QHelpEvent help(QEvent::ToolTip, at, target->mapToGlobal(at));
    QApplication::sendEvent(target, &help);
    QCOMPARE(QToolTip::isVisible(), shown);
    if (shown) QCOMPARE(QToolTip::text(), target->toolTip());
    QToolTip::hideText();
  }
};

MIRETO_QT_TEST_CLASS(MainWindowInput, MainWindowInputTest)

}  // namespace mireto::test

#include "main_window_input_test.moc"
