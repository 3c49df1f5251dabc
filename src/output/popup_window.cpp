#include "output/popup_window.h"

#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <string>

#include "gui/fonts.h"
#include "output/popup_layout.h"

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

QLabel* AddLabel(QWidget& window, const QString& name, const QString& text,
                 const TwipsRect& rect, FontRole font, bool centred = false) {
  auto* label = new QLabel(text, &window);
  label->setObjectName(name);
  label->setTextFormat(Qt::PlainText);
  label->setFont(RoleFont(font));
  if (centred) label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  PlaceInTwips(*label, rect);
  return label;
}

void AddTextBox(QWidget& window, const popup::TextBox& box) {
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
  PlaceInTwips(*edit, box.rect);
}

void AddLuckColumn(QWidget& window, int k) {
  using namespace popup;
  const int left = kColumnLeft[k];
  const bool last = k == kLuckColumns - 1;
  const int edgeLeft = last ? kLeftEdge : left;
  const QString placeholder = QStringLiteral("□");
  // Centred like the main window: sai1(0), sai1(9), sai2(0), sai2(1), sai2(10).
  if (k > 0) {
    AddLabel(window, ArrayControlName("sai1", k - 1), placeholder,
             {edgeLeft, kSai1Top, last ? kSai1LastWidth : kSai1Width, kLabelHeight},
             FontRole::Age, k == 1 || last);
  }
  auto* separator = new QLabel(&window);
  separator->setPixmap(QPixmap(QStringLiteral(":/separator.png")));
  PlaceInTwips(*separator, {edgeLeft, kSeparatorTop, kSeparatorSide, kSeparatorSide});
  AddLabel(window, ArrayControlName("sai2", k), placeholder,
           {edgeLeft, kSai2Top, last ? kSai2LastWidth : kLabelWidth, kLabelHeight},
           FontRole::Age, k <= 1 || last);
  AddLabel(window, ArrayControlName("dun_kan", k), placeholder,
           {left, kDunKanTop, kLabelWidth, kLabelHeight}, FontRole::Luck);
  AddLabel(window, ArrayControlName("dun_shi", k), placeholder,
           {left, kDunShiTop, kLabelWidth, k == 0 ? kLabelHeight : kDunShiHeight},
           FontRole::Luck);
}

QWidget* BuildPopupWindow() {
  auto* window = new QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                                          Qt::WindowCloseButtonHint);
  window->setObjectName(QStringLiteral("frmpop01"));
  window->setWindowTitle(QStringLiteral("ミレトPopUp"));
  window->setFont(RoleFont(FontRole::Window));
  window->setFixedSize(TwipsToPixels(popup::kClientWidth), TwipsToPixels(popup::kClientHeight));

  for (const auto& caption : popup::kStaticCaptions) {
    AddLabel(*window, QString(), QString::fromUtf8(caption.text), caption.rect, caption.font);
  }
  for (const auto& box : popup::kTextBoxes) AddTextBox(*window, box);
  for (const auto& label : popup::kPillarLabels) {
    AddLabel(*window, QString::fromUtf8(label.name), QStringLiteral("□"), label.rect, label.font);
  }
  for (int k = 0; k < popup::kLuckColumns; ++k) AddLuckColumn(*window, k);

  auto* close = new QPushButton(QStringLiteral("CLOSE"), window);
  close->setObjectName(QStringLiteral("Command1"));
  PlaceInTwips(*close, popup::kCloseButton);
  QObject::connect(close, &QPushButton::clicked, window, &QWidget::hide);
  return window;
}

QString Q(const std::string& text) { return QString::fromStdString(text); }

void SetText(QWidget& window, const QString& name, const std::string& text) {
  if (auto* edit = window.findChild<QLineEdit*>(name)) edit->setText(Q(text));
  if (auto* label = window.findChild<QLabel*>(name)) label->setText(Q(text));
}

void SetLuckLabel(QWidget& window, const QString& name, const std::string& text, bool bold) {
  if (auto* label = window.findChild<QLabel*>(name)) {
    label->setText(Q(text));
    QFont font = label->font();
    font.setBold(bold);
    label->setFont(font);
  }
}

// Fills the pop-up's own controls, named as the main window's whose texts they copy.
void FillChart(QWidget& window, const ChartSnapshot& chart) {
  const ChartDisplay& d = chart.display;
  SetText(window, QStringLiteral("txtBirthday"), chart.birthday);
  SetText(window, QStringLiteral("txtKoutai"), d.luckStartAge);
  SetText(window, QStringLiteral("txtKoutaiYM"), d.luckChange);
  SetText(window, QStringLiteral("txtKoukei"), d.sunLongitude);
  SetText(window, QStringLiteral("txtAge"), d.age);
  for (const auto& label : popup::kPillarLabels) {
    const QString name = QString::fromUtf8(label.name);
    if (label.group == nullptr) {
      SetText(window, name, d.seasonElement);
    } else {
      SetText(window, name, (d.*label.group)[label.pillar]);
    }
  }
  for (std::size_t i = 0; i < d.luckFirstAges.size(); ++i) {
    SetText(window, ArrayControlName("sai1", static_cast<int>(i)), d.luckFirstAges[i]);
  }
  for (std::size_t i = 0; i < d.luckLastAges.size(); ++i) {
    SetText(window, ArrayControlName("sai2", static_cast<int>(i)), d.luckLastAges[i]);
  }
  for (std::size_t i = 0; i < d.luckStems.size(); ++i) {
    const int column = static_cast<int>(i);
    const bool bold = d.boldLuckColumn == column;
    SetLuckLabel(window, ArrayControlName("dun_kan", column), d.luckStems[i], bold);
    SetLuckLabel(window, ArrayControlName("dun_shi", column), d.luckBranches[i], bold);
  }
  SetText(window, QStringLiteral("txtMW"), chart.sex);
}

}  // namespace

PopupController::PopupController(QObject* parent) : SecondaryWindow(parent) {}

void PopupController::open(const ChartSnapshot& chart) { FillChart(showWindow(), chart); }

QWidget* PopupController::createWindow() { return BuildPopupWindow(); }

}  // namespace mireto
