// The time-difference spinners and the fields they are bound to.
#include "ui/spinner.h"
#include "qt_test_classes.h"
#include "ui_fixture.h"

namespace mireto::test {

namespace {

UpDownSpinner* Spinner(const QObject* root, const char* name) { return Control<UpDownSpinner>(root, name); }

void Step(UpDownSpinner* spinner, int times) {
  for (int i = 0; i < std::abs(times); ++i) times > 0 ? spinner->stepUp() : spinner->stepDown();
}

}  // namespace

class SpinnerTest : public QObject {
  Q_OBJECT

 private slots:
  void stepValueRules_data() {
    QTest::addColumn<double>("field");
    QTest::addColumn<int>("delta");
    QTest::addColumn<int>("expected");
    QTest::newRow("inside") << 10.0 << 1 << 11;
    QTest::newRow("at top") << 48.0 << 1 << 48;
    QTest::newRow("at bottom") << -49.0 << -1 << -49;
    QTest::newRow("above range steps down from the top") << 60.0 << -1 << 47;
    QTest::newRow("above range up stays at the top") << 73.0 << 1 << 48;
    QTest::newRow("below range up") << -120.0 << 1 << -48;
    QTest::newRow("fraction rounds half to even") << 2.5 << 1 << 3;
    QTest::newRow("huge") << 1e300 << -1 << 47;
  }

  void stepValueRules() {
    QFETCH(double, field);
    QFETCH(int, delta);
    QFETCH(int, expected);
    QCOMPARE(SpinnerStepValue(field, -49, 48, delta), expected);
  }

  void spinnersStayWithinTheirRanges() {
    auto window = NewMainWindow();
    Step(Spinner(window.get(), "udJisahun"), 60);
    QCOMPARE(Text(window.get(), "txtJisahun"), QStringLiteral("48"));
    Step(Spinner(window.get(), "udJisahun"), -200);
    QCOMPARE(Text(window.get(), "txtJisahun"), QStringLiteral("-49"));
    Step(Spinner(window.get(), "udJisabyo"), -1);
    QCOMPARE(Text(window.get(), "txtJisabyo"), QStringLiteral("0"));
    Step(Spinner(window.get(), "udJisabyo"), 75);
    QCOMPARE(Text(window.get(), "txtJisabyo"), QStringLiteral("59"));
  }

  // A spinner continues from what its field shows: a typed number, a map
  // value outside its range (shown as written until the spinner is used),
  // text without a number (0).
  void continuesFromTheField() {
    auto window = NewMainWindow();
    auto* seconds = Control<QLineEdit>(window.get(), "txtJisabyo");
    seconds->setText(QStringLiteral("30"));
    Spinner(window.get(), "udJisabyo")->stepUp();
    QCOMPARE(seconds->text(), QStringLiteral("31"));
    seconds->setText(QStringLiteral("x"));
    Spinner(window.get(), "udJisabyo")->stepUp();
    QCOMPARE(seconds->text(), QStringLiteral("1"));

    auto* minutes = Control<QLineEdit>(window.get(), "txtJisahun");
    minutes->setText(QStringLiteral("-73"));
    QCOMPARE(minutes->text(), QStringLiteral("-73"));
    Spinner(window.get(), "udJisahun")->stepUp();
    QCOMPARE(minutes->text(), QStringLiteral("-48"));
  }

  void arrowButtonsAndKeysStep() {
    auto window = NewMainWindow();
    UpDownSpinner* spinner = Spinner(window.get(), "udJisahun");
    QTest::mouseClick(spinner->findChild<QWidget*>(QStringLiteral("up")), Qt::LeftButton);
    QCOMPARE(Text(window.get(), "txtJisahun"), QStringLiteral("1"));
    QTest::mouseClick(spinner->findChild<QWidget*>(QStringLiteral("down")), Qt::LeftButton);
    QTest::mouseClick(spinner->findChild<QWidget*>(QStringLiteral("down")), Qt::LeftButton);
    QCOMPARE(Text(window.get(), "txtJisahun"), QStringLiteral("-1"));
    QTest::keyClick(spinner, Qt::Key_Up);
    QTest::keyClick(spinner, Qt::Key_Up);
    QCOMPARE(Text(window.get(), "txtJisahun"), QStringLiteral("1"));
  }
};

MIRETO_QT_TEST_CLASS(Spinner, SpinnerTest)

}  // namespace mireto::test

#include "spinner_test.moc"
