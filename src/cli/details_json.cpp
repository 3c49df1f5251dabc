#include "cli/details_json.h"

#include <array>
#include <bit>
#include <charconv>
#include <cstring>
#include <initializer_list>

#include "cli/json_writer.h"

namespace mireto::cli {

namespace {

// Each constant piece of the object is appended whole: the names, the
// punctuation around them and the literals.
// In the order of kPillars.
constexpr std::array<std::string_view, kPillars.size()> kPillarOpenings = {
    R"("year":{"tenGod":)", R"(,"month":{"tenGod":)", R"(,"day":{"tenGod":)", R"(,"hour":{"tenGod":)"};

void AppendBool(std::string& out, bool value) { out += value ? std::string_view("true") : std::string_view("false"); }

// The element counts as an object, in the order of Element.
constexpr std::array<std::string_view, kElements.size()> kElementOpenings = {
    R"({"wood":)", R"(,"fire":)", R"(,"earth":)", R"(,"metal":)", R"(,"water":)"};

void AppendElementCounts(std::string& out, const ElementCounts& counts) {
  for (const Element e : kElements) {
    out += kElementOpenings[static_cast<std::size_t>(e)];
    AppendJsonInteger(out, counts[e]);
  }
  out += '}';
}

void AppendBalance(std::string& out, const FiveElementBalance& b) {
  out += R"(,"fiveElements":)";
  AppendElementCounts(out, b.visible);
  out += R"(,"fiveElementsWithHidden":)";
  AppendElementCounts(out, b.withHidden);
  out += R"(,"yinYang":{"yang":)";
  AppendJsonInteger(out, b.yang);
  out += R"(,"yin":)";
  AppendJsonInteger(out, b.yin);
  out += '}';
}

// A constant piece of a relation, stored in a block of fixed width so that it
// is copied as one block whatever its length (the buffer has room for it).
struct Piece {
  std::array<char, 32> text{};
  std::size_t size = 0;
};

constexpr Piece MakePiece(std::initializer_list<std::string_view> parts) {
  Piece p;
  for (const std::string_view part : parts) {
    for (const char c : part) p.text[p.size++] = c;
  }
  return p;
}

// {"kind":"冲","pillars":[ for each kind, in the order of RelationKind.
constexpr auto kKindOpenings = [] {
  std::array<Piece, kRelationKindNames.size()> openings{};
  for (std::size_t k = 0; k < openings.size(); ++k) {
    openings[k] = MakePiece({R"({"kind":")", kRelationKindNames[k], R"(","pillars":[)"});
  }
  return openings;
}();

// The names of each set of places, one bit per place: "month","day" for
// month and day. The place of a pillar of time is named outer: "annual" for a
// year, "monthly" for a month, "daily" for a day.
using PlaceSetNames = std::array<Piece, 1 << kPlaces.size()>;

constexpr PlaceSetNames MakePlaceSetNames(std::string_view outer) {
  const std::array<std::string_view, kPlaces.size()> names = {R"("luck")",  outer,      R"("year")",
                                                              R"("month")", R"("day")", R"("hour")"};
  PlaceSetNames sets{};
  for (std::size_t bits = 0; bits < sets.size(); ++bits) {
    if (std::popcount(bits) > 3) continue;  // a relation joins two or three
    for (std::size_t p = 0; p < names.size(); ++p) {
      if ((bits >> p & 1) == 0) continue;
      sets[bits] = MakePiece(
          {std::string_view(sets[bits].text.data(), sets[bits].size), sets[bits].size > 0 ? "," : "", names[p]});
    }
  }
  return sets;
}

constexpr PlaceSetNames kPlaceSetNames = MakePlaceSetNames(R"("annual")");
constexpr PlaceSetNames kMonthlyPlaceSetNames = MakePlaceSetNames(R"("monthly")");
constexpr PlaceSetNames kDailyPlaceSetNames = MakePlaceSetNames(R"("daily")");

// ],"element":"木"} .. ],"element":"水"} in the order of Element, then ],"element":null}.
constexpr auto kElementClosings = [] {
  std::array<Piece, kElementNames.size() + 1> closings{};
  for (std::size_t e = 0; e < kElementNames.size(); ++e) {
    closings[e] = MakePiece({R"(],"element":")", kElementNames[e], R"("})"});
  }
  closings.back() = MakePiece({R"(],"element":null})"});
  return closings;
}();

// Copies a piece as its whole block and returns the end of its text (the
// position is passed by value: kept in memory it would be reloaded after
// every character written).
char* Put(char* at, const Piece& piece) {
  std::memcpy(at, piece.text.data(), sizeof(piece.text));
  return at + piece.size;
}

char* PutRelation(char* at, const Relation& r, const PlaceSetNames& places) {
  at = Put(at, kKindOpenings[static_cast<std::size_t>(r.kind)]);
  at = Put(at, places[r.places.bits]);
  const auto element = r.element();
  return Put(at, kElementClosings[element ? static_cast<std::size_t>(*element) : kElementNames.size()]);
}

// Room for the longest list: brackets, and for each relation its three
// pieces' blocks and a comma.
constexpr std::size_t kRelationsRoom = 2 + RelationList::kCapacity * (3 * sizeof(Piece::text) + 1);

void AppendRelations(std::string& out, const RelationList& list, const PlaceSetNames& places = kPlaceSetNames) {
  std::array<char, kRelationsRoom> buffer;
  char* at = buffer.data();
  *at++ = '[';
  for (std::size_t i = 0; i < list.size(); ++i) {
    if (i > 0) *at++ = ',';
    at = PutRelation(at, list[i], places);
  }
  *at++ = ']';
  out.append(buffer.data(), static_cast<std::size_t>(at - buffer.data()));
}

void AppendPillar(std::string& out, const PillarDetails& p) {
  AppendJsonString(out, p.tenGod);
  out += R"(,"hiddenTenGod":)";
  AppendJsonString(out, p.hiddenTenGod);
  out += R"(,"stage":)";
  AppendJsonString(out, p.stage);
  out += R"(,"nayin":)";
  AppendJsonString(out, p.nayin);
  out += R"(,"void":)";
  if (p.isVoid) {
    AppendBool(out, *p.isVoid);
  } else {
    out += "null";
  }
  out += '}';
}

template <typename Item>
void AppendLuckArray(std::string& out, const ChartDetails& d, Item item) {
  for (std::size_t i = 0; i < d.luck.size(); ++i) {
    if (i > 0) out += ',';
    item(d.luck[i]);
  }
  out += ']';
}

void AppendLuck(std::string& out, const ChartDetails& d) {
  out += R"(,"luck":{"tenGods":[)";
  AppendLuckArray(out, d, [&](const LuckColumnDetails& c) { AppendJsonString(out, c.tenGod); });
  out += R"(,"stages":[)";
  AppendLuckArray(out, d, [&](const LuckColumnDetails& c) { AppendJsonString(out, c.stage); });
  out += R"(,"void":[)";
  AppendLuckArray(out, d, [&](const LuckColumnDetails& c) { AppendBool(out, c.isVoid); });
  out += R"(,"relations":[)";
  AppendLuckArray(out, d, [&](const LuckColumnDetails& c) { AppendRelations(out, c.relations); });
  out += '}';
}

// ,"pillar":"甲子" of a luck column, year, month or day.
void AppendPillarName(std::string& out, const PeriodPillar& p) {
  out += R"(,"pillar":")";
  out += p.stem;  // names from the constant tables need no escaping
  out += p.branch;
  out += '"';
}

// "tenGod","stage","void","relations" of a pillar of time, and the closing brace.
void AppendReadings(std::string& out, const PeriodPillar& p, const PlaceSetNames& places) {
  out += R"(,"tenGod":)";
  AppendJsonString(out, p.tenGod);
  out += R"(,"stage":)";
  AppendJsonString(out, p.stage);
  out += R"(,"void":)";
  AppendBool(out, p.isVoid);
  out += R"(,"relations":)";
  AppendRelations(out, p.relations, places);
  out += '}';
}

void AppendYear(std::string& out, const AnnualPillar& a) {
  out += R"({"year":)";
  AppendJsonInteger(out, a.year);
  AppendPillarName(out, a);
  out += R"(,"age":)";
  if (a.age) {
    AppendJsonInteger(out, *a.age);
  } else {
    out += "null";
  }
  AppendReadings(out, a, kPlaceSetNames);
}

// "pillar","tenGod","stage","void","relations" of a month or a day, and the closing brace.
void AppendPeriodReading(std::string& out, const PeriodPillar& p, const PlaceSetNames& places) {
  AppendPillarName(out, p);
  AppendReadings(out, p, places);
}

void AppendMonth(std::string& out, const MonthlyLuck& m) {
  out += R"({"month":)";
  AppendJsonString(out, m.term);
  out += R"(,"from":)";
  AppendJsonString(out, IsoText(m.from));
  out += R"(,"almanac":)";
  AppendJsonString(out, IsoText(m.almanac));
  AppendPeriodReading(out, m.reading, kMonthlyPlaceSetNames);
}

void AppendDay(std::string& out, const DailyLuck& d) {
  out += R"({"date":)";
  AppendJsonString(out, DateText(d.day));
  AppendPeriodReading(out, d.reading, kDailyPlaceSetNames);
}

template <typename Item, typename Write>
void AppendList(std::string& out, std::string_view key, const std::vector<Item>& items, Write write) {
  if (items.empty()) return;
  AppendJsonKey(out, key);
  out += '[';
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (i > 0) out += ',';
    write(out, items[i]);
  }
  out += ']';
}

}  // namespace

std::string DateText(const CalendarDay& day) {
  std::string text = IsoText(ClockTime{day.year, day.month, day.day, 0, 0, 0});
  return text.substr(0, text.find('T'));
}

void AppendDetailsJson(std::string& out, const ChartDetails& d) {
  out += R"(,"details":{"voidBranches":)";
  AppendJsonString(out, d.voidBranches.names);
  out += R"(,"pillars":{)";
  for (const Pillar p : kPillars) {
    out += kPillarOpenings[static_cast<std::size_t>(p)];
    AppendPillar(out, d.pillars[p]);
  }
  out += '}';
  AppendBalance(out, d.balance);
  out += R"(,"relations":)";
  AppendRelations(out, d.relations);
  AppendLuck(out, d);
  if (!d.annual.empty()) {
    out += R"(,"annual":[)";
    for (std::size_t i = 0; i < d.annual.size(); ++i) {
      if (i > 0) out += ',';
      AppendYear(out, d.annual[i]);
    }
    out += ']';
  }
  AppendList(out, "monthly", d.monthly, AppendMonth);
  AppendList(out, "daily", d.daily, AppendDay);
  out += '}';
}

}  // namespace mireto::cli
