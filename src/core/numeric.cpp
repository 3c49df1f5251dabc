#include "core/numeric.h"

#include <charconv>
#include <limits>

namespace mireto {

namespace {
bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
}  // namespace

double LeadingNumber(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  const std::size_t start = i;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  std::size_t digits = 0;
  while (i < text.size() && IsDigit(text[i])) { ++i; ++digits; }
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (i < text.size() && IsDigit(text[i])) { ++i; ++digits; }
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
    // Too large gives infinity; too small (underflow) gives 0.
    bool large = false;
    for (const char* c = b; c < e && *c != 'e' && *c != 'E'; ++c) {
      if (*c >= '1' && *c <= '9') { large = true; break; }
    }
    std::size_t epos = std::string_view(b, e - b).find_first_of("eE");
    if (epos != std::string_view::npos && b[epos + 1] == '-') large = false;
    value = large ? std::numeric_limits<double>::infinity() : 0.0;
  }
  (void)ptr;
  return negative ? -value : value;
}

}  // namespace mireto
