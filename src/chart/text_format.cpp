#include "chart/text_format.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <string>
#include <string_view>

namespace mireto {

std::string FormatInteger(long long value) { return std::to_string(value); }

std::string FormatOneDecimal(double value) {
  // The exact decimal expansion of the double: a double of binary exponent e
  // has at most 53 - e binary, hence decimal, digits after the point.
  int exponent = 0;
  std::frexp(value, &exponent);
  constexpr int kMaxFractionDigits = 1100;
  const int fractionDigits = std::clamp(53 - exponent, 2, kMaxFractionDigits);
  const double magnitude = std::fabs(value);
  // to_chars writes '.' whatever the C locale says (the desktop program runs
  // under the user's locale, which may use a decimal comma).
  std::array<char, kMaxFractionDigits + 320> buffer;  // 309 integer digits at most
  const auto written =
      std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude, std::chars_format::fixed, fractionDigits);
  const std::string_view digits(buffer.data(), static_cast<std::size_t>(written.ptr - buffer.data()));
  const std::size_t point = digits.find('.');
  std::string whole(digits.substr(0, point));
  int tenths = digits[point + 1] - '0';
  const bool roundUp = digits[point + 2] >= '5';  // half away from zero
  if (roundUp && ++tenths == 10) {
    tenths = 0;
    int i = static_cast<int>(whole.size()) - 1;
    while (i >= 0 && whole[i] == '9') whole[i--] = '0';
    if (i < 0) whole.insert(whole.begin(), '1');
    else ++whole[i];
  }
  std::string out;
  out.reserve(whole.size() + 3);
  if (std::signbit(value) && !std::isnan(value)) out += '-';
  out += whole;
  out += '.';
  out += static_cast<char>('0' + tenths);
  return out;
}

std::string FormatGeneral(double value) {
  if (value == 0) return "0";
  char buffer[64];
  // d.dddddddddddddde+xx, with '.' in every locale.
  const auto written = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14);
  const std::string_view text(buffer, static_cast<std::size_t>(written.ptr - buffer));
  const std::size_t e = text.find('e');
  std::string_view mantissa = text.substr(0, e);
  int exponent = 0;
  const std::string_view power = text.substr(e + 1);
  std::from_chars(power.data() + (power.front() == '+' ? 1 : 0), power.data() + power.size(), exponent);
  const bool negative = mantissa[0] == '-';
  if (negative) mantissa.remove_prefix(1);
  // The 15 significant digits without the point, trailing zeros dropped.
  char digitBuffer[16];
  std::size_t count = 0;
  for (const char c : mantissa) {
    if (c != '.') digitBuffer[count++] = c;
  }
  while (count > 1 && digitBuffer[count - 1] == '0') --count;
  const std::string_view digits(digitBuffer, count);

  std::string out;
  out.reserve(24);
  if (negative) out += '-';
  if (exponent < -4 || exponent >= 15) {
    out += digits.substr(0, 1);
    if (digits.size() > 1) {
      out += '.';
      out += digits.substr(1);
    }
    const int magnitude = std::abs(exponent);
    out += 'E';
    out += exponent < 0 ? '-' : '+';
    if (magnitude < 10) out += '0';  // at least two digits
    out += std::to_string(magnitude);
  } else if (exponent < 0) {
    out += "0.";
    out.append(static_cast<std::size_t>(-exponent - 1), '0');
    out += digits;
  } else {
    const std::size_t intDigits = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() <= intDigits) {
      out += digits;
      out.append(intDigits - digits.size(), '0');
    } else {
      out += digits.substr(0, intDigits);
      out += '.';
      out += digits.substr(intDigits);
    }
  }
  return out;
}

}  // namespace mireto
