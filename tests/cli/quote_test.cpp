// Quoting input in a message: at most 40 characters, never half a character.
#include <gtest/gtest.h>

#include "exchange/quote.h"

namespace mireto::exchange {
namespace {

std::string Repeat(const std::string& unit, std::size_t n) {
  std::string out;
  for (std::size_t i = 0; i < n; ++i) out += unit;
  return out;
}

struct QuoteCase {
  const char* name;
  std::string text;
  std::string expected;
};

class Quoting : public ::testing::TestWithParam<QuoteCase> {};

TEST_P(Quoting, KeepsAtMostFortyCharacters) { EXPECT_EQ(Quote(GetParam().text), GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(
    Texts, Quoting,
    ::testing::Values(
        QuoteCase{"Short", "abc", "abc"}, QuoteCase{"ExactlyForty", Repeat("a", 40), Repeat("a", 40)},
        QuoteCase{"FortyOne", Repeat("a", 41), Repeat("a", 40) + "…"},
        QuoteCase{"Japanese", Repeat("年", 50), Repeat("年", 40) + "…"},
        QuoteCase{"FourByteCharacters", Repeat("\xF0\x9F\x98\x80", 41), Repeat("\xF0\x9F\x98\x80", 40) + "…"},
        QuoteCase{"StrayContinuationBytes", Repeat("\xB0", 100), Repeat("\xB0", 40) + "…"},
        QuoteCase{"LeadWithTooManyContinuations", "\xC3" + Repeat("\xB0", 100), "\xC3" + Repeat("\xB0", 40) + "…"},
        QuoteCase{"Empty", "", ""}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace mireto::exchange
