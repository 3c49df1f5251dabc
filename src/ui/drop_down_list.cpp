#include "ui/drop_down_list.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QEvent>

namespace mireto {

namespace {

// Swallows wheel events that reach an unfocused list.
class UnfocusedWheelGuard : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::Wheel) return false;
    const auto* list = static_cast<QWidget*>(watched);
    if (list->hasFocus()) return false;
    event->ignore();
    return true;
  }
};

}  // namespace

void ApplyDropDownBehaviour(QComboBox& list) {
  // Click and Tab give focus; the wheel does not.
  list.setFocusPolicy(Qt::StrongFocus);
  list.installEventFilter(new UnfocusedWheelGuard(&list));
  list.setMaxVisibleItems(kDropDownVisibleItems);
  // Styles that open the list over the box ignore the item limit; this
  // property turns that placement off and changes nothing else.
  list.setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
  // The item view was made for the style's own placement, without a scroll bar.
  list.view()->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

}  // namespace mireto
