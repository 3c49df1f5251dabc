#include "chart/chart_snapshot.h"

#include <utility>

namespace mireto {

std::string SexText(Sex sex) { return sex == Sex::Male ? "男" : "女"; }

ChartSnapshot SnapshotOf(const Chart& chart, std::string birthday, Sex sex) {
  return ChartSnapshot{std::move(birthday), SexText(sex), chart.display, {}, {}, std::nullopt};
}

}  // namespace mireto
