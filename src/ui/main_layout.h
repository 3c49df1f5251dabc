// The main window's layout: every control with its name, caption, position
// and size in twips, tool tip and font, one row per control.
#pragma once

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <array>

#include "gui/twips.h"
#include "ui/chart_controls.h"
#include "ui/fonts.h"
#include "ui/spinner.h"

namespace mireto::main_layout {

// Client area, twips.
inline constexpr int kClientWidth = 5055;
inline constexpr int kClientHeight = 5070;

inline constexpr const char* kWindowName = "mainform01";
inline constexpr const char* kCaption = "ミレト";

struct ButtonRow {
  const char* name;
  const char* caption;
  TwipsRect rect;
  const char* toolTip;
  FontRole font;
  QPushButton* MainControls::*control;  // where the window keeps it
};

// clang-format off
inline constexpr ButtonRow kButtons[] = {
    {"yearInput", "年入力", {120, 75, 750, 315}, "生年を入力", FontRole::Gothic9, &MainControls::yearButton},
    {"btnmap", "地図", {2745, 855, 645, 375}, "時差を地図で決定", FontRole::Default, &MainControls::mapButton},
    {"fInput", "八字表示", {3375, 855, 930, 375}, "ミレト", FontRole::Gothic9, &MainControls::displayButton},
    {"endbtn", "終了", {4305, 855, 645, 375}, "おしまい", FontRole::Gothic9, &MainControls::exitButton},
    {"btnpop", "POP", {3975, 1485, 480, 375}, "現表示データをPOPUP", FontRole::Default, &MainControls::popupButton},
    {"btnexport", "EXP", {4470, 1485, 480, 375}, "表示データをエクスポート", FontRole::Default, &MainControls::exportButton},
};
// clang-format on

// Pick-only lists. Items: "?" first when withUnknown, then first..last as
// decimal texts; an empty range (first > last) leaves the list empty.
struct ListRow {
  const char* name;
  TwipsRect rect;
  const char* toolTip;
  FontRole font;
  bool withUnknown;
  int first;
  int last;
  QComboBox* MainControls::*control;  // where the window keeps it
};

inline constexpr ListRow kLists[] = {
    {"mSelect", {990, 75, 615, 315}, "生月を入力", FontRole::Default, false, 1, 12, &MainControls::month},
    {"dSelect", {1980, 75, 615, 300}, "生日を入力", FontRole::Gothic9, false, 1, 0, &MainControls::day},
    {"hSelect", {2970, 75, 615, 300}, "生時を入力", FontRole::Gothic9, true, 0, 23, &MainControls::hour},
    {"mtSelect", {3975, 75, 615, 300}, "分数を入力", FontRole::Gothic9, true, 0, 59, &MainControls::minute},
};

struct OptionRow {
  const char* name;
  const char* caption;
  TwipsRect rect;
  bool checked;
  QRadioButton* MainControls::*control;  // where the window keeps it
};

inline constexpr OptionRow kOptions[] = {
    {"optW", "女", {120, 495, 495, 255}, true, &MainControls::female},
    {"optM", "男", {645, 495, 495, 255}, false, &MainControls::male},
};

// Fixed captions. Static text, transparent, aligned to the top left.
struct CaptionRow {
  const char* text;
  TwipsRect rect;
  FontRole font;
};

inline constexpr CaptionRow kCaptions[] = {
    {"月", {1665, 120, 330, 330}, FontRole::Gothic11},
    {"日", {2655, 120, 285, 255}, FontRole::Gothic11},
    {"時", {3645, 120, 285, 240}, FontRole::Gothic11},
    {"分", {4620, 120, 270, 255}, FontRole::Gothic11},
    {"誕生日：", {1245, 510, 885, 240}, FontRole::Default},
    {"時差：", {120, 930, 630, 270}, FontRole::Default},
    {"分", {1485, 945, 240, 225}, FontRole::Default},
    {"秒", {2295, 945, 255, 240}, FontRole::Default},
    {"真太陽時：", {105, 1470, 1155, 180}, FontRole::Default},
    {"均時差：", {105, 1794, 870, 180}, FontRole::Default},
    {"大運交替：", {105, 2118, 1200, 180}, FontRole::Default},
    {"交替年月：", {105, 2442, 1095, 180}, FontRole::Default},
    {"視黄経：", {105, 2766, 915, 180}, FontRole::Default},
    {"満年齢：", {105, 3090, 930, 180}, FontRole::Default},
    {"歳", {1275, 3090, 300, 180}, FontRole::Default},
    {"曜日：", {1770, 3090, 675, 180}, FontRole::Default},
    {"旺", {4275, 3225, 210, 240}, FontRole::Default},
    {"大", {4680, 3360, 255, 255}, FontRole::Gothic11Bold},
    {"運", {4680, 3630, 255, 300}, FontRole::Gothic11Bold},
};

// Single-line text fields.
enum class FieldStyle {
  Input,           // framed, not editable, in the tab order
  InputEditable,   // framed, editable, in the tab order
  Result,          // flat on the dialog face, not editable, out of the tab order
  ResultEditable,  // flat on the dialog face, editable, out of the tab order
};

enum class Align { Left, Center, Right };

struct FieldRow {
  const char* name;
  const char* text;
  TwipsRect rect;
  FieldStyle style;
  Align align;
  FontRole font;
  QLineEdit* MainControls::*control;  // where the window keeps it
};

// clang-format off
inline constexpr FieldRow kFields[] = {
    {"txtBirthday", "", {2055, 480, 2865, 285}, FieldStyle::Input, Align::Left, FontRole::Default, &MainControls::birthday},
    {"txtJisahun", "0", {690, 900, 495, 300}, FieldStyle::Input, Align::Right, FontRole::Default, &MainControls::jisaMinutes},
    {"txtJisabyo", "0", {1695, 900, 330, 285}, FieldStyle::InputEditable, Align::Right, FontRole::Default, &MainControls::jisaSeconds},
    {"txtShin", "", {1170, 1485, 2730, 195}, FieldStyle::Result, Align::Left, FontRole::Default, &MainControls::trueSolarTime},
    {"txtKinjisa", "", {990, 1806, 1305, 195}, FieldStyle::Result, Align::Left, FontRole::Default, &MainControls::equationOfTime},
    {"txtKoutai", "", {1200, 2127, 1785, 195}, FieldStyle::Result, Align::Left, FontRole::Default, &MainControls::luckStartAge},
    {"txtKoutaiYM", "", {1200, 2448, 900, 195}, FieldStyle::Result, Align::Left, FontRole::Default, &MainControls::luckChange},
    {"txtKoukei", "", {975, 2769, 1800, 195}, FieldStyle::Result, Align::Left, FontRole::Default, &MainControls::sunLongitude},
    {"txtAge", "", {900, 3090, 330, 195}, FieldStyle::Result, Align::Center, FontRole::Default, &MainControls::age},
    {"txtweek", "", {2415, 3105, 630, 180}, FieldStyle::ResultEditable, Align::Left, FontRole::Gothic9, &MainControls::weekday},
};
// clang-format on

// Spinners, each bound to the text field it writes.
struct SpinnerRow {
  const char* name;
  QLineEdit* MainControls::*field;  // the field it writes (txtJisahun, txtJisabyo)
  TwipsRect rect;
  const char* toolTip;
  int minimum;
  int maximum;
  UpDownSpinner* MainControls::*control;  // where the window keeps it
};

// clang-format off
inline constexpr SpinnerRow kSpinners[] = {
    {"udJisahun", &MainControls::jisaMinutes, {1170, 870, 255, 330}, "時差の分数入力", -49, 48, &MainControls::jisaMinutesSpinner},
    {"udJisabyo", &MainControls::jisaSeconds, {1995, 870, 255, 330}, "時差の秒数入力", 0, 59, &MainControls::jisaSecondsSpinner},
};
// clang-format on

// The horizontal rule between the input area and the results: from (0, 1365)
// to (5940, 1365), 2 pixels thick (it runs past the client area's right edge).
inline constexpr TwipsRect kRule = {0, 1365, 5940, 30};

// Chart labels: the pillar grid, its hidden stems and the season element.
// Each starts with the placeholder "□".
struct ChartLabelRow {
  const char* name;
  TwipsRect rect;
  FontRole font;
  // The pillar labels it belongs to (nullptr for the season element) and its pillar.
  PerPillar<QLabel*> MainControls::*group;
  Pillar pillar;
};

inline constexpr ChartLabelRow kPillarLabels[] = {
    {"yKan", {4665, 1995, 255, 255}, FontRole::PGothic12Bold, &MainControls::stems, Pillar::Year},
    {"mKan", {4230, 1995, 255, 255}, FontRole::PGothic12Bold, &MainControls::stems, Pillar::Month},
    {"dKan", {3780, 1995, 255, 255}, FontRole::PGothic12Bold, &MainControls::stems, Pillar::Day},
    {"hKan", {3315, 1995, 255, 255}, FontRole::PGothic12Bold, &MainControls::stems, Pillar::Hour},
    {"yShi", {4665, 2400, 255, 255}, FontRole::PGothic12Bold, &MainControls::branches, Pillar::Year},
    {"mShi", {4230, 2400, 255, 255}, FontRole::PGothic12Bold, &MainControls::branches, Pillar::Month},
    {"dShi", {3780, 2400, 255, 255}, FontRole::PGothic12Bold, &MainControls::branches, Pillar::Day},
    {"hShi", {3315, 2400, 255, 255}, FontRole::PGothic12Bold, &MainControls::branches, Pillar::Hour},
    {"lbl_yZokan", {4665, 2700, 240, 225}, FontRole::Gothic11, &MainControls::hiddenStems, Pillar::Year},
    {"lbl_mZokan", {4245, 2700, 210, 225}, FontRole::Gothic11, &MainControls::hiddenStems, Pillar::Month},
    {"lbl_dZokan", {3780, 2700, 195, 225}, FontRole::Gothic11, &MainControls::hiddenStems, Pillar::Day},
    {"lbl_hZokan", {3315, 2700, 195, 225}, FontRole::Gothic11, &MainControls::hiddenStems, Pillar::Hour},
    {"lblOu", {4260, 3015, 255, 240}, FontRole::Default, nullptr, Pillar::Year},
};

// The luck-pillar strip: eleven columns from right (index 0) to left. Lefts
// in twips by index.
inline constexpr int kSai1Top = 3480;
inline constexpr int kSai1Height = 255;
inline constexpr std::array<int, 10> kSai1Lefts = {3960, 3533, 3112, 2691, 2270, 1849, 1428, 1007, 600, 120};
inline constexpr int kSai1Width = 255;
inline constexpr int kSai1LastWidth = 315;  // index 9

inline constexpr int kSeparatorTop = 3735;
inline constexpr int kSeparatorSize = 240;
inline constexpr std::array<int, 11> kSeparatorLefts = {4380, 3951, 3527, 3103, 2679, 2255, 1831, 1407, 983, 585, 135};

inline constexpr int kSai2Top = 4020;
inline constexpr int kSai2Height = 255;
inline constexpr std::array<int, 11> kSai2Lefts = {4380, 3960, 3540, 3120, 2700, 2280, 1860, 1440, 1020, 600, 105};
inline constexpr int kSai2Width = 270;
inline constexpr int kSai2LastWidth = 345;  // index 10

inline constexpr int kDunKanTop = 4395;
inline constexpr int kDunKanHeight = 255;
inline constexpr int kDunShiTop = 4665;
inline constexpr int kDunShiHeight = 285;
inline constexpr int kDunShiFirstHeight = 255;  // index 0
inline constexpr std::array<int, 11> kDunLefts = {4380, 3960, 3540, 3120, 2700, 2280, 1860, 1440, 1020, 600, 150};
inline constexpr int kDunWidth = 270;

// Age labels whose text is centred: sai1(0), sai1(9), sai2(0), sai2(1), sai2(10).
inline constexpr std::array<int, 2> kSai1Centred = {0, 9};
inline constexpr std::array<int, 3> kSai2Centred = {0, 1, 10};

// Tab order of the controls that take focus.
inline std::array<QWidget*, 17> TabOrder(const MainControls& c) {
  // clang-format off
  return {c.yearButton, c.displayButton, c.birthday,    c.male,        c.female,      c.exitButton,
          c.day,        c.month,         c.hour,        c.minute,      c.jisaMinutes, c.jisaMinutesSpinner,
          c.jisaSeconds, c.jisaSecondsSpinner, c.mapButton, c.popupButton, c.exportButton};
  // clang-format on
}

// Menus. A row with a null caption is a separator.
struct MenuRow {
  const char* name;
  const char* caption;
  const char* shortcut;
  QAction* MenuActions::*action;  // where the window keeps it; nullptr for a separator
};

struct MenuLayout {
  const char* name;
  const char* caption;
  std::array<MenuRow, 11> items;
  int itemCount;
};

inline constexpr MenuLayout kMenus[] = {
    {"menufile",
     "ファイル（Ｆ）",
     {{{"rosterSave", "名簿に保存…", "Ctrl+S", &MenuActions::rosterSave},
       {"rosterOpen", "名簿…", "Ctrl+O", &MenuActions::rosterOpen},
       {"rosterExport", "名簿の書き出し…", nullptr, &MenuActions::rosterExport},
       {"rosterImport", "名簿の読み込み…", nullptr, &MenuActions::rosterImport},
       {"rosterRestore", "名簿の復元…", nullptr, &MenuActions::rosterRestore},
       {"rosterLine", nullptr, nullptr, nullptr},
       {"sheetPrint", "印刷…", "Ctrl+Shift+P", &MenuActions::sheetPrint},
       {"sheetPreview", "印刷プレビュー…", nullptr, &MenuActions::sheetPreview},
       {"sheetPdf", "PDFに保存…", "Ctrl+Shift+S", &MenuActions::sheetPdf},
       {"sheetLine", nullptr, nullptr, nullptr},
       {"endmireto", "ミレト終了", "Ctrl+E", &MenuActions::exit}}},
     11},
    {"menutool",
     "ツール（Ｔ）",
     {{{"mnuMap", "日本地図表示（M)", "Ctrl+M", &MenuActions::map},
       {"menuLine02", nullptr, nullptr, nullptr},
       {"menupop", "ポップアップ（Ｐ）", "Ctrl+P", &MenuActions::popup},
       {"menudetail", "命式詳細（Ｄ）", "Ctrl+D", &MenuActions::details},
       {"menuCalendar", "万年暦（Ｋ）", "Ctrl+K", &MenuActions::calendar},
       {"menucompat", "相性…", nullptr, &MenuActions::compat},
       {"mnuline03", nullptr, nullptr, nullptr},
       {"menujisa01", "時差ゼロ", "Ctrl+J", &MenuActions::zeroJisa}}},
     8},
    {"menuhelp", "ヘルプ（Ｈ）", {{{"menuversion", "バージョン情報（Ｖ）", "Ctrl+V", &MenuActions::version}}}, 1},
};

}  // namespace mireto::main_layout
