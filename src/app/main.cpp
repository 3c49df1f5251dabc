// ミレト: the desktop program. Shows the splash, then the main window.
#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QTranslator>

#include "app/demo_input.h"
#include "app/startup.h"
#include "app/table_location.h"
#include "ui/fonts.h"
#include "ui/main_window.h"
#include "ui/resources.h"

namespace {

// Qt's own Japanese texts, so that standard buttons read as they should.
void InstallQtTranslation(QApplication& app, QTranslator& translator) {
  if (translator.load(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    app.installTranslator(&translator);
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  mireto::InitResources();
  mireto::InstallFontSubstitutions();
  QTranslator translator;
  InstallQtTranslation(app, translator);
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/icon.png")));
  QApplication::setFont(mireto::FontFor(mireto::FontRole::Default));
  // The splash closes before the main window exists; the program ends with
  // the main window, not with the splash.
  app.setQuitOnLastWindowClosed(false);

  const QString programDirectory = QCoreApplication::applicationDirPath();
  mireto::Startup startup([programDirectory] { return mireto::LoadTablesNearProgram(programDirectory); },
                          [](const QString& message) {
                            QMessageBox::critical(nullptr, QStringLiteral("ミレト"), message);
                          });
  QObject::connect(&startup, &mireto::Startup::failed, &app, [] { QCoreApplication::exit(1); });
  QObject::connect(&startup, &mireto::Startup::finished, &app, [] { QCoreApplication::quit(); });
  QObject::connect(&startup, &mireto::Startup::ready, &app, [&startup] {
    // Hook for tools/screenshot only: enter a fixed chart through the controls.
    if (qEnvironmentVariableIsSet("MIRETO_SCREENSHOT_DEMO")) mireto::EnterDemoChart(*startup.mainWindow());
  });
  startup.start();
  return app.exec();
}
