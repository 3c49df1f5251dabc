#include "chart/text_format.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

namespace mireto {

std::string FormatInteger(long long value) { return std::to_string(value); }

std::string FormatOneDecimal(double value) {
  // The exact decimal expansion of the double: a double of binary exponent e
  // has at most 53 - e binary, hence decimal, digits after the point.
  int exponent = 0;
  std::frexp(value, &exponent);
  const int fractionDigits = std::clamp(53 - exponent, 2, 1100);
  const double magnitude = std::fabs(value);
  // to_chars writes '.' whatever the C locale says (the desktop program runs
  // under the user's locale, which may use a decimal comma).
  std::string digits(static_cast<std::size_t>(fractionDigits) + 320, '\0');  // 309 integer digits at most
  const auto written =
      std::to_chars(digits.data(), digits.data() + digits.size(), magnitude, std::chars_format::fixed, fractionDigits);
  digits.resize(static_cast<std::size_t>(written.ptr - digits.data()));
  const std::size_t point = digits.find('.');
  std::string whole = digits.substr(0, point);
  int tenths = digits[point + 1] - '0';
  const bool roundUp = digits[point + 2] >= '5';  // half away from zero
  if (roundUp && ++tenths == 10) {
    tenths = 0;
    int i = static_cast<int>(whole.size()) - 1;
    while (i >= 0 && whole[i] == '9') whole[i--] = '0';
    if (i < 0) whole.insert(whole.begin(), '1');
    else ++whole[i];
  }
  const std::string sign = std::signbit(value) && !std::isnan(value) ? "-" : "";
  return sign + whole + "." + static_cast<char>('0' + tenths);
}

std::string FormatGeneral(double value) {
  if (value == 0) return "0";
  char buffer[64];
  // d.dddddddddddddde+xx, with '.' in every locale.
  const auto written = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14);
  const std::string text(buffer, written.ptr);
  const std::size_t e = text.find('e');
  std::string mantissa = text.substr(0, e);
  const int exponent = std::stoi(text.substr(e + 1));
  const bool negative = mantissa[0] == '-';
  if (negative) mantissa.erase(0, 1);
  std::string digits = mantissa.substr(0, 1) + mantissa.substr(2);  // 15 digits
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

  std::string out;
  if (exponent < -4 || exponent >= 15) {
    out = digits.substr(0, 1);
    if (digits.size() > 1) out += "." + digits.substr(1);
    const std::string power = std::to_string(std::abs(exponent));  // at least two digits
    out += std::string("E") + (exponent < 0 ? "-" : "+") + (power.size() < 2 ? "0" : "") + power;
  } else if (exponent < 0) {
    out = "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
  } else {
    const std::size_t intDigits = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() <= intDigits) {
      out = digits + std::string(intDigits - digits.size(), '0');
    } else {
      out = digits.substr(0, intDigits) + "." + digits.substr(intDigits);
    }
  }
  return negative ? "-" + out : out;
}

}  // namespace mireto
