// 命式表: the one page a practitioner hands to a client or keeps on file.
// Who it is (the roster's name, reading, birthplace and note), the birth as
// entered with sex and age, the time difference, true solar time, the
// summer-time decision and every notice; the two sectional terms around the
// birth (the almanac's instant and the chart's switch at this birthplace);
// the chart in the order of the 命式詳細 window with 空亡 marked; the luck
// columns with the current one in bold and framed; the five-element picture
// and the relations; 年運 for ten years from the present one; the note and a
// footer. A long note continues on further pages that repeat the heading.
//
// GatherSheet computes everything from the inputs; SheetPages lays it out as
// page descriptions (page/page.h). Both are plain functions without Qt.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "chart/birth_notices.h"
#include "chart/chart.h"
#include "chart/chart_details.h"
#include "chart/clock_time.h"
#include "core/data_files.h"
#include "page/page.h"
#include "roster/roster_entry.h"

namespace mireto {

// The person of a roster entry; all empty for a chart that is not one.
struct SheetPerson {
  std::string name;
  std::string reading;
  std::string birthplace;
  std::string note;
};

// One sectional term next to the birth.
struct SheetTerm {
  std::string name;          // 立春 ...
  ClockTime almanac;         // the almanac's instant, JST
  ClockTime switchTime;      // the chart's month changes here, on the clock the birth was read on
  bool summerClock = false;  // switchTime is on the summer-time clock
  double minutes = 0;        // birth minus the switch: positive when born after it
};

// The 年運 rows of a sheet: this many years from the present one.
inline constexpr int kSheetAnnualYears = 10;

struct SheetData {
  roster::BirthTexts birth;  // the inputs as entered
  std::string birthday;      // the birth summary, e.g. 1990年5月3日14時27分, …出生時間不明
  SummerTimeDecision decision;
  std::vector<Notice> notices;
  Chart chart;
  ChartDetails details;            // 年運 for the kSheetAnnualYears from today's year
  std::array<SheetTerm, 2> terms;  // before and after the birth
  SheetPerson person;
  std::string mapPlace;  // the map's point when the time difference came from it
  LocalDateTime today;
  std::string version;  // the program's version, e.g. 1.3.15
};

// Everything a sheet shows for a birth read with a summer-time decision
// (NotAsked computes as entered). nullopt, with a Japanese message in error,
// when the inputs give no chart.
std::optional<SheetData> GatherSheet(const CalendarTables& tables, const roster::BirthTexts& birth,
                                     roster::ClockDecision decision, SheetPerson person, std::string mapPlace,
                                     const LocalDateTime& today, std::string version, std::string& error);

// The sheet's pages: one for an ordinary chart; a long note continues on
// more pages, each with the heading and the name.
std::vector<page::Page> SheetPages(const SheetData& sheet, page::PaperSize paper);

// The sheets one after another in one document (the roster's selection).
page::Document SheetDocument(const std::vector<SheetData>& sheets, page::PaperSize paper);

// The file name proposed for a sheet: "<name>_命式表.pdf", or
// "命式表_<birth date>.pdf" without a name (the date as YYYY-MM-DD).
std::string SheetFileName(const SheetData& sheet);

// The time difference in words: "-5分30秒", "+12分0秒", "0分0秒".
std::string TimeDifferenceText(const BirthInput& input);

}  // namespace mireto
