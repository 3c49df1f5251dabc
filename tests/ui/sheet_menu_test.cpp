// 命式表 from the main window and the roster window: the ファイル menu's items
// wait for a chart and have shortcuts of their own; PDFに保存… proposes the
// name or the birth date in the documents folder and writes the file, or
// reports why not; 印刷… gets the sheet for the printer's paper; the roster
// window's selection becomes one PDF, one sheet each.
#include <QAction>
#include <QFile>
#include <QPrinter>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTreeView>

#include "app/secondary_windows.h"
#include "app/sheet_controller.h"
#include "gui/qt_japanese.h"
#include "qt_test_classes.h"
#include "ui/roster_window.h"
#include "ui_fixture.h"

namespace mireto::test {

namespace {

// Scripted answers to the sheet's dialogs, and a record of what was asked.
struct SheetScript {
  QString path;  // the file the save dialog returns
  QStringList proposed;
  QStringList reports;
  std::vector<DocumentMaker> printed;

  SheetPrompts prompts() {
    SheetPrompts p;
    p.choosePdfPath = [this](QWidget*, const QString& proposedPath) {
      proposed << proposedPath;
      return path;
    };
    p.print = [this](QWidget*, const DocumentMaker& make) { printed.push_back(make); };
    p.preview = p.print;
    p.report = [this](QWidget*, const QString& message) { reports << message; };
    return p;
  }
};

QByteArray FileBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Pages of a PDF written by Qt: its page objects, not counting the page tree.
qsizetype PdfPages(const QByteArray& pdf) { return pdf.count("/Type /Page") - pdf.count("/Type /Pages"); }

roster::Entry Entry(std::int64_t id, const std::string& name, const roster::BirthTexts& birth) {
  roster::Entry e;
  e.id = id;
  e.name = name;
  e.note = "備考：" + name;
  e.birth = birth;
  return e;
}

}  // namespace

class SheetMenuTest : public QObject {
  Q_OBJECT

 private slots:
  void itemsWaitForAChartAndHaveFreeShortcuts() {
    auto window = NewMainWindow();
    MainWindow* w = window.get();
    const std::pair<const char*, const char*> items[] = {
        {"sheetPrint", "Ctrl+Shift+P"}, {"sheetPreview", ""}, {"sheetPdf", "Ctrl+Shift+S"}};
    for (const auto& [name, keys] : items) {
      QVERIFY(!Control<QAction>(w, name)->isEnabled());
      QCOMPARE(Control<QAction>(w, name)->shortcut(), QKeySequence(QString::fromUtf8(keys)));
    }
    QStringList shortcuts;
    for (const QAction* a : w->findChildren<QAction*>()) {
      if (a->shortcut().isEmpty()) continue;
      QVERIFY2(!shortcuts.contains(a->shortcut().toString()), qPrintable(a->shortcut().toString()));
      shortcuts << a->shortcut().toString();
    }
    QVERIFY(shortcuts.contains(QStringLiteral("Ctrl+P")));  // the pop-up's
    EnterChart(*w);
    for (const auto& [name, keys] : items) QVERIFY(Control<QAction>(w, name)->isEnabled());
  }

  void saveProposesTheBirthDateOrTheNameAndWrites() {
    auto window = NewMainWindow();
    MainWindow* w = window.get();
    SheetScript script;
    auto* windows = new SecondaryWindows(w, DialogPrompts(), script.prompts());
    QTemporaryDir dir;
    script.path = dir.filePath(QStringLiteral("命式表.pdf"));
    EnterChart(*w, {1984, 2, 10, 12, 0});
    Control<QAction>(w, "sheetPdf")->trigger();
    QCOMPARE(script.proposed, QStringList{QDir(DocumentsFolder()).filePath(QStringLiteral("命式表_1984-02-10.pdf"))});
    QCOMPARE(script.reports, QStringList());
    const QByteArray pdf = FileBytes(script.path);
    QVERIFY(pdf.startsWith("%PDF-"));
    QCOMPARE(PdfPages(pdf), 1);

    // The chart of a roster entry carries its name; the map's point is named
    // while the time difference is the map's.
    w->setChartEntry(Entry(7, "山田　花子", *w->displayedBirth()));
    windows->sheet().rememberMapPlace(QStringLiteral("東経135度0分0秒 北緯35度0分0秒"), QStringLiteral("0"),
                                      QStringLiteral("0"));
    Control<QAction>(w, "sheetPdf")->trigger();
    QCOMPARE(script.proposed.last(), QDir(DocumentsFolder()).filePath(QStringLiteral("山田　花子_命式表.pdf")));
    const auto sheet = windows->sheet().chartSheet();
    QVERIFY(sheet.has_value());
    QCOMPARE(sheet->person.name, std::string("山田　花子"));
    QCOMPARE(sheet->mapPlace, std::string("東経135度0分0秒 北緯35度0分0秒"));
    windows->sheet().rememberMapPlace(QStringLiteral("東経134度0分0秒 北緯35度0分0秒"), QStringLiteral("-4"),
                                      QStringLiteral("0"));
    QCOMPARE(windows->sheet().chartSheet()->mapPlace, std::string());
  }

