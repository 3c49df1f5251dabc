#include "ui/input_chain.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <cstdio>
#include <string>

#include "core/calendar.h"
#include "core/numeric.h"

namespace mireto {

namespace {

const QString kUnknown = QStringLiteral("?");

// The number an item's text stands for: its leading decimal number, so "?" is 0.
int ItemNumber(const QString& text) { return static_cast<int>(LeadingNumber(text.toStdString())); }

}  // namespace

InputChain::InputChain(const MainControls& controls, QObject* parent)
    : QObject(parent),
      month_(controls.month),
      day_(controls.day),
      hour_(controls.hour),
      minute_(controls.minute),
      display_(controls.displayButton),
      summary_(controls.birthday),
      jisaMinutes_(controls.jisaMinutes),
      jisaSeconds_(controls.jisaSeconds),
      male_(controls.male),
      female_(controls.female) {
  connect(month_, &QComboBox::activated, this, &InputChain::chooseMonth);
  connect(day_, &QComboBox::activated, this, &InputChain::chooseDay);
  connect(hour_, &QComboBox::activated, this, &InputChain::chooseHour);
  connect(minute_, &QComboBox::activated, this, &InputChain::chooseMinute);
  connect(jisaMinutes_, &QLineEdit::textChanged, this, &InputChain::timeDifferenceEdited);
  connect(jisaSeconds_, &QLineEdit::textChanged, this, &InputChain::timeDifferenceEdited);
}

std::optional<double> InputChain::timeDifferenceDays() const {
  return CheckedTimeDifferenceDays(jisaMinutes_->text().toStdString(), jisaSeconds_->text().toStdString());
}

void InputChain::decideYear(int year) {
  record_.inYear = year;
  rewriteSummary();
  month_->setEnabled(true);
  if (record_.inMonth) {
    rebuildDayList();
    rewriteSummary();
  }
}

void InputChain::chooseMonth() {
  record_.inMonth = ItemNumber(month_->currentText());
  day_->setEnabled(true);
  rebuildDayList();
  rewriteSummary();
}

// Replaces the day items by "1" .. the length of the chosen month in the
// chosen year. A day already chosen stays chosen, moved to the month's last
// day when the new month is shorter.
void InputChain::rebuildDayList() {
  if (!record_.inYear || !record_.inMonth) return;
  const int length = MonthLengths(*record_.inYear).at(*record_.inMonth);
  const bool dayChosen = day_->currentIndex() >= 0;
  day_->clear();
  for (int d = 1; d <= length; ++d) day_->addItem(QString::number(d));
  if (dayChosen && record_.inDay) {
    record_.inDay = std::min(*record_.inDay, length);
    day_->setCurrentIndex(*record_.inDay - 1);
  } else {
    day_->setCurrentIndex(-1);
  }
}

void InputChain::chooseDay() {
  record_.inDay = ItemNumber(day_->currentText());
  rewriteSummary();
  hour_->setEnabled(true);
}

void InputChain::chooseHour() {
  minute_->setEnabled(true);
  record_.inHour = ItemNumber(hour_->currentText());
  rewriteSummary();
  if (hour_->currentText() == kUnknown) {
    display_->setEnabled(true);
    minute_->setEnabled(false);
  }
}

void InputChain::chooseMinute() {
  record_.inMinute = ItemNumber(minute_->currentText());
  display_->setEnabled(true);
  rewriteSummary();
}

void InputChain::zeroTimeDifference() {
  jisaMinutes_->setText(QStringLiteral("0"));
  jisaSeconds_->setText(QStringLiteral("0"));
}

void InputChain::setTimeDifference(const QString& minutes, const QString& seconds) {
  jisaMinutes_->setText(minutes);
  jisaSeconds_->setText(seconds);
}

void InputChain::rewriteSummary() {
  const std::string text =
      BirthdayData(record_, hour_->currentText().toStdString(), minute_->currentText().toStdString());
  summary_->setText(QString::fromStdString(text));
}

std::optional<BirthInput> InputChain::gatherInput() const {
  if (!record_.inYear || !record_.inMonth || !record_.inDay) return std::nullopt;
  BirthInput input;
  input.year = *record_.inYear;
  input.month = *record_.inMonth;
  input.day = *record_.inDay;
  const QString hourText = hour_->currentText();
  if (!hourText.isEmpty() && hourText != kUnknown) input.hour = record_.inHour;
  const QString minuteText = minute_->currentText();
  if (!minuteText.isEmpty() && minuteText != kUnknown) input.minute = record_.inMinute;
  input.sex = male_->isChecked() ? Sex::Male : Sex::Female;
  input.jisaMinutesText = jisaMinutes_->text().toStdString();
  input.jisaSecondsText = jisaSeconds_->text().toStdString();
  return input;
}

std::optional<roster::BirthTexts> InputChain::enteredTexts() const {
  const std::optional<BirthInput> input = gatherInput();
  if (!input || hour_->currentIndex() < 0) return std::nullopt;
  char date[16];
  std::snprintf(date, sizeof date, "%04d-%02d-%02d", input->year, input->month, input->day);
  roster::BirthTexts texts;
  texts.date = date;
  texts.hour = hour_->currentText().toStdString();
  texts.minute = minute_->currentIndex() < 0 ? "?" : minute_->currentText().toStdString();
  texts.sex = input->sex == Sex::Male ? "M" : "F";
  texts.jisaMinutes = input->jisaMinutesText;
  texts.jisaSeconds = input->jisaSecondsText;
  return texts;
}

bool InputChain::pick(QComboBox* list, const QString& text) {
  const int index = list->findText(text);
  if (index < 0 || !list->isEnabled()) return false;
  list->setCurrentIndex(index);
  return true;
}

bool InputChain::enter(int month, int day, const QString& hour, const QString& minute, bool male,
                       const QString& jisaMinutes, const QString& jisaSeconds) {
  if (!pick(month_, QString::number(month))) return false;
  chooseMonth();
  if (!pick(day_, QString::number(day))) return false;
  chooseDay();
  // The minute list opens once an hour is chosen; "?" closes it again.
  if (!pick(hour_, hour == kUnknown ? QStringLiteral("0") : hour)) return false;
  chooseHour();
  if (!pick(minute_, minute)) return false;
  chooseMinute();
  if (hour == kUnknown) {
    pick(hour_, kUnknown);
    chooseHour();
  }
  (male ? male_ : female_)->setChecked(true);
  jisaMinutes_->setText(jisaMinutes);
  jisaSeconds_->setText(jisaSeconds);
  return true;
}

}  // namespace mireto
