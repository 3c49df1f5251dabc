// The birth of a roster entry in words, as the save dialog, the roster list
// and the delete prompt show it, so that the user sees which birth is filed
// and can tell two people of the same name apart.
#pragma once

#include <string>

#include "roster/roster_entry.h"

namespace mireto::roster {

// "1988年8月8日" (the date alone; the entry's texts as stored).
std::string BirthDateText(const BirthTexts& birth);

// "1988年8月8日 8時8分 女 時差 -5分30秒", with "時刻不明" for an unknown
// hour and "8時（分不明）" for an unknown minute.
std::string BirthSummaryText(const BirthTexts& birth);

// The summer-time decision in words: "夏時刻として計算（1時間早める）",
// "日本標準時として計算", or "" when none was taken.
std::string DecisionText(ClockDecision decision);

}  // namespace mireto::roster
