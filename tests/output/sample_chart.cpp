#include "sample_chart.h"

#include <QString>
#include <QStringList>

namespace mireto::test {

namespace {

const QStringList kStems = QString::fromUtf8("甲乙丙丁戊己庚辛壬癸").split(QString(), Qt::SkipEmptyParts);
const QStringList kBranches = QString::fromUtf8("子丑寅卯辰巳午未申酉戌亥").split(QString(), Qt::SkipEmptyParts);
const QStringList kElements = QString::fromUtf8("木火土金水").split(QString(), Qt::SkipEmptyParts);

std::string Stem(int i) { return kStems[i % 10].toStdString(); }
std::string Branch(int i) { return kBranches[i % 12].toStdString(); }

}  // namespace

ChartSnapshot SampleChart(int variant) {
  ChartSnapshot chart;
  chart.sex = SexText(variant % 2 ? Sex::Male : Sex::Female);
  chart.birthday = "19" + std::to_string(70 + variant) + "年5月3日14時27分";
  ChartDisplay& d = chart.display;
  d.age = std::to_string(30 + variant);
  d.weekday = "月曜日";
  d.equationOfTime = "+" + std::to_string(variant) + "分25.4秒";
  d.trueSolarTime = "19" + std::to_string(70 + variant) + "年5月3日14時2" + std::to_string(variant) + ".3分";
  d.sunLongitude = std::to_string(40 + variant) + ".25";
  d.luckStartAge = "約" + std::to_string(variant) + "歳4カ月12日";
  d.luckChange = Stem(variant) + "年" + Branch(variant) + "月";
  int p = 0;
  for (Pillar pillar : kPillars) {
    d.stems[pillar] = Stem(variant + p);
    d.branches[pillar] = Branch(variant + 3 * p);
    d.hiddenStems[pillar] = Stem(variant + p + 5);
    ++p;
  }
  d.seasonElement = kElements[variant % 5].toStdString();
  for (std::size_t i = 0; i < d.luckStems.size(); ++i) {
    const int n = static_cast<int>(i);
    d.luckStems[i] = Stem(variant + n + 1);
    d.luckBranches[i] = Branch(variant + n + 1);
    d.luckLastAges[i] = std::to_string(variant + 10 * n + 1);
  }
  for (std::size_t i = 0; i < d.luckFirstAges.size(); ++i) {
    d.luckFirstAges[i] = std::to_string(variant + 3 + 10 * static_cast<int>(i));
  }
  d.boldLuckColumn = variant % 11;
  return chart;
}

}  // namespace mireto::test
