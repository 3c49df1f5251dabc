// Where the desktop program finds its data files: the search shared with
// mireto-chart (core/data_location.h), for a program folder given as a QString.
#pragma once

#include <QString>

#include "core/data_location.h"

namespace mireto {

// Loads and checks the tables from the data folder of a program in
// programDirectory (LoadTablesBesideProgram).
TablesOrError LoadTablesNearProgram(const QString& programDirectory);

}  // namespace mireto
