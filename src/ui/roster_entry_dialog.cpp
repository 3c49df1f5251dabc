#include "ui/roster_entry_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "roster/roster_entry.h"

namespace mireto {

namespace {

const char* Title(EntryDialogMode mode) { return mode == EntryDialogMode::Edit ? "名簿の項目の編集" : "名簿に保存"; }

}  // namespace

QString KeptNote(const QString& given, const QString& shown, const QString& edited) {
  if (edited == shown) return given;
  const qsizetype crlf = given.count(QStringLiteral("\r\n"));
  if (crlf > 0 && crlf == given.count(QLatin1Char('\n'))) {
    QString text = edited;
    return text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
  }
  return edited;
}

RosterEntryDialog::RosterEntryDialog(EntryDialogMode mode, const EntryTexts& texts, const EntryDialogBirth& birth,
                                     QWidget* parent)
    : QDialog(parent), givenNote_(texts.note) {
  setObjectName(QStringLiteral("rosterEntryDialog"));
  setWindowTitle(QString::fromUtf8(Title(mode)));
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  name_ = new QLineEdit(texts.name, this);
  name_->setObjectName(QStringLiteral("entryName"));
  reading_ = new QLineEdit(texts.reading, this);
  reading_->setObjectName(QStringLiteral("entryReading"));
  reading_->setPlaceholderText(QStringLiteral("任意"));
  birthplace_ = new QLineEdit(texts.birthplace, this);
  birthplace_->setObjectName(QStringLiteral("entryBirthplace"));
  birthplace_->setPlaceholderText(QStringLiteral("任意"));
  note_ = new QPlainTextEdit(texts.note, this);
  note_->setObjectName(QStringLiteral("entryNote"));
  note_->setTabChangesFocus(true);
  shownNote_ = note_->toPlainText();
  auto addText = [&](const char* caption, const QString& text, const char* objectName) {
    if (text.isEmpty()) return;
    auto* label = new QLabel(text, this);
    label->setObjectName(QString::fromUtf8(objectName));
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    form->addRow(QString::fromUtf8(caption), label);
  };
  addText("変更前：", birth.previousBirth, "entryPreviousBirth");
  addText("生年月日：", birth.birth, "entryBirth");
  addText("夏時刻：", birth.decision, "entryDecision");
  form->addRow(QStringLiteral("名前："), name_);
  form->addRow(QStringLiteral("ふりがな："), reading_);
  form->addRow(QStringLiteral("出生地："), birthplace_);
  form->addRow(QStringLiteral("備考："), note_);
  layout->addLayout(form);
  problem_ = new QLabel(this);
  problem_->setObjectName(QStringLiteral("entryProblem"));
  layout->addWidget(problem_);

  auto* buttons = new QDialogButtonBox(this);
  switch (mode) {
    case EntryDialogMode::SaveNew:
      primary_ = buttons->addButton(QStringLiteral("保存"), QDialogButtonBox::AcceptRole);
      connect(primary_, &QPushButton::clicked, this, [this] { finish(EntryChoice::SaveNew); });
      break;
    case EntryDialogMode::SaveOrUpdate:
      primary_ = buttons->addButton(QStringLiteral("この項目を更新"), QDialogButtonBox::AcceptRole);
      secondary_ = buttons->addButton(QStringLiteral("新しい項目として保存"), QDialogButtonBox::AcceptRole);
      connect(primary_, &QPushButton::clicked, this, [this] { finish(EntryChoice::Update); });
      connect(secondary_, &QPushButton::clicked, this, [this] { finish(EntryChoice::SaveNew); });
      break;
    case EntryDialogMode::SaveOrUpdateBirth:
      primary_ = buttons->addButton(QStringLiteral("この項目の生年月日を更新"), QDialogButtonBox::AcceptRole);
      secondary_ = buttons->addButton(QStringLiteral("新しい項目として保存"), QDialogButtonBox::AcceptRole);
      connect(primary_, &QPushButton::clicked, this, [this] { finish(EntryChoice::Update); });
      connect(secondary_, &QPushButton::clicked, this, [this] { finish(EntryChoice::SaveNew); });
      break;
    case EntryDialogMode::Edit:
      primary_ = buttons->addButton(QStringLiteral("変更"), QDialogButtonBox::AcceptRole);
      connect(primary_, &QPushButton::clicked, this, [this] { finish(EntryChoice::Update); });
      break;
  }
  QPushButton* cancel = buttons->addButton(QStringLiteral("キャンセル"), QDialogButtonBox::RejectRole);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  layout->addWidget(buttons);
  for (QLineEdit* line : {name_, reading_, birthplace_})
    connect(line, &QLineEdit::textChanged, this, &RosterEntryDialog::check);
  connect(note_, &QPlainTextEdit::textChanged, this, &RosterEntryDialog::check);
  check();
}

void RosterEntryDialog::check() {
  const EntryDialogAnswer typed = {EntryChoice::Cancel, name_->text(), note_->toPlainText(), reading_->text(),
                                   birthplace_->text()};
  std::string problem = roster::CheckName(typed.name.toStdString());
  if (problem.empty()) problem = roster::CheckReading(typed.reading.toStdString());
  if (problem.empty()) problem = roster::CheckBirthplace(typed.birthplace.toStdString());
  if (problem.empty()) problem = roster::CheckNote(typed.note.toStdString());
  problem_->setText(QString::fromStdString(problem));
  primary_->setEnabled(problem.empty());
  if (secondary_ != nullptr) secondary_->setEnabled(problem.empty());
}

void RosterEntryDialog::finish(EntryChoice choice) {
  choice_ = choice;
  accept();
}

EntryDialogAnswer RosterEntryDialog::answer() const {
  if (result() != QDialog::Accepted) return {};
  return {choice_, name_->text(), KeptNote(givenNote_, shownNote_, note_->toPlainText()), reading_->text(),
          birthplace_->text()};
}

EntryDialogAnswer AskEntry(QWidget* parent, EntryDialogMode mode, const EntryTexts& texts,
                           const EntryDialogBirth& birth) {
  RosterEntryDialog dialog(mode, texts, birth, parent);
  dialog.exec();
  return dialog.answer();
}

}  // namespace mireto
