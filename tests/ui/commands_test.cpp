// Menu shortcuts, the window commands and the exit with hidden secondary windows.
#include <QAction>
#include <QSignalSpy>

#include "app/secondary_windows.h"
#include "map_dialog/map_dialog.h"
#include "output_windows/export_window.h"
#include "output_windows/popup_window.h"
#include "qt_test_classes.h"
#include "ui_fixture.h"

namespace mireto::test {

namespace {

std::unique_ptr<MainWindow> NewActiveMainWindow() {
  auto window = NewMainWindow();
  window->activateWindow();
  if (!QTest::qWaitForWindowActive(window.get())) qWarning("main window not active");
  return window;
}

void PressCtrl(QWidget* window, Qt::Key key) {
  QWidget* target = QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : window;
  QTest::keyClick(target, key, Qt::ControlModifier);
}

bool AnyTopLevelVisible() {
  for (QWidget* widget : QApplication::topLevelWidgets())
    if (widget->isVisible()) return true;
  return false;
}

}  // namespace

class CommandsTest : public QObject {
  Q_OBJECT

 private slots:
  void ctrlShortcutsTriggerTheirItems() {
    auto window = NewActiveMainWindow();
    MainWindow* w = window.get();
    QSignalSpy map(w, &MainWindow::mapRequested);
    QSignalSpy about(w, &MainWindow::aboutRequested);
    PressCtrl(w, Qt::Key_M);
    QCOMPARE(map.count(), 1);
    PressCtrl(w, Qt::Key_V);
    QCOMPARE(about.count(), 1);
    Control<QLineEdit>(w, "txtJisabyo")->setText(QStringLiteral("12"));
    Control<QLineEdit>(w, "txtJisahun")->setText(QStringLiteral("-20"));
    PressCtrl(w, Qt::Key_J);
    QCOMPARE(Text(w, "txtJisahun"), QStringLiteral("0"));
    QCOMPARE(Text(w, "txtJisabyo"), QStringLiteral("0"));
  }

  // Ctrl+P does nothing until a chart is shown, then opens the pop-up.
  void ctrlPWaitsForTheFirstChart() {
    auto window = NewActiveMainWindow();
    MainWindow* w = window.get();
    QSignalSpy popup(w, &MainWindow::popupRequested);
    PressCtrl(w, Qt::Key_P);
    QCOMPARE(popup.count(), 0);
    EnterChart(*w);
    QVERIFY(Enabled(w, "btnpop"));
    QVERIFY(Enabled(w, "btnexport"));
    QVERIFY(Control<QAction>(w, "menupop")->isEnabled());
    PressCtrl(w, Qt::Key_P);
    QCOMPARE(popup.count(), 1);
    Click(w, "btnpop");
    QCOMPARE(popup.count(), 2);
  }

  void ctrlEExitsWithEverySecondaryWindow() {
    auto window = NewActiveMainWindow();
    auto* windows = new SecondaryWindows(window.get());
    Click(window.get(), "btnmap");
    windows->map().window()->hide();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QSignalSpy unloading(window.get(), &MainWindow::unloading);
    PressCtrl(window.get(), Qt::Key_E);
    QCOMPARE(unloading.count(), 1);
    QVERIFY(!window->isVisible());
    QVERIFY(windows->map().window() == nullptr);
  }

  // The secondary windows hidden by their own buttons still unload when the
  // main window is closed by its frame: nothing visible keeps the program.
  void closingTheFrameUnloadsHiddenWindows() {
    auto window = NewMainWindow();
    auto* windows = new SecondaryWindows(window.get());
    EnterChart(*window);
    Click(window.get(), "btnexport");
    Click(window.get(), "btnpop");
    Click(window.get(), "btnmap");
    Click(window.get(), "btnmap");  // the one map window again
    QWidget* map = windows->map().window();
    QVERIFY(map != nullptr && map->isVisible());
    QVERIFY(windows->exporter().window() != nullptr);
    QVERIFY(windows->popup().window() != nullptr);
    int mapWindows = 0;
    for (QWidget* widget : QApplication::topLevelWidgets())
      if (widget->objectName() == QStringLiteral("frmjpmap")) ++mapWindows;
    QCOMPARE(mapWindows, 1);
    windows->exporter().window()->hide();
    windows->popup().window()->hide();
    map->hide();
    Click(window.get(), "yearInput");
    Click(window->yearDialog(), "btnSlok");  // nothing chosen: the dialog stays

    QSignalSpy unloading(window.get(), &MainWindow::unloading);
    QVERIFY(window->close());
    QCOMPARE(unloading.count(), 1);
    QVERIFY(windows->exporter().window() == nullptr);
    QVERIFY(windows->popup().window() == nullptr);
    QVERIFY(windows->map().window() == nullptr);
    QVERIFY(window->yearDialog() == nullptr);
    QVERIFY(!AnyTopLevelVisible());
  }
};

MIRETO_QT_TEST_CLASS(Commands, CommandsTest)

}  // namespace mireto::test

#include "commands_test.moc"
