// The relations between the pillars of a chart (干合 of their stems, the
// pair and triple relations of their branches), and those a luck pillar or
// the pillar of a year forms with the natal pillars.
//
// A relation names the pillars it joins; pairs are listed for every two
// pillars that stand in it (the same two branches in two places give two
// entries), triples for every three. A list is sorted by kind, in the order
// of RelationKind, then by its pillars in the order of Place.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

#include "chart/natal_pillars.h"
#include "chart/relation_rules.h"

namespace mireto {

// A pillar as a relation names it: a luck pillar, the pillar of a year, or
// one of the natal pillars. In the order the pillars of a relation are listed.
enum class Place : std::uint8_t { Luck, Annual, Year, Month, Day, Hour };

inline constexpr std::array kPlaces = {Place::Luck, Place::Annual, Place::Year,
                                       Place::Month, Place::Day, Place::Hour};

constexpr Place PlaceOf(Pillar p) { return static_cast<Place>(static_cast<int>(p) + 2); }

// A set of places, one bit each.
struct PlaceSet {
  std::uint8_t bits = 0;

  constexpr bool contains(Place p) const { return (bits >> static_cast<int>(p) & 1) != 0; }
  constexpr PlaceSet with(Place p) const { return PlaceSet{static_cast<std::uint8_t>(bits | 1 << static_cast<int>(p))}; }
  constexpr bool within(PlaceSet other) const { return (bits & ~other.bits) == 0; }
  bool operator==(const PlaceSet&) const = default;
};

struct Relation {
  RelationKind kind = RelationKind::StemCombination;
  PlaceSet places;                 // two or three
  std::optional<Element> element;  // the element formed (干合 支合 三合 半会 方合)
  bool operator==(const Relation&) const = default;
};

// A list of relations of a fixed capacity: the most one chart's pillars can
// stand in (every pair of stems in 干合, every pair of branches in
// kMostPairRelations relations, every triple of branches complete).
class RelationList {
 public:
  static constexpr std::size_t kCapacity = 6 + 6 * kMostPairRelations + 4;

  void push_back(const Relation& r) { items_[count_++] = r; }
  const Relation* begin() const { return items_.data(); }
  const Relation* end() const { return items_.data() + count_; }
  Relation* begin() { return items_.data(); }
  Relation* end() { return items_.data() + count_; }
  std::size_t size() const { return count_; }
  bool empty() const { return count_ == 0; }
  const Relation& operator[](std::size_t i) const { return items_[i]; }

 private:
  std::array<Relation, kCapacity> items_{};
  std::size_t count_ = 0;
};

// The relations among the natal pillars (the hour only when known).
RelationList NatalRelations(const NatalPillars& natal, const RelationConvention& convention = kJapaneseRelations);

// The relations a pillar at place (Luck or Annual) with the given stem and
// branch forms with the natal pillars: only those that include it, the
// triples it completes with two natal branches among them.
RelationList RelationsWith(Place place, Stem stem, Branch branch, const NatalPillars& natal,
                           const RelationConvention& convention = kJapaneseRelations);

}  // namespace mireto
