#include "app/table_location.h"

#include "core/utf8_path.h"

namespace mireto {

TablesOrError LoadTablesNearProgram(const QString& programDirectory) {
  return LoadTablesBesideProgram(PathFromUtf8(programDirectory.toStdString()));
}

}  // namespace mireto
