// The birth-data inputs of the main window and their enabling chain.
//
// Year (from the year dialog) -> month -> day -> hour -> minute: each choice
// writes the BirthRecord, rewrites the birth summary and enables
// the next list; the minute, or an hour of "?", enables the display button.
// Nothing in the chain disables a control again except the hour "?", which
// disables the minute list. Later choices are never cleared by earlier ones.
#pragma once

#include <QObject>
#include <optional>

#include "chart/chart.h"
#include "roster/roster_entry.h"
#include "ui/chart_controls.h"

class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace mireto {

class InputChain : public QObject {
  Q_OBJECT

 public:
  // controls: the main window's controls the chain reads and writes; parent
  // owns the chain.
  InputChain(const MainControls& controls, QObject* parent);

  const BirthRecord& record() const { return record_; }

  // A year decided in the year dialog. The month list is enabled; when a month
  // is chosen the day list is rebuilt for that month of the new year, keeping
  // the chosen day or moving it to the month's last day.
  void decideYear(int year);

  // The list handlers, run when the user picks an item (even the same one).
  void chooseMonth();
  void chooseDay();
  void chooseHour();
  void chooseMinute();

  // "時差ゼロ": both time-difference fields read "0".
  void zeroTimeDifference();

  // Writes both time-difference fields, as the map's "決定" does.
  void setTimeDifference(const QString& minutes, const QString& seconds);

  // The two time-difference fields as the chart reads them, in days (east
  // positive); nullopt beyond the ±24 hours a chart takes.
  std::optional<double> timeDifferenceDays() const;

  // The entered data as the chart computation takes it; nullopt until year,
  // month and day have all been chosen.
  std::optional<BirthInput> gatherInput() const;

  // The inputs as texts, as a roster entry keeps them; nullopt until a chart
  // could be displayed (year, month, day and hour chosen). A minute list with
  // nothing chosen reads "?".
  std::optional<roster::BirthTexts> enteredTexts() const;

  // Chooses month, day, hour and minute as a user picks them from the lists
  // (the year must have been decided), then sets the sex and the two
  // time-difference fields. A minute under the hour "?" is chosen before the
  // hour, as the list chain allows. False when an item is not in its list.
  bool enter(int month, int day, const QString& hour, const QString& minute, bool male, const QString& jisaMinutes,
             const QString& jisaSeconds);

 signals:
  // Either time-difference field changed (typed, by the map or 時差ゼロ).
  void timeDifferenceEdited();

 private:
  void rebuildDayList();
  // Selects the item showing `text` in an enabled list, as a click on it does.
  static bool pick(QComboBox* list, const QString& text);
  void rewriteSummary();

  BirthRecord record_;
  QComboBox* month_;
  QComboBox* day_;
  QComboBox* hour_;
  QComboBox* minute_;
  QPushButton* display_;
  QLineEdit* summary_;
  QLineEdit* jisaMinutes_;
  QLineEdit* jisaSeconds_;
  QRadioButton* male_;
  QRadioButton* female_;
};

}  // namespace mireto
