#include "app/table_location.h"

#include <QDir>
#include <QFileInfo>

namespace mireto {

QStringList DataDirectories(const QString& programDirectory) {
  const QDir program(programDirectory);
  return {program.absolutePath(), QDir::cleanPath(program.absoluteFilePath(QStringLiteral("../share/mireto")))};
}

TablesOrError LoadTablesNearProgram(const QString& programDirectory) {
  const QStringList directories = DataDirectories(programDirectory);
  const QString planetName = QString::fromUtf8(kPlanetFileName.data(), kPlanetFileName.size());
  for (const QString& directory : directories) {
    if (QFileInfo::exists(QDir(directory).filePath(planetName)))
      return LoadCalendarTables(QFile::encodeName(directory).toStdString());
  }
  return LoadCalendarTables(QFile::encodeName(directories.front()).toStdString());
}

}  // namespace mireto
