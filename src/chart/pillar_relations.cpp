#include "chart/pillar_relations.h"

#include <algorithm>

namespace mireto {

namespace {

// A pillar taking part: its place, stem and branch.
struct Member {
  Place place;
  Stem stem;
  Branch branch;
};

// The pillars a relation can join: at most a luck or annual pillar and the
// four natal pillars.
struct Members {
  std::array<Member, 5> items{};
  std::size_t count = 0;

  void add(Place place, Stem stem, Branch branch) { items[count++] = Member{place, stem, branch}; }
};

void AddNatal(Members& members, const NatalPillars& natal) {
  for (std::size_t i = 0; i < natal.knownCount(); ++i) {
    const PillarCharacters& p = natal.pillars[kPillars[i]];
    members.add(PlaceOf(kPillars[i]), p.stem, p.branch);
  }
}

void AddPair(RelationList& out, const Member& a, const Member& b, const RelationConvention& convention) {
  const PlaceSet places = PlaceSet{}.with(a.place).with(b.place);
  if (const auto element = StemCombination(a.stem, b.stem)) out.push_back({RelationKind::StemCombination, places, element});
  for (const PairRelation& r : BranchPairRelations(a.branch, b.branch, convention)) {
    out.push_back({r.kind, places, r.element});
  }
}

void AddTriple(RelationList& out, const Member& a, const Member& b, const Member& c) {
  if (const auto triple = BranchTriple(a.branch, b.branch, c.branch)) {
    out.push_back({triple->kind, PlaceSet{}.with(a.place).with(b.place).with(c.place), triple->element});
  }
}

// Every pair and triple of members that includes member 0 when firstRequired,
// all of them otherwise.
RelationList Search(const Members& m, bool firstRequired, const RelationConvention& convention) {
  RelationList out;
  const std::size_t firstEnd = firstRequired ? 1 : m.count;
  for (std::size_t i = 0; i < firstEnd; ++i) {
    for (std::size_t j = i + 1; j < m.count; ++j) {
      AddPair(out, m.items[i], m.items[j], convention);
      for (std::size_t k = j + 1; k < m.count; ++k) AddTriple(out, m.items[i], m.items[j], m.items[k]);
    }
  }
  return out;
}

// Removes each 半会 whose two pillars are both in a listed 三合 of its element.
void DropHalfMeetingsOfCompleteTriples(RelationList& list) {
  RelationList kept;
  for (const Relation& r : list) {
    const bool inTriple = r.kind == RelationKind::HalfMeeting &&
                          std::any_of(list.begin(), list.end(), [&](const Relation& t) {
                            return t.kind == RelationKind::ThreeHarmony && t.element == r.element && r.places.within(t.places);
                          });
    if (!inTriple) kept.push_back(r);
  }
  list = kept;
}

// Orders by kind, then by the places listed in the order of Place (a shorter
// list first when one begins the other).
std::uint32_t SortKey(const Relation& r) {
  std::uint32_t key = static_cast<std::uint32_t>(r.kind);
  int listed = 0;
  for (const Place p : kPlaces) {
    if (r.places.contains(p)) {
      key = key * 8 + static_cast<std::uint32_t>(p) + 1;
      ++listed;
    }
  }
  for (; listed < 3; ++listed) key *= 8;
  return key;
}

RelationList Finished(RelationList list, const RelationConvention& convention) {
  if (convention.halfMeetings.yieldsToCompleteTriple) DropHalfMeetingsOfCompleteTriples(list);
  std::sort(list.begin(), list.end(), [](const Relation& a, const Relation& b) { return SortKey(a) < SortKey(b); });
  return list;
}

}  // namespace

// Given:
//   natal       the natal pillars (the hour only when known)
//   convention  the school's relation rules
// Returned:
//   every relation among two or three natal pillars, sorted.
// Source: the note on elements and relations, "Relations".
RelationList NatalRelations(const NatalPillars& natal, const RelationConvention& convention) {
  Members members;
  AddNatal(members, natal);
  return Finished(Search(members, false, convention), convention);
}

// Given:
//   place        Place::Luck or Place::Annual
//   stem, branch the pillar at that place
//   natal        the natal pillars (the hour only when known)
//   convention   the school's relation rules
// Returned:
//   the relations that include the pillar at place, sorted; a 半会 it forms
//   yields to a 三合 it completes, as among the natal pillars.
RelationList RelationsWith(Place place, Stem stem, Branch branch, const NatalPillars& natal,
                           const RelationConvention& convention) {
  Members members;
  members.add(place, stem, branch);
  AddNatal(members, natal);
  return Finished(Search(members, true, convention), convention);
}

}  // namespace mireto
