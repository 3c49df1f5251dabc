#include "ui/birth_time_boxes.h"

#include <QMessageBox>
#include <QPushButton>

#include "gui/message_box.h"

namespace mireto {

namespace {

QString Utf8(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// The first or the second of a repeated hour: true for the first (summer time).
bool AskWhichRepeated(QWidget* parent) {
  QMessageBox box(parent);
  box.setObjectName(QString::fromUtf8(kRepeatedTimeQuestionName));
  box.setIcon(QMessageBox::Question);
  QPushButton* summer = box.addButton(Utf8(kRepeatedSummerChoice), QMessageBox::YesRole);
  QPushButton* standard = box.addButton(Utf8(kRepeatedStandardChoice), QMessageBox::NoRole);
  summer->setObjectName(QStringLiteral("summerTimeChoice"));
  standard->setObjectName(QStringLiteral("standardTimeChoice"));
  box.setDefaultButton(summer);
  box.setEscapeButton(standard);
  PrepareMessageBox(box, Utf8(kRepeatedTimeQuestion));
  box.exec();
  return box.clickedButton() == summer;
}

}  // namespace

std::optional<SummerTimeRule> AskSummerTimeRule(QWidget* parent, const BirthInput& entered) {
  switch (QuestionBeforeChart(entered)) {
    case BirthQuestion::None: return SummerTimeRule::Ignore;
    case BirthQuestion::SummerTime:
      return RuleForAnswer(
          AskYesNo(parent, Utf8(kSummerTimeQuestion), true, QString::fromUtf8(kSummerTimeQuestionName)));
    case BirthQuestion::WhichRepeated: return RuleForAnswer(AskWhichRepeated(parent));
    case BirthQuestion::NeverExisted:
      return RuleForNeverExisted(AskYesNo(parent, QString::fromStdString(NeverExistedQuestion(entered)), true,
                                          QString::fromUtf8(kNeverExistedTimeName)));
  }
  return SummerTimeRule::Ignore;
}

void ShowBoundaryInformation(QWidget* parent, const BirthChart& birth) {
  for (const std::string& text : InformationAfterChart(birth)) {
    ShowMessage(parent, QMessageBox::Information, QString::fromStdString(text),
                QString::fromUtf8(kTermBoundaryInformationName));
  }
}

}  // namespace mireto
