// Fuzzes LeadingNumber: it must never crash, never give NaN, and give exactly
// what the C library's strtod gives for the part of the text it reads (blanks,
// sign, digits with at most one decimal point, an optional exponent), infinities
// and the sign of zero included.
#include <cmath>
#include <cstdlib>
#include <string>

#include "core/numeric.h"
#include "fuzz_support.h"

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// The length of the leading decimal number of text, by the grammar above; 0
// when there is no digit.
std::size_t MatchedPrefixLength(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  std::size_t digits = 0;
  for (; i < text.size() && IsDigit(text[i]); ++i) ++digits;
  if (i < text.size() && text[i] == '.') {
    for (++i; i < text.size() && IsDigit(text[i]); ++i) ++digits;
  }
  if (digits == 0) return 0;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    std::size_t j = i + 1;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
    if (j < text.size() && IsDigit(text[j])) {
      while (j < text.size() && IsDigit(text[j])) ++j;
      i = j;
    }
  }
  return i;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text = mireto::fuzz::AsText(data, size);
  const double value = mireto::LeadingNumber(text);
  mireto::fuzz::Require(!std::isnan(value), "NaN from", text);

  // The program never calls setlocale, so strtod reads in the C locale.
  const std::string prefix(text.substr(0, MatchedPrefixLength(text)));
  const double expected = prefix.empty() ? 0.0 : std::strtod(prefix.c_str(), nullptr);
  const bool same = value == expected && std::signbit(value) == std::signbit(expected);
  if (!same) {
    std::fprintf(stderr, "LeadingNumber %.17g, strtod %.17g\n", value, expected);
    mireto::fuzz::Fail("LeadingNumber differs from strtod for", prefix);
  }
  return 0;
}
