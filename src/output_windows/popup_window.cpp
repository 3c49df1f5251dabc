#include "output_windows/popup_window.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <string>

#include <algorithm>

#include "gui/fonts.h"
#include "gui/window_keys.h"
#include "output_windows/popup_layout.h"

namespace mireto {

namespace {

using popup::FontRole;

QFont RoleFont(FontRole role) {
  switch (role) {
    case FontRole::Window: return LayoutFont(FontFace::Gothic, 9);
    case FontRole::Pillar: return LayoutFont(FontFace::PGothic, 12, true);
    case FontRole::HiddenStem: return LayoutFont(FontFace::Gothic, 11.25);
    case FontRole::Heading: return LayoutFont(FontFace::Gothic, 11.25, true);
    case FontRole::Age: return LayoutFont(FontFace::Gothic, 12);
    case FontRole::Luck: return LayoutFont(FontFace::PGothic, 12);
  }
  return {};
}

// "sai1" and 3 -> "sai1(3)": the name of element 3 of a control array.
QString ArrayControlName(const char* array, int index) {
  return QStringLiteral("%1(%2)").arg(QString::fromUtf8(array)).arg(index);
}

QLabel* AddLabel(QWidget& window, const QString& name, const QString& text, const TwipsRect& rect, FontRole font,
                 bool centred = false) {
  auto* label = new QLabel(text, &window);
  label->setObjectName(name);
  label->setTextFormat(Qt::PlainText);
  label->setFont(RoleFont(font));
  if (centred) label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  PlaceInTwips(*label, rect);
  return label;
}

// How far the caption on the box's left runs into the box, in pixels: the
// box's text starts after it, so that caption and value never touch.
int CaptionOverhang(const popup::TextBox& box) {
  for (const auto& caption : popup::kStaticCaptions) {
    if (caption.rect.top != box.rect.top || caption.rect.left >= box.rect.left) continue;
    const QFontMetrics metrics(RoleFont(caption.font));
    const int captionEnd =
        TwipsToPixels(caption.rect.left) + metrics.horizontalAdvance(QString::fromUtf8(caption.text));
    return std::max(0, captionEnd - TwipsToPixels(box.rect.left));
  }
  return 0;
}

QLineEdit* AddTextBox(QWidget& window, const popup::TextBox& box) {
  auto* edit = new QLineEdit(&window);
  edit->setObjectName(QString::fromUtf8(box.name));
  edit->setReadOnly(box.readOnly);
  edit->setFrame(false);
  edit->setFocusPolicy(Qt::ClickFocus);  // skipped by the tab key
  // No panel of its own: the window's background shows through.
  QPalette palette = edit->palette();
  palette.setColor(QPalette::Base, Qt::transparent);
  edit->setPalette(palette);
  if (box.centred) edit->setAlignment(Qt::AlignHCenter);
  edit->setTextMargins(CaptionOverhang(box), 0, 0, 0);
  PlaceInTwips(*edit, box.rect);
  return edit;
}

void AddLuckColumn(QWidget& window, int k, PopupControls& controls) {
  using namespace popup;
  const int left = kColumnLeft[k];
  const bool last = k == kLuckColumns - 1;
  const int edgeLeft = last ? kLeftEdge : left;
  const QString placeholder = QStringLiteral("□");
  // Centred like the main window: sai1(0), sai1(9), sai2(0), sai2(1), sai2(10).
  if (k > 0) {
    controls.firstAges[k - 1] =
        AddLabel(window, ArrayControlName("sai1", k - 1), placeholder,
                 {edgeLeft, kSai1Top, last ? kSai1LastWidth : kSai1Width, kLabelHeight}, FontRole::Age, k == 1 || last);
  }
  auto* separator = new QLabel(&window);
  separator->setPixmap(QPixmap(QStringLiteral(":/separator.png")));
  PlaceInTwips(*separator, {edgeLeft, kSeparatorTop, kSeparatorSide, kSeparatorSide});
  controls.lastAges[k] =
      AddLabel(window, ArrayControlName("sai2", k), placeholder,
               {edgeLeft, kSai2Top, last ? kSai2LastWidth : kLabelWidth, kLabelHeight}, FontRole::Age, k <= 1 || last);
  controls.stems[k] = AddLabel(window, ArrayControlName("dun_kan", k), placeholder,
                               {left, kDunKanTop, kLabelWidth, kLabelHeight}, FontRole::Luck);
  controls.branches[k] =
      AddLabel(window, ArrayControlName("dun_shi", k), placeholder,
               {left, kDunShiTop, kLabelWidth, k == 0 ? kLabelHeight : kDunShiHeight}, FontRole::Luck);
}

QWidget* BuildPopupWindow(PopupControls& controls) {
  auto* window =
      new QWidget(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                               Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
  window->setObjectName(QStringLiteral("frmpop01"));
  window->setWindowTitle(QStringLiteral("ミレトPopUp"));
  window->setFont(RoleFont(FontRole::Window));
  window->setFixedSize(TwipsToPixels(popup::kClientWidth), TwipsToPixels(popup::kClientHeight));

  for (const auto& caption : popup::kStaticCaptions) {
    AddLabel(*window, QString(), QString::fromUtf8(caption.text), caption.rect, caption.font);
  }
  for (std::size_t i = 0; i < popup::kTextBoxes.size(); ++i) {
    controls.boxes[i] = AddTextBox(*window, popup::kTextBoxes[i]);
  }
  for (std::size_t i = 0; i < popup::kPillarLabels.size(); ++i) {
    const auto& label = popup::kPillarLabels[i];
    controls.pillarLabels[i] =
        AddLabel(*window, QString::fromUtf8(label.name), QStringLiteral("□"), label.rect, label.font);
  }
  for (int k = 0; k < popup::kLuckColumns; ++k) AddLuckColumn(*window, k, controls);

  auto* close = new QPushButton(QStringLiteral("CLOSE"), window);
  close->setObjectName(QStringLiteral("Command1"));
  PlaceInTwips(*close, popup::kCloseButton);
  QObject::connect(close, &QPushButton::clicked, window, &QWidget::hide);
  BindWindowKeys(*window, *close);
  return window;
}

QString Q(const std::string& text) { return QString::fromStdString(text); }

const std::string& BoxTextOf(const ChartSnapshot& chart, popup::BoxText shows) {
  using popup::BoxText;
  switch (shows) {
    case BoxText::Birthday: return chart.birthday;
    case BoxText::Sex: return chart.sex;
    case BoxText::LuckStart: return chart.display.luckStartAge;
    case BoxText::LuckChange: return chart.display.luckChange;
    case BoxText::SunLongitude: return chart.display.sunLongitude;
    case BoxText::Age: return chart.display.age;
  }
  return chart.birthday;
}

void SetLuckLabel(QLabel& label, const std::string& text, bool bold) {
  label.setText(Q(text));
  QFont font = label.font();
  font.setBold(bold);
  label.setFont(font);
}

// Writes the chart to the pop-up's controls, each the copy of a main-window one.
void FillChart(const PopupControls& controls, const ChartSnapshot& chart) {
  const ChartDisplay& d = chart.display;
  for (std::size_t i = 0; i < popup::kTextBoxes.size(); ++i) {
    controls.boxes[i]->setText(Q(BoxTextOf(chart, popup::kTextBoxes[i].shows)));
  }
  for (std::size_t i = 0; i < popup::kPillarLabels.size(); ++i) {
    const auto& label = popup::kPillarLabels[i];
    const std::string& text = label.group == nullptr ? d.seasonElement : (d.*label.group)[label.pillar];
    controls.pillarLabels[i]->setText(Q(text));
  }
  for (std::size_t i = 0; i < controls.firstAges.size(); ++i) controls.firstAges[i]->setText(Q(d.luckFirstAges[i]));
  for (std::size_t i = 0; i < controls.lastAges.size(); ++i) controls.lastAges[i]->setText(Q(d.luckLastAges[i]));
  for (std::size_t i = 0; i < controls.stems.size(); ++i) {
    const bool bold = d.boldLuckColumn == static_cast<int>(i);
    SetLuckLabel(*controls.stems[i], d.luckStems[i], bold);
    SetLuckLabel(*controls.branches[i], d.luckBranches[i], bold);
  }
}

}  // namespace

PopupController::PopupController(QObject* parent) : SecondaryWindow(parent) {}

void PopupController::open(const ChartSnapshot& chart) {
  showWindow();  // creates the window and its controls when not loaded
  FillChart(controls_, chart);
}

QWidget* PopupController::createWindow() { return BuildPopupWindow(controls_); }

}  // namespace mireto
