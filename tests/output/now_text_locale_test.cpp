// The preview's now text under the process locale the test is started with
// (ctest runs it under C.UTF-8 and under ja_JP.UTF-8): always the Japanese
// general date, yyyy/MM/dd H:mm:ss.
#include <QApplication>
#include <QLocale>
#include <QPlainTextEdit>
#include <QTest>
#include <clocale>

#include "output_windows/export_window.h"
#include "sample_chart.h"

class NowTextLocaleTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    // MIRETO_TEST_LOCALE: the locale named in LANG, e.g. ja_JP.UTF-8.
    const QByteArray wanted = qgetenv("MIRETO_TEST_LOCALE");
    QVERIFY(!wanted.isEmpty());
    const char* current = std::setlocale(LC_ALL, nullptr);
    if (current == nullptr || QByteArray(current) != wanted)
      QSKIP(qPrintable(QStringLiteral("the C library has no locale %1 (install it, or localedef to generate it)")
                           .arg(QString::fromLatin1(wanted))));
    QCOMPARE(QLocale::system().name().left(2), QString::fromLatin1(wanted.left(2)) == QStringLiteral("C.")
                                                   ? QStringLiteral("C")
                                                   : QString::fromLatin1(wanted.left(2)));
  }

  void previewWritesTheJapaneseGeneralDate_data() {
    QTest::addColumn<QDateTime>("moment");
    QTest::addColumn<QString>("firstLine");
    QTest::newRow("morning") << QDateTime(QDate(2024, 3, 5), QTime(7, 8, 9)) << "2024/03/05 7:08:09解命";
    QTest::newRow("evening") << QDateTime(QDate(2026, 12, 7), QTime(23, 47, 43)) << "2026/12/07 23:47:43解命";
    QTest::newRow("midnight") << QDateTime(QDate(2000, 1, 1), QTime(0, 0, 0)) << "2000/01/01 0:00:00解命";
  }

  void previewWritesTheJapaneseGeneralDate() {
    QFETCH(QDateTime, moment);
    QFETCH(QString, firstLine);
    mireto::ExportController exporter;
    exporter.setClock([moment] { return moment; });
    exporter.open(mireto::test::SampleChart(0));
    const QString shown = exporter.window()->findChild<QPlainTextEdit*>(QStringLiteral("txtmireto01"))->toPlainText();
    QCOMPARE(shown.section(QLatin1Char('\n'), 0, 0), firstLine);
  }
};

int main(int argc, char** argv) {
  QApplication app(argc, argv);  // sets the C library's locale from the environment
  NowTextLocaleTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "now_text_locale_test.moc"
