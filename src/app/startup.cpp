#include "app/startup.h"

#include "app/secondary_windows.h"
#include "ui/main_window.h"
#include "ui/splash_window.h"

namespace mireto {

QString TablesErrorMessage(const std::string& error) {
  return QStringLiteral("データファイルを読み込めないため、ミレトを起動できません。\n%1")
      .arg(QString::fromStdString(error));
}

Startup::Startup(TableLoader loader, ErrorReporter reporter, int splashIntervalMs)
    : loader_(std::move(loader)), reporter_(std::move(reporter)), splashIntervalMs_(splashIntervalMs) {}

Startup::~Startup() {
  // Windows go before the tables they read.
  mainWindow_.reset();
  delete splash_.data();
}

SplashWindow* Startup::splash() const { return splash_.data(); }

void Startup::start() {
  splash_ = new SplashWindow(splashIntervalMs_);
  // Closing the splash before the main window appears must not end the program.
  splash_->setAttribute(Qt::WA_QuitOnClose, false);
  connect(splash_, &SplashWindow::timeUp, this, &Startup::onSplashTimeUp);
  splash_->centreOnScreen();
  splash_->show();
}

void Startup::onSplashTimeUp() {
  if (mainWindow_) return;
  if (splash_) {
    splash_->close();
    splash_->deleteLater();
  }
  TablesOrError loaded = loader_();
  if (!loaded.tables) {
    reporter_(TablesErrorMessage(loaded.error));
    emit failed();
    return;
  }
  tables_.emplace(*loaded.tables);
  mainWindow_ = std::make_unique<MainWindow>(*tables_);
  secondary_ = new SecondaryWindows(mainWindow_.get());
  // Queued: the main window finishes closing before the program ends.
  connect(mainWindow_.get(), &MainWindow::unloading, this, &Startup::finished, Qt::QueuedConnection);
  mainWindow_->centreOnScreen();
  mainWindow_->show();
  emit ready();
}

}  // namespace mireto
