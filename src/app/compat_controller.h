// The window 相性 in the desktop program: opened from the roster window with
// two entries selected, or from the main window's ツール menu with the chart
// on display beside an entry chosen from the roster. Computes both charts
// (an entry's with its stored summer-time decision, never asking) and hands
// the window the sheet.
//
// The chooser and the messages go through CompatPrompts so that the window
// tests can answer them.
#pragma once

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <functional>
#include <optional>

#include "output_windows/compat_window.h"
#include "roster/roster_entry.h"

namespace mireto {

class MainWindow;
class RosterController;

struct CompatPrompts {
  // The entry to set beside the chart on display, by its row in lines;
  // nullopt when cancelled.
  std::function<std::optional<std::size_t>(QWidget* parent, const QStringList& lines)> chooseEntry;
  std::function<void(QWidget* parent, const QString& message)> report;
};

// A list to choose from, with a search box (FoldForSearch), and a warning box.
CompatPrompts CompatDialogPrompts();

// One line of the chooser: "山田花子　1990年5月3日 14時27分 女 時差 0分0秒".
QString ChooserLine(const roster::Entry& entry);

class CompatController : public QObject {
  Q_OBJECT

 public:
  CompatController(MainWindow* mainWindow, RosterController& roster, CompatPrompts prompts = CompatDialogPrompts());
  ~CompatController() override;

  // The roster window's 相性…: a beside b.
  void openEntries(const roster::Entry& a, const roster::Entry& b);
  // ツール → 相性…: the chart on display (A) beside an entry chosen from the roster (B).
  void openWithDisplayed();

  // The window, nullptr until first opened.
  CompatWindow* window() const { return window_.data(); }
  void unload();

 private:
  void show(const CompatSheet& sheet);

  MainWindow* mainWindow_;
  RosterController& roster_;
  CompatPrompts prompts_;
  QPointer<CompatWindow> window_;
};

}  // namespace mireto
