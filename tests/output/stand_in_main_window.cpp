#include "stand_in_main_window.h"

#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "output/main_window_reader.h"

namespace mireto::test {

namespace {

constexpr const char* kFields[] = {"txtBirthday", "txtAge",    "txtweek",   "txtKinjisa", "txtShin",
                                   "txtKoukei",   "txtKoutai", "txtKoutaiYM"};
constexpr const char* kLabels[] = {"yKan",       "yShi",       "mKan",       "mShi",      "dKan",
                                   "dShi",       "hKan",       "hShi",       "lblOu",     "lbl_yZokan",
                                   "lbl_mZokan", "lbl_dZokan", "lbl_hZokan"};

const QStringList kStems = QString::fromUtf8("甲乙丙丁戊己庚辛壬癸").split(QString(), Qt::SkipEmptyParts);
const QStringList kBranches = QString::fromUtf8("子丑寅卯辰巳午未申酉戌亥").split(QString(), Qt::SkipEmptyParts);

std::string Stem(int i) { return kStems[i % 10].toStdString(); }
std::string Branch(int i) { return kBranches[i % 12].toStdString(); }

}  // namespace

StandInMainWindow::StandInMainWindow() {
  setObjectName(QStringLiteral("mainform01"));
  for (const char* name : kFields) (new QLineEdit(this))->setObjectName(QString::fromUtf8(name));
  for (const char* name : kLabels) {
    (new QLabel(QStringLiteral("□"), this))->setObjectName(QString::fromUtf8(name));
  }
  for (int i = 0; i < 10; ++i) (new QLabel(this))->setObjectName(ArrayControlName("sai1", i));
  for (int i = 0; i < 11; ++i) {
    (new QLabel(this))->setObjectName(ArrayControlName("sai2", i));
    (new QLabel(QStringLiteral("□"), this))->setObjectName(ArrayControlName("dun_kan", i));
    (new QLabel(QStringLiteral("□"), this))->setObjectName(ArrayControlName("dun_shi", i));
  }
  auto* female = new QRadioButton(QStringLiteral("女"), this);
  female->setObjectName(QStringLiteral("optW"));
  female->setChecked(true);
  (new QRadioButton(QStringLiteral("男"), this))->setObjectName(QStringLiteral("optM"));
}

void StandInMainWindow::set(const QString& name, const QString& text) {
  QWidget* control = findChild<QWidget*>(name);
  Q_ASSERT_X(control, "StandInMainWindow::set", qPrintable(name));
  control->setProperty("text", text);
}

void StandInMainWindow::markLuckColumn(int column) {
  for (const char* array : {"dun_kan", "dun_shi"}) {
    for (int i = 0; i < 11; ++i) {
      auto* label = findChild<QLabel*>(ArrayControlName(array, i));
      QFont font = label->font();
      font.setBold(i == column);
      label->setFont(font);
    }
  }
}

void StandInMainWindow::selectMale(bool male) {
  findChild<QRadioButton*>(male ? QStringLiteral("optM") : QStringLiteral("optW"))->setChecked(true);
}

void StandInMainWindow::show(const ChartTexts& chart) {
  const auto q = [](const std::string& s) { return QString::fromStdString(s); };
  selectMale(chart.sex == "男");
  set(QStringLiteral("txtBirthday"), q(chart.birthday));
  set(QStringLiteral("txtAge"), q(chart.age));
  set(QStringLiteral("txtKoutai"), q(chart.luckStartAge));
  set(QStringLiteral("txtKoutaiYM"), q(chart.luckChange));
  const PerPillar<char> prefixes{{'y', 'm', 'd', 'h'}};
  for (Pillar p : kPillars) {
    set(QStringLiteral("%1Kan").arg(prefixes[p]), q(chart.pillars[p].stem));
    set(QStringLiteral("%1Shi").arg(prefixes[p]), q(chart.pillars[p].branch));
    set(QStringLiteral("lbl_%1Zokan").arg(prefixes[p]), q(chart.pillars[p].hiddenStem));
  }
  for (int i = 0; i < 11; ++i) {
    set(ArrayControlName("dun_kan", i), q(chart.luckStems[i]));
    set(ArrayControlName("dun_shi", i), q(chart.luckBranches[i]));
  }
  for (int i = 0; i < 10; ++i) set(ArrayControlName("sai1", i), q(chart.luckFirstAges[i]));
}

ChartTexts SampleChart(int variant) {
  ChartTexts chart;
  chart.sex = variant % 2 ? "男" : "女";
  chart.birthday = "19" + std::to_string(70 + variant) + "年5月3日 14時27分";
  chart.age = std::to_string(30 + variant);
  chart.luckStartAge = "約" + std::to_string(variant) + "歳4カ月12日";
  chart.luckChange = Stem(variant) + "年" + Branch(variant) + "月";
  for (int p = 0; p < 4; ++p) {
    chart.pillars[kPillars[p]] = {Stem(variant + p), Branch(variant + 3 * p), Stem(variant + p + 5)};
  }
  for (int i = 0; i < 11; ++i) {
    chart.luckStems[i] = Stem(variant + i + 1);
    chart.luckBranches[i] = Branch(variant + i + 1);
  }
  for (int i = 0; i < 10; ++i) chart.luckFirstAges[i] = std::to_string(variant + 3 + 10 * i);
  return chart;
}

}  // namespace mireto::test
