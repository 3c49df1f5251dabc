// 相性 in words: two people's charts side by side and what stands between
// them, for the 相性 window, its copy and print-out, and mireto-chart.
//
//   a relation:   日干 甲（花子）と 己（太郎）：干合（土）
//                 日支 子（花子）と 年支 午（太郎）：冲
//   a ten god:    花子（日干 甲）から見た太郎（日干 己）：正財
//   空亡:          花子の空亡 子丑：太郎の日支 子、年支 丑
//
// Each person is named by their name, cut to kLabelCharacters, as a reader
// speaks of the two; by A and B when a name is missing or the two read alike.
// The relations are listed with the two day pillars first, then those of one
// day pillar, then the rest, each part in the order of the compatibility.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "chart/chart.h"
#include "chart/chart_details.h"
#include "chart/compatibility.h"

namespace mireto {

inline constexpr std::size_t kLabelCharacters = 8;

struct CompatPerson {
  std::string name;      // may be empty
  std::string birth;     // the birth in one line, e.g. "1990年5月3日 14時27分 男 時差 -5分30秒"
  ChartDetails details;  // the pillar table (readings from the person's own day stem)
};

// Everything the 相性 window shows.
struct CompatSheet {
  std::array<CompatPerson, 2> people;  // A, B
  Compatibility compat;
};

// One person's chart as a sheet takes it; hourKnown: the hour was entered.
struct CompatSubject {
  std::string name;
  std::string birth;
  const Chart* chart = nullptr;
  bool hourKnown = true;
};

// The sheet of two computed charts (the relations from A's pillars to B's).
CompatSheet MakeCompatSheet(const CompatSubject& a, const CompatSubject& b);

// How the lines name A and B.
std::array<std::string, 2> PersonLabels(const CompatSheet& sheet);

std::string CompatRelationText(const CompatSheet& sheet, const CrossRelation& r);
// Every relation, the day pillars first; "－" alone when there is none.
std::vector<std::string> CompatRelationLines(const CompatSheet& sheet);
// B from A, then A from B.
std::array<std::string, 2> TenGodLines(const CompatSheet& sheet);
// A's 空亡 on B's branches, then B's on A's.
std::array<std::string, 2> VoidHitLines(const CompatSheet& sheet);

// The whole sheet as fixed-pitch text (copy, print, mireto-chart): the two
// people with their births, their pillar tables side by side, the
// relations, the ten gods and 空亡. Lines separated by lineEnd.
std::string MakeCompatText(const CompatSheet& sheet, std::string_view lineEnd = "\r\n");

}  // namespace mireto
