#include "ui/spinner.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QToolButton>
#include <algorithm>
#include <string>

#include "core/numeric.h"

namespace mireto {

namespace {

// Drawn over the two arrow buttons, which cover the whole spinner: the
// style's focus rectangle while the spinner has the keyboard focus.
class SpinnerFocusFrame : public QWidget {
 public:
  explicit SpinnerFocusFrame(QWidget* spinner) : QWidget(spinner) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    if (!parentWidget()->hasFocus()) return;
    QStyleOptionFocusRect option;
    option.initFrom(parentWidget());
    // The spinner takes the focus only from the keyboard (Tab), so it is
    // always shown, also by styles that draw it only after a keyboard move.
    option.state |= QStyle::State_KeyboardFocusChange;
    option.rect = rect().adjusted(1, 1, -1, -1);
    option.backgroundColor = palette().color(QPalette::Button);
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
  }
};

}  // namespace

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
  focusFrame_ = new SpinnerFocusFrame(this);
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
    case Qt::Key_Up: stepUp(); break;
    case Qt::Key_Down: stepDown(); break;
    default: QWidget::keyPressEvent(event);
  }
}

void UpDownSpinner::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  const int upper = height() / 2;
  up_->setGeometry(0, 0, width(), upper);
  down_->setGeometry(0, upper, width(), height() - upper);
  focusFrame_->setGeometry(rect());
  focusFrame_->raise();
}

void UpDownSpinner::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  focusFrame_->update();
}

void UpDownSpinner::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  focusFrame_->update();
}

}  // namespace mireto
