#include "output/main_window_reader.h"

#include <QAbstractButton>
#include <QVariant>
#include <QWidget>

namespace mireto {

namespace {

const QWidget* FindControl(const QWidget& mainWindow, const char* name) {
  return mainWindow.findChild<const QWidget*>(QString::fromUtf8(name));
}

}  // namespace

QString DisplayedText(const QWidget& mainWindow, const char* name) {
  const QWidget* control = FindControl(mainWindow, name);
  return control ? control->property("text").toString() : QString();
}

bool DisplayedBold(const QWidget& mainWindow, const char* name) {
  const QWidget* control = FindControl(mainWindow, name);
  return control && control->font().bold();
}

QString DisplayedSex(const QWidget& mainWindow) {
  const auto* male = mainWindow.findChild<const QAbstractButton*>(QStringLiteral("optM"));
  return (male && male->isChecked()) ? QStringLiteral("男") : QStringLiteral("女");
}

QString ArrayControlName(const char* array, int index) {
  return QStringLiteral("%1(%2)").arg(QString::fromUtf8(array)).arg(index);
}

}  // namespace mireto
