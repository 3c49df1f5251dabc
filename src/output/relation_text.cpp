#include "output/relation_text.h"

#include <array>
#include <bit>

#include "chart/text_format.h"

namespace mireto {

namespace {

// In the order of Place.
constexpr std::array<std::string_view, kPlaces.size()> kPlaceNames = {"大運", "年運", "年柱", "月柱", "日柱", "時柱"};
constexpr std::array<std::string_view, kPlaces.size()> kStemNames = {"", "", "年干", "月干", "日干", "時干"};
constexpr std::array<std::string_view, kPlaces.size()> kBranchNames = {"", "", "年支", "月支", "日支", "時支"};

constexpr std::string_view kIdeographicSpace = "\u3000";

bool JoinsStems(const Relation& r) { return r.kind == RelationKind::StemCombination; }

bool IsNatal(Place p) { return p != Place::Luck && p != Place::Annual; }

Pillar PillarOf(Place p) { return static_cast<Pillar>(static_cast<int>(p) - 2); }

}  // namespace

std::string_view PlaceName(Place place) { return kPlaceNames[static_cast<std::size_t>(place)]; }

std::string RelationName(const Relation& r) {
  std::string name(RelationKindName(r.kind));
  if (const auto element = r.element()) {
    name += "（";
    name += ElementName(*element);
    name += "）";
  }
  return name;
}

std::string NatalRelationText(const ChartDetails& details, const Relation& r) {
  // Two pillars are joined by と, three listed with ・.
  const std::string_view separator = std::popcount(r.places.bits) == 2 ? "と" : "・";
  std::string places;
  std::string characters;
  for (const Place p : kPlaces) {
    if (!r.places.contains(p) || !IsNatal(p)) continue;
    if (!places.empty()) places += separator;
    places += PlaceName(p);
    const PillarDetails& pillar = details.pillars[PillarOf(p)];
    characters += JoinsStems(r) ? pillar.stem : pillar.branch;
  }
  return places + "：" + characters + "の" + RelationName(r);
}

std::string OuterRelationText(const Relation& r) {
  std::string text;
  for (const Place p : kPlaces) {
    if (!r.places.contains(p) || !IsNatal(p)) continue;
    if (!text.empty()) text += "・";
    text += (JoinsStems(r) ? kStemNames : kBranchNames)[static_cast<std::size_t>(p)];
  }
  return text + "と" + RelationName(r);
}

std::vector<std::string> OuterRelationTexts(const RelationList& list) {
  std::vector<std::string> texts;
  texts.reserve(list.size());
  for (const Relation& r : list) texts.push_back(OuterRelationText(r));
  return texts;
}

std::string ElementCountsText(const ElementCounts& counts) {
  std::string text;
  for (const Element e : kElements) {
    if (!text.empty()) text += kIdeographicSpace;
    text += ElementName(e);
    text += FormatInteger(counts[e]);
  }
  return text;
}

std::string YinYangText(const FiveElementBalance& balance) {
  return "陽" + FormatInteger(balance.yang) + std::string(kIdeographicSpace) + "陰" + FormatInteger(balance.yin);
}

}  // namespace mireto
