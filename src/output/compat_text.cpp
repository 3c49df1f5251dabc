#include "output/compat_text.h"

#include <algorithm>

#include "chart/ten_gods.h"
#include "output/details_text.h"
#include "output/pillar_rows.h"

namespace mireto {

namespace {

constexpr std::string_view kIdeographicSpace = "\u3000";
constexpr std::string_view kEllipsis = "…";
constexpr std::array<std::string_view, 2> kLetters = {"A", "B"};

// In the order of Pillar.
constexpr std::array<std::string_view, 4> kStemPlaces = {"年干", "月干", "日干", "時干"};
constexpr std::array<std::string_view, 4> kBranchPlaces = {"年支", "月支", "日支", "時支"};

// Widths in fixed-pitch columns.
constexpr std::size_t kLabelColumns = 12;  // 蔵干通変星 and one space
constexpr std::size_t kPillarColumns = 8;  // a 納音 and one space
constexpr std::size_t kGapColumns = 4;     // between the two tables

void AppendPadded(std::string& line, std::string_view text, std::size_t columns) {
  line += text;
  std::size_t used = DisplayColumns(text);
  for (; used + 2 <= columns; used += 2) line += kIdeographicSpace;
  if (used < columns) line += ' ';
}

void TrimEnd(std::string& line) {
  while (line.ends_with(' ')) line.pop_back();
  while (line.ends_with(kIdeographicSpace)) line.resize(line.size() - kIdeographicSpace.size());
}

// The first count characters of UTF-8 text, and whether it was longer.
std::string_view FirstCharacters(std::string_view text, std::size_t count, bool& cut) {
  std::size_t at = 0;
  for (std::size_t n = 0; at < text.size() && n < count; ++n) {
    ++at;
    while (at < text.size() && (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80) ++at;
  }
  cut = at < text.size();
  return text.substr(0, at);
}

std::string_view VoidMark(std::optional<bool> isVoid) {
  if (!isVoid) return kUnknownMark;
  return *isVoid ? kVoidMark : kNotVoidMark;
}

std::string KindText(RelationKind kind, std::optional<Element> element) {
  std::string s(RelationKindName(kind));
  if (element) {
    s += "（";
    s += ElementName(*element);
    s += "）";
  }
  return s;
}

// 0: both day pillars, 1: one of them, 2: neither.
int DayRank(const CrossRelation& r) { return (r.a == Pillar::Day ? 0 : 1) + (r.b == Pillar::Day ? 0 : 1); }

}  // namespace

CompatSheet MakeCompatSheet(const CompatSubject& a, const CompatSubject& b) {
  CompatSheet sheet;
  const std::array<const CompatSubject*, 2> subjects = {&a, &b};
  for (std::size_t i = 0; i < subjects.size(); ++i) {
    const CompatSubject& s = *subjects[i];
    DetailsRequest request;
    request.hourKnown = s.hourKnown;
    sheet.people[i] = CompatPerson{s.name, s.birth, ComputeChartDetails(*s.chart, request)};
  }
  sheet.compat =
      CompatibilityOf(NatalPillarsOf(a.chart->record, a.hourKnown), NatalPillarsOf(b.chart->record, b.hourKnown));
  return sheet;
}

std::array<std::string, 2> PersonLabels(const CompatSheet& sheet) {
  std::array<std::string, 2> labels;
  for (std::size_t i = 0; i < labels.size(); ++i) {
    bool cut = false;
    labels[i] = FirstCharacters(sheet.people[i].name, kLabelCharacters, cut);
    if (cut) labels[i] += kEllipsis;
  }
  if (labels[0].empty() || labels[1].empty() || labels[0] == labels[1]) return {"A", "B"};
  return labels;
}

std::string CompatRelationText(const CompatSheet& sheet, const CrossRelation& r) {
  const auto labels = PersonLabels(sheet);
  const bool stems = r.kind == RelationKind::StemCombination;
  const auto& places = stems ? kStemPlaces : kBranchPlaces;
  const auto character = [&](std::size_t person, Pillar p) {
    const PillarDetails& pillar = sheet.people[person].details.pillars[p];
    return stems ? pillar.stem : pillar.branch;
  };
  std::string s(places[static_cast<std::size_t>(r.a)]);
  s += " ";
  s += character(0, r.a);
  s += "（" + labels[0] + "）と ";
  if (r.b != r.a) {
    s += places[static_cast<std::size_t>(r.b)];
    s += " ";
  }
  s += character(1, r.b);
  s += "（" + labels[1] + "）：" + KindText(r.kind, r.element);
  return s;
}

std::vector<std::string> CompatRelationLines(const CompatSheet& sheet) {
  std::vector<CrossRelation> ordered = sheet.compat.relations;
  std::stable_sort(ordered.begin(), ordered.end(),
                   [](const CrossRelation& l, const CrossRelation& r) { return DayRank(l) < DayRank(r); });
  std::vector<std::string> lines;
  for (const CrossRelation& r : ordered) lines.push_back(CompatRelationText(sheet, r));
  if (lines.empty()) lines.emplace_back(kNotVoidMark);
  return lines;
}

std::array<std::string, 2> TenGodLines(const CompatSheet& sheet) {
  const auto labels = PersonLabels(sheet);
  const auto line = [&](std::size_t from, std::size_t to, TenGod god) {
    std::string s = labels[from] + "（日干 " + std::string(sheet.people[from].details.dayStem.name()) + "）から見た" +
                    labels[to] + "（日干 " + std::string(sheet.people[to].details.dayStem.name()) + "）：";
    s += TenGodName(god);
    return s;
  };
  return {line(0, 1, sheet.compat.bFromA), line(1, 0, sheet.compat.aFromB)};
}

std::array<std::string, 2> VoidHitLines(const CompatSheet& sheet) {
  const auto labels = PersonLabels(sheet);
  const std::array<const VoidBranches*, 2> voids = {&sheet.compat.voidOfA, &sheet.compat.voidOfB};
  std::array<std::string, 2> lines;
  for (std::size_t of = 0; of < 2; ++of) {
    const std::size_t other = 1 - of;
    std::string hits;
    for (const VoidHit& hit : sheet.compat.voidHits) {
      if (static_cast<std::size_t>(hit.of) != of) continue;
      if (!hits.empty()) hits += "、";
      hits += kBranchPlaces[static_cast<std::size_t>(hit.on)];
      hits += " ";
      hits += sheet.people[other].details.pillars[hit.on].branch;
    }
    lines[of] = labels[of] + "の空亡 " + std::string(voids[of]->names) + "：" + labels[other] +
                (hits.empty() ? std::string("の命式になし") : "の" + hits);
  }
  return lines;
}

std::string MakeCompatText(const CompatSheet& sheet, std::string_view lineEnd) {
  const auto labels = PersonLabels(sheet);
  std::vector<std::string> lines{"相性"};
  for (std::size_t i = 0; i < 2; ++i) {
    const CompatPerson& p = sheet.people[i];
    std::string line(kLetters[i]);
    line += "：";
    if (!p.name.empty()) line += p.name + std::string(kIdeographicSpace);
    line += p.birth;
    lines.push_back(line);
  }
  lines.emplace_back();

  const std::size_t block = kPillarColumns * kPillarTableOrder.size() + kGapColumns;
  std::string names;
  AppendPadded(names, "", kLabelColumns);
  for (std::size_t i = 0; i < 2; ++i) {
    AppendPadded(names, labels[i] + "（空亡 " + std::string(sheet.people[i].details.voidBranches.names) + "）",
                 i == 0 ? block : 0);
  }
  lines.push_back(names);
  std::string titles;
  AppendPadded(titles, "", kLabelColumns);
  for (std::size_t i = 0; i < 2; ++i) {
    for (const std::string_view t : kPillarTableTitles) AppendPadded(titles, t, kPillarColumns);
    if (i == 0) AppendPadded(titles, "", kGapColumns);
  }
  TrimEnd(titles);
  lines.push_back(titles);
  const auto row = [&](std::string_view label, const auto& cell) {
    std::string line;
    AppendPadded(line, label, kLabelColumns);
    for (std::size_t i = 0; i < 2; ++i) {
      for (const Pillar c : kPillarTableOrder)
        AppendPadded(line, cell(sheet.people[i].details.pillars[c]), kPillarColumns);
      if (i == 0) AppendPadded(line, "", kGapColumns);
    }
    TrimEnd(line);
    lines.push_back(line);
  };
  for (const PillarRow& r : kPillarTableRows) row(r.label, [&](const PillarDetails& p) { return p.*r.item; });
  row("空亡", [](const PillarDetails& p) { return VoidMark(p.isVoid); });

  lines.emplace_back();
  lines.emplace_back("2人の柱の合冲刑害");
  for (std::string& l : CompatRelationLines(sheet)) lines.push_back(std::move(l));
  lines.emplace_back();
  lines.emplace_back("日干の通変星");
  for (const std::string& l : TenGodLines(sheet)) lines.push_back(l);
  lines.emplace_back();
  lines.emplace_back("空亡");
  for (const std::string& l : VoidHitLines(sheet)) lines.push_back(l);

  std::string text;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) text += lineEnd;
    text += lines[i];
  }
  return text;
}

}  // namespace mireto
