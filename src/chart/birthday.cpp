// The birth summary shown in txtBirthday.
#include "chart/chart.h"
#include "chart/text_format.h"

namespace mireto {

namespace {
std::string NumberOrNothing(const std::optional<int>& value) { return value ? FormatInteger(*value) : std::string(); }
}  // namespace

std::string BirthdayData(const BirthRecord& record, std::string_view hourText, std::string_view minuteText) {
  const std::string date = NumberOrNothing(record.inYear) + "年" + NumberOrNothing(record.inMonth) + "月" +
                           NumberOrNothing(record.inDay) + "日";
  if (hourText == "?") return date + "出生時間不明";
  const std::string hour = NumberOrNothing(record.inHour) + "時";
  if (minuteText.empty() || minuteText == "?") return date + hour + "頃";
  return date + hour + NumberOrNothing(record.inMinute) + "分";
}

}  // namespace mireto
