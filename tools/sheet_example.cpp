// Writes the 命式表 of a made-up client as a PDF, for the picture in the
// README (tools/sheet-example renders its first page).
//   mireto-sheet-example OUT.pdf
#include <QApplication>
#include <QCoreApplication>
#include <cstdio>

#include "core/data_files.h"
#include "gui/fonts.h"
#include "gui/version.h"
#include "print/pdf_file.h"
#include "sheet/client_sheet.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: mireto-sheet-example OUT.pdf\n");
    return 2;
  }
  mireto::InstallFontSubstitutions();
  const auto loaded = mireto::LoadCalendarTables(QCoreApplication::applicationDirPath().toStdString());
  if (!loaded.tables) {
    std::fprintf(stderr, "%s\n", loaded.error.c_str());
    return 1;
  }
  const mireto::roster::BirthTexts birth{"1988-08-08", "8", "15", "F", "18", "46"};
  const mireto::SheetPerson person{"佐藤　美咲", "さとう　みさき", "東京都新宿区",
                                   "初回の相談（2026年12月）。転職の時期と、家族との関わりについて。\n"
                                   "次回は来年の春に、年運を見ながら。"};
  std::string error;
  const auto sheet = mireto::GatherSheet(*loaded.tables, birth, mireto::roster::ClockDecision::NotAsked, person,
                                         "東経139度41分30秒 北緯35度41分22秒", {2026, 12, 9, 10, 0},
                                         mireto::VersionText().toStdString(), error);
  if (!sheet) {
    std::fprintf(stderr, "%s\n", error.c_str());
    return 1;
  }
  const QString message = mireto::WritePdfFile(QString::fromLocal8Bit(argv[1]),
                                               mireto::SheetDocument({*sheet}, mireto::page::PaperSize::A4));
  if (!message.isEmpty()) {
    std::fprintf(stderr, "%s\n", message.toUtf8().constData());
    return 1;
  }
  return 0;
}
