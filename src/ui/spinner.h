// An up-down spinner bound to a text field.
//
// The spinner keeps no value of its own: each step starts from the number the
// field shows (its leading decimal number, 0 when there is none, rounded to a
// whole number), brought into the spinner's range, and writes the stepped
// value back as integer text. It does not wrap at its limits. A value outside
// the range that was written into the field by other means (the map dialog)
// stays as written until the spinner is used.
#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;

namespace mireto {

// The value one step of `delta` gives from a field showing `fieldValue`:
// the field value rounded (ties to even) and clamped to minimum..maximum,
// then moved by delta and clamped again. -49..48: 10 + 1 -> 11, 48 + 1 -> 48,
// 60 - 1 -> 47 (60 is first clamped to 48), 3.6 + 1 -> 5.
int SpinnerStepValue(double fieldValue, int minimum, int maximum, int delta);

class UpDownSpinner : public QWidget {
  Q_OBJECT

 public:
  UpDownSpinner(QLineEdit* field, int minimum, int maximum, QWidget* parent);

  int minimum() const { return minimum_; }
  int maximum() const { return maximum_; }

  void stepUp();
  void stepDown();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  // The focus is drawn as the style's focus rectangle over the arrows.
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  void step(int delta);

  QLineEdit* field_;
  int minimum_;
  int maximum_;
  QToolButton* up_;
  QToolButton* down_;
  QWidget* focusFrame_;
};

}  // namespace mireto
