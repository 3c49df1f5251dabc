// The keys of a secondary window (pop-up, text preview, map), as on the
// design's desktop platform: Esc does what the window's close button does,
// and Return presses the button that has the focus (Space already does).
#pragma once

#include <QKeySequence>
#include <QPushButton>
#include <QShortcut>
#include <QWidget>
#include <initializer_list>

namespace mireto {

// closeButton and otherButtons: every push button of the window.
inline void BindWindowKeys(QWidget& window, QPushButton& closeButton,
                           std::initializer_list<QPushButton*> otherButtons = {}) {
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), &window);
  escape->setContext(Qt::WindowShortcut);
  QObject::connect(escape, &QShortcut::activated, &closeButton, [&closeButton] {
    if (closeButton.isEnabled()) closeButton.click();
  });
  // Outside a dialog a push button takes Return only as an auto-default one.
  closeButton.setAutoDefault(true);
  for (QPushButton* button : otherButtons) button->setAutoDefault(true);
}

}  // namespace mireto
