// The data files as the program loads them: from the folder of the executable.
#pragma once

#include "core/data_files.h"

namespace mireto::bench {

// The loaded tables; ends the benchmark run with a message when they do not load.
const CalendarTables& Tables();

}  // namespace mireto::bench
