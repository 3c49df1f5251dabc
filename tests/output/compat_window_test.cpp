// The 相性 window on its own: the two people above their pillar tables, the
// relations with the day pillars first, the ten gods both ways and 空亡,
// コピー, Esc, and the one-page print-out read back with pdftotext.
#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QLabel>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include "core/data_files.h"
#include "output_windows/compat_window.h"
#include "qt_test_classes.h"
#include "test_support.h"

using mireto::CompatWindow;
using mireto::Person;

namespace {

using mireto::test::Tables;

mireto::Chart ChartOf(int year, int month, int day, std::optional<int> hour, std::optional<int> minute, mireto::Sex sex,
                      const char* jisaMinutes = "0", const char* jisaSeconds = "0") {
  mireto::BirthInput in;
  in.year = year;
  in.month = month;
  in.day = day;
  in.hour = hour;
  in.minute = minute;
  in.sex = sex;
  in.jisaMinutesText = jisaMinutes;
  in.jisaSecondsText = jisaSeconds;
  const auto result = mireto::ComputeChart(in, Tables(), {2026, 12, 7, 12, 0});
  if (!result.chart) qFatal("%s", result.error.c_str());
  return *result.chart;
}

// The README's worked pair.
mireto::CompatSheet WorkedPair(bool hourOfBKnown = true) {
  static const mireto::Chart a = ChartOf(2000, 1, 1, 12, 0, mireto::Sex::Female);
  static const mireto::Chart b = ChartOf(1989, 8, 21, 14, 27, mireto::Sex::Male, "-5", "30");
  static const mireto::Chart bNoHour = ChartOf(1989, 8, 21, std::nullopt, std::nullopt, mireto::Sex::Male, "-5", "30");
  return mireto::MakeCompatSheet(
      {"山田花子", "2000年1月1日 12時0分 女 時差 0分0秒", &a, true},
      {"佐藤太郎", "1989年8月21日 14時27分 男 時差 -5分30秒", hourOfBKnown ? &b : &bNoHour, hourOfBKnown});
}

QString CellText(const QTableWidget& t, int row, int column) {
  const QTableWidgetItem* item = t.item(row, column);
  return item ? item->text() : QStringLiteral("<none>");
}

}  // namespace

class CompatWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void bothChartsSideBySide() {
    CompatWindow window(nullptr);
    window.showSheet(WorkedPair());
    QCOMPARE(window.side(Person::A).name->text(), QStringLiteral("A　山田花子"));
    QCOMPARE(window.side(Person::B).name->text(), QStringLiteral("B　佐藤太郎"));
    QVERIFY(window.side(Person::B).birth->text().startsWith(QStringLiteral("1989年8月21日 14時27分 男")));
    // Rows 天干 and 地支, columns 時柱 日柱 月柱 年柱, as in 命式詳細.
    const QTableWidget& a = *window.side(Person::A).pillars;
    const QTableWidget& b = *window.side(Person::B).pillars;
    const QStringList stemsA{CellText(a, 1, 0), CellText(a, 1, 1), CellText(a, 1, 2), CellText(a, 1, 3)};
    QCOMPARE(stemsA, (QStringList{"戊", "戊", "丙", "己"}));
    QCOMPARE(CellText(a, 0, 1), QStringLiteral("日主"));
    QCOMPARE(CellText(b, 0, 1), QStringLiteral("日主"));
    QCOMPARE(b.columnCount(), 4);
  }

  void relationsInWordsDayPillarsFirst() {
    CompatWindow window(nullptr);
    window.showSheet(WorkedPair());
    const QStringList relations = window.relations()->text().split(QLatin1Char('\n'));
    // A 己卯 丙子 戊午 戊午, B 己巳 壬申 癸丑 己未: both day pillars, then one, then neither.
    QCOMPARE(relations, (QStringList{
                            "日干 戊（山田花子）と 癸（佐藤太郎）：干合（火）",
                            "日支 午（山田花子）と 丑（佐藤太郎）：害",
                            "時干 戊（山田花子）と 日干 癸（佐藤太郎）：干合（火）",
                            "月支 子（山田花子）と 日支 丑（佐藤太郎）：支合（土）",
                            "日支 午（山田花子）と 時支 未（佐藤太郎）：支合（土）",
                            "時支 午（山田花子）と 日支 丑（佐藤太郎）：害",
                            "時支 午（山田花子）と 未（佐藤太郎）：支合（土）",
                            "年支 卯（山田花子）と 時支 未（佐藤太郎）：半会（木）",
                            "月支 子（山田花子）と 申（佐藤太郎）：半会（水）",
                            "月支 子（山田花子）と 時支 未（佐藤太郎）：害",
                        }));
    QCOMPARE(window.tenGods()->text(), QStringLiteral("山田花子（日干 戊）から見た佐藤太郎（日干 癸）：正財\n"
                                                      "佐藤太郎（日干 癸）から見た山田花子（日干 戊）：正官"));
    QCOMPARE(window.voidHits()->text(), QStringLiteral("山田花子の空亡 子丑：佐藤太郎の日支 丑\n"
                                                       "佐藤太郎の空亡 寅卯：山田花子の年支 卯"));
  }

  void anUnknownHourTakesNoPart() {
    CompatWindow window(nullptr);
    window.showSheet(WorkedPair(false));
    QCOMPARE(CellText(*window.side(Person::B).pillars, 1, 0), QStringLiteral("□"));
    // B's 時柱 己未 drops out, and with it two 支合, a 半会 and a 害.
    const QString relations = window.relations()->text();
    QCOMPARE(relations.count(QLatin1Char('\n')) + 1, 6);
    QVERIFY(!relations.contains(QStringLiteral("未（佐藤太郎）")));
  }

  void copyAndEscape() {
    CompatWindow window(nullptr);
    window.showSheet(WorkedPair());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::mouseClick(window.copyButton(), Qt::LeftButton);
    const QString copied = QApplication::clipboard()->text();
    QCOMPARE(copied, window.compatText());
    QVERIFY(copied.contains(QStringLiteral("\r\n")));
    QVERIFY(!copied.contains(QRegularExpression(QStringLiteral("[^\r]\n"))));
    for (const char* expected : {"A：山田花子", "B：佐藤太郎", "2人の柱の合冲刑害", "日干の通変星"}) {
      QVERIFY2(copied.contains(QString::fromUtf8(expected)), expected);
    }
    QTest::keyClick(&window, Qt::Key_Escape);
    QVERIFY(!window.isVisible());
  }

  void printsOnePageReadableByPdftotext() {
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty()) QSKIP("pdftotext (poppler-utils) is not installed");
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString pdf = dir.filePath(QStringLiteral("compat.pdf"));
    CompatWindow window(nullptr);
    window.showSheet(WorkedPair());
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setOutputFileName(pdf);
    QVERIFY(window.printTo(printer));
    QProcess process;
    process.start(pdftotext, {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    QVERIFY(process.waitForFinished(30000));
    QCOMPARE(process.exitCode(), 0);
    const QString text = QString::fromUtf8(process.readAllStandardOutput());
    for (const char* expected : {"相性", "A：山田花子", "2000年1月1日 12時0分 女", "B：佐藤太郎",
                                 "1989年8月21日 14時27分 男 時差 -5分30秒", "蔵干通変星", "日干の通変星"}) {
      QVERIFY2(text.contains(QString::fromUtf8(expected)), expected);
    }
    QCOMPARE(text.count(QLatin1Char('\f')), 1);  // one page
  }
};

MIRETO_QT_TEST_CLASS(CompatWindow, CompatWindowTest)

#include "compat_window_test.moc"
