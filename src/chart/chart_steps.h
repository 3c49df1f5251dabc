// The steps of one chart computation, in the order ComputeChart runs them.
// Each step reads what earlier steps wrote into the record.
#pragma once

#include <utility>

#include "chart/chart.h"
#include "core/cycles.h"

namespace mireto::steps {

// Equation of time at the entered date and time, minutes of time.
double EquationOfTimeMinutes(double year, double month, double dayWithFraction);

// The equation of time as shown: sign, whole minutes, seconds to one decimal, e.g. +3分25.4秒.
std::string EquationOfTimeText(double equationOfTimeMinutes);

// Moves the true solar date and time by du minutes, carrying fully through
// minute, hour, day, month and year.
void ApplyCorrection(TrueSolarTime& t, double du);

// The true solar time as shown, e.g. 1990年5月3日14時27.3分, or ...日確定不能 when the hour is unknown.
std::string TrueSolarTimeText(const TrueSolarTime& t, bool hourUnknown);

// From the entered clock time in r (trueSolarTime still holding the entered
// date and time, clockTimeDays and timeDifferenceDays set): the equation of
// time, the true solar date and time, the light time and the Sun's longitude
// at the true solar moment. The month pillar and every boundary
// search follow this one path, so a clock time gives the same month wherever
// it is computed.
void SunAtTrueSolarMoment(ChartRecord& r, const CalendarTables& tables);

// Solar month (1 = 丑 .. 12 = 子) and pillar year from sunLongitude and the
// true solar date.
void SolarMonthAndPillarYear(ChartRecord& r);

// SolarMonthAndPillarYear, then the four pillars.
void FourPillars(ChartRecord& r);

// Direction, starting age, the eleven luck columns, change year/month and ages.
void LuckPillars(ChartRecord& r, Sex sex, ChartDisplay& d);

// Stem and branch of luck column 0..10: column 0 is the month pillar, each
// further column one step along the cycle in the direction of r.forward.
std::pair<Stem, Branch> LuckColumn(const ChartRecord& r, int column);

// First and last age (whole years) of each luck column as the main window
// labels them; column 0 starts at 0.
struct LuckColumnAges {
  int first = 0;
  int last = 0;
};
std::array<LuckColumnAges, kLuckColumnCount> LuckAges(const ChartRecord& r);

// Season element and the hidden stems of the four branches.
void HiddenStems(ChartRecord& r, ChartDisplay& d);

// The luck column in which the present day falls, if any.
std::optional<int> CurrentLuckColumn(const ChartRecord& r);

}  // namespace mireto::steps
