// Every window fits the available area of a small scaled screen: run with
// QT_SCALE_FACTOR and the offscreen platform's screen size (see the
// CMakeLists). The windows are opened as a user opens them, after a chart.
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>

#include "app/secondary_windows.h"
#include "map_dialog/map_dialog.h"
#include "output_windows/details_controller.h"
#include "output_windows/export_window.h"
#include "output_windows/popup_window.h"
#include "ui_fixture.h"

namespace mireto::test {

class WindowFitTest : public QObject {
  Q_OBJECT

 private slots:
  void everyWindowFits() {
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    qInfo("available %dx%d at scale %s", available.width(), available.height(), qgetenv("QT_SCALE_FACTOR").constData());
    auto window = NewMainWindow();
    window->centreOnScreen();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    auto* secondary = new SecondaryWindows(window.get());
    EnterChart(*window);
    QVERIFY(window->birthChart());
    secondary->popup().open(window->snapshot());
    secondary->exporter().open(window->snapshot());
    secondary->map().open();
    emit window->detailsRequested();
    QList<QWidget*> windows{window.get(),
                            window->yearDialog(),
                            secondary->popup().window(),
                            secondary->exporter().window(),
                            secondary->map().window(),
                            secondary->details().window()};
    for (QWidget* each : windows) {
      QVERIFY(each != nullptr);
      each->show();
      QVERIFY(QTest::qWaitForWindowExposed(each));
      QVERIFY2(available.contains(each->frameGeometry()), qPrintable(QStringLiteral("%1 at %2,%3 %4x%5")
                                                                         .arg(each->objectName())
                                                                         .arg(each->frameGeometry().x())
                                                                         .arg(each->frameGeometry().y())
                                                                         .arg(each->frameGeometry().width())
                                                                         .arg(each->frameGeometry().height())));
    }
  }
};

}  // namespace mireto::test

QTEST_MAIN(mireto::test::WindowFitTest)
#include "window_fit_test.moc"
