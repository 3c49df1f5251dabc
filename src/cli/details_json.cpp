#include "cli/details_json.h"

#include <array>
#include <charconv>

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

// In the order of Place.
constexpr std::array<std::string_view, kPlaces.size()> kPlaceNames = {
    R"("luck")", R"("annual")", R"("year")", R"("month")", R"("day")", R"("hour")"};

void AppendRelation(std::string& out, const Relation& r) {
  out += R"({"kind":")";
  out += RelationKindName(r.kind);  // names from the constant tables need no escaping
  out += R"(","pillars":[)";
  bool first = true;
  for (const Place p : kPlaces) {
    if (!r.places.contains(p)) continue;
    if (!first) out += ',';
    out += kPlaceNames[static_cast<std::size_t>(p)];
    first = false;
  }
  out += R"(],"element":)";
  if (r.element) {
    out += '"';
    out += ElementName(*r.element);
    out += R"("})";
  } else {
    out += "null}";
  }
}

void AppendRelations(std::string& out, const RelationList& list) {
  out += '[';
  for (std::size_t i = 0; i < list.size(); ++i) {
    if (i > 0) out += ',';
    AppendRelation(out, list[i]);
  }
  out += ']';
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

void AppendYear(std::string& out, const AnnualPillar& a) {
  out += R"({"year":)";
  AppendJsonInteger(out, a.year);
  out += R"(,"pillar":")";
  out += a.stem;  // names from the constant tables need no escaping
  out += a.branch;
  out += R"(","age":)";
  if (a.age) {
    AppendJsonInteger(out, *a.age);
  } else {
    out += "null";
  }
  out += R"(,"tenGod":)";
  AppendJsonString(out, a.tenGod);
  out += R"(,"stage":)";
  AppendJsonString(out, a.stage);
  out += R"(,"void":)";
  AppendBool(out, a.isVoid);
  out += R"(,"relations":)";
  AppendRelations(out, a.relations);
  out += '}';
}

}  // namespace

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
  out += '}';
}

}  // namespace mireto::cli
