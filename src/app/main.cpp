// ミレト: the desktop program. Shows the splash, then the main window.
#include <QApplication>
#include <QEvent>
#include <QIcon>
#include <QMessageBox>
#include <QTranslator>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <optional>
#include <string>

#include "app/desktop_platform.h"
#include "app/display_check.h"
#include "app/startup.h"
#include "core/data_location.h"
#include "core/utf8_path.h"
#include "gui/message_box.h"
#include "gui/qt_japanese.h"
#include "gui/resources.h"
#include "roster/roster_location.h"
#include "ui/fonts.h"
#include "ui/main_window.h"

namespace {

// With MIRETO_TRACE_STARTUP set, prints one line per start-up milestone to
// stderr: "mireto-trace <milestone> <microseconds since the Unix epoch>", for
// tools/measure-gui. Milestones: the splash's first paint, the splash timer's
// tick (before its handler runs), the main window's first paint. Watches the
// whole application's events by object name until all have been seen.
class StartupTrace : public QObject {
 public:
  static void Print(const char* milestone) {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    std::fprintf(stderr, "mireto-trace %s %lld\n", milestone,
                 static_cast<long long>(std::chrono::duration_cast<std::chrono::microseconds>(now).count()));
    std::fflush(stderr);
  }

 protected:
  bool eventFilter(QObject* target, QEvent* event) override {
    for (Milestone& m : milestones_)
      if (!m.seen && event->type() == m.type && target->objectName() == QLatin1String(m.objectName)) {
        Print(m.name);
        m.seen = true;
        if (std::all_of(std::begin(milestones_), std::end(milestones_),
                        [](const Milestone& each) { return each.seen; }))
          QCoreApplication::instance()->removeEventFilter(this);
      }
    return false;
  }

 private:
  struct Milestone {
    const char* objectName;
    QEvent::Type type;
    const char* name;
    bool seen;
  };
  Milestone milestones_[3] = {
      {"startmireto", QEvent::Paint, "splash-painted", false},
      {"Timer1", QEvent::Timer, "splash-tick", false},
      {"mainform01", QEvent::Paint, "main-painted", false},
  };
};

}  // namespace

int main(int argc, char* argv[]) {
  // Taken before QApplication, which may rewrite argv.
  const std::string argv0 = argc > 0 ? argv[0] : "";
  const auto programDirectory = mireto::ProgramDirectory(argv0);
  const std::string programFolderText = programDirectory ? mireto::Utf8Text(*programDirectory) : std::string();
  if (!mireto::DesktopAvailable(argc, argv, programFolderText)) return 1;
  std::optional<mireto::ExitOnPlatformFailure> platformGuard(std::in_place, programFolderText);
  // Qt's dialogs give dates in the system locale's language: Japanese.
  mireto::ApplyEnvironment(mireto::JapaneseDatesEnvironment([](const char* name) { return std::getenv(name); }));
  QApplication app(argc, argv);
  platformGuard.reset();
  // The data folder (the roster) is named after the application, whatever
  // the executable is called; mireto-chart finds the same folder.
  QCoreApplication::setApplicationName(
      QString::fromUtf8(mireto::roster::kApplicationName.data(), mireto::roster::kApplicationName.size()));
  mireto::InitResources();
  mireto::InstallFontSubstitutions();
  QTranslator translator;
  mireto::InstallQtJapanese(app, translator);
  QApplication::setStyle(mireto::PlainButtonStyle());
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/icon.png")));
  QApplication::setFont(mireto::FontFor(mireto::FontRole::Default));
  // The splash closes before the main window exists; the program ends with
  // the main window, not with the splash.
  app.setQuitOnLastWindowClosed(false);

  mireto::PrepareJapaneseFonts(QCoreApplication::applicationDirPath());
  mireto::Startup startup([argv0] { return mireto::LoadProgramTables(argv0); },
                          [](const QString& message) {
                            QMessageBox::critical(nullptr, QStringLiteral("ミレト"), mireto::FinishedSentence(message));
                          });
  QObject::connect(&startup, &mireto::Startup::failed, &app, [] { QCoreApplication::exit(1); });
  QObject::connect(&startup, &mireto::Startup::finished, &app, [] { QCoreApplication::quit(); });
  // MIRETO_TRACE_STARTUP prints the start-up milestones to standard error for
  // tools/measure-gui; it changes nothing a user sees.
  StartupTrace trace;
  if (qEnvironmentVariableIsSet("MIRETO_TRACE_STARTUP")) app.installEventFilter(&trace);
  startup.start();
  return app.exec();
}
