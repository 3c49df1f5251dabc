// The painter of page descriptions: a PDF of two pages with Japanese text,
// lines and shapes, read back with the poppler tools (Linux), and a file
// that cannot be written reported, never taken for success.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <array>

#include "gui/fonts.h"
#include "page/page.h"
#include "page/page_table.h"
#include "pdf_tools.h"
#include "print/pdf_file.h"
#include "print/print_dialogs.h"
#include "qt_test_classes.h"

using namespace mireto;

namespace {

page::Document Sample(page::PaperSize paper) {
  page::Document document;
  document.paper = paper;
  document.title = "見本";
  page::Page first;
  first.items.push_back(page::Text{{"四柱推命の見本 ABC 123"}, {20, 20, 170, 10}, page::FontRole::PGothic, 14, true});
  first.items.push_back(page::Line{{20, 32}, {190, 32}, {0.4}});
  first.items.push_back(page::Ellipse{{30, 40, 20, 20}, {0.3}, true, page::Grey(0.8)});
  first.items.push_back(page::Polygon{{{60, 40}, {80, 60}, {60, 60}}, {0.3, page::kBlack, true}});
  page::RuledTable table;
  table.origin = {20, 70};
  table.columnWidths = {30, 30};
  table.rows = {{6, {{"時柱"}, {"日柱"}}}, {8, {{"甲子"}, {"乙丑", true, true}}}};
  page::AddTable(first, table);
  page::Page second;
  second.items.push_back(page::Text{{"二ページ目"}, {20, 20, 170, 10}});
  document.pages = {first, second};
  return document;
}

}  // namespace

class PdfFileTest : public QObject {
  Q_OBJECT

 private slots:
  void writesAPdfFile() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("見本.pdf"));
    QCOMPARE(WritePdfFile(path, Sample(page::PaperSize::A4)), QString());
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.read(5) == "%PDF-");
  }

  void refusesAFileItCannotWrite() {
    QTemporaryDir dir;
    const QString missingFolder = dir.filePath(QStringLiteral("ない/見本.pdf"));
    const QString message = WritePdfFile(missingFolder, Sample(page::PaperSize::A4));
    QVERIFY(message.contains(QStringLiteral("保存できませんでした")));
    QVERIFY(message.contains(QDir::toNativeSeparators(missingFolder)));
    QVERIFY(!QFile::exists(missingFolder));
    // A folder in the file's place stays a folder.
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder.pdf")));
    QVERIFY(!WritePdfFile(dir.filePath(QStringLiteral("folder.pdf")), Sample(page::PaperSize::A4)).isEmpty());
    QVERIFY(QFileInfo(dir.filePath(QStringLiteral("folder.pdf"))).isDir());
    // A document without pages is no PDF.
    QVERIFY(!WritePdfFile(dir.filePath(QStringLiteral("empty.pdf")), page::Document{}).isEmpty());
  }

  void safeFileNames_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("safe");
    QTest::newRow("Japanese stays") << QStringLiteral("山田　花子_命式表.pdf")
                                    << QStringLiteral("山田　花子_命式表.pdf");
    QTest::newRow("refused characters") << QStringLiteral("a/b\\c:d*e?f\"g<h>i|j\tk")
                                        << QStringLiteral("a_b_c_d_e_f_g_h_i_j_k");
    QTest::newRow("blanks and dots at the ends") << QStringLiteral("　..名前. ") << QStringLiteral("名前");
    QTest::newRow("nothing left") << QStringLiteral(" .. ") << QStringLiteral("名称未設定");
  }
  void safeFileNames() {
    QFETCH(QString, name);
    QFETCH(QString, safe);
    QCOMPARE(SafeFileName(name), safe);
  }
};

class PdfToolsTest : public QObject {
  Q_OBJECT

 private slots:
  void readBackWithPoppler_data() {
    QTest::addColumn<int>("paper");
    QTest::addColumn<QString>("size");
    QTest::newRow("A4") << static_cast<int>(page::PaperSize::A4) << QStringLiteral("(A4)");
    QTest::newRow("Letter") << static_cast<int>(page::PaperSize::Letter) << QStringLiteral("612 x 792 pts (letter)");
  }
  void readBackWithPoppler() {
    QFETCH(int, paper);
    QFETCH(QString, size);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("sample.pdf"));
    QCOMPARE(WritePdfFile(path, Sample(static_cast<page::PaperSize>(paper))), QString());
    const auto report = test::ReadPdf(path);
    // Registered on Linux only, where scripts/install-deps installs the tools.
    if (!report) QFAIL("poppler-utils (pdftotext, pdfinfo, pdffonts, pdfimages) is missing: run scripts/install-deps");
    QCOMPARE(report->pages, 2);
    QVERIFY2(report->pageSize.endsWith(size), qPrintable(report->pageSize));
    for (const char* expected : {"四柱推命の見本 ABC 123", "時柱", "日柱", "甲子", "乙丑", "二ページ目"})
      QVERIFY2(report->text.contains(QString::fromUtf8(expected)), expected);
    QVERIFY2(report->allFontsEmbedded, qPrintable(report->fonts.join(QLatin1Char('\n'))));
    QCOMPARE(report->images, 0);
  }
};

MIRETO_QT_TEST_CLASS(PdfFile, PdfFileTest)
MIRETO_QT_TEST_CLASS(PdfTools, PdfToolsTest)

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  InstallFontSubstitutions();
  return mireto::test::RunQtTestClasses(argc, argv);
}

#include "print_test.moc"
