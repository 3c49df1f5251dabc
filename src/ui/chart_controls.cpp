#include "ui/chart_controls.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace mireto {

namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

template <typename Widget>
std::string TextOf(const Widget* widget) {
  return widget ? widget->text().toStdString() : std::string();
}

template <typename Widget>
void SetText(Widget* widget, const std::string& text) {
  if (widget) widget->setText(Q(text));
}

void SetBold(QLabel* label, bool bold) {
  if (label == nullptr) return;
  QFont font = label->font();
  font.setBold(bold);
  label->setFont(font);
}

template <typename Labels, typename Texts>
void SetTexts(const Labels& labels, const Texts& texts) {
  auto text = texts.begin();
  for (QLabel* label : labels) SetText(label, *text++);
}

template <typename Labels, typename Texts>
void ReadTexts(const Labels& labels, Texts& texts) {
  auto text = texts.begin();
  for (const QLabel* label : labels) *text++ = TextOf(label);
}

}  // namespace

void WriteChart(const MainControls& c, const ChartDisplay& d) {
  SetText(c.age, d.age);
  SetText(c.weekday, d.weekday);
  SetText(c.equationOfTime, d.equationOfTime);
  SetText(c.trueSolarTime, d.trueSolarTime);
  SetText(c.sunLongitude, d.sunLongitude);
  SetText(c.luckStartAge, d.luckStartAge);
  SetText(c.luckChange, d.luckChange);
  SetTexts(c.stems, d.stems);
  SetTexts(c.branches, d.branches);
  SetTexts(c.luckFirstAges, d.luckFirstAges);
  SetTexts(c.luckLastAges, d.luckLastAges);
  SetTexts(c.luckStems, d.luckStems);
  SetTexts(c.luckBranches, d.luckBranches);
  SetText(c.seasonElement, d.seasonElement);
  SetTexts(c.hiddenStems, d.hiddenStems);
  for (std::size_t i = 0; i < c.luckStems.size(); ++i) {
    const bool bold = d.boldLuckColumn && static_cast<std::size_t>(*d.boldLuckColumn) == i;
    SetBold(c.luckStems[i], bold);
    SetBold(c.luckBranches[i], bold);
  }
}

ChartSnapshot ReadSnapshot(const MainControls& c) {
  ChartSnapshot s;
  s.birthday = TextOf(c.birthday);
  s.sex = SexText(c.male && c.male->isChecked() ? Sex::Male : Sex::Female);
  ChartDisplay& d = s.display;
  d.age = TextOf(c.age);
  d.weekday = TextOf(c.weekday);
  d.equationOfTime = TextOf(c.equationOfTime);
  d.trueSolarTime = TextOf(c.trueSolarTime);
  d.sunLongitude = TextOf(c.sunLongitude);
  d.luckStartAge = TextOf(c.luckStartAge);
  d.luckChange = TextOf(c.luckChange);
  ReadTexts(c.stems, d.stems);
  ReadTexts(c.branches, d.branches);
  ReadTexts(c.hiddenStems, d.hiddenStems);
  d.seasonElement = TextOf(c.seasonElement);
  ReadTexts(c.luckFirstAges, d.luckFirstAges);
  ReadTexts(c.luckLastAges, d.luckLastAges);
  ReadTexts(c.luckStems, d.luckStems);
  ReadTexts(c.luckBranches, d.luckBranches);
  for (std::size_t i = 0; i < c.luckStems.size(); ++i) {
    if (c.luckStems[i] && c.luckStems[i]->font().bold()) {
      d.boldLuckColumn = static_cast<int>(i);
      break;
    }
  }
  return s;
}

}  // namespace mireto
