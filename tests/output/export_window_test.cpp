// The text preview window: the displayed chart as the export text.
#include <QClipboard>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QTest>

#include "output/export_window.h"
#include "stand_in_main_window.h"
#include "window_lifecycle.h"

using mireto::ExportController;
using mireto::make_export_text;
using mireto::test::SampleChart;
using mireto::test::StandInMainWindow;

namespace {

const QDateTime kMoment(QDate(2024, 3, 5), QTime(7, 8, 9));

QPlainTextEdit* TextArea(const ExportController& exporter) {
  return exporter.window()->findChild<QPlainTextEdit*>(QStringLiteral("txtmireto01"));
}

QString ExpectedText(const mireto::ChartTexts& chart, const QDateTime& moment) {
  const QString now = mireto::GeneralDateText(moment, QLocale::system());
  return QString::fromStdString(make_export_text(chart, now.toStdString()));
}

QString AsShown(QString crLfText) { return crLfText.replace(QStringLiteral("\r\n"), QStringLiteral("\n")); }

}  // namespace

class ExportWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void showsTheExportTextOfTheDisplayedChart() {
    StandInMainWindow main;
    main.show(SampleChart(1));
    ExportController exporter(&main);
    exporter.setClock([] { return kMoment; });
    exporter.open();
    QCOMPARE(exporter.window()->objectName(), QStringLiteral("frmexport"));
    const QString expected = ExpectedText(SampleChart(1), kMoment);
    QVERIFY(expected.contains(QStringLiteral("\r\n")));
    // One line break per CR LF: no blank line appears between the lines.
    QCOMPARE(TextArea(exporter)->toPlainText(), AsShown(expected));
    QCOMPARE(TextArea(exporter)->blockCount(), int(expected.count(QStringLiteral("\r\n"))) + 1);

    // Select all and copy give the text with its CR LF line ends.
    TextArea(exporter)->selectAll();
    TextArea(exporter)->copy();
    QCOMPARE(QGuiApplication::clipboard()->text(), expected);
  }

  void theNowTextIsThePresentGeneralDate() {
    StandInMainWindow main;
    main.show(SampleChart(0));
    ExportController exporter(&main);
    const QDateTime before = QDateTime::currentDateTime();
    exporter.open();
    const QDateTime after = QDateTime::currentDateTime();
    const QString shown = TextArea(exporter)->toPlainText();
    QVERIFY2(shown == AsShown(ExpectedText(SampleChart(0), before)) ||
                 shown == AsShown(ExpectedText(SampleChart(0), after)),
             qPrintable(shown.section(QLatin1Char('\n'), 0, 0)));
  }

  void generalDateIsShortDateBlankLongTimeWithoutZone() {
    for (const QLocale& locale : {QLocale(QLocale::Japanese, QLocale::Japan), QLocale::c(),
                                  QLocale(QLocale::English, QLocale::UnitedStates)}) {
      const QString text = mireto::GeneralDateText(kMoment, locale);
      const QString date = locale.toString(kMoment.date(), QLocale::ShortFormat);
      QVERIFY2(text.startsWith(date + QLatin1Char(' ')), qPrintable(text));
      QVERIFY2(text.contains(QStringLiteral("08")) && text.contains(QStringLiteral("09")), qPrintable(text));
      const QString zone = kMoment.timeZoneAbbreviation();
      QVERIFY2(zone.isEmpty() || !text.contains(zone), qPrintable(text));
      QVERIFY2(!text.endsWith(QLatin1Char(' ')), qPrintable(text));
    }
  }

  void aSecondExportReplacesTheTextInPlace() {
    StandInMainWindow main;
    main.show(SampleChart(1));
    ExportController exporter(&main);
    exporter.setClock([] { return kMoment; });
    exporter.open();
    QWidget* window = exporter.window();
    window->move(window->pos() + QPoint(11, 13));
    const QPoint where = window->pos();

    // The user completes the name line; the next export discards that.
    QPlainTextEdit* area = TextArea(exporter);
    area->moveCursor(QTextCursor::Start);
    area->moveCursor(QTextCursor::Down);
    area->moveCursor(QTextCursor::EndOfLine);
    QTest::keyClicks(area, QStringLiteral("Taro"));
    QVERIFY(area->toPlainText().contains(QStringLiteral("姓名／Taro")));

    main.show(SampleChart(2));
    main.markLuckColumn(6);
    exporter.open();
    QCOMPARE(exporter.window(), window);
    QCOMPARE(window->pos(), where);
    QCOMPARE(TextArea(exporter)->toPlainText(), AsShown(ExpectedText(SampleChart(2), kMoment)));
  }

  void ideographsAreTwiceAsWideAsAscii() {
    StandInMainWindow main;
    main.show(SampleChart(4));
    ExportController exporter(&main);
    exporter.setClock([] { return kMoment; });
    exporter.open();
    QPlainTextEdit* area = TextArea(exporter);
    QCOMPARE(area->font().family(), QStringLiteral("ＭＳ ゴシック"));
    QCOMPARE(area->font().pixelSize(), 12);  // 9 pt
    const QFontMetricsF metrics(area->font());
    const qreal half = metrics.horizontalAdvance(QLatin1Char(' '));
    QVERIFY(half > 0);
    for (const QString& wide : {QStringLiteral("　"), QStringLiteral("甲"), QStringLiteral("（")}) {
      QCOMPARE(metrics.horizontalAdvance(wide), 2 * half);
    }
    for (const QString& narrow : {QStringLiteral("0"), QStringLiteral("9"), QStringLiteral("M")}) {
      QCOMPARE(metrics.horizontalAdvance(narrow), half);
    }
    // Lines 7 to 9 pad their age with 6 ASCII or 3 ideographic blanks: the
    // ages, and so the luck-pillar column, start at one position.
    const QStringList lines = area->toPlainText().split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 17);
    const auto ageStart = [&](const QString& line, const std::string& age) {
      const qsizetype at = line.indexOf(QString::fromStdString(age));
      return at < 0 ? -1.0 : metrics.horizontalAdvance(line.left(at));
    };
    const mireto::ChartTexts chart = SampleChart(4);
    QVERIFY(ageStart(lines[6], chart.sai1[0]) > 0);
    QCOMPARE(ageStart(lines[7], chart.sai1[1]), ageStart(lines[6], chart.sai1[0]));
    QCOMPARE(ageStart(lines[8], chart.sai1[2]), ageStart(lines[6], chart.sai1[0]));
  }

  void layout() {
    StandInMainWindow main;
    ExportController exporter(&main);
    exporter.open();
    QWidget& window = *exporter.window();
    QCOMPARE(window.windowTitle(), QStringLiteral("データのテキスト表示"));
    QCOMPARE(window.size(), QSize(410, 286));
    QVERIFY(!(window.windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(!(window.windowFlags() & Qt::WindowMinimizeButtonHint));
    QPlainTextEdit* area = TextArea(exporter);
    QCOMPARE(area->geometry(), QRect(5, 6, 396, 237));
    QVERIFY(!area->isReadOnly());
    QCOMPARE(area->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  }

  void closeHidesTitleBarCloseDestroys() {
    StandInMainWindow main;
    ExportController exporter(&main);
    mireto::test::CheckLifecycle([&] { exporter.open(); }, [&] { return exporter.window(); },
                                 "btnclose01");
  }
};

int RunExportWindowTests(int argc, char** argv) {
  ExportWindowTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "export_window_test.moc"
