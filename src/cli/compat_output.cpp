#include "cli/compat_output.h"

#include <array>
#include <utility>

#include "chart/chart_snapshot.h"
#include "chart/ten_gods.h"
#include "chart/term_cache.h"
#include "cli/json_writer.h"
#include "output/compat_text.h"

namespace mireto::cli {

namespace {

using exchange::BatchKey;
using exchange::BatchObject;
using exchange::FieldState;
using exchange::kBatchKeyCount;
using exchange::kBatchKeyNames;

// The members of a compat line: the batch keys, then the partner's.
constexpr std::size_t kPartnerKeyCount = kBatchKeyCount - 1;  // no partner "now"
constexpr std::size_t kCompatKeyCount = kBatchKeyCount + kPartnerKeyCount;

constexpr auto kCompatKeyNames = [] {
  std::array<std::string_view, kCompatKeyCount> names;
  for (std::size_t i = 0; i < kBatchKeyCount; ++i) names[i] = kBatchKeyNames[i];
  for (std::size_t i = 0; i < kPartnerKeyCount; ++i) names[kBatchKeyCount + i] = kPartnerKeyNames[i];
  return names;
}();

// In the order of Pillar.
constexpr std::array<std::string_view, kPillars.size()> kPillarNames = {"year", "month", "day", "hour"};
constexpr std::array<std::string_view, 2> kPersonNames = {"a", "b"};

std::string_view PillarName(Pillar p) { return kPillarNames[static_cast<std::size_t>(p)]; }
std::string_view PersonName(Person p) { return kPersonNames[static_cast<std::size_t>(p)]; }
Person Other(Person p) { return p == Person::A ? Person::B : Person::A; }

// ["a","day"]
void AppendPlace(std::string& out, Person person, Pillar pillar) {
  out += "[\"";
  out += PersonName(person);
  out += "\",\"";
  out += PillarName(pillar);
  out += "\"]";
}

struct ComputedBirth {
  BirthChart birth;
  std::optional<ChartDetails> details;
};

std::optional<ComputedBirth> Compute(const BirthRequest& request, const LocalDateTime& now, const BatchContext& context,
                                     TermCache& cache, std::string& error) {
  const Boundaries boundaries = context.details.details ? Boundaries::Solve : Boundaries::Skip;
  ComputedBirth c{ComputeBirthChart(request.input, context.summerTime, context.tables, now, boundaries, &cache),
                  std::nullopt};
  if (!c.birth.result.chart) {
    error = c.birth.result.error;
    return std::nullopt;
  }
  if (context.details.details)
    c.details = DetailsOf(request, *c.birth.result.chart, context.details, now, context.tables, cache);
  return c;
}

void AppendChart(std::string& out, const BirthRequest& request, const ComputedBirth& c, SummerTimeRule rule) {
  ChartExtras extras{.notices = &c.birth.notices, .summerTime = rule};
  if (c.details) {
    extras.details = &*c.details;
    if (c.birth.boundaries) extras.boundaries = &*c.birth.boundaries;
  }
  AppendChartJson(out, request, *c.birth.result.chart, extras);
}

// Both people's charts at A's present moment; a message about B's birth
// begins with kPartnerMessagePrefix.
std::optional<std::pair<ComputedBirth, ComputedBirth>> ComputePair(const CompatRequest& request,
                                                                   const BatchContext& context, std::string& error) {
  const LocalDateTime now = request.a.now.value_or(context.defaultNow);
  TermCache cache;
  auto a = Compute(request.a, now, context, cache, error);
  if (!a) return std::nullopt;
  auto b = Compute(request.b, now, context, cache, error);
  if (!b) {
    error = std::string(kPartnerMessagePrefix) + error;
    return std::nullopt;
  }
  return std::pair{std::move(*a), std::move(*b)};
}

}  // namespace

std::optional<CompatRequest> ParseCompatLine(std::string_view line, const BatchDefaults& defaultsA,
                                             const BatchDefaults& defaultsB, std::string& error) {
  exchange::ObjectMembers<kCompatKeyCount> members;
  exchange::MemberProblems problems;
  if (!exchange::ReadObjectMembers(line, kCompatKeyNames, members, problems, error)) return std::nullopt;
  if (!problems.first.empty()) {
    error = std::move(problems.first);
    return std::nullopt;
  }
  const auto& state = members.state;
  const auto& text = members.text;
  BatchObject a, b;
  for (std::size_t i = 0; i < kBatchKeyCount; ++i) {
    a.state[i] = state[i];
    a.text[i] = text[i];
  }
  for (std::size_t i = 0; i < kPartnerKeyCount; ++i) {
    b.state[i] = state[kBatchKeyCount + i];
    b.text[i] = text[kBatchKeyCount + i];
  }
  b.state[static_cast<std::size_t>(BatchKey::Now)] = FieldState::Absent;
  auto first = exchange::RequestFromBatchObject(a, defaultsA, kBatchKeyNames, error);
  if (!first) return std::nullopt;
  auto second = exchange::RequestFromBatchObject(b, defaultsB, kPartnerKeyNames, error);
  if (!second) {
    error = std::string(kPartnerMessagePrefix) + error;
    return std::nullopt;
  }
  second->now = first->now;
  return CompatRequest{std::move(*first), std::move(*second)};
}

void AppendCompatibilityJson(std::string& out, const Compatibility& compat) {
  out += "{\"relations\":[";
  bool first = true;
  for (const CrossRelation& r : compat.relations) {
    if (!first) out += ',';
    first = false;
    out += "{\"kind\":";
    AppendJsonString(out, RelationKindName(r.kind));
    out += ",\"pillars\":[";
    AppendPlace(out, Person::A, r.a);
    out += ',';
    AppendPlace(out, Person::B, r.b);
    out += "],\"element\":";
    if (r.element) {
      AppendJsonString(out, ElementName(*r.element));
    } else {
      out += "null";
    }
    out += '}';
  }
  out += "],\"tenGods\":{\"bFromA\":";
  AppendJsonString(out, TenGodName(compat.bFromA));
  out += ",\"aFromB\":";
  AppendJsonString(out, TenGodName(compat.aFromB));
  out += "},\"voidHits\":[";
  first = true;
  for (const VoidHit& hit : compat.voidHits) {
    if (!first) out += ',';
    first = false;
    out += "{\"of\":\"";
    out += PersonName(hit.of);
    out += "\",\"on\":";
    AppendPlace(out, Other(hit.of), hit.on);
    out += '}';
  }
  out += "]}";
}

bool AppendCompatJson(std::string& out, const CompatRequest& request, const BatchContext& context, std::string& error) {
  const auto pair = ComputePair(request, context, error);
  if (!pair) return false;
  const auto& [a, b] = *pair;
  const Compatibility compat =
      CompatibilityOf(NatalPillarsOf(a.birth.result.chart->record, request.a.input.hour.has_value()),
                      NatalPillarsOf(b.birth.result.chart->record, request.b.input.hour.has_value()));
  out += "{\"a\":";
  AppendChart(out, request.a, a, context.summerTime);
  out += ",\"b\":";
  AppendChart(out, request.b, b, context.summerTime);
  out += ",\"compat\":";
  AppendCompatibilityJson(out, compat);
  out += '}';
  return true;
}

namespace {

// "1990年5月3日14時27分 男 時差 -5分30秒"
std::string BirthLine(const BirthRequest& r) {
  return BirthdayText(r) + " " + SexText(r.input.sex) + " 時差 " + r.input.jisaMinutesText + "分" +
         r.input.jisaSecondsText + "秒";
}

}  // namespace

bool AppendCompatText(std::string& out, const CompatRequest& request, const BatchContext& context, std::string& error) {
  const auto pair = ComputePair(request, context, error);
  if (!pair) return false;
  const auto& [a, b] = *pair;
  const CompatSheet sheet =
      MakeCompatSheet({"", BirthLine(request.a), &*a.birth.result.chart, request.a.input.hour.has_value()},
                      {"", BirthLine(request.b), &*b.birth.result.chart, request.b.input.hour.has_value()});
  out += MakeCompatText(sheet);
  return true;
}

bool AppendCompatBatchLine(std::string_view line, long lineNumber, const BatchContext& context, std::string& out) {
  std::string error;
  if (const auto request = ParseCompatLine(line, context.defaults, context.partnerDefaults, error)) {
    if (AppendCompatJson(out, *request, context, error)) {
      out += '\n';
      return true;
    }
  }
  AppendErrorLine(lineNumber, error, out);
  return false;
}

}  // namespace mireto::cli
