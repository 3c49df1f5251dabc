#include "cli/chart_io.h"

#include "chart/general_date.h"
#include "output/export_text.h"

namespace mireto::cli {

nlohmann::ordered_json ReferenceChartJson(const BirthRequest& request, const Chart& chart) {
  const ChartDisplay& d = chart.display;
  // Filled in place, key by key in the order of the format: copies of nested
  // objects cost more than the chart itself.
  nlohmann::ordered_json out;
  out["birthday"] = BirthdayText(request);
  out["sex"] = SexText(request.input.sex);
  out["age"] = d.age;
  out["weekday"] = d.weekday;
  out["equationOfTime"] = d.equationOfTime;
  out["trueSolarTime"] = d.trueSolarTime;
  out["sunLongitude"] = d.sunLongitude;
  out["luckStart"] = d.luckStartAge;
  out["luckChange"] = d.luckChange;
  out["seasonElement"] = d.seasonElement;
  auto& pillars = out["pillars"];
  const PerPillar<const char*> names{{"year", "month", "day", "hour"}};
  for (Pillar p : kPillars) {
    auto& pillar = pillars[names[p]];
    pillar["stem"] = d.stems[p];
    pillar["branch"] = d.branches[p];
    pillar["hidden"] = d.hiddenStems[p];
  }
  auto& luck = out["luck"];
  luck["forward"] = chart.record.forward;
  luck["stems"] = d.luckStems;
  luck["branches"] = d.luckBranches;
  luck["firstAges"] = d.luckFirstAges;
  luck["lastAges"] = d.luckLastAges;
  luck["current"] = nullptr;
  if (d.boldLuckColumn) luck["current"] = *d.boldLuckColumn;
  return out;
}

std::string ChartText(const BirthRequest& request, const Chart& chart, std::string_view nowText) {
  return MakeExportText(SnapshotOf(chart, BirthdayText(request), request.input.sex), nowText);
}

std::string NowText(const LocalDateTime& now) { return GeneralDateText(now, 0); }

}  // namespace mireto::cli
