// The exit statuses of mireto-chart (listed in its --help and in the README).
#pragma once

namespace mireto::cli {

enum class ExitStatus : int {
  Ok = 0,
  SomeLinesFailed = 1,  // --batch: at least one line was refused (its error line was written)
  Usage = 2,            // a refused option or birth, or data files that do not load
  OutputFailed = 3,     // standard output could not be written (full disk, closed, broken pipe)
  InputFailed = 4,      // --batch: standard input could not be read
};

}  // namespace mireto::cli
