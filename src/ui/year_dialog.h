// The year dialog yInput: three century buttons, a list of the years of the
// chosen century in three columns, the chosen year and "決定".
//
// The dialog is owned by the main window and window-modal: it stays above its
// owner and has no minimize button, so the disabled main window can never be
// left without it on screen.
//
// The dialog only reports: confirmPressed() on every press of "決定" (the main
// window re-enables itself), then yearDecided(year) and hides itself when a
// year is shown. It has no close button; a request to close it from outside
// (e.g. the window manager) is refused so that the main window, disabled while
// the dialog is open, cannot be left disabled.
#pragma once

#include <array>

#include <QWidget>
#include <optional>

#include "ui/year_layout.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace mireto {

class YearDialog : public QWidget {
  Q_OBJECT

 public:
  // year: the year already decided, shown in the label (none on a first run).
  // owner: the main window.
  explicit YearDialog(std::optional<int> year, QWidget* owner = nullptr);

  // Fills the list with the years of one century row (see year_layout.h).
  void showCentury(int centuryIndex);

  // What a user does to pick a year: the button of its century, then the
  // year in the list. False when no century holds the year.
  bool chooseYear(int year);

  // The "決定" click.
  void decide();

  // Gives the focus to the first tab stop (1900年代), as each opening does.
  void focusFirstStop();

  // Lets the next close request through (used when the program exits).
  void allowClose() { closeAllowed_ = true; }

 signals:
  void confirmPressed();
  void yearDecided(int year);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildControls();
  void layOutColumns();
  QWidget* tabStop(year_layout::TabStop stop) const;

  QLabel* yearLabel_ = nullptr;
  QListWidget* list_ = nullptr;
  std::array<QPushButton*, std::size(year_layout::kCenturies)> centuryButtons_{};
  QPushButton* decideButton_ = nullptr;
  QWidget* firstStop_ = nullptr;  // the first of the tab order
  bool closeAllowed_ = false;
};

}  // namespace mireto
