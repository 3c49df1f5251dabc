// The chart as one block of plain text, for the preview window.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace mireto {

struct PillarTexts {
  std::string kan;    // stem
  std::string shi;    // branch
  std::string zokan;  // hidden stem
};

// The display texts of one chart as the main window shows them.
struct ChartTexts {
  std::string sex;              // "男" or "女"
  std::string birthday;         // txtBirthday
  std::string age;              // txtAge
  std::string luckChange;       // txtKoutai
  std::string changeYearMonth;  // txtKoutaiYM
  std::array<PillarTexts, 4> pillars;  // year, month, day, hour
  std::array<std::string, 11> dunKan;
  std::array<std::string, 11> dunShi;
  std::array<std::string, 10> sai1;
  // The roster entry the chart was opened from; empty for any other chart.
  std::string name;  // after "姓名／" (one line)
  std::string note;  // after "備考／"; its line breaks are written as CR LF
};

// The text with every line break (CR LF, CR or LF) written as CR LF.
std::string CrLfLineBreaks(std::string_view text);

// The 17-line chart text (more when the note has line breaks), lines separated by CR LF, no line end after the last.
// nowText is the present local date and time as the platform writes it.
std::string make_export_text(const ChartTexts& texts, std::string_view nowText);

}  // namespace mireto
