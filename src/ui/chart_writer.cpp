#include "ui/chart_writer.h"

#include <QLabel>
#include <QLineEdit>
#include <array>
#include <string>

#include "ui/widget_lookup.h"

namespace mireto {

namespace {

template <typename Widget>
void SetText(QWidget* root, const QString& name, const std::string& text) {
  if (auto* widget = FindControl<Widget>(root, name)) widget->setText(QString::fromStdString(text));
}

void SetLabels(QWidget* root, const PerPillar<const char*>& names,
               const PerPillar<std::string>& texts) {
  for (Pillar p : kPillars) SetText<QLabel>(root, QString::fromUtf8(names[p]), texts[p]);
}

template <std::size_t N>
void SetIndexedLabels(QWidget* root, const char* arrayName, const std::array<std::string, N>& texts) {
  for (std::size_t i = 0; i < N; ++i)
    SetText<QLabel>(root, IndexedName(arrayName, static_cast<int>(i)), texts[i]);
}

void SetBold(QWidget* root, const QString& name, bool bold) {
  if (auto* label = FindControl<QLabel>(root, name)) {
    QFont font = label->font();
    font.setBold(bold);
    label->setFont(font);
  }
}

constexpr PerPillar<const char*> kKanNames{{"yKan", "mKan", "dKan", "hKan"}};
constexpr PerPillar<const char*> kShiNames{{"yShi", "mShi", "dShi", "hShi"}};
constexpr PerPillar<const char*> kZokanNames{{"lbl_yZokan", "lbl_mZokan", "lbl_dZokan", "lbl_hZokan"}};
constexpr int kLuckColumns = 11;

}  // namespace

void WriteChart(QWidget* root, const ChartDisplay& display) {
  SetText<QLineEdit>(root, QStringLiteral("txtAge"), display.age);
  SetText<QLineEdit>(root, QStringLiteral("txtweek"), display.weekday);
  SetText<QLineEdit>(root, QStringLiteral("txtKinjisa"), display.equationOfTime);
  SetText<QLineEdit>(root, QStringLiteral("txtShin"), display.trueSolarTime);
  SetText<QLineEdit>(root, QStringLiteral("txtKoukei"), display.sunLongitude);
  SetText<QLineEdit>(root, QStringLiteral("txtKoutai"), display.luckStartAge);
  SetText<QLineEdit>(root, QStringLiteral("txtKoutaiYM"), display.luckChange);
  SetLabels(root, kKanNames, display.stems);
  SetLabels(root, kShiNames, display.branches);
  SetIndexedLabels(root, "sai1", display.luckFirstAges);
  SetIndexedLabels(root, "sai2", display.luckLastAges);
  SetIndexedLabels(root, "dun_kan", display.luckStems);
  SetIndexedLabels(root, "dun_shi", display.luckBranches);
  SetText<QLabel>(root, QStringLiteral("lblOu"), display.seasonElement);
  SetLabels(root, kZokanNames, display.hiddenStems);

  for (int i = 0; i < kLuckColumns; ++i) {
    SetBold(root, IndexedName("dun_kan", i), false);
    SetBold(root, IndexedName("dun_shi", i), false);
  }
  if (display.boldLuckColumn && *display.boldLuckColumn >= 0 && *display.boldLuckColumn < kLuckColumns) {
    SetBold(root, IndexedName("dun_kan", *display.boldLuckColumn), true);
    SetBold(root, IndexedName("dun_shi", *display.boldLuckColumn), true);
  }
}

}  // namespace mireto