  void aFileThatCannotBeWrittenIsReported() {
    auto window = NewMainWindow();
    SheetScript script;
    new SecondaryWindows(window.get(), DialogPrompts(), script.prompts());
    QTemporaryDir dir;
    script.path = dir.filePath(QStringLiteral("ないフォルダー/命式表.pdf"));
    EnterChart(*window);
    Control<QAction>(window.get(), "sheetPdf")->trigger();
    QCOMPARE(script.reports.size(), 1);
    QVERIFY(script.reports[0].contains(QStringLiteral("保存できませんでした")));
    QVERIFY(!QFile::exists(script.path));
    // Cancelled: nothing written, nothing said.
    script.path.clear();
    Control<QAction>(window.get(), "sheetPdf")->trigger();
    QCOMPARE(script.reports.size(), 1);
  }

  void printMakesTheSheetForThePrintersPaper() {
    auto window = NewMainWindow();
    SheetScript script;
    new SecondaryWindows(window.get(), DialogPrompts(), script.prompts());
    EnterChart(*window);
    Control<QAction>(window.get(), "sheetPrint")->trigger();
    Control<QAction>(window.get(), "sheetPreview")->trigger();
    QCOMPARE(script.printed.size(), std::size_t{2});
    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(QStringLiteral("letter.pdf")));
    printer.setPageSize(QPageSize(QPageSize::Letter));
    QVERIFY(PrintDocumentOn(printer, script.printed[0]));
    QCOMPARE(script.printed[0](PaperOf(printer.pageLayout())).paper, page::PaperSize::Letter);
    const QByteArray pdf = FileBytes(printer.outputFileName());
    QCOMPARE(PdfPages(pdf), 1);
    QVERIFY(pdf.contains("/MediaBox [0 0 612.0"));  // Letter: 612 x 792 points
  }

  void rosterSelectionBecomesOnePdf() {
    auto window = NewMainWindow();
    SheetScript script;
    auto* windows = new SecondaryWindows(window.get(), DialogPrompts(), script.prompts());
    RosterWindow roster;
    const std::vector<roster::Entry> entries = {Entry(1, "佐藤", {"1990-05-03", "14", "27", "F", "0", "0"}),
                                                Entry(2, "鈴木", {"1975-04-08", "?", "?", "M", "-5", "30"})};
    roster.setEntries(entries);
    auto* pdfButton = roster.findChild<QPushButton*>(QStringLiteral("rosterPdfButton"));
    auto* printButton = roster.findChild<QPushButton*>(QStringLiteral("rosterPrintButton"));
    QVERIFY(!pdfButton->isEnabled() && !printButton->isEnabled());
    roster.select(1);
    roster.selectAlso(2);
    QVERIFY(pdfButton->isEnabled() && printButton->isEnabled());
    QSignalSpy pdfRequests(&roster, &RosterWindow::pdfRequested);
    pdfButton->click();
    QCOMPARE(pdfRequests.count(), 1);
    const auto chosen = pdfRequests.first().first().value<std::vector<roster::Entry>>();
    QCOMPARE(chosen.size(), std::size_t{2});

    QTemporaryDir dir;
    script.path = dir.filePath(QStringLiteral("名簿.pdf"));
    windows->sheet().saveEntriesPdf(&roster, chosen);
    QCOMPARE(script.proposed, QStringList{QDir(DocumentsFolder()).filePath(QStringLiteral("命式表_2名.pdf"))});
    const QByteArray pdf = FileBytes(script.path);
    QCOMPARE(PdfPages(pdf), 2);
    windows->sheet().printEntries(&roster, {entries[0]});
    QCOMPARE(script.printed.size(), std::size_t{1});
    QCOMPARE(script.printed[0](page::PaperSize::A4).pages.size(), std::size_t{1});
  }
};

MIRETO_QT_TEST_CLASS(SheetMenu, SheetMenuTest)

}  // namespace mireto::test

#include "sheet_menu_test.moc"
