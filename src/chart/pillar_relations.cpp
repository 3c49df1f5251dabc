#include "chart/pillar_relations.h"

#include <algorithm>

namespace mireto {

namespace {

using Known = NatalRelationIndex::Known;

// The relations are written straight into a list's storage: every candidate
// is written and counted in only when it holds, so that the outcome of a
// lookup never steers a branch. The write position is passed along by value
// and returned (a position kept in memory would be reloaded after each byte
// written, which may alias it).
Relation* Put(Relation* at, const Relation& r, bool keep) {
  *at = r;
  return at + (keep ? 1 : 0);
}

PlaceSet Places(Place a, Place b) { return PlaceSet{}.with(a).with(b); }

// 干合 of the stems and every relation of the branches of two pillars.
Relation* AddPair(Relation* at, const Known& a, const Known& b, const RelationConvention& convention) {
  const PlaceSet places = Places(a.place, b.place);
  const auto element = StemCombination(a.stem, b.stem, convention);
  at = Put(at, MakeRelation(RelationKind::StemCombination, places, element), element.has_value());
  const PairRelations& cell = BranchPairRelations(a.branch, b.branch, convention);
  const std::size_t count = cell.count;
  for (std::size_t k = 0; k < kMostPairRelations; ++k) {
    const PairRelation r = cell.items[k];
    at = Put(at, Relation{r.kind, places, r.formed}, k < count);
  }
  return at;
}

// Removes each 半会 whose two pillars are both in a listed 三合 of its element.
void DropHalfMeetingsOfCompleteTriples(RelationList& list) {
  std::array<Relation, 4> triples;  // at most one per three natal pillars
  std::size_t count = 0;
  for (const Relation& r : list) {
    if (r.kind == RelationKind::ThreeHarmony && count < triples.size()) triples[count++] = r;
  }
  if (count == 0) return;
  list.erase_if([&](const Relation& r) {
    return r.kind == RelationKind::HalfMeeting &&
           std::any_of(triples.begin(), triples.begin() + static_cast<std::ptrdiff_t>(count),
                       [&](const Relation& t) { return t.formed == r.formed && r.places.within(t.places); });
  });
}

// The rules' last step, then the order: by kind, then by places. The lists
// are written with the pairs in the order of their places and the triples in
// the order of theirs, and no kind has both pairs and triples, so a stable
// sort by kind alone gives the order (an insertion sort: the lists are short).
void Finish(RelationList& list, const RelationConvention& convention) {
  if (convention.halfMeetings.yieldsToCompleteTriple) DropHalfMeetingsOfCompleteTriples(list);
  Relation* items = list.begin();
  const std::size_t n = list.size();
  for (std::size_t i = 1; i < n; ++i) {
    const Relation r = items[i];
    std::size_t j = i;
    for (; j > 0 && items[j - 1].kind > r.kind; --j) items[j] = items[j - 1];
    items[j] = r;
  }
}

}  // namespace

// Given:
//   natal       the natal pillars (the hour only when known)
//   convention  the school's relation rules
// Returned:
//   the known pillars with their places, and for each two of them (in the
//   order of their places) the branches that would complete a triple.
NatalRelationIndex IndexNatalPillars(const NatalPillars& natal, const RelationConvention& convention) {
  NatalRelationIndex index;
  index.convention = &convention;
  for (std::size_t i = 0; i < natal.knownCount(); ++i) {
    const PillarCharacters& p = natal.pillars[kPillars[i]];
    index.known[index.knownCount++] = Known{PlaceOf(kPillars[i]), p.stem, p.branch};
  }
  for (std::size_t i = 0; i < index.knownCount; ++i) {
    for (std::size_t j = i + 1; j < index.knownCount; ++j) {
      const Known& a = index.known[i];
      const Known& b = index.known[j];
      for (const TripleCompletion& c : TripleCompletionsOf(a.branch, b.branch, convention)) {
        index.completions[index.completionCount++] = {c.third, c.triple, Places(a.place, b.place)};
      }
    }
  }
  return index;
}

// Given:
//   out    the list to fill
//   index  the natal pillars, indexed
// Returned (in out):
//   every relation among two or three natal pillars, sorted.
// Source: the note on elements and relations, "Relations".
void FindNatalRelations(RelationList& out, const NatalRelationIndex& index) {
  Relation* at = out.data();
  const auto& k = index.known;
  for (std::size_t i = 0; i < index.knownCount; ++i) {
    for (std::size_t j = i + 1; j < index.knownCount; ++j) {
      at = AddPair(at, k[i], k[j], *index.convention);
      for (std::size_t l = j + 1; l < index.knownCount; ++l) {
        const auto triple = BranchTriple(k[i].branch, k[j].branch, k[l].branch);
        const TripleRelation t = triple.value_or(TripleRelation{});
        at = Put(at, MakeRelation(t.kind, Places(k[i].place, k[j].place).with(k[l].place), t.element),
                 triple.has_value());
      }
    }
  }
  out.resize(static_cast<std::size_t>(at - out.data()));
  Finish(out, *index.convention);
}

// Given:
//   out          the list to fill
//   place        Place::Luck or Place::Annual
//   stem, branch the pillar at that place
//   index        the natal pillars, indexed
// Returned (in out):
//   the relations that include the pillar at place, sorted; a 半会 it forms
//   yields to a 三合 it completes, as among the natal pillars.
void FindRelationsWith(RelationList& out, Place place, Stem stem, Branch branch, const NatalRelationIndex& index) {
  Relation* at = out.data();
  const Known outer{place, stem, branch};
  for (std::size_t i = 0; i < index.knownCount; ++i) at = AddPair(at, outer, index.known[i], *index.convention);
  for (std::size_t c = 0; c < index.completionCount; ++c) {
    const NatalRelationIndex::Completion& completion = index.completions[c];
    at = Put(at, MakeRelation(completion.triple.kind, completion.places.with(place), completion.triple.element),
             completion.third == branch);
  }
  out.resize(static_cast<std::size_t>(at - out.data()));
  Finish(out, *index.convention);
}

RelationList NatalRelations(const NatalPillars& natal, const RelationConvention& convention) {
  RelationList list;
  FindNatalRelations(list, IndexNatalPillars(natal, convention));
  return list;
}

RelationList RelationsWith(Place place, Stem stem, Branch branch, const NatalPillars& natal,
                           const RelationConvention& convention) {
  RelationList list;
  FindRelationsWith(list, place, stem, branch, IndexNatalPillars(natal, convention));
  return list;
}

}  // namespace mireto
