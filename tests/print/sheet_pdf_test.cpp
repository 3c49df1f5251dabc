// 命式表 written as PDF files offscreen and read back with the poppler tools:
// every field as text, the fonts embedded, no bitmaps, one page for an
// ordinary chart and two for a roster chart with a long note.
#include <QTemporaryDir>
#include <QTest>

#include "pdf_tools.h"
#include "print/pdf_file.h"
#include "qt_test_classes.h"
#include "sheet/client_sheet.h"
#include "test_support.h"

using namespace mireto;

namespace {

constexpr LocalDateTime kToday{2026, 12, 9, 10, 0};

SheetData Gather(const roster::BirthTexts& birth, roster::ClockDecision decision, SheetPerson person) {
  std::string error;
  auto sheet = GatherSheet(test::Tables(), birth, decision, std::move(person), {}, kToday, "1.3.15", error);
  if (!sheet) qFatal("%s", error.c_str());
  return *sheet;
}

QString Q(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

}  // namespace

class SheetPdfTest : public QObject {
  Q_OBJECT

 private slots:
  void sheets_data() {
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("hour");
    QTest::addColumn<int>("decision");
    QTest::addColumn<int>("noteLines");
    QTest::addColumn<int>("pages");
    QTest::addColumn<QStringList>("expected");
    const int notAsked = static_cast<int>(roster::ClockDecision::NotAsked);
    QTest::newRow("ordinary") << "2000-01-01"
                              << "12" << notAsked << 1 << 1
                              << QStringList{"2000年1月1日12時0分", "澗下水", "城頭土", "月柱と日柱：子午の冲"};
    QTest::newRow("unknown hour") << "2000-01-01"
                                  << "?" << notAsked << 0 << 1 << QStringList{"2000年1月1日出生時間不明", "□"};
    QTest::newRow("roster, long note") << "1990-05-03"
                                       << "14" << notAsked << 60 << 2
                                       << QStringList{"命式表（続き）", "備考（続き）", "2／2", "相談60回目"};
    QTest::newRow("summer time") << "1949-06-15"
                                 << "10" << static_cast<int>(roster::ClockDecision::SummerTime) << 1 << 1
                                 << QStringList{"1時間戻した日本標準時で計算", "芒種", "（夏時刻）"};
  }

  void sheets() {
    QFETCH(QString, date);
    QFETCH(QString, hour);
    QFETCH(int, decision);
    QFETCH(int, noteLines);
    QFETCH(int, pages);
    QFETCH(QStringList, expected);
    SheetPerson person{"山田花子", "やまだはなこ", "札幌市", ""};
    for (int i = 1; i <= noteLines; ++i) person.note += "相談" + std::to_string(i) + "回目：仕事のことを伺った。\n";
    const roster::BirthTexts birth{date.toStdString(), hour.toStdString(), hour == "?" ? "?" : "0", "F", "0", "0"};
    const SheetData sheet = Gather(birth, static_cast<roster::ClockDecision>(decision), person);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("山田花子_命式表.pdf"));
    QCOMPARE(WritePdfFile(path, SheetDocument({sheet}, page::PaperSize::A4)), QString());
    const auto report = test::ReadPdf(path);
    // Registered on Linux only, where scripts/install-deps installs the tools.
    if (!report) QFAIL("poppler-utils (pdftotext, pdfinfo, pdffonts, pdfimages) is missing: run scripts/install-deps");
    QCOMPARE(report->pages, pages);
    QVERIFY2(report->allFontsEmbedded, qPrintable(report->fonts.join(QLatin1Char('\n'))));
    QCOMPARE(report->images, 0);
    // The fields every sheet has, and this case's own.
    const ChartDisplay& d = sheet.chart.display;
    QStringList fields = {"命式表",
                          "山田花子",
                          "作成日",
                          "2026年12月9日",
                          "札幌市",
                          Q(d.trueSolarTime),
                          Q(d.equationOfTime),
                          Q(d.luckStartAge),
                          Q(d.luckChange),
                          "前の節入り",
                          "次の節入り",
                          Q(sheet.terms[0].name),
                          Q(sheet.terms[1].name),
                          "通変星",
                          "蔵干通変星",
                          "十二運",
                          "納音",
                          "大運",
                          "現在",
                          "年運",
                          "2035",
                          "五行",
                          "天干・地支／蔵干を含む",
                          "ミレト 1.3.15"};
    if (noteLines > 0)
      fields << "備考"
             << "相談1回目";
    for (const QString& field : fields + expected) QVERIFY2(report->text.contains(field), qPrintable(field));
  }
};

MIRETO_QT_TEST_CLASS(SheetPdf, SheetPdfTest)

#include "sheet_pdf_test.moc"
