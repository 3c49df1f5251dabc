// The window 万年暦: one month of the perpetual calendar. A year (1800-2080)
// and a month with 前月／翌月 buttons (PageUp / PageDown, and Ctrl with them
// for a year), the days under 日 月 火 水 木 金 土 with their pillars and today
// marked, the month's solar terms with the almanac instant (JST) and the
// chart's switch at the main window's time difference, a short explanation of
// the two, the year pillar and each solar month's pillar with its first day;
// コピー, 印刷… and 閉じる.
//
// The window shows the CalendarMonthView it is given; a change of year or
// month is asked for with monthRequested, and whoever owns the window answers
// with showMonth. It is modeless; Esc and 閉じる hide it.
#pragma once

#include <QDialog>
#include <optional>
#include <vector>

#include "output/calendar_text.h"

class QComboBox;
class QLabel;
class QPrinter;
class QPushButton;
class QSpinBox;
class QTableWidget;

namespace mireto {

class CalendarWindow : public QDialog {
  Q_OBJECT

 public:
  explicit CalendarWindow(QWidget* owner);

  // Shows month (1..12) of a year given as its twelve months; today is
  // marked when it lies in it.
  void showMonth(const std::vector<CalendarMonthView>& year, int month, const std::optional<CalendarDay>& today);
  const CalendarMonthView& month() const { return view_; }

  // The month as コピー puts it on the clipboard (CR LF line ends).
  QString monthText() const;
  void copyToClipboard() const;

  // 印刷…: the system print dialog, then the print-out (a PDF file is one of
  // the dialog's choices): the year of the month shown, one page a month.
  void print();
  void printTo(QPrinter& printer) const;

 signals:
  void monthRequested(int year, int month);

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void step(int months);
  void requestChosen();
  void fillGrid();
  void fillTerms();

  CalendarMonthView view_;
  std::vector<CalendarMonthView> months_;  // the twelve months of the year shown
  std::optional<CalendarDay> today_;
  QSpinBox* year_ = nullptr;
  QComboBox* month_ = nullptr;
  QPushButton* previous_ = nullptr;
  QPushButton* next_ = nullptr;
  QLabel* title_ = nullptr;
  QTableWidget* grid_ = nullptr;
  QTableWidget* terms_ = nullptr;
  QLabel* pillars_ = nullptr;
};

}  // namespace mireto
