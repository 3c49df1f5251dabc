#include "app/demo_input.h"

#include <QComboBox>
#include <QListWidget>
#include <QPushButton>

#include "ui/main_window.h"
#include "ui/widget_lookup.h"

namespace mireto {

namespace {

// Picks the item showing `text` as a user's click does.
bool Choose(const MainWindow& window, const char* listName, int value) {
  auto* list = FindControl<QComboBox>(&window, listName);
  if (list == nullptr || !list->isEnabled()) return false;
  const int index = list->findText(QString::number(value));
  if (index < 0) return false;
  list->setCurrentIndex(index);
  emit list->activated(index);
  return true;
}

bool Click(const QObject* root, const char* name) {
  auto* button = FindControl<QPushButton>(root, name);
  if (button == nullptr || !button->isEnabled()) return false;
  button->click();
  return true;
}

const char* CenturyButton(int year) {
  if (year < 1900) return "y1800";
  if (year < 2000) return "y1900";
  return "y2000";
}

bool DecideYear(MainWindow& window, int year) {
  if (!Click(&window, "yearInput")) return false;
  QWidget* dialog = window.yearDialog();
  if (dialog == nullptr || !Click(dialog, CenturyButton(year))) return false;
  auto* list = FindControl<QListWidget>(dialog, "List1");
  const auto items = list->findItems(QString::number(year), Qt::MatchExactly);
  if (items.isEmpty()) return false;
  list->setCurrentItem(items.front());
  emit list->itemClicked(items.front());
  return Click(dialog, "btnSlok");
}

}  // namespace

bool EnterDemoChart(MainWindow& window, const LocalDateTime& date) {
  return DecideYear(window, date.year) && Choose(window, "mSelect", date.month) &&
         Choose(window, "dSelect", date.day) && Choose(window, "hSelect", date.hour) &&
         Choose(window, "mtSelect", date.minute) && Click(&window, "fInput");
}

}  // namespace mireto
