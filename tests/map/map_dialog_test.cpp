// The birthplace map dialog driven by mouse events, with a stand-in main window
// that has only the two correction fields.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QWindow>

#include "map_dialog/map_dialog.h"
#include "map_dialog/map_view.h"

namespace mireto {

class MapDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();

  void activationEmptiesLabelsAndDisablesButtons();
  void moveFillsLabelsAndErasesItsCrosshair();
  void clickFixesPointAndLaterMovesChangeNothing();
  void rightClickAndCancelClearTheFixedPoint();
  void rightClickWithoutFixedPointDoesNothing();
  void decideWritesMinutesThenSecondsAndHides();
  void decideWritesValuesBeyondTheSpinnerRange();
  void decideWestWithinFirstMinuteWritesSignedZero();
  void closeHidesAndWritesNothing();
  void openTwiceGivesOneDialog();
  void unloadShowsMainWindowAndDestroysDialog();
  void windowSystemCloseDestroysAndNextOpenCreatesAgain();
  void activationResetsOnlyFromOurOwnWindows_data();
  void activationResetsOnlyFromOurOwnWindows();
  void showingAgainClearsOldCrosshairs();
  void escapeClosesAsCloseDoes();
  void returnPressesTheFocusedButton_data();
  void returnPressesTheFocusedButton();

 private:
  QLabel* Label(const char* name) const { return dialog()->findChild<QLabel*>(QLatin1String(name)); }
  QPushButton* Button(const char* name) const { return dialog()->findChild<QPushButton*>(QLatin1String(name)); }
  QWidget* dialog() const { return controller_->window(); }
  MapView* view() const { return dialog()->findChild<MapView*>(QStringLiteral("Picture1")); }
  QStringList Labels() const;
  void OpenAndActivate();
  // Mouse events go straight to the map: QTest takes (0, 0) for "the centre" and
  // drops a move to the position the pointer already has.
  void SendToMap(QEvent::Type type, Qt::MouseButton button, QPointF at);
  void ClickMap(Qt::MouseButton button, QPointF at);
  void MoveOnMap(QPointF at) { SendToMap(QEvent::MouseMove, Qt::NoButton, at); }

  QWidget* main_ = nullptr;
  QLineEdit* minutes_ = nullptr;
  QLineEdit* seconds_ = nullptr;
  MapController* controller_ = nullptr;
  QImage map_;  // the picture as loaded, before any drawing
};

namespace {
const char* const kValueLabels[] = {"lblido", "lblihun", "lblibyou", "lblkdo", "lblkhun", "lblkbyou"};
// Tokyo station: 35 40 18 N, 139 46 20 E.
constexpr QPoint kTokyo(357, 259);
}  // namespace

void MapDialogTest::init() {
  main_ = new QWidget;
  main_->setObjectName(QStringLiteral("mainform01"));
  minutes_ = new QLineEdit(QStringLiteral("0"), main_);
  minutes_->setObjectName(QStringLiteral("txtJisahun"));
  seconds_ = new QLineEdit(QStringLiteral("0"), main_);
  seconds_->setObjectName(QStringLiteral("txtJisabyo"));
  main_->show();
  controller_ = new MapController(main_, main_);
  // As the program wires it: the correction goes into the main window's fields.
  connect(controller_, &MapController::correctionDecided, main_, [this](const QString& m, const QString& s) {
    minutes_->setText(m);
    seconds_->setText(s);
  });
  OpenAndActivate();
  map_ = view()->Picture();
}

void MapDialogTest::cleanup() {
  delete main_;  // owns the controller, which destroys the dialog
  main_ = nullptr;
}

QStringList MapDialogTest::Labels() const {
  QStringList texts;
  for (const char* name : kValueLabels) texts << Label(name)->text();
  return texts;
}

void MapDialogTest::SendToMap(QEvent::Type type, Qt::MouseButton button, QPointF at) {
  const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::MouseButtons(button) : Qt::NoButton;
  QMouseEvent event(type, at, view()->mapToGlobal(at), button, held, Qt::NoModifier);
  QApplication::sendEvent(view(), &event);
}

