// End to end: a chart computed and shown by the real main window, copied by
// POP and exported by EXP.
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTest>

#include "chart/chart.h"
#include "core/data_files.h"
#include "output/export_window.h"
#include "output/main_window_reader.h"
#include "output/popup_window.h"
#include "ui/chart_writer.h"
#include "ui/main_window.h"

using mireto::ArrayControlName;

namespace {

// The export record built straight from the computed display texts.
mireto::ChartTexts TextsOf(const mireto::ChartDisplay& d, const std::string& birthday, const std::string& sex) {
  mireto::ChartTexts t;
  t.sex = sex;
  t.birthday = birthday;
  t.age = d.age;
  t.luckStartAge = d.luckStartAge;
  t.luckChange = d.luckChange;
  for (mireto::Pillar p : mireto::kPillars) t.pillars[p] = {d.stems[p], d.branches[p], d.hiddenStems[p]};
  t.luckStems = d.luckStems;
  t.luckBranches = d.luckBranches;
  t.luckFirstAges = d.luckFirstAges;
  return t;
}

}  // namespace

class RealMainWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    auto loaded = mireto::LoadCalendarTables(QCoreApplication::applicationDirPath().toStdString());
    QVERIFY2(loaded.tables, loaded.error.c_str());
    tables_ = *loaded.tables;
  }

  void popAndExpCopyTheDisplayedChart() {
    mireto::MainWindow main(tables_);
    mireto::BirthInput input;
    input.year = 1975;
    input.month = 4;
    input.day = 8;
    input.hour = 13;
    input.minute = 5;
    input.sex = mireto::Sex::Male;
    const mireto::LocalDateTime now{2024, 6, 1, 12, 0};
    const auto result = mireto::ComputeChart(input, tables_, now);
    QVERIFY2(result.chart, result.error.c_str());
    const mireto::ChartDisplay& display = result.chart->display;
    QVERIFY(display.boldLuckColumn.has_value());
    mireto::WriteChart(&main, display);
    main.findChild<QRadioButton*>(QStringLiteral("optM"))->setChecked(true);
    const std::string birthday = "1975年4月8日13時5分";
    main.findChild<QLineEdit*>(QStringLiteral("txtBirthday"))->setText(QString::fromStdString(birthday));

    mireto::PopupController popup(&main);
    popup.open();
    const QWidget& copy = *popup.window();
    const auto text = [&](const QString& name) { return copy.findChild<QWidget*>(name)->property("text").toString(); };
    QCOMPARE(text("txtKoukei"), QString::fromStdString(display.sunLongitude));
    QCOMPARE(text("lblOu"), QString::fromStdString(display.seasonElement));
    QCOMPARE(text("txtMW"), QStringLiteral("男"));
    for (int i = 0; i < 11; ++i) {
      QCOMPARE(text(ArrayControlName("sai2", i)), QString::fromStdString(display.luckLastAges[i]));
      QCOMPARE(copy.findChild<QLabel*>(ArrayControlName("dun_kan", i))->font().bold(), i == *display.boldLuckColumn);
    }

    mireto::ExportController exporter(&main);
    const QDateTime moment(QDate(2024, 6, 1), QTime(12, 0, 30));
    exporter.setClock([moment] { return moment; });
    exporter.open();
    const std::string expected = mireto::make_export_text(
        TextsOf(display, birthday, "男"), mireto::GeneralDateText(moment, QLocale::system()).toStdString());
    QString shown = QString::fromStdString(expected);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QCOMPARE(exporter.window()->findChild<QPlainTextEdit*>(QStringLiteral("txtmireto01"))->toPlainText(), shown);
  }

 private:
  mireto::CalendarTables tables_{};
};

int RunRealMainWindowTests(int argc, char** argv) {
  RealMainWindowTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "real_main_window_test.moc"
