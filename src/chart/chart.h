// One chart: birth input -> chart record -> the texts the main window shows.
//
// ComputeChart runs the whole computation as plain functions: the Julian day,
// age, weekday and equation of time of the entered date; the correction to
// true solar time; the Sun's apparent longitude at the corrected moment (twice,
// the second time earlier by the light time); the four pillars; the luck
// pillars with their starting age; the season element and hidden stems; and
// the column of the current luck pillar. The present moment is passed in,
// never read inside.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "chart/pillar.h"
#include "core/cycles.h"
#include "core/data_files.h"

namespace mireto {

enum class Sex { Female, Male };

// A local civil date and time (Japan Standard Time), to the minute.
struct LocalDateTime {
  int year = 2000;
  int month = 1;
  int day = 1;
  int hour = 0;
  int minute = 0;
};

// What the user entered.
struct BirthInput {
  int year = 2000;
  int month = 1;
  int day = 1;
  std::optional<int> hour;    // 0..23; nullopt: the hour list shows "?"
  std::optional<int> minute;  // 0..59; nullopt: "?" or nothing chosen (counts as 0)
  Sex sex = Sex::Female;
  std::string jisaMinutesText = "0";  // the time difference's minutes as shown, e.g. "-5" or "-0"
  std::string jisaSecondsText = "0";  // its seconds as shown
};

// The true solar date and time of the birth.
struct TrueSolarTime {
  int year = 0;
  int month = 0;
  int day = 0;
  int hour = 0;
  double minute = 0;  // [0, 60)
};

// The numbers of one computation.
struct ChartRecord {
  double birthJulianDay = 0;         // Julian day of 0h of the entered date
  double clockTimeDays = 0;          // time of day of the entered time, days
  double timeDifferenceDays = 0;     // local time difference, days
  double birthMomentJulianDay = 0;   // birthJulianDay + clockTimeDays + timeDifferenceDays
  double nowJulianDay = 0;           // Julian day of the present local moment
  double anniversaryJulianDay = 0;   // this year's birthday at the birth time
  double equationOfTimeMinutes = 0;  // equation of time, minutes of time (signed)
  double sunLongitude = 0;           // the Sun's apparent longitude, degrees in [0, 360)
  TrueSolarTime trueSolarTime;
  int solarMonth = 0;  // 1 = 丑 .. 12 = 子
  int pillarYear = 0;  // the year whose 立春 opens the solar year of the birth
  int yearParity = 0;  // pillarYear Mod 2
  PerPillar<Stem> stems{};
  PerPillar<Branch> branches{};
  PerPillar<Stem> hiddenStems{};
  bool forward = false;                  // luck pillars advance through the cycle
  double luckStartYears = 0;             // age at the first luck pillar, years
  std::optional<int> currentLuckColumn;  // 0..10, the luck pillar of the present day
};

// The number of luck-pillar columns and of first-age labels.
inline constexpr std::size_t kLuckColumnCount = 11;
inline constexpr std::size_t kLuckFirstAgeCount = kLuckColumnCount - 1;

// Every text of the main window's result fields, named as the keys of the
// chart tool's JSON.
struct ChartDisplay {
  std::string age;             // whole years, or "-" for a birth in the future
  std::string weekday;         // e.g. 土曜日
  std::string equationOfTime;  // e.g. +3分25.4秒
  std::string trueSolarTime;   // e.g. 1990年5月3日14時27.3分
  std::string sunLongitude;    // up to 15 significant digits
  std::string luckStartAge;    // e.g. 約3歳4カ月12日
  std::string luckChange;      // change year and month, e.g. 丙年寅月
  PerPillar<std::string> stems;
  PerPillar<std::string> branches;
  PerPillar<std::string> hiddenStems;
  std::string seasonElement;
  std::array<std::string, kLuckColumnCount> luckStems;
  std::array<std::string, kLuckColumnCount> luckBranches;
  std::array<std::string, kLuckFirstAgeCount> luckFirstAges;  // first age of luck pillar i + 1
  std::array<std::string, kLuckColumnCount> luckLastAges;     // last age of the period of column i
  std::optional<int> boldLuckColumn;                          // luck column shown bold, 0..10

  bool operator==(const ChartDisplay&) const = default;
};

struct Chart {
  ChartRecord record;
  ChartDisplay display;
};

// Either a chart or a Japanese message saying why the input was refused.
struct ChartOrError {
  std::optional<Chart> chart;
  std::string error;
};

// Computes the chart. Refuses (with a message, no chart) a date that does not
// exist, a year outside 1800..2080, an hour or minute out of range, and a total
// time difference beyond +/-24 hours.
ChartOrError ComputeChart(const BirthInput& input, const CalendarTables& tables, const LocalDateTime& now);

// The time difference of an input in days, from its two field texts as the
// chart reads them. The seconds take the sign of the minutes; a minutes text
// "-0" makes them count westwards too.
double TimeDifferenceDays(const BirthInput& input);

// The same from the two texts, nullopt beyond the ±24 hours ComputeChart takes.
std::optional<double> CheckedTimeDifferenceDays(const std::string& minutesText, const std::string& secondsText);

// The entered birth data as the input controls hold it: each member empty
// until chosen. An hour or minute of "?" is stored as 0.
struct BirthRecord {
  std::optional<int> inYear, inMonth, inDay, inHour, inMinute;
};

// The birth summary the main window shows, e.g. 1975年4月8日13時5分,
// 1975年4月8日13時頃 (minute "?" or none), 1975年4月8日出生時間不明 (hour "?").
// hourText and minuteText are what the hour and minute lists show ("" if none).
std::string BirthdayData(const BirthRecord& record, std::string_view hourText, std::string_view minuteText);

}  // namespace mireto