void MapDialogTest::ClickMap(Qt::MouseButton button, QPointF at) {
  SendToMap(QEvent::MouseButtonPress, button, at);
  SendToMap(QEvent::MouseButtonRelease, button, at);
}

void MapDialogTest::OpenAndActivate() {
  controller_->open();
  QVERIFY(QTest::qWaitForWindowActive(dialog()));
}

void MapDialogTest::activationEmptiesLabelsAndDisablesButtons() {
  QCOMPARE(Labels(), QStringList(6, QString()));
  QVERIFY(!Button("btndecide")->isEnabled());
  QVERIFY(!Button("btncancel")->isEnabled());
  QVERIFY(Button("btnClose")->isEnabled());
  QCOMPARE(dialog()->windowTitle(), QStringLiteral("日本地図"));

  // A fixed point, then the main window becomes active and the dialog again.
  ClickMap(Qt::LeftButton, kTokyo);
  QVERIFY(Button("btndecide")->isEnabled());
  main_->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(main_));
  dialog()->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(dialog()));
  QCOMPARE(Labels(), QStringList(6, QString()));
  QVERIFY(!Button("btndecide")->isEnabled());
  QVERIFY(!Button("btncancel")->isEnabled());
  // The crosshair drawn before stays; the next move follows the pointer again.
  QVERIFY(view()->Picture() != map_);
  MoveOnMap(QPoint(10, 10));
  QCOMPARE(Label("lblkdo")->text(), QStringLiteral("121"));
}

void MapDialogTest::moveFillsLabelsAndErasesItsCrosshair() {
  MoveOnMap(kTokyo);
  QCOMPARE(Labels(), (QStringList{"35", "40", "18", "139", "46", "20"}));
  QCOMPARE(view()->Picture(), map_);
  QVERIFY(!Button("btndecide")->isEnabled());
  MoveOnMap(QPoint(499, 499));
  QCOMPARE(Labels(), (QStringList{"23", "19", "10", "147", "4", "50"}));
  QCOMPARE(view()->Picture(), map_);
}

void MapDialogTest::clickFixesPointAndLaterMovesChangeNothing() {
  ClickMap(Qt::LeftButton, kTokyo);
  QCOMPARE(Labels(), (QStringList{"35", "40", "18", "139", "46", "20"}));
  QVERIFY(Button("btndecide")->isEnabled());
  QVERIFY(Button("btncancel")->isEnabled());

  // The crosshair is the map XOR (0, 203, 28) along row 259 and column 357; the
  // crossing pixel is XORed twice and shows the map.
  const QImage drawn = view()->Picture();
  const QRgb pen = MapView::kCrosshairRgb & 0xFFFFFF;
  QCOMPARE(drawn.pixel(357, 10), map_.pixel(357, 10) ^ pen);
  QCOMPARE(drawn.pixel(10, 259), map_.pixel(10, 259) ^ pen);
  QCOMPARE(drawn.pixel(357, 259), map_.pixel(357, 259));
  QCOMPARE(drawn.pixel(356, 10), map_.pixel(356, 10));
  QCOMPARE(drawn.pixel(10, 258), map_.pixel(10, 258));

  MoveOnMap(QPoint(100, 100));
  ClickMap(Qt::LeftButton, QPoint(200, 200));
  QCOMPARE(Labels(), (QStringList{"35", "40", "18", "139", "46", "20"}));
  QCOMPARE(view()->Picture(), drawn);
}

void MapDialogTest::rightClickAndCancelClearTheFixedPoint() {
  ClickMap(Qt::LeftButton, kTokyo);
  ClickMap(Qt::RightButton, QPoint(50, 50));
  QCOMPARE(view()->Picture(), map_);
  QVERIFY(!Button("btndecide")->isEnabled());
  QVERIFY(!Button("btncancel")->isEnabled());
  QCOMPARE(Label("lblkdo")->text(), QStringLiteral("139"));  // kept until the next move

  ClickMap(Qt::LeftButton, QPoint(0, 0));
  QTest::mouseClick(Button("btncancel"), Qt::LeftButton);
  QCOMPARE(view()->Picture(), map_);
  QVERIFY(!Button("btndecide")->isEnabled());
  QVERIFY(!Button("btncancel")->isEnabled());
  // Free again: a move updates the labels.
  MoveOnMap(kTokyo);
  QCOMPARE(Label("lblkdo")->text(), QStringLiteral("139"));
  QCOMPARE(Label("lblkhun")->text(), QStringLiteral("46"));
}

