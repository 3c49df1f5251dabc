// Helpers shared by the window tests: the tables beside the test program, and
// a user's choices made through the main window's controls.
#pragma once

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStringList>
#include <QTest>
#include <memory>

#include "app/table_location.h"
#include "ui/main_window.h"
#include "ui/widget_lookup.h"

namespace mireto::test {

// The calendar tables read once from the data files beside the test program.
inline const CalendarTables& Tables() {
  static const CalendarTables tables = [] {
    TablesOrError loaded = LoadTablesNearProgram(QCoreApplication::applicationDirPath());
    if (!loaded.tables) qFatal("data files not loadable: %s", loaded.error.c_str());
    return *loaded.tables;
  }();
  return tables;
}

inline std::unique_ptr<MainWindow> NewMainWindow() {
  auto window = std::make_unique<MainWindow>(Tables());
  window->show();
  return window;
}

template <typename T>
T* Control(const QObject* root, const char* name) {
  T* control = FindControl<T>(root, name);
  if (control == nullptr) qFatal("no control named %s", name);
  return control;
}

inline QComboBox* List(const QObject* root, const char* name) { return Control<QComboBox>(root, name); }
inline QString Text(const QObject* root, const char* name) { return Control<QLineEdit>(root, name)->text(); }
inline QString Caption(const QObject* root, const QString& name) {
  return FindControl<QLabel>(root, name)->text();
}
inline bool Enabled(const QObject* root, const char* name) {
  return Control<QWidget>(root, name)->isEnabled();
}

// Picks the item showing `text`, as a click on it does.
inline void Choose(const QObject* root, const char* listName, const QString& text) {
  QComboBox* list = List(root, listName);
  const int index = list->findText(text);
  QVERIFY2(index >= 0, qPrintable(QStringLiteral("%1 has no item %2").arg(listName, text)));
  QVERIFY2(list->isEnabled(), listName);
  list->setCurrentIndex(index);
  emit list->activated(index);
}

inline void Choose(const QObject* root, const char* listName, int value) {
  Choose(root, listName, QString::number(value));
}

inline void Click(const QObject* root, const char* name) {
  QTest::mouseClick(Control<QPushButton>(root, name), Qt::LeftButton);
}

// Clicks a year in the open year dialog's list (the century must be shown).
inline void ClickYear(QWidget* dialog, int year) {
  auto* list = Control<QListWidget>(dialog, "List1");
  const auto items = list->findItems(QString::number(year), Qt::MatchExactly);
  QVERIFY2(!items.isEmpty(), "year not in the list");
  list->setCurrentItem(items.front());
  emit list->itemClicked(items.front());
}

// "年入力", the century, the year, "決定".
inline void DecideYear(MainWindow& window, int year) {
  Click(&window, "yearInput");
  QWidget* dialog = window.yearDialog();
  QVERIFY(dialog != nullptr);
  Click(dialog, year < 1900 ? "y1800" : year < 2000 ? "y1900" : "y2000");
  ClickYear(dialog, year);
  Click(dialog, "btnSlok");
}

// Enters a birth through the controls as a user does ("年入力", the century,
// the year, "決定", then month, day, hour and minute picked from their lists)
// and presses "八字表示".
inline void EnterChart(MainWindow& window, const LocalDateTime& date = LocalDateTime{2000, 1, 1, 12, 0}) {
  DecideYear(window, date.year);
  Choose(&window, "mSelect", date.month);
  Choose(&window, "dSelect", date.day);
  Choose(&window, "hSelect", date.hour);
  Choose(&window, "mtSelect", date.minute);
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
