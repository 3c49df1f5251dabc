// The now text of the chart text's first line: yyyy/MM/dd H:mm:ss.
#include "chart/general_date.h"

#include <gtest/gtest.h>

#include <clocale>

namespace mireto {
namespace {

struct GeneralDateCase {
  LocalDateTime moment;
  int second;
  const char* text;
};

class GeneralDate : public ::testing::TestWithParam<GeneralDateCase> {};

TEST_P(GeneralDate, JapaneseShortDateAndLongTime) {
  const GeneralDateCase& c = GetParam();
  EXPECT_EQ(GeneralDateText(c.moment, c.second), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Moments, GeneralDate,
    ::testing::Values(GeneralDateCase{{2026, 12, 7, 23, 46}, 0, "2026/12/07 23:46:00"},  // mireto-chart's own
                      GeneralDateCase{{2024, 3, 5, 7, 8}, 9, "2024/03/05 7:08:09"},      // no leading zero on the hour
                      GeneralDateCase{{2000, 1, 1, 0, 0}, 0, "2000/01/01 0:00:00"},
                      GeneralDateCase{{1999, 12, 31, 23, 59}, 59, "1999/12/31 23:59:59"},
                      GeneralDateCase{{812, 2, 29, 10, 5}, 30, "0812/02/29 10:05:30"}));  // four-digit year

// The C library's locale does not enter the text.
TEST(GeneralDate, IndependentOfTheCLocale) {
  const std::string before = GeneralDateText({2024, 3, 5, 7, 8}, 9);
  const char* previous = std::setlocale(LC_ALL, nullptr);
  const std::string saved = previous != nullptr ? previous : "C";
  for (const char* name : {"C.UTF-8", "ja_JP.UTF-8", "de_DE.UTF-8"}) {
    if (std::setlocale(LC_ALL, name) == nullptr) continue;
    EXPECT_EQ(GeneralDateText({2024, 3, 5, 7, 8}, 9), before) << name;
  }
  std::setlocale(LC_ALL, saved.c_str());
}

}  // namespace
}  // namespace mireto
