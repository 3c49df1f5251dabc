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
    QTest::newRow("second screen") << QRect(1024, 0, 1280, 1024) << QRect(1024, 0, 1280, 1024) << QSize(676, 735)
                                   << QPoint(1326, 144);
    // The map dialog at scale factor 2 on 1280 x 1024 (640 x 512 logical):
    // taller than the screen, so its title bar goes to the top edge.
    const QRect scaled(0, 0, 640, 512);
    QTest::newRow("taller than the screen") << scaled << scaled << QSize(510, 569) << QPoint(65, 0);
    // A top panel of 30 pixels: the title bar stays below it.
    QTest::newRow("below a top panel") << scaled << QRect(0, 30, 640, 482) << QSize(510, 569) << QPoint(65, 30);
    // A bottom panel: a frame that fits moves up to end above it.
    QTest::newRow("above a bottom panel") << xga << QRect(0, 0, 1024, 500) << QSize(339, 378) << QPoint(342, 122);
    // Wider than the screen: the left edge (window menu, title) stays visible.
    QTest::newRow("wider than the screen") << scaled << scaled << QSize(700, 300) << QPoint(0, 106);
    // A left dock of 48 pixels and a frame that would reach under it.
    QTest::newRow("right of a left dock")
        << QRect(0, 0, 400, 300) << QRect(48, 0, 352, 300) << QSize(330, 200) << QPoint(48, 50);
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

  // A window opened from the main window: beside it where there is room
  // (right, left, below), else centred; where the user left it when kept;
  // clamped to the available area in every case.
  void placedBesideOrKept_data() {
    QTest::addColumn<QRect>("available");
    QTest::addColumn<QRect>("owner");
    QTest::addColumn<QSize>("frame");
    QTest::addColumn<bool>("beside");
    QTest::addColumn<QPoint>("kept");  // (-1, -1): none
    QTest::addColumn<QPoint>("expected");
    const QRect xga(0, 0, 1024, 768);
    const QRect main(342, 195, 339, 378);  // the main window centred on it
    const QSize popup(312, 255);
    const QPoint none(-1, -1);
    QTest::newRow("right") << xga << main << popup << true << none << QPoint(681, 195);
    QTest::newRow("right, top clamped above a bottom panel")
        << QRect(0, 0, 1024, 400) << QRect(342, 300, 339, 100) << popup << true << none << QPoint(681, 145);
    QTest::newRow("left when the right is short")
        << xga << QRect(700, 195, 300, 378) << popup << true << none << QPoint(388, 195);
    QTest::newRow("below when neither side has room")
        << QRect(0, 0, 700, 768) << QRect(200, 50, 339, 378) << popup << true << none << QPoint(200, 428);
    QTest::newRow("below, shifted left to fit")
        << QRect(0, 0, 700, 768) << QRect(250, 50, 339, 378) << QSize(600, 200) << true << none << QPoint(100, 428);
    QTest::newRow("centred when nothing fits")
        << QRect(0, 0, 640, 512) << QRect(150, 67, 339, 378) << popup << true << none << QPoint(164, 128);
    QTest::newRow("centred when asked") << xga << main << popup << false << none << QPoint(356, 256);
    QTest::newRow("taller than the area: centred, title bar on top")
        << QRect(0, 0, 640, 512) << QRect(0, 0, 200, 200) << QSize(300, 600) << true << none << QPoint(170, 0);
    QTest::newRow("kept") << xga << main << popup << true << QPoint(20, 30) << QPoint(20, 30);
    QTest::newRow("kept, then clamped") << QRect(0, 0, 800, 600) << main << popup << true << QPoint(900, -40)
                                        << QPoint(488, 0);
  }

  void placedBesideOrKept() {
    QFETCH(QRect, available);
    QFETCH(QRect, owner);
    QFETCH(QSize, frame);
    QFETCH(bool, beside);
    QFETCH(QPoint, kept);
    QFETCH(QPoint, expected);
    mireto::PlacementRequest request;
    request.screen = available;
    request.available = available;
    request.frame = frame;
    request.how = beside ? mireto::Placement::BesideOwner : mireto::Placement::Centred;
    request.owner = owner;
    if (kept != QPoint(-1, -1)) request.kept = kept;
    const QPoint topLeft = mireto::PlacedFramePosition(request);
    QCOMPARE(topLeft, expected);
    QVERIFY(available.contains(topLeft));
    const QRect placed(topLeft, frame);
    if (frame.width() <= available.width() && frame.height() <= available.height()) QVERIFY(available.contains(placed));
    if (beside && kept == QPoint(-1, -1) && topLeft != mireto::CentredFramePosition(available, available, frame))
      QVERIFY(!placed.intersects(owner));
  }

  // A real window is placed before it is shown, with the owner's frame
  // margins for its own: where it appears does not depend on when its frame
  // arrives.
  void placedBeforeItsFrameArrives() {
    QWidget owner;
    owner.setFixedSize(200, 150);
    owner.move(10, 10);
    owner.show();
    QVERIFY(QTest::qWaitForWindowExposed(&owner));
    QTRY_VERIFY(owner.frameGeometry() != owner.geometry());
    QWidget window;
    window.setFixedSize(120, 80);
    mireto::PlaceWindow(window, owner, mireto::Placement::BesideOwner);
    const QPoint placed = window.pos();
    QCOMPARE(placed, QPoint(owner.frameGeometry().right() + 1, owner.frameGeometry().top()));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.frameGeometry().topLeft(), placed);
    QCOMPARE(window.frameGeometry().size(),
             QSize(120, 80).grownBy(QMargins(owner.geometry().left() - owner.frameGeometry().left(),
                                             owner.geometry().top() - owner.frameGeometry().top(),
                                             owner.frameGeometry().right() - owner.geometry().right(),
                                             owner.frameGeometry().bottom() - owner.geometry().bottom())));
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
