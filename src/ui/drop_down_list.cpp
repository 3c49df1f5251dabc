#include "ui/drop_down_list.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>

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

// Selects by typed prefix on a closed list, as a user choice (activated).
class TypeAheadFilter : public QObject {
 public:
  TypeAheadFilter(QComboBox& list, TypeAheadClock clock) : QObject(&list), list_(list), clock_(std::move(clock)) {}

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const QString text = key->text();
    if (text.isEmpty() || !text.at(0).isPrint() || text.at(0).isSpace() ||
        (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
      return false;
    QStringList items;
    for (int i = 0; i < list_.count(); ++i) items << list_.itemText(i);
    const int index = typed_.type(items, text, clock_());
    if (index >= 0 && index != list_.currentIndex()) {
      list_.setCurrentIndex(index);
      emit list_.activated(index);
      emit list_.textActivated(list_.itemText(index));
    }
    return true;
  }

 private:
  QComboBox& list_;
  TypeAheadClock clock_;
  TypeAhead typed_;
};

}  // namespace

int FirstItemStartingWith(const QStringList& items, const QString& prefix) {
  for (int i = 0; i < items.size(); ++i) {
    if (items[i].startsWith(prefix)) return i;
  }
  return -1;
}

int TypeAhead::type(const QStringList& items, const QString& text, std::chrono::steady_clock::time_point now) {
  const bool within = !prefix_.isEmpty() && now - last_ < kTypeAheadTimeout;
  last_ = now;
  if (within) {
    const int longer = FirstItemStartingWith(items, prefix_ + text);
    if (longer >= 0) {
      prefix_ += text;
      return longer;
    }
  }
  prefix_ = text;
  return FirstItemStartingWith(items, prefix_);
}

void ApplyDropDownBehaviour(QComboBox& list, TypeAheadClock clock) {
  list.installEventFilter(new TypeAheadFilter(list, std::move(clock)));
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
