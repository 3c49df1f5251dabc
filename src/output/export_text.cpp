#include "output/export_text.h"

namespace mireto {

namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kIdeographicSpace = "\u3000";

std::string Spaces(std::size_t n) { return std::string(n, ' '); }

std::string IdeographicSpaces(std::size_t n) {
  std::string s;
  for (std::size_t i = 0; i < n; ++i) s += kIdeographicSpace;
  return s;
}

// "  甲  子 （癸）  " : stem, branch and hidden stem of one natal pillar.
std::string PillarColumn(const ChartDisplay& d, Pillar p) {
  return Spaces(2) + d.stems[p] + Spaces(2) + d.branches[p] + " （" + d.hiddenStems[p] + "）  ";
}

std::string Luck(const ChartDisplay& d, std::size_t i) { return d.luckStems[i] + d.luckBranches[i]; }

}  // namespace

std::string CrLfLineBreaks(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' || text[i] == '\n') {
      out += kLineEnd;
      if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      out += text[i];
    }
  }
  return out;
}

std::string MakeExportText(const ChartSnapshot& chart, std::string_view nowText) {
  const ChartDisplay& d = chart.display;
  std::string lines[17];
  lines[0] = std::string(nowText) + "解命";
  lines[1] = "姓名／" + chart.name;
  lines[2] = "生年月日／" + chart.birthday + IdeographicSpaces(2) + "性別／" + chart.sex + IdeographicSpaces(2) +
             "年齢／" + d.age + "歳";
  lines[3] = IdeographicSpaces(6) + " " + IdeographicSpaces(1) + "大運交替／" + d.luckStartAge + IdeographicSpaces(2) +
             "交替年月／" + d.luckChange;
  lines[4] = "";
  // The natal pillars one per line, the luck pillars in a column to their right.
  lines[5] = PillarColumn(d, Pillar::Year) + Spaces(4) + "大運" + Spaces(4) + Luck(d, 0);
  lines[6] = PillarColumn(d, Pillar::Month) + Spaces(6) + d.luckFirstAges[0] + Spaces(5) + Luck(d, 1);
  lines[7] = PillarColumn(d, Pillar::Day) + IdeographicSpaces(3) + d.luckFirstAges[1] + Spaces(5) + Luck(d, 2);
  lines[8] = PillarColumn(d, Pillar::Hour) + IdeographicSpaces(3) + d.luckFirstAges[2] + Spaces(5) + Luck(d, 3);
  for (std::size_t i = 4; i <= 10; ++i) {
    lines[i + 5] = Spaces(26) + d.luckFirstAges[i - 1] + Spaces(5) + Luck(d, i);
  }
  lines[16] = "備考／" + CrLfLineBreaks(chart.note);

  std::string text;
  for (std::size_t i = 0; i < 17; ++i) {
    if (i > 0) text += kLineEnd;
    text += lines[i];
  }
  return text;
}

}  // namespace mireto
