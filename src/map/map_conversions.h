// Conversions of the birthplace map: a pixel of the 500 x 500 map picture to east
// longitude and north latitude, degrees to degree/minute/second texts, and the
// displayed longitude to the local-time correction against Japan Standard Time
// (the meridian of 135 degrees east).
//
// The picture is an equirectangular grid: equal degrees per pixel along both axes,
// pixel coordinates with the origin at the top left, x to the right, y downwards.
// The longitude is computed in double precision, the latitude in single precision,
// and the digits shown depend on that difference.
#pragma once

#include <string>
#include <string_view>

namespace mireto {

// East longitude of pixel column 0, in degrees.
inline constexpr double kMapLon0Deg = 121.39834;
// North latitude of pixel row 0, in degrees, kept in single precision (49.00194168...).
inline constexpr float kMapLat0Deg = 49.00194f;
// Degrees per pixel along both axes: double for the longitude, single for the latitude.
inline constexpr double kMapDegPerPx = 0.0514679;
inline constexpr float kMapDegPerPxSingle = 0.0514679f;
// Japan Standard Time is the mean solar time of this meridian (degrees east).
inline constexpr double kStandardMeridianDeg = 135.0;
// The Earth turns one degree in four minutes of time.
inline constexpr double kMinutesOfTimePerDeg = 4.0;

// Whole degrees, minutes and seconds as decimal texts, each truncated (floor).
struct DmsTexts {
  std::string degrees;
  std::string minutes;
  std::string seconds;
  bool operator==(const DmsTexts&) const = default;
};

// The local-time correction as the main window's two fields hold it: minutes
// (signed, "-0" for a correction west of 135 degrees of less than one minute) and
// seconds (never negative; the sign rides on the minutes text).
struct CorrectionTexts {
  std::string minutes;
  std::string seconds;
  bool operator==(const CorrectionTexts&) const = default;
};

// The picture's side in its own pixels.
inline constexpr int kMapPictureSidePx = 500;
// The picture is never shown smaller than this (in screen pixels).
inline constexpr int kMapSmallestSidePx = 200;

// The side the picture is shown at: its own 500 pixels when the room left
// for it (screen pixels) allows, else the room, down to kMapSmallestSidePx.
int FittedMapSide(int room);

// A coordinate on the picture shown at shownSide screen pixels, in the
// picture's own pixels: every conversion below works in those.
float ShownToPicturePixel(float shown, int shownSide);

// East longitude in degrees of pixel column X (pixel centre at an integer X).
double PixelToLongitude(float X);

// North latitude in degrees of pixel row Y, rounded once to single precision.
float PixelToLatitude(float Y);

// Splits a longitude in double arithmetic: floor of the degrees, of the minutes and
// of the seconds. Nothing is rounded to nearest.
DmsTexts SplitDms(double longitudeDeg);

// Splits a latitude the same way, rounding each intermediate (the minutes and the
// seconds before their floor) to single precision.
DmsTexts SplitDms(float latitudeDeg);

// Reads the leading number of each displayed longitude text (0 for an empty text),
// so the longitude used is the one shown, cut to whole seconds, and converts it to
// the correction in minutes and seconds of time, positive east of 135 degrees.
CorrectionTexts LongitudeToCorrection(std::string_view degreeText, std::string_view minuteText,
                                      std::string_view secondText);

}  // namespace mireto
