#include "map/map_conversions.h"

#include <charconv>
#include <cmath>

#include "core/numeric.h"

namespace mireto {
namespace {

constexpr double kMinutesPerDeg = 60.0;
constexpr double kSecondsPerMinute = 60.0;
constexpr double kSecondsPerDeg = 3600.0;

// Decimal text of a whole-valued real, without sign for zero ("0", "-54", "147").
std::string WholeNumberText(double whole) {
  if (whole == 0.0) return "0";  // also turns -0.0 into "0"
  char buffer[400];              // a double has at most 309 integer digits
  const auto written = std::to_chars(buffer, buffer + sizeof buffer, whole, std::chars_format::fixed, 0);
  return std::string(buffer, written.ptr);
}

}  // namespace

int FittedMapSide(int room) {
  if (room >= kMapPictureSidePx) return kMapPictureSidePx;
  return room < kMapSmallestSidePx ? kMapSmallestSidePx : room;
}

float ShownToPicturePixel(float shown, int shownSide) {
  if (shownSide == kMapPictureSidePx || shownSide <= 0) return shown;
  return static_cast<float>(static_cast<double>(shown) * kMapPictureSidePx / shownSide);
}

double PixelToLongitude(float X) { return static_cast<double>(X) * kMapDegPerPx + kMapLon0Deg; }

float PixelToLatitude(float Y) {
  // The product of two singles is exact in double, and for every pixel row the
  // difference is too, so the only rounding is the final one to single.
  const double product = static_cast<double>(kMapDegPerPxSingle) * static_cast<double>(Y);
  return ToSingle(static_cast<double>(kMapLat0Deg) - product);
}

DmsTexts SplitDms(double longitudeDeg) {
  const double degrees = Int(longitudeDeg);
  const double minutes = (longitudeDeg - degrees) * kMinutesPerDeg;
  const double seconds = (minutes - Int(minutes)) * kSecondsPerMinute;
  return {WholeNumberText(degrees), WholeNumberText(Int(minutes)), WholeNumberText(Int(seconds))};
}

DmsTexts SplitDms(float latitudeDeg) {
  const double lat = latitudeDeg;
  const double degrees = Int(lat);
  const float minutes = ToSingle((lat - degrees) * kMinutesPerDeg);
  const float seconds = ToSingle((static_cast<double>(minutes) - Int(minutes)) * kSecondsPerMinute);
  return {WholeNumberText(degrees), WholeNumberText(Int(minutes)), WholeNumberText(Int(seconds))};
}

CorrectionTexts LongitudeToCorrection(std::string_view degreeText, std::string_view minuteText,
                                      std::string_view secondText) {
  const double longitudeDeg = LeadingNumber(degreeText) + LeadingNumber(minuteText) / kMinutesPerDeg +
                              LeadingNumber(secondText) / kSecondsPerDeg;
  const double correctionMin = (longitudeDeg - kStandardMeridianDeg) * kMinutesOfTimePerDeg;
  const double wholeMin = Fix(correctionMin);
  const double magnitudeMin = std::fabs(correctionMin);
  const double seconds = Fix((magnitudeMin - Fix(magnitudeMin)) * kSecondsPerMinute);
  // West of 135 degrees by less than a minute of time the whole minutes are 0, and
  // only a written "-" tells the reader of the two fields that the seconds count
  // westwards.
  const bool westWithinFirstMinute = correctionMin < 0.0 && wholeMin == 0.0;
  return {westWithinFirstMinute ? "-0" : WholeNumberText(wholeMin), WholeNumberText(seconds)};
}

}  // namespace mireto
