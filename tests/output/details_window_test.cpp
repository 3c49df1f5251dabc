// The chart-details window on its own: the tables of the worked chart, the
// bold current luck column, the present year, コピー, Esc and the print-out.
#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <QComboBox>
#include <QSpinBox>
#include <QTabWidget>
#include "chart/chart_details.h"
#include "core/data_files.h"
#include "output/details_text.h"
#include "output_windows/details_controller.h"
#include "output_windows/details_window.h"
#include "output_windows/five_element_diagram.h"
#include "qt_test_classes.h"
#include "test_support.h"

using mireto::ChartDetails;
using mireto::DetailsWindow;

namespace {

using mireto::test::Tables;

constexpr mireto::LocalDateTime kNow{2026, 12, 7, 12, 0};

// The details of 1 January 2000 (hour optional), as the window is filled.
ChartDetails WorkedDetails(std::optional<int> hour = 12, mireto::Sex sex = mireto::Sex::Female) {
  mireto::BirthInput in;
  in.year = 2000;
  in.month = 1;
  in.day = 1;
  in.hour = hour;
  in.minute = hour ? std::optional<int>(0) : std::nullopt;
  in.sex = sex;
  const auto result = mireto::ComputeChart(in, Tables(), kNow);
  if (!result.chart) qFatal("%s", result.error.c_str());
  return mireto::ComputeChartDetails(*result.chart, mireto::LifetimeDetailsRequest(hour.has_value(), in.year, kNow));
}

QTableWidget* Table(const QWidget& w, const char* name) { return w.findChild<QTableWidget*>(QString::fromUtf8(name)); }

QString CellText(const QTableWidget& t, int row, int column) {
  const QTableWidgetItem* item = t.item(row, column);
  return item ? item->text() : QStringLiteral("<none>");
}

}  // namespace

class DetailsWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void pillarTable_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<QStringList>("hourDayMonthYear");
    QTest::newRow("通変星") << 0 << QStringList{"比肩", "日主", "偏印", "劫財"};
    QTest::newRow("天干") << 1 << QStringList{"戊", "戊", "丙", "己"};
    QTest::newRow("地支") << 2 << QStringList{"午", "午", "子", "卯"};
    QTest::newRow("蔵干") << 3 << QStringList{"丁", "丁", "癸", "乙"};
    QTest::newRow("蔵干通変星") << 4 << QStringList{"印綬", "印綬", "正財", "正官"};
    QTest::newRow("十二運") << 5 << QStringList{"帝旺", "帝旺", "胎", "沐浴"};
    QTest::newRow("納音") << 6 << QStringList{"天上火", "天上火", "澗下水", "城頭土"};
    QTest::newRow("空亡") << 7 << QStringList{"－", "－", "空亡", "－"};
  }

  void pillarTable() {
    QFETCH(int, row);
    QFETCH(QStringList, hourDayMonthYear);
    DetailsWindow window(nullptr);
    window.showDetails(WorkedDetails());
    const QTableWidget& t = *Table(window, "tblPillars");
    QCOMPARE(t.horizontalHeaderItem(0)->text(), QStringLiteral("時柱"));
    QCOMPARE(t.horizontalHeaderItem(3)->text(), QStringLiteral("年柱"));
    QCOMPARE(t.verticalHeaderItem(row)->text(), QString::fromUtf8(QTest::currentDataTag()));
    for (int c = 0; c < 4; ++c) QCOMPARE(CellText(t, row, c), hourDayMonthYear[c]);
  }

  void voidBranchMarkedAndNamed() {
    DetailsWindow window(nullptr);
    window.showDetails(WorkedDetails());
    QVERIFY(window.findChild<QLabel*>(QStringLiteral("lblVoid"))->text().endsWith(QStringLiteral("子丑")));
    const QTableWidget& t = *Table(window, "tblPillars");
    const QBrush none = t.item(2, 0)->background();
    QVERIFY(t.item(2, 2)->background() != none);  // 月柱 子 is in 空亡
    QCOMPARE(t.item(2, 3)->background(), none);
  }

  void unknownHourColumn() {
    DetailsWindow window(nullptr);
    window.showDetails(WorkedDetails(std::nullopt));
    const QTableWidget& t = *Table(window, "tblPillars");
    for (int r = 0; r < t.rowCount(); ++r) QCOMPARE(CellText(t, r, 0), QStringLiteral("□"));
    QCOMPARE(CellText(t, 0, 1), QStringLiteral("日主"));
  }

  void luckColumnsRightToLeftCurrentBold() {
    DetailsWindow window(nullptr);
    const ChartDetails d = WorkedDetails();
    QVERIFY(d.currentLuckColumn.has_value());
    window.showDetails(d);
    const QTableWidget& t = *Table(window, "tblLuck");
    QCOMPARE(t.columnCount(), 11);
    QCOMPARE(CellText(t, 1, 10), QStringLiteral("丙子"));  // the month pillar on the right
    QCOMPARE(CellText(t, 0, 10), QStringLiteral("0～%1歳").arg(d.luck[0].lastAge));
    QCOMPARE(CellText(t, 2, 0), QString::fromUtf8(d.luck[10].tenGod.data(), d.luck[10].tenGod.size()));
    QCOMPARE(CellText(t, 4, 10), QStringLiteral("空亡"));
    for (int c = 0; c < t.columnCount(); ++c) {
      const bool current = 10 - c == *d.currentLuckColumn;
      for (int r = 0; r < t.rowCount(); ++r) QCOMPARE(t.item(r, c)->font().bold(), current);
    }
  }

  // The diagram holds the balance; the natal relations, each luck column's
  // and each year's are written out (the worked chart of the notes).
  void balanceAndRelations() {
    DetailsWindow window(nullptr);
    const ChartDetails d = WorkedDetails();
    window.showDetails(d);
    const auto* diagram = window.findChild<mireto::FiveElementDiagram*>(QStringLiteral("diagramFiveElements"));
    QVERIFY(diagram != nullptr);
    QCOMPARE(diagram->balance().withHidden[mireto::Element::Fire], 5);
    QCOMPARE(diagram->balance().dayMaster, mireto::Element::Earth);
    const QStringList natal =
        window.findChild<QLabel*>(QStringLiteral("lblRelations"))->text().split(QLatin1Char('\n'));
    QCOMPARE(natal.size(), 1 + 6);
    QCOMPARE(natal[1], QStringLiteral("月柱と日柱：子午の冲"));
    QCOMPARE(natal[4], QStringLiteral("日柱と時柱：午午の自刑"));
    const QTableWidget& luck = *Table(window, "tblLuck");
    QCOMPARE(luck.verticalHeaderItem(5)->text(), QStringLiteral("合冲刑害"));
    QCOMPARE(CellText(luck, 5, 10), QStringLiteral("日支と冲\n時支と冲\n年支と刑"));           // 丙子
    QCOMPARE(CellText(luck, 5, 2), QStringLiteral("年干と\n干合（土）\n月支と\n半会（水）"));  // 甲申
    const QTableWidget& annual = *Table(window, "tblAnnual");
    QCOMPARE(CellText(annual, 26, 6), QStringLiteral("月支と冲、日支と自刑、時支と自刑、年支と破"));  // 2026 丙午
    QCOMPARE(CellText(annual, 25, 6), QStringLiteral("－"));                                          // 2025 乙巳
  }

  void luckBoldFollowsNewDetails() {
    DetailsWindow window(nullptr);
    ChartDetails d = WorkedDetails();
    d.currentLuckColumn = 7;
    window.showDetails(d);
    QVERIFY(Table(window, "tblLuck")->item(1, 3)->font().bold());
    d.currentLuckColumn.reset();
    window.showDetails(d);
    for (int c = 0; c < 11; ++c) QVERIFY(!Table(window, "tblLuck")->item(1, c)->font().bold());
  }

  void annualHundredYearsPresentYearShown() {
    DetailsWindow window(nullptr);
    window.resize(600, 700);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.showDetails(WorkedDetails());
    QTableWidget& t = *Table(window, "tblAnnual");
    QCOMPARE(t.rowCount(), 101);
    QCOMPARE(CellText(t, 0, 0), QStringLiteral("2000"));
    QCOMPARE(CellText(t, 100, 0), QStringLiteral("2100"));
    const int present = 26;  // 2026
    QCOMPARE(CellText(t, present, 1), QStringLiteral("26歳"));
    QCOMPARE(CellText(t, present, 2), QStringLiteral("丙午"));
    QVERIFY(t.item(present, 0)->font().bold());
    QVERIFY(!t.item(present + 1, 0)->font().bold());
    QVERIFY(t.item(present, 0)->background() != t.item(present + 1, 0)->background());
    QVERIFY(t.viewport()->rect().contains(t.visualItemRect(t.item(present, 0))));
    QVERIFY(!t.viewport()->rect().intersects(t.visualItemRect(t.item(100, 0))));
  }

  // Made small (a scaled laptop screen), the window shrinks: its content
  // scrolls with both tables whole, and the buttons stay in view.
  void shrinksWithScrollingKeepingTheButtons() {
    DetailsWindow window(nullptr);
    window.showDetails(WorkedDetails());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.resize(300, 200);
    QCoreApplication::processEvents();
    QVERIFY(window.width() <= 300 && window.height() <= 200);
    auto* scroll = window.findChild<QScrollArea*>(QStringLiteral("detailsScroll"));
    QVERIFY(scroll->verticalScrollBar()->maximum() > 0);
    QVERIFY(scroll->horizontalScrollBar()->maximum() > 0);
    for (const char* name : {"tblPillars", "tblLuck"}) {
      const QTableWidget& t = *Table(window, name);
      QVERIFY2(t.viewport()->width() >= t.horizontalHeader()->length(), name);
    }
    QVERIFY(window.rect().contains(window.findChild<QPushButton*>(QStringLiteral("btnClose"))->geometry()));
  }

  void copyPutsTheDetailsTextWithCrLf() {
    DetailsWindow window(nullptr);
    const ChartDetails d = WorkedDetails();
    window.showDetails(d);
    QGuiApplication::clipboard()->clear();
    QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("btnCopy")), Qt::LeftButton);
    const QString copied = QGuiApplication::clipboard()->text();
    QCOMPARE(copied, QString::fromStdString(mireto::MakeDetailsText(d)));
    QVERIFY(copied.contains(QStringLiteral("\r\n")));
    QCOMPARE(copied.count(QLatin1Char('\n')), copied.count(QStringLiteral("\r\n")));
    QVERIFY(copied.contains(QStringLiteral("年運")));
    QVERIFY(copied.contains(QStringLiteral("（今年）")));
  }

  void escapeAndCloseButtonHide() {
    DetailsWindow window(nullptr);
    window.showDetails(WorkedDetails());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::keyClick(&window, Qt::Key_Escape);
    QVERIFY(!window.isVisible());
    window.show();
    QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("btnClose")), Qt::LeftButton);
    QVERIFY(!window.isVisible());
    QVERIFY(!window.isModal());
  }

  // 月運 and 日運 beside 年運: the months and days the details hold, then those
  // of the year and month chosen on their tabs (computed by the controller).
  void monthlyAndDailyTabsFollowTheChosenYearAndMonth() {
    QWidget owner;
    mireto::DetailsController controller(&owner, &Tables());
    ChartDetails details = WorkedDetails();
    mireto::TermCache cache;
    details.monthly = mireto::MonthlyLuckOfYear(details, Tables(), 2026, cache);
    details.daily = mireto::DailyLuckOfMonth(details, 2026, 12);
    controller.follow(details);
    controller.open();
    DetailsWindow& window = *controller.window();
    auto* tabs = window.findChild<QTabWidget*>(QStringLiteral("tabPeriods"));
    QCOMPARE(tabs->count(), 3);
    QCOMPARE(tabs->tabText(1), QStringLiteral("月運"));
    QTableWidget& monthly = *Table(window, "tblMonthly");
    QCOMPARE(monthly.rowCount(), 12);
    QCOMPARE(monthly.item(1, 0)->text(), QStringLiteral("立春"));
    QCOMPARE(monthly.item(1, 3)->text(), QStringLiteral("庚寅"));
    QCOMPARE(Table(window, "tblDaily")->rowCount(), 31);
    window.findChild<QSpinBox*>(QStringLiteral("spnMonthlyYear"))->setValue(2000);
    QCOMPARE(monthly.item(1, 1)->text(), QStringLiteral("2月4日21時57分34秒"));        // this birthplace
    QVERIFY(monthly.item(1, 2)->text().startsWith(QStringLiteral("2月4日21時40分")));  // the almanac
    QCOMPARE(monthly.item(1, 3)->text(), QStringLiteral("戊寅"));
    QCOMPARE(monthly.item(1, 4)->text(), QStringLiteral("比肩"));
    auto* month = window.findChild<QComboBox*>(QStringLiteral("cmbDailyMonth"));
    window.findChild<QSpinBox*>(QStringLiteral("spnDailyYear"))->setValue(2000);
    month->setCurrentIndex(1);
    emit month->activated(1);
    QTableWidget& daily = *Table(window, "tblDaily");
    QCOMPARE(daily.rowCount(), 29);
    QCOMPARE(daily.item(0, 2)->text(), QStringLiteral("己丑"));
    QCOMPARE(daily.item(0, 1)->text(), QStringLiteral("火"));
    // The copy holds what the tabs show.
    QVERIFY(window.detailsText().contains(QStringLiteral("日運（2000年2月）")));
    QVERIFY(window.detailsText().contains(QStringLiteral("月運（2000年の節から")));
  }

  void printsToPdfReadableByPdftotext() {
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty()) QSKIP("pdftotext (poppler-utils) is not installed");
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString pdf = dir.filePath(QStringLiteral("details.pdf"));
    DetailsWindow window(nullptr);
    window.showDetails(WorkedDetails());
    const QString heading = QStringLiteral("山田　花子　2000年1月1日 12時0分 女 時差 0分0秒");
    window.showHeading(heading);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    window.printTo(printer);

    QProcess process;
    process.start(pdftotext, {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    QVERIFY(process.waitForFinished(30000));
    QCOMPARE(process.exitCode(), 0);
    const QString text = QString::fromUtf8(process.readAllStandardOutput());
    for (const char* expected :
         {"命式詳細", "空亡／子丑", "蔵干通変星", "澗下水", "城頭土", "大運", "年運", "（現在）", "2100",
          "五行（蔵干を含む）", "月柱と日柱：子午の冲", "年運と命式の合冲刑害", "月支と冲、日支と自刑"}) {
      QVERIFY2(text.contains(QString::fromUtf8(expected)), expected);
    }
    // The diagram's own words are text in the PDF, and no picture is embedded:
    // it is drawn as vectors.
    QVERIFY(text.contains(QStringLiteral("天干・地支／蔵干を含む")));
    const QString pdfimages = QStandardPaths::findExecutable(QStringLiteral("pdfimages"));
    if (!pdfimages.isEmpty()) {
      process.start(pdfimages, {QStringLiteral("-list"), pdf});
      QVERIFY(process.waitForFinished(30000));
      const QStringList rows =
          QString::fromUtf8(process.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
      QCOMPARE(rows.size(), 2);  // the heading and its rule only
    }
    // 101 years and the tables do not fit on one page; every page carries
    // the heading, and the years' header returns where they continue.
    const QStringList pages = text.split(QLatin1Char('\f'), Qt::SkipEmptyParts);
    QVERIFY(pages.size() >= 3);
    for (const QString& page : pages)
      QVERIFY(page.contains(QStringLiteral("山田　花子")) || page.contains(QStringLiteral("山田 花子")));
    QVERIFY(text.contains(QStringLiteral("年運（続き）")));
    // The copy carries the same heading.
    QVERIFY(window.detailsText().startsWith(heading + QStringLiteral("\r\n\r\n命式詳細")));
  }
};

MIRETO_QT_TEST_CLASS(DetailsWindow, DetailsWindowTest)

#include "details_window_test.moc"
