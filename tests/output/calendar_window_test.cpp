// The window 万年暦 through its controller: the month of an injected today,
// navigation by buttons, keys and the year box, the main window's time
// difference, コピー and the print-out (the year, a page a month).
#include <QClipboard>
#include <QComboBox>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include "core/data_files.h"
#include "output_windows/calendar_controller.h"
#include "qt_test_classes.h"
#include "test_support.h"

using mireto::CalendarController;
using mireto::CalendarWindow;

namespace {

using mireto::test::Tables;

QString Cell(const QTableWidget& t, int row, int column) {
  const QTableWidgetItem* item = t.item(row, column);
  return item != nullptr ? item->text() : QString();
}

// The cells marked as today.
QStringList TodayCells(const CalendarWindow& w) {
  const auto& grid = *w.findChild<QTableWidget*>(QStringLiteral("tblMonth"));
  QStringList marked;
  for (int r = 0; r < grid.rowCount(); ++r) {
    for (int c = 0; c < grid.columnCount(); ++c) {
      if (grid.item(r, c) != nullptr && grid.item(r, c)->data(Qt::UserRole).toBool()) marked << Cell(grid, r, c);
    }
  }
  return marked;
}

class CalendarWindowTest : public QObject {
  Q_OBJECT

  QWidget owner_;
  std::unique_ptr<CalendarController> controller_;

  CalendarWindow& window() { return *controller_->window(); }
  QPushButton* button(const char* name) { return window().findChild<QPushButton*>(QString::fromUtf8(name)); }
  std::pair<int, int> shown() { return {window().month().year, window().month().month}; }

 private slots:
  void init() {
    controller_ = std::make_unique<CalendarController>(&owner_, Tables());
    controller_->setToday([] { return mireto::CalendarDayOf(2000, 2, 4); });
    controller_->open();
  }
  void cleanup() { controller_.reset(); }

  void opensOnTodayWithItsTermsAndPillars() {
    QCOMPARE(shown(), std::pair(2000, 2));
    QVERIFY(!window().isModal());
    QCOMPARE(TodayCells(window()), QStringList{QStringLiteral("4\n壬辰")});  // a Friday: first row
    const auto& grid = *window().findChild<QTableWidget*>(QStringLiteral("tblMonth"));
    QCOMPARE(Cell(grid, 0, 5), QStringLiteral("4\n壬辰"));
    QCOMPARE(Cell(grid, 0, 1), QString());  // 1 February is a Tuesday
    const auto& terms = *window().findChild<QTableWidget*>(QStringLiteral("tblTerms"));
    QCOMPARE(terms.rowCount(), 2);  // 立春 and 雨水
    QCOMPARE(Cell(terms, 0, 0), QStringLiteral("立春"));
    QVERIFY(Cell(terms, 0, 1).startsWith(QStringLiteral("2月4日21時40分")));
    QCOMPARE(Cell(terms, 0, 2), QStringLiteral("2月4日21時57分34秒"));
    QCOMPARE(Cell(terms, 0, 3), QStringLiteral("戊寅"));
    QVERIFY(window().findChild<QLabel*>(QStringLiteral("lblYearPillar"))->text().contains(QStringLiteral("庚辰")));
    QVERIFY(
        window().findChild<QLabel*>(QStringLiteral("lblMonthPillars"))->text().contains(QStringLiteral("戊寅 2/4")));
  }

  void navigatesByButtonsKeysAndBoxesWithinTheRange() {
    QTest::mouseClick(button("btnNext"), Qt::LeftButton);
    QCOMPARE(shown(), std::pair(2000, 3));
    QVERIFY(TodayCells(window()).isEmpty());
    QTest::keyClick(&window(), Qt::Key_PageUp);
    QTest::keyClick(&window(), Qt::Key_PageUp);
    QCOMPARE(shown(), std::pair(2000, 1));
    QTest::mouseClick(button("btnPrevious"), Qt::LeftButton);
    QCOMPARE(shown(), std::pair(1999, 12));
    QTest::keyClick(&window(), Qt::Key_PageDown, Qt::ControlModifier);
    QCOMPARE(shown(), std::pair(2000, 12));
    window().findChild<QSpinBox*>(QStringLiteral("spnYear"))->setValue(1800);
    auto* month = window().findChild<QComboBox*>(QStringLiteral("cmbMonth"));
    month->setCurrentIndex(0);
    emit month->activated(0);
    QCOMPARE(shown(), std::pair(1800, 1));
    QVERIFY(!button("btnPrevious")->isEnabled());
    QTest::keyClick(&window(), Qt::Key_PageUp);
    QCOMPARE(shown(), std::pair(1800, 1));
    window().findChild<QSpinBox*>(QStringLiteral("spnYear"))->setValue(2080);
    month->setCurrentIndex(11);
    emit month->activated(11);
    QCOMPARE(shown(), std::pair(2080, 12));
    QVERIFY(!button("btnNext")->isEnabled());
    QVERIFY(button("btnPrevious")->isEnabled());
  }

  void followsTheMainWindowsTimeDifference() {
    controller_->setTimeDifference(20.0 / 1440);  // 20 minutes east: the switch 20 minutes earlier
    const auto& terms = *window().findChild<QTableWidget*>(QStringLiteral("tblTerms"));
    QCOMPARE(Cell(terms, 0, 2), QStringLiteral("2月4日21時37分34秒"));
    QVERIFY(terms.horizontalHeaderItem(2)->text().contains(QStringLiteral("時差 20分0秒")));
    controller_->setTimeDifference(std::nullopt);
    QCOMPARE(Cell(terms, 0, 2), QStringLiteral("－"));
    QVERIFY(Cell(terms, 0, 1).startsWith(QStringLiteral("2月4日21時40分")));  // the almanac stays
  }

  void copiesTheMonthAsText() {
    QGuiApplication::clipboard()->clear();
    QTest::mouseClick(button("btnCopy"), Qt::LeftButton);
    const QString text = QGuiApplication::clipboard()->text();
    QCOMPARE(text, window().monthText());
    QVERIFY(text.startsWith(QStringLiteral("万年暦　2000年2月　年柱 庚辰（立春から）\r\n日      月")));
    QVERIFY(text.contains(QStringLiteral(" 4*壬辰")));
    QVERIFY(text.contains(QStringLiteral("立春　2月4日21時40分")));
    QVERIFY(text.contains(QStringLiteral("　2月4日21時57分34秒　月柱 戊寅\r\n")));
    QVERIFY(!text.contains(QStringLiteral(" \r\n")));
  }

  void printsTheMonthToPdf() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString pdf = dir.filePath(QStringLiteral("calendar.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    window().printTo(printer);
    QFile file(pdf);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.read(5) == "%PDF-");
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty()) QSKIP("pdftotext (poppler-utils) is not installed");
    QProcess process;
    process.start(pdftotext, {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    QVERIFY(process.waitForFinished(30000));
    const QString text = QString::fromUtf8(process.readAllStandardOutput());
    for (const char* expected :
         {"万年暦", "2000年1月", "2000年2月", "2000年12月", "壬辰", "立春", "21時57分34秒", "戊寅", "均時差", "冬至"}) {
      QVERIFY2(text.contains(QString::fromUtf8(expected)), expected);
    }
    QCOMPARE(text.count(QLatin1Char('\f')), 12);  // the year, one page a month
  }
};

}  // namespace

MIRETO_QT_TEST_CLASS(CalendarWindow, CalendarWindowTest)

#include "calendar_window_test.moc"
