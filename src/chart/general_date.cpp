#include "chart/general_date.h"

#include <cstdio>

namespace mireto {

std::string GeneralDateText(const LocalDateTime& moment, int second) {
  // Longest text: a 5-digit year and 11-digit fields would still fit.
  char text[80];
  std::snprintf(text, sizeof text, "%04d/%02d/%02d %d:%02d:%02d", moment.year, moment.month, moment.day, moment.hour,
                moment.minute, second);
  return text;
}

}  // namespace mireto
