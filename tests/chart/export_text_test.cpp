// The chart text: exact characters, blanks and line ends.
#include "output/export_text.h"

#include <gtest/gtest.h>

namespace mireto {
namespace {

ChartSnapshot Sample() {
  ChartSnapshot t;
  t.sex = "男";
  t.birthday = "1984年2月10日12時0分";
  ChartDisplay& d = t.display;
  d.age = "42";
  d.luckStartAge = "約3歳4カ月12日";
  d.luckChange = "丙年寅月";
  d.stems = {{"甲", "丙", "戊", "戊"}};
  d.branches = {{"子", "寅", "午", "午"}};
  d.hiddenStems = {{"癸", "甲", "丁", "丁"}};
  const char* stems[] = {"丙", "丁", "戊", "己", "庚", "辛", "壬", "癸", "甲", "乙", "丙"};
  const char* branches[] = {"寅", "卯", "辰", "巳", "午", "未", "申", "酉", "戌", "亥", "子"};
  for (int i = 0; i < 11; ++i) {
    d.luckStems[i] = stems[i];
    d.luckBranches[i] = branches[i];
  }
  for (int i = 0; i < 10; ++i) d.luckFirstAges[i] = std::to_string(3 + 10 * i);
  return t;
}

TEST(ExportText, WholeTextByteForByte) {
  const std::string I = "\u3000";  // ideographic space
  const std::string expected =
      "2026/12/07 12:00:00解命\r\n"
      "姓名／\r\n"
      "生年月日／1984年2月10日12時0分" +
      I + I + "性別／男" + I + I + "年齢／42歳\r\n" + I + I + I + I + I + I + " " + I + "大運交替／約3歳4カ月12日" + I +
      I +
      "交替年月／丙年寅月\r\n"
      "\r\n"
      "  甲  子 （癸）      大運    丙寅\r\n"
      "  丙  寅 （甲）        3     丁卯\r\n"
      "  戊  午 （丁）  " +
      I + I + I +
      "13     戊辰\r\n"
      "  戊  午 （丁）  " +
      I + I + I +
      "23     己巳\r\n"
      "                          33     庚午\r\n"
      "                          43     辛未\r\n"
      "                          53     壬申\r\n"
      "                          63     癸酉\r\n"
      "                          73     甲戌\r\n"
      "                          83     乙亥\r\n"
      "                          93     丙子\r\n"
      "備考／";
  EXPECT_EQ(MakeExportText(Sample(), "2026/12/07 12:00:00"), expected);
}

TEST(ExportText, SeventeenLinesAndNoTrailingLineEnd) {
  const std::string text = MakeExportText(Sample(), "now");
  std::size_t lines = 1;
  for (std::size_t i = 0; i + 1 < text.size(); ++i) {
    if (text[i] == '\r') {
      ASSERT_EQ(text[i + 1], '\n');
      ++lines;
    }
    if (text[i] == '\n') {
      ASSERT_EQ(text[i - 1], '\r');  // never a lone LF
    }
  }
  EXPECT_EQ(lines, 17u);
  EXPECT_EQ(text.substr(text.size() - std::string("備考／").size()), "備考／");
}

// A roster entry's name and note: only lines 2 and 17 change, the note's line
// breaks of any kind become CR LF.
struct NamedCase {
  const char* label;
  std::string name, note;
  std::string line2, lastLines;
};

class ExportTextNamed : public ::testing::TestWithParam<NamedCase> {};

TEST_P(ExportTextNamed, NameOnLineTwoNoteFromLineSeventeen) {
  ChartSnapshot t = Sample();
  t.name = GetParam().name;
  t.note = GetParam().note;
  const std::string plain = MakeExportText(Sample(), "now");
  const std::string named = MakeExportText(t, "now");
  const std::size_t line2 = plain.find("\r\n") + 2;
  const std::string head = plain.substr(0, line2);
  ASSERT_EQ(named.substr(0, line2), head);
  ASSERT_EQ(named.substr(line2, GetParam().line2.size() + 2), GetParam().line2 + "\r\n");
  // Lines 3 to 16 as they were.
  const std::size_t plainLine3 = plain.find("\r\n", line2) + 2;
  const std::size_t plainLine17 = plain.rfind("\r\n") + 2;
  const std::size_t namedLine3 = named.find("\r\n", line2) + 2;
  EXPECT_EQ(named.substr(namedLine3, plainLine17 - plainLine3), plain.substr(plainLine3, plainLine17 - plainLine3));
  EXPECT_EQ(named.substr(namedLine3 + (plainLine17 - plainLine3)), GetParam().lastLines);
}

INSTANTIATE_TEST_SUITE_P(
    Entries, ExportTextNamed,
    ::testing::Values(
        NamedCase{"Empty", "", "", "姓名／", "備考／"},
        NamedCase{"NameOnly", "山田　太郎", "", "姓名／山田　太郎", "備考／"},
        NamedCase{"OneLineNote", "花子", "初回 \"相談\"", "姓名／花子", "備考／初回 \"相談\""},
        NamedCase{"LineBreaksOfEveryKind", "🐉", "一\n二\r\n三\r四\n", "姓名／🐉", "備考／一\r\n二\r\n三\r\n四\r\n"}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(CrLfLineBreaks, EveryKindBecomesOneCrLf) {
  EXPECT_EQ(CrLfLineBreaks("a\nb\r\nc\rd"), "a\r\nb\r\nc\r\nd");
  EXPECT_EQ(CrLfLineBreaks("\r\r\n\n\n\r"), "\r\n\r\n\r\n\r\n\r\n");
  EXPECT_EQ(CrLfLineBreaks("一行"), "一行");
}

}  // namespace
}  // namespace mireto
