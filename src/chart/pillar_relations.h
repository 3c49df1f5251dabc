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

inline constexpr std::array kPlaces = {Place::Luck, Place::Annual, Place::Year, Place::Month, Place::Day, Place::Hour};

constexpr Place PlaceOf(Pillar p) { return static_cast<Place>(static_cast<int>(p) + 2); }

// A set of places, one bit each. (Plain data: a list of relations is filled
// without first being cleared.)
struct PlaceSet {
  std::uint8_t bits;

  constexpr bool contains(Place p) const { return (bits >> static_cast<int>(p) & 1) != 0; }
  constexpr PlaceSet with(Place p) const {
    return PlaceSet{static_cast<std::uint8_t>(bits | 1 << static_cast<int>(p))};
  }
  constexpr bool within(PlaceSet other) const { return (bits & ~other.bits) == 0; }
  bool operator==(const PlaceSet&) const = default;
};

struct Relation {
  RelationKind kind;
  PlaceSet places;  // two or three
  Element formed;   // meaningful for the combinations only: see element()

  // The element formed (干合 支合 三合 半会 方合), none for the other kinds.
  constexpr std::optional<Element> element() const {
    return FormsElement(kind) ? std::optional<Element>(formed) : std::nullopt;
  }
  bool operator==(const Relation& o) const { return kind == o.kind && places == o.places && element() == o.element(); }
};

constexpr Relation MakeRelation(RelationKind kind, PlaceSet places, std::optional<Element> element) {
  return Relation{kind, places, element.value_or(Element::Wood)};
}

// A list of relations of a fixed capacity: the most one chart's pillars can
// stand in (every pair of stems in 干合, every pair of branches in
// kMostPairRelations relations, every triple of branches complete).
class RelationList {
 public:
  static constexpr std::size_t kCapacity = 6 + 6 * kMostPairRelations + 4;

  // The storage, with room for one relation past the capacity, and the
  // number of its first relations that make the list (at most kCapacity):
  // for filling the list without a branch for each candidate.
  Relation* data() { return items_.data(); }
  void resize(std::size_t count) { count_ = count; }
  // Removes the relations for which drop is true, keeping the order of the rest.
  template <typename Predicate>
  void erase_if(Predicate drop) {
    std::size_t kept = 0;
    for (std::size_t i = 0; i < count_; ++i) {
      if (!drop(items_[i])) items_[kept++] = items_[i];
    }
    count_ = kept;
  }
  const Relation* begin() const { return items_.data(); }
  const Relation* end() const { return items_.data() + count_; }
  Relation* begin() { return items_.data(); }
  Relation* end() { return items_.data() + count_; }
  std::size_t size() const { return count_; }
  bool empty() const { return count_ == 0; }
  const Relation& operator[](std::size_t i) const { return items_[i]; }

 private:
  std::array<Relation, kCapacity + 1> items_;  // the first count_ hold the list
  std::size_t count_ = 0;
};

// The natal pillars prepared for the relations of many luck pillars and
// years with them: the known pillars, and for each two of them the third
// branch that would complete a 三合 or 方合 with them.
struct NatalRelationIndex {
  struct Known {
    Place place;
    Stem stem;
    Branch branch;
  };
  struct Completion {
    Branch third;           // the branch that completes the triple
    TripleRelation triple;  // what it completes
    PlaceSet places;        // the two natal pillars
  };
  const RelationConvention* convention = &kJapaneseRelations;
  std::array<Known, kPillars.size()> known{};
  std::size_t knownCount = 0;
  std::array<Completion, 12> completions{};  // at most a 三合 and a 方合 for each two pillars
  std::size_t completionCount = 0;
};

NatalRelationIndex IndexNatalPillars(const NatalPillars& natal,
                                     const RelationConvention& convention = kJapaneseRelations);

// The relations among the natal pillars (the hour only when known).
RelationList NatalRelations(const NatalPillars& natal, const RelationConvention& convention = kJapaneseRelations);

// The relations a pillar at place (Luck or Annual) with the given stem and
// branch forms with the natal pillars: only those that include it, the
// triples it completes with two natal branches among them.
RelationList RelationsWith(Place place, Stem stem, Branch branch, const NatalPillars& natal,
                           const RelationConvention& convention = kJapaneseRelations);

// The same two written into a list that is already there (the list is
// replaced), from the index: for the many pillars of one chart.
void FindNatalRelations(RelationList& out, const NatalRelationIndex& index);
void FindRelationsWith(RelationList& out, Place place, Stem stem, Branch branch, const NatalRelationIndex& index);

}  // namespace mireto
