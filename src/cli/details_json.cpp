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
