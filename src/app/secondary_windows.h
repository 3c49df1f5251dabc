// The windows the main window opens: the pop-up chart, the text preview, the
// birthplace map, the chart details, the perpetual calendar, the About box and the roster. Connects the main window's requests to
// them and unloads all of them when the main window closes, so that no hidden
// window keeps the program running.
#pragma once

#include <QObject>
#include <memory>

#include "app/roster_controller.h"

namespace mireto {

class MainWindow;
class PopupController;
class ExportController;
class MapController;
class DetailsController;
class CalendarController;

class SecondaryWindows : public QObject {
  Q_OBJECT

 public:
  // prompts: the roster's dialogs (the program's own unless replaced).
  explicit SecondaryWindows(MainWindow* mainWindow, RosterPrompts prompts = DialogPrompts());
  ~SecondaryWindows() override;

  PopupController& popup() { return *popup_; }
  ExportController& exporter() { return *export_; }
  MapController& map() { return *map_; }
  DetailsController& details() { return *details_; }
  CalendarController& calendar() { return *calendar_; }
  RosterController& roster() { return *roster_; }

  // Unloads every secondary window that is loaded.
  void unloadAll();

 private:
  MainWindow* mainWindow_;
  std::unique_ptr<PopupController> popup_;
  std::unique_ptr<ExportController> export_;
  std::unique_ptr<MapController> map_;
  std::unique_ptr<DetailsController> details_;
  std::unique_ptr<CalendarController> calendar_;
  RosterController* roster_;
};

}  // namespace mireto
