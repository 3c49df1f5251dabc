// Where the program finds its data files planet.txt and latitude.txt.
//
// In the build tree and in the installed layout the data files sit beside the
// executable. A layout that keeps data under share/ is also accepted:
// <program dir>/../share/mireto.
#pragma once

#include <QString>
#include <QStringList>

#include "core/data_files.h"

namespace mireto {

// The folders searched, in order, for a program in programDirectory.
QStringList DataDirectories(const QString& programDirectory);

// Loads the tables from the first folder that holds planet.txt; when none
// does, reports the problem of the first folder.
TablesOrError LoadTablesNearProgram(const QString& programDirectory);

}  // namespace mireto
