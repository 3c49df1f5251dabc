// Finding a window's controls by their names, as the windows of the program
// read each other's controls. Names are UTF-8 and may carry an index in
// brackets, e.g. "dun_kan(3)".
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
