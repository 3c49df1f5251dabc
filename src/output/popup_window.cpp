#include "output/popup_window.h"

#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>

#include "gui/fonts.h"
#include "output/main_window_reader.h"
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

void CopyText(const QWidget& from, QWidget& to, const QString& name) {
  if (auto* target = to.findChild<QLineEdit*>(name)) {
    target->setText(DisplayedText(from, name.toUtf8().constData()));
  }
}

void CopyCaption(const QWidget& from, QWidget& to, const QString& name) {
  if (auto* target = to.findChild<QLabel*>(name)) {
    target->setText(DisplayedText(from, name.toUtf8().constData()));
  }
}

void CopyBold(const QWidget& from, QWidget& to, const QString& name) {
  if (auto* target = to.findChild<QLabel*>(name)) {
    QFont font = target->font();
    font.setBold(DisplayedBold(from, name.toUtf8().constData()));
    target->setFont(font);
  }
}

constexpr std::array kCopiedTexts{"txtBirthday", "txtKoutai", "txtKoutaiYM", "txtKoukei", "txtAge"};

// Fills the pop-up in the order the main window's POP button has always used.
void CopyChart(const QWidget& main, QWidget& popupWindow) {
  for (const char* name : kCopiedTexts) CopyText(main, popupWindow, QString::fromUtf8(name));
  for (const auto& label : popup::kPillarLabels) {
    CopyCaption(main, popupWindow, QString::fromUtf8(label.name));
  }
  for (int i = 0; i < 10; ++i) CopyCaption(main, popupWindow, ArrayControlName("sai1", i));
  for (int i = 0; i < 11; ++i) CopyCaption(main, popupWindow, ArrayControlName("sai2", i));
  for (const char* array : {"dun_kan", "dun_shi"}) {
    for (int i = 0; i < 11; ++i) {
      CopyCaption(main, popupWindow, ArrayControlName(array, i));
      CopyBold(main, popupWindow, ArrayControlName(array, i));
    }
  }
  if (auto* sex = popupWindow.findChild<QLineEdit*>(QStringLiteral("txtMW"))) {
    sex->setText(DisplayedSex(main));
  }
}

}  // namespace

PopupController::PopupController(QWidget* mainWindow, QObject* parent)
    : SecondaryWindow(mainWindow, parent) {}

void PopupController::open() {
  QWidget& popupWindow = showWindow();
  if (mainWindow()) CopyChart(*mainWindow(), popupWindow);
}

QWidget* PopupController::createWindow() { return BuildPopupWindow(); }

}  // namespace mireto
