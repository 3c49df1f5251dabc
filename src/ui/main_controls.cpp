#include "ui/main_controls.h"

#include <QAction>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <algorithm>

#include "core/names.h"
#include "ui/drop_down_list.h"
#include "ui/main_layout.h"
#include "ui/spinner.h"

namespace mireto {

namespace ml = main_layout;

namespace {

// "sai1" and 3 -> "sai1(3)", the object name of one label of a strip.
QString IndexedName(const char* arrayName, int index) {
  return QStringLiteral("%1(%2)").arg(QString::fromUtf8(arrayName)).arg(index);
}

const QString kPlaceholderText = QString::fromUtf8(kPlaceholder.data(), kPlaceholder.size());

Qt::Alignment ToQt(ml::Align align) {
  switch (align) {
    case ml::Align::Center: return Qt::AlignHCenter | Qt::AlignVCenter;
    case ml::Align::Right: return Qt::AlignRight | Qt::AlignVCenter;
    case ml::Align::Left: break;
  }
  return Qt::AlignLeft | Qt::AlignVCenter;
}

QLabel* AddLabel(QWidget* client, const QString& text, TwipsRect rect, FontRole font) {
  auto* label = new QLabel(text, client);
  label->setGeometry(ToPixels(rect));
  label->setFont(FontFor(font));
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  return label;
}

QLabel* AddChartLabel(QWidget* client, const QString& name, TwipsRect rect, FontRole font, bool centred) {
  QLabel* label = AddLabel(client, kPlaceholderText, rect, font);
  label->setObjectName(name);
  if (centred) label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  return label;
}

void AddButtons(QWidget* client, MainControls& controls) {
  for (const auto& row : ml::kButtons) {
    auto* button = new QPushButton(QString::fromUtf8(row.caption), client);
    button->setObjectName(QString::fromUtf8(row.name));
    button->setGeometry(ToPixels(row.rect));
    button->setToolTip(QString::fromUtf8(row.toolTip));
    button->setFont(FontFor(row.font));
    // Return presses the focused button, as Space does.
    button->setAutoDefault(true);
    controls.*row.control = button;
  }
}

void AddLists(QWidget* client, MainControls& controls) {
  for (const auto& row : ml::kLists) {
    auto* list = new QComboBox(client);
    list->setObjectName(QString::fromUtf8(row.name));
    list->setGeometry(ToPixels(row.rect));
    list->setToolTip(QString::fromUtf8(row.toolTip));
    list->setFont(FontFor(row.font));
    list->setEditable(false);
    if (row.withUnknown) list->addItem(QStringLiteral("?"));
    for (int n = row.first; n <= row.last; ++n) list->addItem(QString::number(n));
    list->setCurrentIndex(-1);
    ApplyDropDownBehaviour(*list);
    controls.*row.control = list;
  }
}

void AddOptions(QWidget* client, MainControls& controls) {
  for (const auto& row : ml::kOptions) {
    auto* option = new QRadioButton(QString::fromUtf8(row.caption), client);
    option->setObjectName(QString::fromUtf8(row.name));
    option->setGeometry(ToPixels(row.rect));
    option->setChecked(row.checked);
    controls.*row.control = option;
  }
}

void AddFields(QWidget* client, MainControls& controls) {
  for (const auto& row : ml::kFields) {
    auto* field = new QLineEdit(QString::fromUtf8(row.text), client);
    field->setObjectName(QString::fromUtf8(row.name));
    field->setGeometry(ToPixels(row.rect));
    field->setFont(FontFor(row.font));
    field->setAlignment(ToQt(row.align));
    const bool editable = row.style == ml::FieldStyle::InputEditable || row.style == ml::FieldStyle::ResultEditable;
    field->setReadOnly(!editable);
    controls.*row.control = field;
    const bool result = row.style == ml::FieldStyle::Result || row.style == ml::FieldStyle::ResultEditable;
    if (result) {
      // Flat on the dialog face and skipped by the tab key.
      field->setFrame(false);
      field->setTextMargins(0, 0, 0, 0);
      field->setContentsMargins(0, 0, 0, 0);
      field->setFocusPolicy(Qt::ClickFocus);
      QPalette palette = field->palette();
      palette.setColor(QPalette::Base, palette.color(QPalette::Window));
      field->setPalette(palette);
    }
  }
}

void AddSpinners(QWidget* client, MainControls& controls) {
  for (const auto& row : ml::kSpinners) {
    auto* spinner = new UpDownSpinner(controls.*row.field, row.minimum, row.maximum, client);
    spinner->setObjectName(QString::fromUtf8(row.name));
    spinner->setGeometry(ToPixels(row.rect));
    spinner->setToolTip(QString::fromUtf8(row.toolTip));
    controls.*row.control = spinner;
  }
}

void AddRule(QWidget* client) {
  auto* rule = new QFrame(client);
  rule->setObjectName(QStringLiteral("Line1"));
  rule->setGeometry(ToPixels(ml::kRule));
  rule->setAutoFillBackground(true);
  QPalette palette = rule->palette();
  // The active title bar colour of the platform's palette.
  palette.setColor(QPalette::Window, palette.color(QPalette::Active, QPalette::Highlight));
  rule->setPalette(palette);
}

void AddLuckStrip(QWidget* client, MainControls& controls) {
  const QPixmap separator(QStringLiteral(":/separator.png"));
  for (int i = 0; i < static_cast<int>(ml::kSai1Lefts.size()); ++i) {
    const int width = i + 1 == static_cast<int>(ml::kSai1Lefts.size()) ? ml::kSai1LastWidth : ml::kSai1Width;
    const bool centred = std::find(ml::kSai1Centred.begin(), ml::kSai1Centred.end(), i) != ml::kSai1Centred.end();
    controls.luckFirstAges[i] =
        AddChartLabel(client, IndexedName("sai1", i), {ml::kSai1Lefts[i], ml::kSai1Top, width, ml::kSai1Height},
                      FontRole::Gothic12, centred);
  }
  for (int i = 0; i < static_cast<int>(ml::kSeparatorLefts.size()); ++i) {
    auto* picture = new QLabel(client);
    picture->setObjectName(IndexedName("separator", i));
    picture->setGeometry(ToPixels({ml::kSeparatorLefts[i], ml::kSeparatorTop, ml::kSeparatorSize, ml::kSeparatorSize}));
    picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    picture->setPixmap(separator);
  }
  for (int i = 0; i < static_cast<int>(ml::kSai2Lefts.size()); ++i) {
    const int width = i + 1 == static_cast<int>(ml::kSai2Lefts.size()) ? ml::kSai2LastWidth : ml::kSai2Width;
    const bool centred = std::find(ml::kSai2Centred.begin(), ml::kSai2Centred.end(), i) != ml::kSai2Centred.end();
    controls.luckLastAges[i] =
        AddChartLabel(client, IndexedName("sai2", i), {ml::kSai2Lefts[i], ml::kSai2Top, width, ml::kSai2Height},
                      FontRole::Gothic12, centred);
  }
  for (int i = 0; i < static_cast<int>(ml::kDunLefts.size()); ++i) {
    const int shiHeight = i == 0 ? ml::kDunShiFirstHeight : ml::kDunShiHeight;
    controls.luckStems[i] =
        AddChartLabel(client, IndexedName("dun_kan", i),
                      {ml::kDunLefts[i], ml::kDunKanTop, ml::kDunWidth, ml::kDunKanHeight}, FontRole::PGothic12, false);
    controls.luckBranches[i] =
        AddChartLabel(client, IndexedName("dun_shi", i), {ml::kDunLefts[i], ml::kDunShiTop, ml::kDunWidth, shiHeight},
                      FontRole::PGothic12, false);
  }
}

void SetTabOrder(const MainControls& controls) {
  QWidget* previous = nullptr;
  for (QWidget* widget : ml::TabOrder(controls)) {
    Q_ASSERT(widget != nullptr);
    if (previous != nullptr) QWidget::setTabOrder(previous, widget);
    previous = widget;
  }
}

}  // namespace

MainControls BuildMainControls(QWidget* client) {
  MainControls controls;
  client->setFixedSize(ToPixels(ml::kClientWidth, ml::kClientHeight));
  client->setFont(FontFor(FontRole::Default));
  AddRule(client);
  for (const auto& row : ml::kCaptions) AddLabel(client, QString::fromUtf8(row.text), row.rect, row.font);
  for (const auto& row : ml::kPillarLabels) {
    QLabel* label = AddChartLabel(client, QString::fromUtf8(row.name), row.rect, row.font, false);
    if (row.group != nullptr) {
      (controls.*row.group)[row.pillar] = label;
    } else {
      controls.seasonElement = label;
    }
  }
  AddLuckStrip(client, controls);
  AddButtons(client, controls);
  AddLists(client, controls);
  AddOptions(client, controls);
  AddFields(client, controls);
  AddSpinners(client, controls);
  SetTabOrder(controls);
  return controls;
}

QKeySequence MenuMnemonic(const QString& caption) {
  // "ファイル（Ｆ）": the full-width letter before the closing bracket.
  if (caption.size() < 3 || !caption.endsWith(QChar(0xFF09)) || caption.at(caption.size() - 3) != QChar(0xFF08))
    return {};
  const char16_t letter = caption.at(caption.size() - 2).unicode();
  if (letter < u'Ａ' || letter > u'Ｚ') return {};
  return QKeySequence(Qt::ALT | Qt::Key(Qt::Key_A + (letter - u'Ａ')));
}

MenuActions BuildMainMenus(QMainWindow* window) {
  MenuActions actions;
  QMenuBar* bar = window->menuBar();
  for (const auto& menuLayout : ml::kMenus) {
    QMenu* menu = bar->addMenu(QString::fromUtf8(menuLayout.caption));
    menu->setObjectName(QString::fromUtf8(menuLayout.name));
    // The caption stays as designed, without a mnemonic marker; Alt and the
    // bracketed letter opens the menu all the same, F10 the first one.
    const auto open = [bar, menu] {
      if (bar->isEnabled() && bar->isVisible()) bar->setActiveAction(menu->menuAction());
    };
    const QKeySequence mnemonic = MenuMnemonic(menu->title());
    if (!mnemonic.isEmpty()) QObject::connect(new QShortcut(mnemonic, window), &QShortcut::activated, menu, open);
    if (&menuLayout == &ml::kMenus[0])
      QObject::connect(new QShortcut(QKeySequence(Qt::Key_F10), window), &QShortcut::activated, menu, open);
    for (int i = 0; i < menuLayout.itemCount; ++i) {
      const auto& item = menuLayout.items[i];
      QAction* action =
          item.caption == nullptr ? menu->addSeparator() : menu->addAction(QString::fromUtf8(item.caption));
      action->setParent(window);
      action->setObjectName(QString::fromUtf8(item.name));
      if (item.action != nullptr) actions.*item.action = action;
      if (item.shortcut != nullptr) {
        action->setShortcut(QKeySequence(QString::fromUtf8(item.shortcut)));
        action->setShortcutContext(Qt::WindowShortcut);
        // The menu bar's actions must also fire while their menu is closed.
        window->addAction(action);
      }
    }
  }
  return actions;
}

}  // namespace mireto
