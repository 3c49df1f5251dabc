#include "core/numeric.h"

#include <algorithm>
#include <charconv>
#include <limits>

namespace mireto {

namespace {
bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// For an unsigned decimal number whose double is out of range (it rounds to 0
// or to infinity): true when it is huge rather than tiny. Decided by the power
// of ten of its first significant digit (its position plus the exponent), which
// is below -300 for every underflow and above 300 for every overflow.
bool OverflowsDouble(std::string_view number) {
  constexpr long long kCap = 1'000'000'000;  // far beyond any double's exponent
  std::size_t i = 0;
  long long integerDigits = 0;  // significant digits before the decimal point
  long long leadingFractionZeros = 0;
  bool significant = false;
  for (; i < number.size() && IsDigit(number[i]); ++i) {
    if (number[i] != '0') significant = true;
    if (significant && integerDigits < kCap) ++integerDigits;
  }
  if (i < number.size() && number[i] == '.') {
    for (++i; i < number.size() && IsDigit(number[i]); ++i) {
      if (!significant && number[i] == '0' && leadingFractionZeros < kCap) ++leadingFractionZeros;
      if (number[i] != '0') significant = true;
    }
  }
  if (!significant) return false;
  // First significant digit d: the number is d.ddd x 10^power.
  long long power = integerDigits > 0 ? integerDigits - 1 : -(leadingFractionZeros + 1);
  if (i < number.size() && (number[i] == 'e' || number[i] == 'E')) {
    ++i;
    const bool negative = i < number.size() && number[i] == '-';
    if (i < number.size() && (number[i] == '+' || number[i] == '-')) ++i;
    long long exponent = 0;
    for (; i < number.size() && IsDigit(number[i]); ++i) {
      exponent = std::min(kCap, exponent * 10 + (number[i] - '0'));
    }
    power += negative ? -exponent : exponent;
  }
  return power > 0;
}
}  // namespace

double LeadingNumber(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  const std::size_t start = i;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  std::size_t digits = 0;
  while (i < text.size() && IsDigit(text[i])) {
    ++i;
    ++digits;
  }
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (i < text.size() && IsDigit(text[i])) {
      ++i;
      ++digits;
    }
  }
  if (digits == 0) return 0.0;
  std::size_t end = i;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    std::size_t j = i + 1;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
    if (j < text.size() && IsDigit(text[j])) {
      while (j < text.size() && IsDigit(text[j])) ++j;
      end = j;
    }
  }
  // from_chars reads independently of the C locale but takes no plus sign.
  std::size_t first = start;
  bool negative = false;
  if (text[first] == '+' || text[first] == '-') {
    negative = text[first] == '-';
    ++first;
  }
  double value = 0.0;
  const char* b = text.data() + first;
  const char* e = text.data() + end;
  const auto [ptr, ec] = std::from_chars(b, e, value);
  if (ec == std::errc::result_out_of_range) {
    value = OverflowsDouble(std::string_view(b, e - b)) ? std::numeric_limits<double>::infinity() : 0.0;
  }
  (void)ptr;
  return negative ? -value : value;
}

}  // namespace mireto
