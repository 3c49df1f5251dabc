// Finding a window's controls by their object names, as a test or the
// accessibility tree sees them. Names are UTF-8 and may carry an index in
// brackets, e.g. "dun_kan(3)". The program itself keeps its controls as typed
// members and never looks them up by name.
#pragma once

#include <QString>
#include <QWidget>

namespace mireto {

template <typename T>
T* FindControl(const QObject* root, const char* name) {
  return root->findChild<T*>(QString::fromUtf8(name));
}

template <typename T>
T* FindControl(const QObject* root, const QString& name) {
  return root->findChild<T*>(name);
}

// "sai1" and 3 -> "sai1(3)".
inline QString IndexedName(const char* arrayName, int index) {
  return QStringLiteral("%1(%2)").arg(QString::fromUtf8(arrayName)).arg(index);
}

}  // namespace mireto
