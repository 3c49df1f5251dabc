#include "app/table_location.h"

#include <QFile>

namespace mireto {

TablesOrError LoadTablesNearProgram(const QString& programDirectory) {
  return LoadTablesBesideProgram(QFile::encodeName(programDirectory).toStdString());
}

}  // namespace mireto
