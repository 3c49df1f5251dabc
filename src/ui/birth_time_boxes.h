// The boxes of 八字表示 about the birth time: the summer-time questions before
// the chart and the sectional-term information after it. What to ask and
// every text come from the chart layer; these functions only show them.
#pragma once

#include <optional>

#include "chart/birth_notices.h"

class QWidget;

namespace mireto {

// Object names of the boxes.
inline constexpr const char* kSummerTimeQuestionName = "summerTimeQuestion";
inline constexpr const char* kRepeatedTimeQuestionName = "repeatedTimeQuestion";
inline constexpr const char* kNeverExistedTimeName = "neverExistedTime";
inline constexpr const char* kTermBoundaryInformationName = "termBoundaryInformation";

// Asks what the clock time of a birth needs and returns the rule to compute it
// by; nullopt for no chart: a time that never existed, not to be computed as
// entered. Every text ends as a sentence and breaks at readable places.
std::optional<SummerTimeRule> AskSummerTimeRule(QWidget* parent, const BirthInput& entered);

// One information box for each thing to know after the chart is shown: a
// never-existing time computed as entered, a boundary near the birth.
void ShowBoundaryInformation(QWidget* parent, const BirthChart& birth);

}  // namespace mireto
