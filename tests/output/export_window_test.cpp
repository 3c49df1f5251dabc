// The text preview window: the displayed chart as the export text.
#include <QApplication>
#include <QClipboard>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QTest>

#include "output_windows/export_window.h"
#include "qt_test_classes.h"
#include "sample_chart.h"
#include "window_lifecycle.h"

using mireto::ExportController;
using mireto::test::SampleChart;

namespace {

const QDateTime kMoment(QDate(2024, 3, 5), QTime(7, 8, 9));

QPlainTextEdit* TextArea(const ExportController& exporter) {
  return exporter.window()->findChild<QPlainTextEdit*>(QStringLiteral("txtmireto01"));
}

// MakeExportText of a chart, with CR LF as the text has it.
QString ExportText(int variant, const QDateTime& moment) {
  const QString now = mireto::GeneralDateText(moment);
  return QString::fromStdString(mireto::MakeExportText(SampleChart(variant), now.toStdString()));
}

// The same text as a text area shows it: one line break per CR LF.
QString AsShown(QString text) { return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")); }

}  // namespace

class ExportWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void showsTheExportTextAndCopiesItWithCrLf() {
    ExportController exporter;
    exporter.setClock([] { return kMoment; });
    exporter.open(SampleChart(1));
    QWidget& window = *exporter.window();
    QCOMPARE(window.windowTitle(), QStringLiteral("データのテキスト表示"));
    QCOMPARE(window.size(), QSize(410, 286));
    QVERIFY(!(window.windowFlags() & (Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint)));

    const QString expected = ExportText(1, kMoment);
    QCOMPARE(TextArea(exporter)->toPlainText(), AsShown(expected));
    QCOMPARE(TextArea(exporter)->blockCount(), 17);  // no blank line from the CRs
    TextArea(exporter)->selectAll();
    TextArea(exporter)->copy();
    QCOMPARE(QGuiApplication::clipboard()->text(), expected);
  }

  void theNowTextIsThePresentGeneralDate() {
    ExportController exporter;
    const QDateTime before = QDateTime::currentDateTime();
    exporter.open(SampleChart(0));
    const QDateTime after = QDateTime::currentDateTime();
    const QString shown = TextArea(exporter)->toPlainText();
    QVERIFY(shown == AsShown(ExportText(0, before)) || shown == AsShown(ExportText(0, after)));

    // The Japanese general date whatever the locale, as mireto-chart writes it.
    QCOMPARE(mireto::GeneralDateText(kMoment), QStringLiteral("2024/03/05 7:08:09"));
  }

  // Esc and Return on CLOSE hide the window as CLOSE does; Tab leaves the text
  // area for CLOSE, Ctrl+Tab types a tab character into it.
  void keysOfThePreview_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("fromTextArea");
    QTest::addColumn<bool>("hidden");
    QTest::addColumn<QString>("focusAfter");
    QTest::addColumn<QString>("inserted");
    QTest::newRow("Esc in the text") << int(Qt::Key_Escape) << 0 << true << true << ""
                                     << "";
    QTest::newRow("Esc on CLOSE") << int(Qt::Key_Escape) << 0 << false << true << ""
                                  << "";
    QTest::newRow("Return on CLOSE") << int(Qt::Key_Return) << 0 << false << true << ""
                                     << "";
    QTest::newRow("Tab in the text") << int(Qt::Key_Tab) << 0 << true << false << "btnclose01"
                                     << "";
    QTest::newRow("Ctrl+Tab in the text")
        << int(Qt::Key_Tab) << int(Qt::ControlModifier) << true << false << "txtmireto01"
        << "\t";
  }

  void keysOfThePreview() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(bool, fromTextArea);
    QFETCH(bool, hidden);
    QFETCH(QString, focusAfter);
    QFETCH(QString, inserted);
    ExportController exporter;
    exporter.setClock([] { return kMoment; });
    exporter.open(SampleChart(1));
    QWidget* window = exporter.window();
    QVERIFY(QTest::qWaitForWindowActive(window));
    QPlainTextEdit* area = TextArea(exporter);
    QWidget* start = fromTextArea ? static_cast<QWidget*>(area) : window->findChild<QWidget*>("btnclose01");
    start->setFocus(Qt::OtherFocusReason);
    QTRY_VERIFY(start->hasFocus());
    area->moveCursor(QTextCursor::Start);
    const QString before = area->toPlainText();

    QTest::keyClick(start, static_cast<Qt::Key>(key), Qt::KeyboardModifiers(modifiers));

    QCOMPARE(!window->isVisible(), hidden);
    QCOMPARE(exporter.window(), window);
    if (!focusAfter.isEmpty()) QCOMPARE(QApplication::focusWidget()->objectName(), focusAfter);
    QCOMPARE(area->toPlainText(), inserted + before);
  }

  void aSecondExportReplacesTheTextAndTheUsersEdits() {
    ExportController exporter;
    exporter.setClock([] { return kMoment; });
    exporter.open(SampleChart(1));
    QPlainTextEdit* area = TextArea(exporter);
    area->moveCursor(QTextCursor::Start);
    area->moveCursor(QTextCursor::Down);
    area->moveCursor(QTextCursor::EndOfLine);
    QTest::keyClicks(area, QStringLiteral("Taro"));
    QVERIFY(area->toPlainText().contains(QStringLiteral("姓名／Taro")));

    exporter.open(SampleChart(2));
    QCOMPARE(TextArea(exporter), area);  // the same window, refreshed in place
    QCOMPARE(area->toPlainText(), AsShown(ExportText(2, kMoment)));
  }

  void ideographsAreTwiceAsWideAsAscii() {
    ExportController exporter;
    exporter.open(SampleChart(4));
    const QFontMetricsF metrics(TextArea(exporter)->font());
    const qreal half = metrics.horizontalAdvance(QLatin1Char(' '));
    QVERIFY(half > 0);
    for (const QString& wide : {QStringLiteral("　"), QStringLiteral("甲"), QStringLiteral("（")}) {
      QCOMPARE(metrics.horizontalAdvance(wide), 2 * half);
    }
    QCOMPARE(metrics.horizontalAdvance(QStringLiteral("0M")), 2 * half);
    // Lines 7 to 9 pad the age with 6 ASCII or 3 ideographic blanks: the ages
    // start at one position.
    const QStringList lines = TextArea(exporter)->toPlainText().split('\n');
    const auto ageStart = [&](int line, const std::string& age) {
      return metrics.horizontalAdvance(lines[line].left(lines[line].indexOf(QString::fromStdString(age))));
    };
    const mireto::ChartDisplay chart = SampleChart(4).display;
    QCOMPARE(ageStart(7, chart.luckFirstAges[1]), ageStart(6, chart.luckFirstAges[0]));
    QCOMPARE(ageStart(8, chart.luckFirstAges[2]), ageStart(6, chart.luckFirstAges[0]));
  }

  void closeHidesTitleBarCloseDestroys() {
    QWidget owner;  // a main window's size, with room beside it
    owner.setFixedSize(340, 360);
    owner.move(20, 20);
    owner.show();
    ExportController exporter;
    exporter.setOwner(&owner);
    mireto::test::CheckLifecycle([&] { exporter.open(SampleChart(3)); }, [&] { return exporter.window(); },
                                 "btnclose01", owner);
  }
};

MIRETO_QT_TEST_CLASS(ExportWindow, ExportWindowTest)

#include "export_window_test.moc"
