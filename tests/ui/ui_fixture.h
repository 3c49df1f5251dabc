// Helpers shared by the main window's tests: a window on the real tables
// (test_support.h) shown, its controls read, and a chart entered and
// displayed (the input itself is made by qt_input.h).
#pragma once

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QStringList>
#include <QTest>
#include <memory>

#include "qt_input.h"
#include "test_support.h"
#include "ui/main_window.h"

namespace mireto::test {

inline std::unique_ptr<MainWindow> NewMainWindow() {
  auto window = std::make_unique<MainWindow>(Tables());
  window->show();
  return window;
}

inline QComboBox* List(const QObject* root, const char* name) { return Control<QComboBox>(root, name); }
inline QString Text(const QObject* root, const char* name) { return Control<QLineEdit>(root, name)->text(); }
inline QString Caption(const QObject* root, const QString& name) { return FindControl<QLabel>(root, name)->text(); }
inline bool Enabled(const QObject* root, const char* name) { return Control<QWidget>(root, name)->isEnabled(); }

// Enters a birth through the controls as a user does ("年入力", the century,
// the year, "決定", then month, day, hour and minute picked from their lists)
// and presses "八字表示".
inline void EnterChart(MainWindow& window, const LocalDateTime& date = LocalDateTime{2000, 1, 1, 12, 0}) {
  if (EnterDateAndTime(window, date.year, date.month, date.day, QString::number(date.hour),
                       QString::number(date.minute)))
    Click(&window, "fInput");
}

inline QStringList Items(const QComboBox* list) {
  QStringList items;
  for (int i = 0; i < list->count(); ++i) items << list->itemText(i);
  return items;
}

inline QStringList Numbers(int first, int last) {
  QStringList numbers;
  for (int n = first; n <= last; ++n) numbers << QString::number(n);
  return numbers;
}

}  // namespace mireto::test
