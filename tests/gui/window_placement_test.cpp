// Frame-aware placement: the outer frame centred on the screen, its title bar
// kept on the available area; and a real window placed by CentreOnScreen.
#include <QApplication>
#include <QScreen>
#include <QTest>
#include <QWidget>

#include "gui/window_placement.h"

class WindowPlacementTest : public QObject {
  Q_OBJECT

 private slots:
  void centresAndClamps_data() {
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<QRect>("available");
    QTest::addColumn<QSize>("frame");
    QTest::addColumn<QPoint>("expected");
    const QRect xga(0, 0, 1024, 768);
    // The main window with a 20-pixel title bar and 1-pixel borders.
    QTest::newRow("main window") << xga << xga << QSize(339, 378) << QPoint(342, 195);
    QTest::newRow("odd remainder rounds down") << xga << xga << QSize(340, 379) << QPoint(342, 194);
    // A second screen to the right: centred on that screen, not on the desktop.
    QTest::newRow("second screen") << QRect(1024, 0, 1280, 1024) << QRect(1024, 0, 1280, 1024)
                                   << QSize(676, 735) << QPoint(1326, 144);
    // The map dialog at scale factor 2 on 1280 x 1024 (640 x 512 logical):
    // taller than the screen, so its title bar goes to the top edge.
    const QRect scaled(0, 0, 640, 512);
    QTest::newRow("taller than the screen") << scaled << scaled << QSize(510, 569) << QPoint(65, 0);
    // A top panel of 30 pixels: the title bar stays below it.
    QTest::newRow("below a top panel") << scaled << QRect(0, 30, 640, 482) << QSize(510, 569)
                                       << QPoint(65, 30);
    // A bottom panel: a frame that fits moves up to end above it.
    QTest::newRow("above a bottom panel") << xga << QRect(0, 0, 1024, 500) << QSize(339, 378)
                                          << QPoint(342, 122);
    // Wider than the screen: the left edge (window menu, title) stays visible.
    QTest::newRow("wider than the screen") << scaled << scaled << QSize(700, 300) << QPoint(0, 106);
    // A left dock of 48 pixels and a frame that would reach under it.
    QTest::newRow("right of a left dock") << QRect(0, 0, 400, 300) << QRect(48, 0, 352, 300)
                                          << QSize(330, 200) << QPoint(48, 50);
  }

  void centresAndClamps() {
    QFETCH(QRect, screen);
    QFETCH(QRect, available);
    QFETCH(QSize, frame);
    QFETCH(QPoint, expected);
    const QPoint topLeft = mireto::CentredFramePosition(screen, available, frame);
    QCOMPARE(topLeft, expected);
    // Whatever the sizes, the title bar's corner lies on the available area.
    QVERIFY(available.contains(topLeft));
  }

  // Before it is shown a window has no frame and is centred by its client
  // size; once the platform gives it a frame (the offscreen platform adds a
  // 2-pixel border, as a window manager adds its title bar) the outer frame is
  // centred again, once.
  void recentresOnceTheFrameIsKnown() {
    QWidget window;
    window.setFixedSize(300, 200);
    mireto::CentreOnScreen(window);
    const QRect screen = window.screen()->geometry();
    const QRect available = window.screen()->availableGeometry();
    QCOMPARE(window.frameGeometry().topLeft(), mireto::CentredFramePosition(screen, available, QSize(300, 200)));
    QVERIFY(Watched(window));

    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QSize outer = window.frameGeometry().size();
    QVERIFY(outer != window.size());
    QTRY_COMPARE(window.frameGeometry().topLeft(), mireto::CentredFramePosition(screen, available, outer));
    QTRY_VERIFY(!Watched(window));

    // A framed window is centred at once and needs no watcher; a move by the
    // user afterwards stays where the user put it.
    mireto::CentreOnScreen(window);
    QVERIFY(!Watched(window));
    window.move(window.pos() + QPoint(7, 5));
    QTest::qWait(0);
    QCOMPARE(window.frameGeometry().topLeft(), mireto::CentredFramePosition(screen, available, outer) + QPoint(7, 5));
  }

 private:
  // Whether a frame watcher still waits on the window (the property it sets).
  static bool Watched(const QWidget& window) { return window.property("miretoFrameWatched").toBool(); }
};

QTEST_MAIN(WindowPlacementTest)
#include "window_placement_test.moc"
