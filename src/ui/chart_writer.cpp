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

template <std::size_t N>
void SetLabels(QWidget* root, const std::array<const char*, N>& names,
               const std::array<std::string, N>& texts) {
  for (std::size_t i = 0; i < N; ++i) SetText<QLabel>(root, QString::fromUtf8(names[i]), texts[i]);
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

constexpr std::array<const char*, 4> kKanNames = {"yKan", "mKan", "dKan", "hKan"};
constexpr std::array<const char*, 4> kShiNames = {"yShi", "mShi", "dShi", "hShi"};
constexpr std::array<const char*, 4> kZokanNames = {"lbl_yZokan", "lbl_mZokan", "lbl_dZokan",
                                                    "lbl_hZokan"};
constexpr int kLuckColumns = 11;

}  // namespace

void WriteChart(QWidget* root, const ChartDisplay& display) {
  SetText<QLineEdit>(root, QStringLiteral("txtAge"), display.txtAge);
  SetText<QLineEdit>(root, QStringLiteral("txtweek"), display.txtweek);
  SetText<QLineEdit>(root, QStringLiteral("txtKinjisa"), display.txtKinjisa);
  SetText<QLineEdit>(root, QStringLiteral("txtShin"), display.txtShin);
  SetText<QLineEdit>(root, QStringLiteral("txtKoukei"), display.txtKoukei);
  SetText<QLineEdit>(root, QStringLiteral("txtKoutai"), display.txtKoutai);
  SetText<QLineEdit>(root, QStringLiteral("txtKoutaiYM"), display.txtKoutaiYM);
  SetLabels(root, kKanNames, display.kan);
  SetLabels(root, kShiNames, display.shi);
  SetIndexedLabels(root, "sai1", display.sai1);
  SetIndexedLabels(root, "sai2", display.sai2);
  SetIndexedLabels(root, "dun_kan", display.dun_kan);
  SetIndexedLabels(root, "dun_shi", display.dun_shi);
  SetText<QLabel>(root, QStringLiteral("lblOu"), display.lblOu);
  SetLabels(root, kZokanNames, display.zokan);

  for (int i = 0; i < kLuckColumns; ++i) {
    SetBold(root, IndexedName("dun_kan", i), false);
    SetBold(root, IndexedName("dun_shi", i), false);
  }
  if (display.boldColumn && *display.boldColumn >= 0 && *display.boldColumn < kLuckColumns) {
    SetBold(root, IndexedName("dun_kan", *display.boldColumn), true);
    SetBold(root, IndexedName("dun_shi", *display.boldColumn), true);
  }
}

}  // namespace mireto
