// The windows the main window opens: the pop-up chart, the text preview, the
// birthplace map, the chart details, the perpetual calendar, the About box,
// the roster, the printed 命式表 and 相性. Connects the main window's requests to
// them and unloads all of them when the main window closes, so that no hidden
// window keeps the program running.
#pragma once

#include <QObject>
#include <memory>

#include "app/compat_controller.h"
#include "app/roster_controller.h"
#include "app/sheet_controller.h"

namespace mireto {

class MainWindow;
class PopupController;
class ExportController;
class MapController;
class DetailsController;
class SheetController;
class CompatController;
class CalendarController;

class SecondaryWindows : public QObject {
  Q_OBJECT

 public:
  // prompts: the dialogs of the roster, of 命式表 and of 相性 (the program's
  // own unless replaced, as tests do).
  explicit SecondaryWindows(MainWindow* mainWindow, RosterPrompts prompts = DialogPrompts(),
                            CompatPrompts compatPrompts = CompatDialogPrompts());
  SecondaryWindows(MainWindow* mainWindow, RosterPrompts prompts, SheetPrompts sheetPrompts,
                   CompatPrompts compatPrompts = CompatDialogPrompts());
  ~SecondaryWindows() override;

  PopupController& popup() { return *popup_; }
  ExportController& exporter() { return *export_; }
  MapController& map() { return *map_; }
  DetailsController& details() { return *details_; }
  CalendarController& calendar() { return *calendar_; }
  RosterController& roster() { return *roster_; }
  SheetController& sheet() { return *sheet_; }
  CompatController& compat() { return *compat_; }

  // Unloads every secondary window that is loaded.
  void unloadAll();

 private:
  // The 命式詳細 heading of the chart on display: its entry's name, its birth.
  void followHeading();

  MainWindow* mainWindow_;
  std::unique_ptr<PopupController> popup_;
  std::unique_ptr<ExportController> export_;
  std::unique_ptr<MapController> map_;
  std::unique_ptr<DetailsController> details_;
  std::unique_ptr<CalendarController> calendar_;
  RosterController* roster_;
  SheetController* sheet_;
  CompatController* compat_;
};

}  // namespace mireto
