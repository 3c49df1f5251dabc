#include "ui/birth_time_boxes.h"

#include <QMessageBox>
#include <QPushButton>

#include "ui/main_layout.h"

namespace mireto {

namespace {

QString Utf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void PrepareBox(QMessageBox& box, const char* name, QMessageBox::Icon icon, std::string_view text) {
  box.setObjectName(QString::fromUtf8(name));
  box.setWindowTitle(QString::fromUtf8(main_layout::kCaption));
  box.setIcon(icon);
  box.setText(Utf8(text));
}

// はい / いいえ: true for はい.
bool AskSummerTime(QWidget* parent) {
  QMessageBox box(parent);
  PrepareBox(box, kSummerTimeQuestionName, QMessageBox::Question, kSummerTimeQuestion);
  box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
  box.button(QMessageBox::Yes)->setText(QStringLiteral("はい"));
  box.button(QMessageBox::No)->setText(QStringLiteral("いいえ"));
  box.setDefaultButton(QMessageBox::Yes);
  box.setEscapeButton(QMessageBox::No);
  return box.exec() == QMessageBox::Yes;
}

// The first or the second of a repeated hour: true for the first (summer time).
bool AskWhichRepeated(QWidget* parent) {
  QMessageBox box(parent);
  PrepareBox(box, kRepeatedTimeQuestionName, QMessageBox::Question, kRepeatedTimeQuestion);
  QPushButton* summer = box.addButton(Utf8(kRepeatedSummerChoice), QMessageBox::YesRole);
  QPushButton* standard = box.addButton(Utf8(kRepeatedStandardChoice), QMessageBox::NoRole);
  summer->setObjectName(QStringLiteral("summerTimeChoice"));
  standard->setObjectName(QStringLiteral("standardTimeChoice"));
  box.setDefaultButton(summer);
  box.setEscapeButton(standard);
  box.exec();
  return box.clickedButton() == summer;
}

void Inform(QWidget* parent, const char* name, QMessageBox::Icon icon, std::string_view text) {
  QMessageBox box(parent);
  PrepareBox(box, name, icon, text);
  box.setStandardButtons(QMessageBox::Ok);
  box.exec();
}

}  // namespace

std::optional<SummerTimeRule> AskSummerTimeRule(QWidget* parent, const BirthInput& entered) {
  switch (QuestionBeforeChart(entered)) {
    case BirthQuestion::None:
      return SummerTimeRule::Ignore;
    case BirthQuestion::SummerTime:
      return RuleForAnswer(AskSummerTime(parent));
    case BirthQuestion::WhichRepeated:
      return RuleForAnswer(AskWhichRepeated(parent));
    case BirthQuestion::NeverExisted:
      Inform(parent, kNeverExistedTimeName, QMessageBox::Warning, NeverExistedText(entered));
      return std::nullopt;
  }
  return SummerTimeRule::Ignore;
}

void ShowBoundaryInformation(QWidget* parent, const BirthChart& birth) {
  for (const std::string& text : InformationAfterChart(birth)) {
    Inform(parent, kTermBoundaryInformationName, QMessageBox::Information, text);
  }
}

}  // namespace mireto
