// A user's input into the main window, made by the window tests through its
// controls: lists picked, buttons clicked, a year decided in the year dialog
// and a whole birth entered.
//
// A helper that cannot do its part records a test failure saying what was
// missing and returns false; the test goes on unless the caller stops it.
#pragma once

#include <QObject>
#include <QString>
#include <QWidget>

#include "find_control.h"
#include "roster/roster_entry.h"
#include "ui/main_window.h"

namespace mireto::test {

// The control of that name under root; the test program stops when there is
// none (a renamed control breaks every test that drives it).
template <typename T>
T* Control(const QObject* root, const char* name) {
  T* control = FindControl<T>(root, name);
  if (control == nullptr) qFatal("no control named %s", name);
  return control;
}

// Picks the item showing `text` in an enabled list, as a click on it does.
bool Choose(const QObject* root, const char* listName, const QString& text);
bool Choose(const QObject* root, const char* listName, int value);

// A mouse click on the button of that name.
void Click(const QObject* root, const char* name);

// Clicks a year in the open year dialog's list (its century must be shown).
bool ClickYear(QWidget* dialog, int year);

// "年入力", the century, the year, "決定".
bool DecideYear(MainWindow& window, int year);

// The year through the year dialog, then the month, day, hour and minute
// picked from their lists. With the hour "?" the minute list is closed and
// the minute is left alone. Does not press "八字表示".
bool EnterDateAndTime(MainWindow& window, int year, int month, int day, const QString& hour, const QString& minute);

// The six columns of a birth as a roster entry keeps them: the date, hour
// and minute as EnterDateAndTime enters them, then the sex option clicked
// and the two time-difference fields filled in. Does not press "八字表示".
bool EnterBirth(MainWindow& window, const roster::BirthTexts& birth);

// Data-driven tests of births: the six columns of a data table (date, hour,
// minute, sex, jisaMinutes, jisaSeconds; rows added with QTest::newRow), and
// the current row's birth read back inside the test function.
void AddBirthColumns();
roster::BirthTexts FetchBirth();

}  // namespace mireto::test