void MapDialogTest::rightClickWithoutFixedPointDoesNothing() {
  ClickMap(Qt::RightButton, kTokyo);
  QCOMPARE(Labels(), QStringList(6, QString()));
  QCOMPARE(view()->Picture(), map_);
  QVERIFY(!Button("btndecide")->isEnabled());
}

void MapDialogTest::decideWritesMinutesThenSecondsAndHides() {
  QStringList writes;
  connect(minutes_, &QLineEdit::textChanged, this, [&](const QString& t) { writes << "min " + t; });
  connect(seconds_, &QLineEdit::textChanged, this, [&](const QString& t) { writes << "sec " + t; });
  ClickMap(Qt::LeftButton, kTokyo);
  QTest::mouseClick(Button("btndecide"), Qt::LeftButton);
  QCOMPARE(writes, (QStringList{"min 19", "sec 5"}));
  QVERIFY(!dialog()->isVisible());
  QVERIFY(controller_->window() != nullptr);  // hidden, not destroyed
}

void MapDialogTest::decideWritesValuesBeyondTheSpinnerRange() {
  ClickMap(Qt::LeftButton, QPoint(0, 0));
  QTest::mouseClick(Button("btndecide"), Qt::LeftButton);
  QCOMPARE(minutes_->text(), QStringLiteral("-54"));
  QCOMPARE(seconds_->text(), QStringLiteral("24"));
}

void MapDialogTest::decideWestWithinFirstMinuteWritesSignedZero() {
  ClickMap(Qt::LeftButton, QPoint(264, 200));
  QCOMPARE(Label("lblkdo")->text() + " " + Label("lblkhun")->text() + " " + Label("lblkbyou")->text(),
           QStringLiteral("134 59 9"));
  QTest::mouseClick(Button("btndecide"), Qt::LeftButton);
  QCOMPARE(minutes_->text(), QStringLiteral("-0"));
  QCOMPARE(seconds_->text(), QStringLiteral("3"));
}

void MapDialogTest::closeHidesAndWritesNothing() {
  ClickMap(Qt::LeftButton, QPoint(0, 0));
  QTest::mouseClick(Button("btnClose"), Qt::LeftButton);
  QVERIFY(!dialog()->isVisible());
  QCOMPARE(minutes_->text(), QStringLiteral("0"));
  QCOMPARE(seconds_->text(), QStringLiteral("0"));
  // Shown again it is the same dialog, reset by the activation.
  QWidget* first = dialog();
  OpenAndActivate();
  QCOMPARE(dialog(), first);
  QVERIFY(!Button("btndecide")->isEnabled());
}

void MapDialogTest::openTwiceGivesOneDialog() {
  QWidget* first = dialog();
  controller_->open();
  QCOMPARE(dialog(), first);
  int dialogs = 0;
  for (QWidget* w : QApplication::topLevelWidgets()) dialogs += w->objectName() == QStringLiteral("frmjpmap");
  QCOMPARE(dialogs, 1);
}

void MapDialogTest::unloadShowsMainWindowAndDestroysDialog() {
  QPointer<QWidget> dialogWindow = dialog();
  main_->hide();
  controller_->unload();
  QVERIFY(dialogWindow.isNull());
  QVERIFY(controller_->window() == nullptr);
  QVERIFY(main_->isVisible());
  QCOMPARE(minutes_->text(), QStringLiteral("0"));
  controller_->unload();  // nothing loaded: harmless
}

void MapDialogTest::windowSystemCloseDestroysAndNextOpenCreatesAgain() {
  QPointer<QWidget> first = dialog();
  main_->hide();
  first->close();
  QTRY_VERIFY(first.isNull());
  QVERIFY(main_->isVisible());
  QVERIFY(controller_->window() == nullptr);
  OpenAndActivate();
  QVERIFY(dialog() != nullptr);
  MoveOnMap(kTokyo);
  QCOMPARE(Label("lblkdo")->text(), QStringLiteral("139"));
}

