#include "roster/birth_summary.h"

namespace mireto::roster {

std::string BirthDateText(const BirthTexts& birth) {
  const auto parts = DateParts(birth.date);
  if (!parts) return birth.date;
  const auto [year, month, day] = *parts;
  return std::to_string(year) + "年" + std::to_string(month) + "月" + std::to_string(day) + "日";
}

std::string BirthSummaryText(const BirthTexts& birth) {
  std::string time;
  if (birth.hour == "?") {
    time = "時刻不明";
  } else if (birth.minute == "?") {
    time = birth.hour + "時（分不明）";
  } else {
    time = birth.hour + "時" + birth.minute + "分";
  }
  const char* sex = birth.sex == "M" ? "男" : "女";
  return BirthDateText(birth) + " " + time + " " + sex + " 時差 " + birth.jisaMinutes + "分" + birth.jisaSeconds + "秒";
}

std::string DecisionText(ClockDecision decision) {
  switch (decision) {
    case ClockDecision::NotAsked: return "";
    case ClockDecision::SummerTime: return "夏時刻として計算（1時間早める）";
    case ClockDecision::AsEntered: return "日本標準時として計算";
  }
  return "";
}

}  // namespace mireto::roster
