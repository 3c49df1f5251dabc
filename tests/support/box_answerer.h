// Answers the modal message boxes a window test triggers, recording each.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QStringList>
#include <QTimer>

namespace mireto::test {

// One message box as it was shown.
struct ShownBox {
  QString name;
  QString text;  // as written: without the line breaks of the box
  QStringList buttons;
  QStringList lines;         // the lines the box shows
  bool buttonIcons = false;  // some button carries an icon
};

// While alive, answers every modal message box as soon as it is shown: the
// button whose text is the next answer in the list (OK when none is left),
// recording each box.
class BoxAnswerer {
 public:
  explicit BoxAnswerer(QStringList answers) : answers_(std::move(answers)) {
    timer_.setInterval(0);
    QObject::connect(&timer_, &QTimer::timeout, [this] { answer(); });
    timer_.start();
  }
  QList<ShownBox> shown;

 private:
  void answer() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) return;
    ShownBox record{box->objectName(), QString(box->text()).remove(u'\n'), {}, box->text().split(u'\n'), false};
    for (QAbstractButton* b : box->buttons()) {
      record.buttons << b->text();
      record.buttonIcons = record.buttonIcons || !b->icon().isNull();
    }
    record.buttons.sort();
    shown << record;
    const QString wanted = answers_.isEmpty() ? QString() : answers_.takeFirst();
    for (QAbstractButton* b : box->buttons()) {
      if (b->text() == wanted || (wanted.isEmpty() && box->buttonRole(b) == QMessageBox::AcceptRole)) {
        b->click();
        return;
      }
    }
    box->reject();
  }
  QStringList answers_;
  QTimer timer_;
};

}  // namespace mireto::test
