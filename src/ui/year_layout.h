// The year dialog's layout, twips, one row per control.
#pragma once

#include "core/constants.h"
#include "gui/twips.h"
#include "ui/fonts.h"

namespace mireto::year_layout {

inline constexpr int kClientWidth = 2100;
inline constexpr int kClientHeight = 6195;
inline constexpr const char* kWindowName = "yInput";
inline constexpr const char* kCaption = "年入力";

// Century buttons: each fills the list with the years first..last.
struct CenturyRow {
  const char* name;
  const char* caption;
  TwipsRect rect;
  int first;
  int last;
};

inline constexpr CenturyRow kCenturies[] = {
    {"y1800", "1800年代", {165, 150, 885, 255}, kFirstSupportedYear, 1899},
    {"y1900", "1900年代", {1050, 150, 885, 255}, 1900, 1999},
    {"y2000", "2000年代", {165, 405, 885, 255}, 2000, kLastSupportedYear},
};

// The century shown when the dialog is first loaded (index into kCenturies).
inline constexpr int kInitialCentury = 1;

inline constexpr const char* kDecideName = "btnSlok";
inline constexpr const char* kDecideCaption = "決定";
inline constexpr TwipsRect kDecideRect = {1050, 405, 885, 390};

inline constexpr const char* kYearLabelName = "lblSelect_y";
inline constexpr TwipsRect kYearLabelRect = {135, 780, 705, 270};

inline constexpr const char* kYearSuffixName = "lstSelyear";
inline constexpr const char* kYearSuffixCaption = "年";
inline constexpr TwipsRect kYearSuffixRect = {885, 795, 225, 210};

inline constexpr const char* kListName = "List1";
inline constexpr TwipsRect kListRect = {120, 1140, 1815, 4920};
inline constexpr int kListColumns = 3;

inline constexpr FontRole kLabelFont = FontRole::PGothic11;

// Tab order: the century buttons by their index in kCenturies, the list and
// the decide button.
enum class TabStop { Century1800, Century1900, Century2000, List, Decide };
inline constexpr TabStop kTabOrder[] = {TabStop::Century1900, TabStop::Century2000, TabStop::List, TabStop::Decide,
                                        TabStop::Century1800};

}  // namespace mireto::year_layout