// The platform reports a new active window in two steps, in either order: the
// focus change (the window that had the focus is named by `previous`, nullptr
// for a window of another program) and the activation of the dialog.
void MapDialogTest::activationResetsOnlyFromOurOwnWindows_data() {
  QTest::addColumn<bool>("fromOurWindow");
  QTest::addColumn<bool>("focusReportedFirst");
  QTest::newRow("another program, focus reported first") << false << true;
  QTest::newRow("another program, activation first") << false << false;
  QTest::newRow("our main window, focus reported first") << true << true;
  QTest::newRow("our main window, activation first") << true << false;
}

void MapDialogTest::activationResetsOnlyFromOurOwnWindows() {
  QFETCH(bool, fromOurWindow);
  QFETCH(bool, focusReportedFirst);
  ClickMap(Qt::LeftButton, kTokyo);
  const QStringList picked = Labels();
  const QImage crosshair = view()->Picture();
  QWindow* previous = fromOurWindow ? main_->windowHandle() : nullptr;
  emit qGuiApp->focusWindowChanged(previous);
  if (focusReportedFirst) emit qGuiApp->focusWindowChanged(dialog()->windowHandle());
  QEvent activate(QEvent::WindowActivate);
  QApplication::sendEvent(dialog(), &activate);
  if (!focusReportedFirst) emit qGuiApp->focusWindowChanged(dialog()->windowHandle());

  QCOMPARE(Labels(), fromOurWindow ? QStringList(6, QString()) : picked);
  QCOMPARE(Button("btndecide")->isEnabled(), !fromOurWindow);
  QCOMPARE(Button("btncancel")->isEnabled(), !fromOurWindow);
  QCOMPARE(view()->Picture(), crosshair);  // activation never clears the map
  if (!fromOurWindow) {
    QTest::mouseClick(Button("btndecide"), Qt::LeftButton);
    QCOMPARE(minutes_->text(), QStringLiteral("19"));
  }
}

void MapDialogTest::showingAgainClearsOldCrosshairs() {
  for (const QPoint at : {kTokyo, QPoint(100, 120), QPoint(400, 30)}) {
    ClickMap(Qt::LeftButton, at);
    QVERIFY(view()->Picture() != map_);
    QTest::mouseClick(Button("btnClose"), Qt::LeftButton);
    OpenAndActivate();
    QCOMPARE(view()->Picture(), map_);
    QCOMPARE(Labels(), QStringList(6, QString()));
  }
}

void MapDialogTest::escapeClosesAsCloseDoes() {
  ClickMap(Qt::LeftButton, kTokyo);
  QTest::keyClick(dialog(), Qt::Key_Escape);
  QVERIFY(!dialog()->isVisible());
  QCOMPARE(minutes_->text(), QStringLiteral("0"));
  QCOMPARE(seconds_->text(), QStringLiteral("0"));
  QVERIFY(controller_->window() != nullptr);
}

void MapDialogTest::returnPressesTheFocusedButton_data() {
  QTest::addColumn<QString>("button");
  QTest::addColumn<bool>("visibleAfter");
  QTest::addColumn<QString>("minutes");
  QTest::newRow("決定") << "btndecide" << false << "19";
  QTest::newRow("取消") << "btncancel" << true << "0";
  QTest::newRow("Close") << "btnClose" << false << "0";
}

void MapDialogTest::returnPressesTheFocusedButton() {
  QFETCH(QString, button);
  QFETCH(bool, visibleAfter);
  QFETCH(QString, minutes);
  ClickMap(Qt::LeftButton, kTokyo);
  QPushButton* target = Button(button.toUtf8().constData());
  target->setFocus(Qt::TabFocusReason);
  QTRY_VERIFY(target->hasFocus());
  QTest::keyClick(target, Qt::Key_Return);
  QCOMPARE(dialog()->isVisible(), visibleAfter);
  QCOMPARE(minutes_->text(), minutes);
  if (visibleAfter) QVERIFY(!Button("btndecide")->isEnabled());  // 取消 released the point
}

}  // namespace mireto

QTEST_MAIN(mireto::MapDialogTest)
#include "map_dialog_test.moc"
