// The program's start: the splash for 3000 ms (tests give a shorter time),
// then the data files, then the main window with its secondary windows.
//
// On the splash's tick the splash is closed first, then the tables are loaded
// once; a failure is reported (a Japanese message naming the file and the
// problem) and failed() is emitted; otherwise the main window is created,
// centred and shown, and ready() is emitted; closing it emits finished(). The tables are held here, filled
// once and only read afterwards.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

#include "core/data_files.h"
#include "ui/splash_window.h"

namespace mireto {

class MainWindow;
class SecondaryWindows;

class Startup : public QObject {
  Q_OBJECT

 public:
  using TableLoader = std::function<TablesOrError()>;
  using ErrorReporter = std::function<void(const QString& message)>;

  Startup(TableLoader loader, ErrorReporter reporter, int splashIntervalMs = SplashWindow::kIntervalMs);
  ~Startup() override;

  // Shows the splash; the rest follows on its tick.
  void start();

  SplashWindow* splash() const;
  MainWindow* mainWindow() const { return mainWindow_.get(); }

 signals:
  void ready();
  void failed();
  // The main window has closed: the program ends (even when secondary windows
  // were only hidden).
  void finished();

 private:
  void onSplashTimeUp();

  TableLoader loader_;
  ErrorReporter reporter_;
  int splashIntervalMs_;
  QPointer<SplashWindow> splash_;
  std::optional<const CalendarTables> tables_;
  std::unique_ptr<MainWindow> mainWindow_;
  SecondaryWindows* secondary_ = nullptr;
};

// The message shown when the data files cannot be read.
QString TablesErrorMessage(const std::string& error);

}  // namespace mireto
