#include "ui/spinner.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <algorithm>
#include <string>

#include "core/numeric.h"

namespace mireto {

int SpinnerStepValue(double fieldValue, int minimum, int maximum, int delta) {
  const double low = minimum;
  const double high = maximum;
  // std::clamp also brings +/-infinity (a huge number typed in) into range.
  const double start = std::clamp(RoundHalfEven(fieldValue), low, high);
  return static_cast<int>(std::clamp(start + delta, low, high));
}

UpDownSpinner::UpDownSpinner(QLineEdit* field, int minimum, int maximum, QWidget* parent)
    : QWidget(parent), field_(field), minimum_(minimum), maximum_(maximum) {
  up_ = new QToolButton(this);
  up_->setArrowType(Qt::UpArrow);
  up_->setObjectName(QStringLiteral("up"));
  down_ = new QToolButton(this);
  down_->setArrowType(Qt::DownArrow);
  down_->setObjectName(QStringLiteral("down"));
  for (QToolButton* button : {up_, down_}) {
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus);
  }
  connect(up_, &QToolButton::clicked, this, &UpDownSpinner::stepUp);
  connect(down_, &QToolButton::clicked, this, &UpDownSpinner::stepDown);
  setFocusPolicy(Qt::TabFocus);
}

void UpDownSpinner::stepUp() { step(+1); }

void UpDownSpinner::stepDown() { step(-1); }

void UpDownSpinner::step(int delta) {
  const std::string text = field_->text().toStdString();
  const int value = SpinnerStepValue(LeadingNumber(text), minimum_, maximum_, delta);
  field_->setText(QString::number(value));
}

void UpDownSpinner::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Up:
      stepUp();
      break;
    case Qt::Key_Down:
      stepDown();
      break;
    default:
      QWidget::keyPressEvent(event);
  }
}

void UpDownSpinner::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  const int upper = height() / 2;
  up_->setGeometry(0, 0, width(), upper);
  down_->setGeometry(0, upper, width(), height() - upper);
}

}  // namespace mireto
