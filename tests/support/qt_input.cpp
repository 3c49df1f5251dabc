#include "qt_input.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace mireto::test {

namespace {

bool Failed(const QString& why) {
  QTest::qFail(qPrintable(why), __FILE__, __LINE__);
  return false;
}

}  // namespace

bool Choose(const QObject* root, const char* listName, const QString& text) {
  auto* list = Control<QComboBox>(root, listName);
  const int index = list->findText(text);
  if (index < 0) return Failed(QStringLiteral("%1 has no item %2").arg(QString::fromUtf8(listName), text));
  if (!list->isEnabled()) return Failed(QStringLiteral("%1 is disabled").arg(QString::fromUtf8(listName)));
  list->setCurrentIndex(index);
  emit list->activated(index);
  return true;
}

bool Choose(const QObject* root, const char* listName, int value) {
  return Choose(root, listName, QString::number(value));
}

void Click(const QObject* root, const char* name) {
  QTest::mouseClick(Control<QPushButton>(root, name), Qt::LeftButton);
}

bool ClickYear(QWidget* dialog, int year) {
  auto* list = Control<QListWidget>(dialog, "List1");
  const auto items = list->findItems(QString::number(year), Qt::MatchExactly);
  if (items.isEmpty()) return Failed(QStringLiteral("year %1 is not in the year list").arg(year));
  list->setCurrentItem(items.front());
  emit list->itemClicked(items.front());
  return true;
}

bool DecideYear(MainWindow& window, int year) {
  Click(&window, "yearInput");
  QWidget* dialog = window.yearDialog();
  if (dialog == nullptr) return Failed(QStringLiteral("年入力 opened no year dialog"));
  Click(dialog, year < 1900 ? "y1800" : year < 2000 ? "y1900" : "y2000");
  if (!ClickYear(dialog, year)) return false;
  Click(dialog, "btnSlok");
  return true;
}

bool EnterDateAndTime(MainWindow& window, int year, int month, int day, const QString& hour, const QString& minute) {
  if (!DecideYear(window, year) || !Choose(&window, "mSelect", month) || !Choose(&window, "dSelect", day) ||
      !Choose(&window, "hSelect", hour))
    return false;
  return hour == QStringLiteral("?") || Choose(&window, "mtSelect", minute);
}

bool EnterBirth(MainWindow& window, const roster::BirthTexts& birth) {
  const auto date = roster::DateParts(birth.date);
  if (!date)
    return Failed(QStringLiteral("no date the year dialog offers: %1").arg(QString::fromStdString(birth.date)));
  const auto [year, month, day] = *date;
  if (!EnterDateAndTime(window, year, month, day, QString::fromStdString(birth.hour),
                        QString::fromStdString(birth.minute)))
    return false;
  Control<QRadioButton>(&window, birth.sex == "M" ? "optM" : "optW")->click();
  Control<QLineEdit>(&window, "txtJisahun")->setText(QString::fromStdString(birth.jisaMinutes));
  Control<QLineEdit>(&window, "txtJisabyo")->setText(QString::fromStdString(birth.jisaSeconds));
  return true;
}

void AddBirthColumns() {
  for (const char* column : {"date", "hour", "minute", "sex", "jisaMinutes", "jisaSeconds"}) {
    QTest::addColumn<QString>(column);
  }
}

roster::BirthTexts FetchBirth() {
  QFETCH(QString, date);
  QFETCH(QString, hour);
  QFETCH(QString, minute);
  QFETCH(QString, sex);
  QFETCH(QString, jisaMinutes);
  QFETCH(QString, jisaSeconds);
  return {date.toStdString(), hour.toStdString(),        minute.toStdString(),
          sex.toStdString(),  jisaMinutes.toStdString(), jisaSeconds.toStdString()};
}

}  // namespace mireto::test
