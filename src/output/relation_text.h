// The five-element balance and the relations of the chart details in
// Japanese words, for the details window and the details text.
//
//   a natal relation:            月柱と日柱：子午の冲, 年柱と月柱：甲己の干合（土）,
//                                年柱・月柱・日柱：申子辰の三合（水）
//   a luck pillar's or a year's: 日支と冲, 年干と干合（土）, 月支・日支と三合（水）
//
// 干合 joins the stems of the pillars, every other relation their branches.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "chart/chart_details.h"

namespace mireto {

// 大運, 年運, 年柱, 月柱, 日柱, 時柱.
std::string_view PlaceName(Place place);

// 冲, or 干合（土） for a combination.
std::string RelationName(const Relation& r);

// A relation among the natal pillars of details, in words.
std::string NatalRelationText(const ChartDetails& details, const Relation& r);

// A relation of a luck pillar or a year with the natal pillars, named by the
// natal stems or branches it meets.
std::string OuterRelationText(const Relation& r);

// Each relation of the list as OuterRelationText.
std::vector<std::string> OuterRelationTexts(const RelationList& list);

// 木1　火3　土3　金0　水1
std::string ElementCountsText(const ElementCounts& counts);

// 陽6　陰2
std::string YinYangText(const FiveElementBalance& balance);

}  // namespace mireto
