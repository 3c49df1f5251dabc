// Fuzzes the solar theory's certified fast path: the fast sine and cosine stay
// within their stated bound of long double for any double; and for any
// instant the certified longitude, when it answers, is the C library path's
// to the bit, and the distance bounds enclose the C library path's distance.
// Input: an 8-byte double for the trigonometry, then a year offset (2 bytes),
// a month (1 byte) and an 8-byte day with fraction, folded into 1800-2080,
// 1-12 and [-3, 40) (the offsets the chart passes).
#include <cmath>
#include <cstring>
#include <string>

#include "core/bounded.h"
#include "core/fast_trig.h"
#include "core/sun.h"
#include "fuzz_support.h"

namespace {

template <class T>
T Take(const std::uint8_t*& data, std::size_t& size) {
  T value{};
  const std::size_t n = std::min(size, sizeof value);
  std::memcpy(&value, data, n);
  data += n;
  size -= n;
  return value;
}

std::string Hex(double x) {
  char text[40];
  std::snprintf(text, sizeof text, "%a", x);
  return text;
}

void CheckTrig(double x) {
  if (!std::isfinite(x)) return;
  const long double sinRef = sinl(static_cast<long double>(x));
  const long double cosRef = cosl(static_cast<long double>(x));
  mireto::fuzz::Require(fabsl(mireto::FastSin(x) - sinRef) <= mireto::kFastTrigMaxError, "FastSin beyond its bound at",
                        Hex(x));
  mireto::fuzz::Require(fabsl(mireto::FastCos(x) - cosRef) <= mireto::kFastTrigMaxError, "FastCos beyond its bound at",
                        Hex(x));
}

void CheckInstant(int year, int month, double day) {
  const mireto::CalendarTables& tables = mireto::fuzz::RealTables();
  const mireto::SunPosition full = mireto::ComputeSunPosition(tables, year, month, day);
  const std::string where = std::to_string(year) + "-" + std::to_string(month) + " day " + Hex(day);
  if (const auto longitude = mireto::CertainSunLongitude(tables, year, month, day)) {
    mireto::fuzz::Require(std::memcmp(&*longitude, &full.longitude, sizeof full.longitude) == 0,
                          "certified longitude differs at", where);
  }
  if (const auto bounds = mireto::BoundSunDistance(tables, year, month, day)) {
    mireto::fuzz::Require(bounds->low <= full.distance && full.distance <= bounds->high,
                          "distance outside its bounds at", where);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  CheckTrig(Take<double>(data, size));
  const int year = 1800 + Take<std::uint16_t>(data, size) % 281;
  const int month = 1 + Take<std::uint8_t>(data, size) % 12;
  const double raw = Take<double>(data, size);
  if (!std::isfinite(raw)) return 0;
  const double day = -3 + std::fabs(std::fmod(raw, 43.0));
  CheckInstant(year, month, day);
  return 0;
}
